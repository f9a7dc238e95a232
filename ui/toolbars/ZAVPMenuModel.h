// A menu as plain data, independent of a menu handle: the items of a popup menu bar or of a menu
// button's sub-menu, read from an HMENU and written back to a new one. The bars turn the items
// into buttons; tests build and compare menus without any window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct ZAVPMenuItem
{
    static const UINT kSeparator = 0;       // command id of a separator
    static const UINT kSubMenu = (UINT)-1;  // command id of an item that opens a sub-menu

    UINT nID = kSeparator;
    std::string strText;     // code-page-1251 bytes, "\t" before an accelerator text
    BOOL bDisabled = FALSE;  // disabled or greyed
    BOOL bChecked = FALSE;
    BOOL bDefault = FALSE;               // the menu's default item (drawn bold)
    BOOL bMenuBreak = FALSE;             // starts a new column
    std::vector<ZAVPMenuItem> subItems;  // the items of a sub-menu entry

    BOOL IsSeparator() const { return nID == kSeparator; }
    BOOL IsSubMenu() const { return nID == kSubMenu; }
};

namespace ZAVPMenuModel
{
// Longest item text read from a menu, as a menu button reads it.
const int kMaxItemText = 1024;

struct ImportOptions
{
    // Fold separators as a popup menu shows them: none at the start, one for a run of them
    // (also around left-out items), none at the end.
    BOOL bFoldSeparators = FALSE;
    // Commands left out of this showing of the menu (rarely used ones); null: none.
    std::function<bool(UINT)> isLeftOut;
};

struct ImportResult
{
    std::vector<ZAVPMenuItem> items;
    UINT nDefaultCommand = 0;    // 0: the menu has no default item
    BOOL bAllItemsShown = TRUE;  // FALSE when commands were left out
    // Upper-cased mnemonic of each left-out command, so the keyboard still reaches it.
    std::vector<std::pair<BYTE, UINT>> hiddenMnemonics;
};

// Reads the menu's items, sub-menus recursively (their separators as they stand). FALSE, with the
// result untouched, for a null or invalid menu.
BOOL Import(HMENU hMenu, const ImportOptions& options, ImportResult& result);

// A new popup menu with the items: separators, sub-menus built recursively, commands with their
// texts, their disabled and checked states, column breaks and the default item. The caller owns
// the menu. NULL when any item cannot be appended (nothing is left behind).
HMENU Export(const std::vector<ZAVPMenuItem>& items);
// Copies the checked, disabled and greyed states of every command of hSource to the same command
// in hTarget (a system menu's live states onto the copy a popup shows).
void CopyItemStates(HMENU hSource, HMENU hTarget);

// FALSE when the system menu's Close item is disabled or greyed (or the menu has none): a double
// click on the child's icon then does nothing and its close button is drawn disabled.
BOOL CanClose(HMENU hSystemMenu);

// The recent-file placeholder of a menu: command ID_FILE_MRU_FILE1 with the text "Recent File".
const UINT kRecentFileFirst = 0xE110;
const char kRecentFilePlaceholder[] = "Recent File";

// Replaces the placeholder among the items with one item per non-empty display name: command
// kRecentFileFirst + the entry's index in the list, text "&n name" where n counts the items shown
// from 1. An empty list just removes the placeholder. FALSE when the menu has no placeholder.
BOOL ExpandRecentFiles(std::vector<ZAVPMenuItem>& items,
                       const std::vector<std::string>& displayNames);

// How a recent file is shown in a menu: relative to the current directory when it lies inside it
// (compared without regard to case), else as it stands.
std::string RecentFileDisplayName(const std::string& strPath, const std::string& strCurrentDir);

// A torn-off menu becomes a toolbar named after the menu's text without its mnemonic markers
// ("&&" stays one "&") and holding its items without a trailing separator.
std::string TearOffBarName(const std::string& strMenuText);
std::vector<ZAVPMenuItem> TearOffItems(const std::vector<ZAVPMenuItem>& items);

// Runs of consecutive rarely used items as [first, last] index pairs; the separators between two
// rarely used items belong to the run. rare holds one flag per item (separators: any).
std::vector<std::pair<int, int>> RarelyUsedRuns(const std::vector<ZAVPMenuItem>& items,
                                                const std::vector<BOOL>& rare);
}  // namespace ZAVPMenuModel
