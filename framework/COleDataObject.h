// Data received from a transfer: the data object of a drag that is over a window, or the plain
// Win32 clipboard.
#pragma once

#include <windows.h>
#include "framework/AfxOle.h"

class CFile;

class COleDataObject
{
public:
    COleDataObject() {}
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Reads from the clipboard from now on; it is opened only while data is fetched.
    BOOL AttachClipboard();
    // Reads from the data object; with bAutoRelease it is released with this object.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    void Release();
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A copy of the data the caller owns (GlobalFree), or null.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A memory file over a copy of the data, deleted by the caller; null when there is none.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

private:
    BOOL m_bClipboard = FALSE;
    LPDATAOBJECT m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = FALSE;
};
