// OLE initialisation per thread.
#include "framework/AfxOle.h"

namespace
{
thread_local BOOL t_bOleInitialized = FALSE;
}  // namespace

BOOL AfxOleInit()
{
    if (t_bOleInitialized) return TRUE;
    const HRESULT hr = ::OleInitialize(nullptr);
    if (FAILED(hr)) return FALSE;
    t_bOleInitialized = TRUE;
    return TRUE;
}

void AfxOleTerm()
{
    if (!t_bOleInitialized) return;
    t_bOleInitialized = FALSE;
    ::OleUninitialize();
}

BOOL AfxOleGetInitialized() { return t_bOleInitialized; }
