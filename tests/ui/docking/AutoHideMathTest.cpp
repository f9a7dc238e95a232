// Auto-hide buttons and slides, and docking targets inside a container: expected values worked
// out by hand in the tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/docking/layout/AutoHideMath.h"
#include "ui/docking/layout/DockTargetRules.h"
#include "tests/ui/docking/RectText.h"

using namespace DockLayout;

namespace
{
const DWORD kLeft = 0x1000, kTop = 0x2000, kRight = 0x4000, kBottom = 0x8000;
}  // namespace

TEST(AutoHideButton, SizeFromIconTextAndSide)
{
    const SIZE icon = {16, 16};
    struct Case
    {
        const char* what;
        BOOL pane;
        DWORD side;
        BOOL hasIcon;
        SIZE text;
        LONG cx, cy;
    } cases[] = {
        {"no pane", FALSE, kTop, TRUE, {50, 13}, 4, 4},
        // no icon, empty text: 4 + 22 wide, 4 + text height high
        {"top, bare", TRUE, kTop, FALSE, {0, 13}, 26, 17},
        // gap 10 + 16: 4 + 50 + 26 + 16; height 4 + max(16, 13)
        {"top, icon and text", TRUE, kTop, TRUE, {50, 13}, 96, 20},
        // no text: gap margin + 1 = 3
        {"top, icon only", TRUE, kBottom, TRUE, {0, 13}, 23, 20},
        // stacked: 4 + max(16, 13) wide; 4 + 16 + 50 + 26 high
        {"left, icon and text", TRUE, kLeft, TRUE, {13, 50}, 20, 96},
        {"right, bare", TRUE, kRight, FALSE, {13, 40}, 17, 66},
        {"left, icon, no text", TRUE, kLeft, TRUE, {13, 0}, 20, 23},
    };
    for (const Case& c : cases) {
        const SIZE sz = AutoHideButtonSize(c.pane, c.side, c.hasIcon, icon, c.text);
        EXPECT_EQ(c.cx, sz.cx) << c.what;
        EXPECT_EQ(c.cy, sz.cy) << c.what;
    }
}

TEST(AutoHideButton, OnlyTheActiveStripOfARowShowsTextBesideAnIcon)
{
    struct Case
    {
        const char* what;
        BOOL limit, icon, active, anyActive;
        BOOL shows;
    } cases[] = {
        {"limit off", FALSE, TRUE, FALSE, TRUE, TRUE},
        {"the active strip", TRUE, TRUE, TRUE, TRUE, TRUE},
        {"another strip is active", TRUE, TRUE, FALSE, TRUE, FALSE},
        {"no strip active yet", TRUE, TRUE, FALSE, FALSE, TRUE},
        {"no icon to show instead", TRUE, FALSE, FALSE, TRUE, TRUE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shows, AutoHideButtonShowsText(c.limit, c.icon, c.active, c.anyActive))
            << c.what;

    // Hidden text takes no length along the strip, but the strip keeps its thickness: a top
    // strip's icon-only button is as high as with its text, a left one as wide.
    const SIZE icon = {16, 8};
    const SIZE top = AutoHideButtonSize(TRUE, kTop, TRUE, icon,
                                        AutoHideButtonTextExtent(kTop, SIZE{50, 13}, FALSE));
    EXPECT_EQ("23x17", std::to_string(top.cx) + "x" + std::to_string(top.cy));
    const SIZE left = AutoHideButtonSize(TRUE, kLeft, TRUE, icon,
                                         AutoHideButtonTextExtent(kLeft, SIZE{20, 50}, FALSE));
    EXPECT_EQ("24x15", std::to_string(left.cx) + "x" + std::to_string(left.cy));
    const SIZE shown = AutoHideButtonTextExtent(kLeft, SIZE{20, 50}, TRUE);
    EXPECT_EQ(50, shown.cy);
}

TEST(AutoHideButton, OpenSideFacesTheFrameEdge)
{
    // clang-format off
    struct Case
    {
        DWORD side;
        LONG l, t, r, b;
    } cases[] = {
        {kTop, 1, 0, 1, 1},
        {kLeft, 0, 1, 1, 1},
        {kRight, 1, 1, 0, 1},
        {kBottom, 1, 1, 1, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        LONG v[4];
        AutoHideButtonBorders(c.side, v);
        EXPECT_EQ(c.l, v[0]) << c.side;
        EXPECT_EQ(c.t, v[1]) << c.side;
        EXPECT_EQ(c.r, v[2]) << c.side;
        EXPECT_EQ(c.b, v[3]) << c.side;
    }
}

TEST(AutoHideSlide, StepsAndEnds)
{
    struct Case
    {
        const char* what;
        RECT shown;
        DWORD side;
        int mode;
        BOOL animate;
        const char* hidden;
        LONG step;
        int steps;      // to hide, and as many to show again
        LONG lastMove;  // pixels moved by the last step
    } cases[] = {
        // 11 / 12 is 0: one pixel a step, eleven steps
        {"11 px", R(0, 0, 11, 300), kLeft, kSlideMove, TRUE, "-11,0,0,300", 1, 11, 1},
        // 200 / 12 = 16: twelve of 16 and a last one of 8
        {"200 px", R(0, 0, 200, 300), kLeft, kSlideMove, TRUE, "-200,0,0,300", 16, 13, 8},
        {"no animation", R(0, 0, 200, 300), kLeft, kSlideMove, FALSE, "-200,0,0,300", 200, 1, 200},
        {"right", R(600, 0, 800, 600), kRight, kSlideMove, TRUE, "800,0,1000,600", 16, 13, 8},
        // height 150: 12 a step, twelve of them and 6
        {"top shrinks", R(0, 0, 800, 150), kTop, kSlideResize, TRUE, "0,0,800,0", 12, 13, 6},
        {"bottom shrinks", R(0, 450, 800, 600), kBottom, kSlideResize, TRUE, "0,600,800,600", 12,
         13, 6},
    };
    for (const Case& c : cases) {
        const RECT hidden = SlideHiddenRect(c.shown, c.side, c.mode);
        EXPECT_EQ(c.hidden, Text(hidden)) << c.what;
        const LONG step = SlideStepSize(SlideLength(c.shown, c.side), c.animate);
        EXPECT_EQ(c.step, step) << c.what;

        for (int direction = 0; direction < 2; ++direction) {
            const RECT from = direction == 0 ? c.shown : hidden;
            const RECT to = direction == 0 ? hidden : c.shown;
            RECT r = from;
            int steps = 0;
            LONG lastMove = 0;
            while (!IsSlideComplete(r, to) && steps < 1000) {
                const RECT next = SlideStepRect(r, to, step);
                lastMove = std::max(std::abs(next.left - r.left) + std::abs(next.right - r.right),
                                    std::abs(next.top - r.top) + std::abs(next.bottom - r.bottom));
                if (c.mode == kSlideMove) lastMove /= 2;  // both edges moved
                r = next;
                ++steps;
            }
            EXPECT_EQ(c.steps, steps) << c.what << " direction " << direction;
            EXPECT_EQ(c.lastMove, lastMove) << c.what << " direction " << direction;
        }
    }
}

namespace
{
// Pane A above pane B with a slider between; A has a caption, B a tab strip at its bottom.
std::vector<TargetPane> TwoPanes()
{
    return {
        TargetPane{R(0, 0, 200, 300), R(0, 1, 200, 19), R(0, 0, 0, 0), R(0, 0, 0, 0), 18, 0},
        TargetPane{R(0, 304, 200, 600), R(0, 0, 0, 0), R(0, 0, 0, 0), R(0, 580, 200, 600), 0, 20},
    };
}
}  // namespace

TEST(DockTarget, PaneAndSideUnderThePoint)
{
    const std::vector<TargetPane> panes = TwoPanes();
    struct Case
    {
        POINT pt;
        int pane;
        DWORD align;
        BOOL tab, caption;
    } cases[] = {
        {{100, 10}, 0, kLeft, FALSE, TRUE},      // A's caption
        {{100, 590}, 1, kLeft, TRUE, FALSE},     // B's tab strip
        {{5, 150}, 0, kLeft, FALSE, FALSE},      // near A's left edge
        {{100, 290}, 0, kBottom, FALSE, FALSE},  // near A's bottom: band 285..315
        {{195, 150}, 0, kRight, FALSE, FALSE},
        {{100, 150}, 0, kLeft, FALSE, FALSE},  // deep inside: the second pass finds A
        {{100, 302}, 0, kLeft, FALSE, FALSE},  // on the slider: A widened by 15 holds it
        {{100, 310}, 1, kTop, FALSE, FALSE},   // near B's top: band 289..319
        {{400, 400}, -1, kLeft, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        const DockTarget t = FindDockTarget(panes, c.pt, 15, FALSE, -1);
        const std::string what = std::to_string(c.pt.x) + "," + std::to_string(c.pt.y);
        EXPECT_EQ(c.pane, t.nPane) << what;
        if (t.nPane >= 0) {
            EXPECT_EQ(c.align, t.dwAlignment) << what;
        }
        EXPECT_EQ(c.tab, t.bTabArea) << what;
        EXPECT_EQ(c.caption, t.bCaption) << what;
    }
    const DockTarget framed = FindDockTarget(panes, POINT{400, 400}, 15, TRUE, 1);
    EXPECT_EQ(1, framed.nPane);
    EXPECT_TRUE(framed.bCaption);
}

TEST(DockTarget, ExpectedRectangleAndItsRefusals)
{
    ExpectedDockQuery base = {};
    base.target = DockTarget{0, kBottom, FALSE, FALSE};
    base.rectTarget = R(0, 0, 200, 300);
    base.dwTargetAlignment = kLeft;
    base.bTargetCanBeAttached = TRUE;
    base.bTargetAccepts = TRUE;
    base.bDraggedIsControlBar = TRUE;
    base.dwDraggedEnabled = 0xF000;
    base.bDraggedIsBaseBar = TRUE;
    base.bDraggedCanBeAttached = TRUE;
    base.bDraggedCanFloatMulti = TRUE;
    base.sizeDragged = SIZE{150, 200};

    struct Case
    {
        const char* what;
        void (*change)(ExpectedDockQuery&);
        BOOL target, tab;
        const char* rect;
    } cases[] = {
        // bottom of a 300-high target: half of it, 150
        {"beside", [](ExpectedDockQuery&) {}, TRUE, FALSE, "0,150,200,300"},
        {"ctrl", [](ExpectedDockQuery& q) { q.bCtrlDown = TRUE; }, FALSE, FALSE, "0,0,0,0"},
        {"nothing found", [](ExpectedDockQuery& q) { q.target.nPane = -1; }, FALSE, FALSE,
         "0,0,0,0"},
        {"side not enabled", [](ExpectedDockQuery& q) { q.dwDraggedEnabled = 0x4000; }, FALSE,
         FALSE, "0,0,0,0"},
        // a floating target counts as every side
        {"floating target",
         [](ExpectedDockQuery& q) {
             q.dwDraggedEnabled = 0x4000;
             q.bTargetFloats = TRUE;
         },
         TRUE, FALSE, "0,150,200,300"},
        {"floating, no multi",
         [](ExpectedDockQuery& q) {
             q.bTargetFloats = TRUE;
             q.bDraggedCanFloatMulti = FALSE;
         },
         FALSE, FALSE, "0,0,0,0"},
        // a caption drop: a tab, the rectangle split on the default left side (150 cut to 100)
        {"caption",
         [](ExpectedDockQuery& q) {
             q.target.bCaption = TRUE;
             q.target.dwAlignment = 0x1000;
         },
         TRUE, TRUE, "0,0,100,300"},
        {"caption, target takes no tabs",
         [](ExpectedDockQuery& q) {
             q.target.bCaption = TRUE;
             q.bTargetCanBeAttached = FALSE;
         },
         FALSE, FALSE, "0,0,0,0"},
        {"tab area onto itself",
         [](ExpectedDockQuery& q) {
             q.target.bTabArea = TRUE;
             q.bTargetIsDragged = TRUE;
         },
         FALSE, FALSE, "0,0,0,0"},
        {"refused by the target", [](ExpectedDockQuery& q) { q.bTargetAccepts = FALSE; }, FALSE,
         FALSE, "0,0,0,0"},
    };
    for (const Case& c : cases) {
        ExpectedDockQuery q = base;
        c.change(q);
        const ExpectedDock r = CalcExpectedDockRect(q);
        EXPECT_EQ(c.target, r.bTarget) << c.what;
        EXPECT_EQ(c.tab, r.bDropAsTab) << c.what;
        EXPECT_EQ(c.rect, Text(r.rect)) << c.what;
    }
}

TEST(AutoHideSlide, CheckTimerKeepsThePaneOutWhileTheCursorIsNear)
{
    // Pane (0,0)-(200,600) on the left, its slider (200,0)-(204,600).
    AutoHideCheck base = {};
    base.bAutoHideMode = TRUE;
    base.rectPane = R(0, 0, 200, 600);
    base.rectSlider = R(200, 0, 204, 600);
    struct Case
    {
        const char* what;
        void (*change)(AutoHideCheck&);
        BOOL slideIn;
    } cases[] = {
        {"cursor gone",
         [](AutoHideCheck& c) {
             c.ptCursor = POINT{500, 10};
         },
         TRUE},
        {"over the pane",
         [](AutoHideCheck& c) {
             c.ptCursor = POINT{100, 10};
             c.bOverPaneWindows = TRUE;
         },
         FALSE},
        {"over the slider",
         [](AutoHideCheck& c) {
             c.ptCursor = POINT{202, 10};
             c.bOverPaneWindows = TRUE;
         },
         FALSE},
        // another window lies over the pane's rectangle
        {"covered",
         [](AutoHideCheck& c) {
             c.ptCursor = POINT{100, 10};
         },
         TRUE},
        {"on the button",
         [](AutoHideCheck& c) {
             c.ptCursor = POINT{-10, 10};
             c.bOverButton = TRUE;
         },
         FALSE},
        {"focused", [](AutoHideCheck& c) { c.bActive = TRUE; }, FALSE},
        {"pinned", [](AutoHideCheck& c) { c.bPinnedGuard = TRUE; }, FALSE},
        {"docked again", [](AutoHideCheck& c) { c.bAutoHideMode = FALSE; }, FALSE},
        {"popup open", [](AutoHideCheck& c) { c.bPopupVisible = TRUE; }, FALSE},
    };
    for (const Case& c : cases) {
        AutoHideCheck check = base;
        check.ptCursor = POINT{500, 10};
        c.change(check);
        EXPECT_EQ(c.slideIn, ShouldSlideIn(check)) << c.what;
    }
}

TEST(MiniFrameRollUp, TicksOfTheRollUpTimer)
{
    struct Case
    {
        BOOL locked, rolledUp, inside, frameUnder, pinned;
        RollAction action;
    } cases[] = {
        {FALSE, FALSE, FALSE, FALSE, FALSE, ROLL_UP},   // the cursor left
        {FALSE, FALSE, FALSE, FALSE, TRUE, ROLL_NONE},  // pinned frames never roll up
        {FALSE, FALSE, TRUE, TRUE, FALSE, ROLL_NONE},
        {FALSE, TRUE, TRUE, TRUE, FALSE, ROLL_DOWN},   // back over the caption
        {FALSE, TRUE, TRUE, FALSE, FALSE, ROLL_NONE},  // inside, but another window on top
        {FALSE, TRUE, FALSE, FALSE, FALSE, ROLL_NONE},
        {TRUE, FALSE, FALSE, FALSE, FALSE, ROLL_NONE},  // an outline drag holds the lock
        {TRUE, TRUE, TRUE, TRUE, FALSE, ROLL_NONE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.action, CheckRollState(c.locked, c.rolledUp, c.inside, c.frameUnder, c.pinned))
            << c.locked << c.rolledUp << c.inside << c.frameUnder << c.pinned;
}
