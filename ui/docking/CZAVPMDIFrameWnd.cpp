// The multiple-document main frame (see CZAVPMDIFrameWnd.h): creation, layout and the frame's
// messages. Its menus are in CZAVPMDIFrameWndMenus.cpp.
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPPrintPreviewView.h"

#include <vector>

#include "framework/CCmdUI.h"
#include "framework/CMDIChildWnd.h"
#include "framework/COleDocument.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPMDIFrameWnd, CMDIFrameWnd)

namespace
{
// The active view when it is the library's print preview.
CWnd* PrintPreviewOfFrame(CView* pView)
{
    return ZAVPIsKindOf(pView, RUNTIME_CLASS(CZAVPPrintPreviewView)) ? pView : nullptr;
}
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPMDIFrameWnd, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_ACTIVATE()
ON_WM_ACTIVATEAPP()
ON_WM_MENUCHAR()
ON_WM_SIZING()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_EXITSIZEMOVE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPMDIFrameWnd::OnIdleUpdateCmdUI)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Create, &CZAVPMDIFrameWnd::OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Delete, &CZAVPMDIFrameWnd::OnToolbarDelete)
ON_COMMAND(ID_CONTEXT_HELP, &CZAVPMDIFrameWnd::OnContextHelp)
ON_UPDATE_COMMAND_UI(AFX_IDW_STATUS_BAR, &CZAVPMDIFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_STATUS_BAR, &CZAVPMDIFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, &CZAVPMDIFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_TOOLBAR, &CZAVPMDIFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_REBAR, &CZAVPMDIFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_REBAR, &CZAVPMDIFrameWnd::OnBarCheck)
ON_COMMAND(ID_WINDOW_NEW, &CZAVPMDIFrameWnd::OnWindowNew)
END_MESSAGE_MAP()

CZAVPMDIFrameWnd::CZAVPMDIFrameWnd()
    : m_hmenuWindow(nullptr), m_Impl(this), m_bContextHelp(FALSE), m_bSubclassClientArea(TRUE),
      m_uiWindowsDlgMenuId(0), m_bShowWindowsDlgAlways(FALSE), m_bWasMaximized(FALSE),
      m_bIsMinimized(FALSE), m_bClosing(FALSE)
{
}

CZAVPMDIFrameWnd::~CZAVPMDIFrameWnd() {}

// ---- creation

BOOL CZAVPMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_Impl.m_pDockManager = &m_dockManager;
    m_Impl.OnPreCreateWindow(cs);
    return CMDIFrameWnd::PreCreateWindow(cs);
}

int CZAVPMDIFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
    m_dockManager.SetFrame(this);
    return 0;
}

BOOL CZAVPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    // The toolbars are made at their saved size from the start.
    m_Impl.LoadLargeIconsState();
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
    if (CZAVPWorkspace* pWorkspace = GetWorkspace()) pWorkspace->LoadState(this);
    return TRUE;
}

BOOL CZAVPMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::OnCreateClient(lpcs, pContext)) return FALSE;
    if (m_bSubclassClientArea) m_wndClientArea.SubclassWindow(m_hWndMDIClient);
    return TRUE;
}

BOOL CZAVPMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnAcceleratorCommand(wParam)) return TRUE;
    // Commands are dropped while the user customises the toolbars.
    if (ZAVPSharedBarData::g_bCustomizeMode) return FALSE;
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

BOOL CZAVPMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (m_Impl.PreTranslateFrameMessage(pMsg)) {
    case CZAVPFrameImpl::kMessageUsed: return TRUE;
    case CZAVPFrameImpl::kNoAccelerators: return CWnd::PreTranslateMessage(pMsg);
    default: return CMDIFrameWnd::PreTranslateMessage(pMsg);
    }
}

void CZAVPMDIFrameWnd::OnContextHelp()
{
    const BOOL bNested = m_bContextHelp;
    m_bContextHelp = TRUE;
    // While the help cursor waits for its click, the toolbars show which button it is over.
    if (!m_bHelpMode && CanEnterHelpMode()) CZAVPToolBar::SetHelpMode(TRUE);
    CFrameWnd::OnContextHelp();
    if (!m_bHelpMode) CZAVPToolBar::SetHelpMode(FALSE);
    m_bContextHelp = bNested;
}

void CZAVPMDIFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // Nothing under the help cursor had a topic: the user gets the cursor back.
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    CMDIFrameWnd::WinHelp(dwData, nCmd);
}

// ---- layout

void CZAVPMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_bIsMinimized) return;
    if (!m_dockManager.IsPrintPreviewMode() && !m_dockManager.IsHiddenBarsMode()) {
        m_bInRecalcLayout = TRUE;
        m_dockManager.RecalcLayout(bNotify);
        AdjustClientArea();
        m_bInRecalcLayout = FALSE;
        return;
    }
    if (CWnd* pPreview = PrintPreviewOfFrame(GetActiveView())) {
        // The preview takes what the dock manager leaves.
        m_bInRecalcLayout = TRUE;
        m_dockManager.RecalcLayout(bNotify);
        CRect rect;
        m_dockManager.GetClientAreaBounds(rect);
        pPreview->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
        m_bInRecalcLayout = FALSE;
        return;
    }
    CMDIFrameWnd::RecalcLayout(bNotify);
    m_bInRecalcLayout = TRUE;
    AdjustClientArea();
    m_bInRecalcLayout = FALSE;
}

BOOL CZAVPMDIFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.m_bAdjustingBarLayout) return TRUE;
    m_dockManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
    if (m_dockManager.IsHiddenBarsMode()) RecalcLayout(TRUE);
    return TRUE;
}

void CZAVPMDIFrameWnd::AdjustClientArea()
{
    if (m_wndClientArea.GetSafeHwnd() == nullptr) return;
    CRect rect;
    m_dockManager.GetClientAreaBounds(rect);
    rect.DeflateRect(m_rectBorder.left, m_rectBorder.top, m_rectBorder.right, m_rectBorder.bottom);
    m_wndClientArea.CalcWindowRect(rect, CWnd::adjustBorder);
}

BOOL CZAVPMDIFrameWnd::OnMoveMiniFrame(CWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

BOOL CZAVPMDIFrameWnd::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = m_dockManager.ShowControlBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

void CZAVPMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_wndClientArea.m_bTabsEnabled) {
        // The document tabs make way for the preview.
        m_wndClientArea.m_bTabsShown = !bPreview;
        if (m_wndClientArea.m_wndTab.GetSafeHwnd() != nullptr)
            m_wndClientArea.m_wndTab.ShowWindow(bPreview ? SW_HIDE : SW_SHOWNOACTIVATE);
    }
    m_dockManager.OnSetPreviewMode(bPreview, pState);
    const DWORD dwStates = pState ? pState->dwStates : 0;
    CMDIFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (pState != nullptr) pState->dwStates = dwStates;
    AdjustDockingLayout();
    RecalcLayout();
}

BOOL CZAVPMDIFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd) {
    case borderGet: {
        CMDIFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
        CRect rect;
        m_dockManager.GetClientAreaBounds(rect);
        ::CopyRect(lpRectBorder, rect);
        return TRUE;
    }
    case borderSet: return CMDIFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
    default: return TRUE;
    }
}

COleClientItem* CZAVPMDIFrameWnd::GetActiveInPlaceItem()
{
    CFrameWnd* pActiveFrame = GetActiveFrame();
    CView* pView = pActiveFrame != nullptr ? pActiveFrame->GetActiveView() : nullptr;
    if (pView == nullptr) return nullptr;
    COleDocument* pDocument = dynamic_cast<COleDocument*>(pView->GetDocument());
    return pDocument != nullptr ? pDocument->GetInPlaceActiveItem(pView) : nullptr;
}

// ---- forwards

BOOL CZAVPMDIFrameWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPMDIFrameWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                        CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    return m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
}

void CZAVPMDIFrameWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
}

CZAVPBaseControlBar* CZAVPMDIFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL,
                                                           CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

void CZAVPMDIFrameWnd::RemoveControlBarFromDockManager(CZAVPBaseControlBar* pControlBar,
                                                       BOOL bDestroy, BOOL bAdjustLayout,
                                                       BOOL bAutoHide)
{
    m_dockManager.RemoveControlBarFromDockManager(pControlBar, bDestroy, bAdjustLayout, bAutoHide);
}

BOOL CZAVPMDIFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPMDIFrameWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                          BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPMDIFrameWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}

void CZAVPMDIFrameWnd::ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                      BOOL bActivate)
{
    pBar->ShowControlBar(bShow, bDelay, bActivate);
}

// ---- messages

void CZAVPMDIFrameWnd::OnClose()
{
    m_bClosing = TRUE;
    // An item edited in place is put away before the frame saves and closes.
    if (COleClientItem* pItem = GetActiveInPlaceItem()) pItem->Deactivate();
    m_Impl.OnCloseFrame();
    CMDIFrameWnd::OnClose();
}

void CZAVPMDIFrameWnd::OnDestroy()
{
    if (m_hAccelTable != nullptr) {
        ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = nullptr;
    }
    m_dockManager.m_bEnableAdjustLayout = FALSE;
    // The children are collected first: destroying one may re-parent or destroy others. The MDI
    // client goes with the frame, after its documents.
    std::vector<HWND> children;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (hChild != m_hWndMDIClient) children.push_back(hChild);
    for (HWND hChild : children)
        if (::IsWindow(hChild) && ::GetParent(hChild) == m_hWnd) ::DestroyWindow(hChild);
    CMDIFrameWnd::OnDestroy();
}

void CZAVPMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_CLICKACTIVE) UpdateWindow();
    if (nState == WA_INACTIVE && !ZAVPSharedBarData::g_bCustomizeMode) m_Impl.OnDeactivate();
}

void CZAVPMDIFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CMDIFrameWnd::OnActivateApp(bActive, dwThreadID);
    m_dockManager.OnActivateFrame(bActive);
}

LRESULT CZAVPMDIFrameWnd::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.OnMenuCharacter(nChar)) return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return Default();
}

void CZAVPMDIFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    CMDIFrameWnd::OnSizing(fwSide, pRect);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    // A drag that keeps the size (a move by the edge) leaves the bars where they are.
    if (rectWindow.Width() == pRect->right - pRect->left &&
        rectWindow.Height() == pRect->bottom - pRect->top)
        return;
    AdjustDockingLayout();
}

void CZAVPMDIFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    if (m_bClosing) {
        CMDIFrameWnd::OnSize(nType, cx, cy);
        return;
    }
    m_bIsMinimized = nType == SIZE_MINIMIZED;
    m_dockManager.OnActivateFrame(nType != SIZE_MINIMIZED);
    if (nType != SIZE_MINIMIZED && nType != SIZE_MAXIMIZED && !m_bWasMaximized) {
        m_dockManager.m_bSizeFrame = TRUE;
        AdjustDockingLayout();
        CMDIFrameWnd::OnSize(nType, cx, cy);
        m_dockManager.m_bSizeFrame = FALSE;
        BOOL bFullDrag = FALSE;
        ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
        if (!bFullDrag) RecalcLayout();
        return;
    }
    CMDIFrameWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MAXIMIZED || (nType == SIZE_RESTORED && m_bWasMaximized)) RecalcLayout();
    m_bWasMaximized = nType == SIZE_MAXIMIZED;
}

void CZAVPMDIFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CMDIFrameWnd::OnWindowPosChanged(lpwndpos);
    CZAVPMenuBar* pMenuBar = m_Impl.m_pMenuBar;
    if (pMenuBar == nullptr || pMenuBar->GetSafeHwnd() == nullptr) return;
    // The menu bar carries the window buttons of a maximised document.
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = MDIGetActive(&bMaximized);
    if (pActive != nullptr && bMaximized)
        pMenuBar->SetMaximizeMode(TRUE, pActive);
    else
        pMenuBar->SetMaximizeMode(FALSE);
}

void CZAVPMDIFrameWnd::OnExitSizeMove() { m_dockManager.OnExitSizeMove(); }

LRESULT CZAVPMDIFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    CMDIFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.OnIdleUpdateCmdUI();
    return 0;
}

void CZAVPMDIFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CZAVPBaseControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CZAVPMDIFrameWnd::OnBarCheck(UINT nID)
{
    CZAVPBaseControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    pBar->ShowControlBar((pBar->GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
    return TRUE;
}

LRESULT CZAVPMDIFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CZAVPMDIFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    // Only a toolbar of the frame's own list is taken: the message's word is not trusted.
    CZAVPToolBar* pBar = nullptr;
    for (POSITION pos = m_Impl.m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        CObject* pListed = m_Impl.m_listUserDefinedToolbars.GetNext(pos);
        if ((LPARAM)pListed == lParam) pBar = static_cast<CZAVPToolBar*>(pListed);
    }
    return m_Impl.DeleteToolbar(pBar);
}

void CZAVPMDIFrameWnd::OnWindowNew()
{
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = MDIGetActive(&bMaximized);
    // The new document frame is made at its normal size, then takes the maximised state over.
    if (pActive != nullptr && bMaximized) pActive->ShowWindow(SW_RESTORE);
    CMDIFrameWnd::OnWindowNew();
    if (!bMaximized) return;
    if (CMDIChildWnd* pNew = MDIGetActive()) pNew->ShowWindow(SW_MAXIMIZE);
}
