// A running copy of Lornival.exe started by the driver: its process, its top-level windows and
// the dialogs and message boxes it shows. Every wait polls with a generous limit, because under
// qemu-user a start or a modal loop takes seconds; only a hang runs into the limits.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Polls until the condition holds or the time is up; answers the last value of the condition.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs);

class ProgramUnderTest
{
public:
    static const DWORD kStartLimitMs = 60000;
    static const DWORD kLimitMs = 20000;

    ProgramUnderTest() = default;
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program with its own folder as the current directory. False when it could not
    // be started (the reason goes to `why`).
    bool Start(const std::wstring& exe, std::string* why = nullptr);
    bool Running() const;
    HANDLE Process() const { return m_process.hProcess; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD MainThreadId() const { return m_process.dwThreadId; }
    // Waits for the process to end; its exit code goes to `code` when it ended.
    bool WaitForExit(DWORD limitMs, DWORD* code = nullptr);
    void Kill();

    // The main frame: the visible top-level window with a caption (the splash has none).
    HWND WaitForMainWindow(DWORD limitMs = kStartLimitMs) const;
    HWND MainWindow() const;
    // Every visible top-level window of the process.
    std::vector<HWND> TopLevelWindows() const;
    // A visible dialog of the process (window class "#32770"), optionally by its caption.
    HWND FindDialog(const std::wstring& caption = std::wstring()) const;
    HWND WaitForDialog(const std::wstring& caption = std::wstring(),
                       DWORD limitMs = kLimitMs) const;
    // Whether the process has handled everything sent to its main window so far.
    bool Idle(DWORD limitMs = kLimitMs) const;
    // The first descendant of `parent` with this window class and, when given, this text.
    HWND FindDescendant(HWND parent, const wchar_t* windowClass,
                        const std::wstring& text = std::wstring()) const;
    std::vector<HWND> Descendants(HWND parent, const wchar_t* windowClass) const;

    // A command as the menus and toolbars send it; posted, because many open a modal window.
    bool PostCommand(UINT id) const;

private:
    PROCESS_INFORMATION m_process = {};
};

// The text of any window, through the system's marshalling of WM_GETTEXT.
std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);
