// The size of a popup menu bar laid out as a menu: rows of measured items in one or more
// columns. The bar measures its buttons with the menu font and hands the sizes in.
#pragma once

#include <windows.h>

#include <vector>

namespace ZAVPPopupMenuSize
{
const int kEmptyWidth = 50;  // an empty menu, before the bar's one-pixel frame
const int kEmptyHeight = 20;
const int kFrame = 2;  // one pixel on each side
const int kSeparatorHeight = 8;
const int kTabExtra = 10;  // room between a text and its accelerator

struct Item
{
    SIZE size;  // as the button measured itself
    BOOL bSeparator;
    BOOL bColumnBreak;  // starts a new column
    BOOL bHasTab;       // the text carries an accelerator after a tab
};

struct Result
{
    SIZE size;                      // the bar, frame included
    std::vector<int> columnStarts;  // x of each column after the first, inside the frame
    std::vector<int> columnWidths;  // every column's width, the first included
    std::vector<BOOL> fits;         // per item: no maximum width, or within it
};

// The row height: the text height + 2, at least the menu image height.
int RowHeight(int nTextHeight, int nMenuImageHeight);

// Lays the items out. nMaxWidth 0 means no maximum. Column breaks are ignored in customisation
// mode, where the items are edited as one list.
Result CalcSize(const std::vector<Item>& items, int nMaxWidth, BOOL bCustomizeMode);
// The item rectangles in the bar's client area: rows from the top + 1, moved up by
// nFirstVisibleRow rows of nRowHeight (scrolled-away rows lie above the window); a separator is
// 8 pixels high, an item its measured height; a column break starts the next column from the top.
// A single column spans the client area less the frame; of several, the last reaches its right.
std::vector<RECT> LayOutItems(const std::vector<Item>& items, const Result& size,
                              const RECT& rcClient, int nFirstVisibleRow, int nRowHeight,
                              BOOL bCustomizeMode);

// The item under the point: the one whose rectangle holds it, else, between rows, the nearer row
// of the column under the point. A point on a separator, or beside every column, gives -1;
// empty (hidden) rectangles never answer.
int ItemFromPoint(const std::vector<Item>& items, const std::vector<RECT>& rects, POINT pt);
}  // namespace ZAVPPopupMenuSize
