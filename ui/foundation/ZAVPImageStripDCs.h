// The two memory DCs every image strip draws through (images and masks): made once by the first
// strip, so drawing a button creates no DC, and deleted at library clean-up. UI thread only.
#pragma once

#include <windows.h>

struct CZAVPImageStripDCs
{
    // Makes the DCs when they are missing; FALSE when the system refuses them.
    static BOOL Acquire();
    static HDC Images();
    static HDC Mask();
    static void Release();
};
