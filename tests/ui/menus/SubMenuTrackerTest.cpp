// Delayed opening and closing of sub-menus, driven through event sequences. Items: 0 and 2 open
// sub-menus, 1 is a command. The show delay is 400 ms.
#include <gtest/gtest.h>

#include "ui/toolbars/ZAVPSubMenuTracker.h"

namespace
{
const int kSubA = 0, kCommand = 1, kSubC = 2;
const BOOL kMouse = TRUE, kKey = FALSE;

ZAVPSubMenuTracker OpenA()
{
    ZAVPSubMenuTracker t(400);
    t.OnChangeHot(kSubA, TRUE, kMouse, FALSE);
    t.OnOpenTimer(kSubA, kSubA);
    return t;
}
}  // namespace

TEST(SubMenuTracker, OpensAfterTheDelayOnlyWhileStillHot)
{
    ZAVPSubMenuTracker t(400);
    ZAVPSubMenuTracker::Actions a = t.OnChangeHot(kSubA, TRUE, kMouse, FALSE);
    EXPECT_EQ(400u, a.nOpenTimerMs);
    EXPECT_EQ(-1, a.nOpen);
    a = t.OnOpenTimer(kSubA, kSubA);
    EXPECT_TRUE(a.bKillOpenTimer);
    EXPECT_EQ(kSubA, a.nOpen);
    EXPECT_EQ(kSubA, t.GetOpenItem());

    // Passing over a sub-menu item on the way elsewhere opens nothing.
    ZAVPSubMenuTracker passing(400);
    passing.OnChangeHot(kSubA, TRUE, kMouse, FALSE);
    a = passing.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    EXPECT_TRUE(a.bKillOpenTimer);
    a = passing.OnOpenTimer(kCommand, kCommand);
    EXPECT_EQ(-1, a.nOpen);
    EXPECT_EQ(-1, passing.GetOpenItem());

    // The show-all item waits twice the delay.
    ZAVPSubMenuTracker showAll(400);
    EXPECT_EQ(800u, showAll.StartOpenTimer(5, 2).nOpenTimerMs);
}

TEST(SubMenuTracker, LeavingAndComingBackWithinTheDelayKeepsTheSubMenu)
{
    ZAVPSubMenuTracker t = OpenA();
    ZAVPSubMenuTracker::Actions a = t.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    EXPECT_EQ(399u, a.nCloseTimerMs);  // the show delay less one
    EXPECT_EQ(-1, a.nClose);
    EXPECT_TRUE(t.IsClosePending());

    a = t.OnChangeHot(kSubA, TRUE, kMouse, FALSE);
    EXPECT_TRUE(a.bKillCloseTimer);
    EXPECT_EQ(-1, a.nClose);
    EXPECT_EQ(-1, a.nOpen);
    EXPECT_EQ(0u, a.nOpenTimerMs);  // not opened a second time
    EXPECT_FALSE(t.IsClosePending());
    EXPECT_EQ(kSubA, t.GetOpenItem());

    // Crossing a sibling on the way into the sub-menu does not close it either.
    t.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    a = t.OnEnterSubMenu();
    EXPECT_TRUE(a.bKillCloseTimer);
    EXPECT_FALSE(t.IsClosePending());
    EXPECT_EQ(kSubA, t.GetOpenItem());
}

TEST(SubMenuTracker, ClosesWhenThePointerStaysAway)
{
    ZAVPSubMenuTracker t = OpenA();
    t.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    ZAVPSubMenuTracker::Actions a = t.OnCloseTimer(kCommand);
    EXPECT_EQ(kSubA, a.nClose);
    EXPECT_TRUE(a.bActivateSelf);
    EXPECT_EQ(-1, t.GetOpenItem());

    // Onto another sub-menu item: the first closes on timer 1 and the second opens.
    ZAVPSubMenuTracker u = OpenA();
    a = u.OnChangeHot(kSubC, TRUE, kMouse, FALSE);
    EXPECT_EQ(399u, a.nCloseTimerMs);
    EXPECT_EQ(400u, a.nOpenTimerMs);
    a = u.OnOpenTimer(kSubC, kSubC);
    EXPECT_EQ(kSubA, a.nClose);
    EXPECT_EQ(kSubC, a.nOpen);
    EXPECT_TRUE(a.bKillCloseTimer);
    EXPECT_EQ(kSubC, u.GetOpenItem());

    // Timer 1 while the pointer is back over the open item's row: nothing changes.
    ZAVPSubMenuTracker v = OpenA();
    v.OnChangeHot(kSubC, TRUE, kMouse, FALSE);
    a = v.OnOpenTimer(kSubA, kSubC);
    EXPECT_EQ(-1, a.nClose);
    EXPECT_EQ(-1, a.nOpen);
    EXPECT_EQ(kSubA, v.GetOpenItem());
}

TEST(SubMenuTracker, KeysAndCustomisationCloseAtOnce)
{
    struct Case
    {
        BOOL byMouse, customize;
    };
    const Case cases[] = {{kKey, FALSE}, {kMouse, TRUE}, {kKey, TRUE}};
    for (const Case& c : cases) {
        ZAVPSubMenuTracker t = OpenA();
        const ZAVPSubMenuTracker::Actions a = t.OnChangeHot(kCommand, FALSE, c.byMouse,
                                                            c.customize);
        EXPECT_EQ(kSubA, a.nClose) << c.byMouse << c.customize;
        EXPECT_TRUE(a.bActivateSelf);
        EXPECT_EQ(0u, a.nCloseTimerMs);
        EXPECT_EQ(-1, t.GetOpenItem());
    }

    // A key while a close is already waiting closes now and stops timer 2.
    ZAVPSubMenuTracker t = OpenA();
    t.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    const ZAVPSubMenuTracker::Actions a = t.OnChangeHot(kSubC, TRUE, kKey, FALSE);
    EXPECT_EQ(kSubA, a.nClose);
    EXPECT_TRUE(a.bKillCloseTimer);
    EXPECT_FALSE(t.IsClosePending());

    // Closed by Escape: a late timer 2 has nothing to close.
    ZAVPSubMenuTracker e = OpenA();
    e.OnChangeHot(kCommand, FALSE, kMouse, FALSE);
    e.OnSubMenuClosed(kSubA);
    EXPECT_EQ(-1, e.OnCloseTimer(kCommand).nClose);
}
