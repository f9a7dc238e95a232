// Base of the tab windows (see CZAVPBaseTabWnd.h): what a tab window asks of the tabbed bar that
// holds it and of the frame's dock manager.
#include "ui/docking/CZAVPBaseTabWnd.h"

#include "framework/CFrameWnd.h"

#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"

BOOL CZAVPBaseTabWnd::FloatTabThroughParent(CWnd* pBar, int iTab, int nMethod, BOOL bHide)
{
    // Only a tabbed bar can float one of its tabs.
    CZAVPBaseTabbedBar* pTabbedBar = GetTabbedBarParent();
    if (pTabbedBar == nullptr) return FALSE;
    return pTabbedBar->FloatTab(pBar, iTab, nMethod, bHide);
}

void CZAVPBaseTabWnd::BringRestoredBarsHere()
{
    CZAVPBaseTabbedBar* pTabbedBar = GetTabbedBarParent();
    if (pTabbedBar == nullptr) return;
    CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(pTabbedBar->GetDockSiteFrame());
    if (pManager == nullptr) return;
    for (const TabLayout::TabWindowRecord::Tab& saved : m_restored.tabs) {
        if (saved.nControlId == 0 || saved.nControlId == -1) continue;
        bool bHere = false;
        for (int i = 0; i < m_iTabsNum && !bHere; ++i) {
            CWnd* pWnd = TabAt(i)->m_pWnd;
            bHere = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
                    pWnd->GetDlgCtrlID() == saved.nControlId;
        }
        if (bHere) continue;
        CZAVPBaseControlBar* pFound = pManager->FindBarByID((UINT)saved.nControlId, TRUE);
        if (pFound == nullptr || pFound == pTabbedBar ||
            !pFound->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) ||
            pFound->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
            continue;
        CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(pFound);
        // The bar leaves wherever it is: another tabbed bar, an auto-hide strip, a mini frame or
        // its place beside a slider.
        if (pBar->IsTabbed()) {
            CWnd* pOldTabs = pBar->GetParent();
            CWnd* pOldBar = pOldTabs != nullptr ? pOldTabs->GetParent() : nullptr;
            if (pOldBar != nullptr && pOldBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
                static_cast<CZAVPBaseTabbedBar*>(pOldBar)->ReleaseTabBar(pBar);
            pBar->ShowWindow(SW_SHOW);
        }
        if (pBar->IsAutoHideMode()) pBar->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, nullptr, TRUE);
        if (!pBar->IsTabbed()) pBar->UndockControlBar(TRUE);
        CWnd* pFrame = pTabbedBar->GetDockSiteFrame();
        if (pFrame != nullptr && pBar->GetParent() != pFrame) pBar->SetParent(pFrame);
        CZAVPDockingControlBar* pGroup = nullptr;
        pBar->AttachToTabbedBar(pTabbedBar, ZAVP_DM_RECENT, TRUE, pGroup);
    }
}
