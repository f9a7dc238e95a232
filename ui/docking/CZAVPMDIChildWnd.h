// A document frame inside the library's MDI frame, with a dock manager of its own so that bars can
// dock inside a document window (never floating from there). It keeps the client area's document
// tabs informed of its title, icon and activation.
#pragma once

#include "framework/CMDIChildWnd.h"
#include "ui/docking/CZAVPDockManager.h"

class CZAVPBaseControlBar;
class CZAVPMDIFrameWnd;

class CZAVPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CZAVPMDIChildWnd)
public:
    CZAVPMDIChildWnd();
    ~CZAVPMDIChildWnd() override;

    // ---- platform operations the frame takes over
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // ---- operations the frame adds
    virtual BOOL AdjustDockingLayout(HDWP hdwp = nullptr);
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);
    // The tab's text and icon, and whether the frame has a tab at all.
    virtual CString GetFrameText() const;
    virtual HICON GetFrameIcon() const;
    virtual BOOL CanShowOnMDITabs() { return TRUE; }

    // ---- one-line forwards to the dock manager
    BOOL AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail = TRUE);
    BOOL InsertControlBar(CZAVPBaseControlBar* pControlBar, CZAVPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE);
    // Bars docked in a document frame never float.
    void DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                             CRuntimeClass* pRTCBarType) const;
    void RemoveControlBarFromDockManager(CZAVPBaseControlBar* pControlBar, BOOL bDestroy = TRUE,
                                         BOOL bAdjustLayout = FALSE, BOOL bAutoHide = FALSE);
    BOOL EnableDocking(DWORD dwDockStyle);
    BOOL IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    CZAVPBaseControlBar* GetControlBar(UINT nID);

    CZAVPMDIFrameWnd* m_pMDIFrame;  // the library MDI frame it lives in; null in another frame
    BOOL m_bToBeDestroyed;          // the client destroys it: it gets no tab again
    CZAVPDockManager m_dockManager;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetIcon(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    // Places the view (pane 0xE900) in what the bars leave.
    void AdjustClientArea();
    DECLARE_MESSAGE_MAP()

private:
    static BOOL m_bActivating;  // a WM_MDIACTIVATE is being handled by some document frame
};
