// Bitmap work of the image strips: joining and patching bitmaps, recolouring and brightening them
// pixel by pixel, and writing a bitmap as a BMP file that replaces the old file in one step.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace ZAVPStripPixels
{
// A new bitmap holding `left` (may be null) and `right` side by side, as tall as the taller one;
// null on any GDI failure.
HBITMAP AppendBitmaps(HBITMAP left, HBITMAP right);
// Copies the top-left cell of `source` into `target` at x; FALSE on a GDI failure.
BOOL CopyCell(HBITMAP target, int x, HBITMAP source, SIZE cell);
// A 32-bit copy of the bitmap with every pixel (as a COLORREF) passed through the mapping.
HBITMAP Recolour(HBITMAP source, const std::function<COLORREF(COLORREF)>& map);
// A 32-bit copy brightened to the percentage, pixels of the colour `keep` untouched.
HBITMAP Brightened(HBITMAP source, int percentage, COLORREF keep);

// The BMP file image of a bitmap: at 8 bits or less with its colour table, above as 24 or 32
// bits; every colour-table entry or pixel passed through the mapping first.
BOOL EncodeBmp(HBITMAP source, const std::function<COLORREF(COLORREF)>& map,
               std::vector<BYTE>& file);
// Writes the bytes to a new file beside the target and moves it over the target; the old file is
// kept whole when anything fails.
BOOL ReplaceFile(const char* lpszPath, const std::vector<BYTE>& bytes);
}  // namespace ZAVPStripPixels
