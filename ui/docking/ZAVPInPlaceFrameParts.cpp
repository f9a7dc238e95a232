// What the library's OLE in-place frames share (see ZAVPInPlaceFrameParts.h).
#include "ui/docking/ZAVPInPlaceFrameParts.h"

#include <vector>

#include "framework/COleIPFrameWnd.h"
#include "framework/CView.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameImpl.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/CZAVPPrintPreviewView.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

namespace ZAVPInPlaceFrameParts
{
namespace
{
// The frame that was the library main frame goes back to being it (when it still is a frame).
void RestoreTopLevelFrame(CFrameWnd* pFrame, HWND hwndLastTopLevelFrame)
{
    if (g_pTopLevelFrame != pFrame) return;
    CWnd* pLast = CWnd::FromHandlePermanent(hwndLastTopLevelFrame);
    g_pTopLevelFrame = pLast != nullptr && pLast->IsFrameWnd() ? static_cast<CFrameWnd*>(pLast)
                                                               : nullptr;
}
}  // namespace

void CloseActivePopup()
{
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd())) pPopup->SendMessage(WM_CLOSE);
}

void OnActivate(CFrameWnd* pFrame, CZAVPFrameImpl& impl, HWND& hwndLastTopLevelFrame, UINT nState,
                BOOL bDeactivateAlways)
{
    if (nState == WA_ACTIVE || nState == WA_CLICKACTIVE) {
        if (nState == WA_CLICKACTIVE) pFrame->UpdateWindow();
        // Popup menus and bars take this frame for the main frame while it is active.
        if (g_pTopLevelFrame != pFrame)
            hwndLastTopLevelFrame = g_pTopLevelFrame != nullptr ? g_pTopLevelFrame->GetSafeHwnd()
                                                                : nullptr;
        g_pTopLevelFrame = pFrame;
        return;
    }
    if (bDeactivateAlways || !ZAVPSharedBarData::g_bCustomizeMode) impl.OnDeactivate();
    CloseActivePopup();
    RestoreTopLevelFrame(pFrame, hwndLastTopLevelFrame);
}

void OnDestroy(CFrameWnd* pFrame, CZAVPFrameImpl& impl, CZAVPDockManager& dockManager,
               HWND& hwndLastTopLevelFrame)
{
    CloseActivePopup();
    RestoreTopLevelFrame(pFrame, hwndLastTopLevelFrame);
    impl.OnDeactivate();
    if (pFrame->m_hAccelTable != nullptr) {
        ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
        pFrame->m_hAccelTable = nullptr;
    }
    dockManager.m_bEnableAdjustLayout = FALSE;
    // The children are collected first: destroying one may re-parent or destroy others.
    std::vector<HWND> children;
    for (HWND hChild = ::GetTopWindow(pFrame->GetSafeHwnd()); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild) && ::GetParent(hChild) == pFrame->GetSafeHwnd())
            ::DestroyWindow(hChild);
}

BOOL CreateControlBars(COleIPFrameWnd* pFrame)
{
    COleCntrFrameWnd* pOld = pFrame->m_pMainFrame;
    if (ZAVPIsKindOf(pOld, RUNTIME_CLASS(CZAVPOleCntrFrameWnd))) return TRUE;
    // The container's window changes objects: the library's takes the handle over.
    CZAVPOleCntrFrameWnd* pNew = new CZAVPOleCntrFrameWnd(pFrame);
    HWND hWnd = nullptr;
    if (pOld != nullptr) {
        hWnd = pOld->Detach();
        delete pOld;
    }
    pFrame->m_pMainFrame = pNew;
    if (hWnd != nullptr) pNew->Attach(hWnd);
    pNew->m_dockManager.SetFrame(pNew);
    pNew->m_dockManager.m_bHideDockingBarsInContainerMode = TRUE;
    return TRUE;
}

void PlacePreview(CFrameWnd* pFrame, CZAVPDockManager& dockManager)
{
    CView* pView = pFrame->GetActiveView();
    if (!ZAVPIsKindOf(pView, RUNTIME_CLASS(CZAVPPrintPreviewView)) ||
        !dockManager.IsPrintPreviewMode())
        return;
    CRect rect;
    dockManager.GetClientAreaBounds(rect);
    pView->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace ZAVPInPlaceFrameParts
