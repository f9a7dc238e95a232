// The header record at the start of every database file: format version, the collection's
// description (as the header's name), a raw 8-byte flag block, the save time, optional values.
#pragma once
#include <windows.h>
#include <cstdint>
#include "catalog/CatalogText.h"

class DatabaseStream;

class DatabaseHeader
{
public:
    virtual ~DatabaseHeader() = default;
    virtual void Serialize(DatabaseStream& stream);

    std::uint8_t Flags() const { return m_flagBlock[4]; }
    void SetFlags(std::uint8_t flags) { m_flagBlock[4] = flags; }

    // Bits of the flags byte (byte 4 of the flag block).
    static const std::uint8_t FlagCollection = 0x01;      // the collection's own flag
    static const std::uint8_t FlagOptionalValues = 0x02;  // optional value A (and maybe B) follow

    std::uint32_t m_version = 0;
    FILETIME m_time{0, 0};  // UTC
    CatalogText m_name;     // the collection's description
    // Byte 0: optional value B present; byte 4: flags; the other bytes are zero.
    std::uint8_t m_flagBlock[8] = {};
    std::uint32_t m_optionalA = 0;
    std::uint32_t m_optionalB = 0;
};
