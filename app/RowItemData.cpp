// Tagging of the item list's row data.
#include "app/RowItemData.h"
#include "catalog/CatalogNode.h"
#include "catalog/FileEntry.h"

static_assert(alignof(CatalogNode) >= 2, "a node address must leave bit 0 free for the row tag");
static_assert(alignof(FileEntry) >= 2, "an entry address must leave bit 0 free for the row tag");

LPARAM RowItemData::FromNode(const CatalogNode* node) { return reinterpret_cast<LPARAM>(node); }

LPARAM RowItemData::FromEntry(const FileEntry* entry)
{
    return reinterpret_cast<LPARAM>(entry) | EntryTag;
}

CatalogNode* RowItemData::Node(LPARAM data)
{
    return IsEntry(data) ? nullptr : reinterpret_cast<CatalogNode*>(data);
}

FileEntry* RowItemData::Entry(LPARAM data)
{
    return IsEntry(data) ? reinterpret_cast<FileEntry*>(data & ~EntryTag) : nullptr;
}
