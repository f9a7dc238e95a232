// The fixture of the captioned-pane window tests: a frame of 600 x 300 client pixels with its
// dock bars and auto-hide dock bars, panes made on demand (destroyed before the frame), the
// container tree's dump and rule check, and mouse helpers.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CWinApp.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/layout/ContainerTree.h"
#include "ui/docking/layout/DockLayoutDump.h"

namespace PaneTests
{
const int kClientWidth = 600;
const int kClientHeight = 300;

// A pane with a minimum size a test can reason about.
class TestPane : public CZAVPDockingControlBar
{
public:
    explicit TestPane(CSize sizeMin) { m_sizeMin = sizeMin; }
};

class DockingPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        // On top: the auto-hide checks ask which window is under the cursor.
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kClientWidth, kClientHeight, TRUE));
        m_app.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
        ASSERT_TRUE(Manager().EnableAutoHideBars(CBRS_ALIGN_ANY));
        // Away from every window of the test.
        ::SetCursorPos(0, 0);
    }
    void TearDown() override
    {
        // Panes go before their frame: the dock manager keeps them in its lists.
        for (auto& pane : m_panes)
            if (pane->GetSafeHwnd() != nullptr) pane->DestroyWindow();
        m_panes.clear();
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->DestroyWindow();
    }

    CZAVPDockManager& Manager() { return m_pFrame->m_dockManager; }

    TestPane* MakePane(const char* name, UINT nID, CSize size, DWORD dwSide = CBRS_LEFT,
                       DWORD dwControlBarStyle = ZAVP_CBRS_DOCKING_DEFAULT)
    {
        auto pane = std::make_unique<TestPane>(CSize(50, 50));
        EXPECT_TRUE(pane->Create(name, m_pFrame, CRect(0, 0, size.cx, size.cy), TRUE, nID,
                                 WS_CHILD | WS_VISIBLE | dwSide | CBRS_FLOAT_MULTI,
                                 ZAVP_CBRS_REGULAR_TABS, dwControlBarStyle));
        pane->EnableDocking(CBRS_ALIGN_ANY);
        m_panes.push_back(std::move(pane));
        return m_panes.back().get();
    }

    // A pane docked on the left side, then a second one below it in the same tree.
    void DockTwoOnTheLeft(TestPane*& pFiles, TestPane*& pSearch)
    {
        pFiles = MakePane("Files", 101, CSize(200, 300));
        m_pFrame->DockControlBar(pFiles);
        pSearch = MakePane("Search", 102, CSize(200, 200));
        ASSERT_TRUE(pSearch->AttachToSlider(pFiles, ZAVP_DM_MOUSE, CBRS_ALIGN_BOTTOM));
    }

    static CZAVPContainerLayout* Tree(CZAVPDockingControlBar* pPane)
    {
        CZAVPSlider* pSlider = pPane->GetDefaultSlider();
        return pSlider ? pSlider->GetContainerManager() : nullptr;
    }
    static std::string Dump(CZAVPContainerLayout* pTree)
    {
        return DockLayout::DumpContainerTree(pTree->Snapshot());
    }
    // The tree's rules after a change: an empty text when all hold.
    static std::string Broken(CZAVPContainerLayout* pTree)
    {
        std::string text;
        for (const std::string& s : DockLayout::CheckContainerTree(pTree->Snapshot()))
            text += s + "\n";
        return text;
    }
    // The dock bars' rules and those of every docked side's tree: an empty text when all hold.
    std::string BrokenDocking()
    {
        std::string text;
        for (const std::string& s : DockLayout::CheckLayout(Manager().Snapshot())) text += s + "\n";
        for (POSITION pos = Manager().GetControlBars().GetHeadPosition(); pos != nullptr;) {
            CObject* p = Manager().GetControlBars().GetNext(pos);
            if (p->IsKindOf(RUNTIME_CLASS(CZAVPSlider)) &&
                static_cast<CZAVPSlider*>(p)->GetContainerManager() != nullptr)
                text += Broken(static_cast<CZAVPSlider*>(p)->GetContainerManager());
        }
        return text;
    }
    CRect InFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        m_pFrame->ScreenToClient(rect);
        return rect;
    }
    // Runs the message loop until the condition holds or the wait ends.
    static bool PumpUntil(const std::function<bool()>& done, int nMilliseconds = 3000)
    {
        const auto end = std::chrono::steady_clock::now() +
                         std::chrono::milliseconds(nMilliseconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            ::Sleep(1);
        }
        return true;
    }
    static void PumpFor(int nMilliseconds)
    {
        PumpUntil([] { return false; }, nMilliseconds);
    }
    // The docked pane's caption pressed and pulled to a point of the client area, where it is
    // let go: the pane floats there. Answers its frame (null when it did not float).
    CZAVPMiniFrameWnd* FloatByCaption(CZAVPDockingControlBar* pPane, CPoint ptClient);
    // The floating pane's frame taken by its caption in immediate mode to the right edge of the
    // client area, where the pane docks, and let go there.
    void DockOnTheRightByMouse(CZAVPDockingControlBar* pPane);

    CWinApp m_app{"DockingPaneTests"};
    RecordingFrame* m_pFrame = nullptr;
    std::vector<std::unique_ptr<TestPane>> m_panes;
};

// A message with a point of the window's client area, the cursor put there first.
inline void MouseAtScreen(CWnd* pWnd, UINT message, CPoint ptScreen)
{
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    CPoint pt = ptScreen;
    pWnd->ScreenToClient(&pt);
    pWnd->SendMessage(message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

inline CPoint CentreOf(const CRect& rect) { return rect.CenterPoint(); }

// The screen centre of a caption button.
inline CPoint ButtonCentre(CZAVPDockingControlBar* pPane, UINT nHit)
{
    CZAVPTitleButton* pButton = pPane->FindCaptionButton(nHit);
    EXPECT_NE(nullptr, pButton);
    CRect rectWnd;
    pPane->GetWindowRect(rectWnd);
    CRect rect = pButton ? pButton->GetRect() : CRect();
    rect.OffsetRect(rectWnd.TopLeft());
    return rect.CenterPoint();
}

// Hover, press and release on a caption button, as the mouse does it.
inline void ClickCaptionButton(CZAVPDockingControlBar* pPane, UINT nHit)
{
    const CPoint pt = ButtonCentre(pPane, nHit);
    ::SetCursorPos(pt.x, pt.y);
    pPane->SendMessage(WM_NCMOUSEMOVE, nHit, MAKELPARAM(pt.x, pt.y));
    MouseAtScreen(pPane, WM_LBUTTONDOWN, pt);
    MouseAtScreen(pPane, WM_LBUTTONUP, pt);
}

inline CZAVPMiniFrameWnd* DockingPaneTest::FloatByCaption(CZAVPDockingControlBar* pPane,
                                                          CPoint ptClient)
{
    CRect rectPane;
    pPane->GetWindowRect(rectPane);
    MouseAtScreen(pPane, WM_LBUTTONDOWN,
                  rectPane.TopLeft() + pPane->GetCaptionRect().CenterPoint());
    CPoint ptOut = ptClient;
    m_pFrame->ClientToScreen(&ptOut);
    MouseAtScreen(pPane, WM_MOUSEMOVE, ptOut);
    CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
    if (pMiniFrame == nullptr) return nullptr;
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptOut + CPoint(10, 10));
    MouseAtScreen(pMiniFrame, WM_LBUTTONUP, ptOut + CPoint(10, 10));
    return pMiniFrame;
}

inline void DockingPaneTest::DockOnTheRightByMouse(CZAVPDockingControlBar* pPane)
{
    CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pMiniFrame);
    const int nDockMode = pPane->GetDockMode();
    pPane->SetDockMode(ZAVP_DOCK_IMMEDIATE);
    CRect rectCaption, rectWindow;
    pMiniFrame->GetCaptionRect(rectCaption);
    pMiniFrame->GetWindowRect(rectWindow);
    MouseAtScreen(pMiniFrame, WM_LBUTTONDOWN, rectWindow.TopLeft() + rectCaption.CenterPoint());
    CPoint ptSide(kClientWidth - 4, kClientHeight / 2);
    m_pFrame->ClientToScreen(&ptSide);
    MouseAtScreen(pMiniFrame, WM_MOUSEMOVE, ptSide);
    ASSERT_TRUE(pPane->IsDocked());
    ASSERT_EQ((DWORD)CBRS_ALIGN_RIGHT, pPane->GetCurrentAlignment());
    MouseAtScreen(pPane, WM_LBUTTONUP, ptSide);
    pPane->SetDockMode(nDockMode);
    PumpFor(50);
}
}  // namespace PaneTests
