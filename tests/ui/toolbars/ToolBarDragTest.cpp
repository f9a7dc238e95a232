// Dragging a docked toolbar by its gripper with the mouse, as the catalogue's frame docks its two
// toolbars at the top: along its row, into another row or a row of its own, onto another side,
// and out into a floating frame that docks again when dragged back. The mouse messages go where
// the system sends them: to the window under the cursor, or to the one holding the capture.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>

#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "tests/ui/docking/DockingTestBars.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DockLayoutDump.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const char kRoot[] = "Software\\LornivalToolBarDragTests";
const int kClientWidth = 600;
const int kClientHeight = 400;
const UINT kDragMainBarId = 0xE800;
const UINT kDragNavBarId = 0xE806;
// The catalogue's toolbar styles.
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                        CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
// Where the user takes hold of a horizontal bar: inside its gripper strip, which lies left of
// the client area (one border pixel, a one-pixel border and the 7-pixel gripper).
const int kGripperX = 4;

class ToolBarDragTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        GetCommandManager()->ClearAll();
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kClientWidth, kClientHeight, TRUE));
        m_app.m_pMainWnd = m_pFrame;
        const CRect borders(1, 1, 1, 1);
        ASSERT_TRUE(m_main.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kDragMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        ASSERT_TRUE(m_nav.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kDragNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_main.EnableDocking(CBRS_ALIGN_ANY);
        m_nav.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
        m_pFrame->DockControlBar(&m_main);
        m_pFrame->DockControlBar(&m_nav);
        Pump();
        // Each toolbar in a row of its own, the navigation bar in the second.
        ASSERT_EQ(2, Top()->GetRows().GetCount()) << Dump();
        ASSERT_EQ(Row(1), Top()->FindRowByBar(&m_nav)) << Dump();
        m_nRow = InFrame(&m_nav).Height();
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
        Pump();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }

    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }
    CZAVPDockBar* Top() { return Manager().FindDockBar(CBRS_ALIGN_TOP, TRUE); }
    CZAVPDockBar* Left() { return Manager().FindDockBar(CBRS_ALIGN_LEFT, TRUE); }
    CZAVPDockBarRow* Row(int i)
    {
        POSITION pos = Top()->GetRows().FindIndex(i);
        return pos ? static_cast<CZAVPDockBarRow*>(Top()->GetRows().GetAt(pos)) : nullptr;
    }
    std::string Dump() { return DockLayout::DumpLayout(Manager().Snapshot()); }
    CRect InFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        m_pFrame->ScreenToClient(rect);
        return rect;
    }
    CPoint OnScreen(CPoint pt)
    {
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    // The gripper of a docked horizontal bar, in the frame's client coordinates.
    CPoint Gripper(CZAVPToolBar& bar)
    {
        const CRect rect = InFrame(&bar);
        return CPoint(rect.left + kGripperX, rect.CenterPoint().y);
    }

    // One mouse message at a point of the frame's client area: the cursor goes there, and the
    // message to the window holding the capture, else to the given one.
    void Mouse(CWnd* pWnd, UINT message, CPoint ptFrame)
    {
        const CPoint ptScreen = OnScreen(ptFrame);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        HWND hwnd = ::GetCapture() != nullptr ? ::GetCapture() : pWnd->GetSafeHwnd();
        POINT pt = ptScreen;
        ::ScreenToClient(hwnd, &pt);
        ::SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                       MAKELPARAM((short)pt.x, (short)pt.y));
    }
    // Presses on the window at one point, moves in ten steps to another and releases there.
    void Drag(CWnd* pWnd, CPoint from, CPoint to)
    {
        Mouse(pWnd, WM_LBUTTONDOWN, from);
        const int kSteps = 10;
        for (int i = 1; i <= kSteps; ++i)
            Mouse(pWnd, WM_MOUSEMOVE,
                  CPoint(from.x + (to.x - from.x) * i / kSteps,
                         from.y + (to.y - from.y) * i / kSteps));
        Mouse(pWnd, WM_LBUTTONUP, to);
        Pump();
    }
    // The drag is over: nothing holds the mouse and the bar is no longer dragged.
    void ExpectDragEnded(CZAVPToolBar& bar)
    {
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_FALSE(bar.IsCapturing());
        EXPECT_FALSE(bar.IsDragMode());
    }

    CWinApp m_app{"ToolBarDragTests"};
    RecordingFrame* m_pFrame = nullptr;
    // The bars outlive the frame object: the frame's dock manager still lists them when it goes.
    CZAVPToolBar m_main;
    CZAVPToolBar m_nav;
    int m_nRow = 0;  // a toolbar row's thickness
};
}  // namespace

// In both dock modes the bar moves along its row by what the mouse moved. Released over one of
// its own buttons (the outline drag leaves the bar in place until then), the drag still ends.
TEST_P(ToolBarDragTest, TheGripperMovesTheBarAlongItsRow)
{
    m_nav.SetDockMode(GetParam());
    const CRect before = InFrame(&m_nav);
    const CPoint from = Gripper(m_nav);
    const CPoint to(from.x + 60, from.y);
    CPoint ptRelease = OnScreen(to);
    m_nav.ScreenToClient(&ptRelease);
    ASSERT_GE(m_nav.HitTest(ptRelease), 0) << "the release point is meant to be over a button";
    Drag(&m_nav, from, to);
    ExpectDragEnded(m_nav);
    CRect expected = before;
    expected.OffsetRect(60, 0);
    EXPECT_EQ(expected, InFrame(&m_nav)) << Dump();
    EXPECT_EQ(Row(1), Top()->FindRowByBar(&m_nav)) << Dump();
    EXPECT_EQ(2, Top()->GetRows().GetCount());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();

    // Pulled past the row's end (the cursor still over the row), the bar stops at the end.
    Drag(&m_nav, Gripper(m_nav), CPoint(kClientWidth - 5, from.y));
    ExpectDragEnded(m_nav);
    EXPECT_EQ(CRect(kClientWidth - before.Width(), before.top, kClientWidth, before.bottom),
              InFrame(&m_nav))
        << Dump();
}

// Up into the first row beside the main bar, the point taken staying under the cursor; the top
// side is then one row thick. Pulled down again from a shared row, the bar gets a row of its own.
TEST_P(ToolBarDragTest, TheGripperMovesTheBarIntoAnotherRowAndIntoARowOfItsOwn)
{
    m_nav.SetDockMode(GetParam());
    const CSize size = InFrame(&m_nav).Size();
    const CPoint to(300 + kGripperX, InFrame(&m_main).CenterPoint().y);
    Drag(&m_nav, Gripper(m_nav), to);
    ExpectDragEnded(m_nav);
    EXPECT_EQ(1, Top()->GetRows().GetCount()) << Dump();
    EXPECT_EQ(Top()->FindRowByBar(&m_main), Top()->FindRowByBar(&m_nav)) << Dump();
    EXPECT_EQ(CRect(CPoint(300, InFrame(&m_main).top), size), InFrame(&m_nav)) << Dump();
    EXPECT_EQ(m_nRow, InFrame(Top()).Height());

    Drag(&m_nav, Gripper(m_nav), CPoint(Gripper(m_nav).x, Gripper(m_nav).y + m_nRow));
    ExpectDragEnded(m_nav);
    ASSERT_EQ(2, Top()->GetRows().GetCount()) << Dump();
    EXPECT_EQ(Row(0), Top()->FindRowByBar(&m_main)) << Dump();
    EXPECT_EQ(Row(1), Top()->FindRowByBar(&m_nav)) << Dump();
    EXPECT_EQ(2 * m_nRow, InFrame(Top()).Height());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

INSTANTIATE_TEST_SUITE_P(DockModes, ToolBarDragTest,
                         ::testing::Values((int)ZAVP_DOCK_STANDARD, (int)ZAVP_DOCK_IMMEDIATE),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == ZAVP_DOCK_STANDARD ? std::string("Outline")
                                                                     : std::string("Immediate");
                         });

// Released at the empty left side (in outline mode), the bar docks there standing up; the top
// side loses the bar's row.
TEST_F(ToolBarDragTest, ReleasedAtTheEmptyLeftSideTheBarDocksThereUpright)
{
    Drag(&m_nav, Gripper(m_nav), CPoint(3, 200));
    ExpectDragEnded(m_nav);
    EXPECT_EQ(Left(), m_nav.GetParentDockBar()) << Dump();
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, m_nav.GetCurrentAlignment());
    const CRect rect = InFrame(&m_nav);
    EXPECT_GT(rect.Height(), rect.Width()) << Dump();
    EXPECT_EQ(rect.Width(), InFrame(Left()).Width()) << Dump();
    EXPECT_EQ(1, Top()->GetRows().GetCount()) << Dump();
    EXPECT_EQ(m_nRow, InFrame(Top()).Height());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}

// Released over the client area the bar floats where the outline was: the outline starts at the
// bar and moves with the cursor. Its frame dragged back by the caption over the top row, the bar
// docks there again.
TEST_F(ToolBarDragTest, ReleasedOverTheClientAreaTheBarFloatsAndItsFrameDocksItAgain)
{
    const CRect before = InFrame(&m_nav);
    const CPoint from = Gripper(m_nav);
    const CPoint to(from.x + 200, from.y + 180);
    Drag(&m_nav, from, to);
    ExpectDragEnded(m_nav);
    ASSERT_TRUE(m_nav.IsFloating()) << Dump();
    CZAVPMiniFrameWnd* pMiniFrame = m_nav.GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_EQ(before.TopLeft() + CSize(200, 180), InFrame(pMiniFrame).TopLeft());
    EXPECT_EQ(1, Top()->GetRows().GetCount()) << Dump();
    EXPECT_EQ(m_nRow, InFrame(Top()).Height());

    // The frame's caption, pulled over the top row right of the main bar.
    CRect rectCaption;
    pMiniFrame->GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(InFrame(pMiniFrame).TopLeft());
    const CPoint grip(rectCaption.left + 10, rectCaption.CenterPoint().y);
    Drag(pMiniFrame, grip, CPoint(300, InFrame(&m_main).CenterPoint().y));
    Pump();
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(m_nav.IsDocked()) << Dump();
    EXPECT_EQ(Top(), m_nav.GetParentDockBar()) << Dump();
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, m_nav.GetCurrentAlignment());
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(DockLayout::CheckLayout(Manager().Snapshot()).empty()) << Dump();
}
