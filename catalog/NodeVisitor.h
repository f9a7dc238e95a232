// What a walk over the catalogue reports: nodes, and file entries with the node that holds them.
// The search result sink and the views implement it.
#pragma once

class CatalogNode;
class EntryContainerNode;
class FileEntry;

class NodeVisitor
{
public:
    virtual ~NodeVisitor() = default;
    virtual void VisitNode(CatalogNode* node) = 0;
    virtual void VisitEntry(EntryContainerNode* owner, FileEntry* entry) = 0;
};
