// Drawing on a memory DC: the XOR drag outline leaves no trace when taken off and moves without
// touching the pixels two outlines share; 3-D frames and solid fills put their colours exactly.
#include <gtest/gtest.h>

#include "framework/CDC.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);

// A 32x32 32-bit memory DC, all white.
class MemoryDC
{
public:
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    MemoryDC()
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = 32;
        bi.bmiHeader.biHeight = -32;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        dc.CreateCompatibleDC(nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 32, 32, kWhite);
    }
    ~MemoryDC() { dc.SelectObject(old); }
    int CountNonWhite(const RECT& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; y++)
            for (int x = r.left; x < r.right; x++) n += dc.GetPixel(x, y) != kWhite;
        return n;
    }
};

TEST(Gdi, DragOutlineDrawsAFrameAndLeavesNoTraceWhenRemoved)
{
    MemoryDC m;
    CRect first(4, 4, 20, 20), second(8, 6, 26, 24), none(0, 0, 0, 0);
    CSize thick(2, 2);
    m.dc.DrawDragRect(&first, thick, nullptr, CSize(0, 0));
    // Half the frame's pixels flip (the halftone pattern); nothing inside or outside it.
    int frame = m.CountNonWhite(first) - m.CountNonWhite(CRect(6, 6, 18, 18));
    EXPECT_EQ((16 * 16 - 12 * 12) / 2, frame);
    EXPECT_EQ(0, m.CountNonWhite(CRect(6, 6, 18, 18)));
    EXPECT_EQ(m.CountNonWhite(CRect(0, 0, 32, 32)), frame);

    // Moving: the old frame is gone where the new one is not.
    m.dc.DrawDragRect(&second, thick, &first, thick);
    EXPECT_EQ(0, m.CountNonWhite(CRect(4, 4, 8, 6)));  // a corner only the first frame had
    EXPECT_EQ((18 * 18 - 14 * 14) / 2, m.CountNonWhite(CRect(0, 0, 32, 32)));

    // Taking it off: an empty rectangle with the last one.
    m.dc.DrawDragRect(&none, CSize(0, 0), &second, thick);
    EXPECT_EQ(0, m.CountNonWhite(CRect(0, 0, 32, 32)));
}

TEST(Gdi, Draw3dRectAndFillSolidRectPaintExactPixels)
{
    MemoryDC m;
    const COLORREF light = RGB(10, 200, 30), dark = RGB(90, 20, 160);
    m.dc.SetBkColor(RGB(1, 2, 3));
    m.dc.Draw3dRect(2, 3, 10, 6, light, dark);
    EXPECT_EQ(RGB(1, 2, 3), m.dc.GetBkColor());  // the fills leave the DC's colour alone
    EXPECT_EQ(light, m.dc.GetPixel(2, 3));       // top-left corner
    EXPECT_EQ(light, m.dc.GetPixel(10, 3));      // top edge up to one before the right
    EXPECT_EQ(dark, m.dc.GetPixel(11, 3));       // the right edge owns the top-right corner
    EXPECT_EQ(light, m.dc.GetPixel(2, 7));
    EXPECT_EQ(dark, m.dc.GetPixel(2, 8));  // the bottom edge owns the bottom-left corner
    EXPECT_EQ(dark, m.dc.GetPixel(11, 8));
    EXPECT_EQ(kWhite, m.dc.GetPixel(5, 5));   // inside untouched
    EXPECT_EQ(kWhite, m.dc.GetPixel(12, 3));  // nothing outside
    EXPECT_EQ(2 * 10 + 2 * 4, m.CountNonWhite(CRect(0, 0, 32, 32)));
}

}  // namespace
