// Colour derivation of the gradient look (see ZAVP2003Colors.h).
#include "ui/foundation/ZAVP2003Colors.h"

#include "ui/foundation/ZAVPColorMath.h"

using namespace ZAVPColorMath;

namespace
{
const COLORREF kNoColor2003 = (COLORREF)-1;

bool IsStandard(const ZAVP2003Colors::Source& s)
{
    return s.scheme != ZAVP2003Colors::None && s.bitsPerPixel > 8;
}
}  // namespace

void ZAVP2003Colors::ToolBarPair(const Source& s, COLORREF* pDark, COLORREF* pLight)
{
    const COLORREF b = s.scheme == None ? s.barFace : s.menuHilight;
    switch (s.scheme) {
    case Homestead:
        *pDark = ScaleColor(b, 120);
        *pLight = MixColorsHsv(b, s.window, 1.0, 2, 1);
        break;
    case Metallic:
        *pDark = MixColorsHsv(b, s.btnFace, 0.75, 2, 1);
        *pLight = MixColorsHsv(b, s.window, 1.03, 1, 1);
        break;
    default:
        *pDark = MixColorsHsv(b, s.btnFace, 0.93, 2, 1);
        *pLight = MixColorsHsv(b, s.window, 1.03, 1, 1);
        break;
    }
}

ZAVP2003Colors::BarColors ZAVP2003Colors::GlobalBarColors(const Source& s, COLORREF toolBarDark,
                                                          COLORREF toolBarLight,
                                                          const BarColors& system)
{
    if (!IsStandard(s)) return system;
    COLORREF face;
    switch (s.scheme) {
    case Homestead: face = MixColorsHsv(toolBarDark, toolBarLight, 1.0, 2, 1); break;
    case Metallic: face = MixColorsHsv(s.menuHilight, s.window, 1.0, 1, 1); break;
    default: face = ScaleColor(MixColorsHsv(toolBarDark, toolBarLight, 1.0, 1, 1), 95); break;
    }
    return {face, ScaleColor(face, 70), ScaleColor(face, 130), ScaleColor(face, 50),
            ScaleColor(face, 110)};
}

ZAVP2003Colors ZAVP2003Colors::Derive(const Source& s)
{
    ZAVP2003Colors c = {};
    c.floatBorder = c.frameHilite = c.menuBorder = c.barDkShadow = c.barShadow = kNoColor2003;
    c.highlightMenuItem = kNoColor2003;
    if (s.bitsPerPixel <= 8) {
        // Only the light ends change; everything else keeps the system colours.
        c.toolBarGradientLight = c.barGradientLight = s.barLight;
        c.toolBarGradientDark = c.barGradientDark = s.barFace;
        c.toolBarGradientVertLight = s.barLight;
        c.toolBarGradientVertDark = s.barFace;
        c.customizeButtonGradientDark = c.customizeButtonGradientLight = s.barShadow;
        c.toolBarBottomLine = c.toolBarCornerDark = s.barFace;
        c.toolBarCornerLight = s.barLight;
        c.highlightGradientLight = c.highlightGradientDark = s.xpHighlight;
        c.highlightDnGradientLight = c.highlightDnGradientDark = s.xpHighlightDn;
        c.highlightCheckedGradientLight = c.highlightCheckedGradientDark = s.xpHighlightDn;
        c.toolBarGripper = c.separator = s.barShadow;
        return c;
    }
    const COLORREF b = s.scheme == None ? s.barFace : s.menuHilight;
    ToolBarPair(s, &c.toolBarGradientDark, &c.toolBarGradientLight);
    switch (s.scheme) {
    case Homestead:
        c.barGradientDark = MixColorsHsv(b, s.btnFace, 0.87, 1, 3);
        c.barGradientLight = MixColorsHsv(b, s.window, 1.03, 1, 1);
        break;
    case Metallic:
        c.barGradientDark = ScaleColor(b, 120);
        c.barGradientLight = c.toolBarGradientLight;
        break;
    default:
        c.barGradientDark = MixColorsHsv(b, s.light3d, 0.99, 2, 1);
        c.barGradientLight = c.toolBarGradientLight;
        break;
    }
    c.toolBarGradientVertLight = c.toolBarGradientLight;
    c.toolBarGradientVertDark = ScaleColor(c.toolBarGradientDark, 98);
    if (s.scheme != None) {
        c.highlightMenuItem = MixColorsHsv(s.accent, s.accent2, 1.3, 1, 1);
        c.highlightGradientLight = MixColorsHsv(s.accent, s.windowFill, 1.55, 2, 1);
        c.highlightGradientDark = MixColorsHsv(s.accent, s.accent2, 1.03, 2, 1);
        c.highlightDnGradientLight = MixColorsHsv(s.accent, s.windowFill, 1.03, 1, 2);
        c.floatBorder = MixColorsHsv(s.border, b, 0.84, 1, 4);
        c.customizeButtonGradientDark = c.barDkShadow = MixColorsHsv(s.border, b, 0.63, 1, 3);
        c.customizeButtonGradientLight = MixColorsHsv(s.accentPressed, b, 1.2, 1, 3);
        c.barShadow = MixColorsHsv(s.accentPressed, b, 1.4, 1, 3);
        c.toolBarBottomLine = ScaleColor(c.toolBarGradientDark, 50);
        c.toolBarCornerLight = ScaleColor(c.toolBarGradientLight, 92);
        c.toolBarCornerDark = ScaleColor(c.toolBarGradientDark, 97);
        c.toolBarGripper = ScaleColor(c.toolBarGradientVertDark, 40);
        c.separator = ScaleColor(c.toolBarGradientVertDark, 81);
        c.frameHilite = c.toolBarGripper;
        c.menuBorder = b;
    } else {
        c.highlightGradientLight = s.xpHighlight;
        c.highlightGradientDark = s.xpHighlightDn;
        c.highlightDnGradientLight = ScaleColor(s.xpHighlight, 120);
        c.customizeButtonGradientDark = s.barShadow;
        c.customizeButtonGradientLight = ScaleColor(s.barShadow, 125);
        c.toolBarBottomLine = c.toolBarCornerDark = c.toolBarGradientDark;
        c.toolBarCornerLight = s.barLight;
        c.toolBarGripper = c.separator = s.barShadow;
    }
    c.highlightDnGradientDark = c.highlightCheckedGradientLight = c.highlightGradientDark;
    c.highlightCheckedGradientDark = ScaleColor(c.highlightDnGradientLight, 120);
    return c;
}
