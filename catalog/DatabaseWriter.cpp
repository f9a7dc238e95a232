// The database writer: temporary file, checked bzip2 compression, one-step replacement.
#include "catalog/DatabaseWriter.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/UtcNow.h"
#include <windows.h>
#include <bzlib.h>
#include <io.h>
#include <cctype>
#include <cstring>

namespace
{

const std::size_t BufferSize = 64 * 1024;
const std::size_t TemporaryPrefixLength = 3;  // what GetTempFileName keeps of a prefix
const std::size_t MaxTemporaryDigits = 4;     // the unique number: 16 bits in hexadecimal
const char TemporaryExtension[] = ".tmp";

// The directory the temporary file goes to: the target's own, so that the final move stays on
// one volume and is a rename; the current directory for a bare file name.
std::string DirectoryOf(const std::string& path)
{
    std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos) {
        if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
        char dir[MAX_PATH + 1];
        DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
        return (n > 0 && n < sizeof dir) ? std::string(dir, n) : std::string(".");
    }
    return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

// A name in a directory as DirectoryOf gives it: a drive ("C:"), the root or a folder.
std::string InDirectory(const std::string& directory, const std::string& name)
{
    if (directory.empty()) return name;
    const char last = directory.back();
    const bool separated = last == '\\' || last == '/' || last == ':';
    return directory + (separated ? "" : "\\") + name;
}

}  // namespace

DatabaseWriter::DatabaseWriter(const std::string& targetPath, const CatalogText& description,
                               std::uint8_t flags)
    : m_targetPath(targetPath)
{
    const std::string directory = DirectoryOf(targetPath);
    RemoveStaleTemporaryFiles(directory);
    char temp[MAX_PATH + 1];
    if (!GetTempFileNameA(directory.c_str(), TemporaryPrefix, 0, temp))
        throw DatabaseError(DatabaseError::WriteFailed,
                            "cannot make a temporary file for the database");
    m_tempPath = temp;
    m_file = std::fopen(temp, "wb");
    if (!m_file) {
        DeleteFileA(temp);
        throw DatabaseError(DatabaseError::WriteFailed,
                            "cannot open the temporary file for the database");
    }
    int err = BZ_OK;
    m_bz = BZ2_bzWriteOpen(&err, m_file, BlockSize100k, 0, WorkFactor);
    if (err != BZ_OK)
        m_bz = nullptr;  // no compressor: the file is written plain, which reads back as well
    m_buffer.resize(BufferSize);

    m_header.m_version = CollectionNode::CurrentVersion;
    // The reader takes the collection's description and flag from here, so they live here.
    m_header.m_name = description;
    m_header.SetFlags(flags & DatabaseHeader::FlagCollection);
    m_header.m_time = UtcNow();
    try {
        m_header.Serialize(*this);
    } catch (...) {
        Abort();
        throw;
    }
}

DatabaseWriter::~DatabaseWriter()
{
    if (!m_finished) Abort();
}

const char DatabaseWriter::TemporaryPrefix[] = "vrel";

bool DatabaseWriter::IsTemporaryName(const std::string& name)
{
    const std::size_t extension = sizeof TemporaryExtension - 1;
    if (name.size() < TemporaryPrefixLength + 1 + extension) return false;
    const std::size_t digits = name.size() - TemporaryPrefixLength - extension;
    if (digits > MaxTemporaryDigits) return false;
    if (_strnicmp(name.c_str(), TemporaryPrefix, TemporaryPrefixLength) != 0) return false;
    if (_stricmp(name.c_str() + name.size() - extension, TemporaryExtension) != 0) return false;
    for (std::size_t i = 0; i < digits; ++i)
        if (!std::isxdigit((unsigned char)name[TemporaryPrefixLength + i])) return false;
    return true;
}

void DatabaseWriter::RemoveStaleTemporaryFiles(const std::string& directory)
{
    const std::string folder = InDirectory(directory, "");
    const std::string pattern = folder + std::string(TemporaryPrefix, TemporaryPrefixLength) + "*" +
                                TemporaryExtension;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> stale;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsTemporaryName(found.cFileName))
            stale.push_back(folder + found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    for (const std::string& path : stale) {
        // No sharing at all: the open fails while anyone else has the file open (a save under
        // way in another copy of the program), and then the file is not ours to take.
        HANDLE h = CreateFileA(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
}

std::uint32_t DatabaseWriter::GetVersion() const { return CollectionNode::CurrentVersion; }

void DatabaseWriter::Fail(const char* what)
{
    throw DatabaseError(DatabaseError::WriteFailed, what);
}

void DatabaseWriter::Write(const void* buffer, std::size_t count)
{
    if (m_finished) Fail("write to a closed database stream");
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        std::size_t room = BufferSize - m_used;
        std::size_t n = count < room ? count : room;
        std::memcpy(m_buffer.data() + m_used, bytes, n);
        m_used += n;
        bytes += n;
        count -= n;
        if (m_used == BufferSize) Flush();
    }
}

void DatabaseWriter::Flush()
{
    if (m_used == 0) return;
    const std::size_t n = m_used;
    m_used = 0;
    if (m_bz) {
        int err = BZ_OK;
        BZ2_bzWrite(&err, m_bz, m_buffer.data(), (int)n);
        if (err != BZ_OK) Fail("the compressor refused the database data");
    } else if (std::fwrite(m_buffer.data(), 1, n, m_file) != n) {
        Fail("cannot write the database file");
    }
}

bool DatabaseWriter::CloseFile(bool abandon)
{
    bool ok = true;
    if (m_bz) {
        int err = BZ_OK;
        unsigned inLo = 0, inHi = 0, outLo = 0, outHi = 0;
        BZ2_bzWriteClose64(&err, m_bz, abandon ? 1 : 0, &inLo, &inHi, &outLo, &outHi);
        m_bz = nullptr;
        ok = err == BZ_OK;
    }
    if (m_file) {
        if (!abandon) {
            // The bytes must be on the disc before the file takes the target's place.
            ok = ok && std::fflush(m_file) == 0;
            ok = ok && _commit(_fileno(m_file)) == 0;
        }
        ok = (std::fclose(m_file) == 0) && ok;
        m_file = nullptr;
    }
    return ok;
}

void DatabaseWriter::Abort()
{
    if (m_finished) return;
    m_finished = true;
    CloseFile(true);
    DeleteFileA(m_tempPath.c_str());
}

bool DatabaseWriter::Commit()
{
    if (m_finished) return false;
    bool ok = true;
    try {
        Flush();
    } catch (const DatabaseError&) {
        ok = false;
    }
    m_finished = true;
    ok = CloseFile(!ok) && ok;
    // A read-only database stays as it is. Windows refuses to replace such a file, while some
    // systems that run this program replace it and drop the attribute; so the save fails here,
    // the same everywhere, and the file keeps its content and its attribute.
    const DWORD targetAttributes = GetFileAttributesA(m_targetPath.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY))
        ok = false;
    // One step: the old file stays whole until the new one is complete, and is never missing.
    ok = ok && MoveFileExA(m_tempPath.c_str(), m_targetPath.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(m_tempPath.c_str());
    return ok;
}
