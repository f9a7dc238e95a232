// The library's serialisable classes, registered once at start-up: stored states name them by
// class name (button lists, bars, floating frames), and listing them here also keeps every one
// of them in the program, even those that only a stored state ever creates.
#pragma once

namespace ZAVPSerialClasses
{
// Registers every class; later calls do nothing.
void RegisterAll();
}  // namespace ZAVPSerialClasses
