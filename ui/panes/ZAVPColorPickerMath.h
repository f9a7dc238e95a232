// Geometry and colours of the colour dialog's pickers: the honeycomb of 127 hexagons, the row of
// greys, the six points of a hexagon, the snapping of channels to the levels the honeycomb shows,
// and the conversion of 0..1 values to channels. Plain data, testable without a window.
#pragma once

#include <vector>

#include <windows.h>

#include "framework/CRect.h"

namespace ZAVPColorPickerMath
{
const int kHoneycombRings = 6;
const int kHoneycombCells = 1 + 6 * (1 + 2 + 3 + 4 + 5 + 6);  // 127
const int kGreyCells = 17;                                    // white, 15 greys, black
const int kSnapTolerance = 16;
const float kTan30 = 0.57735026f;  // single precision, as the hexagon sizes are truncated from it

// A 0..1 value as a channel 0..255: (int)(v x 255 + 0.5), clamped.
int UnitToChannel(double dblValue);
// Below 16 -> 0, above 239 -> 255, within 16 of 128 -> 128, else within 16 of 192 -> 192.
int SnapChannel(int nChannel);
COLORREF SnapColor(COLORREF color);

// The hexagon of a cell: a point at the top and the bottom, vertical left and right sides.
void HexagonPoints(POINT ptCentre, int nSize, POINT points[6]);

struct Cell
{
    POINT ptCentre;
    int nSize;
    COLORREF color;     // snapped (greys: exact)
    COLORREF clrExact;  // before snapping: what the palette entry is matched against
};
// The honeycomb in the client rectangle: the white centre and six rings around it.
std::vector<Cell> Honeycomb(const CRect& rectClient);
// The grey row: white, 15 greys from 240 down to 30 in a zigzag, black; centred.
std::vector<Cell> GreyRow(const CRect& rectClient);
// The first cell that shows the colour (snapped as the honeycomb snaps), -1 when none.
int FindCell(const std::vector<Cell>& cells, COLORREF color);
}  // namespace ZAVPColorPickerMath
