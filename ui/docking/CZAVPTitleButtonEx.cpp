// The menu caption button of a mini frame (see CZAVPTitleButtonEx.h).
#include "ui/docking/CZAVPTitleButtonEx.h"

#include "framework/CDC.h"
#include "framework/CWnd.h"

void CZAVPTitleButtonEx::OnDraw(CDC* pDC, BOOL bActive, BOOL bHorz, BOOL bMaximized, BOOL bDisabled)
{
    if (m_bHidden) return;
    m_clrForeground = (COLORREF)-1;
    CZAVPVisualManager::GetInstance()->OnDrawCaptionButton(pDC, this, bActive, bHorz, bMaximized,
                                                           bDisabled);
}

UINT CZAVPTitleButtonEx::ShowMenu(HMENU hMenu, CWnd* pOwner)
{
    if (hMenu == nullptr || pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr) return 0;
    m_bPushed = TRUE;
    m_bMenuIsOpen = TRUE;
    pOwner->SendMessage(WM_NCPAINT);

    CRect rectWindow;
    pOwner->GetWindowRect(rectWindow);
    const CRect rect = GetRect();
    const int x = rectWindow.left + rect.right;
    const int y = rectWindow.top + rect.bottom;
    // The button tracks its menu itself: nothing in the library clears the plain-tracking flag,
    // and the library's own popup menus open through the toolbar options instead.
    const UINT nCommand = (UINT)::TrackPopupMenu(hMenu, TPM_NONOTIFY | TPM_RETURNCMD, x, y, 0,
                                                 pOwner->GetSafeHwnd(), nullptr);
    m_nLastCommand = nCommand;
    m_bPushed = FALSE;
    m_bMenuIsOpen = FALSE;
    if (pOwner->GetSafeHwnd() != nullptr) pOwner->SendMessage(WM_NCPAINT);
    return nCommand;
}
