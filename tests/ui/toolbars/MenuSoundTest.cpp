// The menu sound thread (with the sound call replaced) and mouse-leave tracking.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/toolbars/ZAVPMouseLeave.h"

namespace
{
std::mutex g_playedLock;
std::vector<std::string> g_played;  // alias and flags of every call, or "purge"

BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE, DWORD fdwSound)
{
    std::lock_guard<std::mutex> lock(g_playedLock);
    char flags[16];
    wsprintfA(flags, "%lx", fdwSound);
    g_played.push_back(pszSound ? std::string(pszSound) + " " + flags
                                : std::string("purge ") + flags);
    return TRUE;
}

std::vector<std::string> Played()
{
    std::lock_guard<std::mutex> lock(g_playedLock);
    return g_played;
}

// Waits up to two seconds for the record to reach a length.
bool WaitForPlayed(size_t n)
{
    for (int i = 0; i < 200 && Played().size() < n; ++i) ::Sleep(10);
    return Played().size() >= n;
}
}  // namespace

// One test: the thread's life is process-wide, from the first request to the stop.
TEST(MenuSoundTest, OneThreadPlaysRequestsUntilStopped)
{
    using namespace ZAVPMenuSound;
    SetPlaySoundProc(RecordPlaySound);

    g_bSoundsEnabled = FALSE;
    PlayMenuSound(kPopup);
    EXPECT_EQ(kNoThread, GetRequest());
    EXPECT_EQ(nullptr, GetThreadHandle());
    g_bSoundsEnabled = TRUE;

    PlayMenuSound(kStop);  // nothing to stop
    EXPECT_EQ(kNoThread, GetRequest());
    EXPECT_EQ(nullptr, GetThreadHandle());

    PlayMenuSound(kPopup);
    const HANDLE hThread = GetThreadHandle();
    EXPECT_NE(nullptr, hThread);
    ASSERT_TRUE(WaitForPlayed(1));
    EXPECT_EQ("MenuPopup 12002", Played()[0]);

    PlayMenuSound(kCommand);
    ASSERT_TRUE(WaitForPlayed(2));
    EXPECT_EQ("MenuCommand 12002", Played()[1]);
    EXPECT_EQ(hThread, GetThreadHandle());  // no second thread

    PlayMenuSound(kStop);
    EXPECT_EQ(nullptr, GetThreadHandle());
    ASSERT_TRUE(WaitForPlayed(3));
    EXPECT_EQ("purge 40", Played()[2]);
    ::Sleep(50);
    EXPECT_EQ(3u, Played().size());
    SetPlaySoundProc(nullptr);
}

namespace
{
struct LeaveWindow
{
    LeaveWindow(int x, int y)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "LornivalLeaveTest";
        ::RegisterClassA(&wc);
        hwnd = ::CreateWindowExA(WS_EX_TOPMOST, "LornivalLeaveTest", "", WS_POPUP | WS_VISIBLE, x,
                                 y, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~LeaveWindow() { ::DestroyWindow(hwnd); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_MOUSELEAVE) ++s_leaves;
        return ::DefWindowProcA(hwnd, msg, wp, lp);
    }
    // Runs the message loop for a while.
    static void Pump(DWORD ms)
    {
        const DWORD end = ::GetTickCount() + ms;
        while (::GetTickCount() < end) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
            ::Sleep(5);
        }
    }

    HWND hwnd;
    static int s_leaves;
};
int LeaveWindow::s_leaves = 0;

TRACKMOUSEEVENT Request(HWND hwnd, DWORD cbSize, DWORD dwFlags)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = cbSize;
    tme.dwFlags = dwFlags;
    tme.hwndTrack = hwnd;
    return tme;
}
}  // namespace

TEST(MouseLeaveTest, RefusedRequests)
{
    LeaveWindow window(200, 200);
    const struct
    {
        HWND hwnd;
        DWORD cbSize;
        DWORD flags;
    } refused[] = {
        {window.hwnd, 12, TME_LEAVE},
        {window.hwnd, sizeof(TRACKMOUSEEVENT), TME_HOVER},
        {nullptr, sizeof(TRACKMOUSEEVENT), TME_LEAVE},
    };
    for (const auto& r : refused) {
        TRACKMOUSEEVENT tme = Request(r.hwnd, r.cbSize, r.flags);
        EXPECT_EQ(0u, TrackMouseLeave(&tme)) << r.cbSize << " " << r.flags;
    }
}

TEST(MouseLeaveTest, OneLeaveMessageOnceTheCursorIsOutside)
{
    LeaveWindow window(200, 200);
    ::SetCursorPos(250, 250);
    TRACKMOUSEEVENT tme = Request(window.hwnd, sizeof(TRACKMOUSEEVENT), TME_LEAVE);
    LeaveWindow::s_leaves = 0;
    ASSERT_NE(0u, TrackMouseLeave(&tme));
    LeaveWindow::Pump(300);
    EXPECT_EQ(0, LeaveWindow::s_leaves);  // still inside

    ::SetCursorPos(20, 20);
    LeaveWindow::Pump(400);
    EXPECT_EQ(1, LeaveWindow::s_leaves);
    LeaveWindow::Pump(300);
    EXPECT_EQ(1, LeaveWindow::s_leaves);  // one message per request
}

namespace
{
int s_timer2 = 0;
void CALLBACK CountTimer2(HWND, UINT, UINT_PTR, DWORD) { ++s_timer2; }
}  // namespace

TEST(MouseLeaveTest, TheTrackingTimerLeavesTimerTwoAlone)
{
    // The popup menu bar's close timer is 2: tracking must not replace or kill it.
    LeaveWindow window(200, 200);
    s_timer2 = 0;
    ::SetTimer(window.hwnd, 2, 50, CountTimer2);
    ::SetCursorPos(20, 20);
    TRACKMOUSEEVENT tme = Request(window.hwnd, sizeof(TRACKMOUSEEVENT), TME_LEAVE);
    ASSERT_NE(0u, TrackMouseLeave(&tme));
    LeaveWindow::Pump(400);
    const int firedBefore = s_timer2;
    LeaveWindow::Pump(300);
    EXPECT_GT(s_timer2, firedBefore);  // timer 2 still runs after the leave was reported
    ::KillTimer(window.hwnd, 2);
}
