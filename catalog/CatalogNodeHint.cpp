// The document's node hint object.
#include "catalog/CatalogNodeHint.h"

IMPLEMENT_DYNAMIC(CatalogNodeHint, CObject)

CatalogNode* CatalogNodeHint::NodeOf(const CObject* hint)
{
    if (hint == nullptr || !hint->IsKindOf(RUNTIME_CLASS(CatalogNodeHint))) return nullptr;
    return static_cast<const CatalogNodeHint*>(hint)->Node();
}
