// Colour arithmetic of the UI library: percent and factor scaling, mixing, HLS and HSV
// conversions. Plain functions over COLORREF values, so they are testable without a DC; the
// painter exposes them as its static members.
#pragma once

#include <windows.h>

namespace ZAVPColorMath
{
// Each channel x percentage / 100 (truncated), capped at 255.
COLORREF ScaleColor(COLORREF color, int percentage);
// One channel times a factor, rounded; a black channel is lightened from 0 by (factor - 1) x 255.
int ScaleChannel(int value, double factor);
COLORREF ScaleColorByFactors(COLORREF color, double red, double green, double blue);
// Per channel (c1 x p + c2 x (100 - p)) / 100, truncated.
COLORREF MixColors(COLORREF color1, COLORREF color2, int percentageOfColor1);
// Weighted average of the two colours, re-saturated through HSV towards the second colour, then
// optionally scaled in lightness. 0 when the weights sum to 0.
COLORREF MixColorsHsv(COLORREF color1, COLORREF color2, double lightnessFactor, int weight1,
                      int weight2);

// Hue 0..1, saturation and lightness 0..1.
void RgbToHls(COLORREF color, double* hue, double* saturation, double* lightness);
COLORREF HlsToRgb(double hue, double lightness, double saturation);
// The same with the hue in degrees (0..360), computed in single precision.
COLORREF HlsToRgbDegrees(double hue, double lightness, double saturation);
// Hue in degrees (-1 for black), saturation and value 0..1.
void RgbToHsv(COLORREF color, double* hue, double* saturation, double* value);
COLORREF HsvToRgb(double hue, double saturation, double value);

// Colour of band i (0..63) of a 64-band linear gradient; the finish colour itself is never reached.
COLORREF GradientBandColor(COLORREF start, COLORREF finish, int band);
// Half-way towards a highlight colour, per channel: c + (h - c) / 2, capped at 255.
COLORREF HalfwayTo(COLORREF color, COLORREF highlight);
// Swaps red and blue: COLORREF order to the blue-first order of 32-bit DIB pixels and back.
inline DWORD SwapRedBlue(DWORD c)
{
    return (c & 0xFF00FF00u) | ((c & 0xFF) << 16) | ((c >> 16) & 0xFF);
}
}  // namespace ZAVPColorMath
