// Sub-menus that follow the pointer: opened after the menu show delay, closed a moment after the
// pointer moved to another item or out of the menu, with the mouse-leave tracking of the bar
// running at the same time. The real cursor is moved (the "cursor" lock).
#include <gtest/gtest.h>

#include "framework/CFrameWnd.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
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

void Pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(5);
    } while (GetTickCount() < end);
}

class PopupMenuHoverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_frame.m_bAutoMenuEnable = FALSE;
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        m_frame.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOZORDER);
        m_pRoot = new CZAVPPopupMenu;
        ASSERT_TRUE(m_pRoot->Create(&m_frame, 50, 60, BuildMenu(), FALSE, TRUE));
        m_pBar = m_pRoot->GetMenuBar();
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
    // Pumps until the sub-menu is open (or closed), at most the given time.
    bool WaitFor(bool bOpen, DWORD ms)
    {
        const DWORD end = GetTickCount() + ms;
        while ((SubMenu() != nullptr) != bOpen && GetTickCount() < end) Pump(10);
        return (SubMenu() != nullptr) == bOpen;
    }

    CFrameWnd m_frame;
    CZAVPPopupMenu* m_pRoot = nullptr;
    CZAVPPopupMenuBar* m_pBar = nullptr;
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
    SetCursorPos(500, 350);
    ASSERT_TRUE(WaitFor(false, m_nDelay + 2000));
    Pump(300);  // several leave-tracking periods
    EXPECT_EQ(-1, m_pBar->GetHotButton());
    EXPECT_TRUE(IsWindow(m_pRoot->GetSafeHwnd()));
}
