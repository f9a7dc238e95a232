// The toolbar's window messages beyond clicks: the borders and the gripper outside the client
// area and how they are painted and pointed at, the focus given back, context-help hit tests,
// hosted controls' commands, and the customisation selection of a bar that is hidden.
#include <gtest/gtest.h>

#include <vector>

#include "../docking/RectText.h"
#include "framework/AfxMsgMap.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace
{
const UINT kBarId = 0xE800;
const UINT kLeftDockBarId = 0xE81C;  // AFX_IDW_DOCKBAR_LEFT
const int kGripper = 7;
// Each side of a docked toolbar: its one-pixel border and the border line of a docked bar.
const int kBorder = 2;
const UINT kHostedCommand = 40100;

// The look that keeps where it was asked to draw grippers (window coordinates of the bar).
class GripperRecorder : public CZAVPVisualManager
{
public:
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                          CZAVPBaseControlBar* pBar) override
    {
        m_grippers.push_back(rectGripper);
        m_horizontal.push_back(bHorz != FALSE);
        CZAVPVisualManager::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
    }
    std::vector<CRect> m_grippers;
    std::vector<bool> m_horizontal;
};

// A frame that keeps the WM_COMMAND messages it receives.
class CommandFrame : public CZAVPFrameWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_commands;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) {
            m_commands.push_back({wParam, lParam});
            return 0;
        }
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// A button hosting an edit control; it passes the control's notifications on or keeps them.
class HostedEditButton : public CZAVPToolbarButton
{
public:
    HostedEditButton(HWND hwndEdit, BOOL bPassOn)
        : CZAVPToolbarButton(kHostedCommand, -1), m_hwndEdit(hwndEdit), m_bPassOn(bPassOn)
    {
    }
    HWND GetHwnd() override { return m_hwndEdit; }
    BOOL NotifyCommand(int iNotifyCode) override
    {
        m_codes.push_back(iNotifyCode);
        return m_bPassOn;
    }
    HWND m_hwndEdit;
    BOOL m_bPassOn;
    std::vector<int> m_codes;
};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

class ToolBarMessagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kBarId));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_MAINFRAME));
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame.DockControlBar(&m_bar);
        m_bar.AdjustLayout();
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_frame.DestroyWindow();
    }

    // The client area's offset from the window's top-left corner.
    CPoint ClientOffset()
    {
        CRect rectWindow, rectClient;
        m_bar.GetWindowRect(rectWindow);
        m_bar.GetClientRect(rectClient);
        m_bar.ClientToScreen(rectClient);
        return CPoint(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top);
    }

    int HostedCommands() const
    {
        int n = 0;
        for (const auto& command : m_frame.m_commands)
            if (LOWORD(command.first) == kHostedCommand) ++n;
        return n;
    }

    CZAVPToolBar m_bar;
    // A frame deletes itself when its window goes, so it lives on the heap.
    CommandFrame& m_frame = *new CommandFrame;
};
}  // namespace

TEST_F(ToolBarMessagesTest, BordersAndGripperLieOutsideTheClientArea)
{
    // Docked at the top: the gripper stands left of the buttons, which start at the client
    // origin.
    EXPECT_EQ(CPoint(kBorder + kGripper, kBorder), ClientOffset());
    CRect rectWindow, rectClient, rectFirst;
    m_bar.GetWindowRect(rectWindow);
    m_bar.GetClientRect(rectClient);
    EXPECT_EQ(22 + 2 * kBorder, rectWindow.Height());
    EXPECT_EQ(rectWindow.Width() - 2 * kBorder - kGripper, rectClient.Width());
    m_bar.GetItemRect(0, rectFirst);
    EXPECT_EQ(Text(R(0, 0, 23, 22)), Text(rectFirst));

    // Docked at the left: the gripper goes across the top.
    m_frame.DockControlBar(&m_bar, kLeftDockBarId);
    m_bar.AdjustLayout();
    ASSERT_FALSE(m_bar.IsHorizontal());
    EXPECT_EQ(CPoint(kBorder, kBorder + kGripper), ClientOffset());
    m_bar.GetItemRect(0, rectFirst);
    EXPECT_EQ(CPoint(0, 0), rectFirst.TopLeft());
    // The buttons run down the bar, one under the other, all inside it.
    CRect rectSecond, rectLast;
    m_bar.GetItemRect(1, rectSecond);
    EXPECT_EQ(CPoint(0, rectFirst.bottom), rectSecond.TopLeft());
    m_bar.GetClientRect(rectClient);
    m_bar.GetItemRect(m_bar.GetCount() - 1, rectLast);
    EXPECT_LE(rectLast.right, rectClient.right);
    EXPECT_LE(rectLast.bottom, rectClient.bottom);
}

TEST_F(ToolBarMessagesTest, NonClientPaintDrawsTheGripperBesideTheButtons)
{
    CZAVPVisualManager::GetInstance();  // whatever look is current goes
    CZAVPVisualManager::DestroyInstance();
    GripperRecorder look;
    ASSERT_EQ(&look, CZAVPVisualManager::GetInstance());
    m_bar.SendMessage(WM_NCPAINT, 1, 0);
    ASSERT_EQ(1u, look.m_grippers.size());
    CRect rectWindow;
    m_bar.GetWindowRect(rectWindow);
    // The strip before the client area, one pixel short of it.
    EXPECT_EQ(Text(R(0, 0, kBorder + kGripper - 1, rectWindow.Height())), Text(look.m_grippers[0]));
    EXPECT_TRUE(look.m_horizontal[0]);
}

TEST_F(ToolBarMessagesTest, TheGripperShowsTheMoveCursor)
{
    const HCURSOR hSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
    CRect rectWindow, rectFirst;
    m_bar.GetWindowRect(rectWindow);
    m_bar.GetItemRect(0, rectFirst);
    m_bar.ClientToScreen(rectFirst);

    const struct
    {
        CPoint point;
        bool bMoveCursor;
    } cases[] = {
        {CPoint(rectWindow.left + 3, rectWindow.top + 10), true},  // on the gripper
        {rectFirst.CenterPoint(), false},                          // on a button
    };
    for (const auto& c : cases) {
        ::SetCursor(nullptr);
        ::SetCursorPos(c.point.x, c.point.y);
        m_bar.SendMessage(WM_SETCURSOR, (WPARAM)m_bar.GetSafeHwnd(),
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(c.bMoveCursor, ::GetCursor() == hSizeAll) << c.point.x;
    }
}

TEST_F(ToolBarMessagesTest, TheFocusGoesBackToTheWindowThatHadIt)
{
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 200, 100, 220),
                              &m_frame, 100));
    CZAVPToolBar other;
    ASSERT_TRUE(other.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kBarId + 1));

    ::SetFocus(edit.GetSafeHwnd());
    ::SetFocus(m_bar.GetSafeHwnd());
    ASSERT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    m_bar.ClearHighlight();
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());

    // Focus coming from another toolbar does not replace the window to go back to; Cancel from
    // a hosted control goes back as well.
    ::SetFocus(edit.GetSafeHwnd());
    ::SetFocus(m_bar.GetSafeHwnd());
    m_bar.SendMessage(WM_SETFOCUS, (WPARAM)other.GetSafeHwnd());
    m_bar.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());

    other.DestroyWindow();
    edit.DestroyWindow();
}

TEST_F(ToolBarMessagesTest, HelpHitTestNamesTheButtonUnderThePointAndLeavesHelpMode)
{
    CRect rectAbout;
    m_bar.GetItemRect(4, rectAbout);
    const CPoint about = rectAbout.CenterPoint();

    CZAVPToolBar::SetHelpMode(TRUE);
    ASSERT_TRUE(CZAVPToolBar::IsHelpMode());
    EXPECT_EQ(-1, m_bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(5000, 5)));  // no button
    EXPECT_TRUE(CZAVPToolBar::IsHelpMode());
    EXPECT_EQ(0x10000 + 57664, m_bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(about.x, about.y)));
    EXPECT_FALSE(CZAVPToolBar::IsHelpMode());
}

TEST_F(ToolBarMessagesTest, AHostedControlsNotificationReachesTheOwnerThroughItsButton)
{
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD, CRect(0, 0, 10, 10), &m_bar, 300));
    HostedEditButton* pButton = new HostedEditButton(edit.GetSafeHwnd(), TRUE);
    ASSERT_GE(m_bar.InsertButton(pButton), 0);
    const HWND hwndEdit = edit.GetSafeHwnd();
    PumpMessages();
    m_frame.m_commands.clear();

    m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(300, EN_CHANGE), (LPARAM)hwndEdit);
    PumpMessages();
    ASSERT_EQ(1u, m_frame.m_commands.size());
    EXPECT_EQ(MAKEWPARAM(kHostedCommand, EN_CHANGE), m_frame.m_commands[0].first);
    EXPECT_EQ((LPARAM)hwndEdit, m_frame.m_commands[0].second);
    EXPECT_EQ(std::vector<int>{EN_CHANGE}, pButton->m_codes);

    // A button that keeps the notification: its command does not reach the frame (the bar may
    // still pass the control's own notification up, as bars do with what they leave).
    pButton->m_bPassOn = FALSE;
    m_frame.m_commands.clear();
    m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(300, EN_CHANGE), (LPARAM)hwndEdit);
    PumpMessages();
    EXPECT_EQ(0, HostedCommands());

    // Return in the control (IDOK without a control) acts for the focused control, kept or not.
    ::SetFocus(hwndEdit);
    m_bar.SendMessage(WM_COMMAND, IDOK, 0);
    PumpMessages();
    EXPECT_EQ(1, HostedCommands());
    EXPECT_EQ(MAKEWPARAM(kHostedCommand, 0), m_frame.m_commands.back().first);
    edit.DestroyWindow();
}

TEST_F(ToolBarMessagesTest, AHiddenBarGivesUpTheCustomisationSelection)
{
    ZAVPSharedBarData::g_bCustomizeMode = TRUE;
    CZAVPToolBar::m_pSelToolbar = &m_bar;
    m_bar.ShowWindow(SW_HIDE);
    EXPECT_EQ(nullptr, CZAVPToolBar::m_pSelToolbar);
    ZAVPSharedBarData::g_bCustomizeMode = FALSE;

    // Outside customisation a hidden bar keeps nothing to give up.
    CZAVPToolBar::m_pSelToolbar = &m_bar;
    m_bar.ShowWindow(SW_SHOW);
    m_bar.ShowWindow(SW_HIDE);
    EXPECT_EQ(&m_bar, CZAVPToolBar::m_pSelToolbar);
    CZAVPToolBar::m_pSelToolbar = nullptr;
}
