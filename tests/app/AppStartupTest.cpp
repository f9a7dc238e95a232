// How the application starts and ends: a second copy ends at once and silently, an unreadable
// database ends the start-up after its message and keeps the file, and a normal start opens the
// frame, whose closing runs the whole way out (saved UI state, quit thread stopped, mutex free).
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <iterator>
#include <string>

#include "AppTestSupport.h"
#include "app/CTarnimelFrame.h"
#include "catalog/CatalogShell.h"
#include "catalog/TextConversion.h"
#include "framework/CWinApp.h"

namespace
{

const char RegistryKey[] = "LornivalAppStartupTests";
TestApp g_app(RegistryKey);

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Top-level windows of this process that can be seen.
BOOL CALLBACK CountVisible(HWND hwnd, LPARAM param)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd)) ++*reinterpret_cast<int*>(param);
    return TRUE;
}

int VisibleWindows()
{
    int count = 0;
    EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

class AppStartup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool initialised = false;
        if (!initialised) {
            AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
            g_app.InitApplication();
            initialised = true;
        }
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
        g_app.m_messages.clear();
        g_app.m_answers.clear();
        PumpPending();
    }
    void TearDown() override
    {
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
    }
};

TEST_F(AppStartup, ASecondCopyEndsAtOnceWithoutAWord)
{
    ScratchFolder folder;
    HANDLE other = CreateMutexA(nullptr, FALSE, g_app.MutexName().c_str());
    ASSERT_NE(nullptr, other);
    EXPECT_FALSE(g_app.InitInstance());
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    EXPECT_FALSE(g_app.HoldsInstanceMutex());
    EXPECT_TRUE(g_app.m_messages.empty());
    EXPECT_EQ(0, VisibleWindows());
    g_app.ExitInstance();
    CloseHandle(other);

    // With the other copy gone the name is free again: this copy keeps it while it runs.
    EXPECT_FALSE(g_app.HoldsInstanceMutex());
}

TEST_F(AppStartup, AnUnreadableDatabaseEndsTheStartUpAfterItsMessageAndIsNotOverwritten)
{
    ScratchFolder folder;
    const std::string path = folder.File("My collections.dat");
    const std::string garbage = "BZh5 this is not a catalogue at all";
    {
        std::ofstream out(path, std::ios::binary);
        out << garbage;
    }
    EXPECT_FALSE(g_app.InitInstance());
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    ASSERT_FALSE(g_app.m_messages.empty());
    EXPECT_EQ(ToAnsiString(L"Ошибка загрузки базы данных! Продолжение работы невозможно..."),
              g_app.m_messages.front());
    g_app.ExitInstance();
    PumpPending();
    EXPECT_EQ(0, VisibleWindows());
    EXPECT_EQ(garbage, ReadAll(path));
}

TEST_F(AppStartup, ANormalStartShowsTheFrameAndClosingItRunsTheWayOut)
{
    ScratchFolder folder;
    ASSERT_TRUE(g_app.InitInstance());
    CTarnimelFrame* frame = g_app.GetMainFrame();
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(frame, g_app.m_pMainWnd);
    EXPECT_TRUE(g_app.HoldsInstanceMutex());
    EXPECT_EQ(&g_app, dynamic_cast<TestApp*>(AfxGetApp()));
    char title[64] = {};
    GetWindowTextA(frame->GetSafeHwnd(), title, sizeof title);
    EXPECT_STREQ("Lornival", title);
    EXPECT_TRUE(frame->IsWindowVisible());
    // Every setting lives under the application's key, named after the application's title.
    EXPECT_STREQ(RegistryKey, g_app.m_pszRegistryKey);
    EXPECT_STREQ("Lornival", g_app.m_pszProfileName);
    EXPECT_STREQ("Settings\\1.16", (LPCSTR)g_app.GetRegistrySection());

    // The shell the catalogue talks through was there before the document.
    EXPECT_NE(nullptr, CatalogShell::Get());

    PumpPending();
    frame->PostMessage(WM_CLOSE);
    const int code = g_app.Run();  // ends on the frame's WM_QUIT and runs ExitInstance
    EXPECT_EQ(0, code);
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    EXPECT_FALSE(g_app.HoldsInstanceMutex());
    // The UI state was saved on the way out.
    EXPECT_TRUE(KeyExists(g_app.RegistryRoot() + "\\Lornival\\Settings\\1.16"));

    // The quit thread stopped with ExitInstance: no WM_QUIT keeps coming.
    PumpPending();
    Sleep(350);
    EXPECT_EQ(0, PumpPending());
}

}  // namespace
