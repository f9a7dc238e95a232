// A library button that opens a popup menu when pressed and then reports the chosen command to
// its parent (which reads it from m_nMenuResult).
#pragma once

#include "ui/toolbars/CZAVPButton.h"

class CZAVPMenuButton : public CZAVPButton
{
    DECLARE_DYNAMIC(CZAVPMenuButton)
public:
    CZAVPMenuButton();

    CSize SizeToContent(BOOL bCalcOnly = FALSE) override;

    BOOL m_bRightArrow;   // the menu opens to the right and the arrow points right
    HMENU m_hMenu;        // not owned
    int m_nMenuResult;    // the command chosen from the last menu, 0 when none
    BOOL m_bStayPressed;  // the button shows pushed while its menu is open
    BOOL m_bOSMenu;       // TRUE: the system's TrackPopupMenu shows the menu

protected:
    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
    virtual void OnShowMenu();

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();

    BOOL m_bMenuIsActive;  // the menu is open

    DECLARE_MESSAGE_MAP()
};
