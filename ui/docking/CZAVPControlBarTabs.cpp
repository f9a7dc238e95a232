// A control bar that stands as a tab (see CZAVPControlBar.h): its tab goes before the bar does.
#include "ui/docking/CZAVPControlBar.h"

#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"

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
    CZAVPBaseControlBar::OnDestroy();
}
