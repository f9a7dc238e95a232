// The painter on the pixels of a memory DC: gradients band by band, recolouring, and the drop
// shadow, including a shadow cast by a rectangle smaller than its depth.
#include <gtest/gtest.h>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPPainter.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

COLORREF Grey(int v) { return RGB(v, v, v); }
}  // namespace

TEST(Painter, HorizontalGradientRunsInSixtyFourBands)
{
    MemoryDC dc(64, 4);
    CZAVPPainter painter(dc.DC());
    painter.FillGradient(CRect(0, 0, 64, 4), kBlack, kWhite, FALSE);
    // Band i is (255 x i) >> 6 and one pixel wide here; the last band stops short of white.
    EXPECT_EQ(kBlack, dc.Pixel(0, 2));
    EXPECT_EQ(Grey(127), dc.Pixel(32, 2));
    EXPECT_EQ(Grey(251), dc.Pixel(63, 2));
}

TEST(Painter, VerticalGradientStartsAtTheBottom)
{
    MemoryDC dc(4, 128);
    CZAVPPainter painter(dc.DC());
    painter.FillGradient(CRect(0, 0, 4, 128), kBlack, kWhite, TRUE);
    // Bands two pixels high, band 0 at the bottom.
    EXPECT_EQ(kBlack, dc.Pixel(1, 127));
    EXPECT_EQ(kBlack, dc.Pixel(1, 126));
    EXPECT_EQ(Grey(3), dc.Pixel(1, 125));
    EXPECT_EQ(Grey(251), dc.Pixel(1, 0));
}

TEST(Painter, AngledGradientAt360EqualsZeroAndOtherAnglesStayInside)
{
    MemoryDC a(40, 10), b(40, 10);
    CZAVPPainter(a.DC()).FillGradientAngle(CRect(0, 0, 40, 10), RGB(255, 0, 0), RGB(0, 0, 255), 0);
    CZAVPPainter(b.DC()).FillGradientAngle(CRect(0, 0, 40, 10), RGB(255, 0, 0), RGB(0, 0, 255),
                                           360);
    for (int x = 0; x < 40; ++x) EXPECT_EQ(a.Pixel(x, 5), b.Pixel(x, 5)) << x;

    MemoryDC c(60, 30);
    CZAVPPainter(c.DC()).FillGradientAngle(CRect(10, 10, 50, 20), RGB(255, 0, 0), RGB(0, 0, 255),
                                           45);
    EXPECT_TRUE(c.OutsideIs(CRect(10, 10, 50, 20), kWhite));
    EXPECT_NE(kWhite, c.Pixel(30, 15));
}

TEST(Painter, HighlightLeavesTheTransparentColourAndSkipsAtOneHundred)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "pixel work needs more than 8 bits per pixel";
    MemoryDC dc(20, 10, RGB(100, 50, 0));
    dc->FillSolidRect(0, 0, 10, 10, RGB(255, 0, 255));
    CZAVPPainter painter(dc.DC());
    EXPECT_TRUE(painter.HighlightRect(CRect(0, 0, 20, 10), 100));
    EXPECT_EQ(RGB(100, 50, 0), dc.Pixel(15, 5));
    EXPECT_TRUE(painter.HighlightRect(CRect(0, 0, 20, 10), -1, RGB(255, 0, 255)));
    EXPECT_EQ(RGB(255, 0, 255), dc.Pixel(5, 5));
    const COLORREF h = globalData.clrBtnHilite;
    EXPECT_EQ(RGB(100 + (GetRValue(h) - 100) / 2, 50 + (GetGValue(h) - 50) / 2, GetBValue(h) / 2),
              dc.Pixel(15, 5));
    // 150 %: channels times 1.5, a black channel lifted to 128.
    dc.Fill(RGB(100, 50, 0));
    EXPECT_TRUE(painter.HighlightRect(CRect(0, 0, 20, 10), 150));
    EXPECT_EQ(RGB(150, 75, 128), dc.Pixel(3, 3));
}

TEST(Painter, GrayTurnsColoursIntoTheirLightness)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "pixel work needs more than 8 bits per pixel";
    MemoryDC dc(4, 4, RGB(255, 0, 0));
    EXPECT_TRUE(CZAVPPainter(dc.DC()).GrayRect(CRect(0, 0, 4, 4), 100));
    EXPECT_EQ(Grey(127), dc.Pixel(2, 2));
}

TEST(Painter, ShadowRingsOnTheScreen)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "pixel work needs more than 8 bits per pixel";
    MemoryDC dc(50, 50);
    // A 20 x 20 rectangle at (10, 10), depth 4, from 100 % outside to 50 % at the inner edge:
    // step -12, ring k of a band at 50 + 12 k %.
    EXPECT_TRUE(CZAVPPainter(dc.DC()).DrawShadow(CRect(10, 10, 30, 30), 4, 100, 50));
    EXPECT_EQ(Grey(127), dc.Pixel(20, 29));  // bottom band, ring 0
    EXPECT_EQ(Grey(158), dc.Pixel(20, 30));  // ring 1: 255 x 62 / 100
    EXPECT_EQ(Grey(127), dc.Pixel(30, 20));  // right band, ring 0
    EXPECT_EQ(kWhite, dc.Pixel(10, 31));     // the bands start one depth in from the left
    EXPECT_TRUE(dc.OutsideIs(CRect(10, 10, 34, 34), kWhite));
}

TEST(Painter, ShadowOfATinyRectangleStaysInItsArea)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "pixel work needs more than 8 bits per pixel";
    MemoryDC dc(40, 40);
    for (int size = 1; size <= 3; ++size) {
        dc.Fill(kWhite);
        const CRect rect(10, 10, 10 + size, 10 + size);
        EXPECT_TRUE(CZAVPPainter(dc.DC()).DrawShadow(rect, 6, 100, 65));
        EXPECT_TRUE(dc.OutsideIs(CRect(10, 10, 16 + size, 16 + size), kWhite)) << size;
    }
}

TEST(Painter, ShadowIsSavedAndDrawnBackFromTheBitmaps)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "pixel work needs more than 8 bits per pixel";
    MemoryDC dc(50, 50);
    CBitmap bottom, right;
    const CRect rect(10, 10, 30, 30);
    ASSERT_TRUE(CZAVPPainter(dc.DC()).DrawShadow(rect, 4, 100, 50, &bottom, &right));
    ASSERT_NE(nullptr, bottom.GetSafeHandle());
    ASSERT_NE(nullptr, right.GetSafeHandle());
    const COLORREF right0 = dc.Pixel(30, 20), bottom1 = dc.Pixel(20, 30);
    dc.Fill(kWhite);
    // Restoring computes nothing: the saved strips come back as they were.
    ASSERT_TRUE(CZAVPPainter(dc.DC()).DrawShadow(rect, 4, 100, 50, &bottom, &right));
    EXPECT_EQ(right0, dc.Pixel(30, 20));
    EXPECT_EQ(bottom1, dc.Pixel(20, 30));
}

TEST(Painter, GradientRingRefusesSmallRectanglesAndDrawsInsideLargerOnes)
{
    MemoryDC dc(40, 40);
    CZAVPPainter painter(dc.DC());
    EXPECT_FALSE(painter.DrawGradientRing(CRect(0, 0, 4, 20), kBlack, kWhite, (COLORREF)-1, 0, 2));
    EXPECT_TRUE(painter.DrawGradientRing(CRect(5, 5, 35, 25), kBlack, kWhite, RGB(255, 0, 0), 0, 3,
                                         RGB(0, 255, 0)));
    EXPECT_TRUE(dc.OutsideIs(CRect(5, 5, 35, 25), kWhite));
    EXPECT_EQ(RGB(0, 255, 0), dc.Pixel(20, 15));  // the face fills the middle
}
