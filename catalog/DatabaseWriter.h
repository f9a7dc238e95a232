// Writes a database file: the header at once, then whatever the records write, bzip2-compressed
// into a temporary file beside the target; Commit replaces the target with it in one step.
// Every write and the close are checked, so a failed save never touches the old file.
#pragma once
#include <cstdio>
#include <string>
#include <vector>
#include "catalog/DatabaseHeader.h"
#include "catalog/DatabaseStream.h"

class DatabaseWriter : public DatabaseStream
{
public:
    // Opens the temporary file and writes the header with the given description and flags.
    // Raises DatabaseError (WriteFailed) when the temporary file cannot be made or written.
    DatabaseWriter(const std::string& targetPath, const CatalogText& description,
                   std::uint8_t flags);
    ~DatabaseWriter() override;  // aborts when neither Commit nor Abort ran

    std::size_t Read(void*, std::size_t) override { return 0; }
    void Write(const void* buffer, std::size_t count) override;
    void Abort() override;
    bool Commit() override;
    std::uint32_t GetVersion() const override;
    bool IsStoring() const override { return true; }
    bool IsLoading() const override { return false; }
    DatabaseHeader& GetHeader() override { return m_header; }

    const std::string& TemporaryPath() const { return m_tempPath; }

    // The prefix of the temporary files; the system takes its first three letters.
    static const char TemporaryPrefix[];
    // True for a name the system gives a temporary file of ours: the prefix's three letters, one
    // to four hexadecimal digits and ".tmp", in any case.
    static bool IsTemporaryName(const std::string& name);
    // Removes the temporary files that saves cut short (a killed process) left in the directory.
    // Only our own names, and only files that can be opened exclusively: one that anybody holds
    // open stays. Each new save starts with it, so they never pile up.
    static void RemoveStaleTemporaryFiles(const std::string& directory);

    // The compression of the file: bzip2 with 5 x 100 000-byte blocks and the library's default
    // work factor, the stream that the library's "wb5" open mode writes.
    static const int BlockSize100k = 5;
    static const int WorkFactor = 30;

private:
    void Flush();                  // hands the buffered bytes to the compressor or the file
    bool CloseFile(bool abandon);  // ends compression and closes; false when anything failed
    [[noreturn]] void Fail(const char* what);

    std::FILE* m_file = nullptr;  // the temporary file
    void* m_bz = nullptr;         // the compressor over m_file, or null when writing plain
    std::string m_targetPath;
    std::string m_tempPath;
    DatabaseHeader m_header;
    std::vector<char> m_buffer;  // fields gather here so the compressor sees large blocks
    std::size_t m_used = 0;      // bytes of m_buffer in use
    bool m_finished = false;     // Commit or Abort ran
};
