// The tabbed toolbar in a library frame: toolbars added become its tabs, the bar takes its tab
// window's size, the active tab shows its toolbar, and stored layouts recreate the bar by name.
#include <gtest/gtest.h>

#include <algorithm>

#include "ToolbarTestSupport.h"
#include "framework/CRuntimeClass.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPTabbedToolbar.h"

namespace
{
const UINT kTabbedBarId = 0xE810;
const UINT kTabbedMainBarId = 0xE811;
const UINT kTabbedNavBarId = 0xE812;

class TabbedToolbarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCommandManager()->ClearAll();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(m_tabbed.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kTabbedBarId));
        ASSERT_NE(nullptr, m_tabbed.GetTabWnd());
        ASSERT_TRUE(m_main.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kTabbedMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        m_main.SetWindowText("Main");
        ASSERT_TRUE(m_nav.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kTabbedNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_nav.SetWindowText("Navigation");
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    // Shown inside the tab window: the page and every window up to the tab window are visible
    // (the frame itself stays hidden, so the desktop's view of visibility says nothing).
    bool ShownInTabs(CWnd& page)
    {
        const HWND hwndTabs = m_tabbed.GetTabWnd()->GetSafeHwnd();
        for (HWND hwnd = page.GetSafeHwnd(); hwnd != nullptr && hwnd != hwndTabs;
             hwnd = ::GetParent(hwnd)) {
            if ((::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) == 0) return false;
        }
        return true;
    }
    static CSize WindowSize(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(rect);
        return rect.Size();
    }

    // The bars outlive the frame object: they are its children until its window goes.
    CZAVPTabbedToolbar m_tabbed;
    CZAVPTabbedToolbar m_outer;  // a second tabbed bar, created where a test needs one
    CZAVPToolBar m_main;
    CZAVPToolBar m_nav;
    // A frame deletes itself when its window goes, so it lives on the heap.
    CZAVPFrameWnd& m_frame = *new CZAVPFrameWnd;
};
}  // namespace

TEST_F(TabbedToolbarTest, AddedToolbarsBecomeTabsLabelledWithTheirTexts)
{
    ASSERT_TRUE(m_main.GetBarStyle() & CBRS_GRIPPER);
    ASSERT_TRUE(m_tabbed.AddTab(&m_main));
    ASSERT_TRUE(m_tabbed.AddTab(&m_nav));

    CZAVPTabWnd* pTabWnd = m_tabbed.GetTabWnd();
    EXPECT_EQ((UINT)CZAVPTabbedToolbar::kTabWndId, (UINT)pTabWnd->GetDlgCtrlID());
    ASSERT_EQ(2, pTabWnd->GetTabsNum());
    CString strLabel;
    ASSERT_TRUE(pTabWnd->GetTabLabel(0, strLabel));
    EXPECT_STREQ("Main", strLabel);
    ASSERT_TRUE(pTabWnd->GetTabLabel(1, strLabel));
    EXPECT_STREQ("Navigation", strLabel);
    EXPECT_EQ(&m_main, pTabWnd->GetTabWndNoWrapper(0));
    EXPECT_EQ(&m_nav, pTabWnd->GetTabWndNoWrapper(1));

    // Inside the tab window, without grippers, commanding the bar's frame.
    for (CZAVPToolBar* pBar : {&m_main, &m_nav}) {
        EXPECT_TRUE(::IsChild(pTabWnd->GetSafeHwnd(), pBar->GetSafeHwnd()));
        EXPECT_EQ(0u, pBar->GetBarStyle() & CBRS_GRIPPER);
        ASSERT_NE(nullptr, pBar->GetOwner());
        EXPECT_EQ(m_frame.GetSafeHwnd(), pBar->GetOwner()->GetSafeHwnd());
    }
    // The tab added last is the one shown.
    EXPECT_EQ(1, pTabWnd->GetActiveTab());
    EXPECT_TRUE(ShownInTabs(m_nav));
    EXPECT_FALSE(ShownInTabs(m_main));
}

TEST_F(TabbedToolbarTest, BarMeasuresAsItsTabWindowAroundTheLargestPage)
{
    ASSERT_TRUE(m_tabbed.AddTab(&m_main));
    ASSERT_TRUE(m_tabbed.AddTab(&m_nav));
    CZAVPTabWnd* pTabWnd = m_tabbed.GetTabWnd();

    const CSize sizeMain = m_main.CalcFixedLayout(FALSE, TRUE);
    const CSize sizeNav = m_nav.CalcFixedLayout(FALSE, TRUE);
    const CSize sizeContent(std::max(sizeMain.cx, sizeNav.cx), std::max(sizeMain.cy, sizeNav.cy));
    EXPECT_EQ(CZAVPTabbedToolbar::TabWndSize(sizeContent, pTabWnd->GetTabsHeight(),
                                             pTabWnd->GetTabBorderSize()),
              WindowSize(*pTabWnd));

    // The bar is its tab window plus its own insets, and its window has that size.
    CRect rectInside(0, 0, 100, 100);
    m_tabbed.CalcInsideRect(rectInside, TRUE);
    const CSize sizeInsets(100 - rectInside.Width(), 100 - rectInside.Height());
    const CSize sizeBar = m_tabbed.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(WindowSize(*pTabWnd) + sizeInsets, sizeBar);
    EXPECT_EQ(sizeBar, WindowSize(m_tabbed));
}

TEST(TabbedToolbarSizeTest, TabWindowHoldsContentTabRowGapAndBorders)
{
    struct Case
    {
        CSize content;
        int nTabsHeight;
        int nBorder;
        CSize expected;
    } cases[] = {
        {CSize(100, 26), 20, 1, CSize(102, 50)},
        {CSize(0, 0), 0, 0, CSize(0, 2)},      // no pages yet: only the gap
        {CSize(-5, -5), -1, -3, CSize(0, 2)},  // nonsense measures count as nothing
        {CSize(40, 10), 18, 3, CSize(46, 36)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CZAVPTabbedToolbar::TabWndSize(c.content, c.nTabsHeight, c.nBorder))
            << c.content.cx << "x" << c.content.cy;
}

TEST_F(TabbedToolbarTest, SwitchingTabsShowsTheirToolbarsAndRemovalKeepsThePage)
{
    ASSERT_TRUE(m_tabbed.AddTab(&m_main));
    ASSERT_TRUE(m_tabbed.AddTab(&m_nav));
    CZAVPTabWnd* pTabWnd = m_tabbed.GetTabWnd();

    ASSERT_TRUE(pTabWnd->SetActiveTab(0));
    EXPECT_TRUE(ShownInTabs(m_main));
    EXPECT_FALSE(ShownInTabs(m_nav));
    ASSERT_TRUE(pTabWnd->SetActiveTab(1));
    EXPECT_TRUE(ShownInTabs(m_nav));
    EXPECT_FALSE(ShownInTabs(m_main));

    // A removed page is still its owner's toolbar: the window lives on, hidden.
    ASSERT_TRUE(pTabWnd->RemoveTab(0));
    ASSERT_EQ(1, pTabWnd->GetTabsNum());
    EXPECT_EQ(&m_nav, pTabWnd->GetTabWndNoWrapper(0));
    EXPECT_TRUE(::IsWindow(m_main.GetSafeHwnd()));
    EXPECT_FALSE(ShownInTabs(m_main));
    EXPECT_TRUE(ShownInTabs(m_nav));
}

TEST_F(TabbedToolbarTest, RefusesItselfABarHoldingItAndAPageItHas)
{
    ASSERT_TRUE(m_tabbed.AddTab(&m_main));
    // A second tabbed bar made a page of the first cannot take the first in turn.
    CZAVPTabbedToolbar& outer = m_outer;
    ASSERT_TRUE(outer.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kTabbedBarId + 1));
    ASSERT_TRUE(outer.AddTab(&m_tabbed));

    struct Case
    {
        CZAVPTabbedToolbar* pBar;
        CZAVPToolBar* pPage;
        const char* what;
    } cases[] = {
        {&m_tabbed, &m_tabbed, "itself"},
        {&m_tabbed, &outer, "the bar holding it"},
        {&m_tabbed, &m_main, "a page it has"},
    };
    for (const Case& c : cases) {
        const int nTabs = c.pBar->GetTabWnd()->GetTabsNum();
        EXPECT_FALSE(c.pBar->AddTab(c.pPage)) << c.what;
        EXPECT_EQ(nTabs, c.pBar->GetTabWnd()->GetTabsNum()) << c.what;
    }
    EXPECT_EQ(&m_main, m_tabbed.GetTabWnd()->GetTabWndNoWrapper(0));
}

TEST_F(TabbedToolbarTest, ClosingTheBarLeavesItsPagesObjectsAlone)
{
    ASSERT_TRUE(m_tabbed.AddTab(&m_main));
    m_tabbed.DestroyWindow();
    EXPECT_EQ(nullptr, m_tabbed.GetTabWnd());
    // The page objects are the caller's: still usable (their windows went with the parent).
    EXPECT_EQ(5, m_main.GetCount());
    EXPECT_FALSE(m_tabbed.AddTab(&m_nav));
}

TEST(TabbedToolbarObjectTest, RefusesTabsWithoutATabWindow)
{
    CZAVPTabbedToolbar bar;
    CZAVPToolBar page;
    EXPECT_EQ(nullptr, bar.GetTabWnd());
    EXPECT_FALSE(bar.AddTab(&page));
    EXPECT_FALSE(bar.AddTab(nullptr));
}

TEST(TabbedToolbarObjectTest, RunTimeClassCreatesItByName)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CZAVPTabbedToolbar");
    ASSERT_NE(nullptr, pClass);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPToolBar)));
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CZAVPTabbedToolbar)));
    delete pObject;
}

TEST_F(TabbedToolbarTest, StoredLayoutRecreatesTheBarAndRefusesDamagedOrForeignRecords)
{
    m_tabbed.SetWindowText("Tabs");
    const Bytes stored = StoreBytes([&](CArchive& ar) { ar.WriteObject(&m_tabbed); });

    CObject* pRead = nullptr;
    ASSERT_TRUE(LoadBytes(
        stored, [&](CArchive& ar) { pRead = ar.ReadObject(RUNTIME_CLASS(CZAVPTabbedToolbar)); }));
    ASSERT_NE(nullptr, pRead);
    EXPECT_TRUE(pRead->IsKindOf(RUNTIME_CLASS(CZAVPTabbedToolbar)));
    // A recreated bar gets its tab window with its window, not from the record.
    EXPECT_EQ(nullptr, static_cast<CZAVPTabbedToolbar*>(pRead)->GetTabWnd());
    delete pRead;

    // Cut short anywhere: a clear failure, never a half-read bar.
    for (size_t nKeep : {(size_t)0, (size_t)4, stored.size() / 2, stored.size() - 1}) {
        CObject* pPartial = nullptr;
        const Bytes cut(stored.begin(), stored.begin() + nKeep);
        EXPECT_FALSE(LoadBytes(cut, [&](CArchive& ar) {
            pPartial = ar.ReadObject(RUNTIME_CLASS(CZAVPTabbedToolbar));
        })) << nKeep;
        EXPECT_EQ(nullptr, pPartial) << nKeep;
    }

    // A plain toolbar's record is not a tabbed toolbar.
    const Bytes plain = StoreBytes([&](CArchive& ar) { ar.WriteObject(&m_main); });
    CObject* pForeign = nullptr;
    EXPECT_FALSE(LoadBytes(
        plain, [&](CArchive& ar) { pForeign = ar.ReadObject(RUNTIME_CLASS(CZAVPTabbedToolbar)); }));
    EXPECT_EQ(nullptr, pForeign);
}
