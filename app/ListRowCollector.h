// Gathers the rows the item list shows for the current node, as plain data: a walk over the
// node's children (and, inside a disc, its files) with the texts, image and item data of each
// row. The list view inserts them; nothing here needs the list control. One fill looks the local
// time offset up once and each file extension's type and icon once.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>
#include "app/LocalTimeText.h"
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
    // What one extension gives every file that has it during a fill.
    struct ExtensionFacts
    {
        int image;
        std::string type;
        std::string ansiExtension;  // the ANSI name's own, from its last '.' (empty without)
    };
    // The facts for a file name's extension (from its last '.', as written; none without one),
    // looked up through the type table and the icon source the first time in this fill. Null
    // when the name must be looked up on its own (see the source).
    const ExtensionFacts* FactsOf(const wchar_t* fileName, const std::string& ansiName);

    int m_kind;
    FileTypeNames& m_types;
    FileIconIndex m_fileIcon;
    std::vector<ListRow> m_rows;
    LocalTimeText m_times;  // the offset in force when the fill began
    std::unordered_map<std::wstring, ExtensionFacts> m_extensions;  // of this fill
    std::wstring m_extension;                                       // the key being looked up
};
