// The colours of the flat (Office XP) look, derived from the system colours: pure arithmetic so
// that the derivation can be checked as a table.
#pragma once

#include <windows.h>

struct ZAVPXPColors
{
    COLORREF menuLight;         // popup-menu background
    COLORREF tabBack;           // tab-area and auto-hide-bar background
    COLORREF barBkgnd;          // toolbar background, image column of popup menus
    COLORREF gripper;           // grippers and dots
    COLORREF highlight;         // hot item fill
    COLORREF highlightDn;       // pressed item fill
    COLORREF highlightChecked;  // checked item fill
    COLORREF separator;         // separator pen
    COLORREF paneBorder;        // status-pane frame
    COLORREF menuBorder;        // popup-menu outer frame
    COLORREF floatBorder;       // floating toolbar and mini-frame border
    COLORREF barShadowLight;    // tab-button frame
    COLORREF frameHilite;       // one-pixel frame of highlighted items

    // The system colours the derivation reads.
    struct Source
    {
        int bitsPerPixel;
        COLORREF barFace, window, barShadow, hilite;          // above 8 bits per pixel
        COLORREF barWindow, btnFace, btnDkShadow, btnShadow;  // at 8 bits or less
    };
    static ZAVPXPColors Derive(const Source& s);
};
