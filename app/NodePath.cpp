// Paths from a collection down to a node.
#include "app/NodePath.h"
#include <algorithm>
#include "catalog/CatalogNode.h"

std::vector<CatalogNode*> NodePathFromRoot(CatalogNode* node)
{
    std::vector<CatalogNode*> path;
    for (CatalogNode* n = node; n; n = n->m_parent) path.push_back(n);
    std::reverse(path.begin(), path.end());
    return path;
}
