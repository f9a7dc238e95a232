// Discs: counting, identity and their record.
#include "catalog/DiscNode.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/DatabaseStream.h"
#include <rpc.h>

namespace
{
// The format version from which a disc's identity is stored.
const std::uint32_t VersionWithIdentity = 0x20001;
}  // namespace

DiscNode::DiscNode() : EntryContainerNode(NodeDisc)
{
    if (UuidCreate(&m_identity) != RPC_S_OK) m_identity = GUID();
    CatalogStatistics::AddDiscs(1);
}

DiscNode::~DiscNode() { CatalogStatistics::AddDiscs(-1); }

void DiscNode::Serialize(DatabaseStream& stream)
{
    EntryContainerNode::Serialize(stream);
    if (stream.IsStoring()) {
        WriteString(m_description, stream);
        stream.WriteFileTime(m_addedTime);
        WriteString(m_lentTo, stream);
        stream.Write(&m_identity, sizeof m_identity);
        return;
    }
    ReadString(m_description, stream);
    m_addedTime = stream.ReadFileTime();
    ReadString(m_lentTo, stream);
    if (stream.GetVersion() >= VersionWithIdentity)
        stream.ReadExact(&m_identity, sizeof m_identity);
}
