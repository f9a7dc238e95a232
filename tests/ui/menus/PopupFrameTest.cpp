// The popup window's frame parts, shadow and animation rules, with sizes worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "ui/toolbars/ZAVPPopupFrame.h"

using namespace ZAVPPopupFrame;

namespace
{
std::string Str(const RECT& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}
}  // namespace

TEST(PopupFrame, WindowSizeAndStrips)
{
    // A bar of 100 x 80 in a 3-pixel border; small caption 15, SM_CYBORDER 1.
    struct Case
    {
        const char* what;
        int logo;
        LogoLocation location;
        BOOL tearOff, caption;
        int cx, cy;
    };
    const Case cases[] = {
        {"plain", 0, LogoLeft, FALSE, FALSE, 106, 86},
        {"logo on the left", 20, LogoLeft, FALSE, FALSE, 126, 86},
        {"logo on the right", 20, LogoRight, FALSE, FALSE, 126, 86},
        {"logo at the top", 20, LogoTop, FALSE, FALSE, 106, 106},
        {"tear-off strip", 0, LogoLeft, TRUE, FALSE, 106, 96},
        {"caption: 15 + 2 + 5", 0, LogoLeft, FALSE, TRUE, 106, 108},
        {"caption wins over the strip", 0, LogoLeft, TRUE, TRUE, 106, 108},
    };
    for (const Case& c : cases) {
        const FrameInputs in = {{100, 80}, 3, c.logo, c.location, c.tearOff, c.caption, 15, 1};
        const SIZE size = WindowSize(in);
        EXPECT_EQ(c.cx, size.cx) << c.what;
        EXPECT_EQ(c.cy, size.cy) << c.what;
    }

    EXPECT_EQ("3,3,103,13", Str(TearOffRect(106, 3)));
    EXPECT_EQ("3,3,23,83", Str(LogoRect({126, 86}, 3, 20, LogoLeft)));
    EXPECT_EQ("103,3,123,83", Str(LogoRect({126, 86}, 3, 20, LogoRight)));
    EXPECT_EQ("3,3,103,23", Str(LogoRect({106, 106}, 3, 20, LogoTop)));
    EXPECT_EQ("3,83,103,103", Str(LogoRect({106, 106}, 3, 20, LogoBottom)));
    const RECT rcNoLogo = LogoRect({106, 86}, 3, 0, LogoLeft);
    EXPECT_TRUE(IsRectEmpty(&rcNoLogo));
}

TEST(PopupFrame, PositionsShadowAndAnimationRules)
{
    const POINT pt = DefaultPosition(TRUE, {10, 20});
    EXPECT_EQ(15, pt.x);
    EXPECT_EQ(25, pt.y);
    const POINT none = DefaultPosition(FALSE, {10, 20});
    EXPECT_EQ(0, none.x);
    EXPECT_EQ(0, none.y);
    EXPECT_EQ(-49, RightAlignedLeft(100, 150));

    struct Depth
    {
        BOOL shadows, customize;
        int bpp, depth;
    };
    const Depth depths[] = {
        {TRUE, FALSE, 32, 4}, {TRUE, FALSE, 16, 4}, {FALSE, FALSE, 32, 0},
        {TRUE, TRUE, 32, 0},  {TRUE, FALSE, 8, 0},
    };
    for (const Depth& d : depths)
        EXPECT_EQ(d.depth, ShadowDepth(d.shadows, d.customize, d.bpp, 4))
            << d.shadows << d.customize << d.bpp;

    const RECT rcTop = {0, 0, 800, 600};
    const RECT rcInside = {100, 100, 260, 300};
    const RECT rcAcross = {700, 100, 860, 300};
    EXPECT_TRUE(ShadowFits(rcInside, rcTop));
    EXPECT_TRUE(ShadowFits(rcTop, rcTop));
    EXPECT_FALSE(ShadowFits(rcAcross, rcTop));

    using ZAVPPopupEffects::AnimationFade;
    using ZAVPPopupEffects::AnimationNone;
    using ZAVPPopupEffects::AnimationUnfold;
    EXPECT_EQ(AnimationNone, UsableAnimation(AnimationFade, 8));
    EXPECT_EQ(AnimationFade, UsableAnimation(AnimationFade, 16));
    EXPECT_EQ(AnimationUnfold, UsableAnimation(AnimationUnfold, 8));
}

TEST(PopupFrame, ScrollButtonsComeAndGo)
{
    // 400 pixels inside the border, buttons 15 high.
    const RECT rcInside = {3, 3, 153, 403};
    struct Case
    {
        const char* what;
        int content, scrolled;
        const char *bar, *up, *down;
    };
    const Case cases[] = {
        {"at the top of a tall menu", 600, 0, "3,3,153,388", "0,0,0,0", "3,388,153,403"},
        // 600 - 40 = 560 rows left, more than the 385 under the scroll-up button.
        {"scrolled a little", 600, 40, "3,18,153,388", "3,3,153,18", "3,388,153,403"},
        // 380 rows left fit into the 385.
        {"scrolled to the end", 600, 220, "3,18,153,403", "3,3,153,18", "0,0,0,0"},
        {"short menu", 300, 0, "3,3,153,403", "0,0,0,0", "0,0,0,0"},
    };
    for (const Case& c : cases) {
        const ScrollLayout l = LayOutScrolling(rcInside, 15, c.content, c.scrolled);
        EXPECT_EQ(c.bar, Str(l.rcBar)) << c.what;
        EXPECT_EQ(c.up, Str(l.rcScrollUp)) << c.what;
        EXPECT_EQ(c.down, Str(l.rcScrollDown)) << c.what;
    }
}
