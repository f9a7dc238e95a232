// The status bar's pane tooltips and double clicks, its size grip's system command, and the
// layout again when the system settings or the grip change.
#include "ui/toolbars/CZAVPStatusBar.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "framework/AfxThreadState.h"
#include "framework/CFrameWnd.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPGlobalData.h"

namespace
{
const UINT kSystemCommandMask = 0xFFF0;
}  // namespace

BOOL CZAVPStatusBar::SetTipText(int nIndex, LPCSTR lpszTipText)
{
    CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    if (pPane == nullptr) return FALSE;
    LPSTR lpszCopy = nullptr;
    if (lpszTipText != nullptr && *lpszTipText != '\0') {
        const size_t nBytes = std::strlen(lpszTipText) + 1;
        lpszCopy = new (std::nothrow) char[nBytes];
        if (lpszCopy == nullptr) return FALSE;  // the old tooltip stays
        std::memcpy(lpszCopy, lpszTipText, nBytes);
    }
    delete[] pPane->lpszToolTip;
    pPane->lpszToolTip = lpszCopy;
    return TRUE;
}

CString CZAVPStatusBar::GetTipText(int nIndex) const
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    return pPane != nullptr && pPane->lpszToolTip != nullptr ? CString(pPane->lpszToolTip)
                                                             : CString();
}

INT_PTR CZAVPStatusBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    INT_PTR nHit = CZAVPControlBar::OnToolHitTest(point, pTI);
    if (nHit == -1) {
        const CZAVPStatusBarPaneInfo* pPane = HitTest(point);
        if (pPane != nullptr && pPane->lpszToolTip != nullptr) {
            nHit = (INT_PTR)pPane->nID;
            if (pTI != nullptr) {
                // The caller frees the text (the framework's tooltip relay does).
                pTI->lpszText = _strdup(pPane->lpszToolTip);
                pTI->rect = pPane->rect;
                pTI->uId = 0;
                pTI->hwnd = m_hWnd;
            }
        }
    }
    CToolTipCtrl* pToolTip = AfxGetThreadState()->m_pToolTip;
    if (pToolTip != nullptr && pToolTip->GetSafeHwnd() != nullptr)
        ::SendMessageA(pToolTip->GetSafeHwnd(), WM_SETFONT,
                       (WPARAM)globalData.fontStatusBar.GetSafeHandle(), FALSE);
    return nHit;
}

void CZAVPStatusBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bPaneDoubleClick) {
        if (const CZAVPStatusBarPaneInfo* pPane = HitTest(point)) {
            HWND hwndTarget = ::GetWindow(m_hWnd, GW_OWNER);
            if (hwndTarget == nullptr) hwndTarget = ::GetParent(m_hWnd);
            if (hwndTarget != nullptr) ::PostMessageA(hwndTarget, WM_COMMAND, pPane->nID, 0);
        }
    }
    CZAVPControlBar::OnLButtonDblClk(nFlags, point);
}

void CZAVPStatusBar::OnSettingChange(UINT, LPCSTR)
{
    Default();
    RecalcLayout();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CZAVPStatusBar::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    Default();
    if (nStyleType != GWL_STYLE || lpStyleStruct == nullptr) return;
    // Only a change of the grip bit itself counts: the bit also serves as a bar-style bit.
    if (((lpStyleStruct->styleOld ^ lpStyleStruct->styleNew) & SBARS_SIZEGRIP) == 0) return;
    m_bSizeGrip = (lpStyleStruct->styleNew & SBARS_SIZEGRIP) != 0;
    RecalcLayout();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CZAVPStatusBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    // Sizing that starts on the bar sizes the frame: from its bottom-right corner when the drag
    // began on the grip.
    if ((nID & kSystemCommandMask) == SC_SIZE) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr) {
            const UINT nCommand = m_cxSizeBox > 0 ? (SC_SIZE | WMSZ_BOTTOMRIGHT) : nID;
            pFrame->SendMessage(WM_SYSCOMMAND, nCommand, lParam);
            return;
        }
    }
    Default();
}
