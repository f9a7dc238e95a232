// A view that is a tree-view control.
#include "framework/CTreeView.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CTreeView, CView)

BEGIN_MESSAGE_MAP(CTreeView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTreeView::PreCreateWindow(CREATESTRUCTA& cs)
{
    AfxInitCommonControls();
    cs.lpszClass = WC_TREEVIEWA;
    return CView::PreCreateWindow(cs);
}

void CTreeView::OnDraw(CDC*) {}
