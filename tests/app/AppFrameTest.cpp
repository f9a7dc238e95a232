// The main frame with its item list, as the application opens them: the bars, menu and
// accelerators; the command table routed to its handlers; the new-disc prompt; and the list
// filling, sorting, opening rows, editing cells and answering its context menus.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "CatalogTreeFixture.h"
#include "CdromFixture.h"
#include "app/CTarnimelFrame.h"
#include "app/DriveFacts.h"
#include "app/InPlaceEdit.h"
#include "app/VIEW_CategoryTree.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/layout/CaptionMath.h"
#include "app/VIEW_ItemsList.h"
#include "app/FileTypeNames.h"
#include "app/ListRowCollector.h"
#include "app/RepresentationColumns.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/CollectionNode.h"
#include "catalog/TextConversion.h"
#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"

namespace
{

TestApp g_app("LornivalAppFrameTests");

std::string A(const wchar_t* text) { return ToAnsiString(text); }

class AppFrame : public ::testing::Test
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
        m_folder = std::make_unique<ScratchFolder>();
        ASSERT_TRUE(g_app.InitInstance());
        frame = g_app.GetMainFrame();
        ASSERT_NE(nullptr, frame);
        doc = dynamic_cast<CTarnimelDoc*>(frame->GetActiveDocument());
        list = dynamic_cast<VIEW_ItemsList*>(frame->GetItemsList());
        ASSERT_NE(nullptr, doc);
        ASSERT_NE(nullptr, list);
        PumpPending();
    }
    void TearDown() override
    {
        if (frame && IsWindow(frame->GetSafeHwnd())) {
            g_app.m_answers.clear();
            EndNaming();
            PumpPending();
            frame->PostMessage(WM_CLOSE);
            g_app.Run();
        }
        m_folder.reset();
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
    }

    CollectionNode* Root() const { return doc->m_collections.front(); }
    // A new folder or disc opens its name for editing in the tree: the user presses Enter.
    void EndNaming()
    {
        if (VIEW_CategoryTree* tree = frame->GetCategoryTree())
            tree->PostMessage(TVM_ENDEDITLABELNOW, FALSE, 0);
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void ShowCurrent() { doc->UpdateAllViews(nullptr, CTarnimelDoc::HintCurrentChanged); }

    // The catalogue of CatalogTreeFixture, built into the document's collection.
    void Populate()
    {
        games = AddNode<UserFolderNode>(Root(), L"Игры");
        old = AddNode<UserFolderNode>(games, L"Old");
        disc = AddNode<DiscNode>(Root(), L"Disc");
        disc->m_addedTime = UtcTime(2005, 6, 7, 8, 9);
        docs = AddNode<DiscFolderNode>(disc, L"Docs");
        std::vector<FileEntry> files{MakeEntry(L"setup.exe", 2048, UtcTime(2004, 3, 5, 7, 8)),
                                     MakeEntry(L"readme.txt", 100, UtcTime(2003, 1, 2, 3, 4))};
        disc->SetEntries(files);
        // The nodes were hung in without the document: the tree reads the catalogue again.
        VIEW_CategoryTree* tree = frame->GetCategoryTree();
        tree->GetTreeCtrl().DeleteAllItems();
        tree->OnInitialUpdate();
        ShowCurrent();
    }

    CListCtrl& Rows() const { return list->GetListCtrl(); }
    std::vector<std::string> ColumnTexts(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Rows().GetItemCount(); ++row)
            texts.push_back((LPCSTR)Rows().GetItemText(row, column));
        return texts;
    }
    std::vector<std::string> Headers() const
    {
        std::vector<std::string> titles;
        HWND header = ListView_GetHeader(list->GetSafeHwnd());
        for (int i = 0; i < Header_GetItemCount(header); ++i) {
            char text[64] = {};
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT;
            column.pszText = text;
            column.cchTextMax = sizeof text;
            ListView_GetColumn(list->GetSafeHwnd(), i, &column);
            titles.push_back(text);
        }
        return titles;
    }
    int RowOf(const wchar_t* name) const
    {
        const std::vector<std::string> names = ColumnTexts(0);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == A(name)) return (int)i;
        return -1;
    }
    // The list's notifications as the control sends them to the frame, which reflects them.
    void ListNotify(UINT code, int row, int column)
    {
        NMITEMACTIVATE info = {};
        info.hdr.hwndFrom = list->GetSafeHwnd();
        info.hdr.idFrom = AFX_IDW_PANE_FIRST;
        info.hdr.code = code;
        info.iItem = row;
        info.iSubItem = column;
        frame->SendMessage(WM_NOTIFY, AFX_IDW_PANE_FIRST, (LPARAM)&info);
    }
    void HeaderClick(int column)
    {
        NMHEADERA click = {};
        click.hdr.hwndFrom = ListView_GetHeader(list->GetSafeHwnd());
        click.hdr.code = HDN_ITEMCLICKA;
        click.iItem = column;
        click.iButton = 0;
        list->SendMessage(WM_NOTIFY, 0, (LPARAM)&click);
    }

    std::unique_ptr<ScratchFolder> m_folder;
    CTarnimelFrame* frame = nullptr;
    CTarnimelDoc* doc = nullptr;
    VIEW_ItemsList* list = nullptr;
    UserFolderNode* games = nullptr;
    UserFolderNode* old = nullptr;
    DiscNode* disc = nullptr;
    DiscFolderNode* docs = nullptr;
};

std::vector<UINT> ButtonIds(CZAVPToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i) ids.push_back(bar.GetButton(i)->m_nID);
    return ids;
}

TEST_F(AppFrame, BarsMenuAndListColumnsAreThere)
{
    // Each bar answers to an id of its own: the navigation toolbar does not shadow the status bar.
    EXPECT_EQ(&frame->MainToolBar(), frame->GetControlBar(CTarnimelFrame::MainToolBarId));
    EXPECT_EQ(&frame->NavigationToolBar(),
              frame->GetControlBar(CTarnimelFrame::NavigationToolBarId));
    EXPECT_EQ(&frame->StatusBar(), frame->GetControlBar(CTarnimelFrame::StatusBarId));
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773, 0, 57664}), ButtonIds(frame->MainToolBar()));
    EXPECT_EQ((std::vector<UINT>{32779, 32780, 32781, 0, 32776}),
              ButtonIds(frame->NavigationToolBar()));
    ASSERT_EQ(4, frame->StatusBar().GetCount());
    // The message pane, then the three key indicators.
    const char* indicators[] = {"CAP", "NUM", "SCRL"};
    for (int i = 1; i < 4; ++i)
        EXPECT_STREQ(indicators[i - 1], frame->StatusBar().GetPaneText(i)) << i;

    HMENU menu = GetMenu(frame->GetSafeHwnd());
    ASSERT_NE(nullptr, menu);
    std::vector<std::string> tops;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        tops.push_back(text);
    }
    EXPECT_EQ(
        (std::vector<std::string>{A(L"&Файл"), A(L"&Каталог"), A(L"&Отображение"), A(L"&Справка")}),
        tops);

    EXPECT_EQ((std::vector<std::string>{A(L"Имя"), A(L"Дата создания"), A(L"Описание"),
                                        A(L"На руках у ...")}),
              Headers());
}

TEST_F(AppFrame, LockKeyPanesFollowTheLocksAtTheIdleUpdate)
{
    BYTE saved[256] = {};
    ASSERT_TRUE(GetKeyboardState(saved));
    // Each row: the toggles of Caps Lock, Num Lock and Scroll Lock; a held key with its lock off
    // (0x80) shows that the lock, not the key being down, decides.
    const struct
    {
        BYTE caps, num, scroll;
        bool capsOn, numOn, scrollOn;
    } cases[] = {
        {0x01, 0x00, 0x00, true, false, false},  {0x00, 0x01, 0x80, false, true, false},
        {0x80, 0x00, 0x01, false, false, true},  {0x01, 0x81, 0x01, true, true, true},
        {0x00, 0x00, 0x00, false, false, false},
    };
    for (const auto& c : cases) {
        BYTE keys[256] = {};
        std::copy(saved, saved + 256, keys);
        keys[VK_CAPITAL] = c.caps;
        keys[VK_NUMLOCK] = c.num;
        keys[VK_SCROLL] = c.scroll;
        ASSERT_TRUE(SetKeyboardState(keys));
        // The idle update the message loop runs when its queue is empty.
        g_app.OnIdle(0);
        const bool on[] = {c.capsOn, c.numOn, c.scrollOn};
        for (int pane = 1; pane < 4; ++pane)
            EXPECT_EQ(on[pane - 1], (frame->StatusBar().GetPaneStyle(pane) & SBPS_DISABLED) == 0)
                << "pane " << pane << " for " << int(c.caps) << "," << int(c.num) << ","
                << int(c.scroll);
    }
    SetKeyboardState(saved);
}

TEST_F(AppFrame, TheTreeIsTheWorkspaceBarsTabAndFollowsTheDocument)
{
    WND_Workspace& bar = frame->WorkspaceBar();
    VIEW_CategoryTree* tree = frame->GetCategoryTree();
    ASSERT_NE(nullptr, tree);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_TRUE(bar.IsDocked());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, bar.GetCurrentAlignment());
    ASSERT_EQ(1, bar.GetTabWnd()->GetTabsNum());
    // The tab holds the tree itself or the pane the tab window wraps it in.
    const CWnd* tab = bar.GetTabWnd()->GetTabWnd(0);
    ASSERT_NE(nullptr, tab);
    EXPECT_TRUE(tab == tree || IsChild(tab->GetSafeHwnd(), tree->GetSafeHwnd()));
    EXPECT_TRUE(tree->IsWindowVisible());
    CString label;
    bar.GetTabWnd()->GetTabLabel(0, label);
    EXPECT_EQ(A(L"По категориям"), (LPCSTR)label);
    EXPECT_EQ(tree->GetDocument(), doc);
    // The frame has no auto-hide strips, so its caption offers no pin that could not work; the
    // close button hides the bar.
    ASSERT_NE(nullptr, bar.FindCaptionButton(DockLayout::kHitPin));
    EXPECT_TRUE(bar.FindCaptionButton(DockLayout::kHitPin)->m_bHidden);
    ASSERT_NE(nullptr, bar.FindCaptionButton(DockLayout::kHitPaneClose));
    EXPECT_FALSE(bar.FindCaptionButton(DockLayout::kHitPaneClose)->m_bHidden);

    Populate();
    doc->NavigateTo(disc, nullptr);
    EXPECT_EQ(disc, tree->NodeOf(tree->GetTreeCtrl().GetSelectedItem()));
    // Choosing a node in the tree shows its content in the list.
    tree->GetTreeCtrl().SelectItem(tree->FindItem(games));
    EXPECT_EQ(games, doc->GetCurrentNode());
    EXPECT_EQ(std::vector<std::string>{"Old"}, ColumnTexts(0));
}

TEST_F(AppFrame, HidingAndShowingTheWorkspaceKeepsTheTreeAndSwapsTheCommands)
{
    Populate();
    doc->NavigateTo(old, nullptr);
    VIEW_CategoryTree* tree = frame->GetCategoryTree();
    const int items = TreeView_GetCount(tree->GetSafeHwnd());
    auto enabled = [&](UINT command) {
        CTestCmdUI state;
        state.m_nID = command;
        frame->OnCmdMsg(command, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.m_bEnabled != FALSE;
    };
    EXPECT_FALSE(enabled(32789));
    EXPECT_TRUE(enabled(32790));
    Command(32790);
    EXPECT_FALSE(frame->WorkspaceBar().IsVisible());
    EXPECT_TRUE(enabled(32789));
    EXPECT_FALSE(enabled(32790));
    Command(32789);
    EXPECT_TRUE(frame->WorkspaceBar().IsVisible());
    EXPECT_EQ(items, TreeView_GetCount(tree->GetSafeHwnd()));
    EXPECT_EQ(old, tree->NodeOf(tree->GetTreeCtrl().GetSelectedItem()));

    // Its close button hides the bar whole; the tab stays.
    frame->WorkspaceBar().OnPressCloseButton();
    EXPECT_FALSE(frame->WorkspaceBar().IsVisible());
    EXPECT_EQ(1, frame->WorkspaceBar().GetTabWnd()->GetTabsNum());
}

TEST_F(AppFrame, TheWorkspaceBarsStateIsSavedAtTheCloseAndComesBackAtTheNextStart)
{
    // Wider than it starts, then hidden.
    CZAVPSlider* slider = frame->WorkspaceBar().GetDefaultSlider();
    ASSERT_NE(nullptr, slider);
    slider->Move(CPoint(40, 0));
    PumpPending();
    auto inFrame = [this](CWnd* wnd) {
        CRect rect;
        wnd->GetWindowRect(rect);
        frame->ScreenToClient(rect);
        return rect;
    };
    const CRect docked = inFrame(&frame->WorkspaceBar());
    ASSERT_EQ(240, docked.Width());
    Command(ID_HIDE_WORKSPACE);
    ASSERT_FALSE(frame->WorkspaceBar().IsVisible());
    frame->PostMessage(WM_CLOSE);
    g_app.Run();
    frame = nullptr;

    // The bar (id -1) is hidden in the saved state, docked on the left, beside the other bars.
    const std::string ui = g_app.RegistryRoot() + "\\Lornival\\Settings\\1.16\\";
    DWORD visible = 1, alignment = 0, size = sizeof(DWORD);
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, (ui + "ZAVPBaseControlBar--1").c_str(),
                                          "IsVisible", RRF_RT_REG_DWORD, nullptr, &visible, &size));
    EXPECT_EQ(0u, visible);
    size = sizeof(DWORD);
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueA(HKEY_CURRENT_USER, (ui + "ZAVPControlBar--1").c_str(),
                           "RecentFrameAlignment", RRF_RT_REG_DWORD, nullptr, &alignment, &size));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, alignment);

    // The next start reads the layout (the bar without an id is known by its class and its tab)
    // and the same bar comes back hidden; shown, it has its side and its width again.
    ASSERT_TRUE(g_app.InitInstance());
    frame = g_app.GetMainFrame();
    ASSERT_NE(nullptr, frame);
    doc = dynamic_cast<CTarnimelDoc*>(frame->GetActiveDocument());
    PumpPending();
    EXPECT_FALSE(frame->m_dockManager.IsLoadFailed());
    EXPECT_FALSE(frame->WorkspaceBar().IsVisible());
    EXPECT_FALSE(frame->WorkspaceBar().IsWindowVisible());
    Command(ID_SHOW_WORKSPACE);
    PumpPending();
    EXPECT_TRUE(frame->WorkspaceBar().IsWindowVisible());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, frame->WorkspaceBar().GetCurrentAlignment());
    const CRect shown = inFrame(&frame->WorkspaceBar());
    EXPECT_EQ(docked.left, shown.left);
    EXPECT_EQ(docked.Width(), shown.Width());
    // The tree is still the bar's tab, and the bar is still the frame's own.
    ASSERT_NE(nullptr, frame->GetCategoryTree());
    EXPECT_EQ(frame->GetCategoryTree(), frame->WorkspaceBar().FindBarByTabNumber(0, TRUE));
    EXPECT_TRUE(frame->GetCategoryTree()->IsWindowVisible());
}

TEST_F(AppFrame, AWorkspaceBarLeftFloatingComesBackFloatingAboveTheFrameWithItsTree)
{
    Populate();
    Root()->m_modified = 1;  // saved at the close, read at the next start
    VIEW_CategoryTree* tree = frame->GetCategoryTree();
    // Items come into the tree as their parents are opened: every one is opened before counting.
    const auto allItems = [](VIEW_CategoryTree* view) {
        CTreeCtrl& ctrl = view->GetTreeCtrl();
        std::vector<HTREEITEM> pending{ctrl.GetRootItem()};
        while (!pending.empty()) {
            HTREEITEM item = pending.back();
            pending.pop_back();
            for (; item; item = ctrl.GetNextSiblingItem(item)) {
                if (ctrl.ItemHasChildren(item)) ctrl.Expand(item, TVE_EXPAND);
                pending.push_back(ctrl.GetChildItem(item));
            }
        }
        return (int)ctrl.GetCount();
    };
    const int items = allItems(tree);
    ASSERT_GT(items, 1);
    CRect rectFrame;
    frame->GetWindowRect(rectFrame);
    const CRect floating(rectFrame.TopLeft() + CPoint(300, 120), CSize(220, 260));
    ASSERT_TRUE(frame->WorkspaceBar().FloatControlBar(floating, ZAVP_DM_DBL_CLICK, TRUE));
    PumpPending();
    ASSERT_TRUE(frame->WorkspaceBar().IsFloating());
    const CRect stored = [&] {
        CRect rect;
        frame->WorkspaceBar().GetParentMiniFrame(TRUE)->GetWindowRect(rect);
        return rect;
    }();
    frame->PostMessage(WM_CLOSE);
    g_app.Run();
    frame = nullptr;

    ASSERT_TRUE(g_app.InitInstance());
    frame = g_app.GetMainFrame();
    ASSERT_NE(nullptr, frame);
    PumpPending();
    EXPECT_FALSE(frame->m_dockManager.IsLoadFailed());
    // The frame's own bar floats where it was, holding the tree with all its items.
    WND_Workspace& bar = frame->WorkspaceBar();
    CZAVPMiniFrameWnd* miniFrame = bar.GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, miniFrame) << "the bar came back docked";
    EXPECT_TRUE(miniFrame->IsWindowVisible());
    CRect now;
    miniFrame->GetWindowRect(now);
    EXPECT_EQ(stored, now);
    tree = frame->GetCategoryTree();
    ASSERT_NE(nullptr, tree);
    EXPECT_EQ(tree, bar.FindBarByTabNumber(0, TRUE));
    EXPECT_TRUE(tree->IsWindowVisible());
    EXPECT_EQ(items, allItems(tree));
    // Owned by the main frame, it stays above it.
    EXPECT_EQ(frame->GetSafeHwnd(), ::GetWindow(miniFrame->GetSafeHwnd(), GW_OWNER));
    bool above = false;
    for (HWND w = ::GetWindow(miniFrame->GetSafeHwnd(), GW_HWNDNEXT); w != nullptr;
         w = ::GetWindow(w, GW_HWNDNEXT))
        if (w == frame->GetSafeHwnd()) above = true;
    EXPECT_TRUE(above) << "the floating bar lies under the frame";

    // The menu offers to hide the bar the user sees, and hiding and showing keep its tree.
    auto enabled = [&](UINT command) {
        CTestCmdUI state;
        state.m_nID = command;
        frame->OnCmdMsg(command, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.m_bEnabled != FALSE;
    };
    EXPECT_FALSE(enabled(ID_SHOW_WORKSPACE));
    EXPECT_TRUE(enabled(ID_HIDE_WORKSPACE));
    Command(ID_HIDE_WORKSPACE);
    PumpPending();
    EXPECT_FALSE(miniFrame->IsWindowVisible());
    EXPECT_TRUE(enabled(ID_SHOW_WORKSPACE));
    Command(ID_SHOW_WORKSPACE);
    PumpPending();
    EXPECT_TRUE(miniFrame->IsWindowVisible());
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(items, TreeView_GetCount(tree->GetSafeHwnd()));
}

TEST_F(AppFrame, AcceleratorsAreTheTableAndBackspaceGoesUp)
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL keys[8] = {};
    const int count = CopyAcceleratorTableA(table, keys, 8);
    struct
    {
        BYTE flags;
        WORD key;
        WORD command;
    } expected[] = {{FVIRTKEY | FCONTROL, 'F', 32776},
                    {FVIRTKEY, VK_BACK, 32781},
                    {FVIRTKEY | FCONTROL, VK_F2, 32783},
                    {FVIRTKEY | FCONTROL, VK_LEFT, 32779},
                    {FVIRTKEY | FCONTROL, VK_RIGHT, 32780}};
    ASSERT_EQ(5, count);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(expected[i].flags, keys[i].fVirt & ~FNOINVERT) << i;
        EXPECT_EQ(expected[i].key, keys[i].key) << i;
        EXPECT_EQ(expected[i].command, keys[i].cmd) << i;
    }

    // Backspace in the list goes up one level through the frame's accelerators.
    Populate();
    doc->NavigateTo(games, nullptr);
    MSG msg = {list->GetSafeHwnd(), WM_KEYDOWN, VK_BACK, 0, 0, {0, 0}};
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));
    EXPECT_EQ(Root(), doc->GetCurrentNode());
}

TEST_F(AppFrame, FolderCommandsOfTheMenuAndOfTheContextMenusBothMakeAFolder)
{
    // Each makes a folder in the current node, which the new folder then becomes.
    CatalogNode* parent = Root();
    for (UINT command : {32772u, 32778u}) {
        Command(command);
        EndNaming();
        PumpPending();
        ASSERT_EQ(1u, parent->m_children.size()) << command;
        CatalogNode* created = *parent->m_children.begin();
        EXPECT_EQ(L"Новая папка", created->m_name.str());
        EXPECT_EQ(created, doc->GetCurrentNode());
        parent = created;
    }
    doc->GoUp();
    EXPECT_EQ(std::vector<std::string>{A(L"Новая папка")}, ColumnTexts(0));
}

TEST_F(AppFrame, DeleteAsksAndKeepsTheNodeOnNo)
{
    Populate();
    // The collection itself is never deleted, and nobody is asked.
    Command(32773);
    EXPECT_TRUE(g_app.m_messages.empty());

    doc->NavigateTo(games, nullptr);
    Command(32773);
    ASSERT_EQ(1u, g_app.m_messages.size());
    EXPECT_EQ(A(L"Вы действительно хотите удалить папку, со всем её содержимым?"),
              g_app.m_messages[0]);
    EXPECT_EQ(games, doc->GetCurrentNode());

    g_app.m_answers = {IDYES};
    Command(32773);
    EXPECT_EQ(Root(), doc->GetCurrentNode());
    EXPECT_EQ(1u, Root()->m_children.size());
    EXPECT_EQ(std::vector<std::string>{"Disc"}, ColumnTexts(0));
}

TEST_F(AppFrame, StatisticsAndAboutShowTheirTexts)
{
    std::string statistics;
    DialogAnswerer statisticsBox(A(L"Статистика...").c_str(), [&](HWND dialog) {
        char text[512] = {};
        GetDlgItemTextA(dialog, IDC_STATISTICS_TEXT, text, sizeof text);
        statistics = text;
        return (UINT)IDOK;
    });
    Command(164);
    ASSERT_TRUE(statisticsBox.Met());
    const std::string discs = A(L"Дисков всего: ") + std::to_string(CatalogStatistics::DiscCount());
    EXPECT_EQ(0u, statistics.find(discs + "\r\n")) << statistics;
    EXPECT_NE(std::string::npos, statistics.find(A(L"\r\nОбщий объём файлов: "))) << statistics;
    EXPECT_EQ(" Gb", statistics.substr(statistics.size() - 3));

    std::string product, version;
    DialogAnswerer aboutBox(A(L"О программе...").c_str(), [&](HWND dialog) {
        char text[64] = {};
        GetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, text, sizeof text);
        product = text;
        GetDlgItemTextA(dialog, IDC_STATIC_VERSION, text, sizeof text);
        version = text;
        return (UINT)IDOK;
    });
    Command(57664);
    ASSERT_TRUE(aboutBox.Met());
    EXPECT_EQ("Lornival", product);
    EXPECT_EQ(A(L"Версия: 1.16"), version);
}

TEST_F(AppFrame, MenuStatesFollowTheHandlersAndTheDocument)
{
    HMENU menu = GetMenu(frame->GetSafeHwnd());
    auto grayed = [&](int popup, UINT command) {
        HMENU sub = GetSubMenu(menu, popup);
        frame->SendMessage(WM_INITMENUPOPUP, (WPARAM)sub, popup);
        return (GetMenuState(sub, command, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    const int FileMenu = 0, CatalogMenu = 1;
    EXPECT_TRUE(grayed(FileMenu, 32795));   // "Импорт БД..." has no handler
    EXPECT_FALSE(grayed(FileMenu, 32797));  // a new collection is unsaved
    EXPECT_FALSE(grayed(FileMenu, 57665));
    EXPECT_TRUE(grayed(CatalogMenu, 32779));  // nothing to go back to yet
    EXPECT_TRUE(grayed(CatalogMenu, 32781));  // the collection has no parent
    Populate();
    doc->NavigateTo(games, nullptr);
    EXPECT_FALSE(grayed(CatalogMenu, 32779));
    EXPECT_FALSE(grayed(CatalogMenu, 32781));
    EXPECT_FALSE(grayed(CatalogMenu, 164));
}

// Drives of the prompt's test: X: is a CD-ROM with a label, C: a hard disc.
class TestDrives : public DriveFacts
{
public:
    UINT DriveType(const std::string& root) override
    {
        return root == "X:\\" ? DRIVE_CDROM : root == "C:\\" ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
    }
    std::string VolumeLabel(const std::string& root) override
    {
        return root == "X:\\" ? "GAMES_2004" : "";
    }
};

TEST_F(AppFrame, AVolumeArrivalAsksOnlyForACdromAndNoChangesNothing)
{
    TestDrives drives;
    frame->SetDriveFacts(&drives);
    const DWORD DriveC = 1u << 2, DriveX = 1u << 23;
    struct
    {
        WPARAM event;
        DWORD deviceType;
        DWORD mask;
        bool asks;
    } cases[] = {
        {DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, DriveX, true},
        {DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, DriveC, false},
        {DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, DriveC | DriveX, true},
        {DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME, DriveX, false},
        {DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT, DriveX, false},
    };
    const std::string rootBefore = doc->m_settings.m_defaultRoot;
    for (const auto& c : cases) {
        g_app.m_messages.clear();
        DEV_BROADCAST_VOLUME volume = {};
        volume.dbcv_size = sizeof volume;
        volume.dbcv_devicetype = c.deviceType;
        volume.dbcv_unitmask = c.mask;
        frame->SendMessage(WM_DEVICECHANGE, c.event, (LPARAM)&volume);
        ASSERT_EQ(c.asks ? 1u : 0u, g_app.m_messages.size()) << c.mask;
        if (c.asks) {
            EXPECT_EQ(A(L"Обнаружен новый CD-ROM!\n\nМетка диска: GAMES_2004\n\nДобавить?"),
                      g_app.m_messages[0]);
        }
    }
    // A null broadcast is not read.
    frame->SendMessage(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
    EXPECT_EQ(rootBefore, doc->m_settings.m_defaultRoot);
    EXPECT_TRUE(Root()->m_children.empty());
    frame->SetDriveFacts(nullptr);
}

TEST_F(AppFrame, AYesToTheNewDiscPromptScansTheDiscIntoTheCurrentFolder)
{
    CdromFixture cdrom;
    cdrom.AddFile("setup.exe", std::string(2048, 's'));
    cdrom.AddFile("readme.txt", "read me");
    cdrom.AddFile("Docs/manual.txt", "manual");
    Populate();
    doc->NavigateTo(games, nullptr);

    // The progress dialog ignores the user while it scans and offers OK at the end.
    DialogAnswerer progress(A(L"Добавление нового диска...").c_str(), [](HWND dialog) {
        for (int i = 0; i < 500 && !IsWindowVisible(GetDlgItem(dialog, IDOK)); ++i) Sleep(20);
        return (UINT)IDOK;
    });
    g_app.m_answers = {IDYES};
    DEV_BROADCAST_VOLUME volume = {};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << (cdrom.Root()[0] - 'A');
    frame->SendMessage(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, (LPARAM)&volume);
    EndNaming();
    PumpPending();
    ASSERT_TRUE(progress.Met());
    ASSERT_EQ(1u, g_app.m_messages.size());
    EXPECT_NE(std::string::npos, g_app.m_messages[0].find(CdromFixture::Label()));

    EXPECT_EQ(cdrom.Root(), doc->m_settings.m_defaultRoot);
    EXPECT_EQ(cdrom.Root(), (LPCSTR)g_app.GetProfileString("Settings", "DefaultRoot"));
    ASSERT_EQ(2u, games->m_children.size());
    // The new disc becomes the current node, and the list shows what the drive holds.
    const CatalogNode* added = doc->GetCurrentNode();
    EXPECT_EQ(games, added->m_parent);
    EXPECT_EQ(CdromFixture::Label(), ToAnsiString(added->m_name.c_str()));
    EXPECT_EQ("Docs", ColumnTexts(0)[0]);
    ASSERT_NE(-1, RowOf(L"readme.txt"));
    ASSERT_NE(-1, RowOf(L"setup.exe"));
    EXPECT_EQ("2 KB", ColumnTexts(1)[RowOf(L"setup.exe")]);
}

TEST_F(AppFrame, TheListShowsNodesThenAFolderContentAndSortsBySizeBothWays)
{
    Populate();
    EXPECT_EQ((std::vector<std::string>{"Disc", A(L"Игры")}), ColumnTexts(0));
    // A disc shows when it was added; a user folder has no date.
    EXPECT_EQ(16u, ColumnTexts(1)[0].size());
    EXPECT_EQ("", ColumnTexts(1)[1]);

    // A double-click on the disc's name opens it: the file columns, folders first.
    ListNotify(NM_DBLCLK, RowOf(L"Disc"), 0);
    EXPECT_EQ(disc, doc->GetCurrentNode());
    EXPECT_EQ((std::vector<std::string>{A(L"Имя"), A(L"Размер"), A(L"Тип"), A(L"Дата изменения"),
                                        A(L"Описание")}),
              Headers());
    EXPECT_EQ((std::vector<std::string>{"Docs", "readme.txt", "setup.exe"}), ColumnTexts(0));
    EXPECT_EQ((std::vector<std::string>{"", "<1 KB", "2 KB"}), ColumnTexts(1));
    EXPECT_EQ(A(L"Папка"), ColumnTexts(2)[0]);

    const int SizeColumn = 1;
    HeaderClick(SizeColumn);
    EXPECT_EQ((std::vector<std::string>{"Docs", "readme.txt", "setup.exe"}), ColumnTexts(0));
    HeaderClick(SizeColumn);
    EXPECT_EQ((std::vector<std::string>{"setup.exe", "readme.txt", "Docs"}), ColumnTexts(0));
    EXPECT_EQ(ListSortState::Descending, list->SortDirection());

    // A double-click on a file does nothing; on the folder it opens it.
    ListNotify(NM_DBLCLK, RowOf(L"setup.exe"), 0);
    EXPECT_EQ(disc, doc->GetCurrentNode());
    ListNotify(NM_DBLCLK, RowOf(L"Docs"), 0);
    EXPECT_EQ(docs, doc->GetCurrentNode());
}

// A fill inserts its rows already in order; that order must be the one the list's own sort gives
// the rows as the walk finds them, rows that tie (files of one size) included, both directions.
TEST_F(AppFrame, AFillComesInTheOrderTheListsOwnSortGives)
{
    Populate();
    std::vector<FileEntry> files;
    for (int i = 0; i < 40; ++i)
        files.push_back(MakeEntry((L"file" + std::to_wstring((i * 17) % 40) + L".dat").c_str(),
                                  std::uint64_t(i % 3) * 4096, UtcTime(2001, 1, 1 + i % 5, 0, 0)));
    disc->SetEntries(files);
    const int SizeColumn = 1, TimeColumn = 3;
    doc->NavigateTo(disc, nullptr);
    for (int column : {SizeColumn, SizeColumn, TimeColumn}) {
        HeaderClick(column);  // ascending, then descending, then another column
        doc->NavigateTo(Root(), nullptr);
        doc->NavigateTo(disc, nullptr);
        const std::vector<std::string> filled = ColumnTexts(0);
        ASSERT_EQ(41u, filled.size());  // the folder and the files
        {
            VIEW_ItemsList::RowBatch batch(*list);
            Rows().DeleteAllItems();
            ListRowCollector collector(RepresentationFiles, FileTypeNames::Shared(),
                                       [](const wchar_t*) { return 0; });
            list->InsertRows(collector.Collect(disc));
            list->SortRows();
        }
        EXPECT_EQ(ColumnTexts(0), filled)
            << "column " << column << ", direction " << list->SortDirection();
    }
}

// The list fills, sorts and empties with its drawing off; afterwards it must paint again.
TEST_F(AppFrame, TheListPaintsAgainAfterAFillASortAndADelete)
{
    Populate();
    const HWND view = list->GetSafeHwnd();
    auto paints = [&] {
        ::ValidateRect(view, nullptr);
        ListView_RedrawItems(view, 0, Rows().GetItemCount() - 1);
        RECT dirty = {};
        return ::GetUpdateRect(view, &dirty, FALSE) != FALSE;
    };
    ASSERT_TRUE(IsWindowVisible(view));
    EXPECT_TRUE(paints());
    doc->NavigateTo(disc, nullptr);
    EXPECT_TRUE(paints());
    HeaderClick(1);
    EXPECT_TRUE(paints());
    doc->NavigateTo(Root(), nullptr);
    g_app.m_answers = {IDYES};
    doc->DeleteNode(games);
    EXPECT_EQ(std::vector<std::string>{"Disc"}, ColumnTexts(0));
    EXPECT_TRUE(paints());
}

TEST_F(AppFrame, EnterOpensTheOneSelectedRowOnly)
{
    Populate();
    auto select = [&](std::vector<int> rows) {
        Rows().SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            Rows().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        if (!rows.empty()) ListView_SetSelectionMark(list->GetSafeHwnd(), rows.back());
    };
    select({0, 1});
    list->SendMessage(WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(Root(), doc->GetCurrentNode());
    select({RowOf(L"Игры")});
    list->SendMessage(WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(games, doc->GetCurrentNode());
}

TEST_F(AppFrame, ACellEditEndsOnceByItsKeysOrFocusAndTheProgramRunsOn)
{
    Populate();
    const int DescriptionColumn = 2;
    struct
    {
        const char* how;
        UINT key;  // 0: the focus leaves the editor
        bool kept;
    } cases[] = {{"Enter", VK_RETURN, true},
                 {"Tab", VK_TAB, true},
                 {"Esc", VK_ESCAPE, false},
                 {"focus", 0, true}};
    int serial = 0;
    for (const auto& c : cases) {
        const std::wstring text = L"Сборник " + std::to_wstring(++serial);
        Root()->m_modified = 0;
        const std::wstring before = disc->m_description.str();
        ListNotify(NM_DBLCLK, RowOf(L"Disc"), DescriptionColumn);
        InPlaceEdit* editor = list->GetCellEditor();
        ASSERT_NE(nullptr, editor) << c.how;
        editor->SetWindowText(A(text.c_str()).c_str());
        if (c.key)
            editor->PostMessage(WM_CHAR, c.key, 0);
        else
            list->SetFocus();
        // The posted command 106 runs the edit's loop until the edit ends.
        EXPECT_EQ(0, PumpPending()) << c.how;  // no WM_QUIT came out of the edit
        EXPECT_EQ(nullptr, list->GetCellEditor()) << c.how;
        EXPECT_EQ(c.kept ? text : before, disc->m_description.str()) << c.how;
        EXPECT_EQ(c.kept ? 1 : 0, Root()->m_modified) << c.how;
        EXPECT_TRUE(IsWindow(frame->GetSafeHwnd()));
    }
    EXPECT_EQ(A(L"Сборник 4"), ColumnTexts(DescriptionColumn)[RowOf(L"Disc")]);

    // The lent-to cell is edited for a disc, refused for a user folder.
    const int LentToColumn = 3;
    ListNotify(NM_DBLCLK, RowOf(L"Игры"), LentToColumn);
    EXPECT_EQ(nullptr, list->GetCellEditor());
    ListNotify(NM_DBLCLK, RowOf(L"Disc"), LentToColumn);
    ASSERT_NE(nullptr, list->GetCellEditor());
    list->GetCellEditor()->SetWindowText(A(L"Петров").c_str());
    list->GetCellEditor()->PostMessage(WM_CHAR, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(L"Петров", disc->m_lentTo.str());
}

// A click in the tree makes it the active view of the main frame, wherever its bar stands; the
// close then still closes the document, which saves the catalogue.
TEST_F(AppFrame, ClosingWithTheTreeActiveSavesTheCatalogue)
{
    Populate();
    Root()->m_modified = 1;
    // Floating, the bar's own frame stands between the tree and the main frame.
    ASSERT_TRUE(
        frame->WorkspaceBar().FloatControlBar(CRect(300, 200, 520, 480), ZAVP_DM_DBL_CLICK, TRUE));
    PumpPending();
    VIEW_CategoryTree* tree = frame->GetCategoryTree();
    frame->SetActiveView(tree);
    ASSERT_EQ(tree, frame->GetActiveView());
    const std::string file = m_folder->File("My collections.dat");
    DeleteFileA(file.c_str());
    frame->PostMessage(WM_CLOSE);
    EXPECT_EQ(0, g_app.Run());
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    frame = nullptr;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << "the catalogue was not saved";
    char head[4] = {};
    DWORD read = 0;
    ReadFile(h, head, sizeof head, &read, nullptr);
    CloseHandle(h);
    EXPECT_EQ("BZh5", std::string(head, read));
}

TEST_F(AppFrame, ClosingTheWindowDuringACellEditEndsTheProgram)
{
    Populate();
    ListNotify(NM_DBLCLK, RowOf(L"Disc"), 2);
    ASSERT_NE(nullptr, list->GetCellEditor());
    frame->PostMessage(WM_CLOSE);
    // The edit's loop takes the close, the edit ends with the view, and the run ends.
    EXPECT_EQ(0, g_app.Run());
    EXPECT_EQ(nullptr, g_app.m_pMainWnd);
    frame = nullptr;
}

TEST_F(AppFrame, TheNodeListContextMenuFitsTheRowAndHandsCommandsOn)
{
    Populate();
    ScriptedTracker menus;
    const std::vector<UINT> all{32776, 0, 32771, 32778, 0, 32773};
    ListNotify(NM_RCLICK, RowOf(L"Disc"), 0);
    EXPECT_EQ(all, menus.LastIds());
    ListNotify(NM_RCLICK, RowOf(L"Игры"), 0);
    EXPECT_EQ((std::vector<UINT>{32776, 0, 32771, 32778, 0}), menus.LastIds());
    ListNotify(NM_RCLICK, -1, 0);
    EXPECT_EQ((std::vector<UINT>{32776, 0, 32771, 32778}), menus.LastIds());

    // "Создать папку" on empty space reaches the frame and makes a folder; a dismissed menu
    // sends nothing.
    menus.m_answer = 32778;
    ListNotify(NM_RCLICK, -1, 0);
    EndNaming();
    PumpPending();
    EXPECT_EQ(3u, Root()->m_children.size());
    doc->NavigateTo(Root(), nullptr);
    menus.m_answer = 0;
    ListNotify(NM_RCLICK, -1, 0);
    EXPECT_EQ(3u, Root()->m_children.size());

    // "Удалить" deletes the clicked disc after the question.
    menus.m_answer = 32773;
    g_app.m_answers = {IDYES};
    ListNotify(NM_RCLICK, RowOf(L"Disc"), 0);
    EXPECT_EQ(-1, RowOf(L"Disc"));
    EXPECT_EQ(2u, Root()->m_children.size());
}

TEST_F(AppFrame, ADiscFolderIsExcludedFromTheSearchByItsMenuAndShowsTheMark)
{
    Populate();
    doc->NavigateTo(disc, nullptr);
    ScriptedTracker menus;
    ListNotify(NM_RCLICK, RowOf(L"setup.exe"), 0);
    EXPECT_TRUE(menus.m_shown.empty());  // files have no menu
    ListNotify(NM_RCLICK, -1, 0);
    EXPECT_TRUE(menus.m_shown.empty());

    Root()->m_modified = 0;
    menus.m_answer = ID_EXCLUDE_FROM_SEARCH;
    ListNotify(NM_RCLICK, RowOf(L"Docs"), 0);
    ASSERT_EQ(1u, menus.m_shown.size());
    EXPECT_EQ(A(L"Исключить из поиска"), menus.m_shown[0][0].text);
    EXPECT_FALSE(menus.m_shown[0][0].checked);
    EXPECT_TRUE(docs->m_attributes & DiscFolderNode::AttrExcluded);
    EXPECT_EQ(1, Root()->m_modified);

    ListNotify(NM_RCLICK, RowOf(L"Docs"), 0);
    EXPECT_TRUE(menus.m_shown[1][0].checked);
    EXPECT_FALSE(docs->m_attributes & DiscFolderNode::AttrExcluded);
}

TEST_F(AppFrame, DeletingTheDiscAroundTheCurrentFolderLeavesNothingDangling)
{
    Populate();
    doc->NavigateTo(disc, nullptr);
    doc->NavigateTo(docs, nullptr);
    g_app.m_answers = {IDYES};
    doc->DeleteNode(disc);
    EXPECT_EQ(Root(), doc->GetCurrentNode());
    EXPECT_EQ((std::vector<std::string>{A(L"Игры")}), ColumnTexts(0));
    // Going back and forth afterwards finds only live nodes.
    Command(32779);
    Command(32780);
    PumpPending();
    EXPECT_TRUE(IsWindow(frame->GetSafeHwnd()));
}

TEST_F(AppFrame, ColumnWidthsAreKeptAcrossRepresentationsAndInTheProfile)
{
    Populate();
    const int Width = 177;
    Rows().SetColumnWidth(1, Width);
    doc->NavigateTo(disc, nullptr);
    LPBYTE data = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(
        g_app.GetProfileBinary("View\\Representations\\Node", "Column widths", &data, &bytes));
    ASSERT_EQ(16u, bytes);
    int widths[4] = {};
    memcpy(widths, data, sizeof widths);
    delete[] data;
    EXPECT_EQ(Width, widths[1]);

    doc->NavigateTo(Root(), nullptr);
    EXPECT_EQ(Width, Rows().GetColumnWidth(1));
}

}  // namespace
