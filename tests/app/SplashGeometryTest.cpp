// Where the splash sits and how its strip scrolls, checked against hand-worked figures.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/SplashGeometry.h"

using namespace SplashGeometry;

TEST(SplashGeometry, WindowIsCentredInTheWorkArea)
{
    const struct {
        RECT workArea;
        LONG left, top;
    } cases[] = {
        {{0, 0, 1280, 1024}, 440, 362},   // 1281 / 2 - 200, 1025 / 2 - 150
        {{0, 0, 1024, 738}, 312, 219},    // task bar at the bottom
        {{200, 0, 1280, 1024}, 540, 362}, // task bar on the left: 200 + 1081 / 2 - 200
        {{0, 30, 800, 600}, 200, 165},    // task bar at the top: 30 + 571 / 2 - 150
        {{0, 0, 300, 200}, -50, -50},     // smaller than the splash: still centred
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
    StripBlit b[2];
    ASSERT_EQ(1, StripBlits(0.0f, b));
    EXPECT_EQ(1, b[0].destX);
    EXPECT_EQ(398, b[0].width);
    EXPECT_EQ(0, b[0].sourceX);

    // One tick in: the tail from 9 at the left, then 10 pixels (9.95 rounded) of the head.
    ASSERT_EQ(2, StripBlits(9.95f, b));
    EXPECT_EQ(1, b[0].destX);
    EXPECT_EQ(389, b[0].width);
    EXPECT_EQ(9, b[0].sourceX);
    EXPECT_EQ(389, b[1].destX);
    EXPECT_EQ(10, b[1].width);
    EXPECT_EQ(0, b[1].sourceX);

    ASSERT_EQ(2, StripBlits(397.9f, b));
    EXPECT_EQ(1, b[0].width);
    EXPECT_EQ(397, b[0].sourceX);
    EXPECT_EQ(1, b[1].destX);
    EXPECT_EQ(398, b[1].width);
}
