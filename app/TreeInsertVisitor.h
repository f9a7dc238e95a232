// Puts a node and its whole subtree of nodes into the category tree: the node's item goes under
// the parent item in sorted place, and each child node gets a visitor of its own under it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "catalog/NodeVisitor.h"

class CatalogNode;
class CTreeCtrl;
class CTarnimelDoc;

class TreeInsertVisitor : public NodeVisitor
{
public:
    TreeInsertVisitor(CatalogNode* node, HTREEITEM parent, CTreeCtrl& tree, CTarnimelDoc* doc);

    HTREEITEM Item() const { return m_item; }

    void VisitNode(CatalogNode* child) override;
    void VisitEntry(EntryContainerNode*, FileEntry*) override {}


private:
    HTREEITEM m_item = nullptr;
    CTreeCtrl& m_tree;
    CTarnimelDoc* m_doc;
};
