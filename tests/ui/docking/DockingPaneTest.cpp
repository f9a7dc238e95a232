// Captioned docking panes in real windows under the null driver: panes docked on a frame side
// beside their slider, split by inner sliders, slider drags and their limits, the close and pin
// caption buttons, auto-hide strips with the hover and check timers, and the container tree
// after every change, checked with the tree's own invariant check.
#include "DockingPaneFixture.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPAutoHideButton.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/layout/CaptionMath.h"
#include "ui/foundation/CZAVPGlobalData.h"

using namespace PaneTests;

TEST_F(DockingPaneTest, APaneDocksOnTheLeftInsideItsDefaultSlider)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);

    CZAVPSlider* pSlider = pFiles->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);
    EXPECT_TRUE(pSlider->IsDefault());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pSlider->GetCurrentAlignment());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pFiles->GetCurrentAlignment());
    // The pane keeps its 200 px across the side and takes the whole height; the 4-px default
    // slider stands on the tree's inner edge; the view gets the rest.
    EXPECT_EQ("0,0,200,300", Text(InFrame(pFiles)));
    EXPECT_EQ("200,0,204,300", Text(InFrame(pSlider)));
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("204,0,600,300", Text(area));
    EXPECT_EQ("", Broken(Tree(pFiles)));
    // A docked pane has a caption of the library's text height (the regular font's height and
    // its 2-pixel padding) and its two 2-pixel borders; the client area starts below it.
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, globalData.fontRegular.GetSafeHandle());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    const int nCaption = tm.tmHeight + 2 + 2 * 2;
    EXPECT_EQ(nCaption, pFiles->GetCaptionHeight());
    CRect rectClient;
    pFiles->GetClientRect(rectClient);
    pFiles->ClientToScreen(rectClient);
    CRect rectWindow;
    pFiles->GetWindowRect(rectWindow);
    EXPECT_EQ(nCaption, rectClient.top - rectWindow.top);
}

TEST_F(DockingPaneTest, TwoPanesSplitBySliderAsTheBottomSplitArithmeticSays)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);
    ASSERT_NE(nullptr, pTree);
    EXPECT_EQ(pFiles->GetDefaultSlider(), pSearch->GetDefaultSlider());
    // A 300-px target and a 200-px newcomer at the bottom: the newcomer gets half (150), a 4-px
    // slider stands above it and the target keeps 146.
    EXPECT_EQ("0,0,200,146", Text(InFrame(pFiles)));
    EXPECT_EQ("0,150,200,300", Text(InFrame(pSearch)));
    const CZAVPBarContainer* pRoot = pTree->GetRootContainer();
    ASSERT_NE(nullptr, pRoot->GetLeftContainer());
    CZAVPSlider* pInner = pRoot->GetLeftContainer()->GetSlider();
    ASSERT_NE(nullptr, pInner);
    EXPECT_FALSE(pInner->IsDefault());
    EXPECT_TRUE(pInner->IsHorizontal());
    EXPECT_EQ("0,146,200,150", Text(InFrame(pInner)));
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    // The bar list keeps layout order: the newcomer at the bottom comes after its target.
    ASSERT_EQ(2, pTree->GetControlBars().GetCount());
    EXPECT_EQ(pFiles, pTree->GetControlBars().GetHead());
    EXPECT_EQ(pSearch, pTree->GetControlBars().GetTail());

    // A third pane to the right of the lower one splits it across.
    TestPane* pOutput = MakePane("Output", 103, CSize(60, 100));
    ASSERT_TRUE(pOutput->AttachToSlider(pSearch, ZAVP_DM_MOUSE, CBRS_ALIGN_RIGHT));
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    // 60 px of the 200-px target at its right: slider 136-140, the target keeps 136.
    EXPECT_EQ("0,150,136,300", Text(InFrame(pSearch)));
    EXPECT_EQ("140,150,200,300", Text(InFrame(pOutput))) << Dump(pTree);

    // Growing the frame hands the new height to the sides by their shares.
    CRect rectWnd;
    m_pFrame->GetWindowRect(rectWnd);
    m_pFrame->SetWindowPos(nullptr, 0, 0, rectWnd.Width(), rectWnd.Height() + 100,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    EXPECT_EQ(400, InFrame(pSearch).bottom);
}

TEST_F(DockingPaneTest, SliderDragIsClampedByTheLimitsAndCancelMovesNothing)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);
    CZAVPSlider* pInner = pTree->GetRootContainer()->GetLeftContainer()->GetSlider();
    ASSERT_NE(nullptr, pInner);
    CRect rectSlider;
    pInner->GetWindowRect(rectSlider);

    // Cancelled: the outline went far down, nothing moved, the capture is given back.
    MouseAtScreen(pInner, WM_LBUTTONDOWN, CentreOf(rectSlider));
    EXPECT_TRUE(pInner->IsDragging());
    EXPECT_EQ(pInner->GetSafeHwnd(), ::GetCapture());
    MouseAtScreen(pInner, WM_MOUSEMOVE, CentreOf(rectSlider) + CPoint(0, 40));
    pInner->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(pInner->IsDragging());
    EXPECT_NE(pInner->GetSafeHwnd(), ::GetCapture());
    EXPECT_EQ("0,0,200,146", Text(InFrame(pFiles)));
    EXPECT_EQ("0,146,200,150", Text(InFrame(pInner)));

    // Dragged 300 px down: the lower pane keeps its 50-px minimum, so the slider stops 100 px
    // down (150 - 50); the outline never left the limits.
    MouseAtScreen(pInner, WM_LBUTTONDOWN, CentreOf(rectSlider));
    const CRect rectLimits = pInner->GetLimitsRect();
    EXPECT_EQ(rectSlider.top - 96, rectLimits.top);  // the upper pane keeps 50 of 146
    EXPECT_EQ(rectSlider.bottom + 100, rectLimits.bottom);
    MouseAtScreen(pInner, WM_MOUSEMOVE, CentreOf(rectSlider) + CPoint(0, 300));
    EXPECT_EQ(rectSlider.top + 100, pInner->GetDragRect().top);
    MouseAtScreen(pInner, WM_LBUTTONUP, CentreOf(rectSlider) + CPoint(0, 300));
    EXPECT_EQ("0,0,200,246", Text(InFrame(pFiles)));
    EXPECT_EQ("0,246,200,250", Text(InFrame(pInner)));
    EXPECT_EQ("0,250,200,300", Text(InFrame(pSearch)));
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);

    // The default slider widens the whole side; the view gives up the same width.
    CZAVPSlider* pDefault = pFiles->GetDefaultSlider();
    CRect rectDefault;
    pDefault->GetWindowRect(rectDefault);
    MouseAtScreen(pDefault, WM_LBUTTONDOWN, CentreOf(rectDefault));
    MouseAtScreen(pDefault, WM_MOUSEMOVE, CentreOf(rectDefault) + CPoint(50, 0));
    MouseAtScreen(pDefault, WM_LBUTTONUP, CentreOf(rectDefault) + CPoint(50, 0));
    EXPECT_EQ("0,0,250,246", Text(InFrame(pFiles)));
    EXPECT_EQ("250,0,254,300", Text(InFrame(pDefault)));
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ(254, area.left);
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
}

TEST_F(DockingPaneTest, CloseButtonHidesThePaneAndTheOtherTakesItsRoom)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);

    ClickCaptionButton(pSearch, DockLayout::kHitPaneClose);
    EXPECT_FALSE(pSearch->IsWindowVisible());
    EXPECT_EQ("0,0,200,300", Text(InFrame(pFiles)));
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    EXPECT_EQ(0u, pSearch->GetHighlightedButton());
    EXPECT_NE(pSearch->GetSafeHwnd(), ::GetCapture());

    // Shown again, it comes back with its stored share.
    pSearch->ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pSearch->IsWindowVisible());
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    EXPECT_EQ(300, InFrame(pSearch).bottom);
    EXPECT_EQ(0, InFrame(pFiles).top);

    // Closing both empties the side: the default slider hides and the view takes the width.
    ClickCaptionButton(pSearch, DockLayout::kHitPaneClose);
    ClickCaptionButton(pFiles, DockLayout::kHitPaneClose);
    EXPECT_FALSE(pFiles->GetDefaultSlider()->IsWindowVisible());
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,0,600,300", Text(area));
}

TEST_F(DockingPaneTest, ReleasingAwayFromThePressedButtonDoesNothing)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    const CPoint pt = ButtonCentre(pFiles, DockLayout::kHitPaneClose);
    pFiles->SendMessage(WM_NCMOUSEMOVE, DockLayout::kHitPaneClose, MAKELPARAM(pt.x, pt.y));
    MouseAtScreen(pFiles, WM_LBUTTONDOWN, pt);
    EXPECT_EQ(DockLayout::kHitPaneClose, pFiles->GetPressedButton());
    MouseAtScreen(pFiles, WM_LBUTTONUP, pt + CPoint(0, 100));
    EXPECT_TRUE(pFiles->IsWindowVisible());
    EXPECT_EQ(0u, pFiles->GetPressedButton());
}

TEST_F(DockingPaneTest, CaptionButtonsFollowTheControlBarStyle)
{
    struct Case
    {
        DWORD dwStyle;
        bool bClose;
        bool bPin;
    } cases[] = {
        {ZAVP_CBRS_FLOAT, false, false},
        {ZAVP_CBRS_FLOAT | ZAVP_CBRS_CLOSE, true, false},
        {ZAVP_CBRS_AUTOHIDE | ZAVP_CBRS_RESIZE, false, true},
        {ZAVP_CBRS_DOCKING_DEFAULT, true, true},
    };
    UINT nID = 201;
    for (const Case& c : cases) {
        TestPane* pPane = MakePane("Pane", nID++, CSize(150, 300), CBRS_LEFT, c.dwStyle);
        m_pFrame->DockControlBar(pPane);
        EXPECT_EQ(!c.bClose, !!pPane->FindCaptionButton(DockLayout::kHitPaneClose)->m_bHidden)
            << std::hex << c.dwStyle;
        EXPECT_EQ(!c.bPin, !!pPane->FindCaptionButton(DockLayout::kHitPin)->m_bHidden)
            << std::hex << c.dwStyle;
        // A hidden button never answers a hit test.
        const CPoint pt = ButtonCentre(pPane, DockLayout::kHitPaneClose);
        if (!c.bClose) {
            EXPECT_NE((int)DockLayout::kHitPaneClose, pPane->HitTest(pt, FALSE));
        }
        pPane->DestroyWindow();
    }
}

TEST_F(DockingPaneTest, CaptionHitTestsAndDockingHitTests)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    CRect rectWnd;
    pFiles->GetWindowRect(rectWnd);
    // In the caption, left of the buttons.
    const CPoint ptCaption(rectWnd.left + 10, rectWnd.top + 3);
    EXPECT_EQ(HTCAPTION, pFiles->HitTest(ptCaption, TRUE));
    EXPECT_EQ(HTCLIENT, pFiles->HitTest(ptCaption, FALSE));
    EXPECT_EQ(HTCLIENT, pFiles->HitTest(rectWnd.CenterPoint(), TRUE));
    EXPECT_EQ(0, pFiles->HitTest(rectWnd.BottomRight() + CPoint(5, 5), TRUE));
    EXPECT_EQ((int)DockLayout::kHitPin,
              pFiles->HitTest(ButtonCentre(pFiles, DockLayout::kHitPin), FALSE));
    // Docking over it: as a tab in the caption, beside near its edges, nothing deep inside.
    EXPECT_EQ(ZAVP_DOCKHIT_TAB, pFiles->HitTestForDocking(ptCaption, 15));
    EXPECT_EQ(ZAVP_DOCKHIT_BESIDE,
              pFiles->HitTestForDocking(CPoint(rectWnd.left + 5, rectWnd.CenterPoint().y), 15));
    EXPECT_EQ(ZAVP_DOCKHIT_NONE, pFiles->HitTestForDocking(rectWnd.CenterPoint(), 15));
}

TEST_F(DockingPaneTest, PinSendsThePaneToAStripAndItSlidesInOnceTheMouseLeaves)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);
    ::SetCursorPos(0, 0);
    ClickCaptionButton(pSearch, DockLayout::kHitPin);
    ::SetCursorPos(0, 0);

    ASSERT_TRUE(pSearch->IsAutoHideMode());
    // The tree lost the pane: the other one fills the side.
    EXPECT_EQ(1, pTree->GetControlBars().GetCount());
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    CZAVPAutoHideToolBar* pStrip = pSearch->GetAutoHideToolBar();
    ASSERT_NE(nullptr, pStrip);
    CZAVPAutoHideDockBar* pDockBar = Manager().FindAutoHideDockBar(CBRS_ALIGN_LEFT);
    ASSERT_NE(nullptr, pDockBar);
    EXPECT_NE(nullptr, pDockBar->GetControlBarList().Find(pStrip));
    EXPECT_EQ(pSearch, pStrip->GetFirstPane());
    // The auto-hide strip takes its thickness at the frame edge, the docked pane moves inside.
    const CRect rectDockBar = InFrame(pDockBar);
    EXPECT_EQ(0, rectDockBar.left);
    EXPECT_GT(rectDockBar.Width(), 0);
    EXPECT_EQ(rectDockBar.right, InFrame(pFiles).left);
    EXPECT_EQ(300, InFrame(pFiles).bottom);
    CZAVPSlider* pAutoHideSlider = pSearch->GetDefaultSlider();
    ASSERT_NE(nullptr, pAutoHideSlider);
    EXPECT_TRUE(pAutoHideSlider->IsAutoHideMode());
    EXPECT_NE(nullptr, Manager().GetAutoHideSliders().Find(pAutoHideSlider));

    // Still out over the frame; the check timer slides it in as the mouse is elsewhere.
    EXPECT_TRUE(PumpUntil([&] { return !pSearch->IsWindowVisible(); }));
    EXPECT_FALSE(pAutoHideSlider->IsWindowVisible());
    EXPECT_FALSE(pSearch->IsVisible());
}

TEST_F(DockingPaneTest, HoverOverTheStripButtonSlidesThePaneOutAndLeavingSlidesItBack)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    ASSERT_NE(nullptr, pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    ASSERT_FALSE(pSearch->IsWindowVisible());
    CZAVPAutoHideToolBar* pStrip = pSearch->GetAutoHideToolBar();
    ASSERT_NE(nullptr, pStrip);
    CRect rectStrip;
    pStrip->GetWindowRect(rectStrip);
    const CPoint ptButton = rectStrip.TopLeft() + CPoint(3, 3);

    // A hover that leaves before the delay shows nothing.
    MouseAtScreen(pStrip, WM_MOUSEMOVE, ptButton);
    EXPECT_TRUE(pStrip->IsHoverPending());
    ::SetCursorPos(0, 0);
    PumpFor(CZAVPAutoHideToolBar::m_nShowAHWndDelay + 200);
    EXPECT_FALSE(pSearch->IsWindowVisible());
    EXPECT_FALSE(pStrip->IsHoverPending());

    // Resting on the button: after the delay the pane slides out to its full thickness.
    MouseAtScreen(pStrip, WM_MOUSEMOVE, ptButton);
    ASSERT_TRUE(PumpUntil([&] { return pSearch->IsWindowVisible() && !pSearch->IsSliding(); }));
    const CRect rectShown = Manager().GetAutoHideShownRect(pSearch);
    EXPECT_EQ(Text(rectShown), Text(InFrame(pSearch)));
    EXPECT_EQ(pSearch->GetAutoHideRect().Width(), rectShown.Width());
    EXPECT_TRUE(pStrip->IsActiveStrip());
    // Over a pane already out, the strip starts no second hover.
    MouseAtScreen(pStrip, WM_MOUSEMOVE, ptButton);
    EXPECT_FALSE(pStrip->IsHoverPending());

    // The check timer keeps it out while the cursor stays over the pane...
    CRect rectPane;
    pSearch->GetWindowRect(rectPane);
    ::SetCursorPos(rectPane.CenterPoint().x, rectPane.CenterPoint().y);
    EXPECT_FALSE(pSearch->CheckAutoHide());
    EXPECT_TRUE(pSearch->IsWindowVisible());
    // ...and slides it back once the cursor has left.
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !pSearch->IsWindowVisible(); }));
}

TEST_F(DockingPaneTest, UnpinningBringsThePaneBackIntoItsTree)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);
    CZAVPDockingControlBar* pSearchPane = pSearch;
    ASSERT_NE(nullptr, pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    CZAVPAutoHideDockBar* pDockBar = Manager().FindAutoHideDockBar(CBRS_ALIGN_LEFT);
    const HWND hAutoHideSlider = pSearch->GetDefaultSliderWnd();

    pSearchPane->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT);
    EXPECT_FALSE(pSearch->IsAutoHideMode());
    EXPECT_EQ(Tree(pFiles), Tree(pSearch));
    EXPECT_EQ(2, pTree->GetControlBars().GetCount());
    EXPECT_TRUE(pSearch->IsWindowVisible());
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    // The strip and the auto-hide slider are gone; the auto-hide dock bar is empty again.
    EXPECT_EQ(nullptr, pSearch->GetAutoHideToolBar());
    EXPECT_TRUE(pDockBar->GetControlBarList().IsEmpty());
    EXPECT_FALSE(::IsWindow(hAutoHideSlider));
    EXPECT_EQ(0, InFrame(pDockBar).Width());
}

TEST_F(DockingPaneTest, AStripKeepsItsPlaceWhileItStillHoldsButtons)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPAutoHideToolBar* pStrip = pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE);
    ASSERT_NE(nullptr, pStrip);
    // A second pane's button on the same strip.
    ASSERT_EQ(pStrip, pFiles->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, pStrip, FALSE));
    EXPECT_EQ(2, pStrip->GetButtons().GetCount());
    CZAVPAutoHideDockBar* pDockBar = Manager().FindAutoHideDockBar(CBRS_ALIGN_LEFT);

    const HWND hStrip = pStrip->GetSafeHwnd();
    pSearch->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT);
    // One button left: the strip is still a window and still listed in its dock bar.
    ASSERT_TRUE(::IsWindow(hStrip));
    EXPECT_NE(nullptr, pDockBar->GetControlBarList().Find(pStrip));
    EXPECT_EQ(pFiles, pStrip->GetFirstPane());
    pFiles->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT);
    EXPECT_FALSE(::IsWindow(hStrip));
    EXPECT_TRUE(pDockBar->GetControlBarList().IsEmpty());
}

TEST_F(DockingPaneTest, TheContainerTreeSurvivesASaveAndALoad)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    TestPane* pOutput = MakePane("Output", 103, CSize(60, 100));
    ASSERT_TRUE(pOutput->AttachToSlider(pSearch, ZAVP_DM_MOUSE, CBRS_ALIGN_RIGHT));
    CZAVPSlider* pDefault = pFiles->GetDefaultSlider();
    const std::string before = Dump(Tree(pFiles));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pDefault->Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();

    // A new default slider of the same frame reads the record: a window again, the same tree
    // of the same panes, with new inner sliders.
    CZAVPSlider* pLoaded = new CZAVPSlider(TRUE, m_pFrame);
    {
        CMemFile in(pData, nBytes);
        CArchive ar(&in, CArchive::load);
        ASSERT_NO_THROW(pLoaded->Serialize(ar));
    }
    ASSERT_NE(nullptr, pLoaded->GetSafeHwnd());
    CZAVPContainerLayout* pTree = pLoaded->GetContainerManager();
    ASSERT_NE(nullptr, pTree);
    EXPECT_EQ(3, pTree->GetControlBars().GetCount());
    EXPECT_EQ(pFiles, pTree->GetControlBars().GetHead());
    EXPECT_EQ(pOutput, pTree->GetControlBars().GetTail());
    EXPECT_EQ(3, pTree->GetNodeCount());
    EXPECT_EQ(2, pTree->GetSliders().GetCount());
    HDWP hdwp = nullptr;
    CRect rectArea;
    Tree(pFiles)->GetWindowRect(rectArea);
    pTree->ResizeContainers(rectArea, hdwp);
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    // The same panes in the same nodes; the loaded nodes have no room yet, so the panes' stored
    // shares divide it: Files had 146 of 300 (48 %), so the lower side's 52 % give
    // 300 - 300 * 52 / 100 = 144; Output had 60 of 196 across (32 %): 200 - 200 * 32 / 100 = 136.
    const DockLayout::ContainerSnapshot a = Tree(pFiles)->Snapshot();
    const DockLayout::ContainerSnapshot b = pTree->Snapshot();
    ASSERT_EQ(a.nodes.size(), b.nodes.size());
    for (size_t i = 0; i < a.nodes.size(); ++i) {
        EXPECT_EQ(a.nodes[i].first.barId, b.nodes[i].first.barId);
        EXPECT_EQ(a.nodes[i].second.barId, b.nodes[i].second.barId);
        EXPECT_EQ(a.nodes[i].horizontalSlider, b.nodes[i].horizontalSlider);
    }
    EXPECT_EQ("0,0,200,144", Text(InFrame(pFiles)));
    EXPECT_EQ("0,148,136,300", Text(InFrame(pSearch)));
    EXPECT_EQ("140,148,200,300", Text(InFrame(pOutput)));
    pLoaded->DestroyWindow();
    free(pData);
    (void)before;
}

TEST_F(DockingPaneTest, DamagedContainerRecordsLeaveNothingBehind)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pFiles->GetDefaultSlider()->Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = (UINT)file.GetLength();
    BYTE* pData = file.Detach();
    const int nWindowsBefore = [&] {
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            ++n;
        return n;
    }();
    // Cut at every length: each read fails with an archive exception, never a crash, and no
    // slider window is left behind.
    for (UINT nCut = 0; nCut < nBytes; ++nCut) {
        CZAVPSlider* pLoaded = new CZAVPSlider(TRUE, m_pFrame);
        bool bThrew = false;
        try {
            CMemFile in(pData, nCut);
            CArchive ar(&in, CArchive::load);
            pLoaded->Serialize(ar);
        } catch (CException* e) {
            e->Delete();
            bThrew = true;
        }
        EXPECT_TRUE(bThrew) << nCut;
        if (pLoaded->GetSafeHwnd() != nullptr)
            pLoaded->DestroyWindow();
        else
            delete pLoaded;
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->GetSafeHwnd(), GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            ++n;
        EXPECT_EQ(nWindowsBefore, n) << nCut;
    }
    free(pData);
}

TEST_F(DockingPaneTest, OnlyOneStripOfARowIsActive)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPAutoHideToolBar* pStripSearch = pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr,
                                                                  FALSE);
    CZAVPAutoHideToolBar* pStripFiles = pFiles->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr,
                                                                FALSE);
    ASSERT_NE(nullptr, pStripSearch);
    ASSERT_NE(nullptr, pStripFiles);
    ASSERT_NE(pStripSearch, pStripFiles);
    // Two strips one after the other along the left edge, 2 px apart.
    CRect rectSearch, rectFiles;
    pStripSearch->GetWindowRect(rectSearch);
    pStripFiles->GetWindowRect(rectFiles);
    EXPECT_EQ(rectSearch.bottom + CZAVPAutoHideDockBar::kStripGap, rectFiles.top);
    EXPECT_EQ(rectSearch.left, rectFiles.left);

    pSearch->GetAutoHideButton()->ShowAttachedWindow(TRUE);
    EXPECT_TRUE(pStripSearch->IsActiveStrip());
    EXPECT_FALSE(pStripFiles->IsActiveStrip());
    pFiles->GetAutoHideButton()->ShowAttachedWindow(TRUE);
    EXPECT_TRUE(pStripFiles->IsActiveStrip());
    EXPECT_FALSE(pStripSearch->IsActiveStrip());
    // Both slide out over the frame.
    EXPECT_TRUE(PumpUntil([&] { return !pSearch->IsSliding() && !pFiles->IsSliding(); }));
    EXPECT_TRUE(pFiles->IsWindowVisible());
}

TEST_F(DockingPaneTest, BesideAnIconOnlyTheActiveStripOfARowShowsItsText)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    const HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    pFiles->SetIcon(hIcon, FALSE);
    pSearch->SetIcon(hIcon, FALSE);
    ASSERT_EQ(hIcon, pFiles->GetIcon(FALSE));
    CZAVPAutoHideToolBar* pStripSearch = pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr,
                                                                  FALSE);
    CZAVPAutoHideToolBar* pStripFiles = pFiles->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr,
                                                                FALSE);
    ASSERT_TRUE(pStripSearch != nullptr && pStripFiles != nullptr);
    CZAVPAutoHideButton* pButtonSearch = pSearch->GetAutoHideButton();
    CZAVPAutoHideButton* pButtonFiles = pFiles->GetAutoHideButton();
    // No strip of the row is active yet: both labels show.
    EXPECT_TRUE(pButtonSearch->IsTextShown());
    EXPECT_TRUE(pButtonFiles->IsTextShown());
    CRect rectSearch, rectFiles;
    pStripSearch->GetWindowRect(rectSearch);
    pStripFiles->GetWindowRect(rectFiles);

    // Search slides out: its strip keeps its label, Files' strip shrinks to its icon along the
    // side, keeps its thickness and still follows Search's strip.
    pButtonSearch->ShowAttachedWindow(TRUE);
    EXPECT_TRUE(pButtonSearch->IsTextShown());
    EXPECT_FALSE(pButtonFiles->IsTextShown());
    CRect rectSearchNow, rectFilesNow;
    pStripSearch->GetWindowRect(rectSearchNow);
    pStripFiles->GetWindowRect(rectFilesNow);
    EXPECT_EQ(Text(rectSearch), Text(rectSearchNow));
    EXPECT_LT(rectFilesNow.Height(), rectFiles.Height());
    EXPECT_EQ(rectFiles.Width(), rectFilesNow.Width());
    EXPECT_EQ(rectSearchNow.bottom + CZAVPAutoHideDockBar::kStripGap, rectFilesNow.top);

    // The other way round once Files slides out.
    pButtonFiles->ShowAttachedWindow(TRUE);
    EXPECT_FALSE(pButtonSearch->IsTextShown());
    EXPECT_TRUE(pButtonFiles->IsTextShown());
    pStripFiles->GetWindowRect(rectFilesNow);
    EXPECT_EQ(rectFiles.Height(), rectFilesNow.Height());
    EXPECT_TRUE(PumpUntil([&] { return !pSearch->IsSliding() && !pFiles->IsSliding(); }));
}

TEST_F(DockingPaneTest, CtrlPinSendsTheWholeSideToItsStripsAndBringsItBack)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    const HWND hSlider = pFiles->GetDefaultSliderWnd();
    ::keybd_event(VK_CONTROL, 0, 0, 0);
    const bool bCtrl = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    if (bCtrl) ClickCaptionButton(pSearch, DockLayout::kHitPin);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    if (!bCtrl) GTEST_SKIP() << "the key state cannot be set here";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(pFiles->IsAutoHideMode());
    EXPECT_TRUE(pSearch->IsAutoHideMode());
    EXPECT_FALSE(::IsWindow(hSlider));  // the side's tree went with its last pane

    ::keybd_event(VK_CONTROL, 0, 0, 0);
    pSearch->Slide(TRUE, FALSE);
    ClickCaptionButton(pSearch, DockLayout::kHitPin);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_FALSE(pFiles->IsAutoHideMode());
    EXPECT_FALSE(pSearch->IsAutoHideMode());
    ASSERT_NE(nullptr, Tree(pFiles));
    EXPECT_EQ(Tree(pFiles), Tree(pSearch));
    EXPECT_EQ("", Broken(Tree(pFiles))) << Dump(Tree(pFiles));
}

TEST_F(DockingPaneTest, AStripLeavingAutoHideTakesTheStripsOfItsRowAlong)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    ASSERT_NE(nullptr, pFiles->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    CZAVPAutoHideToolBar* pSearchStrip = pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr,
                                                                  FALSE);
    ASSERT_NE(nullptr, pSearchStrip);
    CZAVPAutoHideDockBar* pDockBar = Manager().FindAutoHideDockBar(CBRS_ALIGN_LEFT);
    ASSERT_NE(nullptr, pDockBar);
    // Both strips stand on the left side's one row.
    ASSERT_EQ(pDockBar, pSearchStrip->GetAutoHideDockBar());
    ASSERT_EQ(pDockBar, pFiles->GetAutoHideToolBar()->GetAutoHideDockBar());

    // Search's strip leaves: Files' strip, first in the row, leaves with it; Files docks as it
    // was and Search beside it, in one tree.
    pDockBar->UnSetAutoHideMode(pSearchStrip);
    EXPECT_FALSE(pFiles->IsAutoHideMode());
    EXPECT_FALSE(pSearch->IsAutoHideMode());
    ASSERT_NE(nullptr, Tree(pFiles));
    EXPECT_EQ(Tree(pFiles), Tree(pSearch));
    EXPECT_EQ("", Broken(Tree(pFiles))) << Dump(Tree(pFiles));
    EXPECT_TRUE(pDockBar->GetControlBarList().IsEmpty());
}

TEST_F(DockingPaneTest, DraggingAnAutoHidePanesSliderResizesThePane)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    ASSERT_NE(nullptr, pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    pSearch->Slide(TRUE, FALSE);
    ASSERT_TRUE(pSearch->IsWindowVisible());
    const CRect rectShown = InFrame(pSearch);
    CZAVPSlider* pSlider = pSearch->GetDefaultSlider();
    EXPECT_EQ(rectShown.right, InFrame(pSlider).left);

    CRect rectSlider;
    pSlider->GetWindowRect(rectSlider);
    MouseAtScreen(pSlider, WM_LBUTTONDOWN, rectSlider.CenterPoint());
    MouseAtScreen(pSlider, WM_MOUSEMOVE, rectSlider.CenterPoint() + CPoint(30, 0));
    MouseAtScreen(pSlider, WM_LBUTTONUP, rectSlider.CenterPoint() + CPoint(30, 0));
    EXPECT_EQ(rectShown.Width() + 30, InFrame(pSearch).Width());
    EXPECT_EQ(rectShown.left, InFrame(pSearch).left);
    EXPECT_EQ(InFrame(pSearch).right, InFrame(pSlider).left);
    // Slid in and out again, it keeps the new width.
    pSearch->Slide(FALSE, FALSE);
    EXPECT_FALSE(pSearch->IsWindowVisible());
    pSearch->Slide(TRUE, FALSE);
    EXPECT_EQ(rectShown.Width() + 30, InFrame(pSearch).Width());
}

TEST_F(DockingPaneTest, ASlidOutPaneFollowsTheFramesNewSize)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    ASSERT_NE(nullptr, pSearch->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    pSearch->Slide(TRUE, FALSE);
    ASSERT_EQ(300, InFrame(pSearch).bottom);
    CRect rectWnd;
    m_pFrame->GetWindowRect(rectWnd);
    m_pFrame->SetWindowPos(nullptr, 0, 0, rectWnd.Width(), rectWnd.Height() + 50,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(350, InFrame(pSearch).bottom);
    EXPECT_EQ(350, InFrame(pSearch->GetDefaultSlider()).bottom);
}
