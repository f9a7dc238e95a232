// The flat combo's edit (see CZAVPToolbarComboEdit.h).
#include "ui/toolbars/CZAVPToolbarComboEdit.h"

#include "framework/CComboBox.h"
#include "framework/CFrameWnd.h"
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"

CZAVPToolbarComboEdit::CZAVPToolbarComboEdit(CZAVPToolbarComboBoxButton& owner)
    : m_owner(owner), m_bTracking(FALSE)
{
}

LRESULT CZAVPToolbarComboEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS:
        m_owner.SetHot(TRUE);
        m_owner.NotifyCommand(CBN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        m_owner.SetHot(FALSE);
        m_owner.NotifyCommand(CBN_KILLFOCUS);
        break;
    case WM_MOUSEMOVE:
        m_owner.SetHot(TRUE);
        if (!m_bTracking) {
            TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
            m_bTracking = ::TrackMouseEvent(&tme);
        }
        break;
    case WM_MOUSELEAVE:
        m_bTracking = FALSE;
        if (::GetFocus() != m_hWnd) m_owner.SetHot(FALSE);
        break;
    case WM_CONTEXTMENU:
        if (m_owner.m_uiMenuResID != 0) {
            m_owner.ShowContextMenu(lParam);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (::GetKeyState(VK_MENU) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 &&
            HandleKey((UINT)wParam))
            return 0;
        break;
    case WM_CHAR:
        // Enter and Esc were handled as keys; the edit would only beep at them.
        if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) return 0;
        break;
    default: break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CZAVPToolbarComboEdit::HandleKey(UINT nChar)
{
    CComboBox* pCombo = m_owner.GetComboBox();
    const BOOL bDropped = m_owner.IsListDropped();
    switch (nChar) {
    case VK_RETURN:
        if (bDropped && pCombo != nullptr) {
            pCombo->SendMessage(WM_KEYDOWN, nChar, 0);
            return TRUE;
        }
        m_owner.OnEditEnter();
        return TRUE;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
        if (!bDropped || pCombo == nullptr) return FALSE;
        pCombo->SendMessage(WM_KEYDOWN, nChar, 0);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        if (pCombo == nullptr) return FALSE;
        if (bDropped)
            pCombo->SendMessage(WM_KEYDOWN, nChar, 0);
        else
            m_owner.DropList(TRUE);
        return TRUE;
    case VK_TAB: {
        HWND hwndParent = ::GetParent(m_hWnd);
        if (hwndParent != nullptr) {
            HWND hwndNext = ::GetNextDlgTabItem(hwndParent, m_hWnd, ::GetKeyState(VK_SHIFT) < 0);
            if (hwndNext != nullptr) ::SetFocus(hwndNext);
        }
        return TRUE;
    }
    case VK_ESCAPE: {
        m_owner.DropList(FALSE);
        CFrameWnd* pFrame = GetTopLevelFrame();
        if (pFrame != nullptr) ::SetFocus(pFrame->GetSafeHwnd());
        return TRUE;
    }
    default: return FALSE;
    }
}
