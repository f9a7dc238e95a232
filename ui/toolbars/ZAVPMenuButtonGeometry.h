// The arithmetic of a menu button: the room for its drop-down arrow, the part of a split button
// that opens the menu, the image column of a menu item and the accelerator after a tab. The
// button class measures, draws and hit-tests with these.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace ZAVPMenuButtonGeometry
{
// Extra room along the button for the arrow: the menu glyph's extent (doubled with large icons)
// less 1, when the button drops a menu down or lives in a popup; else 0.
int ArrowRoom(int nGlyphExtent, BOOL bLargeIcons, BOOL bShowsArrow);

// The part of a split button that opens the menu, in the bar's client coordinates. When the
// buttons carry an extra border (not 0 x 0) the rectangle is first shrunk by half of it plus 1
// on each side; the part is then (arrow width, doubled with large icons) + 2 at the right end of
// a horizontal button, or as high at the bottom of a vertical one.
RECT DropDownPart(const RECT& rcButton, SIZE sizeArrow, BOOL bLargeIcons, BOOL bHorz,
                  BOOL bExtraSize, SIZE sizeExtraBorder);

// The image column of a menu item: the menu image width with the image margin on both sides.
RECT ImageColumn(const RECT& rcItem, int nImageWidth, int nMargin);

// A menu text split at its first tab into the label and the accelerator text.
std::pair<std::string, std::string> SplitAccelerator(const std::string& strText);

// The width of a menu item in a popup: its measured width plus the arrow room, plus the image
// column (the default button width) and 6.
int PopupItemWidth(int nMeasuredWidth, int nArrowRoom, int nDefaultButtonWidth);
}  // namespace ZAVPMenuButtonGeometry
