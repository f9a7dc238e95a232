// A 32-bit DIB section of a given size (BI_RGB, blue in the low byte of each pixel), the surface
// all pixel work of the library and its tools is done on.
#pragma once

#include <windows.h>

// Bottom-up unless bTopDown; the pixels are returned through ppBits. Null on failure.
inline HBITMAP CreateDib32(HDC hdc, int cx, int cy, bool bTopDown, void** ppBits)
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = cx;
    bih.biHeight = bTopDown ? -cy : cy;
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bih.biCompression = BI_RGB;
    *ppBits = nullptr;
    return CreateDIBSection(hdc, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, ppBits,
                            nullptr, 0);
}
