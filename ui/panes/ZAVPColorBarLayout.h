// Layout arithmetic of the colour bar: how many columns and rows its palette takes, the size it
// asks for, where each of its rows and cells goes, how big its cells get to fill a window, and
// how many columns a colour control of a given rectangle gets. Plain data in, rectangles out.
#pragma once

#include <vector>

#include <windows.h>

#include "framework/CRect.h"
#include "framework/CSize.h"

namespace ZAVPColorBarLayout
{
const int kMargin = 4;           // vertical and horizontal margin around the rows and cells
const int kSeparatorHeight = 2;  // the line a separator draws
const int kSeparatorStep = 4;    // how far a separator moves the next row down
const int kNoColumns = -1;       // ChooseColumns: let the bar choose

struct GridSettings
{
    int nColumns;            // 0 (or less): (int) sqrt(count) + 1
    int nRowsDockedHorz;     // > 0: rows of a bar docked horizontally
    int nColumnsDockedVert;  // > 0: columns of a bar docked vertically
};

// Columns and rows of count palette cells. bDockedStandalone: a bar of its own that is docked;
// only such a bar uses the docked settings.
void GetColumnsAndRows(int nCount, const GridSettings& settings, BOOL bDockedStandalone,
                       BOOL bVertical, int& nColumns, int& nRows);

struct SizeInputs
{
    int nColumns, nRows;
    CSize sizeCell;
    int nTextRowHeight;
    BOOL bAutomatic;      // an automatic row is shown
    BOOL bOther;          // an other-colour row is shown
    BOOL bShowDocument;   // document colours are shown (and there is a title)
    int nDocumentColors;  // how many
};
CSize CalcSize(const SizeInputs& in);

enum ItemKind
{
    Separator,
    Automatic,
    Other,
    Label,
    Cell
};
struct Item
{
    ItemKind kind;
    COLORREF color;  // cells: the colour shown
    BOOL bDocument;  // a document colour or the document title
    BOOL bPreview;   // the custom-preview cell after the other row
};
struct LocationInputs
{
    CRect rect;  // client area less the margins and the centring offsets
    CSize sizeCell;
    int nTextRowHeight;
    BOOL bShowDocument;
    BOOL bHasAutomaticText;
    COLORREF clrSelected;  // -1: automatic
};
// One rectangle per item, in the items' order; empty for items not shown.
std::vector<CRect> Locations(const std::vector<Item>& items, const LocationInputs& in);

// Cell sizes that fill a client area: the cell height grows while the bar still fits and shrinks
// while it does not (stopping where it crosses the client height), then the width likewise;
// both then drop by one. With bSquare the smaller side wins for both; with bCentre the slack is
// split into offsets. The text-row height is 3/2 of the cell height throughout.
struct Fit
{
    CSize sizeCell;
    int nTextRowHeight;
    CSize offset;  // horizontal and vertical centring offsets
};
Fit FitToWindow(SizeInputs in, CSize sizeClient, BOOL bSquare, BOOL bCentre);
inline int TextRowHeightFor(int nCellHeight) { return nCellHeight * 3 / 2; }

// The columns of a colour control over a rectangle for count colours: the first n from count
// down to 1 whose square cells no longer fit the height gives n + 1; kNoColumns when all fit.
int ChooseColumns(int nWidth, int nHeight, int nCount);
}  // namespace ZAVPColorBarLayout
