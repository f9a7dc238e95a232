// The print preview's toolbar (see CZAVPPrintPreviewToolBar.h).
#include "ui/docking/CZAVPPrintPreviewToolBar.h"

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"

IMPLEMENT_DYNAMIC(CZAVPPrintPreviewToolBar, CZAVPToolBar)

BEGIN_MESSAGE_MAP(CZAVPPrintPreviewToolBar, CZAVPToolBar)
ON_WM_CONTEXTMENU()
ON_WM_DESTROY()
END_MESSAGE_MAP()

INT_PTR CZAVPPrintPreviewToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    // The tooltips are the library's own texts (this program keeps them in one module).
    return CZAVPToolBar::OnToolHitTest(point, pTI);
}

void CZAVPPrintPreviewToolBar::OnContextMenu(CWnd*, CPoint) {}

void CZAVPPrintPreviewToolBar::OnDestroy()
{
    // The bar lives on the preview's own bar, a child of the frame.
    if (CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(GetParentFrame()))
        pManager->RemoveControlBarFromDockManager(this, FALSE, FALSE, FALSE);
    CZAVPToolBar::OnDestroy();
}
