// The library's in-place frame of a document-frame OLE server (see CZAVPOleDocIPFrameWnd.h).
#include "ui/docking/CZAVPOleDocIPFrameWnd.h"

#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/ZAVPInPlaceFrameParts.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPOleDocIPFrameWnd, COleDocIPFrameWnd)

BEGIN_MESSAGE_MAP(CZAVPOleDocIPFrameWnd, COleDocIPFrameWnd)
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPOleDocIPFrameWnd::OnIdleUpdateCmdUI)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Create, &CZAVPOleDocIPFrameWnd::OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Delete, &CZAVPOleDocIPFrameWnd::OnToolbarDelete)
ON_COMMAND(ID_CONTEXT_HELP, &CZAVPOleDocIPFrameWnd::OnContextHelp)
ON_UPDATE_COMMAND_UI(AFX_IDW_STATUS_BAR, &CZAVPOleDocIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_STATUS_BAR, &CZAVPOleDocIPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, &CZAVPOleDocIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_TOOLBAR, &CZAVPOleDocIPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_REBAR, &CZAVPOleDocIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_REBAR, &CZAVPOleDocIPFrameWnd::OnBarCheck)
END_MESSAGE_MAP()

CZAVPOleDocIPFrameWnd::CZAVPOleDocIPFrameWnd()
    : m_Impl(this), m_bContextHelp(FALSE), m_hwndLastTopLevelFrame(nullptr)
{
}

CZAVPOleDocIPFrameWnd::~CZAVPOleDocIPFrameWnd() {}

BOOL CZAVPOleDocIPFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_dockManager.SetFrame(this);
    m_Impl.m_pDockManager = &m_dockManager;
    return COleDocIPFrameWnd::PreCreateWindow(cs);
}

BOOL CZAVPOleDocIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                      CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    // No saved state here: the bars belong to the container's session.
    return COleDocIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CZAVPOleDocIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnAcceleratorCommand(wParam)) return TRUE;
    if (ZAVPSharedBarData::g_bCustomizeMode) return FALSE;
    return COleDocIPFrameWnd::OnCommand(wParam, lParam);
}

BOOL CZAVPOleDocIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (m_Impl.PreTranslateFrameMessage(pMsg)) {
    case CZAVPFrameImpl::kMessageUsed: return TRUE;
    case CZAVPFrameImpl::kNoAccelerators: return CWnd::PreTranslateMessage(pMsg);
    default: return COleDocIPFrameWnd::PreTranslateMessage(pMsg);
    }
}

void CZAVPOleDocIPFrameWnd::OnContextHelp()
{
    const BOOL bNested = m_bContextHelp;
    m_bContextHelp = TRUE;
    if (!m_bHelpMode && CanEnterHelpMode()) CZAVPToolBar::SetHelpMode(TRUE);
    CFrameWnd::OnContextHelp();
    if (!m_bHelpMode) CZAVPToolBar::SetHelpMode(FALSE);
    m_bContextHelp = bNested;
}

void CZAVPOleDocIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    COleDocIPFrameWnd::WinHelp(dwData, nCmd);
}

// ---- layout

void CZAVPOleDocIPFrameWnd::RecalcLayout(BOOL bNotify)
{
    COleDocIPFrameWnd::RecalcLayout(bNotify);
    if (m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    m_dockManager.RecalcLayout(bNotify);
    ZAVPInPlaceFrameParts::PlacePreview(this, m_dockManager);
    m_bInRecalcLayout = FALSE;
}

BOOL CZAVPOleDocIPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    m_dockManager.AdjustDockingLayout(hdwp);
    return TRUE;
}

BOOL CZAVPOleDocIPFrameWnd::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = m_dockManager.ShowControlBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

BOOL CZAVPOleDocIPFrameWnd::OnMoveMiniFrame(CWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

void CZAVPOleDocIPFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    m_dockManager.OnSetPreviewMode(bPreview, pState);
    const DWORD dwStates = pState ? pState->dwStates : 0;
    COleDocIPFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (pState != nullptr) pState->dwStates = dwStates;
    RecalcLayout();
}

BOOL CZAVPOleDocIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return ZAVPInPlaceFrameParts::CreateControlBars(this);
}

// ---- menus

BOOL CZAVPOleDocIPFrameWnd::ShowPopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    if (!m_Impl.OnShowPopupMenu(pMenuPopup)) return FALSE;
    if (pMenuPopup != nullptr && pMenuPopup->m_bPassThrough) return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

BOOL CZAVPOleDocIPFrameWnd::OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT)
{
    m_Impl.BuildCustomizeMenu(pMenuPopup);
    return TRUE;
}

CZAVPPopupMenu* CZAVPOleDocIPFrameWnd::OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPPopupMenu* pPrevious = CZAVPPopupMenu::m_pActivePopupMenu;
    if (pPrevious == pMenuPopup) CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
    return pPrevious;
}

LRESULT CZAVPOleDocIPFrameWnd::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.OnMenuCharacter(nChar)) return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return Default();
}

// ---- forwards

BOOL CZAVPOleDocIPFrameWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPOleDocIPFrameWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                             CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    return m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
}

void CZAVPOleDocIPFrameWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID,
                                           LPCRECT lpRect)
{
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
}

CZAVPBaseControlBar* CZAVPOleDocIPFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                                BOOL, CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

BOOL CZAVPOleDocIPFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPOleDocIPFrameWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                               BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPOleDocIPFrameWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}

// ---- messages

void CZAVPOleDocIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleDocIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    ZAVPInPlaceFrameParts::OnActivate(this, m_Impl, m_hwndLastTopLevelFrame, nState, TRUE);
}

void CZAVPOleDocIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleDocIPFrameWnd::OnClose();
}

void CZAVPOleDocIPFrameWnd::OnDestroy()
{
    ZAVPInPlaceFrameParts::OnDestroy(this, m_Impl, m_dockManager, m_hwndLastTopLevelFrame);
    COleDocIPFrameWnd::OnDestroy();
}

LRESULT CZAVPOleDocIPFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    COleDocIPFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.OnIdleUpdateCmdUI();
    if (CZAVPOleCntrFrameWnd* pContainer = dynamic_cast<CZAVPOleCntrFrameWnd*>(m_pMainFrame))
        pContainer->OnIdleUpdateCmdUI(wParam, lParam);
    return 0;
}

void CZAVPOleDocIPFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CZAVPBaseControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CZAVPOleDocIPFrameWnd::OnBarCheck(UINT nID)
{
    CZAVPBaseControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    pBar->ShowControlBar((pBar->GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
    return TRUE;
}

LRESULT CZAVPOleDocIPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CZAVPOleDocIPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    CZAVPToolBar* pBar = nullptr;
    for (POSITION pos = m_Impl.m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        CObject* pListed = m_Impl.m_listUserDefinedToolbars.GetNext(pos);
        if ((LPARAM)pListed == lParam) pBar = static_cast<CZAVPToolBar*>(pListed);
    }
    return m_Impl.DeleteToolbar(pBar);
}
