// The library MDI frame's menus: the menu bar in place of the window's menu, the Window menu with
// the list of documents, and the hooks a popup menu asks the frame.
#include "ui/docking/CZAVPMDIFrameWnd.h"

#include <vector>

#include "framework/COleDocument.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
// An item of the Window popup that stands for a document frame (the MDI client's own items).
struct WindowMenuItem
{
    UINT nID;
    CString strText;
    BOOL bChecked;
};

BOOL HoldsWindowCommand(HMENU hMenu)
{
    if (hMenu == nullptr || !::IsMenu(hMenu)) return FALSE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST) return TRUE;
    }
    return FALSE;
}

std::vector<WindowMenuItem> DocumentItemsOf(HMENU hWindowMenu)
{
    std::vector<WindowMenuItem> items;
    const int nCount = ::GetMenuItemCount(hWindowMenu);
    for (int i = 0; i < nCount; i++) {
        const UINT nID = ::GetMenuItemID(hWindowMenu, i);
        if (nID < CZAVPMDIFrameWnd::kFirstChildItem || nID == (UINT)-1) continue;
        char szText[256] = {0};
        ::GetMenuStringA(hWindowMenu, i, szText, sizeof szText, MF_BYPOSITION);
        const BOOL bChecked = (::GetMenuState(hWindowMenu, i, MF_BYPOSITION) & MF_CHECKED) != 0;
        items.push_back({nID, szText, bChecked});
    }
    return items;
}
}  // namespace

HMENU CZAVPMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    m_hmenuWindow = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    return m_hmenuWindow;
}

BOOL CZAVPMDIFrameWnd::OnSetMenu(HMENU hmenu)
{
    // An item edited in place shows its server's menu in the window itself.
    COleClientItem* pItem = GetActiveInPlaceItem();
    if (pItem != nullptr && pItem->GetInPlaceWindow() != nullptr) return FALSE;
    CZAVPMenuBar* pMenuBar = m_Impl.m_pMenuBar;
    if (pMenuBar == nullptr) return FALSE;
    ::SetMenu(m_hWnd, nullptr);
    pMenuBar->CreateFromMenu(hmenu != nullptr ? hmenu : m_hMenuDefault, hmenu == nullptr);
    return TRUE;
}

void CZAVPMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CZAVPMenuBar* pMenuBar = m_Impl.m_pMenuBar;
    if (pMenuBar == nullptr || !::IsWindow(pMenuBar->GetSafeHwnd()) ||
        !(pMenuBar->GetStyle() & WS_VISIBLE))
        return;
    // With a visible menu bar the window keeps no menu, unless a server's in-place menu is up.
    COleClientItem* pItem = GetActiveInPlaceItem();
    if (pItem != nullptr && pItem->GetInPlaceWindow() != nullptr)
        ::SetMenu(m_hWnd, hMenuAlt);
    else
        ::SetMenu(m_hWnd, nullptr);
}

BOOL CZAVPMDIFrameWnd::ShowPopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    if (!m_Impl.OnShowPopupMenu(pMenuPopup)) return FALSE;
    if (pMenuPopup != nullptr && !ZAVPSharedBarData::g_bCustomizeMode && m_hmenuWindow != nullptr &&
        ::IsMenu(m_hmenuWindow) && HoldsWindowCommand(pMenuPopup->m_hMenu))
    {
        // The Window menu: the documents after a separator, as the MDI client lists them.
        // The client lists its current documents first.
        if (m_hWndMDIClient != nullptr) ::SendMessageA(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        BOOL bSeparator = FALSE;
        BOOL bTenthPresent = FALSE;
        for (const WindowMenuItem& item : DocumentItemsOf(m_hmenuWindow)) {
            if (m_uiWindowsDlgMenuId != 0 && item.nID == kTenthChildItem) {
                bTenthPresent = TRUE;
                continue;
            }
            if (!bSeparator) {
                pMenuPopup->InsertSeparator();
                bSeparator = TRUE;
            }
            CZAVPToolbarMenuButton button(item.nID, nullptr, -1, item.strText);
            if (item.bChecked) button.m_nStyle |= TBBS_CHECKED;
            pMenuPopup->InsertItem(button);
        }
        if (m_uiWindowsDlgMenuId != 0 && (bTenthPresent || m_bShowWindowsDlgAlways)) {
            CZAVPToolBar::AddAlwaysVisibleCommand(m_uiWindowsDlgMenuId);
            pMenuPopup->InsertItem(
                CZAVPToolbarMenuButton(m_uiWindowsDlgMenuId, nullptr, -1, m_strWindowsDlgMenuText));
        }
    }
    if (pMenuPopup != nullptr && pMenuPopup->m_bPassThrough) return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

BOOL CZAVPMDIFrameWnd::OnShowCustomizeMenu(CZAVPPopupMenu* pMenuPopup, UINT /*uiToolbarID*/)
{
    m_Impl.BuildCustomizeMenu(pMenuPopup);
    return TRUE;
}

CZAVPPopupMenu* CZAVPMDIFrameWnd::OnClosePopupMenu(CZAVPPopupMenu* pMenuPopup)
{
    CZAVPPopupMenu* pPrevious = CZAVPPopupMenu::m_pActivePopupMenu;
    if (pPrevious == pMenuPopup) CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
    return pPrevious;
}
