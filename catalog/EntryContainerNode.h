// The abstract node that owns an array of file entries: base of discs and disc folders.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "catalog/CatalogNode.h"
#include "catalog/FileEntry.h"

class EntryContainerNode : public CatalogNode
{
public:
    void Serialize(DatabaseStream& stream) override;
    void SerializeEntries(DatabaseStream& stream);

    // Takes the scanner's list as the node's entries, in order (the array is made in one piece).
    void SetEntries(std::vector<FileEntry>& entries);

    FileEntry* Entries() const { return m_entries.get(); }
    std::uint32_t EntryCount() const { return m_entryCount; }

protected:
    explicit EntryContainerNode(std::uint32_t type) : CatalogNode(type) {}
    void WalkChildren(WalkState& state) override;
    void WalkEntriesThenChildren(WalkState& state);

private:
    // Entry counts up to this are read into an array of that size at once: a few hundred
    // kilobytes at most, whatever a damaged file claims.
    static const std::uint32_t DirectReadLimit = 16384;

    std::unique_ptr<FileEntry[]> m_entries;
    std::uint32_t m_entryCount = 0;
};
