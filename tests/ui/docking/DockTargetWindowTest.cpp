// The docking utilities over real panes (the pane and side under a dragged window, the
// rectangle it would take, Ctrl suppressing docking, moving bars to a new parent), a split that
// cannot be made, a side emptied of its last pane, and the wrapper pane that hosts another
// window and keeps its title in the registry.
#include <shlwapi.h>

#include "DockingPaneFixture.h"
#include "ui/docking/CZAVPDockingCBWrapper.h"
#include "ui/docking/CZAVPDockingUtils.h"

using namespace PaneTests;

namespace
{
const char kRoot[] = "Software\\LornivalPaneTests";
const char kProfile[] = "Software\\LornivalPaneTests\\Bars\\";

// Holds Ctrl down in this thread's key state (what GetKeyState reads) while it lives.
class CtrlHeld
{
public:
    CtrlHeld()
    {
        ::GetKeyboardState(m_saved);
        BYTE keys[256];
        std::copy(m_saved, m_saved + 256, keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
    }
    ~CtrlHeld() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

int ChildCount(CWnd* pParent)
{
    int n = 0;
    for (HWND h = ::GetWindow(pParent->GetSafeHwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}
}  // namespace

TEST_F(DockingPaneTest, ADraggedPaneNearAPanesBottomEdgeWouldTakeTheLowerPart)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    TestPane* pSearch = MakePane("Search", 102, CSize(160, 100), CBRS_RIGHT);
    m_pFrame->DockControlBar(pSearch, 0xE81D);
    CZAVPContainerLayout* pTree = Tree(pFiles);

    // 5 px above the bottom edge of Files, in its middle: within the 15-px band.
    CPoint pt(100, 295);
    m_pFrame->ClientToScreen(&pt);
    CZAVPDockingControlBar* pTarget = nullptr;
    DWORD dwAlignment = 0;
    BOOL bTabArea = TRUE, bCaption = TRUE;
    EXPECT_TRUE(
        CZAVPDockingUtils::FindDockTarget(*pTree, pt, pTarget, dwAlignment, bTabArea, bCaption));
    EXPECT_EQ(pFiles, pTarget);
    EXPECT_EQ((DWORD)CBRS_ALIGN_BOTTOM, dwAlignment);
    EXPECT_FALSE(bTabArea);
    EXPECT_FALSE(bCaption);

    // The dragged pane is 300 high and would get half of the 300-px target: 150 at its bottom.
    CRect rect;
    BOOL bDropAsTab = TRUE;
    CZAVPDockingUtils::CalcExpectedDockRect(*pTree, pSearch, pt, rect, bDropAsTab, pTarget);
    EXPECT_EQ(pFiles, pTarget);
    EXPECT_FALSE(bDropAsTab);
    m_pFrame->ScreenToClient(rect);
    EXPECT_EQ("0,150,200,300", Text(rect));

    // Deep inside the pane no edge is near: the second, inexact look-up still finds the pane,
    // and the side stays the default left one: half of the 200-px width.
    CPoint ptInside(100, 150);
    m_pFrame->ClientToScreen(&ptInside);
    CZAVPDockingUtils::CalcExpectedDockRect(*pTree, pSearch, ptInside, rect, bDropAsTab, pTarget);
    EXPECT_EQ(pFiles, pTarget);
    m_pFrame->ScreenToClient(rect);
    EXPECT_EQ("0,0,100,300", Text(rect));
    // Away from every pane of the tree there is no target.
    CPoint ptAway(400, 150);
    m_pFrame->ClientToScreen(&ptAway);
    CZAVPDockingUtils::CalcExpectedDockRect(*pTree, pSearch, ptAway, rect, bDropAsTab, pTarget);
    EXPECT_EQ(nullptr, pTarget);
    EXPECT_TRUE(rect.IsRectEmpty());
    // A pane is never its own target.
    CZAVPDockingUtils::CalcExpectedDockRect(*pTree, pFiles, pt, rect, bDropAsTab, pTarget);
    EXPECT_TRUE(rect.IsRectEmpty());
    // Over its caption, the dragged pane would join it as a tab.
    CRect rectWnd;
    pFiles->GetWindowRect(rectWnd);
    CZAVPDockingUtils::CalcExpectedDockRect(*pTree, pSearch, rectWnd.TopLeft() + CPoint(20, 4),
                                            rect, bDropAsTab, pTarget);
    EXPECT_TRUE(bDropAsTab);
    EXPECT_EQ(pFiles, pTarget);
}

TEST_F(DockingPaneTest, HoldingCtrlSuppressesTheExpectedDockRectangle)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    TestPane* pSearch = MakePane("Search", 102, CSize(160, 100), CBRS_RIGHT);
    m_pFrame->DockControlBar(pSearch, 0xE81D);
    CPoint pt(100, 295);
    m_pFrame->ClientToScreen(&pt);
    CtrlHeld ctrl;
    CRect rect(1, 2, 3, 4);
    BOOL bDropAsTab = TRUE;
    CZAVPDockingControlBar* pTarget = pFiles;
    CZAVPDockingUtils::CalcExpectedDockRect(*Tree(pFiles), pSearch, pt, rect, bDropAsTab, pTarget);
    EXPECT_TRUE(rect.IsRectEmpty());
    EXPECT_FALSE(bDropAsTab);
    EXPECT_EQ(nullptr, pTarget);
}

TEST_F(DockingPaneTest, ASplitThatCannotBeMadeChangesNothing)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPContainerLayout* pTree = Tree(pFiles);
    TestPane* pOutput = MakePane("Output", 103, CSize(60, 100));
    const std::string before = Dump(pTree);
    const int nChildren = ChildCount(m_pFrame);
    // No single side, an unknown target, a pane beside itself.
    EXPECT_FALSE(pTree->InsertControlBar(pOutput, pSearch, 0));
    EXPECT_FALSE(pTree->InsertControlBar(pOutput, pSearch, CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP));
    EXPECT_FALSE(pTree->InsertControlBar(pOutput, pOutput, CBRS_ALIGN_LEFT));
    EXPECT_FALSE(pTree->InsertControlBar(pSearch, pFiles, CBRS_ALIGN_LEFT));  // already in
    EXPECT_EQ(before, Dump(pTree));
    EXPECT_EQ(nChildren, ChildCount(m_pFrame));  // no slider was left behind
    EXPECT_EQ("", Broken(pTree));
}

TEST_F(DockingPaneTest, TheLastPaneLeavingASideTakesTheDefaultSliderWithIt)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr;
    DockTwoOnTheLeft(pFiles, pSearch);
    CZAVPSlider* pSlider = pFiles->GetDefaultSlider();
    const HWND hSlider = pSlider->GetSafeHwnd();
    CZAVPContainerLayout* pTree = Tree(pFiles);

    pSearch->UndockControlBar();
    ASSERT_TRUE(::IsWindow(hSlider));
    EXPECT_EQ("", Broken(pTree)) << Dump(pTree);
    EXPECT_EQ("0,0,200,300", Text(InFrame(pFiles)));
    EXPECT_EQ(nullptr, pSearch->GetDefaultSlider());

    pFiles->UndockControlBar();
    EXPECT_FALSE(::IsWindow(hSlider));
    EXPECT_EQ(nullptr, Manager().GetControlBars().Find(pSlider));
    EXPECT_EQ(nullptr, Manager().GetControlBars().Find(pFiles));
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,0,600,300", Text(area));
    // Docked again on another side, the pane gets a new slider.
    pFiles->DockToFrameEdge(CBRS_ALIGN_TOP, CRect(0, 0, 600, 80));
    ASSERT_NE(nullptr, pFiles->GetDefaultSlider());
    EXPECT_EQ("0,0,600,80", Text(InFrame(pFiles)));
    EXPECT_EQ("0,80,600,84", Text(InFrame(pFiles->GetDefaultSlider())));
}

TEST_F(DockingPaneTest, ReparentedBarsWaitOneSizeAboveAndLeftOfTheirPlace)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(100, 50));
    pFiles->MoveWindow(CRect(10, 20, 110, 70));
    CZAVPSlider* pSlider = new CZAVPSlider(FALSE, m_pFrame);
    ASSERT_TRUE(pSlider->CreateEx(0, CZAVPSlider::SS_VERT | WS_VISIBLE, CRect(300, 0, 304, 100),
                                  m_pFrame, 77));
    CObList bars;
    bars.AddTail(pFiles);
    bars.AddTail(pSlider);
    CZAVPDockingUtils::ReparentBars(bars, m_pFrame, FALSE);
    EXPECT_EQ("-100,-50,0,0", Text(InFrame(pFiles)));
    EXPECT_TRUE(pFiles->IsWindowVisible());
    EXPECT_EQ("300,0,304,100", Text(InFrame(pSlider)));  // only given the parent
    // Only the visible ones, when asked.
    pFiles->ShowWindow(SW_HIDE);
    pFiles->MoveWindow(CRect(10, 20, 110, 70));
    CZAVPDockingUtils::ReparentBars(bars, m_pFrame, TRUE);
    EXPECT_EQ("10,20,110,70", Text(InFrame(pFiles)));
    pSlider->DestroyWindow();
}

class WrapperTest : public DockingPaneTest
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        DockingPaneTest::SetUp();
    }
    void TearDown() override
    {
        for (auto& w : m_wrappers)
            if (w->GetSafeHwnd() != nullptr) w->DestroyWindow();
        m_wrappers.clear();
        DockingPaneTest::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }
    CZAVPDockingCBWrapper* MakeWrapper(const char* name, UINT nID)
    {
        auto wrapper = std::make_unique<CZAVPDockingCBWrapper>();
        EXPECT_TRUE(wrapper->Create(name, m_pFrame, CRect(0, 0, 200, 150), TRUE, nID,
                                    WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        m_wrappers.push_back(std::move(wrapper));
        return m_wrappers.back().get();
    }
    std::vector<std::unique_ptr<CZAVPDockingCBWrapper>> m_wrappers;
};

TEST_F(WrapperTest, TheWrappedWindowFillsThePaneAndTheDefaultsHold)
{
    CZAVPDockingCBWrapper* pWrapper = MakeWrapper("Wrapped", 120);
    EXPECT_EQ("30,30,180,180", Text(pWrapper->m_rectDefault));
    CWnd child;
    ASSERT_TRUE(
        child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 20, 20), m_pFrame, 1));
    ASSERT_TRUE(pWrapper->SetWrappedWnd(&child));
    EXPECT_EQ(&child, pWrapper->GetWrappedWnd());
    EXPECT_EQ(pWrapper->GetSafeHwnd(), ::GetParent(child.GetSafeHwnd()));
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pWrapper->GetEnabledAlignment());
    m_pFrame->DockControlBar(pWrapper);
    CRect rectClient, rectChild;
    pWrapper->GetClientRect(rectClient);
    child.GetWindowRect(rectChild);
    pWrapper->ScreenToClient(rectChild);
    EXPECT_EQ(Text(rectClient), Text(rectChild));
    child.DestroyWindow();
}

TEST_F(WrapperTest, BarNameGoesUnderTheIndexAndTheIdInHexAndComesBack)
{
    CZAVPDockingCBWrapper* pWrapper = MakeWrapper("Каталог", 120);
    EXPECT_EQ(CString(kProfile) + "ZAVPDockingCBWrapper-31f",
              CZAVPDockingCBWrapper::WrapperKey(kProfile, 3, 0x1F));
    ASSERT_TRUE(pWrapper->SaveState(kProfile, 3, 0x1F));
    char szName[64] = {};
    DWORD cb = sizeof szName;
    const std::string key = std::string(kProfile) + "ZAVPDockingCBWrapper-31f";
    ASSERT_EQ(ERROR_SUCCESS,
              SHGetValueA(HKEY_CURRENT_USER, key.c_str(), "BarName", nullptr, szName, &cb));
    EXPECT_STREQ("Каталог", szName);

    CZAVPDockingCBWrapper* pLoaded = MakeWrapper("Другое", 121);
    ASSERT_TRUE(pLoaded->LoadState(kProfile, 3, 0x1F));
    CString strText;
    pLoaded->GetWindowText(strText);
    EXPECT_STREQ("Каталог", strText);

    // An empty stored name keeps the current text.
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "BarName", REG_SZ, "", 1);
    pLoaded->SetWindowText("Своё");
    EXPECT_TRUE(pLoaded->LoadState(kProfile, 3, 0x1F));
    pLoaded->GetWindowText(strText);
    EXPECT_STREQ("Своё", strText);
}

TEST_F(WrapperTest, WithoutItsKeyNothingIsLoaded)
{
    CZAVPDockingCBWrapper* pWrapper = MakeWrapper("Wrapped", 120);
    // The control bar's own key exists; the wrapper's does not: the bar's state stays unread.
    ASSERT_TRUE(pWrapper->CZAVPControlBar::SaveState(kProfile, -1, (UINT)-1));
    CZAVPDockingCBWrapper* pLoaded = MakeWrapper("Fresh", 120);
    EXPECT_FALSE(pLoaded->LoadState(kProfile, -1, (UINT)-1));
    EXPECT_FALSE(pLoaded->IsRestoredFromRegistry());
    CString strText;
    pLoaded->GetWindowText(strText);
    EXPECT_STREQ("Fresh", strText);
}

TEST_F(DockingPaneTest, CaptionButtonTooltipsNameTheirButtons)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    struct Case
    {
        UINT nTool;
        const wchar_t* text;
    } cases[] = {{1, L"Закрыть"}, {2, L"Скрыть Автоматически"}};
    for (const Case& c : cases) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = pFiles->GetSafeHwnd();
        info.hdr.idFrom = c.nTool;
        info.hdr.code = TTN_NEEDTEXTA;
        pFiles->SendMessage(WM_NOTIFY, c.nTool, (LPARAM)&info);
        ASSERT_NE(nullptr, info.lpszText) << c.nTool;
        // The texts are in the ANSI code page (1251).
        wchar_t szText[64] = {};
        ::MultiByteToWideChar(CP_ACP, 0, info.lpszText, -1, szText, 63);
        EXPECT_STREQ(c.text, szText);
    }
}

TEST_F(DockingPaneTest, ThePaneUnderTheCursorDecidesWhereADraggedPaneDocks)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    TestPane* pSearch = MakePane("Search", 102, CSize(160, 100), CBRS_RIGHT);
    m_pFrame->DockControlBar(pSearch, 0xE81D);
    CRect rectFiles;
    pFiles->GetWindowRect(rectFiles);

    CZAVPBaseControlBar* pTarget = nullptr;
    // Near its bottom edge: beside it. In its caption: as a tab. Deep inside: nowhere.
    const CPoint ptBottom(rectFiles.CenterPoint().x, rectFiles.bottom - 5);
    EXPECT_EQ(ZAVP_DOCKHIT_BESIDE,
              Manager().DetermineDockSite(ptBottom, 15, CBRS_ALIGN_ANY, pTarget, pSearch));
    EXPECT_EQ(pFiles, pTarget);
    EXPECT_EQ(ZAVP_DOCKHIT_TAB, Manager().DetermineDockSite(rectFiles.TopLeft() + CPoint(20, 4), 15,
                                                            CBRS_ALIGN_ANY, pTarget, pSearch));
    EXPECT_EQ(ZAVP_DOCKHIT_NONE, Manager().DetermineDockSite(rectFiles.CenterPoint(), 15,
                                                             CBRS_ALIGN_ANY, pTarget, pSearch));
    // A pane that may not dock on the left side finds no place beside a left pane.
    EXPECT_EQ(ZAVP_DOCKHIT_NONE,
              Manager().DetermineDockSite(ptBottom, 15, CBRS_ALIGN_RIGHT, pTarget, pSearch));

    // Dropped there by the mouse, Search joins the tree below Files.
    ::SetCursorPos(ptBottom.x, ptBottom.y);
    BOOL bDocked = FALSE;
    pSearch->DockByMouseMove(bDocked);
    EXPECT_TRUE(bDocked);
    EXPECT_EQ(Tree(pFiles), Tree(pSearch));
    EXPECT_EQ("", Broken(Tree(pFiles))) << Dump(Tree(pFiles));
    EXPECT_EQ("0,0,200,146", Text(InFrame(pFiles)));
    EXPECT_EQ(300, InFrame(pSearch).bottom);
    ::SetCursorPos(0, 0);
}

TEST_F(DockingPaneTest, AFloatingPaneIsReadyToDockWhereTheFrameHasAPlaceForIt)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    m_pFrame->DockControlBar(pFiles);
    CZAVPMiniFrameWnd* pMiniFrame = FloatByCaption(pFiles, CPoint(300, 150));
    ASSERT_NE(nullptr, pMiniFrame);
    ASSERT_TRUE(pFiles->IsFloating());
    CRect rectFloating;
    pMiniFrame->GetWindowRect(rectFloating);
    const auto AtClient = [&](int x, int y) {
        CPoint pt(x, y);
        m_pFrame->ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        return pt;
    };

    struct Case
    {
        CPoint ptClient;
        DWORD dwEnabled;
        BOOL bDocks;
    } cases[] = {
        {CPoint(3, 150), CBRS_ALIGN_ANY, TRUE},     // at the left edge
        {CPoint(3, 150), CBRS_ALIGN_TOP, FALSE},    // a side the pane may not take
        {CPoint(300, 3), CBRS_ALIGN_TOP, TRUE},     // at the top edge
        {CPoint(560, 150), CBRS_ALIGN_ANY, FALSE},  // in the view, no edge near
    };
    for (const Case& c : cases) {
        const CPoint pt = AtClient(c.ptClient.x, c.ptClient.y);
        ASSERT_FALSE(rectFloating.PtInRect(pt)) << c.ptClient.x << "," << c.ptClient.y;
        pFiles->EnableDocking(c.dwEnabled);
        CZAVPDockBar* pDockBar = reinterpret_cast<CZAVPDockBar*>(&rectFloating);
        EXPECT_EQ(c.bDocks, pFiles->CheckUndock(15, pDockBar))
            << c.ptClient.x << "," << c.ptClient.y;
        // Panes never name a toolbar dock bar.
        EXPECT_EQ(nullptr, pDockBar);
    }
    pFiles->EnableDocking(CBRS_ALIGN_ANY);
}
