// The order and activation rules of a tab window (see TabStripRules.h).
#include "ui/docking/layout/TabStripRules.h"

#include <algorithm>
#include <cstdlib>

namespace TabLayout
{
namespace
{
// Dragging a tab out keeps the drag in the row when it had fewer tabs than this.
const int kTabsToEndDrag = 3;
// Screens deeper than this get the soft eight-colour table.
const int kPaletteDepth = 8;
const COLORREF kSoftColors[] = {0xE6AF94, 0x75DBFF, 0x9FCDBD, 0x9F9EF0,
                                0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xBBA4D5};
const COLORREF kPaletteColors[] = {0x00FF00, 0xFFFF00, 0xFF00FF, 0xC0C0C0, 0x00FFFF};

bool IsVisible(const std::vector<bool>& visible, int i)
{
    return i >= 0 && i < (int)visible.size() && visible[i];
}

int NearestVisibleFrom(const std::vector<bool>& visible, int nFrom)
{
    for (int i = nFrom; i < (int)visible.size(); ++i)
        if (IsVisible(visible, i)) return i;
    return -1;
}

int NearestVisibleBefore(const std::vector<bool>& visible, int nBefore)
{
    for (int i = nBefore - 1; i >= 0; --i)
        if (IsVisible(visible, i)) return i;
    return -1;
}
}  // namespace

int InsertPosition(int nIndex, int nCount)
{
    return nIndex < 0 || nIndex > nCount ? nCount : nIndex;
}

int ActiveAfterInsert(int nActive, int nInserted)
{
    if (nActive < 0) return 0;
    return nInserted < nActive ? nActive + 1 : nActive;
}

int IndexAfterMove(int nIndex, int nFrom, int nTo, int nCount)
{
    if (nTo < 0 || nTo >= nCount) nTo = nCount - 1;
    if (nIndex == nFrom) return nTo;
    if (nFrom < nIndex && nIndex <= nTo) return nIndex - 1;
    if (nTo <= nIndex && nIndex < nFrom) return nIndex + 1;
    return nIndex;
}

int ActiveAfterRemove(const std::vector<bool>& visible, int nRemoved, int nActive,
                      const RemoveRule& rule)
{
    if (nRemoved > nActive) return nActive;
    if (rule.bRememberPrevious && rule.nPreviousActive >= 0 && rule.nPreviousActive != nRemoved) {
        const int previous = rule.nPreviousActive > nRemoved ? rule.nPreviousActive - 1
                                                             : rule.nPreviousActive;
        if (IsVisible(visible, previous)) return previous;
    }
    if (rule.bLastVisible) return NearestVisibleBefore(visible, (int)visible.size());
    const int after = NearestVisibleFrom(visible, nRemoved);
    return after >= 0 ? after : NearestVisibleBefore(visible, nRemoved);
}

int CandidateAfterHide(const std::vector<bool>& visible, int nHidden)
{
    const int after = NearestVisibleFrom(visible, nHidden + 1);
    return after >= 0 ? after : NearestVisibleBefore(visible, nHidden);
}

ShowTabPlan PlanShowTab(const std::vector<bool>& visible, int nIndex, bool bShow, int nActive,
                        bool bActivate)
{
    int nVisibleBefore = 0;
    for (int i = 0; i < (int)visible.size(); ++i)
        if (i == nIndex ? !bShow : visible[i]) ++nVisibleBefore;

    ShowTabPlan plan{nActive, false, false};
    if (bShow) {
        if (nVisibleBefore == 0) plan.nCandidate = nIndex;
    } else if (nIndex == nActive) {
        plan.nCandidate = CandidateAfterHide(visible, nIndex);
        plan.bResetActive = true;
    }
    plan.bActivate = plan.nCandidate >= 0 &&
                     (bActivate || nVisibleBefore == 0 || plan.bResetActive);
    return plan;
}

int NextVisibleTab(const std::vector<bool>& visible, int nActive, bool bForward)
{
    const int n = (int)visible.size();
    if (nActive < 0 || nActive >= n) return -1;
    for (int step = 1; step < n; ++step) {
        const int i = bForward ? (nActive + step) % n : (nActive - step + n) % n;
        if (visible[i]) return i;
    }
    return -1;
}

int ResolveTab(int nIndex, int nActive, int nCount)
{
    const int tab = nIndex == -1 ? nActive : nIndex;
    return tab >= 0 && tab < nCount ? tab : -1;
}

int SwapTargetDuringDrag(int nHot, int nActive, int nTabs, bool bSwapAllowed)
{
    if (!bSwapAllowed || nTabs < 2 || nHot < 0 || nHot >= nTabs || nHot == nActive) return -1;
    return nHot;
}

bool IsBeyondDragThreshold(POINT ptStart, POINT pt, int nDragWidth, int nDragHeight)
{
    return std::abs(pt.x - ptStart.x) >= nDragWidth || std::abs(pt.y - ptStart.y) >= nDragHeight;
}

bool DragEndsAfterDetach(bool bDetached, int nTabsBefore)
{
    return bDetached && nTabsBefore >= kTabsToEndDrag;
}

RestorePlan PlanRestoredOrder(const std::vector<int>& tabIds, const std::vector<int>& savedIds,
                              int nSavedActive)
{
    RestorePlan plan{{}, -1};
    std::vector<int> order = tabIds;
    int place = 0;
    for (int k = 0; k < (int)savedIds.size(); ++k) {
        // Only the places not yet filled are searched: a repeated id finds nothing.
        const auto it = std::find(order.begin() + place, order.end(), savedIds[k]);
        if (it == order.end()) continue;
        const int at = (int)(it - order.begin());
        if (at != place) {
            std::swap(order[place], order[at]);
            plan.swaps.push_back({place, at});
        }
        if (k == nSavedActive) plan.nActive = place;
        ++place;
    }
    return plan;
}

std::vector<COLORREF> AutoColorTable(int nBitsPerPixel)
{
    if (nBitsPerPixel > kPaletteDepth)
        return std::vector<COLORREF>(std::begin(kSoftColors), std::end(kSoftColors));
    return std::vector<COLORREF>(std::begin(kPaletteColors), std::end(kPaletteColors));
}

COLORREF AutoColorFor(const std::vector<COLORREF>& table, int nTab)
{
    if (table.empty() || nTab < 0) return kDefaultTabColor;
    return table[(size_t)nTab % table.size()];
}
}  // namespace TabLayout
