// Animation and scroll steps of a popup menu and the sub-menu show delay, worked out by hand.
#include <gtest/gtest.h>

#include <string.h>

#include "ui/toolbars/ZAVPMenuShowDelay.h"
#include "ui/toolbars/ZAVPPopupEffects.h"

using namespace ZAVPPopupEffects;

namespace
{
// A menu of 10 rows of 20 pixels, 150 wide, with a 4-pixel shadow; one column is 25 wide.
const SIZE kFinal = {150, 200};
const int kShadow = 4;
const int kColumn = 25;
const int kRow = 20;

// Ticks of 30 ms until the animation is done.
int TicksToFinish(AnimationType type, AnimationState& s)
{
    int nTicks = 0;
    while (!s.bDone && nTicks < 100) {
        s = StepAnimation(type, s, kFinal, kShadow, kColumn, kRow, kAnimationPeriodMs);
        ++nTicks;
    }
    return nTicks;
}
}  // namespace

TEST(PopupEffects, PeriodsAreRoundedToNearest)
{
    struct Case
    {
        DWORD ms;
        int periods;
    };
    const Case cases[] = {{0, 0}, {14, 0}, {15, 1}, {30, 1}, {44, 1}, {45, 2}, {100, 3}};
    for (const Case& c : cases) EXPECT_EQ(c.periods, ElapsedPeriods(c.ms)) << c.ms;
}

TEST(PopupEffects, UnfoldSlideAndFadeSteps)
{
    AnimationState unfold = StartAnimation(AnimationUnfold, kFinal, kShadow, kColumn, kRow);
    EXPECT_EQ(25, unfold.size.cx);
    EXPECT_EQ(20, unfold.size.cy);
    EXPECT_FALSE(unfold.bDone);
    // Height 20 + 20k less the shadow reaches 200 at k = 10; the width (25 + 25k - 4 >= 150)
    // at k = 6 already.
    EXPECT_EQ(10, TicksToFinish(AnimationUnfold, unfold));
    EXPECT_EQ(154, unfold.size.cx);
    EXPECT_EQ(204, unfold.size.cy);

    AnimationState slide = StartAnimation(AnimationSlide, kFinal, kShadow, kColumn, kRow);
    EXPECT_EQ(154, slide.size.cx);
    EXPECT_EQ(20, slide.size.cy);
    // A slow machine: 90 ms since the last tick are three rows at once.
    const AnimationState late = StepAnimation(AnimationSlide, slide, kFinal, kShadow, kColumn, kRow,
                                              90);
    EXPECT_EQ(80, late.size.cy);
    EXPECT_FALSE(late.bDone);
    EXPECT_EQ(10, TicksToFinish(AnimationSlide, slide));
    EXPECT_EQ(204, slide.size.cy);

    // Fade: 10 % a tick, done past 100 %: 11 ticks.
    AnimationState fade = StartAnimation(AnimationFade, kFinal, kShadow, kColumn, kRow);
    EXPECT_EQ(154, fade.size.cx);
    EXPECT_EQ(204, fade.size.cy);
    EXPECT_EQ(0, fade.nFade);
    for (int i = 0; i < 10; ++i)
        fade = StepAnimation(AnimationFade, fade, kFinal, kShadow, kColumn, kRow, 30);
    EXPECT_EQ(100, fade.nFade);
    EXPECT_FALSE(fade.bDone);
    fade = StepAnimation(AnimationFade, fade, kFinal, kShadow, kColumn, kRow, 30);
    EXPECT_TRUE(fade.bDone);
    EXPECT_EQ(kFadeDone, fade.nFade);

    const AnimationState none = StartAnimation(AnimationNone, kFinal, kShadow, kColumn, kRow);
    EXPECT_TRUE(none.bDone);
    EXPECT_EQ(154, none.size.cx);
    EXPECT_EQ(204, none.size.cy);
}

TEST(PopupEffects, ScrollOffsetsStayInRange)
{
    // 30 rows of 20 in a menu 400 high: 30 - (20 - 2) - 1.
    EXPECT_EQ(11, MaxScrollOffset(30, 400, 20));
    EXPECT_EQ(0, MaxScrollOffset(5, 400, 20));

    struct Case
    {
        const char* what;
        int offset, top, bottom, result;
    };
    // Visible area [10, 390).
    const Case cases[] = {
        {"inside stays", 5, 100, 120, 5},
        {"below: 30 / 20 + 1 rows down", 5, 400, 420, 7},
        {"above: 40 / 20 + 1 rows up", 5, -30, -10, 2},
        {"far below stops at the last offset", 10, 600, 620, 11},
        {"far above stops at the first row", 1, -100, -80, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, OffsetToShowItem(c.offset, c.top, c.bottom, 10, 390, 20, 30, 400))
            << c.what;
}

TEST(PopupEffects, ScrollTicksMoveOneRowUntilTheButtonGoes)
{
    int nOffset = 1;
    EXPECT_TRUE(ScrollTick(-1, TRUE, TRUE, nOffset));
    EXPECT_EQ(0, nOffset);
    // At the first row the scroll-up button is gone: the next tick stops the timer.
    EXPECT_FALSE(ScrollTick(-1, TRUE, nOffset > 0, nOffset));
    EXPECT_EQ(0, nOffset);

    nOffset = 3;
    EXPECT_TRUE(ScrollTick(1, TRUE, TRUE, nOffset));
    EXPECT_EQ(4, nOffset);
    EXPECT_FALSE(ScrollTick(1, FALSE, TRUE, nOffset));  // the cursor left the button
    EXPECT_EQ(4, nOffset);
}

TEST(MenuShowDelay, ParsedLikeTheSystemValue)
{
    struct Case
    {
        const char* value;
        int delay;
    };
    const Case cases[] = {
        {"400", 400},   {"9000", 5000}, {"-1", 5000}, {nullptr, 500},
        {"5000", 5000}, {"5001", 5000}, {"0", 0},     {"250 ms", 250},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.delay, ZAVPMenuShowDelay::Parse(c.value)) << (c.value ? c.value : "missing");
}

// Reads the real value of the test prefix's user and puts the original back afterwards.
TEST(MenuShowDelay, ReadFromTheUsersDesktopSettings)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0,
                                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    char szSaved[64] = "";
    DWORD cbSaved = sizeof(szSaved);
    DWORD dwType = 0;
    const BOOL bHadValue = RegQueryValueExA(hKey, "MenuShowDelay", nullptr, &dwType, (BYTE*)szSaved,
                                            &cbSaved) == ERROR_SUCCESS;

    struct Case
    {
        const char* stored;  // null: no value
        int delay;
    };
    const Case cases[] = {{"400", 400}, {"9000", 5000}, {"-1", 5000}, {nullptr, 500}};
    for (const Case& c : cases) {
        if (c.stored)
            RegSetValueExA(hKey, "MenuShowDelay", 0, REG_SZ, (const BYTE*)c.stored,
                           (DWORD)strlen(c.stored) + 1);
        else
            RegDeleteValueA(hKey, "MenuShowDelay");
        EXPECT_EQ(c.delay, ZAVPMenuShowDelay::Read()) << (c.stored ? c.stored : "missing");
    }

    if (bHadValue)
        RegSetValueExA(hKey, "MenuShowDelay", 0, dwType, (const BYTE*)szSaved, cbSaved);
    else
        RegDeleteValueA(hKey, "MenuShowDelay");
    RegCloseKey(hKey);
}
