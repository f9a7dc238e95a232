// Delayed opening and closing of sub-menus (see the header).
#include "ui/toolbars/ZAVPSubMenuTracker.h"

ZAVPSubMenuTracker::ZAVPSubMenuTracker(int nShowDelayMs) : m_nDelayMs(nShowDelayMs) {}

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::CancelClose()
{
    Actions a;
    if (m_bClosePending) {
        a.bKillCloseTimer = TRUE;
        m_bClosePending = FALSE;
    }
    return a;
}

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::StartOpenTimer(int nItem, int nFactor)
{
    Actions a;
    m_nPending = nItem;
    if (nItem >= 0 && nItem == m_nOpen && m_bClosePending) {
        a = CancelClose();
        m_nPending = -1;
    } else if (nItem >= 0 && nItem != m_nOpen) {
        // A zero delay still goes through the timer, so the open happens after this message.
        const int nDelay = m_nDelayMs * nFactor;
        a.nOpenTimerMs = nDelay > 0 ? (UINT)nDelay : 1;
    } else {
        m_nPending = -1;
    }
    a.bKillOpenTimer = TRUE;
    return a;
}

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::OnChangeHot(int nHot, BOOL bHasSubMenu,
                                                            BOOL bByMouse, BOOL bCustomizeMode)
{
    Actions a;
    if (m_nOpen >= 0 && nHot == m_nOpen)
        return CancelClose();  // back onto the item whose sub-menu is open

    if (m_nOpen >= 0 && !m_bClosePending) {
        if (bByMouse && !bCustomizeMode) {
            m_bClosePending = TRUE;
            a.nCloseTimerMs = m_nDelayMs > 1 ? (UINT)(m_nDelayMs - 1) : 1;
        } else {
            a.nClose = m_nOpen;
            a.bActivateSelf = TRUE;
            m_nOpen = -1;
        }
    } else if (m_nOpen >= 0 && (!bByMouse || bCustomizeMode)) {
        // A key while a close is already waiting: close now.
        a.bKillCloseTimer = TRUE;
        a.nClose = m_nOpen;
        a.bActivateSelf = TRUE;
        m_nOpen = -1;
        m_bClosePending = FALSE;
    }

    if (nHot >= 0 && bHasSubMenu) {
        const Actions open = StartOpenTimer(nHot, 1);
        a.bKillOpenTimer = open.bKillOpenTimer;
        a.nOpenTimerMs = open.nOpenTimerMs;
    } else if (m_nPending >= 0) {
        // The pointer moved on before the delay ran out: nothing opens.
        a.bKillOpenTimer = TRUE;
        m_nPending = -1;
    }
    return a;
}

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::OnEnterSubMenu() { return CancelClose(); }

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::OnOpenTimer(int nUnderCursor, int nHot)
{
    Actions a;
    a.bKillOpenTimer = TRUE;
    if (m_bClosePending && m_nOpen >= 0 && nUnderCursor == m_nOpen)
        return a;  // the pointer went back to the open sub-menu's item

    if (m_bClosePending) {
        a.bKillCloseTimer = TRUE;
        a.nClose = m_nOpen;
        a.bActivateSelf = TRUE;
        m_nOpen = -1;
        m_bClosePending = FALSE;
    }
    if (m_nPending >= 0 && m_nPending == nHot && m_nPending != m_nOpen) {
        a.nOpen = m_nPending;
        m_nOpen = m_nPending;
    }
    m_nPending = -1;
    return a;
}

ZAVPSubMenuTracker::Actions ZAVPSubMenuTracker::OnCloseTimer(int nUnderCursor)
{
    Actions a;
    a.bKillCloseTimer = TRUE;
    if (!m_bClosePending) return a;
    m_bClosePending = FALSE;
    if (m_nOpen >= 0 && nUnderCursor != m_nOpen) {
        a.nClose = m_nOpen;
        a.bActivateSelf = TRUE;
        m_nOpen = -1;
    }
    return a;
}

void ZAVPSubMenuTracker::OnSubMenuOpened(int nItem)
{
    m_nOpen = nItem;
    m_bClosePending = FALSE;
    if (m_nPending == nItem) m_nPending = -1;
}

void ZAVPSubMenuTracker::OnSubMenuClosed(int nItem)
{
    if (m_nOpen == nItem) {
        m_nOpen = -1;
        m_bClosePending = FALSE;
    }
}
