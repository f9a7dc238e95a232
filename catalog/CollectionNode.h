// The top of one catalogue tree: the whole content of one database file, named after the file.
#pragma once
#include "catalog/CatalogNode.h"

class CollectionNode : public CatalogNode
{
public:
    CollectionNode() : CatalogNode(NodeCollection) {}
    // Only the child list is the collection's record; its description, time and flag travel in
    // the file's header.
    void Serialize(DatabaseStream& stream) override;

    // The newest format version this program reads.
    static const std::uint32_t CurrentVersion = 0x20001;

    CatalogText m_description;
    std::uint8_t m_modified = 0;  // 1: changes not yet saved
    FILETIME m_time{0, 0};     // UTC: creation of a new collection, else the time of the last save
    std::uint8_t m_flags = 0;  // bit 0 only, the header's collection flag
    // Set when the collection's file exists but could not be read (damaged, newer format): saving
    // would destroy the user's data, so such a collection is never written over its file.
    bool m_fileRefused = false;
};
