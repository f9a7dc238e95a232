// The arithmetic of bar containers and their sliders: splitting a bar's rectangle for a new
// neighbour, sharing a node's length between its two sides, minimum sizes, slider drag limits
// and the outline that follows the mouse. The container and slider windows gather the inputs.
#pragma once

#include <windows.h>

#include <vector>

namespace DockLayout
{
// Thickness of a slider created for a split.
const int kSliderWidth = 4;
// Share of a side when nothing better is known, and the full share.
const int kHalfPercent = 50;
const int kFullPercent = 100;
// Distance a default slider keeps from the far edge of the frame's client area.
const int kDefaultSliderMargin = 4;

// Slider style bits.
const DWORD kSliderHorizontal = 0x1;  // between bars stacked top-to-bottom, dragged vertically
const DWORD kSliderVertical = 0x2;    // between bars side by side, dragged horizontally

// A split of a target bar's rectangle for a new bar.
struct SplitRects
{
    RECT rectNew;            // the new bar
    RECT rectSlider;         // the slider between them
    BOOL bHorizontalSlider;  // top and bottom splits
    BOOL bNewIsFirst;        // left and top: the new bar takes the first side and goes first
};

// Splits rectTarget for a new bar of sizeNew (widened to sizeNewMin) on the side named by the
// alignment's 0xF000 bits; the new bar takes at most half of the target. rectTarget shrinks to
// what is left of the target. FALSE, with nothing changed, for any alignment other than one side.
BOOL CalcSplitRects(RECT& rectTarget, SIZE sizeNew, SIZE sizeNewMin, DWORD dwAlignment,
                    SplitRects& result, int nSliderWidth = kSliderWidth);

// One side of a node being laid out.
struct SplitSide
{
    BOOL bPresent;  // visible bar, or a subtree holding one
    LONG nLength;   // current length along the split
    BOOL bEmpty;    // its current rectangle is empty
    int nPercent;   // stored share (the bar's or the subtree's); 0 when the side holds neither
};

struct SplitResult
{
    BOOL bFirstPresent;
    BOOL bSecondPresent;
    LONG nFirst;        // length of the first side (0 when it is absent)
    LONG nSecond;       // length of the second side
    BOOL bSlider;       // both sides present: the slider stands between them
    int nFirstPercent;  // shares stored back into the sides
    int nSecondPercent;
};

// Shares a node's new length between its sides. nOldLength is the node's length at the last
// layout. A lone present side takes everything (share 100); with both present the first keeps
// its length when nothing changed and gains or loses by the other side's share otherwise. A node
// that had no length keeps the stored shares and is divided by them.
SplitResult CalcSplitLayout(LONG nOldLength, LONG nNewLength, const SplitSide& first,
                            const SplitSide& second, int nSliderWidth = kSliderWidth);

// The three rectangles of a node laid out in rect: the split runs across a horizontal slider
// (stacked sides) or a vertical one (sides next to each other).
void PlaceSplit(const RECT& rect, BOOL bHorizontalSlider, const SplitResult& split, RECT& rectFirst,
                RECT& rectSlider, RECT& rectSecond, int nSliderWidth = kSliderWidth);

// Where a stored slider puts a node's split: the first side runs from the node's start to the
// slider, the second from the slider's far edge to the node's end. Whole-percent shares cannot
// say this to the pixel; the slider's stored rectangle can. FALSE when the slider does not lie
// across the node (it was stored for another size), and the shares then decide.
BOOL SplitAtSlider(const RECT& rectNode, const RECT& rectSlider, BOOL bHorizontalSlider,
                   SplitResult& split, int nSliderWidth = kSliderWidth);

// A node's minimum size from its present sides' minimums: a present slider adds its thickness
// and sums the sides along the split; without one the larger of each dimension counts.
SIZE CombineMinSizes(SIZE sizeFirst, BOOL bFirstPresent, SIZE sizeSecond, BOOL bSecondPresent,
                     BOOL bSliderPresent, BOOL bHorizontalSlider, int nSliderWidth = kSliderWidth);

// How far an inner slider may move: the first side must keep nFirstMin, the second nSecondMin.
// The limits never exclude the current position (an undersized side cannot be made larger by
// not moving).
void InnerSliderLimits(LONG nFirst, LONG nFirstMin, LONG nSecond, LONG nSecondMin, LONG& nMinOffset,
                       LONG& nMaxOffset);

// How far a frame's default slider may move: the container keeps its minimum length, and grows
// no closer than kDefaultSliderMargin to the far edge of the client area. The alignment is the
// container's side of the frame.
void DefaultSliderLimits(DWORD dwAlignment, const RECT& rectSlider, LONG nContainerLength,
                         LONG nContainerMin, const RECT& rectClientArea, LONG& nMinOffset,
                         LONG& nMaxOffset);

// Applies a slider move to a node's sides, clamped by their minimums. Answers the offset used.
LONG MoveSplit(LONG& nFirst, LONG nFirstMin, LONG& nSecond, LONG nSecondMin, LONG nDelta);

// The slider's rectangle widened by the drag limits along its drag axis.
RECT SliderLimitsRect(const RECT& rectSlider, DWORD dwSliderStyle, LONG nMinOffset,
                      LONG nMaxOffset);

// The drag outline for a cursor position: the slider's width centred on the cursor along the drag
// axis (half the width truncated toward zero), pushed back inside the limits, low end first.
RECT SliderDragOutline(const RECT& rectSlider, DWORD dwSliderStyle, int nWidth, POINT ptCursor,
                       const RECT& rectLimits);

// The part of an offset a slider moves by: y for a horizontal slider, x for a vertical one,
// nothing for a slider with neither style bit.
LONG SliderMoveOffset(DWORD dwSliderStyle, POINT ptOffset);

// A default slider standing in rect for a container on the given side: the slider strip lies on
// the container's inner edge and the rest is the container's.
void SplitSliderStrip(const RECT& rect, DWORD dwAlignment, int nWidth, RECT& rectSlider,
                      RECT& rectContainer);

// The id of a new slider. nCounter is the class-wide counter (the next id to give, from 1):
// -1 takes its value; a given id raises it past that id; an id some slider of the manager
// already has (usedIds) is never given again, the counter's next free value is taken instead.
int ChooseSliderId(int& nCounter, int nRequested, const std::vector<int>& usedIds);

// How much of a stretch a node can take: growing is unbounded, shrinking stops at the minimum.
LONG CutStretch(LONG nDelta, LONG nLength, LONG nMinLength);
}  // namespace DockLayout
