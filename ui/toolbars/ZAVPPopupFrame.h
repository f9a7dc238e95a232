// The geometry of a popup menu window around its item bar: the window size from the bar's size,
// the logo and tear-off strips, the scroll buttons, and the rules that decide on a shadow and an
// animation. The popup window reads the metrics and applies the rectangles.
#pragma once

#include <windows.h>

#include "ui/toolbars/ZAVPPopupEffects.h"

namespace ZAVPPopupFrame
{
// Logo locations, as the frame paints them.
enum LogoLocation
{
    LogoLeft = 0,
    LogoRight = 1,
    LogoTop = 2,
    LogoBottom = 3,
};

const int kTearOffHeight = 10;  // the strip above the items
const int kDefaultOffset = 5;   // x = y = -1 opens this far into the parent's client area
const int kCaptionExtra = 5;    // below the small caption of a menu shown by the menu page

struct FrameInputs
{
    SIZE sizeBar;   // the item bar's own size
    int nBorder;    // the popup border size
    int nLogoSize;  // 0: no logo
    LogoLocation logoLocation;
    BOOL bTearOff;            // the menu has a tear-off strip
    BOOL bCaption;            // shown by the menu page: a small caption instead of a strip
    int nSmallCaptionHeight;  // SM_CYSMCAPTION
    int nBorderHeight;        // SM_CYBORDER
};

// The menu's size without its shadow.
SIZE WindowSize(const FrameInputs& in);

// The tear-off strip in client coordinates of a menu cx wide.
RECT TearOffRect(int cx, int nBorder);

// The logo strip in client coordinates of a menu of the given size (without shadow).
RECT LogoRect(SIZE sizeMenu, int nBorder, int nLogoSize, LogoLocation location);

// The top-left a popup opens at when asked for x = y = -1: 5 pixels into the parent's client
// area, or (0, 0) without a parent.
POINT DefaultPosition(BOOL bHasParent, POINT ptParentClientTopLeft);

// The left edge of a right-aligned menu of width cx whose right edge was asked at x.
int RightAlignedLeft(int x, int cx);

// The shadow depth a new popup gets.
int ShadowDepth(BOOL bMenuShadows, BOOL bCustomizeMode, int nBitsPerPixel, int nVisualDepth);

// A shadow is drawn only when the menu with its shadow lies wholly inside the application's
// top-level window.
BOOL ShadowFits(const RECT& rcMenuWithShadow, const RECT& rcTopLevel);

// The animation a popup may run on this screen: fade needs more than 8 bits per pixel.
ZAVPPopupEffects::AnimationType UsableAnimation(ZAVPPopupEffects::AnimationType type,
                                                int nBitsPerPixel);

// The item bar's rectangle and the scroll buttons of a scrolled menu.
struct ScrollLayout
{
    RECT rcBar;
    RECT rcScrollUp;    // empty when not shown
    RECT rcScrollDown;  // empty when not shown
};
// rcInside is the client area less the border, the logo and the tear-off strip. nContentHeight
// is the height of all rows; nScrolled the height of the rows scrolled away above.
ScrollLayout LayOutScrolling(const RECT& rcInside, int nButtonHeight, int nContentHeight,
                             int nScrolled);
}  // namespace ZAVPPopupFrame
