// The single-document main frame (see CZAVPFrameWnd.h).
#include "ui/docking/CZAVPFrameWnd.h"

#include <vector>

#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPPrintPreviewView.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPFrameWnd, CFrameWnd)

namespace
{
// The platform's splitter window, as a view of the frame; our framework has no class of its own
// for it yet, so it is known by its name.
constexpr ZAVPClassName kSplitterWnd{"CSplitterWnd"};
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_SIZING()
ON_WM_SIZE()
ON_WM_ACTIVATEAPP()
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_COMMAND(ID_CONTEXT_HELP, &CZAVPFrameWnd::OnContextHelp)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPFrameWnd::OnIdleUpdateCmdUI)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Create, &CZAVPFrameWnd::OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Delete, &CZAVPFrameWnd::OnToolbarDelete)
ON_UPDATE_COMMAND_UI(AFX_IDW_STATUS_BAR, &CZAVPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_STATUS_BAR, &CZAVPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, &CZAVPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_TOOLBAR, &CZAVPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_REBAR, &CZAVPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_REBAR, &CZAVPFrameWnd::OnBarCheck)
END_MESSAGE_MAP()

CZAVPFrameWnd::CZAVPFrameWnd()
    : m_Impl(this), m_bContextHelp(FALSE), m_bWasMaximized(FALSE), m_bIsMinimized(FALSE)
{
}

CZAVPFrameWnd::~CZAVPFrameWnd() {}

BOOL CZAVPFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_dockManager.SetFrame(this);
    m_Impl.m_pDockManager = &m_dockManager;
    m_Impl.OnPreCreateWindow(cs);
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CZAVPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                              CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    // The toolbars are made at their saved size from the start.
    m_Impl.LoadLargeIconsState();
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
    if (CZAVPWorkspace* pWorkspace = GetWorkspace()) pWorkspace->LoadState(nullptr, &m_Impl);
    return TRUE;
}

BOOL CZAVPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (OnCommandFromAccelerator(wParam)) return TRUE;
    // Commands are dropped while the user customises the toolbars.
    if (ZAVPSharedBarData::g_bCustomizeMode) return FALSE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

void CZAVPFrameWnd::OnContextHelp()
{
    const BOOL bNested = m_bContextHelp;
    m_bContextHelp = TRUE;
    // While the help cursor waits for its click, the toolbars show which button it is over.
    if (!m_bHelpMode && CanEnterHelpMode()) CZAVPToolBar::SetHelpMode(TRUE);
    CFrameWnd::OnContextHelp();
    if (!m_bHelpMode) CZAVPToolBar::SetHelpMode(FALSE);
    m_bContextHelp = bNested;
}

void CZAVPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // Nothing under the help cursor had a topic: the user gets the cursor back, not an empty
    // help window.
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    CFrameWnd::WinHelp(dwData, nCmd);
}

void CZAVPFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_bIsMinimized) return;
    if (!m_dockManager.IsPrintPreviewMode() && !m_dockManager.IsHiddenBarsMode()) {
        m_bInRecalcLayout = TRUE;
        m_dockManager.RecalcLayout(bNotify);
        AdjustClientArea();
        m_bInRecalcLayout = FALSE;
        return;
    }
    if (CView* pView = GetActiveView(); ZAVPIsKindOf(pView, RUNTIME_CLASS(CZAVPPrintPreviewView))) {
        // The preview's toolbar is one of the dock manager's bars: the preview takes the rest.
        m_bInRecalcLayout = TRUE;
        m_dockManager.RecalcLayout(bNotify);
        CRect rect;
        m_dockManager.GetClientAreaBounds(rect);
        pView->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
        m_bInRecalcLayout = FALSE;
        return;
    }
    // With the library's bars hidden, their layout stays as it was: only the platform's own
    // bars share out the client area (the base takes its own guard), and the view then takes
    // what the dock manager leaves.
    CFrameWnd::RecalcLayout(bNotify);
    m_bInRecalcLayout = TRUE;
    AdjustClientArea();
    m_bInRecalcLayout = FALSE;
}

BOOL CZAVPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.m_bAdjustingBarLayout) return TRUE;
    m_dockManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
    // While the bars are hidden the frame's own layout follows each change of the docked ones.
    if (m_dockManager.IsHiddenBarsMode()) RecalcLayout(TRUE);
    return TRUE;
}

BOOL CZAVPFrameWnd::OnMoveMiniFrame(CWnd* pFrame) { return m_dockManager.OnMoveMiniFrame(pFrame); }

CWnd* CZAVPFrameWnd::AdjustClientArea()
{
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pChild == nullptr) return nullptr;
    CRect rect;
    m_dockManager.GetClientAreaBounds(rect);
    rect.left -= m_rectBorder.left;
    rect.top -= m_rectBorder.top;
    rect.right += m_rectBorder.right;
    rect.bottom += m_rectBorder.bottom;
    pChild->CalcWindowRect(rect, CWnd::adjustBorder);
    // A splitter draws its bars between its panes, over their area: it must not clip them out.
    pChild->ModifyStyle(0, ZAVPIsKindOf(pChild, kSplitterWnd) ? WS_CLIPSIBLINGS
                                                              : WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    pChild->SetWindowPos(&CWnd::wndBottom, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOACTIVATE);
    return pChild;
}

BOOL CZAVPFrameWnd::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = m_dockManager.ShowControlBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

void CZAVPFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    m_dockManager.OnSetPreviewMode(bPreview, pState);
    const DWORD dwStates = pState ? pState->dwStates : 0;
    CFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (pState != nullptr) pState->dwStates = dwStates;
    AdjustDockingLayout();
    RecalcLayout();
}

BOOL CZAVPFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd) {
    case borderGet: {
        CFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
        CRect rect;
        m_dockManager.GetClientAreaBounds(rect);
        ::CopyRect(lpRectBorder, rect);
        return TRUE;
    }
    case borderSet: return CFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
    default: return TRUE;
    }
}

// ---- forwards

BOOL CZAVPFrameWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPFrameWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar, CZAVPBaseControlBar* pTarget,
                                     BOOL bAfter)
{
    return m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
}

void CZAVPFrameWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
}

CZAVPBaseControlBar* CZAVPFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL,
                                                        CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

void CZAVPFrameWnd::RemoveControlBarFromDockManager(CZAVPBaseControlBar* pControlBar, BOOL bDestroy,
                                                    BOOL bAdjustLayout, BOOL bAutoHide)
{
    m_dockManager.RemoveControlBarFromDockManager(pControlBar, bDestroy, bAdjustLayout, bAutoHide);
}

BOOL CZAVPFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPFrameWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPFrameWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}

void CZAVPFrameWnd::ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                   BOOL bActivate)
{
    pBar->ShowControlBar(bShow, bDelay, bActivate);
}

// ---- messages

void CZAVPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CFrameWnd::OnClose();
}

void CZAVPFrameWnd::OnDestroy()
{
    if (m_hAccelTable != nullptr) {
        ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = nullptr;
    }
    m_dockManager.m_bEnableAdjustLayout = FALSE;
    // The children are collected first: destroying one may re-parent or destroy others.
    std::vector<HWND> children;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild) && ::GetParent(hChild) == m_hWnd) ::DestroyWindow(hChild);
    CFrameWnd::OnDestroy();
}

void CZAVPFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    CFrameWnd::OnSizing(fwSide, pRect);
    AdjustDockingLayout();
}

void CZAVPFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    m_bIsMinimized = nType == SIZE_MINIMIZED;
    m_dockManager.OnActivateFrame(nType != SIZE_MINIMIZED);
    if (nType != SIZE_MINIMIZED && nType != SIZE_MAXIMIZED && !m_bWasMaximized) {
        m_dockManager.m_bSizeFrame = TRUE;
        CFrameWnd::OnSize(nType, cx, cy);
        AdjustDockingLayout();
        m_dockManager.m_bSizeFrame = FALSE;
        return;
    }
    CFrameWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MAXIMIZED || (nType == SIZE_RESTORED && m_bWasMaximized)) RecalcLayout();
    m_bWasMaximized = nType == SIZE_MAXIMIZED;
}

void CZAVPFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CFrameWnd::OnActivateApp(bActive, dwThreadID);
    m_dockManager.OnActivateFrame(bActive);
}

LRESULT CZAVPFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    CFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.OnIdleUpdateCmdUI();
    return 0;
}

void CZAVPFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CZAVPBaseControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CZAVPFrameWnd::OnBarCheck(UINT nID)
{
    CZAVPBaseControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    pBar->ShowControlBar((pBar->GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
    return TRUE;
}

LRESULT CZAVPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CZAVPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    // Only a toolbar of the frame's own list is taken: the message's word is not trusted.
    CZAVPToolBar* pBar = nullptr;
    for (POSITION pos = m_Impl.m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        CObject* pListed = m_Impl.m_listUserDefinedToolbars.GetNext(pos);
        if ((LPARAM)pListed == lParam) pBar = static_cast<CZAVPToolBar*>(pListed);
    }
    return m_Impl.DeleteToolbar(pBar);
}
