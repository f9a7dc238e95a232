// The arithmetic of a tab window (see TabStripGeometry.h).
#include "ui/docking/layout/TabStripGeometry.h"

#include <algorithm>

namespace TabLayout
{
namespace
{
const RECT kEmpty = {0, 0, 0, 0};
// The visual manager's buttons are a little wider in the 3D styles, and keep this much of the tab
// area's height free.
const int kButtonPadding = 4;
const int kButtonPadding3D = 2;
const int kButtonHeightMargin = 4;
// The one-tab style's tabs overlap by the tab area height less these pixels.
const int kOneTabOverlapReduction = 4 + 1;
// The shared scroll bar keeps clear of the row's top and bottom edges, and its split point stays
// this far right of the tab area's left edge.
const int kScrollBarTopGap = 1;
const int kScrollBarBottomGap = 2;
const int kScrollBarSplitMargin = 5;

int Width(const RECT& r) { return r.right - r.left; }

int Height(const RECT& r) { return r.bottom - r.top; }

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Buttons side by side from x, centred vertically in the band [top, top + height).
void LayButtons(TabFrameLayout& out, int nCount, int x, int nBandTop, int nBandHeight)
{
    const int top = nBandTop + (nBandHeight - out.nButtonSize) / 2;
    for (int i = 0; i < nCount; ++i) {
        const int left = x + i * out.nButtonSize;
        out.buttons.push_back(RECT{left, top, left + out.nButtonSize, top + out.nButtonSize});
    }
}
}  // namespace

int BaseTabsHeight(int nTextHeight, int nImageHeight)
{
    return std::max(nTextHeight + 2 * kTabTextMargin, nImageHeight + 2 * kTabImageMargin);
}

int FlatTabsHeight(int nScrollBarHeight) { return nScrollBarHeight + kFlatTabsExtraHeight; }

int FitFlatFontHeight(int nStartHeight, int nTabsHeight,
                      const std::function<int(int nHeight)>& textHeightFor)
{
    int height = nStartHeight;
    while (height != 0 && textHeightFor(height) + kFlatTabsExtraHeight > nTabsHeight)
        height += height < 0 ? 1 : -1;
    return height;
}

bool IsTabAreaHidden(int nStyle, bool bHideSingleTab, bool bHideWhenEmpty, int nVisibleTabs)
{
    if (nStyle == TAB_STYLE_FLAT_SCROLL) return false;
    return (bHideSingleTab && nVisibleTabs < 2) || (bHideWhenEmpty && nVisibleTabs == 0);
}

TabFrameLayout CalcTabFrame(const TabFrameInput& in)
{
    TabFrameLayout out{kEmpty, kEmpty, 0, {}};
    const int h = in.nTabsHeight;
    const int b = in.nBorder;
    const RECT& client = in.rectClient;
    const bool flat = IsFlatStyle(in.nStyle);
    const bool hidden = h <= 0;
    // A flat row higher than the client area collapses: no buttons, no tab area.
    bool collapsed = false;

    // The buttons: every scroll button and, when asked, the close button, in one square size.
    const int nButtons = in.bCloseButton ? TAB_BUTTON_COUNT : TAB_BUTTON_COUNT - 1;
    int size = in.nMenuGlyphWidth + in.nButtonExtraBorder + kButtonPadding;
    if (!flat) size = std::min(size + kButtonPadding3D, h - kButtonHeightMargin);
    out.nButtonSize = hidden ? 0 : std::max(size, 0);

    RECT area = {client.left + b, 0, client.right - b, 0};
    if (!hidden) {
        if (flat) {
            // Moved inwards by b - 1 from the edge that holds the tabs.
            const int inset = b > 1 ? b - 1 : 0;
            area.top = in.bTop ? client.top + inset : client.bottom - inset - h;
            area.bottom = area.top + h;
            if (h + b > Height(client)) {
                out.nButtonSize = 0;
                area = kEmpty;
                collapsed = true;
            } else {
                LayButtons(out, nButtons, client.left + b + 1, area.top, h);
                area.left = client.left + b + 1 + nButtons * out.nButtonSize;
                area.right = client.right - b;
            }
        } else {
            area.top = in.bTop ? client.top : client.bottom - h;
            area.bottom = area.top + h;
            const int buttonsLeft = area.right - nButtons * out.nButtonSize;
            LayButtons(out, nButtons, buttonsLeft, area.top, h);
            area.right = buttonsLeft;
            if (in.nStyle == TAB_STYLE_3D_ONE_TAB) area.left += out.nButtonSize;
            area.right -= 2 * b;
        }
        // A window narrower than its buttons keeps an empty tab area rather than an inverted one.
        if (area.right < area.left) area.right = area.left;
    }
    out.rectTabArea = hidden ? RECT{area.left, in.bTop ? client.top : client.bottom, area.right,
                                    in.bTop ? client.top : client.bottom}
                             : area;

    // The window area: the client area inside the border, beside the tab area. Without a tab area
    // (hidden or collapsed) the windows take all of it.
    RECT win = client;
    if (b > 0) InflateRect(&win, -(b + 1), -(b + 1));
    if (!hidden && !collapsed) {
        const RECT& tabs = out.rectTabArea;
        const int gap = flat ? b : 2 * b;
        if (in.bTop)
            win.top = tabs.bottom + gap;
        else
            win.bottom = flat ? tabs.top : tabs.top - gap;
        if (flat && b == 0) {
            win.left += 1;
            if (in.bTop)
                win.bottom -= 1;
            else
                win.top += 1;
        }
    }
    out.rectWindowArea = win;
    return out;
}

TabFont MeasureFontFor(int nStyle, bool bBoldActiveTab, bool bActive)
{
    if (IsFlatStyle(nStyle)) return TAB_FONT_FLAT_BOLD;
    if (bBoldActiveTab && (bActive || nStyle == TAB_STYLE_3D_ONE_TAB)) return TAB_FONT_BOLD;
    return TAB_FONT_REGULAR;
}

int TabWidth(int nStyle, int nTabsHeight, const TabMeasure& tab)
{
    const int text = tab.bLabelHidden ? 0 : tab.nTextWidth;
    int width = text + 2 * kTabTextMargin + kTabExtraWidth + tab.nImageWidth;
    if (nStyle == TAB_STYLE_3D_ONE_TAB) width += nTabsHeight + 2 * kTabTextMargin;
    return width;
}

int TabOverlap(int nStyle, int nTabsHeight)
{
    return nStyle == TAB_STYLE_3D_ONE_TAB ? nTabsHeight - kOneTabOverlapReduction : 0;
}

TabPlacement PlaceTabs(int nStyle, bool bTop, const RECT& rectTabArea, int nScrollOffset,
                       const std::vector<TabMeasure>& tabs)
{
    TabPlacement out{{}, {}, 0};
    const int h = Height(rectTabArea);
    const int overlap = TabOverlap(nStyle, h);
    const int shift = bTop ? kTabVerticalGap : 0;
    int x = rectTabArea.left - nScrollOffset;
    for (const TabMeasure& tab : tabs) {
        if (!tab.bVisible) {
            out.tabs.push_back(kEmpty);
            out.tooltips.push_back(kEmpty);
            continue;
        }
        const int width = TabWidth(nStyle, h, tab);
        const RECT r = {x, rectTabArea.top + shift, x + width,
                        rectTabArea.bottom - kTabVerticalGap + shift};
        out.tabs.push_back(r);
        out.tooltips.push_back(Contains(rectTabArea, r) ? r : kEmpty);
        out.nTotalWidth += width + 1;
        x = r.right - overlap + 1;
    }
    return out;
}

int LargestScrollOffset(int nTotalWidth, int nTabAreaWidth)
{
    return std::max(0, nTotalWidth - nTabAreaWidth);
}

int ClampScrollOffset(int nStyle, int nOffset, int nLargest)
{
    if (nStyle != TAB_STYLE_3D_ONE_TAB) nOffset = std::min(nOffset, nLargest);
    return std::max(nOffset, 0);
}

TabScroll ApplyScrollButton(int nStyle, TabButton button, const TabScroll& scroll, int nLargest,
                            const std::vector<int>& tabStarts)
{
    TabScroll out = scroll;
    const bool oneTab = nStyle == TAB_STYLE_3D_ONE_TAB;
    const int n = (int)tabStarts.size();
    auto visible = [&](int i) { return i >= 0 && i < n && tabStarts[i] >= 0; };
    // The last visible tab that starts at or before the offset: the one the row begins with.
    auto firstShownAt = [&](int offset) {
        int first = -1;
        for (int i = 0; i < n; ++i)
            if (visible(i) && (first < 0 || tabStarts[i] <= offset)) first = i;
        return first;
    };

    switch (button) {
    case TAB_BUTTON_HOME: out.nOffset = 0; break;
    case TAB_BUTTON_END: out.nOffset = nLargest; break;
    case TAB_BUTTON_LEFT:
        if (!oneTab) {
            out.nOffset -= kScrollStep;
            break;
        }
        for (int i = scroll.nFirstVisible - 1; i >= 0; --i)
            if (visible(i)) {
                out.nFirstVisible = i;
                out.nOffset = tabStarts[i];
                break;
            }
        break;
    case TAB_BUTTON_RIGHT:
        if (!oneTab) {
            out.nOffset += kScrollStep;
            break;
        }
        for (int i = std::max(scroll.nFirstVisible + 1, 0); i < n; ++i)
            if (visible(i)) {
                out.nFirstVisible = i;
                out.nOffset = tabStarts[i];
                break;
            }
        break;
    default: break;
    }
    out.nOffset = ClampScrollOffset(nStyle, out.nOffset, nLargest);
    if (oneTab && (button == TAB_BUTTON_HOME || button == TAB_BUTTON_END))
        out.nFirstVisible = firstShownAt(out.nOffset);
    return out;
}

TabScroll EnsureTabVisible(int nStyle, int nTab, const TabScroll& scroll, int nLargest,
                           int nAreaWidth, const std::vector<int>& tabStarts,
                           const std::vector<int>& tabEnds)
{
    const int n = (int)std::min(tabStarts.size(), tabEnds.size());
    if (nTab < 0 || nTab >= n || tabStarts[nTab] < 0) return scroll;
    TabScroll out = scroll;
    if (nStyle != TAB_STYLE_3D_ONE_TAB) {
        if (tabStarts[nTab] < scroll.nOffset)
            out.nOffset = tabStarts[nTab];
        else if (tabEnds[nTab] > scroll.nOffset + nAreaWidth)
            out.nOffset = std::min(tabEnds[nTab] - nAreaWidth, tabStarts[nTab]);
        out.nOffset = ClampScrollOffset(nStyle, out.nOffset, nLargest);
        return out;
    }

    int first = scroll.nFirstVisible;
    if (first < 0 || first >= n || tabStarts[first] < 0 || nTab < first) first = nTab;
    while (first < nTab && tabEnds[nTab] - tabStarts[first] > nAreaWidth) {
        int next = first + 1;
        while (next < nTab && tabStarts[next] < 0) ++next;
        first = next;
    }
    out.nFirstVisible = first;
    out.nOffset = ClampScrollOffset(nStyle, tabStarts[first], nLargest);
    return out;
}

ScrollButtonsState ScrollButtonsEnabled(int nOffset, int nLargest)
{
    return ScrollButtonsState{nOffset > 0, nOffset > 0, nOffset < nLargest, nOffset < nLargest};
}

RECT SharedScrollBarRect(const RECT& rectTabArea, int nScrollBarWidth, int nArrowWidth,
                         bool bHidden)
{
    const int split = std::max((int)rectTabArea.right - nScrollBarWidth, (int)rectTabArea.left);
    const RECT r = {split, rectTabArea.top + kScrollBarTopGap, rectTabArea.right,
                    rectTabArea.bottom - kScrollBarBottomGap};
    if (bHidden || Width(r) < 2 * nArrowWidth || Height(r) <= 0) return kEmpty;
    return r;
}

int DraggedScrollBarWidth(int nRight, int x, int nTabAreaLeft, int nArrowWidth)
{
    const int width = std::min(nRight - x, nRight - nTabAreaLeft - kScrollBarSplitMargin);
    return std::max(width, 2 * nArrowWidth);
}

int TabFromPoint(const std::vector<RECT>& tabs, const std::vector<bool>& visible, POINT pt)
{
    for (size_t i = 0; i < tabs.size(); ++i)
        if (i < visible.size() && visible[i] && PtInRect(&tabs[i], pt)) return (int)i;
    return -1;
}
}  // namespace TabLayout
