// Helpers of the catalogue tests: a database stream over memory, a scratch directory, file
// bytes, bzip2 decompression, and a text dump of a tree for comparing trees.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>
#include "catalog/DatabaseHeader.h"
#include "catalog/DatabaseStream.h"

class CatalogNode;

using Bytes = std::vector<std::uint8_t>;

class MemoryStream : public DatabaseStream
{
public:
    // A storing stream when `data` is null, else a loading one over a copy of `data`.
    explicit MemoryStream(std::uint32_t version, const Bytes* data = nullptr);
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    void Abort() override {}
    bool Commit() override { return true; }
    std::uint32_t GetVersion() const override { return m_header.m_version; }
    bool IsStoring() const override { return m_storing; }
    bool IsLoading() const override { return !m_storing; }
    DatabaseHeader& GetHeader() override { return m_header; }

    const Bytes& Data() const { return m_data; }
    std::size_t Remaining() const { return m_data.size() - m_pos; }

private:
    bool m_storing;
    DatabaseHeader m_header;
    Bytes m_data;
    std::size_t m_pos = 0;
};

// A fresh empty directory under the temporary directory, removed with its content at the end.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& Path() const { return m_path; }  // ends without '\'
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    std::vector<std::string> List() const;  // names of everything inside

private:
    std::string m_path;
};

// Puts the current directory back at the end: loading and saving make the database's
// directory current.
struct KeepCurrentDirectory
{
    char dir[MAX_PATH];
    KeepCurrentDirectory() { GetCurrentDirectoryA(sizeof dir, dir); }
    ~KeepCurrentDirectory() { SetCurrentDirectoryA(dir); }
};

// A hidden top-level window of a class registered once under `className`, with `self` in its
// GWLP_USERDATA for the procedure to find.
HWND MakeTestWindow(const char* className, WNDPROC proc, void* self);

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
Bytes Decompress(const Bytes& compressed);
// Compresses as the library's stdio-style open in mode "wb5" does.
Bytes CompressLikeWb5(const Bytes& plain, const std::string& scratchFile);

// One line per node and entry, children sorted by their dump so that the address order of the
// children set does not matter.
std::string DumpTree(const CatalogNode* node);

// Little-endian builders for hand-made records.
void PutU32(Bytes& b, std::uint32_t v);
void PutU64(Bytes& b, std::uint64_t v);
void PutString(Bytes& b, const std::wstring& s);  // the database string encoding
