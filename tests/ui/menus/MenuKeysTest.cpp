// What keys do in the menu bar and in popup menus.
#include <gtest/gtest.h>

#include <vector>

#include "ui/toolbars/ZAVPMenuBarLayout.h"
#include "ui/toolbars/ZAVPMenuKeys.h"

using namespace ZAVPMenuKeys;
using ZAVPMenuNavigation::NavItem;

TEST(MenuKeys, MenuBarKeys)
{
    const NavItem item = {FALSE, FALSE, FALSE};
    const NavItem separator = {TRUE, FALSE, FALSE};
    const NavItem windowButton = {FALSE, FALSE, TRUE};
    // File, Edit, separator, Help, and the close button of a maximised child.
    const std::vector<NavItem> items = {item, item, separator, item, windowButton};
    struct Case
    {
        UINT key;
        int hot;
        BOOL hasMenu;
        BarAction action;
        int newHot;
    };
    const Case cases[] = {
        {VK_RIGHT, 3, TRUE, BarMoveHot, 0},  // the last item wraps to the first
        {VK_LEFT, 0, TRUE, BarMoveHot, 3},    {VK_RIGHT, 1, TRUE, BarMoveHot, 3},
        {VK_RETURN, 1, TRUE, BarOpenMenu, 1}, {VK_RETURN, 1, FALSE, BarRunCommand, 1},
        {VK_RETURN, -1, FALSE, BarNone, -1},  {VK_DOWN, 0, TRUE, BarOpenMenu, 0},
        {VK_DOWN, 0, FALSE, BarNone, 0},      {VK_ESCAPE, 3, TRUE, BarCancel, 3},
        {'F', 0, TRUE, BarMnemonic, 0},
    };
    for (const Case& c : cases) {
        const BarKey k = MenuBarKey(c.key, items, c.hot, c.hasMenu);
        EXPECT_EQ(c.action, k.action) << c.key << " at " << c.hot;
        EXPECT_EQ(c.newHot, k.nHot) << c.key << " at " << c.hot;
    }

    EXPECT_EQ(-1, FirstHotOnFocus(0, FALSE));
    EXPECT_EQ(0, FirstHotOnFocus(3, FALSE));
    EXPECT_EQ(1, FirstHotOnFocus(3, TRUE));
    EXPECT_EQ(0, FirstHotOnFocus(1, TRUE));
}

TEST(MenuKeys, PopupKeys)
{
    // bParentMenuBar, bParentPopup, bParentDroppedDown, bSubMenuHighlighted, bHidesRarelyUsed,
    // bCustomizeMode
    const PopupFacts dropDown = {TRUE, FALSE, TRUE, FALSE, FALSE, FALSE};
    const PopupFacts subMenu = {FALSE, TRUE, TRUE, FALSE, FALSE, FALSE};
    const PopupFacts onSubItem = {FALSE, TRUE, TRUE, TRUE, FALSE, FALSE};
    const PopupFacts context = {FALSE, FALSE, FALSE, FALSE, FALSE, FALSE};
    const PopupFacts personal = {TRUE, FALSE, TRUE, FALSE, TRUE, FALSE};
    const PopupFacts customizing = {TRUE, FALSE, TRUE, FALSE, FALSE, TRUE};
    struct Case
    {
        const char* what;
        UINT key;
        BOOL ctrl;
        PopupFacts facts;
        PopupAction action;
    };
    const Case cases[] = {
        {"Esc", VK_ESCAPE, FALSE, subMenu, PopupClose},
        {"Left in a drop-down", VK_LEFT, FALSE, dropDown, PopupPrevMenu},
        {"Left in a sub-menu", VK_LEFT, FALSE, subMenu, PopupCloseToParent},
        {"Left in a context menu", VK_LEFT, FALSE, context, PopupNone},
        {"Right on a sub-menu item", VK_RIGHT, FALSE, onSubItem, PopupOpenSubMenu},
        {"Right in a drop-down", VK_RIGHT, FALSE, dropDown, PopupNextMenu},
        {"Right in a sub-menu", VK_RIGHT, FALSE, subMenu, PopupPassToParent},
        {"Right in a context menu", VK_RIGHT, FALSE, context, PopupNone},
        {"Ctrl+Down with hidden items", VK_DOWN, TRUE, personal, PopupShowAll},
        {"Ctrl+Down with all items", VK_DOWN, TRUE, dropDown, PopupToBar},
        {"Down", VK_DOWN, FALSE, personal, PopupToBar},
        {"Home", VK_HOME, FALSE, subMenu, PopupToBar},
        {"Enter", VK_RETURN, FALSE, subMenu, PopupToBar},
        {"Up while customising", VK_UP, FALSE, customizing, PopupNone},
        {"a letter", 'S', FALSE, subMenu, PopupBarKey},
    };
    for (const Case& c : cases) EXPECT_EQ(c.action, PopupKey(c.key, c.ctrl, c.facts)) << c.what;
}

TEST(MenuBarLayout, WindowButtonsAtTheFarEnd)
{
    using namespace ZAVPMenuBarLayout;
    const std::vector<UINT> all = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    EXPECT_EQ(all, WindowButtonCommands(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(std::vector<UINT>{SC_CLOSE}, WindowButtonCommands(WS_CHILD | WS_CAPTION));
    const std::vector<UINT> noMin = {SC_RESTORE, SC_CLOSE};
    EXPECT_EQ(noMin, WindowButtonCommands(WS_MAXIMIZEBOX));

    // Row 0..500 x 2..24, buttons 16 x 14: the last ends at 500, each one 16 + 1 further in.
    const RECT rcRow = {0, 2, 500, 24};
    const std::vector<RECT> horz = WindowButtonRects(rcRow, 3, {16, 14}, TRUE);
    ASSERT_EQ(3u, horz.size());
    const int lefts[] = {450, 467, 484};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lefts[i], horz[i].left) << i;
        EXPECT_EQ(lefts[i] + 16, horz[i].right) << i;
        EXPECT_EQ(2, horz[i].top) << i;
        EXPECT_EQ(16, horz[i].bottom) << i;
    }
    // Vertical: along the bottom of a column 3..27 x 0..300, 14 high each.
    const RECT rcColumn = {3, 0, 27, 300};
    const std::vector<RECT> vert = WindowButtonRects(rcColumn, 2, {16, 14}, FALSE);
    ASSERT_EQ(2u, vert.size());
    EXPECT_EQ(271, vert[0].top);
    EXPECT_EQ(285, vert[0].bottom);
    EXPECT_EQ(286, vert[1].top);
    EXPECT_EQ(300, vert[1].bottom);
    EXPECT_EQ(3, vert[1].left);
    EXPECT_EQ(19, vert[1].right);
    EXPECT_TRUE(WindowButtonRects(rcRow, 0, {16, 14}, TRUE).empty());
}

TEST(MenuKeys, ItemBarKeys)
{
    const NavItem item = {FALSE, FALSE, FALSE};
    const NavItem separator = {TRUE, FALSE, FALSE};
    // &New, &Open, -, &Recent >, &Options, E&xit
    const std::vector<NavItem> items = {item, item, separator, item, item, item};
    const std::vector<std::string> texts = {"&New", "&Open", "", "&Recent", "&Options", "E&xit"};
    const std::vector<BOOL> subMenus = {FALSE, FALSE, FALSE, TRUE, FALSE, FALSE};
    const std::vector<std::pair<BYTE, UINT>> hidden = {{'P', 300}, {'N', 301}};
    struct Case
    {
        const char* what;
        UINT key;
        BYTE ch;
        int highlighted;
        ItemBarAction action;
        int item;
        UINT command;
    };
    const Case cases[] = {
        {"Escape", VK_ESCAPE, 0, 1, ItemBarClose, -1, 0},
        {"Enter on a command", VK_RETURN, 0, 1, ItemBarInvoke, 1, 0},
        {"Enter on a sub-menu", VK_RETURN, 0, 3, ItemBarOpenSubMenu, 3, 0},
        {"Enter with nothing highlighted", VK_RETURN, 0, -1, ItemBarNone, -1, 0},
        {"Down over the separator", VK_DOWN, 0, 1, ItemBarMoveHighlight, 3, 0},
        {"Up wraps", VK_UP, 0, 0, ItemBarMoveHighlight, 5, 0},
        {"Home", VK_HOME, 0, 4, ItemBarMoveHighlight, 0, 0},
        {"End", VK_END, 0, 0, ItemBarMoveHighlight, 5, 0},
        {"one match runs it", 'X', 'x', -1, ItemBarInvoke, 5, 0},
        {"one match on a sub-menu opens it", 'R', 'r', -1, ItemBarOpenSubMenu, 3, 0},
        {"two matches move the highlight", 'O', 'o', 1, ItemBarMoveHighlight, 4, 0},
        // A visible item wins over a left-out one with the same letter.
        {"visible before hidden", 'N', 'n', -1, ItemBarInvoke, 0, 0},
        {"a left-out command", 'P', 'p', -1, ItemBarInvokeHidden, -1, 300},
        {"no match", 'Z', 'z', 1, ItemBarNone, -1, 0},
        {"a key without a character", VK_F5, 0, 1, ItemBarNone, -1, 0},
    };
    const ItemBarFacts base = {&items, &texts, &subMenus, &hidden, -1};
    for (const Case& c : cases) {
        ItemBarFacts facts = base;
        facts.nHighlighted = c.highlighted;
        const ItemBarKey k = ItemBarKeyDown(c.key, c.ch, facts);
        EXPECT_EQ(c.action, k.action) << c.what;
        EXPECT_EQ(c.item, k.nItem) << c.what;
        EXPECT_EQ(c.command, k.nCommand) << c.what;
    }
}
