// Customisation-mode arithmetic (see ZAVPCustomizeDrag.h).
#include "ui/toolbars/ZAVPCustomizeDrag.h"

#include <algorithm>
#include <cstdlib>

namespace ZAVPCustomizeDrag
{
namespace
{
CRect MarkAt(int nEdge, const CRect& rectButton, bool bHorz, const CRect& rectClient)
{
    CRect rect = bHorz ? CRect(nEdge - kMarkHalfWidth, rectButton.top, nEdge + kMarkHalfWidth,
                               rectButton.bottom)
                       : CRect(rectButton.left, nEdge - kMarkHalfWidth, rectButton.right,
                               nEdge + kMarkHalfWidth);
    // Kept inside the client area, shifted rather than cut.
    if (bHorz) {
        if (rect.left < rectClient.left) rect.OffsetRect(rectClient.left - rect.left, 0);
        if (rect.right > rectClient.right) rect.OffsetRect(rectClient.right - rect.right, 0);
    } else {
        if (rect.top < rectClient.top) rect.OffsetRect(0, rectClient.top - rect.top);
        if (rect.bottom > rectClient.bottom) rect.OffsetRect(0, rectClient.bottom - rect.bottom);
    }
    rect.IntersectRect(rect, rectClient);
    return rect;
}
}  // namespace

DropPlace FindDropIndex(const std::vector<CRect>& rects, bool bHasCustomize, bool bHorz, CPoint pt,
                        int nRowHeight, const CRect& rectClient)
{
    const int nCount = (int)rects.size() - (bHasCustomize ? 1 : 0);
    if (nCount <= 0) return {-1, CRect(0, 0, 0, 0)};
    // The shown buttons, in bar order.
    std::vector<int> shown;
    for (int i = 0; i < nCount; ++i)
        if (!rects[(size_t)i].IsRectEmpty()) shown.push_back(i);
    if (shown.empty()) return {-1, CRect(0, 0, 0, 0)};

    if (!bHorz) {
        for (int i : shown) {
            const CRect& r = rects[(size_t)i];
            if (r.bottom < pt.y) continue;
            const bool bAfter = pt.y - r.top > r.bottom - pt.y;
            return {bAfter ? i + 1 : i, MarkAt(bAfter ? r.bottom : r.top, r, false, rectClient)};
        }
        const CRect& r = rects[(size_t)shown.back()];
        return {shown.back() + 1, MarkAt(r.bottom, r, false, rectClient)};
    }

    const int nPitch = std::max(1, nRowHeight + kRowGap);
    const int nRow = std::max(0, (int)pt.y) / nPitch;
    int iLastInRow = -1;
    for (int i : shown) {
        const CRect& r = rects[(size_t)i];
        if (r.top / nPitch != nRow) continue;
        if (pt.x < r.right || (iLastInRow < 0 && pt.x < r.left)) {
            const bool bAfter = pt.x - r.left > r.right - pt.x;
            return {bAfter ? i + 1 : i, MarkAt(bAfter ? r.right : r.left, r, true, rectClient)};
        }
        iLastInRow = i;
    }
    // Past the row's last button (or below every row): after the last one.
    const int iAfter = iLastInRow >= 0 ? iLastInRow : shown.back();
    const CRect& r = rects[(size_t)iAfter];
    return {iAfter + 1, MarkAt(r.right, r, true, rectClient)};
}

InPlaceAction InPlaceDrop(int iOld, int iDrop, int nDistanceTowardEnd, bool bSeparatorBefore)
{
    if (iDrop != iOld && iDrop != iOld + 1) return kMove;
    if (nDistanceTowardEnd >= kGroupDistance && !bSeparatorBefore && iOld > 0) return kAddSeparator;
    if (nDistanceTowardEnd <= -kGroupDistance && bSeparatorBefore) return kRemoveSeparator;
    return kNothing;
}

bool InStretchZone(const CRect& rectButton, CPoint pt)
{
    return rectButton.PtInRect(pt) && rectButton.right - pt.x <= kStretchZone;
}

bool AcceptsStretch(const CRect& rectButton, int x)
{
    return x - rectButton.left > kStretchMinWidth &&
           std::abs(x - rectButton.right) > kStretchMinChange;
}

MenuStates ContextMenuStates(const ButtonFacts& f, UINT uiImage, UINT uiText, UINT uiImageAndText)
{
    MenuStates s = {};
    s.bResetEnabled = f.bHasCommand && !f.bLocked;
    s.bCopyImageEnabled = f.bShowsImage && f.bHasImage;
    s.bImageEnabled = !f.bTextBelowHorz;
    s.bTextEnabled = true;
    s.bImageAndTextEnabled = true;
    if (f.bShowsText && f.bShowsImage)
        s.uiChecked = uiImageAndText;
    else if (f.bShowsText)
        s.uiChecked = uiText;
    else
        s.uiChecked = uiImage;
    if (f.bMenuMode) s.bImageEnabled = s.bTextEnabled = s.bImageAndTextEnabled = false;
    s.bBeginGroupEnabled = !f.bFirst;
    s.bBeginGroupChecked = f.bSeparatorBefore;
    return s;
}
}  // namespace ZAVPCustomizeDrag
