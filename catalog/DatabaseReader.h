// Reads a database file: bzip2-compressed when it starts with "BZ", plain otherwise. The header
// is read when the reader opens; records then read themselves through the stream. The data is
// untrusted: a short read, a damaged compressed stream or an unknown tag ends in DatabaseError.
#pragma once
#include <cstdio>
#include <string>
#include <vector>
#include "catalog/DatabaseHeader.h"
#include "catalog/DatabaseStream.h"

class DatabaseReader : public DatabaseStream
{
public:
    // Raises DatabaseError: Unreadable when the path names no file or it cannot be opened or
    // decompressed, Truncated when the header is incomplete.
    explicit DatabaseReader(const std::string& path);
    ~DatabaseReader() override;

    std::size_t Read(void* buffer, std::size_t count) override;
    // Called once the records have been read: reads a compressed stream to its end, so that the
    // checksums of its last block and of the whole stream are tested, and raises DatabaseError
    // when anything is left over (TrailingData) or the data is damaged (Unreadable). A damaged
    // block can start with bytes that parse as a complete, smaller tree; only its checksum, at the
    // block's end, tells.
    void ExpectEnd();
    void Write(const void*, std::size_t) override {}
    void Abort() override { Close(); }
    bool Commit() override
    {
        Close();
        return true;
    }
    std::uint32_t GetVersion() const override { return m_header.m_version; }
    bool IsStoring() const override { return false; }
    bool IsLoading() const override { return true; }
    DatabaseHeader& GetHeader() override { return m_header; }

private:
    bool Fill();  // refills the buffer; false at the end of the data
    void Close();

    std::FILE* m_file = nullptr;
    void* m_bz = nullptr;  // the decompressor over m_file, or null for a plain file
    bool m_atEnd = false;
    DatabaseHeader m_header;
    std::vector<char> m_buffer;  // its unread bytes are the stream's m_readNext to m_readEnd
};
