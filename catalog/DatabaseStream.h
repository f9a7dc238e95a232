// The field-by-field stream through which every catalogue record writes and reads itself; one
// Serialize serves both directions and asks the stream which one it runs. DatabaseWriter and
// DatabaseReader are the two streams behind it.
#pragma once
#include <windows.h>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include "catalog/CatalogText.h"

class DatabaseHeader;

class DatabaseStream
{
public:
    virtual ~DatabaseStream() = default;

    // Returns how many bytes were read: fewer than asked only at the end of the data.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Raises DatabaseError (WriteFailed) when the bytes cannot be written.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    // Ends the stream without result: a writer removes its temporary file.
    virtual void Abort() = 0;
    // Ends the stream: a writer puts its temporary file in place of the target (false, with the
    // target untouched, when that fails); a reader only closes.
    virtual bool Commit() = 0;
    virtual std::uint32_t GetVersion() const = 0;
    virtual bool IsStoring() const = 0;
    virtual bool IsLoading() const = 0;
    virtual DatabaseHeader& GetHeader() = 0;

    // Reads exactly `count` bytes or raises DatabaseError (Truncated). A million entries make
    // several million small reads, so those the reader's buffer holds are served here, inline.
    void ReadExact(void* buffer, std::size_t count)
    {
        if ((std::size_t)(m_readEnd - m_readNext) >= count) {
            std::memcpy(buffer, m_readNext, count);
            m_readNext += count;
            return;
        }
        ReadExactSlowly(buffer, count);
    }
    std::uint8_t ReadByte()
    {
        std::uint8_t v;
        ReadExact(&v, 1);
        return v;
    }
    std::uint32_t ReadU32()
    {
        std::uint32_t v;
        ReadExact(&v, 4);
        return v;
    }
    std::uint64_t ReadU64()
    {
        std::uint64_t v;
        ReadExact(&v, 8);
        return v;
    }
    FILETIME ReadFileTime()
    {
        FILETIME v;
        ReadExact(&v, 8);
        return v;
    }
    void WriteByte(std::uint8_t value) { Write(&value, 1); }
    void WriteU32(std::uint32_t value) { Write(&value, 4); }  // the format is little-endian, as x86
    void WriteU64(std::uint64_t value) { Write(&value, 8); }
    void WriteFileTime(const FILETIME& value) { Write(&value, 8); }

    // Counts the nesting of child lists while a tree is written or read. Level is the level of
    // the children of the list being handled: 1 for the list of the node that Serialize started
    // on. The records check it against the deepest level a tree may have.
    class NestingGuard
    {
    public:
        explicit NestingGuard(DatabaseStream& stream) : m_stream(stream) { ++m_stream.m_nesting; }
        ~NestingGuard() { --m_stream.m_nesting; }
        int Level() const { return m_stream.m_nesting; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        DatabaseStream& m_stream;
    };

protected:
    // Bytes a reader has at hand and not yet given out: ReadExact takes them without calling
    // Read. A stream that sets them keeps them in step with what its Read gives.
    const char* m_readNext = nullptr;
    const char* m_readEnd = nullptr;

private:
    void ReadExactSlowly(void* buffer, std::size_t count);

    int m_nesting = 0;
};

// A string is a u32 byte count (UTF-16 units + 1 NUL unit, times 2; 0 for the empty text) and the
// bytes. Reading takes the units before the first NUL, at most count / 2 of them, and allocates
// only as the bytes actually arrive.
void WriteString(const CatalogText& text, DatabaseStream& stream);
void ReadString(CatalogText& text, DatabaseStream& stream);
