// Where a popup menu goes on the screen: flipped at the work-area edges, above its button when it
// does not fit below, pinned to the edges, scrolled when too tall. The popup window gathers the
// rectangles and applies the answer.
#pragma once

#include <windows.h>

namespace ZAVPPopupPlacement
{
// Drop directions a popup records.
const int kDropNormal = 0;  // down and to the right
const int kDropAbove = 2;   // opened upward, above its button
const int kDropLeft = 4;    // opened to the left of its parent

// What opened the popup.
enum Opener
{
    OpenerNone,   // a context menu: no parent button
    OpenerPopup,  // a sub-menu: the parent button sits in another popup
    OpenerBar,    // a button on a toolbar or the menu bar
};

struct Request
{
    int x, y;    // requested top-left (x is the right edge for a right-aligned menu)
    int cx, cy;  // the menu's size without its shadow
    BOOL bRightAlign;
    Opener opener;
    BOOL bVerticalMenuBar;       // the opener is a button of a vertically docked menu bar
    RECT rcWork;                 // work area of the monitor nearest to (x, y)
    int nParentPopupLeft;        // screen left of the parent popup's window (OpenerPopup)
    RECT rcButton;               // the parent button in screen coordinates (OpenerBar)
    int nRowHeight;              // the parent popup bar's row height (OpenerPopup)
    int nBorder;                 // the popup border size
    int nDropDirection;          // the direction the menu was asked to open in
    BOOL bJoinedLook;            // the visual manager draws menus joined to their parent button
    BOOL bParentRestoresRecent;  // the parent popup shows all items only until it closes
    BOOL bRestoresRecent;        // so does this one
};

// How far a joined sub-menu is moved sideways (see Place).
const int kJoinedShift = 4;

struct Placement
{
    int x, y;
    int cy;  // the height may shrink to the room on the screen
    int nDropDirection;
    BOOL bAnimateRight;  // unfolds rightward (FALSE: it was flipped to the left)
    BOOL bAnimateDown;   // unfolds downward (FALSE: it was moved up)
    BOOL bScrollMode;    // taller than the room: scroll buttons are shown
};

// Where a menu button asks its popup to open, in screen coordinates.
enum ButtonKind
{
    ButtonInPopup,            // a sub-menu item: beside its popup
    ButtonOnVerticalMenuBar,  // beside the vertically docked menu bar
    ButtonOnBar,              // below the button
};
// rcButton and nBarWindowRight (the right edge of the window of the popup bar holding the
// button) are in screen coordinates; bOpenLeft asks for a popup aligned on the button's right.
POINT ButtonOrigin(ButtonKind kind, const RECT& rcButton, int nBarWindowRight, BOOL bOpenLeft);

// The parts of a popup window a screen point can fall on.
enum HitArea
{
    HitItems = 0,
    HitRightShadow = 1,
    HitBottomShadow = 2,
    HitLogo = 3,
    HitOutside = 4,
    HitTearOff = 5,
};
// rcWindow includes the shadow of nShadow pixels along the right and bottom edges; rcLogo and
// rcTearOff are empty when the popup has none.
HitArea HitTest(POINT pt, const RECT& rcWindow, int nShadow, const RECT& rcLogo,
                const RECT& rcTearOff);

// Places the menu. The top-left is first brought into the work area, except the x of a
// right-aligned menu: that one is the menu's computed left edge and is pinned to left + 1 when
// it lies beyond the left edge.
Placement Place(const Request& req);
}  // namespace ZAVPPopupPlacement
