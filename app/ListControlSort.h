// The order the list control's own sort (LVM_SORTITEMS) gives its rows, reproduced on our own
// array, so that a fill can insert its rows already in order instead of asking the control to sort
// them afterwards. The item list's comparison never answers "equal" (rows alike answer "greater"
// both ways round), so where rows tie the order depends on the algorithm itself: the control's is
// a top-down merge sort that halves a range at its middle, (first + last) / 2, sorts both halves
// and merges them, taking the right half's row first only when the comparison of the left half's
// row with it answers greater than 0. Reproduced here, with a scratch buffer instead of shifting
// rows in place, which gives the same order in O(n log n) moves.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>

namespace ListControlSortDetail
{

template <class T, class Compare>
void SortRange(std::vector<T>& items, std::vector<T>& scratch, std::size_t first, std::size_t last,
               Compare& compare)
{
    if (first >= last) return;
    const std::size_t middle = first + (last - first) / 2;
    SortRange(items, scratch, first, middle, compare);
    SortRange(items, scratch, middle + 1, last, compare);
    std::size_t left = first, right = middle + 1, out = 0;
    scratch.clear();
    while (left <= middle && right <= last) {
        if (compare(items[left], items[right]) > 0)
            scratch.push_back(std::move(items[right++]));
        else
            scratch.push_back(std::move(items[left++]));
    }
    // The rest of the right half is in place already; the rest of the left half goes before it.
    while (left <= middle) scratch.push_back(std::move(items[left++]));
    for (out = 0; out < scratch.size(); ++out) items[first + out] = std::move(scratch[out]);
}

}  // namespace ListControlSortDetail

// Orders `items` as the list control orders rows inserted in this order when it sorts them with
// `compare` (answering < 0, 0 or > 0 for two items, as the control's comparison callback does).
template <class T, class Compare>
void SortAsListControl(std::vector<T>& items, Compare compare)
{
    if (items.size() < 2) return;
    std::vector<T> scratch;
    scratch.reserve(items.size());
    ListControlSortDetail::SortRange(items, scratch, 0, items.size() - 1, compare);
}
