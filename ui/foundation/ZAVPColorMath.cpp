// Colour arithmetic of the UI library (see ZAVPColorMath.h). The rounding of every routine is
// part of the looks: the derived colours of the visual managers depend on it to the unit.
#include "ui/foundation/ZAVPColorMath.h"

#include <algorithm>
#include <cmath>

namespace ZAVPColorMath
{
namespace
{
const int kMaxChannel = 255;

int Cap(int v) { return v > kMaxChannel ? kMaxChannel : v; }

// One channel of the HLS-to-RGB conversion with the hue in 0..1.
double HlsValue(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
    if (2 * h < 1) return m2;
    if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return m1;
}

// The same with the hue in degrees, in single precision.
float HlsValueDegrees(float m1, float m2, float h)
{
    if (h > 360)
        h -= 360;
    else if (h < 0)
        h += 360;
    if (h < 60) return m1 + (m2 - m1) * h / 60;
    if (h < 180) return m2;
    if (h < 240) return m1 + (m2 - m1) * (240 - h) / 60;
    return m1;
}

// Hue of r, g, b (0..1) in sixths of a turn, before scaling; d = max - min, not 0.
double HueSixths(double r, double g, double b, double max, double d)
{
    if (r == max) return (g - b) / d;
    if (g == max) return 2 + (b - r) / d;
    return 4 + (r - g) / d;
}
}  // namespace

COLORREF ScaleColor(COLORREF color, int percentage)
{
    return RGB(Cap(GetRValue(color) * percentage / 100), Cap(GetGValue(color) * percentage / 100),
               Cap(GetBValue(color) * percentage / 100));
}

int ScaleChannel(int value, double factor)
{
    if (value == 0) return factor > 1 ? Cap((int)((factor - 1) * kMaxChannel + 0.5)) : 0;
    return Cap((int)(value * factor + 0.5));
}

COLORREF ScaleColorByFactors(COLORREF color, double red, double green, double blue)
{
    return RGB(ScaleChannel(GetRValue(color), red), ScaleChannel(GetGValue(color), green),
               ScaleChannel(GetBValue(color), blue));
}

COLORREF MixColors(COLORREF c1, COLORREF c2, int p)
{
    return RGB((GetRValue(c1) * p + GetRValue(c2) * (100 - p)) / 100,
               (GetGValue(c1) * p + GetGValue(c2) * (100 - p)) / 100,
               (GetBValue(c1) * p + GetBValue(c2) * (100 - p)) / 100);
}

void RgbToHls(COLORREF color, double* hue, double* saturation, double* lightness)
{
    const double r = GetRValue(color) * (1.0 / 255), g = GetGValue(color) * (1.0 / 255),
                 b = GetBValue(color) * (1.0 / 255);
    const double max = std::max(r, std::max(g, b)), min = std::min(r, std::min(g, b));
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        h = HueSixths(r, g, b, max, d) / 6;
        if (h < 0) h += 1;
    }
    *hue = h;
    *saturation = s;
    *lightness = l;
}

COLORREF HlsToRgb(double h, double l, double s)
{
    if (s == 0) {
        const int v = (int)(l * kMaxChannel);
        return RGB(v, v, v);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return RGB((int)(HlsValue(m1, m2, h + 1.0 / 3) * kMaxChannel),
               (int)(HlsValue(m1, m2, h) * kMaxChannel),
               (int)(HlsValue(m1, m2, h - 1.0 / 3) * kMaxChannel));
}

COLORREF HlsToRgbDegrees(double h, double l, double s)
{
    if (s == 0) {
        const int v = (int)(l * kMaxChannel);
        return RGB(v, v, v);
    }
    const float m2 = (float)(l <= 0.5 ? l * (1 + s) : l + s - l * s);
    const float m1 = (float)(2 * l - m2);
    const float fh = (float)h;
    return RGB((int)(HlsValueDegrees(m1, m2, fh + 120) * kMaxChannel),
               (int)(HlsValueDegrees(m1, m2, fh) * kMaxChannel),
               (int)(HlsValueDegrees(m1, m2, fh - 120) * kMaxChannel));
}

void RgbToHsv(COLORREF color, double* hue, double* saturation, double* value)
{
    const double r = GetRValue(color) * (1.0 / 255), g = GetGValue(color) * (1.0 / 255),
                 b = GetBValue(color) * (1.0 / 255);
    const double max = std::max(r, std::max(g, b)), min = std::min(r, std::min(g, b));
    *value = max;
    if (max == 0) {
        *saturation = 0;
        *hue = -1;
        return;
    }
    *saturation = (max - min) / max;
    double h = max == min ? 1 : HueSixths(r, g, b, max, max - min);
    h *= 60;
    if (h < 0) h += 360;
    *hue = h;
}

COLORREF HsvToRgb(double hue, double s, double v)
{
    auto channel = [](double x) { return (int)(x * kMaxChannel + 0.5); };
    if (s == 0) return RGB(channel(v), channel(v), channel(v));
    const double h = hue / 60;
    const int i = (int)std::floor(h);
    const double f = h - i;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r, g, b;
    switch (i) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
    }
    return RGB(channel(r), channel(g), channel(b));
}

COLORREF MixColorsHsv(COLORREF c1, COLORREF c2, double lightnessFactor, int w1, int w2)
{
    const int total = w1 + w2;
    if (total == 0) return 0;
    const COLORREF average = RGB((GetRValue(c1) * w1 + GetRValue(c2) * w2) / total,
                                 (GetGValue(c1) * w1 + GetGValue(c2) * w2) / total,
                                 (GetBValue(c1) * w1 + GetBValue(c2) * w2) / total);
    double hA, sA, vA, h2, s2, v2;
    RgbToHsv(average, &hA, &sA, &vA);
    RgbToHsv(c2, &h2, &s2, &v2);
    COLORREF result = HsvToRgb(hA, (w2 * s2 + w1 * sA) / total, v2);
    if (lightnessFactor != 1.0) {
        double h, s, l;
        RgbToHls(result, &h, &s, &l);
        result = HlsToRgb(h, std::min(1.0, l * lightnessFactor), s);
    }
    return result;
}

COLORREF GradientBandColor(COLORREF start, COLORREF finish, int band)
{
    const int keep = 64 - band;
    return RGB((GetRValue(start) * keep + GetRValue(finish) * band) >> 6,
               (GetGValue(start) * keep + GetGValue(finish) * band) >> 6,
               (GetBValue(start) * keep + GetBValue(finish) * band) >> 6);
}

COLORREF HalfwayTo(COLORREF c, COLORREF h)
{
    auto half = [](int c, int h) { return Cap(c + (h - c) / 2); };
    return RGB(half(GetRValue(c), GetRValue(h)), half(GetGValue(c), GetGValue(h)),
               half(GetBValue(c), GetBValue(h)));
}
}  // namespace ZAVPColorMath
