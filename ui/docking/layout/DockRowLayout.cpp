// Placement of the bars of one row (see DockRowLayout.h).
#include "ui/docking/layout/DockRowLayout.h"

#include <algorithm>
#include <cstdlib>

namespace DockLayout
{
int RowModel::AvailableLength() const
{
    int used = 0;
    for (const RowBar& bar : bars)
        if (bar.visible) used += bar.length;
    return length - used;
}

std::vector<int> RowModel::VisibleBars() const
{
    std::vector<int> result;
    for (int i = 0; i < (int)bars.size(); ++i)
        if (bars[(size_t)i].visible) result.push_back(i);
    return result;
}

int RowModel::Stretch(int index, int amount)
{
    RowBar& bar = bars[(size_t)index];
    if (amount > 0)
        amount = std::min(amount, std::max(bar.fullLength - bar.length, 0));
    else if (amount < 0)
        amount = std::max(amount, -std::max(bar.length - bar.minLength, 0));
    bar.length += amount;
    return amount;
}

void RowModel::ResolveOverlaps(int index, bool forward)
{
    const int step = forward ? 1 : -1;
    int a = index;
    while (a >= 0 && a < (int)bars.size() && !bars[(size_t)a].visible) a += step;
    for (int b = a + step; a >= 0 && b >= 0 && b < (int)bars.size(); b += step) {
        RowBar& B = bars[(size_t)b];
        if (!B.visible) continue;
        const RowBar& A = bars[(size_t)a];
        if (forward && B.start < A.End())
            B.start += A.End() - B.start;
        else if (!forward && B.End() > A.start)
            B.start -= B.End() - A.start;
        a = b;
    }
}

void RowModel::ShiftBars(int index, int delta, bool forward)
{
    const int step = forward ? 1 : -1;
    int i = index >= 0 ? index : (forward ? 0 : (int)bars.size() - 1);
    bool first = true;
    int prevOldStart = 0, prevOldEnd = 0;
    for (; i >= 0 && i < (int)bars.size(); i += step) {
        RowBar& bar = bars[(size_t)i];
        if (!bar.visible) continue;
        if (!first) {
            const int gap = forward ? bar.start - prevOldEnd : prevOldStart - bar.End();
            delta += forward ? -gap : gap;
            if (forward ? delta < 1 : delta >= 0) return;
        }
        first = false;
        prevOldStart = bar.start;
        prevOldEnd = bar.End();
        bar.start += delta;
    }
}

void RowModel::ArrangeBars(int index)
{
    if (bars.empty() || length <= 0) return;
    int available = AvailableLength();
    const int bar = index >= 0 ? index : 0;
    if (bars.size() == 1 && available < 0) {
        Stretch(0, available);
        bars[0].start = 0;
        return;
    }
    if (index >= 0) ResolveOverlaps(bar, false);
    ResolveOverlaps(bar, true);

    const std::vector<int> visible = VisibleBars();
    if (visible.empty()) return;
    const int firstVisible = visible.front();
    const int lastVisible = visible.back();
    if (bars[(size_t)firstVisible].start < 0)
        ShiftBars(firstVisible, -bars[(size_t)firstVisible].start, true);

    const int overflow = bars[(size_t)lastVisible].End() - length;
    if (overflow < 1) return;
    if (available >= 1) {
        ShiftBars(lastVisible, -overflow, false);
        return;
    }
    ShiftBars(lastVisible, std::abs(available) - overflow, false);
    if (available == 0) return;

    // The bars do not fit: shrink from the last one towards the first.
    int remaining = available;
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        const int applied = Stretch(*it, remaining);
        if (std::abs(applied) < std::abs(remaining))
            bars[(size_t)*it].start -= std::abs(remaining) - std::abs(applied);
        if (applied == remaining) return;
        remaining -= applied;
    }
}

void RowModel::ExpandStretchedBars()
{
    if (bars.empty()) return;
    int available = AvailableLength();
    for (int i : VisibleBars()) {
        if (available < 1) break;
        available -= Stretch(i, available);
    }
    ArrangeBars(-1);
}

int RowModel::GetMoveLimit(int index, bool forward) const
{
    const RowBar& me = bars[(size_t)index];
    int others = 0;
    for (int i = 0; i < (int)bars.size(); ++i)
        if (i != index && bars[(size_t)i].visible && (forward ? i > index : i < index))
            others += bars[(size_t)i].length;
    return forward ? (length - me.End()) - others : -(me.start - others);
}

bool RowModel::MoveBar(int& index, int delta, bool bSwap)
{
    const bool forward = delta >= 0;
    if (bSwap && VisibleBars().size() >= 2) {
        // Passing a neighbour is decided on the move kept inside the row only: the neighbours do
        // not block a bar that is about to exchange places with them.
        RowBar moved = bars[(size_t)index];
        moved.start = std::max(0, std::min(moved.start + delta, length - moved.length));
        for (int i = 0; i < (int)bars.size(); ++i) {
            const RowBar& other = bars[(size_t)i];
            if (i == index || !other.visible || other.End() <= moved.start ||
                moved.End() <= other.start)
                continue;
            // Passed once the moved bar's centre has gone beyond the neighbour's centre.
            const int movedCentre2 = 2 * moved.start + moved.length;
            const int otherCentre2 = 2 * other.start + other.length;
            const bool passed = (i > index && movedCentre2 > otherCentre2) ||
                                (i < index && movedCentre2 < otherCentre2);
            if (!passed) break;
            RowBar neighbour = other;
            neighbour.start = i > index ? moved.start - neighbour.length : moved.End();
            bars[(size_t)i] = moved;
            bars[(size_t)index] = neighbour;
            index = i;
            ResolveOverlaps(index, true);
            ResolveOverlaps(index, false);
            ArrangeBars(index);
            return true;
        }
    }

    const int limit = GetMoveLimit(index, forward);
    if (forward ? limit <= 0 : limit >= 0) return false;
    if (std::abs(limit) < std::abs(delta)) delta = limit;
    bars[(size_t)index].start += delta;
    ResolveOverlaps(index, forward);
    ArrangeBars(index);
    return true;
}

void RowModel::RemoveBar(int index)
{
    Stretch(index, 65535);
    bars.erase(bars.begin() + index);
    for (RowBar& bar : bars) bar.length = bar.fullLength;
    ExpandStretchedBars();
}
}  // namespace DockLayout
