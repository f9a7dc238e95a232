// A 32-bit memory device context of a given size, filled with one colour, for tests that draw and
// then read pixels back; and a window class of the tests' own with a given window procedure.
#pragma once

#include <windows.h>

#include "framework/CDC.h"
#include "ui/foundation/ZAVPDib.h"

class MemoryDC
{
public:
    MemoryDC(int cx, int cy, COLORREF fill = RGB(255, 255, 255)) : m_cx(cx), m_cy(cy)
    {
        HDC screen = GetDC(nullptr);
        m_hdc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        void* bits = nullptr;
        m_bitmap = CreateDib32(m_hdc, cx, cy, true, &bits);
        m_old = SelectObject(m_hdc, m_bitmap);
        m_dc.Attach(m_hdc);
        Fill(fill);
    }
    ~MemoryDC()
    {
        m_dc.Detach();
        SelectObject(m_hdc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_hdc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    CDC& DC() { return m_dc; }
    CDC* operator->() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_hdc, x, y); }
    void Fill(COLORREF color)
    {
        const RECT r = {0, 0, m_cx, m_cy};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_hdc, &r, brush);
        DeleteObject(brush);
    }
    // Every pixel outside the rectangle still has the colour.
    bool OutsideIs(const RECT& inside, COLORREF color) const
    {
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x) {
                const POINT pt = {x, y};
                if (!PtInRect(&inside, pt) && Pixel(x, y) != color) return false;
            }
        return true;
    }

private:
    int m_cx, m_cy;
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    CDC m_dc;
};

// Registers (once per name) a window class with the given procedure; returns its name.
inline const char* TestWindowClass(const char* name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}
