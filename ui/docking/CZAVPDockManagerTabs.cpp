// The dock manager's dealings with tabbed panes (see CZAVPDockManager.h): look-ups among their
// tabs, their records in the stored layout and their part in applying it.
#include "ui/docking/CZAVPDockManager.h"

#include "ui/docking/CZAVPBaseTabbedBar.h"

CZAVPBaseControlBar* CZAVPDockManager::FindTabBarByID(CZAVPBaseControlBar* pBar, UINT uBarID)
{
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return nullptr;
    CWnd* pTab = static_cast<CZAVPBaseTabbedBar*>(pBar)->FindBarByID(uBarID);
    return pTab != nullptr && pTab->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pTab)
               : nullptr;
}
