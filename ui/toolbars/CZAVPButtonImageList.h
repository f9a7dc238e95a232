// The button appearance dialog's list of user images: one entry per image of the user strip,
// in rows that wrap, with a scroll bar when they do not fit; one entry is the selected one.
#pragma once

#include <vector>

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CScrollBar.h"

class CZAVPImageStrip;

class CZAVPButtonImageList : public CButton
{
public:
    void SetImages(CZAVPImageStrip* pImages);
    // -1 selects none. Scrolls the entry into view and tells the parent.
    void SelectImage(int iImage, BOOL bNotify = FALSE);
    int GetSelImage() const { return m_iSelected; }
    int GetCount() const { return (int)m_rects.size(); }
    void RebuildLocations();

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS; }
    int RowHeight() const;
    void EnsureVisible(int iImage);

    CZAVPImageStrip* m_pImages = nullptr;
    std::vector<CRect> m_rects;  // entries, client coordinates before scrolling
    int m_iSelected = -1;
    int m_nScrollOffset = 0;  // first visible pixel row
    int m_nScrollTotal = 0;   // the limit
    CScrollBar m_wndScrollBar;
    BOOL m_bFocus = FALSE;

    DECLARE_MESSAGE_MAP()
};
