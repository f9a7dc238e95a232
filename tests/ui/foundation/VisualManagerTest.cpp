// The default look drawn into memory DCs with fakes of the bars, tabs and caption buttons it
// draws: border and fill colours, the progress arithmetic, and the life of the current manager.
#include <gtest/gtest.h>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPProgressMath.h"
#include "ui/foundation/ZAVPSharedBarData.h"

namespace
{
const COLORREF kWhiteFace = RGB(255, 255, 255);

// Distinct colours for every role, so a pixel tells which role painted it.
class VisualManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        globalData.clrBarFace = RGB(10, 10, 10);
        globalData.clrBarShadow = RGB(20, 20, 20);
        globalData.clrBarHilite = RGB(30, 30, 30);
        globalData.clrBarDkShadow = RGB(40, 40, 40);
        globalData.clrBarLight = RGB(50, 50, 50);
        globalData.clrBarText = RGB(60, 60, 60);
        globalData.clrBtnFace = RGB(70, 70, 70);
        globalData.clrBtnHilite = RGB(80, 80, 80);
        globalData.clrBtnShadow = RGB(90, 90, 90);
        globalData.clrActiveCaption = RGB(0, 0, 200);
        globalData.clrInactiveCaption = RGB(0, 200, 0);
        globalData.clrCaptionText = RGB(200, 0, 0);
        globalData.clrTextHilite = RGB(255, 255, 0);
        Rebrush(globalData.brBarFace, globalData.clrBarFace);
        Rebrush(globalData.brBtnFace, globalData.clrBtnFace);
    }
    void TearDown() override { globalData.UpdateSysColors(); }
    static void Rebrush(CBrush& brush, COLORREF color)
    {
        brush.DeleteObject();
        brush.CreateSolidBrush(color);
    }

    CZAVPVisualManager m_manager{TRUE};  // temporary: never the current one
};

// A bar with a style, a dialog flag and a floating answer of its own.
class FakeBar : public CZAVPBaseControlBar
{
public:
    FakeBar(DWORD dwStyle, DWORD dwControlBarStyle, BOOL bDialog, BOOL bFloating = FALSE)
        : m_bFloating(bFloating)
    {
        m_dwStyle = dwStyle;
        m_dwControlBarStyle = dwControlBarStyle;
        m_bIsDlgControl = bDialog;
    }
    BOOL IsDocked() const override { return !m_bFloating; }

private:
    BOOL m_bFloating;
};

// A tab window with one-tab scrolling and a fixed tab area.
class FakeScrollTabs : public CZAVPBaseTabWnd
{
public:
    BOOL IsOneTabScroll() const override { return TRUE; }
    void GetTabsRect(CRect& rect) const override { rect = CRect(0, 0, 100, 20); }
};
}  // namespace

TEST_F(VisualManagerTest, BarBackgroundUsesTheBarOrTheDialogColours)
{
    MemoryDC dc(20, 20);
    FakeBar bar(0, 0, FALSE), dialogBar(0, 0, TRUE);
    m_manager.OnFillBarBackground(&dc.DC(), &bar, CRect(0, 0, 20, 20), CRect(0, 0, 10, 20));
    EXPECT_EQ(globalData.clrBarFace, dc.Pixel(5, 5));
    EXPECT_EQ(kWhiteFace, dc.Pixel(15, 5));  // only the clip rectangle
    m_manager.OnFillBarBackground(&dc.DC(), &dialogBar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(globalData.clrBtnFace, dc.Pixel(15, 5));  // empty clip: the whole client area
}

TEST_F(VisualManagerTest, BarBorderLightLeftAndTopDarkRightAndBottom)
{
    MemoryDC dc(20, 20);
    FakeBar bar(CBRS_BORDER_ANY, ZAVP_CBRS_FLOAT, FALSE);
    CRect rect(0, 0, 20, 20);
    m_manager.OnDrawBarBorder(&dc.DC(), &bar, rect);
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(0, 5));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(5, 0));
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(19, 5));
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(5, 19));
    EXPECT_EQ(CRect(1, 1, 19, 19), rect);

    // A bar that cannot float gets the etched line along its top.
    dc.Fill(kWhiteFace);
    FakeBar fixed(CBRS_BORDER_BOTTOM, 0, FALSE);
    rect = CRect(0, 0, 20, 20);
    m_manager.OnDrawBarBorder(&dc.DC(), &fixed, rect);
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(5, 0));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(5, 1));
    EXPECT_EQ(CRect(0, 0, 20, 19), rect);

    // Floating bars and bars without border bits: nothing.
    dc.Fill(kWhiteFace);
    FakeBar floating(CBRS_BORDER_ANY, ZAVP_CBRS_FLOAT, FALSE, TRUE);
    rect = CRect(0, 0, 20, 20);
    m_manager.OnDrawBarBorder(&dc.DC(), &floating, rect);
    EXPECT_EQ(CRect(0, 0, 20, 20), rect);
    EXPECT_TRUE(dc.OutsideIs(CRect(), kWhiteFace));
}

TEST_F(VisualManagerTest, MenuBorderIsTwoFrames)
{
    MemoryDC dc(20, 20);
    m_manager.OnDrawMenuBorder(&dc.DC(), nullptr, CRect(0, 0, 20, 20));
    EXPECT_EQ(globalData.clrBarLight, dc.Pixel(0, 5));
    EXPECT_EQ(globalData.clrBarDkShadow, dc.Pixel(19, 5));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(1, 5));
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(18, 5));
    EXPECT_EQ(kWhiteFace, dc.Pixel(10, 10));
}

TEST_F(VisualManagerTest, CaptionFillAndTextColourInBothStates)
{
    MemoryDC dc(20, 10);
    EXPECT_EQ(globalData.clrCaptionText,
              m_manager.OnFillBarCaption(&dc.DC(), nullptr, TRUE, CRect(0, 0, 20, 10), CRect()));
    EXPECT_EQ(globalData.clrActiveCaption, dc.Pixel(5, 5));
    EXPECT_EQ(globalData.clrCaptionText,
              m_manager.OnFillBarCaption(&dc.DC(), nullptr, FALSE, CRect(0, 0, 20, 10), CRect()));
    EXPECT_EQ(globalData.clrInactiveCaption, dc.Pixel(5, 5));
}

TEST_F(VisualManagerTest, CaptionButtonFramesByState)
{
    MemoryDC dc(40, 40);
    CZAVPTitleButton button(HTCLOSE, FALSE);
    button.m_ptOrg = CPoint(5, 5);
    const CRect rect = button.GetRect();
    ASSERT_FALSE(rect.IsRectEmpty());
    m_manager.OnDrawCaptionButton(&dc.DC(), &button, TRUE, TRUE, FALSE, FALSE);
    EXPECT_EQ(globalData.clrBarLight, dc.Pixel(rect.left, rect.top + 3));
    EXPECT_EQ(globalData.clrBarDkShadow, dc.Pixel(rect.right - 1, rect.top + 3));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(rect.left + 1, rect.top + 3));

    dc.Fill(kWhiteFace);
    button.m_bPushed = button.m_bFocused = TRUE;
    m_manager.OnDrawCaptionButton(&dc.DC(), &button, TRUE, TRUE, FALSE, FALSE);
    EXPECT_EQ(globalData.clrBarDkShadow, dc.Pixel(rect.left, rect.top + 3));
    EXPECT_EQ(globalData.clrBarLight, dc.Pixel(rect.right - 1, rect.top + 3));

    // Disabled: no frame at all.
    dc.Fill(kWhiteFace);
    m_manager.OnDrawCaptionButton(&dc.DC(), &button, TRUE, TRUE, FALSE, TRUE);
    EXPECT_EQ(kWhiteFace, dc.Pixel(rect.left, rect.top + 3));
}

TEST_F(VisualManagerTest, StatusPaneBorders)
{
    MemoryDC dc(20, 10);
    m_manager.OnDrawStatusBarPaneBorder(&dc.DC(), nullptr, CRect(0, 0, 20, 10), 0, 0);
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(0, 5));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(19, 5));
    m_manager.OnDrawStatusBarPaneBorder(&dc.DC(), nullptr, CRect(0, 0, 20, 10), 0,
                                        0x0200);  // pop-out
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(0, 5));
    dc.Fill(kWhiteFace);
    m_manager.OnDrawStatusBarPaneBorder(&dc.DC(), nullptr, CRect(0, 0, 20, 10), 0, 0x0100);  // none
    EXPECT_TRUE(dc.OutsideIs(CRect(), kWhiteFace));
}

TEST(ProgressMath, FilledWidthAndPercentCannotOverflow)
{
    struct Case
    {
        int width, current, total, filled, percent;
    } cases[] = {
        {200, 50, 100, 100, 50},
        {200, 0, 100, 0, 0},
        {200, 150, 100, 200, 100},  // current clamped to the total
        {200, -5, 100, 0, 0},
        {200, 2000000000, 2000000000, 200, 100},  // 200 x 2e9 overflows 32 bits
        {1000, 1500000000, 2000000000, 750, 75},  // so does 1e3 x 1.5e9 and 1.5e9 x 100
        {200, 5, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.filled, ZAVPProgressMath::FilledWidth(c.width, c.current, c.total))
            << c.current;
        EXPECT_EQ(c.percent, ZAVPProgressMath::Percent(c.current, c.total)) << c.current;
    }
}

TEST_F(VisualManagerTest, ProgressFillsTheFilledPartOnlyAndNothingWithoutATotal)
{
    MemoryDC dc(100, 10);
    m_manager.OnDrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 100, 10), 0, 0, RGB(0, 0, 255),
                                      (COLORREF)-1, (COLORREF)-1, TRUE);
    EXPECT_TRUE(dc.OutsideIs(CRect(), kWhiteFace));
    m_manager.OnDrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 100, 10), 2000000000,
                                      1000000000, RGB(0, 0, 255), (COLORREF)-1, (COLORREF)-1,
                                      FALSE);
    EXPECT_EQ(RGB(0, 0, 255), dc.Pixel(49, 5));
    EXPECT_EQ(kWhiteFace, dc.Pixel(50, 5));
    dc.Fill(kWhiteFace);
    m_manager.OnDrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 100, 10), 10, 50,
                                      RGB(0, 0, 255), (COLORREF)-1, (COLORREF)-1, FALSE);
    EXPECT_EQ(RGB(0, 0, 255), dc.Pixel(99, 5));
}

TEST_F(VisualManagerTest, MenuSystemButtonDrawsOnlyItsThreeCommands)
{
    MemoryDC dc(20, 20);
    m_manager.OnDrawMenuSystemButton(&dc.DC(), CRect(0, 0, 20, 20), SC_MAXIMIZE, 0, FALSE);
    EXPECT_TRUE(dc.OutsideIs(CRect(), kWhiteFace));
    m_manager.OnDrawMenuSystemButton(&dc.DC(), CRect(0, 0, 20, 20), SC_CLOSE, 0, FALSE);
    EXPECT_FALSE(dc.OutsideIs(CRect(), kWhiteFace));
}

TEST_F(VisualManagerTest, ScrolledTabNearTheRightEndIsNotDrawn)
{
    MemoryDC dc(120, 20);
    FakeScrollTabs tabs;
    // The tab area ends at 100: a tab starting at 95 is within 10 pixels of it.
    m_manager.OnDrawTab(&dc.DC(), CRect(95, 0, 140, 20), 0, TRUE, &tabs);
    EXPECT_TRUE(dc.OutsideIs(CRect(), kWhiteFace));
}

TEST_F(VisualManagerTest, SeparatorAndGripperUseTheBarColours)
{
    MemoryDC dc(20, 20);
    FakeBar bar(0, 0, FALSE);
    m_manager.OnDrawSeparator(&dc.DC(), &bar, CRect(0, 0, 20, 20), TRUE);
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(9, 5));  // the 2-pixel band at the centre
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(10, 5));
    EXPECT_EQ(kWhiteFace, dc.Pixel(8, 5));
    dc.Fill(kWhiteFace);
    m_manager.OnDrawBarGripper(&dc.DC(), CRect(0, 0, 10, 20), TRUE, &bar);
    // Classic look: lines at centre - 2 and 4 pixels further, 3 wide, rows 2 .. 17.
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(3, 5));
    EXPECT_EQ(globalData.clrBarShadow, dc.Pixel(5, 5));
    EXPECT_EQ(globalData.clrBarHilite, dc.Pixel(7, 5));
    EXPECT_EQ(kWhiteFace, dc.Pixel(4, 1));
}

TEST(VisualManagerLife, TheCurrentManagerIsClearedOnlyByItself)
{
    CZAVPVisualManager* pFirst = CZAVPVisualManager::GetInstance();
    ASSERT_NE(nullptr, pFirst);
    EXPECT_TRUE(pFirst->IsAutoDelete());
    EXPECT_EQ(pFirst, CZAVPVisualManager::GetInstance());
    {
        // A second non-temporary manager does not replace the current one, and deleting it
        // leaves the current one in place.
        CZAVPVisualManager second;
        EXPECT_EQ(pFirst, CZAVPVisualManager::GetInstance());
    }
    EXPECT_EQ(pFirst, CZAVPVisualManager::GetInstance());
    {
        CZAVPVisualManager temporary(TRUE);
        EXPECT_EQ(pFirst, CZAVPVisualManager::GetInstance());
    }
    delete pFirst;
    // The next request makes a fresh default manager.
    CZAVPVisualManager* pNext = CZAVPVisualManager::GetInstance();
    ASSERT_NE(nullptr, pNext);
    EXPECT_TRUE(pNext->IsAutoDelete());
    CZAVPVisualManager::DestroyInstance();
}

namespace
{
int g_nPaints = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        ++g_nPaints;
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

TEST(VisualManagerLife, ChangingTheLookRedrawsEveryMiniFrame)
{
    HWND frame = CreateWindowA(TestWindowClass("LornivalPaintCounter", CountingProc), "",
                               WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    ASSERT_NE(nullptr, frame);
    UpdateWindow(frame);
    CPtrList& frames = ZAVPSharedBarData::AllMiniFrames();
    POSITION pos = frames.AddTail(frame);
    g_nPaints = 0;
    CZAVPVisualManager::GetInstance()->SetLook2000(TRUE);
    EXPECT_GE(g_nPaints, 1);
    EXPECT_TRUE(CZAVPVisualManager::GetInstance()->IsLook2000());
    frames.RemoveAt(pos);
    DestroyWindow(frame);
    CZAVPVisualManager::DestroyInstance();
}
