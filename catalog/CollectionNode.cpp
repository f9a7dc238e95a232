// The collection's record: the header check, then the child list.
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/DatabaseHeader.h"
#include "catalog/DatabaseStream.h"

void CollectionNode::Serialize(DatabaseStream& stream)
{
    if (stream.IsStoring()) {
        SerializeChildren(stream);
        return;
    }
    const DatabaseHeader& header = stream.GetHeader();
    if (header.m_version > CurrentVersion)
        throw DatabaseError(DatabaseError::BadSchema, "database file of a newer version");
    m_description = header.m_name;
    m_time = header.m_time;
    m_modified = 0;
    m_flags = header.Flags() & DatabaseHeader::FlagCollection;
    SerializeChildren(stream);
}
