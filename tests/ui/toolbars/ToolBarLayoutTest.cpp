// Toolbar layout arithmetic on given button sizes: rows, wrapping, sizing for a length, placing.
#include <gtest/gtest.h>

#include <string>

#include "ui/toolbars/ZAVPToolBarLayout.h"

using ZAVPToolBarLayout::Item;

namespace
{
const CSize kButton(23, 22);
const int kRow = 22;

// "B" a 23 x 22 button, "S" an 8 x 22 separator, in order.
std::vector<Item> Items(const std::string& pattern)
{
    std::vector<Item> items;
    for (char c : pattern) {
        Item item;
        item.bSeparator = c == 'S';
        item.size = item.bSeparator ? CSize(8, 22) : kButton;
        items.push_back(item);
    }
    return items;
}

// The wrap flags as a string: '|' after every button that ends its row.
std::string Rows(const std::vector<Item>& items)
{
    std::string rows;
    for (const Item& item : items) {
        rows += item.bSeparator ? 'S' : 'B';
        if (item.bWrap) rows += '|';
    }
    return rows;
}
}  // namespace

TEST(ToolBarLayoutTest, WrapIntoRows)
{
    const struct
    {
        const char* buttons;
        int width;
        int rows;
        const char* wrapped;
    } cases[] = {
        {"BBBBB", 60, 3, "BB|BB|B"},  // two 23-pixel buttons fit in 60
        {"BBBBB", 32767, 1, "BBBBB"},
        {"BBBBB", 0, 5, "B|B|B|B|B"},  // width 0: every button on its own row
        {"BBSB", 46, 2, "BBS|B"},      // a separator never starts a wrap itself
        {"SBB", 23, 2, "SB|B"},        // a separator starting the row takes no room
        {"", 10, 0, ""},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = Items(c.buttons);
        EXPECT_EQ(c.rows, ZAVPToolBarLayout::Wrap(items, c.width)) << c.buttons << " " << c.width;
        EXPECT_EQ(c.wrapped, Rows(items)) << c.buttons << " " << c.width;
    }
}

TEST(ToolBarLayoutTest, CalcSizeOfWrappedAndStackedButtons)
{
    std::vector<Item> items = Items("BBSB");
    ZAVPToolBarLayout::Wrap(items, 46);  // "BBS|B"
    // The wrapping separator takes no room: 46 wide, two rows of 22 with the 5-pixel gap.
    EXPECT_EQ(CSize(46, 49), ZAVPToolBarLayout::CalcSize(items, false, kRow, kButton));
    // Stacked (vertical docking): the widest, and the heights summed (8 for the separator here).
    EXPECT_EQ(CSize(23, 22 + 22 + 22 + 22),
              ZAVPToolBarLayout::CalcSize(Items("BBSB"), true, kRow, kButton));
    EXPECT_EQ(kButton, ZAVPToolBarLayout::CalcSize({}, false, kRow, kButton));  // empty bar
}

TEST(ToolBarLayoutTest, APaletteWrapsIntoItsColumnsWhateverTheLength)
{
    const struct
    {
        const char* buttons;
        int columns;
        int rows;
        const char* wrapped;
    } cases[] = {
        {"BBBBBBB", 3, 3, "BBB|BBB|B"},
        {"BBBBBB", 3, 2, "BBB|BBB"},  // the last row ends the bar: no empty row after it
        {"BBSBB", 2, 2, "BB|SBB"},    // a separator takes no cell
        {"BBB", 0, 3, "B|B|B"},       // no column count: one column
        {"BB", 5, 1, "BB"},
        {"", 4, 0, ""},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = Items(c.buttons);
        for (Item& item : items) item.bWrap = true;  // left over from an earlier wrap
        EXPECT_EQ(c.rows, ZAVPToolBarLayout::WrapColumns(items, c.columns)) << c.buttons;
        EXPECT_EQ(c.wrapped, Rows(items)) << c.buttons << " " << c.columns;
    }
    std::vector<Item> grid = Items("BBBBBBB");
    ZAVPToolBarLayout::WrapColumns(grid, 3);
    EXPECT_EQ(CSize(3 * 23, 3 * 22 + 2 * 5),
              ZAVPToolBarLayout::CalcSize(grid, false, kRow, kButton));
}

TEST(ToolBarLayoutTest, AStretchedBarClaimsTheRowUpToItsLimit)
{
    const struct
    {
        CSize size;
        bool stretch, horz;
        int limit;
        CSize expected;
    } cases[] = {
        {{40, 22}, false, true, 0, {40, 22}},
        {{-3, -2}, false, true, 0, {0, 0}},       // never negative
        {{40, 22}, false, false, 500, {40, 22}},  // the limit is for stretching only
        {{40, 22}, true, true, 0, {32767, 22}},
        {{40, 22}, true, true, 500, {500, 22}},
        {{40, 22}, true, true, 20, {40, 22}},  // the buttons still need their room
        {{40, 22}, true, true, 40000, {32767, 22}},
        {{23, 90}, true, false, 0, {23, 32767}},
        {{23, 90}, true, false, 600, {23, 600}},
        {{23, 90}, true, false, 50, {23, 90}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ZAVPToolBarLayout::FixedSize(c.size, c.stretch, c.horz, c.limit))
            << c.size.cx << "x" << c.size.cy << " " << c.stretch << c.horz << " " << c.limit;
}

TEST(ToolBarLayoutTest, SizeForALength)
{
    const struct
    {
        const char* buttons;
        int length;
        bool vert;
        const char* wrapped;
        CSize size;
    } cases[] = {
        // Four fit in 100, so two rows; the narrowest width with two rows holds three.
        {"BBBBBB", 100, false, "BBB|BBB", CSize(69, 49)},
        {"BBBBBB", 32767, false, "BBBBBB", CSize(138, 22)},
        // A bar wrapped at length 0 (a vertical bar without dynamic size): every button wraps.
        {"BBB", 0, false, "B|B|B", CSize(23, 76)},
        // Vertical with a length: the narrowest whole-button width whose height fits 50.
        {"BBBBBB", 50, true, "BBB|BBB", CSize(69, 49)},
        {"BBBBBB", 500, true, "B|B|B|B|B|B", CSize(23, 157)},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = Items(c.buttons);
        ZAVPToolBarLayout::SizeToolBar(items, c.length, c.vert, kRow, kButton);
        EXPECT_EQ(c.wrapped, Rows(items)) << c.buttons << " " << c.length << " " << c.vert;
        EXPECT_EQ(c.size, ZAVPToolBarLayout::CalcSize(items, false, kRow, kButton))
            << c.buttons << " " << c.length << " " << c.vert;
    }
}

TEST(ToolBarLayoutTest, DockedBarHidesTheOverflowInTheCustomizeButton)
{
    const CSize customize(12, 22);
    const CRect inside(0, 0, 100, 22);

    // Six buttons in 100 pixels less the customize button's 12: three fit.
    auto p = ZAVPToolBarLayout::Place(Items("BBBBBB"), inside, true, kRow, true, false, customize,
                                      false);
    EXPECT_EQ((std::vector<int>{3, 4, 5}), p.hidden);
    EXPECT_EQ(CRect(46, 0, 69, 22), p.rects[2]);
    EXPECT_TRUE(p.rects[3].IsRectEmpty());
    EXPECT_TRUE(p.bCustomizeVisible);
    EXPECT_EQ(CRect(88, 0, 100, 22), p.rectCustomize);

    // Four buttons (92): the last may use the customize button's room while nothing is hidden.
    p = ZAVPToolBarLayout::Place(Items("BBBB"), inside, true, kRow, true, false, customize, false);
    EXPECT_TRUE(p.hidden.empty());
    EXPECT_EQ(CRect(69, 0, 92, 22), p.rects[3]);
    EXPECT_FALSE(p.bCustomizeVisible);
    EXPECT_TRUE(p.rectCustomize.IsRectEmpty());
    // ... but not when the customize button shows anyway.
    p = ZAVPToolBarLayout::Place(Items("BBBB"), inside, true, kRow, true, false, customize, true);
    EXPECT_EQ(std::vector<int>{3}, p.hidden);

    // Floating, or customising: nothing is hidden.
    for (bool customizing : {false, true}) {
        p = ZAVPToolBarLayout::Place(Items("BBBBBB"), inside, true, kRow, customizing, customizing,
                                     customize, false);
        EXPECT_TRUE(p.hidden.empty()) << customizing;
        EXPECT_EQ(CRect(115, 0, 138, 22), p.rects[5]) << customizing;
    }
}

TEST(ToolBarLayoutTest, PlacingRowsSeparatorsAndVerticalBars)
{
    // A separator that would start a row is hidden and takes no room.
    std::vector<Item> items = Items("BBSBB");
    items[1].bWrap = true;  // as a saved layout may hold it: the separator starts row two
    auto p = ZAVPToolBarLayout::Place(items, CRect(2, 3, 48, 100), true, kRow, false, false,
                                      CSize(0, 0), false);
    EXPECT_EQ(CRect(2, 3, 25, 25), p.rects[0]);
    EXPECT_FALSE(p.visible[2]);
    EXPECT_TRUE(p.rects[2].IsRectEmpty());
    EXPECT_EQ(CRect(2, 30, 25, 52), p.rects[3]);  // next row: 22 + 5 further down

    // A vertical docked bar runs top to bottom and ends with the customize button.
    p = ZAVPToolBarLayout::Place(Items("BBB"), CRect(0, 0, 23, 60), false, kRow, true, false,
                                 CSize(23, 12), false);
    EXPECT_EQ(CRect(0, 22, 23, 44), p.rects[1]);
    EXPECT_EQ(std::vector<int>{2}, p.hidden);
    EXPECT_EQ(CRect(0, 48, 23, 60), p.rectCustomize);
}

TEST(ToolBarLayoutTest, APaletteKeepsItsGridDockedVerticallyAndPlainBarsStack)
{
    const struct
    {
        const char* buttons;
        int columns;  // 0: wrapped as a bar without dynamic size is, at length 0
        bool horz;
        CSize size;
        int probe;  // a button whose rectangle shows the layout
        CRect rect;
    } cases[] = {
        // Seven in three columns: three rows, 5 pixels apart, whichever way the bar lies.
        {"BBBBBBB", 3, false, CSize(69, 76), 4, CRect(23, 27, 46, 49)},
        {"BBBBBBB", 3, true, CSize(69, 76), 6, CRect(0, 54, 23, 76)},
        {"BBBB", 4, false, CSize(92, 22), 3, CRect(69, 0, 92, 22)},
        {"BBBB", 1, false, CSize(23, 103), 3, CRect(0, 81, 23, 103)},
        // Without a column count a vertical bar is one stack, though every button wrapped.
        {"BBB", 0, false, CSize(23, 66), 2, CRect(0, 44, 23, 66)},
        {"BSB", 0, false, CSize(23, 66), 2, CRect(0, 44, 23, 66)},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = Items(c.buttons);
        if (c.columns > 0)
            ZAVPToolBarLayout::WrapColumns(items, c.columns);
        else
            ZAVPToolBarLayout::Wrap(items, 0);
        const bool bRows = ZAVPToolBarLayout::RunsInRows(c.horz, c.columns);
        EXPECT_EQ(c.size, ZAVPToolBarLayout::CalcSize(items, !bRows, kRow, kButton))
            << c.buttons << " " << c.columns << " " << c.horz;
        const auto p = ZAVPToolBarLayout::Place(items, CRect(CPoint(0, 0), c.size), bRows, kRow,
                                                true, false, CSize(0, 0), false);
        EXPECT_EQ(c.rect, p.rects[c.probe]) << c.buttons << " " << c.columns << " " << c.horz;
    }
}
