// Lays out the test CD-ROM's content through its backing directory.
#include "CdromFixture.h"
#include <windows.h>
#include <stdexcept>
#include <vector>

namespace
{

std::wstring Widen(const std::string& s)
{
    if (s.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), (int)s.size(), &w[0], n);
    return w;
}

std::string EnvOr(const char* name, const char* fallback)
{
    char buf[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return (n > 0 && n < sizeof buf) ? std::string(buf, n) : std::string(fallback);
}

// Removes what a test put on a disc; the label file belongs to the prefix and stays.
void RemoveTree(const std::wstring& dir)  // dir ends with '\'
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L".." || name == L".windows-label") continue;
        std::wstring full = dir + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(full + L"\\");
            RemoveDirectoryW(full.c_str());
        } else {
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(full.c_str());
        }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

HANDLE CreateForWrite(const std::wstring& full)
{
    HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("CdromFixture: cannot create a file on the disc");
    return h;
}

}  // namespace

CdromFixture::CdromFixture(Drive drive)
{
    m_drive = drive == Labelled ? "X:" : "Y:";
    std::string unix = EnvOr("LORNIVAL_CDROM_DIR", "");
    if (unix.empty()) throw std::runtime_error("CdromFixture: LORNIVAL_CDROM_DIR is not set");
    unix += drive == Labelled ? "/x" : "/y";
    // Wine maps the Unix root as Z:.
    std::wstring w = L"Z:" + Widen(unix);
    for (auto& c : w)
        if (c == L'/') c = L'\\';
    if (w.back() != L'\\') w += L'\\';
    m_backing = w;
    CreateDirectoryW(m_backing.c_str(), nullptr);
    Clear();
}

CdromFixture::~CdromFixture() { Clear(); }

std::string CdromFixture::Root() const { return m_drive + "\\"; }

void CdromFixture::Clear() { RemoveTree(m_backing); }

std::wstring CdromFixture::Full(const std::wstring& path) const
{
    std::wstring p = path;
    for (auto& c : p)
        if (c == L'/') c = L'\\';
    return m_backing + p;
}

void CdromFixture::MakeParents(const std::wstring& full) const
{
    for (size_t i = m_backing.size(); i < full.size(); ++i)
        if (full[i] == L'\\') CreateDirectoryW(full.substr(0, i).c_str(), nullptr);
}

std::string CdromFixture::Label() { return EnvOr("LORNIVAL_CDROM_LABEL", ""); }

void CdromFixture::AddDir(const std::wstring& path)
{
    std::wstring full = Full(path);
    MakeParents(full + L"\\");
}

void CdromFixture::AddFile(const std::wstring& path, const std::string& content)
{
    std::wstring full = Full(path);
    MakeParents(full);
    HANDLE h = CreateForWrite(full);
    DWORD written = 0;
    if (!content.empty()) WriteFile(h, content.data(), (DWORD)content.size(), &written, nullptr);
    CloseHandle(h);
}

void CdromFixture::AddFile(const std::string& path, const std::string& content)
{
    AddFile(Widen(path), content);
}

void CdromFixture::AddSparseFile(const std::wstring& path, std::uint64_t size)
{
    std::wstring full = Full(path);
    MakeParents(full);
    HANDLE h = CreateForWrite(full);
    LARGE_INTEGER li;
    li.QuadPart = (LONGLONG)size;
    SetFilePointerEx(h, li, nullptr, FILE_BEGIN);
    SetEndOfFile(h);  // on the Unix side this is a truncate: no blocks are written
    CloseHandle(h);
}
