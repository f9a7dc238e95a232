// Popup menu placement against a work area, as tables worked out by hand.
#include <gtest/gtest.h>

#include "ui/toolbars/ZAVPPopupPlacement.h"

using namespace ZAVPPopupPlacement;

namespace
{
const RECT kWork = {0, 0, 1024, 768};

Request MakeRequest(int x, int y, int cx, int cy, Opener opener)
{
    Request r = {};
    r.x = x;
    r.y = y;
    r.cx = cx;
    r.cy = cy;
    r.opener = opener;
    r.rcWork = kWork;
    r.nRowHeight = 20;
    r.nBorder = 3;
    return r;
}

struct Case
{
    const char* what;
    Request req;
    int x, y, cy, dir;
    BOOL right, down, scroll;
};

void Check(const Case& c)
{
    const Placement p = Place(c.req);
    EXPECT_EQ(c.x, p.x) << c.what;
    EXPECT_EQ(c.y, p.y) << c.what;
    EXPECT_EQ(c.cy, p.cy) << c.what;
    EXPECT_EQ(c.dir, p.nDropDirection) << c.what;
    EXPECT_EQ(c.right, p.bAnimateRight) << c.what;
    EXPECT_EQ(c.down, p.bAnimateDown) << c.what;
    EXPECT_EQ(c.scroll, p.bScrollMode) << c.what;
}
}  // namespace

TEST(PopupPlacement, HorizontalFlipsAndPins)
{
    Request rightAligned = MakeRequest(100 + 1 - 150, 50, 150, 100, OpenerNone);
    rightAligned.bRightAlign = TRUE;
    Request rightAlignedFits = rightAligned;
    rightAlignedFits.x = 400 + 1 - 150;
    Request rightAlignedSecondMonitor = rightAligned;
    rightAlignedSecondMonitor.rcWork = {1024, 0, 2048, 768};
    rightAlignedSecondMonitor.x = 1100 + 1 - 150;

    Request barButton = MakeRequest(900, 19, 200, 100, OpenerBar);
    barButton.rcButton = {900, 0, 950, 20};
    Request subMenu = MakeRequest(1000, 300, 150, 100, OpenerPopup);
    subMenu.nParentPopupLeft = 800;
    Request subMenuAtLeft = subMenu;
    subMenuAtLeft.nParentPopupLeft = 100;
    subMenuAtLeft.nDropDirection = kDropLeft;
    Request verticalBar = MakeRequest(940, 100, 200, 100, OpenerBar);
    verticalBar.bVerticalMenuBar = TRUE;
    verticalBar.rcButton = {900, 100, 940, 120};
    Request offScreen = MakeRequest(2000, 50, 150, 100, OpenerNone);

    const Case cases[] = {
        // x = 100, width 150: left edge -49, pinned one pixel inside the work area.
        {"right-aligned past the left edge", rightAligned, 1, 50, 100, kDropNormal, FALSE, TRUE,
         FALSE},
        {"right-aligned that fits", rightAlignedFits, 251, 50, 100, kDropNormal, TRUE, TRUE, FALSE},
        {"right-aligned on a second monitor", rightAlignedSecondMonitor, 1025, 50, 100, kDropNormal,
         FALSE, TRUE, FALSE},
        // 900 + 200 > 1024: 1024 - 200 - 1.
        {"menu-bar button at the right edge", barButton, 823, 19, 100, kDropNormal, FALSE, TRUE,
         FALSE},
        // Flush against the parent's left edge: 800 - 150.
        {"sub-menu flipped to the left", subMenu, 650, 300, 100, kDropLeft, FALSE, TRUE, FALSE},
        // 100 - 150 < 0: pinned to the left edge and opening normally again.
        {"sub-menu pinned to the left edge", subMenuAtLeft, 0, 300, 100, kDropNormal, FALSE, TRUE,
         FALSE},
        // Left of the button: 900 - 200.
        {"vertical menu bar", verticalBar, 700, 100, 100, kDropLeft, FALSE, TRUE, FALSE},
        // Brought to the right edge (1024) first, then flipped: 1024 - 150 - 1.
        {"context menu beyond the screen", offScreen, 873, 50, 100, kDropNormal, FALSE, TRUE,
         FALSE},
    };
    for (const Case& c : cases) Check(c);
}

TEST(PopupPlacement, VerticalAboveLargerSideAndScroll)
{
    Request above = MakeRequest(100, 719, 150, 300, OpenerBar);
    above.rcButton = {100, 700, 150, 720};
    // Button top 500: 268 below, 500 above.
    Request largerAbove = MakeRequest(100, 519, 150, 700, OpenerBar);
    largerAbove.rcButton = {100, 500, 150, 520};
    // Button top 200: 568 below, 200 above.
    Request largerBelow = MakeRequest(100, 219, 150, 700, OpenerBar);
    largerBelow.rcButton = {100, 200, 150, 220};
    Request subMenu = MakeRequest(300, 700, 150, 200, OpenerPopup);
    Request context = MakeRequest(300, 700, 150, 200, OpenerNone);
    Request tallContext = MakeRequest(300, 100, 150, 1000, OpenerNone);
    Request tallSubMenu = MakeRequest(300, 600, 150, 900, OpenerPopup);
    tallSubMenu.nDropDirection = kDropLeft;
    Request fits = MakeRequest(300, 468, 150, 300, OpenerNone);

    const Case cases[] = {
        // Bottom on the button's top: 700 - 300.
        {"above the menu-bar button", above, 100, 400, 300, kDropAbove, TRUE, FALSE, FALSE},
        {"fills the larger room above", largerAbove, 100, 0, 500, kDropNormal, TRUE, FALSE, TRUE},
        // 768 - 219.
        {"fills the larger room below", largerBelow, 100, 219, 549, kDropNormal, TRUE, TRUE, TRUE},
        // 700 - 200 + 20 + 2 * 3: the bottom lines up with the parent item's bottom.
        {"sub-menu moved up", subMenu, 300, 526, 200, kDropNormal, TRUE, FALSE, FALSE},
        {"context menu moved up", context, 300, 500, 200, kDropNormal, TRUE, FALSE, FALSE},
        {"context menu taller than the screen", tallContext, 300, 0, 768, kDropNormal, TRUE, FALSE,
         TRUE},
        // 600 - 900 + 26 < 0: pinned to the top, opening normally, cut to 768 and scrolled.
        {"sub-menu taller than the screen", tallSubMenu, 300, 0, 768, kDropNormal, TRUE, FALSE,
         TRUE},
        {"exactly fits", fits, 300, 468, 300, kDropNormal, TRUE, TRUE, FALSE},
    };
    for (const Case& c : cases) Check(c);
}

// The joined look moves a sub-menu 4 pixels toward its parent and 1 down, only while the parent
// shows all its items for now and this one does not.
TEST(PopupPlacement, JoinedSubMenuOverlapsItsParent)
{
    Request right = MakeRequest(400, 300, 150, 100, OpenerPopup);
    right.bJoinedLook = TRUE;
    right.bParentRestoresRecent = TRUE;
    Request left = right;  // flipped to the parent's left: 800 - 150
    left.x = 1000;
    left.nParentPopupLeft = 800;
    Request bothRestore = right;
    bothRestore.bRestoresRecent = TRUE;
    Request notJoined = right;
    notJoined.bJoinedLook = FALSE;
    Request parentKeeps = right;
    parentKeeps.bParentRestoresRecent = FALSE;
    Request context = MakeRequest(400, 300, 150, 100, OpenerNone);
    context.bJoinedLook = TRUE;
    context.bParentRestoresRecent = TRUE;

    const Case cases[] = {
        {"opened to the right", right, 396, 301, 100, kDropNormal, TRUE, TRUE, FALSE},
        {"opened to the left", left, 654, 301, 100, kDropLeft, FALSE, TRUE, FALSE},
        {"both show all for now", bothRestore, 400, 300, 100, kDropNormal, TRUE, TRUE, FALSE},
        {"not the joined look", notJoined, 400, 300, 100, kDropNormal, TRUE, TRUE, FALSE},
        {"the parent keeps its items", parentKeeps, 400, 300, 100, kDropNormal, TRUE, TRUE, FALSE},
        {"a context menu has no parent", context, 400, 300, 100, kDropNormal, TRUE, TRUE, FALSE},
    };
    for (const Case& c : cases) Check(c);
}

TEST(PopupPlacement, ButtonOriginsAndHitAreas)
{
    const RECT rcButton = {200, 100, 350, 120};
    struct Origin
    {
        ButtonKind kind;
        BOOL bOpenLeft;
        int x, y;
    };
    const Origin origins[] = {
        {ButtonInPopup, FALSE, 361, 98},  // bar window right 360 + 1, top - 2
        {ButtonOnVerticalMenuBar, FALSE, 350, 100},
        {ButtonOnBar, FALSE, 200, 119},
        {ButtonOnBar, TRUE, 348, 119},
    };
    for (const Origin& o : origins) {
        const POINT pt = ButtonOrigin(o.kind, rcButton, 360, o.bOpenLeft);
        EXPECT_EQ(o.x, pt.x) << o.kind << " " << o.bOpenLeft;
        EXPECT_EQ(o.y, pt.y) << o.kind << " " << o.bOpenLeft;
    }

    // A 156 x 196 menu with a 4-pixel shadow, a logo strip on the left and a tear-off strip.
    const RECT rcWindow = {100, 100, 260, 300};
    const RECT rcLogo = {100, 100, 120, 296};
    const RECT rcTearOff = {123, 103, 253, 113};
    struct Hit
    {
        int x, y;
        HitArea area;
    };
    const Hit hits[] = {
        {50, 50, HitOutside},       {260, 150, HitOutside},     {105, 150, HitLogo},
        {256, 150, HitRightShadow}, {255, 150, HitItems},       {150, 296, HitBottomShadow},
        {150, 295, HitItems},       {257, 298, HitRightShadow}, {150, 105, HitTearOff},
    };
    for (const Hit& h : hits)
        EXPECT_EQ(h.area, HitTest({h.x, h.y}, rcWindow, 4, rcLogo, rcTearOff)) << h.x << "," << h.y;
    const RECT rcNone = {0, 0, 0, 0};
    EXPECT_EQ(HitItems, HitTest({150, 105}, rcWindow, 0, rcNone, rcNone));
    EXPECT_EQ(HitItems, HitTest({259, 299}, rcWindow, 0, rcNone, rcNone));
}
