// The toolbars page's check list (see the header).
#include "ui/toolbars/CZAVPToolbarCheckList.h"

LRESULT CZAVPToolbarCheckList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        BOOL bOutside = TRUE;
        const int nIndex = (int)ItemFromPoint(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)),
                                              bOutside);
        if (!bOutside && !IsEnabled(nIndex)) {
            if (message == WM_LBUTTONDOWN) SetFocus();
            ::MessageBeep((UINT)-1);
            return 0;
        }
        const LRESULT lResult = CCheckListBox::WindowProc(message, wParam, lParam);
        if (message == WM_LBUTTONDBLCLK && !bOutside && ::IsWindow(m_hWnd)) {
            if (HWND hParent = ::GetParent(m_hWnd))
                ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                               (LPARAM)m_hWnd);
        }
        return lResult;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            const int nCaret = GetCaretIndex();
            if (nCaret != LB_ERR && !IsEnabled(nCaret)) {
                ::MessageBeep((UINT)-1);
                return 0;
            }
        }
        break;
    default: break;
    }
    return CCheckListBox::WindowProc(message, wParam, lParam);
}
