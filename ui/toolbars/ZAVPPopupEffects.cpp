// Animation and scroll steps of a popup menu (see the header).
#include "ui/toolbars/ZAVPPopupEffects.h"

namespace ZAVPPopupEffects
{
AnimationState StartAnimation(AnimationType type, SIZE sizeFinal, int nShadow, int nColumnWidth,
                              int nRowHeight)
{
    AnimationState s;
    s.size.cx = sizeFinal.cx + nShadow;
    s.size.cy = sizeFinal.cy + nShadow;
    s.nFade = 0;
    s.bDone = type == AnimationNone;
    if (type == AnimationUnfold) {
        s.size.cx = nColumnWidth;
        s.size.cy = nRowHeight;
    } else if (type == AnimationSlide) {
        s.size.cy = nRowHeight;
    }
    return s;
}

int ElapsedPeriods(DWORD dwElapsedMs)
{
    return (int)((double)dwElapsedMs / kAnimationPeriodMs + 0.5);
}

AnimationState StepAnimation(AnimationType type, const AnimationState& state, SIZE sizeFinal,
                             int nShadow, int nColumnWidth, int nRowHeight, DWORD dwElapsedMs)
{
    AnimationState s = state;
    if (s.bDone || type == AnimationNone) {
        s.bDone = TRUE;
        return s;
    }

    const int nPeriods = ElapsedPeriods(dwElapsedMs);
    BOOL bFinished = FALSE;
    switch (type) {
    case AnimationUnfold:
        s.size.cx += nPeriods * nColumnWidth;
        s.size.cy += nPeriods * nRowHeight;
        bFinished = s.size.cy - nShadow >= sizeFinal.cy && s.size.cx - nShadow >= sizeFinal.cx;
        break;
    case AnimationSlide:
        s.size.cy += nPeriods * nRowHeight;
        bFinished = s.size.cy - nShadow >= sizeFinal.cy;
        break;
    case AnimationFade:
        s.nFade += kFadeStep;
        if (s.nFade > 100 + kFadeStep * nPeriods) s.nFade = kFadeDone;
        bFinished = s.nFade > 100;
        break;
    default: bFinished = TRUE; break;
    }

    if (bFinished) {
        s.size.cx = sizeFinal.cx + nShadow;
        s.size.cy = sizeFinal.cy + nShadow;
        if (type == AnimationFade)
            s.nFade = kFadeDone;  // the blend weight never goes past the whole menu
        s.bDone = TRUE;
    }
    return s;
}

int ScrollButtonHeight(int nGlyphHeight, int nBorder) { return nGlyphHeight + 2 * nBorder; }

int MaxScrollOffset(int nItems, int nFinalHeight, int nRowHeight)
{
    if (nRowHeight <= 0) return 0;
    const int nMax = nItems - (nFinalHeight / nRowHeight - 2) - 1;
    return nMax < 0 ? 0 : nMax;
}

int OffsetToShowItem(int nOffset, int nItemTop, int nItemBottom, int nVisibleTop,
                     int nVisibleBottom, int nRowHeight, int nItems, int nFinalHeight)
{
    if (nRowHeight <= 0) return nOffset;
    if (nItemTop < nVisibleTop)
        nOffset -= (nVisibleTop - nItemTop) / nRowHeight + 1;
    else if (nItemBottom > nVisibleBottom)
        nOffset += (nItemBottom - nVisibleBottom) / nRowHeight + 1;

    const int nMax = MaxScrollOffset(nItems, nFinalHeight, nRowHeight);
    if (nOffset > nMax) nOffset = nMax;
    if (nOffset < 0) nOffset = 0;
    return nOffset;
}

BOOL ScrollTick(int nDirection, BOOL bCursorOnButton, BOOL bButtonShown, int& nOffset)
{
    if (nDirection == 0 || !bCursorOnButton || !bButtonShown) return FALSE;
    nOffset += nDirection < 0 ? -1 : 1;
    if (nOffset < 0) nOffset = 0;
    return TRUE;
}
}  // namespace ZAVPPopupEffects
