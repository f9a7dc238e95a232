// Waiting on the user-interface thread while a worker runs, without ever blocking its windows.
#pragma once
#include <windows.h>

// Dispatches the thread's messages until WM_QUIT arrives; the WM_QUIT is consumed, so the
// application's own loop never sees it.
void PumpMessages();
// Dispatches the thread's messages until the handle is signalled (a thread ended, an event set).
// A WM_QUIT met meanwhile is put back for the loop that owns it.
void WaitPumping(HANDLE handle);
// Makes sure the calling thread has a message queue, so that a worker can post to it at once.
void EnsureMessageQueue();
