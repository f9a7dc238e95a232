// The tabbed bars without an id in a loaded tree: they gather the tabs their records name when
// the layout is applied (see CZAVPContainerLayout.h).
#include <set>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{

// The bar's own record (side, visibility, recent places) passed to another bar of its class.
void CopyBarRecord(CZAVPBaseTabbedBar* pFrom, CZAVPBaseTabbedBar* pTo)
{
    // While a layout is applied a bar answers with its stored visibility, not its window's.
    const BOOL bRestoring = CZAVPDockManager::m_bRestoringDockState;
    CZAVPDockManager::m_bRestoringDockState = TRUE;
    const BOOL bAutoDestroy = pTo->IsAutoDestroy();
    try {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            pFrom->Serialize(ar);
            ar.Close();
        }
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        pTo->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
    }
    CZAVPDockManager::m_bRestoringDockState = bRestoring;
    // Who owns the object is the object's own business, not the record's.
    pTo->SetAutoDestroy(bAutoDestroy);
    pTo->SetRestoredFromRegistry(TRUE);
}

// Takes a window out of wherever it stands so that it can become a tab; answers whether its
// tab shows. A tabbed bar emptied by this is remembered for destruction.
BOOL TakeOut(CWnd* pWnd, CZAVPBaseTabbedBar* pHolder, BOOL bGroupShown, std::vector<HWND>& emptied,
             BOOL& bDetachable)
{
    bDetachable = TRUE;
    if (pHolder != nullptr) {
        CZAVPBaseTabWnd* pTabs = pHolder->GetTabWnd();
        const int iTab = pTabs->GetTabFromHwnd(pWnd->GetSafeHwnd());
        const BOOL bVisible = iTab < 0 || pTabs->IsTabVisible(iTab);
        if (iTab >= 0) bDetachable = pTabs->IsTabDetachable(iTab);
        pHolder->ReleaseTabBar(pWnd);
        if (pHolder->GetTabsNum() == 0) emptied.push_back(pHolder->GetSafeHwnd());
        return bVisible;
    }
    CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pWnd);
    if (pPane->IsAutoHideMode()) pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, nullptr, FALSE);
    if (CZAVPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE))
        pMiniFrame->RemoveControlBar(pPane);
    pPane->UndockControlBar(TRUE);
    pPane->RemoveControlBarFromDockManager(FALSE, FALSE, FALSE);
    // A tab of a shown group was hidden when its own state says hidden; of a hidden group every
    // tab says hidden, and none is known to have been.
    return !(bGroupShown && pPane->IsRestoredFromRegistry() && !pPane->GetRecentVisibleState());
}

// The tabs in the stored order, those not named after them.
void OrderTabs(CZAVPBaseTabbedBar* pBar, const std::vector<UINT>& ids)
{
    CZAVPBaseTabWnd* pTabs = pBar->GetTabWnd();
    int nPlace = 0;
    for (UINT id : ids) {
        for (int i = nPlace; i < pTabs->GetTabsNum(); ++i) {
            CWnd* pTab = pTabs->GetTabWnd(i);
            if (!HasWindow(pTab) || (UINT)pTab->GetDlgCtrlID() != id) continue;
            if (i != nPlace) pTabs->MoveTab(i, nPlace);
            ++nPlace;
            break;
        }
    }
}
}  // namespace

void CZAVPContainerLayout::GatherStagedTabs(CZAVPDockManager* pManager)
{
    if (m_pRootContainer == nullptr || pManager == nullptr) return;
    std::vector<CZAVPBarContainer*> nodes;
    m_pRootContainer->GetNodes(nodes);
    std::set<CZAVPBaseTabbedBar*> taken;  // bars already placed by this tree
    std::vector<HWND> emptied;
    std::vector<CZAVPBaseTabbedBar*> gatheredNothing;
    for (CZAVPBarContainer* pNode : nodes) {
        for (BOOL bLeft : {TRUE, FALSE}) {
            const std::vector<UINT> ids = pNode->GetStagedTabs(bLeft);
            CZAVPDockingControlBar* pSide = bLeft ? pNode->GetLeftBar() : pNode->GetRightBar();
            if (ids.empty() || !HasWindow(pSide)) continue;
            CZAVPBaseTabbedBar* pMade = static_cast<CZAVPBaseTabbedBar*>(pSide);
            pNode->ReleaseStagedTabbedBar(bLeft);
            CZAVPBaseTabbedBar* pTarget = pMade;

            // The bar that holds the first tab now stays when it is of the stored kind.
            CZAVPBaseTabbedBar* pHolder = nullptr;
            pManager->FindTabWindow(ids.front(), pHolder);
            if (pHolder != nullptr && pHolder != pMade && pHolder->GetDlgCtrlID() == -1 &&
                pHolder->GetRuntimeClass() == pMade->GetRuntimeClass() && taken.count(pHolder) == 0)
            {
                CopyBarRecord(pMade, pHolder);
                pHolder->GetTabWnd()->SetRestoredState(pMade->GetTabWnd()->GetRestoredState());
                pNode->SetBar(pHolder, bLeft);
                POSITION pos = m_lstControlBars.Find(pMade);
                if (pos != nullptr) m_lstControlBars.SetAt(pos, pHolder);
                pMade->DestroyWindow();  // made to own itself: the object goes with the window
                pMade = nullptr;
                pTarget = pHolder;
            }
            taken.insert(pTarget);

            const BOOL bGroupShown = pTarget->GetRecentVisibleState();
            for (UINT id : ids) {
                CZAVPBaseTabbedBar* pFrom = nullptr;
                CWnd* pTab = pManager->FindTabWindow(id, pFrom);
                if (pTab == nullptr || pFrom == pTarget) continue;
                BOOL bDetachable = TRUE;
                const BOOL bVisible = TakeOut(pTab, pFrom, bGroupShown, emptied, bDetachable);
                pTarget->AddTab(pTab, bVisible, FALSE, bDetachable);
            }
            OrderTabs(pTarget, ids);
            if (pTarget->GetTabsNum() == 0) {
                gatheredNothing.push_back(pTarget);
                continue;
            }
            // Then what the group's tab window stored: labels, colours, hidden tabs, the active
            // tab and the side its tabs stand on.
            CZAVPBaseTabWnd* pTabs = pTarget->GetTabWnd();
            pTabs->ApplyRestoredTabInfo(TRUE);
            pTabs->SetLocation(pTabs->GetRestoredLocation());
        }
    }
    // A bar that found none of its tabs has no place in the tree.
    for (CZAVPBaseTabbedBar* pBar : gatheredNothing) {
        RemoveControlBar(pBar);
        pBar->DestroyWindow();
    }
    // Bars whose tabs all went elsewhere go as their last removed tab would take them; one of
    // this tree leaves it first.
    for (HWND hBar : emptied) {
        CWnd* pWnd = ::IsWindow(hBar) ? CWnd::FromHandlePermanent(hBar) : nullptr;
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) continue;
        CZAVPBaseTabbedBar* pBar = static_cast<CZAVPBaseTabbedBar*>(pWnd);
        if (pBar->GetTabsNum() != 0 || !pBar->CanDestroyWhenEmpty()) continue;
        if (m_lstControlBars.Find(pBar) != nullptr) {
            RemoveControlBar(pBar);
            pBar->DestroyWindow();
        } else
            pBar->DestroyWhenEmpty();
    }
}
