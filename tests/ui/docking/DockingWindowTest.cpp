// The docking machinery in real windows under the null driver: a frame with its four dock bars,
// bars docked in rows, hidden rows, dragging in both dock modes, the registry state of bars and
// of the layout, and the dock bars' context menu message.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>

#include "DockingTestBars.h"
#include "UpperLayerFakes.h"
#include "framework/CArchive.h"
#include "framework/CDialog.h"
#include "framework/CMemFile.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDragOutline.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockLayoutDump.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "tests/ui/docking/RectText.h"

namespace
{
const char kRoot[] = "Software\\LornivalDockingTests";
const char kProfile[] = "Software\\LornivalDockingTests\\Bars\\";
const int kClientWidth = 600;
const int kClientHeight = 400;

class DockingWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kClientWidth, kClientHeight, FALSE));
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_hFrame())) m_pFrame->DestroyWindow();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }
    HWND m_hFrame() const { return m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr; }

    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }
    CZAVPDockBar* DockBar(DWORD dwAlignment) { return Manager().FindDockBar(dwAlignment, TRUE); }
    std::unique_ptr<FixedBar> MakeBar(const char* name, UINT nID, int nLength, int nThickness)
    {
        auto bar = std::make_unique<FixedBar>(nLength, nThickness);
        EXPECT_TRUE(bar->CreateIn(m_pFrame, name, nID));
        return bar;
    }
    // A rectangle of the frame's client area on the screen.
    CRect OnScreen(CRect rect)
    {
        m_pFrame->ClientToScreen(rect);
        return rect;
    }
    std::string Dump() { return DockLayout::DumpLayout(Manager().Snapshot()); }

    CWinApp m_app{"DockingTests"};
    RecordingFrame* m_pFrame = nullptr;
};

// The mouse at a point of the frame's client area, then a message to the bar there.
void MouseAt(CWnd* pFrame, CWnd* pBar, UINT message, int x, int y)
{
    POINT pt = {x, y};
    pFrame->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    POINT ptBar = pt;
    ::ScreenToClient(pBar->GetSafeHwnd(), &ptBar);
    pBar->SendMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                      MAKELPARAM(ptBar.x, ptBar.y));
}
}  // namespace

TEST_F(DockingWindowTest, EnableDockingMakesFourEmptyDockBarsInOrder)
{
    // clang-format off
    struct Expected
    {
        UINT id;
        DWORD alignment;
    } expected[] = {
        {0xE81B, 0x2000},
        {0xE81E, 0x8000},
        {0xE81C, 0x1000},
        {0xE81D, 0x4000},
    };
    // clang-format on
    const CObList& bars = Manager().GetControlBars();
    ASSERT_EQ(4, bars.GetCount());
    POSITION pos = bars.GetHeadPosition();
    for (const Expected& e : expected) {
        CZAVPBaseControlBar* pBar = static_cast<CZAVPBaseControlBar*>(bars.GetNext(pos));
        ASSERT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)));
        EXPECT_EQ(e.id, (UINT)pBar->GetDlgCtrlID());
        EXPECT_EQ(e.alignment, pBar->GetCurrentAlignment());
        CRect rect;
        pBar->GetWindowRect(rect);
        EXPECT_EQ(0, IsHorizontalAlignment(e.alignment) ? rect.Height() : rect.Width())
            << std::hex << e.id;
    }
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,0,600,400", Text(area));
    // Enabling a side twice makes no second dock bar.
    EXPECT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_TOP));
    EXPECT_EQ(4, Manager().GetControlBars().GetCount());
}

TEST_F(DockingWindowTest, BarsDockInRowsAndTheDockBarsGrowByTheirThickness)
{
    auto standard = MakeBar("Standard", 101, 100, 26);
    auto format = MakeBar("Format", 102, 80, 26);
    auto view = MakeBar("View", 103, 60, 30);
    auto tools = MakeBar("Tools", 104, 90, 24);
    auto status = MakeBar("Status", 105, 120, 20);

    m_pFrame->DockControlBar(standard.get());
    // Into the first row, 150 px from the left, by rectangle.
    m_pFrame->DockControlBar(format.get(), 0xE81B, OnScreen(CRect(150, 0, 230, 26)));
    m_pFrame->DockControlBar(view.get());
    m_pFrame->DockControlBar(tools.get(), 0xE81C);
    m_pFrame->DockControlBar(status.get(), 0xE81E);

    // Top: rows of 26 and 30; bottom: 20 (from 380); left: 24 wide between them.
    EXPECT_EQ("client (0,0)-(600,400)\n"
              "dockbar E81B top (0,0)-(600,56)\n"
              "  row 0 +0 26 visible\n"
              "    bar \"Standard\" 101 (0,0)-(100,26)\n"
              "    bar \"Format\" 102 (150,0)-(230,26)\n"
              "  row 1 +26 30 visible\n"
              "    bar \"View\" 103 (0,26)-(60,56)\n"
              "dockbar E81E bottom (0,380)-(600,400)\n"
              "  row 0 +0 20 visible\n"
              "    bar \"Status\" 105 (0,380)-(120,400)\n"
              "dockbar E81C left (0,56)-(24,380)\n"
              "  row 0 +0 24 visible\n"
              "    bar \"Tools\" 104 (0,56)-(24,146)\n"
              "dockbar E81D right (600,56)-(600,380)\n"
              "view (24,56)-(600,380)\n",
              Dump());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty());
    EXPECT_EQ(DockBar(CBRS_ALIGN_TOP), standard->GetParentDockBar());
    EXPECT_EQ(CBRS_ALIGN_LEFT, tools->GetCurrentAlignment());
}

namespace
{
// A bar that lays itself out thinner once it stands in a dock bar (as a toolbar that wraps its
// buttons to the row it lands in).
class ReflowingBar : public FixedBar
{
public:
    ReflowingBar() : FixedBar(100, 40) {}
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CWnd* pParent = GetSafeHwnd() != nullptr ? GetParent() : nullptr;
        m_nThickness = pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) ? 26
                                                                                            : 40;
        return FixedBar::CalcFixedLayout(bStretch, bHorz);
    }
};
}  // namespace

TEST_F(DockingWindowTest, ARowTakesTheThicknessItsNewBarLaysItselfOutToThinnerOrThicker)
{
    ReflowingBar bar;
    ASSERT_TRUE(bar.CreateIn(m_pFrame, "Reflowing", 106));
    // Not yet in a dock bar it is 40 thick; in its new row 26: the row and the dock bar follow.
    m_pFrame->DockControlBar(&bar);
    const CObList& rows = DockBar(CBRS_ALIGN_TOP)->GetRows();
    ASSERT_EQ(1, rows.GetCount());
    EXPECT_EQ(26, static_cast<CZAVPDockBarRow*>(rows.GetHead())->GetRowHeight());
    CRect rect;
    DockBar(CBRS_ALIGN_TOP)->GetWindowRect(rect);
    EXPECT_EQ(26, rect.Height());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty());
    bar.DestroyWindow();
}

TEST_F(DockingWindowTest, HidingARowsBarsShrinksTheDockBarAndShowingRestoresIt)
{
    auto first = MakeBar("First", 101, 100, 26);
    auto second = MakeBar("Second", 102, 100, 30);
    auto third = MakeBar("Third", 103, 100, 22);
    m_pFrame->DockControlBar(first.get());
    m_pFrame->DockControlBar(second.get());
    m_pFrame->DockControlBar(third.get());
    CZAVPDockBar* pTop = DockBar(CBRS_ALIGN_TOP);
    CRect rect;
    pTop->GetWindowRect(rect);
    ASSERT_EQ(78, rect.Height());

    second->ShowControlBar(FALSE, FALSE, FALSE);
    pTop->GetWindowRect(rect);
    EXPECT_EQ(48, rect.Height());
    // The hidden row keeps its place; the row after it moves up by its thickness.
    const std::string dumpHidden = Dump();
    EXPECT_NE(std::string::npos, dumpHidden.find("  row 1 +26 30 hidden\n")) << dumpHidden;
    EXPECT_NE(std::string::npos,
              dumpHidden.find("  row 2 +26 22 visible\n    bar \"Third\" 103 (0,26)-(100,48)"))
        << dumpHidden;
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty());
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ(48, area.top);

    second->ShowControlBar(TRUE, FALSE, FALSE);
    pTop->GetWindowRect(rect);
    EXPECT_EQ(78, rect.Height());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

TEST_F(DockingWindowTest, ImmediateDragMovesAlongTheRowAndIntoAnotherRow)
{
    auto first = MakeBar("First", 101, 100, 26);
    auto second = MakeBar("Second", 102, 100, 26);
    auto third = MakeBar("Third", 103, 100, 26);
    m_pFrame->DockControlBar(first.get());
    m_pFrame->DockControlBar(second.get(), 0xE81B, OnScreen(CRect(200, 0, 300, 26)));
    m_pFrame->DockControlBar(third.get());
    first->SetDockMode(ZAVP_DOCK_IMMEDIATE);

    // Along: 40 px to the right; the bar follows the mouse at once.
    MouseAt(m_pFrame, first.get(), WM_LBUTTONDOWN, 10, 10);
    MouseAt(m_pFrame, first.get(), WM_MOUSEMOVE, 50, 10);
    EXPECT_EQ("40,0,140,26", Text(first->WindowRectInParent()));
    // Pushing into the second bar moves it by what is left after the 60-px gap.
    MouseAt(m_pFrame, first.get(), WM_MOUSEMOVE, 180, 10);
    MouseAt(m_pFrame, first.get(), WM_LBUTTONUP, 180, 10);
    EXPECT_EQ("170,0,270,26", Text(first->WindowRectInParent()));
    EXPECT_EQ("270,0,370,26", Text(second->WindowRectInParent()));

    // Across: the third bar, alone in the second row, is dragged up into the first row.
    third->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    MouseAt(m_pFrame, third.get(), WM_LBUTTONDOWN, 450 - 440, 36);
    MouseAt(m_pFrame, third.get(), WM_MOUSEMOVE, 450, 10);
    MouseAt(m_pFrame, third.get(), WM_LBUTTONUP, 450, 10);
    CZAVPDockBar* pTop = DockBar(CBRS_ALIGN_TOP);
    EXPECT_EQ(1, pTop->GetRows().GetCount()) << Dump();
    EXPECT_EQ(pTop->FindRowByBar(first.get()), pTop->FindRowByBar(third.get()));
    CRect rect;
    pTop->GetWindowRect(rect);
    EXPECT_EQ(26, rect.Height());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

namespace
{
// A bar whose client area starts 8 pixels in from its left edge and 2 below its top (a gripper
// and a border in its non-client area).
class BorderedBar : public FixedBar
{
public:
    BorderedBar() : FixedBar(100, 26) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCCALCSIZE) {
            RECT* pRect = reinterpret_cast<RECT*>(lParam);
            pRect->left += kLeft;
            pRect->top += kTop;
            return 0;
        }
        return FixedBar::WindowProc(message, wParam, lParam);
    }
    static const int kLeft = 8, kTop = 2;
};
}  // namespace

TEST_F(DockingWindowTest, ABarDraggedIntoAnotherRowKeepsItsGrabbedPointUnderTheCursor)
{
    auto first = MakeBar("First", 101, 100, 26);
    BorderedBar second;
    ASSERT_TRUE(second.CreateIn(m_pFrame, "Second", 102));
    second.SetWindowPos(nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    m_pFrame->DockControlBar(first.get());
    m_pFrame->DockControlBar(&second);
    ASSERT_EQ("0,26,100,52", Text(second.WindowRectInParent()));
    second.SetDockMode(ZAVP_DOCK_IMMEDIATE);

    // Taken 10 px into its client area (18 px into its window), dragged up into the first row
    // at x = 300: its window starts 18 px left of the cursor, its border included.
    MouseAt(m_pFrame, &second, WM_LBUTTONDOWN, BorderedBar::kLeft + 10, 26 + 10);
    MouseAt(m_pFrame, &second, WM_MOUSEMOVE, 300, 10);
    MouseAt(m_pFrame, &second, WM_LBUTTONUP, 300, 10);
    CZAVPDockBar* pTop = DockBar(CBRS_ALIGN_TOP);
    ASSERT_EQ(pTop->FindRowByBar(first.get()), pTop->FindRowByBar(&second)) << Dump();
    EXPECT_EQ("282,0,382,26", Text(second.WindowRectInParent()));
    second.DestroyWindow();
}

TEST_F(DockingWindowTest, OutlineDragMovesTheBarOnlyWhenTheButtonIsReleased)
{
    auto first = MakeBar("First", 101, 100, 26);
    auto second = MakeBar("Second", 102, 100, 26);
    m_pFrame->DockControlBar(first.get());
    m_pFrame->DockControlBar(second.get());
    ASSERT_EQ(ZAVP_DOCK_STANDARD, first->GetDockMode());

    MouseAt(m_pFrame, first.get(), WM_LBUTTONDOWN, 10, 10);
    MouseAt(m_pFrame, first.get(), WM_MOUSEMOVE, 90, 12);
    EXPECT_EQ("0,0,100,26", Text(first->WindowRectInParent()));
    EXPECT_TRUE(first->IsDragMode());
    MouseAt(m_pFrame, first.get(), WM_LBUTTONUP, 90, 12);
    EXPECT_FALSE(first->IsDragMode());
    EXPECT_EQ("80,0,180,26", Text(first->WindowRectInParent()));

    // Esc ends a drag as a cancel does: nothing moves.
    MouseAt(m_pFrame, first.get(), WM_LBUTTONDOWN, 90, 10);
    MouseAt(m_pFrame, first.get(), WM_MOUSEMOVE, 200, 10);
    first->SendMessage(WM_CHAR, VK_ESCAPE, 0);
    EXPECT_FALSE(first->IsDragMode());
    EXPECT_FALSE(first->IsCapturing());
    EXPECT_EQ("80,0,180,26", Text(first->WindowRectInParent()));

    // Dropped over the second row: the bar joins that row.
    MouseAt(m_pFrame, first.get(), WM_LBUTTONDOWN, 90, 10);
    MouseAt(m_pFrame, first.get(), WM_MOUSEMOVE, 300, 36);
    MouseAt(m_pFrame, first.get(), WM_LBUTTONUP, 300, 36);
    CZAVPDockBar* pTop = DockBar(CBRS_ALIGN_TOP);
    EXPECT_EQ(pTop->FindRowByBar(second.get()), pTop->FindRowByBar(first.get())) << Dump();
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

TEST_F(DockingWindowTest, AFloatedBarLeavesItsRowAndDocksBackIntoIt)
{
    auto first = MakeBar("First", 101, 100, 26);
    auto second = MakeBar("Second", 102, 100, 26);
    m_pFrame->DockControlBar(first.get());
    m_pFrame->DockControlBar(second.get(), 0xE81B, OnScreen(CRect(200, 0, 300, 26)));
    const std::string before = Dump();
    ASSERT_TRUE(first->FloatControlBar(CRect(300, 300, 400, 326), ZAVP_DM_DBL_CLICK, TRUE));
    EXPECT_TRUE(first->IsFloating());
    EXPECT_EQ(1, DockBar(CBRS_ALIGN_TOP)->GetControlBarList().GetCount()) << Dump();
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();

    ASSERT_TRUE(first->DockToRecentPos());
    EXPECT_TRUE(first->IsDocked());
    EXPECT_EQ(before, Dump());
}

TEST_F(DockingWindowTest, RecentRowIndexFromTheRegistryAddsAtMostOneRow)
{
    auto bar = MakeBar("Bar", 101, 100, 26);
    bar->RecentDockInfo().m_nRecentRowIndex = 50;
    CZAVPDockManager::m_bRestoringDockState = TRUE;
    bar->DockControlBar(DockBar(CBRS_ALIGN_TOP), ZAVP_DM_RECENT, nullptr);
    CZAVPDockManager::m_bRestoringDockState = FALSE;
    EXPECT_EQ(1, DockBar(CBRS_ALIGN_TOP)->GetRows().GetCount());
    CRect rect;
    DockBar(CBRS_ALIGN_TOP)->GetWindowRect(rect);
    EXPECT_EQ(26, rect.Height());
}

TEST_F(DockingWindowTest, ControlBarStateRoundTripAndDamagedValues)
{
    auto bar = MakeBar("Bar", 101, 100, 26);
    m_pFrame->DockControlBar(bar.get());
    bar->RecentDockInfo().m_rectRecentFloatingRect = CRect(5, 6, 105, 56);
    ASSERT_TRUE(bar->SaveState(kProfile, -1, (UINT)-1));

    auto loaded = std::make_unique<FixedBar>(50, 20);
    ASSERT_TRUE(loaded->CreateIn(m_pFrame, "Loaded", 101));
    EXPECT_FALSE(loaded->IsRestoredFromRegistry());
    ASSERT_TRUE(loaded->LoadState(kProfile, -1, (UINT)-1));
    EXPECT_EQ("5,6,105,56", Text(loaded->GetRecentDockInfo().m_rectRecentFloatingRect));
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, loaded->GetRecentDockInfo().m_dwRecentAlignmentToFrame);
    EXPECT_EQ("0,0,100,26", Text(loaded->GetRecentDockInfo().m_rectDockedRect));
    EXPECT_TRUE(loaded->IsRestoredFromRegistry());
    EXPECT_TRUE(loaded->GetRecentVisibleState());

    // Damaged values keep what the bar had.
    const std::string key = std::string(kProfile) + "ZAVPControlBar-101";
    const DWORD twoSides = 0x3000, negative = (DWORD)-5;
    const BYTE shortRect[8] = {1, 0, 0, 0, 2, 0, 0, 0};
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "RecentFrameAlignment", REG_DWORD, &twoSides, 4);
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "RecentRowIndex", REG_DWORD, &negative, 4);
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "RectRecentFloat", REG_BINARY, shortRect,
                sizeof shortRect);
    auto damaged = std::make_unique<FixedBar>(50, 20);
    ASSERT_TRUE(damaged->CreateIn(m_pFrame, "Damaged", 101));
    damaged->RecentDockInfo().m_nRecentRowIndex = 2;
    damaged->RecentDockInfo().m_rectRecentFloatingRect = CRect(10, 10, 110, 110);
    EXPECT_TRUE(damaged->LoadState(kProfile, -1, (UINT)-1));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, damaged->GetRecentDockInfo().m_dwRecentAlignmentToFrame);
    EXPECT_EQ(2, damaged->GetRecentDockInfo().m_nRecentRowIndex);
    EXPECT_EQ("10,10,110,110", Text(damaged->GetRecentDockInfo().m_rectRecentFloatingRect));

    // A bar never saved loads nothing.
    auto fresh = std::make_unique<FixedBar>(50, 20);
    ASSERT_TRUE(fresh->CreateIn(m_pFrame, "Fresh", 777));
    EXPECT_FALSE(fresh->LoadState(kProfile, -1, (UINT)-1));
    EXPECT_FALSE(fresh->IsRestoredFromRegistry());
}

TEST_F(DockingWindowTest, DockLayoutValueRoundTripAndADamagedValueKeepsTheLayout)
{
    auto bar = MakeBar("Bar", 101, 100, 26);
    m_pFrame->DockControlBar(bar.get());
    ASSERT_TRUE(Manager().SaveState(kProfile, 128));
    const std::string key = std::string(kProfile) + "ZAVPDockManager-128";
    BYTE data[64] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders",
                                         nullptr, data, &size));
    EXPECT_EQ(16u, size);  // four empty sections
    EXPECT_TRUE(Manager().LoadState(kProfile, 128));
    EXPECT_FALSE(Manager().IsLoadFailed());

    const std::string before = Dump();
    const BYTE damaged[] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0};
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), "DockingCBAndSliders", REG_BINARY, damaged,
                sizeof damaged);
    EXPECT_FALSE(Manager().LoadState(kProfile, 128));
    EXPECT_TRUE(Manager().IsLoadFailed());
    Manager().SetDockState();
    EXPECT_EQ(before, Dump());
    EXPECT_FALSE(Manager().LoadState(kProfile, 999));  // no such key
}

TEST_F(DockingWindowTest, RightClickOnADockBarAsksTheMainFrameForTheToolbarMenu)
{
    auto bar = MakeBar("Bar", 101, 100, 26);
    m_pFrame->DockControlBar(bar.get());
    const UINT popupMenu = ZAVPRegisteredMessages::Register("ZAVTOOLBAR_POPUPMENU");
    CZAVPDockBar* pTop = DockBar(CBRS_ALIGN_TOP);
    const CPoint pt = OnScreen(CRect(300, 10, 300, 10)).TopLeft();

    pTop->SendMessage(WM_CONTEXTMENU, (WPARAM)pTop->GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(1u, m_pFrame->m_messages.size());
    EXPECT_EQ(popupMenu, m_pFrame->m_messages[0].message);
    EXPECT_EQ(0u, m_pFrame->m_messages[0].wParam);
    EXPECT_EQ(MAKELPARAM(pt.x, pt.y), m_pFrame->m_messages[0].lParam);

    // Not while the toolbars are customised.
    ZAVPSharedBarData::g_bCustomizeMode = TRUE;
    pTop->SendMessage(WM_CONTEXTMENU, (WPARAM)pTop->GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
    ZAVPSharedBarData::g_bCustomizeMode = FALSE;
    EXPECT_EQ(1u, m_pFrame->m_messages.size());
}

TEST_F(DockingWindowTest, ResizingTheFrameReplacesTheDockBars)
{
    auto bar = MakeBar("Bar", 101, 100, 26);
    auto side = MakeBar("Side", 102, 80, 30);
    m_pFrame->DockControlBar(bar.get());
    m_pFrame->DockControlBar(side.get(), 0xE81D);
    CRect rect;
    m_pFrame->GetWindowRect(rect);
    m_pFrame->SetWindowPos(nullptr, 0, 0, rect.Width() - 100, rect.Height() - 50,
                           SWP_NOMOVE | SWP_NOZORDER);
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,26,470,350", Text(area));
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

namespace
{
// Looks at the help state from inside the frame's help loop (which dispatches what it does not
// take itself), asks for help without a topic there, then ends the loop with Escape.
class HelpProbe : public CWnd
{
public:
    explicit HelpProbe(CZAVPFrameWnd* pFrame) : m_pFrame(pFrame)
    {
        CreateEx(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    }
    ~HelpProbe() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 1) {
            m_bToolbarsHelpMode = CZAVPToolBar::IsHelpMode();
            m_bFrameHelpMode = m_pFrame->m_bHelpMode;
            m_pFrame->WinHelp(0);
            m_bHelpModeAfterEmptyRequest = m_pFrame->m_bHelpMode;
            ::PostMessageA(m_pFrame->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    CZAVPFrameWnd* m_pFrame;
    BOOL m_bToolbarsHelpMode = FALSE, m_bFrameHelpMode = FALSE;
    BOOL m_bHelpModeAfterEmptyRequest = FALSE;
};
}  // namespace

TEST_F(DockingWindowTest, ContextHelpHotTracksTheToolbarsWhileTheHelpCursorWaits)
{
    // Without a help file there is no help mode, for the toolbars either.
    HelpProbe probe(m_pFrame);
    m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP, 0);
    EXPECT_FALSE(CZAVPToolBar::IsHelpMode());
    EXPECT_FALSE(m_pFrame->m_bContextHelp);

    m_app.m_pszHelpFilePath = "Lornival.hlp";
    ::PostMessageA(probe.GetSafeHwnd(), WM_USER + 1, 0, 0);
    m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP, 0);
    m_app.m_pszHelpFilePath = nullptr;
    EXPECT_TRUE(probe.m_bToolbarsHelpMode);
    EXPECT_TRUE(probe.m_bFrameHelpMode);
    // A request without a topic keeps the help cursor waiting rather than opening help.
    EXPECT_TRUE(probe.m_bHelpModeAfterEmptyRequest);
    // Escape ended it: the toolbars leave help mode with the frame.
    EXPECT_FALSE(m_pFrame->m_bHelpMode);
    EXPECT_FALSE(CZAVPToolBar::IsHelpMode());
    EXPECT_FALSE(m_pFrame->m_bContextHelp);
}

TEST_F(DockingWindowTest, HideAllHidesTheBarsAndShowsTheSameOnesAgain)
{
    auto shown = MakeBar("Shown", 101, 100, 26);
    auto hidden = MakeBar("Hidden", 102, 100, 26);
    m_pFrame->DockControlBar(shown.get());
    m_pFrame->DockControlBar(hidden.get());
    hidden->ShowControlBar(FALSE, FALSE, FALSE);

    EXPECT_TRUE(m_pFrame->ShowControlBars(FALSE));
    EXPECT_FALSE(shown->IsVisible());
    CRect area;
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,0,600,400", Text(area));
    EXPECT_FALSE(m_pFrame->ShowControlBars(FALSE));  // already hidden

    EXPECT_TRUE(m_pFrame->ShowControlBars(TRUE));
    EXPECT_TRUE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible());  // it was hidden before: it stays so
    Manager().GetClientAreaBounds(area);
    EXPECT_EQ("0,26,600,400", Text(area));
    EXPECT_FALSE(m_pFrame->ShowControlBars(TRUE));
}

TEST(ControlBarPure, AllocateElementsRefusesAnOverflowingSize)
{
    FixedBar bar(10, 10);
    EXPECT_TRUE(bar.AllocateElements(3, 4));
    EXPECT_EQ(3, bar.GetElementCount());
    EXPECT_FALSE(bar.AllocateElements(0x10000, 0x10000));
    EXPECT_FALSE(bar.AllocateElements(0x7FFFFFFF, 2));
    EXPECT_FALSE(bar.AllocateElements(-1, 4));
    EXPECT_EQ(3, bar.GetElementCount());
}

TEST(ControlBarPure, StoredAlignmentReplacesTheCurrentSide)
{
    FixedBar bar(10, 10);
    bar.SetBarStyle(CBRS_ALIGN_LEFT | CBRS_BORDER_ANY | CBRS_GRIPPER);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)CBRS_ALIGN_BOTTOM << (DWORD)1;
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        bar.Serialize(ar);
    }
    EXPECT_EQ((DWORD)(CBRS_ALIGN_BOTTOM | CBRS_BORDER_ANY | CBRS_GRIPPER), bar.GetBarStyle());
    EXPECT_TRUE(bar.GetRecentVisibleState());
}

TEST(ControlBarPure, BaseFixedLayoutAndDockMode)
{
    CZAVPBaseControlBar* pBar = new FixedBar(10, 10);
    EXPECT_EQ(CSize(32767, 0), pBar->CZAVPBaseControlBar::CalcFixedLayout(TRUE, TRUE));
    EXPECT_EQ(CSize(0, 32767), pBar->CZAVPBaseControlBar::CalcFixedLayout(TRUE, FALSE));
    EXPECT_EQ(CSize(0, 0), pBar->CZAVPBaseControlBar::CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(ZAVP_DOCK_STANDARD, pBar->GetDockMode());
    pBar->SetBarStyle(0x2000 | 0x0F00);
    pBar->SetBarAlignment(0x1000);
    EXPECT_EQ(0x1F00u, pBar->GetBarStyle());
    EXPECT_FALSE(pBar->IsHorizontal());
    delete pBar;
}

TEST(DragOutline, ThresholdAndFirstOutline)
{
    const CSize threshold(4, 4);
    // clang-format off
    struct Case
    {
        CPoint cursor;
        BOOL past;
    } cases[] = {
        {{100, 100}, FALSE},
        {{103, 97}, FALSE},
        {{104, 100}, TRUE},
        {{100, 96}, TRUE},
    };
    // clang-format on
    const RECT rectHold = DockLayout::DragHoldBox(CPoint(100, 100), threshold);
    for (const Case& c : cases)
        EXPECT_EQ(c.past, !::PtInRect(&rectHold, c.cursor)) << c.cursor.x << "," << c.cursor.y;
    // A docked bar at (300, 10) 200 long; recent floating size 100 × 100.
    const CRect bar(300, 10, 500, 36);
    EXPECT_EQ("300,10,400,110",
              Text(CZAVPDragOutline::FirstOutlineRect(bar, CSize(100, 100), CPoint(320, 20))));
    // The cursor beyond the floating width: the left edge goes 5 px left of it.
    EXPECT_EQ("445,10,545,110",
              Text(CZAVPDragOutline::FirstOutlineRect(bar, CSize(100, 100), CPoint(450, 20))));
}

namespace
{
const char kWorkspaceKey[] = "LornivalDockingTests";
const char kWorkspaceRoot[] = "Software\\LornivalDockingTests";
const char kWorkspaceSection[] = "Layout";
// The workspace path: "SOFTWARE\" + key + "\" + profile (the application name) + "\" + section.
const std::string kSectionKey = "Software\\LornivalDockingTests\\DockingTests\\Layout\\";

class FrameStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kWorkspaceRoot);
        m_app.SetRegistryKey(kWorkspaceKey);
        m_workspace.SetRegistrySection(kWorkspaceSection);
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kWorkspaceRoot); }

    CWinApp m_app{"DockingTests"};
    CZAVPWorkspace m_workspace;
};

bool ValueExists(const std::string& key, const char* value)
{
    DWORD size = 0;
    return SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, nullptr, &size) ==
           ERROR_SUCCESS;
}
}  // namespace

TEST_F(FrameStateTest, PlacementIsClippedToTheWorkAreaAndCloseSavesThroughTheWorkspace)
{
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // Half off the work area's top-left corner: placed at the corner with its own size.
    const RECT stored = {work.left - 50, work.top - 20, work.left + 750, work.top + 580};
    ASSERT_TRUE(m_workspace.StoreWindowPlacement(stored, 0, SW_SHOWNORMAL));

    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200)));
    CRect rect;
    pFrame->GetWindowRect(rect);
    EXPECT_EQ(Text(CRect(work.left, work.top, work.left + 800, work.top + 600)), Text(rect));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(ValueExists(kSectionKey + "WindowPlacement", "MainWindowRect"));
    EXPECT_TRUE(ValueExists(kSectionKey + "ZAVPDockManager-0", "DockingCBAndSliders"));

    // A frame starting later reads the layout back through the workspace; a damaged one is refused.
    CZAVPFrameWnd* pNext = new CZAVPFrameWnd;
    ASSERT_TRUE(pNext->Create(nullptr, "Next", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200)));
    pNext->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_TRUE(pNext->m_Impl.LoadDockState(m_workspace.GetRegSectionPath("")));
    const BYTE damaged[] = {9, 0, 0, 0};
    SHSetValueA(HKEY_CURRENT_USER, (kSectionKey + "ZAVPDockManager-0").c_str(),
                "DockingCBAndSliders", REG_BINARY, damaged, sizeof damaged);
    m_workspace.LoadState(nullptr, &pNext->m_Impl);
    EXPECT_TRUE(pNext->m_dockManager.IsLoadFailed());
    pNext->DestroyWindow();
}

TEST_F(FrameStateTest, TearOffBarsAreNumberedWithoutGapsAndOnlyToolbarsAreCreated)
{
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200)));
    UpperLayerFakes::TestToolBar first("First", pFrame);
    UpperLayerFakes::TestToolBar hidden("Hidden", pFrame);
    UpperLayerFakes::TestToolBar last("Last", pFrame);
    first.ShowWindow(SW_SHOWNOACTIVATE);
    last.ShowWindow(SW_SHOWNOACTIVATE);
    for (CObject* pBar : {(CObject*)&first, (CObject*)&hidden, (CObject*)&last})
        pFrame->m_Impl.AddTearOffToolbar(pBar);

    pFrame->m_Impl.SaveTearOffBars(nullptr);
    pFrame->m_Impl.m_listTearOffToolbars.RemoveAll();
    const std::string section = kSectionKey + "ControlBars-TearOff";
    char name[32] = {};
    DWORD size = sizeof name;
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, (section + "-0").c_str(), "Name",
                                         nullptr, name, &size));
    EXPECT_STREQ("First", name);
    size = sizeof name;
    ASSERT_EQ(ERROR_SUCCESS, SHGetValueA(HKEY_CURRENT_USER, (section + "-1").c_str(), "Name",
                                         nullptr, name, &size));
    EXPECT_STREQ("Last", name);
    EXPECT_FALSE(ValueExists(section + "-2", "Name"));

    // A "State" naming a class that is no toolbar creates nothing.
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            CZAVPUserTool stranger;
            ar.WriteObject(&stranger);
        }
        const UINT n = (UINT)file.GetLength();
        BYTE* p = file.Detach();
        SHSetValueA(HKEY_CURRENT_USER, (section + "-0").c_str(), "State", REG_BINARY, p, n);
        free(p);
    }
    pFrame->m_Impl.LoadTearOffBars(nullptr);
    EXPECT_TRUE(pFrame->m_Impl.m_listTearOffToolbars.IsEmpty());
    pFrame->DestroyWindow();
}

TEST(FrameImplPure, UserToolbarRange)
{
    CZAVPFrameImpl impl(nullptr);
    EXPECT_EQ(0u, impl.GetUserToolbarRangeSize());  // unset
    EXPECT_FALSE(impl.IsUserToolbarId(0));
    impl.InitUserToobars("", 900, 909);
    EXPECT_EQ(10u, impl.GetUserToolbarRangeSize());
    EXPECT_TRUE(impl.IsUserToolbarId(909));
    EXPECT_FALSE(impl.IsUserToolbarId(910));
    CObList none;
    EXPECT_EQ(900u, impl.GetFreeCtrlBarID(900, 909, none));
}

namespace
{
// A window that answers the item and command messages its bars pass on.
class CommandSink : public CWnd
{
public:
    CommandSink() { CreateEx(0, nullptr, "sink", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr); }
    ~CommandSink() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_NOTIFY) {
            m_received.push_back({message, wParam});
            return 77;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::pair<UINT, WPARAM>> m_received;
};
}  // namespace

TEST(BaseControlBarMessages, ItemAndCommandMessagesGoOnToTheOwnerAndHelpHitsNameTheBar)
{
    CommandSink sink;
    FixedBar bar(100, 26);
    ASSERT_TRUE(bar.Create("Bar", WS_CHILD | CBRS_TOP, CRect(0, 0, 100, 26), &sink, 0xE805, 0));
    EXPECT_EQ(77, bar.SendMessage(WM_COMMAND, 1234, 0));
    NMHDR hdr = {nullptr, 5, (UINT)NM_CLICK};
    EXPECT_EQ(77, bar.SendMessage(WM_NOTIFY, 5, (LPARAM)&hdr));
    ASSERT_EQ(2u, sink.m_received.size());
    EXPECT_EQ(std::make_pair((UINT)WM_COMMAND, (WPARAM)1234), sink.m_received[0]);
    EXPECT_EQ(std::make_pair((UINT)WM_NOTIFY, (WPARAM)5), sink.m_received[1]);
    // Other messages stay with the bar.
    bar.SendMessage(WM_USER + 5, 0, 0);
    EXPECT_EQ(2u, sink.m_received.size());
    // No tool under the point: the bar's own id + 0x50000.
    EXPECT_EQ(0x5E805, bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(5, 5)));
    bar.DestroyWindow();
}

TEST(BarInADialog, EachBarJudgesItsOwnParent)
{
    // A minimal in-memory dialog template: no controls.
    struct
    {
        DLGTEMPLATE dlg;
        WORD menu, cls, title;
    } tmpl = {{WS_POPUP, 0, 0, 0, 0, 200, 100}, 0, 0, 0};
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&tmpl.dlg, nullptr));
    CommandSink plainParent;
    FixedBar inDialog(50, 20), outside(50, 20);
    ASSERT_TRUE(
        inDialog.Create("In", WS_CHILD | CBRS_TOP, CRect(0, 0, 50, 20), &dialog, 0xE806, 0));
    ASSERT_TRUE(
        outside.Create("Out", WS_CHILD | CBRS_TOP, CRect(0, 0, 50, 20), &plainParent, 0xE807, 0));
    EXPECT_TRUE(inDialog.IsDialogControl());
    // A bar made later outside any dialog is not taken for one: it has no frame to dock into.
    EXPECT_FALSE(outside.IsDialogControl());
    EXPECT_TRUE(inDialog.DockToFrameWindow());  // nothing to do in a dialog: success
    EXPECT_FALSE(outside.DockToFrameWindow());  // no frame: failure, not a silent success
    inDialog.DestroyWindow();
    outside.DestroyWindow();
    dialog.DestroyWindow();
}
