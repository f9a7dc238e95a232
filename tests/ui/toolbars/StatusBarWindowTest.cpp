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
    IndicatorFrame m_frame;
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
