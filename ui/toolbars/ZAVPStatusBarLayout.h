// The status bar's layout arithmetic: where each pane goes across the inner rectangle, who takes
// the free space, and the size grip at the end. The bar gathers the pane widths and applies it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CRect.h"

namespace ZAVPStatusBarLayout
{
const UINT kStretch = 0x08000000;  // SBPS_STRETCH
const int kPaneMargin = 4;         // around a pane's content; between icon and text too

struct Pane
{
    int cxText = 0;
    int cxIcon = 0;
    UINT nStyle = 0;
};

struct Result
{
    std::vector<CRect> rects;  // empty for panes that did not fit
    CRect rectSizeBox;         // empty without a size grip
    int cxSizeBox = 0;
};

// rectInner: the client rectangle less the bar's insets. cxSizeBoxWanted: the grip's width
// (0 without a grip: then the last pane may reach the right border + 1). nGap: between panes.
Result LayOut(const std::vector<Pane>& panes, const CRect& rectInner, int cxSizeBoxWanted, int nGap,
              int nRightBorder, int nTopBorder);

// The width a pane's content needs: text and icon, with a margin between them when both exist.
int ContentWidth(const Pane& pane);
}  // namespace ZAVPStatusBarLayout
