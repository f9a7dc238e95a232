// Inserting a subtree into the category tree.
#include "app/TreeInsertVisitor.h"

#include <string>

#include "catalog/CatalogNode.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "framework/CTreeCtrl.h"

TreeInsertVisitor::TreeInsertVisitor(CatalogNode* node, HTREEITEM parent, CTreeCtrl& tree,
                                     CTarnimelDoc* doc)
    : m_tree(tree), m_doc(doc)
{
    const std::string name = ToAnsiString(node->m_name.c_str());
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(name.c_str());
    insert.item.iImage = GetNodeImageIndex(node, false);
    insert.item.iSelectedImage = GetNodeImageIndex(node, true);
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    m_item = m_tree.InsertItem(&insert);
    if (m_item) node->Walk(this, nullptr, false, nullptr);
}

void TreeInsertVisitor::VisitNode(CatalogNode* child)
{
    TreeInsertVisitor(child, m_item, m_tree, m_doc);
}
