// The arithmetic of a toolbar's customise drop-down, apart from any window: which hidden buttons
// become which items, where the customize button's glyphs go, how wide an entry of the per-button
// list is, how a label is shortened, and how the entries follow a button put back on the bar.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/CRect.h"
#include "framework/CSize.h"
#include "framework/CString.h"

namespace ZAVPCustomizeMenu
{
// What the drop-down makes of one button the toolbar had no room for.
enum ItemKind
{
    kItemSeparator,  // a separator item
    kItemMenuCopy,   // a menu button goes in unchanged (a copy with its own sub-menu)
    kItemCommand,    // a new menu item for the button's command
};
struct Hidden
{
    bool bSeparator;   // a separator button
    bool bMenuButton;  // a button with a sub-menu of its own
    UINT uiCmd;        // its command; 0 also makes a separator item
};
struct Item
{
    ItemKind kind;
    int iHidden;  // index into the hidden list the item comes from
};
// The items in hidden-list order: separators that would lead the menu or end the list are left
// out.
std::vector<Item> HiddenItems(const std::vector<Hidden>& hidden);

// The two glyph cells of the customize button: the "customise" arrow at the bar's far edge
// (bottom of a horizontal bar's button, left of a vertical one's) and the "more buttons" chevrons
// at the near edge (top, or right). Each cell is 2 x margin + the glyph long.
CRect CustomizeCell(const CRect& rectButton, BOOL bHorz, int nMargin, CSize sizeGlyph);
CRect HiddenButtonsCell(const CRect& rectButton, BOOL bHorz, int nMargin, CSize sizeGlyph);
// Where a glyph goes so that it is centred in the cell, moved by (1, 1) when pressed.
CPoint GlyphOrigin(const CRect& rectCell, CSize sizeGlyph, BOOL bOffset);
// The customize button's size: one glyph cell along the bar, the default size across it.
CSize CustomizeButtonSize(BOOL bHorz, int nMargin, CSize sizeGlyph, CSize sizeDefault);
// The glyphs of the menu glyph strip the customize button draws.
int CustomizeGlyph(BOOL bHorz);
int HiddenButtonsGlyph(BOOL bHorz);

// Width of an entry of the per-button list: room for the image column (three margins), the text
// at the font's average character width, two menu buttons and a fixed 50 pixels.
int EntryWidth(int nMenuImageMargin, int nAvgCharWidth, int nTextLength, int nMenuButtonWidth);
// Its height: the menu button's, plus the image margin outside a popup.
int EntryHeight(int nMenuButtonHeight, int nMenuImageMargin, BOOL bInPopup);
// The text the entry shows: its own, else the tooltip part of the command's prompt; cut at the
// first tab.
CString EntryText(const CString& strText, const CString& strPrompt);

// The label shortened to fit the width: characters come off its end while it does not fit with
// "..." after it, and "..." goes after a label that lost characters. A label that fits stays as
// it is. measure gives a text's width.
CString FitLabel(const CString& strLabel, int nWidth,
                 const std::function<int(const CString&)>& measure);

// A default button went back on the bar at index iInserted: the index an existing entry of the
// list now stands for (entries at or after it move up by one; the reset entry stays).
int ShiftedEntryIndex(int iIndex, BOOL bExisting, int iInserted, int iResetIndex);
}  // namespace ZAVPCustomizeMenu
