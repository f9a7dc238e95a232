// Bar-container and slider arithmetic (see ContainerMath.h).
#include "ui/docking/layout/ContainerMath.h"

#include <algorithm>

#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
namespace
{
// A stored share that says nothing about a split (none, all or nothing) counts as half.
int UsableShare(int nPercent)
{
    return (nPercent <= 0 || nPercent >= kFullPercent) ? kHalfPercent : nPercent;
}

// Rows of a split: stacked sides (horizontal slider) run along y.
DockAxis SplitAxis(BOOL bHorizontalSlider) { return DockAxis(!bHorizontalSlider); }
}  // namespace

BOOL CalcSplitRects(RECT& rectTarget, SIZE sizeNew, SIZE sizeNewMin, DWORD dwAlignment,
                    SplitRects& result, int nSliderWidth)
{
    const DWORD side = dwAlignment & DOCK_ALIGN_ANY;
    if (side != DOCK_ALIGN_LEFT && side != DOCK_ALIGN_TOP && side != DOCK_ALIGN_RIGHT &&
        side != DOCK_ALIGN_BOTTOM)
        return FALSE;

    const BOOL bStacked = IsHorizontalAlignment(side);
    // Along the split: y for stacked bars, x for bars side by side.
    const DockAxis axis = SplitAxis(bStacked);
    const LONG nNewLength = std::max(axis.Along(sizeNew), axis.Along(sizeNewMin));
    const LONG nHalf = axis.Length(rectTarget) / 2;
    const LONG nLength = std::min(nNewLength, nHalf);
    const LONG nCrossStart = axis.CrossStart(rectTarget);
    const LONG nThickness = axis.Thickness(rectTarget);

    SplitRects r;
    r.bHorizontalSlider = bStacked;
    r.bNewIsFirst = (side == DOCK_ALIGN_LEFT || side == DOCK_ALIGN_TOP);
    if (r.bNewIsFirst) {
        const LONG nStart = axis.Start(rectTarget);
        r.rectNew = axis.Make(nStart, nLength, nCrossStart, nThickness);
        r.rectSlider = axis.Make(nStart + nLength, nSliderWidth, nCrossStart, nThickness);
        axis.SetStart(rectTarget, nStart + nLength + nSliderWidth);
    } else {
        const LONG nNewStart = axis.End(rectTarget) - nLength;
        r.rectNew = axis.Make(nNewStart, nLength, nCrossStart, nThickness);
        r.rectSlider = axis.Make(nNewStart - nSliderWidth, nSliderWidth, nCrossStart, nThickness);
        axis.SetEnd(rectTarget, nNewStart - nSliderWidth);
    }
    result = r;
    return TRUE;
}

SplitResult CalcSplitLayout(LONG nOldLength, LONG nNewLength, const SplitSide& first,
                            const SplitSide& second, int nSliderWidth)
{
    SplitResult r;
    r.bFirstPresent = first.bPresent;
    r.bSecondPresent = second.bPresent;
    r.nFirst = first.nLength;
    r.nSecond = second.nLength;
    r.bSlider = FALSE;
    r.nFirstPercent = first.nPercent;
    r.nSecondPercent = second.nPercent;

    if (!first.bPresent && !second.bPresent) return r;
    if (!first.bPresent || !second.bPresent) {
        // A lone side fills the node; the absent side keeps its share for when it returns.
        r.nFirst = first.bPresent ? nNewLength : 0;
        r.nSecond = second.bPresent ? nNewLength : 0;
        (first.bPresent ? r.nFirstPercent : r.nSecondPercent) = kFullPercent;
        return r;
    }

    r.bSlider = TRUE;
    const LONG nRoom = std::max<LONG>(0, nNewLength - nSliderWidth);
    LONG nFirst = 0;
    if (nOldLength <= 0) {
        // Nothing to take a share from: the stored shares stand and divide the new length.
        nFirst = nNewLength * UsableShare(first.nPercent) / kFullPercent;
    } else {
        const LONG T = nOldLength;
        LONG F = first.nLength;
        int nTakenPercent = -1;
        if (T < first.nLength + second.nLength || first.bEmpty || second.bEmpty) {
            if (first.nLength >= T) {
                const int p = UsableShare(second.nPercent);
                F = T - T * p / kFullPercent;
                nTakenPercent = kFullPercent - p;
            } else if (second.nLength >= T) {
                const int p = UsableShare(first.nPercent);
                F = T * p / kFullPercent;
                nTakenPercent = p;
            }
        }

        // F * 100 / T rather than F / T * 100: exact shares stay exact in floating point.
        double share = (double)F * kFullPercent / (double)T;
        if (share == 0.0 || share == (double)kFullPercent) share = kHalfPercent;
        const LONG d = nNewLength - T;
        if (d == 0) {
            nFirst = F;
            if (nTakenPercent >= 0) share = nTakenPercent;
        } else if (d > 0)
            nFirst = F + (LONG)((kFullPercent - share) * d / kFullPercent);
        else
            nFirst = F - (LONG)(share * (-d) / kFullPercent);
        r.nFirstPercent = (int)share;
        r.nSecondPercent = kFullPercent - r.nFirstPercent;
    }
    // A side never runs past the node, whatever the inputs were.
    nFirst = std::min(std::max<LONG>(0, nFirst), nRoom);
    r.nFirst = nFirst;
    r.nSecond = nRoom - nFirst;
    return r;
}

void PlaceSplit(const RECT& rect, BOOL bHorizontalSlider, const SplitResult& split, RECT& rectFirst,
                RECT& rectSlider, RECT& rectSecond, int nSliderWidth)
{
    const DockAxis axis = SplitAxis(bHorizontalSlider);
    ::SetRectEmpty(&rectFirst);
    ::SetRectEmpty(&rectSlider);
    ::SetRectEmpty(&rectSecond);
    if (!split.bSlider) {
        if (split.bFirstPresent)
            rectFirst = rect;
        else if (split.bSecondPresent)
            rectSecond = rect;
        return;
    }
    const LONG nStart = axis.Start(rect);
    const LONG nCross = axis.CrossStart(rect);
    const LONG nThick = axis.Thickness(rect);
    rectFirst = axis.Make(nStart, split.nFirst, nCross, nThick);
    rectSlider = axis.Make(nStart + split.nFirst, nSliderWidth, nCross, nThick);
    rectSecond = axis.Make(nStart + split.nFirst + nSliderWidth,
                           axis.End(rect) - (nStart + split.nFirst + nSliderWidth), nCross, nThick);
}

BOOL SplitAtSlider(const RECT& rectNode, const RECT& rectSlider, BOOL bHorizontalSlider,
                   SplitResult& split, int nSliderWidth)
{
    const DockAxis axis = SplitAxis(bHorizontalSlider);
    const LONG nFirst = axis.Start(rectSlider) - axis.Start(rectNode);
    const LONG nRoom = axis.Length(rectNode) - nSliderWidth;
    if (axis.Length(rectSlider) != nSliderWidth || nFirst < 0 || nFirst > nRoom) return FALSE;
    split.bFirstPresent = split.bSecondPresent = split.bSlider = TRUE;
    split.nFirst = nFirst;
    split.nSecond = nRoom - nFirst;
    return TRUE;
}

SIZE CombineMinSizes(SIZE sizeFirst, BOOL bFirstPresent, SIZE sizeSecond, BOOL bSecondPresent,
                     BOOL bSliderPresent, BOOL bHorizontalSlider, int nSliderWidth)
{
    SIZE none = {0, 0};
    const SIZE a = bFirstPresent ? sizeFirst : none;
    const SIZE b = bSecondPresent ? sizeSecond : none;
    SIZE sz;
    sz.cx = std::max(a.cx, b.cx);
    sz.cy = std::max(a.cy, b.cy);
    if (bSliderPresent) {
        if (bHorizontalSlider)
            sz.cy = nSliderWidth + a.cy + b.cy;
        else
            sz.cx = nSliderWidth + a.cx + b.cx;
    }
    return sz;
}

void InnerSliderLimits(LONG nFirst, LONG nFirstMin, LONG nSecond, LONG nSecondMin, LONG& nMinOffset,
                       LONG& nMaxOffset)
{
    nMinOffset = std::min<LONG>(0, nFirstMin - nFirst);
    nMaxOffset = std::max<LONG>(0, nSecond - nSecondMin);
}

void DefaultSliderLimits(DWORD dwAlignment, const RECT& rectSlider, LONG nContainerLength,
                         LONG nContainerMin, const RECT& rectClientArea, LONG& nMinOffset,
                         LONG& nMaxOffset)
{
    const LONG nShrink = std::max<LONG>(0, nContainerLength - nContainerMin);
    nMinOffset = 0;
    nMaxOffset = 0;
    switch (dwAlignment & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_LEFT:  // the slider stands on the container's right edge
        nMinOffset = -nShrink;
        nMaxOffset = std::max<LONG>(0,
                                    rectClientArea.right - kDefaultSliderMargin - rectSlider.right);
        break;
    case DOCK_ALIGN_TOP:
        nMinOffset = -nShrink;
        nMaxOffset = std::max<LONG>(0, rectClientArea.bottom - kDefaultSliderMargin -
                                           rectSlider.bottom);
        break;
    case DOCK_ALIGN_RIGHT:  // the slider stands on the container's left edge
        nMinOffset = std::min<LONG>(0,
                                    rectClientArea.left + kDefaultSliderMargin - rectSlider.left);
        nMaxOffset = nShrink;
        break;
    case DOCK_ALIGN_BOTTOM:
        nMinOffset = std::min<LONG>(0, rectClientArea.top + kDefaultSliderMargin - rectSlider.top);
        nMaxOffset = nShrink;
        break;
    default: break;
    }
}

LONG MoveSplit(LONG& nFirst, LONG nFirstMin, LONG& nSecond, LONG nSecondMin, LONG nDelta)
{
    LONG nLow = 0, nHigh = 0;
    InnerSliderLimits(nFirst, nFirstMin, nSecond, nSecondMin, nLow, nHigh);
    const LONG nUsed = std::min(std::max(nDelta, nLow), nHigh);
    nFirst += nUsed;
    nSecond -= nUsed;
    return nUsed;
}

RECT SliderLimitsRect(const RECT& rectSlider, DWORD dwSliderStyle, LONG nMinOffset, LONG nMaxOffset)
{
    RECT r = rectSlider;
    if (dwSliderStyle & kSliderHorizontal) {
        r.top += nMinOffset;
        r.bottom += nMaxOffset;
    } else if (dwSliderStyle & kSliderVertical) {
        r.left += nMinOffset;
        r.right += nMaxOffset;
    }
    return r;
}

RECT SliderDragOutline(const RECT& rectSlider, DWORD dwSliderStyle, int nWidth, POINT ptCursor,
                       const RECT& rectLimits)
{
    if (!(dwSliderStyle & (kSliderHorizontal | kSliderVertical))) return rectSlider;
    // The drag axis is across the slider: y for a horizontal one.
    const DockAxis axis((dwSliderStyle & kSliderHorizontal) == 0);
    RECT r = rectSlider;
    const LONG nStart = axis.Along(ptCursor) - nWidth / 2;
    axis.SetStart(r, nStart);
    axis.SetEnd(r, nStart + nWidth);
    if (axis.Start(r) < axis.Start(rectLimits))
        axis.OffsetAlong(r, axis.Start(rectLimits) - axis.Start(r));
    if (axis.End(r) > axis.End(rectLimits)) axis.OffsetAlong(r, axis.End(rectLimits) - axis.End(r));
    return r;
}

LONG SliderMoveOffset(DWORD dwSliderStyle, POINT ptOffset)
{
    if (dwSliderStyle & kSliderHorizontal) return ptOffset.y;
    if (dwSliderStyle & kSliderVertical) return ptOffset.x;
    return 0;
}

void SplitSliderStrip(const RECT& rect, DWORD dwAlignment, int nWidth, RECT& rectSlider,
                      RECT& rectContainer)
{
    rectSlider = rect;
    rectContainer = rect;
    switch (dwAlignment & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_BOTTOM:
        rectSlider.bottom = rect.top + nWidth;
        rectContainer.top = rectSlider.bottom;
        break;
    case DOCK_ALIGN_TOP:
        rectSlider.top = rect.bottom - nWidth;
        rectContainer.bottom = rectSlider.top;
        break;
    case DOCK_ALIGN_LEFT:
        rectSlider.left = rect.right - nWidth;
        rectContainer.right = rectSlider.left;
        break;
    case DOCK_ALIGN_RIGHT:
        rectSlider.right = rect.left + nWidth;
        rectContainer.left = rectSlider.right;
        break;
    default: ::SetRectEmpty(&rectSlider); break;
    }
}

int ChooseSliderId(int& nCounter, int nRequested, const std::vector<int>& usedIds)
{
    auto used = [&](int id) {
        return std::find(usedIds.begin(), usedIds.end(), id) != usedIds.end();
    };
    int id = nRequested;
    if (nRequested == -1)
        id = nCounter++;
    else if (nCounter <= nRequested)
        nCounter = nRequested + 1;
    while (used(id)) id = nCounter++;
    return id;
}

LONG CutStretch(LONG nDelta, LONG nLength, LONG nMinLength)
{
    if (nDelta >= 0) return nDelta;
    return std::max(nDelta, -std::max<LONG>(0, nLength - nMinLength));
}
}  // namespace DockLayout
