// Layout arithmetic of the colour bar (see ZAVPColorBarLayout.h).
#include "ui/panes/ZAVPColorBarLayout.h"

#include <cmath>

namespace ZAVPColorBarLayout
{
namespace
{
int CeilDiv(int n, int d) { return d > 0 ? (n + d - 1) / d : 0; }

// Grows the value while the measure stays within the limit, or shrinks it while the measure
// exceeds it; never below 1.
template <class Measure>
int FitOne(int nValue, int nLimit, Measure measure)
{
    if (nValue < 1) nValue = 1;
    if (measure(nValue) <= nLimit) {
        while (measure(nValue + 1) <= nLimit) ++nValue;
    } else {
        while (nValue > 1 && measure(nValue) > nLimit) --nValue;
    }
    return nValue;
}
}  // namespace

void GetColumnsAndRows(int nCount, const GridSettings& settings, BOOL bDockedStandalone,
                       BOOL bVertical, int& nColumns, int& nRows)
{
    nRows = 0;
    if (bDockedStandalone && !bVertical && settings.nRowsDockedHorz > 0) {
        nRows = settings.nRowsDockedHorz;
        nColumns = CeilDiv(nCount, nRows);
        if (nColumns < 1) nColumns = 1;
        return;
    }
    if (bDockedStandalone && settings.nColumnsDockedVert > 0) {
        nColumns = settings.nColumnsDockedVert;
    } else {
        nColumns = settings.nColumns;
        if (nColumns < 1) nColumns = (int)std::sqrt((double)nCount) + 1;
    }
    nRows = CeilDiv(nCount, nColumns);
}

CSize CalcSize(const SizeInputs& in)
{
    int nExtra = 0;
    if (in.bAutomatic)
        nExtra += in.nTextRowHeight;
    else if (in.bOther)
        nExtra += kMargin;
    if (in.bOther) nExtra += in.nTextRowHeight;
    if (in.bShowDocument && in.nDocumentColors > 0)
        nExtra += kSeparatorStep + in.sizeCell.cy * CeilDiv(in.nDocumentColors, in.nColumns) +
                  kMargin + in.nTextRowHeight;
    return CSize(in.nColumns * in.sizeCell.cx + 2 * kMargin,
                 nExtra + in.nRows * in.sizeCell.cy + 2 * kMargin);
}

std::vector<CRect> Locations(const std::vector<Item>& items, const LocationInputs& in)
{
    const CRect& r = in.rect;
    const int cx = in.sizeCell.cx, cy = in.sizeCell.cy;
    std::vector<CRect> rects(items.size());
    int x = r.left, y = r.top;
    BOOL bPreviewAllowed = !in.bHasAutomaticText || in.clrSelected != (COLORREF)-1;
    BOOL bAfterSeparator = FALSE;
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        CRect& rect = rects[i];
        rect.SetRectEmpty();
        if (item.kind == Separator) {
            if (!bAfterSeparator) {
                if (x != r.left) y += cy + kMargin;
                rect.SetRect(r.left, y, r.right, y + kSeparatorHeight);
                y += kSeparatorStep;
                x = r.left;
            }
            bAfterSeparator = TRUE;
            continue;
        }
        bAfterSeparator = FALSE;
        if (item.bDocument && !in.bShowDocument) continue;
        if (item.kind == Cell) {
            if (x + cx > r.right) {
                y += cy;
                x = r.left;
            }
            if (item.bPreview && !bPreviewAllowed) continue;
            rect.SetRect(x, y, x + cx, y + cy);
            x += cx;
            if (!item.bPreview && item.color == in.clrSelected) bPreviewAllowed = FALSE;
            continue;
        }
        if (x > r.left) {
            y += cy + kMargin;
            x = r.left;
        }
        const int nRowHeight = in.nTextRowHeight - kMargin / 2;
        rect.SetRect(x, y, x + r.Width(), y + nRowHeight);
        y = rect.bottom;
        x = r.left;
        if (item.kind == Other) {
            if (bPreviewAllowed) {
                rect.right -= cx;
                x = rect.right;
                y = rect.top + (nRowHeight - cy) / 2;
            }
            rect.DeflateRect(kMargin / 2, kMargin / 2);
        }
    }
    return rects;
}

Fit FitToWindow(SizeInputs in, CSize sizeClient, BOOL bSquare, BOOL bCentre)
{
    Fit fit;
    in.sizeCell.cy = FitOne(in.sizeCell.cy, sizeClient.cy, [&in](int h) {
        SizeInputs probe = in;
        probe.sizeCell.cy = h;
        probe.nTextRowHeight = TextRowHeightFor(h);
        return CalcSize(probe).cy;
    });
    in.nTextRowHeight = TextRowHeightFor(in.sizeCell.cy);
    in.sizeCell.cx = FitOne(in.sizeCell.cx, sizeClient.cx, [&in](int w) {
        SizeInputs probe = in;
        probe.sizeCell.cx = w;
        return CalcSize(probe).cx;
    });
    if (in.sizeCell.cx > 1) --in.sizeCell.cx;
    if (in.sizeCell.cy > 1) --in.sizeCell.cy;
    if (bSquare) {
        const int nSide = in.sizeCell.cx < in.sizeCell.cy ? in.sizeCell.cx : in.sizeCell.cy;
        in.sizeCell = CSize(nSide, nSide);
    }
    in.nTextRowHeight = TextRowHeightFor(in.sizeCell.cy);
    fit.sizeCell = in.sizeCell;
    fit.nTextRowHeight = in.nTextRowHeight;
    fit.offset = CSize(0, 0);
    if (bCentre) {
        const CSize size = CalcSize(in);
        fit.offset = CSize((sizeClient.cx - size.cx) / 2, (sizeClient.cy - size.cy) / 2);
    }
    return fit;
}

int ChooseColumns(int nWidth, int nHeight, int nCount)
{
    for (int n = nCount; n >= 1; --n) {
        const int nSide = (nWidth - 2 * kMargin) / n;
        if (nSide != 0 && (nCount / n) * nSide > nHeight - 2 * kMargin) return n + 1;
    }
    return kNoColumns;
}
}  // namespace ZAVPColorBarLayout
