// Paints a bar's client area into a memory bitmap and copies it to the window in one blit, so
// the bar does not flicker; falls back to the window's own DC when no bitmap can be made.
#pragma once

#include <windows.h>

#include "framework/CDC.h"
#include "framework/CRect.h"

class ZAVPBufferedPaint
{
public:
    ZAVPBufferedPaint(CDC* pDCPaint, const CRect& rectClient);
    ~ZAVPBufferedPaint();
    ZAVPBufferedPaint(const ZAVPBufferedPaint&) = delete;
    ZAVPBufferedPaint& operator=(const ZAVPBufferedPaint&) = delete;

    // Where to draw: the memory DC, or the window's DC when buffering was not possible.
    CDC* DC() const { return m_pDC; }

private:
    CDC* m_pDCPaint;
    CRect m_rectClient;
    CDC m_dcMem;
    HBITMAP m_hbmp = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    CDC* m_pDC;
};
