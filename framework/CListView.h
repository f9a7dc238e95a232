// A view that is a list-view control.
#pragma once

#include "framework/CListCtrl.h"
#include "framework/CView.h"

class CListView : public CView
{
    DECLARE_DYNCREATE(CListView)
public:
    // The view is the control: the wrapper shares the view's handle and holds nothing else.
    CListCtrl& GetListCtrl() const { return *(CListCtrl*)this; }
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDraw(CDC* pDC) override;

    void OnPaint() { Default(); }  // the control paints itself
    void OnNcDestroy();
    DECLARE_MESSAGE_MAP()
};
