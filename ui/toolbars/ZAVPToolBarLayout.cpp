// Toolbar layout arithmetic (see ZAVPToolBarLayout.h). Horizontal and vertical bars share one
// code path through "along" (the bar's direction) and "across" helpers.
#include "ui/toolbars/ZAVPToolBarLayout.h"

#include <algorithm>

namespace ZAVPToolBarLayout
{
namespace
{
int Along(const CSize& size, bool bHorz) { return bHorz ? size.cx : size.cy; }

int Across(const CSize& size, bool bHorz) { return bHorz ? size.cy : size.cx; }
}  // namespace

int Wrap(std::vector<Item>& items, int nWidth, int nHeightLimit)
{
    int x = 0;
    int y = 0;
    int nRows = items.empty() ? 0 : 1;
    for (size_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        item.bWrap = false;
        int cx = item.size.cx;
        const int cy = item.size.cy;
        if (item.bSeparator && x == 0) cx = 0;
        if (x + cx > nWidth && y + cy < nHeightLimit && !item.bSeparator && i > 0) {
            items[i - 1].bWrap = true;
            ++nRows;
            y += cy + kRowGap;
            x = 0;
        }
        x += cx;
    }
    return nRows;
}

int WrapColumns(std::vector<Item>& items, int nColumns)
{
    if (nColumns < 1) nColumns = 1;
    int nRows = 0;
    int nInRow = 0;
    int iLast = -1;  // the last button of the row being filled
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].bWrap = false;
        if (items[i].bSeparator) continue;
        if (nInRow == 0) ++nRows;
        iLast = (int)i;
        if (++nInRow == nColumns) {
            items[i].bWrap = true;
            nInRow = 0;
        }
    }
    // The last row ends the bar: no empty row after it.
    if (iLast >= 0) items[iLast].bWrap = false;
    return nRows;
}

CSize FixedSize(CSize size, bool bStretch, bool bHorz, int nMaxStretch)
{
    const int nStretch = nMaxStretch > 0 ? std::min(nMaxStretch, kUnlimited) : kUnlimited;
    if (!bStretch || bHorz) {
        size.cx = std::max<int>(size.cx, bStretch && bHorz ? nStretch : 0);
        size.cy = std::max<int>(size.cy, 0);
    } else {
        size.cy = std::max<int>(size.cy, nStretch);
        size.cx = std::max<int>(size.cx, 0);
    }
    return size;
}

CSize CalcSize(const std::vector<Item>& items, bool bVertDock, int nRowHeight, CSize sizeButton)
{
    if (items.empty()) return sizeButton;
    CSize sizeResult(0, 0);
    int x = 0;
    int y = 0;
    for (const Item& item : items) {
        if (bVertDock) {
            sizeResult.cx = std::max<int>(sizeResult.cx, x + item.size.cx);
            sizeResult.cy = std::max<int>(sizeResult.cy, y + item.size.cy);
            y += item.size.cy;
            continue;
        }
        int cx = item.size.cx;
        if (item.bSeparator && (x == 0 || item.bWrap)) cx = 0;
        sizeResult.cx = std::max<int>(sizeResult.cx, x + cx);
        sizeResult.cy = std::max<int>(sizeResult.cy, y + item.size.cy);
        x += cx;
        if (item.bWrap) {
            x = 0;
            y += nRowHeight + kRowGap;
        }
    }
    return sizeResult;
}

bool RunsInRows(bool bHorz, int nColumns) { return bHorz || nColumns > 0; }

void SizeToolBar(std::vector<Item>& items, int nLength, bool bVert, int nRowHeight,
                 CSize sizeButton)
{
    if (!bVert) {
        const int nTarget = Wrap(items, nLength);
        int nCurrent = Wrap(items, 0);
        if (nCurrent != nTarget && nLength > 0) {
            int nMin = 0;
            int nMax = nLength;
            for (;;) {
                const int nMid = (nMin + nMax) / 2;
                nCurrent = Wrap(items, nMid);
                if (nCurrent == nTarget)
                    nMax = nMid;
                else if (nMin == nMid) {
                    Wrap(items, nMax);
                    break;
                } else
                    nMin = nMid;
            }
        }
    } else {
        Wrap(items, kUnlimited);
        // The narrowest width, in whole buttons, whose height fits the length.
        const int nStep = std::max<int>(1, sizeButton.cx);
        const int nFullWidth = CalcSize(items, false, nRowHeight, sizeButton).cx;
        for (int nWidth = nStep; nWidth < nFullWidth; nWidth += nStep) {
            Wrap(items, nWidth);
            if (CalcSize(items, false, nRowHeight, sizeButton).cy <= nLength) break;
        }
    }
    Wrap(items, CalcSize(items, false, nRowHeight, sizeButton).cx);
}

Placement Place(const std::vector<Item>& items, const CRect& rectInside, bool bHorz, int nRowHeight,
                bool bDocked, bool bCustomizeMode, CSize sizeCustomize,
                bool bCustomizeHasExtraItems)
{
    Placement placement;
    placement.rects.resize(items.size());
    placement.visible.assign(items.size(), true);

    const bool bHasCustomize = sizeCustomize.cx > 0 || sizeCustomize.cy > 0;
    const bool bHideOverflow = bHasCustomize && bDocked && !bCustomizeMode;
    const int nStart = bHorz ? rectInside.left : rectInside.top;
    const int nEnd = bHorz ? rectInside.right : rectInside.bottom;
    const int nCustomizeLength = Along(sizeCustomize, bHorz);

    int along = nStart;
    int across = bHorz ? rectInside.top : rectInside.left;
    bool bRowStart = true;
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        CSize size = item.size;
        if (item.bSeparator && bRowStart) {
            placement.visible[i] = false;
            size = CSize(0, 0);
        } else if (bHideOverflow) {
            // The last button may use the customize button's room while nothing is hidden.
            const bool bLast = i + 1 == items.size();
            const bool bReserve = !(bLast && placement.hidden.empty() && !bCustomizeHasExtraItems);
            const int nLimit = nEnd - (bReserve ? nCustomizeLength : 0);
            if (along + Along(size, bHorz) > nLimit || !placement.hidden.empty()) {
                placement.visible[i] = false;
                placement.hidden.push_back((int)i);
                size = CSize(0, 0);
            }
        }

        if (placement.visible[i]) {
            placement.rects[i] = bHorz ? CRect(CPoint(along, across), size)
                                       : CRect(CPoint(across, along), size);
            along += Along(size, bHorz);
            bRowStart = false;
        }
        // A bar running down its side is one stack, as its size has it: its buttons wrap
        // after each one only because it is measured at a length of 0.
        if (item.bWrap && bHorz) {
            along = nStart;
            across += nRowHeight + kRowGap;
            bRowStart = true;
        }
    }

    if (bHasCustomize) {
        placement.bCustomizeVisible = !placement.hidden.empty() || bCustomizeHasExtraItems;
        if (placement.bCustomizeVisible) {
            const int nAcross = bHorz ? rectInside.top : rectInside.left;
            const int nAcrossSize = Across(sizeCustomize, bHorz);
            placement.rectCustomize = bHorz ? CRect(nEnd - nCustomizeLength, nAcross, nEnd,
                                                    nAcross + nAcrossSize)
                                            : CRect(nAcross, nEnd - nCustomizeLength,
                                                    nAcross + nAcrossSize, nEnd);
        }
    }
    return placement;
}
}  // namespace ZAVPToolBarLayout
