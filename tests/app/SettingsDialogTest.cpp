// The settings dialog run the way the document runs it (through the application's catalogue
// shell): the stored values shown, the limit's edit following its check box at once, Cancel
// keeping everything, and a non-numeric limit refused with the dialog left open.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

#include "DrivenDialog.h"
#include "app/AppCatalogShell.h"
#include "app/SettingsDialog.h"
#include "resources/AppResource.h"

namespace
{

// The settings dialog once it is up: the framework shows a modal dialog after its
// initialisation, when its loop first goes idle.
BOOL CALLBACK FindSettingsDialog(HWND hwnd, LPARAM found)
{
    if (GetDlgItem(hwnd, IDC_RECURSION_LIMIT_ON) == nullptr || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// A visible dialog-class window of the thread other than the settings dialog: a message box.
BOOL CALLBACK FindMessageBox(HWND hwnd, LPARAM found)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || GetDlgItem(hwnd, IDC_RECURSION_LIMIT_ON) != nullptr ||
        !IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// What the document reads from the registry: drive Y: and the limit's state and value.
SettingsDialogValues StoredValues(int limitEnabled, int limit)
{
    SettingsDialogValues values;
    values.selectedRoot = "Y:\\";
    values.limitEnabled = limitEnabled;
    values.limit = limit;
    return values;
}

// Runs `drive` on another thread against the settings dialog of the shell's RunSettingsDialog.
INT_PTR RunSettings(SettingsDialogValues& values, const std::function<void(HWND)>& drive)
{
    const DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 1000 && dialog == nullptr; ++i) {
            Sleep(10);
            EnumThreadWindows(uiThread, FindSettingsDialog, reinterpret_cast<LPARAM>(&dialog));
        }
        drive(dialog);
    });
    AppCatalogShell shell;
    const INT_PTR result = shell.RunSettingsDialog(values);
    driver.join();
    return result;
}

std::string SelectedDrive(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, IDC_CDROM_DRIVES);
    const LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    char text[64] = {};
    if (item != CB_ERR) SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
    return text;
}

bool LimitEditEnabled(HWND dialog)
{
    return IsWindowEnabled(GetDlgItem(dialog, IDC_RECURSION_LIMIT)) != FALSE;
}

// The message box the framework shows over `dialog`.
HWND WaitForMessageBox(HWND dialog)
{
    for (int i = 0; i < 500; ++i) {
        Sleep(10);
        HWND box = nullptr;
        EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), FindMessageBox,
                          reinterpret_cast<LPARAM>(&box));
        if (box != nullptr) return box;
    }
    return nullptr;
}

}  // namespace

TEST(SettingsDialog, UncheckingTheLimitDisablesItsEditAndOkStoresZero)
{
    SettingsDialogValues values = StoredValues(1, 5);
    std::string drive, limitText;
    bool checked = false, enabledBefore = false, enabledAfter = true;
    const INT_PTR result = RunSettings(values, [&](HWND d) {
        ASSERT_NE(nullptr, d);
        drive = SelectedDrive(d);
        limitText = ControlText(d, IDC_RECURSION_LIMIT);
        checked = IsDlgButtonChecked(d, IDC_RECURSION_LIMIT_ON) == BST_CHECKED;
        enabledBefore = LimitEditEnabled(d);
        SendMessageA(GetDlgItem(d, IDC_RECURSION_LIMIT_ON), BM_CLICK, 0, 0);
        enabledAfter = LimitEditEnabled(d);
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Y:\\", drive);
    EXPECT_EQ("5", limitText);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(enabledBefore);
    EXPECT_FALSE(enabledAfter);
    EXPECT_EQ(0, values.limitEnabled);
    EXPECT_EQ(5, values.limit);
    EXPECT_EQ("Y:\\", values.selectedRoot);
}

TEST(SettingsDialog, CheckingTheLimitEnablesItsEditAndOkTakesTheNewValues)
{
    SettingsDialogValues values = StoredValues(0, 8);
    bool enabledBefore = true, enabledAfter = false;
    const INT_PTR result = RunSettings(values, [&](HWND d) {
        ASSERT_NE(nullptr, d);
        enabledBefore = LimitEditEnabled(d);
        SendMessageA(GetDlgItem(d, IDC_RECURSION_LIMIT_ON), BM_CLICK, 0, 0);
        enabledAfter = LimitEditEnabled(d);
        SetDlgItemTextA(d, IDC_RECURSION_LIMIT, "3");
        // The user picks X: in the drive list.
        HWND combo = GetDlgItem(d, IDC_CDROM_DRIVES);
        SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("X:\\"));
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_CDROM_DRIVES, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(1, values.limitEnabled);
    EXPECT_EQ(3, values.limit);
    EXPECT_EQ("X:\\", values.selectedRoot);
}

TEST(SettingsDialog, CancelKeepsTheStoredValues)
{
    SettingsDialogValues values = StoredValues(1, 8);
    const INT_PTR result = RunSettings(values, [&](HWND d) {
        ASSERT_NE(nullptr, d);
        SendMessageA(GetDlgItem(d, IDC_RECURSION_LIMIT_ON), BM_CLICK, 0, 0);
        SetDlgItemTextA(d, IDC_RECURSION_LIMIT, "2");
        PostMessageA(d, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(1, values.limitEnabled);
    EXPECT_EQ(8, values.limit);
    EXPECT_EQ("Y:\\", values.selectedRoot);
}

TEST(SettingsDialog, NonNumericLimitIsRefusedAndTheDialogStays)
{
    SettingsDialogValues values = StoredValues(1, 8);
    bool refused = false, stillThere = false;
    const INT_PTR result = RunSettings(values, [&](HWND d) {
        ASSERT_NE(nullptr, d);
        SetDlgItemTextA(d, IDC_RECURSION_LIMIT, "abc");
        PostMessageA(d, WM_COMMAND, IDOK, 0);
        HWND box = WaitForMessageBox(d);
        refused = box != nullptr;
        if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
        Sleep(100);
        stillThere = IsWindow(d) != FALSE;
        SetDlgItemTextA(d, IDC_RECURSION_LIMIT, "12");
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(refused);
    EXPECT_TRUE(stillThere);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(12, values.limit);
}
