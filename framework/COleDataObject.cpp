// Data received from a drag's data object or from the Win32 clipboard.
#include "framework/COleDataObject.h"
#include "framework/CSharedFile.h"
#include <cstring>

namespace
{
// A copy of a global block, or null.
HGLOBAL CopyOfGlobalBlock(HGLOBAL hData)
{
    if (hData == nullptr) return nullptr;
    const SIZE_T size = ::GlobalSize(hData);
    const void* src = ::GlobalLock(hData);
    if (src == nullptr) return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
    if (void* dst = hCopy ? ::GlobalLock(hCopy) : nullptr) {
        memcpy(dst, src, size);
        ::GlobalUnlock(hCopy);
    }
    ::GlobalUnlock(hData);
    return hCopy;
}

FORMATETC GlobalFormatOf(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc != nullptr) return *lpFormatEtc;
    FORMATETC fe = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return fe;
}
}  // namespace

BOOL COleDataObject::AttachClipboard()
{
    Release();
    m_bClipboard = TRUE;
    return TRUE;
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != nullptr && m_bAutoRelease) m_lpDataObject->Release();
    m_lpDataObject = nullptr;
    m_bAutoRelease = FALSE;
    m_bClipboard = FALSE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject != nullptr) {
        FORMATETC fe = GlobalFormatOf(cfFormat, lpFormatEtc);
        return m_lpDataObject->QueryGetData(&fe) == S_OK;
    }
    return m_bClipboard && ::IsClipboardFormatAvailable(cfFormat);
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject != nullptr) {
        FORMATETC fe = GlobalFormatOf(cfFormat, lpFormatEtc);
        fe.tymed = TYMED_HGLOBAL;
        STGMEDIUM medium = {};
        if (m_lpDataObject->GetData(&fe, &medium) != S_OK) return nullptr;
        HGLOBAL hCopy = nullptr;
        if (medium.tymed == TYMED_HGLOBAL) hCopy = CopyOfGlobalBlock(medium.hGlobal);
        ::ReleaseStgMedium(&medium);
        return hCopy;
    }
    if (!m_bClipboard || !::OpenClipboard(nullptr)) return nullptr;
    // The clipboard keeps its block: the caller gets a copy of its own.
    HGLOBAL hCopy = CopyOfGlobalBlock(::GetClipboardData(cfFormat));
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
