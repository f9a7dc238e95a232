// Popup menu windows under the null driver: chains of menus opened and closed by keys, commands
// that reach their owner once, clicks outside and application switches that close the chain.
#include <gtest/gtest.h>

#include <vector>

#include <cstdlib>
#include <string>
#include <utility>

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "ui/menus/MenuItemsText.h"
#include "ui/menus/SilentMenuSounds.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/CZAVPShowAllButton.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButtonsButton.h"
#include "ui/toolbars/CZAVPToolbarSystemMenuButton.h"
#include "ui/toolbars/ZAVPMenuModel.h"
#include "ui/toolbars/CZAVPDialog.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "tests/support/MessagePump.h"

namespace
{
const UINT kOpen = 101, kExit = 102, kOne = 201, kDeep = 301;

// Open, -, Recent > {One, Two > {Deep}}, Exit
HMENU BuildMenu()
{
    HMENU hTwo = CreatePopupMenu();
    AppendMenuA(hTwo, MF_STRING, kDeep, "&Deep");
    HMENU hRecent = CreatePopupMenu();
    AppendMenuA(hRecent, MF_STRING, kOne, "&One");
    AppendMenuA(hRecent, MF_POPUP, (UINT_PTR)hTwo, "&Two");
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    AppendMenuA(hMenu, MF_STRING, kExit, "E&xit");
    return hMenu;
}

void Pump(DWORD ms) { PumpMessagesFor(ms); }

// A frame that counts the commands it receives.
class CommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class PopupMenuWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SilenceMenuSounds();
        // The frame has no command handlers: its menus keep every item enabled.
        m_frame.m_bAutoMenuEnable = FALSE;
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        m_frame.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOZORDER);
    }
    void TearDown() override
    {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        m_frame.DestroyWindow();
        EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    }

    // A context menu at (50, 60) whose commands go to the frame.
    CZAVPPopupMenu* Open(CWnd* pOwner = nullptr)
    {
        CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
        if (!pPopup->Create(pOwner != nullptr ? pOwner : &m_frame, 50, 60, BuildMenu(), FALSE,
                            TRUE))
            return nullptr;
        return pPopup;
    }
    static void Key(CWnd* pWnd, UINT nKey) { pWnd->SendMessage(WM_KEYDOWN, nKey); }
    // The same with the sub-menu of its last item but one opened by keys (End, Up, Right).
    CZAVPPopupMenu* OpenWithSubMenu(CWnd* pOwner = nullptr)
    {
        CZAVPPopupMenu* pRoot = Open(pOwner);
        if (pRoot == nullptr) return nullptr;
        Key(pRoot, VK_END);
        Key(pRoot, VK_UP);
        Key(pRoot, VK_RIGHT);
        return pRoot;
    }
    // The sub-menu open under the popup's item, or null.
    static CZAVPPopupMenu* SubMenuOf(CZAVPPopupMenu* pPopup, int iItem)
    {
        CZAVPToolbarMenuButton* pButton = dynamic_cast<CZAVPToolbarMenuButton*>(
            pPopup->GetMenuItem(iItem));
        return pButton != nullptr ? pButton->m_pPopupMenu : nullptr;
    }

    // A frame deletes itself when its window goes, so it lives on the heap.
    CommandFrame& m_frame = *new CommandFrame;
};
}  // namespace

TEST_F(PopupMenuWindowTest, ItemsComeFromTheMenuAndTheWindowOpensAtThePoint)
{
    CZAVPPopupMenu* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(4, pPopup->GetMenuItemCount());
    EXPECT_EQ(kOpen, pPopup->GetMenuItem(0)->m_nID);
    EXPECT_TRUE(pPopup->GetMenuItem(1)->IsSeparator());
    EXPECT_EQ((UINT)-1, pPopup->GetMenuItem(2)->m_nID);
    EXPECT_EQ(kExit, pPopup->GetMenuItem(3)->m_nID);
    CRect rect;
    pPopup->GetWindowRect(rect);
    EXPECT_EQ(CPoint(50, 60), rect.TopLeft());
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_EQ(pPopup, CZAVPPopupMenu::GetActiveMenu());
    // The items fill the bar, each a full-width row below the one before.
    const CRect rectOpen = pPopup->GetMenuItem(0)->m_rect;
    const CRect rectRecent = pPopup->GetMenuItem(2)->m_rect;
    EXPECT_EQ(rectOpen.left, rectRecent.left);
    EXPECT_EQ(rectOpen.right, rectRecent.right);
    EXPECT_GT(rectRecent.top, rectOpen.bottom);
}

TEST_F(PopupMenuWindowTest, KeysOpenAndCloseTheChainOneLevelAtATime)
{
    CZAVPPopupMenu* pRoot = Open();
    ASSERT_NE(nullptr, pRoot);
    Key(pRoot, VK_DOWN);
    EXPECT_EQ(0, pRoot->GetMenuBar()->GetHotButton());
    Key(pRoot, VK_DOWN);  // over the separator
    EXPECT_EQ(2, pRoot->GetMenuBar()->GetHotButton());

    Key(pRoot, VK_RIGHT);
    CZAVPPopupMenu* pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    EXPECT_EQ(pSub, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(0, pSub->GetMenuBar()->GetHotButton());  // its first item is selected
    CRect rectRoot, rectSub;
    pRoot->GetWindowRect(rectRoot);
    pSub->GetWindowRect(rectSub);
    EXPECT_GT(rectSub.left, rectRoot.left);  // beside its parent

    // Left closes only the sub-menu; the parent is the active popup again.
    Key(pSub, VK_LEFT);
    EXPECT_EQ(nullptr, SubMenuOf(pRoot, 2));
    EXPECT_TRUE(IsWindow(pRoot->GetSafeHwnd()));
    EXPECT_EQ(pRoot, CZAVPPopupMenu::GetActiveMenu());

    // So does Escape.
    Key(pRoot, VK_RIGHT);
    pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    Key(pSub, VK_ESCAPE);
    EXPECT_EQ(nullptr, SubMenuOf(pRoot, 2));
    EXPECT_EQ(pRoot, CZAVPPopupMenu::GetActiveMenu());

    // Escape in the last one closes it.
    const HWND hwndRoot = pRoot->GetSafeHwnd();
    Key(pRoot, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(hwndRoot));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
}

TEST_F(PopupMenuWindowTest, ACommandFromTheThirdLevelReachesTheOwnerOnceAndClosesAllThree)
{
    CZAVPPopupMenu* pRoot = Open();
    ASSERT_NE(nullptr, pRoot);
    const HWND hwndRoot = pRoot->GetSafeHwnd();
    Key(pRoot, 'R');  // the mnemonic of the sub-menu opens it
    CZAVPPopupMenu* pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    Key(pSub, VK_DOWN);
    Key(pSub, VK_RETURN);
    CZAVPPopupMenu* pDeep = SubMenuOf(pSub, 1);
    ASSERT_NE(nullptr, pDeep);
    const HWND hwndSub = pSub->GetSafeHwnd();
    const HWND hwndDeep = pDeep->GetSafeHwnd();

    Key(pDeep, VK_RETURN);
    EXPECT_FALSE(IsWindow(hwndDeep));
    EXPECT_FALSE(IsWindow(hwndSub));
    EXPECT_FALSE(IsWindow(hwndRoot));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    Pump(50);
    EXPECT_EQ(std::vector<UINT>{kDeep}, m_frame.m_commands);
}

TEST_F(PopupMenuWindowTest, ReleasingTheMouseOnAnItemRunsItOnce)
{
    CZAVPPopupMenu* pRoot = Open();
    ASSERT_NE(nullptr, pRoot);
    CZAVPPopupMenuBar* pBar = pRoot->GetMenuBar();
    const CPoint pt = CRect(pRoot->GetMenuItem(3)->m_rect).CenterPoint();
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    Pump(50);
    EXPECT_EQ(std::vector<UINT>{kExit}, m_frame.m_commands);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
}

namespace
{
// An application that keeps a recent-file list.
class RecentFilesApp : public CWinApp
{
public:
    RecentFilesApp(BOOL bKeepsList, std::vector<std::string> files)
        : CWinApp("RecentFiles"), m_bKeepsList(bKeepsList), m_files(std::move(files))
    {
    }
    BOOL GetRecentFileList(std::vector<std::string>& files) const override
    {
        files = m_files;
        return m_bKeepsList;
    }
    BOOL m_bKeepsList;
    std::vector<std::string> m_files;
};
}  // namespace

TEST_F(PopupMenuWindowTest, TheRecentFileItemBecomesTheApplicationsList)
{
    char szDir[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    std::string strDir = szDir;
    if (strDir.empty() || strDir.back() != '\\') strDir += '\\';
    const UINT kFirst = ZAVPMenuModel::kRecentFileFirst;
    const struct
    {
        const char* name;
        BOOL bKeepsList;
        std::vector<std::string> files;
        std::vector<std::string> texts;
        std::vector<UINT> ids;
    } cases[] = {
        {"three files and a free slot",
         TRUE,
         {strDir + "a.cdx", "", "Z:\\elsewhere\\b.cdx", strDir + "old\\c.cdx"},
         {"&Open", "", "&1 a.cdx", "&2 Z:\\elsewhere\\b.cdx", "&3 old\\c.cdx", "", "E&xit"},
         {kOpen, 0, kFirst, kFirst + 2, kFirst + 3, 0, kExit}},
        // No files: the placeholder goes and its separators fold into one.
        {"an empty list", TRUE, {}, {"&Open", "", "E&xit"}, {kOpen, 0, kExit}},
        {"no list kept",
         FALSE,
         {strDir + "a.cdx"},
         {"&Open", "", "Recent File", "", "E&xit"},
         {kOpen, 0, kFirst, 0, kExit}},
    };
    for (const auto& c : cases) {
        RecentFilesApp app(c.bKeepsList, c.files);
        HMENU hMenu = CreatePopupMenu();
        AppendMenuA(hMenu, MF_STRING, kOpen, "&Open");
        AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(hMenu, MF_STRING, kFirst, "Recent File");
        AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(hMenu, MF_STRING, kExit, "E&xit");
        CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
        ASSERT_TRUE(pPopup->Create(&m_frame, 50, 60, hMenu, FALSE, TRUE)) << c.name;
        std::vector<std::string> texts;
        std::vector<UINT> ids;
        for (int i = 0; i < pPopup->GetMenuItemCount(); ++i) {
            const CZAVPToolbarButton* pItem = pPopup->GetMenuItem(i);
            texts.push_back(pItem->IsSeparator() ? "" : (LPCSTR)pItem->m_strText);
            ids.push_back(pItem->IsSeparator() ? 0 : pItem->m_nID);
        }
        EXPECT_EQ(c.texts, texts) << c.name;
        EXPECT_EQ(c.ids, ids) << c.name;
        pPopup->SendMessage(WM_CLOSE);
    }
}

TEST_F(PopupMenuWindowTest, TheUserToolsTakeThePlaceOfTheirEntry)
{
    const UINT kTools = 501, kFirstTool = 600;
    CZAVPUserToolsManager manager(kTools, kFirstTool, kFirstTool + 9, RUNTIME_CLASS(CZAVPUserTool));
    for (const char* label : {"&Notes", "&Paint"}) manager.CreateNewTool()->m_strLabel = label;
    struct Guard
    {
        explicit Guard(CZAVPUserToolsManager* p) { g_pUserToolsManager = p; }
        ~Guard() { g_pUserToolsManager = nullptr; }
    } guard(&manager);

    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open");
    AppendMenuA(hMenu, MF_STRING, kTools, "Tools");
    AppendMenuA(hMenu, MF_STRING, kExit, "E&xit");
    CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
    ASSERT_TRUE(pPopup->Create(&m_frame, 50, 60, hMenu, FALSE, TRUE));
    std::vector<std::string> texts;
    std::vector<UINT> ids;
    for (int i = 0; i < pPopup->GetMenuItemCount(); ++i) {
        texts.push_back((LPCSTR)pPopup->GetMenuItem(i)->m_strText);
        ids.push_back(pPopup->GetMenuItem(i)->m_nID);
    }
    EXPECT_EQ((std::vector<std::string>{"&Open", "&Notes", "&Paint", "E&xit"}), texts);
    EXPECT_EQ((std::vector<UINT>{kOpen, kFirstTool, kFirstTool + 1, kExit}), ids);
    pPopup->SendMessage(WM_CLOSE);
}

TEST_F(PopupMenuWindowTest, AnotherApplicationTakingTheFocusClosesTheChain)
{
    CZAVPPopupMenu* pRoot = OpenWithSubMenu();
    ASSERT_NE(nullptr, pRoot);
    CZAVPPopupMenu* pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    const HWND hwndRoot = pRoot->GetSafeHwnd();
    const HWND hwndSub = pSub->GetSafeHwnd();

    pSub->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(IsWindow(hwndSub));  // the close is posted
    Pump(50);
    EXPECT_FALSE(IsWindow(hwndSub));
    EXPECT_FALSE(IsWindow(hwndRoot));
    EXPECT_TRUE(m_frame.m_commands.empty());
}

TEST_F(PopupMenuWindowTest, AClickOutsideTheMenusOfADialogClosesTheChain)
{
    CZAVPDialog dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "Dialog", WS_POPUP, 0, 0, 400, 300,
                                m_frame.GetSafeHwnd(), nullptr));
    CZAVPPopupMenu* pRoot = Open(&dialog);
    ASSERT_NE(nullptr, pRoot);
    Key(pRoot, VK_END);
    Key(pRoot, VK_UP);
    // Keys reach the menu through the dialog.
    MSG key = {dialog.GetSafeHwnd(), WM_KEYDOWN, VK_RIGHT, 0, 0, {0, 0}};
    EXPECT_TRUE(dialog.PreTranslateMessage(&key));
    CZAVPPopupMenu* pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    const HWND hwndRoot = pRoot->GetSafeHwnd();

    // A click on the dialog, away from both menus.
    CRect rectRoot;
    pRoot->GetWindowRect(rectRoot);
    const CPoint ptClick(5, rectRoot.bottom + 20);
    MSG click = {dialog.GetSafeHwnd(),
                 WM_LBUTTONDOWN,
                 MK_LBUTTON,
                 MAKELPARAM(ptClick.x, ptClick.y),
                 0,
                 {0, 0}};
    dialog.PreTranslateMessage(&click);
    EXPECT_FALSE(IsWindow(hwndRoot));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CZAVPDlgImpl::m_hookMouse);  // the hook went with the menu
    dialog.DestroyWindow();
}

// With usage counted, a command nobody uses is left out of a menu dropped from a button, but not
// out of the same menu shown as a context menu.
class RarelyUsedTest : public PopupMenuWindowTest
{
protected:
    void SetUp() override
    {
        SilenceMenuSounds();
        PopupMenuWindowTest::SetUp();
        CList<UINT, UINT> basic;
        basic.AddTail(kOpen);
        CZAVPToolBar::SetBasicCommands(basic);
        CZAVPToolBar::m_UsageCount.Reset();
        for (int i = 0; i < 20; ++i) CZAVPToolBar::AddCommandUsage(kOne);
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE900));
        HMENU hMenu = BuildMenu();
        m_bar.InsertButton(new CZAVPToolbarMenuButton((UINT)-1, hMenu, -1, "&File"));
        DestroyMenu(hMenu);
        m_bar.AdjustLayout();
    }
    void TearDown() override
    {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
        m_bar.DestroyWindow();
        CZAVPToolBar::SetBasicCommands(CList<UINT, UINT>());
        CZAVPToolBar::m_UsageCount.Reset();
        PopupMenuWindowTest::TearDown();
    }
    CZAVPToolbarMenuButton* File()
    {
        return static_cast<CZAVPToolbarMenuButton*>(m_bar.GetButton(0));
    }
    static std::vector<UINT> Ids(CZAVPPopupMenu* pPopup)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pPopup->GetMenuItemCount(); ++i) {
            CZAVPToolbarButton* pItem = pPopup->GetMenuItem(i);
            ids.push_back(pItem->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton)) ? 1 : pItem->m_nID);
        }
        return ids;
    }
    CZAVPToolBar m_bar;
};

TEST_F(RarelyUsedTest, TheShowAllItemStandsForLeftOutCommandsAndCtrlDownShowsThem)
{
    ASSERT_TRUE(File()->OpenPopupMenu(&m_bar));
    CZAVPPopupMenu* pPopup = File()->m_pPopupMenu;
    ASSERT_NE(nullptr, pPopup);
    // Exit is left out; 1 marks the show-all item.
    EXPECT_EQ((std::vector<UINT>{kOpen, 0, (UINT)-1, 1}), Ids(pPopup));

    // The show-all item's tooltip names the key, in memory the bar's tooltip relay frees.
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    const CPoint ptShowAll = CRect(pPopup->GetMenuItem(3)->m_rect).CenterPoint();
    EXPECT_GE(pPopup->GetMenuBar()->OnToolHitTest(ptShowAll, &ti), 0);
    ASSERT_NE(nullptr, ti.lpszText);
    const ACCEL ctrlDown = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
    CString strKey;
    CZAVPAccelText(&ctrlDown).Format(strKey);
    EXPECT_EQ(std::string("\xD0\xE0\xF1\xEA\xF0\xFB\xF2\xFC (") + (LPCSTR)strKey + ")",
              ti.lpszText);
    free(ti.lpszText);

    BYTE keys[256] = {};
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Key(pPopup, VK_DOWN);
    EXPECT_EQ((std::vector<UINT>{kOpen, 0, (UINT)-1, kExit}), Ids(pPopup));
    EXPECT_EQ(pPopup, File()->m_pPopupMenu);
}

TEST_F(RarelyUsedTest, ALeftOutCommandStillRunsByItsMnemonic)
{
    ASSERT_TRUE(File()->OpenPopupMenu(&m_bar));
    CZAVPPopupMenu* pPopup = File()->m_pPopupMenu;
    ASSERT_NE(nullptr, pPopup);
    Key(pPopup, 'X');
    Pump(50);
    EXPECT_EQ(std::vector<UINT>{kExit}, m_frame.m_commands);
    EXPECT_EQ(nullptr, File()->m_pPopupMenu);
}

TEST_F(RarelyUsedTest, AContextMenuShowsEverything)
{
    CZAVPPopupMenu* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ((std::vector<UINT>{kOpen, 0, (UINT)-1, kExit}), Ids(pPopup));
}

TEST_F(PopupMenuWindowTest, AnUnfoldingMenuShowsItsItemsOnlyOnceItHasReachedItsSize)
{
    const int nAnimation = CZAVPToolBar::m_nMenuAnimation;
    CZAVPToolBar::m_nMenuAnimation = 1;  // unfold
    CZAVPPopupMenu* pRoot = Open();
    CZAVPToolBar::m_nMenuAnimation = nAnimation;
    ASSERT_NE(nullptr, pRoot);
    EXPECT_FALSE(pRoot->GetMenuBar()->IsWindowVisible());
    // Four rows grow one row a period: well within a second.
    Pump(1000);
    EXPECT_TRUE(pRoot->GetMenuBar()->IsWindowVisible());
    pRoot->SendMessage(WM_CLOSE);
}

TEST(SpecialMenuButtons, TheSystemMenuPopupShowsTheChildsStatesAndNeitherKindIsStored)
{
    HMENU hSystem = CreatePopupMenu();
    AppendMenuA(hSystem, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(hSystem, MF_STRING | MF_GRAYED, SC_MOVE, "&Move");
    AppendMenuA(hSystem, MF_STRING | MF_CHECKED, SC_SIZE, "&Size");
    AppendMenuA(hSystem, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hSystem, MF_STRING, SC_CLOSE, "&Close");
    CZAVPToolbarSystemMenuButton button(hSystem, nullptr);
    // The child's menu changes after the button was made: the popup shows it as it is now.
    EnableMenuItem(hSystem, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    HMENU hShown = button.CreateMenu();
    ASSERT_NE(nullptr, hShown);
    EXPECT_NE(0u, GetMenuState(hShown, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, GetMenuState(hShown, SC_SIZE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_NE(0u, GetMenuState(hShown, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(hShown, SC_RESTORE, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
    EXPECT_FALSE(ZAVPMenuModel::CanClose(hShown));
    DestroyMenu(hShown);

    CZAVPToolbarMenuButtonsButton close(SC_CLOSE);
    for (CZAVPToolbarButton* pButton : {(CZAVPToolbarButton*)&button, (CZAVPToolbarButton*)&close})
        EXPECT_FALSE(pButton->IsStorable()) << pButton->GetRuntimeClass()->m_lpszClassName;
    DestroyMenu(hSystem);
}

TEST_F(PopupMenuWindowTest, AMenuThatCannotBeReadOpensNothing)
{
    HMENU hGone = CreatePopupMenu();
    DestroyMenu(hGone);
    CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
    // On failure the popup is gone: nothing to delete, nothing active.
    EXPECT_FALSE(pPopup->Create(&m_frame, 10, 10, hGone, FALSE, TRUE));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
}

TEST_F(RarelyUsedTest, AMenuDroppedNearTheBottomOfTheScreenOpensAboveItsButton)
{
    CZAVPToolBar::SetBasicCommands(CList<UINT, UINT>());  // every item shown
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    ASSERT_TRUE(
        GetMonitorInfoA(MonitorFromWindow(m_frame.GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &mi));
    // The frame's bottom edge at the work area's bottom: the bar sits just above it.
    const int nFrameHeight = 100;
    m_frame.SetWindowPos(nullptr, 0, mi.rcWork.bottom - nFrameHeight, 600, nFrameHeight,
                         SWP_NOZORDER);
    m_bar.SetWindowPos(nullptr, 0, nFrameHeight - 60, 300, 30, SWP_NOZORDER);
    m_bar.AdjustLayout();
    ASSERT_TRUE(File()->OpenPopupMenu(&m_bar));
    CZAVPPopupMenu* pPopup = File()->m_pPopupMenu;
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(2, pPopup->GetDropDirection());
    CRect rectButton = File()->m_rect;
    m_bar.ClientToScreen(rectButton);
    CRect rectMenu;
    pPopup->GetWindowRect(rectMenu);
    EXPECT_EQ(rectButton.top, rectMenu.bottom - pPopup->GetShadowDepth());
    EXPECT_EQ(rectButton.left, rectMenu.left);
}

TEST_F(PopupMenuWindowTest, OneMouseHookServesTheActiveMenuOfADialog)
{
    CZAVPDialog dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "Dialog", WS_POPUP, 0, 0, 100, 100,
                                m_frame.GetSafeHwnd(), nullptr));
    CZAVPPopupMenu* pFirst = Open(&dialog);
    ASSERT_NE(nullptr, pFirst);
    const HHOOK hHook = CZAVPDlgImpl::m_hookMouse;
    EXPECT_NE(nullptr, hHook);
    // A sub-menu becomes the active menu without a second hook.
    Key(pFirst, VK_END);
    Key(pFirst, VK_UP);
    Key(pFirst, VK_RIGHT);
    ASSERT_NE(nullptr, SubMenuOf(pFirst, 2));
    EXPECT_EQ(SubMenuOf(pFirst, 2), CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(hHook, CZAVPDlgImpl::m_hookMouse);
    // Alt closes the menus; with no menu left the hook goes.
    MSG alt = {dialog.GetSafeHwnd(), WM_SYSKEYDOWN, VK_MENU, 0, 0, {0, 0}};
    EXPECT_TRUE(dialog.PreTranslateMessage(&alt));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CZAVPDlgImpl::m_hookMouse);
    dialog.DestroyWindow();
}

TEST_F(PopupMenuWindowTest, AMenuBreakStartsASecondColumnFromTheTop)
{
    const UINT kCopy = 401, kPaste = 402;
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open");
    AppendMenuA(hMenu, MF_STRING, kExit, "E&xit");
    AppendMenuA(hMenu, MF_STRING | MF_MENUBREAK, kCopy, "&Copy");
    AppendMenuA(hMenu, MF_STRING, kPaste, "&Paste");
    AppendMenuA(hMenu, MF_STRING, kOne, "O&ne more");
    CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
    ASSERT_TRUE(pPopup->Create(&m_frame, 50, 60, hMenu, FALSE, TRUE));
    CZAVPPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_EQ(5, pPopup->GetMenuItemCount());
    std::vector<CRect> r;
    for (int i = 0; i < 5; ++i) r.push_back(pPopup->GetMenuItem(i)->m_rect);

    // Two rows, then three beside them from the top again, where the bar recorded the column.
    EXPECT_EQ(r[0].left, r[1].left);
    EXPECT_EQ(r[0].bottom, r[1].top);
    EXPECT_EQ(r[0].top, r[2].top);
    EXPECT_GE(r[2].left, r[0].right);
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(r[2].left, r[i].left) << i;
        EXPECT_EQ(r[i - 1].bottom, r[i].top) << i;
    }
    ASSERT_EQ(1u, pBar->GetColumnStarts().size());
    EXPECT_EQ(1 + pBar->GetColumnStarts()[0], r[2].left);  // inside the bar's one-pixel frame
    // The bar holds both columns inside its one-pixel frame; the taller sets its height.
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.right - 1, r[4].right);
    EXPECT_EQ(rectClient.bottom - 1, r[4].bottom);
    EXPECT_GT(r[4].bottom, r[1].bottom);
    EXPECT_EQ(3, pBar->HitTest(r[3].CenterPoint()));

    // Items changed while the menu is open lay out as they are now: one column, full width.
    pPopup->RemoveAllItems();
    pPopup->InsertItem(CZAVPToolbarMenuButton(kOpen, nullptr, -1, "&Open"));
    pPopup->InsertItem(CZAVPToolbarMenuButton(kExit, nullptr, -1, "E&xit"));
    pBar->AdjustLocations();
    EXPECT_TRUE(pBar->GetColumnStarts().empty());
    EXPECT_EQ(rectClient.right - 1, pPopup->GetMenuItem(1)->m_rect.right);
    pPopup->SendMessage(WM_CLOSE);
}

TEST_F(PopupMenuWindowTest, AMenuOfADialogThatGoesWithItsSubMenuOpenLeavesNoMenuActive)
{
    CZAVPDialog dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "Dialog", WS_POPUP, 0, 0, 100, 100,
                                m_frame.GetSafeHwnd(), nullptr));
    CZAVPPopupMenu* pRoot = OpenWithSubMenu(&dialog);
    ASSERT_NE(nullptr, pRoot);
    CZAVPPopupMenu* pSub = SubMenuOf(pRoot, 2);
    ASSERT_NE(nullptr, pSub);
    const HWND hwndSub = pSub->GetSafeHwnd();

    // The outer menu goes first (as when its owner closes it): its bar closes the sub-menu,
    // which must not make the going menu active again.
    pRoot->DestroyWindow();
    EXPECT_FALSE(IsWindow(hwndSub));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CZAVPDlgImpl::m_hookMouse);
    dialog.DestroyWindow();
}

namespace
{
const UINT kTemp = 401, kNew = 402;

// Menus dropped from the File button of a toolbar, whose items customisation edits.
class MenuEditTest : public PopupMenuWindowTest
{
protected:
    void SetUp() override
    {
        PopupMenuWindowTest::SetUp();
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE900));
        HMENU hMenu = BuildMenu();
        m_bar.InsertButton(new CZAVPToolbarMenuButton((UINT)-1, hMenu, -1, "&File"));
        DestroyMenu(hMenu);
        m_bar.AdjustLayout();
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        PopupMenuWindowTest::TearDown();
    }
    CZAVPToolbarMenuButton* File()
    {
        return static_cast<CZAVPToolbarMenuButton*>(m_bar.GetButton(0));
    }
    std::string FileItems()
    {
        return DescribeMenuItems(CZAVPToolbarMenuButton::ItemOf(*File()).subItems);
    }
    // Opens File and its Recent sub-menu; answers the sub-menu.
    CZAVPPopupMenu* OpenRecent()
    {
        if (File()->m_pPopupMenu == nullptr && !File()->OpenPopupMenu(&m_bar)) return nullptr;
        CZAVPPopupMenu* pRoot = File()->m_pPopupMenu;
        CZAVPToolbarMenuButton* pRecent = dynamic_cast<CZAVPToolbarMenuButton*>(
            pRoot != nullptr ? pRoot->GetMenuItem(2) : nullptr);
        if (pRecent == nullptr || !pRecent->OpenPopupMenu()) return nullptr;
        return pRecent->m_pPopupMenu;
    }

    ScopedValue<BOOL> m_customizing{ZAVPSharedBarData::g_bCustomizeMode, TRUE};
    CZAVPToolBar m_bar;
};

const char kFileItems[] = "&Open=101 - &Recent>{&One=201 &Two>{&Deep=301}} E&xit=102";
}  // namespace

TEST_F(MenuEditTest, ATemporaryButtonLeavesWithItsMenuUnlessItIsKept)
{
    const CZAVPToolbarMenuButton temp(kTemp, nullptr, -1, "&Temp");
    CZAVPPopupMenu* pSub = OpenRecent();
    ASSERT_NE(nullptr, pSub);
    CRect rectBefore, rectWith;
    pSub->GetWindowRect(rectBefore);
    ASSERT_TRUE(pSub->GetMenuBar()->SetTemporaryButton(temp, 1));
    EXPECT_EQ(3, pSub->GetMenuItemCount());
    // The menu grows by the row it shows.
    pSub->GetWindowRect(rectWith);
    EXPECT_EQ(rectBefore.Height() + pSub->GetMenuBar()->GetRowHeight(), rectWith.Height());
    pSub->CloseMenu();
    EXPECT_EQ(kFileItems, FileItems());

    // Kept, it is an edit like any other and reaches the outermost button at once.
    pSub = OpenRecent();
    ASSERT_NE(nullptr, pSub);
    ASSERT_TRUE(pSub->GetMenuBar()->SetTemporaryButton(temp, 1));
    pSub->GetMenuBar()->CommitTemporaryButton();
    pSub->CloseMenu();
    EXPECT_EQ("&Open=101 - &Recent>{&One=201 &Temp=401 &Two>{&Deep=301}} E&xit=102", FileItems());
    File()->m_pPopupMenu->CloseMenu();
}

TEST_F(MenuEditTest, AMenuThatGoesClosesItsOpenSubMenuAndKeepsItsEdits)
{
    CZAVPPopupMenu* pSub = OpenRecent();
    ASSERT_NE(nullptr, pSub);
    ASSERT_TRUE(pSub->InsertItem(CZAVPToolbarMenuButton(kNew, nullptr, -1, "&New")));
    const HWND hwndSub = pSub->GetSafeHwnd();

    File()->m_pPopupMenu->DestroyWindow();
    EXPECT_FALSE(IsWindow(hwndSub));
    EXPECT_EQ(nullptr, File()->m_pPopupMenu);
    EXPECT_EQ("&Open=101 - &Recent>{&One=201 &Two>{&Deep=301} &New=402} E&xit=102", FileItems());
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
}
