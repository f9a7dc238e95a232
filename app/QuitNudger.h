// The quit thread started when the main window is destroyed: it posts WM_QUIT to the main thread
// every 100 ms until the application's exit has run, so that any local message loop (an in-place
// edit, a modal dialog, a wait on a worker) open at that moment is left and the program ends.
#pragma once
#include <windows.h>

class QuitNudger
{
public:
    static const DWORD IntervalMs = 100;

    // The thread's body: posts WM_QUIT to the thread until the event is signalled.
    static void Run(DWORD mainThreadId, HANDLE shutdownEvent);
    // Starts the body on a thread of its own; false when no thread could be started. The event
    // must stay open until it has been signalled.
    static bool Start(DWORD mainThreadId, HANDLE shutdownEvent);
};
