// Starting the program, finding its windows and waiting for it.
#include "ProgramUnderTest.h"

namespace
{
const DWORD kPollMs = 50;
const DWORD kTextLimitMs = 5000;
const int kTextChars = 4096;
const wchar_t kDialogClass[] = L"#32770";

struct TopLevelSearch
{
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && IsWindowVisible(hwnd)) search->found.push_back(hwnd);
    return TRUE;
}

struct ChildSearch
{
    const wchar_t* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChildren(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (search->windowClass == nullptr || ClassName(hwnd) == search->windowClass)
        search->found.push_back(hwnd);
    return TRUE;
}

bool SameBitness(HANDLE process)
{
    BOOL self = FALSE, other = FALSE;
    IsWow64Process(GetCurrentProcess(), &self);
    IsWow64Process(process, &other);
    return self == other;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= limitMs) return condition();
        Sleep(kPollMs);
    }
}

std::wstring WindowText(HWND hwnd)
{
    std::wstring text(kTextChars, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_NORMAL, kTextLimitMs, &length))
        return std::wstring();
    text.resize(wcslen(text.c_str()));
    return text;
}

std::wstring ClassName(HWND hwnd)
{
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (Running()) Kill();
    if (m_process.hProcess != nullptr) CloseHandle(m_process.hProcess);
    if (m_process.hThread != nullptr) CloseHandle(m_process.hThread);
}

bool ProgramUnderTest::Start(const std::wstring& exe, std::string* why)
{
    std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/"));
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &m_process))
    {
        if (why) *why = "CreateProcess failed: " + std::to_string(GetLastError());
        return false;
    }
    // The list and tree structures are written in this program's layout.
    if (!SameBitness(m_process.hProcess)) {
        if (why) *why = "the program and the driver differ in pointer size";
        Kill();
        return false;
    }
    return true;
}

bool ProgramUnderTest::Running() const
{
    return m_process.hProcess != nullptr &&
           WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramUnderTest::WaitForExit(DWORD limitMs, DWORD* code)
{
    if (m_process.hProcess == nullptr) return true;
    if (WaitForSingleObject(m_process.hProcess, limitMs) != WAIT_OBJECT_0) return false;
    if (code != nullptr) GetExitCodeProcess(m_process.hProcess, code);
    return true;
}

void ProgramUnderTest::Kill()
{
    if (m_process.hProcess == nullptr) return;
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, kLimitMs);
}

std::vector<HWND> ProgramUnderTest::TopLevelWindows() const
{
    TopLevelSearch search = {m_process.dwProcessId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::MainWindow() const
{
    for (HWND hwnd : TopLevelWindows()) {
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        if ((style & WS_CAPTION) == WS_CAPTION && GetWindow(hwnd, GW_OWNER) == nullptr &&
            ClassName(hwnd) != kDialogClass)
            return hwnd;
    }
    return nullptr;
}

HWND ProgramUnderTest::WaitForMainWindow(DWORD limitMs) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = MainWindow();
            return found != nullptr || !Running();
        },
        limitMs);
    return found;
}

HWND ProgramUnderTest::FindDialog(const std::wstring& caption) const
{
    for (HWND hwnd : TopLevelWindows())
        if (ClassName(hwnd) == kDialogClass && (caption.empty() || WindowText(hwnd) == caption))
            return hwnd;
    return nullptr;
}

HWND ProgramUnderTest::WaitForDialog(const std::wstring& caption, DWORD limitMs) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindDialog(caption);
            return found != nullptr || !Running();
        },
        limitMs);
    return found;
}

bool ProgramUnderTest::Idle(DWORD limitMs) const
{
    const HWND main = MainWindow();
    DWORD_PTR result = 0;
    return main != nullptr &&
           SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, limitMs, &result) != 0;
}

std::vector<HWND> ProgramUnderTest::Descendants(HWND parent, const wchar_t* windowClass) const
{
    ChildSearch search = {windowClass, {}};
    EnumChildWindows(parent, CollectChildren, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::FindDescendant(HWND parent, const wchar_t* windowClass,
                                      const std::wstring& text) const
{
    for (HWND hwnd : Descendants(parent, windowClass))
        if (text.empty() || WindowText(hwnd) == text) return hwnd;
    return nullptr;
}

bool ProgramUnderTest::PostCommand(UINT id) const
{
    const HWND main = MainWindow();
    return main != nullptr && PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}
