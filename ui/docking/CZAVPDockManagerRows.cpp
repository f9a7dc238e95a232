// The dock manager's part for bars in dock rows across a restart (see CZAVPDockManager.h): a bar
// that read its own state back (side, row, place in the row, visibility, floating place) takes
// that place when the stored layout is applied.
#include "ui/docking/CZAVPDockManager.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockLayoutCodec.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{

// A bar of the rows: a control bar that is neither a captioned pane (the panes come back in
// their trees) nor an auto-hide strip, whose own state was read back.
BOOL TakesRestoredRowPlace(CObject* p)
{
    if (p == nullptr || !p->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) ||
        p->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
        return FALSE;
    CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(p);
    return HasWindow(pBar) && pBar->IsRestoredFromRegistry();
}
}  // namespace

CZAVPDockBar* CZAVPDockManager::FindSideDockBar(DWORD dwAlignment) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (p->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) &&
            !p->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar)) &&
            static_cast<CZAVPDockBar*>(p)->GetCurrentAlignment() == (dwAlignment & CBRS_ALIGN_ANY))
            return static_cast<CZAVPDockBar*>(p);
    }
    return nullptr;
}

void CZAVPDockManager::ApplyRestoredRows()
{
    // The bars in the sides' rows now, and the floating ones (a frame that gave way to the
    // stored layout may hold one the layout keeps docked).
    std::vector<CZAVPControlBar*> bars;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (!p->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) ||
            p->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar)))
            continue;
        const CObList& docked = static_cast<CZAVPDockBar*>(p)->GetControlBarList();
        for (POSITION posBar = docked.GetHeadPosition(); posBar != nullptr;) {
            CObject* pBar = docked.GetNext(posBar);
            if (TakesRestoredRowPlace(pBar)) bars.push_back(static_cast<CZAVPControlBar*>(pBar));
        }
    }
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
            m_lstMiniFrames.GetNext(pos));
        CWnd* pBar = HasWindow(pMiniFrame) ? pMiniFrame->GetControlBar() : nullptr;
        if (TakesRestoredRowPlace(pBar) &&
            !static_cast<CZAVPControlBar*>(pBar)->GetRecentFloatingState())
            bars.push_back(static_cast<CZAVPControlBar*>(pBar));
    }

    // Each stored side's bars leave their rows first, then come back row by row and, in a row,
    // from its start: a stored row index adds at most one row, so the rows fill in order.
    struct Place
    {
        CZAVPControlBar* pBar;
        CZAVPDockBar* pDockBar;
        int nRow;
        LONG nStart;
    };
    std::vector<Place> places;
    std::vector<CZAVPControlBar*> floating;
    for (CZAVPControlBar* pBar : bars) {
        const CZAVPRecentDockInfo& recent = pBar->GetRecentDockInfo();
        if (pBar->GetRecentFloatingState()) {
            if (pBar->IsDocked()) floating.push_back(pBar);
            continue;
        }
        CZAVPDockBar* pDockBar = FindSideDockBar(recent.m_dwRecentAlignmentToFrame);
        if (pDockBar == nullptr || !pBar->CanBeDocked(pDockBar)) continue;
        const DockAxis axis(pDockBar->IsHorizontal() != FALSE);
        places.push_back(
            {pBar, pDockBar, recent.m_nRecentRowIndex, axis.Start(recent.m_rectDockedRect)});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        if (a.pDockBar != b.pDockBar) return std::less<CZAVPDockBar*>()(a.pDockBar, b.pDockBar);
        if (a.nRow != b.nRow) return a.nRow < b.nRow;
        return a.nStart < b.nStart;
    });
    // A bar stored floating that no stored frame took (a layout without its frames) floats at
    // its stored place; it leaves its row before the others come back to theirs.
    for (CZAVPControlBar* pBar : floating) {
        const CRect rect = pBar->GetRecentDockInfo().m_rectRecentFloatingRect;
        pBar->FloatControlBar(rect, ZAVP_DM_UNKNOWN, pBar->GetRecentVisibleState());
    }
    for (const Place& place : places)
        if (place.pBar->IsDocked()) place.pBar->UndockControlBar(TRUE);
    for (const Place& place : places)
        place.pBar->DockControlBar(place.pDockBar, ZAVP_DM_RECT, nullptr);

    // Last the stored visibility: a hidden bar keeps its place in its row.
    for (CZAVPControlBar* pBar : bars) {
        if (!HasWindow(pBar)) continue;
        const BOOL bShow = pBar->GetRecentVisibleState();
        if (bShow != ((pBar->GetStyle() & WS_VISIBLE) != 0))
            pBar->ShowControlBar(bShow, TRUE, FALSE);
    }
    AdjustDockSiteLayout();
}
