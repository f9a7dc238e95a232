// The library's OLE frames driven directly, with no OLE server (this program never initialises
// OLE): the library main-frame pointer taken by an active in-place frame and given back on
// deactivation and destruction, the container's frame object swapped for the library's by
// detaching and attaching the container's window, the border renegotiation the container frame
// asks of the document, and the bar commands' update without a bar.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "DockingTestBars.h"
#include "framework/CCmdUI.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/CZAVPOleDocIPFrameWnd.h"
#include "ui/docking/CZAVPOleIPFrameWnd.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPWorkspace.h"

namespace
{
class PlainOleView : public CView
{
public:
    void OnDraw(CDC*) override {}
};

// Counts the container's requests to renegotiate the border.
class RecordingServerDoc : public COleServerDoc
{
public:
    void OnResizeBorder(LPCRECT lpRectBorder, LPOLEINPLACEUIWINDOW lpUIWindow, BOOL bFrame) override
    {
        ++m_nCalls;
        m_bFrame = bFrame;
        m_bNoRect = lpRectBorder == nullptr;
        COleServerDoc::OnResizeBorder(lpRectBorder, lpUIWindow, bFrame);
    }
    int m_nCalls = 0;
    BOOL m_bFrame = FALSE;
    BOOL m_bNoRect = FALSE;
};

template <class TFrame>
TFrame* MakeFrame(const char* lpszTitle)
{
    TFrame* pFrame = new TFrame;
    if (!pFrame->Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, CRect(100, 100, 500, 400)))
        return nullptr;
    return pFrame;
}

void Activate(CWnd* pFrame, UINT nState) { pFrame->SendMessage(WM_ACTIVATE, nState, 0); }

class OleFramesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pMainFrame = MakeFrame<CZAVPFrameWnd>("Main");
        ASSERT_NE(nullptr, m_pMainFrame);
        m_app.m_pMainWnd = m_pMainFrame;
        g_pTopLevelFrame = m_pMainFrame;
    }
    void TearDown() override
    {
        g_pTopLevelFrame = nullptr;
        m_app.m_pMainWnd = nullptr;
        if (m_pMainFrame->GetSafeHwnd() != nullptr) m_pMainFrame->DestroyWindow();
    }

    // Both in-place frames take and give back the library main frame the same way.
    template <class TFrame>
    void CheckMainFrameSwitch()
    {
        TFrame* pFrame = MakeFrame<TFrame>("In place");
        ASSERT_NE(nullptr, pFrame);
        Activate(pFrame, WA_ACTIVE);
        EXPECT_EQ(pFrame, g_pTopLevelFrame);
        EXPECT_EQ(m_pMainFrame->GetSafeHwnd(), pFrame->m_hwndLastTopLevelFrame);
        Activate(pFrame, WA_INACTIVE);
        EXPECT_EQ(m_pMainFrame, g_pTopLevelFrame);

        // Activated again (by a click), then destroyed while active.
        Activate(pFrame, WA_CLICKACTIVE);
        EXPECT_EQ(pFrame, g_pTopLevelFrame);
        pFrame->DestroyWindow();
        EXPECT_EQ(m_pMainFrame, g_pTopLevelFrame);

        // With no library main frame before, none after.
        g_pTopLevelFrame = nullptr;
        pFrame = MakeFrame<TFrame>("In place");
        ASSERT_NE(nullptr, pFrame);
        Activate(pFrame, WA_ACTIVE);
        EXPECT_EQ(nullptr, pFrame->m_hwndLastTopLevelFrame);
        Activate(pFrame, WA_INACTIVE);
        EXPECT_EQ(nullptr, g_pTopLevelFrame);
        pFrame->DestroyWindow();
        g_pTopLevelFrame = m_pMainFrame;
    }

    CWinApp m_app{"OleFramesTests"};
    CZAVPFrameWnd* m_pMainFrame = nullptr;
};

TEST_F(OleFramesTest, AnActiveInPlaceFrameIsTheLibraryMainFrameUntilDeactivatedOrDestroyed)
{
    CheckMainFrameSwitch<CZAVPOleIPFrameWnd>();
    CheckMainFrameSwitch<CZAVPOleDocIPFrameWnd>();
}

TEST_F(OleFramesTest, TheContainerFrameObjectIsSwappedOnceAndTheWindowStaysTheContainers)
{
    CZAVPOleIPFrameWnd* pFrame = MakeFrame<CZAVPOleIPFrameWnd>("In place");
    ASSERT_NE(nullptr, pFrame);
    ASSERT_EQ(&pFrame->m_dockManager, CZAVPDockingUtils::GetDockManager(pFrame));
    // The container's frame window, held by the platform's object as a container would have it.
    const HWND hContainer = ::CreateWindowExA(0, "STATIC", "Container", WS_OVERLAPPEDWINDOW, 0, 0,
                                              300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hContainer);
    COleCntrFrameWnd* pPlatformObject = new COleCntrFrameWnd(pFrame);
    ASSERT_TRUE(pPlatformObject->Attach(hContainer));
    pFrame->m_pMainFrame = pPlatformObject;

    ASSERT_TRUE(pFrame->OnCreateControlBars(pPlatformObject, nullptr));
    CZAVPOleCntrFrameWnd* pLibraryObject = dynamic_cast<CZAVPOleCntrFrameWnd*>(
        pFrame->m_pMainFrame);
    ASSERT_NE(nullptr, pLibraryObject);
    EXPECT_EQ(pLibraryObject, CWnd::FromHandlePermanent(hContainer));
    EXPECT_EQ(hContainer, pLibraryObject->GetSafeHwnd());
    EXPECT_EQ(pFrame, pLibraryObject->m_pInPlaceFrame);
    EXPECT_EQ(&pLibraryObject->m_dockManager, CZAVPDockingUtils::GetDockManager(pLibraryObject));
    EXPECT_TRUE(pLibraryObject->m_dockManager.m_bHideDockingBarsInContainerMode);

    // Once in place, the library's object stays.
    ASSERT_TRUE(pFrame->OnCreateControlBars(pLibraryObject, nullptr));
    EXPECT_EQ(pLibraryObject, pFrame->m_pMainFrame);

    // The session ends: the object goes, the container's window stays.
    pFrame->DestroyWindow();
    EXPECT_TRUE(::IsWindow(hContainer));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hContainer));
    ::DestroyWindow(hContainer);
}

TEST_F(OleFramesTest, TheContainerFrameAsksTheDocumentEditedInPlaceToRenegotiateItsBorder)
{
    CZAVPOleDocIPFrameWnd* pFrame = MakeFrame<CZAVPOleDocIPFrameWnd>("In place");
    ASSERT_NE(nullptr, pFrame);
    RecordingServerDoc document;
    PlainOleView* pView = new PlainOleView;
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame,
                              AFX_IDW_PANE_FIRST));
    pView->m_pDocument = &document;
    pFrame->SetActiveView(pView);
    auto pContainer = std::make_unique<CZAVPOleCntrFrameWnd>(pFrame);

    pContainer->AdjustDockingLayout();
    EXPECT_EQ(1, document.m_nCalls);
    EXPECT_TRUE(document.m_bFrame);
    EXPECT_TRUE(document.m_bNoRect);

    // Without a document edited in place, nobody is asked.
    pFrame->SetActiveView(nullptr);
    pContainer->AdjustDockingLayout();
    EXPECT_EQ(1, document.m_nCalls);
    pView->m_pDocument = nullptr;
    pFrame->DestroyWindow();
}

TEST_F(OleFramesTest, ABarCommandWithoutItsBarLeavesTheItemToLaterTargets)
{
    CZAVPOleIPFrameWnd* pFrame = MakeFrame<CZAVPOleIPFrameWnd>("In place");
    ASSERT_NE(nullptr, pFrame);
    CTestCmdUI cmdUI;
    cmdUI.m_nID = AFX_IDW_STATUS_BAR;
    pFrame->OnUpdateControlBarMenu(&cmdUI);
    EXPECT_TRUE(cmdUI.m_bContinueRouting);
    EXPECT_EQ(-1, cmdUI.m_nCheck);

    // With such a bar the item is checked while the bar shows.
    FixedBar bar(200, 20);
    ASSERT_TRUE(bar.CreateIn(pFrame, "Status", AFX_IDW_STATUS_BAR));
    pFrame->AddControlBar(&bar);
    CTestCmdUI withBar;
    withBar.m_nID = AFX_IDW_STATUS_BAR;
    pFrame->OnUpdateControlBarMenu(&withBar);
    EXPECT_FALSE(withBar.m_bContinueRouting);
    EXPECT_EQ(1, withBar.m_nCheck);
    bar.DestroyWindow();
    pFrame->DestroyWindow();
}
// The keyboard manager's reset loads the main frame's accelerators again from the resource the
// frame was made from, for the MDI frame and the OLE in-place frame as for the SDI one.
TEST_F(OleFramesTest, TheKeyboardResetReloadsTheMainFramesAccelerators)
{
    const int nResourceEntries = 5;  // IDR_MAINFRAME's table
    auto check = [&](CFrameWnd* pFrame, CZAVPFrameImpl& impl) {
        ASSERT_NE(nullptr, pFrame);
        impl.m_nIDDefaultResource = IDR_MAINFRAME;
        ACCEL one = {FVIRTKEY, 'Q', 1};
        if (pFrame->m_hAccelTable != nullptr) ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
        pFrame->m_hAccelTable = ::CreateAcceleratorTableA(&one, 1);
        m_app.m_pMainWnd = pFrame;
        CZAVPKeyboardManager::ResetAll();
        EXPECT_EQ(nResourceEntries, ::CopyAcceleratorTableA(pFrame->m_hAccelTable, nullptr, 0))
            << pFrame->GetRuntimeClass()->m_lpszClassName;
        m_app.m_pMainWnd = m_pMainFrame;
        pFrame->DestroyWindow();
    };
    CZAVPMDIFrameWnd* pMDIFrame = MakeFrame<CZAVPMDIFrameWnd>("MDI");
    check(pMDIFrame, pMDIFrame->m_Impl);
    CZAVPOleIPFrameWnd* pInPlaceFrame = MakeFrame<CZAVPOleIPFrameWnd>("In place");
    check(pInPlaceFrame, pInPlaceFrame->m_Impl);
}
}  // namespace
