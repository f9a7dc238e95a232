// The per-thread tooltip relay: windows that enable tooltips answer OnToolHitTest, and mouse
// messages on their way to them register the tool under the cursor with the thread's tooltip.
#include "framework/CWnd.h"
#include "framework/AfxThreadState.h"
#include "framework/CToolTipCtrl.h"
#include <cstdlib>

namespace
{
// The visible child under a client point, disabled ones included (WindowFromPoint skips them).
HWND ChildFromPoint(HWND hWnd, POINT pt)
{
    ::ClientToScreen(hWnd, &pt);
    for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if ((WORD)::GetDlgCtrlID(hChild) == 0xFFFF) continue;  // statics without an id
        if (!(::GetWindowLongPtrA(hChild, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT rect;
        ::GetWindowRect(hChild, &rect);
        if (::PtInRect(&rect, pt)) return hChild;
    }
    return nullptr;
}

void RelayToolTipMessage(CToolTipCtrl* pToolTip, const MSG* pMsg)
{
    MSG msg = *pMsg;
    msg.hwnd = (HWND)pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0, (LPARAM)&msg.pt);
    POINT pt = pMsg->pt;
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        ::ScreenToClient(msg.hwnd, &pt);
    msg.lParam = MAKELPARAM(pt.x, pt.y);
    pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)&msg);
}

BOOL IsTopParentActive(HWND hWnd)
{
    HWND hTop = hWnd;
    while (HWND hUp = ::GetParent(hTop)) hTop = hUp;
    HWND hActive = ::GetForegroundWindow();
    return hActive == hTop || ::GetWindow(hActive, GW_OWNER) == hTop;
}
}  // namespace

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    HWND hWndChild = ChildFromPoint(m_hWnd, point);
    if (hWndChild == nullptr) return -1;
    INT_PTR nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != nullptr && pTI->cbSize >= TTTOOLINFOA_V1_SIZE) {
        // A child is a tool by its handle, with its text asked for (TTN_NEEDTEXT).
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
        if (!(::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return nHit;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable) {
        m_nFlags |= WF_TOOLTIPS;
        return TRUE;
    }
    if (!(m_nFlags & WF_TOOLTIPS)) return FALSE;
    m_nFlags &= ~WF_TOOLTIPS;
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (ts->m_pLastHit == this) {
        CancelToolTips(FALSE);
        if (ts->m_pToolTip != nullptr && ts->m_pToolTip->m_hWnd != nullptr &&
            ts->m_lastInfo.cbSize != 0)
            ts->m_pToolTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ts->m_lastInfo);
        ts->m_pLastHit = nullptr;
        ts->m_nLastHit = -1;
    }
    return TRUE;
}

void CWnd::CancelToolTips(BOOL)
{
    CToolTipCtrl* pToolTip = AfxGetThreadState()->m_pToolTip;
    if (pToolTip != nullptr && pToolTip->m_hWnd != nullptr)
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    BOOL bMouse = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
                  message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    // The nearest window up the chain that shows tooltips handles them; others stay out.
    CWnd* pWnd = CWnd::FromHandlePermanent(pMsg->hwnd);
    HWND hWnd = pMsg->hwnd;
    while (hWnd != nullptr && hWnd != m_hWnd &&
           !(pWnd != nullptr && (pWnd->m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS))))
    {
        hWnd = ::GetParent(hWnd);
        pWnd = CWnd::FromHandlePermanent(hWnd);
    }
    if (hWnd != m_hWnd || !(m_nFlags & (WF_TOOLTIPS | WF_TRACKINGTOOLTIPS))) return;

    if (!bMouse || ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 ||
        ::GetKeyState(VK_MBUTTON) < 0)
    {
        BOOL bKeys = (message >= WM_KEYFIRST && message <= WM_KEYLAST);
        if (!(m_nFlags & WF_TRACKINGTOOLTIPS) &&
            (bKeys || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
             message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ||
             message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
             message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
             message == WM_NCMBUTTONDOWN))
            CancelToolTips(bKeys);
        return;
    }

    AFX_THREAD_STATE* ts = AfxGetThreadState();
    CToolTipCtrl* pToolTip = ts->m_pToolTip;
    CWnd* pOwner = GetParentOwner();
    // One tooltip per thread, owned by the top-level window whose tools it shows.
    if (pToolTip != nullptr && ::GetWindow(pToolTip->m_hWnd, GW_OWNER) != AfxGetSafeHwnd(pOwner)) {
        delete pToolTip;
        ts->m_pToolTip = pToolTip = nullptr;
        ts->m_pLastHit = nullptr;
        ts->m_nLastHit = -1;
        ts->m_lastInfo.cbSize = 0;
    }
    if (pToolTip == nullptr) {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP)) {
            delete pToolTip;
            return;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        ts->m_pToolTip = pToolTip;
    }

    POINT point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFOA tiHit = {};
    tiHit.cbSize = TTTOOLINFOA_V1_SIZE;
    INT_PTR nHit = OnToolHitTest(CPoint(point.x, point.y), &tiHit);
    CWnd* pHitWnd = nHit == -1 ? nullptr : this;
    if (ts->m_nLastHit != nHit || ts->m_pLastHit != pHitWnd) {
        if (nHit != -1) {
            TOOLINFOA ti = tiHit;
            ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
            if (m_nFlags & WF_TRACKINGTOOLTIPS) ti.uFlags |= TTF_TRACK;
            pToolTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
            if ((tiHit.uFlags & TTF_ALWAYSTIP) || IsTopParentActive(m_hWnd)) {
                pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
                if (m_nFlags & WF_TRACKINGTOOLTIPS)
                    pToolTip->SendMessage(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
                ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                               SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
            }
        } else {
            pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }
        RelayToolTipMessage(pToolTip, pMsg);
        if (ts->m_lastInfo.cbSize != 0)
            pToolTip->SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ts->m_lastInfo);
        ts->m_pLastHit = pHitWnd;
        ts->m_nLastHit = nHit;
        ts->m_lastInfo = tiHit;
        ts->m_lastInfo.lpszText = nullptr;  // the text is freed below; the tooltip kept its own copy
    } else if (m_nFlags & WF_TRACKINGTOOLTIPS) {
        POINT pt;
        ::GetCursorPos(&pt);
        pToolTip->SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(pt.x, pt.y));
    } else if (nHit != -1) {
        RelayToolTipMessage(pToolTip, pMsg);
    }
    // A hit test may hand out its text on the heap (malloc); it is ours to free.
    if (tiHit.lpszText != LPSTR_TEXTCALLBACKA && tiHit.hinst == nullptr &&
        !IS_INTRESOURCE(tiHit.lpszText))
        free(tiHit.lpszText);
}
