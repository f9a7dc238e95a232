// The outlook pane's arithmetic (see the header).
#include "ui/panes/ZAVPOutlookPaneLayout.h"

#include <algorithm>

namespace ZAVPOutlookPaneLayout
{
namespace
{
BOOL Fits(const CRect& rectClient, CSize size)
{
    return rectClient.Width() - kScrollButtonInset >= size.cx &&
           rectClient.Height() - kScrollButtonInset >= size.cy;
}
}  // namespace

Placement Locate(const CRect& rectClient, const std::vector<CSize>& sizes, int nScrollOffset,
                 int nFirstVisible, int nSpacing, CSize sizeScrollButton)
{
    Placement placement;
    int y = rectClient.top - nScrollOffset + nSpacing;
    placement.ptUp = CPoint(rectClient.right - sizeScrollButton.cx - kScrollButtonInset,
                            rectClient.top + kScrollButtonInset);
    placement.bShowUp = nFirstVisible > 0 && Fits(rectClient, sizeScrollButton);
    placement.buttons.reserve(sizes.size());
    for (const CSize& size : sizes) {
        const int cx = std::min<int>(size.cx, rectClient.Width() - 1);
        const int left = rectClient.left + (rectClient.Width() - cx) / 2;
        placement.buttons.emplace_back(left, y, left + cx, y + size.cy);
        y += size.cy + nSpacing;
    }
    placement.bCanScrollDown = y > rectClient.bottom;
    placement.ptDown = CPoint(rectClient.right - sizeScrollButton.cx - kScrollButtonInset,
                              rectClient.bottom - sizeScrollButton.cy - kScrollButtonInset);
    placement.bShowDown = placement.bCanScrollDown && Fits(rectClient, sizeScrollButton);
    return placement;
}

BOOL StepUp(ScrollState& state, const std::vector<int>& heights)
{
    if (state.nOffset > 0 && state.nFirstVisible > 0 && !heights.empty()) {
        // The height of the button that was first, not of the one that comes back into view.
        const size_t iOld = (size_t)std::min<int>(state.nFirstVisible, (int)heights.size() - 1);
        state.nOffset = std::max(0, state.nOffset - heights[iOld]);
        --state.nFirstVisible;
        if (state.nFirstVisible == 0) state.nOffset = 0;
        return TRUE;
    }
    state = ScrollState();
    return FALSE;
}

BOOL StepDown(ScrollState& state, const std::vector<int>& heights, BOOL bCanScrollDown)
{
    if (!bCanScrollDown || state.nFirstVisible < 0 ||
        state.nFirstVisible + 1 >= (int)heights.size())
        return FALSE;
    state.nOffset += heights[(size_t)state.nFirstVisible];
    ++state.nFirstVisible;
    return TRUE;
}

int PageSteps(int nClientHeight, int nSpacing, int nFirstButtonHeight)
{
    const int nStep = std::max(1, nSpacing + nFirstButtonHeight);
    return std::max(1, nClientHeight / nStep);
}

int FitTextWidth(int nStartWidth, int nSingleLineWidth, int nHeightLimit,
                 const std::function<int(int)>& wrappedHeight)
{
    int cx = std::max(1, nStartWidth);
    while (cx < nSingleLineWidth && wrappedHeight(cx) > nHeightLimit) ++cx;
    return cx;
}
}  // namespace ZAVPOutlookPaneLayout
