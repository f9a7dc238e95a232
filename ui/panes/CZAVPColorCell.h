// One hexagon of the colour dialog's honeycomb or grey row: its six points, its colour (and the
// brush colour an 8-bit display paints it with), its centre and size.
#pragma once

#include <windows.h>

#include "framework/CObject.h"

class CDC;

class CZAVPColorCell : public CObject
{
public:
    CZAVPColorCell(POINT ptCentre, int nSize, COLORREF color, COLORREF brushColor);

    // Fills the hexagon; a selected cell gets a frame along its edges.
    void Draw(CDC* pDC, BOOL bSelected) const;
    // TRUE when the point lies inside the hexagon (a WINDING polygon region of its points).
    BOOL HitTest(POINT pt) const;

    POINT m_points[6];
    COLORREF m_color;
    COLORREF m_brushColor;  // the colour, or PALETTEINDEX of the nearest entry at 8 bits
    POINT m_ptCentre;
    int m_nSize;
};
