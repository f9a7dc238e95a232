// The window tests' message loop: runs this thread's queue for a while, as a program's own loop
// would (keys translated into characters), so timers and posted messages get their turn.
#pragma once

#include <windows.h>

// At least one pass, then passes every few milliseconds until the time is up.
inline void PumpMessagesFor(DWORD nMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - dwStart < nMilliseconds);
}
