// Data received from the Win32 clipboard.
#include "framework/COleDataObject.h"
#include "framework/CSharedFile.h"
#include <cstring>

BOOL COleDataObject::AttachClipboard()
{
    m_bClipboard = TRUE;
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC)
{
    return m_bClipboard && ::IsClipboardFormatAvailable(cfFormat);
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC)
{
    if (!m_bClipboard || !::OpenClipboard(nullptr)) return nullptr;
    HGLOBAL hCopy = nullptr;
    HANDLE hData = ::GetClipboardData(cfFormat);
    if (hData != nullptr) {
        // The clipboard keeps its block: the caller gets a copy of its own.
        SIZE_T size = ::GlobalSize(hData);
        const void* src = ::GlobalLock(hData);
        if (src != nullptr) {
            hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
            if (void* dst = hCopy ? ::GlobalLock(hCopy) : nullptr) {
                memcpy(dst, src, size);
                ::GlobalUnlock(hCopy);
            }
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return hCopy;
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    HGLOBAL hGlobal = GetGlobalData(cfFormat, lpFormatEtc);
    if (hGlobal == nullptr) return nullptr;
    auto* pFile = new CSharedFile(GMEM_MOVEABLE | GMEM_DDESHARE);
    pFile->SetHandle(hGlobal, FALSE);  // the file owns the copy and frees it
    return pFile;
}
