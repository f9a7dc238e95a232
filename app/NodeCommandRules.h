// What the catalogue's views allow on a node, decided without windows: which nodes are renamed in
// place, which context menu a node gets, what a double-click on a list cell does,
// what a context menu's answer leads to, and whether a finished label edit renames.
#pragma once
#include <windows.h>
#include <vector>

class CatalogNode;

// True when the tree lets the user rename the node in place: user folders and discs only (a
// collection and a disc folder keep their names).
bool CanRenameInPlace(const CatalogNode* node);

// Popups of menu 130 that the category tree opens for a node: 1 collection, 0 user folder,
// 2 disc; -1 (no menu) for a disc folder or no node.
int TreeContextPopup(const CatalogNode* node);

// Positions removed, in this order, from the node list's context popup for a clicked row (null:
// empty space): a user folder loses "Удалить", empty space also the separator before it.
std::vector<int> NodeListMenuRemovals(const CatalogNode* row);

enum class CellAction
{
    Nothing,
    Navigate,
    EditCell,
    Beep
};
// A double-click on a cell of the node list: name or date opens the node, the description is
// edited, and the "На руках у ..." cell is edited for a disc and refused (a beep) otherwise.
CellAction NodeListDoubleClick(const CatalogNode* row, int column);
// A double-click on a row of the file list (its item data): a disc folder opens, a file nothing.
CellAction FileListDoubleClick(LPARAM rowData);

enum class MenuAction
{
    Nothing,
    DeleteRow,
    ToggleExcluded,
    SendToFrame
};
// The answer of the node list's popup: delete the row's node, else hand the command on. A
// dismissed menu (0) sends nothing.
MenuAction NodeListMenuAction(UINT chosen);
// The answer of a disc folder's popup: toggle its "Исключить из поиска" mark, else hand it on.
MenuAction FileListMenuAction(UINT chosen);
// The file list opens a popup only on an existing row that is a disc folder.
bool FileListShowsMenu(int row, int rowCount, LPARAM rowData);

// True when a finished label edit renames the node: there is a new, non-empty text and it differs
// from the node's name (both in the ANSI code page).
bool LabelEditRenames(const CatalogNode* node, const char* newText);
