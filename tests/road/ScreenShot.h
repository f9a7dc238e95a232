// Pictures of the program's windows for people to look at: taken from the screen, so only where
// the prefix draws on a display (the x11 prefix under Xvfb, tools/road-screenshots.sh). The road
// takes them when LORNIVAL_ROAD_SHOTS names a folder, and never checks them.
#pragma once
#include <windows.h>
#include <string>

namespace ScreenShot
{
// The folder named by LORNIVAL_ROAD_SHOTS, empty when pictures are not wanted.
std::wstring Folder();
// Saves the window's on-screen rectangle as a 24-bit BMP file `name`.bmp in that folder; does
// nothing without one. False when the picture could not be taken or written.
bool Save(HWND window, const wchar_t* name);
}  // namespace ScreenShot
