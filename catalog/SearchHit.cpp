// Search hits and the subtrees they lie in.
#include "catalog/SearchHit.h"
#include "catalog/CatalogNode.h"

bool SearchHit::LiesUnder(const CatalogNode* node) const
{
    if (kind == Node && AsNode() == node) return true;
    for (CatalogNode* n : path)
        if (n == node) return true;
    return false;
}
