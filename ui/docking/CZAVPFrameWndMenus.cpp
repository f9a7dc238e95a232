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
const WORD kFromAccelerator = 1;  // high word of WM_COMMAND's wParam
const LRESULT kMenuCharExecute = MAKELRESULT(MNC_EXECUTE, 0xFFFF);

BOOL IsPopupOpen(CZAVPPopupMenu* pPopup)
{
    return pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd());
}

bool IsClickMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP: return true;
    default: return false;
    }
}

bool IsNonClient(UINT message)
{
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
}

// The screen point of a mouse message.
POINT ScreenPointOf(const MSG* pMsg)
{
    POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
    if (!IsNonClient(pMsg->message)) ::ClientToScreen(pMsg->hwnd, &pt);
    return pt;
}
}  // namespace

BOOL CZAVPFrameWnd::OnCommandFromAccelerator(WPARAM wParam)
{
    if (HIWORD(wParam) != kFromAccelerator) return FALSE;
    CZAVPToolBar::AddCommandUsage(LOWORD(wParam));
    // An accelerator while a popup is open only closes it; while minimised it is swallowed.
    if (m_Impl.ProcessKeyboard(VK_ESCAPE)) return TRUE;
    return g_pUserToolsManager != nullptr && g_pUserToolsManager->InvokeTool(LOWORD(wParam));
}

BOOL CZAVPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bProcessAccel = TRUE;
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (!CZAVPFrameImpl::IsPlainF1(pMsg) &&
            m_Impl.ProcessKeyboard((int)pMsg->wParam, &bProcessAccel))
            return TRUE;
        if (!bProcessAccel) return CWnd::PreTranslateMessage(pMsg);  // no accelerators now
        break;
    case WM_SYSKEYDOWN:
    case WM_CONTEXTMENU:
        if (IsPopupOpen(CZAVPPopupMenu::GetActiveMenu()) && pMsg->wParam == VK_MENU) {
            CZAVPPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (m_Impl.ProcessKeyboard((int)pMsg->wParam)) return TRUE;
        break;
    case WM_SYSKEYUP: {
        if (IsPopupOpen(CZAVPPopupMenu::GetActiveMenu())) return TRUE;
        CZAVPMenuBar* pMenuBar = m_Impl.m_pMenuBar;
        if (pMsg->wParam == VK_MENU && pMenuBar != nullptr && ::IsWindow(pMenuBar->GetSafeHwnd())) {
            // Alt alone moves the focus to the menu bar, and back.
            if (::GetFocus() == pMenuBar->GetSafeHwnd()) {
                pMenuBar->ClearHighlight();
                if (::GetFocus() == pMenuBar->GetSafeHwnd()) SetFocus();
            } else {
                pMenuBar->SetFocus();
            }
            return TRUE;
        }
        break;
    }
    case WM_MOUSEMOVE: {
        CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
        if (IsPopupOpen(pPopup) && CZAVPDlgImpl::IsClickOutsideActivePopupMenu(ScreenPointOf(pMsg)))
            return TRUE;
        break;
    }
    default:
        if (!IsClickMessage(pMsg->message)) break;
        // (The library's dock bars ask for the toolbar menu themselves on a right click.)
        if (m_Impl.ProcessMouseClick(pMsg->message, ScreenPointOf(pMsg), pMsg->hwnd)) return TRUE;
        break;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CZAVPFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    // The character of a key pressed with Alt: the key that makes it goes to the bars.
    const SHORT nVirtKey = ::VkKeyScanA((CHAR)nChar);
    const UINT uiKey = nVirtKey != -1 ? (UINT)LOBYTE(nVirtKey) : nChar;
    if (m_Impl.OnMenuChar(uiKey)) return kMenuCharExecute;
    (void)nFlags;
    (void)pMenu;
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
