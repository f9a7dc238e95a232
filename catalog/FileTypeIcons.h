// Icons of file types from the shell's registry data ("DefaultIcon" of an extension's class)
// and from icon resources of modules loaded as data.
#pragma once
#include <windows.h>
#include <string>

// The 16x16 image of an icon group of a module (name or MAKEINTRESOURCE id), or null.
HICON LoadIconFromResource(HMODULE module, LPCSTR name);
// The icon group at an ordinal position (enumeration order) of a module file, or null.
HICON EnumModuleIcons(const char* moduleFile, int index);
// The icon group with a resource id of a module file, or null.
HICON LoadModuleIconByName(const char* moduleFile, int id);
// Looks up "DefaultIcon" for an extension (with its dot): the icon file and the index after the
// comma (0 without one; negative: a resource id). False when any step fails or the value is empty.
bool GetFileTypeIcon(const char* extension, std::string& iconFile, int& iconIndex);
