// The painter's pixel work on plain 32-bit buffers: the drop shadow's rings and corners, the
// clipping of a shadow cast by a rectangle smaller than its depth, and the recolouring modes.
#include <gtest/gtest.h>
#include <vector>
#include "ui/foundation/ZAVPPixelOps.h"

using namespace ZAVPPixelOps;

namespace
{
const DWORD kWhite = 0x00FFFFFF;
}

TEST(DropShadowPixels, RingsDarkenTowardsTheInnerEdge)
{
    // A 10 x 10 rectangle, depth 2, brightness 100 outside and 50 inside: step -25, so ring 0
    // draws 50 % along its bands and 100 % in its corners, ring 1 75 % everywhere.
    const int W = 10, H = 10, depth = 2, cx = W + depth, cy = H + depth;
    std::vector<DWORD> bits(cx * cy, kWhite);
    ShadeDropShadow({bits.data(), cx, cy}, W, H, depth, 100, 50, (COLORREF)-1);
    auto at = [&](int x, int row) { return bits[row * cx + x]; };
    EXPECT_EQ(0x007F7F7Fu, at(5, 2));   // bottom band, ring 0 (y = H)
    EXPECT_EQ(0x00BFBFBFu, at(5, 1));   // bottom band, ring 1 (y = H + 1)
    EXPECT_EQ(0x007F7F7Fu, at(10, 5));  // right band, ring 0
    EXPECT_EQ(0x00BFBFBFu, at(11, 5));  // right band, ring 1
    EXPECT_EQ(kWhite, at(2, 2));        // ring 0's corner pixel is drawn at 100 %
    EXPECT_EQ(0x00BFBFBFu, at(3, 2));   // ring 1's corner
    for (int x = 0; x < cx; ++x) EXPECT_EQ(kWhite, at(x, 0)) << "bottom row, x " << x;
    for (int row = 0; row < cy; ++row) EXPECT_EQ(kWhite, at(0, row)) << "left column, row " << row;
    // Inside the rectangle, away from the last row, nothing changes.
    EXPECT_EQ(kWhite, at(5, 6));
}

TEST(DropShadowPixels, BaseColourIsAveragedIn)
{
    const int W = 4, H = 4, depth = 1, cx = 5, cy = 5;
    std::vector<DWORD> bits(cx * cy, kWhite);
    // Depth 1: step = 0, every shaded pixel at 50 %, then averaged with pure red.
    ShadeDropShadow({bits.data(), cx, cy}, W, H, depth, 50, 50, RGB(255, 0, 0));
    // (127 + 255) / 2 = 191 in red, 127 / 2 = 63 in green and blue (red is bit 16 here).
    EXPECT_EQ(0x00BF3F3Fu, bits[1 * cx + 4]);
}

TEST(DropShadowPixels, TinyRectangleStaysInsideItsBuffer)
{
    // A 1 x 1 rectangle with a shadow 4 deep: without clipping, the corners index rows below the
    // buffer and columns that wrap into the next row.
    const int W = 1, H = 1, depth = 4, cx = W + depth, cy = H + depth;
    const DWORD kGuard = 0xDEADBEEF;
    const int guard = 64;
    std::vector<DWORD> memory(guard + cx * cy + guard, kGuard);
    DWORD* bits = memory.data() + guard;
    std::fill(bits, bits + cx * cy, kWhite);
    ShadeDropShadow({bits, cx, cy}, W, H, depth, 100, 60, (COLORREF)-1);
    for (int i = 0; i < guard; ++i) {
        EXPECT_EQ(kGuard, memory[i]) << "before the buffer, " << guard - i;
        EXPECT_EQ(kGuard, memory[guard + cx * cy + i]) << "after the buffer, " << i;
    }
    for (int row = 0; row < cy; ++row)
        EXPECT_EQ(kWhite, bits[row * cx]) << "column 0 (reached only by wrapping), row " << row;
    // What lies inside is still drawn: ring 1's right corner (90 %) at y = depth + 1 is row 0.
    EXPECT_EQ(0x00E5E5E5u, bits[0 * cx + W]);
}

TEST(RecolourPixels, HighlightScalesOrGoesHalfwayAndSkipsTheTransparentColour)
{
    // Pixels are blue-first: 0x00302010 is red 0x30, green 0x20, blue 0x10.
    DWORD bits[3] = {0x00302010, 0x000000FF, 0x00FF0000};
    // Transparent pure blue, RGB(0, 0, 255), is 0x000000FF in the buffer.
    HighlightPixels({bits, 3, 1}, 150, RGB(0, 0, 255), RGB(255, 255, 255));
    EXPECT_EQ(0x00483018u, bits[0]);
    EXPECT_EQ(0x000000FFu, bits[1]);
    // Red stays capped at 255; black channels are lightened from 0: (0.5 x 255 + 0.5).
    EXPECT_EQ(0x00FF8080u, bits[2]);

    DWORD black[1] = {0};
    HighlightPixels({black, 1, 1}, -1, (COLORREF)-1, RGB(255, 0, 0));
    EXPECT_EQ(0x007F0000u, black[0]);  // half-way towards a red highlight moves the red channel
}

TEST(RecolourPixels, GrayKeepsLightness)
{
    DWORD bits[2] = {0x00FF0000, 0x00FF00FF};
    GrayPixels({bits, 2, 1}, 100, RGB(255, 0, 255), RGB(255, 255, 255));
    EXPECT_EQ(0x007F7F7Fu, bits[0]);  // pure red has lightness 0.5
    EXPECT_EQ(0x00FF00FFu, bits[1]);  // magenta is transparent here
}
