// Tabbed panes in a library frame under the null driver: the workspace kind of pane docked on the
// frame's left with one tab, groups made when a pane joins another, tabs removed down to the last
// (which takes the group away), two groups merged, and the group's stored state.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "UpperLayerFakes.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"
#include "ui/docking/layout/TabWindowRecord.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

namespace
{
// "Поиск" in the ANSI code page.
const char kSearch[] = "\xCF\xEE\xE8\xF1\xEA";
// "Избранное" in the ANSI code page.
const char kFavourites[] = "\xC8\xE7\xE1\xF0\xE0\xED\xED\xEE\xE5";
// "Файлы" in the ANSI code page.
const char kFiles[] = "\xD4\xE0\xE9\xEB\xFB";
// "По категориям" in the ANSI code page.
const char kByCategory[] = "\xCF\xEE \xEA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xFF\xEC";
// "Обзор" in the ANSI code page.
const char kReview[] = "\xCE\xE1\xE7\xEE\xF0";
// "Папки" in the ANSI code page.
const char kFolders[] = "\xCF\xE0\xEF\xEA\xE8";
const int kClientWidth = 600;
const int kClientHeight = 400;
const DWORD kPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                         CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT | CBRS_FLOAT_MULTI;

// A pane that notes each SaveState asked of it, and may fail it.
class CountingPane : public CZAVPDockingControlBar
{
public:
    explicit CountingPane(std::vector<std::string>* pLog, BOOL bSaves = TRUE)
        : m_pLog(pLog), m_bSaves(bSaves)
    {
    }
    BOOL SaveState(LPCSTR, int, UINT) override
    {
        CString strText;
        GetWindowText(strText);
        m_pLog->push_back((LPCSTR)strText);
        return m_bSaves;
    }
    std::vector<std::string>* m_pLog;
    BOOL m_bSaves;
};

class TabbedBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new RecordingFrame;
        CRect rect(0, 0, kClientWidth, kClientHeight);
        ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        rect.OffsetRect(100 - rect.left, 100 - rect.top);
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect));
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
    }
    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }
    // A docking pane docked on the frame's left.
    template <class Pane = CZAVPDockingControlBar, class... Args>
    std::unique_ptr<Pane> MakePane(const char* lpszName, UINT nID, Args... args)
    {
        auto pane = std::make_unique<Pane>(args...);
        EXPECT_TRUE(pane->Create(lpszName, m_pFrame, CRect(0, 0, 150, 150), TRUE, nID, kPaneStyle));
        pane->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pane.get());
        return pane;
    }
    bool Listed(CObject* pBar) { return Manager().GetControlBars().Find(pBar) != nullptr; }
    static std::string Text(CWnd* pWnd)
    {
        CString strText;
        pWnd->GetWindowText(strText);
        return (LPCSTR)strText;
    }
    // The labels of a tab window's tabs, in order, hidden ones in brackets.
    static std::string Tabs(CZAVPBaseTabWnd* pTabs)
    {
        std::string text;
        for (int i = 0; i < pTabs->GetTabsNum(); ++i) {
            CString strLabel;
            pTabs->GetTabLabel(i, strLabel);
            if (!text.empty()) text += ",";
            text += pTabs->IsTabVisible(i) ? (LPCSTR)strLabel
                                           : "[" + std::string((LPCSTR)strLabel) + "]";
        }
        return text;
    }

    CWinApp m_app{"TabbedBarTests"};
    RecordingFrame* m_pFrame = nullptr;
};
}  // namespace

TEST_F(TabbedBarTest, WorkspaceKindOfPaneDocksLeftWithOneTabFillingIt)
{
    CZAVPTabbedControlBar bar;
    ASSERT_TRUE(bar.Create(kReview, m_pFrame, CRect(0, 0, 200, 200), TRUE, 0xE900 + 1, kPaneStyle,
                           ZAVP_CBRS_REGULAR_TABS, ZAVP_CBRS_DOCKING_DEFAULT));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar);
    CWnd tree;
    ASSERT_TRUE(tree.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                              bar.GetSafeHwnd(), (HMENU)(UINT_PTR)0x1234));
    tree.SetWindowText(kByCategory);
    EXPECT_TRUE(bar.AddTab(&tree, TRUE, TRUE, FALSE));
    bar.ShowControlBar(TRUE, FALSE, TRUE);
    m_pFrame->RecalcLayout();

    EXPECT_EQ(CBRS_ALIGN_LEFT, bar.GetCurrentAlignment());
    EXPECT_TRUE(bar.IsVisible());
    CRect rectBar, rectClient;
    bar.GetWindowRect(rectBar);
    m_pFrame->ScreenToClient(rectBar);
    m_pFrame->GetClientRect(rectClient);
    EXPECT_EQ(0, rectBar.left);
    EXPECT_GT(rectBar.Width(), 0);
    EXPECT_EQ(rectClient.Height(), rectBar.Height());

    // One tab: no tab row, the window fills the tab window; the caption is the tab's label.
    CZAVPTabWnd* pTabs = bar.GetTabWnd();
    ASSERT_NE(nullptr, pTabs);
    EXPECT_EQ(1, bar.GetTabsNum());
    EXPECT_TRUE(bar.IsHideSingleTab());
    EXPECT_EQ(0, pTabs->GetTabsHeight());
    EXPECT_EQ(&tree, pTabs->GetTabWndNoWrapper(0));
    // The plain window went into a wrapper pane, a child of the tab window.
    EXPECT_EQ(pTabs->GetSafeHwnd(), ::GetParent(::GetParent(tree.GetSafeHwnd())));
    EXPECT_FALSE(pTabs->IsTabDetachable(0));
    CRect rectTree, rectTabs;
    tree.GetWindowRect(rectTree);
    pTabs->GetWindowRect(rectTabs);
    EXPECT_TRUE(rectTabs.PtInRect(rectTree.CenterPoint()));
    EXPECT_GT(rectTree.Width() * 2, rectTabs.Width());
    EXPECT_EQ(kByCategory, Text(&bar));

    // Its only tab cannot float; a bar that is not a tab is refused.
    EXPECT_FALSE(bar.FloatTab(&tree, 0, ZAVP_DM_MOUSE, FALSE));
    EXPECT_FALSE(bar.ShowTab(m_pFrame, FALSE));
    EXPECT_FALSE(bar.RemoveTab(m_pFrame));
    bar.DestroyWindow();
}

TEST_F(TabbedBarTest, PaneJoiningAnotherMakesAGroupInItsPlaceAndTheLastRemovalDestroysIt)
{
    auto paneA = MakePane(kFolders, 301);
    auto paneB = MakePane(kFiles, 302);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    CZAVPDockingControlBar* pResult = paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE,
                                                               pGroupBar);
    EXPECT_EQ(paneB.get(), pResult);
    ASSERT_NE(nullptr, pGroupBar);
    ASSERT_TRUE(pGroupBar->IsKindOf(RUNTIME_CLASS(CZAVPTabbedControlBar)));
    CZAVPTabbedControlBar* pGroup = static_cast<CZAVPTabbedControlBar*>(pGroupBar);
    HWND hGroup = pGroup->GetSafeHwnd();
    EXPECT_EQ(std::string(kFolders) + "," + kFiles, Tabs(pGroup->GetTabWnd()));
    EXPECT_TRUE(Listed(pGroup));
    EXPECT_FALSE(Listed(paneA.get()));
    EXPECT_FALSE(Listed(paneB.get()));
    EXPECT_TRUE(paneA->IsTabbed());
    EXPECT_TRUE(paneB->IsTabbed());
    EXPECT_EQ(CBRS_ALIGN_LEFT, pGroup->GetCurrentAlignment());
    EXPECT_EQ(kFiles, Text(pGroup));  // the caption follows the active tab
    // Both tabs count as visible; only the active tab's window is shown.
    EXPECT_TRUE(paneA->IsVisible());
    EXPECT_TRUE(paneB->IsVisible());
    EXPECT_TRUE(paneB->IsWindowVisible());
    EXPECT_FALSE(paneA->IsWindowVisible());

    // Switching tabs: the caption follows.
    pGroup->GetTabWnd()->SetActiveTab(0);
    EXPECT_EQ(kFolders, Text(pGroup));

    // A pane renamed while it is a tab renames its tab.
    paneB->SetWindowText(kSearch);
    EXPECT_EQ(std::string(kFolders) + "," + kSearch, Tabs(pGroup->GetTabWnd()));
    paneB->SetWindowText(kFiles);
    EXPECT_EQ(std::string(kFolders) + "," + kFiles, Tabs(pGroup->GetTabWnd()));

    // A pane hidden by itself hides its tab; shown again, the tab comes back.
    EXPECT_TRUE(paneB->ShowControlBar(FALSE, FALSE, FALSE));
    EXPECT_FALSE(pGroup->GetTabWnd()->IsTabVisible(1));
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_TRUE(paneB->ShowControlBar(TRUE, FALSE, FALSE));
    EXPECT_TRUE(pGroup->GetTabWnd()->IsTabVisible(1));

    // Hiding one pane hides its tab; hiding the other too hides the group.
    EXPECT_TRUE(pGroup->ShowControlBar(paneA.get(), FALSE, FALSE, FALSE));
    EXPECT_TRUE(pGroup->IsVisible());
    EXPECT_FALSE(paneA->IsVisible());
    EXPECT_TRUE(pGroup->ShowControlBar(paneB.get(), FALSE, FALSE, FALSE));
    EXPECT_FALSE(pGroup->IsWindowVisible());
    EXPECT_TRUE(pGroup->ShowControlBar(paneA.get(), TRUE, FALSE, TRUE));
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_TRUE(paneA->IsVisible());

    // Removing the tabs: the last removal takes the group away.
    EXPECT_TRUE(pGroup->RemoveTab(paneB.get()));
    EXPECT_EQ(1, pGroup->GetTabsNum());
    EXPECT_FALSE(pGroup->RemoveTab(paneA.get()));
    EXPECT_FALSE(::IsWindow(hGroup));
    EXPECT_FALSE(Listed(pGroupBar));
}

TEST_F(TabbedBarTest, MergingGroupsMovesEveryTabWithItsFlagsAndKeepsTheWindows)
{
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    auto paneC = MakePane("C", 303);
    auto paneD = MakePane("D", 304);
    CZAVPDockingControlBar* pFirst = nullptr;
    CZAVPDockingControlBar* pSecond = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pFirst);
    paneD->AttachToTabbedBar(paneC.get(), ZAVP_DM_MOUSE, TRUE, pSecond);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    CZAVPBaseTabbedBar* pTarget = static_cast<CZAVPBaseTabbedBar*>(pFirst);
    CZAVPBaseTabbedBar* pSource = static_cast<CZAVPBaseTabbedBar*>(pSecond);
    pSource->ShowTab(paneC.get(), FALSE);
    pSource->GetTabWnd()->EnableTabDetach(1, FALSE);
    HWND hSource = pSource->GetSafeHwnd();

    EXPECT_FALSE(pTarget->AddTab(pSource, TRUE, TRUE, TRUE));
    EXPECT_FALSE(::IsWindow(hSource));
    EXPECT_EQ("A,B,[C],D", Tabs(pTarget->GetTabWnd()));
    CZAVPBaseTabWnd* pTabs = pTarget->GetTabWnd();
    EXPECT_TRUE(pTabs->IsTabDetachable(0));
    EXPECT_FALSE(pTabs->IsTabDetachable(3));
    for (CZAVPDockingControlBar* pPane : {paneC.get(), paneD.get()}) {
        EXPECT_TRUE(::IsWindow(pPane->GetSafeHwnd()));
        EXPECT_EQ(pTabs->GetSafeHwnd(), ::GetParent(pPane->GetSafeHwnd()));
    }
    EXPECT_EQ(paneD.get(), pTarget->FindBarByID(304));
    EXPECT_EQ(paneD.get(), Manager().FindBarByID(304, FALSE));
    pTarget->DestroyWindow();
}

TEST_F(TabbedBarTest, SaveStateStopsAtTheFirstTabThatFailsAndTheRecordsRoundTrip)
{
    std::vector<std::string> log;
    auto paneA = MakePane<CountingPane>("A", 301, &log, TRUE);
    auto paneB = MakePane<CountingPane>("B", 302, &log, FALSE);
    auto paneC = MakePane<CountingPane>("C", 303, &log, TRUE);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    paneC->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pGroupBar);
    ASSERT_EQ(3, pGroup->GetTabsNum());
    EXPECT_FALSE(pGroup->SaveState("Software\\LornivalTabbedBarTests\\", -1, (UINT)-1));
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), log);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\LornivalTabbedBarTests");

    // The ids of the tabs' windows, then the group's own record with its auto-destroy flag.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pGroup->SaveSiblingBarIDs(ar);
        ar.Close();
    }
    file.SeekToBegin();
    std::vector<int> ids{7};
    {
        CArchive ar(&file, CArchive::load);
        pGroup->LoadSiblingBarIDs(ar, ids);
    }
    EXPECT_EQ((std::vector<int>{7, 301, 302, 303}), ids);
    EXPECT_TRUE(pGroup->IsAutoDestroy());  // made on the fly: it owns itself
    pGroup->DestroyWindow();
}

TEST_F(TabbedBarTest, DestroyedPaneTakesItsTabAlongAndAnEmptiedGroupClosesAfterwards)
{
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pGroupBar);
    HWND hGroup = pGroup->GetSafeHwnd();

    paneB->DestroyWindow();
    EXPECT_EQ("A", Tabs(pGroup->GetTabWnd()));
    EXPECT_EQ(paneA.get(), pGroup->GetTabWnd()->GetActiveWnd());
    paneA->DestroyWindow();
    EXPECT_EQ(0, pGroup->GetTabsNum());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindow(hGroup));
    EXPECT_FALSE(Listed(pGroupBar));
}

TEST_F(TabbedBarTest, FloatingGroupFloatsATabAndItsLastRemovalEmptiesTheMiniFrame)
{
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    auto paneC = MakePane("C", 303);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    paneC->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPTabbedControlBar* pGroup = static_cast<CZAVPTabbedControlBar*>(pGroupBar);
    ASSERT_TRUE(pGroup->FloatControlBar(CRect(200, 200, 400, 400), ZAVP_DM_UNKNOWN, TRUE));
    CZAVPMiniFrameWnd* pMiniFrame = pGroup->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pMiniFrame);
    HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    EXPECT_TRUE(pGroup->IsFloating());

    // A tab floats in a mini frame of its own; the others stay.
    const int iTabC = pGroup->GetTabWnd()->GetTabFromHwnd(paneC->GetSafeHwnd());
    ASSERT_TRUE(pGroup->FloatTab(paneC.get(), iTabC, ZAVP_DM_UNKNOWN, FALSE));
    EXPECT_FALSE(paneC->IsTabbed());
    EXPECT_TRUE(paneC->IsFloating());
    EXPECT_NE(nullptr, paneC->GetParentMiniFrame(TRUE));
    EXPECT_NE(pMiniFrame, paneC->GetParentMiniFrame(TRUE));
    EXPECT_EQ("A,B", Tabs(pGroup->GetTabWnd()));

    // Hidden and shown again while floating.
    EXPECT_TRUE(pGroup->ShowControlBar(paneA.get(), FALSE, FALSE, FALSE));
    EXPECT_TRUE(pGroup->ShowControlBar(paneB.get(), FALSE, FALSE, FALSE));
    EXPECT_FALSE(pGroup->IsWindowVisible());
    EXPECT_TRUE(pGroup->ShowControlBar(paneB.get(), TRUE, FALSE, TRUE));
    EXPECT_TRUE(pGroup->IsWindowVisible());

    // The last removal destroys the group and leaves its mini frame empty; it goes afterwards.
    const HWND hGroup = pGroup->GetSafeHwnd();
    EXPECT_TRUE(pGroup->RemoveTab(paneA.get()));
    EXPECT_FALSE(pGroup->RemoveTab(paneB.get()));
    EXPECT_FALSE(::IsWindow(hGroup));
    ASSERT_TRUE(::IsWindow(hMiniFrame));  // it decides on the posted check, not inside the call
    EXPECT_EQ(nullptr, pMiniFrame->GetHostedBarWnd());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    paneC->DestroyWindow();
}

TEST_F(TabbedBarTest, FixedPaneTabsComeBackFromTheStoredLayoutAndDamagedOnesChangeNothing)
{
    const char kProfile[] = "Software\\LornivalTabbedBarTests\\Layout\\";
    const UINT kFrameId = 128;
    CZAVPTabbedControlBar bar;
    ASSERT_TRUE(bar.Create(kReview, m_pFrame, CRect(0, 0, 200, 200), TRUE, 0xE901, kPaneStyle,
                           ZAVP_CBRS_REGULAR_TABS, ZAVP_CBRS_RESIZE | ZAVP_CBRS_CLOSE));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar);
    ASSERT_FALSE(bar.CanFloat());
    std::vector<std::unique_ptr<CZAVPDockingControlBar>> panes;
    const char* const names[] = {kByCategory, kSearch, kFavourites};
    for (UINT i = 0; i < 3; ++i) {
        panes.push_back(MakePane(names[i], 401 + i));
        bar.AddTab(panes.back().get(), TRUE, FALSE, TRUE);
    }
    CZAVPTabWnd* pTabs = bar.GetTabWnd();
    pTabs->MoveTab(2, 0);  // Избранное, По категориям, Поиск
    pTabs->SetActiveTab(2);
    pTabs->ShowTab(1, FALSE);
    const std::string saved = TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState());
    ASSERT_TRUE(Manager().SaveState(kProfile, kFrameId));

    // Rearranged afterwards, then the stored layout is loaded and applied.
    auto rearrange = [&] {
        pTabs->ShowTab(1, TRUE);
        pTabs->MoveTab(0, 2);
        pTabs->SetActiveTab(0);
    };
    rearrange();
    const std::string changed = TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState());
    ASSERT_NE(saved, changed);
    ASSERT_TRUE(Manager().LoadState(kProfile, kFrameId));
    EXPECT_EQ(changed, TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState()));  // not yet
    Manager().SetDockState();
    EXPECT_EQ(saved, TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState()));
    EXPECT_EQ(kSearch, Text(&bar));  // the caption follows the restored active tab

    // Damaged values: the layout stays as it is.
    const std::string key = std::string(kProfile) + "ZAVPDockManager-128";
    BYTE good[512] = {};
    DWORD nGood = sizeof good;
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders",
                                         nullptr, good, &nGood));
    std::vector<std::vector<BYTE>> damaged;
    for (DWORD n : {(DWORD)4, (DWORD)9, (DWORD)20, nGood - 13})
        damaged.emplace_back(good, good + n);  // truncated
    std::vector<BYTE> hugeCount(good, good + nGood);
    hugeCount[8] = 0xFF;  // the tab count of the first tabbed pane's record
    hugeCount[11] = 0x7F;
    damaged.push_back(hugeCount);
    std::vector<BYTE> unknownBar(good, good + nGood);
    unknownBar[4] = 0x55;  // a pane id this frame does not have
    damaged.push_back(unknownBar);
    rearrange();
    const std::string current = TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState());
    for (const std::vector<BYTE>& value : damaged) {
        SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders", REG_BINARY, value.data(),
                    (DWORD)value.size());
        EXPECT_FALSE(Manager().LoadState(kProfile, kFrameId)) << value.size();
        EXPECT_TRUE(Manager().IsLoadFailed());
        Manager().SetDockState();
        EXPECT_EQ(current, TabLayout::DumpTabWindowRecord(pTabs->GetCurrentState()));
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\LornivalTabbedBarTests");
    for (auto& pane : panes) pane->DestroyWindow();
    bar.DestroyWindow();
}

TEST_F(TabbedBarTest, DoubleClickOnATabDetachesItsPaneButNotTheLastOne)
{
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPTabbedControlBar* pGroup = static_cast<CZAVPTabbedControlBar*>(pGroupBar);
    m_pFrame->RecalcLayout();
    CZAVPTabWnd* pTabs = pGroup->GetTabWnd();
    ASSERT_GT(pTabs->GetTabsHeight(), 0);

    // B is active: a double click on its tab floats it.
    CRect rectTab;
    pTabs->GetTabRect(1, rectTab);
    const CPoint pt = rectTab.CenterPoint();
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("A", Tabs(pTabs));
    EXPECT_FALSE(paneB->IsTabbed());
    EXPECT_TRUE(paneB->IsFloating());

    // The last tab of a tabbed pane never floats out of it.
    pTabs->GetTabRect(0, rectTab);
    const CPoint ptLast = rectTab.IsRectEmpty() ? CPoint(1, 1) : rectTab.CenterPoint();
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptLast.x, ptLast.y));
    EXPECT_TRUE(paneA->IsTabbed());
    EXPECT_FALSE(pTabs->DetachTab(CZAVPBaseTabWnd::DETACH_BY_DBLCLICK, 0));
    paneB->DestroyWindow();
    pGroup->DestroyWindow();
}

TEST_F(TabbedBarTest, DraggingATabOutOfTheRowFloatsItsPaneWhoseFrameTakesTheDrag)
{
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    auto paneC = MakePane("C", 303);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPDockingControlBar* pSame = nullptr;
    paneC->AttachToTabbedBar(pGroupBar, ZAVP_DM_MOUSE, TRUE, pSame);
    CZAVPTabbedControlBar* pGroup = static_cast<CZAVPTabbedControlBar*>(pGroupBar);
    m_pFrame->RecalcLayout();
    CZAVPTabWnd* pTabs = pGroup->GetTabWnd();
    ASSERT_EQ("A,B,C", Tabs(pTabs));

    // The mouse as it goes: the cursor first, then the message at its point.
    auto mouse = [pTabs](UINT message, CPoint ptScreen) {
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        CPoint pt = ptScreen;
        pTabs->ScreenToClient(&pt);
        pTabs->SendMessage(message, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    auto tabCentre = [pTabs](int iTab) {
        CRect rect;
        pTabs->GetTabRect(iTab, rect);
        pTabs->ClientToScreen(rect);
        return rect.CenterPoint();
    };
    // Far from the tabs, to the right of the frame.
    CRect rectFrame;
    m_pFrame->GetWindowRect(rectFrame);
    const CPoint ptAway(rectFrame.right + 60, rectFrame.top + 120);
    // A press on a tab, a pull out of the row: the pane floats and its frame moves on with the
    // mouse; the tab window's own drag is over.
    auto pullOut = [&](int iTab, CZAVPDockingControlBar* pPane) {
        pTabs->SetActiveTab(iTab);
        mouse(WM_LBUTTONDOWN, tabCentre(iTab));
        ASSERT_TRUE(pTabs->IsDragging());
        mouse(WM_MOUSEMOVE, ptAway);
        EXPECT_TRUE(pPane->IsFloating());
        EXPECT_FALSE(pTabs->IsDragging());
        CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
        ASSERT_NE(nullptr, pMiniFrame);
        EXPECT_TRUE(pMiniFrame->IsMoving());
        pMiniFrame->SendMessage(WM_CANCELMODE);
        ::ReleaseCapture();
    };
    pullOut(2, paneC.get());
    EXPECT_EQ("A,B", Tabs(pTabs));
    pullOut(1, paneB.get());
    EXPECT_EQ("A", Tabs(pTabs));

    // The last tab never leaves its group.
    mouse(WM_LBUTTONDOWN, tabCentre(0));
    mouse(WM_MOUSEMOVE, ptAway);
    pTabs->SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(paneA->IsTabbed());
    ::SetCursorPos(0, 0);

    paneB->DestroyWindow();
    paneC->DestroyWindow();
    pGroup->DestroyWindow();
}

TEST_F(TabbedBarTest, TabbedPaneGoesIntoAutoHideWithAllItsTabsAndComesBack)
{
    ASSERT_TRUE(Manager().EnableAutoHideBars(CBRS_ALIGN_ANY));
    auto paneA = MakePane("A", 301);
    auto paneB = MakePane("B", 302);
    CZAVPDockingControlBar* pGroupBar = nullptr;
    paneB->AttachToTabbedBar(paneA.get(), ZAVP_DM_MOUSE, TRUE, pGroupBar);
    ASSERT_NE(nullptr, pGroupBar);
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pGroupBar);
    m_pFrame->RecalcLayout();

    EXPECT_NE(nullptr, pGroup->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    EXPECT_TRUE(pGroup->IsAutoHideMode());
    EXPECT_EQ("A,B", Tabs(pGroup->GetTabWnd()));
    EXPECT_TRUE(paneA->IsTabbed());
    EXPECT_TRUE(paneB->IsTabbed());
    EXPECT_EQ(nullptr, pGroup->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, nullptr, FALSE));
    EXPECT_FALSE(pGroup->IsAutoHideMode());
    EXPECT_EQ("A,B", Tabs(pGroup->GetTabWnd()));
    EXPECT_TRUE(pGroup->IsWindowVisible());
    pGroup->DestroyWindow();
}

TEST_F(TabbedBarTest, AFloatingTabbedBarWithoutAnIdAndWithoutTabsIsNoLongerItsFramesBar)
{
    const DWORD dwStyle = kPaneStyle & ~CBRS_FLOAT_MULTI;
    for (UINT nID : {(UINT)-1, 0xE900u + 2}) {
        SCOPED_TRACE(nID);
        CZAVPTabbedControlBar bar;
        ASSERT_TRUE(bar.Create(kReview, m_pFrame, CRect(0, 0, 200, 200), TRUE, nID, dwStyle,
                               ZAVP_CBRS_REGULAR_TABS, ZAVP_CBRS_DOCKING_DEFAULT));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&bar);
        CWnd tree;
        ASSERT_TRUE(tree.CreateEx(0, "STATIC", kByCategory, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                  bar.GetSafeHwnd(), (HMENU)(UINT_PTR)0x1234));
        ASSERT_TRUE(bar.AddTab(&tree, TRUE, TRUE, FALSE));
        ASSERT_TRUE(bar.FloatControlBar(CRect(200, 200, 400, 400), ZAVP_DM_UNKNOWN, TRUE));
        CZAVPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame(TRUE);
        ASSERT_NE(nullptr, pMiniFrame);
        ASSERT_EQ(bar.GetSafeHwnd(), pMiniFrame->GetHostedBarWnd());

        // Its tab window lets the last tab go without destroying the window or the bar.
        bar.GetTabWnd()->SetAutoDestroyWindow(FALSE);
        bar.GetTabWnd()->RemoveAllTabs();
        ASSERT_EQ(0, bar.GetTabsNum());
        pMiniFrame->ValidateHostedBar();
        // Without an id nothing could name the empty bar again: the frame forgets it. With an
        // id it stays the frame's bar.
        EXPECT_EQ(nID == (UINT)-1 ? nullptr : bar.GetSafeHwnd(), pMiniFrame->GetHostedBarWnd());
        tree.DestroyWindow();
        bar.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
}
