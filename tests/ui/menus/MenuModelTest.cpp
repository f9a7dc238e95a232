// The menu model: import from a real menu handle (built here without a window), export back to
// one, and the size arithmetic of a popup menu bar.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "MenuItemsText.h"
#include "ui/toolbars/ZAVPMenuModel.h"
#include "ui/toolbars/ZAVPPopupMenuSize.h"

namespace
{
const UINT kOpen = 101, kSave = 102, kRare = 103, kPrint = 104, kOne = 201, kTwo = 202;

// sep, Open (default), sep, sep, Save (greyed), Rare, sep, Print (checked, new column),
// Recent >{One, sep, Two}, sep
HMENU BuildFileMenu()
{
    HMENU hRecent = CreatePopupMenu();
    AppendMenuA(hRecent, MF_STRING, kOne, "One");
    AppendMenuA(hRecent, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hRecent, MF_STRING, kTwo, "Two");

    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open\tCtrl+O");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING | MF_GRAYED, kSave, "&Save");
    AppendMenuA(hMenu, MF_STRING, kRare, "R&are");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING | MF_CHECKED | MF_MENUBREAK, kPrint, "&Print");
    AppendMenuA(hMenu, MF_STRING | MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    SetMenuDefaultItem(hMenu, kOpen, FALSE);
    return hMenu;
}

std::string Describe(const std::vector<ZAVPMenuItem>& items) { return DescribeMenuItems(items); }

HMENU BuildMenu(const std::vector<std::pair<UINT, const char*>>& entries)
{
    HMENU hMenu = CreatePopupMenu();
    for (const auto& e : entries) {
        if (e.first == 0)
            AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(hMenu, MF_STRING, e.first, e.second);
    }
    return hMenu;
}
}  // namespace

TEST(MenuModel, ImportKeepsOrFoldsSeparatorsAndReadsStates)
{
    HMENU hMenu = BuildFileMenu();
    const std::string strRecent = "&Recent>{One=201 - Two=202}";

    ZAVPMenuModel::ImportResult asStored;
    ASSERT_TRUE(ZAVPMenuModel::Import(hMenu, ZAVPMenuModel::ImportOptions(), asStored));
    EXPECT_EQ("- &Open\tCtrl+O:*=101 - - &Save:d=102 R&are=103 - |&Print:c=104 " + strRecent + " -",
              Describe(asStored.items));
    EXPECT_EQ(kOpen, asStored.nDefaultCommand);
    EXPECT_TRUE(asStored.bAllItemsShown);

    ZAVPMenuModel::ImportOptions fold;
    fold.bFoldSeparators = TRUE;
    ZAVPMenuModel::ImportResult folded;
    ASSERT_TRUE(ZAVPMenuModel::Import(hMenu, fold, folded));
    // No leading separator, one for the pair, none at the end; sub-menus are kept as stored.
    EXPECT_EQ("&Open\tCtrl+O:*=101 - &Save:d=102 R&are=103 - |&Print:c=104 " + strRecent,
              Describe(folded.items));

    // Rarely used commands left out: their mnemonics stay reachable.
    const std::set<UINT> rare = {kRare, kPrint};
    fold.isLeftOut = [&rare](UINT nID) { return rare.count(nID) != 0; };
    ZAVPMenuModel::ImportResult personal;
    ASSERT_TRUE(ZAVPMenuModel::Import(hMenu, fold, personal));
    EXPECT_EQ("&Open\tCtrl+O:*=101 - &Save:d=102 - " + strRecent, Describe(personal.items));
    EXPECT_FALSE(personal.bAllItemsShown);
    const std::vector<std::pair<BYTE, UINT>> mnemonics = {{'A', kRare}, {'P', kPrint}};
    EXPECT_EQ(mnemonics, personal.hiddenMnemonics);
    DestroyMenu(hMenu);
}

TEST(MenuModel, SeparatorsAroundLeftOutItemsFold)
{
    ZAVPMenuModel::ImportOptions fold;
    fold.bFoldSeparators = TRUE;
    fold.isLeftOut = [](UINT nID) { return nID >= 900; };
    struct Case
    {
        std::vector<std::pair<UINT, const char*>> entries;
        const char* folded;
    };
    const Case cases[] = {
        {{{1, "A"}, {0, ""}, {900, "H"}, {0, ""}, {2, "B"}}, "A=1 - B=2"},
        {{{1, "A"}, {0, ""}, {900, "H"}}, "A=1"},
        {{{900, "H"}, {0, ""}, {2, "B"}}, "B=2"},
        {{{0, ""}, {0, ""}}, ""},
    };
    for (const Case& c : cases) {
        HMENU hMenu = BuildMenu(c.entries);
        ZAVPMenuModel::ImportResult r;
        ASSERT_TRUE(ZAVPMenuModel::Import(hMenu, fold, r));
        EXPECT_EQ(c.folded, Describe(r.items));
        DestroyMenu(hMenu);
    }
}

TEST(MenuModel, ExportRoundTripsThroughARealMenu)
{
    HMENU hMenu = BuildFileMenu();
    ZAVPMenuModel::ImportResult first;
    ASSERT_TRUE(ZAVPMenuModel::Import(hMenu, ZAVPMenuModel::ImportOptions(), first));
    DestroyMenu(hMenu);

    HMENU hCopy = ZAVPMenuModel::Export(first.items);
    ASSERT_NE(nullptr, hCopy);
    // Read the copy with the system directly, not through the import under test.
    ASSERT_EQ(10, GetMenuItemCount(hCopy));
    EXPECT_EQ(kOpen, GetMenuDefaultItem(hCopy, FALSE, GMDI_USEDISABLED));
    EXPECT_TRUE(GetMenuState(hCopy, 0, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(hCopy, kSave, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(hCopy, kOpen, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
    EXPECT_TRUE(GetMenuState(hCopy, kPrint, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(hCopy, kPrint, MF_BYCOMMAND) & MF_MENUBREAK);
    char szText[64] = "";
    GetMenuStringA(hCopy, kOpen, szText, sizeof(szText), MF_BYCOMMAND);
    EXPECT_STREQ("&Open\tCtrl+O", szText);
    HMENU hRecent = GetSubMenu(hCopy, 8);
    ASSERT_NE(nullptr, hRecent);
    EXPECT_EQ(3, GetMenuItemCount(hRecent));
    EXPECT_EQ(kTwo, GetMenuItemID(hRecent, 2));

    ZAVPMenuModel::ImportResult second;
    ASSERT_TRUE(ZAVPMenuModel::Import(hCopy, ZAVPMenuModel::ImportOptions(), second));
    EXPECT_EQ(Describe(first.items), Describe(second.items));
    DestroyMenu(hCopy);

    HMENU hEmpty = ZAVPMenuModel::Export(std::vector<ZAVPMenuItem>());
    ASSERT_NE(nullptr, hEmpty);
    EXPECT_EQ(0, GetMenuItemCount(hEmpty));
    DestroyMenu(hEmpty);
}

TEST(MenuModel, BadMenuHandlesAreRefusedAndLeaveTheResult)
{
    ZAVPMenuModel::ImportResult r;
    r.nDefaultCommand = 7;
    r.items.resize(1);
    EXPECT_FALSE(ZAVPMenuModel::Import(nullptr, ZAVPMenuModel::ImportOptions(), r));
    HMENU hGone = CreatePopupMenu();
    DestroyMenu(hGone);
    EXPECT_FALSE(ZAVPMenuModel::Import(hGone, ZAVPMenuModel::ImportOptions(), r));
    EXPECT_EQ(7u, r.nDefaultCommand);
    EXPECT_EQ(1u, r.items.size());
}

TEST(PopupMenuSize, EmptyColumnsAndMaximumWidth)
{
    using namespace ZAVPPopupMenuSize;
    // An empty menu: 50 + 2 by 20 + 2.
    const Result empty = CalcSize(std::vector<Item>(), 0, FALSE);
    EXPECT_EQ(52, empty.size.cx);
    EXPECT_EQ(22, empty.size.cy);

    // Widest 100 (the 80 with its tab is 90); 20 + 8 + 20 high; frame 2 each way.
    const std::vector<Item> one = {
        {{100, 20}, FALSE, FALSE, FALSE},
        {{0, 0}, TRUE, FALSE, FALSE},
        {{80, 20}, FALSE, FALSE, TRUE},
    };
    const Result r1 = CalcSize(one, 0, FALSE);
    EXPECT_EQ(102, r1.size.cx);
    EXPECT_EQ(50, r1.size.cy);
    EXPECT_TRUE(r1.columnStarts.empty());

    // Columns 100 and 70 wide: 100 + 1 + 70 + 2; the second column, three rows, is the taller.
    const std::vector<Item> two = {
        {{100, 20}, FALSE, FALSE, FALSE}, {{60, 20}, FALSE, FALSE, FALSE},
        {{70, 20}, FALSE, TRUE, FALSE},   {{50, 20}, FALSE, FALSE, FALSE},
        {{50, 20}, FALSE, FALSE, FALSE},
    };
    const Result r2 = CalcSize(two, 0, FALSE);
    EXPECT_EQ(173, r2.size.cx);
    EXPECT_EQ(62, r2.size.cy);
    EXPECT_EQ(std::vector<int>{101}, r2.columnStarts);
    // In customisation mode the menu is one list: 100 + 2 by 5 * 20 + 2.
    const Result r2c = CalcSize(two, 0, TRUE);
    EXPECT_EQ(102, r2c.size.cx);
    EXPECT_EQ(102, r2c.size.cy);

    // A maximum of 90 leaves 88 for an item: 100 does not fit, the separator does, 80 with its
    // tab (90) does not.
    const Result r3 = CalcSize(one, 90, FALSE);
    EXPECT_EQ(90, r3.size.cx);
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE, FALSE}), r3.fits);

    EXPECT_EQ(16, RowHeight(13, 16));
    EXPECT_EQ(18, RowHeight(16, 16));
}

TEST(MenuModel, RecentFilesReplaceThePlaceholder)
{
    auto fileMenu = []() {
        std::vector<ZAVPMenuItem> items(4);
        items[0].nID = kOpen;
        items[0].strText = "&Open";
        items[1].nID = 0xE110;
        items[1].strText = "Recent File";
        items[3].nID = 0xE141;
        items[3].strText = "E&xit";
        return items;
    };
    struct Case
    {
        std::vector<std::string> names;
        const char* menu;
    };
    const Case cases[] = {
        {{"a.cdx", "b.cdx", "c.cdx"},
         "&Open=101 &1 a.cdx=57616 &2 b.cdx=57617 &3 c.cdx=57618 - E&xit=57665"},
        // An empty entry keeps its command number but not its shown number.
        {{"C:\\disks\\a.cdx", "", "b.cdx"},
         "&Open=101 &1 C:\\disks\\a.cdx=57616 &2 b.cdx=57618 - E&xit=57665"},
        {{}, "&Open=101 - E&xit=57665"},
    };
    for (const Case& c : cases) {
        std::vector<ZAVPMenuItem> items = fileMenu();
        EXPECT_TRUE(ZAVPMenuModel::ExpandRecentFiles(items, c.names));
        EXPECT_EQ(c.menu, Describe(items));
    }

    std::vector<ZAVPMenuItem> items = fileMenu();
    items[1].strText = "Recent Files";
    EXPECT_FALSE(ZAVPMenuModel::ExpandRecentFiles(items, {"a.cdx"}));
    EXPECT_EQ("&Open=101 Recent Files=57616 - E&xit=57665", Describe(items));
}

TEST(MenuModel, RarelyUsedRunsSpanTheirSeparators)
{
    // A, B*, -, C*, D, -, E*, -   (* rarely used)
    std::vector<ZAVPMenuItem> items(8);
    const UINT ids[] = {1, 2, 0, 3, 4, 0, 5, 0};
    for (size_t i = 0; i < items.size(); ++i) items[i].nID = ids[i];
    const std::vector<BOOL> rare = {FALSE, TRUE, FALSE, TRUE, FALSE, FALSE, TRUE, FALSE};
    const std::vector<std::pair<int, int>> runs = {{1, 3}, {6, 6}};
    EXPECT_EQ(runs, ZAVPMenuModel::RarelyUsedRuns(items, rare));
    EXPECT_TRUE(ZAVPMenuModel::RarelyUsedRuns(items, std::vector<BOOL>(8, FALSE)).empty());
}

TEST(PopupMenuSize, ItemRectanglesAndHitTesting)
{
    using namespace ZAVPPopupMenuSize;
    auto str = [](const RECT& rc) {
        return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
               std::to_string(rc.right) + "," + std::to_string(rc.bottom);
    };
    // Columns 100 and 70 wide (the second starting 101 in), a bar of 173 x 62.
    const std::vector<Item> two = {
        {{100, 20}, FALSE, FALSE, FALSE}, {{60, 20}, FALSE, FALSE, FALSE},
        {{70, 20}, FALSE, TRUE, FALSE},   {{50, 20}, FALSE, FALSE, FALSE},
        {{50, 20}, FALSE, FALSE, FALSE},
    };
    const RECT rcTwo = {0, 0, 173, 62};
    const std::vector<RECT> columns = LayOutItems(two, CalcSize(two, 0, FALSE), rcTwo, 0, 20,
                                                  FALSE);
    const char* expected[] = {"1,1,101,21", "1,21,101,41", "102,1,172,21", "102,21,172,41",
                              "102,41,172,61"};
    ASSERT_EQ(5u, columns.size());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i], str(columns[i])) << i;

    // Customising: one list, full width.
    const std::vector<RECT> list = LayOutItems(two, CalcSize(two, 0, TRUE), rcTwo, 0, 20, TRUE);
    EXPECT_EQ("1,81,172,101", str(list[4]));

    // Scrolled by one row: the first row lies above the window; the separator is 8 high.
    const std::vector<Item> one = {
        {{100, 20}, FALSE, FALSE, FALSE},
        {{0, 0}, TRUE, FALSE, FALSE},
        {{80, 20}, FALSE, FALSE, TRUE},
    };
    const RECT rcOne = {0, 0, 102, 50};
    const std::vector<RECT> scrolled = LayOutItems(one, CalcSize(one, 0, FALSE), rcOne, 1, 20,
                                                   FALSE);
    EXPECT_EQ("1,-19,101,1", str(scrolled[0]));
    EXPECT_EQ("1,1,101,9", str(scrolled[1]));
    EXPECT_EQ("1,9,101,29", str(scrolled[2]));

    const std::vector<RECT> rows = LayOutItems(one, CalcSize(one, 0, FALSE), rcOne, 0, 20, FALSE);
    struct Hit
    {
        const std::vector<Item>* items;
        const std::vector<RECT>* rects;
        int x, y, item;
    };
    const Hit hits[] = {
        {&two, &columns, 50, 10, 0},
        {&two, &columns, 50, 45, 1},  // below the shorter first column: its last row
        {&two, &columns, 150, 30, 3},
        {&two, &columns, 101, 10, -1},  // in the gap between the columns
        {&one, &rows, 50, 25, -1},      // on the separator
        {&one, &rows, 50, 0, 0},        // in the frame above the first row
        {&one, &rows, 50, 49, 2},
    };
    for (const Hit& h : hits)
        EXPECT_EQ(h.item, ItemFromPoint(*h.items, *h.rects, {h.x, h.y})) << h.x << "," << h.y;
}

TEST(MenuModel, SystemMenuStatesReachTheCopy)
{
    HMENU hSystem = CreatePopupMenu();
    AppendMenuA(hSystem, MF_STRING | MF_GRAYED, SC_RESTORE, "&Restore");
    AppendMenuA(hSystem, MF_STRING | MF_CHECKED, SC_MOVE, "&Move");
    AppendMenuA(hSystem, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hSystem, MF_STRING | MF_DISABLED, SC_SIZE, "&Size");
    AppendMenuA(hSystem, MF_STRING, SC_CLOSE, "&Close");

    HMENU hCopy = CreatePopupMenu();
    const UINT ids[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_CLOSE};
    for (UINT nID : ids) AppendMenuA(hCopy, MF_STRING, nID, "x");
    ZAVPMenuModel::CopyItemStates(hSystem, hCopy);

    struct Case
    {
        UINT id, state;
    };
    const Case cases[] = {
        {SC_RESTORE, MF_GRAYED}, {SC_MOVE, MF_CHECKED}, {SC_SIZE, MF_DISABLED}, {SC_CLOSE, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.state,
                  GetMenuState(hCopy, c.id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED | MF_CHECKED))
            << std::hex << c.id;

    EXPECT_TRUE(ZAVPMenuModel::CanClose(hSystem));
    EnableMenuItem(hSystem, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_FALSE(ZAVPMenuModel::CanClose(hSystem));
    EnableMenuItem(hSystem, SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
    EXPECT_FALSE(ZAVPMenuModel::CanClose(hSystem));
    DeleteMenu(hSystem, SC_CLOSE, MF_BYCOMMAND);
    EXPECT_FALSE(ZAVPMenuModel::CanClose(hSystem));
    DestroyMenu(hSystem);
    DestroyMenu(hCopy);
}
