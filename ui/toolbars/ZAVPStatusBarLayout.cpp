// Status bar layout arithmetic (see ZAVPStatusBarLayout.h).
#include "ui/toolbars/ZAVPStatusBarLayout.h"

#include <algorithm>

namespace ZAVPStatusBarLayout
{
int ContentWidth(const Pane& pane)
{
    int cx = pane.cxText + pane.cxIcon;
    if (pane.cxText >= 1 && pane.cxIcon >= 1) cx += kPaneMargin;
    return cx;
}

Result LayOut(const std::vector<Pane>& panes, const CRect& rectInner, int cxSizeBoxWanted, int nGap,
              int nRightBorder, int nTopBorder)
{
    Result result;
    result.rects.resize(panes.size());
    CRect rect = rectInner;
    result.cxSizeBox = std::max(0, std::min(cxSizeBoxWanted, rect.Height()));
    rect.right -= result.cxSizeBox;
    const int nLimit = result.cxSizeBox > 0 ? rect.right : rect.right + nRightBorder + 1;

    int nFree = rect.Width() + nGap;
    for (const Pane& pane : panes) nFree -= ContentWidth(pane) + kPaneMargin + nGap;

    int x = rect.left;
    bool bStretched = false;
    int nLastRight = -1;
    for (size_t i = 0; i < panes.size(); ++i) {
        if (x >= nLimit) {
            result.rects[i] = CRect(0, 0, 0, 0);
            continue;
        }
        int cx = ContentWidth(panes[i]);
        if (!bStretched && (panes[i].nStyle & kStretch) != 0) {
            bStretched = true;  // only the first stretching pane
            if (nFree >= 1) {
                cx += nFree;
                nFree = 0;
            }
        }
        const int right = std::min(x + cx + kPaneMargin, nLimit);
        result.rects[i] = CRect(x, rect.top, right, rect.bottom);
        nLastRight = right;
        x = right + nGap;
    }

    if (result.cxSizeBox > 0) {
        const int left = nLastRight >= 0 ? nLastRight : rect.right;
        const int cx = std::min(result.cxSizeBox, rect.Height() + nTopBorder);
        result.rectSizeBox = CRect(left, rect.top, left + cx, rect.bottom);
    }
    return result;
}
}  // namespace ZAVPStatusBarLayout
