// The colour bar's layout arithmetic: columns and rows, the size it asks for, where its rows and
// cells go (and when the preview cell shows), fitting cells to a window, and a control's columns.
#include <gtest/gtest.h>

#include "ui/panes/ZAVPColorBarLayout.h"

using namespace ZAVPColorBarLayout;

TEST(ColorBarLayout, ColumnsAndRows)
{
    const struct
    {
        int nCount;
        GridSettings settings;
        BOOL bDockedStandalone, bVertical;
        int nColumns, nRows;
    } cases[] = {
        {20, {0, 0, 0}, FALSE, FALSE, 5, 4},  // (int) sqrt(20) + 1 = 5
        {40, {0, 0, 0}, FALSE, FALSE, 7, 6}, {20, {8, 0, 0}, FALSE, FALSE, 8, 3},
        {20, {0, 2, 0}, TRUE, FALSE, 10, 2},  // docked horizontally: the rows setting
        {20, {0, 2, 3}, TRUE, TRUE, 3, 7},    // docked vertically: the columns setting
        {20, {0, 2, 3}, FALSE, FALSE, 5, 4},  // floating or in a popup: neither
        {20, {6, 0, 3}, TRUE, FALSE, 3, 7},   // horizontal without a rows setting
        {0, {0, 0, 0}, FALSE, FALSE, 1, 0},
    };
    for (const auto& c : cases) {
        int nColumns = 0, nRows = 0;
        GetColumnsAndRows(c.nCount, c.settings, c.bDockedStandalone, c.bVertical, nColumns, nRows);
        EXPECT_EQ(c.nColumns, nColumns) << c.nCount << " " << c.settings.nColumns;
        EXPECT_EQ(c.nRows, nRows) << c.nCount << " " << c.settings.nColumns;
    }
}

TEST(ColorBarLayout, CalcSizeAddsTheTextRowsAndDocumentColours)
{
    // 5 x 4 cells of 17 x 17, text rows 25 high, margins 4.
    SizeInputs in = {5, 4, CSize(17, 17), 25, FALSE, FALSE, FALSE, 0};
    EXPECT_EQ(CSize(93, 76), CalcSize(in));  // just the grid
    in.bOther = TRUE;
    EXPECT_EQ(CSize(93, 76 + 4 + 25), CalcSize(in));  // other row alone adds a margin above
    in.bAutomatic = TRUE;
    EXPECT_EQ(CSize(93, 76 + 25 + 25), CalcSize(in));
    in.bShowDocument = TRUE;
    in.nDocumentColors = 7;  // two rows of five
    EXPECT_EQ(CSize(93, 126 + 4 + 2 * 17 + 4 + 25), CalcSize(in));
    in.bShowDocument = FALSE;
    EXPECT_EQ(CSize(93, 126), CalcSize(in));
}

namespace
{
const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

std::vector<Item> AutoGridOther()
{
    return {{Automatic, (COLORREF)-1, FALSE, FALSE},
            {Cell, kRed, FALSE, FALSE},
            {Cell, kGreen, FALSE, FALSE},
            {Cell, kBlue, FALSE, FALSE},
            {Separator, 0, FALSE, FALSE},
            {Other, (COLORREF)-1, FALSE, FALSE},
            {Cell, 0, FALSE, TRUE}};
}
}  // namespace

TEST(ColorBarLayout, LocationsAndThePreviewCell)
{
    // Room for two 17-pixel cells a row; text rows 25 high are placed 23 high.
    LocationInputs in = {CRect(4, 4, 44, 200), CSize(17, 17), 25, TRUE, TRUE, (COLORREF)-1};
    const CRect kAuto(4, 4, 44, 27), kRedCell(4, 27, 21, 44), kGreenCell(21, 27, 38, 44),
        kBlueCell(4, 44, 21, 61), kSeparator(4, 65, 44, 67);

    // Automatic selected: no preview, the other row spans the width.
    std::vector<CRect> rects = Locations(AutoGridOther(), in);
    ASSERT_EQ(7u, rects.size());
    EXPECT_EQ(kAuto, rects[0]);
    EXPECT_EQ(kRedCell, rects[1]);
    EXPECT_EQ(kGreenCell, rects[2]);
    EXPECT_EQ(kBlueCell, rects[3]);
    EXPECT_EQ(kSeparator, rects[4]);
    EXPECT_EQ(CRect(6, 71, 42, 90), rects[5]);
    EXPECT_TRUE(rects[6].IsRectEmpty());

    // A colour outside the palette: the preview cell sits at the other row's right end.
    in.clrSelected = RGB(1, 2, 3);
    rects = Locations(AutoGridOther(), in);
    EXPECT_EQ(CRect(6, 71, 25, 90), rects[5]);
    EXPECT_EQ(CRect(27, 72, 44, 89), rects[6]);

    // A palette colour: its cell shows it, the preview goes again.
    in.clrSelected = kGreen;
    rects = Locations(AutoGridOther(), in);
    EXPECT_EQ(CRect(6, 71, 42, 90), rects[5]);
    EXPECT_TRUE(rects[6].IsRectEmpty());
}

TEST(ColorBarLayout, DocumentColoursHiddenAndShown)
{
    const std::vector<Item> items = {{Cell, kRed, FALSE, FALSE},
                                     {Separator, 0, FALSE, FALSE},
                                     {Label, (COLORREF)-1, TRUE, FALSE},
                                     {Cell, kBlue, TRUE, FALSE}};
    LocationInputs in = {CRect(4, 4, 44, 200), CSize(17, 17), 25, FALSE, FALSE, (COLORREF)-1};
    std::vector<CRect> rects = Locations(items, in);
    EXPECT_EQ(CRect(4, 4, 21, 21), rects[0]);
    EXPECT_TRUE(rects[2].IsRectEmpty());
    EXPECT_TRUE(rects[3].IsRectEmpty());

    in.bShowDocument = TRUE;
    rects = Locations(items, in);
    EXPECT_EQ(CRect(4, 25, 44, 27), rects[1]);  // after a row of cells: a cell and a margin down
    EXPECT_EQ(CRect(4, 29, 44, 52), rects[2]);
    EXPECT_EQ(CRect(4, 52, 21, 69), rects[3]);
}

TEST(ColorBarLayout, FitToWindowStopsWhereNoCellHeightFitsExactly)
{
    // 4 rows: the height is 4h + 8, which never equals 101; the largest fitting h is 23.
    SizeInputs in = {5, 4, CSize(17, 17), 25, FALSE, FALSE, FALSE, 0};
    const struct
    {
        int nStartHeight;
    } starts[] = {{17}, {60}};
    for (const auto& s : starts) {
        in.sizeCell.cy = s.nStartHeight;
        const Fit fit = FitToWindow(in, CSize(120, 101), FALSE, FALSE);
        // 23 and 22 (5w + 8 <= 120), each then less one.
        EXPECT_EQ(CSize(21, 22), fit.sizeCell) << s.nStartHeight;
        EXPECT_EQ(33, fit.nTextRowHeight);
        EXPECT_EQ(CSize(0, 0), fit.offset);
    }
    in.sizeCell = CSize(17, 17);
    const Fit square = FitToWindow(in, CSize(120, 100), TRUE, TRUE);
    EXPECT_EQ(CSize(21, 21), square.sizeCell);
    EXPECT_EQ(31, square.nTextRowHeight);
    EXPECT_EQ(CSize((120 - 113) / 2, (100 - 92) / 2), square.offset);

    // A window too small for any cell keeps cells of one pixel.
    const Fit tiny = FitToWindow(in, CSize(5, 5), FALSE, FALSE);
    EXPECT_EQ(CSize(1, 1), tiny.sizeCell);
}

TEST(ColorBarLayout, ControlColumnsFromItsRectangle)
{
    EXPECT_EQ(5, ChooseColumns(100, 100, 20));       // 4 columns of 23 would need 5 rows: 115 > 92
    EXPECT_EQ(11, ChooseColumns(200, 40, 20));       // a wide strip: 10 columns of 19 need 38 > 32
    EXPECT_EQ(kNoColumns, ChooseColumns(8, 8, 20));  // no cell has any size
}
