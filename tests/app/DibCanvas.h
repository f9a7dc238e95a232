// A top-down 32-bit DIB selected into a memory DC: something to paint into and read back pixel
// by pixel, with or without a display.
#pragma once
#include <windows.h>

class DibCanvas
{
public:
    DibCanvas(int width, int height) : m_width(width)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits),
                                    nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~DibCanvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return m_dc; }
    bool valid() const { return m_bits != nullptr; }
    // The pixel as 0x00RRGGBB.
    DWORD At(int x, int y) const
    {
        GdiFlush();
        return m_bits[y * m_width + x] & 0xFFFFFF;
    }

    // A COLORREF as 0x00RRGGBB, to compare with At.
    static DWORD Rgb(COLORREF c)
    {
        return DWORD(GetRValue(c)) << 16 | DWORD(GetGValue(c)) << 8 | GetBValue(c);
    }

private:
    int m_width;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};
