// A pane floated off a frame side comes back into the place it left in the side's tree, and the
// side's slider is kept for it meanwhile: never longer than some pane may still come back.
#include <regex>

#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"

using namespace PaneTests;

namespace
{
class DockedPlaceTest : public DockingPaneTest
{
protected:
    // Files, Search below it and Output below Search, all in the left side's tree.
    void DockThreeOnTheLeft(TestPane*& pFiles, TestPane*& pSearch, TestPane*& pOutput)
    {
        DockTwoOnTheLeft(pFiles, pSearch);
        pOutput = MakePane("Output", 103, CSize(200, 100));
        ASSERT_TRUE(pOutput->AttachToSlider(pSearch, ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
    }
    static CZAVPMiniFrameWnd* Float(TestPane* pPane)
    {
        EXPECT_TRUE(pPane->FloatControlBar(CRect(650, 150, 850, 300), ZAVP_DM_DBL_CLICK, TRUE));
        return pPane->GetParentMiniFrame(TRUE);
    }
    // A double click on the floating frame's caption, as the mouse does it.
    static void DockBackByDoubleClick(CZAVPMiniFrameWnd* pMiniFrame)
    {
        CRect rectCaption, rectWnd;
        pMiniFrame->GetCaptionRect(rectCaption);
        pMiniFrame->GetWindowRect(rectWnd);
        rectCaption.OffsetRect(rectWnd.TopLeft());
        MouseAtScreen(pMiniFrame, WM_LBUTTONDBLCLK,
                      CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y));
        PumpFor(20);
    }
    // The tree's shape: nodes, sides, panes and their order, without numbers (a split's slider
    // made again takes a new id; shares are whole percents, so a side may come back a pixel
    // off).
    static std::string Shape(CZAVPContainerLayout* pTree)
    {
        return std::regex_replace(Dump(pTree), std::regex("[0-9]+"), "#");
    }
    int SliderCount()
    {
        int n = 0;
        for (POSITION pos = Manager().GetControlBars().GetHeadPosition(); pos != nullptr;)
            if (Manager().GetControlBars().GetNext(pos)->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) ++n;
        return n;
    }
};
}  // namespace

TEST_F(DockedPlaceTest, APaneFloatedFromTheMiddleOfItsTreeComesBackIntoItsPlace)
{
    // The last and the middle pane of three: the first pane's neighbourhood is not their place.
    for (int nWhich : {2, 1}) {
        SCOPED_TRACE(nWhich);
        TestPane *pFiles = nullptr, *pSearch = nullptr, *pOutput = nullptr;
        DockThreeOnTheLeft(pFiles, pSearch, pOutput);
        TestPane* panes[] = {pFiles, pSearch, pOutput};
        TestPane* pMoved = panes[nWhich];
        const HWND hSlider = pFiles->GetDefaultSliderWnd();
        const std::string before = Shape(Tree(pFiles));
        const CRect rects[] = {InFrame(pFiles), InFrame(pSearch), InFrame(pOutput)};

        CZAVPMiniFrameWnd* pMiniFrame = Float(pMoved);
        ASSERT_NE(nullptr, pMiniFrame);
        EXPECT_EQ(nullptr, pMoved->GetDefaultSlider());
        EXPECT_NE(nullptr, pMoved->GetRecentDockInfo().m_recentDockedRecord.GetContainer());
        // The other two share the side meanwhile.
        EXPECT_EQ("", Broken(Tree(pFiles))) << Dump(Tree(pFiles));
        EXPECT_EQ(0, InFrame(pFiles).top);
        EXPECT_EQ(kClientHeight, InFrame(nWhich == 2 ? pSearch : pOutput).bottom);

        DockBackByDoubleClick(pMiniFrame);
        ASSERT_FALSE(pMoved->IsFloating());
        EXPECT_EQ(hSlider, pMoved->GetDefaultSliderWnd());
        EXPECT_EQ(before, Shape(Tree(pFiles)));
        EXPECT_EQ("", Broken(Tree(pFiles)));
        for (int i = 0; i < 3; ++i) {
            const CRect rect = InFrame(panes[i]);
            EXPECT_EQ(rects[i].left, rect.left) << i;
            EXPECT_EQ(rects[i].right, rect.right) << i;
            EXPECT_NEAR(rects[i].top, rect.top, 1) << i;
            EXPECT_NEAR(rects[i].bottom, rect.bottom, 1) << i;
        }
        // Back in its place, the pane holds the place no more.
        EXPECT_EQ(nullptr, pMoved->GetRecentDockInfo().m_recentDockedRecord.GetContainer());

        for (TestPane* pPane : panes) pPane->DestroyWindow();
        ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hSlider); }));
    }
}

TEST_F(DockedPlaceTest, ASideKeptForAFloatingPaneGoesOnceNoPaneMayComeBack)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    const HWND hSlider = pFiles->GetDefaultSliderWnd();
    const CRect rectDocked = InFrame(pFiles);
    CRect area;

    // Floating alone from its side: the side's slider stays for it, hidden, taking no room.
    CZAVPMiniFrameWnd* pMiniFrame = Float(pFiles);
    ASSERT_NE(nullptr, pMiniFrame);
    PumpFor(20);
    ASSERT_TRUE(::IsWindow(hSlider));
    EXPECT_FALSE(::IsWindowVisible(hSlider));
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ(0, area.left);
    // Docked back: the same side, the same slider, the same room.
    DockBackByDoubleClick(pMiniFrame);
    ASSERT_EQ(hSlider, pFiles->GetDefaultSliderWnd());
    EXPECT_TRUE(::IsWindowVisible(hSlider));
    EXPECT_EQ(Text(rectDocked), Text(InFrame(pFiles)));
    EXPECT_EQ(1, SliderCount());

    // Floated again and docked on another side: the kept slider goes.
    ASSERT_NE(nullptr, Float(pFiles));
    ASSERT_TRUE(pFiles->DockToFrameEdge(CBRS_ALIGN_TOP, CRect(0, 0, 600, 60)));
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hSlider); }));
    EXPECT_EQ(1, SliderCount());

    // Floated from the top and destroyed while floating: nothing is kept for it.
    const HWND hTop = pFiles->GetDefaultSliderWnd();
    ASSERT_NE(nullptr, Float(pFiles));
    PumpFor(20);
    ASSERT_TRUE(::IsWindow(hTop));
    pFiles->DestroyWindow();
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hTop); }));
    EXPECT_EQ(0, SliderCount());
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ(0, area.top);
}

TEST_F(DockedPlaceTest, APaneFloatedOutOfATabbedGroupGoesBackIntoTheGroup)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    TestPane* pSearch = MakePane("Search", 102, CSize(200, 300));
    TestPane* pOutput = MakePane("Output", 103, CSize(200, 300));
    CZAVPDockingControlBar* pGroupBar = nullptr;
    ASSERT_EQ(pSearch, pSearch->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pGroupBar));
    CZAVPDockingControlBar* pSame = nullptr;
    ASSERT_EQ(pOutput, pOutput->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pSame));
    ASSERT_TRUE(pGroupBar != nullptr && pGroupBar == pSame);
    CZAVPTabWnd* pTabs = static_cast<CZAVPTabbedControlBar*>(pGroupBar)->GetTabWnd();
    ASSERT_EQ(3, pTabs->GetTabsNum());

    // A double click on Search's tab floats it; one on its frame's caption puts it back among
    // the group's tabs rather than beside the group.
    for (bool bGroupShown : {true, false}) {
        SCOPED_TRACE(bGroupShown);
        const int iTab = pTabs->GetTabFromHwnd(pSearch->GetSafeHwnd());
        ASSERT_GE(iTab, 0);
        pTabs->SetActiveTab(iTab);
        CRect rectTab;
        pTabs->GetTabRect(iTab, rectTab);
        pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON,
                           MAKELPARAM(rectTab.CenterPoint().x, rectTab.CenterPoint().y));
        ASSERT_TRUE(pSearch->IsFloating());
        ASSERT_EQ(2, pTabs->GetTabsNum());
        // A closed group takes no tab back: the pane docks on its own then.
        if (!bGroupShown) pGroupBar->ShowControlBar(FALSE, FALSE, FALSE);

        DockBackByDoubleClick(pSearch->GetParentMiniFrame(TRUE));
        EXPECT_FALSE(pSearch->IsFloating());
        EXPECT_EQ(bGroupShown, pSearch->IsTabbed() != FALSE);
        EXPECT_EQ(bGroupShown ? 3 : 2, pTabs->GetTabsNum());
        EXPECT_EQ(bGroupShown, pSearch->GetDefaultSlider() == nullptr);
    }
}

TEST_F(DockedPlaceTest, ADoubleClickOnTheFloatingCaptionDocksWhereTheBarWasLastDocked)
{
    // A plain pane and a tabbed group (the kind of the program's own bar), each moved from the
    // left side to the right one, then pulled out by its caption.
    for (bool bTabbed : {false, true}) {
        SCOPED_TRACE(bTabbed ? "tabbed group" : "pane");
        TestPane* pFiles = MakePane(bTabbed ? "Files" : "Alone", bTabbed ? 101 : 104,
                                    CSize(200, 300));
        m_pFrame->DockControlBar(pFiles);
        CZAVPDockingControlBar* pBar = pFiles;
        if (bTabbed) {
            TestPane* pSearch = MakePane("Search", 102, CSize(200, 300));
            ASSERT_EQ(pSearch, pSearch->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pBar));
            ASSERT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CZAVPTabbedControlBar)));
        }
        ASSERT_NE(nullptr, FloatByCaption(pBar, CPoint(300, 150)));
        DockOnTheRightByMouse(pBar);
        ASSERT_EQ(kClientWidth, InFrame(pBar).right);

        CZAVPMiniFrameWnd* pMiniFrame = FloatByCaption(pBar, CPoint(300, 150));
        ASSERT_NE(nullptr, pMiniFrame);
        DockBackByDoubleClick(pMiniFrame);
        ASSERT_TRUE(pBar->IsDocked());
        EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pBar->GetCurrentAlignment());
        EXPECT_EQ(kClientWidth, InFrame(pBar).right);
        EXPECT_EQ("", BrokenDocking());
        pBar->DestroyWindow();
        PumpFor(20);
    }
}
