// The tasks pane's pages drop-down.
#include "ui/panes/CTasksPaneMenuButton.h"

#include "ui/panes/CZAVPTasksPane.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

IMPLEMENT_SERIAL(CTasksPaneMenuButton, CZAVPToolbarMenuButton, 1)

CTasksPaneMenuButton::CTasksPaneMenuButton(HMENU hMenu)
    : CZAVPToolbarMenuButton((UINT)-1, hMenu, -1, nullptr, FALSE), m_pPane(nullptr)
{
}

void CTasksPaneMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pPane = pWndParent != nullptr && pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPTasksPane))
                  ? static_cast<CZAVPTasksPane*>(pWndParent)
                  : nullptr;
}

HMENU CTasksPaneMenuButton::CreateMenu() const
{
    return m_pPane != nullptr ? m_pPane->CreateMenu() : nullptr;
}

CZAVPPopupMenu* CTasksPaneMenuButton::CreatePopupMenu()
{
    CZAVPPopupMenu* pMenu = CZAVPToolbarMenuButton::CreatePopupMenu();
    if (pMenu != nullptr) pMenu->m_bRightAlign = TRUE;
    return pMenu;
}
