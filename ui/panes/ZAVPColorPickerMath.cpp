// Geometry and colours of the colour dialog's pickers (see ZAVPColorPickerMath.h).
#include "ui/panes/ZAVPColorPickerMath.h"

#include <cmath>

#include "ui/foundation/ZAVPColorMath.h"

namespace ZAVPColorPickerMath
{
namespace
{
const int kPickerMaxChannel = 255;
const double kDegreesPerRadian = 57.29577951308239;
const int kHoneycombColumns = 13;  // cells across the honeycomb's width
const COLORREF kPickerWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const int kFirstGrey = 240, kGreyStep = 15, kGreyCount = 15;

// The unit steps between the cells of a ring, one direction after the other.
const double kRingSteps[6][2] = {{-0.5, 0.866}, {-1, 0}, {-0.5, -0.866},
                                 {0.5, -0.866}, {1, 0},  {0.5, 0.866}};

Cell MakeCell(int x, int y, int nSize, COLORREF clrExact, BOOL bSnap)
{
    Cell cell;
    cell.ptCentre = POINT{x, y};
    cell.nSize = nSize;
    cell.clrExact = clrExact;
    cell.color = bSnap ? SnapColor(clrExact) : clrExact;
    return cell;
}
}  // namespace

int UnitToChannel(double dblValue)
{
    const int n = (int)(dblValue * kPickerMaxChannel + 0.5);
    return n < 0 ? 0 : (n > kPickerMaxChannel ? kPickerMaxChannel : n);
}

int SnapChannel(int n)
{
    if (n < kSnapTolerance) return 0;
    if (n > kPickerMaxChannel - kSnapTolerance) return kPickerMaxChannel;
    if (std::abs(n - 128) < kSnapTolerance) return 128;
    if (std::abs(n - 192) < kSnapTolerance) return 192;
    return n;
}

COLORREF SnapColor(COLORREF color)
{
    return RGB(SnapChannel(GetRValue(color)), SnapChannel(GetGValue(color)),
               SnapChannel(GetBValue(color)));
}

void HexagonPoints(POINT c, int nSize, POINT points[6])
{
    const int a = nSize / 2;
    const int h = (int)(nSize * kTan30) / 2;
    points[0] = POINT{c.x - a, c.y - h};
    points[1] = POINT{c.x, c.y - a};
    points[2] = POINT{c.x + a, c.y - h};
    points[3] = POINT{c.x + a, c.y + h};
    points[4] = POINT{c.x, c.y + a};
    points[5] = POINT{c.x - a, c.y + h};
}

std::vector<Cell> Honeycomb(const CRect& rectClient)
{
    CRect rect = rectClient;
    if (rect.Width() > rect.Height())
        rect.DeflateRect((rect.Width() - rect.Height()) / 2, 0);
    else
        rect.DeflateRect(0, (rect.Height() - rect.Width()) / 2);
    const int s = rect.Width() / kHoneycombColumns + 1;
    const CPoint ptCentre = rect.CenterPoint();

    std::vector<Cell> cells;
    cells.reserve(kHoneycombCells);
    cells.push_back(MakeCell(ptCentre.x, ptCentre.y, s, kPickerWhite, TRUE));
    for (int r = 1; r <= kHoneycombRings; ++r) {
        int x = ptCentre.x + r * s, y = ptCentre.y;
        const double dblLuminance = (7.0 - r) / 7.0 + 0.1;
        for (const auto& step : kRingSteps) {
            for (int i = 0; i < r; ++i) {
                int nDegrees = (int)(std::atan2((double)(y - ptCentre.y),
                                                (double)(x - ptCentre.x)) *
                                     kDegreesPerRadian);
                if (nDegrees < 0) nDegrees += 360;
                const COLORREF clr = ZAVPColorMath::HlsToRgb(nDegrees / 360.0, dblLuminance, 1.0);
                cells.push_back(MakeCell(x, y, s, clr, TRUE));
                x += (int)(step[0] * s);
                y += (int)(step[1] * s);
            }
        }
    }
    return cells;
}

std::vector<Cell> GreyRow(const CRect& rectClient)
{
    int s = rectClient.Height() / 2 - 2;
    if (rectClient.Width() / kHoneycombColumns < s) s = rectClient.Width() / kHoneycombColumns;
    if (s % 2 != 0) ++s;
    const int h = (int)(s * kTan30 * 1.5f);
    const int yCentre = rectClient.top + rectClient.Height() / 2;

    // White (2s wide), the first grey 3s from the left edge, the greys s/2 apart, black 2s
    // after the last grey and 2s wide: the row's width, by which it is centred.
    const int nRowWidth = 3 * s + (kGreyCount - 1) * (s / 2) + 3 * s;
    const int xLeft = rectClient.left + (rectClient.Width() - nRowWidth) / 2;
    std::vector<Cell> cells;
    cells.push_back(MakeCell(xLeft + s, yCentre, 2 * s, kPickerWhite, FALSE));
    int x = xLeft + 3 * s;
    for (int i = 0; i < kGreyCount; ++i) {
        const int v = kFirstGrey - i * kGreyStep;
        const int y = i % 2 == 0 ? yCentre - h / 2 : yCentre + h / 2;
        cells.push_back(MakeCell(x, y, s, RGB(v, v, v), FALSE));
        if (i + 1 < kGreyCount) x += s / 2;
    }
    cells.push_back(MakeCell(x + 2 * s, yCentre, 2 * s, kBlack, FALSE));
    return cells;
}

int FindCell(const std::vector<Cell>& cells, COLORREF color)
{
    const COLORREF clrSnapped = SnapColor(color);
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i].color == clrSnapped || cells[i].color == color) return (int)i;
    return -1;
}
}  // namespace ZAVPColorPickerMath
