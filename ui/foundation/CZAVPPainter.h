// Drawing utility bound to one device context: pixel recolouring (highlight, grey), linear and
// angled gradients, the gradient ring and the soft drop shadow of popup menus; its static members
// are the colour arithmetic the looks derive their colours from (ZAVPColorMath).
#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "ui/foundation/ZAVPColorMath.h"

class CDC;
class CBitmap;
class CRect;

class CZAVPPainter : public CObject
{
public:
    explicit CZAVPPainter(CDC& dc) : m_pDC(&dc) {}

    // Percentage -1 moves every pixel half-way to the button highlight colour; 100 does nothing.
    BOOL HighlightRect(const RECT& rect, int percentage = -1, COLORREF transparent = (COLORREF)-1);
    BOOL GrayRect(const RECT& rect, int percentage = -1, COLORREF transparent = (COLORREF)-1);
    // 64 solid bands; vertical runs from the start colour at the bottom upwards.
    void FillGradient(const RECT& rect, COLORREF start, COLORREF finish, BOOL vertical = TRUE);
    void FillGradientAngle(const RECT& rect, COLORREF start, COLORREF finish, int angle);
    BOOL DrawGradientRing(const RECT& rect, COLORREF start, COLORREF finish, COLORREF outerRing,
                          int startAngle, int rings, COLORREF face = (COLORREF)-1);
    // Shadow right of and below the rectangle; with both bitmaps given and filled, they are drawn
    // back instead of computing the shadow again, and filled when given but empty.
    BOOL DrawShadow(const RECT& rect, int depth, int minBrightness = 100, int maxBrightness = 50,
                    CBitmap* pSaveBottom = nullptr, CBitmap* pSaveRight = nullptr,
                    COLORREF base = (COLORREF)-1);

    static COLORREF ScaleColor(COLORREF c, int percentage)
    {
        return ZAVPColorMath::ScaleColor(c, percentage);
    }
    static int ScaleChannel(int v, double f) { return ZAVPColorMath::ScaleChannel(v, f); }
    static COLORREF ScaleColorByFactors(COLORREF c, double r, double g, double b)
    {
        return ZAVPColorMath::ScaleColorByFactors(c, r, g, b);
    }
    static COLORREF MixColors(COLORREF c1, COLORREF c2, int p)
    {
        return ZAVPColorMath::MixColors(c1, c2, p);
    }
    static COLORREF MixColorsHsv(COLORREF c1, COLORREF c2, double f, int w1, int w2)
    {
        return ZAVPColorMath::MixColorsHsv(c1, c2, f, w1, w2);
    }
    static void RgbToHls(COLORREF c, double* h, double* s, double* l)
    {
        ZAVPColorMath::RgbToHls(c, h, s, l);
    }
    static COLORREF HlsToRgb(double h, double l, double s)
    {
        return ZAVPColorMath::HlsToRgb(h, l, s);
    }
    static COLORREF HlsToRgbDegrees(double h, double l, double s)
    {
        return ZAVPColorMath::HlsToRgbDegrees(h, l, s);
    }
    static void RgbToHsv(COLORREF c, double* h, double* s, double* v)
    {
        ZAVPColorMath::RgbToHsv(c, h, s, v);
    }
    static COLORREF HsvToRgb(double h, double s, double v)
    {
        return ZAVPColorMath::HsvToRgb(h, s, v);
    }

private:
    BOOL RecolourRect(const RECT& rect, int percentage, COLORREF transparent, bool bGray);

    CDC* m_pDC;
};
