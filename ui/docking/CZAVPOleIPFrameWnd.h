// The library's in-place frame of an OLE server: while a document is edited inside a container,
// the server's library bars dock on the container's frame (through CZAVPOleCntrFrameWnd) and the
// library treats this frame as the main frame. Like the SDI frame it holds a frame
// implementation and a dock manager; it loads no saved state.
#pragma once

#include "framework/COleIPFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameImpl.h"

class CMenu;
class CZAVPBaseControlBar;
class CZAVPControlBar;
class CZAVPPopupMenu;
class CZAVPToolbarButton;

class CZAVPOleIPFrameWnd : public COleIPFrameWnd
{
    DECLARE_DYNCREATE(CZAVPOleIPFrameWnd)
public:
    CZAVPOleIPFrameWnd();
    ~CZAVPOleIPFrameWnd() override;

    // ---- platform operations the frame takes over
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc) override;

    // ---- operations the frame adds
    virtual BOOL ShowControlBars(BOOL bShow);
    virtual BOOL AdjustDockingLayout(HDWP hdwp = nullptr);
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);
    virtual BOOL OnShowPopupMenu(CZAVPPopupMenu* /*pMenuPopup*/) { return TRUE; }
    virtual BOOL OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT uiToolbarID);
    virtual CZAVPPopupMenu* OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup);
    virtual BOOL GetToolbarButtonToolTipText(CZAVPToolbarButton* /*pButton*/, CString& /*strText*/)
    {
        return FALSE;
    }
    virtual BOOL OnTearOffMenu(CZAVPPopupMenu* /*pMenuPopup*/, CZAVPControlBar* /*pBar*/)
    {
        return TRUE;
    }
    virtual BOOL ShowPopupMenu(CZAVPPopupMenu* pMenuPopup);

    // ---- one-line forwards to the dock manager
    BOOL AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail = TRUE);
    BOOL InsertControlBar(CZAVPBaseControlBar* pControlBar, CZAVPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE);
    void DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                             CRuntimeClass* pRTCBarType) const;
    BOOL EnableDocking(DWORD dwDockStyle);
    BOOL IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    CZAVPBaseControlBar* GetControlBar(UINT nID);

    CZAVPFrameImpl m_Impl;  // constructed with this frame as its owner
    CZAVPDockManager m_dockManager;
    BOOL m_bContextHelp;           // the context-help routine is running
    HWND m_hwndLastTopLevelFrame;  // the library main frame before this one became active

    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);

protected:
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    void OnContextHelp();
    DECLARE_MESSAGE_MAP()
};
