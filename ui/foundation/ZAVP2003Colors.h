// The colours of the gradient (Office 2003) look: the global bar colours it imposes and the
// gradient pairs it derives, from the visual style's scheme, the system colours and the theme's
// hint colours. Pure arithmetic, checked as tables.
#pragma once

#include <windows.h>

struct ZAVP2003Colors
{
    // Colour schemes of the standard visual style; None for any other style (or none).
    enum Scheme
    {
        None,
        Blue,
        Homestead,
        Metallic
    };

    // What the derivation reads. System colours are those of the theme when it gives them.
    struct Source
    {
        int bitsPerPixel;
        Scheme scheme;
        COLORREF menuHilight, btnFace, light3d,
            window;  // COLOR_MENUHILIGHT, _BTNFACE, _3DLIGHT, _WINDOW
        COLORREF barFace, barShadow, barDkShadow, barLight, barWindow, btnShadow;  // global block
        COLORREF xpHighlight, xpHighlightDn;  // the flat look's hot and pressed fills
        // Theme hint colours of the standard style: the button accents A (part 1), A2 (part 2)
        // and E (part 1, state 5), the button border D (part 2), the window fill W (part 18).
        COLORREF accent, accent2, accentPressed, border, windowFill;
    };

    // The global bar colours the look imposes (face, shadow, highlight, dark shadow, light).
    struct BarColors
    {
        COLORREF face, shadow, hilite, dkShadow, light;
    };
    // For the standard style: the face from the scheme and the toolbar pair; the rest scaled from
    // it. Without it (or at 8 bits): the system colours given.
    static BarColors GlobalBarColors(const Source& s, COLORREF toolBarDark, COLORREF toolBarLight,
                                     const BarColors& system);
    // The toolbar pair of a scheme (what the first derivation starts from as well).
    static void ToolBarPair(const Source& s, COLORREF* pDark, COLORREF* pLight);
    // Everything else, from the source after the global bar colours were imposed.
    static ZAVP2003Colors Derive(const Source& s);

    COLORREF barGradientDark, barGradientLight;
    COLORREF toolBarGradientDark, toolBarGradientLight;
    COLORREF toolBarGradientVertLight, toolBarGradientVertDark;
    COLORREF customizeButtonGradientDark, customizeButtonGradientLight;
    COLORREF toolBarBottomLine, toolBarCornerLight, toolBarCornerDark;
    COLORREF highlightMenuItem;  // -1: none
    COLORREF highlightGradientLight, highlightGradientDark;
    COLORREF highlightDnGradientLight, highlightDnGradientDark;
    COLORREF highlightCheckedGradientLight, highlightCheckedGradientDark;
    COLORREF toolBarGripper, separator;
    COLORREF floatBorder;              // -1: keep the flat look's
    COLORREF frameHilite, menuBorder;  // -1: keep the flat look's
    COLORREF barDkShadow, barShadow;   // -1: keep the global ones
};
