// The image-list index of the icon of each file type, looked up once per extension and kept;
// icons are appended to the document's image list as they are first needed.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <map>
#include <string>

class FileIconCache
{
public:
    // The generic file icon, and the answer for names without an extension or without icon data.
    static const int GenericFileIcon = 0;

    // The index for a file name (UTF-16) in `images`: the extension, from the last '.' on,
    // upper-cased, is the key; a miss is kept as well.
    int GetFileIconIndex(const wchar_t* name, HIMAGELIST images);

private:
    std::map<std::wstring, int> m_byExtension;
};
