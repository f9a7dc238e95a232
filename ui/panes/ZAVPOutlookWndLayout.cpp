// The outlook window's arithmetic (see the header).
#include "ui/panes/ZAVPOutlookWndLayout.h"

#include <algorithm>

namespace ZAVPOutlookWndLayout
{
Result Layout(const Input& in)
{
    Result out;
    out.rectPage = in.rectClient;
    out.rectPage.DeflateRect(in.nBorderSize + 1, in.nBorderSize + 1);
    if (in.nTabs < 2) out.rectPage.DeflateRect(0, 1);
    const int h = in.nButtonHeight;
    const CRect& client = in.rectClient;
    int y = out.rectPage.top;
    for (int i = 0; i < in.nTabs; ++i) {
        CRect rect(client.left, y, client.right + 1, y + h);
        if (in.bArrows && (i == in.nActive || i == in.nActive + 1)) {
            // The arrow takes a square of the button height at the right of the button.
            rect.right -= h;
            const CRect square(rect.right, rect.top, rect.right + h, rect.bottom);
            (i == in.nActive ? out.rectUp : out.rectDown) = square;
        }
        out.tabs.push_back(rect);
        if (i == in.nActive) out.rectPage.top = rect.bottom;
        if (i >= in.nActive) {
            // The pages after the active one sit at the bottom, the page area ends just above.
            y = client.bottom - (in.nTabs - i - 1) * h + 1;
            if (i + 1 < in.nTabs) out.rectPage.bottom = std::min<int>(out.rectPage.bottom, y - 1);
        } else
            y += h;
    }
    if (in.bArrows && in.nActive >= 0 && in.nActive == in.nTabs - 1) {
        out.rectPage.bottom -= h;
        out.rectDown = CRect(client.right + 1 - h, out.rectPage.bottom, client.right + 1,
                             out.rectPage.bottom + h);
    }
    if (out.rectPage.bottom < out.rectPage.top) out.rectPage.bottom = out.rectPage.top;
    return out;
}

void TabAreas(const std::vector<CRect>& tabs, CRect& rectTop, CRect& rectBottom)
{
    rectTop.SetRectEmpty();
    rectBottom.SetRectEmpty();
    size_t i = 0;
    if (!tabs.empty()) {
        rectTop = tabs[0];
        for (i = 1; i < tabs.size() && tabs[i].top == tabs[i - 1].bottom; ++i)
            rectTop.UnionRect(rectTop, tabs[i]);
    }
    for (; i < tabs.size(); ++i) {
        if (rectBottom.IsRectEmpty())
            rectBottom = tabs[i];
        else
            rectBottom.UnionRect(rectBottom, tabs[i]);
    }
}
}  // namespace ZAVPOutlookWndLayout
