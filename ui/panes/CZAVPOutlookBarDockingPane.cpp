// The outlook window's page wrapper (see the header).
#include "ui/panes/CZAVPOutlookBarDockingPane.h"

#include "framework/CArchive.h"
#include "ui/panes/CZAVPOutlookBar.h"

IMPLEMENT_SERIAL(CZAVPOutlookBarDockingPane, CZAVPDockingCBWrapper, VERSIONABLE_SCHEMA | 1)

// The tab window that made the wrapper deletes it with its tab, as it does every wrapper of
// the library; the pane therefore does not delete itself when its window goes.
CZAVPOutlookBarDockingPane::CZAVPOutlookBarDockingPane()
{
    SetTabbedControlBarClass(RUNTIME_CLASS(CZAVPOutlookBar));
}

BOOL CZAVPOutlookBarDockingPane::CreateEx(DWORD dwStyleEx, LPCSTR lpszCaption, CWnd* pParentWnd,
                                          const RECT& rect, BOOL bHasGripper, UINT nID,
                                          DWORD dwStyle, DWORD dwTabbedStyle,
                                          DWORD dwControlBarStyle, CCreateContext* pContext)
{
    const BOOL bCreated = CZAVPDockingCBWrapper::CreateEx(dwStyleEx, lpszCaption, pParentWnd, rect,
                                                          bHasGripper, nID, dwStyle, dwTabbedStyle,
                                                          dwControlBarStyle, pContext);
    // Whatever tabs the creation asked for, a group made from this pane is an outlook bar.
    SetTabbedControlBarClass(RUNTIME_CLASS(CZAVPOutlookBar));
    return bCreated;
}
