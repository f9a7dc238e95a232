// When a popup menu bar opens and closes its sub-menus as the pointer or the keyboard moves over
// its items: an open waits for the menu show delay (timer 1), a close after the pointer left
// waits one millisecond less (timer 2), so that a pointer crossing a sibling on its way into the
// sub-menu does not close it. Items are named by their index on the bar; the bar carries out the
// returned actions with its window timers and popups.
#pragma once

#include <windows.h>

class ZAVPSubMenuTracker
{
public:
    static const UINT kOpenTimerId = 1;
    static const UINT kCloseTimerId = 2;

    // What the bar does after an event, in this order: kill timers, close, open, start timers.
    struct Actions
    {
        BOOL bKillOpenTimer = FALSE;
        BOOL bKillCloseTimer = FALSE;
        int nClose = -1;             // close this item's sub-menu now
        BOOL bActivateSelf = FALSE;  // this popup becomes the active popup again
        int nOpen = -1;              // open this item's sub-menu now
        UINT nOpenTimerMs = 0;       // start timer 1 (0: no)
        UINT nCloseTimerMs = 0;      // start timer 2 (0: no)
    };

    explicit ZAVPSubMenuTracker(int nShowDelayMs);

    // Schedules opening the item's sub-menu after the delay × nFactor (2 for the show-all item).
    // Coming back to the item whose sub-menu waits to close cancels the close instead.
    Actions StartOpenTimer(int nItem, int nFactor);

    // The hot item changed (nHot -1: none). bHasSubMenu: the new hot item opens a sub-menu.
    // bByMouse: the pointer moved (not a key). Outside customisation a pointer leaving an open
    // sub-menu's item only schedules the close; a key or customisation mode closes it at once.
    Actions OnChangeHot(int nHot, BOOL bHasSubMenu, BOOL bByMouse, BOOL bCustomizeMode);

    // The pointer entered the open sub-menu: a close waiting for it is cancelled.
    Actions OnEnterSubMenu();

    // Timer 1; nUnderCursor is the item under the pointer, nHot the hot item (-1: none).
    Actions OnOpenTimer(int nUnderCursor, int nHot);
    // Timer 2.
    Actions OnCloseTimer(int nUnderCursor);

    // The sub-menu was opened or closed by other means (keys, a command, Escape).
    void OnSubMenuOpened(int nItem);
    void OnSubMenuClosed(int nItem);

    int GetOpenItem() const { return m_nOpen; }
    int GetPendingItem() const { return m_nPending; }
    BOOL IsClosePending() const { return m_bClosePending; }

private:
    Actions CancelClose();

    int m_nDelayMs;                // the menu show delay
    int m_nPending = -1;           // waits for timer 1 to open
    int m_nOpen = -1;              // its sub-menu is open
    BOOL m_bClosePending = FALSE;  // the open sub-menu waits for timer 2 to close
};
