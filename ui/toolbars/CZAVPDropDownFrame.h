// The small pop-up frame a drop-down toolbar button opens: it holds a drop-down toolbar showing
// the source toolbar's buttons, opens below (or beside) its button without taking the
// activation, and closes when a command is chosen, the mouse is released outside it, or the
// application loses the activation. It deletes itself.
#pragma once

#include "framework/CMiniFrameWnd.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"

class CZAVPDropDownToolbarButton;

class CZAVPDropDownFrame : public CMiniFrameWnd
{
    DECLARE_SERIAL(CZAVPDropDownFrame)
public:
    CZAVPDropDownFrame();
    ~CZAVPDropDownFrame() override;

    // Opens at the screen point (x = y = -1: 5 pixels into the parent's client area) with the
    // source toolbar's buttons. On FALSE nothing is open (and the object is gone).
    virtual BOOL Create(CWnd* pWndParent, int x, int y, CZAVPToolBar* pToolBarSource);
    void RecalcLayout(BOOL bNotify = TRUE) override;

    CZAVPDropDownToolBar* GetToolBar() { return &m_wndToolBar; }
    CZAVPToolBar* GetSourceToolBar() const { return m_pWndOriginToolbar; }

    CZAVPDropDownToolbarButton* m_pParentBtn;  // the button that opened the frame, or null
    CZAVPToolBar* m_pParentBar;                // the bar that button stands on, or null
    BOOL m_bAutoDestroy;                       // closing on deactivation is allowed

protected:
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnClose();

    CZAVPDropDownToolBar m_wndToolBar;
    CZAVPToolBar* m_pWndOriginToolbar;  // whose buttons are shown (not owned)
    int m_x, m_y;                       // the asked top-left (screen)
    CString m_strCaption;

    DECLARE_MESSAGE_MAP()
};
