// The library's stand-in for an OLE container's frame (see CZAVPOleCntrFrameWnd.h).
#include "ui/docking/CZAVPOleCntrFrameWnd.h"

#include <vector>

#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/ZAVPInPlaceFrameParts.h"

IMPLEMENT_DYNAMIC(CZAVPOleCntrFrameWnd, COleCntrFrameWnd)

BEGIN_MESSAGE_MAP(CZAVPOleCntrFrameWnd, COleCntrFrameWnd)
ON_WM_SIZE()
ON_WM_SIZING()
END_MESSAGE_MAP()

CZAVPOleCntrFrameWnd::CZAVPOleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame)
    : COleCntrFrameWnd(pInPlaceFrame)
{
}

CZAVPOleCntrFrameWnd::~CZAVPOleCntrFrameWnd()
{
    // The server's floating bars, then its bars on the container's frame, go with the session;
    // the container's own windows stay (they were not made by this library).
    std::vector<CWnd*> miniFrames;
    for (POSITION pos = m_dockManager.GetMiniFrames().GetHeadPosition(); pos != nullptr;)
        miniFrames.push_back(static_cast<CWnd*>(m_dockManager.GetMiniFrames().GetNext(pos)));
    for (CWnd* pMiniFrame : miniFrames)
        if (::IsWindow(pMiniFrame->GetSafeHwnd())) pMiniFrame->DestroyWindow();
    if (m_hWnd == nullptr) return;
    std::vector<HWND> children;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild) && ::GetParent(hChild) == m_hWnd &&
            CWnd::FromHandlePermanent(hChild))
            ::DestroyWindow(hChild);
}

BOOL CZAVPOleCntrFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_dockManager.SetFrame(this);
    return COleCntrFrameWnd::PreCreateWindow(cs);
}

void CZAVPOleCntrFrameWnd::AdjustDockingLayout(HDWP)
{
    if (m_pInPlaceFrame == nullptr) return;
    if (COleServerDoc* pDocument = m_pInPlaceFrame->GetActiveServerDoc())
        pDocument->OnResizeBorder(nullptr, m_pInPlaceFrame->m_lpFrame, TRUE);
}

void CZAVPOleCntrFrameWnd::RecalcLayout(BOOL bNotify)
{
    AdjustDockingLayout();
    m_dockManager.AdjustDockingLayout();
    m_dockManager.RecalcLayout(bNotify);
    ZAVPInPlaceFrameParts::PlacePreview(this, m_dockManager);
    if (m_pInPlaceFrame != nullptr && m_pInPlaceFrame->GetSafeHwnd() != nullptr)
        m_pInPlaceFrame->RecalcLayout(bNotify);
}

BOOL CZAVPOleCntrFrameWnd::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = m_dockManager.ShowControlBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

BOOL CZAVPOleCntrFrameWnd::OnMoveMiniFrame(CWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

LRESULT CZAVPOleCntrFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    COleCntrFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.OnIdleUpdateCmdUI();
    // The server's bars live on the container's window, which sends them nothing itself.
    for (POSITION pos = m_dockManager.GetControlBars().GetHeadPosition(); pos != nullptr;) {
        CWnd* pBar = static_cast<CWnd*>(m_dockManager.GetControlBars().GetNext(pos));
        if (pBar->GetSafeHwnd() != nullptr)
            pBar->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, FALSE);
    }
    return 0;
}

void CZAVPOleCntrFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) AdjustDockingLayout();
}

void CZAVPOleCntrFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    COleCntrFrameWnd::OnSizing(fwSide, pRect);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (rectWindow.Width() == pRect->right - pRect->left &&
        rectWindow.Height() == pRect->bottom - pRect->top)
        return;
    AdjustDockingLayout();
}

// ---- forwards

BOOL CZAVPOleCntrFrameWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPOleCntrFrameWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                            CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    const BOOL bResult = m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
    AdjustDockingLayout();
    return bResult;
}

void CZAVPOleCntrFrameWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID,
                                          LPCRECT lpRect)
{
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
    AdjustDockingLayout();
}

CZAVPBaseControlBar* CZAVPOleCntrFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL,
                                                               CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

BOOL CZAVPOleCntrFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPOleCntrFrameWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                              BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPOleCntrFrameWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}
