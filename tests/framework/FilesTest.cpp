// Disk files with the program's open modes and sharing, memory files growing and handing over
// their buffer, and shared (global-memory) files under an archive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "ArchiveImage.h"
#include "framework/CFile.h"
#include "framework/CFileException.h"
#include "framework/CMemFile.h"
#include "framework/CMemoryException.h"
#include "framework/CSharedFile.h"

namespace
{

const UINT kCreateWriteDenyWrite = 0x1021;  // modeCreate | modeWrite | shareDenyWrite
const UINT kReadDenyWrite = 0x20;           // modeRead | shareDenyWrite

class TempPath
{
public:
    TempPath()
    {
        char dir[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "lft", 0, name);
        m_path = name;
    }
    ~TempPath() { DeleteFileA(m_path.c_str()); }
    LPCSTR c_str() const { return m_path.c_str(); }

private:
    std::string m_path;
};

int OpenFailure(LPCSTR path, UINT flags)
{
    CFile file;
    CFileException error;
    if (file.Open(path, flags, &error)) return CFileException::none;
    return error.m_cause;
}

TEST(Files, OpenModesAndSharing)
{
    static_assert(kCreateWriteDenyWrite ==
                      (CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite),
                  "");
    static_assert(kReadDenyWrite == (CFile::modeRead | CFile::shareDenyWrite), "");
    TempPath path;
    {
        CFile writer(path.c_str(), kCreateWriteDenyWrite);
        writer.Write("hello world", 11);
        // While the writer holds it, neither another writer nor a reader that denies writing
        // gets in; a reader that shares everything does.
        EXPECT_EQ(CFileException::sharingViolation,
                  OpenFailure(path.c_str(), CFile::modeWrite | CFile::shareDenyNone));
        EXPECT_EQ(CFileException::sharingViolation, OpenFailure(path.c_str(), kReadDenyWrite));
        EXPECT_EQ(CFileException::none,
                  OpenFailure(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
        EXPECT_EQ(11u, writer.GetLength());
    }
    CFile reader(path.c_str(), kReadDenyWrite);
    EXPECT_EQ(11u, reader.GetLength());
    EXPECT_EQ(6u, reader.Seek(6, CFile::begin));
    char buf[16] = {};
    EXPECT_EQ(5u, reader.Read(buf, sizeof buf));
    EXPECT_STREQ("world", buf);
    EXPECT_EQ(0u, reader.Read(buf, sizeof buf));
    EXPECT_EQ(8u, reader.Seek(-3, CFile::end));
    EXPECT_THROW(reader.Write("x", 1), CFileException*);
    reader.Close();

    // Creating truncates.
    CFile again(path.c_str(), kCreateWriteDenyWrite);
    EXPECT_EQ(0u, again.GetLength());
}

TEST(Files, MissingFileRaisesFileNotFound)
{
    EXPECT_EQ(CFileException::fileNotFound,
              OpenFailure("C:\\no-such-lornival-file.dat", kReadDenyWrite));
    try {
        CFile file("C:\\no-such-lornival-file.dat", kReadDenyWrite);
        ADD_FAILURE() << "opened a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ("C:\\no-such-lornival-file.dat", e->m_strFileName);
        e->Delete();
    }
}

TEST(Files, WrappedHandleStaysOpen)
{
    TempPath path;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    {
        CFile wrapper(h);
        wrapper.Write("abc", 3);
        wrapper.Close();
    }
    DWORD size = GetFileSize(h, nullptr);
    EXPECT_EQ(3u, size);
    EXPECT_TRUE(CloseHandle(h));
}

// Looks at the buffer size, which only the class itself shows.
class ProbeMemFile : public CMemFile
{
public:
    using CMemFile::CMemFile;
    SIZE_T BufferSize() const { return m_nBufferSize; }
};

TEST(Files, MemoryFileGrowsInSteps)
{
    ProbeMemFile file;  // grows by 1024
    file.Write("x", 1);
    EXPECT_EQ(1024u, file.BufferSize());
    const std::string block(1024, 'y');
    file.Write(block.data(), (UINT)block.size());
    EXPECT_EQ(2048u, file.BufferSize());
    EXPECT_EQ(1025u, file.GetLength());

    // A write past the end fills the gap with zeros.
    file.Seek(1030, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ(1031u, file.GetLength());
    const ULONGLONG length = file.GetLength();
    BYTE* data = file.Detach();
    EXPECT_EQ('x', data[0]);
    EXPECT_EQ(0, data[1027]);
    EXPECT_EQ('z', data[1030]);
    std::free(data);
    EXPECT_EQ(1031u, length);
    EXPECT_EQ(0u, file.GetLength());

    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException*);
}

TEST(Files, AttachedBuffersBelongToTheCaller)
{
    BYTE fixed[4] = {'a', 'b', 'c', 'd'};
    {
        CMemFile reader(fixed, sizeof fixed);
        char out[8] = {};
        EXPECT_EQ(4u, reader.Read(out, sizeof out));
        EXPECT_STREQ("abcd", out);
        reader.SeekToBegin();
        reader.Write("AB", 2);  // writing inside a fixed buffer is fine
        EXPECT_THROW(reader.Write("xyz", 3), CMemoryException*);
    }
    EXPECT_EQ('A', fixed[0]);

    BYTE start[4] = {};
    CMemFile writer;
    writer.Attach(start, sizeof start, 16);
    EXPECT_EQ(0u, writer.GetLength());
    writer.Write("wxyz", 4);
    EXPECT_EQ(0, std::memcmp(start, "wxyz", 4));
    writer.Write("!", 1);  // moves to a buffer of its own; the caller's stays as it was
    EXPECT_EQ(5u, writer.GetLength());
    BYTE* own = writer.Detach();
    ASSERT_NE(start, own);
    EXPECT_EQ(0, std::memcmp(own, "wxyz!", 5));
    std::free(own);
}

TEST(Files, SharedFileCarriesAnArchiveInGlobalMemory)
{
    HGLOBAL h = nullptr;
    {
        CSharedFile file;
        CArchive ar(&file, CArchive::store);
        ar << CString("button") << (DWORD)42;
        ar.Close();
        EXPECT_EQ(11u, file.GetLength());
        h = file.Detach();
    }
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(4096u, GlobalSize(h));  // grown in 4096-byte steps
    EXPECT_EQ(0u, GlobalFlags(h) & GMEM_LOCKCOUNT);

    CSharedFile reader;
    reader.SetHandle(h, FALSE);
    CArchive ar(&reader, CArchive::load);
    CString s;
    DWORD v = 0;
    ar >> s >> v;
    EXPECT_STREQ("button", s);
    EXPECT_EQ(42u, v);
}

}  // namespace
