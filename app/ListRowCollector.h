// Gathers the rows the item list shows for the current node, as plain data: a walk over the
// node's children (and, inside a disc, its files) with the texts, image and item data of each
// row. The list view inserts them and sorts; nothing here needs the list control.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "catalog/NodeVisitor.h"

class CatalogNode;
class FileTypeNames;

struct ListRow
{
    LPARAM data;                     // as RowItemData tags it
    int image;                       // index into the document's image list
    std::vector<std::string> texts;  // one per column (ANSI)
};

class ListRowCollector : public NodeVisitor
{
public:
    // The document's icon index for a file name (GetFileIconIndex).
    using FileIconIndex = std::function<int(const wchar_t* fileName)>;

    // kind: RepresentationNodes or RepresentationFiles; any other kind collects nothing.
    ListRowCollector(int kind, FileTypeNames& types, FileIconIndex fileIcon);

    // The rows of the node's direct children (and files), in the order of the walk.
    std::vector<ListRow> Collect(CatalogNode* node);

    void VisitNode(CatalogNode* node) override;
    void VisitEntry(EntryContainerNode* owner, FileEntry* entry) override;

private:
    int m_kind;
    FileTypeNames& m_types;
    FileIconIndex m_fileIcon;
    std::vector<ListRow> m_rows;
};
