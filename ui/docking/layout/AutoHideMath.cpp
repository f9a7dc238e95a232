// Auto-hide button sizes and slide steps (see AutoHideMath.h).
#include "ui/docking/layout/AutoHideMath.h"

#include <algorithm>

#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"

namespace DockLayout
{
namespace
{
// The turns that bring a top strip's borders to the other sides.
const int kTurnLeft = -90;
const int kTurnRight = 90;
const int kTurnBottom = 180;

LONG StepToward(LONG from, LONG to, LONG nStep)
{
    if (from < to) return std::min(from + nStep, to);
    return std::max(from - nStep, to);
}
}  // namespace

BOOL AutoHideButtonShowsText(BOOL bLimitToActiveStrip, BOOL bHasIcon, BOOL bStripActive,
                             BOOL bAnyStripActiveInRow)
{
    return !bLimitToActiveStrip || !bHasIcon || bStripActive || !bAnyStripActiveInRow;
}

SIZE AutoHideButtonTextExtent(DWORD dwSide, SIZE sizeText, BOOL bShowText)
{
    if (bShowText) return sizeText;
    SIZE size = sizeText;
    if (IsHorizontalAlignment(dwSide))
        size.cx = 0;
    else
        size.cy = 0;
    return size;
}

SIZE AutoHideButtonSize(BOOL bHasPane, DWORD dwSide, BOOL bHasIcon, SIZE sizeIcon, SIZE sizeText)
{
    SIZE sz;
    sz.cx = sz.cy = kAutoHideButtonMargin + 2 * kAutoHideButtonBorder;
    if (!bHasPane) return sz;

    const BOOL bHorizontal = IsHorizontalAlignment(dwSide);
    SIZE icon = {0, 0};
    LONG nGap = 0;
    if (bHasIcon) {
        icon = sizeIcon;
        const BOOL bText = bHorizontal ? sizeText.cx > 0 : sizeText.cy >= 1;
        nGap = bText ? kAutoHideIconGap + (bHorizontal ? icon.cx : icon.cy)
                     : kAutoHideButtonMargin + 1;
    } else
        nGap = kAutoHideButtonMargin + kAutoHideNoIconExtra;

    if (bHorizontal) {
        sz.cx += sizeText.cx + nGap + icon.cx;
        sz.cy += std::max(icon.cy, sizeText.cy);
    } else {
        sz.cx += std::max(icon.cx, sizeText.cx);
        sz.cy += icon.cy + sizeText.cy + nGap;
    }
    return sz;
}

void AutoHideButtonBorders(DWORD dwSide, LONG borders[4])
{
    // A top strip's button is open at the top.
    borders[0] = kAutoHideButtonBorder;
    borders[1] = 0;
    borders[2] = kAutoHideButtonBorder;
    borders[3] = kAutoHideButtonBorder;
    switch (dwSide & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_LEFT: RotateSideValues(borders, kTurnLeft); break;
    case DOCK_ALIGN_RIGHT: RotateSideValues(borders, kTurnRight); break;
    case DOCK_ALIGN_BOTTOM: RotateSideValues(borders, kTurnBottom); break;
    default: break;
    }
}

LONG SlideLength(const RECT& rectBar, DWORD dwSide)
{
    return IsHorizontalAlignment(dwSide) ? rectBar.bottom - rectBar.top
                                         : rectBar.right - rectBar.left;
}

LONG SlideStepSize(LONG nLength, BOOL bAnimate)
{
    if (!bAnimate) return std::max<LONG>(1, nLength);
    return std::max<LONG>(1, nLength / kSlideStepCount);
}

RECT SlideHiddenRect(const RECT& rectShown, DWORD dwSide, int nMode)
{
    RECT r = rectShown;
    const LONG nLength = SlideLength(rectShown, dwSide);
    switch (dwSide & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_LEFT:
        if (nMode == kSlideResize)
            r.right = r.left;
        else
            ::OffsetRect(&r, -nLength, 0);
        break;
    case DOCK_ALIGN_RIGHT:
        if (nMode == kSlideResize)
            r.left = r.right;
        else
            ::OffsetRect(&r, nLength, 0);
        break;
    case DOCK_ALIGN_TOP:
        if (nMode == kSlideResize)
            r.bottom = r.top;
        else
            ::OffsetRect(&r, 0, -nLength);
        break;
    case DOCK_ALIGN_BOTTOM:
        if (nMode == kSlideResize)
            r.top = r.bottom;
        else
            ::OffsetRect(&r, 0, nLength);
        break;
    default: break;
    }
    return r;
}

RECT SlideStepRect(const RECT& rectCurrent, const RECT& rectEnd, LONG nStep)
{
    RECT r;
    r.left = StepToward(rectCurrent.left, rectEnd.left, nStep);
    r.top = StepToward(rectCurrent.top, rectEnd.top, nStep);
    r.right = StepToward(rectCurrent.right, rectEnd.right, nStep);
    r.bottom = StepToward(rectCurrent.bottom, rectEnd.bottom, nStep);
    return r;
}

BOOL IsSlideComplete(const RECT& rectCurrent, const RECT& rectEnd)
{
    return ::EqualRect(&rectCurrent, &rectEnd);
}

BOOL ShouldSlideIn(const AutoHideCheck& c)
{
    if (c.bActive || c.bPinnedGuard || !c.bAutoHideMode || c.bPopupVisible) return FALSE;
    RECT both;
    ::UnionRect(&both, &c.rectPane, &c.rectSlider);
    if (c.bOverPaneWindows && ::PtInRect(&both, c.ptCursor)) return FALSE;
    return !c.bOverButton;
}

RollAction CheckRollState(BOOL bLocked, BOOL bRolledUp, BOOL bCursorInside, BOOL bFrameUnderCursor,
                          BOOL bPinned)
{
    if (bLocked) return ROLL_NONE;
    if (bRolledUp) return (bCursorInside && bFrameUnderCursor) ? ROLL_DOWN : ROLL_NONE;
    return (!bCursorInside && !bPinned) ? ROLL_UP : ROLL_NONE;
}
}  // namespace DockLayout
