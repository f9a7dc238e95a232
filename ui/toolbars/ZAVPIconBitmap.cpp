// The icon editor's changes to the image (see the header).
#include "ui/toolbars/ZAVPIconBitmap.h"

#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/toolbars/ZAVPIconEditorMath.h"

namespace
{
// A memory DC with the bitmap selected for as long as it lives.
class BitmapDC
{
public:
    explicit BitmapDC(HBITMAP hbm) : m_hdc(::CreateCompatibleDC(nullptr))
    {
        if (m_hdc != nullptr && hbm != nullptr) m_hOld = ::SelectObject(m_hdc, hbm);
    }
    ~BitmapDC()
    {
        if (m_hdc == nullptr) return;
        if (m_hOld != nullptr) ::SelectObject(m_hdc, m_hOld);
        ::DeleteDC(m_hdc);
    }
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;
    bool Ok() const { return m_hdc != nullptr && m_hOld != nullptr; }
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld = nullptr;
};

COLORREF ToBitmap(COLORREF color) { return CZAVPImageStrip::MapToSysColor(color, TRUE); }
}  // namespace

namespace ZAVPIconBitmap
{
SIZE GetSize(HBITMAP hbm)
{
    BITMAP bm = {};
    if (hbm == nullptr || !::GetObjectA(hbm, sizeof bm, &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

COLORREF GetPixel(HBITMAP hbm, POINT pt)
{
    BitmapDC dc(hbm);
    return dc.Ok() ? ::GetPixel(dc, pt.x, pt.y) : CLR_INVALID;
}

BOOL SetPixel(HBITMAP hbm, POINT pt, COLORREF color)
{
    BitmapDC dc(hbm);
    return dc.Ok() && ::SetPixel(dc, pt.x, pt.y, ToBitmap(color)) != (COLORREF)-1;
}

BOOL FloodFill(HBITMAP hbm, POINT pt, COLORREF color)
{
    BitmapDC dc(hbm);
    if (!dc.Ok()) return FALSE;
    HBRUSH hbr = ::CreateSolidBrush(ToBitmap(color));
    HGDIOBJ hOld = ::SelectObject(dc, hbr);
    const BOOL bDone = ::ExtFloodFill(dc, pt.x, pt.y, ::GetPixel(dc, pt.x, pt.y), FLOODFILLSURFACE);
    ::SelectObject(dc, hOld);
    ::DeleteObject(hbr);
    return bDone;
}

BOOL DrawLine(HBITMAP hbm, POINT ptStart, POINT ptEnd, COLORREF color)
{
    {
        BitmapDC dc(hbm);
        if (!dc.Ok()) return FALSE;
        HPEN hPen = ::CreatePen(PS_SOLID, 1, ToBitmap(color));
        HGDIOBJ hOld = ::SelectObject(dc, hPen);
        ::MoveToEx(dc, ptStart.x, ptStart.y, nullptr);
        ::LineTo(dc, ptEnd.x, ptEnd.y);
        ::SelectObject(dc, hOld);
        ::DeleteObject(hPen);
    }
    // A line stops short of its end point; the end pixel is painted as the pencil would.
    return SetPixel(hbm, ptEnd, color);
}

BOOL DrawShape(HBITMAP hbm, const RECT& rect, BOOL bEllipse, COLORREF color)
{
    BitmapDC dc(hbm);
    if (!dc.Ok()) return FALSE;
    HPEN hPen = ::CreatePen(PS_SOLID, 1, ToBitmap(color));
    HGDIOBJ hOldPen = ::SelectObject(dc, hPen);
    HGDIOBJ hOldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
    const BOOL bDone = bEllipse ? ::Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom)
                                : ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    ::SelectObject(dc, hOldBrush);
    ::SelectObject(dc, hOldPen);
    ::DeleteObject(hPen);
    return bDone;
}

BOOL Fill(HBITMAP hbm, COLORREF color)
{
    BitmapDC dc(hbm);
    if (!dc.Ok()) return FALSE;
    const SIZE size = GetSize(hbm);
    HBRUSH hbr = ::CreateSolidBrush(color);
    const RECT rect = {0, 0, size.cx, size.cy};
    ::FillRect(dc, &rect, hbr);
    ::DeleteObject(hbr);
    return TRUE;
}

BOOL Paste(HBITMAP hbmIcon, HBITMAP hbmPasted, COLORREF clrBackground)
{
    const SIZE sizePasted = GetSize(hbmPasted);
    if (sizePasted.cx == 0 || sizePasted.cy == 0) return FALSE;
    BitmapDC dcSource(hbmPasted);
    if (!dcSource.Ok()) return FALSE;
    if (!Fill(hbmIcon, clrBackground)) return FALSE;
    BitmapDC dcIcon(hbmIcon);
    if (!dcIcon.Ok()) return FALSE;
    const SIZE sizeIcon = GetSize(hbmIcon);
    const POINT ptAt = ZAVPIconEditorMath::PasteOrigin(sizeIcon, sizePasted);
    return ::BitBlt(dcIcon, ptAt.x, ptAt.y, sizeIcon.cx, sizeIcon.cy, dcSource, 0, 0, SRCCOPY);
}
}  // namespace ZAVPIconBitmap
