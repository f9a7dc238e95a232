// Docking panes floating in frames of several panes, under the null driver: a pane pulled off its
// side by the caption floats and a double click on the frame sends it back; panes of two frames
// merge into one tree; the frame's caption follows the visible panes; hiding every pane hides
// the frame; a whole frame dropped on a frame side docks there.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CWinApp.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/layout/ContainerTree.h"

namespace
{
const int kMultiClientWidth = 600;
const int kMultiClientHeight = 400;

std::string SizeText(CSize size) { return std::to_string(size.cx) + "x" + std::to_string(size.cy); }

void PumpMessages()
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
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kMultiClientWidth, kMultiClientHeight, TRUE));
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
        PumpMessages();
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->DestroyWindow();
        PumpMessages();
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
    // Floats a pane in a frame of that size at a screen point.
    CZAVPMultiMiniFrameWnd* Float(TestPane* pPane, CPoint pt, CSize size)
    {
        EXPECT_TRUE(pPane->FloatControlBar(CRect(pt, size), ZAVP_DM_DBL_CLICK, TRUE));
        CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
        if (pMiniFrame == nullptr || !pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
            return nullptr;
        return static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame);
    }
    // Files above Search, and Output to the right of Search: three panes and two splits in one
    // floating frame (null when a step fails).
    CZAVPMultiMiniFrameWnd* ThreePanesInOneFrame(TestPane*& pFiles, TestPane*& pSearch,
                                                 TestPane*& pOutput)
    {
        pFiles = MakePane("Files", 101, CSize(150, 200));
        pSearch = MakePane("Search", 102, CSize(150, 120));
        pOutput = MakePane("Output", 103, CSize(150, 120));
        CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(150, 20), CSize(300, 300));
        CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(420, 250), CSize(150, 120));
        CZAVPMultiMiniFrameWnd* pThird = Float(pOutput, OnScreen(420, 40), CSize(150, 120));
        if (pFrame == nullptr || pSecond == nullptr || pThird == nullptr) return nullptr;
        CRect rect = WindowRect(pFiles);
        ::SetCursorPos(rect.CenterPoint().x, rect.bottom - 3);
        if (pFrame->DockFrame(pSecond, 5) != 0) return nullptr;
        rect = WindowRect(pSearch);
        ::SetCursorPos(rect.right - 3, rect.CenterPoint().y);
        if (pFrame->DockFrame(pThird, 5) != 0) return nullptr;
        return pFrame;
    }
    // Files above Output in one floating frame, Search floating alone in pSecond (null when a
    // step fails).
    CZAVPMultiMiniFrameWnd* FilesAboveOutputSearchApart(TestPane*& pFiles, TestPane*& pOutput,
                                                        TestPane*& pSearch,
                                                        CZAVPMultiMiniFrameWnd*& pSecond)
    {
        pFiles = MakePane("Files", 101, CSize(150, 200));
        pOutput = MakePane("Output", 103, CSize(150, 120));
        pSearch = MakePane("Search", 102, CSize(150, 120));
        CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(150, 20), CSize(200, 300));
        CZAVPMultiMiniFrameWnd* pThird = Float(pOutput, OnScreen(420, 40), CSize(150, 120));
        pSecond = Float(pSearch, OnScreen(420, 250), CSize(150, 120));
        if (pFrame == nullptr || pSecond == nullptr || pThird == nullptr) return nullptr;
        const CRect rect = WindowRect(pFiles);
        ::SetCursorPos(rect.CenterPoint().x, rect.bottom - 3);
        if (pFrame->DockFrame(pThird, 5) != 0) return nullptr;
        PumpMessages();
        return pFrame;
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
    // One pane: the frame carries its title; it has the pane's recent floating size (for a
    // pane never floated before, the 200 x 300 it was made with) and the pane fills its client
    // area.
    EXPECT_STREQ("Files", Caption(pMiniFrame));
    EXPECT_EQ("200x300", SizeText(WindowRect(pMiniFrame).Size()));
    CRect rectClient;
    pMiniFrame->GetClientRect(rectClient);
    EXPECT_EQ(Text(rectClient), Text(pFiles->WindowRectInParent()));

    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    MouseAt(pMiniFrame, WM_LBUTTONDBLCLK, CaptionPoint(pMiniFrame));
    PumpMessages();
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
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(250, 40), CSize(200, 200));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(480, 250), CSize(150, 120));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(pFirst, pSecond);

    // The second frame dropped near the bottom edge of the first one's pane joins its tree.
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    const HWND hSecond = pSecond->GetSafeHwnd();
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_EQ(pFirst, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(2, pFirst->HasControlBar());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    // Search lies below Files, each with its own caption; the frame's caption is empty.
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_STREQ("", Caption(pFirst));
    EXPECT_GT(pFiles->GetCaptionHeight(), 0);
    EXPECT_GT(pSearch->GetCaptionHeight(), 0);
    EXPECT_TRUE(DockLayout::CheckContainerTree(pFirst->GetContainerManager().Snapshot()).empty());

    // One pane hidden: the other's title is the frame's and its own caption goes.
    pFiles->ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_STREQ("Search", Caption(pFirst));
    EXPECT_EQ(0, pSearch->GetCaptionHeight());
    EXPECT_TRUE(pFirst->IsWindowVisible());

    // Every pane hidden: the frame hides and stays; one shown again brings it back, inactive:
    // the frame that was active stays so. (Which window is active once the floating frame hides
    // depends on the other programs' windows on the desktop, so the test names it first.)
    const HWND hFirst = pFirst->GetSafeHwnd();
    m_pFrame->SetActiveWindow();
    ASSERT_EQ(m_pFrame->GetSafeHwnd(), ::GetActiveWindow());
    pSearch->ShowControlBar(FALSE, FALSE, FALSE);
    PumpMessages();
    ASSERT_TRUE(::IsWindow(hFirst));
    EXPECT_FALSE(pFirst->IsWindowVisible());
    pSearch->ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pFirst->IsWindowVisible());
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetActiveWindow());

    // A double click sends the visible pane home; the hidden one keeps the frame.
    MouseAt(pFirst, WM_LBUTTONDBLCLK, CaptionPoint(pFirst));
    PumpMessages();
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
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(200, 40), CSize(150, 200));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250), CSize(150, 120));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    PumpMessages();

    // Dragged by its caption to the right edge of the client area and released there.
    const HWND hFirst = pFirst->GetSafeHwnd();
    const CPoint pt = CaptionPoint(pFirst);
    MouseAt(pFirst, WM_LBUTTONDOWN, pt);
    const CPoint ptEdge = OnScreen(kMultiClientWidth - 4, 200);
    MouseAt(pFirst, WM_MOUSEMOVE, ptEdge);
    MouseAt(pFirst, WM_LBUTTONUP, ptEdge);
    PumpMessages();
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
    // The frame's tree came over whole: Search still lies below Files, in one tree of the side.
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_EQ(WindowRect(pFiles).left, WindowRect(pSearch).left);
    CZAVPContainerLayout* pTree = pFiles->GetDefaultSlider()->GetContainerManager();
    ASSERT_NE(nullptr, pTree);
    EXPECT_EQ(2, pTree->GetControlBars().GetCount());
    EXPECT_TRUE(DockLayout::CheckContainerTree(pTree->Snapshot()).empty());
}

TEST_F(MultiMiniFrameTest, AFrameOfTwoPanesComesBackFromTheStoredLayout)
{
    const char kRoot[] = "Software\\LornivalMultiMiniFrameTests";
    const char kProfile[] = "Software\\LornivalMultiMiniFrameTests\\Bars\\";
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(200, 40), CSize(160, 220));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250), CSize(150, 120));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    PumpMessages();
    const CRect rectFrame = WindowRect(pFirst);
    const std::string panes = Text(WindowRect(pFiles)) + " " + Text(WindowRect(pSearch));
    ASSERT_TRUE(Manager().SaveState(kProfile, 0));

    // Both panes go home; the stored layout floats them together again.
    MouseAt(pFirst, WM_LBUTTONDBLCLK, CaptionPoint(pFirst));
    PumpMessages();
    ASSERT_EQ(0, Manager().GetMiniFrames().GetCount());
    ASSERT_TRUE(pFiles->IsDocked());
    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    Manager().SetDockState();
    PumpMessages();
    ASSERT_EQ(1, Manager().GetMiniFrames().GetCount());
    CZAVPMiniFrameWnd* pLoaded = pFiles->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pLoaded);
    ASSERT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
    EXPECT_EQ(pLoaded, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(2, pLoaded->HasControlBar());
    EXPECT_EQ(Text(rectFrame), Text(WindowRect(pLoaded)));
    EXPECT_TRUE(pLoaded->IsWindowVisible());
    // The split stands where it was stored, to the pixel.
    EXPECT_EQ(panes, Text(WindowRect(pFiles)) + " " + Text(WindowRect(pSearch)));
    EXPECT_EQ(nullptr, pFiles->GetDefaultSlider());

    // Once the panes are gone the stored frame has nothing to hold: it goes after the check.
    pFiles->DestroyWindow();
    pSearch->DestroyWindow();
    PumpMessages();
    ASSERT_EQ(0, Manager().GetMiniFrames().GetCount());
    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    ASSERT_EQ(1, Manager().GetLoadedMiniFrames().GetCount());
    const HWND hStaged =
        static_cast<CWnd*>(Manager().GetLoadedMiniFrames().GetHead())->GetSafeHwnd();
    Manager().SetDockState();
    EXPECT_TRUE(::IsWindow(hStaged));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hStaged));
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
}

TEST_F(MultiMiniFrameTest, AnImmediateMoveDocksTheFrameOnTheSideItReaches)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    pFiles->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(250, 100), CSize(160, 200));
    ASSERT_NE(nullptr, pFrame);
    const HWND hFrame = pFrame->GetSafeHwnd();
    const CPoint pt = CaptionPoint(pFrame);
    MouseAt(pFrame, WM_LBUTTONDOWN, pt);
    ASSERT_TRUE(pFrame->IsMoving());
    // Away from the sides the frame follows the cursor.
    const CRect rectBefore = WindowRect(pFrame);
    MouseAt(pFrame, WM_MOUSEMOVE, pt + CPoint(30, 20));
    CRect rectMoved = rectBefore;
    rectMoved.OffsetRect(30, 20);
    EXPECT_EQ(Text(rectMoved), Text(WindowRect(pFrame)));
    // At the right edge of the client area the pane docks there at once.
    MouseAt(pFrame, WM_MOUSEMOVE, OnScreen(kMultiClientWidth - 4, 200));
    EXPECT_TRUE(pFiles->IsDocked());
    EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pFiles->GetCurrentAlignment());
    EXPECT_NE(nullptr, pFiles->GetDefaultSlider());
    // The drag goes on as the docked pane's own; releasing the button there leaves it docked.
    EXPECT_EQ(pFiles->GetSafeHwnd(), ::GetCapture());
    MouseAt(pFiles, WM_LBUTTONUP, OnScreen(kMultiClientWidth - 4, 200));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(pFiles->IsDocked());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hFrame));
}

TEST_F(MultiMiniFrameTest, APaneFloatingAloneDocksOnTheSideAnImmediateMoveReaches)
{
    // Created without CBRS_FLOAT_MULTI: it floats in a frame of one bar.
    auto pane = std::make_unique<TestPane>();
    ASSERT_TRUE(pane->Create("Single", m_pFrame, CRect(0, 0, 150, 200), TRUE, 103,
                             WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    pane->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(pane.get());
    pane->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    TestPane* pPane = pane.get();
    m_panes.push_back(std::move(pane));
    ASSERT_TRUE(pPane->FloatControlBar(CRect(OnScreen(250, 100), CSize(160, 200)),
                                       ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pFrame = pPane->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_FALSE(pFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
    const HWND hFrame = pFrame->GetSafeHwnd();
    MouseAt(pFrame, WM_LBUTTONDOWN, CaptionPoint(pFrame));
    ASSERT_TRUE(pFrame->IsMoving());
    MouseAt(pFrame, WM_MOUSEMOVE, OnScreen(5, 200));
    EXPECT_TRUE(pPane->IsDocked());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pPane->GetCurrentAlignment());
    EXPECT_NE(nullptr, pPane->GetDefaultSlider());
    EXPECT_NE(hFrame, ::GetCapture());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hFrame));
}

namespace
{
// A point in the middle of a pane's own caption strip, on the screen.
CPoint PaneCaptionPoint(CZAVPDockingControlBar* pPane)
{
    CRect rectWindow;
    pPane->GetWindowRect(rectWindow);
    return rectWindow.TopLeft() + pPane->GetCaptionRect().CenterPoint();
}
}  // namespace

TEST_F(MultiMiniFrameTest, APaneFloatedAgainGoesBackToItsPlaceInTheFrameItLeft)
{
    TestPane *pFiles = nullptr, *pSearch = nullptr, *pOutput = nullptr;
    CZAVPMultiMiniFrameWnd* pFrame = ThreePanesInOneFrame(pFiles, pSearch, pOutput);
    ASSERT_NE(nullptr, pFrame);
    PumpMessages();
    ASSERT_EQ(3, pFrame->HasControlBar());
    CZAVPContainerLayout& tree = pFrame->GetContainerManager();
    ASSERT_TRUE(DockLayout::CheckContainerTree(tree.Snapshot()).empty());
    const CRect rectSearch = WindowRect(pSearch);
    const int nNodes = tree.GetNodeCount();

    // A double click on Search's own caption sends it home; the frame keeps the other two, and
    // Search's node keeps its side free for it.
    MouseAt(pSearch, WM_LBUTTONDBLCLK, PaneCaptionPoint(pSearch));
    PumpMessages();
    ASSERT_TRUE(pSearch->IsDocked());
    ASSERT_NE(nullptr, pSearch->GetDefaultSlider());
    ASSERT_EQ(2, pFrame->HasControlBar());
    EXPECT_EQ(pFrame->GetSafeHwnd(), pSearch->GetRecentDockInfo().m_hRecentMiniFrame);
    EXPECT_NE(nullptr, pSearch->GetRecentDockInfo().m_recentFloatingRecord.GetContainer());
    EXPECT_EQ(nNodes, tree.GetNodeCount());
    EXPECT_TRUE(DockLayout::CheckContainerTree(tree.Snapshot()).empty());

    // A double click on its caption while docked floats it: back into that frame, in its old
    // place, with its old size.
    MouseAt(pSearch, WM_LBUTTONDBLCLK, PaneCaptionPoint(pSearch));
    PumpMessages();
    EXPECT_EQ(pFrame, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(nullptr, pSearch->GetDefaultSlider());
    EXPECT_EQ(3, pFrame->HasControlBar());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    EXPECT_EQ(Text(rectSearch), Text(WindowRect(pSearch)));
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_LE(WindowRect(pSearch).right, WindowRect(pOutput).left);
    EXPECT_EQ(nullptr, pSearch->GetRecentDockInfo().m_recentFloatingRecord.GetContainer());
    EXPECT_TRUE(DockLayout::CheckContainerTree(tree.Snapshot()).empty());
}

TEST_F(MultiMiniFrameTest, APaneWhoseFrameIsGoneFloatsInANewFrame)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(200, 40), CSize(160, 220));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250), CSize(150, 120));
    ASSERT_TRUE(pFrame != nullptr && pSecond != nullptr);
    const CRect rect = WindowRect(pFiles);
    ::SetCursorPos(rect.CenterPoint().x, rect.bottom - 3);
    ASSERT_EQ(0, pFrame->DockFrame(pSecond, 5));
    PumpMessages();
    const CRect rectFrame = WindowRect(pFrame);

    // The frame's double click sends both home and the frame goes with its tree: the records
    // that pointed into it find nothing there any more.
    const HWND hFrame = pFrame->GetSafeHwnd();
    MouseAt(pFrame, WM_LBUTTONDBLCLK, CaptionPoint(pFrame));
    PumpMessages();
    ASSERT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nullptr, pSearch->GetRecentDockInfo().m_recentFloatingRecord.GetContainer());
    EXPECT_EQ(nullptr, pSearch->GetRecentMultiMiniFrame());

    MouseAt(pSearch, WM_LBUTTONDBLCLK, PaneCaptionPoint(pSearch));
    PumpMessages();
    CZAVPMiniFrameWnd* pNew = pSearch->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(1, pNew->HasControlBar());
    EXPECT_EQ(Text(rectFrame), Text(WindowRect(pNew)));
    EXPECT_TRUE(pFiles->IsDocked());
}

TEST_F(MultiMiniFrameTest, DockingSitesOverFloatingFrames)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    // Without CBRS_FLOAT_MULTI: a frame of one bar.
    auto single = std::make_unique<TestPane>();
    ASSERT_TRUE(single->Create("Single", m_pFrame, CRect(0, 0, 150, 200), TRUE, 103,
                               WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    single->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(single.get());
    TestPane* pSingle = single.get();
    m_panes.push_back(std::move(single));
    CZAVPMultiMiniFrameWnd* pMulti = Float(pFiles, OnScreen(200, 40), CSize(160, 200));
    ASSERT_NE(nullptr, pMulti);
    ASSERT_TRUE(pSingle->FloatControlBar(CRect(OnScreen(400, 200), CSize(150, 150)),
                                         ZAVP_DM_DBL_CLICK, TRUE));
    CZAVPMiniFrameWnd* pSingleFrame = pSingle->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pSingleFrame);

    struct Case
    {
        const char* what;
        CPoint pt;
        CZAVPBaseControlBar* pDragged;
        int nSite;
        CZAVPBaseControlBar* pTarget;
    };
    const CRect rectFiles = WindowRect(pFiles);
    const Case cases[] = {
        // The caption of a frame of one bar: join its bar as a tab.
        {"single frame caption", CaptionPoint(pSingleFrame), pSearch, ZAVP_DOCKHIT_TAB, pSingle},
        // Never its own frame.
        {"own caption", CaptionPoint(pSingleFrame), pSingle, ZAVP_DOCKHIT_NONE, nullptr},
        // Near the edge of a pane floating with others: beside it, when both may float together.
        {"multi pane edge", CPoint(rectFiles.CenterPoint().x, rectFiles.bottom - 4), pSearch,
         ZAVP_DOCKHIT_BESIDE, pFiles},
        // A bar that floats alone may not join them: nothing there (no frame side is near).
        {"multi pane edge, single bar", CPoint(rectFiles.CenterPoint().x, rectFiles.bottom - 4),
         pSingle, ZAVP_DOCKHIT_NONE, nullptr},
    };
    for (const Case& c : cases) {
        CZAVPBaseControlBar* pTarget = reinterpret_cast<CZAVPBaseControlBar*>(1);
        EXPECT_EQ(c.nSite,
                  Manager().DetermineDockSite(c.pt, 15, CBRS_ALIGN_ANY, pTarget, c.pDragged))
            << c.what;
        EXPECT_EQ(c.pTarget, pTarget) << c.what;
    }
}

TEST_F(MultiMiniFrameTest, AStoredLayoutTakesPanesOutOfTheFramesFloatingBeforeIt)
{
    const char kRoot[] = "Software\\LornivalMultiMiniFrameTests";
    const char kProfile[] = "Software\\LornivalMultiMiniFrameTests\\Bars\\";
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    ASSERT_TRUE(Manager().SaveState(kProfile, 0));

    // Afterwards Files floats, and a pane the stored layout never knew floats too.
    CZAVPMultiMiniFrameWnd* pFilesFrame = Float(pFiles, OnScreen(200, 40), CSize(160, 220));
    TestPane* pLate = MakePane("Late", 104, CSize(150, 120));
    CZAVPMultiMiniFrameWnd* pLateFrame = Float(pLate, OnScreen(400, 250), CSize(150, 120));
    ASSERT_TRUE(pFilesFrame != nullptr && pLateFrame != nullptr);
    const HWND hFilesFrame = pFilesFrame->GetSafeHwnd();

    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    Manager().SetDockState();
    PumpMessages();
    // Files is docked where the layout has it; the frame it floated in is gone.
    EXPECT_TRUE(pFiles->IsDocked());
    EXPECT_EQ(nullptr, pFiles->GetParentMiniFrame(TRUE));
    ASSERT_NE(nullptr, pFiles->GetDefaultSlider());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pFiles->GetCurrentAlignment());
    EXPECT_TRUE(pFiles->IsWindowVisible());
    EXPECT_TRUE(pSearch->IsDocked());
    EXPECT_FALSE(::IsWindow(hFilesFrame));
    // The pane the layout does not name keeps floating where the user put it, and shows.
    EXPECT_EQ(pLateFrame, pLate->GetParentMiniFrame(TRUE));
    EXPECT_TRUE(pLateFrame->IsWindowVisible());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
}

TEST_F(MultiMiniFrameTest, AFrameDroppedOnAPaneCaptionJoinsThatPaneAsTabs)
{
    TestPane *pFiles, *pOutput, *pSearch;
    CZAVPMultiMiniFrameWnd* pSecond = nullptr;
    CZAVPMultiMiniFrameWnd* pFrame = FilesAboveOutputSearchApart(pFiles, pOutput, pSearch, pSecond);
    ASSERT_NE(nullptr, pFrame);
    ASSERT_GT(pFiles->GetCaptionHeight(), 0);

    // Search's frame dropped with the cursor on Files' caption: the two become tabs of one group
    // in the frame, in Files' place; Search's frame goes.
    const CPoint pt = PaneCaptionPoint(pFiles);
    ::SetCursorPos(pt.x, pt.y);
    const HWND hSecond = pSecond->GetSafeHwnd();
    ASSERT_EQ(0, pFrame->DockFrame(pSecond, 5));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_TRUE(pFiles->IsTabbed());
    EXPECT_TRUE(pSearch->IsTabbed());
    EXPECT_EQ(pFrame, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(pFrame, pFiles->GetParentMiniFrame(TRUE));
    // The frame holds the group and Output.
    EXPECT_EQ(2, pFrame->HasControlBar());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(DockLayout::CheckContainerTree(pFrame->GetContainerManager().Snapshot()).empty());
}

TEST_F(MultiMiniFrameTest, AFrameDockedOnASideKeepsTheArrangementOfItsPanes)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 200));
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(150, 40), CSize(300, 220));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250), CSize(150, 120));
    ASSERT_TRUE(pFirst != nullptr && pSecond != nullptr);
    // Search to the right of Files: side by side in the frame.
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.right - 3, rectFiles.CenterPoint().y);
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    PumpMessages();
    ASSERT_LE(WindowRect(pFiles).right, WindowRect(pSearch).left);
    const int nTreeWidth = WindowRect(pSearch).right - WindowRect(pFiles).left;

    // Dropped on the right side of the frame, the tree docks as it is: still side by side, one
    // slider between them, as wide together as they were.
    const CPoint pt = CaptionPoint(pFirst);
    MouseAt(pFirst, WM_LBUTTONDOWN, pt);
    const CPoint ptEdge = OnScreen(kMultiClientWidth - 4, 200);
    MouseAt(pFirst, WM_MOUSEMOVE, ptEdge);
    MouseAt(pFirst, WM_LBUTTONUP, ptEdge);
    PumpMessages();
    ASSERT_TRUE(pFiles->IsDocked());
    ASSERT_TRUE(pSearch->IsDocked());
    EXPECT_EQ(pFiles->GetDefaultSlider(), pSearch->GetDefaultSlider());
    EXPECT_LE(WindowRect(pFiles).right, WindowRect(pSearch).left);
    EXPECT_EQ(WindowRect(pFiles).top, WindowRect(pSearch).top);
    EXPECT_EQ(nTreeWidth, WindowRect(pSearch).right - WindowRect(pFiles).left);
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
}

TEST_F(MultiMiniFrameTest, ADockedPaneDroppedBesideAFloatingPaneJoinsItsFrame)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(200, 40), CSize(160, 220));
    ASSERT_NE(nullptr, pFrame);
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 4);
    BOOL bDocked = FALSE;
    pSearch->DockByMouseMove(bDocked);
    EXPECT_TRUE(bDocked);
    EXPECT_EQ(pFrame, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(nullptr, pSearch->GetDefaultSlider());
    EXPECT_EQ(2, pFrame->HasControlBar());
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_TRUE(DockLayout::CheckContainerTree(pFrame->GetContainerManager().Snapshot()).empty());
}

TEST_F(MultiMiniFrameTest, AFrameKeepingAPlaceForAPaneIsStoredAndLoaded)
{
    const char kRoot[] = "Software\\LornivalMultiMiniFrameTests";
    const char kProfile[] = "Software\\LornivalMultiMiniFrameTests\\Bars\\";
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    TestPane *pFiles = nullptr, *pSearch = nullptr, *pOutput = nullptr;
    CZAVPMultiMiniFrameWnd* pFrame = ThreePanesInOneFrame(pFiles, pSearch, pOutput);
    ASSERT_NE(nullptr, pFrame);
    PumpMessages();
    // Search goes home; its node in the frame keeps its side free while the frame is stored.
    MouseAt(pSearch, WM_LBUTTONDBLCLK, PaneCaptionPoint(pSearch));
    PumpMessages();
    ASSERT_TRUE(pSearch->IsDocked());
    ASSERT_TRUE(Manager().SaveState(kProfile, 0));

    ASSERT_TRUE(Manager().LoadState(kProfile, 0));
    Manager().SetDockState();
    PumpMessages();
    ASSERT_EQ(1, Manager().GetMiniFrames().GetCount());
    CZAVPMiniFrameWnd* pLoaded = pFiles->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pLoaded);
    ASSERT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)));
    EXPECT_EQ(pLoaded, pOutput->GetParentMiniFrame(TRUE));
    EXPECT_EQ(2, pLoaded->HasControlBar());
    EXPECT_TRUE(pSearch->IsDocked());
    EXPECT_TRUE(DockLayout::CheckContainerTree(
                    static_cast<CZAVPMultiMiniFrameWnd*>(pLoaded)->GetContainerManager().Snapshot())
                    .empty());
    SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
}

TEST_F(MultiMiniFrameTest, AFrameDockedAsTabsJoinsEveryPaneToTheTargetsGroup)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(150, 200));
    TestPane* pSearch = MakePane("Search", 102, CSize(150, 120));
    TestPane* pOutput = MakePane("Output", 103, CSize(150, 200));
    CZAVPMultiMiniFrameWnd* pFrame = Float(pFiles, OnScreen(200, 40), CSize(160, 220));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(400, 250), CSize(150, 120));
    ASSERT_TRUE(pFrame != nullptr && pSecond != nullptr);
    const CRect rect = WindowRect(pFiles);
    ::SetCursorPos(rect.CenterPoint().x, rect.bottom - 3);
    ASSERT_EQ(0, pFrame->DockFrame(pSecond, 5));
    PumpMessages();
    ASSERT_TRUE(pOutput->IsDocked());

    const HWND hFrame = pFrame->GetSafeHwnd();
    EXPECT_FALSE(pFrame->DockAtTarget(DockLayout::DropKind::AsTab, pOutput));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hFrame));
    for (TestPane* pPane : {pFiles, pSearch, pOutput}) {
        EXPECT_TRUE(pPane->IsTabbed()) << pPane->GetDlgCtrlID();
        EXPECT_EQ(nullptr, pPane->GetParentMiniFrame(TRUE));
    }
    // One group holds all three, docked where Output was.
    CWnd* pTabWnd = pOutput->GetParent();
    EXPECT_EQ(pTabWnd, pFiles->GetParent());
    EXPECT_EQ(pTabWnd, pSearch->GetParent());
    EXPECT_EQ(0, Manager().GetMiniFrames().GetCount());
}

namespace
{
CZAVPBaseTabbedBar* GroupOf(CWnd* pPane)
{
    CWnd* pTabWnd = pPane->GetParent();
    CWnd* pGroup = pTabWnd != nullptr ? pTabWnd->GetParent() : nullptr;
    return pGroup != nullptr && pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))
               ? static_cast<CZAVPBaseTabbedBar*>(pGroup)
               : nullptr;
}

// The pane's tab in its group: a double click on it (the pane leaves the group as a double click
// decides), or the group floats it as a drag out of the row does.
void TakeOutOfItsGroup(CZAVPDockingControlBar* pPane, bool bDoubleClick)
{
    CZAVPBaseTabbedBar* pGroup = GroupOf(pPane);
    if (pGroup == nullptr) return;
    CZAVPBaseTabWnd* pTabs = pGroup->GetTabWnd();
    const int iTab = pTabs->GetTabFromHwnd(pPane->GetSafeHwnd());
    if (!bDoubleClick) {
        pGroup->FloatTab(pPane, iTab, ZAVP_DM_UNKNOWN, FALSE);
        return;
    }
    CRect rectTab;
    pTabs->GetTabRect(iTab, rectTab);
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON,
                       MAKELPARAM(rectTab.CenterPoint().x, rectTab.CenterPoint().y));
}
}  // namespace

TEST_F(MultiMiniFrameTest, APaneTakenOutOfAFloatingGroupGoesBackIntoItAsATab)
{
    TestPane *pFiles, *pOutput, *pSearch;
    CZAVPMultiMiniFrameWnd* pSecond = nullptr;
    CZAVPMultiMiniFrameWnd* pFrame = FilesAboveOutputSearchApart(pFiles, pOutput, pSearch, pSecond);
    ASSERT_NE(nullptr, pFrame);
    const CPoint pt = PaneCaptionPoint(pFiles);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_EQ(0, pFrame->DockFrame(pSecond, 5));
    PumpMessages();
    CZAVPBaseTabbedBar* pGroup = GroupOf(pSearch);
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(pFrame, pGroup->GetParentMiniFrame(TRUE));

    // Taken out of the row, it floats alone; a double click on that frame's caption puts it
    // back among the group's tabs.
    TakeOutOfItsGroup(pSearch, false);
    CZAVPMiniFrameWnd* pAlone = pSearch->IsTabbed() ? nullptr : pSearch->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pAlone);
    ASSERT_NE(pFrame, pAlone);
    EXPECT_EQ(1, pGroup->GetTabsNum());
    MouseAt(pAlone, WM_LBUTTONDBLCLK, CaptionPoint(pAlone));
    PumpMessages();
    EXPECT_EQ(pGroup, GroupOf(pSearch));
    EXPECT_EQ(2, pGroup->GetTabsNum());
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());

    // A double click on its tab docks it where it was docked last (the left side it was made
    // on), as a double click on a floating caption does; one on its caption then floats it back
    // into the group's frame, as a tab of the group. A closed group takes nothing back: the
    // pane floats in a frame of its own then.
    for (bool bGroupShown : {true, false}) {
        SCOPED_TRACE(bGroupShown);
        TakeOutOfItsGroup(pSearch, true);
        PumpMessages();
        ASSERT_TRUE(pSearch->IsDocked());
        ASSERT_NE(nullptr, pSearch->GetDefaultSlider());
        EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pSearch->GetCurrentAlignment());
        EXPECT_EQ(1, pGroup->GetTabsNum());
        EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
        if (!bGroupShown) pGroup->ShowControlBar(FALSE, FALSE, FALSE);

        MouseAt(pSearch, WM_LBUTTONDBLCLK, PaneCaptionPoint(pSearch));
        PumpMessages();
        EXPECT_EQ(nullptr, pSearch->GetDefaultSlider());
        EXPECT_EQ(bGroupShown, GroupOf(pSearch) == pGroup);
        EXPECT_EQ(bGroupShown ? 2 : 1, pGroup->GetTabsNum());
        EXPECT_EQ(bGroupShown, pSearch->GetParentMiniFrame(TRUE) == pFrame);
        EXPECT_EQ(bGroupShown ? 1 : 2, Manager().GetMiniFrames().GetCount());
        EXPECT_EQ(2, pFrame->HasControlBar());
        EXPECT_TRUE(
            DockLayout::CheckContainerTree(pFrame->GetContainerManager().Snapshot()).empty());
    }
}

TEST_F(MultiMiniFrameTest, ADoubleClickOnATabOfADockedGroupFloatsThePaneBackIntoItsFrame)
{
    TestPane* pFiles = MakePane("Files", 101, CSize(200, 300));
    TestPane* pSearch = MakePane("Search", 102, CSize(180, 120));
    TestPane* pOutput = MakePane("Output", 103, CSize(180, 120));
    CZAVPMultiMiniFrameWnd* pFirst = Float(pFiles, OnScreen(250, 40), CSize(200, 200));
    CZAVPMultiMiniFrameWnd* pSecond = Float(pSearch, OnScreen(480, 250), CSize(150, 120));
    ASSERT_TRUE(pFirst != nullptr && pSecond != nullptr);
    const CRect rectFiles = WindowRect(pFiles);
    ::SetCursorPos(rectFiles.CenterPoint().x, rectFiles.bottom - 3);
    ASSERT_EQ(0, pFirst->DockFrame(pSecond, 5));
    PumpMessages();
    ASSERT_EQ(2, pFirst->HasControlBar());

    // Search leaves the frame for a tab beside the docked Output, as when dropped on its caption.
    pSearch->StoreRecentDockInfo();
    CZAVPDockingControlBar* pGroupBar = nullptr;
    ASSERT_EQ(pSearch, pSearch->AttachToTabbedBar(pOutput, ZAVP_DM_MOUSE, TRUE, pGroupBar));
    PumpMessages();
    ASSERT_TRUE(pSearch->IsTabbed());
    ASSERT_NE(nullptr, pGroupBar->GetDefaultSlider());
    ASSERT_EQ(1, pFirst->HasControlBar());

    // A double click on its tab: back below Files in the frame it left, not in a new frame.
    TakeOutOfItsGroup(pSearch, true);
    PumpMessages();
    EXPECT_FALSE(pSearch->IsTabbed());
    EXPECT_EQ(pFirst, pSearch->GetParentMiniFrame(TRUE));
    EXPECT_EQ(2, pFirst->HasControlBar());
    EXPECT_LE(WindowRect(pFiles).bottom, WindowRect(pSearch).top);
    EXPECT_EQ(1, Manager().GetMiniFrames().GetCount());
    EXPECT_TRUE(DockLayout::CheckContainerTree(pFirst->GetContainerManager().Snapshot()).empty());
}

TEST_F(MultiMiniFrameTest, ATabbedGroupFloatingAmongPanesMayShareAFrameWhateverItsStyle)
{
    TestPane *pFiles, *pOutput, *pSearch;
    CZAVPMultiMiniFrameWnd* pSecond = nullptr;
    CZAVPMultiMiniFrameWnd* pFrame = FilesAboveOutputSearchApart(pFiles, pOutput, pSearch, pSecond);
    ASSERT_NE(nullptr, pFrame);
    const CPoint pt = PaneCaptionPoint(pFiles);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_EQ(0, pFrame->DockFrame(pSecond, 5));
    PumpMessages();
    CZAVPBaseTabbedBar* pGroup = GroupOf(pSearch);
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(pFrame, pGroup->GetParentMiniFrame(TRUE));

    // Without the float-multi style: the group in a frame of several may, a plain pane may not.
    pGroup->SetBarStyle(pGroup->GetBarStyle() & ~CBRS_FLOAT_MULTI);
    pOutput->SetBarStyle(pOutput->GetBarStyle() & ~CBRS_FLOAT_MULTI);
    EXPECT_TRUE(CZAVPDockingUtils::CanFloatMulti(pGroup));
    EXPECT_FALSE(CZAVPDockingUtils::CanFloatMulti(pOutput));
    // Docked, the group answers by its style again.
    ASSERT_TRUE(
        pGroup->DockToFrameEdge(CBRS_ALIGN_LEFT, nullptr, ZAVP_DM_MOUSE, nullptr, -1, FALSE));
    EXPECT_EQ(nullptr, pGroup->GetParentMiniFrame(TRUE));
    EXPECT_FALSE(CZAVPDockingUtils::CanFloatMulti(pGroup));
    pGroup->SetBarStyle(pGroup->GetBarStyle() | CBRS_FLOAT_MULTI);
    EXPECT_TRUE(CZAVPDockingUtils::CanFloatMulti(pGroup));
}
