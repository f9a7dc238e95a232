// The test prefix's CD-ROM drives, mapped by tools/wine-prefix.sh onto directories of the build
// tree: X: carries the volume label Label(), Y: has none. Wine reads a label once, when the
// prefix's mount manager starts, so labels are fixed; a disc's content is not. A fixture empties
// its disc when it starts, lets a test lay out folders and files, and empties it again when it
// ends. Tests that use it hold the CTest resource lock "cdrom".
#pragma once
#include <string>
#include <cstdint>

class CdromFixture
{
public:
    enum Drive
    {
        Labelled,
        Unlabelled
    };
    explicit CdromFixture(Drive drive = Labelled);
    ~CdromFixture();
    CdromFixture(const CdromFixture&) = delete;
    CdromFixture& operator=(const CdromFixture&) = delete;

    // "X:\" - the drive root as programs see it.
    std::string Root() const;
    // The directory behind the drive, as a Windows path (through Wine's Z: drive), with a
    // trailing backslash; files are made through it because the drive itself is read-only.
    std::wstring BackingDir() const { return m_backing; }

    // The label of drive X:; Y: answers an empty label.
    static std::string Label();
    // Paths are relative to the disc root, with '\' or '/' separators; parents are created.
    void AddDir(const std::wstring& path);
    void AddFile(const std::wstring& path, const std::string& content = std::string());
    void AddFile(const std::string& path, const std::string& content = std::string());
    // A file of the given size that takes no space on the Unix side (a sparse file).
    void AddSparseFile(const std::wstring& path, std::uint64_t size);

    // Removes everything on the disc.
    void Clear();

private:
    std::wstring Full(const std::wstring& path) const;
    void MakeParents(const std::wstring& full) const;

    std::wstring m_backing;  // Windows path of the backing directory, ends with '\'
    std::string m_drive;     // "X:" or "Y:"
};
