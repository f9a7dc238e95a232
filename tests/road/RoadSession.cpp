// Folders, registry and window look-ups of the road's run.
#include "RoadSession.h"
#include <shlwapi.h>

const wchar_t RoadSession::kProgramKey[] = L"Software\\rimsel\\Lornival";
const wchar_t RoadSession::kDatabaseName[] = L"My collections.dat";

namespace
{
const wchar_t kTreeClass[] = L"SysTreeView32";
const wchar_t kListClass[] = L"SysListView32";

std::wstring TestProgramFolder()
{
    wchar_t self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return RoadSession::FolderOf(std::wstring(self, n));
}

void RemoveFolderContent(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = dir + L"\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveFolderContent(full);
            RemoveDirectoryW(full.c_str());
        } else {
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(full.c_str());
        }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

bool QueryValue(const std::wstring& section, const std::wstring& value, DWORD& type,
                std::vector<BYTE>& data)
{
    HKEY key = nullptr;
    const std::wstring path = std::wstring(RoadSession::kProgramKey) + L"\\" + section;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool ok = RegQueryValueExW(key, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        data.assign(size, 0);
        ok = size == 0 || RegQueryValueExW(key, value.c_str(), nullptr, &type, data.data(),
                                           &size) == ERROR_SUCCESS;
        data.resize(size);
    }
    RegCloseKey(key);
    return ok;
}

HWND FindIn(HWND root, const wchar_t* windowClass, const std::wstring& text,
            const ProgramUnderTest& program)
{
    if (ClassName(root) == windowClass && (text.empty() || WindowText(root) == text)) return root;
    return program.FindDescendant(root, windowClass, text);
}

}  // namespace

std::wstring RoadSession::FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring RoadSession::TreeProgram()
{
    std::wstring path = TestProgramFolder() + L"\\";
    for (const char* p = LORNIVAL_PROGRAM_FROM_TESTS; *p != 0; ++p)
        path += *p == '/' ? L'\\' : wchar_t(*p);
    return path;
}

std::wstring RoadSession::FreshProgramFolder(const std::wstring& name)
{
    const std::wstring folder = TestProgramFolder() + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    RemoveFolderContent(folder);
    const std::wstring exe = folder + L"\\Lornival.exe";
    if (!CopyFileW(TreeProgram().c_str(), exe.c_str(), FALSE)) return std::wstring();
    return exe;
}

bool RoadSession::DeleteProgramKey()
{
    const DWORD result = SHDeleteKeyW(HKEY_CURRENT_USER, kProgramKey);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::wstring RoadSession::ReadString(const std::wstring& section, const std::wstring& value,
                                     bool* found)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    const bool ok = QueryValue(section, value, type, data) && (type == REG_SZ);
    if (found != nullptr) *found = ok;
    if (!ok) return std::wstring();
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
    text.resize(wcslen(text.c_str()));
    return text;
}

std::vector<BYTE> RoadSession::ReadBinary(const std::wstring& section, const std::wstring& value)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!QueryValue(section, value, type, data) || type != REG_BINARY) data.clear();
    return data;
}

bool RoadSession::ReadDword(const std::wstring& section, const std::wstring& value, DWORD& out)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!QueryValue(section, value, type, data) || type != REG_DWORD || data.size() != 4)
        return false;
    out = *reinterpret_cast<const DWORD*>(data.data());
    return true;
}

std::vector<BYTE> RoadSession::ReadBytes(const std::wstring& path)
{
    std::vector<BYTE> bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    const DWORD size = GetFileSize(h, nullptr);
    bytes.resize(size);
    DWORD read = 0;
    if (size > 0 && !::ReadFile(h, bytes.data(), size, &read, nullptr)) read = 0;
    bytes.resize(read);
    CloseHandle(h);
    return bytes;
}

bool RoadSession::FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string RoadSession::StartInFreshFolder(const std::wstring& name)
{
    DeleteProgramKey();
    m_exe = FreshProgramFolder(name);
    if (m_exe.empty()) return "the program could not be copied into a fresh folder";
    std::string why;
    if (!StartProgram(&why) && why.empty()) why = "the program did not start";
    return why;
}

bool RoadSession::StartProgram(std::string* why)
{
    m_program.reset(new ProgramUnderTest);
    return m_program->Start(m_exe, why);
}

HWND RoadSession::TreeWindow() const
{
    for (HWND top : m_program->TopLevelWindows()) {
        const HWND found = FindIn(top, kTreeClass, L"По категориям", *m_program);
        if (found != nullptr) return found;
    }
    return nullptr;
}

HWND RoadSession::ListWindow() const
{
    const HWND main = Main();
    if (main == nullptr) return nullptr;
    for (HWND list : m_program->Descendants(main, kListClass))
        if ((UINT)GetDlgCtrlID(list) == kListId) return list;
    return nullptr;
}

HWND RoadSession::WorkspaceBar() const
{
    HWND bar = TreeWindow();
    while (bar != nullptr && GetParent(bar) != GetAncestor(bar, GA_ROOT)) bar = GetParent(bar);
    return bar;
}

bool RoadSession::WaitForListNames(const std::vector<std::wstring>& names, DWORD limitMs) const
{
    return WaitUntil([&] { return List().Names() == names; }, limitMs);
}

bool RoadSession::WaitForCaret(const std::vector<std::wstring>& path, DWORD limitMs) const
{
    return WaitUntil(
        [&] {
            const RemoteTreeView tree = Tree();
            return tree.Handle() != nullptr && tree.PathOf(tree.Caret()) == path;
        },
        limitMs);
}
