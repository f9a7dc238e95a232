// Frame-level docking arithmetic (see DockSiteMath.h).
#include "ui/docking/layout/DockSiteMath.h"

#include <algorithm>

#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
namespace
{
const DWORD kBorderLeft = 0x0100;          // CBRS_BORDER_LEFT
const DWORD kBorderTop = 0x0200;           // CBRS_BORDER_TOP
const DWORD kBorderRight = 0x0400;         // CBRS_BORDER_RIGHT
const DWORD kBorderBottom = 0x0800;        // CBRS_BORDER_BOTTOM
const DWORD kGripperFloatMask = 0x400001;  // CBRS_GRIPPER | CBRS_FLOATING
const DWORD kGripper = 0x400000;

bool InRect(const RECT& r, POINT pt)
{
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}
}  // namespace

BOOL AlignmentIsOneSide(DWORD a)
{
    return a == DOCK_ALIGN_LEFT || a == DOCK_ALIGN_TOP || a == DOCK_ALIGN_RIGHT ||
           a == DOCK_ALIGN_BOTTOM;
}

RECT AlignByRect(const RECT& rem, const RECT& bar, DWORD dwAlignment, BOOL bHorizontal, BOOL bClip)
{
    LONG cx = bar.right - bar.left;
    LONG cy = bar.bottom - bar.top;
    LONG remWidth = rem.right - rem.left;
    LONG remHeight = rem.bottom - rem.top;
    if (bClip) {
        if (bHorizontal && cy > remHeight) cy = std::max(remHeight, 0L);
        if (!bHorizontal && cx > remWidth) cx = std::max(remWidth, 0L);
    }
    RECT r = bar;
    switch (dwAlignment & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_BOTTOM: ::SetRect(&r, rem.left, rem.bottom - cy, rem.right, rem.bottom); break;
    case DOCK_ALIGN_RIGHT: ::SetRect(&r, rem.right - cx, rem.top, rem.right, rem.bottom); break;
    case DOCK_ALIGN_LEFT: ::SetRect(&r, rem.left, rem.top, rem.left + cx, rem.bottom); break;
    case DOCK_ALIGN_TOP: ::SetRect(&r, rem.left, rem.top, rem.right, rem.top + cy); break;
    default: break;
    }
    return r;
}

BOOL LimitToMaxShare(RECT& rect, DWORD dwAlignment, const RECT& client, int nPercent)
{
    if (nPercent <= 0) return FALSE;
    const LONG limitHeight = (client.bottom - client.top) * nPercent / 100;
    const LONG limitWidth = (client.right - client.left) * nPercent / 100;
    switch (dwAlignment & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_TOP:
        if (rect.bottom - rect.top < limitHeight) return FALSE;
        rect.bottom = rect.top + limitHeight;
        return TRUE;
    case DOCK_ALIGN_BOTTOM:
        if (rect.bottom - rect.top < limitHeight) return FALSE;
        rect.top = rect.bottom - limitHeight;
        return TRUE;
    case DOCK_ALIGN_LEFT:
        if (rect.right - rect.left < limitWidth) return FALSE;
        rect.right = rect.left + limitWidth;
        return TRUE;
    case DOCK_ALIGN_RIGHT:
        if (rect.right - rect.left < limitWidth) return FALSE;
        rect.left = rect.right - limitWidth;
        return TRUE;
    default: return FALSE;
    }
}

DWORD HitTestDockEdges(POINT pt, const RECT& R, int s, BOOL bOuter, DWORD dwEnabled, int h, int t)
{
    struct Band
    {
        DWORD side;
        RECT inner, outer;
    };
    const Band bands[] = {
        {DOCK_ALIGN_TOP,
         {R.left - s, R.top - s, R.right + s, R.top + h + s},
         {R.left - s, R.top - s, R.right + s, R.top}},
        {DOCK_ALIGN_LEFT,
         {R.left - s, R.top - s, R.left + s, R.bottom + s},
         {R.left - s, R.top - s, R.left, R.bottom + s}},
        {DOCK_ALIGN_BOTTOM,
         {R.left - s, R.bottom - t - s, R.right + s, R.bottom + s},
         {R.left - s, R.bottom, R.right + s, R.bottom + s}},
        {DOCK_ALIGN_RIGHT,
         {R.right - s, R.top - s, R.right + s, R.bottom + s},
         {R.right, R.top - s, R.right + s, R.bottom + s}},
    };
    for (const Band& band : bands)
        if ((dwEnabled & band.side) && InRect(bOuter ? band.outer : band.inner, pt))
            return band.side;
    return 0;
}

void RotateSideValues(LONG v[4], int nAngle)
{
    const LONG a = v[0], b = v[1], c = v[2], d = v[3];
    switch (nAngle) {
    case 90: v[0] = d, v[1] = a, v[2] = b, v[3] = c; break;
    case -90: v[0] = b, v[1] = c, v[2] = d, v[3] = a; break;
    case 180: v[1] = d, v[3] = b; break;
    default: break;
    }
}

void KeepRectOnScreen(RECT& rect, const RECT& W, const RECT* pMargins)
{
    const RECT m = pMargins ? *pMargins : RECT{0, 0, 0, 0};
    if (rect.right <= W.left + m.left) ::OffsetRect(&rect, (W.left - m.left) - rect.left, 0);
    if (rect.left >= W.right - m.right) ::OffsetRect(&rect, (W.right - m.right) - rect.right, 0);
    if (rect.top >= W.bottom - m.bottom) ::OffsetRect(&rect, 0, (W.bottom - m.bottom) - rect.top);
    if (rect.bottom < W.top + m.top) ::OffsetRect(&rect, 0, (W.top + m.top) - rect.bottom);
}

BOOL ClipPlacementToWorkArea(const RECT& rectLoaded, const RECT& rectWorkArea, RECT& rectResult)
{
    RECT common;
    if (!::IntersectRect(&common, &rectLoaded, &rectWorkArea)) return FALSE;
    ::SetRect(&rectResult, common.left, common.top,
              common.left + (rectLoaded.right - rectLoaded.left),
              common.top + (rectLoaded.bottom - rectLoaded.top));
    return TRUE;
}

void CalcInsideRect(RECT& rect, BOOL bHorizontal, DWORD dwStyle, BOOL bFloatingOrTabbed,
                    const BarBorders& b)
{
    if (!bFloatingOrTabbed) {
        if (dwStyle & kBorderLeft) ++rect.left;
        if (dwStyle & kBorderTop) ++rect.top;
        if (dwStyle & kBorderRight) --rect.right;
        if (dwStyle & kBorderBottom) --rect.bottom;
    }
    if (bHorizontal) {
        rect.left += b.left;
        rect.top += b.top;
        rect.right -= b.right;
        rect.bottom -= b.bottom;
    } else {
        rect.left += b.top;
        rect.top += b.left;
        rect.right -= b.bottom;
        rect.bottom -= b.right;
    }
    if ((dwStyle & kGripperFloatMask) == kGripper)
        (bHorizontal ? rect.left : rect.top) += kGripperSize;
}

UINT GetFreeToolbarId(UINT uiFirst, UINT uiLast, const std::vector<UINT>& usedIds)
{
    if (uiFirst == (UINT)-1 || uiLast == (UINT)-1 || uiFirst > uiLast) return 0;
    if (usedIds.size() >= (size_t)(uiLast - uiFirst) + 1) return 0;
    for (UINT id = uiFirst;; ++id) {
        if (std::find(usedIds.begin(), usedIds.end(), id) == usedIds.end()) return id;
        if (id == uiLast) return 0;
    }
}

int DetermineDockSite(const DockSiteQuery& q, BOOL* pUseFoundBar)
{
    BOOL bBar = q.bBarFound;
    if (bBar && q.bFoundFloats && !(q.bDraggedFloatMulti && q.bFoundFloatMulti)) bBar = FALSE;
    if (pUseFoundBar) *pUseFoundBar = bBar;
    if (!q.bBarFound && q.bSingleBarMiniFrame) {
        if (pUseFoundBar) *pUseFoundBar = TRUE;
        return DOCK_SITE_TAB;
    }
    if (!bBar)
        return (q.dwNearEdge & q.dwEnabledAlignment & DOCK_ALIGN_ANY) ? DOCK_SITE_EDGE
                                                                      : DOCK_SITE_NONE;
    if (!q.bFoundFloats && (q.dwFoundAlignment & q.dwEnabledAlignment) == 0) return DOCK_SITE_NONE;
    return q.nFoundHitTest;
}
}  // namespace DockLayout
