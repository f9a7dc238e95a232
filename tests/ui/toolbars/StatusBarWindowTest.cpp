// The status bar in a library frame: the frame's four panes, the message pane's text through the
// window-text messages, and the indicators' command state.
#include <gtest/gtest.h>

#include "framework/CCmdUI.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPStatusBar.h"

namespace
{
const UINT kIndicators[] = {0, IDS_INDICATOR_CAP, IDS_INDICATOR_NUM, IDS_INDICATOR_SCRL};

// A frame whose handler keeps the caps indicator off and leaves the others to nobody.
class IndicatorFrame : public CZAVPFrameWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID == IDS_INDICATOR_NUM) {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CZAVPFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
};

class StatusBarWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(m_bar.Create(&m_frame));
        ASSERT_TRUE(m_bar.SetIndicators(kIndicators, 4));
        m_bar.SetWindowPos(nullptr, 0, 0, 800, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    int TextWidth(const char* psz)
    {
        HDC hdc = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)m_bar.SendMessage(WM_GETFONT));
        SIZE size = {};
        ::GetTextExtentPoint32A(hdc, psz, lstrlenA(psz), &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(nullptr, hdc);
        return size.cx;
    }

    CZAVPStatusBar m_bar;
    // A frame deletes itself when its window goes, so it lives on the heap.
    IndicatorFrame& m_frame = *new IndicatorFrame;
};
}  // namespace

TEST_F(StatusBarWindowTest, FourPanesWithTheIndicatorTexts)
{
    ASSERT_EQ(4, m_bar.GetCount());
    const CZAVPStatusBarPaneInfo* pMessage = m_bar.GetPanePtr(0);
    EXPECT_EQ((UINT)(SBPS_STRETCH | SBPS_NOBORDERS), pMessage->nStyle);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN) / 4, pMessage->cxText);
    EXPECT_EQ(pMessage, m_bar.GetPanePtr(255));  // 255: the stretching pane
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 1; i < 4; ++i) {
        EXPECT_STREQ(texts[i - 1], m_bar.GetPaneText(i)) << i;
        EXPECT_EQ(TextWidth(texts[i - 1]), m_bar.GetPanePtr(i)->cxText) << i;
        EXPECT_EQ(TextWidth(texts[i - 1]) + 4, m_bar.GetPaneRect(i).Width()) << i;
    }
    // Panes follow each other two pixels apart; the grip ends the bar.
    EXPECT_EQ(m_bar.GetPaneRect(0).right + 2, m_bar.GetPaneRect(1).left);
    EXPECT_EQ(m_bar.GetPaneRect(3).right, m_bar.GetSizeBoxRect().left);
    EXPECT_EQ(nullptr, m_bar.GetPanePtr(4));
}

TEST_F(StatusBarWindowTest, WindowTextIsTheMessagePaneAsThePlatformDefinesIt)
{
    EXPECT_EQ(TRUE, m_bar.SendMessage(WM_SETTEXT, 0, (LPARAM) "Ready"));
    EXPECT_STREQ("Ready", m_bar.GetPaneText(0));
    EXPECT_EQ(5, m_bar.SendMessage(WM_GETTEXTLENGTH));

    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(5, m_bar.SendMessage(WM_GETTEXT, sizeof buffer, (LPARAM)buffer));
    EXPECT_STREQ("Ready", buffer);
    // A buffer as large as the text: the terminator still fits inside it.
    char exact[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(4, m_bar.SendMessage(WM_GETTEXT, sizeof exact, (LPARAM)exact));
    EXPECT_STREQ("Read", exact);
    EXPECT_EQ(0, m_bar.SendMessage(WM_GETTEXT, 0, (LPARAM)buffer));

    EXPECT_EQ(TRUE, m_bar.SendMessage(WM_SETTEXT, 0, (LPARAM) ""));
    EXPECT_STREQ("", m_bar.GetPaneText(0));
    EXPECT_TRUE(m_bar.SetPaneText(0, nullptr));  // no text, none given
    EXPECT_FALSE(m_bar.SetPaneText(9, "x"));
}

TEST_F(StatusBarWindowTest, IdleUpdateDisablesIndicatorsNobodyHandles)
{
    m_bar.OnUpdateCmdUI(&m_frame, TRUE);
    EXPECT_NE(0u, m_bar.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_EQ(0u, m_bar.GetPaneStyle(2) & SBPS_DISABLED);
    EXPECT_NE(0u, m_bar.GetPaneStyle(3) & SBPS_DISABLED);
}

TEST_F(StatusBarWindowTest, APaneWithATooltipIsATool)
{
    EXPECT_TRUE(m_bar.SetTipText(1, "Caps Lock"));
    EXPECT_FALSE(m_bar.SetTipText(7, "nowhere"));
    const CRect rectCaps = m_bar.GetPaneRect(1);

    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ((INT_PTR)IDS_INDICATOR_CAP, m_bar.OnToolHitTest(rectCaps.CenterPoint(), &ti));
    EXPECT_STREQ("Caps Lock", ti.lpszText);
    EXPECT_EQ(rectCaps, CRect(ti.rect));
    EXPECT_EQ(m_bar.GetSafeHwnd(), ti.hwnd);
    free(ti.lpszText);  // the caller's copy

    // Without a tooltip, or off the panes, no tool; an empty text removes the tooltip.
    EXPECT_EQ(-1, m_bar.OnToolHitTest(m_bar.GetPaneRect(2).CenterPoint(), nullptr));
    EXPECT_EQ(-1, m_bar.OnToolHitTest(CPoint(-50, -50), nullptr));
    EXPECT_TRUE(m_bar.SetTipText(1, ""));
    EXPECT_STREQ("", m_bar.GetTipText(1));
    EXPECT_EQ(-1, m_bar.OnToolHitTest(rectCaps.CenterPoint(), nullptr));
}

TEST_F(StatusBarWindowTest, SettingAndGripChangesLayThePanesOutAgain)
{
    // A changed system setting lays out again: a wider indicator takes its room from the
    // stretching message pane.
    const int nCapsWidth = m_bar.GetPaneRect(1).Width();
    m_bar.GetPanePtr(1)->cxText += 10;
    m_bar.SendMessage(WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(nCapsWidth + 10, m_bar.GetPaneRect(1).Width());

    // A frame that cannot be sized gives no grip, until the grip style is added.
    CZAVPFrameWnd& fixed = *new CZAVPFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(fixed.Create(nullptr, "Fixed", WS_OVERLAPPED | WS_CAPTION));
    CZAVPStatusBar bar;
    ASSERT_TRUE(bar.Create(&fixed));
    ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
    bar.SetWindowPos(nullptr, 0, 0, 800, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(bar.GetSizeBoxRect().IsRectEmpty());
    bar.ModifyStyle(0, SBARS_SIZEGRIP);
    EXPECT_FALSE(bar.GetSizeBoxRect().IsRectEmpty());
    EXPECT_EQ(bar.GetPaneRect(3).right, bar.GetSizeBoxRect().left);
    bar.ModifyStyle(SBARS_SIZEGRIP, 0);
    EXPECT_TRUE(bar.GetSizeBoxRect().IsRectEmpty());
    bar.DestroyWindow();
    fixed.DestroyWindow();
}

TEST_F(StatusBarWindowTest, ADoubleClickedPanePostsItsCommandOnlyWhenEnabled)
{
    const CPoint num = m_bar.GetPaneRect(2).CenterPoint();
    for (BOOL bEnabled : {FALSE, TRUE}) {
        m_bar.EnablePaneDoubleClick(bEnabled);
        m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(num.x, num.y));
        MSG msg;
        const BOOL bPosted = ::PeekMessageA(&msg, m_frame.GetSafeHwnd(), WM_COMMAND, WM_COMMAND,
                                            PM_REMOVE);
        EXPECT_EQ(bEnabled, bPosted);
        if (bPosted) {
            EXPECT_EQ((WPARAM)IDS_INDICATOR_NUM, msg.wParam);
        }
    }
}
