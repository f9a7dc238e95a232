// A view that is a tree-view control.
#pragma once

#include "framework/CTreeCtrl.h"
#include "framework/CView.h"

class CTreeView : public CView
{
    DECLARE_DYNCREATE(CTreeView)
public:
    // The view is the control: the wrapper shares the view's handle and holds nothing else.
    CTreeCtrl& GetTreeCtrl() const { return *(CTreeCtrl*)this; }
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDraw(CDC* pDC) override;

    void OnPaint() { Default(); }  // the control paints itself
    DECLARE_MESSAGE_MAP()
};
