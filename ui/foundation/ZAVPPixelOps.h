// Pixel work of the painter on the bits of 32-bit DIB sections (blue in the low byte): the soft
// drop shadow and the highlight and grey recolouring. Plain buffers in, so tests need no DC.
#pragma once

#include <windows.h>

namespace ZAVPPixelOps
{
// A 32-bit bottom-up pixel buffer: row 0 is the bottom row of the image.
struct PixelBuffer
{
    DWORD* bits;
    int width;
    int height;
};

// Darkens the shadow of a W x H rectangle into a buffer of (W + depth) x (H + depth) that holds a
// copy of the area at the rectangle's top-left: rings k = 0 .. depth - 1 along the bottom and the
// right, from maxBrightness % at the inner edge towards minBrightness % outwards. A base colour
// (not -1) is averaged into every shaded pixel. Every pixel is clipped to the buffer, so a
// rectangle smaller than the depth cannot write outside it.
void ShadeDropShadow(const PixelBuffer& buffer, int W, int H, int depth, int minBrightness,
                     int maxBrightness, COLORREF base);

// Highlights every pixel except the transparent colour (-1: none): percentage -1 moves each
// channel half-way to the highlight colour, any other scales the channels by percentage / 100.
void HighlightPixels(const PixelBuffer& buffer, int percentage, COLORREF transparent,
                     COLORREF highlight);
// Turns every pixel except the transparent colour into the grey of its lightness, then
// highlights it as HighlightPixels does.
void GrayPixels(const PixelBuffer& buffer, int percentage, COLORREF transparent,
                COLORREF highlight);
}  // namespace ZAVPPixelOps
