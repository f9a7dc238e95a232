// The colour arithmetic that every look derives its colours from, checked against values
// worked out by hand from the conversion rules (truncation and rounding included).
#include <gtest/gtest.h>
#include "ui/foundation/ZAVPColorMath.h"

using namespace ZAVPColorMath;

TEST(ColorMath, ScaleColorTruncatesAndCaps)
{
    EXPECT_EQ(RGB(255, 150, 75), ScaleColor(RGB(200, 100, 50), 150));
    EXPECT_EQ(RGB(3, 6, 9), ScaleColor(RGB(10, 20, 30), 33));
    EXPECT_EQ(RGB(10, 20, 30), ScaleColor(RGB(10, 20, 30), 100));
    EXPECT_EQ(RGB(0, 0, 0), ScaleColor(RGB(10, 20, 30), 0));
}

TEST(ColorMath, ScaleChannelTable)
{
    struct Case
    {
        int value;
        double factor;
        int expected;
    } cases[] = {
        {0, 1.5, 128},                     // black lightened from 0: (0.5 x 255 + 0.5) truncated
        {0, 0.5, 0},                       // black cannot get darker
        {0, 1.0, 0},     {0, 3.0, 255},    // (2 x 255 + 0.5) capped
        {100, 1.5, 150}, {200, 1.5, 255},  // capped
        {3, 0.5, 2},                       // 1.5 rounds up
        {255, 0.2, 51},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ScaleChannel(c.value, c.factor)) << c.value << " x " << c.factor;
    EXPECT_EQ(RGB(128, 150, 51), ScaleColorByFactors(RGB(0, 100, 255), 1.5, 1.5, 0.2));
}

TEST(ColorMath, MixColorsTruncatesEachChannel)
{
    // r 255 x 30 / 100 = 76.5, g 255 x 70 / 100 = 178.5, b 100 x 30 / 100.
    EXPECT_EQ(RGB(76, 178, 30), MixColors(RGB(255, 0, 100), RGB(0, 255, 0), 30));
    EXPECT_EQ(RGB(255, 0, 100), MixColors(RGB(255, 0, 100), RGB(0, 255, 0), 100));
    EXPECT_EQ(RGB(0, 255, 0), MixColors(RGB(255, 0, 100), RGB(0, 255, 0), 0));
}

TEST(ColorMath, RgbToHlsTable)
{
    struct Case
    {
        COLORREF color;
        double h, s, l;
    } cases[] = {
        {RGB(255, 0, 0), 0.0, 1.0, 0.5},
        {RGB(0, 255, 0), 2.0 / 6, 1.0, 0.5},
        {RGB(0, 0, 255), 4.0 / 6, 1.0, 0.5},
        {RGB(255, 0, 255), 5.0 / 6, 1.0, 0.5},  // negative hue wraps by one turn
        {RGB(128, 128, 128), 0.0, 0.0, 128.0 / 255},
        {RGB(0, 0, 0), 0.0, 0.0, 0.0},
        // L = 0.25 (below half): S = d / (max + min)
        {RGB(0, 0, 127), 4.0 / 6, 1.0, 127.0 / 510},
        {RGB(255, 128, 0), (128.0 / 255) / 6, 1.0, 0.5},
    };
    for (const Case& c : cases) {
        double h, s, l;
        RgbToHls(c.color, &h, &s, &l);
        EXPECT_NEAR(c.h, h, 1e-9) << std::hex << c.color;
        EXPECT_NEAR(c.s, s, 1e-9) << std::hex << c.color;
        EXPECT_NEAR(c.l, l, 1e-9) << std::hex << c.color;
    }
}

TEST(ColorMath, HlsToRgbTruncates)
{
    EXPECT_EQ(RGB(255, 0, 0), HlsToRgb(0, 0.5, 1));
    // m2 = 0.375, m1 = 0.125: red at 0.733 -> m1, green at 0.4 -> m2, blue at 0.067 on the ramp.
    EXPECT_EQ(RGB(31, 95, 57), HlsToRgb(0.4, 0.25, 0.5));
    // Lightness above half: m2 = L + S - L S = 0.875, m1 = 0.625; hue 0 -> red m2, blue m1.
    EXPECT_EQ(RGB(223, 159, 159), HlsToRgb(0, 0.75, 0.5));
    EXPECT_EQ(RGB(127, 127, 127), HlsToRgb(0.3, 0.5, 0));  // grey: 127.5 truncated
}

TEST(ColorMath, HlsToRgbDegreesMatchesTurnsAndWraps)
{
    EXPECT_EQ(RGB(31, 95, 57), HlsToRgbDegrees(144, 0.25, 0.5));
    // Hue 300: red at 420 wraps to 60 (m2), blue at 180 reaches m2 as well.
    EXPECT_EQ(RGB(95, 31, 95), HlsToRgbDegrees(300, 0.25, 0.5));
    EXPECT_EQ(RGB(63, 63, 63), HlsToRgbDegrees(10, 0.25, 0));
}

TEST(ColorMath, RgbToHsvTable)
{
    struct Case
    {
        COLORREF color;
        double h, s, v;
    } cases[] = {
        {RGB(0, 0, 0), -1, 0, 0},                  // black: no hue
        {RGB(100, 100, 100), 60, 0, 100.0 / 255},  // any other grey: hue 1 x 60
        {RGB(255, 0, 0), 0, 1, 1},
        {RGB(0, 0, 255), 240, 1, 1},
        {RGB(255, 0, 255), 300, 1, 1},  // negative hue plus 360
        {RGB(200, 100, 0), 30, 1, 200.0 / 255},
    };
    for (const Case& c : cases) {
        double h, s, v;
        RgbToHsv(c.color, &h, &s, &v);
        EXPECT_NEAR(c.h, h, 1e-9) << std::hex << c.color;
        EXPECT_NEAR(c.s, s, 1e-9) << std::hex << c.color;
        EXPECT_NEAR(c.v, v, 1e-9) << std::hex << c.color;
    }
}

TEST(ColorMath, HsvToRgbSectors)
{
    EXPECT_EQ(RGB(255, 0, 255), HsvToRgb(300, 1, 1));
    // h = 1.5: sector 1 (q, V, p) with p = 0.4, q = 0.6.
    EXPECT_EQ(RGB(153, 204, 102), HsvToRgb(90, 0.5, 0.8));
    EXPECT_EQ(RGB(0, 0, 255), HsvToRgb(240, 1, 1));
    EXPECT_EQ(RGB(128, 128, 128), HsvToRgb(0, 0, 0.5));  // 127.5 + 0.5
}

TEST(ColorMath, MixColorsHsv)
{
    EXPECT_EQ(0u, MixColorsHsv(RGB(1, 2, 3), RGB(4, 5, 6), 1.0, 0, 0));
    // Average (63, 63, 255): hue 240, saturation 192/255; blended saturation 957/1020, value 1.
    EXPECT_EQ(RGB(16, 16, 255), MixColorsHsv(RGB(255, 255, 255), RGB(0, 0, 255), 1.0, 1, 3));
    // Halving the lightness of (16, 16, 255): L = 271/1020, S = 1, hue 2/3 -> blue m2 only.
    EXPECT_EQ(RGB(0, 0, 135), MixColorsHsv(RGB(255, 255, 255), RGB(0, 0, 255), 0.5, 1, 3));
}

TEST(ColorMath, GradientBandsNeverReachTheFinishColour)
{
    EXPECT_EQ(RGB(0, 0, 0), GradientBandColor(RGB(0, 0, 0), RGB(255, 255, 255), 0));
    EXPECT_EQ(RGB(251, 251, 251), GradientBandColor(RGB(0, 0, 0), RGB(255, 255, 255), 63));
    EXPECT_EQ(RGB(127, 0, 127), GradientBandColor(RGB(255, 0, 0), RGB(0, 0, 255), 32));
}

TEST(ColorMath, HalfwayToHighlight)
{
    EXPECT_EQ(RGB(177, 227, 127), HalfwayTo(RGB(100, 200, 0), RGB(255, 255, 255)));
    EXPECT_EQ(RGB(150, 150, 150), HalfwayTo(RGB(200, 200, 200), RGB(100, 100, 100)));
}

TEST(ColorMath, SwapRedBlue) { EXPECT_EQ(0x00332211u, SwapRedBlue(0x00112233u)); }
