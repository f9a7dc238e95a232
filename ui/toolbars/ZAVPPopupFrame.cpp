// Popup menu window geometry (see the header).
#include "ui/toolbars/ZAVPPopupFrame.h"

namespace ZAVPPopupFrame
{
SIZE WindowSize(const FrameInputs& in)
{
    SIZE size = {in.sizeBar.cx + 2 * in.nBorder, in.sizeBar.cy + 2 * in.nBorder};
    if (in.nLogoSize > 0) {
        if (in.logoLocation == LogoLeft || in.logoLocation == LogoRight)
            size.cx += in.nLogoSize;
        else
            size.cy += in.nLogoSize;
    }
    if (in.bCaption)
        size.cy += in.nSmallCaptionHeight + 2 * in.nBorderHeight + kCaptionExtra;
    else if (in.bTearOff)
        size.cy += kTearOffHeight;
    return size;
}

RECT TearOffRect(int cx, int nBorder)
{
    RECT rc = {nBorder, nBorder, cx - nBorder, nBorder + kTearOffHeight};
    return rc;
}

RECT LogoRect(SIZE sizeMenu, int nBorder, int nLogoSize, LogoLocation location)
{
    RECT rc = {nBorder, nBorder, sizeMenu.cx - nBorder, sizeMenu.cy - nBorder};
    if (nLogoSize <= 0) {
        SetRectEmpty(&rc);
        return rc;
    }
    switch (location) {
    case LogoLeft: rc.right = rc.left + nLogoSize; break;
    case LogoRight: rc.left = rc.right - nLogoSize; break;
    case LogoTop: rc.bottom = rc.top + nLogoSize; break;
    default: rc.top = rc.bottom - nLogoSize; break;
    }
    return rc;
}

POINT DefaultPosition(BOOL bHasParent, POINT ptParentClientTopLeft)
{
    POINT pt = {0, 0};
    if (bHasParent) {
        pt.x = ptParentClientTopLeft.x + kDefaultOffset;
        pt.y = ptParentClientTopLeft.y + kDefaultOffset;
    }
    return pt;
}

int RightAlignedLeft(int x, int cx) { return x + 1 - cx; }

int ShadowDepth(BOOL bMenuShadows, BOOL bCustomizeMode, int nBitsPerPixel, int nVisualDepth)
{
    return bMenuShadows && !bCustomizeMode && nBitsPerPixel > 8 ? nVisualDepth : 0;
}

BOOL ShadowFits(const RECT& rcMenuWithShadow, const RECT& rcTopLevel)
{
    RECT rcUnion;
    ::UnionRect(&rcUnion, &rcMenuWithShadow, &rcTopLevel);
    return ::EqualRect(&rcUnion, &rcTopLevel);
}

ZAVPPopupEffects::AnimationType UsableAnimation(ZAVPPopupEffects::AnimationType type,
                                                int nBitsPerPixel)
{
    if (type == ZAVPPopupEffects::AnimationFade && nBitsPerPixel <= 8)
        return ZAVPPopupEffects::AnimationNone;
    return type;
}

ScrollLayout LayOutScrolling(const RECT& rcInside, int nButtonHeight, int nContentHeight,
                             int nScrolled)
{
    ScrollLayout l;
    l.rcBar = rcInside;
    SetRectEmpty(&l.rcScrollUp);
    SetRectEmpty(&l.rcScrollDown);

    if (nScrolled > 0) {
        SetRect(&l.rcScrollUp, rcInside.left, rcInside.top, rcInside.right,
                rcInside.top + nButtonHeight);
        l.rcBar.top += nButtonHeight;
    }
    // The rows still below the visible area need the scroll-down button.
    if (nContentHeight - nScrolled > l.rcBar.bottom - l.rcBar.top) {
        SetRect(&l.rcScrollDown, rcInside.left, rcInside.bottom - nButtonHeight, rcInside.right,
                rcInside.bottom);
        l.rcBar.bottom -= nButtonHeight;
    }
    return l;
}
}  // namespace ZAVPPopupFrame
