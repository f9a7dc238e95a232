#pragma once
// Small checks that many of the library's windows make before they touch a window or a command.

#include "framework/CWnd.h"

// A wrapper that exists and has a live window behind it.
inline BOOL HasWindow(const CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr;
}

// A command id a button or a menu item can carry: neither the empty id nor the separator's -1.
inline bool IsRealCommand(UINT uiCmd) { return uiCmd != 0 && uiCmd != (UINT)-1; }
