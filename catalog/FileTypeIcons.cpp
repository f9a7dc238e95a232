// Icon look-ups in the registry and in module resources.
#include "catalog/FileTypeIcons.h"
#include <cstdlib>

HICON LoadIconFromResource(HMODULE module, LPCSTR name)
{
    HRSRC group = FindResourceA(module, name, (LPCSTR)RT_GROUP_ICON);
    if (!group) return nullptr;
    HGLOBAL groupData = LoadResource(module, group);
    BYTE* dir = groupData ? (BYTE*)LockResource(groupData) : nullptr;
    if (!dir) return nullptr;
    // 0x20: pick the image as for a transparent load, the same choice the shell makes.
    int id = LookupIconIdFromDirectoryEx(dir, TRUE, 16, 16, 0x20);
    if (id == 0) return nullptr;
    HRSRC icon = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_ICON);
    if (!icon) return nullptr;
    HGLOBAL iconData = LoadResource(module, icon);
    BYTE* bits = iconData ? (BYTE*)LockResource(iconData) : nullptr;
    if (!bits) return nullptr;
    return CreateIconFromResource(bits, SizeofResource(module, icon), TRUE, 0x30000);
}

namespace
{

struct GroupSearch
{
    int wanted;
    int seen = 0;
    HICON icon = nullptr;
};

BOOL CALLBACK CountGroups(HMODULE module, LPCSTR, LPSTR name, LONG_PTR param)
{
    GroupSearch* s = reinterpret_cast<GroupSearch*>(param);
    if (s->seen++ != s->wanted) return TRUE;
    s->icon = LoadIconFromResource(module, name);
    return FALSE;
}

HMODULE LoadAsData(const char* file)
{
    return LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

}  // namespace

HICON EnumModuleIcons(const char* moduleFile, int index)
{
    HMODULE module = LoadAsData(moduleFile);
    if (!module) return nullptr;
    GroupSearch search{index};
    EnumResourceNamesA(module, (LPCSTR)RT_GROUP_ICON, CountGroups, (LONG_PTR)&search);
    FreeLibrary(module);
    return search.icon;
}

HICON LoadModuleIconByName(const char* moduleFile, int id)
{
    HMODULE module = LoadAsData(moduleFile);
    if (!module) return nullptr;
    HICON icon = LoadIconFromResource(module, MAKEINTRESOURCEA(id));
    FreeLibrary(module);
    return icon;
}

bool GetFileTypeIcon(const char* extension, std::string& iconFile, int& iconIndex)
{
    char cls[MAX_PATH];
    LONG size = sizeof cls;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, extension, cls, &size) != ERROR_SUCCESS || cls[0] == '\0')
        return false;
    HKEY key;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, cls, &key) != ERROR_SUCCESS) return false;
    char value[MAX_PATH * 2];
    size = sizeof value;
    LONG rc = RegQueryValueA(key, "DefaultIcon", value, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || value[0] == '\0') return false;

    std::string text = value;
    std::size_t comma = text.find(',');
    iconIndex = comma == std::string::npos ? 0 : std::atoi(text.c_str() + comma + 1);
    std::string file = text.substr(0, comma);
    // The shell writes these paths quoted or with %SystemRoot% and the like; the file name itself
    // is what the loader needs.
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"')
        file = file.substr(1, file.size() - 2);
    char expanded[MAX_PATH * 2];
    DWORD n = ExpandEnvironmentStringsA(file.c_str(), expanded, sizeof expanded);
    iconFile = (n > 0 && n <= sizeof expanded) ? std::string(expanded) : file;
    return true;
}
