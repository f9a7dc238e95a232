// The header record of a database file.
#include "catalog/DatabaseHeader.h"
#include "catalog/DatabaseStream.h"

void DatabaseHeader::Serialize(DatabaseStream& stream)
{
    const bool optional = (Flags() & FlagOptionalValues) != 0;
    if (stream.IsStoring()) {
        stream.WriteU32(m_version);
        WriteString(m_name, stream);
        stream.Write(m_flagBlock, sizeof m_flagBlock);
        stream.WriteFileTime(m_time);
        if (optional) stream.WriteU32(m_optionalA);
        if (optional && m_flagBlock[0]) stream.WriteU32(m_optionalB);
        return;
    }
    m_version = stream.ReadU32();
    ReadString(m_name, stream);
    stream.ReadExact(m_flagBlock, sizeof m_flagBlock);
    m_time = stream.ReadFileTime();
    const bool present = (Flags() & FlagOptionalValues) != 0;
    if (present) m_optionalA = stream.ReadU32();
    if (present && m_flagBlock[0]) m_optionalB = stream.ReadU32();
}
