// The dock manager's bars in rows when a stored layout is applied (see CZAVPDockManager.h).
#include <algorithm>
#include <vector>

#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"

namespace
{
struct StoredPlace
{
    CZAVPControlBar* pBar;
    CZAVPDockBar* pDockBar;
    int nRow;
    LONG nStart;  // along the row, the dock bar's client coordinates
};
}  // namespace

void CZAVPDockManager::ApplyBarRows()
{
    // Only bars docked in a row now whose state was read and says docked: a bar stored floating
    // has its mini frame already, and a bar never stored stays where the frame put it.
    std::vector<StoredPlace> places;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (!p->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) ||
            p->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) ||
            p->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideToolBar)))
            continue;
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(p);
        if (pBar->GetSafeHwnd() == nullptr || pBar->IsResizable() || pBar->IsFloating() ||
            !pBar->IsRestoredFromRegistry() || pBar->GetRecentFloatingState() ||
            pBar->GetParentDockBar() == nullptr)
            continue;
        const CZAVPRecentDockInfo& recent = pBar->GetRecentDockInfo();
        const DWORD dwAlignment = recent.m_dwRecentAlignmentToFrame & CBRS_ALIGN_ANY;
        if (!DockLayout::AlignmentIsOneSide(dwAlignment)) continue;
        CZAVPDockBar* pDockBar = FindDockBar(dwAlignment, TRUE);
        if (pDockBar == nullptr || !IsDockBarListed(pDockBar) || !pBar->CanBeDocked(pDockBar))
            continue;
        const DockAxis axis(pDockBar->IsHorizontal() != FALSE);
        places.push_back({pBar, pDockBar, std::max(0, recent.m_nRecentRowIndex),
                          axis.Start(recent.m_rectDockedRect)});
    }
    if (places.empty()) return;
    // Every such bar leaves its row first (emptied rows go); then the rows are filled again in
    // the stored order, a stored index adding at most one row at a time.
    for (const StoredPlace& place : places) place.pBar->UndockControlBar(TRUE);
    std::stable_sort(places.begin(), places.end(), [](const StoredPlace& a, const StoredPlace& b) {
        if (a.pDockBar != b.pDockBar) return a.pDockBar < b.pDockBar;
        if (a.nRow != b.nRow) return a.nRow < b.nRow;
        return a.nStart < b.nStart;
    });
    for (const StoredPlace& place : places) {
        CZAVPControlBar* pBar = place.pBar;
        // The row the bar stood in before may be gone: the index decides, not the old row.
        pBar->RecentDockInfo().m_pRecentDockBarRow = nullptr;
        pBar->RecentDockInfo().m_pRecentDockBar = place.pDockBar;
        pBar->DockControlBar(place.pDockBar, ZAVP_DM_RECENT, nullptr);
        const BOOL bVisible = pBar->GetRecentVisibleState();
        if (bVisible != ((pBar->GetStyle() & WS_VISIBLE) != 0))
            pBar->ShowControlBar(bVisible, TRUE, FALSE);
    }
    AdjustDockingLayout();
}
