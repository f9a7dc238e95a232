// The customisation sheet without its window: command categories built from menus (duplicates,
// '&' and tab rules, menu paths), which pages a sheet carries for which managers, and the plain
// rules of its pages: the keyboard page's shortcut capture, accelerator edits and the user-tools
// limit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/CFrameWnd.h"
#include "framework/CListBox.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"

using namespace ZAVPCustomizeRules;

namespace
{
const UINT kOpen = 40001, kSave = 40002, kExit = 40003, kCut = 40010, kFindNext = 40011;
const UINT kWindowCascade = 0xE130;

// Texts of the resources arrive in the ANSI code page; the test's literals are UTF-8.
std::string Ansi(const char* lpszUtf8)
{
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, wide, 256);
    char narrow[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

std::vector<std::string> Texts(const CObList* pList, bool bUserText = false)
{
    std::vector<std::string> texts;
    if (pList == nullptr) return texts;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        const auto* pButton = static_cast<const CZAVPToolbarButton*>(pList->GetNext(pos));
        texts.push_back((LPCSTR)(bUserText ? pButton->m_strTextCustom : pButton->m_strText));
    }
    return texts;
}

std::vector<std::string> Names(const CStringList& list)
{
    std::vector<std::string> names;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        names.push_back((LPCSTR)list.GetNext(pos));
    return names;
}

// "&File" { "&Open\tCtrl+O", "&Save", separator, "E&xit" }, "&Edit" { "Cu&t", "Find &next" },
// "&Window" { "&Cascade" }.
HMENU MakeMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuA(hFile, MF_STRING, kOpen, "&Open\tCtrl+O");
    ::AppendMenuA(hFile, MF_STRING, kSave, "&Save");
    ::AppendMenuA(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hFile, MF_STRING, kExit, "E&xit");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenuA(hEdit, MF_STRING, kCut, "Cu&t");
    ::AppendMenuA(hEdit, MF_STRING, kFindNext, "Find &next");
    // The same command twice: the category keeps it once.
    ::AppendMenuA(hEdit, MF_STRING, kCut, "Cut again");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
    HMENU hWindow = ::CreatePopupMenu();
    ::AppendMenuA(hWindow, MF_STRING, kWindowCascade, "&Cascade");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hWindow, "&Window");
    return hMenu;
}

class CustomizeSheetTest : public ::testing::Test
{
protected:
    void SetUp() override { m_hMenu = MakeMenu(); }
    void TearDown() override
    {
        ::DestroyMenu(m_hMenu);
        g_pUserToolsManager = nullptr;
        g_pKeyboardManager = nullptr;
        g_pMouseManager = nullptr;
        g_pContextMenuManager = nullptr;
    }
    // A sheet set up from the test menu as the frame's menu.
    CZAVPToolbarCustomize* MakeSheet(UINT uiFlags)
    {
        m_frame.m_hMenuDefault = m_hMenu;
        return new CZAVPToolbarCustomize(&m_frame, TRUE, uiFlags);
    }

    CWinApp m_app;
    CFrameWnd m_frame;  // no window: the sheet only reads its menu and accelerators
    HMENU m_hMenu = nullptr;
};
}  // namespace

TEST_F(CustomizeSheetTest, CategoriesFromMenusFollowTheTextRules)
{
    std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(0));
    m_frame.m_hMenuDefault = nullptr;
    // Sub-menus become categories in menu order; the new-menu prototype comes last.
    EXPECT_EQ((std::vector<std::string>{"File", "Edit", "Window", Ansi("Новое Меню")}),
              Names(pSheet->GetCategoryNames()));
    // '&' gone, the accelerator text after the tab cut off, separators skipped.
    EXPECT_EQ((std::vector<std::string>{"Open", "Save", "Exit"}),
              Texts(pSheet->GetCategoryButtons("File")));
    // The command repeated in the menu stands once.
    EXPECT_EQ((std::vector<std::string>{"Cut", "Find next"}),
              Texts(pSheet->GetCategoryButtons("Edit")));
    // The menu path gives each button a user text in which every word starts upper case.
    EXPECT_EQ((std::vector<std::string>{"FileOpen", "FileSave", "FileExit"}),
              Texts(pSheet->GetCategoryButtons("File"), true));
    EXPECT_EQ((std::vector<std::string>{"EditCut", "EditFindNext"}),
              Texts(pSheet->GetCategoryButtons("Edit"), true));
    // Every command once in the all-commands list, the window command and the new-menu
    // prototype included.
    const CObList* pAll = pSheet->GetCategoryButtons(pSheet->GetAllCommandsName());
    ASSERT_NE(nullptr, pAll);
    EXPECT_EQ(7, pAll->GetCount());
    EXPECT_STREQ("Cascade", pSheet->GetCommandName(kWindowCascade));
    EXPECT_STREQ("Open", pSheet->GetCommandName(kOpen));
    EXPECT_EQ(nullptr, pSheet->GetCommandName(12345));
    EXPECT_EQ(Ansi("Все Команды"), (LPCSTR)pSheet->GetAllCommandsName());
}

TEST_F(CustomizeSheetTest, AmpersandsStayWhenTheOptionKeepsThem)
{
    std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(kOptAmpersands));
    // The category name loses it all the same; the buttons keep theirs.
    EXPECT_EQ((std::vector<std::string>{"&Open", "&Save", "E&xit"}),
              Texts(pSheet->GetCategoryButtons("File")));
    EXPECT_NE(nullptr, pSheet->GetCategoryButtons("File"));
}

TEST_F(CustomizeSheetTest, AddButtonRefusesDuplicatesNonEditableAndUnpermittedCommands)
{
    std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(0));
    pSheet->AddButton("Extra", CZAVPToolbarButton(kSave, -1, "  Save again  "));
    pSheet->AddButton("Extra", CZAVPToolbarButton(kSave, -1, "Other"));
    // Sub-menu buttons (-1) are told apart by their text.
    pSheet->AddButton("Extra", CZAVPToolbarMenuButton((UINT)-1, nullptr, -1, "Popup"));
    pSheet->AddButton("Extra", CZAVPToolbarMenuButton((UINT)-1, nullptr, -1, "Popup"));
    pSheet->AddButton("Extra", CZAVPToolbarMenuButton((UINT)-1, nullptr, -1, "Other popup"));
    // A system command is reserved: not editable.
    pSheet->AddButton("Extra", CZAVPToolbarButton(SC_CLOSE, -1, "Close"));
    // No text and no prompt string: nothing to show.
    pSheet->AddButton("Extra", CZAVPToolbarButton(40999, -1, ""));
    CList<UINT, UINT> lstRefused;
    lstRefused.AddTail(kExit);
    CZAVPToolBar::SetNonPermittedCommands(lstRefused);
    pSheet->AddButton("Extra", CZAVPToolbarButton(kExit, -1, "Exit"));
    CZAVPToolBar::SetNonPermittedCommands(CList<UINT, UINT>());
    EXPECT_EQ((std::vector<std::string>{"Save again", "Popup", "Other popup"}),
              Texts(pSheet->GetCategoryButtons("Extra")));
    // Inserted after a position when there is one.
    pSheet->AddButton("Extra", CZAVPToolbarButton(kCut, -1, "Cut"), 0);
    EXPECT_EQ((std::vector<std::string>{"Save again", "Cut", "Popup", "Other popup"}),
              Texts(pSheet->GetCategoryButtons("Extra")));
}

TEST_F(CustomizeSheetTest, CategoryListsSkipCategoriesWithoutCommandsUnlessAskedFor)
{
    std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(0));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), &parent, 1));
    pSheet->FillCategoriesListBox(list, FALSE);
    // "Новое Меню" holds only the empty menu's prototype (command 0).
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString str;
        list.GetText(i, str);
        names.push_back((LPCSTR)str);
    }
    EXPECT_EQ((std::vector<std::string>{"File", "Edit", "Window", Ansi("Все Команды")}), names);
    list.ResetContent();
    pSheet->FillCategoriesListBox(list, TRUE);
    EXPECT_EQ(5, list.GetCount());
    EXPECT_EQ(pSheet->GetCategoryButtons("File"), list.GetItemDataPtr(0));
    parent.DestroyWindow();
}

TEST_F(CustomizeSheetTest, PagesFollowTheManagersPresent)
{
    struct Case
    {
        PageInputs in;
        std::vector<PageKind> pages;
    };
    PageInputs none;
    PageInputs all;
    all.bToolsManager = all.bKeyboardManager = all.bFrameAccelerators = true;
    all.bContextMenuManager = all.bMouseManager = true;
    all.nExtraPages = 1;
    PageInputs noTools = all;
    noTools.dwOptions = kOptNoTools;
    PageInputs keysWithoutTable = none;
    keysWithoutTable.bKeyboardManager = true;
    PageInputs menuBarOnly = none;
    menuBarOnly.bFrameMenuBar = true;
    const Case cases[] = {
        {none, {kCommandsPage, kToolbarsPage, kOptionsPage}},
        {all,
         {kCommandsPage, kToolbarsPage, kToolsPage, kKeyboardPage, kMenuPage, kMousePage,
          kExtraPage, kOptionsPage}},
        {noTools,
         {kCommandsPage, kToolbarsPage, kKeyboardPage, kMenuPage, kMousePage, kExtraPage,
          kOptionsPage}},
        {keysWithoutTable, {kCommandsPage, kToolbarsPage, kOptionsPage}},
        {menuBarOnly, {kCommandsPage, kToolbarsPage, kMenuPage, kOptionsPage}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.pages, SheetPages(c.in));

    // The sheet itself: managers present, a frame with accelerators.
    CZAVPUserToolsManager tools(41000, 41001, 41003, RUNTIME_CLASS(CZAVPUserTool));
    CZAVPKeyboardManager keys;
    CZAVPMouseManager mouse;
    g_pUserToolsManager = &tools;
    g_pKeyboardManager = &keys;
    g_pMouseManager = &mouse;
    ACCEL accel = {FVIRTKEY | FCONTROL, 'O', (WORD)kOpen};
    m_frame.m_hAccelTable = ::CreateAcceleratorTableA(&accel, 1);
    {
        std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(0));
        // Commands, toolbars, tools, keyboard, mouse, options.
        EXPECT_EQ(6, pSheet->GetPageCount());
        EXPECT_NE(nullptr, pSheet->GetToolsPage());
    }
    {
        std::unique_ptr<CZAVPToolbarCustomize> pSheet(MakeSheet(kOptNoTools | kOptReserved));
        EXPECT_EQ(5, pSheet->GetPageCount());
        EXPECT_EQ(nullptr, pSheet->GetToolsPage());
        EXPECT_EQ(0u, pSheet->GetFlags() & kOptReserved);
    }
    ::DestroyAcceleratorTable(m_frame.m_hAccelTable);
    m_frame.m_hAccelTable = nullptr;
}

TEST(CustomizeRulesTest, CommandTextsAndMenuPaths)
{
    EXPECT_STREQ("Open", CleanCommandText("&Open\tCtrl+O", FALSE));
    EXPECT_STREQ("&Open", CleanCommandText("&Open\tCtrl+O", TRUE));
    EXPECT_STREQ("Save As", CleanCommandText("Save &As", FALSE));
    EXPECT_STREQ("Tooltip", PromptName("Long prompt\nTooltip"));
    EXPECT_STREQ("", PromptName("No tooltip"));
    EXPECT_STREQ("FileOpenProject", MenuPathUserText("File ", "open project\tCtrl+P"));
    EXPECT_STREQ("EditCut", MenuPathUserText("Edit", "Cut"));
    EXPECT_TRUE(UseUserText(true, 1, "FileOpen"));
    EXPECT_TRUE(UseUserText(false, 2, "FileOpen"));
    EXPECT_FALSE(UseUserText(false, 1, "FileOpen"));
    EXPECT_FALSE(UseUserText(true, 3, ""));
    EXPECT_TRUE(IsWindowMenuCommand(0xE130));
    EXPECT_TRUE(IsWindowMenuCommand(0xE13F));
    EXPECT_FALSE(IsWindowMenuCommand(0xE140));
}

TEST(CustomizeRulesTest, KeyCaptureStateMachine)
{
    const LPARAM kDown = 0, kRepeat = 1L << 30;
    struct Step
    {
        UINT message;
        UINT vk;
        LPARAM lParam;
        KeyCapture::Result result;
        BYTE fVirt;  // after the step
        WORD key;
        BOOL bDefined;
    };
    // Ctrl, then Shift, then F5: the combination; a new key afterwards starts over.
    const Step ctrlShiftF5[] = {
        {WM_KEYDOWN, VK_F5, kDown, KeyCapture::kSwallow, 0, 0, FALSE},  // makes the control ready
        {WM_KEYUP, VK_F5, kDown, KeyCapture::kShow, 0, VK_F5, FALSE},
        {WM_KEYDOWN, VK_CONTROL, kDown, KeyCapture::kShow, FCONTROL, VK_F5, FALSE},
        {WM_KEYDOWN, VK_CONTROL, kRepeat, KeyCapture::kShow, FCONTROL, VK_F5, FALSE},
        {WM_KEYDOWN, VK_SHIFT, kDown, KeyCapture::kShow, FCONTROL | FSHIFT, VK_F5, FALSE},
        {WM_KEYDOWN, VK_F5, kDown, KeyCapture::kShow, FVIRTKEY | FCONTROL | FSHIFT, VK_F5, TRUE},
        {WM_KEYUP, VK_F5, kDown, KeyCapture::kShow, FVIRTKEY | FCONTROL | FSHIFT, VK_F5, TRUE},
        {WM_KEYUP, VK_SHIFT, kDown, KeyCapture::kShow, FVIRTKEY | FCONTROL | FSHIFT, VK_F5, TRUE},
        // A new press after the combination was defined starts a new one.
        {WM_SYSKEYDOWN, VK_MENU, kDown, KeyCapture::kShow, FALT, 0, FALSE},
        {WM_SYSKEYDOWN, 'K', kDown, KeyCapture::kShow, FVIRTKEY | FALT, 'K', TRUE},
    };
    KeyCapture capture;
    int i = 0;
    for (const Step& s : ctrlShiftF5) {
        bool bReset = false;
        EXPECT_EQ(s.result, capture.OnKey(s.message, s.vk, s.lParam, bReset)) << "step " << i;
        EXPECT_EQ(s.fVirt, capture.accel.fVirt) << "step " << i;
        EXPECT_EQ(s.key, capture.accel.key) << "step " << i;
        EXPECT_EQ(s.bDefined, capture.bDefined) << "step " << i;
        ++i;
    }

    // Tab alone clears and goes on to the dialog; Esc alone clears and is eaten.
    KeyCapture ready;
    ready.bReady = TRUE;
    bool bReset = false;
    EXPECT_EQ(KeyCapture::kPassOn, ready.OnKey(WM_KEYDOWN, VK_TAB, kDown, bReset));
    EXPECT_TRUE(bReset);
    EXPECT_FALSE(ready.bDefined);
    EXPECT_EQ(0, ready.accel.fVirt);
    EXPECT_EQ(KeyCapture::kSwallow, ready.OnKey(WM_KEYDOWN, VK_ESCAPE, kDown, bReset));
    EXPECT_TRUE(bReset);
    EXPECT_FALSE(ready.bDefined);
    // With a modifier, Tab is a combination like any other.
    ready.OnKey(WM_KEYDOWN, VK_CONTROL, kDown, bReset);
    EXPECT_EQ(KeyCapture::kShow, ready.OnKey(WM_KEYDOWN, VK_TAB, kDown, bReset));
    EXPECT_TRUE(ready.bDefined);
    EXPECT_EQ(FVIRTKEY | FCONTROL, ready.accel.fVirt);
}

TEST(CustomizeRulesTest, AcceleratorEditsAndTheToolsLimit)
{
    const std::vector<ACCEL> table = {{FVIRTKEY | FCONTROL, 'O', 1},
                                      {FVIRTKEY | FCONTROL | FSHIFT, 'O', 2},
                                      {FVIRTKEY | FNOINVERT, VK_F5, 3}};
    EXPECT_EQ(0, FindAccel(table, 'O', FVIRTKEY | FCONTROL));
    EXPECT_EQ(1, FindAccel(table, 'O', FVIRTKEY | FCONTROL | FSHIFT));
    // FNOINVERT is no part of the key.
    EXPECT_EQ(2, FindAccel(table, VK_F5, FVIRTKEY));
    EXPECT_EQ(-1, FindAccel(table, 'O', FVIRTKEY | FALT));
    const std::vector<ACCEL> added = AddAccel(table, ACCEL{FVIRTKEY, VK_F2, 9});
    ASSERT_EQ(4u, added.size());
    EXPECT_EQ(9, added.back().cmd);
    const std::vector<ACCEL> removed = RemoveAccel(added, 1);
    ASSERT_EQ(3u, removed.size());
    EXPECT_EQ(1, removed[0].cmd);
    EXPECT_EQ(3, removed[1].cmd);
    EXPECT_EQ(9, removed[2].cmd);
    EXPECT_EQ(3u, RemoveAccel(table, 7).size());

    EXPECT_TRUE(CanAddTool(0, 100, 100));
    EXPECT_FALSE(CanAddTool(1, 100, 100));
    EXPECT_TRUE(CanAddTool(9, 100, 109));
    EXPECT_FALSE(CanAddTool(10, 100, 109));
    EXPECT_FALSE(CanAddTool(0, 101, 100));  // an empty range
}
