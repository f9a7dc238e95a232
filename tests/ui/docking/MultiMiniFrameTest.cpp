// Docking panes floating in frames of several panes, under the null driver: a pane pulled off its
// side by the caption floats and a double click on the frame sends it back; panes of two frames
// merge into one tree; the frame's caption follows the visible panes; hiding every pane hides
// the frame; a whole frame dropped on a frame side docks there.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CWinApp.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/layout/ContainerTree.h"

namespace
{
const int kClientWidth = 600;
const int kClientHeight = 400;

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A pane with a minimum size a test can reason about.
class TestPane : public CZAVPDockingControlBar
{
public:
    TestPane() { m_sizeMin = CSize(40, 40); }
};

class MultiMiniFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        CRect rect(0, 0, kClientWidth, kClientHeight);
        ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        rect.OffsetRect(100 - rect.left, 100 - rect.top);
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect));
        CRect rectClient, rectWindow;
        m_pFrame->GetClientRect(rectClient);
        m_pFrame->GetWindowRect(rectWindow);
        m_pFrame->SetWindowPos(nullptr, 0, 0,
                               rectWindow.Width() + kClientWidth - rectClient.Width(),
                               rectWindow.Height() + kClientHeight - rectClient.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
        ::SetCursorPos(0, 0);
    }
    void TearDown() override
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        for (auto& pane : m_panes)
            if (pane->GetSafeHwnd() != nullptr) pane->DestroyWindow();
        m_panes.clear();
        Pump();
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->DestroyWindow();
        Pump();
    }

    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }
    // A captioned pane that floats with others, docked on the left side.
    TestPane* MakePane(const char* name, UINT nID, CSize size)
    {
        auto pane = std::make_unique<TestPane>();
        EXPECT_TRUE(pane->Create(name, m_pFrame, CRect(0, 0, size.cx, size.cy), TRUE, nID,
                                 WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_FLOAT_MULTI));
        pane->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pane.get());
        m_panes.push_back(std::move(pane));
        return m_panes.back().get();
    }
    // Floats a pane at a screen point (its frame's top-left corner).
    CZAVPMultiMiniFrameWnd* Float(TestPane* pPane, CPoint pt)
    {
        const CSize size = WindowRect(pPane).Size();
        EXPECT_TRUE(pPane->FloatControlBar(CRect(pt, size), ZAVP_DM_DBL_CLICK, TRUE));
        CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
        if (pMiniFrame == nullptr || !pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
            return nullptr;
        return static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame);
    }
    CPoint OnScreen(int x, int y)
    {
        CPoint pt(x, y);
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        return rect;
    }
    static CString Caption(CZAVPMiniFrameWnd* pMiniFrame) { return pMiniFrame->GetCaptionText(); }
    static CPoint CaptionPoint(CZAVPMiniFrameWnd* pMiniFrame)
    {
        CRect rectCaption;
        pMiniFrame->GetCaptionRect(rectCaption);
        rectCaption.OffsetRect(WindowRect(pMiniFrame).TopLeft());
        return CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y);
    }
    static void MouseAt(CWnd* pWnd, UINT message, CPoint ptScreen)
    {
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        CPoint pt = ptScreen;
        pWnd->ScreenToClient(&pt);
        pWnd->SendMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                          MAKELPARAM((short)pt.x, (short)pt.y));
    }

    CWinApp m_app{"MultiMiniFrameTests"};
    RecordingFrame* m_pFrame = nullptr;
    std::vector<std::unique_ptr<TestPane>> m_panes;
};
}  // namespace

TEST_F(MultiMiniFrameTest, APaneDraggedByItsCaptionFloatsAndADoubleClickSendsItBack)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    ASSERT_NE(nullptr, pFiles->GetDefaultSlider());
    const CRect rectDocked = WindowRect(pFiles);

    // Pressed on the caption and pulled out of the pane: it floats, its frame takes the drag.
    const CRect rectCaption = pFiles->GetCaptionRect();
    ASSERT_FALSE(rectCaption.IsRectEmpty());
    const CPoint ptCaption = rectDocked.TopLeft() + rectCaption.CenterPoint();
    MouseAt(pFiles, WM_LBUTTONDOWN, ptCaption);
    const CPoint ptOut = OnScreen(400, 200);
    MouseAt(pFiles, WM_MOUSEMOVE, ptOut);
    CZAVPMiniFrameWnd* pMiniFrame = pFiles->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pMiniFrame);
    ASSERT_TRUE(pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
    EXPECT_TRUE(pMiniFrame->IsMoving());
    EXPECT_EQ(nullptr, pFiles->GetDefaultSlider());
    // Released away from every side: the frame stays where it is dropped.
    MouseAt(pMiniFrame, WM_MOUSEMOVE, ptOut + CPoint(20, 10));
    MouseAt(pMiniFrame, WM_LBUTTONUP, ptOut + CPoint(20, 10));
    EXPECT_FALSE(pMiniFrame->IsMoving());
    EXPECT_TRUE(pFiles->IsFloating());
    // One pane: the frame carries its title, and the pane keeps its size.
    EXPECT_STREQ("Files", Caption(pMiniFrame));
    EXPECT_EQ(Text(CRect(CPoint(0, 0), rectDocked.Size())), Text(pFiles->WindowRectInParent()));

    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    MouseAt(pMiniFrame, WM_LBUTTONDBLCLK, CaptionPoint(pMiniFrame));
    Pump();
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    EXPECT_TRUE(pFiles->IsDocked());
    ASSERT_NE(nullptr, pFiles->GetDefaultSlider());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pFiles->GetCurrentAlignment());
    EXPECT_EQ(Text(rectDocked), Text(WindowRect(pFiles)));
    EXPECT_GT(pFiles->GetCaptionHeight(), 0);
}

TEST_F(MultiMiniFrameTest, TwoFramesMergeAndTheCaptionFollowsTheVisiblePanes)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    TestPane* pSearch = MakePane("Search", 102, CSize(180, 120));
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(250, 40));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(480, 250));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(pFirst, pSecond);

    // The second frame dropped near the bottom edge of the first one's pane joins its tree.
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    const HWND hSecond = pSecond->GetSafeHwnd();
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    Pump();
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_EQ(pFirst, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(2, pFirst->HasControlBar());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    // Search lies below Files, each with its own caption; the frame's caption is empty.
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_STREQ("", Caption(pFirst));
    EXPECT_GT(pSearch->GetCaptionHeight(), 0);
    EXPECT_TRUE(DockLayout::CheckContainerTree(pFirst->GetContainerManager().Snapshot()).empty());

    // One pane hidden: the other's title is the frame's and its own caption goes.
    pFiles->ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_STREQ("Search", Caption(pFirst));
    EXPECT_EQ(0, pSearch->GetCaptionHeight());
    EXPECT_TRUE(pFirst->IsWindowVisible());

    // Every pane hidden: the frame hides and stays; one shown again brings it back, inactive.
    const HWND hFirst = pFirst->GetSafeHwnd();
    pSearch->ShowControlBar(FALSE, FALSE, FALSE);
    Pump();
    ASSERT_TRUE(::IsWindow(hFirst));
    EXPECT_FALSE(pFirst->IsWindowVisible());
    pSearch->ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pFirst->IsWindowVisible());
    EXPECT_NE(hFirst, ::GetActiveWindow());

    // A double click sends the visible pane home; the hidden one keeps the frame.
    MouseAt(pFirst, WM_LBUTTONDBLCLK, CaptionPoint(pFirst));
    Pump();
    EXPECT_TRUE(pSearch->IsDocked());
    EXPECT_NE(nullptr, pSearch->GetDefaultSlider());
    ASSERT_TRUE(::IsWindow(hFirst));
    EXPECT_EQ(1, pFirst->HasControlBar());
    EXPECT_FALSE(pFirst->IsWindowVisible());
}

TEST_F(MultiMiniFrameTest, AFrameDroppedOnAFrameSideDocksItsPanesThere)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(200, 40));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    Pump();

    // Dragged by its caption to the right edge of the client area and released there.
    const HWND hFirst = pFirst->GetSafeHwnd();
    const CPoint pt = CaptionPoint(pFirst);
    MouseAt(pFirst, WM_LBUTTONDOWN, pt);
    const CPoint ptEdge = OnScreen(kClientWidth - 4, 200);
    MouseAt(pFirst, WM_MOUSEMOVE, ptEdge);
    MouseAt(pFirst, WM_LBUTTONUP, ptEdge);
    Pump();
    EXPECT_FALSE(::IsWindow(hFirst));
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
    for (TestPane* pPane : {pFiles, pSearch}) {
        EXPECT_TRUE(pPane->IsDocked());
        EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pPane->GetCurrentAlignment());
        EXPECT_NE(nullptr, pPane->GetDefaultSlider());
        EXPECT_GT(pPane->GetCaptionHeight(), 0);
    }
    // Both share the right side's slider, against the frame's right edge.
    EXPECT_EQ(pFiles->GetDefaultSlider(), pSearch->GetDefaultSlider());
    CRect rectClient;
    m_pFrame->GetClientRect(rectClient);
    m_pFrame->ClientToScreen(rectClient);
    EXPECT_EQ(rectClient.right, WindowRect(pFiles).right);
}
