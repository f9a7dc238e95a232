// A folder found on a scanned disc, with its files and subfolders. A folder marked as excluded
// from search keeps deep walks out of its content.
#pragma once
#include "catalog/EntryContainerNode.h"

class DiscFolderNode : public EntryContainerNode
{
public:
    DiscFolderNode();
    ~DiscFolderNode() override;
    void Serialize(DatabaseStream& stream) override;

    // Attribute bits; the first three come from the folder's file attributes when scanned.
    static const std::uint8_t AttrReadOnly = 0x01;
    static const std::uint8_t AttrHidden = 0x02;
    static const std::uint8_t AttrSystem = 0x04;
    static const std::uint8_t AttrExcluded = 0x20;  // skipped by deep walks (the search)

    std::uint8_t m_attributes = 0;
    FILETIME m_time{0, 0};      // last-write time, else creation time
    std::uint32_t m_extra = 0;  // kept in the file for the format's sake; nothing gives it a value

protected:
    void WalkChildren(WalkState& state) override;
};
