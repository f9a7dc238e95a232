// A control bar's window going (see CZAVPControlBar.h): its tab, its row and the dock manager's
// lists let go of it before the bar does.
#include "ui/docking/CZAVPControlBar.h"

#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"

void CZAVPControlBar::OnDestroy()
{
    if (CZAVPBaseTabWnd* pTabWnd = ParentTabWnd()) {
        const int iTab = pTabWnd->GetTabFromHwnd(m_hWnd);
        if (iTab >= 0) {
            pTabWnd->RemoveTab(iTab);
            // An emptied tabbed pane goes too, once this bar's destruction is over: it must not
            // destroy its tab window, this bar's parent, from inside it.
            CWnd* pGroup = pTabWnd->GetParent();
            if (pTabWnd->GetTabsNum() == 0 && pGroup != nullptr &&
                pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)) &&
                static_cast<CZAVPBaseTabbedBar*>(pGroup)->CanDestroyWhenEmpty())
                pGroup->PostMessage(WM_CLOSE);
        }
    }
    // A bar destroyed while its frame lives leaves the frame's books: its dock bar row and the
    // dock manager's lists would otherwise keep a pointer to an object about to be deleted, and
    // the next layout of the frame would walk it.
    if (CZAVPDockBar* pDockBar = m_pParentDockBar) pDockBar->RemoveControlBar(this, 0);
    m_pParentDockBar = nullptr;
    if (CZAVPDockManager* pManager = GetDockManager()) {
        pManager->RemoveControlBarFromDockManager(this, FALSE, FALSE, FALSE);
        pManager->RemoveControlBarFromDockManager(this, FALSE, FALSE, TRUE);
    }
    CZAVPBaseControlBar::OnDestroy();
}
