// What a key does in the menu bar and in a popup menu window, decided from plain facts about the
// bar and the chain of popups. The windows carry the answer out.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/toolbars/ZAVPMenuNavigation.h"

namespace ZAVPMenuKeys
{
// The menu bar while it is active and no menu is dropped down.
enum BarAction
{
    BarNone,
    BarOpenMenu,    // open the hot item's menu
    BarRunCommand,  // the hot item has no menu: run its command
    BarCancel,      // drop the highlight, give the focus back, stop showing all items
    BarMoveHot,     // nHot is the new hot item
    BarMnemonic,    // the toolbar's mnemonic handling
};
struct BarKey
{
    BarAction action;
    int nHot;
};
BarKey MenuBarKey(UINT nVirtKey, const std::vector<ZAVPMenuNavigation::NavItem>& items, int nHot,
                  BOOL bHotHasMenu);

// The menu bar's first hot item when it takes the focus: the first, or the second when the first
// is the system-menu button of a maximised MDI child; -1 for an empty bar.
int FirstHotOnFocus(int nCount, BOOL bFirstIsSystemMenu);

// A popup menu window (WM_KEYDOWN).
enum PopupAction
{
    PopupNone,
    PopupClose,          // close this popup and give the focus to its toolbar (Escape)
    PopupCloseToParent,  // close only this popup; the parent popup is active again
    PopupPrevMenu,       // the parent menu bar opens the previous menu
    PopupNextMenu,       // the parent menu bar opens the next menu
    PopupOpenSubMenu,    // the highlighted sub-menu item opens, its first item selected
    PopupPassToParent,   // WM_KEYDOWN of the key to the parent popup
    PopupShowAll,        // show the rarely used items as well
    PopupToBar,          // the item bar moves the highlight or runs the item
    PopupBarKey,         // the bar's key handler (mnemonics), else default processing
};
struct PopupFacts
{
    BOOL bParentMenuBar;       // the parent button sits on a bar that is not a popup bar
    BOOL bParentPopup;         // this is a sub-menu of another popup
    BOOL bParentDroppedDown;   // the parent button's menu is dropped down
    BOOL bSubMenuHighlighted;  // the highlighted item opens a sub-menu
    BOOL bHidesRarelyUsed;     // rarely used items were left out
    BOOL bCustomizeMode;
};
PopupAction PopupKey(UINT nVirtKey, BOOL bCtrl, const PopupFacts& facts);
// The item bar inside a popup (its key handler).
enum ItemBarAction
{
    ItemBarNone,
    ItemBarClose,          // Escape
    ItemBarOpenSubMenu,    // nItem's sub-menu opens with its first item selected
    ItemBarInvoke,         // nItem's command runs
    ItemBarInvokeHidden,   // nCommand, a left-out rarely used item, runs
    ItemBarMoveHighlight,  // nItem becomes the highlighted item
};
struct ItemBarKey
{
    ItemBarAction action;
    int nItem;
    UINT nCommand;
};
struct ItemBarFacts
{
    const std::vector<ZAVPMenuNavigation::NavItem>* items;
    const std::vector<std::string>* texts;  // item texts, for mnemonics
    const std::vector<BOOL>* subMenus;      // per item: it opens a sub-menu
    const std::vector<std::pair<BYTE, UINT>>* hiddenMnemonics;
    int nHighlighted;  // -1: none
};
// chTyped is the key's character in code page 1251 (0 when it gives none).
ItemBarKey ItemBarKeyDown(UINT nVirtKey, BYTE chTyped, const ItemBarFacts& facts);
}  // namespace ZAVPMenuKeys
