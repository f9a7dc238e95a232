// Colour derivation of the flat look (see ZAVPXPColors.h).
#include "ui/foundation/ZAVPXPColors.h"

#include <algorithm>

#include "ui/foundation/ZAVPColorMath.h"

using namespace ZAVPColorMath;

namespace
{
// Per channel (c1 x w1 + c2 x w2) / (w1 + w2), integer division.
COLORREF Blend(COLORREF c1, int w1, COLORREF c2, int w2)
{
    const int n = w1 + w2;
    return RGB((GetRValue(c1) * w1 + GetRValue(c2) * w2) / n,
               (GetGValue(c1) * w1 + GetGValue(c2) * w2) / n,
               (GetBValue(c1) * w1 + GetBValue(c2) * w2) / n);
}
}  // namespace

ZAVPXPColors ZAVPXPColors::Derive(const Source& s)
{
    ZAVPXPColors c = {};
    c.frameHilite = s.hilite;
    if (s.bitsPerPixel <= 8) {
        c.menuLight = s.barWindow;
        c.barBkgnd = c.highlight = c.highlightDn = c.tabBack = s.btnFace;
        c.highlightChecked = s.barWindow;
        c.gripper = s.btnDkShadow;
        c.separator = c.barShadowLight = c.paneBorder = c.floatBorder = s.btnShadow;
        c.menuBorder = s.btnDkShadow;
        return c;
    }
    double h, l, sat;
    RgbToHls(s.barFace, &h, &sat, &l);
    c.menuLight = ScaleColorByFactors(s.window, 0.976, 0.973, 0.969);
    double tabL, tabSat;
    if (sat < 0.1) {
        tabL = std::min(1.0, l + (1 - l) * 0.5);
        tabSat = sat == 0 ? 0 : std::min(1.0, sat + 0.1);
    } else {
        tabL = std::min(1.0, (l + 1) * 0.5);
        tabSat = std::min(1.0, 2 * sat);
    }
    c.tabBack = HlsToRgb(h, tabL, tabSat);
    c.barBkgnd = l < 0.9 ? HlsToRgb(h, l * 1.03, sat) : s.barFace;
    c.gripper = HlsToRgb(h, l * 0.4, sat);
    c.highlight = ScaleColor(Blend(s.hilite, 1, c.menuLight, 2), 105);
    c.highlightDn = ScaleColorByFactors(c.highlight, 0.87, 0.87, 0.87);
    c.highlightChecked = ScaleColor(Blend(s.hilite, 1, c.menuLight, 5), 100);
    c.separator = ScaleColorByFactors(s.barFace, 0.86, 0.86, 0.86);
    c.paneBorder = s.barShadow;
    c.menuBorder = ScaleColor(s.barFace, 55);
    c.floatBorder = ScaleColorByFactors(s.barShadow, 0.85, 0.85, 0.85);
    c.barShadowLight = ScaleColor(s.barShadow, 110);
    return c;
}
