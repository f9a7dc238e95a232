// The multiple-document main frame of the library: what the single-document frame does (a dock
// manager for its bars, a frame implementation for menus, user toolbars and saved state) with the
// MDI client in the place of the view. The client is subclassed by a client-area object that can
// show one tab per document frame above the documents.
#pragma once

#include "framework/CMDIFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameImpl.h"
#include "ui/docking/CZAVPMainClientAreaWnd.h"

class CMenu;
class COleClientItem;
class CZAVPBaseControlBar;
class CZAVPControlBar;
class CZAVPPopupMenu;
class CZAVPToolbarButton;

class CZAVPMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CZAVPMDIFrameWnd)
public:
    CZAVPMDIFrameWnd();
    ~CZAVPMDIFrameWnd() override;

    // ---- platform operations the frame takes over
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    HMENU GetWindowMenuPopup(HMENU hMenuBar) override;

    // ---- operations the frame adds
    virtual BOOL AdjustDockingLayout(HDWP hdwp = nullptr);
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);
    // The MDI client asks for a new frame menu: TRUE when the menu bar took it (the window then
    // keeps no menu of its own).
    virtual BOOL OnSetMenu(HMENU hmenu);
    virtual BOOL OnShowPopupMenu(CZAVPPopupMenu* /*pMenuPopup*/) { return TRUE; }
    virtual BOOL OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT uiToolbarID);
    virtual CZAVPPopupMenu* OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup);
    virtual BOOL GetToolbarButtonToolTipText(CZAVPToolbarButton* /*pButton*/, CString& /*strText*/)
    {
        return FALSE;
    }
    virtual int OnMenuButtonToolHitTest(CZAVPToolbarButton* /*pButton*/, TOOLINFOA* /*pTI*/)
    {
        return 0;
    }
    // TRUE when the frame painted the MDI client's background itself.
    virtual BOOL OnEraseMDIClientBackground(CDC* /*pDC*/) { return FALSE; }
    virtual BOOL OnTearOffMenu(CZAVPPopupMenu* /*pMenuPopup*/, CZAVPControlBar* /*pBar*/)
    {
        return TRUE;
    }
    virtual BOOL ShowControlBars(BOOL bShow);
    // Places the MDI client (with its tabs) in what the bars leave.
    virtual void AdjustClientArea();
    // The embedded item active in place in the active view's document, or null.
    virtual COleClientItem* GetActiveInPlaceItem();

    // ---- one-line forwards to the dock manager
    BOOL AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail = TRUE);
    BOOL InsertControlBar(CZAVPBaseControlBar* pControlBar, CZAVPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE);
    void DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                             CRuntimeClass* pRTCBarType) const;
    void RemoveControlBarFromDockManager(CZAVPBaseControlBar* pControlBar, BOOL bDestroy = TRUE,
                                         BOOL bAdjustLayout = FALSE, BOOL bAutoHide = FALSE);
    BOOL EnableDocking(DWORD dwDockStyle);
    BOOL IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    CZAVPBaseControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);
    // A popup menu opens: the frame implementation records it; a Window menu gets the list of
    // documents; then the frame may refuse it.
    virtual BOOL ShowPopupMenu(CZAVPPopupMenu* pMenuPopup);

    CZAVPMainClientAreaWnd m_wndClientArea;  // subclasses the MDI client
    HMENU m_hmenuWindow;                     // the Window popup of the current menu
    CZAVPFrameImpl m_Impl;                   // constructed with this frame as its owner
    CZAVPDockManager m_dockManager;
    BOOL m_bContextHelp;         // the context-help routine is running
    BOOL m_bSubclassClientArea;  // the MDI client is subclassed (always)
    UINT m_uiWindowsDlgMenuId;   // command of an extra Window-menu item; 0: none
    CString m_strWindowsDlgMenuText;
    BOOL m_bShowWindowsDlgAlways;  // the extra item shows even with fewer than ten documents
    BOOL m_bWasMaximized;          // the last WM_SIZE was SIZE_MAXIMIZED
    BOOL m_bIsMinimized;           // the last WM_SIZE was SIZE_MINIMIZED
    BOOL m_bClosing;               // WM_CLOSE began: sizes and redraws are no longer handled

    // The Window menu's document items start here; the tenth is the "more windows" item.
    static const UINT kFirstChildItem = 0xFF00;
    static const UINT kTenthChildItem = 0xFF09;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnClose();
    void OnDestroy();
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnExitSizeMove();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    void OnContextHelp();
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    // ID_WINDOW_NEW: a maximised active document keeps the new one maximised.
    void OnWindowNew();
    DECLARE_MESSAGE_MAP()
};
