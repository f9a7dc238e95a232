// The outlook pane's arithmetic without a window: where its column of large buttons and its two
// scroll buttons go, how one scroll step and one page of steps move the column, and the width
// search of a button laid out across a horizontal pane.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/CRect.h"
#include "framework/CSize.h"

namespace ZAVPOutlookPaneLayout
{
// The scroll buttons keep this distance from the client corners.
const int kScrollButtonInset = 5;

struct Placement
{
    std::vector<CRect> buttons;  // one per button, client coordinates
    BOOL bShowUp = FALSE;
    CPoint ptUp;  // top-left corner of the up button while shown
    BOOL bShowDown = FALSE;
    CPoint ptDown;
    BOOL bCanScrollDown = FALSE;  // the last button ends below the client area
};

// Lays the buttons of the given sizes out in one column centred across the client area, shifted
// up by the scroll offset; the scroll buttons show where there is something to scroll to and
// they fit in the client area.
Placement Locate(const CRect& rectClient, const std::vector<CSize>& sizes, int nScrollOffset,
                 int nFirstVisible, int nSpacing, CSize sizeScrollButton);

struct ScrollState
{
    int nOffset = 0;        // pixels scrolled
    int nFirstVisible = 0;  // index of the first button shown
};

// One step towards the top: the offset shrinks by the height of the button that was first;
// at the first button the column is back at its start. FALSE (and the state reset to the
// start) when there was nothing to scroll.
BOOL StepUp(ScrollState& state, const std::vector<int>& heights);
// One step towards the bottom while the column runs past the client area and another button
// follows; FALSE when nothing moved.
BOOL StepDown(ScrollState& state, const std::vector<int>& heights, BOOL bCanScrollDown);
// How many steps make a page: the client height over the first visible button's height and
// the spacing, at least one step (a zero height never divides).
int PageSteps(int nClientHeight, int nSpacing, int nFirstButtonHeight);

// The width of a button text laid across a horizontal pane: starting at nStartWidth, one pixel
// wider at a time until the wrapped text (measured by `wrappedHeight`) is no taller than the
// limit. The search stops at the single-line width, where wrapping can do no more: a line
// taller than the limit would otherwise never end it.
int FitTextWidth(int nStartWidth, int nSingleLineWidth, int nHeightLimit,
                 const std::function<int(int)>& wrappedHeight);
}  // namespace ZAVPOutlookPaneLayout
