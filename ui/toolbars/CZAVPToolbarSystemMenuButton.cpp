// The system-menu button of a maximised MDI child on the menu bar (see the header).
#include "ui/toolbars/CZAVPToolbarSystemMenuButton.h"

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CWnd.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPMenuModel.h"

IMPLEMENT_DYNCREATE(CZAVPToolbarSystemMenuButton, CZAVPToolbarMenuButton)

namespace
{
// The active child of the frame's MDI client, null without one.
HWND ActiveMdiChild(HWND hwndFrame)
{
    for (HWND hwnd = ::GetWindow(hwndFrame, GW_CHILD); hwnd != nullptr;
         hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
    {
        char szClass[16] = {};
        ::GetClassNameA(hwnd, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, "MDIClient") == 0)
            return (HWND)::SendMessageA(hwnd, WM_MDIGETACTIVE, 0, 0);
    }
    return nullptr;
}
}  // namespace

CZAVPToolbarSystemMenuButton::CZAVPToolbarSystemMenuButton()
    : m_hSysIcon(nullptr), m_hSysMenu(nullptr)
{
}

CZAVPToolbarSystemMenuButton::CZAVPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIcon)
    : CZAVPToolbarMenuButton(0, hSystemMenu, -1), m_hSysIcon(hIcon), m_hSysMenu(hSystemMenu)
{
}

void CZAVPToolbarSystemMenuButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarMenuButton::CopyFrom(s);
    if (const auto* pSrc = dynamic_cast<const CZAVPToolbarSystemMenuButton*>(&s)) {
        m_hSysIcon = pSrc->m_hSysIcon;
        m_hSysMenu = pSrc->m_hSysMenu;
    }
}

void CZAVPToolbarSystemMenuButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL, BOOL,
                                          BOOL, BOOL, BOOL)
{
    if (m_hSysIcon == nullptr) return;
    const int cx = ::GetSystemMetrics(SM_CXMENUSIZE);
    const int cy = ::GetSystemMetrics(SM_CYMENUSIZE);
    ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - cy) / 2, m_hSysIcon, cx,
                 cy, 0, nullptr, DI_NORMAL);
}

SIZE CZAVPToolbarSystemMenuButton::OnCalculateSize(CDC*, const CSize& sizeDefault, BOOL)
{
    // A bar lower than the icon still shows it whole.
    const int cy = ::GetSystemMetrics(SM_CYMENUSIZE);
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), sizeDefault.cy > cy ? sizeDefault.cy : cy);
}

void CZAVPToolbarSystemMenuButton::OnDblClk(CWnd* pWnd)
{
    if (CZAVPToolBar::IsCustomizeMode() || pWnd == nullptr) return;
    OnCancelMode();
    CFrameWnd* pFrame = pWnd->GetTopLevelFrame();
    if (pFrame == nullptr) return;
    HWND hwndChild = ActiveMdiChild(pFrame->GetSafeHwnd());
    if (hwndChild == nullptr) return;
    if (!ZAVPMenuModel::CanClose(::GetSystemMenu(hwndChild, FALSE))) return;
    ::SendMessageA(hwndChild, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CZAVPToolbarSystemMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != nullptr && m_pPopupMenu->GetSafeHwnd() != nullptr)
        m_pPopupMenu->CloseMenu();
    m_pPopupMenu = nullptr;
    m_bToBeClosed = FALSE;
}

void CZAVPToolbarSystemMenuButton::CreateFromMenu(HMENU hMenu) { m_hSysMenu = hMenu; }

HMENU CZAVPToolbarSystemMenuButton::CreateMenu() const
{
    if (m_hSysMenu == nullptr || !::IsMenu(m_hSysMenu)) return nullptr;
    // The items are taken from the system menu as it stands now.
    ZAVPMenuModel::ImportResult result;
    if (!ZAVPMenuModel::Import(m_hSysMenu, ZAVPMenuModel::ImportOptions(), result)) return nullptr;
    HMENU hMenu = ZAVPMenuModel::Export(result.items);
    if (hMenu != nullptr) ZAVPMenuModel::CopyItemStates(m_hSysMenu, hMenu);
    return hMenu;
}
