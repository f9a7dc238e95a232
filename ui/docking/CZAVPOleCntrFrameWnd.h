// Stands for an OLE container's frame window while a library server is active in place in it:
// a dock manager of its own lets the server's library bars dock on the container's frame. Made
// by the in-place frame in place of the platform's container frame object; the window is the
// container's and is never destroyed here.
#pragma once

#include "framework/COleIPFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"

class CZAVPBaseControlBar;

class CZAVPOleCntrFrameWnd : public COleCntrFrameWnd
{
    DECLARE_DYNAMIC(CZAVPOleCntrFrameWnd)
public:
    explicit CZAVPOleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame);
    ~CZAVPOleCntrFrameWnd() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;

    virtual BOOL ShowControlBars(BOOL bShow);
    // Asks the document edited in place to negotiate its border again.
    virtual void AdjustDockingLayout(HDWP hdwp = nullptr);
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);

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

    CZAVPDockManager m_dockManager;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT fwSide, LPRECT pRect);
    DECLARE_MESSAGE_MAP()
};
