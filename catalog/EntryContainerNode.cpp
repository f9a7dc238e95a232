// Entries of discs and disc folders: their list in the record and in walks.
#include "catalog/EntryContainerNode.h"
#include "catalog/DatabaseStream.h"
#include <utility>

void EntryContainerNode::SetEntries(std::vector<FileEntry>& entries)
{
    std::unique_ptr<FileEntry[]> array(entries.empty() ? nullptr : new FileEntry[entries.size()]);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        array[i].m_name = std::move(entries[i].m_name);
        array[i].m_time = entries[i].m_time;
        array[i].SetSize(entries[i].m_size);
        array[i].m_description = std::move(entries[i].m_description);
    }
    m_entries = std::move(array);
    m_entryCount = (std::uint32_t)entries.size();
}

void EntryContainerNode::Serialize(DatabaseStream& stream)
{
    CatalogNode::Serialize(stream);
    SerializeEntries(stream);
}

void EntryContainerNode::SerializeEntries(DatabaseStream& stream)
{
    if (stream.IsStoring()) {
        stream.WriteU32(m_entryCount);
        for (std::uint32_t i = 0; i < m_entryCount; ++i) m_entries[i].Serialize(stream);
        return;
    }
    // A usual count is read straight into the node's array (a node is loaded once, without
    // entries). A larger one is believed only as far as the data goes: its entries are read into a
    // list that grows with them, so that a count larger than the data ends in a truncation error,
    // not in a huge allocation.
    const std::uint32_t count = stream.ReadU32();
    if (count <= DirectReadLimit) {
        std::unique_ptr<FileEntry[]> array(count == 0 ? nullptr : new FileEntry[count]);
        for (std::uint32_t i = 0; i < count; ++i) array[i].Serialize(stream);
        m_entries = std::move(array);
        m_entryCount = count;
        return;
    }
    std::vector<FileEntry> list;
    list.reserve(count < 4096 ? count : 4096);
    for (std::uint32_t i = 0; i < count; ++i) {
        list.emplace_back();
        list.back().Serialize(stream);
    }
    SetEntries(list);
}

void EntryContainerNode::WalkChildren(WalkState& state) { WalkEntriesThenChildren(state); }

void EntryContainerNode::WalkEntriesThenChildren(WalkState& state)
{
    for (std::uint32_t i = 0; i < m_entryCount; ++i) {
        if (state.Cancelled()) return;
        FileEntry& e = m_entries[i];
        if (state.Accepts(e.m_name)) state.Visitor()->VisitEntry(this, &e);
    }
    WalkNodeChildren(state);
}
