// Inserting nodes into the category tree, a level at a time.
#include "app/TreeInsertVisitor.h"

#include <string>

#include "catalog/CatalogNode.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "framework/CTreeCtrl.h"

namespace
{

CatalogNode* NodeOf(CTreeCtrl& tree, HTREEITEM item)
{
    return reinterpret_cast<CatalogNode*>(tree.GetItemData(item));
}

void SetButton(CTreeCtrl& tree, HTREEITEM item, bool shown)
{
    TVITEMA change = {};
    change.mask = TVIF_CHILDREN;
    change.hItem = item;
    change.cChildren = shown ? 1 : 0;
    tree.SetItem(&change);
}

}  // namespace

TreeInsertVisitor::TreeInsertVisitor(CatalogNode* node, HTREEITEM parent, CTreeCtrl& tree,
                                     CTarnimelDoc* doc)
    : m_tree(tree), m_doc(doc)
{
    const std::string name = ToAnsiString(node->m_name.c_str());
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(name.c_str());
    insert.item.iImage = GetNodeImageIndex(node, false);
    insert.item.iSelectedImage = GetNodeImageIndex(node, true);
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    // The button stands for children not yet in the tree.
    insert.item.cChildren = node->m_children.empty() ? 0 : 1;
    m_item = m_tree.InsertItem(&insert);
}

void TreeInsertVisitor::VisitNode(CatalogNode* child)
{
    TreeInsertVisitor(child, m_item, m_tree, m_doc);
}

void TreeInsertVisitor::FillChildren(HTREEITEM item, CTreeCtrl& tree, CTarnimelDoc* doc)
{
    if (!item || tree.GetChildItem(item)) return;
    CatalogNode* node = NodeOf(tree, item);
    if (!node) return;
    TreeInsertVisitor filler(item, tree, doc);
    node->Walk(&filler, nullptr, false, nullptr);
    UpdateButton(item, tree);
}

HTREEITEM TreeInsertVisitor::ChildItem(HTREEITEM parent, const CatalogNode* node, CTreeCtrl& tree,
                                       CTarnimelDoc* doc)
{
    if (parent == TVI_ROOT || parent == nullptr) {
        for (HTREEITEM root = tree.GetRootItem(); root; root = tree.GetNextSiblingItem(root))
            if (NodeOf(tree, root) == node) return root;
        return nullptr;
    }
    FillChildren(parent, tree, doc);
    for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child))
        if (NodeOf(tree, child) == node) return child;
    return nullptr;
}

HTREEITEM TreeInsertVisitor::EnsureChildItem(HTREEITEM parent, CatalogNode* node, CTreeCtrl& tree,
                                             CTarnimelDoc* doc)
{
    // Filling first: an unfilled parent gets all its children at once, the new one among them.
    if (HTREEITEM item = ChildItem(parent, node, tree, doc)) return item;
    HTREEITEM item = TreeInsertVisitor(node, parent, tree, doc).Item();
    UpdateButton(parent, tree);
    return item;
}

void TreeInsertVisitor::UpdateButton(HTREEITEM item, CTreeCtrl& tree, const CatalogNode* leaving)
{
    if (!item || item == TVI_ROOT) return;
    bool shown = tree.GetChildItem(item) != nullptr;
    if (const CatalogNode* node = NodeOf(tree, item))
        for (const CatalogNode* child : node->m_children)
            if (child != leaving) shown = true;
    SetButton(tree, item, shown);
}
