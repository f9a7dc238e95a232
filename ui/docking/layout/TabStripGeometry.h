// The arithmetic of a tab window as plain functions: the tab area, its buttons and the window area
// for each tab style, the width and place of every tab, the scroll limits and scroll commands, the
// fitted flat font and hit testing. The tab window measures text and metrics and applies the
// answers.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace TabLayout
{
// The looks a tab window is created with.
enum TabStyle
{
    TAB_STYLE_FLAT = 1,         // flat tabs, scroll buttons at the left
    TAB_STYLE_FLAT_SCROLL = 2,  // flat tabs sharing the row with a horizontal scroll bar
    TAB_STYLE_3D = 3,           // 3D tabs, scroll buttons at the right
    TAB_STYLE_3D_ONE_TAB = 4,   // 3D tabs that scroll one tab at a time
};

inline bool IsFlatStyle(int nStyle)
{
    return nStyle == TAB_STYLE_FLAT || nStyle == TAB_STYLE_FLAT_SCROLL;
}

// Margins around the text and the icon of a tab, in pixels.
const int kTabTextMargin = 4;
const int kTabImageMargin = 4;
// Extra width of a tab beside its text margins.
const int kTabExtraWidth = 4;
// Room the flat tab area adds below a scroll bar's height, and around the flat font's text.
const int kFlatTabsExtraHeight = 2;
// The gap at the bottom of a tab, and its shift down when the tabs are at the top.
const int kTabVerticalGap = 2;
// Pixels one click on a scroll button moves the tabs (all styles but the one-tab style).
const int kScrollStep = 20;
// The buttons of the tab row, in their order in the row.
enum TabButton
{
    TAB_BUTTON_HOME,
    TAB_BUTTON_LEFT,
    TAB_BUTTON_RIGHT,
    TAB_BUTTON_END,
    TAB_BUTTON_CLOSE,
    TAB_BUTTON_COUNT
};

// Height of the tab area in the 3D styles: the larger of the text and the icon with their margins.
int BaseTabsHeight(int nTextHeight, int nImageHeight);
// Height of the tab area in the flat styles: a horizontal scroll bar's height (SM_CYHSCROLL) and
// a little room.
int FlatTabsHeight(int nScrollBarHeight);

// The flat font's height (a LOGFONT height, usually negative) fitted to the tab area: starting from
// the given height, its magnitude drops by one while the text height measured for it, plus the flat
// margin, exceeds the tab area height. Stops at 0.
int FitFlatFontHeight(int nStartHeight, int nTabsHeight,
                      const std::function<int(int nHeight)>& textHeightFor);

// Whether the tab area disappears: too few visible tabs while single tabs are hidden, or none while
// an empty row is hidden. The shared scroll bar style always keeps its row.
bool IsTabAreaHidden(int nStyle, bool bHideSingleTab, bool bHideWhenEmpty, int nVisibleTabs);

// What the tab window knows when it lays itself out.
struct TabFrameInput
{
    int nStyle;  // TabStyle
    bool bTop;   // tab area at the top (location 1), else at the bottom
    RECT rectClient;
    int nTabsHeight;         // the tab area's height; 0 while the area is hidden
    int nBorder;             // the tab border size; 0 while the area is hidden
    int nMenuGlyphWidth;     // width of a menu glyph (the scroll buttons' images)
    int nButtonExtraBorder;  // the visual manager's extra border around a button
    bool bCloseButton;       // the close button is laid out
};

// Where everything goes.
struct TabFrameLayout
{
    RECT rectTabArea;
    RECT rectWindowArea;        // where the tab windows go
    int nButtonSize;            // side of one square button; 0 without buttons
    std::vector<RECT> buttons;  // the laid-out buttons in TabButton order (no close: 4 of them)
};

// The tab area with its buttons (3D styles: at its right end; flat styles: at its left) and the
// window area beside it. A hidden tab area (height 0) leaves the windows the whole client area
// inside the border; so does a flat row too high for the client area, which collapses to empty.
TabFrameLayout CalcTabFrame(const TabFrameInput& in);

// Which font measures a tab's text.
enum TabFont
{
    TAB_FONT_FLAT_BOLD,  // the bold flat font of the flat styles
    TAB_FONT_REGULAR,    // the library's regular font
    TAB_FONT_BOLD,       // the library's bold font
};
TabFont MeasureFontFor(int nStyle, bool bBoldActiveTab, bool bActive);

// One tab as the geometry sees it.
struct TabMeasure
{
    bool bVisible;
    bool bLabelHidden;  // the tab shows no text
    int nTextWidth;     // of the label in its measuring font
    int nImageWidth;    // 0 without an icon
};

// A tab's width from its text and icon; the one-tab style adds room for its slanted sides.
int TabWidth(int nStyle, int nTabsHeight, const TabMeasure& tab);
// How far consecutive tabs overlap (only the one-tab style's tabs do).
int TabOverlap(int nStyle, int nTabsHeight);

struct TabPlacement
{
    std::vector<RECT> tabs;      // per tab, in client coordinates; empty for hidden tabs
    std::vector<RECT> tooltips;  // a tab's rectangle when wholly in the tab area, else empty
    int nTotalWidth;             // the tab widths plus one per visible tab
};

// Places the tabs from the tab area's left edge, shifted left by the scroll offset.
TabPlacement PlaceTabs(int nStyle, bool bTop, const RECT& rectTabArea, int nScrollOffset,
                       const std::vector<TabMeasure>& tabs);

// The scroll offset that shows the last tab.
int LargestScrollOffset(int nTotalWidth, int nTabAreaWidth);
// The offset brought back into range: [0, largest], in the one-tab style only >= 0.
int ClampScrollOffset(int nStyle, int nOffset, int nLargest);

// Scroll state of a tab window. nFirstVisible is a tab index (the one-tab style scrolls from it).
struct TabScroll
{
    int nOffset;
    int nFirstVisible;
};

// The scroll state after a click on a scroll button. tabStarts holds, per tab, its left edge
// measured from the first tab's left edge with no scrolling, or -1 for a hidden tab.
TabScroll ApplyScrollButton(int nStyle, TabButton button, const TabScroll& scroll, int nLargest,
                            const std::vector<int>& tabStarts);

// The scroll state that shows tab nTab in a tab area nAreaWidth wide. tabStarts and tabEnds hold,
// per tab, its edges measured as for ApplyScrollButton (-1 for a hidden tab). A tab left of the
// view starts the row; a tab beyond its right end is brought in as far as its left edge allows.
// The one-tab style moves its first visible tab instead, one tab at a time.
TabScroll EnsureTabVisible(int nStyle, int nTab, const TabScroll& scroll, int nLargest,
                           int nAreaWidth, const std::vector<int>& tabStarts,
                           const std::vector<int>& tabEnds);

// Which scroll buttons are enabled for an offset.
struct ScrollButtonsState
{
    bool bHome, bLeft, bRight, bEnd;
};
ScrollButtonsState ScrollButtonsEnabled(int nOffset, int nLargest);

// The shared horizontal scroll bar of the flat scroll style: the part of the tab area's row from
// the split point (nScrollBarWidth from its right end, never left of the area) to the right end,
// 1 pixel below the top and 2 above the bottom. Empty when hidden or narrower than two scroll
// arrows (2 * SM_CXHSCROLL).
RECT SharedScrollBarRect(const RECT& rectTabArea, int nScrollBarWidth, int nArrowWidth,
                         bool bHidden);
// The scroll bar's width while the user drags the split point to x: the distance from the right
// end, at most the room up to the tab area's left edge less 5, at least two scroll arrows.
int DraggedScrollBarWidth(int nRight, int x, int nTabAreaLeft, int nArrowWidth);

// The first visible tab whose rectangle holds the point, else -1.
int TabFromPoint(const std::vector<RECT>& tabs, const std::vector<bool>& visible, POINT pt);
}  // namespace TabLayout
