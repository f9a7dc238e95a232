// File entries: counting in the statistics, and the entry record of the database file.
#include "catalog/FileEntry.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/DatabaseStream.h"

// A million entries are the bulk of a big catalogue's memory; keep them at three 8-byte words.
static_assert(sizeof(FileEntry) == 24, "a file entry should take 24 bytes in every build");

FileEntry::FileEntry() : m_time{0, 0}, m_size(0) { CatalogStatistics::AddFiles(1); }

FileEntry::FileEntry(const FileEntry& other)
    : m_name(other.m_name), m_description(other.m_description), m_time(other.m_time),
      m_size(other.m_size)
{
    CatalogStatistics::AddFiles(1);
    CatalogStatistics::AddSize(m_size);
}

// The source stays a live entry of the same size, so this counts as a copy does.
FileEntry::FileEntry(FileEntry&& other) noexcept
    : m_name(std::move(other.m_name)), m_description(std::move(other.m_description)),
      m_time(other.m_time), m_size(other.m_size)
{
    CatalogStatistics::AddFiles(1);
    CatalogStatistics::AddSize(m_size);
}

FileEntry& FileEntry::operator=(const FileEntry& other)
{
    if (this != &other) {
        m_name = other.m_name;
        m_time = other.m_time;
        SetSize(other.m_size);
        m_description = other.m_description;
    }
    return *this;
}

FileEntry::~FileEntry()
{
    CatalogStatistics::AddFiles(-1);
    CatalogStatistics::SubtractSize(m_size);
}

void FileEntry::SetSize(std::uint64_t size)
{
    CatalogStatistics::SubtractSize(m_size);
    m_size = size;
    CatalogStatistics::AddSize(m_size);
}

FILETIME RecordedTime(const FILETIME& lastWrite, const FILETIME& creation)
{
    return (lastWrite.dwLowDateTime == 0 && lastWrite.dwHighDateTime == 0) ? creation : lastWrite;
}

FileEntry FileEntry::FromFindData(const WIN32_FIND_DATAW& found)
{
    FileEntry e;
    e.m_name = found.cFileName;
    e.m_time = RecordedTime(found.ftLastWriteTime, found.ftCreationTime);
    e.SetSize(((std::uint64_t)found.nFileSizeHigh << 32) | found.nFileSizeLow);
    return e;
}

void FileEntry::Serialize(DatabaseStream& stream)
{
    if (stream.IsStoring()) {
        std::uint8_t flags = 0;
        if (m_size >= 0x80000000ull) flags |= FlagWideSize;
        if (!m_description.empty()) flags |= FlagDescription;
        WriteString(m_name, stream);
        stream.WriteByte(flags);
        stream.WriteFileTime(m_time);
        if (flags & FlagWideSize)
            stream.WriteU64(m_size);
        else
            stream.WriteU32((std::uint32_t)m_size);
        if (flags & FlagDescription) WriteString(m_description, stream);
        return;
    }
    ReadString(m_name, stream);
    std::uint8_t flags = stream.ReadByte();
    m_time = stream.ReadFileTime();
    SetSize((flags & FlagWideSize) ? stream.ReadU64() : (std::uint64_t)stream.ReadU32());
    if (flags & FlagDescription)
        ReadString(m_description, stream);
    else
        m_description = CatalogText();
}
