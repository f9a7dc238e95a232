// Commands walked with the real mouse through the real Lornival.exe: "Файл" clicked in the menu
// bar and "Создать папку" clicked in its menu, the main toolbar's "Создать папку" button, and the
// navigation toolbar's "Назад". The pointer goes where the program shows the item or button, found
// from the program's own windows; what the user then sees is checked: the status bar's prompt
// while the pointer rests on the command, the new folder named in place in the tree, the node the
// list shows. A run of its own: a fresh folder and registry key, no disc needed.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ScreenProbe.h"
#include "RemoteBuffer.h"
#include "ProbedRoadSuite.h"
#include "RoadSession.h"
#include "RoadText.h"
#include "UserInput.h"

namespace
{
const UINT kCreateFolder = 32772;
const UINT kMainToolBarId = 0xE800;
const UINT kNavigationToolBarId = 0xE806;
// Buttons by their place in the toolbar resources: 128 = "Добавить диск", "Создать папку",
// "Удалить", separator, "О программе"; 148 = "Назад", "Вперёд", "На уровень вверх", separator,
// "Поиск".
const int kCreateFolderButton = 1;
const int kBackButton = 0;
const int kFileMenu = 0;  // "Файл", the menu bar's first item

const wchar_t kRoot[] = L"My collections";
const wchar_t kNewFolder[] = L"Новая папка";
const wchar_t kFromMenu[] = L"Из меню";
const wchar_t kFromToolbar[] = L"С панели";
// The status bar's message pane: the prompt of the command under the pointer, else the idle text.
const wchar_t kCreateFolderPrompt[] = L"Создаёт новую папку.";
const wchar_t kIdleText[] = L"Готово";

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

class MouseRoad : public ProbedRoadSuite
{
protected:
    static void SetUpTestSuite() { StartCopy(L"road-mouse"); }

    static HWND Main() { return s->Main(); }

    // The frame's child with this control id (the toolbars and the status bar have their own).
    static HWND FrameChild(UINT id)
    {
        for (HWND w : s->Program().Descendants(Main(), nullptr))
            if ((UINT)GetDlgCtrlID(w) == id) return w;
        return nullptr;
    }
    static std::wstring StatusText() { return WindowText(FrameChild(RoadSession::kStatusBarId)); }
    static bool WaitForStatus(const std::wstring& text)
    {
        return WaitUntil([&] { return StatusText() == text; }, ProgramUnderTest::kLimitMs);
    }

    // A toolbar button's rectangle on the screen, as the toolbar reports it (TB_GETITEMRECT).
    static bool ButtonRect(HWND bar, int index, RECT& screen)
    {
        RemoteBuffer buffer(s->Program().Process(), sizeof(RECT));
        DWORD_PTR ok = 0;
        if (bar == nullptr || !buffer.Valid() ||
            !SendMessageTimeoutW(bar, TB_GETITEMRECT, index, buffer.At(), SMTO_NORMAL,
                                 ProgramUnderTest::kLimitMs, &ok) ||
            !ok || !buffer.Read(&screen, sizeof screen))
            return false;
        MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&screen), 2);
        return !IsRectEmpty(&screen);
    }

    static HWND WaitForMenuWindow()
    {
        HWND menu = nullptr;
        WaitUntil(
            [&] {
                for (HWND top : s->Program().TopLevelWindows())
                    if (ClassName(top) == L"#32768") menu = top;
                return menu != nullptr;
            },
            ProgramUnderTest::kLimitMs);
        return menu;
    }

    // The new folder is current, its name open for editing in the tree: the name is typed and
    // Enter pressed.
    static void NameNewFolder(const std::vector<std::wstring>& parent, const std::wstring& name)
    {
        const RemoteTreeView tree = s->Tree();
        HWND edit = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (edit = tree.EditControl()) != nullptr; },
                              ProgramUnderTest::kLimitMs))
            << "the new folder's name did not open for editing";
        std::vector<std::wstring> path = parent;
        path.push_back(kNewFolder);
        EXPECT_EQ(path, tree.PathOf(tree.Caret())) << Join(tree.PathOf(tree.Caret()));
        DWORD_PTR result = 0;
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()),
                            SMTO_NORMAL, ProgramUnderTest::kLimitMs, &result);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(edit); }, ProgramUnderTest::kLimitMs));
        path.back() = name;
        EXPECT_TRUE(s->WaitForCaret(path)) << Join(tree.PathOf(tree.Caret()));
    }

    // Rests the pointer away from every menu and bar: on the list, which shows no prompt.
    static void PointerOnTheList()
    {
        RECT list = {};
        GetWindowRect(s->ListWindow(), &list);
        UserInput::MoveTo(Main(), Centre(list));
    }
};

TEST_F(MouseRoad, M1_FileThenCreateFolderInTheMenuBar)
{
    PointerOnTheList();
    EXPECT_TRUE(WaitForStatus(kIdleText)) << Narrow(StatusText());
    RECT file = {};
    ASSERT_TRUE(probe->MenuBarItemRect(Main(), kFileMenu, file)) << "no \"Файл\" in the menu bar";
    ASSERT_TRUE(UserInput::Click(Main(), Centre(file)));
    const HWND menu = WaitForMenuWindow();
    ASSERT_NE(nullptr, menu) << "a click on \"Файл\" opened no menu";
    RECT item = {};
    ASSERT_TRUE(probe->PopupItemRect(menu, kCreateFolder, item)) << "no \"Создать папку\"";
    // The menu drops below "Файл".
    EXPECT_GE(item.top, file.bottom - 1);
    ASSERT_TRUE(UserInput::MoveTo(Main(), Centre(item)));
    EXPECT_TRUE(WaitForStatus(kCreateFolderPrompt)) << Narrow(StatusText());
    ASSERT_TRUE(UserInput::Click(Main(), Centre(item)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, ProgramUnderTest::kLimitMs));

    NameNewFolder({kRoot}, kFromMenu);
    const RemoteTreeView tree = s->Tree();
    EXPECT_EQ(std::vector<std::wstring>{kFromMenu}, tree.ChildNames(tree.Root()));
    // The list shows the new folder's (empty) content.
    EXPECT_TRUE(s->WaitForListNames({}));
    PointerOnTheList();
    EXPECT_TRUE(WaitForStatus(kIdleText)) << Narrow(StatusText());
}

TEST_F(MouseRoad, M2_TheToolbarsCreateFolderButton)
{
    // The folder made from the menu is the current node: the button makes the new one inside it.
    ASSERT_TRUE(s->WaitForCaret({kRoot, kFromMenu}));
    RECT button = {};
    ASSERT_TRUE(ButtonRect(FrameChild(kMainToolBarId), kCreateFolderButton, button));
    // The pointer resting on the docked bar's button shows its prompt, as the menu item did.
    ASSERT_TRUE(UserInput::MoveTo(Main(), Centre(button)));
    EXPECT_TRUE(WaitForStatus(kCreateFolderPrompt)) << Narrow(StatusText());
    ASSERT_TRUE(UserInput::Click(Main(), Centre(button)));

    NameNewFolder({kRoot, kFromMenu}, kFromToolbar);
    const RemoteTreeView tree = s->Tree();
    EXPECT_EQ(std::vector<std::wstring>{kFromToolbar},
              tree.ChildNames(tree.Find({kRoot, kFromMenu})));
    PointerOnTheList();
}

TEST_F(MouseRoad, M3_TheNavigationBarsBackButton)
{
    // History: the root, the folder made from the menu, the one made with the button.
    ASSERT_TRUE(s->WaitForCaret({kRoot, kFromMenu, kFromToolbar}));
    RECT button = {};
    ASSERT_TRUE(ButtonRect(FrameChild(kNavigationToolBarId), kBackButton, button));
    ASSERT_TRUE(UserInput::Click(Main(), Centre(button)));
    EXPECT_TRUE(s->WaitForCaret({kRoot, kFromMenu})) << Join(s->Tree().PathOf(s->Tree().Caret()));
    EXPECT_TRUE(s->WaitForListNames({kFromToolbar})) << Join(s->List().Names());
    PointerOnTheList();
}

TEST_F(MouseRoad, M4_TheProgramEndsOnClose)
{
    ASSERT_TRUE(PostMessageW(Main(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs));
}
