// A folder the user made inside a collection to arrange discs.
#pragma once
#include "catalog/CatalogNode.h"

class UserFolderNode : public CatalogNode
{
public:
    UserFolderNode() : CatalogNode(NodeUserFolder) {}
    void Serialize(DatabaseStream& stream) override;

    CatalogText m_description;
};
