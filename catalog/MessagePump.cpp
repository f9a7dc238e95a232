// Local message loops of the user-interface thread.
#include "catalog/MessagePump.h"

void PumpMessages()
{
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void WaitPumping(HANDLE handle)
{
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) break;  // signalled, or the handle is unusable
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                quitCode = msg.wParam;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (quit) PostQuitMessage((int)quitCode);
}

void EnsureMessageQueue()
{
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
}
