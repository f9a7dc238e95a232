// The order and activation rules of a tab window and its automatic colours, as plain functions
// over the tabs' visible flags. The tab window keeps the records and sends the messages.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace TabLayout
{
// Index where an insertion lands: below 0 or past the end appends.
int InsertPosition(int nIndex, int nCount);

// The active tab after a tab was inserted at nInserted: inserting at the active index makes the
// new tab active; inserting before it keeps the same tab active at its new index.
int ActiveAfterInsert(int nActive, int nInserted);

// Where the record at nIndex stands after the record at nFrom moved to nTo (-1 appends), among
// nCount records.
int IndexAfterMove(int nIndex, int nFrom, int nTo, int nCount);

// The tab to activate after the tab at nRemoved was removed. visible holds the remaining tabs.
// Only a removal at or before the active tab chooses: the nearest visible tab at or after the
// removed position, else the nearest before it (with bLastVisible: the last visible tab).
// With bRememberPrevious the previously active tab comes back, one lower when it lay after the
// removed one. Answers the active tab's new index when the removal did not touch it; -1 when no
// visible tab is left.
struct RemoveRule
{
    bool bLastVisible;
    bool bRememberPrevious;
    int nPreviousActive;  // before the current active tab; -1 when none
};
int ActiveAfterRemove(const std::vector<bool>& visible, int nRemoved, int nActive,
                      const RemoveRule& rule);

// The tab to activate after the tab at nHidden was hidden (visible already says so): the nearest
// visible tab after it, else the nearest before it; -1 when none.
int CandidateAfterHide(const std::vector<bool>& visible, int nHidden);

// Showing or hiding tab nIndex (visible already holds its new flag): the tab to activate, whether
// the active tab is reset first (the active tab was hidden) and whether the activation happens
// (asked for, no tab was visible before, or the active tab was hidden and another can take over).
struct ShowTabPlan
{
    int nCandidate;  // -1: none
    bool bResetActive;
    bool bActivate;
};
ShowTabPlan PlanShowTab(const std::vector<bool>& visible, int nIndex, bool bShow, int nActive,
                        bool bActivate);

// Ctrl+Page Down (bForward) and Ctrl+Page Up: the next visible tab after the active one, wrapping
// at the count. -1, so that nothing happens, when no tab is active or no other tab is visible.
int NextVisibleTab(const std::vector<bool>& visible, int nActive, bool bForward);

// The tab an operation works on: the given one, or the active tab for -1; -1 when that is
// outside the tabs (no active tab: closing does nothing).
int ResolveTab(int nIndex, int nActive, int nCount);

// Dragging a tab along the row: the tab under the pointer that trades places with the active one,
// or -1 (no other tab there, fewer than two tabs, or swapping not allowed).
int SwapTargetDuringDrag(int nHot, int nActive, int nTabs, bool bSwapAllowed);
// A tab dragged out detaches only once the pointer left the drag rectangle around the start
// (SM_CXDRAG by SM_CYDRAG) in either direction.
bool IsBeyondDragThreshold(POINT ptStart, POINT pt, int nDragWidth, int nDragHeight);
// After a tab was dragged out of the row the drag goes on in the row only when the tab stayed or
// the row had just two tabs.
bool DragEndsAfterDetach(bool bDetached, int nTabsBefore);

// Putting the tabs back in a saved order. Each saved control id, in order, takes the next place
// from the front; ids of no tab and repeated ids take none, so a stale or damaged order can never
// name a place beyond the tabs. swaps are the exchanges of places to make in order; nActive is
// the new place of the tab the saved active index named, -1 when that tab is missing.
struct RestorePlan
{
    std::vector<std::pair<int, int>> swaps;
    int nActive;
};
RestorePlan PlanRestoredOrder(const std::vector<int>& tabIds, const std::vector<int>& savedIds,
                              int nSavedActive);

// The automatic colour table for a screen colour depth.
std::vector<COLORREF> AutoColorTable(int nBitsPerPixel);
// A tab's automatic fill colour; the default (-1) when the table is empty.
COLORREF AutoColorFor(const std::vector<COLORREF>& table, int nTab);
const COLORREF kDefaultTabColor = (COLORREF)-1;
}  // namespace TabLayout
