// The quit thread.
#include "app/QuitNudger.h"
#include <process.h>

namespace
{

struct NudgeBlock
{
    DWORD mainThreadId;
    HANDLE shutdownEvent;
};

void __cdecl Trampoline(void* argument)
{
    NudgeBlock block = *static_cast<NudgeBlock*>(argument);
    delete static_cast<NudgeBlock*>(argument);
    QuitNudger::Run(block.mainThreadId, block.shutdownEvent);
}

}  // namespace

void QuitNudger::Run(DWORD mainThreadId, HANDLE shutdownEvent)
{
    while (WaitForSingleObject(shutdownEvent, IntervalMs) == WAIT_TIMEOUT)
        PostThreadMessageA(mainThreadId, WM_QUIT, 0, 0);
}

bool QuitNudger::Start(DWORD mainThreadId, HANDLE shutdownEvent)
{
    NudgeBlock* block = new NudgeBlock{mainThreadId, shutdownEvent};
    if (_beginthread(Trampoline, 0, block) == (uintptr_t)-1) {
        delete block;
        return false;
    }
    return true;
}
