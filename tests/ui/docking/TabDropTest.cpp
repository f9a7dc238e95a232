// Floating frames dropped onto docked panes as tabs, by the mouse: the drop on a pane's caption
// or on a group's tabs makes the frame's pane a tab there; while the outline drag is over such a
// place the target shows a temporary tab (a group) or a tab-shaped outline (another pane), and
// the outline keeps where the drag ended for the frame to read. A stored floating frame whose
// pane became a tab since takes it back out of its group.
#include <shlwapi.h>

#include <algorithm>

#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDragOutline.h"
#include "ui/docking/CZAVPGlobalDockingBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"

using namespace PaneTests;

namespace
{
const char kTabDropRoot[] = "Software\\LornivalTabDropTests";
const char kTabDropProfile[] = "Software\\LornivalTabDropTests\\Bars\\";

CZAVPBaseTabbedBar* GroupOf(CWnd* pPane)
{
    for (CWnd* pWnd = pPane ? pPane->GetParent() : nullptr; pWnd != nullptr;
         pWnd = pWnd->GetParent())
        if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
            return static_cast<CZAVPBaseTabbedBar*>(pWnd);
    return nullptr;
}

// Every tab of the group holds a window that is still the tab window's child: an empty text
// when all do, else the tabs that point elsewhere.
std::string StrayTabs(CZAVPBaseTabbedBar* pGroup)
{
    std::string text;
    CZAVPBaseTabWnd* pTabs = pGroup->GetTabWnd();
    for (int i = 0; i < pTabs->GetTabsNum(); ++i) {
        CWnd* pWnd = pTabs->GetTabWnd(i);
        if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()) ||
            ::GetParent(pWnd->GetSafeHwnd()) != pTabs->GetSafeHwnd())
            text += "tab " + std::to_string(i) + " ";
    }
    return text;
}

CPoint CaptionOfFrame(CZAVPMiniFrameWnd* pMiniFrame)
{
    CRect rectCaption, rectWindow;
    pMiniFrame->GetCaptionRect(rectCaption);
    pMiniFrame->GetWindowRect(rectWindow);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    return CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y);
}

CPoint CaptionOfPane(CZAVPDockingControlBar* pPane)
{
    CRect rectWindow;
    pPane->GetWindowRect(rectWindow);
    return rectWindow.TopLeft() + pPane->GetCaptionRect().CenterPoint();
}

CPoint TabsOfGroup(CZAVPBaseTabbedBar* pGroup)
{
    CRect rectTop, rectBottom;
    pGroup->GetTabArea(rectTop, rectBottom);
    const CRect& rect = rectBottom.IsRectEmpty() ? rectTop : rectBottom;
    // Right of the tabs, still in the strip.
    return CPoint(rect.right - 20, rect.CenterPoint().y);
}

class TabDropTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kTabDropRoot);
        DockingPaneTest::SetUp();
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        DockingPaneTest::TearDown();
        PumpFor(10);
        SHDeleteKeyA(HKEY_CURRENT_USER, kTabDropRoot);
    }

    // A captioned pane docked on the left; with bMulti it floats in frames of several panes.
    TestPane* DockedPane(const char* name, UINT nID, BOOL bMulti = TRUE)
    {
        TestPane* pPane = nullptr;
        if (bMulti) {
            pPane = MakePane(name, nID, CSize(200, 300));
        } else {
            auto pane = std::make_unique<TestPane>(CSize(50, 50));
            EXPECT_TRUE(pane->Create(name, m_pFrame, CRect(0, 0, 200, 300), TRUE, nID,
                                     WS_CHILD | WS_VISIBLE | CBRS_LEFT));
            pane->EnableDocking(CBRS_ALIGN_ANY);
            m_panes.push_back(std::move(pane));
            pPane = m_panes.back().get();
        }
        m_pFrame->DockControlBar(pPane);
        return pPane;
    }
    // Files and Output as the two tabs of one group, docked on the left.
    CZAVPBaseTabbedBar* FilesAndOutput(TestPane*& pFiles, TestPane*& pOutput)
    {
        pFiles = DockedPane("Files", 101);
        pOutput = DockedPane("Output", 103);
        CZAVPDockingControlBar* pGroup = nullptr;
        pOutput->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pGroup);
        m_pFrame->RecalcLayout();
        return static_cast<CZAVPBaseTabbedBar*>(pGroup);
    }
    // The pane floating in the frame's empty middle.
    CZAVPMiniFrameWnd* FloatAway(TestPane* pPane)
    {
        CPoint pt(330, 60);
        m_pFrame->ClientToScreen(&pt);
        EXPECT_TRUE(pPane->FloatControlBar(CRect(pt, CSize(180, 150)), ZAVP_DM_DBL_CLICK, TRUE));
        return pPane->GetParentMiniFrame(TRUE);
    }
    // Pressed on the frame's caption and pulled past the drag threshold, away from every pane.
    void StartDrag(CZAVPMiniFrameWnd* pMiniFrame)
    {
        const CPoint pt = CaptionOfFrame(pMiniFrame);
        MouseAtScreen(pMiniFrame, WM_LBUTTONDOWN, pt);
        MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, pt + CPoint(30, 40));
    }
};
}  // namespace

TEST_F(TabDropTest, AFrameDroppedOnADockedPanesCaptionOrTabsBecomesATabThere)
{
    struct Case
    {
        const char* what;
        BOOL bMulti;  // the dragged pane floats in a frame of several panes
        int nPlace;   // 0 a plain pane's caption, 1 a group's tabs, 2 a group's caption
    };
    const Case cases[] = {
        {"frame of panes onto a pane's caption", TRUE, 0},
        {"frame of panes onto a group's tabs", TRUE, 1},
        {"frame of panes onto a group's caption", TRUE, 2},
        {"frame of one bar onto a pane's caption", FALSE, 0},
        {"frame of one bar onto a group's tabs", FALSE, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        TestPane *pFiles = nullptr, *pOutput = nullptr;
        CZAVPBaseTabbedBar* pGroup = nullptr;
        if (c.nPlace == 0)
            pFiles = DockedPane("Files", 101);
        else
            pGroup = FilesAndOutput(pFiles, pOutput);
        ASSERT_TRUE(c.nPlace == 0 || pGroup != nullptr);
        TestPane* pSearch = DockedPane("Search", 102, c.bMulti);
        CZAVPMiniFrameWnd* pMiniFrame = FloatAway(pSearch);
        ASSERT_NE(nullptr, pMiniFrame);
        ASSERT_EQ(c.bMulti, pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
        m_pFrame->RecalcLayout();

        const CPoint ptDrop = c.nPlace == 0   ? CaptionOfPane(pFiles)
                              : c.nPlace == 1 ? TabsOfGroup(pGroup)
                                              : CaptionOfPane(pGroup);
        const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
        StartDrag(pMiniFrame);
        MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptDrop);
        MouseAtScreen(pMiniFrame, WM_LBUTTONUP, ptDrop);
        PumpFor(20);

        EXPECT_FALSE(::IsWindow(hMiniFrame));
        EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
        ASSERT_TRUE(pSearch->IsTabbed());
        CZAVPBaseTabbedBar* pJoined = GroupOf(pSearch);
        ASSERT_NE(nullptr, pJoined);
        EXPECT_EQ(pJoined, GroupOf(pFiles));
        EXPECT_EQ(c.nPlace == 0 ? 2 : 3, pJoined->GetTabsNum());
        if (pGroup != nullptr) {
            EXPECT_EQ(pGroup, pJoined);
        }
        EXPECT_EQ("", StrayTabs(pJoined));
        // The group is docked where the target was.
        EXPECT_EQ(nullptr, pJoined->GetParentMiniFrame(TRUE));
        EXPECT_EQ(std::string(), BrokenDocking());
    }
}

TEST_F(TabDropTest, TheOutlineShowsATemporaryTabOrATabShapeAndKeepsWhereItEnded)
{
    TestPane *pFiles = nullptr, *pOutput = nullptr;
    CZAVPBaseTabbedBar* pGroup = FilesAndOutput(pFiles, pOutput);
    ASSERT_NE(nullptr, pGroup);
    TestPane* pNotes = MakePane("Notes", 104, CSize(150, 300), CBRS_RIGHT);
    m_pFrame->DockControlBar(pNotes, 0xE81D);
    TestPane* pSearch = DockedPane("Search", 102);
    CZAVPMiniFrameWnd* pMiniFrame = FloatAway(pSearch);
    ASSERT_NE(nullptr, pMiniFrame);
    m_pFrame->RecalcLayout();
    CZAVPBaseTabWnd* pTabs = pGroup->GetTabWnd();
    const CZAVPDragOutline& outline = pMiniFrame->GetDragOutline();

    StartDrag(pMiniFrame);
    ASSERT_TRUE(outline.IsActive());
    EXPECT_EQ(-1, outline.GetTemporaryTab());

    // Over the group's tabs: a third tab titled after the dragged pane, held by the one hidden
    // docking bar, a child of the main frame.
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, TabsOfGroup(pGroup));
    CZAVPGlobalDockingBar& globalBar = CZAVPGlobalDockingBar::Instance();
    ASSERT_NE(nullptr, globalBar.GetSafeHwnd());
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetParent(globalBar.GetSafeHwnd()));
    EXPECT_FALSE(globalBar.IsWindowVisible());
    ASSERT_EQ(3, pTabs->GetTabsNum());
    EXPECT_EQ(&globalBar, pTabs->GetTabWnd(2));
    CString strLabel;
    pTabs->GetTabLabel(2, strLabel);
    EXPECT_STREQ("Search", strLabel);
    EXPECT_EQ(2, outline.GetTemporaryTab());
    EXPECT_FALSE(outline.IsTabOutlineShown());
    // The tab in front stays in front.
    EXPECT_NE(2, pTabs->GetActiveTab());

    // Over another pane's caption: the temporary tab goes, a tab-shaped outline shows.
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, CaptionOfPane(pNotes));
    EXPECT_EQ(2, pTabs->GetTabsNum());
    EXPECT_EQ(-1, pTabs->GetTabFromHwnd(globalBar.GetSafeHwnd()));
    EXPECT_EQ(-1, outline.GetTemporaryTab());
    EXPECT_TRUE(outline.IsTabOutlineShown());

    // Away from both: a plain outline again.
    CPoint ptAway(330, 250);
    m_pFrame->ClientToScreen(&ptAway);
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptAway);
    EXPECT_FALSE(outline.IsTabOutlineShown());
    EXPECT_EQ(2, pTabs->GetTabsNum());

    // Cancelled over the group's caption: the tab goes with the drag, the outline remembers
    // the group as its last target and that it ended on a tab; nothing docked.
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, CaptionOfPane(pGroup));
    EXPECT_EQ(3, pTabs->GetTabsNum());
    pMiniFrame->SendMessage(WM_CHAR, VK_ESCAPE, 0);
    EXPECT_FALSE(pMiniFrame->IsMoving());
    EXPECT_FALSE(outline.IsActive());
    EXPECT_EQ(2, pTabs->GetTabsNum());
    EXPECT_EQ(-1, pTabs->GetTabFromHwnd(globalBar.GetSafeHwnd()));
    EXPECT_EQ(pGroup, outline.GetLastTarget());
    EXPECT_TRUE(outline.IsEndedOnTab());
    EXPECT_EQ(pMiniFrame, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_TRUE(::IsWindow(globalBar.GetSafeHwnd()));

    // A drag that ends away from every pane keeps no target and no tab.
    StartDrag(pMiniFrame);
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptAway);
    MouseAtScreen(pMiniFrame, WM_LBUTTONUP, ptAway);
    EXPECT_EQ(nullptr, outline.GetLastTarget());
    EXPECT_FALSE(outline.IsEndedOnTab());
    EXPECT_EQ(pMiniFrame, pSearch->GetParentMiniFrame(TRUE));
}

TEST(TabOutline, PartsFollowTheBarAndLeaveTheTabOpen)
{
    // A bar 200 x 120 at (10, 20), tabs 20 high, lines 3 wide.
    const CZAVPDragOutline::TabOutline parts = CZAVPDragOutline::TabOutlineParts(
        CRect(10, 20, 210, 140), 20, 3);
    EXPECT_EQ("10,20,210,120", Text(parts.rectBody));
    EXPECT_EQ("20,120,60,140", Text(parts.rectTab));
    EXPECT_EQ("23,117,57,123", Text(parts.rectOpening));
    // A narrow bar: the tab ends 4 + 3 px inside its right edge (10 + 50 would pass it).
    const CZAVPDragOutline::TabOutline narrow = CZAVPDragOutline::TabOutlineParts(
        CRect(10, 20, 60, 140), 20, 3);
    EXPECT_EQ("20,120,53,140", Text(narrow.rectTab));
    // Too low for a band: the bar's rectangle alone.
    const CZAVPDragOutline::TabOutline flat = CZAVPDragOutline::TabOutlineParts(
        CRect(10, 20, 210, 42), 20, 3);
    EXPECT_EQ("10,20,210,42", Text(flat.rectBody));
    EXPECT_TRUE(::IsRectEmpty(&flat.rectTab));
    EXPECT_TRUE(::IsRectEmpty(&flat.rectOpening));
}

TEST_F(TabDropTest, HeldCtrlShowsNoTabAndTheDropFollowsWhatWasShown)
{
    for (const BOOL bMulti : {TRUE, FALSE}) {
        SCOPED_TRACE(bMulti ? "frame of panes" : "frame of one bar");
        TearDown();
        SetUp();
        TestPane* pFiles = DockedPane("Files", 101);
        TestPane* pSearch = DockedPane("Search", 102, bMulti);
        CZAVPMiniFrameWnd* pMiniFrame = FloatAway(pSearch);
        ASSERT_NE(nullptr, pMiniFrame);
        m_pFrame->RecalcLayout();
        const CZAVPDragOutline& outline = pMiniFrame->GetDragOutline();
        const CPoint ptCaption = CaptionOfPane(pFiles);
        {
            // Ctrl is read for the move and the release alike: no tab shows, none is made.
            BYTE saved[256], keys[256];
            ::GetKeyboardState(saved);
            std::copy(saved, saved + 256, keys);
            keys[VK_CONTROL] = 0x80;
            ::SetKeyboardState(keys);
            StartDrag(pMiniFrame);
            MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptCaption);
            EXPECT_FALSE(outline.IsTabOutlineShown());
            EXPECT_EQ(DockLayout::DropKind::None, pMiniFrame->GetDrag().GetShownKind());
            MouseAtScreen(pMiniFrame, WM_LBUTTONUP, ptCaption);
            ::SetKeyboardState(saved);
        }
        PumpFor(20);
        EXPECT_FALSE(pSearch->IsTabbed());
        EXPECT_EQ(pMiniFrame, pSearch->GetParentMiniFrame(TRUE));
        // Without Ctrl the same drag shows the tab and the drop makes it.
        StartDrag(pMiniFrame);
        MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptCaption);
        EXPECT_TRUE(outline.IsTabOutlineShown());
        EXPECT_EQ(DockLayout::DropKind::AsTab, pMiniFrame->GetDrag().GetShownKind());
        EXPECT_EQ(pFiles, pMiniFrame->GetDrag().GetShownTarget());
        MouseAtScreen(pMiniFrame, WM_LBUTTONUP, ptCaption);
        PumpFor(20);
        EXPECT_TRUE(pSearch->IsTabbed());
        EXPECT_EQ(GroupOf(pFiles), GroupOf(pSearch));
        EXPECT_EQ(std::string(), BrokenDocking());
    }
}

TEST_F(TabDropTest, AStoredFloatingFrameTakesItsPaneBackOutOfTheGroupItJoinedSince)
{
    for (BOOL bMulti : {TRUE, FALSE}) {
        SCOPED_TRACE(bMulti ? "frame of panes" : "frame of one bar");
        TearDown();
        SetUp();
        TestPane* pFiles = DockedPane("Files", 101);
        TestPane* pSearch = DockedPane("Search", 102, bMulti);
        ASSERT_NE(nullptr, FloatAway(pSearch));
        ASSERT_TRUE(Manager().SaveState(kTabDropProfile, 0));

        // Since then Search went back and joined Files as a tab.
        pSearch->DockToRecentPos();
        CZAVPDockingControlBar* pGroupBar = nullptr;
        ASSERT_NE(nullptr, pSearch->AttachToTabbedBar(pFiles, ZAVP_DM_MOUSE, TRUE, pGroupBar));
        ASSERT_EQ(pGroupBar, GroupOf(pSearch));
        const HWND hGroup = pGroupBar->GetSafeHwnd();
        PumpFor(20);
        ASSERT_EQ(0, Manager().GetMiniFrames().GetCount());

        ASSERT_TRUE(Manager().LoadState(kTabDropProfile, 0));
        Manager().SetDockState();
        PumpFor(20);
        // Search floats again, shown, with its own title on the frame; its group no longer has
        // a tab for it, and no tab of any group points at a window it does not hold.
        EXPECT_FALSE(pSearch->IsTabbed());
        CZAVPMiniFrameWnd* pMiniFrame = pSearch->GetParentMiniFrame(TRUE);
        ASSERT_NE(nullptr, pMiniFrame);
        EXPECT_EQ(bMulti, pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
        EXPECT_TRUE(pMiniFrame->IsWindowVisible());
        EXPECT_TRUE(pSearch->IsWindowVisible());
        EXPECT_STREQ("Search", pMiniFrame->GetCaptionText());
        EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
        if (CZAVPBaseTabbedBar* pLeft = GroupOf(pFiles)) {
            EXPECT_EQ(-1, pLeft->GetTabWnd()->GetTabFromHwnd(pSearch->GetSafeHwnd()));
            EXPECT_EQ("", StrayTabs(pLeft));
        }
        // The group it joined, wherever the layout left it.
        CWnd* pOld = ::IsWindow(hGroup) ? CWnd::FromHandlePermanent(hGroup) : nullptr;
        if (pOld != nullptr && pOld->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
            CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pOld);
            EXPECT_EQ(-1, pGroup->GetTabWnd()->GetTabFromHwnd(pSearch->GetSafeHwnd()));
            EXPECT_EQ("", StrayTabs(pGroup));
        }
        EXPECT_TRUE(pFiles->IsWindowVisible());
    }
}
