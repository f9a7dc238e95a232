// The window classes of the bars, named after their attributes ("ZAVControlBar:%x:%x:%x:%x" and
// the like) and registered once per process with the default window procedure.
#pragma once

#include "framework/CString.h"

namespace ZAVPBarClass
{
// Registers (unless it exists) the class named by the prefix and the module instance, class
// style CS_DBLCLKS, the arrow cursor and the COLOR_BTNFACE + 1 background, and answers its
// name. A failed registration raises the resource exception.
CString Register(LPCSTR lpszPrefix, UINT nExtraClassStyle = 0);
// The same, answering an empty name instead of raising: bars are often created inside a window
// procedure (a frame's WM_CREATE), which no exception may leave.
CString TryRegister(LPCSTR lpszPrefix, UINT nExtraClassStyle = 0);
}  // namespace ZAVPBarClass
