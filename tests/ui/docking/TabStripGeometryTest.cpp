// Tab window arithmetic: rectangles, widths, scrolling and fonts, with expected values worked out
// by hand from the layout rules in the comments of each table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/docking/layout/TabStripGeometry.h"
#include "tests/ui/docking/RectText.h"

using namespace TabLayout;

namespace
{
std::string Texts(const std::vector<RECT>& rects)
{
    std::string s;
    for (const RECT& r : rects) s += (s.empty() ? "" : " ") + Text(r);
    return s;
}

const RECT kClient = {0, 0, 200, 100};
// Menu glyph 9 and extra border 2: buttons of 9 + 2 + 4 = 15 pixels, 17 in the 3D styles unless
// the tab area height less 4 is smaller.
const int kGlyph = 9;
const int kExtra = 2;
}  // namespace

TEST(TabStripGeometry, FrameRectanglesForEveryStyleAndLocation)
{
    struct Case
    {
        const char* name;
        TabFrameInput in;
        const char* tabArea;
        const char* windowArea;
        const char* buttons;
    };
    const Case cases[] = {
        // 3D, top, h 20, b 2: button size min(17, 16) = 16; five buttons end at 200 - 2, so they
        // start at 198 - 80 = 118, top (20 - 16) / 2 = 2. Tabs from 2 to 118 - 2 * 2. Windows:
        // client deflated by 3, from 20 + 2 * 2 = 24.
        {"3d top",
         {TAB_STYLE_3D, true, kClient, 20, 2, kGlyph, kExtra, true},
         "2,0,114,20",
         "3,24,197,97",
         "118,2,134,18 134,2,150,18 150,2,166,18 166,2,182,18 182,2,198,18"},
        // 3D, bottom: the band is 80..100; windows end 2 * 2 above it.
        {"3d bottom",
         {TAB_STYLE_3D, false, kClient, 20, 2, kGlyph, kExtra, true},
         "2,80,114,100",
         "3,3,197,76",
         "118,82,134,98 134,82,150,98 150,82,166,98 166,82,182,98 182,82,198,98"},
        // One-tab style, no close button: four buttons from 198 - 64 = 134; the tabs begin one
        // button further right (2 + 16) and end 2 * 2 before the buttons.
        {"one-tab top",
         {TAB_STYLE_3D_ONE_TAB, true, kClient, 20, 2, kGlyph, kExtra, false},
         "18,0,130,20",
         "3,24,197,97",
         "134,2,150,18 150,2,166,18 166,2,182,18 182,2,198,18"},
        {"one-tab bottom, h 24",
         {TAB_STYLE_3D_ONE_TAB, false, kClient, 24, 2, kGlyph, kExtra, false},
         // size min(17, 20) = 17; buttons from 198 - 68 = 130, top 76 + (24 - 17) / 2 = 79.
         "19,76,126,100",
         "3,3,197,72",
         "130,79,147,96 147,79,164,96 164,79,181,96 181,79,198,96"},
        // Flat, top, h 19, b 2: the band moves 1 pixel down (1..20); buttons of 15 from
        // 0 + 2 + 1 = 3, top 1 + 2 = 3; tabs from 3 + 75 = 78 to 200 - 2. Windows from 20 + 2.
        {"flat top",
         {TAB_STYLE_FLAT, true, kClient, 19, 2, kGlyph, kExtra, true},
         "78,1,198,20",
         "3,22,197,97",
         "3,3,18,18 18,3,33,18 33,3,48,18 48,3,63,18 63,3,78,18"},
        // Flat, bottom: the band moves 1 pixel up (80..99); windows end where it begins.
        {"flat bottom",
         {TAB_STYLE_FLAT, false, kClient, 19, 2, kGlyph, kExtra, true},
         "78,80,198,99",
         "3,3,197,80",
         "3,82,18,97 18,82,33,97 33,82,48,97 48,82,63,97 63,82,78,97"},
        // Shared scroll bar style, bottom, b 0: band 81..100, four buttons from 1; windows give up
        // one pixel on the left and one at the top (away from the tabs).
        {"flat scroll bottom b0",
         {TAB_STYLE_FLAT_SCROLL, false, kClient, 19, 0, kGlyph, kExtra, false},
         "61,81,200,100",
         "1,1,200,81",
         "1,83,16,98 16,83,31,98 31,83,46,98 46,83,61,98"},
        {"flat scroll top b0",
         {TAB_STYLE_FLAT_SCROLL, true, kClient, 19, 0, kGlyph, kExtra, false},
         "61,0,200,19",
         "1,19,200,99",
         "1,2,16,17 16,2,31,17 31,2,46,17 46,2,61,17"},
        // 60 pixels wide: the buttons start at 58 - 80 = -22, past the tabs' left edge 2; the tab
        // area stays empty instead of inverted.
        {"3d narrow",
         {TAB_STYLE_3D, true, RECT{0, 0, 60, 100}, 20, 2, kGlyph, kExtra, true},
         "2,0,2,20",
         "3,24,57,97",
         "-22,2,-6,18 -6,2,10,18 10,2,26,18 26,2,42,18 42,2,58,18"},
        // Hidden tab area (height and border 0): the windows take the whole client area.
        {"3d hidden",
         {TAB_STYLE_3D, true, kClient, 0, 0, kGlyph, kExtra, true},
         "0,0,200,0",
         "0,0,200,100",
         ""},
        {"flat hidden bottom",
         {TAB_STYLE_FLAT, false, kClient, 0, 0, kGlyph, kExtra, true},
         "0,100,200,100",
         "0,0,200,100",
         ""},
        // A flat row of 19 + 2 in a client area 20 high collapses; windows keep the inside.
        {"flat collapsed",
         {TAB_STYLE_FLAT, true, RECT{0, 0, 200, 20}, 19, 2, kGlyph, kExtra, true},
         "0,0,0,0",
         "3,3,197,17",
         ""},
    };
    for (const Case& c : cases) {
        const TabFrameLayout out = CalcTabFrame(c.in);
        EXPECT_EQ(c.tabArea, Text(out.rectTabArea)) << c.name;
        EXPECT_EQ(c.windowArea, Text(out.rectWindowArea)) << c.name;
        EXPECT_EQ(c.buttons, Texts(out.buttons)) << c.name;
    }
}

TEST(TabStripGeometry, TabAreaHiddenOnlyWhereTheFlagsSay)
{
    struct Case
    {
        int style;
        bool hideSingle, hideEmpty;
        int visible;
        bool hidden;
    };
    const Case cases[] = {
        {TAB_STYLE_3D, true, false, 1, true},
        {TAB_STYLE_3D, true, false, 2, false},
        {TAB_STYLE_3D_ONE_TAB, true, false, 0, true},
        {TAB_STYLE_3D, false, true, 0, true},
        {TAB_STYLE_3D, false, true, 1, false},
        {TAB_STYLE_FLAT, false, false, 0, false},
        // The shared scroll bar keeps its row whatever the flags.
        {TAB_STYLE_FLAT_SCROLL, true, false, 1, false},
        {TAB_STYLE_FLAT_SCROLL, true, true, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hidden, IsTabAreaHidden(c.style, c.hideSingle, c.hideEmpty, c.visible))
            << c.style << " " << c.hideSingle << c.hideEmpty << " " << c.visible;
}

TEST(TabStripGeometry, TabWidthsFromTextIconAndStyle)
{
    struct Case
    {
        int style, height;
        TabMeasure tab;
        int width;
    };
    const Case cases[] = {
        {TAB_STYLE_3D, 20, {true, false, 40, 16}, 40 + 8 + 4 + 16},
        {TAB_STYLE_3D, 20, {true, false, 40, 0}, 52},
        // A hidden label leaves only the margins and the icon.
        {TAB_STYLE_3D, 20, {true, true, 40, 16}, 28},
        {TAB_STYLE_FLAT, 19, {true, false, 30, 0}, 42},
        // The one-tab style adds the height and two margins: 40 + 12 + 20 + 8.
        {TAB_STYLE_3D_ONE_TAB, 20, {true, false, 40, 0}, 80},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.width, TabWidth(c.style, c.height, c.tab))
            << c.style << " " << c.tab.nTextWidth;
    EXPECT_EQ(15, TabOverlap(TAB_STYLE_3D_ONE_TAB, 20));
    EXPECT_EQ(0, TabOverlap(TAB_STYLE_3D, 20));
}

TEST(TabStripGeometry, TabsPlacedAlongTheAreaWithScrollAndOverlap)
{
    const std::vector<TabMeasure> tabs = {
        {true, false, 40, 0},   // 52 wide
        {false, false, 99, 0},  // hidden: empty, takes no room
        {true, false, 50, 16},  // 78 wide
    };
    struct Case
    {
        const char* name;
        int style;
        bool top;
        RECT area;
        int offset;
        const char* rects;
        const char* tooltips;
        int total;
    };
    const Case cases[] = {
        // From x 2: 2..54, next at 55: 55..133, past the area's end 114, so no tooltip.
        // Top: from 0 + 2 to 20 - 2 + 2. Total (52 + 1) + (78 + 1).
        {"3d top", TAB_STYLE_3D, true, RECT{2, 0, 114, 20}, 0, "2,2,54,20 0,0,0,0 55,2,133,20",
         "2,2,54,20 0,0,0,0 0,0,0,0", 132},
        // Bottom: from the area's top to its bottom - 2.
        {"3d bottom", TAB_STYLE_3D, false, RECT{2, 80, 114, 100}, 0,
         "2,80,54,98 0,0,0,0 55,80,133,98", "2,80,54,98 0,0,0,0 0,0,0,0", 132},
        // Scrolled by 20: the first tab sticks out on the left, the last fits.
        {"3d scrolled", TAB_STYLE_3D, true, RECT{2, 0, 114, 20}, 20,
         "-18,2,34,20 0,0,0,0 35,2,113,20", "0,0,0,0 0,0,0,0 35,2,113,20", 132},
        // One-tab style, h 20: widths 52 + 28 = 80 and 78 + 28 = 106, overlap 15: the second
        // starts at 18 + 80 - 15 + 1 = 84.
        {"one-tab", TAB_STYLE_3D_ONE_TAB, true, RECT{18, 0, 130, 20}, 0,
         "18,2,98,20 0,0,0,0 84,2,190,20", "18,2,98,20 0,0,0,0 0,0,0,0", 81 + 107},
    };
    for (const Case& c : cases) {
        const TabPlacement out = PlaceTabs(c.style, c.top, c.area, c.offset, tabs);
        EXPECT_EQ(c.rects, Texts(out.tabs)) << c.name;
        EXPECT_EQ(c.tooltips, Texts(out.tooltips)) << c.name;
        EXPECT_EQ(c.total, out.nTotalWidth) << c.name;
    }
}

TEST(TabStripGeometry, ScrollLimitsAndClamps)
{
    EXPECT_EQ(20, LargestScrollOffset(132, 112));
    EXPECT_EQ(0, LargestScrollOffset(100, 112));
    struct Case
    {
        int style, offset, largest, clamped;
    };
    const Case cases[] = {
        {TAB_STYLE_3D, 25, 20, 20},
        {TAB_STYLE_3D, -5, 20, 0},
        {TAB_STYLE_FLAT, 10, 20, 10},
        {TAB_STYLE_FLAT_SCROLL, 30, 0, 0},
        // The one-tab style may stand beyond the largest offset (its last tab at the left).
        {TAB_STYLE_3D_ONE_TAB, 25, 20, 25},
        {TAB_STYLE_3D_ONE_TAB, -5, 20, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.clamped, ClampScrollOffset(c.style, c.offset, c.largest))
            << c.style << " " << c.offset;
}

TEST(TabStripGeometry, ScrollButtonsMoveByPixelsOrByWholeTabs)
{
    // Tabs start at 0, 46, (hidden), 96 before scrolling; the largest offset is 80.
    const std::vector<int> starts = {0, 46, -1, 96};
    struct Case
    {
        const char* name;
        int style;
        TabButton button;
        TabScroll from;
        TabScroll to;
    };
    const Case cases[] = {
        {"right by 20", TAB_STYLE_3D, TAB_BUTTON_RIGHT, {0, 0}, {20, 0}},
        {"right stops at largest", TAB_STYLE_FLAT, TAB_BUTTON_RIGHT, {70, 0}, {80, 0}},
        {"left stops at 0", TAB_STYLE_3D, TAB_BUTTON_LEFT, {10, 0}, {0, 0}},
        {"home", TAB_STYLE_3D, TAB_BUTTON_HOME, {30, 0}, {0, 0}},
        {"end", TAB_STYLE_FLAT_SCROLL, TAB_BUTTON_END, {0, 0}, {80, 0}},
        {"one tab right", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_RIGHT, {0, 0}, {46, 1}},
        // The hidden tab is skipped; the last tab may start the row beyond the largest offset.
        {"one tab right skips hidden", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_RIGHT, {46, 1}, {96, 3}},
        {"one tab right at last", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_RIGHT, {96, 3}, {96, 3}},
        {"one tab left", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_LEFT, {96, 3}, {46, 1}},
        {"one tab left at first", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_LEFT, {0, 0}, {0, 0}},
        {"one tab home", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_HOME, {96, 3}, {0, 0}},
        // End: offset 80, so the row begins with the last tab starting at or before it.
        {"one tab end", TAB_STYLE_3D_ONE_TAB, TAB_BUTTON_END, {0, 0}, {80, 1}},
    };
    for (const Case& c : cases) {
        const TabScroll out = ApplyScrollButton(c.style, c.button, c.from, 80, starts);
        EXPECT_EQ(c.to.nOffset, out.nOffset) << c.name;
        EXPECT_EQ(c.to.nFirstVisible, out.nFirstVisible) << c.name;
    }

    const ScrollButtonsState atStart = ScrollButtonsEnabled(0, 20);
    EXPECT_FALSE(atStart.bHome || atStart.bLeft);
    EXPECT_TRUE(atStart.bRight && atStart.bEnd);
    const ScrollButtonsState atEnd = ScrollButtonsEnabled(20, 20);
    EXPECT_TRUE(atEnd.bHome && atEnd.bLeft);
    EXPECT_FALSE(atEnd.bRight || atEnd.bEnd);
    const ScrollButtonsState allFit = ScrollButtonsEnabled(0, 0);
    EXPECT_FALSE(allFit.bHome || allFit.bLeft || allFit.bRight || allFit.bEnd);
}

TEST(TabStripGeometry, EnsureVisibleBringsATabIntoView)
{
    // Unscrolled edges of four tabs, the third hidden: 0..52, 53..107, -, 108..186.
    const std::vector<int> starts = {0, 53, -1, 108};
    const std::vector<int> ends = {52, 107, -1, 186};
    struct Case
    {
        const char* name;
        int style, tab, width;
        TabScroll from;
        TabScroll to;
    };
    const Case cases[] = {
        // 186 - 100 = 86 brings the right edge in (within the largest offset 88).
        {"right of the view", TAB_STYLE_3D, 3, 100, {0, 0}, {86, 0}},
        {"left of the view", TAB_STYLE_3D, 0, 100, {86, 0}, {0, 0}},
        {"partly right", TAB_STYLE_FLAT, 1, 100, {0, 0}, {7, 0}},
        {"already shown", TAB_STYLE_FLAT, 1, 100, {30, 0}, {30, 0}},
        {"hidden tab", TAB_STYLE_3D, 2, 100, {30, 0}, {30, 0}},
        {"no such tab", TAB_STYLE_3D, 4, 100, {30, 0}, {30, 0}},
        // One-tab style: 186 - 0 and 186 - 53 exceed 100, the hidden tab is passed over.
        {"one tab forward", TAB_STYLE_3D_ONE_TAB, 3, 100, {0, 0}, {108, 3}},
        {"one tab forward, wider view", TAB_STYLE_3D_ONE_TAB, 3, 140, {0, 0}, {53, 1}},
        {"one tab back", TAB_STYLE_3D_ONE_TAB, 0, 100, {108, 3}, {0, 0}},
        {"one tab shown", TAB_STYLE_3D_ONE_TAB, 1, 140, {0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        const TabScroll out = EnsureTabVisible(c.style, c.tab, c.from, 88, c.width, starts, ends);
        EXPECT_EQ(c.to.nOffset, out.nOffset) << c.name;
        EXPECT_EQ(c.to.nFirstVisible, out.nFirstVisible) << c.name;
    }
    // A tab wider than the view shows its left edge.
    EXPECT_EQ(0, EnsureTabVisible(TAB_STYLE_3D, 0, {0, 0}, 51, 100, {0}, {150}).nOffset);
}

TEST(TabStripGeometry, SharedScrollBarBesideTheTabs)
{
    // The flat scroll style's tab area from the frame table: 61,81,200,100; arrows 17 wide.
    const RECT area = {61, 81, 200, 100};
    EXPECT_EQ("120,82,200,98", Text(SharedScrollBarRect(area, 80, 17, false)));
    EXPECT_EQ("61,82,200,98", Text(SharedScrollBarRect(area, 200, 17, false)));  // whole row
    EXPECT_EQ("0,0,0,0", Text(SharedScrollBarRect(area, 30, 17, false)));        // under 2 arrows
    EXPECT_EQ("0,0,0,0", Text(SharedScrollBarRect(area, 80, 17, true)));

    // Dragging the split point: 200 - x, at most 200 - 61 - 5 = 134, at least 34.
    EXPECT_EQ(50, DraggedScrollBarWidth(200, 150, 61, 17));
    EXPECT_EQ(134, DraggedScrollBarWidth(200, 40, 61, 17));
    EXPECT_EQ(34, DraggedScrollBarWidth(200, 190, 61, 17));
}

TEST(TabStripGeometry, TabAreaHeightsAndTheFittedFlatFont)
{
    EXPECT_EQ(24, BaseTabsHeight(13, 16));  // the icon and its margins: 16 + 8
    EXPECT_EQ(21, BaseTabsHeight(13, 0));   // the text and its margins: 13 + 8
    EXPECT_EQ(19, FlatTabsHeight(17));      // SM_CYHSCROLL 17 and 2

    // A font whose text is 3 pixels taller than its height's magnitude fits a 19-pixel row while
    // that magnitude + 3 + 2 <= 19, that is up to 14.
    const auto textHeight = [](int h) { return (h < 0 ? -h : h) + 3; };
    EXPECT_EQ(-11, FitFlatFontHeight(-11, 19, textHeight));  // already fits
    EXPECT_EQ(-14, FitFlatFontHeight(-20, 19, textHeight));
    EXPECT_EQ(14, FitFlatFontHeight(20, 19, textHeight));
    // A font that never fits stops at height 0.
    EXPECT_EQ(0, FitFlatFontHeight(-8, 19, [](int) { return 100; }));

    struct Case
    {
        int style;
        bool boldActive, active;
        TabFont font;
    };
    const Case cases[] = {
        {TAB_STYLE_FLAT, true, true, TAB_FONT_FLAT_BOLD},
        {TAB_STYLE_FLAT_SCROLL, false, false, TAB_FONT_FLAT_BOLD},
        {TAB_STYLE_3D, true, true, TAB_FONT_BOLD},
        {TAB_STYLE_3D, true, false, TAB_FONT_REGULAR},
        {TAB_STYLE_3D, false, true, TAB_FONT_REGULAR},
        {TAB_STYLE_3D_ONE_TAB, true, false, TAB_FONT_BOLD},
        {TAB_STYLE_3D_ONE_TAB, false, true, TAB_FONT_REGULAR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.font, MeasureFontFor(c.style, c.boldActive, c.active))
            << c.style << " " << c.boldActive << c.active;
}

TEST(TabStripGeometry, HitTestingFindsTheFirstVisibleTab)
{
    // The one-tab placement above: 18..98 and 84..190 overlap; a stale rectangle of a hidden tab
    // never answers.
    const std::vector<RECT> rects = {{18, 2, 98, 20}, {0, 0, 300, 30}, {84, 2, 190, 20}};
    const std::vector<bool> visible = {true, false, true};
    struct Case
    {
        POINT pt;
        int tab;
    };
    const Case cases[] = {
        {{18, 5}, 0},                                   // left edge is inside
        {{90, 5}, 0},                                   // the overlap belongs to the first
        {{98, 5}, 2},                                   // right edge is outside the first
        {{189, 19}, 2}, {{190, 5}, -1}, {{50, 1}, -1},  // above the tabs
        {{5, 5}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.tab, TabFromPoint(rects, visible, c.pt)) << c.pt.x << "," << c.pt.y;
}
