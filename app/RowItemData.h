// The item data of a row in the item list: either a catalogue node or a file entry of a disc.
// The kind is kept in bit 0, which both kinds leave free by their alignment, so no assumption about
// where the system places memory (below 2 GB or not) is needed.
#pragma once
#include <windows.h>

class CatalogNode;
class FileEntry;

class RowItemData
{
public:
    static LPARAM FromNode(const CatalogNode* node);
    static LPARAM FromEntry(const FileEntry* entry);

    static bool IsEntry(LPARAM data) { return (data & EntryTag) != 0; }
    // Null when the data holds the other kind.
    static CatalogNode* Node(LPARAM data);
    static FileEntry* Entry(LPARAM data);

private:
    static const LPARAM EntryTag = 1;
};
