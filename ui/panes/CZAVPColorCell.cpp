// A hexagon cell of the colour dialog (see CZAVPColorCell.h).
#include "ui/panes/CZAVPColorCell.h"

#include "framework/CDC.h"
#include "ui/panes/ZAVPColorPickerMath.h"

CZAVPColorCell::CZAVPColorCell(POINT ptCentre, int nSize, COLORREF color, COLORREF brushColor)
    : m_color(color), m_brushColor(brushColor), m_ptCentre(ptCentre), m_nSize(nSize)
{
    ZAVPColorPickerMath::HexagonPoints(ptCentre, nSize, m_points);
}

void CZAVPColorCell::Draw(CDC* pDC, BOOL bSelected) const
{
    const HDC hdc = pDC->GetSafeHdc();
    const HBRUSH hBrush = ::CreateSolidBrush(m_brushColor);
    const HGDIOBJ hOldBrush = ::SelectObject(hdc, hBrush);
    const HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(NULL_PEN));
    ::Polygon(hdc, m_points, 6);
    if (bSelected) {
        // A white line inside a black one, so the frame shows on any colour.
        const HPEN hBlack = ::CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
        ::SelectObject(hdc, hBlack);
        ::SelectObject(hdc, ::GetStockObject(NULL_BRUSH));
        ::Polygon(hdc, m_points, 6);
        ::SelectObject(hdc, ::GetStockObject(WHITE_PEN));
        ::Polygon(hdc, m_points, 6);
        ::SelectObject(hdc, hOldPen);
        ::DeleteObject(hBlack);
    } else {
        ::SelectObject(hdc, hOldPen);
    }
    ::SelectObject(hdc, hOldBrush);
    ::DeleteObject(hBrush);
}

BOOL CZAVPColorCell::HitTest(POINT pt) const
{
    const HRGN hRgn = ::CreatePolygonRgn(m_points, 6, WINDING);
    if (hRgn == nullptr) return FALSE;
    const BOOL bIn = ::PtInRegion(hRgn, pt.x, pt.y);
    ::DeleteObject(hRgn);
    return bIn;
}
