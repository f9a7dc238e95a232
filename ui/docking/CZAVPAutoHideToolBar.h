// The strip of one auto-hidden pane at a frame edge: it holds that pane's button, stands in the
// single row of its side's auto-hide dock bar, and slides the pane out when the mouse rests on
// the button (timer 1, the hover delay).
#pragma once

#include "framework/CObList.h"
#include "ui/docking/CZAVPControlBar.h"

class CZAVPAutoHideButton;
class CZAVPAutoHideDockBar;
class CZAVPDockingControlBar;

class CZAVPAutoHideToolBar : public CZAVPControlBar
{
    DECLARE_DYNCREATE(CZAVPAutoHideToolBar)
public:
    static const UINT kHoverTimerId = 1;
    static int m_nShowAHWndDelay;  // 400 ms

    CZAVPAutoHideToolBar();
    ~CZAVPAutoHideToolBar() override;

    virtual CZAVPAutoHideButton* AddAutoHideButton(CZAVPDockingControlBar* pWnd, DWORD dwAlignment);
    // FALSE when the pane has no button here. A strip left without buttons leaves its dock bar
    // and is destroyed; one that still holds buttons stays where it is.
    virtual BOOL RemoveAutoHideButton(CZAVPDockingControlBar* pWnd);
    virtual void UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup);
    virtual int GetVisibleCount() const;
    virtual CZAVPDockingControlBar* GetFirstPane() const;
    virtual void UpdateVisibility();
    virtual void ShowAutoHideWindow(CZAVPDockingControlBar* pWnd, BOOL bShow, BOOL bNoUpdate);
    // The visible button under a point of the strip's client area (top-flagged ones first).
    virtual CZAVPAutoHideButton* ButtonFromPoint(CPoint pt) const;

    CSize GetBaseSize(int nLength, BOOL bHorz) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void SetFlagA(BOOL bFlag) override;
    BOOL CanFloat() const override { return FALSE; }

    CZAVPAutoHideButton* FindButton(const CZAVPDockingControlBar* pWnd) const;
    const CObList& GetButtons() const { return m_lstAutoHideButtons; }
    CZAVPAutoHideDockBar* GetAutoHideDockBar() const;
    BOOL IsActiveStrip() const { return m_bFlagA; }
    // Some strip of this strip's row (its auto-hide dock bar) is the active one.
    BOOL IsAnyStripOfRowActive() const;
    BOOL IsHoverPending() const { return m_bReadyToDisplayAHWnd; }

protected:
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    void KillHoverTimer();

protected:
    CObList m_lstAutoHideButtons;  // owned
    CZAVPAutoHideButton* m_pLastActiveButton;
    BOOL m_bReadyToDisplayAHWnd;  // a hover timer runs for a button
    UINT_PTR m_nDisplayAHWndTimerID;
};
