// A property sheet living as a child control of a dialog: its tab control fills its client area
// and its pages follow, its own buttons stay hidden, and it deletes itself when asked to.
#pragma once

#include "framework/CPropertySheet.h"

class CPropertySheetCtrl : public CPropertySheet
{
    DECLARE_DYNAMIC(CPropertySheetCtrl)
public:
    CPropertySheetCtrl();

    // Creates the sheet as a child over the rectangle (parent client coordinates).
    BOOL CreateCtrl(CWnd* pParentWnd, const CRect& rect);
    // The tab control over the client area; each page keeps its top-left, as wide as the client
    // less three edges and as high as what is left below its top less one edge.
    void LayoutPages();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    BOOL m_bAutoDelete;  // the object deletes itself when its window goes
    HACCEL m_hAccel;     // tried first by the message filter; null

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
