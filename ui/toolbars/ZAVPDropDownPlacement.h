// Where a drop-down toolbar's frame opens: below (or beside) its button, pulled back inside the
// work area of its monitor. Arithmetic only; the frame gathers the rectangles.
#pragma once

#include "framework/CRect.h"

namespace ZAVPDropDownPlacement
{
struct Input
{
    CPoint pt;          // the asked top-left (screen): the button's left-bottom or right-top
    CSize size;         // the frame's size
    CRect rectWork;     // the monitor's work area
    bool bVertBar;      // the button stands on a vertical bar
    int nBarLeft;       // that bar's window left edge (screen)
    bool bHasButton;    // the frame belongs to a button
    int nButtonHeight;  // its height
};
// A frame past the right edge goes left of a vertical bar, else 3 pixels inside the edge; past
// the bottom it goes above its button (4 pixels more than the button's height) and never above
// the top of the screen.
CPoint Place(const Input& in);
// The asked point: the button's left-bottom corner on a horizontal bar, right-top on a vertical.
CPoint Origin(const CRect& rectButtonScreen, bool bVertBar);

const int kRightGap = 3;
const int kAboveGap = 4;
}  // namespace ZAVPDropDownPlacement
