// What the icon editor does to the button image itself: one pixel, a flood fill, a line, the
// outline of a rectangle or ellipse, a fill of the whole image and a pasted picture, each on the
// caller's bitmap through a memory DC of its own. No window is needed, so the tests call these
// on memory bitmaps.
#pragma once

#include <windows.h>

namespace ZAVPIconBitmap
{
SIZE GetSize(HBITMAP hbm);
COLORREF GetPixel(HBITMAP hbm, POINT pt);
// The colour goes in as the system colours map it (the button face stays the button face).
BOOL SetPixel(HBITMAP hbm, POINT pt, COLORREF color);
// Fills the area of the pixel's colour around it.
BOOL FloodFill(HBITMAP hbm, POINT pt, COLORREF color);
// A 1-pixel line from start to end, the end pixel included.
BOOL DrawLine(HBITMAP hbm, POINT ptStart, POINT ptEnd, COLORREF color);
// The outline of a rectangle or an ellipse in the rectangle (right and bottom excluded).
BOOL DrawShape(HBITMAP hbm, const RECT& rect, BOOL bEllipse, COLORREF color);
BOOL Fill(HBITMAP hbm, COLORREF color);
// The icon is filled with the button face, then the picture is copied in, centred when smaller
// and cut at the right and bottom when larger.
BOOL Paste(HBITMAP hbmIcon, HBITMAP hbmPasted, COLORREF clrBackground);
}  // namespace ZAVPIconBitmap
