// The test programs' fault watcher itself: it counts a fault inside a window procedure that the
// system swallowed, and a test that survived one (or an exception stopped by the dispatcher)
// fails. The failing tests run in a second copy of this program, whose verdict is read here.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "framework/AfxCheck.h"
#include "framework/CWnd.h"
#include "support/ExpectedFaults.h"
#include "support/FaultWatcher.h"

namespace
{

const UINT WM_TEST_FAULT_THROW = WM_APP + 21;
const UINT WM_TEST_QUIET = WM_APP + 22;

// Throws when asked to, and faults when its window is destroyed while armed: a message the system
// sends from inside its own call, where it stops a fault and carries on.
class FaultingWnd : public CWnd
{
public:
    bool m_bFaultOnDestroy = false;
    static int* volatile s_pNowhere;
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("thrown on purpose"); }
    LRESULT OnQuiet(WPARAM, LPARAM) { return 7; }
    void OnDestroy()
    {
        if (m_bFaultOnDestroy) *s_pNowhere = 1;
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
int* volatile FaultingWnd::s_pNowhere = nullptr;
BEGIN_MESSAGE_MAP(FaultingWnd, CWnd)
ON_MESSAGE(WM_TEST_FAULT_THROW, &FaultingWnd::OnThrow)
ON_MESSAGE(WM_TEST_QUIET, &FaultingWnd::OnQuiet)
ON_WM_DESTROY()
END_MESSAGE_MAP()

// Always from here, so that each dispatch stands where the one before it stood.
LRESULT Send(CWnd& wnd, UINT nMsg) { return ::SendMessageA(wnd.m_hWnd, nMsg, 0, 0); }

int g_inOurImage = 0;

TEST(FaultWatcher, KnowsItsOwnImageAndTheFaultCodes)
{
    EXPECT_TRUE(FaultWatcher::IsOurAddress(&g_inOurImage));
    EXPECT_FALSE(FaultWatcher::IsOurAddress(::GetModuleHandleA("kernel32.dll")));
    EXPECT_FALSE(FaultWatcher::IsOurAddress(nullptr));
    const struct
    {
        DWORD dwCode;
        bool bFault;
    } codes[] = {{EXCEPTION_ACCESS_VIOLATION, true},
                 {EXCEPTION_ILLEGAL_INSTRUCTION, true},
                 {EXCEPTION_INT_DIVIDE_BY_ZERO, true},
                 {EXCEPTION_STACK_OVERFLOW, true},
                 {EXCEPTION_BREAKPOINT, false},
                 {0x406D1388, false},   // a thread being named for the debugger
                 {0x40010006, false},   // debugger output
                 {0x20474343, false}};  // a C++ throw of this compiler
    for (const auto& c : codes)
        EXPECT_EQ(c.bFault, FaultWatcher::IsHardwareFault(c.dwCode)) << std::hex << c.dwCode;
}

TEST(FaultWatcher, CountsWhatTheDispatcherStopped)
{
    FaultingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ExpectedFaults faults;
    EXPECT_EQ(0, Send(wnd, WM_TEST_FAULT_THROW));
    EXPECT_EQ(7, Send(wnd, WM_TEST_QUIET));
    EXPECT_EQ(1, faults.DispatcherReports());
    EXPECT_EQ(0, faults.HardwareFaults());
    wnd.DestroyWindow();
}

TEST(FaultWatcher, CountsAFailedPreconditionCheck)
{
    // The test programs turn the checks on; a check that holds counts nothing.
    EXPECT_TRUE(AfxChecksEnabled());
    ExpectedFaults faults;
    const int nIndex = 3, nCount = 3;
    ASSERT(nIndex < nCount + 1);
    EXPECT_EQ(0, faults.DispatcherReports());
    ASSERT(nIndex < nCount);
    EXPECT_EQ(1, faults.DispatcherReports());
    EXPECT_NE(nullptr, strstr(AfxGetLastCheckFailure(), "nIndex < nCount"));
}

#ifdef _WIN64
// (A 32-bit program may end at such a fault instead.)
TEST(FaultWatcher, CountsAFaultTheSystemSwallowedInsideAWindowProcedure)
{
    FaultingWnd faulting, next;
    ASSERT_TRUE(faulting.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(next.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ExpectedFaults faults;
    faulting.m_bFaultOnDestroy = true;
    faulting.DestroyWindow();  // the program carries on
    EXPECT_EQ(1, faults.HardwareFaults());
    // The dispatcher learns that the message never returned when one comes at its depth.
    EXPECT_EQ(7, Send(next, WM_TEST_QUIET));
    EXPECT_LE(1, faults.DispatcherReports());
    next.DestroyWindow();
}
#endif

// The tests that must fail: run only by the test below, in a program of their own.
TEST(FaultWatcherVictim, DISABLED_ThrowsInsideAHandler)
{
    FaultingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    Send(wnd, WM_TEST_FAULT_THROW);
    wnd.DestroyWindow();
}

TEST(FaultWatcherVictim, DISABLED_FaultsInsideAHandler)
{
    FaultingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.m_bFaultOnDestroy = true;
    wnd.DestroyWindow();
}

TEST(FaultWatcherVictim, DISABLED_FailsAPreconditionCheck)
{
    CWnd wnd;
    ASSERT(wnd.GetSafeHwnd() != nullptr);
}

// Runs this program again with only the named test and gives its exit code and output.
DWORD RunAlone(const std::string& test, std::string& output)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string cmd = std::string("\"") + path + "\" --gtest_also_run_disabled_tests" +
                      " --gtest_color=no --gtest_filter=" + test;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0)) return 0xFFFFFFFF;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    const BOOL bStarted = ::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr,
                                           nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    if (!bStarted) {
        ::CloseHandle(hRead);
        return 0xFFFFFFFF;
    }
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(hRead, buf, sizeof(buf), &n, nullptr) && n > 0) output.append(buf, n);
    ::CloseHandle(hRead);
    ::WaitForSingleObject(pi.hProcess, 120000);
    DWORD dwExit = 0xFFFFFFFF;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dwExit;
}

TEST(FaultWatcher, FailsATestThatSurvivedAFaultOfOurs)
{
    std::string output;
    EXPECT_EQ(1u, RunAlone("FaultWatcherVictim.DISABLED_ThrowsInsideAHandler", output)) << output;
    EXPECT_NE(std::string::npos,
              output.find("[  FAILED  ] FaultWatcherVictim.DISABLED_ThrowsInsideAHandler"))
        << output;
    EXPECT_NE(std::string::npos, output.find("ended by the window-procedure dispatcher")) << output;

    output.clear();
    EXPECT_EQ(1u, RunAlone("FaultWatcherVictim.DISABLED_FailsAPreconditionCheck", output))
        << output;
    EXPECT_NE(std::string::npos, output.find("wnd.GetSafeHwnd() != nullptr")) << output;

    output.clear();
    const DWORD dwExit = RunAlone("FaultWatcherVictim.DISABLED_FaultsInsideAHandler", output);
    EXPECT_NE(0u, dwExit) << output;
    const bool bFailed = output.find(
                             "[  FAILED  ] FaultWatcherVictim.DISABLED_FaultsInsideAHandler") !=
                         std::string::npos;
#ifdef _WIN64
    EXPECT_TRUE(bFailed) << output;
#endif
    // (A 32-bit program may end at the fault instead; when it carried on, the fault was named.)
    if (bFailed) {
        EXPECT_NE(std::string::npos, output.find("hardware fault(s)")) << output;
    }
}

}  // namespace
