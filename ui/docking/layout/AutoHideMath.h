// Auto-hide arithmetic: the size and borders of a pane's button on its strip, and the steps of
// a pane sliding out over the frame and back. The strip and pane windows apply the results.
#pragma once

#include <windows.h>

namespace DockLayout
{
const int kAutoHideButtonBorder = 1;
const int kAutoHideButtonMargin = 2;
const int kAutoHideIconGap = 10;      // between the icon and the text
const int kAutoHideNoIconExtra = 20;  // width added for a button without an icon
const int kSlideStepCount = 12;       // an animated slide takes about this many steps

// Slide modes of a pane: move the window, or grow and shrink it.
const int kSlideMove = 1;
const int kSlideResize = 2;

// A strip button's size for a pane on the given side (CBRS_ALIGN_*): text and icon laid along
// the strip on top and bottom sides, stacked on left and right ones. Without a pane only the
// margin and borders count.
SIZE AutoHideButtonSize(BOOL bHasPane, DWORD dwSide, BOOL bHasIcon, SIZE sizeIcon, SIZE sizeText);

// Whether a strip button shows its pane's text. With the limit on, a button with an icon shows
// only the icon while another strip of its row is the active one (the strip whose pane slid out
// last); a button without an icon always keeps its text, having nothing else to show.
BOOL AutoHideButtonShowsText(BOOL bLimitToActiveStrip, BOOL bHasIcon, BOOL bStripActive,
                             BOOL bAnyStripActiveInRow);

// The text extent a button is measured with: the text's own, or with the text hidden none along
// the strip while the strip keeps its thickness across it.
SIZE AutoHideButtonTextExtent(DWORD dwSide, SIZE sizeText, BOOL bShowText);

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

// What the check timer of a slid-out pane sees.
struct AutoHideCheck
{
    BOOL bActive;  // the focus is in the pane
    BOOL bPinnedGuard;
    BOOL bAutoHideMode;
    BOOL bPopupVisible;     // the pane's own popup window shows
    BOOL bOverPaneWindows;  // the window under the cursor is the pane, a child of it or its slider
    BOOL bOverButton;       // the cursor is over the pane's strip button
    RECT rectPane;          // screen coordinates
    RECT rectSlider;
    POINT ptCursor;
};

// TRUE when the pane should slide back in: none of the guards holds and the cursor has left the
// pane, its slider and its strip button.
BOOL ShouldSlideIn(const AutoHideCheck& check);

// One roll-up tick of a mini frame.
enum RollAction
{
    ROLL_NONE,
    ROLL_DOWN,  // back to the unrolled height
    ROLL_UP,    // down to caption and borders
};

// Nothing while the dock manager's update lock is on; a rolled-up frame unrolls when the cursor
// is inside it over the frame itself; an unrolled one rolls up when the cursor is outside and
// the frame is not pinned.
RollAction CheckRollState(BOOL bLocked, BOOL bRolledUp, BOOL bCursorInside, BOOL bFrameUnderCursor,
                          BOOL bPinned);
}  // namespace DockLayout
