// Placement of the bars of one dock bar row, along the row only: no overlap, bars kept inside the
// row, shrinking from the end while they do not fit, growing back when there is room, pushing
// neighbours when a bar is dragged (a gap absorbs a push). Positions are relative to the row's
// start; the row's windows copy the result.
#pragma once

#include <vector>

namespace DockLayout
{
struct RowBar
{
    int start;       // along the row, from the row's start
    int length;      // current length along the row
    int minLength;   // the bar never shrinks below this
    int fullLength;  // the length the bar wants; it never grows beyond this
    bool visible;

    int End() const { return start + length; }
};

struct RowModel
{
    int length;                // the row's length
    std::vector<RowBar> bars;  // in order along the row

    // Row length minus the visible bars' lengths (negative: they do not fit).
    int AvailableLength() const;
    // Visible bar indexes in order.
    std::vector<int> VisibleBars() const;

    // Grows (positive) or shrinks (negative) a bar at its end, within its full and minimum
    // lengths; answers the amount applied.
    int Stretch(int index, int amount);

    // Moves visible neighbours apart, walking from the bar in one direction.
    void ResolveOverlaps(int index, bool forward);
    // Shifts the chain from the bar (-1: from the first bar forward, from the last backward):
    // the first visible bar by delta, each next one by what is left after the gap before it.
    void ShiftBars(int index, int delta, bool forward);
    // Keeps the visible bars inside the row without overlap, shrinking from the end when they
    // do not fit; index -1 for no particular bar.
    void ArrangeBars(int index);
    // Offers the free length to the visible bars in order, then arranges.
    void ExpandStretchedBars();
    // The free length in the direction of a move (forward positive, backward negative).
    int GetMoveLimit(int index, bool forward) const;
    // Follows a bar dragged along the row by delta; with bSwap the bar may pass its neighbour
    // and exchange places with it. The index of the dragged bar may change; FALSE when there was
    // no room to move.
    bool MoveBar(int& index, int delta, bool bSwap);
    // Takes a bar out: it grows back first, the rest return to their full lengths and arrange.
    void RemoveBar(int index);
};

}  // namespace DockLayout
