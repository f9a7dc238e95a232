// The outlook window's arithmetic without a window: the page buttons stacked above the active
// page (up to and including the active one) and below it (the ones after), the page area between
// them, the two arrow buttons beside the active page, and the page-button areas a dragged pane
// may dock into.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CRect.h"

namespace ZAVPOutlookWndLayout
{
struct Input
{
    CRect rectClient;
    int nBorderSize = 0;    // frame painted around the client area
    int nTabs = 0;          // page buttons, hidden ones included
    int nActive = -1;       // the active page, -1 when none
    int nButtonHeight = 0;  // height of one page button
    BOOL bArrows = FALSE;   // the arrow buttons are shown
};

struct Result
{
    std::vector<CRect> tabs;  // one per page button
    CRect rectPage;           // where the active page's window goes
    CRect rectUp;             // empty unless the arrows are shown
    CRect rectDown;
};

Result Layout(const Input& input);

// The page buttons joined at the top (the first one and every one that starts where the one
// before ended) and the rest, which sit at the bottom.
void TabAreas(const std::vector<CRect>& tabs, CRect& rectTop, CRect& rectBottom);

// The slide of page buttons when another page becomes active: this many steps of kSlideStep
// pixels over the page area.
const int kSlideStep = 30;
inline int SlideSteps(int nPageAreaHeight)
{
    return nPageAreaHeight > 0 ? nPageAreaHeight / kSlideStep : 0;
}
}  // namespace ZAVPOutlookWndLayout
