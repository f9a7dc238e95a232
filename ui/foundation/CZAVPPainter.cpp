// Drawing utility of the UI library (see CZAVPPainter.h). Pixel work happens on a 32-bit DIB
// section copied from the DC and copied back, one pass over the bits.
#include "ui/foundation/CZAVPPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPDib.h"
#include "ui/foundation/ZAVPPixelOps.h"

namespace
{
const int kGradientBands = 64;
const double kPi = 3.1415926;
const COLORREF kPainterNoColor = (COLORREF)-1;

// A 32-bit bottom-up DIB section holding a copy of an area of a DC; Commit copies it back.
// Every GDI object it made is released on every path.
class DibCopy
{
public:
    DibCopy(HDC hdc, int x, int y, int cx, int cy) : m_hdc(hdc), m_x(x), m_y(y), m_cx(cx), m_cy(cy)
    {
        m_memDC = CreateCompatibleDC(hdc);
        if (!m_memDC) return;
        void* bits = nullptr;
        m_bitmap = CreateDib32(hdc, cx, cy, false, &bits);
        if (!m_bitmap || !bits) return;
        m_old = SelectObject(m_memDC, m_bitmap);
        BitBlt(m_memDC, 0, 0, cx, cy, hdc, x, y, SRCCOPY);
        GdiFlush();
        m_bits = static_cast<DWORD*>(bits);
    }
    ~DibCopy()
    {
        if (m_old) SelectObject(m_memDC, m_old);
        if (m_bitmap) DeleteObject(m_bitmap);
        if (m_memDC) DeleteDC(m_memDC);
    }
    DibCopy(const DibCopy&) = delete;
    DibCopy& operator=(const DibCopy&) = delete;

    bool IsValid() const { return m_bits != nullptr; }
    ZAVPPixelOps::PixelBuffer Buffer() const { return {m_bits, m_cx, m_cy}; }
    void Commit() const { BitBlt(m_hdc, m_x, m_y, m_cx, m_cy, m_memDC, 0, 0, SRCCOPY); }

private:
    HDC m_hdc;
    int m_x, m_y, m_cx, m_cy;
    HDC m_memDC = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

void FillSolid(HDC hdc, int left, int top, int right, int bottom, COLORREF color)
{
    const RECT r = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

// Copies an area of the screen DC into a new compatible bitmap of the given size.
void SaveArea(HDC hdc, CBitmap* pBitmap, int bitmapCx, int bitmapCy, int x, int y, int cx, int cy)
{
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, bitmapCx, bitmapCy);
    HDC memDC = CreateCompatibleDC(hdc);
    if (bitmap && memDC) {
        HGDIOBJ old = SelectObject(memDC, bitmap);
        BitBlt(memDC, 0, 0, cx, cy, hdc, x, y, SRCCOPY);
        SelectObject(memDC, old);
        pBitmap->DeleteObject();
        pBitmap->Attach(bitmap);
        bitmap = nullptr;
    }
    if (bitmap) DeleteObject(bitmap);
    if (memDC) DeleteDC(memDC);
}
}  // namespace

BOOL CZAVPPainter::HighlightRect(const RECT& rect, int percentage, COLORREF transparent)
{
    return percentage == 100 ? TRUE : RecolourRect(rect, percentage, transparent, false);
}

BOOL CZAVPPainter::GrayRect(const RECT& rect, int percentage, COLORREF transparent)
{
    return RecolourRect(rect, percentage, transparent, true);
}

BOOL CZAVPPainter::RecolourRect(const RECT& rect, int percentage, COLORREF transparent, bool bGray)
{
    const int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0) return TRUE;
    HDC hdc = m_pDC->GetSafeHdc();
    // At 8 bits per pixel or less no pixel work is done: the halftone light brush stands in.
    if (globalData.m_nBitsPerPixel <= 8) {
        FillRect(hdc, &rect, (HBRUSH)globalData.brLight.GetSafeHandle());
        return TRUE;
    }
    DibCopy dib(hdc, rect.left, rect.top, cx, cy);
    if (!dib.IsValid()) return FALSE;
    if (bGray)
        ZAVPPixelOps::GrayPixels(dib.Buffer(), percentage, transparent, globalData.clrBtnHilite);
    else
        ZAVPPixelOps::HighlightPixels(dib.Buffer(), percentage, transparent,
                                      globalData.clrBtnHilite);
    dib.Commit();
    return TRUE;
}

void CZAVPPainter::FillGradient(const RECT& rect, COLORREF start, COLORREF finish, BOOL vertical)
{
    HDC hdc = m_pDC->GetSafeHdc();
    if (start == finish) {
        FillSolid(hdc, rect.left, rect.top, rect.right, rect.bottom, start);
        return;
    }
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    for (int i = 0; i < kGradientBands; ++i) {
        const COLORREF color = ZAVPColorMath::GradientBandColor(start, finish, i);
        if (vertical) {
            const int top = rect.bottom - ((h * (i + 1)) >> 6),
                      bottom = rect.bottom - ((h * i) >> 6);
            if (bottom > top) FillSolid(hdc, rect.left, top, rect.right, bottom, color);
        } else {
            const int left = rect.left + ((w * i) >> 6), right = rect.left + ((w * (i + 1)) >> 6);
            if (right > left) FillSolid(hdc, left, rect.top, right, rect.bottom, color);
        }
    }
}

void CZAVPPainter::FillGradientAngle(const RECT& rect, COLORREF start, COLORREF finish, int angle)
{
    HDC hdc = m_pDC->GetSafeHdc();
    if (start == finish) {
        FillSolid(hdc, rect.left, rect.top, rect.right, rect.bottom, start);
        return;
    }
    switch (angle) {
    case 0:
    case 360: FillGradient(rect, start, finish, FALSE); return;
    case 90: FillGradient(rect, start, finish, TRUE); return;
    case 180: FillGradient(rect, finish, start, FALSE); return;
    case 270: FillGradient(rect, finish, start, TRUE); return;
    }
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    HDC memDC = CreateCompatibleDC(hdc);
    HBITMAP bitmap = memDC ? CreateCompatibleBitmap(hdc, w, h) : nullptr;
    if (!bitmap) {
        if (memDC) DeleteDC(memDC);
        return;
    }
    HGDIOBJ oldBitmap = SelectObject(memDC, bitmap);
    HGDIOBJ oldPen = SelectObject(memDC, GetStockObject(NULL_PEN));
    const int offset = (int)(std::cos((angle + 180) * kPi / 180) * h);
    const int total = w + (offset < 0 ? -offset : offset);
    const int x0 = offset > 0 ? -offset : 0;
    for (int i = 0; i < kGradientBands; ++i) {
        const int xa = x0 + ((i * total) >> 6), xb = x0 + (((i + 1) * total) >> 6);
        if (xb == xa) continue;
        POINT pts[4] = {{xa, 0}, {xb, 0}, {xb + offset, h}, {xa + offset, h}};
        HBRUSH brush = CreateSolidBrush(ZAVPColorMath::GradientBandColor(start, finish, i));
        HGDIOBJ oldBrush = SelectObject(memDC, brush);
        Polygon(memDC, pts, 4);
        SelectObject(memDC, oldBrush);
        DeleteObject(brush);
    }
    BitBlt(hdc, rect.left, rect.top, w, h, memDC, 0, 0, SRCCOPY);
    SelectObject(memDC, oldPen);
    SelectObject(memDC, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memDC);
}

namespace
{
// Sets pixels of a DIB copy in top-down coordinates, clipped to the copy.
struct TopDownPixels
{
    ZAVPPixelOps::PixelBuffer buffer;
    void Set(int x, int y, COLORREF color) const
    {
        if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height) return;
        buffer.bits[(buffer.height - 1 - y) * buffer.width + x] = ZAVPColorMath::SwapRedBlue(
                                                                      color) &
                                                                  0xFFFFFF;
    }
    // The pixels from (x0, y0) to (x1, y1), so that consecutive ring points leave no gap.
    void Join(int x0, int y0, int x1, int y1, COLORREF color) const
    {
        const int dx = x1 - x0, dy = y1 - y0;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        for (int i = 1; i <= steps; ++i) Set(x0 + dx * i / steps, y0 + dy * i / steps, color);
        if (steps == 0) Set(x1, y1, color);
    }
};

int RingChannel(int start, double step, int t)
{
    const int v = (int)(start + t * step + 0.5);
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}
}  // namespace

BOOL CZAVPPainter::DrawGradientRing(const RECT& rect, COLORREF start, COLORREF finish,
                                    COLORREF outerRing, int startAngle, int rings, COLORREF face)
{
    const int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (cx < 5 || cy < 5) return FALSE;
    DibCopy dib(m_pDC->GetSafeHdc(), rect.left, rect.top, cx, cy);
    if (!dib.IsValid()) return FALSE;
    const TopDownPixels px{dib.Buffer()};
    const double stepR = (GetRValue(finish) - GetRValue(start) + 0.5) / 180;
    const double stepG = (GetGValue(finish) - GetGValue(start) + 0.5) / 180;
    const double stepB = (GetBValue(finish) - GetBValue(start) + 0.5) / 180;
    const double first = startAngle * kPi / 180;
    for (int k = 0; k < rings; ++k) {
        const int left = k, top = k, right = cx - k, bottom = cy - k;
        const int w = right - left, h = bottom - top;
        if (w < 1 || h < 1) break;
        const int radius = std::min(w, h) / 2;
        const int d = w - h;
        const double centreX = left + w / 2.0, centreY = top + h / 2.0;
        if (k == 0 && face != kPainterNoColor) {
            // The stadium: every pixel within the radius of the segment joining the end circles.
            const double half = std::abs(d) / 2.0;
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x) {
                    double ox = x + 0.5 - centreX, oy = y + 0.5 - centreY;
                    if (d > 0)
                        ox = std::max(0.0, std::abs(ox) - half);
                    else if (d < 0)
                        oy = std::max(0.0, std::abs(oy) - half);
                    if (ox * ox + oy * oy <= (double)radius * radius) px.Set(x, y, face);
                }
        }
        int prevX = 0, prevY = 0;
        bool havePrev = false;
        for (int degree = 0; degree <= 360; ++degree) {
            const double a = first + degree * kPi / 180;
            const int t = degree <= 180 ? degree : 360 - degree;
            COLORREF color = RGB(RingChannel(GetRValue(start), stepR, t),
                                 RingChannel(GetGValue(start), stepG, t),
                                 RingChannel(GetBValue(start), stepB, t));
            if (k == 0 && outerRing != kPainterNoColor) color = outerRing;
            double x = centreX + radius * std::cos(a), y = centreY + radius * std::sin(a);
            if (d > 0)
                x += (std::cos(a) >= 0 ? 1 : -1) * d / 2.0;
            else if (d < 0)
                y += (std::sin(a) >= 0 ? 1 : -1) * -d / 2.0;
            const int ix = std::min((int)x, right - 1), iy = std::min((int)y, bottom - 1);
            if (havePrev)
                px.Join(prevX, prevY, ix, iy, color);
            else
                px.Set(ix, iy, color);
            prevX = ix, prevY = iy, havePrev = true;
        }
    }
    dib.Commit();
    return TRUE;
}

BOOL CZAVPPainter::DrawShadow(const RECT& rect, int depth, int minBrightness, int maxBrightness,
                              CBitmap* pSaveBottom, CBitmap* pSaveRight, COLORREF base)
{
    const int W = rect.right - rect.left, H = rect.bottom - rect.top;
    if (depth <= 0 || W <= 0 || H <= 0) return TRUE;
    HDC hdc = m_pDC->GetSafeHdc();
    if (pSaveBottom && pSaveRight && pSaveBottom->GetSafeHandle() && pSaveRight->GetSafeHandle()) {
        DrawState(hdc, nullptr, nullptr, (LPARAM)pSaveRight->GetSafeHandle(), 0, rect.right,
                  rect.top, depth, H + depth, DST_BITMAP);
        DrawState(hdc, nullptr, nullptr, (LPARAM)pSaveBottom->GetSafeHandle(), 0, rect.left,
                  rect.bottom, W + depth, depth, DST_BITMAP);
        return TRUE;
    }
    {
        DibCopy dib(hdc, rect.left, rect.top, W + depth, H + depth);
        if (!dib.IsValid()) return FALSE;
        ZAVPPixelOps::ShadeDropShadow(dib.Buffer(), W, H, depth, minBrightness, maxBrightness,
                                      base);
        dib.Commit();
    }
    if (pSaveRight)
        SaveArea(hdc, pSaveRight, depth + 1, H + depth, rect.right, rect.top, depth, H + depth);
    if (pSaveBottom)
        SaveArea(hdc, pSaveBottom, W + depth, depth + 1, rect.left, rect.bottom, W + depth, depth);
    return TRUE;
}
