// The arithmetic of the icon editor's enlarged grid: how big one image pixel is on screen, which
// pixel a point falls on, where a shape's rubber band runs, the pixels a drawn rectangle or
// ellipse covers, and where a pasted picture lands. Plain values only.
#pragma once

#include <windows.h>

namespace ZAVPIconEditorMath
{
// Screen size of one image pixel in a grid of the client size; the 1-pixel frame is left out.
// Never below 1, so that an image larger than the grid still maps to it.
SIZE CellSize(SIZE sizeClient, SIZE sizeImage);
// The image pixel under a client point, clamped into the image.
POINT PointToPixel(POINT pt, SIZE sizeCell, SIZE sizeImage);
// The centre of a pixel's cell (client coordinates): where the rubber band's corners run.
POINT PixelCentre(POINT ptPixel, SIZE sizeCell);
// The rectangle a rectangle or ellipse is drawn with between two pixels: ordered, and along each
// axis where they differ the larger side moved out by one so that both end pixels are inside.
RECT ShapeRect(POINT ptStart, POINT ptEnd);
// Where a pasted picture's top-left corner goes in the icon: centred when smaller, at the
// corner when larger (the rest is cut at the right and bottom).
POINT PasteOrigin(SIZE sizeIcon, SIZE sizePasted);
// The entries of the system's 20-colour default palette that a 16-colour icon offers: 0-7 and
// 12-19.
const int kSixteenColourEntries[16] = {0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18, 19};
}  // namespace ZAVPIconEditorMath
