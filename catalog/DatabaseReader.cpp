// The database reader: "BZ" test, buffered reading through bzip2 or plain.
#include "catalog/DatabaseReader.h"
#include "catalog/DatabaseError.h"
#include <windows.h>
#include <bzlib.h>
#include <cstring>

namespace
{
const std::size_t ReadBufferSize = 64 * 1024;
}

DatabaseReader::DatabaseReader(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(path.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        throw DatabaseError(DatabaseError::Unreadable, "Can't find file");
    FindClose(h);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        throw DatabaseError(DatabaseError::Unreadable, "the database path names a directory");

    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file) throw DatabaseError(DatabaseError::Unreadable, "cannot open the database file");
    // From here on a failure (an allocation too) must close the file: a destructor does not run
    // for an object whose constructor threw, and an open handle would block replacing the file.
    try {
        unsigned char magic[2] = {0, 0};
        std::size_t got = std::fread(magic, 1, 2, m_file);
        std::rewind(m_file);
        if (got == 2 && magic[0] == 'B' && magic[1] == 'Z') {
            int err = BZ_OK;
            m_bz = BZ2_bzReadOpen(&err, m_file, 0, 0, nullptr, 0);
            if (err != BZ_OK) {
                m_bz = nullptr;
                throw DatabaseError(DatabaseError::Unreadable,
                                    "cannot decompress the database file");
            }
        }
        m_buffer.resize(ReadBufferSize);
        m_header.Serialize(*this);
    } catch (...) {
        Close();
        throw;
    }
}

DatabaseReader::~DatabaseReader() { Close(); }

void DatabaseReader::Close()
{
    if (m_bz) {
        int err = BZ_OK;
        BZ2_bzReadClose(&err, m_bz);
        m_bz = nullptr;
    }
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_atEnd = true;
}

bool DatabaseReader::Fill()
{
    m_readNext = m_readEnd = nullptr;
    if (m_atEnd || !m_file) return false;
    std::size_t size = 0;
    if (m_bz) {
        int err = BZ_OK;
        int n = BZ2_bzRead(&err, m_bz, m_buffer.data(), (int)m_buffer.size());
        if (err == BZ_STREAM_END)
            m_atEnd = true;
        else if (err != BZ_OK)
            throw DatabaseError(DatabaseError::Unreadable,
                                "the database file's compressed data is damaged");
        size = n > 0 ? (std::size_t)n : 0;
    } else {
        size = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
        if (size < m_buffer.size()) {
            if (std::ferror(m_file))
                throw DatabaseError(DatabaseError::Unreadable, "cannot read the database file");
            m_atEnd = true;
        }
    }
    m_readNext = m_buffer.data();
    m_readEnd = m_readNext + size;
    return size > 0;
}

std::size_t DatabaseReader::Read(void* buffer, std::size_t count)
{
    char* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        if (m_readNext == m_readEnd && !Fill()) break;
        const std::size_t held = (std::size_t)(m_readEnd - m_readNext);
        const std::size_t n = count - done < held ? count - done : held;
        std::memcpy(out + done, m_readNext, n);
        m_readNext += n;
        done += n;
    }
    return done;
}

void DatabaseReader::ExpectEnd()
{
    const DatabaseError trailing(DatabaseError::TrailingData,
                                 "the database file goes on after its last record");
    if (m_readNext != m_readEnd) throw trailing;
    // Fill raises on a damaged block or a wrong stream checksum, and is false only once the
    // data has ended cleanly.
    if (Fill()) throw trailing;
    if (!m_bz || !m_file) return;
    // Nothing may follow the compressed stream either: the writer never puts anything there.
    void* unused = nullptr;
    int unusedCount = 0;
    int err = BZ_OK;
    BZ2_bzReadGetUnused(&err, m_bz, &unused, &unusedCount);
    if (err != BZ_OK)
        throw DatabaseError(DatabaseError::Unreadable,
                            "the database file's compressed data is damaged");
    if (unusedCount > 0 || std::fgetc(m_file) != EOF) throw trailing;
}
