// Data received from a transfer: here the plain Win32 clipboard (OLE drag and drop is off).
#pragma once

#include <windows.h>
#include "framework/AfxOle.h"

class CFile;

class COleDataObject
{
public:
    COleDataObject() {}
    ~COleDataObject() { Release(); }

    // Reads from the clipboard from now on; it is opened only while data is fetched.
    BOOL AttachClipboard();
    void Release() { m_bClipboard = FALSE; }
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A copy of the data the caller owns (GlobalFree), or null.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A memory file over a copy of the data, deleted by the caller; null when there is none.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

private:
    BOOL m_bClipboard = FALSE;
};
