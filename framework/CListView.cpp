// A view that is a list-view control.
#include "framework/CListView.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CListView, CView)

BEGIN_MESSAGE_MAP(CListView, CView)
ON_WM_PAINT()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

BOOL CListView::PreCreateWindow(CREATESTRUCTA& cs)
{
    AfxInitCommonControls();
    cs.lpszClass = WC_LISTVIEWA;
    return CView::PreCreateWindow(cs);
}

void CListView::OnDraw(CDC*) {}

void CListView::OnNcDestroy()
{
    // The image lists belong to whoever set them, not to the control.
    if (!(GetStyle() & LVS_SHAREIMAGELISTS)) {
        SendMessage(LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
        SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, 0);
    }
    CView::OnNcDestroy();
}
