// The object the document passes with its UpdateAllViews hints 2 and 3: the node that was added or
// is about to go. Catalogue nodes are not CObjects, so the node travels inside a real one that a
// view may ask its kind; views read it only through CatalogNodeHint::NodeOf.
#pragma once
#include "framework/CObject.h"

class CatalogNode;

class CatalogNodeHint : public CObject
{
    DECLARE_DYNAMIC(CatalogNodeHint)
public:
    explicit CatalogNodeHint(CatalogNode* node) : m_node(node) {}
    CatalogNode* Node() const { return m_node; }

    // The node of a hint object, or null when the object is none or not a node hint.
    static CatalogNode* NodeOf(const CObject* hint);

private:
    CatalogNode* m_node;  // not owned: the document's tree owns it
};
