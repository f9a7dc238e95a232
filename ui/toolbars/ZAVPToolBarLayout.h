// The toolbar's layout arithmetic on measured button sizes: wrapping into rows, the smallest
// width that keeps a row count, the bar's size, and the placing of buttons with the overflow
// hidden in the customize button. The toolbar window measures its buttons and applies the result.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CRect.h"
#include "framework/CSize.h"

namespace ZAVPToolBarLayout
{
const int kRowGap = 5;  // between rows (or columns)
const int kUnlimited = 32767;

// One button as the layout sees it. The size is the button's own measure (OnCalculateSize with
// the column width and row height); bWrap is the output of wrapping: the row ends after it.
struct Item
{
    CSize size;
    bool bSeparator = false;
    bool bWrap = false;
};

// Wraps the buttons into rows no wider than nWidth (a separator that starts a row takes no room;
// a row is not ended while the next would reach nHeightLimit); returns the number of rows.
int Wrap(std::vector<Item>& items, int nWidth, int nHeightLimit = kUnlimited);

// Wraps the buttons into a grid of nColumns buttons a row (a palette). Separators take no cell.
// Answers the number of rows.
int WrapColumns(std::vector<Item>& items, int nColumns);

// The bar's size once laid out (without its borders) as the docking machinery wants it: a bar
// that stretches along its row claims the longest length, limited by nMaxStretch when that is
// above 0; otherwise neither side is negative.
CSize FixedSize(CSize size, bool bStretch, bool bHorz, int nMaxStretch);

// The size the buttons take as wrapped (horizontal), or stacked one under the other (bVertDock).
// An empty bar is one button size.
CSize CalcSize(const std::vector<Item>& items, bool bVertDock, int nRowHeight, CSize sizeButton);

// Whether the buttons run in rows (left to right, wrapping downwards) rather than down the bar.
// A bar with a column count (a palette) keeps its grid of rows whichever way it is docked: a
// vertically docked palette is as wide as its columns, not one stack of buttons.
bool RunsInRows(bool bHorz, int nColumns);

// Wraps for a length: horizontally the smallest width that keeps the row count of nLength (by
// halving), vertically the narrowest width (in steps of one button) whose height fits nLength;
// then wraps again to the width the buttons really take.
void SizeToolBar(std::vector<Item>& items, int nLength, bool bVert, int nRowHeight,
                 CSize sizeButton);

// Where every button goes. rectInside is the bar's inside rectangle; nLength the length available
// along the bar. With a customize button (sizeCustomize non-empty) on a docked bar outside
// customisation, buttons that would pass the length less the customize button are hidden and
// listed; the customize button ends the row and is shown when it has something to offer. Only
// rows wrap: a vertical bar is one stack from top to bottom.
struct Placement
{
    std::vector<CRect> rects;  // empty for hidden buttons
    std::vector<bool> visible;
    std::vector<int> hidden;  // indexes hidden for lack of room, in order
    CRect rectCustomize;      // empty when the customize button is hidden
    bool bCustomizeVisible = false;
};
Placement Place(const std::vector<Item>& items, const CRect& rectInside, bool bHorz, int nRowHeight,
                bool bDocked, bool bCustomizeMode, CSize sizeCustomize,
                bool bCustomizeHasExtraItems);
}  // namespace ZAVPToolBarLayout
