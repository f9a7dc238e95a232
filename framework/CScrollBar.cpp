// Scroll bar control wrapper.
#include "framework/CScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit()
{
    // The last position the thumb can reach: max minus the page, plus one when there is a page.
    SCROLLINFO info;
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE)) return 0;
    int nLimit = info.nMax - (info.nPage > 0 ? (int)info.nPage - 1 : 0);
    return nLimit < info.nMin ? info.nMin : nLimit;
}
