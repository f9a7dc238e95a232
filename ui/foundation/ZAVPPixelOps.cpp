// Pixel work of the painter (see ZAVPPixelOps.h).
#include "ui/foundation/ZAVPPixelOps.h"

#include "ui/foundation/ZAVPColorMath.h"

namespace ZAVPPixelOps
{
namespace
{
const DWORD kRgbMask = 0x00FFFFFF;
const COLORREF kPixelNoColor = (COLORREF)-1;

class ShadowWriter
{
public:
    ShadowWriter(const PixelBuffer& buffer, int H, int depth, COLORREF base)
        : m_buffer(buffer), m_bottomRowOffset(H + depth),
          m_base(base == kPixelNoColor ? kPixelNoColor
                                       : ZAVPColorMath::SwapRedBlue(base) & kRgbMask)
    {
    }

    // Pixel (x, y) of the shadow's coordinates is the element at row H + depth - y counted from
    // the bottom row; elements outside the buffer are skipped.
    void Shade(int x, int y, int percentage) const
    {
        const int row = m_bottomRowOffset - y;
        if (x < 0 || x >= m_buffer.width || row < 0 || row >= m_buffer.height) return;
        DWORD& pixel = m_buffer.bits[row * m_buffer.width + x];
        COLORREF c = ZAVPColorMath::ScaleColor(pixel & kRgbMask, percentage);
        if (m_base != kPixelNoColor)
            c = RGB((GetRValue(c) + GetRValue(m_base)) / 2, (GetGValue(c) + GetGValue(m_base)) / 2,
                    (GetBValue(c) + GetBValue(m_base)) / 2);
        pixel = c;
    }

private:
    const PixelBuffer& m_buffer;
    int m_bottomRowOffset;
    COLORREF m_base;  // blue-first, or -1
};

template <typename Recolour>
void ForEachOpaquePixel(const PixelBuffer& buffer, COLORREF transparent, Recolour recolour)
{
    const bool hasTransparent = transparent != kPixelNoColor;
    const DWORD key = ZAVPColorMath::SwapRedBlue(transparent) & kRgbMask;
    const int count = buffer.width * buffer.height;
    for (int i = 0; i < count; ++i) {
        const DWORD pixel = buffer.bits[i] & kRgbMask;
        if (hasTransparent && pixel == key) continue;
        buffer.bits[i] = recolour(pixel);
    }
}

// Channels are recoloured independently, so the blue-first order can stay as it is; only the
// highlight colour has to be brought into that order.
DWORD Lighten(DWORD pixel, int percentage, DWORD highlightBlueFirst)
{
    if (percentage == -1) return ZAVPColorMath::HalfwayTo(pixel, highlightBlueFirst);
    const double f = percentage / 100.0;
    return ZAVPColorMath::ScaleColorByFactors(pixel, f, f, f);
}
}  // namespace

void ShadeDropShadow(const PixelBuffer& buffer, int W, int H, int depth, int minB, int maxB,
                     COLORREF base)
{
    if (depth <= 0) return;
    const ShadowWriter w(buffer, H, depth, base);
    const int step = (maxB - minB) / depth;
    for (int k = 0; k < depth; ++k) {
        const int edge = maxB - k * step;
        const int corner = maxB - (depth - k) * step;
        for (int y = H; y <= H + depth - k - 1; ++y)  // corner of the bottom band
            w.Shade(depth + k, y, corner);
        for (int x = 2 * depth - k; x <= W + k - 1; ++x)  // bottom band
            w.Shade(x, H + k, edge);
        for (int y = 2 * depth - k; y <= H + k; ++y)  // right band
            w.Shade(W + k, y, edge);
        for (int x = W; x <= W + depth - k - 1; ++x)  // corner of the right band
            w.Shade(x, depth + k, corner);
    }
}

void HighlightPixels(const PixelBuffer& buffer, int percentage, COLORREF transparent,
                     COLORREF highlight)
{
    const DWORD hilite = ZAVPColorMath::SwapRedBlue(highlight) & kRgbMask;
    ForEachOpaquePixel(buffer, transparent,
                       [&](DWORD pixel) { return Lighten(pixel, percentage, hilite); });
}

void GrayPixels(const PixelBuffer& buffer, int percentage, COLORREF transparent, COLORREF highlight)
{
    const DWORD hilite = ZAVPColorMath::SwapRedBlue(highlight) & kRgbMask;
    ForEachOpaquePixel(buffer, transparent, [&](DWORD pixel) {
        double h, s, l;
        ZAVPColorMath::RgbToHls(pixel, &h, &s, &l);
        return Lighten(ZAVPColorMath::HlsToRgb(h, l, 0), percentage, hilite);
    });
}
}  // namespace ZAVPPixelOps
