// One result of the catalogue search: a node or a file entry, with the path of nodes above it.
// Made on the search thread; owned by the search dialog's result list once it is added there.
#pragma once
#include <cstdint>
#include <vector>

class CatalogNode;
class FileEntry;

struct SearchHit
{
    enum Kind : std::uint32_t
    {
        Node = 0,
        Entry = 1
    };
    Kind kind = Node;
    // From the collection down to the hit's parent (for an entry: the disc or disc folder holding it).
    std::vector<CatalogNode*> path;
    void* object = nullptr;  // the CatalogNode or the FileEntry found

    CatalogNode* AsNode() const
    {
        return kind == Node ? static_cast<CatalogNode*>(object) : nullptr;
    }
    FileEntry* AsEntry() const { return kind == Entry ? static_cast<FileEntry*>(object) : nullptr; }
    // The node a double click shows: the last of the path (null for an empty path).
    CatalogNode* Holder() const { return path.empty() ? nullptr : path.back(); }
    // True when the hit lies in the subtree of `node` (the node itself included), so that it
    // must go before that subtree is destroyed.
    bool LiesUnder(const CatalogNode* node) const;
};
