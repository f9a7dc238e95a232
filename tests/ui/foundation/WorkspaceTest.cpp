// The workspace: the order of a load and a save with stand-in bars and a recording dock manager
// in a real frame, the state version
// rules, a disabled save, the window placement, the input managers made once, double clicks.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <stdexcept>

#include "UpperLayerFakes.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPSharedBarData.h"

using UpperLayerFakes::CallLog;
using UpperLayerFakes::TestToolBar;

namespace
{
const char kRegistryKey[] = "LornivalU2WorkspaceTests";
const char kRoot[] = "Software\\LornivalU2WorkspaceTests";
const char kAppName[] = "App";
const char kSection[] = "Settings\\1.16";
// The workspace path: "SOFTWARE\" + key + "\" + profile (the application name) + "\" + section.
const char kPath[] = "SOFTWARE\\LornivalU2WorkspaceTests\\App\\Settings\\1.16\\";
const UINT kHiddenImageCommand = 32771;

std::string KeyOf(const char* sub)
{
    return std::string("Software\\LornivalU2WorkspaceTests\\App\\Settings\\1.16\\") + sub;
}

BOOL KeyExists(const std::string& key)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(hKey);
    return TRUE;
}

DWORD ReadDword(const std::string& key, const char* value)
{
    DWORD data = 0xDEAD, size = sizeof data;
    SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, &data, &size);
    return data;
}

void WriteDword(const std::string& key, const char* value, DWORD data)
{
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), value, REG_DWORD, &data, sizeof data);
}

// A toolbar that notes what it sees of the workspace while it loads.
class ProbeToolBar : public TestToolBar
{
public:
    using TestToolBar::TestToolBar;
    BOOL LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID) override
    {
        m_majorSeen = GetWorkspace()->GetDataVersionMajor();
        m_minorSeen = GetWorkspace()->GetDataVersionMinor();
        m_imageUpdateSeen = ZAVPSharedBarData::g_bButtonImageUpdate;
        m_has641Seen = GetWorkspace()->IsStateVersionAtLeast(6, 41);
        m_menuAnimationSeen = CZAVPToolBar::m_nMenuAnimation;
        m_imageHiddenSeen = GetCommandManager()->IsMenuImageHidden(kHiddenImageCommand);
        return TestToolBar::LoadState(lpszProfileName, nIndex, uiID);
    }
    int m_majorSeen = 0;
    int m_minorSeen = 0;
    BOOL m_imageUpdateSeen = -1;
    BOOL m_has641Seen = -1;
    int m_menuAnimationSeen = -1;
    BOOL m_imageHiddenSeen = -1;
};

// The frame's dock manager, noting the layout calls the frame implementation passes on.
class RecordingDockManager : public CZAVPDockManager
{
public:
    BOOL LoadState(LPCSTR, UINT) override
    {
        UpperLayerFakes::Record("DockManager::LoadState");
        return TRUE;
    }
    BOOL SaveState(LPCSTR, UINT) override
    {
        UpperLayerFakes::Record("DockManager::SaveState");
        return TRUE;
    }
    void SetDockState() override { UpperLayerFakes::Record("DockManager::SetDockState"); }
};

// A window that keeps the commands sent to it.
class CommandSink : public CWnd
{
public:
    CommandSink() { CreateEx(0, nullptr, "sink", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }
    ~CommandSink() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) m_commands.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<WPARAM> m_commands;
};

class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        m_app.SetRegistryKey(kRegistryKey);
        CallLog().clear();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        m_frame.m_Impl.m_pDockManager = &m_dockManager;
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }

    CWinApp m_app{kAppName};
    RecordingDockManager m_dockManager;
    // A frame deletes itself when its window goes, so it lives on the heap.
    CZAVPFrameWnd& m_frame = *new CZAVPFrameWnd;
};

TEST_F(WorkspaceTest, LoadRunsInTheFixedOrderAndSkipsFloatingToolbars)
{
    // The shared toolbar parameters and the command manager are read before any bar.
    WriteDword(KeyOf("ZAVToolbarParameters"), "Tooltips", 1);
    WriteDword(KeyOf("ZAVToolbarParameters"), "ShortcutKeys", 1);
    WriteDword(KeyOf("ZAVToolbarParameters"), "LargeIcons", 0);
    WriteDword(KeyOf("ZAVToolbarParameters"), "MenuAnimation", 2);
    const BYTE hidden[] = {1, 0, 0x03, 0x80, 0, 0};  // one command: 32771
    SHSetValueA(HKEY_CURRENT_USER, KeyOf("ZAVCommandManager").c_str(), "CommandsWithoutImages",
                REG_BINARY, hidden, sizeof hidden);
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    ProbeToolBar docked("Docked", &m_frame);
    TestToolBar floating("Floating", &m_frame, TRUE);

    EXPECT_TRUE(workspace.LoadState(nullptr, &m_frame.m_Impl));

    // The parameter load applies the large-icons setting again, which lays out every toolbar.
    const std::vector<std::string> expected = {
        "Docked.AdjustLayout",
        "Floating.AdjustLayout",
        std::string("Docked.LoadState(") + kPath + ")",
        "DockManager::LoadState",
        "DockManager::SetDockState",
    };
    EXPECT_EQ(expected, CallLog());
    EXPECT_EQ(2, docked.m_menuAnimationSeen);
    EXPECT_TRUE(docked.m_imageHiddenSeen);
    CZAVPToolBar::m_nMenuAnimation = 0;
    GetCommandManager()->ClearAll();
}

TEST_F(WorkspaceTest, VersionIsNoneWhileAFirstLoadRunsAndCurrentAfter)
{
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    ProbeToolBar bar("Bar", &m_frame);
    EXPECT_EQ(-1, workspace.GetDataVersionMajor());
    EXPECT_TRUE(workspace.IsStateVersionAtLeast(6, 52));  // nothing read counts as current

    workspace.LoadState(nullptr, &m_frame.m_Impl);

    EXPECT_EQ(-1, bar.m_majorSeen);
    EXPECT_EQ(-1, bar.m_minorSeen);
    EXPECT_EQ(1u, UpperLayerFakes::CallsStartingWith("DockManager::LoadState").size());
    EXPECT_EQ(6, workspace.GetDataVersionMajor());
    EXPECT_EQ(70, workspace.GetDataVersionMinor());
}

TEST_F(WorkspaceTest, StoredVersionGovernsTheLoadAndAZeroBlocksTheDockingLayout)
{
    struct Case
    {
        DWORD major, minor;
        bool dockLayoutLoaded;
        bool hasFieldsOf641;
    };
    // clang-format off
    const Case cases[] = {
        {6, 41, true, true},
        {5, 90, true, false},
        {0, 70, false, false},
        {6, 0, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        CallLog().clear();
        WriteDword(KeyOf("ZAVControlBarVersion"), "Major", c.major);
        WriteDword(KeyOf("ZAVControlBarVersion"), "Minor", c.minor);
        CZAVPWorkspace workspace;
        workspace.SetRegistrySection(kSection);
        ProbeToolBar bar("Bar", &m_frame);
        workspace.LoadState(nullptr, &m_frame.m_Impl);
        EXPECT_EQ((int)c.major, bar.m_majorSeen) << c.major << "." << c.minor;
        EXPECT_EQ((int)c.minor, bar.m_minorSeen) << c.major << "." << c.minor;
        EXPECT_EQ(c.dockLayoutLoaded,
                  !UpperLayerFakes::CallsStartingWith("DockManager::LoadState").empty())
            << c.major << "." << c.minor;
        EXPECT_EQ(c.hasFieldsOf641, bar.m_has641Seen != FALSE) << c.major << "." << c.minor;
        EXPECT_EQ(6, workspace.GetDataVersionMajor());
        EXPECT_EQ(70, workspace.GetDataVersionMinor());
    }
}

TEST_F(WorkspaceTest, SaveRunsInTheFixedOrderWritesTheVersionAndSavesFloatingToolbars)
{
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    TestToolBar docked("Docked", &m_frame);
    TestToolBar floating("Floating", &m_frame, TRUE);
    // A user toolbar and a visible torn-off bar of the frame.
    TestToolBar user("User", &m_frame);
    TestToolBar tearOff("TearOff", &m_frame);
    tearOff.ShowWindow(SW_SHOWNOACTIVATE);
    m_frame.m_Impl.m_listUserDefinedToolbars.AddTail(&user);
    m_frame.m_Impl.m_listTearOffToolbars.AddTail(&tearOff);

    EXPECT_TRUE(workspace.SaveState(&m_frame.m_Impl));
    m_frame.m_Impl.m_listUserDefinedToolbars.RemoveAll();
    m_frame.m_Impl.m_listTearOffToolbars.RemoveAll();

    const std::string path = kPath;
    const std::vector<std::string> expected = {
        "DockManager::SaveState",           "Docked.SaveState(" + path + ")",
        "Floating.SaveState(" + path + ")", "User.SaveState(" + path + ")",
        "TearOff.SaveState(" + path + ")",
        "User.SaveState(" + path + ")",     // the frame's user toolbars
        "TearOff.SaveState(" + path + ")",  // and its torn-off bars
    };
    EXPECT_EQ(expected, CallLog());
    EXPECT_EQ(1u, ReadDword(KeyOf("ZAVToolbarParameters"), "Tooltips"));
    EXPECT_TRUE(KeyExists(KeyOf("ZAVCommandManager")));
    EXPECT_EQ(6u, ReadDword(KeyOf("ZAVControlBarVersion"), "Major"));
    EXPECT_EQ(70u, ReadDword(KeyOf("ZAVControlBarVersion"), "Minor"));
}

TEST_F(WorkspaceTest, DisabledSaveWritesNothingAtAll)
{
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    workspace.InitMouseManager();
    TestToolBar docked("Docked", &m_frame);
    workspace.m_bSaveState = FALSE;

    EXPECT_FALSE(workspace.SaveState(&m_frame.m_Impl));

    EXPECT_TRUE(CallLog().empty());
    EXPECT_FALSE(KeyExists(kRoot));
}

TEST_F(WorkspaceTest, FrameBarsOnlySkipsToolbarsOfOtherFrames)
{
    CZAVPFrameWnd& other = *new CZAVPFrameWnd;
    ASSERT_TRUE(other.Create(nullptr, "Other", WS_OVERLAPPEDWINDOW));
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    workspace.m_bLoadSaveFrameBarsOnly = TRUE;
    TestToolBar mine("Mine", &m_frame);
    TestToolBar theirs("Theirs", &other);
    // The frame's user-toolbar list holds a bar of the other frame too.
    m_frame.m_Impl.m_listUserDefinedToolbars.AddTail(&mine);
    m_frame.m_Impl.m_listUserDefinedToolbars.AddTail(&theirs);

    workspace.LoadState(nullptr, &m_frame.m_Impl);
    workspace.SaveState(&m_frame.m_Impl);
    m_frame.m_Impl.m_listUserDefinedToolbars.RemoveAll();

    // Loaded and saved by the workspace, then saved as a user toolbar.
    EXPECT_EQ(3u, UpperLayerFakes::CallsStartingWith("Mine.").size());
    EXPECT_TRUE(UpperLayerFakes::CallsStartingWith("Theirs.").empty());
    other.DestroyWindow();
}

TEST_F(WorkspaceTest, SmartUpdateResetsImagesWhenAToolbarAddedMissingButtons)
{
    CZAVPWorkspace workspace(TRUE);
    workspace.SetRegistrySection(kSection);
    ProbeToolBar changed("Changed", &m_frame);
    changed.m_bAddsMissingButtons = TRUE;
    TestToolBar other("Other", &m_frame);

    workspace.LoadState(nullptr, &m_frame.m_Impl);

    EXPECT_FALSE(changed.m_imageUpdateSeen);  // image updates are off while the bars load
    EXPECT_TRUE(ZAVPSharedBarData::g_bButtonImageUpdate);
    EXPECT_EQ(1u, UpperLayerFakes::CallsStartingWith("Changed.ResetAllImages").size());
    EXPECT_EQ(1u, UpperLayerFakes::CallsStartingWith("Other.ResetAllImages").size());
}

// A toolbar whose stored state cannot be read throws out of the load.
class ThrowingToolBar : public TestToolBar
{
public:
    using TestToolBar::TestToolBar;
    BOOL LoadState(LPCSTR, int, UINT) override
    {
        throw std::runtime_error("unreadable toolbar state");
    }
};

// The load switched image updates off for its length and, when a bar threw, left them off for
// good.
TEST_F(WorkspaceTest, ImageUpdatesComeBackWhenALoadThrows)
{
    CZAVPWorkspace workspace(TRUE);
    workspace.SetRegistrySection(kSection);
    ThrowingToolBar bad("Bad", &m_frame);
    ASSERT_TRUE(ZAVPSharedBarData::g_bButtonImageUpdate);
    EXPECT_THROW(workspace.LoadState(nullptr, &m_frame.m_Impl), std::runtime_error);
    EXPECT_TRUE(ZAVPSharedBarData::g_bButtonImageUpdate);
}

TEST_F(WorkspaceTest, WithoutSmartUpdateAddedButtonsResetNoImages)
{
    CZAVPWorkspace workspace(FALSE);
    workspace.SetRegistrySection(kSection);
    ProbeToolBar changed("Changed", &m_frame);
    changed.m_bAddsMissingButtons = TRUE;

    workspace.LoadState(nullptr, &m_frame.m_Impl);

    EXPECT_TRUE(changed.m_imageUpdateSeen);
    EXPECT_TRUE(UpperLayerFakes::CallsStartingWith("Changed.ResetAllImages").empty());
}

TEST_F(WorkspaceTest, SectionGivenToLoadStaysForLaterCalls)
{
    CZAVPWorkspace workspace;
    EXPECT_STREQ("ZAVWorkspace", workspace.GetRegistrySection());
    workspace.LoadState(kSection);
    EXPECT_TRUE(workspace.SaveState());
    EXPECT_EQ(6u, ReadDword(KeyOf("ZAVControlBarVersion"), "Major"));
}

TEST_F(WorkspaceTest, CleanStateDeletesTheWholeWorkspaceKey)
{
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    workspace.SaveState();
    ASSERT_TRUE(KeyExists(KeyOf("ZAVControlBarVersion")));
    EXPECT_TRUE(workspace.CleanState());
    EXPECT_FALSE(KeyExists(KeyOf("")));
}

TEST_F(WorkspaceTest, WindowPlacementRoundTripsAndAPartialOneIsRefused)
{
    CZAVPWorkspace workspace;
    workspace.SetRegistrySection(kSection);
    RECT rect = {};
    int flags = 0, showCmd = 0;
    EXPECT_FALSE(workspace.LoadWindowPlacement(rect, flags, showCmd));

    const RECT stored = {10, 20, 630, 470};
    ASSERT_TRUE(workspace.StoreWindowPlacement(stored, WPF_RESTORETOMAXIMIZED, SW_SHOWMAXIMIZED));
    ASSERT_TRUE(workspace.LoadWindowPlacement(rect, flags, showCmd));
    EXPECT_TRUE(EqualRect(&stored, &rect));
    EXPECT_EQ(WPF_RESTORETOMAXIMIZED, flags);
    EXPECT_EQ(SW_SHOWMAXIMIZED, showCmd);

    SHDeleteValueA(HKEY_CURRENT_USER, KeyOf("WindowPlacement").c_str(), "ShowCmd");
    EXPECT_FALSE(workspace.LoadWindowPlacement(rect, flags, showCmd));
}

TEST_F(WorkspaceTest, InputManagersAreMadeOnceAndOwnedByTheWorkspaceThatMadeThem)
{
    {
        CZAVPWorkspace workspace;
        EXPECT_EQ(&workspace, GetWorkspace());
        EXPECT_TRUE(workspace.InitMouseManager());
        CZAVPMouseManager* pFirst = g_pMouseManager;
        EXPECT_FALSE(workspace.InitMouseManager());
        EXPECT_EQ(pFirst, g_pMouseManager);
        EXPECT_TRUE(workspace.InitContextMenuManager());
        EXPECT_TRUE(workspace.InitKeyboardManager());
        EXPECT_FALSE(workspace.InitKeyboardManager());
        ASSERT_NE(nullptr, g_pContextMenuManager);
        ASSERT_NE(nullptr, g_pKeyboardManager);
    }
    EXPECT_EQ(nullptr, GetWorkspace());
    EXPECT_EQ(nullptr, g_pMouseManager);
    EXPECT_EQ(nullptr, g_pContextMenuManager);
    EXPECT_EQ(nullptr, g_pKeyboardManager);

    // A manager made elsewhere is not the workspace's to delete.
    auto pMouse = std::make_unique<CZAVPMouseManager>();
    {
        CZAVPWorkspace workspace;
        EXPECT_FALSE(workspace.InitMouseManager());
    }
    EXPECT_EQ(pMouse.get(), g_pMouseManager);
}

TEST_F(WorkspaceTest, DoubleClickSendsTheBoundCommandAndFailsWithoutOne)
{
    CZAVPWorkspace workspace;
    EXPECT_FALSE(workspace.OnViewDoubleClick(nullptr, 7));  // no mouse manager
    workspace.InitMouseManager();
    CommandSink sink;
    m_app.m_pMainWnd = &sink;

    EXPECT_FALSE(workspace.OnViewDoubleClick(nullptr, 7));
    g_pMouseManager->SetCommandForDblClick(7, 32771);
    EXPECT_TRUE(workspace.OnViewDoubleClick(nullptr, 7));
    g_pMouseManager->SetCommandForDblClick(7, 0);
    EXPECT_FALSE(workspace.OnViewDoubleClick(nullptr, 7));

    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(32771, 0)}, sink.m_commands);
    m_app.m_pMainWnd = nullptr;
}
TEST_F(WorkspaceTest, DoubleClickOnAUserToolCommandRunsTheTool)
{
    CZAVPWorkspace workspace;
    workspace.InitMouseManager();
    CZAVPUserToolsManager tools(999, 1000, 1004, RUNTIME_CLASS(RecordingUserTool));
    tools.CreateNewTool();
    CommandSink sink;
    m_app.m_pMainWnd = &sink;
    g_pMouseManager->SetCommandForDblClick(2, 1000);

    EXPECT_TRUE(workspace.OnViewDoubleClick(nullptr, 2));
    EXPECT_EQ(std::vector<std::string>{"UserTool::Invoke(1000)"}, CallLog());
    EXPECT_TRUE(sink.m_commands.empty());
    m_app.m_pMainWnd = nullptr;
}
}  // namespace
