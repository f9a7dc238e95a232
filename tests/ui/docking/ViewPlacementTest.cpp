// The frame's view (pane 0xE900) beside a captioned pane docked on the left of a 600 x 300 client
// area: whatever changes the docked side (the pane floats, docks on another side, is widened with
// its slider, is hidden, slides into an auto-hide strip), the view takes exactly the client area
// the bars leave at once, not only after the frame itself is resized.
#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/layout/CaptionMath.h"

using namespace PaneTests;

namespace
{
const int kPaneWidth = 200;
const int kSliderWidth = 4;  // a default slider's width
const int kWidening = 60;

// Stands in for the platform's splitter window as the frame's view (known to the frame by its
// class name).
class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
};
IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

// A toolbar-like bar that counts how often its content is laid out.
class CountingBar : public FixedBar
{
public:
    CountingBar() : FixedBar(120, 26) {}
    void RecalcContentLayout() override { ++m_nLayouts; }
    int m_nLayouts = 0;
};

class ViewPlacementTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        DockingPaneTest::SetUp();
        ASSERT_TRUE(m_view.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                    m_pFrame, AFX_IDW_PANE_FIRST));
        m_pFiles = MakePane("Files", 101, CSize(kPaneWidth, kClientHeight));
        m_pFrame->DockControlBar(m_pFiles);
        m_pFrame->RecalcLayout();
        ASSERT_EQ(Text(CRect(kPaneWidth + kSliderWidth, 0, kClientWidth, kClientHeight)),
                  Text(InFrame(&m_view)));
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        if (m_view.GetSafeHwnd() != nullptr) m_view.DestroyWindow();
        DockingPaneTest::TearDown();
    }
    // Pulled by its caption into the middle of the client area, the pane floats there.
    CZAVPMiniFrameWnd* FloatFiles()
    {
        return FloatByCaption(m_pFiles, CPoint(kClientWidth / 2, kClientHeight / 2));
    }

    CWnd m_view;
    TestPane* m_pFiles = nullptr;
};
}  // namespace

TEST_F(ViewPlacementTest, TheViewTakesTheWholeClientAreaWhenThePaneFloatsOrIsHidden)
{
    ASSERT_NE(nullptr, FloatFiles());
    ASSERT_TRUE(m_pFiles->IsFloating());
    EXPECT_EQ(Text(CRect(0, 0, kClientWidth, kClientHeight)), Text(InFrame(&m_view)));

    // Docked back by the double click's operation: the view gives the side back.
    ASSERT_TRUE(m_pFiles->DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr));
    PumpFor(50);
    ASSERT_TRUE(m_pFiles->IsDocked());
    EXPECT_EQ(Text(CRect(kPaneWidth + kSliderWidth, 0, kClientWidth, kClientHeight)),
              Text(InFrame(&m_view)));

    // Closed by its caption button, then shown again.
    ClickCaptionButton(m_pFiles, DockLayout::kHitPaneClose);
    ASSERT_FALSE(m_pFiles->IsWindowVisible());
    EXPECT_EQ(Text(CRect(0, 0, kClientWidth, kClientHeight)), Text(InFrame(&m_view)));
    m_pFiles->ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_EQ(Text(CRect(kPaneWidth + kSliderWidth, 0, kClientWidth, kClientHeight)),
              Text(InFrame(&m_view)));
}

TEST_F(ViewPlacementTest, TheViewFollowsTheSliderThatWidensTheSide)
{
    CZAVPSlider* pSlider = m_pFiles->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);
    CRect rectSlider;
    pSlider->GetWindowRect(rectSlider);
    MouseAtScreen(pSlider, WM_LBUTTONDOWN, CentreOf(rectSlider));
    MouseAtScreen(pSlider, WM_MOUSEMOVE, CentreOf(rectSlider) + CPoint(kWidening, 0));
    MouseAtScreen(pSlider, WM_LBUTTONUP, CentreOf(rectSlider) + CPoint(kWidening, 0));
    ASSERT_EQ(kPaneWidth + kWidening, InFrame(m_pFiles).Width());
    EXPECT_EQ(Text(CRect(kPaneWidth + kWidening + kSliderWidth, 0, kClientWidth, kClientHeight)),
              Text(InFrame(&m_view)));
}

TEST_F(ViewPlacementTest, TheViewGivesWayToThePaneDockedOnTheRight)
{
    ASSERT_NE(nullptr, FloatFiles());
    DockOnTheRightByMouse(m_pFiles);

    // The pane and its slider stand against the right edge; the view ends where they begin.
    CZAVPSlider* pSlider = m_pFiles->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);
    EXPECT_EQ(kClientWidth, InFrame(m_pFiles).right);
    EXPECT_EQ(InFrame(m_pFiles).left - kSliderWidth, InFrame(pSlider).left);
    EXPECT_EQ(Text(CRect(0, 0, InFrame(pSlider).left, kClientHeight)), Text(InFrame(&m_view)));
}

TEST_F(ViewPlacementTest, TheViewStartsAfterTheAutoHideStrip)
{
    ClickCaptionButton(m_pFiles, DockLayout::kHitPin);
    ASSERT_TRUE(m_pFiles->IsAutoHideMode());
    CZAVPAutoHideToolBar* pStrip = m_pFiles->GetAutoHideToolBar();
    ASSERT_NE(nullptr, pStrip);
    // The strip's side keeps a band for it (the strip lies a little off the edge): the view
    // takes what the dock manager leaves beside that band, which is right of the strip.
    const CRect rectStrip = InFrame(pStrip);
    ASSERT_GT(rectStrip.Width(), 0);
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_GE(area.left, rectStrip.right);
    EXPECT_EQ(Text(CRect(area.left, 0, kClientWidth, kClientHeight)), Text(InFrame(&m_view)));

    // Pinned again, the pane takes its side back from the view.
    m_pFiles->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT);
    ASSERT_FALSE(m_pFiles->IsAutoHideMode());
    EXPECT_EQ(Text(CRect(InFrame(m_pFiles).right + kSliderWidth, 0, kClientWidth, kClientHeight)),
              Text(InFrame(&m_view)));
}

TEST_F(ViewPlacementTest, WhileTheBarsAreHiddenTheFramesLayoutLeavesThemAloneAndPlacesTheView)
{
    CountingBar bar;
    ASSERT_TRUE(bar.CreateIn(m_pFrame, "Bar", 120));
    m_pFrame->DockControlBar(&bar);
    m_pFrame->RecalcLayout();
    ASSERT_EQ(26, InFrame(&m_view).top);
    ASSERT_GT(bar.m_nLayouts, 0);

    // Hidden by the frame: the view takes the toolbar's band; the frame's layout runs no bar's
    // content layout meanwhile, yet still places the view.
    ASSERT_TRUE(m_pFrame->ShowControlBars(FALSE));
    EXPECT_FALSE(bar.IsWindowVisible());
    const CRect rectView(kPaneWidth + kSliderWidth, 0, kClientWidth, kClientHeight);
    EXPECT_EQ(Text(rectView), Text(InFrame(&m_view)));
    const int nLayouts = bar.m_nLayouts;
    m_view.SetWindowPos(nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(nLayouts, bar.m_nLayouts);
    EXPECT_EQ(Text(rectView), Text(InFrame(&m_view)));

    // Shown again: the bars are laid out as before.
    ASSERT_TRUE(m_pFrame->ShowControlBars(TRUE));
    m_pFrame->RecalcLayout();
    EXPECT_GT(bar.m_nLayouts, nLayouts);
    EXPECT_EQ(26, InFrame(&m_view).top);
    bar.DestroyWindow();
}

TEST_F(ViewPlacementTest, ASplitterViewClipsItsSiblingsButNotItsPanes)
{
    const DWORD dwClip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(dwClip, m_view.GetStyle() & dwClip);

    m_view.DestroyWindow();
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                  m_pFrame, AFX_IDW_PANE_FIRST));
    m_pFrame->RecalcLayout();
    EXPECT_EQ((DWORD)WS_CLIPSIBLINGS, splitter.GetStyle() & dwClip);
    EXPECT_EQ(Text(CRect(kPaneWidth + kSliderWidth, 0, kClientWidth, kClientHeight)),
              Text(InFrame(&splitter)));
    splitter.DestroyWindow();
}
