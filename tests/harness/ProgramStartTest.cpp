// The program of this build tree (in the i686 tree, the Lornival.exe that ships) starts, shows a
// top-level window with a caption, ends with exit code 0 when that window is asked to close, and
// has saved its new catalogue by then.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace
{

// Generous: under qemu-user a process start takes seconds. Only a hang runs into these.
const DWORD kWindowWaitMs = 60000;
const DWORD kExitWaitMs = 60000;
const DWORD kPollMs = 100;

// The program's path relative to this test program's folder comes from the build.
std::wstring ProgramPath()
{
    wchar_t self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    path.erase(path.find_last_of(L"\\/") + 1);
    for (const char* p = LORNIVAL_PROGRAM_FROM_TESTS; *p != 0; ++p)
        path += *p == '/' ? L'\\' : wchar_t(*p);
    return path;
}

struct WindowSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    // The main window has a caption; the loading splash shown before it has none.
    const bool captioned = (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    if (pid == search->processId && IsWindowVisible(hwnd) && captioned &&
        GetWindow(hwnd, GW_OWNER) == nullptr)
    {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForTopLevelWindow(const PROCESS_INFORMATION& process)
{
    WindowSearch search = {process.dwProcessId, nullptr};
    for (DWORD waited = 0; waited < kWindowWaitMs; waited += kPollMs) {
        EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        if (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

}  // namespace

TEST(ShippingProgram, StartsShowsItsWindowAndClosesWithExitCodeZero)
{
    const std::wstring built = ProgramPath();
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(built.c_str()))
        << "missing next to the tests";
    // A copy in a folder of its own: the catalogue file is kept beside the program, and this run
    // starts without one.
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"lornival-start-" +
                                std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"Lornival.exe";
    const std::wstring database = folder + L"My collections.dat";
    ASSERT_TRUE(CopyFileW(built.c_str(), exe.c_str(), FALSE));
    DeleteFileW(database.c_str());
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << "CreateProcess failed: " << GetLastError();

    const HWND window = WaitForTopLevelWindow(process);
    EXPECT_NE(nullptr, window) << "no visible top-level window appeared";
    if (window != nullptr) {
        EXPECT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    }

    const bool ended = WaitForSingleObject(process.hProcess, kExitWaitMs) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "still running after WM_CLOSE";
    if (!ended) TerminateProcess(process.hProcess, 1);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (window != nullptr && ended) {
        EXPECT_EQ(0u, exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // The document made the new, empty catalogue and saved it at the close: a bzip2 stream.
    char head[4] = {};
    DWORD read = 0;
    HANDLE file = CreateFileW(database.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file) << "no catalogue was saved";
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, head, sizeof head, &read, nullptr);
        CloseHandle(file);
    }
    EXPECT_EQ(std::string("BZh5"), std::string(head, read));
    DeleteFileW(database.c_str());
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
}
