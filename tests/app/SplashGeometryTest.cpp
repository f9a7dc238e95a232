// Where the splash sits and how its strip scrolls, checked against hand-worked figures.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/SplashGeometry.h"

using namespace SplashGeometry;

TEST(SplashGeometry, WindowIsCentredInTheWorkArea)
{
    const struct
    {
        RECT workArea;
        LONG left, top;
    } cases[] = {
        {{0, 0, 1280, 1024}, 440, 362},    // 1281 / 2 - 200, 1025 / 2 - 150
        {{0, 0, 1024, 738}, 312, 219},     // task bar at the bottom
        {{200, 0, 1280, 1024}, 540, 362},  // task bar on the left: 200 + 1081 / 2 - 200
        {{0, 30, 800, 600}, 200, 165},     // task bar at the top: 30 + 571 / 2 - 150
        {{0, 0, 300, 200}, -50, -50},      // smaller than the splash: still centred
    };
    for (const auto& c : cases) {
        const RECT r = WindowRect(c.workArea);
        EXPECT_EQ(c.left, r.left) << c.workArea.left << "," << c.workArea.top;
        EXPECT_EQ(c.top, r.top) << c.workArea.left << "," << c.workArea.top;
        EXPECT_EQ(400, r.right - r.left);
        EXPECT_EQ(300, r.bottom - r.top);
    }
}

TEST(SplashGeometry, StripOffsetWrapsAtItsLength)
{
    EXPECT_FLOAT_EQ(0.0f, WrapStripOffset(0.0f));
    EXPECT_FLOAT_EQ(397.5f, WrapStripOffset(397.5f));
    EXPECT_FLOAT_EQ(0.0f, WrapStripOffset(398.0f));
    EXPECT_NEAR(9.95f, WrapStripOffset(407.95f), 1e-3);
    EXPECT_FLOAT_EQ(204.0f, WrapStripOffset(1000.0f));  // 1000 - 2 * 398
}

TEST(SplashGeometry, StripBlitsTailThenHead)
{
    const struct
    {
        float offset;
        int count;
        StripBlit blits[2];  // {destX, width, sourceX}
    } cases[] = {
        {0.0f, 1, {{1, 398, 0}}},
        // One tick in: the tail from 9 at the left, then 10 pixels (9.95 rounded) of the head.
        {9.95f, 2, {{1, 389, 9}, {389, 10, 0}}},
        {397.9f, 2, {{1, 1, 397}, {1, 398, 0}}},
    };
    for (const auto& c : cases) {
        StripBlit b[2];
        ASSERT_EQ(c.count, StripBlits(c.offset, b)) << c.offset;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(c.blits[i].destX, b[i].destX) << c.offset << " blit " << i;
            EXPECT_EQ(c.blits[i].width, b[i].width) << c.offset << " blit " << i;
            EXPECT_EQ(c.blits[i].sourceX, b[i].sourceX) << c.offset << " blit " << i;
        }
    }
}
