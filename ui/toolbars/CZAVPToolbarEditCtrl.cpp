// The hosted edit's own messages; everything else goes to the standard edit.
#include "ui/toolbars/CZAVPToolbarEditCtrl.h"

#include "framework/CFrameWnd.h"
#include "ui/toolbars/CZAVPToolbarEditBoxButton.h"

CZAVPToolbarEditCtrl::CZAVPToolbarEditCtrl(CZAVPToolbarEditBoxButton& owner)
    : m_owner(owner), m_bTracking(FALSE)
{
}

LRESULT CZAVPToolbarEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: m_owner.SetHot(TRUE); break;
    case WM_KILLFOCUS: m_owner.SetHot(FALSE); break;
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
        if (HandleKey((UINT)wParam)) return 0;
        break;
    default: break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CZAVPToolbarEditCtrl::HandleKey(UINT nChar)
{
    HWND hwndParent = ::GetParent(m_hWnd);
    switch (nChar) {
    case VK_TAB:
        if (hwndParent != nullptr) {
            HWND hwndNext = ::GetNextDlgTabItem(hwndParent, m_hWnd, ::GetKeyState(VK_SHIFT) < 0);
            if (hwndNext != nullptr) ::SetFocus(hwndNext);
        }
        return TRUE;
    case VK_ESCAPE: {
        // Back to the frame: the user left the edit without acting.
        CFrameWnd* pFrame = GetTopLevelFrame();
        if (pFrame != nullptr)
            ::SetFocus(pFrame->GetSafeHwnd());
        else if (hwndParent != nullptr)
            ::SetFocus(::GetAncestor(hwndParent, GA_ROOT));
        return TRUE;
    }
    default: break;
    }
    if (::GetFocus() != m_hWnd || ::GetKeyState(VK_CONTROL) >= 0) return FALSE;
    switch (nChar) {
    case VK_DELETE: SendMessage(WM_CLEAR); return TRUE;
    case 'C': SendMessage(WM_COPY); return TRUE;
    case 'V': SendMessage(WM_PASTE); return TRUE;
    case 'X': SendMessage(WM_CUT); return TRUE;
    case 'Z': SendMessage(EM_UNDO); return TRUE;
    default: return FALSE;
    }
}
