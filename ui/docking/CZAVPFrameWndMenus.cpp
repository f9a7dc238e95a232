// The frame's side of the library's menus: keys and clicks pre-translated for the menu bar and the
// open popup menu, menu characters, activation, and the hooks a popup menu asks the frame.
#include "ui/docking/CZAVPFrameWnd.h"

#include "framework/CMenu.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPDlgImpl.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const LRESULT kMenuCharExecute = MAKELRESULT(MNC_EXECUTE, 0xFFFF);
}  // namespace

BOOL CZAVPFrameWnd::OnCommandFromAccelerator(WPARAM wParam)
{
    return m_Impl.OnAcceleratorCommand(wParam);
}

BOOL CZAVPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (m_Impl.PreTranslateFrameMessage(pMsg)) {
    case CZAVPFrameImpl::kMessageUsed: return TRUE;
    case CZAVPFrameImpl::kNoAccelerators: return CWnd::PreTranslateMessage(pMsg);
    default: return CFrameWnd::PreTranslateMessage(pMsg);
    }
}

LRESULT CZAVPFrameWnd::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.OnMenuCharacter(nChar)) return kMenuCharExecute;
    return Default();
}

void CZAVPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_CLICKACTIVE) UpdateWindow();
    if (nState == WA_INACTIVE) m_Impl.OnDeactivate();
}

void CZAVPFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CZAVPMenuBar* pMenuBar = m_Impl.m_pMenuBar;
    // With a visible menu bar the window keeps no menu of its own.
    if (pMenuBar != nullptr && ::IsWindow(pMenuBar->GetSafeHwnd()) &&
        (pMenuBar->GetStyle() & WS_VISIBLE))
        ::SetMenu(m_hWnd, nullptr);
}

void CZAVPFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    OnUpdateFrameMenu(hMenuAlt);
    CFrameWnd::DelayUpdateFrameMenu(hMenuAlt);
}

BOOL CZAVPFrameWnd::ShowPopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    if (!m_Impl.OnShowPopupMenu(pMenuPopup)) return FALSE;
    if (pMenuPopup != nullptr && pMenuPopup->m_bPassThrough) return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

BOOL CZAVPFrameWnd::OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT /*uiToolbarID*/)
{
    m_Impl.BuildCustomizeMenu(pMenuPopup);
    return TRUE;
}

CZAVPPopupMenu* CZAVPFrameWnd::OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPPopupMenu* pPrevious = CZAVPPopupMenu::m_pActivePopupMenu;
    if (pPrevious == pMenuPopup) CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
    return pPrevious;
}
