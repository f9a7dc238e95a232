// What the tests of the application's windows share: an application object that answers message
// boxes from a script, a scratch folder for the database, a context-menu tracker that answers
// from a script, a helper that answers a modal dialog from another thread, and message pumping.
#pragma once
#include <windows.h>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/CTarnimelApp.h"
#include "app/ContextMenuTracker.h"
#include "catalog/CTarnimelDoc.h"

// The application with test names (its own mutex and registry key) and scripted message boxes.
class TestApp : public CTarnimelApp
{
public:
    explicit TestApp(const char* registryKey)
    {
        m_registryKey = registryKey;
        m_mutexName = "LornivalTest.Mutex." + std::to_string(GetCurrentProcessId());
    }
    const std::string& MutexName() const { return m_mutexName; }
    std::string RegistryRoot() const { return "Software\\" + m_registryKey; }

    int DoMessageBox(LPCSTR prompt, UINT type, UINT) override
    {
        m_messages.push_back(prompt ? prompt : "");
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }

    std::vector<std::string> m_messages;
    std::deque<int> m_answers;  // answers for the next boxes; then No, or OK
};

// A folder of its own for the database files, removed with everything in it at the end.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        static int serial = 0;
        m_path = std::string(temp) + "lornival-app-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++serial) + "\\";
        CreateDirectoryA(m_path.c_str(), nullptr);
        CTarnimelDoc::SetDatabaseDirectory(m_path);
    }
    ~ScratchFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((m_path + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((m_path + found.cFileName).c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + name; }

private:
    std::string m_path;
};

// Removes a registry key with everything below it.
inline void DeleteRegistryTree(HKEY parent, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char sub[256];
    while (RegEnumKeyA(key, 0, sub, sizeof sub) == ERROR_SUCCESS) DeleteRegistryTree(key, sub);
    RegCloseKey(key);
    RegDeleteKeyA(parent, name);
}

// Dispatches what is waiting on this thread; a WM_QUIT met is counted and dropped.
inline int PumpPending()
{
    int quits = 0;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ++quits;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return quits;
}

// One item of a popup as it was shown.
struct ShownMenuItem
{
    UINT id;  // 0 for a separator
    std::string text;
    bool checked;
};

// Answers context menus from a script and keeps what each menu showed.
class ScriptedTracker : public ContextMenuTracker
{
public:
    ScriptedTracker() { ContextMenuTracker::Set(this); }
    ~ScriptedTracker() override { ContextMenuTracker::Set(nullptr); }

    UINT Track(HMENU popup, HWND) override
    {
        std::vector<ShownMenuItem> items;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[128] = {};
            GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
            const UINT state = GetMenuState(popup, i, MF_BYPOSITION);
            items.push_back({(state & MF_SEPARATOR) ? 0u : GetMenuItemID(popup, i), text,
                             (state & MF_CHECKED) != 0});
        }
        m_shown.push_back(items);
        return m_answer;
    }
    std::vector<UINT> LastIds() const
    {
        std::vector<UINT> ids;
        if (!m_shown.empty())
            for (const ShownMenuItem& item : m_shown.back()) ids.push_back(item.id);
        return ids;
    }

    UINT m_answer = 0;
    std::vector<std::vector<ShownMenuItem>> m_shown;
};

// Waits on another thread for a dialog of this process with the given caption, lets `look` read
// it, then ends it with IDOK (or the command `look` returns).
class DialogAnswerer
{
public:
    using Look = std::function<UINT(HWND dialog)>;
    DialogAnswerer(const char* caption, Look look = {}) : m_caption(caption), m_look(look)
    {
        m_thread = std::thread([this] { Run(); });
    }
    ~DialogAnswerer()
    {
        m_stop = true;
        if (m_thread.joinable()) m_thread.join();
    }
    // Joins the thread; true when the dialog was met.
    bool Met()
    {
        if (m_thread.joinable()) m_thread.join();
        return m_met;
    }

private:
    struct Search
    {
        const char* caption;
        HWND found;
    };
    static BOOL CALLBACK Find(HWND hwnd, LPARAM param)
    {
        Search* search = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
            search->caption == std::string(text)) {
            search->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    void Run()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!m_stop && std::chrono::steady_clock::now() < end) {
            Search search = {m_caption.c_str(), nullptr};
            EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                m_met = true;
                const UINT command = m_look ? m_look(search.found) : IDOK;
                PostMessageA(search.found, WM_COMMAND, command, 0);
                return;
            }
            Sleep(20);
        }
    }

    std::string m_caption;
    Look m_look;
    std::atomic<bool> m_stop{false};
    bool m_met = false;
    std::thread m_thread;
};
