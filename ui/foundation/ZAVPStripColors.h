// The colours an image strip reads from the global data block, and the rule that ties the four
// standard 3D colours of a stored bitmap to the current system colours.
#pragma once

#include <windows.h>

namespace ZAVPStripColors
{
// The system colours the standard colours stand for.
struct SystemColors
{
    COLORREF text;       // stands for 0x000000
    COLORREF shadow;     // stands for 0x808080
    COLORREF face;       // stands for 0xC0C0C0
    COLORREF highlight;  // stands for 0xFFFFFF
};

// Standard colour -> its system colour; FALSE (out unchanged) for any other colour.
BOOL StandardToSystem(COLORREF color, const SystemColors& sys, COLORREF& mapped);
// System colour -> the first standard colour standing for it; FALSE for any other colour.
BOOL SystemToStandard(COLORREF color, const SystemColors& sys, COLORREF& mapped);

// The same against the global data block's current colours.
SystemColors Current();
BOOL StandardToSystem(COLORREF color, COLORREF& mapped);
BOOL SystemToStandard(COLORREF color, COLORREF& mapped);

COLORREF Face();
COLORREF Shadow();
COLORREF Highlight();
int ScreenBitsPerPixel();
BOOL IsWindowsNT();
HBRUSH FaceBrush();
HBRUSH LightBrush();
HBRUSH HighlightBrush();  // the system brush of the button highlight
HBRUSH ShadowBrush();     // the system brush of the button shadow
// The current look embosses disabled images.
BOOL EmbossDisabledImages();
}  // namespace ZAVPStripColors
