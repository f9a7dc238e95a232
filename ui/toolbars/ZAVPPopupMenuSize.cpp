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
    if (items.empty())
    {
        r.size.cx = kEmptyWidth + kFrame;
        r.size.cy = kEmptyHeight + kFrame;
        return r;
    }

    int nColumnsWidth = 0;      // the finished columns, each with its one-pixel gap
    int nColumnWidth = 0;
    int nColumnHeight = 0;
    int nTallest = 0;
    for (const Item& item : items)
    {
        if (item.bColumnBreak && !bCustomizeMode)
        {
            nColumnsWidth += nColumnWidth + 1;
            r.columnStarts.push_back(nColumnsWidth);
            nColumnWidth = 0;
            nColumnHeight = 0;
        }

        const int nWidth = item.size.cx + (item.bHasTab ? kTabExtra : 0);
        if (nWidth > nColumnWidth)
            nColumnWidth = nWidth;
        nColumnHeight += item.bSeparator ? kSeparatorHeight : item.size.cy;
        if (nColumnHeight > nTallest)
            nTallest = nColumnHeight;
        r.fits.push_back(nMaxWidth <= 0 || nWidth <= nMaxWidth - kFrame);
    }

    r.size.cx = nColumnsWidth + nColumnWidth + kFrame;
    if (nMaxWidth > 0 && r.size.cx > nMaxWidth)
        r.size.cx = nMaxWidth;
    r.size.cy = nTallest + kFrame;
    return r;
}
}  // namespace ZAVPPopupMenuSize
