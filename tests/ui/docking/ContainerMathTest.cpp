// Bar-container and slider arithmetic: every expected value is worked out by hand in the tables.
#include <gtest/gtest.h>

#include <string>

#include "ui/docking/layout/ContainerMath.h"
#include "tests/ui/docking/RectText.h"

using namespace DockLayout;

TEST(ContainerSplit, NewBarTakesAtMostHalfOfTheTarget)
{
    struct Case
    {
        RECT target;
        SIZE sizeNew, sizeMin;
        DWORD align;
        const char* newRect;
        const char* slider;
        const char* targetAfter;
        BOOL horizontal, newFirst;
    } cases[] = {
        // 300 tall, 200 asked at the bottom: half is 150, the slider 4 above it, the target 146.
        {R(0, 0, 200, 300),
         {100, 200},
         {0, 0},
         0x8000,
         "0,150,200,300",
         "0,146,200,150",
         "0,0,200,146",
         TRUE,
         FALSE},
        // 60 fits under the half at the top.
        {R(0, 0, 200, 300),
         {100, 60},
         {0, 0},
         0x2000,
         "0,0,200,60",
         "0,60,200,64",
         "0,64,200,300",
         TRUE,
         TRUE},
        // 80 wide widened to its minimum 90 on the right of a 200-wide target.
        {R(10, 0, 210, 300),
         {80, 10},
         {90, 0},
         0x4000,
         "120,0,210,300",
         "116,0,120,300",
         "10,0,116,300",
         FALSE,
         FALSE},
        // 300 asked on the left is cut to half of 200.
        {R(10, 0, 210, 300),
         {300, 10},
         {0, 0},
         0x1000,
         "10,0,110,300",
         "110,0,114,300",
         "114,0,210,300",
         FALSE,
         TRUE},
        // 301 tall: half is 150 (truncated), the target keeps the odd pixel.
        {R(0, 0, 200, 301),
         {100, 500},
         {0, 0},
         0x8000,
         "0,151,200,301",
         "0,147,200,151",
         "0,0,200,147",
         TRUE,
         FALSE},
        // Other bits beside the side do not matter.
        {R(0, 0, 200, 300),
         {100, 60},
         {0, 0},
         0x2040,
         "0,0,200,60",
         "0,60,200,64",
         "0,64,200,300",
         TRUE,
         TRUE},
    };
    for (const Case& c : cases) {
        RECT target = c.target;
        SplitRects s{};
        ASSERT_TRUE(CalcSplitRects(target, c.sizeNew, c.sizeMin, c.align, s)) << c.newRect;
        EXPECT_EQ(c.newRect, Text(s.rectNew));
        EXPECT_EQ(c.slider, Text(s.rectSlider)) << c.newRect;
        EXPECT_EQ(c.targetAfter, Text(target)) << c.newRect;
        EXPECT_EQ(c.horizontal, s.bHorizontalSlider) << c.newRect;
        EXPECT_EQ(c.newFirst, s.bNewIsFirst) << c.newRect;
    }
}

TEST(ContainerSplit, RefusesAnythingButOneSideAndChangesNothing)
{
    for (DWORD align : {0x0u, 0x3000u, 0xF000u, 0x0040u}) {
        RECT target = R(0, 0, 200, 300);
        SplitRects s{};
        EXPECT_FALSE(CalcSplitRects(target, SIZE{50, 50}, SIZE{0, 0}, align, s)) << align;
        EXPECT_EQ("0,0,200,300", Text(target)) << align;
    }
}

TEST(ContainerLayout, SharesTheLengthBetweenTheSides)
{
    struct Case
    {
        const char* what;
        LONG oldLength, newLength;
        SplitSide first, second;
        LONG expFirst, expSecond;
        int expFirstPercent, expSecondPercent;
        BOOL expSlider;
    } cases[] = {
        // share 80: of +100 the first side takes 100-80 = 20; second = 200-4-100.
        {"80% side grows",
         100,
         200,
         {TRUE, 80, FALSE, 80},
         {TRUE, 16, FALSE, 20},
         100,
         96,
         80,
         20,
         TRUE},
        // share 80: of -100 the first side gives 80; room 96, second 16.
        {"80% side shrinks",
         200,
         100,
         {TRUE, 160, FALSE, 80},
         {TRUE, 36, FALSE, 20},
         80,
         16,
         80,
         20,
         TRUE},
        // no change: exact pixels stay; share 47/150 = 31.3 is stored truncated.
        {"same length", 150, 150, {TRUE, 47, FALSE, 10}, {TRUE, 99, FALSE, 90}, 47, 99, 31, 69, TRUE},
        // -10 at share 33: trunc(3.3) = 3 comes off the first side.
        {"shrink truncates",
         100,
         90,
         {TRUE, 33, FALSE, 0},
         {TRUE, 63, FALSE, 0},
         30,
         56,
         33,
         67,
         TRUE},
        // +7 at share 33: trunc(67 * 7 / 100 = 4.69) = 4 goes to the first side.
        {"grow truncates",
         100,
         107,
         {TRUE, 33, FALSE, 0},
         {TRUE, 63, FALSE, 0},
         37,
         66,
         33,
         67,
         TRUE},
        // share 0 counts as 50: +100 gives the first side 50.
        {"share 0 is half",
         100,
         200,
         {TRUE, 0, FALSE, 0},
         {TRUE, 96, FALSE, 100},
         50,
         146,
         50,
         50,
         TRUE},
        // first hidden: the second side takes all and 100 %, the first keeps its 30.
        {"first hidden",
         300,
         300,
         {FALSE, 90, FALSE, 30},
         {TRUE, 206, FALSE, 70},
         0,
         300,
         30,
         100,
         FALSE},
        // first back with an empty rectangle: second fills T, so F = 300 * 30 / 100 = 90.
        {"first returns",
         300,
         300,
         {TRUE, 0, TRUE, 30},
         {TRUE, 300, FALSE, 100},
         90,
         206,
         30,
         70,
         TRUE},
        // its stored 100 % counts as 50: F = 150, second 296 - 150.
        {"first returns at 100",
         300,
         300,
         {TRUE, 0, TRUE, 100},
         {TRUE, 300, FALSE, 100},
         150,
         146,
         50,
         50,
         TRUE},
        // first fills T: the second side's 25 % gives F = 200 - 50 and the first 75 %.
        {"second returns",
         200,
         200,
         {TRUE, 200, FALSE, 100},
         {TRUE, 50, TRUE, 25},
         150,
         46,
         75,
         25,
         TRUE},
        // no old length: the stored 70/30 divide 200 and stay as they were.
        {"zero total", 0, 200, {TRUE, 0, TRUE, 70}, {TRUE, 0, TRUE, 30}, 140, 56, 70, 30, TRUE},
        // no old length and no usable share: half, the stored values untouched.
        {"zero total no share",
         0,
         200,
         {TRUE, 0, TRUE, 0},
         {TRUE, 0, TRUE, 100},
         100,
         96,
         0,
         100,
         TRUE},
        {"nothing present",
         100,
         200,
         {FALSE, 40, FALSE, 40},
         {FALSE, 56, FALSE, 60},
         40,
         56,
         40,
         60,
         FALSE},
    };
    for (const Case& c : cases) {
        const SplitResult r = CalcSplitLayout(c.oldLength, c.newLength, c.first, c.second);
        EXPECT_EQ(c.expFirst, r.nFirst) << c.what;
        EXPECT_EQ(c.expSecond, r.nSecond) << c.what;
        EXPECT_EQ(c.expFirstPercent, r.nFirstPercent) << c.what;
        EXPECT_EQ(c.expSecondPercent, r.nSecondPercent) << c.what;
        EXPECT_EQ(c.expSlider, r.bSlider) << c.what;
    }
}

TEST(ContainerLayout, PlacesSidesAndSliderEdgeToEdge)
{
    RECT a, s, b;
    SplitResult stacked{TRUE, TRUE, 146, 150, TRUE, 50, 50};
    PlaceSplit(R(0, 0, 200, 300), TRUE, stacked, a, s, b);
    EXPECT_EQ("0,0,200,146", Text(a));
    EXPECT_EQ("0,146,200,150", Text(s));
    EXPECT_EQ("0,150,200,300", Text(b));

    SplitResult sideBySide{TRUE, TRUE, 100, 196, TRUE, 33, 67};
    PlaceSplit(R(0, 10, 300, 110), FALSE, sideBySide, a, s, b);
    EXPECT_EQ("0,10,100,110", Text(a));
    EXPECT_EQ("100,10,104,110", Text(s));
    EXPECT_EQ("104,10,300,110", Text(b));

    SplitResult lone{FALSE, TRUE, 0, 300, FALSE, 30, 100};
    PlaceSplit(R(0, 0, 200, 300), TRUE, lone, a, s, b);
    EXPECT_TRUE(::IsRectEmpty(&a));
    EXPECT_TRUE(::IsRectEmpty(&s));
    EXPECT_EQ("0,0,200,300", Text(b));
}

TEST(ContainerLayout, AStoredSliderNamesTheSplitToThePixel)
{
    struct Case
    {
        const char* what;
        RECT node, slider;
        BOOL bHorizontalSlider;
        BOOL expOk;
        LONG expFirst, expSecond;
    } cases[] = {
        // 96 / 196 is no whole percent: the slider still says it exactly.
        {"stacked", R(0, 0, 152, 196), R(0, 96, 152, 100), TRUE, TRUE, 96, 96},
        {"side by side, node not at 0", R(40, 10, 340, 90), R(141, 10, 145, 90), FALSE, TRUE, 101,
         195},
        {"slider against the start", R(0, 0, 100, 100), R(0, 0, 4, 100), FALSE, TRUE, 0, 96},
        {"slider against the end", R(0, 0, 100, 100), R(0, 96, 100, 100), TRUE, TRUE, 96, 0},
        // Stored for a larger node, or across the wrong axis, or not a slider's thickness.
        {"past the end", R(0, 0, 100, 100), R(0, 97, 100, 101), TRUE, FALSE, 0, 0},
        {"before the start", R(0, 50, 100, 150), R(0, 40, 100, 44), TRUE, FALSE, 0, 0},
        {"wrong axis", R(0, 0, 100, 100), R(0, 40, 100, 44), FALSE, FALSE, 0, 0},
        {"too thick", R(0, 0, 100, 100), R(0, 40, 100, 50), TRUE, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        SplitResult split{};
        EXPECT_EQ(c.expOk, SplitAtSlider(c.node, c.slider, c.bHorizontalSlider, split)) << c.what;
        if (!c.expOk) continue;
        EXPECT_TRUE(split.bSlider) << c.what;
        EXPECT_EQ(c.expFirst, split.nFirst) << c.what;
        EXPECT_EQ(c.expSecond, split.nSecond) << c.what;
    }
}

TEST(ContainerLayout, MinimumSizes)
{
    struct Case
    {
        BOOL firstPresent, secondPresent, slider, horizontal;
        LONG cx, cy;
    } cases[] = {
        {TRUE, TRUE, TRUE, TRUE, 50, 94},    // stacked: widest 50, 4 + 30 + 60
        {TRUE, TRUE, TRUE, FALSE, 94, 60},   // side by side: 4 + 50 + 40, tallest 60
        {TRUE, TRUE, FALSE, TRUE, 50, 60},   // no slider: the larger of each
        {FALSE, TRUE, FALSE, TRUE, 40, 60},  // an absent side counts nothing
    };
    for (const Case& c : cases) {
        const SIZE sz = CombineMinSizes(SIZE{50, 30}, c.firstPresent, SIZE{40, 60}, c.secondPresent,
                                        c.slider, c.horizontal);
        EXPECT_EQ(c.cx, sz.cx);
        EXPECT_EQ(c.cy, sz.cy);
    }
}

TEST(SliderDrag, LimitsFromTheSidesAndFromTheFrame)
{
    LONG lo = 0, hi = 0;
    InnerSliderLimits(100, 30, 80, 50, lo, hi);
    EXPECT_EQ(-70, lo);
    EXPECT_EQ(30, hi);
    InnerSliderLimits(20, 30, 80, 50, lo, hi);  // already under its minimum: stays put at least
    EXPECT_EQ(0, lo);
    EXPECT_EQ(30, hi);

    struct Case
    {
        DWORD align;
        RECT slider;
        LONG length, minLength, expLo, expHi;
    } cases[] = {
        {0x1000, R(200, 0, 204, 600), 200, 50, -150, 800 - 4 - 204},
        {0x4000, R(596, 0, 600, 600), 200, 50, 0 + 4 - 596, 150},
        {0x2000, R(0, 100, 800, 104), 100, 40, -60, 600 - 4 - 104},
        {0x8000, R(0, 496, 800, 500), 100, 40, 4 - 496, 60},
    };
    for (const Case& c : cases) {
        DefaultSliderLimits(c.align, c.slider, c.length, c.minLength, R(0, 0, 800, 600), lo, hi);
        EXPECT_EQ(c.expLo, lo) << c.align;
        EXPECT_EQ(c.expHi, hi) << c.align;
    }
}

TEST(SliderDrag, MovingASplitStopsAtTheMinimums)
{
    // clang-format off
    struct Case
    {
        LONG delta, used, first, second;
    } cases[] = {
        {-100, -70, 30, 150},
        {100, 30, 130, 50},
        {-10, -10, 90, 90},
        {0, 0, 100, 80},
    };
    // clang-format on
    for (const Case& c : cases) {
        LONG first = 100, second = 80;
        EXPECT_EQ(c.used, MoveSplit(first, 30, second, 50, c.delta)) << c.delta;
        EXPECT_EQ(c.first, first) << c.delta;
        EXPECT_EQ(c.second, second) << c.delta;
    }
}

TEST(SliderDrag, OutlineCentredOnTheCursorAndKeptInsideTheLimits)
{
    struct Case
    {
        RECT slider;
        DWORD style;
        int width;
        POINT cursor;
        LONG lo, hi;
        const char* limits;
        const char* outline;
    } cases[] = {
        {R(0, 100, 200, 104), 1, 4, {50, 120}, -30, 50, "0,70,200,154", "0,118,200,122"},
        {R(0, 100, 200, 104), 1, 4, {50, 60}, -30, 50, "0,70,200,154", "0,70,200,74"},
        {R(0, 100, 200, 104), 1, 4, {50, 200}, -30, 50, "0,70,200,154", "0,150,200,154"},
        // width 5: the half is 2, not 3
        {R(0, 100, 200, 105), 1, 5, {50, 120}, -30, 50, "0,70,200,155", "0,118,200,123"},
        {R(100, 0, 104, 300), 2, 4, {95, 10}, -10, 10, "90,0,114,300", "93,0,97,300"},
        {R(100, 0, 104, 300), 2, 4, {0, 10}, -10, 10, "90,0,114,300", "90,0,94,300"},
        // neither style bit: nothing moves
        {R(100, 0, 104, 300), 0, 4, {0, 10}, -10, 10, "100,0,104,300", "100,0,104,300"},
    };
    for (const Case& c : cases) {
        const RECT limits = SliderLimitsRect(c.slider, c.style, c.lo, c.hi);
        EXPECT_EQ(c.limits, Text(limits)) << c.outline;
        EXPECT_EQ(c.outline, Text(SliderDragOutline(c.slider, c.style, c.width, c.cursor, limits)));
    }
    EXPECT_EQ(-9, SliderMoveOffset(1, POINT{7, -9}));
    EXPECT_EQ(7, SliderMoveOffset(2, POINT{7, -9}));
    EXPECT_EQ(0, SliderMoveOffset(0, POINT{7, -9}));
}

TEST(SliderDrag, DefaultSliderStripOnTheInnerEdge)
{
    struct Case
    {
        DWORD align;
        RECT rect;
        const char* slider;
        const char* container;
    } cases[] = {
        {0x1000, R(0, 0, 200, 600), "196,0,200,600", "0,0,196,600"},
        {0x4000, R(600, 0, 800, 600), "600,0,604,600", "604,0,800,600"},
        {0x2000, R(0, 0, 800, 100), "0,96,800,100", "0,0,800,96"},
        {0x8000, R(0, 400, 800, 600), "0,400,800,404", "0,404,800,600"},
    };
    for (const Case& c : cases) {
        RECT s, rest;
        SplitSliderStrip(c.rect, c.align, kSliderWidth, s, rest);
        EXPECT_EQ(c.slider, Text(s)) << c.align;
        EXPECT_EQ(c.container, Text(rest)) << c.align;
    }
    EXPECT_EQ(10, CutStretch(10, 100, 50));
    EXPECT_EQ(-30, CutStretch(-30, 100, 50));
    EXPECT_EQ(-50, CutStretch(-80, 100, 50));
    EXPECT_EQ(0, CutStretch(-10, 40, 50));
}

TEST(SliderIds, CounterNeverReusesAnIdOfTheManager)
{
    struct Case
    {
        int counter, requested;
        std::vector<int> used;
        int id, counterAfter;
    } cases[] = {
        {1, -1, {}, 1, 2},       // the counter's value
        {3, -1, {3, 4}, 5, 6},   // 3 and 4 are taken: the next free value
        {2, 10, {}, 10, 11},     // a given id raises the counter past it
        {20, 10, {}, 10, 20},    // a lower given id leaves the counter
        {20, 10, {10}, 20, 21},  // a given id already in use gives way to the counter
        {5, 7, {7, 8}, 9, 10},   // raised to 8, which is taken too
    };
    for (const Case& c : cases) {
        int counter = c.counter;
        EXPECT_EQ(c.id, ChooseSliderId(counter, c.requested, c.used))
            << c.counter << "/" << c.requested;
        EXPECT_EQ(c.counterAfter, counter) << c.counter << "/" << c.requested;
    }
}
