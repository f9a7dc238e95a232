// The arithmetic of a popup menu's opening animation and of its scrolling: how far each timer
// tick unfolds, slides or fades the menu, and which row the scrolled item bar starts at. The
// popup window owns the timers, the bitmaps and the painting.
#pragma once

#include <windows.h>

namespace ZAVPPopupEffects
{
// "MenuAnimation" values.
enum AnimationType
{
    AnimationNone = 0,
    AnimationUnfold = 1,
    AnimationSlide = 2,
    AnimationFade = 3,
};

const UINT kAnimationPeriodMs = 30;  // timer 1 of the popup
const UINT kScrollPeriodMs = 80;     // timer 2 of the popup
const int kFadeStep = 10;            // percent per tick
const int kFadeDone = 101;           // a fade past 100 is finished

struct AnimationState
{
    SIZE size;  // the part of the menu shown so far, shadow included
    int nFade;  // fade percentage, 0..101
    BOOL bDone;
};

// The state at the start: unfold shows one column by one row, slide one row of the full width,
// fade the whole menu at 0 %. sizeFinal is without the shadow.
AnimationState StartAnimation(AnimationType type, SIZE sizeFinal, int nShadow, int nColumnWidth,
                              int nRowHeight);

// Number of animation periods in the elapsed time, rounded to nearest.
int ElapsedPeriods(DWORD dwElapsedMs);

// One tick after dwElapsedMs since the last one. A finished animation shows the final size plus
// the shadow.
AnimationState StepAnimation(AnimationType type, const AnimationState& state, SIZE sizeFinal,
                             int nShadow, int nColumnWidth, int nRowHeight, DWORD dwElapsedMs);

// The height of the scroll buttons: the menu glyph height plus the popup border on both sides.
int ScrollButtonHeight(int nGlyphHeight, int nBorder);

// The largest first visible row of a scrolled bar of nItems rows whose menu is nFinalHeight high.
int MaxScrollOffset(int nItems, int nFinalHeight, int nRowHeight);

// The first visible row after the keyboard highlighted the item [nItemTop, nItemBottom) in a bar
// whose visible area is [nVisibleTop, nVisibleBottom): the item is brought into view, and the
// offset kept between 0 and MaxScrollOffset.
int OffsetToShowItem(int nOffset, int nItemTop, int nItemBottom, int nVisibleTop,
                     int nVisibleBottom, int nRowHeight, int nItems, int nFinalHeight);

// One tick of timer 2. nDirection is -1 (up) or 1 (down); the matching scroll button is shown
// (enabled) while there is something to scroll to. FALSE when the timer stops instead: the
// cursor left the button or the button is gone.
BOOL ScrollTick(int nDirection, BOOL bCursorOnButton, BOOL bButtonShown, int& nOffset);
}  // namespace ZAVPPopupEffects
