// The caption bar as a window under the null driver: its height and layout from its own font,
// painting in every look, the hot and pressed button with the command sent on the press, a
// button without a command that does nothing, and right clicks handed to the owner.
#include <gtest/gtest.h>

#include "framework/CDC.h"
#include "tests/support/MessagePump.h"
#include "tests/ui/panes/PaneTestSupport.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPCaptionBar.h"

using PaneTests::RecordingFrame;

namespace
{
const UINT kBarId = 0xE840;
const UINT kButtonCommand = 40300;

class CaptionBarWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Make(400, 200));
        m_bar.m_strMessage = "Сообщение панели";
        m_bar.m_strBtnText = "Действие";
        m_bar.m_uiBtnID = kButtonCommand;
        m_bar.m_nBtnAlignment = ZAVPCaptionBarLayout::AlignRight;
        ASSERT_TRUE(m_bar.Create(WS_CHILD | WS_VISIBLE, &m_frame, kBarId));
        m_bar.SetOwner(&m_frame);
        m_bar.SetWindowPos(nullptr, 0, 0, 300, m_bar.CalcHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (m_bar.GetSafeHwnd()) m_bar.DestroyWindow();
        if (m_frame.GetSafeHwnd()) m_frame.DestroyWindow();
    }
    void Mouse(UINT message, UINT flags, CPoint pt)
    {
        m_bar.SendMessage(message, flags, MAKELPARAM(pt.x, pt.y));
    }

    RecordingFrame& m_frame = *new RecordingFrame;  // deletes itself with its window
    CZAVPCaptionBar m_bar;
};
}  // namespace

TEST_F(CaptionBarWindow, HeightAndClientAreaFollowTheFont)
{
    TEXTMETRICA tm = {};
    CClientDC dc(&m_bar);
    ::SelectObject(dc.GetSafeHdc(), globalData.fontRegular.GetSafeHandle());
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(4 + 2 * 4 + tm.tmHeight + 2, m_bar.CalcHeight());
    EXPECT_EQ(32767, m_bar.CalcFixedLayout(TRUE, TRUE).cx);

    CRect rectWindow, rectClient;
    m_bar.GetWindowRect(rectWindow);
    m_bar.GetClientRect(rectClient);
    EXPECT_EQ(rectWindow.Height() - 2 * 4, rectClient.Height());  // the two border strips

    // The button at the right edge, the text at the left margin, clipped before the button.
    const CRect button = m_bar.GetButtonRect();
    EXPECT_EQ(rectClient.right, button.right);
    EXPECT_EQ(rectClient.top, button.top);
    EXPECT_EQ(rectClient.bottom, button.bottom);
    EXPECT_EQ(4, m_bar.GetTextRect().left);
    EXPECT_LE(m_bar.GetDrawTextRect().right, button.left - 4);

    // A forced height is taken as it is.
    m_bar.m_nDefaultHeight = 50;
    EXPECT_EQ(50, m_bar.CalcHeight());
}

TEST_F(CaptionBarWindow, ButtonHotOnHoverAndCommandSentOnThePress)
{
    const CPoint inside = m_bar.GetButtonRect().CenterPoint();
    Mouse(WM_MOUSEMOVE, 0, inside);
    EXPECT_TRUE(m_bar.IsButtonHot());
    EXPECT_FALSE(m_bar.IsButtonPressed());

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_TRUE(m_bar.IsButtonPressed());
    ASSERT_EQ(1u, m_frame.m_commands.size());  // before the release
    EXPECT_EQ(kButtonCommand, m_frame.m_commands[0]);

    Mouse(WM_LBUTTONUP, 0, inside);
    EXPECT_FALSE(m_bar.IsButtonPressed());
    EXPECT_EQ(1u, m_frame.m_commands.size());

    // Leaving the bar clears the hot state.
    m_bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(m_bar.IsButtonHot());
    // Away from the button: not hot, and a press sends nothing.
    Mouse(WM_MOUSEMOVE, 0, CPoint(2, 2));
    EXPECT_FALSE(m_bar.IsButtonHot());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(2, 2));
    Mouse(WM_LBUTTONUP, 0, CPoint(2, 2));
    EXPECT_EQ(1u, m_frame.m_commands.size());
}

TEST_F(CaptionBarWindow, ButtonWithoutCommandOrArrowIgnoresTheMouse)
{
    for (int variant = 0; variant < 2; ++variant) {
        m_bar.m_uiBtnID = variant == 0 ? 0 : kButtonCommand;
        m_bar.m_bBtnHasDropDownArrow = variant == 0;
        m_bar.RecalcLayout();
        const CPoint inside = m_bar.GetButtonRect().CenterPoint();
        Mouse(WM_MOUSEMOVE, 0, inside);
        EXPECT_FALSE(m_bar.IsButtonHot()) << variant;
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, inside);
        Mouse(WM_LBUTTONUP, 0, inside);
        EXPECT_TRUE(m_frame.m_commands.empty()) << variant;
    }
}

TEST_F(CaptionBarWindow, EmptyButtonTextMeansNoButton)
{
    m_bar.m_strBtnText.Empty();
    m_bar.RecalcLayout();
    EXPECT_TRUE(m_bar.GetButtonRect().IsRectEmpty());
    CRect rectClient;
    m_bar.GetClientRect(rectClient);
    const CPoint nearRight(rectClient.right - 3, rectClient.CenterPoint().y);
    Mouse(WM_MOUSEMOVE, 0, nearRight);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, nearRight);
    Mouse(WM_LBUTTONUP, 0, nearRight);
    EXPECT_FALSE(m_bar.IsButtonHot());
    EXPECT_TRUE(m_frame.m_commands.empty());
}

TEST_F(CaptionBarWindow, RightClickAsksTheOwnerForTheContextMenu)
{
    Mouse(WM_RBUTTONUP, 0, CPoint(10, 5));
    ASSERT_EQ(1u, m_frame.m_popupRequests.size());
    EXPECT_EQ(m_bar.GetSafeHwnd(), m_frame.m_popupRequests[0].first);
    CPoint expected(10, 5);
    m_bar.ClientToScreen(&expected);
    EXPECT_EQ(MAKELPARAM(expected.x, expected.y), m_frame.m_popupRequests[0].second);

    // While toolbars are customised the bar keeps the click to itself.
    ZAVPSharedBarData::g_bCustomizeMode = TRUE;
    Mouse(WM_RBUTTONUP, 0, CPoint(10, 5));
    ZAVPSharedBarData::g_bCustomizeMode = FALSE;
    EXPECT_EQ(1u, m_frame.m_popupRequests.size());
}

TEST_F(CaptionBarWindow, SetFontRelaysOutAndGetFontAnswersIt)
{
    EXPECT_EQ(0, m_bar.SendMessage(WM_GETFONT));
    LOGFONTA lf = {};
    lf.lfHeight = -30;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    HFONT hFont = ::CreateFontIndirectA(&lf);
    const int nBefore = m_bar.CalcHeight();
    m_bar.SendMessage(WM_SETFONT, (WPARAM)hFont, 0);
    EXPECT_EQ((LRESULT)hFont, m_bar.SendMessage(WM_GETFONT));
    EXPECT_GT(m_bar.CalcHeight(), nBefore);
    m_bar.SendMessage(WM_SETFONT, 0, 0);
    ::DeleteObject(hFont);
}

// The button's frame in a memory bitmap: sunken while pressed, raised while only hot, none
// otherwise; the arrow is drawn in the text colour.
TEST_F(CaptionBarWindow, ButtonFramesFollowTheState)
{
    CClientDC screen(&m_bar);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    HBITMAP hbm = ::CreateCompatibleBitmap(screen.GetSafeHdc(), 60, 20);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hbm);
    const CRect rect(0, 0, 60, 20);
    const COLORREF white = RGB(255, 255, 255);
    auto draw = [&]() {
        dc.FillSolidRect(rect, white);
        dc.SetTextColor(RGB(0, 0, 0));
        m_bar.OnDrawButton(&dc, rect, "", TRUE);
    };
    draw();  // neither hot nor pressed: no frame
    EXPECT_EQ(white, dc.GetPixel(0, 0));

    Mouse(WM_MOUSEMOVE, 0, m_bar.GetButtonRect().CenterPoint());
    draw();
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), dc.GetPixel(0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), dc.GetPixel(59, 19));

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_bar.GetButtonRect().CenterPoint());
    draw();
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), dc.GetPixel(0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), dc.GetPixel(59, 19));
    Mouse(WM_LBUTTONUP, 0, m_bar.GetButtonRect().CenterPoint());

    // The arrow's middle column, in the freed 10 pixels at the right.
    bool bArrow = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 60 - 4 - 10; x < 60 - 4; ++x)
            if (dc.GetPixel(x, y) == RGB(0, 0, 0)) bArrow = true;
    EXPECT_TRUE(bArrow);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hbm);
}

TEST_F(CaptionBarWindow, PaintsInEveryLook)
{
    m_bar.m_hIcon = ::LoadIconA(nullptr, (LPCSTR)IDI_APPLICATION);
    m_bar.m_nBmpAlignment = ZAVPCaptionBarLayout::AlignCenter;
    PaneTests::ForEachLook([&](CRuntimeClass* pLook) {
        m_bar.RecalcLayout();
        EXPECT_FALSE(m_bar.GetImageRect().IsRectEmpty()) << pLook->m_lpszClassName;
        m_bar.RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessagesFor(10);
    });
    m_bar.m_hIcon = nullptr;
}
