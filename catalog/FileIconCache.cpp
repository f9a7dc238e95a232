// The per-extension icon cache of the document's image list.
#include "catalog/FileIconCache.h"
#include "catalog/FileTypeIcons.h"
#include "catalog/TextConversion.h"
#include <cwchar>

int FileIconCache::GetFileIconIndex(const wchar_t* name, HIMAGELIST images)
{
    const wchar_t* dot = name ? std::wcsrchr(name, L'.') : nullptr;
    if (!dot) return GenericFileIcon;
    std::wstring ext = dot;
    CharUpperBuffW(&ext[0], (DWORD)ext.size());
    auto found = m_byExtension.find(ext);
    if (found != m_byExtension.end()) return found->second;

    int result = GenericFileIcon;
    std::string file;
    int index = 0;
    if (GetFileTypeIcon(ToAnsiString(ext.c_str()).c_str(), file, index)) {
        HICON icon = index < 0 ? LoadModuleIconByName(file.c_str(), -index)
                               : EnumModuleIcons(file.c_str(), index);
        if (icon) {
            int added = ImageList_ReplaceIcon(images, -1, icon);
            DestroyIcon(icon);
            if (added >= 0) result = added;
        }
    }
    m_byExtension[ext] = result;
    return result;
}
