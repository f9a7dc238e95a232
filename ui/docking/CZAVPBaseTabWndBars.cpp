// Base of the tab windows (see CZAVPBaseTabWnd.h): what a tab window asks of the tabbed bar that
// holds it.
#include "ui/docking/CZAVPBaseTabWnd.h"

BOOL CZAVPBaseTabWnd::FloatTabThroughParent(CWnd* pBar, int iTab, int nMethod, BOOL bHide)
{
    CWnd* pTabbedBar = GetTabbedBarParent();
    (void)pBar;
    (void)iTab;
    (void)nMethod;
    (void)bHide;
    // Only a tabbed bar can float one of its tabs.
    return pTabbedBar != nullptr ? FALSE : FALSE;
}

void CZAVPBaseTabWnd::BringRestoredBarsHere() {}
