// How the item list orders its rows: the "is less" tests of the two representations for the
// column the user sorted by, and the comparison result the list control's sort takes.
#pragma once
#include <windows.h>

class CatalogNode;
class FileTypeNames;

// Rows of a disc or disc folder (item data as RowItemData makes it). A folder row is less than
// every file row, so folders come first in ascending order and last in descending order.
// Folders: columns 0-2 by name, 3 by time. Files: 0 name, 1 size, 2 type (case-insensitive),
// 3 time, 4 description. Any other column: not less.
bool FileRowLess(LPARAM a, LPARAM b, int column, FileTypeNames& types);

// Rows of a collection or user folder: criteria by column, each deciding or passing to the next:
// 0 name, date, description; 1 date, name, description; 2 description, name, date; 3 none.
bool NodeRowLess(const CatalogNode* a, const CatalogNode* b, int column);

// The list's sort answer for one pair: ascending (0) -1 when less, else 1; descending (-1) the
// reverse; any other direction 0.
int CompareRows(bool less, int direction);
