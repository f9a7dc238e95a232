// Placement of the bars of one row: expected positions worked out by hand from the row's rules.
#include <gtest/gtest.h>

#include <string>

#include "ui/docking/layout/DockRowLayout.h"

using namespace DockLayout;

namespace
{
// A bar at start with length; it may shrink to min and wants full.
RowBar Bar(int start, int length, int min = 1, int full = -1, bool visible = true)
{
    return RowBar{start, length, min, full < 0 ? length : full, visible};
}

// "start+length" of every bar, in order; hidden bars in brackets.
std::string Positions(const RowModel& row)
{
    std::string out;
    for (const RowBar& b : row.bars) {
        if (!out.empty()) out += " ";
        const std::string one = std::to_string(b.start) + "+" + std::to_string(b.length);
        out += b.visible ? one : "[" + one + "]";
    }
    return out;
}
}  // namespace

TEST(RowArrange, OneBarLongerThanTheRowShrinksAndGoesToTheStart)
{
    RowModel row{100, {Bar(20, 150, 40)}};
    row.ArrangeBars(-1);
    EXPECT_EQ("0+100", Positions(row));
}

TEST(RowArrange, BarsThatDoNotFitShrinkFromTheEnd)
{
    // 330 px of bars in a 300-px row; the last can give only 10, so it moves back by 20 and the
    // middle one is asked for the remaining 20.
    RowModel row{300, {Bar(0, 100, 50), Bar(100, 120, 20), Bar(220, 110, 100)}};
    row.ArrangeBars(-1);
    EXPECT_EQ("0+100 100+100 200+100", Positions(row));
}

TEST(RowArrange, TableOfPlacements)
{
    struct Case
    {
        const char* what;
        RowModel row;
        int bar;
        const char* expected;
    } cases[] = {
        {"overlap pushed forward", {300, {Bar(0, 100), Bar(50, 100)}}, -1, "0+100 100+100"},
        {"before the start: shifted in", {300, {Bar(-30, 100), Bar(100, 50)}}, -1, "0+100 100+50"},
        {"past the end, room left: shifted back",
         {300, {Bar(0, 100), Bar(250, 100)}},
         -1,
         "0+100 200+100"},
        {"gap absorbs the shift back",
         {300, {Bar(0, 50), Bar(120, 100), Bar(230, 100)}},
         -1,
         "0+50 100+100 200+100"},
        {"exactly fits after closing the gaps",
         {200, {Bar(0, 100), Bar(150, 100)}},
         -1,
         "0+100 100+100"},
        {"given bar pushes both ways",
         {300, {Bar(0, 100), Bar(80, 60), Bar(130, 100)}},
         1,
         "0+100 100+60 160+100"},
        {"hidden bars take no room",
         {200, {Bar(0, 100), Bar(100, 100, 1, -1, false), Bar(150, 100)}},
         -1,
         "0+100 [100+100] 100+100"},
        {"empty row", {200, {}}, -1, ""},
    };
    for (Case& c : cases) {
        c.row.ArrangeBars(c.bar);
        EXPECT_EQ(c.expected, Positions(c.row)) << c.what;
    }
}

TEST(RowMove, PushIsAbsorbedByAFivePixelGap)
{
    struct Case
    {
        int push;
        const char* expected;
    } cases[] = {
        {20, "20+100 120+50 170+50"},  // the third bar moves by 20 - 5
        {5, "5+100 105+50 155+50"},    // a push of 5 leaves it in place
        {3, "3+100 103+50 155+50"},
    };
    for (const Case& c : cases) {
        RowModel row{400, {Bar(0, 100), Bar(100, 50), Bar(155, 50)}};
        int index = 0;
        EXPECT_TRUE(row.MoveBar(index, c.push, false));
        EXPECT_EQ(c.expected, Positions(row)) << "push " << c.push;
        EXPECT_EQ(0, index);
    }
}

TEST(RowMove, NoRoomInTheDirectionMovesNothing)
{
    RowModel row{300, {Bar(0, 100), Bar(100, 100), Bar(200, 100)}};
    int index = 0;
    EXPECT_EQ(0, row.GetMoveLimit(0, true));
    EXPECT_FALSE(row.MoveBar(index, 10, true));
    EXPECT_EQ("0+100 100+100 200+100", Positions(row));
    index = 2;
    EXPECT_FALSE(row.MoveBar(index, 10, true));
    EXPECT_EQ("0+100 100+100 200+100", Positions(row));
}

TEST(RowMove, BackwardMoveIsLimitedAndPushesTheBarsBefore)
{
    // The bar before it can go back 50 px only; a 200-px drag stops at 100.
    RowModel row{300, {Bar(50, 100), Bar(200, 100)}};
    EXPECT_EQ(-100, row.GetMoveLimit(1, false));
    int index = 1;
    EXPECT_TRUE(row.MoveBar(index, -200, false));
    EXPECT_EQ("0+100 100+100", Positions(row));
}

TEST(RowMove, DraggedBarPassesItsNeighbourAndTheyExchangePlaces)
{
    RowModel row{400, {Bar(0, 100, 1, 100), Bar(100, 100, 1, 200)}};
    int index = 0;
    // 160 px forward: the dragged bar's centre (210) is past its neighbour's (150).
    EXPECT_TRUE(row.MoveBar(index, 160, true));
    EXPECT_EQ(1, index);
    EXPECT_EQ("60+100 160+100", Positions(row));
    EXPECT_EQ(200, row.bars[0].fullLength);  // the neighbour kept its own record
    // Back by 120: 40..140 has its centre (90) before the neighbour's (110), so they exchange.
    EXPECT_TRUE(row.MoveBar(index, -120, true));
    EXPECT_EQ(0, index);
    EXPECT_EQ("40+100 140+100", Positions(row));
}

TEST(RowMove, PassingInAFullRowExchangesWithoutFreeRoom)
{
    RowModel row{300, {Bar(0, 100), Bar(100, 80), Bar(180, 120)}};
    int index = 0;
    // 60 px: the centre (110) is not past the neighbour's (140), and there is no room to push.
    EXPECT_FALSE(row.MoveBar(index, 60, true));
    EXPECT_EQ("0+100 100+80 180+120", Positions(row));
    // 110 px: past it; the neighbour takes the place the dragged bar came from.
    EXPECT_TRUE(row.MoveBar(index, 110, true));
    EXPECT_EQ(1, index);
    EXPECT_EQ("0+80 80+100 180+120", Positions(row));
}

TEST(RowStretch, ShrinksAndGrowsWithinLimits)
{
    RowModel row{300, {Bar(0, 100, 60, 130)}};
    EXPECT_EQ(30, row.Stretch(0, 50));
    EXPECT_EQ(130, row.bars[0].length);
    EXPECT_EQ(-70, row.Stretch(0, -100));
    EXPECT_EQ(60, row.bars[0].length);
    EXPECT_EQ(0, row.Stretch(0, -1));
}

TEST(RowExpand, StretchedBarsGrowBackIntoFreeLength)
{
    RowModel row{300, {Bar(0, 60, 1, 100), Bar(60, 60, 1, 100)}};
    row.ExpandStretchedBars();
    EXPECT_EQ("0+100 100+100", Positions(row));
    // Not enough room for both: the first takes what it wants, the second the rest.
    RowModel tight{170, {Bar(0, 60, 1, 100), Bar(60, 60, 1, 100)}};
    tight.ExpandStretchedBars();
    EXPECT_EQ("0+100 100+70", Positions(tight));
}

TEST(RowRemove, RemainingBarsReturnToFullLengthAndFit)
{
    RowModel row{300, {Bar(0, 100, 50, 150), Bar(100, 100), Bar(200, 100, 50, 160)}};
    row.RemoveBar(1);
    EXPECT_EQ("0+150 150+150", Positions(row));
}

TEST(RowShift, ChainShiftLosesEachGap)
{
    RowModel forward{500, {Bar(0, 100), Bar(110, 100), Bar(230, 100)}};
    forward.ShiftBars(-1, 25, true);  // gaps 10 and 20: 25, 15, stop
    EXPECT_EQ("25+100 125+100 230+100", Positions(forward));
    RowModel backward{500, {Bar(0, 100), Bar(110, 100), Bar(230, 100)}};
    backward.ShiftBars(-1, -25, false);  // from the last: -25, then -5, then nothing
    EXPECT_EQ("0+100 105+100 205+100", Positions(backward));
}
