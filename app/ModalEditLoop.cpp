// The in-place edit's local message loop.
#include "app/ModalEditLoop.h"

ModalEditLoop::~ModalEditLoop()
{
    if (m_pGone) *m_pGone = true;
}

void ModalEditLoop::Begin() { m_ended = false; }

bool ModalEditLoop::Run()
{
    // A loop inside a loop of the same edit would leave the outer one waiting on a flag that was
    // already consumed; the outer loop serves both.
    if (m_running) return true;
    m_running = true;
    bool gone = false;
    m_pGone = &gone;
    bool quit = false;
    MSG msg;
    while (!gone && !m_ended) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            quit = true;
            PostQuitMessage((int)msg.wParam);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (gone) return !quit;  // the object was destroyed by what the loop dispatched
    m_pGone = nullptr;
    m_running = false;
    return !quit;
}

void ModalEditLoop::End()
{
    if (m_ended) return;
    m_ended = true;
    // Wakes a loop that waits for a message; a thread message without a window is dropped by
    // every loop of this thread, so it is harmless when no edit loop runs.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}
