// Frame-level docking arithmetic: expected values worked out by hand from the rules.
#include <gtest/gtest.h>

#include "ui/docking/CZAVPBarNcArea.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "tests/ui/docking/RectText.h"

using namespace DockLayout;

TEST(DockAxis, SameArithmeticForBothOrientations)
{
    const RECT r = R(10, 20, 110, 50);
    const DockAxis h(true), v(false);
    EXPECT_EQ(10, h.Start(r));
    EXPECT_EQ(100, h.Length(r));
    EXPECT_EQ(30, h.Thickness(r));
    EXPECT_EQ(20, v.Start(r));
    EXPECT_EQ(30, v.Length(r));
    EXPECT_EQ(100, v.Thickness(r));
    EXPECT_EQ("5,7,45,9", Text(h.Make(5, 40, 7, 2)));
    EXPECT_EQ("7,5,9,45", Text(v.Make(5, 40, 7, 2)));
    EXPECT_TRUE(IsHorizontalAlignment(0x2000));
    EXPECT_TRUE(IsHorizontalAlignment(0x8000));
    EXPECT_FALSE(IsHorizontalAlignment(0x1000));
    EXPECT_FALSE(IsHorizontalAlignment(0x4000));
}

TEST(AlignByRect, PlacesAgainstEachSideKeepingThickness)
{
    const RECT rem = R(0, 0, 400, 300);
    struct Case
    {
        RECT rem, bar;
        DWORD align;
        BOOL horz, clip;
        const char* expected;
    } cases[] = {
        {rem, R(10, 10, 110, 36), 0x2000, TRUE, FALSE, "0,0,400,26"},
        {rem, R(10, 10, 110, 36), 0x8000, TRUE, FALSE, "0,274,400,300"},
        {rem, R(5, 5, 35, 200), 0x1000, FALSE, FALSE, "0,0,30,300"},
        {rem, R(5, 5, 35, 200), 0x4000, FALSE, FALSE, "370,0,400,300"},
        // Remaining room thinner than the bar: clipped only when asked.
        {R(0, 0, 400, 20), R(0, 0, 100, 26), 0x2000, TRUE, TRUE, "0,0,400,20"},
        {R(0, 0, 400, 20), R(0, 0, 100, 26), 0x8000, TRUE, TRUE, "0,0,400,20"},
        {R(0, 0, 400, 20), R(0, 0, 100, 26), 0x2000, TRUE, FALSE, "0,0,400,26"},
        {R(0, 0, 20, 300), R(0, 0, 30, 100), 0x1000, FALSE, TRUE, "0,0,20,300"},
        {R(0, 0, 20, 300), R(0, 0, 30, 100), 0x4000, FALSE, FALSE, "-10,0,20,300"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Text(AlignByRect(c.rem, c.bar, c.align, c.horz, c.clip)))
            << std::hex << c.align << " clip " << c.clip;
}

TEST(LimitToMaxShare, CutsAtThePercentageAndZeroMeansNoLimit)
{
    const RECT client = R(0, 0, 400, 300);  // 25 %: height limit 75, width limit 100
    struct Case
    {
        RECT rect;
        DWORD align;
        int percent;
        BOOL cut;
        const char* expected;
    } cases[] = {
        {R(0, 0, 400, 80), 0x2000, 0, FALSE, "0,0,400,80"},
        {R(0, 0, 400, 80), 0x2000, 25, TRUE, "0,0,400,75"},
        {R(0, 0, 400, 75), 0x2000, 25, TRUE, "0,0,400,75"},
        {R(0, 0, 400, 74), 0x2000, 25, FALSE, "0,0,400,74"},
        {R(0, 200, 400, 300), 0x8000, 25, TRUE, "0,225,400,300"},
        {R(0, 0, 150, 300), 0x1000, 25, TRUE, "0,0,100,300"},
        {R(250, 0, 400, 300), 0x4000, 25, TRUE, "300,0,400,300"},
        {R(250, 0, 400, 300), 0x4000, 0, FALSE, "250,0,400,300"},
        // 301 × 33 / 100 = 99.33, truncated to 99.
        {R(0, 0, 400, 120), 0x2000, 33, TRUE, "0,0,400,99"},
    };
    for (const Case& c : cases) {
        RECT rect = c.rect;
        const RECT area = c.percent == 33 ? R(0, 0, 400, 301) : client;
        EXPECT_EQ(c.cut, LimitToMaxShare(rect, c.align, area, c.percent)) << c.expected;
        EXPECT_EQ(c.expected, Text(rect));
    }
}

TEST(HitTestDockEdges, BandsAreTriedTopLeftBottomRightWithExclusiveFarEdges)
{
    const RECT r = R(100, 100, 300, 200);
    const int s = 10;
    struct Case
    {
        POINT pt;
        BOOL outer;
        DWORD enabled;
        int caption, tabArea;
        DWORD expected;
    } cases[] = {
        {{100, 90}, FALSE, 0xF000, 0, 0, 0x2000},  // exactly on R.top - s
        {{100, 90}, TRUE, 0xF000, 0, 0, 0x2000},
        {{310, 150}, FALSE, 0xF000, 0, 0, 0},  // R.right + s lies outside
        {{309, 150}, FALSE, 0xF000, 0, 0, 0x4000},
        {{95, 95}, FALSE, 0xF000, 0, 0, 0x2000},  // corner: top wins
        {{95, 95}, FALSE, 0xD000, 0, 0, 0x1000},  // top disabled: left
        {{150, 150}, FALSE, 0xF000, 0, 0, 0},
        {{150, 105}, FALSE, 0xF000, 0, 0, 0x2000},
        {{150, 105}, TRUE, 0xF000, 0, 0, 0},         // the outer band ends at R.top
        {{150, 125}, FALSE, 0xF000, 20, 0, 0x2000},  // a caption widens the top band
        {{150, 165}, FALSE, 0xF000, 0, 30, 0x8000},  // a tab area widens the bottom band
        {{150, 195}, FALSE, 0x8000, 0, 0, 0x8000},
        {{150, 195}, FALSE, 0x3000, 0, 0, 0},
        {{305, 150}, TRUE, 0xF000, 0, 0, 0x4000},
        {{295, 150}, TRUE, 0xF000, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, HitTestDockEdges(c.pt, r, s, c.outer, c.enabled, c.caption, c.tabArea))
            << c.pt.x << "," << c.pt.y << " outer " << c.outer;
}

TEST(RotateSideValues, TurnsTheRecord)
{
    struct Case
    {
        int angle;
        LONG expected[4];
    } cases[] = {
        {90, {4, 1, 2, 3}}, {-90, {2, 3, 4, 1}}, {180, {1, 4, 3, 2}},
        {45, {1, 2, 3, 4}}, {0, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        LONG v[4] = {1, 2, 3, 4};
        RotateSideValues(v, c.angle);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(c.expected[i], v[i]) << c.angle << " side " << i;
    }
}

TEST(KeepRectOnScreen, ShiftsBackWithinReachWithoutResizing)
{
    const RECT work = R(0, 0, 1024, 768);
    const RECT m16 = R(16, 16, 16, 16);
    struct Case
    {
        RECT rect;
        const RECT* margins;
        const char* expected;
    } cases[] = {
        {R(-300, 100, -200, 200), &m16, "-16,100,84,200"},
        {R(1100, 100, 1200, 200), &m16, "908,100,1008,200"},
        {R(100, 900, 200, 1000), &m16, "100,752,200,852"},  // wholly below: top m above bottom
        {R(100, -300, 200, -200), &m16, "100,-84,200,16"},
        {R(100, 100, 200, 200), &m16, "100,100,200,200"},
        {R(-100, 0, 0, 50), nullptr, "0,0,100,50"},
        {R(2000, 2000, 2100, 2100), nullptr, "924,768,1024,868"},
    };
    for (const Case& c : cases) {
        RECT rect = c.rect;
        KeepRectOnScreen(rect, work, c.margins);
        EXPECT_EQ(c.expected, Text(rect));
    }
}

TEST(ClipPlacementToWorkArea, PositionFromTheIntersectionSizeKept)
{
    const RECT work = R(0, 0, 1024, 740);
    RECT result{};
    ASSERT_TRUE(ClipPlacementToWorkArea(R(-50, -20, 750, 580), work, result));
    EXPECT_EQ("0,0,800,600", Text(result));
    ASSERT_TRUE(ClipPlacementToWorkArea(R(100, 100, 900, 700), work, result));
    EXPECT_EQ("100,100,900,700", Text(result));
    EXPECT_FALSE(ClipPlacementToWorkArea(R(2000, 0, 2800, 600), work, result));
}

TEST(CalcInsideRect, BordersTurnForVerticalBarsAndTheGripperTakesSeven)
{
    const BarBorders b{1, 2, 3, 4};
    struct Case
    {
        RECT rect;
        BOOL horz;
        DWORD style;
        BOOL floating;
        const char* expected;
    } cases[] = {
        {R(0, 0, 100, 30), TRUE, 0, FALSE, "1,2,97,26"},
        {R(0, 0, 100, 30), TRUE, 0xF00, FALSE, "2,3,96,25"},
        {R(0, 0, 30, 100), FALSE, 0, FALSE, "2,1,26,97"},
        {R(0, 0, 100, 30), TRUE, 0x400000, FALSE, "8,2,97,26"},
        {R(0, 0, 30, 100), FALSE, 0x400000, FALSE, "2,8,26,97"},
        {R(0, 0, 100, 30), TRUE, 0x400001, FALSE, "1,2,97,26"},  // floating: no gripper
        {R(0, 0, 100, 30), TRUE, 0xF01, TRUE, "1,2,97,26"},      // floating: border bits ignored
    };
    for (const Case& c : cases) {
        RECT rect = c.rect;
        CalcInsideRect(rect, c.horz, c.style, c.floating, b);
        EXPECT_EQ(c.expected, Text(rect)) << std::hex << c.style;
    }
}

TEST(GetFreeToolbarId, LowestFreeIdOfASetRange)
{
    const UINT none = (UINT)-1;
    struct Case
    {
        UINT first, last;
        std::vector<UINT> used;
        UINT expected;
    } cases[] = {
        {none, none, {}, 0},         {100, none, {}, 0},
        {110, 100, {}, 0},           {100, 102, {100, 101, 102}, 0},
        {100, 102, {100, 102}, 101}, {100, 102, {}, 100},
        {100, 100, {}, 100},         {100, 102, {101, 500}, 100},
        {100, 101, {500, 501}, 0},  // the list already holds as many bars as the range
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, GetFreeToolbarId(c.first, c.last, c.used))
            << c.first << ".." << c.last;
}

TEST(DetermineDockSite, DecidesBetweenPaneEdgeAndTab)
{
    struct Case
    {
        DockSiteQuery q;
        int expected;
        BOOL useBar;
    } cases[] = {
        // No pane under the point: the frame edge decides.
        {{FALSE, FALSE, FALSE, FALSE, 0, 0, FALSE, 0x2000, 0xF000}, 2, FALSE},
        {{FALSE, FALSE, FALSE, FALSE, 0, 0, FALSE, 0x2000, 0x1000}, 0, FALSE},
        {{FALSE, FALSE, FALSE, FALSE, 0, 0, FALSE, 0, 0xF000}, 0, FALSE},
        // A mini frame with one pane whose caption is under the point: attach as a tab.
        {{FALSE, FALSE, FALSE, FALSE, 0, 0, TRUE, 0, 0xF000}, 3, TRUE},
        // A docked pane: its side must be enabled, then its own hit test answers.
        {{TRUE, FALSE, FALSE, FALSE, 0x1000, 3, FALSE, 0, 0x5000}, 3, TRUE},
        {{TRUE, FALSE, FALSE, FALSE, 0x2000, 3, FALSE, 0, 0x1000}, 0, TRUE},
        // A floating pane counts only when both sides may share a mini frame.
        {{TRUE, TRUE, TRUE, FALSE, 0, 2, FALSE, 0, 0xF000}, 0, FALSE},
        {{TRUE, TRUE, TRUE, FALSE, 0, 2, FALSE, 0x8000, 0xF000}, 2, FALSE},
        {{TRUE, TRUE, TRUE, TRUE, 0, 2, FALSE, 0, 0x1000}, 2, TRUE},
    };
    int n = 0;
    for (const Case& c : cases) {
        BOOL useBar = -1;
        EXPECT_EQ(c.expected, DetermineDockSite(c.q, &useBar)) << "case " << n;
        EXPECT_EQ(c.useBar, useBar) << "case " << n;
        ++n;
    }
}

TEST(BarNcArea, GripperStripIsTheWindowBeforeTheClientArea)
{
    // A horizontal bar 200 × 26 whose client area starts 9 px in; a vertical one 9 px down.
    EXPECT_EQ("10,20,18,46",
              Text(CZAVPBarNcArea::GripperStrip(R(10, 20, 210, 46), R(19, 22, 208, 44), TRUE)));
    EXPECT_EQ("10,20,36,28",
              Text(CZAVPBarNcArea::GripperStrip(R(10, 20, 36, 220), R(12, 29, 34, 218), FALSE)));
    // A client area at the window's edge leaves an empty strip.
    EXPECT_TRUE(::IsRectEmpty(&static_cast<const RECT&>(
        CZAVPBarNcArea::GripperStrip(R(10, 20, 210, 46), R(10, 20, 210, 46), TRUE))));
}
