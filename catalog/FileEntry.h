// One file of a scanned disc: name, time, 64-bit size and a description. Every live entry is
// counted in the statistics and its size is part of their total.
#pragma once
#include <windows.h>
#include <cstdint>
#include "catalog/CatalogText.h"

class DatabaseStream;

class FileEntry
{
public:
    FileEntry();
    FileEntry(const FileEntry& other);
    FileEntry(FileEntry&& other) noexcept;
    FileEntry& operator=(const FileEntry& other);
    ~FileEntry();

    // Writes or reads the entry's record. Not virtual: nothing derives from an entry, and a
    // million of them should not each carry a table pointer.
    void Serialize(DatabaseStream& stream);

    // The scanner's entry for one found file: last-write time (creation time when that is zero)
    // and the whole 64-bit size.
    static FileEntry FromFindData(const WIN32_FIND_DATAW& found);

    // Changes the size keeping the statistics total right.
    void SetSize(std::uint64_t size);

    // Record flags of an entry.
    static const std::uint8_t FlagWideSize = 0x08;  // the size takes 8 bytes (it is 2^31 or more)
    static const std::uint8_t FlagDescription = 0x10;  // a description follows

    // The two texts side by side: with the 8-byte fields after them an entry has no padding and
    // takes 24 bytes in 32-bit and 64-bit builds alike.
    CatalogText m_name;
    CatalogText m_description;
    FILETIME m_time;
    std::uint64_t m_size;  // bytes; change through SetSize so the statistics follow
};

// The time a found file or folder is recorded with: its last-write time, else its creation time.
FILETIME RecordedTime(const FILETIME& lastWrite, const FILETIME& creation);
