// The database reader: "BZ" test, buffered reading through bzip2 or plain.
#include "catalog/DatabaseReader.h"
#include "catalog/DatabaseError.h"
#include <windows.h>
#include <cstring>

namespace
{
const std::size_t BufferSize = 64 * 1024;
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
        if (got == 2 && magic[0] == 'B' && magic[1] == 'Z')
            m_inflate.reset(new InflateThread(m_file));
        else
            m_buffer.resize(BufferSize);
        m_header.Serialize(*this);
    } catch (...) {
        Close();
        throw;
    }
}

DatabaseReader::~DatabaseReader() { Close(); }

void DatabaseReader::Close()
{
    m_inflate.reset();
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_atEnd = true;
}

bool DatabaseReader::Fill()
{
    m_pos = m_size = 0;
    if (m_atEnd || !m_file) return false;
    if (m_inflate) {
        // Raises on a damaged block; false only once the stream has ended cleanly.
        const char* data = nullptr;
        std::size_t size = 0;
        while (m_inflate->Next(data, size)) {
            if (size > 0) {
                m_data = data;
                m_size = size;
                return true;
            }
        }
        m_atEnd = true;
        return false;
    }
    m_size = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    m_data = m_buffer.data();
    if (m_size < m_buffer.size()) {
        if (std::ferror(m_file))
            throw DatabaseError(DatabaseError::Unreadable, "cannot read the database file");
        m_atEnd = true;
    }
    return m_size > 0;
}

std::size_t DatabaseReader::Read(void* buffer, std::size_t count)
{
    char* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        if (m_pos == m_size && !Fill()) break;
        std::size_t n = count - done < m_size - m_pos ? count - done : m_size - m_pos;
        std::memcpy(out + done, m_data + m_pos, n);
        m_pos += n;
        done += n;
    }
    return done;
}

void DatabaseReader::ExpectEnd()
{
    const DatabaseError trailing(DatabaseError::TrailingData,
                                 "the database file goes on after its last record");
    if (m_pos < m_size) throw trailing;
    // Fill raises on a damaged block or a wrong stream checksum, and is false only once the
    // data has ended cleanly.
    if (Fill()) throw trailing;
    // Nothing may follow the compressed stream either: the writer never puts anything there.
    if (m_inflate && m_inflate->TrailingBytes()) throw trailing;
}
