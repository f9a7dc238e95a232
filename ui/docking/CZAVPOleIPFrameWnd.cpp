// The library's in-place frame of an OLE server (see CZAVPOleIPFrameWnd.h).
#include "ui/docking/CZAVPOleIPFrameWnd.h"

#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/ZAVPInPlaceFrameParts.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPOleIPFrameWnd, COleIPFrameWnd)

BEGIN_MESSAGE_MAP(CZAVPOleIPFrameWnd, COleIPFrameWnd)
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPOleIPFrameWnd::OnIdleUpdateCmdUI)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Create, &CZAVPOleIPFrameWnd::OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::Delete, &CZAVPOleIPFrameWnd::OnToolbarDelete)
ON_COMMAND(ID_CONTEXT_HELP, &CZAVPOleIPFrameWnd::OnContextHelp)
ON_UPDATE_COMMAND_UI(AFX_IDW_STATUS_BAR, &CZAVPOleIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_STATUS_BAR, &CZAVPOleIPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_TOOLBAR, &CZAVPOleIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_TOOLBAR, &CZAVPOleIPFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(AFX_IDW_REBAR, &CZAVPOleIPFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(AFX_IDW_REBAR, &CZAVPOleIPFrameWnd::OnBarCheck)
END_MESSAGE_MAP()

CZAVPOleIPFrameWnd::CZAVPOleIPFrameWnd()
    : m_Impl(this), m_bContextHelp(FALSE), m_hwndLastTopLevelFrame(nullptr)
{
    // Bound at once: bars may be added before the window exists.
    m_dockManager.SetFrame(this);
}

CZAVPOleIPFrameWnd::~CZAVPOleIPFrameWnd() {}

BOOL CZAVPOleIPFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_Impl.m_pDockManager = &m_dockManager;
    return COleIPFrameWnd::PreCreateWindow(cs);
}

BOOL CZAVPOleIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                   CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    // No saved state here: the bars belong to the container's session.
    return COleIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CZAVPOleIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnAcceleratorCommand(wParam)) return TRUE;
    if (ZAVPSharedBarData::g_bCustomizeMode) return FALSE;
    return COleIPFrameWnd::OnCommand(wParam, lParam);
}

BOOL CZAVPOleIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (m_Impl.PreTranslateFrameMessage(pMsg)) {
    case CZAVPFrameImpl::kMessageUsed: return TRUE;
    case CZAVPFrameImpl::kNoAccelerators: return CWnd::PreTranslateMessage(pMsg);
    default: return COleIPFrameWnd::PreTranslateMessage(pMsg);
    }
}

void CZAVPOleIPFrameWnd::OnContextHelp()
{
    const BOOL bNested = m_bContextHelp;
    m_bContextHelp = TRUE;
    if (!m_bHelpMode && CanEnterHelpMode()) CZAVPToolBar::SetHelpMode(TRUE);
    CFrameWnd::OnContextHelp();
    if (!m_bHelpMode) CZAVPToolBar::SetHelpMode(FALSE);
    m_bContextHelp = bNested;
}

void CZAVPOleIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    COleIPFrameWnd::WinHelp(dwData, nCmd);
}

// ---- layout

void CZAVPOleIPFrameWnd::RecalcLayout(BOOL bNotify)
{
    COleIPFrameWnd::RecalcLayout(bNotify);
    if (m_bInRecalcLayout) return;
    m_bInRecalcLayout = TRUE;
    m_dockManager.AdjustDockingLayout();
    m_dockManager.RecalcLayout(bNotify);
    ZAVPInPlaceFrameParts::PlacePreview(this, m_dockManager);
    m_bInRecalcLayout = FALSE;
}

BOOL CZAVPOleIPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    m_dockManager.AdjustDockingLayout(hdwp);
    return TRUE;
}

BOOL CZAVPOleIPFrameWnd::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = m_dockManager.ShowControlBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

BOOL CZAVPOleIPFrameWnd::OnMoveMiniFrame(CWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

void CZAVPOleIPFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    m_dockManager.OnSetPreviewMode(bPreview, pState);
    const DWORD dwStates = pState ? pState->dwStates : 0;
    COleIPFrameWnd::OnSetPreviewMode(bPreview, pState);
    if (pState != nullptr) pState->dwStates = dwStates;
    RecalcLayout();
}

BOOL CZAVPOleIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return ZAVPInPlaceFrameParts::CreateControlBars(this);
}

// ---- menus

BOOL CZAVPOleIPFrameWnd::ShowPopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    if (!m_Impl.OnShowPopupMenu(pMenuPopup)) return FALSE;
    if (pMenuPopup != nullptr && pMenuPopup->m_bPassThrough) return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

BOOL CZAVPOleIPFrameWnd::OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT)
{
    m_Impl.BuildCustomizeMenu(pMenuPopup);
    return TRUE;
}

CZAVPPopupMenu* CZAVPOleIPFrameWnd::OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPPopupMenu* pPrevious = CZAVPPopupMenu::m_pActivePopupMenu;
    if (pPrevious == pMenuPopup) CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
    return pPrevious;
}

LRESULT CZAVPOleIPFrameWnd::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.OnMenuCharacter(nChar)) return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return Default();
}

// ---- forwards

BOOL CZAVPOleIPFrameWnd::AddControlBar(CZAVPBaseControlBar* pControlBar, BOOL bTail)
{
    return m_dockManager.AddControlBar(pControlBar, bTail, FALSE, FALSE);
}

BOOL CZAVPOleIPFrameWnd::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                          CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    return m_dockManager.InsertControlBar(pControlBar, pTarget, bAfter);
}

void CZAVPOleIPFrameWnd::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
}

CZAVPBaseControlBar* CZAVPOleIPFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL,
                                                             CRuntimeClass*) const
{
    return m_dockManager.ControlBarFromPoint(point, nSensitivity, FALSE, nullptr);
}

BOOL CZAVPOleIPFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    return m_dockManager.EnableDocking(dwDockStyle);
}

BOOL CZAVPOleIPFrameWnd::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                            BOOL& bOuterEdge) const
{
    return m_dockManager.IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPOleIPFrameWnd::GetControlBar(UINT nID)
{
    return m_dockManager.FindBarByID(nID, TRUE);
}

// ---- messages

void CZAVPOleIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    ZAVPInPlaceFrameParts::OnActivate(this, m_Impl, m_hwndLastTopLevelFrame, nState, FALSE);
}

void CZAVPOleIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleIPFrameWnd::OnClose();
}

void CZAVPOleIPFrameWnd::OnDestroy()
{
    ZAVPInPlaceFrameParts::OnDestroy(this, m_Impl, m_dockManager, m_hwndLastTopLevelFrame);
    COleIPFrameWnd::OnDestroy();
}

LRESULT CZAVPOleIPFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    COleIPFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.OnIdleUpdateCmdUI();
    if (CZAVPOleCntrFrameWnd* pContainer = dynamic_cast<CZAVPOleCntrFrameWnd*>(m_pMainFrame))
        pContainer->OnIdleUpdateCmdUI(wParam, lParam);
    return 0;
}

void CZAVPOleIPFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CZAVPBaseControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CZAVPOleIPFrameWnd::OnBarCheck(UINT nID)
{
    CZAVPBaseControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    pBar->ShowControlBar((pBar->GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
    return TRUE;
}

LRESULT CZAVPOleIPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CZAVPOleIPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    CZAVPToolBar* pBar = nullptr;
    for (POSITION pos = m_Impl.m_listUserDefinedToolbars.GetHeadPosition(); pos != nullptr;) {
        CObject* pListed = m_Impl.m_listUserDefinedToolbars.GetNext(pos);
        if ((LPARAM)pListed == lParam) pBar = static_cast<CZAVPToolBar*>(pListed);
    }
    return m_Impl.DeleteToolbar(pBar);
}
