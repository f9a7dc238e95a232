// A scanned disc: its label as name, the disc's files and folders, a description, who it is
// lent to, when it was added, and an identity of its own.
#pragma once
#include "catalog/EntryContainerNode.h"

class DiscNode : public EntryContainerNode
{
public:
    DiscNode();  // makes a fresh identity
    ~DiscNode() override;
    void Serialize(DatabaseStream& stream) override;

    CatalogText m_description;
    CatalogText m_lentTo;        // shown in the items list's column "На руках у ..."
    FILETIME m_addedTime{0, 0};  // UTC, when the disc was scanned
    GUID m_identity;
};
