// A short debugging session: attach, wait out the attach breakpoint, suspend each new thread,
// detach.
#include "NewThreadCatcher.h"

namespace
{
const DWORD kEventPollMs = 20;
const DWORD kAttachLimitMs = 20000;

// Every event but the ones handled here is passed on untouched; exceptions stay the process's
// own to handle.
DWORD ContinueStatus(const DEBUG_EVENT& event, bool& sawAttachBreak)
{
    if (event.dwDebugEventCode != EXCEPTION_DEBUG_EVENT) return DBG_CONTINUE;
    const DWORD code = event.u.Exception.ExceptionRecord.ExceptionCode;
    if (!sawAttachBreak && (code == EXCEPTION_BREAKPOINT || code == 0x4000001F)) {
        sawAttachBreak = true;  // the break the system injects when a debugger attaches
        return DBG_CONTINUE;
    }
    return DBG_EXCEPTION_NOT_HANDLED;
}

void CloseEventHandles(const DEBUG_EVENT& event)
{
    if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile)
        CloseHandle(event.u.CreateProcessInfo.hFile);
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile)
        CloseHandle(event.u.LoadDll.hFile);
}

}  // namespace

NewThreadCatcher::NewThreadCatcher(DWORD processId) : m_processId(processId)
{
    if (!DebugActiveProcess(processId)) return;
    m_attached = true;
    DebugSetProcessKillOnExit(FALSE);
    // The process's present threads and modules are reported first, then the attach break.
    bool sawAttachBreak = false;
    const DWORD start = GetTickCount();
    while (!sawAttachBreak && GetTickCount() - start < kAttachLimitMs) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, kEventPollMs)) continue;
        CloseEventHandles(event);
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId,
                           ContinueStatus(event, sawAttachBreak));
    }
    if (!sawAttachBreak) Detach();
}

NewThreadCatcher::~NewThreadCatcher()
{
    Detach();
    Release();
}

bool NewThreadCatcher::HoldUntil(const std::function<bool()>& enough, DWORD limitMs)
{
    if (!m_attached) return false;
    bool sawAttachBreak = true;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs) {
        DEBUG_EVENT event = {};
        if (WaitForDebugEvent(&event, kEventPollMs)) {
            CloseEventHandles(event);
            if (event.dwDebugEventCode == CREATE_THREAD_DEBUG_EVENT) {
                HANDLE mine = nullptr;
                if (DuplicateHandle(GetCurrentProcess(), event.u.CreateThread.hThread,
                                    GetCurrentProcess(), &mine, 0, FALSE, DUPLICATE_SAME_ACCESS) &&
                    SuspendThread(mine) != (DWORD)-1)
                    m_held.push_back(mine);
                else if (mine != nullptr)
                    CloseHandle(mine);
            }
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId,
                               ContinueStatus(event, sawAttachBreak));
            if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) break;
        } else if (!m_held.empty() && enough()) {
            break;
        }
    }
    Detach();
    return !m_held.empty();
}

void NewThreadCatcher::Release()
{
    for (HANDLE h : m_held) {
        ResumeThread(h);
        CloseHandle(h);
    }
    m_held.clear();
}

void NewThreadCatcher::Detach()
{
    if (!m_attached) return;
    DebugActiveProcessStop(m_processId);
    m_attached = false;
}
