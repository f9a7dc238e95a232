// Sub-menus that follow the pointer: opened after the menu show delay, closed a moment after the
// pointer moved to another item or out of the menu, with the mouse-leave tracking of the bar
// running at the same time. The real cursor is moved (the "cursor" lock).
#include <gtest/gtest.h>

#include <vector>

#include "framework/CFrameWnd.h"
#include "ui/menus/SilentMenuSounds.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "tests/support/MessagePump.h"

namespace
{
// Other test programs of the run open their windows near the screen's top-left corner, on the
// same desktop: these windows keep away from there, so the pointer is over this program's menus.
const int kLeft = 420, kTop = 300;
const UINT kOpen = 101, kExit = 102, kOne = 201;
const int kRecent = 2;  // the item that opens a sub-menu

HMENU BuildMenu()
{
    HMENU hRecent = CreatePopupMenu();
    AppendMenuA(hRecent, MF_STRING, kOne, "&One");
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    AppendMenuA(hMenu, MF_STRING, kExit, "E&xit");
    return hMenu;
}

void Pump(DWORD ms) { PumpMessagesFor(ms); }

class PopupMenuHoverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SilenceMenuSounds();
        m_frame.m_bAutoMenuEnable = FALSE;
        // Never shown, so this program is never the active one: other programs of the run taking
        // the focus would close the menus (WM_ACTIVATEAPP) in the middle of a test.
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        m_frame.SetWindowPos(nullptr, kLeft, kTop, 560, 400, SWP_NOZORDER);
        m_pRoot = new CZAVPPopupMenu;
        ASSERT_TRUE(m_pRoot->Create(&m_frame, kLeft + 50, kTop + 60, BuildMenu(), FALSE, TRUE));
        m_pBar = m_pRoot->GetMenuBar();
        m_hwndRoot = m_pRoot->GetSafeHwnd();
        m_nDelay = CZAVPPopupMenuBar::GetMenuShowDelay();
        // The first move after opening is not hot-tracking.
        m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    }
    void TearDown() override
    {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        m_frame.DestroyWindow();
    }
    // Puts the cursor on the item and tells the bar, as the system does.
    void PointAt(int iItem)
    {
        CPoint pt = CRect(m_pRoot->GetMenuItem(iItem)->m_rect).CenterPoint();
        CPoint ptScreen = pt;
        m_pBar->ClientToScreen(&ptScreen);
        SetCursorPos(ptScreen.x, ptScreen.y);
        m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    CZAVPPopupMenu* SubMenu()
    {
        return static_cast<CZAVPToolbarMenuButton*>(m_pRoot->GetMenuItem(kRecent))->m_pPopupMenu;
    }
    // Pumps until the sub-menu is open (or closed), at most the given time; false also when the
    // menu itself went.
    bool WaitFor(bool bOpen, DWORD ms)
    {
        const DWORD end = GetTickCount() + ms;
        while (IsWindow(m_hwndRoot) && (SubMenu() != nullptr) != bOpen && GetTickCount() < end)
            Pump(10);
        return IsWindow(m_hwndRoot) && (SubMenu() != nullptr) == bOpen;
    }

    // A frame deletes itself when its window goes, so it lives on the heap.
    CFrameWnd& m_frame = *new CFrameWnd;
    CZAVPPopupMenu* m_pRoot = nullptr;
    CZAVPPopupMenuBar* m_pBar = nullptr;
    HWND m_hwndRoot = nullptr;
    int m_nDelay = 0;
};
}  // namespace

TEST_F(PopupMenuHoverTest, SubMenuOpensAfterTheDelayAndClosesAfterThePointerMovesOn)
{
    ASSERT_GT(m_nDelay, 0);
    PointAt(kRecent);
    EXPECT_EQ(kRecent, m_pBar->GetHotButton());
    EXPECT_EQ(nullptr, SubMenu());  // not at once
    ASSERT_TRUE(WaitFor(true, m_nDelay + 2000));

    // Crossing a sibling does not close it at once, so the pointer can still go into it.
    PointAt(0);
    EXPECT_NE(nullptr, SubMenu());
    // Back onto its item within the delay: it stays.
    PointAt(kRecent);
    Pump(m_nDelay + 200);
    ASSERT_TRUE(IsWindow(m_hwndRoot));
    EXPECT_NE(nullptr, SubMenu());

    PointAt(0);
    ASSERT_TRUE(WaitFor(false, m_nDelay + 2000));
    EXPECT_EQ(0, m_pBar->GetHotButton());
    EXPECT_EQ(m_pRoot, CZAVPPopupMenu::GetActiveMenu());
}

TEST_F(PopupMenuHoverTest, LeaveTrackingDoesNotStopThePendingCloseNorLeaveAHotItem)
{
    PointAt(kRecent);
    ASSERT_TRUE(WaitFor(true, m_nDelay + 2000));
    PointAt(0);  // the close waits on the bar's timer
    // The pointer leaves the menus altogether: the bar's leave tracking polls meanwhile.
    SetCursorPos(kLeft + 500, kTop + 300);
    ASSERT_TRUE(WaitFor(false, m_nDelay + 2000));
    Pump(300);  // several leave-tracking periods
    ASSERT_TRUE(IsWindow(m_hwndRoot));
    EXPECT_EQ(-1, m_pBar->GetHotButton());
}

// A split button on a toolbar: its body runs the command, its arrow opens the menu below it.
class SplitButtonTest : public ::testing::Test
{
protected:
    class CommandFrame : public CFrameWnd
    {
    public:
        std::vector<UINT> m_commands;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_COMMAND && lParam == 0) m_commands.push_back(LOWORD(wParam));
            return CFrameWnd::WindowProc(message, wParam, lParam);
        }
    };
    void SetUp() override
    {
        SilenceMenuSounds();
        m_frame.m_bAutoMenuEnable = FALSE;
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        m_frame.SetWindowPos(nullptr, kLeft, kTop, 560, 400, SWP_NOZORDER);
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800));
        HMENU hMenu = BuildMenu();
        m_pSplit = new CZAVPToolbarMenuButton(kSplit, hMenu, -1, "Split");
        DestroyMenu(hMenu);
        m_bar.InsertButton(m_pSplit);
        m_bar.SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER);
        m_bar.AdjustLayout();
    }
    void TearDown() override
    {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        m_bar.DestroyWindow();
        m_frame.DestroyWindow();
    }
    void Click(CPoint pt)
    {
        CPoint ptScreen = pt;
        m_bar.ClientToScreen(&ptScreen);
        SetCursorPos(ptScreen.x, ptScreen.y);
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }

    static const UINT kSplit = 500;
    // A frame deletes itself when its window goes, so it lives on the heap.
    CommandFrame& m_frame = *new CommandFrame;
    CZAVPToolBar m_bar;
    CZAVPToolbarMenuButton* m_pSplit = nullptr;
};

TEST_F(SplitButtonTest, TheBodyRunsTheCommandAndTheArrowOpensTheMenuBelow)
{
    const CRect rect = m_pSplit->m_rect;
    ASSERT_TRUE(m_pSplit->m_bDrawDownArrow);
    Click(CPoint(rect.left + 3, rect.CenterPoint().y));
    EXPECT_EQ(nullptr, m_pSplit->m_pPopupMenu);
    EXPECT_EQ(std::vector<UINT>{kSplit}, m_frame.m_commands);

    m_frame.m_commands.clear();
    Click(CPoint(rect.right - 3, rect.CenterPoint().y));
    ASSERT_NE(nullptr, m_pSplit->m_pPopupMenu);
    EXPECT_TRUE(m_frame.m_commands.empty());
    // Below the button, its border over the button's bottom edge.
    CRect rectButton = rect;
    m_bar.ClientToScreen(rectButton);
    CRect rectMenu;
    m_pSplit->m_pPopupMenu->GetWindowRect(rectMenu);
    EXPECT_EQ(CPoint(rectButton.left, rectButton.bottom - 1), rectMenu.TopLeft());

    // A second click on the arrow closes it.
    Click(CPoint(rect.right - 3, rect.CenterPoint().y));
    EXPECT_EQ(nullptr, m_pSplit->m_pPopupMenu);
}

// A menu taller than the screen scrolls on its scroll buttons.
TEST_F(PopupMenuHoverTest, ATallMenuScrollsWhileThePointerRestsOnAScrollButton)
{
    HMENU hTall = CreatePopupMenu();
    for (UINT i = 0; i < 120; ++i) AppendMenuA(hTall, MF_STRING, 1000 + i, "Item");
    CZAVPPopupMenu* pTall = new CZAVPPopupMenu;
    ASSERT_TRUE(pTall->Create(&m_frame, kLeft + 60, 10, hTall, FALSE, TRUE));
    ASSERT_TRUE(pTall->IsScrollable());
    CZAVPPopupMenuBar* pBar = pTall->GetMenuBar();
    EXPECT_EQ(0, pBar->GetOffset());
    CRect rectWindow, rectBar;
    pTall->GetWindowRect(rectWindow);
    pBar->GetWindowRect(rectBar);
    const int nBorder = rectBar.left - rectWindow.left;
    // A scroll-down button under the items, none above them.
    EXPECT_EQ(nBorder, rectBar.top - rectWindow.top);
    EXPECT_GT(rectWindow.bottom - pTall->GetShadowDepth() - rectBar.bottom, nBorder);

    // The pointer on the scroll-down button: the rows move up while it stays.
    const CPoint ptDown(rectBar.CenterPoint().x, rectBar.bottom + 3);
    SetCursorPos(ptDown.x, ptDown.y);
    CPoint ptClient = ptDown;
    pTall->ScreenToClient(&ptClient);
    pTall->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    Pump(400);
    const int nOffset = pBar->GetOffset();
    EXPECT_GT(nOffset, 0);
    pBar->GetWindowRect(rectBar);
    EXPECT_GT(rectBar.top - rectWindow.top, nBorder);  // now a scroll-up button as well

    // Away from it, the scrolling stops.
    SetCursorPos(kLeft + 500, kTop + 300);
    Pump(200);
    const int nStopped = pBar->GetOffset();
    Pump(300);
    EXPECT_EQ(nStopped, pBar->GetOffset());
    pTall->SendMessage(WM_CLOSE);
}
