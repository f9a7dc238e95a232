// Captions of panes and mini frames: button placement, hit tests, sizes and hot tracking, with
// expected values worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/docking/layout/CaptionMath.h"
#include "tests/ui/docking/RectText.h"

using namespace DockLayout;

namespace
{
CaptionButton Button(UINT hit, BOOL hidden = FALSE, BOOL left = FALSE)
{
    return CaptionButton{hit, hidden, left, {0, 0}};
}

const SIZE kPaneButton = {14, 14};
const SIZE kFrameButton = {12, 12};
}  // namespace

TEST(PaneCaption, WhichButtonsShow)
{
    struct Case
    {
        DWORD style;
        BOOL allowed, hideUnusable, close, pin;
    } cases[] = {
        {0x1, TRUE, TRUE, FALSE, FALSE},  // may only float: no buttons at all
        {0xF, TRUE, TRUE, TRUE, TRUE},
        {0xF, FALSE, TRUE, TRUE, FALSE},  // the side may not auto-hide (or no default slider)
        {0x2, TRUE, TRUE, FALSE, TRUE},
        {0x1, FALSE, FALSE, TRUE, TRUE},  // switch off: everything shows
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.close, PaneButtonVisible(kHitPaneClose, c.style, c.allowed, c.hideUnusable))
            << c.style;
        EXPECT_EQ(c.pin, PaneButtonVisible(kHitPin, c.style, c.allowed, c.hideUnusable)) << c.style;
    }
    EXPECT_EQ(17, PaneCaptionHeight(13, TRUE, TRUE));
    EXPECT_EQ(0, PaneCaptionHeight(13, TRUE, FALSE));
    EXPECT_EQ(0, PaneCaptionHeight(13, FALSE, TRUE));
}

TEST(PaneCaption, ButtonsFromTheRightAndTheTextBeforeThem)
{
    struct Case
    {
        RECT caption;
        int offset;
        BOOL closeHidden;
        LONG closeX, pinX, top;
        const char* text;
    } cases[] = {
        // height 18: top = 1 + (18 - 14) / 2 - 1 = 2; close at 200 - 16, pin 16 further left.
        {R(0, 1, 200, 19), 0, FALSE, 184, 168, 2, "4,1,164,19"},
        // the hidden close leaves its place to the pin
        {R(0, 1, 200, 19), 0, TRUE, 0, 184, 2, "4,1,180,19"},
        // height 17: (17 - 14) / 2 = 1, and an offset of 2 lifts the buttons
        {R(0, 1, 200, 18), 2, FALSE, 184, 168, -1, "4,1,164,18"},
    };
    for (const Case& c : cases) {
        std::vector<CaptionButton> buttons = {Button(kHitPaneClose, c.closeHidden),
                                              Button(kHitPin)};
        ArrangePaneCaptionButtons(buttons, c.caption, kPaneButton, c.offset);
        if (!c.closeHidden) {
            EXPECT_EQ(c.closeX, buttons[0].pt.x);
            EXPECT_EQ(c.top, buttons[0].pt.y);
        }
        EXPECT_EQ(c.pinX, buttons[1].pt.x);
        EXPECT_EQ(c.top, buttons[1].pt.y);
        EXPECT_EQ(c.text, Text(CaptionTextRect(c.caption, buttons, kPaneButton, 0, 4)));
    }
}

TEST(PaneCaption, HitTests)
{
    // Window (100,100)-(300,400), caption 18 high, close at window (184,2), pin hidden.
    std::vector<CaptionButton> buttons = {CaptionButton{kHitPaneClose, FALSE, FALSE, {184, 2}},
                                          CaptionButton{kHitPin, TRUE, FALSE, {150, 2}}};
    PaneHitQuery q{
        R(100, 100, 300, 400), R(100, 119, 300, 400), 18, FALSE, FALSE, &buttons, kPaneButton};
    struct Case
    {
        POINT pt;
        BOOL floating, locked, detect;
        int hit;
    } cases[] = {
        {{50, 50}, FALSE, FALSE, TRUE, 0},
        {{290, 110}, FALSE, FALSE, FALSE, 19},
        {{290, 110}, FALSE, TRUE, FALSE, HTCLIENT},   // locked: the button is caption
        {{250, 110}, FALSE, FALSE, TRUE, HTCAPTION},  // where the hidden pin would be
        {{150, 200}, FALSE, FALSE, TRUE, HTCLIENT},
        {{150, 110}, FALSE, FALSE, TRUE, HTCAPTION},
        {{150, 110}, FALSE, FALSE, FALSE, HTCLIENT},
        {{150, 100}, FALSE, FALSE, TRUE, kHitDefault},  // the row above the caption strip
        {{150, 110}, TRUE, FALSE, TRUE, kHitDefault},
    };
    for (const Case& c : cases) {
        q.bFloating = c.floating;
        q.bLocked = c.locked;
        EXPECT_EQ(c.hit, PaneHitTest(c.pt, q, c.detect)) << c.pt.x << "," << c.pt.y;
    }
    q.bFloating = FALSE;
    q.bLocked = FALSE;
    const RECT tabs = R(100, 380, 300, 400), none = R(0, 0, 0, 0);
    // Less the caption and 15 in on every side: (115,133)-(285,385).
    // clang-format off
    struct DockCase
    {
        POINT pt;
        int hit;
    } dock[] = {
        {{150, 110}, 3},
        {{150, 390}, 3},
        {{150, 200}, 0},
        {{105, 200}, 2},
        {{150, 130}, 2},
        {{284, 370}, 0},
        {{285, 200}, 2},
    };
    // clang-format on
    for (const DockCase& c : dock)
        EXPECT_EQ(c.hit, PaneHitTestForDocking(c.pt, q, 15, none, tabs)) << c.pt.x << "," << c.pt.y;
}

TEST(CaptionButtons, HiddenButtonHasNoRectangleAndNoHit)
{
    const CaptionButton shown{kHitPin, FALSE, FALSE, {10, 3}};
    const CaptionButton hidden{kHitPin, TRUE, FALSE, {10, 3}};
    EXPECT_EQ("10,3,24,17", Text(CaptionButtonRect(shown, kPaneButton)));
    const RECT rectHidden = CaptionButtonRect(hidden, kPaneButton);
    EXPECT_TRUE(::IsRectEmpty(&rectHidden));
    EXPECT_EQ("10,3,10,3", Text(rectHidden));
    EXPECT_EQ(nullptr, CaptionButtonAt({hidden}, kPaneButton, POINT{12, 5}));
    EXPECT_NE(nullptr, CaptionButtonAt({shown}, kPaneButton, POINT{12, 5}));
}

TEST(CaptionButtons, HotTracking)
{
    struct Case
    {
        UINT highlighted, pressed, under;
        UINT expHighlighted;
        BOOL focused;
        UINT redrawNew, redrawOld;
        BOOL capture, release;
    } cases[] = {
        {0, 0, 19, 19, TRUE, 19, 0, TRUE, FALSE},    // onto a button: capture
        {19, 0, 0, 0, FALSE, 0, 19, FALSE, TRUE},    // off it: release, redraw the old one
        {19, 0, 19, 19, TRUE, 0, 0, FALSE, FALSE},   // no change: nothing redrawn
        {19, 0, 9, 9, TRUE, 9, 19, FALSE, FALSE},    // from one to the next: capture is held
        {19, 19, 9, 9, FALSE, 9, 19, FALSE, FALSE},  // another while one is pressed: not hot
        {9, 19, 19, 19, TRUE, 19, 9, FALSE, FALSE},  // back onto the pressed one: hot again
    };
    for (const Case& c : cases) {
        const CaptionTrackStep s = TrackCaptionButtons(CaptionTracking{c.highlighted, c.pressed},
                                                       c.under);
        const std::string what = std::to_string(c.highlighted) + "/" + std::to_string(c.pressed) +
                                 "->" + std::to_string(c.under);
        EXPECT_EQ(c.expHighlighted, s.nHighlighted) << what;
        EXPECT_EQ(c.focused, s.bFocused) << what;
        EXPECT_EQ(c.redrawNew, s.nRedrawNew) << what;
        EXPECT_EQ(c.redrawOld, s.nRedrawOld) << what;
        EXPECT_EQ(c.capture, s.bCapture) << what;
        EXPECT_EQ(c.release, s.bRelease) << what;
    }
}

TEST(MiniFrameCaption, ButtonsFromBothEnds)
{
    // Window 200 x 200, borders 4, caption 16: (4,4)-(196,20); buttons 12: top 4 + 2 = 6.
    const RECT caption = MiniFrameCaptionRect(SIZE{200, 200}, R(4, 4, 4, 4), 16);
    EXPECT_EQ("4,4,196,20", Text(caption));
    std::vector<CaptionButton> buttons = {Button(kHitMiniFrameClose), Button(kHitPin),
                                          Button(kHitMenu, FALSE, TRUE), Button(8, TRUE)};
    ArrangeMiniFrameCaptionButtons(buttons, caption, kFrameButton);
    EXPECT_EQ(184, buttons[0].pt.x);  // 196 - 0 - 12
    EXPECT_EQ(168, buttons[1].pt.x);  // 184 - 12 - 4
    EXPECT_EQ(4, buttons[2].pt.x);    // left-placed from the left edge
    for (int i = 0; i < 3; ++i) EXPECT_EQ(6, buttons[i].pt.y);
    // Text between the menu button's right edge + 2 and the pin, 2 in on each side.
    EXPECT_EQ("20,4,166,20", Text(CaptionTextRect(caption, buttons, kFrameButton, 2, 2)));
}

TEST(MiniFrameCaption, HitTestsOfCaptionAndBorders)
{
    // Window (100,100)-(300,300), borders 4, caption (104,104)-(296,120), cursor 32: corners 16.
    std::vector<CaptionButton> buttons = {
        CaptionButton{kHitMiniFrameClose, FALSE, FALSE, {184, 6}}};
    MiniFrameHitQuery q{R(100, 100, 300, 300),
                        R(104, 120, 296, 296),
                        R(104, 104, 296, 120),
                        R(4, 4, 4, 4),
                        SIZE{32, 32},
                        FALSE,
                        FALSE,
                        &buttons,
                        kFrameButton};
    struct Case
    {
        POINT pt;
        BOOL detect;
        int hit;
    } cases[] = {
        {{50, 50}, FALSE, 0},
        {{200, 200}, FALSE, HTCLIENT},
        {{290, 110}, FALSE, 20},
        {{290, 110}, TRUE, HTCAPTION},
        {{150, 110}, FALSE, HTCLIENT},
        {{101, 101}, FALSE, HTTOPLEFT},
        {{150, 101}, FALSE, HTTOP},
        {{298, 101}, FALSE, HTTOPRIGHT},
        {{298, 200}, FALSE, HTRIGHT},
        {{298, 298}, FALSE, HTRIGHT},  // the right strip is tried before the corner
        {{290, 298}, FALSE, HTBOTTOMRIGHT},
        {{200, 298}, FALSE, HTBOTTOM},
        {{110, 298}, FALSE, HTBOTTOM},  // the bottom strip is tried before its left corner
        {{101, 290}, FALSE, HTBOTTOMLEFT},
        {{101, 200}, FALSE, HTLEFT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hit, MiniFrameHitTest(c.pt, q, c.detect)) << c.pt.x << "," << c.pt.y;

    // A toolbar has edges only (borders 3), tried top, left, bottom, right.
    MiniFrameHitQuery tb{R(100, 100, 300, 300),
                         R(103, 119, 297, 297),
                         R(103, 103, 297, 119),
                         R(3, 3, 3, 3),
                         SIZE{32, 32},
                         TRUE,
                         FALSE,
                         nullptr,
                         kFrameButton};
    const Case edges[] = {{{101, 101}, FALSE, HTTOP},
                          {{101, 200}, FALSE, HTLEFT},
                          {{200, 298}, FALSE, HTBOTTOM},
                          {{298, 200}, FALSE, HTRIGHT},
                          {{298, 298}, FALSE, HTBOTTOM}};
    for (const Case& c : edges)
        EXPECT_EQ(c.hit, MiniFrameHitTest(c.pt, tb, c.detect)) << c.pt.x << "," << c.pt.y;

    // While toolbars are customised only a toolbar's frame answers.
    q.bCustomizing = TRUE;
    EXPECT_EQ(0, MiniFrameHitTest(POINT{200, 200}, q, FALSE));
    tb.bCustomizing = TRUE;
    EXPECT_EQ(HTCLIENT, MiniFrameHitTest(POINT{200, 200}, tb, FALSE));
}

TEST(MiniFrameCaption, MinimumAndRolledUpSizes)
{
    // 40 of buttons + bar 100 + borders 8; caption 16 + bar 50 + borders 8.
    SIZE sz = MiniFrameMinTrackSize(SIZE{100, 50}, 40, 16, R(4, 4, 4, 4));
    EXPECT_EQ(148, sz.cx);
    EXPECT_EQ(74, sz.cy);
    // A tiny bar: the caption height + 15 wins.
    sz = MiniFrameMinTrackSize(SIZE{0, 0}, 0, 16, R(4, 4, 4, 4));
    EXPECT_EQ(31, sz.cx);
    EXPECT_EQ(31, sz.cy);

    EXPECT_EQ(30, RolledUpHeight(300, 270));
    EXPECT_EQ("10,20,210,320", Text(StoredMiniFrameRect(R(10, 20, 210, 44), TRUE, 300)));
    EXPECT_EQ("10,20,210,44", Text(StoredMiniFrameRect(R(10, 20, 210, 44), FALSE, 300)));
}

TEST(MiniFrameCaption, ToolbarFramesSnapTheDraggedEdge)
{
    // Frame (100,100)-(300,150); the toolbar fits 120 x 80 at the new length.
    struct Case
    {
        UINT side;
        BOOL snapped;
        const char* rect;
    } cases[] = {
        {WMSZ_RIGHT, TRUE, "100,100,220,180"},   // left and top stay
        {WMSZ_LEFT, TRUE, "180,100,300,180"},    // right and top stay
        {WMSZ_BOTTOM, TRUE, "100,100,220,180"},  // top and left stay
        {WMSZ_TOP, TRUE, "100,70,220,150"},      // bottom and left stay
        {WMSZ_BOTTOMRIGHT, FALSE, "100,100,300,150"},
    };
    for (const Case& c : cases) {
        RECT r = R(100, 100, 300, 150);
        EXPECT_EQ(c.snapped, SnapSizingRect(r, c.side, SIZE{120, 80})) << c.side;
        EXPECT_EQ(c.rect, Text(r)) << c.side;
    }
}

TEST(MiniFrameCaption, ButtonsChosenForTheBarAndTheirTips)
{
    struct FlagCase
    {
        BOOL canClose, toolbarCustomize, menuBarCustomize;
        DWORD flags;
    } flagCases[] = {
        {TRUE, FALSE, FALSE, 0x02},  {TRUE, TRUE, FALSE, 0x12},
        {FALSE, TRUE, FALSE, 0x00},  // a toolbar that may not close shows nothing
        {TRUE, FALSE, TRUE, 0x10},   // a customisable menu bar: the menu only
        {FALSE, FALSE, FALSE, 0x00},
    };
    for (const FlagCase& c : flagCases)
        EXPECT_EQ(c.flags,
                  MiniFrameButtonFlags(c.canClose, c.toolbarCustomize, c.menuBarCustomize));

    EXPECT_EQ((std::vector<UINT>{20, 9, 8, 25}), MiniFrameButtonIds(0x17, TRUE));
    EXPECT_EQ((std::vector<UINT>{9, 25}), MiniFrameButtonIds(0x13, FALSE));  // no close
    EXPECT_TRUE(MiniFrameButtonIds(0, TRUE).empty());

    EXPECT_EQ(16033u, MiniFrameButtonTip(8));
    EXPECT_EQ(16033u, MiniFrameButtonTip(9));
    EXPECT_EQ(16105u, MiniFrameButtonTip(20));
    EXPECT_EQ(17017u, MiniFrameButtonTip(25));
    EXPECT_EQ(0u, MiniFrameButtonTip(19));

    EXPECT_EQ(16032u, PaneButtonTip(1, TRUE, TRUE));
    EXPECT_EQ(16033u, PaneButtonTip(2, FALSE, TRUE));
    EXPECT_EQ(16033u, PaneButtonTip(2, TRUE, FALSE));
    EXPECT_EQ(16036u, PaneButtonTip(2, TRUE, TRUE));
}
