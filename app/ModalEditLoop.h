// The local message loop that keeps the user-interface thread inside an in-place edit (a list
// cell, a tree label) until the edit ends. It ends on its own flag, set when the edit ends, so an
// edit that ends while no loop runs cannot post a WM_QUIT that would end the application's own
// loop. A WM_QUIT met inside (the program shutting down) ends it too and is put back for the
// application's loop. The loop's owner (a view) may be destroyed by a message the loop dispatches
// (the main window closed during an edit): the running loop then returns without touching it.
#pragma once
#include <windows.h>

class ModalEditLoop
{
public:
    ModalEditLoop() = default;
    // A loop running meanwhile learns that it is gone and touches nothing of it any more.
    ~ModalEditLoop();
    ModalEditLoop(const ModalEditLoop&) = delete;
    ModalEditLoop& operator=(const ModalEditLoop&) = delete;

    // Arms the loop for an edit that starts now.
    void Begin();
    // Dispatches the thread's messages until End is called or WM_QUIT arrives; returns at once
    // when the edit has already ended. False when it stopped for a WM_QUIT.
    bool Run();
    // The edit is over: the running loop (if any) returns after the current message.
    void End();

    bool Ended() const { return m_ended; }
    bool Running() const { return m_running; }

private:
    bool m_ended = true;
    bool m_running = false;
    bool* m_pGone = nullptr;  // the running loop's own flag, on its stack
};
