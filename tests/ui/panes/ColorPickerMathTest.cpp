// The colour dialog's picker geometry and colours: snapping, the rounding of channels, hexagon
// points, the honeycomb and the grey row, and the HLS conversions the pages use.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "ui/foundation/ZAVPColorMath.h"
#include "ui/panes/ZAVPColorPickerMath.h"

using namespace ZAVPColorPickerMath;

TEST(ColorPickerMath, ChannelsSnapWithinSixteenOfTheHoneycombLevels)
{
    const int cases[][2] = {{0, 0},     {15, 0},    {16, 16},   {100, 100}, {112, 112},
                            {113, 128}, {143, 128}, {144, 144}, {176, 176}, {177, 192},
                            {207, 192}, {208, 208}, {239, 239}, {240, 255}, {255, 255}};
    for (const auto& c : cases) EXPECT_EQ(c[1], SnapChannel(c[0])) << c[0];
    EXPECT_EQ(RGB(0, 128, 255), SnapColor(RGB(10, 140, 250)));
}

TEST(ColorPickerMath, ChannelIsRoundedOnceAndClamped)
{
    const struct
    {
        double v;
        int n;
    } cases[] = {{0.0, 0},     {1.0, 255}, {0.5, 128}, {0.499, 127},
                 {0.998, 254}, {1.3, 255}, {-0.2, 0}};
    for (const auto& c : cases) EXPECT_EQ(c.n, UnitToChannel(c.v)) << c.v;
}

TEST(ColorPickerMath, HexagonPoints)
{
    POINT pts[6];
    HexagonPoints(POINT{50, 50}, 11, pts);  // a = 5, h = (int)(11 x tan 30) / 2 = 3
    const POINT expected11[6] = {{45, 47}, {50, 45}, {55, 47}, {55, 53}, {50, 55}, {45, 53}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(expected11[i].x, pts[i].x) << i;
        EXPECT_EQ(expected11[i].y, pts[i].y) << i;
    }
    HexagonPoints(POINT{50, 50}, 20, pts);  // a = 10, h = 11 / 2 = 5
    const POINT expected20[6] = {{40, 45}, {50, 40}, {60, 45}, {60, 55}, {50, 60}, {40, 55}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(expected20[i].x, pts[i].x) << i;
        EXPECT_EQ(expected20[i].y, pts[i].y) << i;
    }
}

TEST(ColorPickerMath, HoneycombHas127SnappedCellsInRings)
{
    // 150 x 130: squared to 130 x 130 from (10, 0); s = 130 / 13 + 1 = 11.
    const std::vector<ZAVPColorPickerMath::Cell> cells = Honeycomb(CRect(0, 0, 150, 130));
    ASSERT_EQ(127u, cells.size());
    EXPECT_EQ(75, cells[0].ptCentre.x);
    EXPECT_EQ(65, cells[0].ptCentre.y);
    EXPECT_EQ(RGB(255, 255, 255), cells[0].color);
    // Ring 1 starts one cell right of the centre, then steps by (-5, 9), (-11, 0), ...
    EXPECT_EQ(86, cells[1].ptCentre.x);
    EXPECT_EQ(65, cells[1].ptCentre.y);
    EXPECT_EQ(81, cells[2].ptCentre.x);
    EXPECT_EQ(74, cells[2].ptCentre.y);
    EXPECT_EQ(70, cells[3].ptCentre.x);
    EXPECT_EQ(74, cells[3].ptCentre.y);
    std::set<std::pair<LONG, LONG>> centres;
    for (size_t i = 0; i < cells.size(); ++i) {
        const ZAVPColorPickerMath::Cell& cell = cells[i];
        EXPECT_EQ(11, cell.nSize);
        EXPECT_EQ(SnapColor(cell.clrExact), cell.color) << i;
        centres.insert(std::make_pair(cell.ptCentre.x, cell.ptCentre.y));
        // Ring r lies about r cells from the centre.
        const double dx = cell.ptCentre.x - 75.0, dy = cell.ptCentre.y - 65.0;
        EXPECT_LE(std::sqrt(dx * dx + dy * dy), 6 * 11 + 1) << i;
    }
    EXPECT_EQ(127u, centres.size());
    // The first cell of ring 1 sits at 0 degrees: a light red; ring 6 ends darker.
    EXPECT_EQ(255, GetRValue(cells[1].color));
    EXPECT_LT(GetGValue(cells[1].color), 255);
}

TEST(ColorPickerMath, GreyRowZigzagsFromWhiteToBlack)
{
    // s = min(50 / 2 - 2, 260 / 13) = 20; zigzag half-height (int)(20 x tan 30 x 1.5) / 2 = 8.
    const std::vector<ZAVPColorPickerMath::Cell> cells = GreyRow(CRect(0, 0, 260, 50));
    ASSERT_EQ((size_t)kGreyCells, cells.size());
    EXPECT_EQ(RGB(255, 255, 255), cells[0].color);
    EXPECT_EQ(40, cells[0].nSize);
    EXPECT_EQ(20, cells[0].ptCentre.x);
    EXPECT_EQ(RGB(0, 0, 0), cells[16].color);
    EXPECT_EQ(240, cells[16].ptCentre.x);
    for (int i = 0; i < 15; ++i) {
        const int v = 240 - 15 * i;
        EXPECT_EQ(RGB(v, v, v), cells[i + 1].color) << i;
        EXPECT_EQ(60 + 10 * i, cells[i + 1].ptCentre.x) << i;
        EXPECT_EQ(i % 2 == 0 ? 17 : 33, cells[i + 1].ptCentre.y) << i;
    }
    // An odd size is made even: 9 -> 10.
    EXPECT_EQ(10, GreyRow(CRect(0, 0, 300, 22)).at(1).nSize);
}

TEST(ColorPickerMath, FindCellMatchesTheSnappedColour)
{
    const std::vector<ZAVPColorPickerMath::Cell> cells = Honeycomb(CRect(0, 0, 130, 130));
    EXPECT_EQ(0, FindCell(cells, RGB(250, 245, 255)));  // snaps to white
    const int iCell = FindCell(cells, cells[40].color);
    ASSERT_GE(iCell, 0);
    EXPECT_EQ(cells[40].color, cells[iCell].color);
    EXPECT_EQ(-1, FindCell(cells, RGB(1, 100, 60)));
}

TEST(ColorPickerMath, HlsRoundTrips)
{
    for (int r = 0; r <= 255; r += 17)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 85) {
                double h = 0, s = 0, l = 0;
                ZAVPColorMath::RgbToHls(RGB(r, g, b), &h, &s, &l);
                const COLORREF back = ZAVPColorMath::HlsToRgb(h, l, s);
                EXPECT_LE(std::abs((int)GetRValue(back) - r), 1) << r << " " << g << " " << b;
                EXPECT_LE(std::abs((int)GetGValue(back) - g), 1) << r << " " << g << " " << b;
                EXPECT_LE(std::abs((int)GetBValue(back) - b), 1) << r << " " << g << " " << b;
            }
    // The conversion back truncates its channels, so a middle level may come back one lower
    // (which is why the colour dialog keeps a picked cell's own colour); full and empty channels
    // come back exactly.
    for (COLORREF clr :
         {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)})
    {
        double h = 0, s = 0, l = 0;
        ZAVPColorMath::RgbToHls(clr, &h, &s, &l);
        EXPECT_EQ(clr, ZAVPColorMath::HlsToRgb(h, l, s));
    }
}
