// The popup-menu handling of the library's dialogs and property pages (see the header).
#include "ui/toolbars/CZAVPDlgImpl.h"

#include "framework/CDockBar.h"
#include "framework/CWnd.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPPopupPlacement.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

HHOOK CZAVPDlgImpl::m_hookMouse = nullptr;
CZAVPDlgImpl* CZAVPDlgImpl::m_pMenuDlgImpl = nullptr;

namespace
{
CZAVPPopupMenu* ActiveMenu()
{
    CZAVPPopupMenu* pMenu = CZAVPPopupMenu::GetActiveMenu();
    return pMenu != nullptr && pMenu->GetSafeHwnd() != nullptr ? pMenu : nullptr;
}

bool IsShadowHit(int nHit)
{
    return nHit == ZAVPPopupPlacement::HitRightShadow ||
           nHit == ZAVPPopupPlacement::HitBottomShadow;
}
}  // namespace

CZAVPDlgImpl::~CZAVPDlgImpl()
{
    if (m_pMenuDlgImpl == this) SetActiveMenu(nullptr);
}

void CZAVPDlgImpl::SetActiveMenu(CZAVPPopupMenu* pMenu)
{
    CZAVPPopupMenu::m_pActivePopupMenu = pMenu;
    if (pMenu == nullptr) {
        if (m_hookMouse != nullptr) {
            ::UnhookWindowsHookEx(m_hookMouse);
            m_hookMouse = nullptr;
        }
        m_pMenuDlgImpl = nullptr;
        return;
    }
    if (m_hookMouse == nullptr)
        m_hookMouse = ::SetWindowsHookExA(WH_MOUSE, MouseHookProc, nullptr, ::GetCurrentThreadId());
    m_pMenuDlgImpl = this;
}

LRESULT CALLBACK CZAVPDlgImpl::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0 && m_pMenuDlgImpl != nullptr) {
        switch (wParam) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN: {
            POINT pt;
            ::GetCursorPos(&pt);
            CRect rectDlg;
            m_pMenuDlgImpl->m_Dlg.GetWindowRect(rectDlg);
            if (!rectDlg.PtInRect(pt)) m_pMenuDlgImpl->ProcessMouseClick(pt);
            break;
        }
        default: break;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

BOOL CZAVPDlgImpl::ProcessMouseClick(POINT pt)
{
    CZAVPPopupMenu* pMenu = ActiveMenu();
    if (CZAVPToolBar::IsCustomizeMode() || pMenu == nullptr) return FALSE;

    const int nHit = pMenu->HitTest(CPoint(pt));
    if (IsShadowHit(nHit)) {
        pMenu->SendMessage(WM_CLOSE);
        m_Dlg.SetActiveWindow();
        return TRUE;
    }
    if (nHit != ZAVPPopupPlacement::HitOutside) return FALSE;

    CZAVPToolbarMenuButton* pButton = pMenu->m_pParentBtn;
    CZAVPToolBar* pBar = pMenu->GetParentToolBar();
    if (pButton != nullptr && pBar != nullptr && pBar->GetSafeHwnd() != nullptr) {
        CPoint ptBar = pt;
        pBar->ScreenToClient(&ptBar);
        const BOOL bPopupBar = pBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar));
        if (CRect(pButton->m_rect).PtInRect(ptBar)) {
            // A click on the menu's own button closes the menu by itself.
            if (bPopupBar || pMenu->IsInCommand()) return TRUE;
            pMenu->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (bPopupBar) {
            CZAVPPopupMenu* pParentMenu = static_cast<CZAVPPopupMenuBar*>(pBar)->GetPopupMenu();
            if (pParentMenu != nullptr) {
                const int nParentHit = pParentMenu->HitTest(CPoint(pt));
                if (IsShadowHit(nParentHit)) {
                    pParentMenu->SendMessage(WM_CLOSE);
                    m_Dlg.SetActiveWindow();
                    return TRUE;
                }
                if (nParentHit != ZAVPPopupPlacement::HitOutside) return FALSE;
            }
        }
    }
    if (pMenu->IsInCommand()) return FALSE;
    pMenu->SendMessage(WM_CLOSE);
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CZAVPToolBar))) m_Dlg.SetActiveWindow();
    return FALSE;
}

BOOL CZAVPDlgImpl::IsClickOutsideActivePopupMenu(POINT pt)
{
    CZAVPPopupMenu* pMenu = ActiveMenu();
    if (CZAVPToolBar::IsCustomizeMode() || pMenu == nullptr) return FALSE;
    CRect rect;
    pMenu->GetWindowRect(rect);
    if (rect.PtInRect(pt)) return FALSE;
    CZAVPPopupMenuBar* pBar = pMenu->GetMenuBar();
    CPoint ptBar = pt;
    pBar->ScreenToClient(&ptBar);
    return pBar->HitTest(ptBar) < 0;
}

BOOL CZAVPDlgImpl::PreTranslateMessage(MSG* pMsg)
{
    CZAVPPopupMenu* pMenu = ActiveMenu();
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (pMenu == nullptr) return FALSE;
        pMenu->SendMessage(WM_KEYDOWN, pMsg->wParam, 0);
        return TRUE;
    case WM_SYSKEYDOWN:
        if (pMsg->wParam != VK_MENU || pMenu == nullptr) return FALSE;
        pMenu->SendMessage(WM_CLOSE);
        return TRUE;
    case WM_SYSKEYUP: return pMenu != nullptr;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP: {
        const POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
        return ProcessMouseClick(pt);
    }
    case WM_MOUSEMOVE: {
        POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
        ::ClientToScreen(pMsg->hwnd, &pt);
        return IsClickOutsideActivePopupMenu(pt);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
        ::ClientToScreen(pMsg->hwnd, &pt);
        if (pMsg->message == WM_RBUTTONUP && !CZAVPToolBar::IsCustomizeMode()) {
            CWnd* pWnd = CWnd::FromHandlePermanent(pMsg->hwnd);
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar))) {
                m_Dlg.SendMessage(ZAVPToolBarMessages::PopupMenu, (WPARAM)m_Dlg.GetSafeHwnd(),
                                  MAKELPARAM(pt.x, pt.y));
                return FALSE;
            }
        }
        return ProcessMouseClick(pt) || !::IsWindow(pMsg->hwnd);
    }
    default: return FALSE;
    }
}

BOOL CZAVPDlgImpl::OnCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    const UINT kAcceleratorNotify = 1;
    if (HIWORD(wParam) != kAcceleratorNotify) return FALSE;
    const UINT uiCmd = LOWORD(wParam);
    CZAVPToolBar::AddCommandUsage(uiCmd);
    if (CZAVPPopupMenu* pMenu = ActiveMenu()) {
        pMenu->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        return TRUE;
    }
    return g_pUserToolsManager != nullptr && g_pUserToolsManager->InvokeTool(uiCmd);
}

void CZAVPDlgImpl::OnActivate(UINT nState, CWnd* pWndOther)
{
    m_Dlg.m_nFlags &= ~WF_STAYACTIVE;
    const HWND hwndDlg = m_Dlg.GetSafeHwnd();
    const HWND hwndTest = nState != WA_INACTIVE ? hwndDlg : AfxGetSafeHwnd(pWndOther);
    if (hwndTest == nullptr) {
        m_Dlg.SendMessage(WM_NCACTIVATE, TRUE);
        return;
    }
    if (hwndTest == hwndDlg || ::SendMessageA(hwndTest, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0)
        m_Dlg.m_nFlags |= WF_STAYACTIVE;
}

BOOL CZAVPDlgImpl::OnNcActivate(BOOL bActive)
{
    if (m_Dlg.m_nFlags & WF_STAYACTIVE) bActive = TRUE;
    if (!m_Dlg.IsWindowEnabled()) bActive = FALSE;
    return bActive;
}
