// The library's document frame (see CZAVPMDIChildWnd.h).
#include "ui/docking/CZAVPMDIChildWnd.h"

#include <vector>

#include "framework/CView.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPPrintPreviewView.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

IMPLEMENT_DYNCREATE(CZAVPMDIChildWnd, CMDIChildWnd)

BOOL CZAVPMDIChildWnd::m_bActivating = FALSE;

namespace
{
// The platform's splitter window as a view; known by its name (see CZAVPFrameWnd).
constexpr ZAVPClassName kChildSplitterWnd{"CSplitterWnd"};
const DWORD kAllSides = 0xF000;  // CBRS_ALIGN_ANY
const UINT kChildRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

CWnd* ZAVPPrintPreviewOf(CView* pView)
{
    return ZAVPIsKindOf(pView, RUNTIME_CLASS(CZAVPPrintPreviewView)) ? pView : nullptr;
}
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPMDIChildWnd, CMDIChildWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_SETTEXT, &CZAVPMDIChildWnd::OnSetText)
ON_MESSAGE(WM_SETICON, &CZAVPMDIChildWnd::OnSetIcon)
ON_WM_SIZE()
ON_WM_SIZING()
ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CZAVPMDIChildWnd::CZAVPMDIChildWnd() : m_pMDIFrame(nullptr), m_bToBeDestroyed(FALSE) {}

CZAVPMDIChildWnd::~CZAVPMDIChildWnd() {}

BOOL CZAVPMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_dockManager.SetFrame(this);
    return CMDIChildWnd::PreCreateWindow(cs);
}

int CZAVPMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMDIChildWnd::OnCreate(lpcs) == -1) return -1;
    m_pMDIFrame = dynamic_cast<CZAVPMDIFrameWnd*>(GetMDIFrame());
    return 0;
}

BOOL CZAVPMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys belong to an open library popup menu, which the main frame feeds.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pMDIFrame != nullptr &&
        CZAVPPopupMenu::GetActiveMenu() != nullptr)
        return FALSE;
    return CMDIChildWnd::PreTranslateMessage(pMsg);
}

// ---- layout

void CZAVPMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    CMDIChildWnd::RecalcLayout(bNotify);
    m_dockManager.RecalcLayout(bNotify);
    CWnd* pPreview = ZAVPPrintPreviewOf(GetActiveView());
    if (pPreview != nullptr && m_dockManager.IsPrintPreviewMode()) {
        CRect rect;
        m_dockManager.GetClientAreaBounds(rect);
        pPreview->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    AdjustClientArea();
}

BOOL CZAVPMDIChildWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.m_bAdjustingBarLayout) return TRUE;
    m_dockManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
    return TRUE;
}

void CZAVPMDIChildWnd::AdjustClientArea()
{
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pChild == nullptr) return;
    // A splitter draws its bars between its panes, over their area: it must not clip them out.
    pChild->ModifyStyle(0, ZAVPIsKindOf(pChild, kChildSplitterWnd)
                               ? WS_CLIPSIBLINGS
                               : WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    CRect rect;
    m_dockManager.GetClientAreaBounds(rect);
    rect.DeflateRect(m_rectBorder.left, m_rectBorder.top, m_rectBorder.right, m_rectBorder.bottom);
    pChild->SetWindowPos(&CWnd::wndBottom, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOACTIVATE);
}

BOOL CZAVPMDIChildWnd::OnMoveMiniFrame(CWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

// ---- the tabs

CString CZAVPMDIChildWnd::GetFrameText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

HICON CZAVPMDIChildWnd::GetFrameIcon() const
{
    HICON hIcon = (HICON)::SendMessageA(m_hWnd, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == nullptr) hIcon = (HICON)::GetClassLongPtrA(m_hWnd, GCLP_HICONSM);
    return hIcon;
}

void CZAVPMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (m_pMDIFrame != nullptr) m_pMDIFrame->m_wndClientArea.UpdateTabs(FALSE);
}

LRESULT CZAVPMDIChildWnd::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (m_pMDIFrame != nullptr) m_pMDIFrame->m_wndClientArea.UpdateTabs(TRUE);
    return lResult;
}

LRESULT CZAVPMDIChildWnd::OnSetIcon(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (m_pMDIFrame != nullptr) m_pMDIFrame->m_wndClientArea.UpdateTabs(FALSE);
    return lResult;
}

// ---- activation

void CZAVPMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CWnd* pClient = GetParent();
    // The client is drawn once, after the document frame took its place.
    if (pClient != nullptr) pClient->SetRedraw(FALSE);
    CMDIChildWnd::ActivateFrame(nCmdShow);
    if (pClient != nullptr) {
        pClient->SetRedraw(TRUE);
        pClient->RedrawWindow(nullptr, nullptr, kChildRedraw);
    }
}

void CZAVPMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    m_dockManager.OnActivateFrame(bActivate);
    // One activation at a time: the tab switch below may activate a document itself.
    if (m_bActivating) return;
    m_bActivating = TRUE;
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bActivate && m_pMDIFrame != nullptr && pActivateWnd != nullptr)
        m_pMDIFrame->m_wndClientArea.SetActiveTab(pActivateWnd->GetSafeHwnd());
    m_bActivating = FALSE;
}

// ---- sizes

void CZAVPMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) AdjustDockingLayout();
}

void CZAVPMDIChildWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    CMDIChildWnd::OnSizing(fwSide, pRect);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (rectWindow.Width() == pRect->right - pRect->left &&
        rectWindow.Height() == pRect->bottom - pRect->top)
        return;
    AdjustDockingLayout();
}

void CZAVPMDIChildWnd::OnDestroy()
{
    // Floating bars of this document go with it.
    std::vector<CWnd*> miniFrames;
    for (POSITION pos = m_dockManager.GetMiniFrames().GetHeadPosition(); pos != nullptr;)
        miniFrames.push_back(static_cast<CWnd*>(m_dockManager.GetMiniFrames().GetNext(pos)));
    for (CWnd* pMiniFrame : miniFrames)
        if (::IsWindow(pMiniFrame->GetSafeHwnd())) pMiniFrame->DestroyWindow();
    // The children are collected first: destroying one may re-parent or destroy others.
    std::vector<HWND> children;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild) && ::GetParent(hChild) == m_hWnd) ::DestroyWindow(hChild);
    CMDIChildWnd::OnDestroy();
}

// ---- forwards

BOOL CZAVPMDIChildWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPMDIChildWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                        CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    return m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
}

void CZAVPMDIChildWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (pBar == nullptr) return;
    // Bars in a document frame never float.
    const DWORD dwStyle = pBar->GetControlBarStyle() & ~ZAVP_CBRS_FLOAT;
    pBar->SetControlBarStyle(dwStyle);
    if (!(dwStyle & ZAVP_CBRS_RESIZE)) {
        m_dockManager.AddControlBar(pBar, TRUE, FALSE, FALSE);
        return;
    }
    pBar->EnableDocking(kAllSides);
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
}

CZAVPBaseControlBar* CZAVPMDIChildWnd::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL,
                                                           CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

void CZAVPMDIChildWnd::RemoveControlBarFromDockManager(CZAVPBaseControlBar* pControlBar,
                                                       BOOL bDestroy, BOOL bAdjustLayout,
                                                       BOOL bAutoHide)
{
    m_dockManager.RemoveControlBarFromDockManager(pControlBar, bDestroy, bAdjustLayout, bAutoHide);
}

BOOL CZAVPMDIChildWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPMDIChildWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                          BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPMDIChildWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}
