// Auto-hide arithmetic: the size and borders of a pane's button on its strip, and the steps of
// a pane sliding out over the frame and back. The strip and pane windows apply the results.
#pragma once

#include <windows.h>

namespace DockLayout
{
const int kAutoHideButtonBorder = 1;
const int kAutoHideButtonMargin = 2;
const int kAutoHideIconGap = 10;        // between the icon and the text
const int kAutoHideNoIconExtra = 20;    // width added for a button without an icon
const int kSlideStepCount = 12;         // an animated slide takes about this many steps

// Slide modes of a pane: move the window, or grow and shrink it.
const int kSlideMove = 1;
const int kSlideResize = 2;

// A strip button's size for a pane on the given side (CBRS_ALIGN_*): text and icon laid along
// the strip on top and bottom sides, stacked on left and right ones. Without a pane only the
// margin and borders count.
SIZE AutoHideButtonSize(BOOL bHasPane, DWORD dwSide, BOOL bHasIcon, SIZE sizeIcon, SIZE sizeText);

// The button's border widths (left, top, right, bottom): 1 except on the side that faces the
// frame edge, which is open.
void AutoHideButtonBorders(DWORD dwSide, LONG borders[4]);

// How far a pane travels when it slides: its height on the top and bottom sides, its width on
// the left and right ones.
LONG SlideLength(const RECT& rectBar, DWORD dwSide);

// Pixels per step: a twelfth of the length but at least 1; the whole length without animation.
LONG SlideStepSize(LONG nLength, BOOL bAnimate);

// Where a slide ends when the pane hides: moved out past the frame edge (kSlideMove), or shrunk
// to nothing against it (kSlideResize).
RECT SlideHiddenRect(const RECT& rectShown, DWORD dwSide, int nMode);

// One step from the current rectangle toward the end of the slide: every edge moves at most
// nStep pixels and never past the end.
RECT SlideStepRect(const RECT& rectCurrent, const RECT& rectEnd, LONG nStep);

BOOL IsSlideComplete(const RECT& rectCurrent, const RECT& rectEnd);
}  // namespace DockLayout
