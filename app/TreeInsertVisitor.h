// Puts nodes into the category tree as they come into view: a node's item goes under the parent
// item in sorted place with an expand button when the node has child nodes, and its children
// follow only when the item is first opened or something inside it is looked for. So a large
// catalogue starts with a handful of items instead of every folder of every disc.
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
    // Inserts the node's own item under `parent`; its children wait (FillChildren).
    TreeInsertVisitor(CatalogNode* node, HTREEITEM parent, CTreeCtrl& tree, CTarnimelDoc* doc);

    HTREEITEM Item() const { return m_item; }

    // Puts the child nodes of the item's node under it, unless they are there already: an item
    // of a node with child nodes either has all of them as items or none yet.
    static void FillChildren(HTREEITEM item, CTreeCtrl& tree, CTarnimelDoc* doc);
    // The child item of `parent` that shows `node`, its siblings put in first; null when none.
    static HTREEITEM ChildItem(HTREEITEM parent, const CatalogNode* node, CTreeCtrl& tree,
                               CTarnimelDoc* doc);
    // The child item showing `node` under `parent`, inserted when it is not there yet.
    static HTREEITEM EnsureChildItem(HTREEITEM parent, CatalogNode* node, CTreeCtrl& tree,
                                     CTarnimelDoc* doc);
    // Shows the item's expand button exactly when it has child items or its node has child
    // nodes, `leaving` (a node about to be removed) not counted.
    static void UpdateButton(HTREEITEM item, CTreeCtrl& tree, const CatalogNode* leaving = nullptr);

    void VisitNode(CatalogNode* child) override;
    void VisitEntry(EntryContainerNode*, FileEntry*) override {}

private:
    TreeInsertVisitor(HTREEITEM item, CTreeCtrl& tree, CTarnimelDoc* doc)
        : m_item(item), m_tree(tree), m_doc(doc)
    {
    }

    HTREEITEM m_item = nullptr;
    CTreeCtrl& m_tree;
    CTarnimelDoc* m_doc;
};
