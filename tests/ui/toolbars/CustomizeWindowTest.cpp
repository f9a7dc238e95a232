// The customisation sheet as a window over a library frame with a menu bar and the catalogue's
// two toolbars: every page comes up; the toolbars page shows, hides, resets, renames and deletes
// toolbars; a command goes from the commands page onto a toolbar; a key is assigned and taken
// away again on the keyboard page; the options page writes its switches at once; the menu page
// edits the menu bar's menu and gives it back; the user-tools page adds, moves and deletes tools;
// the button appearance dialog checks its choices.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "resources/UiLibraryResource.h"
#include "tests/app/DrivenDialog.h"
#include "tests/ui/docking/DockingTestBars.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPButtonAppearanceDlg.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPCustomizePage.h"
#include "ui/toolbars/CZAVPKeyboardPage.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPMenuPage.h"
#include "ui/toolbars/CZAVPOptionsPage.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPToolbarsPage.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/CZAVPUserToolsPage.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

namespace
{
const UINT kMainBarId = 0xE800;
const UINT kNavBarId = 0xE806;
const UINT kToolsEntry = 41000, kFirstTool = 41001, kLastTool = 41002;
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                        CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// Texts of the resources come in the ANSI code page; the literals here are UTF-8.
std::string AnsiText(const char* lpszUtf8)
{
    wchar_t wide[512] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, wide, 512);
    char narrow[512] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::string Text(HWND hwnd)
{
    char text[512] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Message boxes are answered with the next answer (IDYES when none is left) and noted.
class AnsweringApp : public CWinApp
{
public:
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        if (m_answers.empty()) return IDYES;
        const int nAnswer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return nAnswer;
    }
    std::vector<std::string> m_prompts;
    std::vector<int> m_answers;
};

// Runs `drive` on another thread with the first new dialog window of this thread (a modal
// dialog opened by a page handler), while the test thread is inside that handler.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(HWND)> drive) : m_drive(std::move(drive))
    {
        m_dwThread = ::GetCurrentThreadId();
        m_thread = std::thread([this] {
            for (int i = 0; i < 400 && m_hwnd == nullptr; ++i) {
                ::EnumThreadWindows(m_dwThread, FindDialog, (LPARAM)&m_hwnd);
                if (m_hwnd == nullptr) ::Sleep(25);
            }
            m_drive(m_hwnd);
        });
    }
    ~DialogDriver() { m_thread.join(); }

private:
    // A dialog of ours with an OK button and the name field.
    static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam)
    {
        char szClass[16] = {};
        ::GetClassNameA(hwnd, szClass, sizeof szClass);
        const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
        if (std::string(szClass) == "#32770" && ::IsWindowVisible(hwnd) && (style & WS_CAPTION) &&
            !(style & WS_CHILD) && ::GetDlgItem(hwnd, IDOK) != nullptr &&
            ::GetDlgItem(hwnd, IDC_ZAVP_COLOR_AREA) != nullptr)
        {
            *(HWND*)lParam = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    std::function<void(HWND)> m_drive;
    DWORD m_dwThread;
    HWND m_hwnd = nullptr;
    std::thread m_thread;
};

class CustomizeWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCommandManager()->ClearAll();
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_hMenu = ::CreateMenu();
        HMENU hFile = ::CreatePopupMenu();
        ::AppendMenuA(hFile, MF_STRING, ID_ADD_DISC, "&Add disc\tCtrl+D");
        ::AppendMenuA(hFile, MF_STRING, ID_NEW_FOLDER, "&New folder");
        ::AppendMenuA(m_hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
        HMENU hGo = ::CreatePopupMenu();
        ::AppendMenuA(hGo, MF_STRING, ID_GO_BACK, "&Back");
        ::AppendMenuA(hGo, MF_STRING, ID_FIND, "&Find");
        ::AppendMenuA(m_hMenu, MF_POPUP, (UINT_PTR)hGo, "&Go");

        m_pFrame = new RecordingFrame;
        ASSERT_TRUE(ShowTestFrame(m_pFrame, 600, 400, TRUE));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->m_bAutoMenuEnable = FALSE;
        ::SetMenu(m_pFrame->GetSafeHwnd(), m_hMenu);
        m_pFrame->m_hMenuDefault = m_hMenu;
        ACCEL accel = {FVIRTKEY | FCONTROL, 'D', ID_ADD_DISC};
        m_pFrame->m_hAccelTable = ::CreateAcceleratorTableA(&accel, 1);
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
        ASSERT_TRUE(m_menuBar.Create(m_pFrame));
        m_menuBar.EnableDocking(CBRS_ALIGN_ANY);
        const CRect borders(1, 1, 1, 1);
        ASSERT_TRUE(m_main.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        ASSERT_TRUE(m_nav.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_main.SetWindowText("Main");
        m_nav.SetWindowText("");
        m_main.EnableDocking(CBRS_ALIGN_ANY);
        m_nav.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_menuBar);
        m_pFrame->DockControlBar(&m_main);
        m_pFrame->DockControlBar(&m_nav);
        // A plain child of the frame, as a view is.
        m_view.CreateEx(0, "STATIC", "view", WS_CHILD | WS_VISIBLE, CRect(0, 100, 50, 150),
                        m_pFrame, 0xE900);
        Pump();
    }
    void TearDown() override
    {
        if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::GetCurrent())
            pSheet->DestroyWindow();
        Pump();
        CZAVPToolBar::SetCustomizeMode(FALSE);
        g_pUserToolsManager = nullptr;
        g_pKeyboardManager = nullptr;
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
        Pump();
        g_menuHash.CleanUp();
    }

    CZAVPToolbarCustomize* OpenSheet(UINT uiFlags = ZAVPCustomizeRules::kOptTextLabels)
    {
        auto* pSheet = new CZAVPToolbarCustomize(m_pFrame, TRUE, uiFlags);
        if (!pSheet->Create()) {
            delete pSheet;
            return nullptr;
        }
        Pump();
        return pSheet;
    }
    // Brings the page up and gives it back.
    template <class Page>
    Page* ShowPage(CZAVPToolbarCustomize* pSheet)
    {
        for (int i = 0; i < pSheet->GetPageCount(); ++i) {
            CPropertyPage* pPage = pSheet->GetPage(i);
            if (dynamic_cast<Page*>(pPage) == nullptr) continue;
            pSheet->SetActivePage(i);
            Pump();
            return static_cast<Page*>(pPage);
        }
        return nullptr;
    }
    static void Command(CWnd* pPage, int nId, int nCode = BN_CLICKED)
    {
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode),
                           (LPARAM)::GetDlgItem(pPage->m_hWnd, nId));
        Pump();
    }

    AnsweringApp m_app;
    RecordingFrame* m_pFrame = nullptr;
    CZAVPMenuBar m_menuBar;
    CZAVPToolBar m_main;
    CZAVPToolBar m_nav;
    CWnd m_view;
    HMENU m_hMenu = nullptr;
};
}  // namespace

TEST_F(CustomizeWindowTest, TheSheetOpensWithEveryPageAndClosesTheMode)
{
    CZAVPUserToolsManager tools(kToolsEntry, kFirstTool, kLastTool, RUNTIME_CLASS(CZAVPUserTool));
    CZAVPKeyboardManager keys;
    g_pUserToolsManager = &tools;
    g_pKeyboardManager = &keys;
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    EXPECT_EQ(pSheet, CZAVPToolbarCustomize::GetCurrent());
    EXPECT_TRUE(CZAVPToolBar::IsCustomizeMode());
    // Commands, toolbars, tools, keyboard, menu (the frame has a menu bar), options.
    ASSERT_EQ(6, pSheet->GetPageCount());
    EXPECT_EQ(AnsiText("Настройка"), Text(pSheet->m_hWnd));
    for (int i = 0; i < pSheet->GetPageCount(); ++i) {
        pSheet->SetActivePage(i);
        Pump();
        EXPECT_EQ(pSheet->GetPage(i), pSheet->GetActivePage()) << i;
        EXPECT_TRUE(::IsWindow(pSheet->GetPage(i)->GetSafeHwnd())) << i;
    }
    // The frame's other windows wait; its bars do not.
    EXPECT_FALSE(m_view.IsWindowEnabled());
    EXPECT_TRUE(m_main.IsWindowEnabled());
    // Cancel reads "Закрыть" and closes the sheet.
    EXPECT_EQ(AnsiText("Закрыть"), Text(::GetDlgItem(pSheet->m_hWnd, IDCANCEL)));
    m_pFrame->m_messages.clear();
    pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
    Pump();
    EXPECT_EQ(nullptr, CZAVPToolbarCustomize::GetCurrent());
    EXPECT_FALSE(CZAVPToolBar::IsCustomizeMode());
    EXPECT_TRUE(m_view.IsWindowEnabled());
    bool bLeft = false;
    for (const auto& m : m_pFrame->m_messages)
        if (m.message == ZAVPToolBarMessages::Customize && m.wParam == FALSE) bLeft = true;
    EXPECT_TRUE(bLeft);
}

TEST_F(CustomizeWindowTest, ToolbarsPageShowsHidesResetsRenamesAndDeletes)
{
    m_pFrame->m_Impl.InitUserToobars("", 900, 909);
    auto* pUserBar = reinterpret_cast<CZAVPToolBar*>(
        m_pFrame->SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "Mine"));
    ASSERT_NE(nullptr, pUserBar);
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    // The page must allow user toolbars before it opens.
    pSheet->GetToolbarsPage()->m_bUserDefinedToolbars = TRUE;
    CZAVPToolbarsPage* pPage = ShowPage<CZAVPToolbarsPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    CZAVPToolbarCheckList& list = pPage->GetList();
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString str;
        list.GetText(i, str);
        names.push_back((LPCSTR)str);
    }
    // The menu bar is listed but may not be unchecked; the untitled bar has its placeholder.
    ASSERT_EQ((std::vector<std::string>{AnsiText("Меню"), "Main", AnsiText("<Без имени>"), "Mine"}),
              names);
    EXPECT_FALSE(list.IsEnabled(0));
    EXPECT_TRUE(list.GetCheck(1));

    // Unchecking the menu bar: the check comes back.
    list.SetCurSel(0);
    list.SetCheck(0, 0);
    Command(pPage, IDC_ZAVP_TOOLBAR_LIST, CLBN_CHKCHANGE);
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_TRUE(m_menuBar.IsWindowVisible());
    // Unchecking Main hides it; the sheet's notice from the toolbar follows a show.
    list.SetCurSel(1);
    Command(pPage, IDC_ZAVP_TOOLBAR_LIST, LBN_SELCHANGE);
    list.SetCheck(1, 0);
    Command(pPage, IDC_ZAVP_TOOLBAR_LIST, CLBN_CHKCHANGE);
    EXPECT_FALSE(m_main.IsWindowVisible());
    EXPECT_EQ(0, list.GetCheck(1));
    // Shown again from elsewhere: the bar tells the sheet, and its item is checked.
    m_main.ShowControlBar(TRUE, FALSE, FALSE);
    Pump();
    EXPECT_EQ(1, list.GetCheck(1));

    // Reset asks with the bar's name; No keeps the bar as it is.
    m_main.RemoveButton(0);
    m_app.m_answers = {IDNO};
    Command(pPage, IDC_ZAVP_RESET_TOOLBAR);
    ASSERT_EQ(1u, m_app.m_prompts.size());
    EXPECT_EQ(
        AnsiText("Все изменения будут потеряны! \nДействительно хотите установить настройки по "
                 "умолчанию для панели 'Main'?"),
        m_app.m_prompts[0]);
    EXPECT_EQ(4, m_main.GetCount());
    m_app.m_answers = {IDYES};
    Command(pPage, IDC_ZAVP_RESET_TOOLBAR);
    EXPECT_EQ(5, m_main.GetCount());

    // Rename the user toolbar through the name dialog.
    list.SetCurSel(3);
    Command(pPage, IDC_ZAVP_TOOLBAR_LIST, LBN_SELCHANGE);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_RENAME_TOOLBAR)));
    std::string strStartName;
    {
        DialogDriver driver([&](HWND hwnd) {
            ASSERT_NE(nullptr, hwnd);
            strStartName = Text(::GetDlgItem(hwnd, IDC_ZAVP_COLOR_AREA));
            ::SetDlgItemTextA(hwnd, IDC_ZAVP_COLOR_AREA, "Renamed");
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        });
        Command(pPage, IDC_ZAVP_RENAME_TOOLBAR);
    }
    EXPECT_EQ("Mine", strStartName);
    EXPECT_EQ("Renamed", Text(pUserBar->m_hWnd));
    CString strItem;
    list.GetText(list.GetCurSel(), strItem);
    EXPECT_STREQ("Renamed", strItem);

    // Delete asks, then the frame takes the bar away.
    m_app.m_prompts.clear();
    m_app.m_answers = {IDYES};
    const int nBefore = list.GetCount();
    Command(pPage, IDC_ZAVP_DELETE_TOOLBAR);
    ASSERT_EQ(1u, m_app.m_prompts.size());
    EXPECT_EQ(AnsiText("Действительно хотите удалить панель 'Renamed'?"), m_app.m_prompts[0]);
    EXPECT_EQ(nBefore - 1, list.GetCount());
}

TEST_F(CustomizeWindowTest, ACommandDraggedFromTheCommandsPageLandsOnAToolbar)
{
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    CZAVPCustomizePage* pPage = ShowPage<CZAVPCustomizePage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    CListBox& categories = pPage->GetCategories();
    // "Go" is the second category of the menu.
    categories.SetCurSel(1);
    Command(pPage, IDC_ZAVP_CATEGORIES, LBN_SELCHANGE);
    CZAVPCommandDragList& commands = pPage->GetCommands();
    ASSERT_EQ(2, commands.GetCount());
    CString strFirst;
    commands.GetText(0, strFirst);
    EXPECT_STREQ("Back", strFirst);
    // In the all-commands category the commands are sorted.
    categories.SetCurSel(categories.GetCount() - 1);
    Command(pPage, IDC_ZAVP_CATEGORIES, LBN_SELCHANGE);
    std::vector<std::string> all;
    for (int i = 0; i < commands.GetCount(); ++i) {
        CString str;
        commands.GetText(i, str);
        all.push_back((LPCSTR)str);
    }
    std::vector<std::string> sorted = all;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, all);

    // "Find" dropped onto the main bar's first button.
    categories.SetCurSel(1);
    Command(pPage, IDC_ZAVP_CATEGORIES, LBN_SELCHANGE);
    const int nBefore = m_main.GetCount();
    CPoint pt = m_main.GetButton(0)->GetRect().CenterPoint();
    m_main.ClientToScreen(&pt);
    // The sheet stands aside, so the bar is the window under the point.
    ::SetWindowPos(pSheet->m_hWnd, nullptr, 760, 560, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_NE(DROPEFFECT_NONE, commands.DropItemAt(1, pt));
    ASSERT_EQ(nBefore + 1, m_main.GetCount());
    EXPECT_EQ((UINT)ID_FIND, m_main.GetButton(0)->m_nID);
}

TEST_F(CustomizeWindowTest, KeyboardPageAssignsAndRemovesAKey)
{
    CZAVPKeyboardManager keys;
    g_pKeyboardManager = &keys;
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    CZAVPKeyboardPage* pPage = ShowPage<CZAVPKeyboardPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    // Category "File", command "Add disc" with its Ctrl+D.
    ::SendDlgItemMessageA(pPage->m_hWnd, IDC_ZAVP_CATEGORIES, CB_SETCURSEL, 0, 0);
    Command(pPage, IDC_ZAVP_CATEGORIES, CBN_SELCHANGE);
    HWND hwndKeys = ::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_CURRENT_KEYS);
    EXPECT_EQ(1, ::SendMessageA(hwndKeys, LB_GETCOUNT, 0, 0));

    // Ctrl+D again: taken, by "Add disc".
    auto* pEdit = static_cast<CZAVPKeyCaptureEdit*>(
        CWnd::FromHandlePermanent(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_NEW_KEY)));
    ASSERT_NE(nullptr, pEdit);
    auto key = [&](UINT message, UINT vk) {
        MSG msg = {pEdit->m_hWnd, message, vk, 0, 0, {0, 0}};
        return pEdit->PreTranslateMessage(&msg);
    };
    // A click makes the field ready for keys.
    MSG click = {pEdit->m_hWnd, WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
    EXPECT_TRUE(pEdit->PreTranslateMessage(&click));
    key(WM_KEYDOWN, VK_CONTROL);
    key(WM_KEYDOWN, 'D');
    Pump();
    EXPECT_EQ("Add disc", Text(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_ASSIGNED_TO)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_ASSIGN_KEY)));
    // Ctrl+F5 (the keys let go first: a new press starts a new combination): free; assigned
    // to the command and installed on the frame.
    key(WM_KEYUP, 'D');
    key(WM_KEYUP, VK_CONTROL);
    key(WM_KEYDOWN, VK_CONTROL);
    key(WM_KEYDOWN, VK_F5);
    Pump();
    EXPECT_EQ(AnsiText("[Несвязан]"), Text(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_ASSIGNED_TO)));
    ASSERT_TRUE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_ASSIGN_KEY)));
    Command(pPage, IDC_ZAVP_ASSIGN_KEY);
    EXPECT_EQ(2, ::SendMessageA(hwndKeys, LB_GETCOUNT, 0, 0));
    ACCEL table[4] = {};
    ASSERT_EQ(2, ::CopyAcceleratorTableA(m_pFrame->m_hAccelTable, table, 4));
    EXPECT_EQ(VK_F5, table[1].key);
    EXPECT_EQ(FVIRTKEY | FCONTROL, table[1].fVirt & ZAVPCustomizeRules::kAccelKeyMask);
    EXPECT_EQ(ID_ADD_DISC, table[1].cmd);
    // The new key taken away again.
    ::SendMessageA(hwndKeys, LB_SETCURSEL, 1, 0);
    Command(pPage, IDC_ZAVP_CURRENT_KEYS, LBN_SELCHANGE);
    Command(pPage, IDC_ZAVP_REMOVE_KEY);
    EXPECT_EQ(1, ::CopyAcceleratorTableA(m_pFrame->m_hAccelTable, table, 4));
    EXPECT_EQ('D', table[0].key);
    EXPECT_EQ(1, ::SendMessageA(hwndKeys, LB_GETCOUNT, 0, 0));
}

TEST_F(CustomizeWindowTest, OptionsPageWritesItsSwitchesAtOnce)
{
    const BOOL bTooltips = CZAVPToolBar::m_bShowTooltips;
    const BOOL bLarge = CZAVPToolBar::m_bLargeIcons;
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    CZAVPOptionsPage* pPage = ShowPage<CZAVPOptionsPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    // Without basic commands there are no personalised menus: their options are hidden.
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_RECENT_MENUS)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_LOOK_OPTIONS)));
    ::SendMessageA(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_SHOW_TOOLTIPS), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(!bTooltips, CZAVPToolBar::m_bShowTooltips);
    EXPECT_EQ(CZAVPToolBar::m_bShowTooltips,
              ::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_SHOW_SHORTCUTS)));
    ::SendMessageA(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_LARGE_ICONS), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(!bLarge, CZAVPToolBar::m_bLargeIcons);
    CZAVPToolBar::m_bShowTooltips = bTooltips;
    CZAVPToolBar::SetLargeIcons(bLarge);
}

TEST_F(CustomizeWindowTest, MenuPageEditsTheMenuBarAndGivesItsMenuBack)
{
    const int nAnimation = CZAVPToolBar::m_nMenuAnimation;
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    CZAVPMenuPage* pPage = ShowPage<CZAVPMenuPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    EXPECT_EQ(&m_menuBar, pPage->GetMenuBar());
    const HMENU hShown = m_menuBar.GetHMenu();
    // The default menu is listed and loaded for editing.
    EXPECT_EQ(AnsiText("Первоначальное меню"),
              Text(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_MENU_LIST)));
    EXPECT_EQ(m_menuBar.GetDefaultMenu(), pPage->GetEditedMenu());
    // The animation names follow the animation types: 1 unfolds, 2 slides.
    HWND hwndAnimation = ::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_MENU_ANIMATION);
    ASSERT_EQ(4, ::SendMessageA(hwndAnimation, CB_GETCOUNT, 0, 0));
    char szName[64] = {};
    ::SendMessageA(hwndAnimation, CB_GETLBTEXT, 1, (LPARAM)szName);
    EXPECT_EQ(AnsiText("Развертывание"), szName);
    ::SendMessageA(hwndAnimation, CB_GETLBTEXT, 2, (LPARAM)szName);
    EXPECT_EQ(AnsiText("Соскальзывание"), szName);
    // Only the row of dashes: the context-menu combo is disabled.
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_CONTEXT_MENU_LIST)));

    // An edit of the bar (a button taken off), then the page closes: the animation chosen is
    // kept and the bar shows the menu it showed.
    const int nButtons = m_menuBar.GetCount();
    m_menuBar.RemoveButton(0);
    ::SendMessageA(hwndAnimation, CB_SETCURSEL, 2, 0);
    pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
    Pump();
    EXPECT_EQ(2, CZAVPToolBar::m_nMenuAnimation);
    EXPECT_EQ(hShown, m_menuBar.GetHMenu());
    EXPECT_EQ(nButtons - 1, m_menuBar.GetCount());
    CZAVPToolBar::m_nMenuAnimation = nAnimation;
}

TEST_F(CustomizeWindowTest, MenuPageWithoutAMenuBarSaysSo)
{
    m_menuBar.DestroyWindow();
    Pump();
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    // The frame still names its menu bar, so the page is offered; it finds no bar to edit.
    CZAVPMenuPage* pPage = ShowPage<CZAVPMenuPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    EXPECT_EQ(nullptr, pPage->GetMenuBar());
    EXPECT_EQ(AnsiText("Невозможна настройка меню!"),
              Text(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_SHOW_TEXT)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_MENU_LIST)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_RESET_MENU)));
}

TEST_F(CustomizeWindowTest, UserToolsPageAddsMovesAndDeletesTools)
{
    CZAVPUserToolsManager tools(kToolsEntry, kFirstTool, kLastTool, RUNTIME_CLASS(CZAVPUserTool));
    g_pUserToolsManager = &tools;
    CZAVPToolbarCustomize* pSheet = OpenSheet();
    ASSERT_NE(nullptr, pSheet);
    CZAVPUserToolsPage* pPage = ShowPage<CZAVPUserToolsPage>(pSheet);
    ASSERT_NE(nullptr, pPage);
    CZAVPToolsList& list = pPage->GetToolsList();
    // Nothing selected: the fields wait.
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_TOOL_COMMAND)));
    // The tooltips name their keys (in the keyboard layout's words).
    EXPECT_EQ(AnsiText("Новый (") + (LPCSTR)CZAVPAccelText::GetKeyName(VK_INSERT) + ")",
              (LPCSTR)list.GetButtonTooltip(CZAVPEditListBase::kNewButtonId));

    auto addTool = [&](const char* lpszName) {
        list.ClickButton(CZAVPEditListBase::kNewButtonId);
        Pump();
        HWND hwndEdit = (HWND)list.GetList().SendMessage(LVM_GETEDITCONTROL);
        if (hwndEdit == nullptr) return false;
        ::SetWindowTextA(hwndEdit, lpszName);
        ::SendMessageA(hwndEdit, WM_KEYDOWN, VK_RETURN, 0);
        Pump();
        return true;
    };
    ASSERT_TRUE(addTool("First"));
    ASSERT_TRUE(addTool("Second"));
    ASSERT_EQ(2, tools.GetUserTools().GetCount());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pPage->m_hWnd, IDC_ZAVP_TOOL_COMMAND)));
    // The command typed goes to the selected tool.
    ::SetDlgItemTextA(pPage->m_hWnd, IDC_ZAVP_TOOL_COMMAND, "notepad.exe");
    Pump();
    EXPECT_STREQ("notepad.exe", pPage->GetSelectedTool()->GetCommand());
    // The range holds two: a third is refused with the message.
    ASSERT_TRUE(addTool("Third"));
    EXPECT_EQ(2, tools.GetUserTools().GetCount());
    EXPECT_EQ(2, list.GetCount());
    ASSERT_FALSE(m_app.m_prompts.empty());
    EXPECT_EQ(AnsiText("Вы можете определить только 2 утилит."), m_app.m_prompts.back());

    // "Second" up, then deleted.
    list.SelectItem(1);
    Pump();
    list.ClickButton(CZAVPEditListBase::kUpButtonId);
    Pump();
    EXPECT_STREQ("Second", list.GetItemText(0));
    EXPECT_STREQ("Second", static_cast<CZAVPUserTool*>(tools.GetUserTools().GetHead())->m_strLabel);
    list.SelectItem(0);
    list.ClickButton(CZAVPEditListBase::kDeleteButtonId);
    Pump();
    ASSERT_EQ(1, tools.GetUserTools().GetCount());
    EXPECT_STREQ("First", static_cast<CZAVPUserTool*>(tools.GetUserTools().GetHead())->m_strLabel);
}

TEST_F(CustomizeWindowTest, ButtonAppearanceChecksItsChoicesAndKeepsTheAccelerator)
{
    // A command with no image anywhere (the toolbars gave ID_ADD_DISC one).
    const UINT kNoImageCmd = 40777;
    CZAVPToolbarButton button(kNoImageCmd, -1, "Add disc\tCtrl+D");
    button.m_bText = TRUE;
    button.m_bImage = FALSE;
    {
        DrivenDialog<CZAVPButtonAppearanceDlg> dlg(&button, nullptr, m_pFrame, 0, FALSE);
        std::string strShown;
        bool bStillOpen = false;
        const INT_PTR result = dlg.RunModal([&](HWND hwnd) {
            ASSERT_NE(nullptr, hwnd);
            ASSERT_TRUE(dlg.Sync(hwnd));
            strShown = ControlText(hwnd, IDC_ZAVP_TEXT);
            // An empty text with the text shown: refused.
            ::SetDlgItemTextA(hwnd, IDC_ZAVP_TEXT, "");
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(dlg.Sync(hwnd));
            bStillOpen = dlg.StillModal();
            // Image and text with no image to show: refused too.
            ::SetDlgItemTextA(hwnd, IDC_ZAVP_TEXT, "Disc");
            ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_ZAVP_SHOW_IMAGE_AND_TEXT, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hwnd, IDC_ZAVP_SHOW_IMAGE_AND_TEXT));
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(dlg.Sync(hwnd));
            // Text only, and a text: applied.
            ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_ZAVP_SHOW_TEXT, BN_CLICKED),
                           (LPARAM)::GetDlgItem(hwnd, IDC_ZAVP_SHOW_TEXT));
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ("Add disc", strShown);
        EXPECT_TRUE(bStillOpen);
        EXPECT_EQ(IDOK, result);
    }
    ASSERT_EQ(2u, m_app.m_prompts.size());
    EXPECT_EQ(AnsiText("Необходимо ввести текст!"), m_app.m_prompts[0]);
    EXPECT_EQ(AnsiText("Необходимо выбрать иконку!"), m_app.m_prompts[1]);
    EXPECT_STREQ("Disc\tCtrl+D", button.m_strText);
    EXPECT_TRUE(button.m_bText);
    EXPECT_FALSE(button.m_bImage);
}
