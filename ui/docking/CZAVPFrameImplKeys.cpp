// The part of every library frame's message pre-translation that concerns the menus: keys for the
// open popup menu, the menu bar and the toolbars, Alt alone, mouse moves and clicks outside an
// open popup, accelerators that only close a popup, and menu characters. The SDI, MDI and OLE
// frames share it, each before its own platform frame's pre-translation.
#include "ui/docking/CZAVPFrameImpl.h"

#include "framework/CFrameWnd.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPDlgImpl.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const WORD kFromAccelerator = 1;  // high word of WM_COMMAND's wParam

BOOL IsPopupShown(CZAVPPopupMenu* pPopup)
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

BOOL CZAVPFrameImpl::OnAcceleratorCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != kFromAccelerator) return FALSE;
    CZAVPToolBar::AddCommandUsage(LOWORD(wParam));
    // An accelerator while a popup is open only closes it; while minimised it is swallowed.
    if (ProcessKeyboard(VK_ESCAPE)) return TRUE;
    return g_pUserToolsManager != nullptr && g_pUserToolsManager->InvokeTool(LOWORD(wParam));
}

CZAVPFrameImpl::PreTranslateResult CZAVPFrameImpl::PreTranslateFrameMessage(MSG* pMsg)
{
    BOOL bProcessAccel = TRUE;
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (!IsPlainF1(pMsg) && ProcessKeyboard((int)pMsg->wParam, &bProcessAccel))
            return kMessageUsed;
        if (!bProcessAccel) return kNoAccelerators;  // a toolbar's control has the focus
        break;
    case WM_SYSKEYDOWN:
    case WM_CONTEXTMENU:
        if (IsPopupShown(CZAVPPopupMenu::GetActiveMenu()) && pMsg->wParam == VK_MENU) {
            CZAVPPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);
            return kMessageUsed;
        }
        if (ProcessKeyboard((int)pMsg->wParam)) return kMessageUsed;
        break;
    case WM_SYSKEYUP: {
        if (IsPopupShown(CZAVPPopupMenu::GetActiveMenu())) return kMessageUsed;
        CZAVPMenuBar* pMenuBar = m_pMenuBar;
        if (pMsg->wParam == VK_MENU && pMenuBar != nullptr && ::IsWindow(pMenuBar->GetSafeHwnd())) {
            // Alt alone moves the focus to the menu bar, and back.
            if (::GetFocus() == pMenuBar->GetSafeHwnd()) {
                pMenuBar->ClearHighlight();
                if (::GetFocus() == pMenuBar->GetSafeHwnd()) m_pFrame->SetFocus();
            } else {
                pMenuBar->SetFocus();
            }
            return kMessageUsed;
        }
        break;
    }
    case WM_MOUSEMOVE: {
        CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
        if (IsPopupShown(pPopup) &&
            CZAVPDlgImpl::IsClickOutsideActivePopupMenu(ScreenPointOf(pMsg)))
            return kMessageUsed;
        break;
    }
    default:
        if (!IsClickMessage(pMsg->message)) break;
        // (The library's dock bars ask for the toolbar menu themselves on a right click.)
        if (ProcessMouseClick(pMsg->message, ScreenPointOf(pMsg), pMsg->hwnd)) return kMessageUsed;
        break;
    }
    return kPassOn;
}

BOOL CZAVPFrameImpl::OnMenuCharacter(UINT nChar)
{
    // The character of a key pressed with Alt: the key that makes it goes to the bars.
    const SHORT nVirtKey = ::VkKeyScanA((CHAR)nChar);
    const UINT uiKey = nVirtKey != -1 ? (UINT)LOBYTE(nVirtKey) : nChar;
    return OnMenuChar(uiKey);
}
