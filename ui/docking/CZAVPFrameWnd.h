// The single-document main frame of the library: a platform frame whose bars are docked by its
// own dock manager and whose user toolbars and saved state live in its frame implementation.
// Nearly every handler forwards to one of the two and then to the platform frame.
#pragma once

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameImpl.h"

class CMenu;
class CZAVPBaseControlBar;
class CZAVPControlBar;
class CZAVPPopupMenu;
class CZAVPToolbarButton;
class CZAVPMiniFrameWnd;

class CZAVPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CZAVPFrameWnd)
public:
    CZAVPFrameWnd();
    ~CZAVPFrameWnd() override;

    // ---- platform operations the frame takes over
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A help request without a context while context help runs starts the help cursor again.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // ---- operations the frame adds
    virtual BOOL AdjustDockingLayout(HDWP hdwp = nullptr);
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);
    // Places the view (pane 0xE900) in what the bars leave; null when there is no view.
    virtual CWnd* AdjustClientArea();
    virtual BOOL ShowControlBars(BOOL bShow);

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

    // ---- menus: keys and clicks seen before the frame, and what popup menus ask of it
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void DelayUpdateFrameMenu(HMENU hMenuAlt) override;
    // A popup menu opens: the frame implementation records it, then the frame may refuse it.
    virtual BOOL ShowPopupMenu(CZAVPPopupMenu* pMenuPopup);
    virtual BOOL OnShowPopupMenu(CZAVPPopupMenu* /*pMenuPopup*/) { return TRUE; }
    // The list of a toolbar's buttons is being built: the frame implementation adds the default
    // buttons the toolbar no longer has. TRUE.
    virtual BOOL OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT uiToolbarID);
    // The popup closed: it stops being the active one. Answers the active popup before.
    virtual CZAVPPopupMenu* OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup);
    // A menu torn off into the bar; FALSE gives the tear-off up.
    virtual BOOL OnTearOffMenu(CZAVPPopupMenu* /*pMenuPopup*/, CZAVPControlBar* /*pBar*/)
    {
        return TRUE;
    }

    // ---- what the frame may say about its bars' tooltips (an application's frame overrides)
    // A menu button's tooltip: fills the record and answers non-zero, or 0 to leave it be.
    virtual int OnMenuButtonToolHitTest(CZAVPToolbarButton* /*pButton*/, TOOLINFOA* /*pTI*/)
    {
        return 0;
    }
    // A toolbar button's tooltip text; FALSE leaves the text to the bar.
    virtual BOOL GetToolbarButtonToolTipText(CZAVPToolbarButton* /*pButton*/, CString& /*strText*/)
    {
        return FALSE;
    }

    CZAVPFrameImpl m_Impl;  // constructed with this frame as its owner
    CZAVPDockManager m_dockManager;
    BOOL m_bContextHelp;   // the context-help routine is running
    BOOL m_bWasMaximized;  // the last WM_SIZE was SIZE_MAXIMIZED
    BOOL m_bIsMinimized;   // the last WM_SIZE was SIZE_MINIMIZED

protected:
    void OnClose();
    void OnDestroy();
    // ID_CONTEXT_HELP: the platform's help cursor, with the toolbars hot-tracking meanwhile.
    void OnContextHelp();
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // "ZAVTOOLBAR_CREATE" (lParam the name): the new user toolbar or 0.
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    // "ZAVTOOLBAR_DELETE" (lParam the toolbar): TRUE when a user toolbar went.
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // Counts an accelerator's command; TRUE when it only closed a popup or ran a user tool.
    BOOL OnCommandFromAccelerator(WPARAM wParam);
    DECLARE_MESSAGE_MAP()
};
