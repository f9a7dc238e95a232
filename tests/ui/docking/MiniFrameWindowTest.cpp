// Floating bars in mini frames under the null driver: floating and docking back (double click,
// dragging in both dock modes, Esc), the posted check that removes an emptied frame, rolling up
// while the cursor is away, the caption's hit test and context menu, toolbars in mini frames, and
// the mini frame's record in the stored layout, read back through real windows.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CMiniFrameWnd.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "resources/UiLibraryResource.h"
#include "framework/CDataExchange.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/layout/DockLayoutDump.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const char kRoot[] = "Software\\LornivalMiniFrameTests";
const char kProfile[] = "Software\\LornivalMiniFrameTests\\Bars\\";
const char kLayoutKey[] = "Software\\LornivalMiniFrameTests\\Bars\\ZAVPDockManager-0";
const int kClientWidth = 600;
const int kClientHeight = 400;
const int kFrameLeft = 100, kFrameTop = 100;
// Under the null driver every window is on the one screen; these points lie far from the frame.
const POINT kFarAway = {1000, 700};

// Dispatches what is queued, for at least nMilliseconds (timers fire meanwhile).
void Pump(DWORD nMilliseconds = 0)
{
    const DWORD dwEnd = ::GetTickCount() + nMilliseconds;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if ((LONG)(::GetTickCount() - dwEnd) >= 0) break;
        ::Sleep(10);
    }
}

// Pumps until the condition holds or the time is up (a slow emulated run needs more ticks).
template <typename Condition>
bool PumpUntil(Condition done, DWORD nMilliseconds = 3000)
{
    const DWORD dwEnd = ::GetTickCount() + nMilliseconds;
    while (!done()) {
        if ((LONG)(::GetTickCount() - dwEnd) >= 0) return false;
        Pump(10);
    }
    return true;
}

// Holds Ctrl down in the thread's key state (what GetKeyState answers) for as long as it lives.
class CtrlDown
{
public:
    CtrlDown()
    {
        ::GetKeyboardState(m_saved);
        BYTE keys[256];
        ::memcpy(keys, m_saved, sizeof keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
    }
    ~CtrlDown() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

class MiniFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        CRect rect(0, 0, kClientWidth, kClientHeight);
        ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        rect.OffsetRect(kFrameLeft - rect.left, kFrameTop - rect.top);
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect));
        CRect rectClient, rectWindow;
        m_pFrame->GetClientRect(rectClient);
        m_pFrame->GetWindowRect(rectWindow);
        m_pFrame->SetWindowPos(nullptr, 0, 0,
                               rectWindow.Width() + kClientWidth - rectClient.Width(),
                               rectWindow.Height() + kClientHeight - rectClient.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        // Other test programs share the desktop: the roll-up asks which window is under the
        // cursor, so this frame (and the mini frames it owns) stays above theirs.
        ::SetWindowPos(m_pFrame->GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
        Pump();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }

    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }
    CZAVPDockBar* DockBar(DWORD dwAlignment) { return Manager().FindDockBar(dwAlignment, TRUE); }
    std::unique_ptr<FixedBar> MakeBar(const char* name, UINT nID, DWORD dwExtraStyle = 0)
    {
        auto bar = std::make_unique<FixedBar>(100, 26);
        EXPECT_TRUE(bar->CreateIn(m_pFrame, name, nID));
        bar->SetControlBarStyle(bar->GetControlBarStyle() | dwExtraStyle);
        m_pFrame->DockControlBar(bar.get());
        return bar;
    }
    CRect OnScreen(CRect rect)
    {
        m_pFrame->ClientToScreen(rect);
        return rect;
    }
    int DockBarThickness(DWORD dwAlignment)
    {
        CRect rect;
        DockBar(dwAlignment)->GetWindowRect(rect);
        return (dwAlignment & CBRS_ORIENT_HORZ) ? rect.Height() : rect.Width();
    }
    std::string Dump() { return DockLayout::DumpLayout(Manager().Snapshot()); }

    CWinApp m_app{"MiniFrameTests"};
    RecordingFrame* m_pFrame = nullptr;
};

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    return rect;
}

// The middle of the caption, left of any buttons, on the screen.
CPoint CaptionPoint(CZAVPMiniFrameWnd* pMiniFrame)
{
    CRect rectCaption;
    pMiniFrame->GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(WindowRect(pMiniFrame).TopLeft());
    return CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y);
}

// The cursor at a screen point, then a mouse message to the window (its client coordinates).
void MouseAt(CWnd* pWnd, UINT message, CPoint ptScreen)
{
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    CPoint pt = ptScreen;
    pWnd->ScreenToClient(&pt);
    pWnd->SendMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                      MAKELPARAM((short)pt.x, (short)pt.y));
}

// The size a mini frame takes around a client area, for a frame whose bar is no toolbar.
CSize FrameAround(CSize sizeClient)
{
    const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
    return CSize(sizeClient.cx + 2 * cx,
                 sizeClient.cy + 2 * cy + ::GetSystemMetrics(SM_CYSMCAPTION));
}

CZAVPMiniFrameWnd* FrameOf(CZAVPBaseControlBar* pBar) { return pBar->GetParentMiniFrame(TRUE); }
}  // namespace

TEST_F(MiniFrameTest, FloatingMakesAFrameAroundTheBarAndADoubleClickOnItsCaptionDocksItBack)
{
    auto bar = MakeBar("Панель", 101);
    const std::string docked = Dump();
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));

    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_TRUE(bar->IsFloating());
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), pMiniFrame->GetOwnerFrameWnd());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    EXPECT_EQ(bar.get(), Manager().FindBarByID(101, TRUE));
    EXPECT_EQ(bar.get(), CZAVPMiniFrameWnd::GetBarByID(101));
    EXPECT_EQ(0, DockBarThickness(CBRS_ALIGN_TOP));
    // At the requested corner, its client area the bar's own size (100 × 26), visible, titled.
    const CSize sizeFrame = FrameAround(CSize(100, 26));
    EXPECT_EQ(Text(CRect(CPoint(300, 320), sizeFrame)), Text(WindowRect(pMiniFrame)));
    EXPECT_EQ("0,0,100,26", Text(bar->WindowRectInParent()));
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    CString strTitle;
    pMiniFrame->GetWindowText(strTitle);
    EXPECT_STREQ("Панель", strTitle);
    // The bar cannot be closed: no caption buttons.
    EXPECT_EQ(0, pMiniFrame->GetCaptionButtons().GetCount());

    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    MouseAt(pMiniFrame, WM_LBUTTONDBLCLK, CaptionPoint(pMiniFrame));
    EXPECT_TRUE(bar->IsDocked());
    EXPECT_EQ(docked, Dump());
    // The emptied frame goes once the posted check arrives, and leaves the manager's list.
    EXPECT_TRUE(::IsWindow(hMiniFrame));
    Pump();
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
    EXPECT_EQ(nullptr, CZAVPMiniFrameWnd::GetBarByID(101));
}

TEST_F(MiniFrameTest, TheFramesLayoutRefitsAFloatingBarsFrameToItsNewSize)
{
    auto bar = MakeBar("Панель", 101);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    ASSERT_EQ(Text(CRect(CPoint(300, 320), FrameAround(CSize(100, 26)))),
              Text(WindowRect(pMiniFrame)));

    // The bar's content grew (a toolbar given more buttons): the frame's next layout gives its
    // mini frame the new size, at the same place.
    bar->m_nLength = 160;
    m_pFrame->RecalcLayout();
    EXPECT_EQ(Text(CRect(CPoint(300, 320), FrameAround(CSize(160, 26)))),
              Text(WindowRect(pMiniFrame)));
    EXPECT_EQ("0,0,160,26", Text(bar->WindowRectInParent()));
}

TEST_F(MiniFrameTest, AnEmptiedFrameDecidesOnlyWhenTheCheckArrives)
{
    auto bar = MakeBar("Bar", 101);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();

    // Emptied and filled again before the check: the frame stays.
    pMiniFrame->RemoveControlBar(bar.get());
    EXPECT_TRUE(::IsWindow(hMiniFrame));
    pMiniFrame->AddControlBar(bar.get());
    Pump();
    ASSERT_TRUE(::IsWindow(hMiniFrame));
    EXPECT_TRUE(bar->IsFloating());

    // Hide-when-empty hides it and keeps it.
    pMiniFrame->RemoveControlBar(bar.get(), FALSE, TRUE);
    Pump();
    ASSERT_TRUE(::IsWindow(hMiniFrame));
    EXPECT_FALSE(::IsWindowVisible(hMiniFrame));

    // Otherwise it destroys itself (the bar was taken out of it first).
    bar->SetParent(m_pFrame);
    pMiniFrame->RemoveControlBar(bar.get());
    EXPECT_TRUE(::IsWindow(hMiniFrame));
    Pump();
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    EXPECT_TRUE(::IsWindow(bar->GetSafeHwnd()));
}

TEST_F(MiniFrameTest, ADestroyedBarTakesItsFrameWithItAfterTheCheck)
{
    auto bar = MakeBar("Bar", 101);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    const HWND hMiniFrame = FrameOf(bar.get())->GetSafeHwnd();
    bar->DestroyWindow();
    EXPECT_TRUE(::IsWindow(hMiniFrame));
    Pump();
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
}

TEST_F(MiniFrameTest, ImmediateDragFloatsTheBarTheFrameFollowsAndDocksOverADockBar)
{
    auto bar = MakeBar("Bar", 101);
    bar->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    // Taken at (10, 10) and pulled 140 px down, far past the top dock bar: it floats.
    MouseAt(bar.get(), WM_LBUTTONDOWN, OnScreen(CRect(10, 10, 10, 10)).TopLeft());
    MouseAt(bar.get(), WM_MOUSEMOVE, OnScreen(CRect(10, 150, 10, 150)).TopLeft());
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame) << Dump();
    EXPECT_TRUE(pMiniFrame->IsMoving());
    EXPECT_EQ(pMiniFrame->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ(0, DockBarThickness(CBRS_ALIGN_TOP));
    // The cursor is over the caption.
    CRect rectCaption;
    pMiniFrame->GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(WindowRect(pMiniFrame).TopLeft());
    EXPECT_TRUE(rectCaption.PtInRect(OnScreen(CRect(10, 150, 10, 150)).TopLeft()));

    // The first move after floating only clears the skip; then the frame follows the cursor.
    const CRect rectBefore = WindowRect(pMiniFrame);
    MouseAt(pMiniFrame, WM_MOUSEMOVE, OnScreen(CRect(10, 150, 10, 150)).TopLeft());
    MouseAt(pMiniFrame, WM_MOUSEMOVE, OnScreen(CRect(60, 200, 60, 200)).TopLeft());
    CRect rectMoved = rectBefore;
    rectMoved.OffsetRect(50, 50);
    EXPECT_EQ(Text(rectMoved), Text(WindowRect(pMiniFrame)));

    // Back over the top edge: the bar docks and goes on being dragged as a docked bar.
    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    MouseAt(pMiniFrame, WM_MOUSEMOVE, OnScreen(CRect(60, 5, 60, 5)).TopLeft());
    EXPECT_TRUE(bar->IsDocked());
    EXPECT_EQ(26, DockBarThickness(CBRS_ALIGN_TOP)) << Dump();
    EXPECT_TRUE(bar->IsCapturing());
    MouseAt(bar.get(), WM_LBUTTONUP, OnScreen(CRect(60, 5, 60, 5)).TopLeft());
    EXPECT_FALSE(bar->IsCapturing());
    Pump();
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

TEST_F(MiniFrameTest, HeldCtrlKeepsAnImmediateMoveFloatingUntilItsReleaseIsNoticed)
{
    auto bar = MakeBar("Bar", 101);
    bar->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    ASSERT_TRUE(bar->FloatControlBar(OnScreen(CRect(200, 150, 300, 176)), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, CaptionPoint(pMiniFrame));
    ASSERT_TRUE(pMiniFrame->IsMoving());
    {
        CtrlDown ctrl;
        MouseAt(pMiniFrame, WM_MOUSEMOVE, OnScreen(CRect(250, 5, 250, 5)).TopLeft());
        EXPECT_TRUE(bar->IsFloating());
        EXPECT_TRUE(pMiniFrame->IsDockTimerRunning());
        Pump(150);
        EXPECT_TRUE(bar->IsFloating());
    }
    // Ctrl released without a mouse move: the dock timer's check docks the bar.
    Pump(250);
    EXPECT_TRUE(bar->IsDocked()) << Dump();
    EXPECT_EQ(26, DockBarThickness(CBRS_ALIGN_TOP));
    if (bar->IsCapturing())
        MouseAt(bar.get(), WM_LBUTTONUP, OnScreen(CRect(250, 5, 250, 5)).TopLeft());
}

TEST_F(MiniFrameTest, EscDuringAnImmediateMovePutsTheBarBackWhereItWasDocked)
{
    auto first = MakeBar("First", 101);
    auto second = std::make_unique<FixedBar>(100, 26);
    ASSERT_TRUE(second->CreateIn(m_pFrame, "Second", 102));
    m_pFrame->DockControlBar(second.get(), 0xE81B, OnScreen(CRect(200, 0, 300, 26)));
    first->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    const std::string docked = Dump();
    MouseAt(first.get(), WM_LBUTTONDOWN, OnScreen(CRect(10, 10, 10, 10)).TopLeft());
    MouseAt(first.get(), WM_MOUSEMOVE, OnScreen(CRect(10, 200, 10, 200)).TopLeft());
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(first.get());
    ASSERT_NE(nullptr, pMiniFrame);
    pMiniFrame->SendMessage(WM_CHAR, VK_ESCAPE, 0);
    EXPECT_TRUE(first->IsDocked());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(docked, Dump());
    Pump();
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
}

TEST_F(MiniFrameTest, OutlineMoveDocksOnReleaseOverADockBarUnlessCtrlIsHeld)
{
    auto bar = MakeBar("Bar", 101);
    ASSERT_TRUE(bar->FloatControlBar(OnScreen(CRect(200, 150, 300, 176)), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);

    // A cancelled move moves nothing.
    const CRect rectStart = WindowRect(pMiniFrame);
    CPoint pt = CaptionPoint(pMiniFrame);
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, pt);
    MouseAt(pMiniFrame, WM_MOUSEMOVE, pt + CPoint(40, 30));
    EXPECT_EQ(Text(rectStart), Text(WindowRect(pMiniFrame)));
    pMiniFrame->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(pMiniFrame->IsMoving());
    EXPECT_EQ(Text(rectStart), Text(WindowRect(pMiniFrame)));

    // Released elsewhere: the frame goes where the outline was.
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, pt);
    MouseAt(pMiniFrame, WM_MOUSEMOVE, pt + CPoint(40, 30));
    MouseAt(pMiniFrame, WM_LBUTTONUP, pt + CPoint(40, 30));
    CRect rectMoved = rectStart;
    rectMoved.OffsetRect(40, 30);
    EXPECT_EQ(Text(rectMoved), Text(WindowRect(pMiniFrame)));

    // Over the bottom edge with Ctrl held: it only moves.
    const CPoint ptBottom =
        OnScreen(CRect(250, kClientHeight - 3, 250, kClientHeight - 3)).TopLeft();
    pt = CaptionPoint(pMiniFrame);
    {
        CtrlDown ctrl;
        MouseAt(pMiniFrame, WM_LBUTTONDOWN, pt);
        MouseAt(pMiniFrame, WM_MOUSEMOVE, ptBottom);
        MouseAt(pMiniFrame, WM_LBUTTONUP, ptBottom);
    }
    EXPECT_TRUE(bar->IsFloating());
    rectMoved.OffsetRect(ptBottom - pt);
    EXPECT_EQ(Text(rectMoved), Text(WindowRect(pMiniFrame)));

    // Without Ctrl the bar docks at the bottom.
    pt = CaptionPoint(pMiniFrame);
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, pt);
    MouseAt(pMiniFrame, WM_MOUSEMOVE, pt + CPoint(5, 0));
    MouseAt(pMiniFrame, WM_LBUTTONUP, pt + CPoint(5, 0));
    EXPECT_TRUE(bar->IsDocked());
    EXPECT_EQ(DockBar(CBRS_ALIGN_BOTTOM), bar->GetParentDockBar()) << Dump();
    EXPECT_EQ(26, DockBarThickness(CBRS_ALIGN_BOTTOM));
    Pump();
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
}

TEST_F(MiniFrameTest, TheFrameRollsUpWhileTheCursorIsAwayUnlessPinned)
{
    auto bar = MakeBar("Bar", 101, ZAVP_CBRS_AUTO_ROLLUP);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    // Rolling frames get the pin button and the timer.
    EXPECT_TRUE(pMiniFrame->IsRollUpTimerRunning());
    EXPECT_NE(0u, pMiniFrame->GetCaptionButtonFlags() & 0x01);
    ASSERT_NE(nullptr, pMiniFrame->FindCaptionButton(9));
    const CRect rectOpen = WindowRect(pMiniFrame);
    EXPECT_NE(0, pMiniFrame->GetExStyle() & WS_EX_TOPMOST) << "not above other programs' windows";

    // Away for longer than a tick: only the caption and the borders stay.
    ::SetCursorPos(kFarAway.x, kFarAway.y);
    ASSERT_TRUE(PumpUntil([&] { return pMiniFrame->IsRolledUp() != FALSE; }));
    const int nRolled = FrameAround(CSize(0, 0)).cy;
    EXPECT_EQ(nRolled, WindowRect(pMiniFrame).Height());
    EXPECT_TRUE(bar->IsFloating());

    // Back over it: the old height returns.
    const CPoint ptCaption = CaptionPoint(pMiniFrame);
    ::SetCursorPos(ptCaption.x, ptCaption.y);
    EXPECT_TRUE(PumpUntil([&] { return !pMiniFrame->IsRolledUp(); }));
    EXPECT_EQ(Text(rectOpen), Text(WindowRect(pMiniFrame)));

    // A click on the pin button pins it: it stays open while the cursor is away.
    CZAVPTitleButton* pPin = pMiniFrame->FindCaptionButton(9);
    const CPoint ptPin = WindowRect(pMiniFrame).TopLeft() + pPin->GetRect().CenterPoint();
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, ptPin);
    MouseAt(pMiniFrame, WM_LBUTTONUP, ptPin);
    EXPECT_TRUE(pMiniFrame->GetPinState());
    ::SetCursorPos(kFarAway.x, kFarAway.y);
    Pump(400);
    EXPECT_FALSE(pMiniFrame->IsRolledUp());
    EXPECT_EQ(Text(rectOpen), Text(WindowRect(pMiniFrame)));
}

TEST_F(MiniFrameTest, CaptionHitTestAndContextMenu)
{
    auto bar = MakeBar("Bar", 101, ZAVP_CBRS_CLOSE);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    CZAVPTitleButton* pClose = pMiniFrame->FindCaptionButton(20);
    ASSERT_NE(nullptr, pClose);
    const CRect rect = WindowRect(pMiniFrame);
    const int nCornerX = ::GetSystemMetrics(SM_CXCURSOR) / 2;
    struct Case
    {
        CPoint pt;
        LRESULT expected;
    } cases[] = {
        {CaptionPoint(pMiniFrame), HTCLIENT},  // the caption drags like the client area
        {rect.TopLeft() + pClose->GetRect().CenterPoint(), 20},
        {rect.TopLeft() + CPoint(1, 1), HTTOPLEFT},
        {CPoint(rect.left + nCornerX + 1, rect.top + 1), HTTOP},
        // The corners are tried after the side strips that cross them (top-left first).
        {CPoint(rect.right - nCornerX + 2, rect.bottom - 1), HTBOTTOMRIGHT},
        {CPoint(rect.right - 1, rect.bottom - 1), HTRIGHT},
        {CPoint(rect.left + 1, rect.CenterPoint().y), HTLEFT},
        {CPoint(rect.right + 5, rect.top), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, pMiniFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)))
            << c.pt.x << "," << c.pt.y;

    // The close button's tooltip (tool 1: the first button).
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = pMiniFrame->GetSafeHwnd();
    info.hdr.idFrom = 1;
    info.hdr.code = TTN_NEEDTEXTA;
    pMiniFrame->SendMessage(WM_NOTIFY, 1, (LPARAM)&info);
    ASSERT_NE(nullptr, info.lpszText);
    wchar_t szTip[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, info.lpszText, -1, szTip, 64);
    EXPECT_STREQ(L"Закрыть", szTip);

    // A right click on the caption goes to the owner frame as the toolbar context menu.
    const UINT nPopupMenu = ZAVPRegisteredMessages::Register("ZAVTOOLBAR_POPUPMENU");
    m_pFrame->m_messages.clear();
    const CPoint ptCaption = CaptionPoint(pMiniFrame);
    pMiniFrame->SendMessage(WM_CONTEXTMENU, (WPARAM)pMiniFrame->GetSafeHwnd(),
                            MAKELPARAM(ptCaption.x, ptCaption.y));
    ASSERT_EQ(1u, m_pFrame->m_messages.size());
    EXPECT_EQ(nPopupMenu, m_pFrame->m_messages[0].message);
    EXPECT_EQ((WPARAM)pMiniFrame->GetSafeHwnd(), m_pFrame->m_messages[0].wParam);

    // The close button hides the frame and the bar; nothing is destroyed.
    const CPoint ptClose = rect.TopLeft() + pClose->GetRect().CenterPoint();
    MouseAt(pMiniFrame, WM_LBUTTONDOWN, ptClose);
    MouseAt(pMiniFrame, WM_LBUTTONUP, ptClose);
    Pump();
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    EXPECT_FALSE(bar->IsWindowVisible());
    EXPECT_TRUE(bar->IsFloating());
}

TEST_F(MiniFrameTest, AFloatingToolbarHasThinBordersACloseButtonAndEdgesOnly)
{
    CZAVPToolBar toolbar;
    ASSERT_TRUE(toolbar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800));
    ASSERT_TRUE(toolbar.LoadToolBar(IDR_MAINFRAME));
    toolbar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&toolbar);
    ASSERT_TRUE(toolbar.FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(&toolbar);
    ASSERT_NE(nullptr, pMiniFrame);

    // Three pixels of border on every side around the toolbar's own layout.
    const CSize sizeBar = toolbar.CalcFixedLayout(FALSE, TRUE);
    const CRect rect = WindowRect(pMiniFrame);
    EXPECT_EQ(sizeBar.cx + 6, rect.Width());
    EXPECT_EQ(sizeBar.cy + 6 + ::GetSystemMetrics(SM_CYSMCAPTION), rect.Height());
    EXPECT_NE(nullptr, pMiniFrame->FindCaptionButton(20));
    // The corner of a toolbar's frame is its top edge: no corner sizing.
    EXPECT_EQ(HTTOP,
              pMiniFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.left + 1, rect.top + 1)));
    EXPECT_EQ(HTBOTTOM, pMiniFrame->SendMessage(WM_NCHITTEST, 0,
                                                MAKELPARAM(rect.right - 1, rect.bottom - 1)));

    // Deactivating the application hides a floating toolbar; activating shows it again.
    Manager().OnActivateFrame(FALSE);
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    Manager().OnActivateFrame(TRUE);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    toolbar.DestroyWindow();
    Pump();
}

TEST_F(MiniFrameTest, ResizingAFloatingToolbarSnapsToItsLayouts)
{
    CZAVPToolBar toolbar;
    ASSERT_TRUE(
        toolbar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0xE800));
    ASSERT_TRUE(toolbar.LoadToolBar(IDR_MAINFRAME));
    toolbar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&toolbar);
    ASSERT_TRUE(toolbar.FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(&toolbar);
    ASSERT_NE(nullptr, pMiniFrame);
    const CRect rectWide = WindowRect(pMiniFrame);
    const int nButton = toolbar.GetButtonSize().cx;

    // The right edge pulled in to about one button: the buttons wrap into a column, the left and
    // top edges stay and the frame is no wider than a button and its borders.
    CRect rect = rectWide;
    rect.right = rect.left + nButton + 6 + 2;
    pMiniFrame->SendMessage(WM_SIZING, WMSZ_RIGHT, (LPARAM)&rect);
    EXPECT_EQ(rectWide.left, rect.left);
    EXPECT_EQ(rectWide.top, rect.top);
    EXPECT_LT(rect.Width(), rectWide.Width() / 2);
    EXPECT_GT(rect.Height(), 2 * rectWide.Height());

    // A corner drag changes nothing of the toolbar's own.
    CRect rectCorner(rectWide.left, rectWide.top, rectWide.right + 50, rectWide.bottom + 50);
    const CRect rectAsked = rectCorner;
    pMiniFrame->SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&rectCorner);
    EXPECT_EQ(Text(rectAsked), Text(rectCorner));
    toolbar.DestroyWindow();
    Pump();
}

namespace
{
// Moves the cursor and releases the button from inside a local drag loop.
struct TearOffScript
{
    static HWND s_hBar;
    static CPoint s_pt;
    static VOID CALLBACK Tick(HWND, UINT, UINT_PTR nID, DWORD)
    {
        ::KillTimer(nullptr, nID);
        ::SetCursorPos(s_pt.x, s_pt.y);
        ::PostMessageA(s_hBar, WM_MOUSEMOVE, 0, 0);
        ::PostMessageA(s_hBar, WM_LBUTTONUP, 0, 0);
    }
};
HWND TearOffScript::s_hBar = nullptr;
CPoint TearOffScript::s_pt;
}  // namespace

TEST_F(MiniFrameTest, TearOffDragFollowsTheMouseUntilReleaseAndEscDeletesTheNewBar)
{
    // A bar that has just been torn off floats in its own frame; its drag runs a local loop.
    auto makeTornOff = [this](UINT nID) {
        FixedBar* pBar = new FixedBar(100, 26);
        EXPECT_TRUE(pBar->CreateIn(m_pFrame, "Torn", nID));
        m_pFrame->DockControlBar(pBar);
        EXPECT_TRUE(pBar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
        return pBar;
    };
    FixedBar* pKept = makeTornOff(301);
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(pKept);
    ASSERT_NE(nullptr, pMiniFrame);
    const CRect rectStart = WindowRect(pMiniFrame);
    // The drag puts the cursor 5 pixels below the middle of the top edge; a timer inside its loop
    // then moves the cursor by (30, 20) and releases the button.
    TearOffScript::s_hBar = pKept->GetSafeHwnd();
    TearOffScript::s_pt = CPoint(rectStart.left + rectStart.Width() / 2 + 30, rectStart.top + 25);
    ::SetTimer(nullptr, 0, 10, &TearOffScript::Tick);
    EXPECT_TRUE(pMiniFrame->TearOffDrag(nullptr));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(pKept->IsFloating());
    CRect rectMoved = rectStart;
    rectMoved.OffsetRect(30, 20);
    EXPECT_EQ(Text(rectMoved), Text(WindowRect(pMiniFrame)));

    FixedBar* pCancelled = makeTornOff(302);
    CZAVPMiniFrameWnd* pOther = FrameOf(pCancelled);
    ASSERT_NE(nullptr, pOther);
    const HWND hBar = pCancelled->GetSafeHwnd();
    const HWND hOther = pOther->GetSafeHwnd();
    ::PostMessageA(hBar, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(pOther->TearOffDrag(nullptr));
    EXPECT_FALSE(::IsWindow(hBar));
    Pump();
    EXPECT_FALSE(::IsWindow(hOther));
    EXPECT_EQ(nullptr, Manager().FindBarByID(302, TRUE));
    pKept->DestroyWindow();
    delete pKept;
    Pump();
}

TEST_F(MiniFrameTest, FloatStatusAndMovesOffTheScreen)
{
    auto bar = MakeBar("Bar", 101);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    // The owner frame's floating-window protocol: hide, show, and "do you follow my caption?".
    EXPECT_NE(0u, pMiniFrame->GetStyle() & MFS_SYNCACTIVE);
    pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_NE(0, pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));

    // Moved far off the work area, it stays within reach by at least a caption's height.
    pMiniFrame->SetWindowPos(nullptr, -5000, -5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rectCommon;
    EXPECT_TRUE(rectCommon.IntersectRect(WindowRect(pMiniFrame), &rectWork))
        << Text(WindowRect(pMiniFrame));
}

// ---- the stored layout

namespace
{
std::vector<BYTE> ReadLayout()
{
    std::vector<BYTE> bytes(4096);
    DWORD dwType = 0, cb = (DWORD)bytes.size();
    if (SHGetValueA(HKEY_CURRENT_USER, kLayoutKey, "DockingCBAndSliders", &dwType, bytes.data(),
                    &cb) != ERROR_SUCCESS)
        return {};
    bytes.resize(cb);
    return bytes;
}

void WriteLayout(const std::vector<BYTE>& bytes)
{
    SHSetValueA(HKEY_CURRENT_USER, kLayoutKey, "DockingCBAndSliders", REG_BINARY, bytes.data(),
                (DWORD)bytes.size());
}

// The offset of the first 32-bit little-endian value equal to v, or -1.
int Find(const std::vector<BYTE>& bytes, DWORD v)
{
    for (size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (::memcmp(&bytes[i], &v, 4) == 0) return (int)i;
    return -1;
}

void Put(std::vector<BYTE>& bytes, int nOffset, DWORD v) { ::memcpy(&bytes[nOffset], &v, 4); }
}  // namespace

TEST_F(MiniFrameTest, TheFrameRecordComesBackThroughTheRegistryRolledUpFramesAtFullHeight)
{
    auto bar = MakeBar("Bar", 101, ZAVP_CBRS_AUTO_ROLLUP);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    const CRect rectOpen = WindowRect(pMiniFrame);
    ::SetCursorPos(kFarAway.x, kFarAway.y);
    ASSERT_TRUE(PumpUntil([&] { return pMiniFrame->IsRolledUp() != FALSE; }));
    pMiniFrame->SetPinState(TRUE);
    ASSERT_TRUE(Manager().SaveState(kProfile, 0));

    // The bar goes home, its frame with it; the stored layout floats it again.
    ASSERT_TRUE(bar->DockToRecentPos());
    Pump();
    ASSERT_EQ(0, Manager().GetMiniFrames().GetCount());
    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    EXPECT_EQ(1, Manager().GetLoadedMiniFrames().GetCount());
    Manager().SetDockState();
    Pump();
    pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame) << Dump();
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(bar->IsFloating());
    EXPECT_EQ(Text(rectOpen), Text(WindowRect(pMiniFrame)));
    EXPECT_TRUE(pMiniFrame->GetPinState());
    EXPECT_NE(0u, pMiniFrame->GetCaptionButtonFlags() & 0x01);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_EQ(0, DockBarThickness(CBRS_ALIGN_TOP));
}

TEST_F(MiniFrameTest, StoredFramesAreCheckedTheStyleMaskedAMissingBarDropsTheFrame)
{
    auto bar = MakeBar("Bar", 101);
    ASSERT_TRUE(bar->FloatControlBar(CRect(300, 320, 400, 346), ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    const DWORD dwStyle = pMiniFrame->GetStyle();
    ASSERT_TRUE(Manager().SaveState(kProfile, 0));
    const std::vector<BYTE> saved = ReadLayout();
    const int nStyleAt = Find(saved, dwStyle);
    const int nIdAt = Find(saved, 101);
    ASSERT_GT(nStyleAt, 0);
    ASSERT_GT(nIdAt, nStyleAt);
    ASSERT_TRUE(bar->DockToRecentPos());
    Pump();

    // A stored style with child, disabled and maximised bits: the frame takes none of them.
    std::vector<BYTE> hostile = saved;
    Put(hostile, nStyleAt, dwStyle | WS_CHILD | WS_DISABLED | WS_MAXIMIZE);
    WriteLayout(hostile);
    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    Manager().SetDockState();
    Pump();
    pMiniFrame = FrameOf(bar.get());
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_EQ(0u, pMiniFrame->GetStyle() & (WS_CHILD | WS_DISABLED | WS_MAXIMIZE));
    EXPECT_TRUE(pMiniFrame->IsWindowEnabled());
    ASSERT_TRUE(bar->DockToRecentPos());
    Pump();

    // A record naming a bar the frame does not have: the frame is dropped, the bar stays docked.
    std::vector<BYTE> missing = saved;
    Put(missing, nIdAt, 999);
    WriteLayout(missing);
    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    ASSERT_EQ(1, Manager().GetLoadedMiniFrames().GetCount());
    const HWND hStaged =
        static_cast<CWnd*>(Manager().GetLoadedMiniFrames().GetHead())->GetSafeHwnd();
    Manager().SetDockState();
    // It gives up only once the manager has finished with its lists.
    EXPECT_TRUE(::IsWindow(hStaged));
    Pump();
    EXPECT_FALSE(::IsWindow(hStaged));
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(bar->IsDocked());

    // Cut short at every length: refused, nothing staged is left behind and nothing floats.
    const int nFramesBefore = (int)ZAVPSharedBarData::AllMiniFrames().GetCount();
    for (size_t n = 0; n < saved.size(); ++n) {
        WriteLayout(std::vector<BYTE>(saved.begin(), saved.begin() + n));
        EXPECT_FALSE(Manager().LoadState(kProfile, 0)) << n;
        Pump();
        EXPECT_EQ(nFramesBefore, (int)ZAVPSharedBarData::AllMiniFrames().GetCount()) << n;
    }
    EXPECT_EQ(0, Manager().GetLoadedMiniFrames().GetCount());
    EXPECT_TRUE(bar->IsDocked());
}

namespace
{
// A bar built from one of the library's dialog templates (the standard colour page), noting each
// exchange of its values with its controls.
class TemplateBar : public FixedBar
{
public:
    TemplateBar() : FixedBar(100, 26) { m_uiDlgTemplateId = IDD_ZAVP_COLOR_PAGE_STANDARD; }
    void DoDataExchange(CDataExchange* pDX) override
    {
        m_exchanges.push_back(pDX->m_bSaveAndValidate);
    }
    std::vector<BOOL> m_exchanges;
};
}  // namespace

TEST_F(MiniFrameTest, ADialogTemplateBarIsAChildDialogOfTheTemplatesSize)
{
    TemplateBar bar;
    ASSERT_TRUE(bar.CreateIn(m_pFrame, "Template", 130));
    // The template's controls are the bar's, the bar keeps its own id and window style (the
    // template's caption and disabled state are not the bar's).
    EXPECT_NE(nullptr, ::GetDlgItem(bar.GetSafeHwnd(), IDC_ZAVP_COLOR_HEXAGONS));
    EXPECT_EQ(130, bar.GetDlgCtrlID());
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetParent(bar.GetSafeHwnd()));
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE),
              bar.GetStyle() & (WS_CHILD | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_DISABLED));
    // Its size is the template's 170 x 150 dialog units in the template's font.
    CRect rectUnits(0, 0, 170, 150);
    ::MapDialogRect(bar.GetSafeHwnd(), rectUnits);
    EXPECT_EQ(Text(rectUnits), Text(CRect(CPoint(0, 0), bar.GetTemplateSize())));
    EXPECT_EQ(Text(rectUnits), Text(CRect(CPoint(0, 0), WindowRect(&bar).Size())));
    // Initialised as a dialog: its values went to its controls once.
    EXPECT_EQ(std::vector<BOOL>{FALSE}, bar.m_exchanges);
    EXPECT_EQ((ULONG_PTR)::GetSysColorBrush(COLOR_BTNFACE),
              (ULONG_PTR)::GetClassLongPtrA(bar.GetSafeHwnd(), GCLP_HBRBACKGROUND));
    bar.DestroyWindow();
}

TEST_F(MiniFrameTest, TabInABarMovesTheFocusToItsNextControlAsInADialog)
{
    TemplateBar bar;
    ASSERT_TRUE(bar.CreateIn(m_pFrame, "Template", 130));
    const HWND hHexagons = ::GetDlgItem(bar.GetSafeHwnd(), IDC_ZAVP_COLOR_HEXAGONS);
    const HWND hGreys = ::GetDlgItem(bar.GetSafeHwnd(), IDC_ZAVP_COLOR_GREYS);
    ASSERT_TRUE(hHexagons != nullptr && hGreys != nullptr);
    ::SetFocus(hHexagons);
    if (::GetFocus() != hHexagons) GTEST_SKIP() << "the test frame cannot take the focus here";

    // Tab to the first control, seen by the bar on its way: the bar takes it, the next one gets
    // the focus.
    MSG tab = {};
    tab.hwnd = hHexagons, tab.message = WM_KEYDOWN, tab.wParam = VK_TAB;
    EXPECT_TRUE(bar.PreTranslateMessage(&tab));
    EXPECT_EQ(hGreys, ::GetFocus());
    // Anything but input goes on untouched.
    MSG timer = {};
    timer.hwnd = hGreys, timer.message = WM_TIMER, timer.wParam = 1;
    EXPECT_FALSE(bar.PreTranslateMessage(&timer));
    EXPECT_EQ(hGreys, ::GetFocus());
    bar.DestroyWindow();
}
