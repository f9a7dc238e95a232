// Popup menu bar size arithmetic (see the header).
#include "ui/toolbars/ZAVPPopupMenuSize.h"

namespace ZAVPPopupMenuSize
{
int RowHeight(int nTextHeight, int nMenuImageHeight)
{
    const int nHeight = nTextHeight + 2;
    return nHeight < nMenuImageHeight ? nMenuImageHeight : nHeight;
}

Result CalcSize(const std::vector<Item>& items, int nMaxWidth, BOOL bCustomizeMode)
{
    Result r;
    if (items.empty()) {
        r.size.cx = kEmptyWidth + kFrame;
        r.size.cy = kEmptyHeight + kFrame;
        return r;
    }

    int nColumnsWidth = 0;  // the finished columns, each with its one-pixel gap
    int nColumnWidth = 0;
    int nColumnHeight = 0;
    int nTallest = 0;
    for (const Item& item : items) {
        if (item.bColumnBreak && !bCustomizeMode) {
            nColumnsWidth += nColumnWidth + 1;
            r.columnStarts.push_back(nColumnsWidth);
            r.columnWidths.push_back(nColumnWidth);
            nColumnWidth = 0;
            nColumnHeight = 0;
        }

        const int nWidth = item.size.cx + (item.bHasTab ? kTabExtra : 0);
        if (nWidth > nColumnWidth) nColumnWidth = nWidth;
        nColumnHeight += item.bSeparator ? kSeparatorHeight : item.size.cy;
        if (nColumnHeight > nTallest) nTallest = nColumnHeight;
        r.fits.push_back(nMaxWidth <= 0 || nWidth <= nMaxWidth - kFrame);
    }

    r.columnWidths.push_back(nColumnWidth);
    r.size.cx = nColumnsWidth + nColumnWidth + kFrame;
    if (nMaxWidth > 0 && r.size.cx > nMaxWidth) r.size.cx = nMaxWidth;
    r.size.cy = nTallest + kFrame;
    return r;
}
std::vector<RECT> LayOutItems(const std::vector<Item>& items, const Result& size,
                              const RECT& rcClient, int nFirstVisibleRow, int nRowHeight,
                              BOOL bCustomizeMode)
{
    const int nFrame = kFrame / 2;
    const int nTop = rcClient.top + nFrame - nRowHeight * nFirstVisibleRow;
    const size_t nColumns = bCustomizeMode ? 1 : size.columnWidths.size();

    std::vector<RECT> rects;
    size_t nColumn = 0;
    int y = nTop;
    for (const Item& item : items) {
        if (item.bColumnBreak && !bCustomizeMode && nColumn + 1 < nColumns) {
            ++nColumn;
            y = nTop;
        }
        const int x = rcClient.left + nFrame + (nColumn == 0 ? 0 : size.columnStarts[nColumn - 1]);
        const int nRight = nColumn + 1 >= nColumns || nColumn >= size.columnWidths.size()
                               ? rcClient.right - nFrame
                               : x + size.columnWidths[nColumn];
        const int nHeight = item.bSeparator ? kSeparatorHeight : item.size.cy;
        RECT rc = {x, y, nRight, y + nHeight};
        rects.push_back(rc);
        y += nHeight;
    }
    return rects;
}

int ItemFromPoint(const std::vector<Item>& items, const std::vector<RECT>& rects, POINT pt)
{
    int nBest = -1;
    int nBestDistance = 0;
    const size_t nCount = items.size() < rects.size() ? items.size() : rects.size();
    for (size_t i = 0; i < nCount; ++i) {
        const RECT& rc = rects[i];
        if (::IsRectEmpty(&rc) || pt.x < rc.left || pt.x >= rc.right) continue;
        int nDistance = 0;
        if (pt.y < rc.top)
            nDistance = rc.top - pt.y;
        else if (pt.y >= rc.bottom)
            nDistance = pt.y - rc.bottom + 1;
        if (nDistance == 0)
            return items[i].bSeparator ? -1 : (int)i;  // a separator is never chosen
        if (!items[i].bSeparator && (nBest < 0 || nDistance < nBestDistance)) {
            nBest = (int)i;
            nBestDistance = nDistance;
        }
    }
    return nBest;
}
}  // namespace ZAVPPopupMenuSize
