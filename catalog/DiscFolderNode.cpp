// Disc folders: counting, their record, and the excluded bit in walks.
#include "catalog/DiscFolderNode.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/DatabaseStream.h"

DiscFolderNode::DiscFolderNode() : EntryContainerNode(NodeDiscFolder)
{
    CatalogStatistics::AddFolders(1);
}

DiscFolderNode::~DiscFolderNode() { CatalogStatistics::AddFolders(-1); }

void DiscFolderNode::Serialize(DatabaseStream& stream)
{
    EntryContainerNode::Serialize(stream);
    if (stream.IsStoring()) {
        stream.WriteByte(m_attributes);
        stream.WriteFileTime(m_time);
        stream.WriteU32(m_extra);
        return;
    }
    m_attributes = stream.ReadByte();
    // Files of the first format version held no attributes worth keeping in that byte.
    if (stream.GetVersion() < 2) m_attributes = 0;
    m_time = stream.ReadFileTime();
    m_extra = stream.ReadU32();
}

void DiscFolderNode::WalkChildren(WalkState& state)
{
    if ((m_attributes & AttrExcluded) && state.Deep()) return;
    EntryContainerNode::WalkChildren(state);
}
