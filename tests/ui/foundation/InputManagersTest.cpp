// Keyboard, mouse and context-menu managers: accelerators stored as 6-byte ACCEL records, exact
// key matching, mnemonic characters, the "Mouse" blob and what a damaged one leaves behind.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

#include "RegistryValues.h"
#include "UpperLayerFakes.h"
#include "framework/CFrameWnd.h"
#include "framework/CStringList.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/toolbars/CZAVPDialog.h"
#include "ui/menus/SilentMenuSounds.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

namespace
{
const char kRoot[] = "Software\\LornivalU2InputTests";
const char kPath[] = "Software\\LornivalU2InputTests\\State\\";

std::vector<ACCEL> Entries(HACCEL hAccel)
{
    const int n = CopyAcceleratorTableA(hAccel, nullptr, 0);
    std::vector<ACCEL> entries((size_t)(n > 0 ? n : 0));
    if (n > 0) CopyAcceleratorTableA(hAccel, entries.data(), n);
    return entries;
}

bool Same(const ACCEL& a, const ACCEL& b)
{
    return a.fVirt == b.fVirt && a.key == b.key && a.cmd == b.cmd;
}

class InputManagersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SilenceMenuSounds();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        CZAVPToolBar::m_lstUnpermittedCommands.RemoveAll();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
    }
    void TearDown() override
    {
        if (m_frame.m_hAccelTable) DestroyAcceleratorTable(m_frame.m_hAccelTable);
        m_frame.m_hAccelTable = nullptr;
        m_frame.DestroyWindow();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        CZAVPKeyboardManager::CleanUp();
        CZAVPToolBar::m_lstUnpermittedCommands.RemoveAll();
    }
    void GiveFrame(std::vector<ACCEL> entries)
    {
        m_frame.m_hAccelTable = CreateAcceleratorTableA(entries.data(), (int)entries.size());
        ASSERT_NE(nullptr, m_frame.m_hAccelTable);
    }

    // A frame deletes itself when its window goes, so it lives on the heap.
    CFrameWnd& m_frame = *new CFrameWnd;
};

TEST(AcceleratorRecordsTest, EachEntryIsSixBytesFlagsPadKeyCommand)
{
    const ACCEL entries[] = {{FVIRTKEY | FCONTROL, 'S', 32797}, {FVIRTKEY, VK_F5, 0x1234}};
    const std::vector<BYTE> expected = {0x09, 0x00, 0x53, 0x00, 0x1D, 0x80,
                                        0x01, 0x00, 0x74, 0x00, 0x34, 0x12};
    EXPECT_EQ(expected, CZAVPKeyboardManager::EncodeAccelerators(entries, 2));

    std::vector<BYTE> stored = expected;
    stored.push_back(0x07);  // a partial record at the end is ignored
    const std::vector<ACCEL> decoded = CZAVPKeyboardManager::DecodeAccelerators(
        stored.data(), (UINT)stored.size());
    ASSERT_EQ(2u, decoded.size());
    EXPECT_TRUE(Same(entries[0], decoded[0]));
    EXPECT_TRUE(Same(entries[1], decoded[1]));
    EXPECT_TRUE(CZAVPKeyboardManager::DecodeAccelerators(expected.data(), 5).empty());
}

TEST_F(InputManagersTest, FrameShortcutsAreStoredUnderSuffixZeroAndComeBack)
{
    const std::vector<ACCEL> saved = {{FVIRTKEY | FCONTROL, 'S', 32797},
                                      {FVIRTKEY | FSHIFT, VK_F3, 32776}};
    GiveFrame(saved);
    CZAVPKeyboardManager manager;
    EXPECT_TRUE(manager.SaveState(kPath, &m_frame));
    const std::vector<BYTE> blob = ReadValue(std::string(kPath) + "ZAVKeyboard-0", "Accelerators");
    EXPECT_EQ(CZAVPKeyboardManager::EncodeAccelerators(saved.data(), 2), blob);

    // Another table now; loading puts the stored one back and destroys the other.
    DestroyAcceleratorTable(m_frame.m_hAccelTable);
    GiveFrame({{FVIRTKEY, VK_F9, 1}});
    EXPECT_TRUE(manager.LoadState(kPath, &m_frame));
    const std::vector<ACCEL> loaded = Entries(m_frame.m_hAccelTable);
    ASSERT_EQ(2u, loaded.size());
    EXPECT_TRUE(Same(saved[0], loaded[0]));
    EXPECT_TRUE(Same(saved[1], loaded[1]));
}

TEST_F(InputManagersTest, ForbiddenCommandsLoadInertAndPartialRecordsAreDropped)
{
    std::vector<ACCEL> stored = {{FVIRTKEY, VK_F2, 500}, {FVIRTKEY, VK_F4, 600}};
    std::vector<BYTE> blob = CZAVPKeyboardManager::EncodeAccelerators(stored.data(), 2);
    blob.insert(blob.end(), {1, 2, 3});
    WriteValue(std::string(kPath) + "ZAVKeyboard-7", "Accelerators", blob);
    CZAVPToolBar::m_lstUnpermittedCommands.AddTail(600);

    HACCEL hAccel = nullptr;
    ASSERT_TRUE(CZAVPKeyboardManager::LoadAccelerators(kPath, 7, hAccel));
    const std::vector<ACCEL> loaded = Entries(hAccel);
    DestroyAcceleratorTable(hAccel);
    ASSERT_EQ(2u, loaded.size());
    EXPECT_EQ(500, loaded[0].cmd);
    EXPECT_EQ(0, loaded[1].cmd);

    EXPECT_FALSE(CZAVPKeyboardManager::LoadAccelerators(kPath, 8, hAccel));  // no such key
    WriteValue(std::string(kPath) + "ZAVKeyboard-9", "Accelerators", {1, 2, 3});
    EXPECT_FALSE(CZAVPKeyboardManager::LoadAccelerators(kPath, 9, hAccel));  // no whole record
}

TEST_F(InputManagersTest, EmptyTableWritesNothing)
{
    EXPECT_FALSE(CZAVPKeyboardManager::SaveAccelerators(kPath, 0, nullptr));
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &hKey));

    CZAVPKeyboardManager manager;
    EXPECT_TRUE(manager.SaveState(kPath, &m_frame));  // a frame without a table is skipped
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &hKey));
}

TEST_F(InputManagersTest, KeyMatchingIsExactAboutModifiers)
{
    GiveFrame({{FVIRTKEY | FCONTROL, 'S', 32797}});
    EXPECT_TRUE(CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY | FCONTROL, &m_frame, TRUE));
    EXPECT_FALSE(
        CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY | FCONTROL | FSHIFT, &m_frame, TRUE));
    EXPECT_FALSE(CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY, &m_frame, TRUE));
    EXPECT_FALSE(CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY | FCONTROL, nullptr, TRUE));

    // A new table replaces the cached copy.
    DestroyAcceleratorTable(m_frame.m_hAccelTable);
    GiveFrame({{FVIRTKEY | FSHIFT, 'S', 1}});
    EXPECT_FALSE(CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY | FCONTROL, &m_frame, TRUE));
    EXPECT_TRUE(CZAVPKeyboardManager::IsKeyHandled('S', FVIRTKEY | FSHIFT, &m_frame, TRUE));
}

TEST_F(InputManagersTest, ShortcutTextIsFoundForBoundCommandsOnly)
{
    GiveFrame({{FVIRTKEY | FCONTROL, 'S', 32797}});
    CString text = "stale";
    EXPECT_TRUE(CZAVPKeyboardManager::FindAcceleratorText(32797, text, &m_frame, FALSE));
    EXPECT_GE(text.Find('S'), 0);
    EXPECT_FALSE(CZAVPKeyboardManager::FindAcceleratorText(1, text, &m_frame, FALSE));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(TranslateCharTest, KeypadDigitsBecomeDigitsAndOtherKeysUpperCase)
{
    for (UINT vk = VK_NUMPAD0; vk <= VK_NUMPAD9; ++vk)
        EXPECT_EQ('0' + (vk - VK_NUMPAD0), CZAVPKeyboardManager::TranslateCharToUpper(vk)) << vk;
    EXPECT_EQ((UINT)'A', CZAVPKeyboardManager::TranslateCharToUpper('A'));
    EXPECT_EQ((UINT)'Q', CZAVPKeyboardManager::TranslateCharToUpper('q'));
    EXPECT_EQ(0x1234u, CZAVPKeyboardManager::TranslateCharToUpper(0x1234));
}

// ---- mouse

TEST_F(InputManagersTest, MouseBindingsAreStoredAsCountThenPairs)
{
    CZAVPMouseManager manager;
    manager.SetCommandForDblClick(3, 32771);
    manager.SetCommandForDblClick(4, 32776);
    manager.SetCommandForDblClick(5, 99);
    manager.SetCommandForDblClick(5, 0);  // removes the binding
    EXPECT_EQ(0u, manager.GetViewDblClickCommand(5));
    ASSERT_TRUE(manager.SaveState(kPath));

    // The "Mouse" value directly under the state path: DWORD count, then (view, command) DWORDs.
    const std::vector<BYTE> blob = ReadValue(kPath, "Mouse");
    ASSERT_EQ(4u + 2 * 8, blob.size());
    DWORD words[5];
    std::memcpy(words, blob.data(), sizeof words);
    EXPECT_EQ(2u, words[0]);
    std::vector<std::pair<DWORD, DWORD>> pairs = {{words[1], words[2]}, {words[3], words[4]}};
    std::sort(pairs.begin(), pairs.end());
    EXPECT_EQ((std::vector<std::pair<DWORD, DWORD>>{{3, 32771}, {4, 32776}}), pairs);

    CZAVPMouseManager* pOther = new CZAVPMouseManager;
    pOther->SetCommandForDblClick(9, 1);
    ASSERT_TRUE(pOther->LoadState(kPath));
    EXPECT_EQ(32771u, pOther->GetViewDblClickCommand(3));
    EXPECT_EQ(32776u, pOther->GetViewDblClickCommand(4));
    EXPECT_EQ(0u, pOther->GetViewDblClickCommand(9));  // loading replaces the bindings
    delete pOther;
}

TEST_F(InputManagersTest, DamagedMouseBlobKeepsTheBindings)
{
    const struct
    {
        const char* name;
        std::vector<BYTE> blob;
    } cases[] = {
        {"count beyond the pairs", {0xE8, 0x03, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}},
        {"half a pair", {1, 0, 0, 0, 1, 0, 0, 0}},
        {"no count", {1, 0}},
    };
    for (const auto& c : cases) {
        WriteValue(kPath, "Mouse", c.blob);
        CZAVPMouseManager manager;
        manager.SetCommandForDblClick(1, 111);
        EXPECT_FALSE(manager.LoadState(kPath)) << c.name;
        EXPECT_EQ(111u, manager.GetViewDblClickCommand(1)) << c.name;
    }
    CZAVPMouseManager manager;
    manager.SetCommandForDblClick(1, 111);
    EXPECT_FALSE(manager.LoadState("Software\\LornivalU2InputTests\\Missing\\"));
    EXPECT_EQ(111u, manager.GetViewDblClickCommand(1));
    EXPECT_EQ(-1, manager.GetViewIdByName("Items"));
    EXPECT_EQ(0u, manager.GetViewIconId(3));
}

// ---- context menus

TEST_F(InputManagersTest, ContextMenusNeverRegisteredShowNothingAndStoreNothing)
{
    CZAVPContextMenuManager manager;
    EXPECT_FALSE(manager.ShowPopupMenuById(130, -1, -1, &m_frame));
    EXPECT_EQ(nullptr, manager.GetMenuByName("Tree"));
    EXPECT_TRUE(manager.SaveState(kPath));
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &hKey));
    // A popup that cannot be made ends the tracking at once with no command.
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, 5, "Item");
    EXPECT_EQ(0u, manager.TrackPopupMenu(hMenu, 0, 0, &m_frame));
    DestroyMenu(hMenu);
}
// What the popup a timer found open while TrackPopupMenu ran: whether it took its own commands
// and was tracked; then it chose command 5 and closed.
struct TrackedPopupSeen
{
    CWnd* pMessageWnd = nullptr;
    BOOL bTrackMode = FALSE;
};
TrackedPopupSeen g_tracked;

void CALLBACK ChooseCommandFive(HWND hwnd, UINT, UINT_PTR idEvent, DWORD)
{
    KillTimer(hwnd, idEvent);
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (pPopup == nullptr) return;
    g_tracked.pMessageWnd = pPopup->m_pMessageWnd;
    g_tracked.bTrackMode = pPopup->GetMenuBar()->m_bTrackMode;
    pPopup->GetMenuBar()->InvokeMenuCommand(5, nullptr);
}

CPoint WindowTopLeft(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    return rect.TopLeft();
}

TEST_F(InputManagersTest, DialogOwnersGetPopupsOnlyWhenTheyTakeTheCommands)
{
    CWinApp app("InputTests");  // tracking runs only inside an application
    CZAVPContextMenuManager manager;
    CZAVPDialog dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "Dialog", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, 5, "Item");

    EXPECT_EQ(nullptr, manager.ShowPopupMenu(hMenu, 10, 20, &dialog, FALSE));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    CZAVPPopupMenu* pPopup = manager.ShowPopupMenu(hMenu, 10, 20, &dialog, TRUE);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(&dialog, pPopup->m_pMessageWnd);
    EXPECT_EQ(CPoint(10, 20), WindowTopLeft(pPopup));
    EXPECT_EQ(pPopup, CZAVPPopupMenu::GetActiveMenu());
    pPopup->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());

    // Tracking always lets the popup take its own commands, and returns the chosen one.
    g_tracked = TrackedPopupSeen();
    SetTimer(nullptr, 0, 10, ChooseCommandFive);
    EXPECT_EQ(5u, manager.TrackPopupMenu(hMenu, 30, 40, &m_frame));
    EXPECT_EQ(&m_frame, g_tracked.pMessageWnd);
    EXPECT_TRUE(g_tracked.bTrackMode);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    DestroyMenu(hMenu);
    dialog.DestroyWindow();
}
// A context-menu manager with menus registered by the test (this program registers none).
class RegisteringMenuManager : public CZAVPContextMenuManager
{
public:
    void Register(UINT uiResId, LPCSTR lpszName, HMENU hMenu)
    {
        m_Menus[uiResId] = hMenu;
        m_MenuNames[lpszName] = hMenu;
    }
};

TEST_F(InputManagersTest, MenuByIdOpensItsFirstSubMenuFivePixelsInsideTheWindow)
{
    RegisteringMenuManager manager;
    HMENU hMenu = CreateMenu();
    HMENU hSub = CreatePopupMenu();
    AppendMenuA(hSub, MF_STRING, 5, "Item");
    AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "Popup");
    manager.Register(130, "Tree", hMenu);
    manager.Register(131, "Empty", CreateMenu());  // no sub-menu 0

    UINT uiResId = 0;
    EXPECT_EQ(hMenu, manager.GetMenuByName("Tree", &uiResId));
    EXPECT_EQ(130u, uiResId);
    CStringList names;
    names.AddTail("stale");
    manager.GetMenuNames(names);
    EXPECT_EQ(2, names.GetCount());

    m_frame.SetWindowPos(nullptr, 100, 80, 300, 200, SWP_NOZORDER);
    POINT origin = {0, 0};
    ClientToScreen(m_frame.GetSafeHwnd(), &origin);
    EXPECT_FALSE(manager.ShowPopupMenuById(131, -1, -1, &m_frame));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    ASSERT_TRUE(manager.ShowPopupMenuById(130, -1, -1, &m_frame));
    ASSERT_NE(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(CPoint(origin.x + 5, origin.y + 5), WindowTopLeft(CZAVPPopupMenu::GetActiveMenu()));
    // A new context menu closes the one open before it.
    ASSERT_TRUE(manager.ShowPopupMenuById(130, 7, 9, &m_frame));
    EXPECT_EQ(CPoint(7, 9), WindowTopLeft(CZAVPPopupMenu::GetActiveMenu()));
    CZAVPPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);

    // Menus the user never customised leave nothing in the registry.
    EXPECT_TRUE(manager.SaveState(kPath));
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &hKey));
}
}  // namespace
