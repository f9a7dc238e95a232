// The size of a popup menu bar laid out as a menu: rows of measured items in one or more
// columns. The bar measures its buttons with the menu font and hands the sizes in.
#pragma once

#include <windows.h>

#include <vector>

namespace ZAVPPopupMenuSize
{
const int kEmptyWidth = 50;        // an empty menu, before the bar's one-pixel frame
const int kEmptyHeight = 20;
const int kFrame = 2;              // one pixel on each side
const int kSeparatorHeight = 8;
const int kTabExtra = 10;          // room between a text and its accelerator

struct Item
{
    SIZE size;             // as the button measured itself
    BOOL bSeparator;
    BOOL bColumnBreak;     // starts a new column
    BOOL bHasTab;          // the text carries an accelerator after a tab
};

struct Result
{
    SIZE size;                       // the bar, frame included
    std::vector<int> columnStarts;   // x of each column after the first, from the bar's left
    std::vector<BOOL> fits;          // per item: no maximum width, or within it
};

// The row height: the text height + 2, at least the menu image height.
int RowHeight(int nTextHeight, int nMenuImageHeight);

// Lays the items out. nMaxWidth 0 means no maximum. Column breaks are ignored in customisation
// mode, where the items are edited as one list.
Result CalcSize(const std::vector<Item>& items, int nMaxWidth, BOOL bCustomizeMode);
}  // namespace ZAVPPopupMenuSize
