// The window buttons of a maximised MDI child on the menu bar: which of them the child gets and
// where they stand at the far end of the bar's row. The menu bar creates and moves the buttons.
#pragma once

#include <windows.h>

#include <vector>

namespace ZAVPMenuBarLayout
{
// Minimise when the child has a minimise box, restore when it has a maximise box, and always
// close, in that order.
std::vector<UINT> WindowButtonCommands(DWORD dwChildStyle);

// Rectangles of nButtons window buttons of size sizeButton placed at the far end of rcRow (its
// right edge, or its bottom edge for a vertical bar), the last button outermost, 1 pixel apart.
std::vector<RECT> WindowButtonRects(const RECT& rcRow, int nButtons, SIZE sizeButton, BOOL bHorz);
}  // namespace ZAVPMenuBarLayout
