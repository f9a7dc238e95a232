// Keyboard moves over the items of a menu bar or a popup menu bar: the next or previous item
// with wrap-around, the first and last item, and mnemonic matching. Texts are code-page-1251
// bytes, and letters are compared upper-cased in that code page whatever the process's code page
// is, so Cyrillic mnemonics work on any system.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ZAVPMenuNavigation
{
// What the keys need to know of one item.
struct NavItem
{
    BOOL bSeparator;
    BOOL bHidden;        // not laid out (an empty rectangle)
    BOOL bWindowButton;  // a window button of a maximised MDI child on the menu bar
};

// The index the highlight moves to from nCurrent (-1: none) one step forward (nStep 1) or back
// (nStep -1), skipping separators, hidden items and window buttons, wrapping at the ends. -1
// when no item can take the highlight. Disabled items take it, as in any menu.
int NextItem(const std::vector<NavItem>& items, int nCurrent, int nStep);
// The first (Home) and last (End) item that can take the highlight, -1 when none.
int FirstItem(const std::vector<NavItem>& items);
int LastItem(const std::vector<NavItem>& items);

// The byte upper-cased in code page 1251 (Latin and Cyrillic letters; other bytes unchanged).
BYTE UpperCase1251(BYTE ch);

// The mnemonic of a menu text: the character after the first single "&" ("&&" is a literal
// ampersand), upper-cased; 0 when there is none.
BYTE Mnemonic(const std::string& strText);

// The items whose mnemonic is the key's character, found from the one after nCurrent onward and
// wrapping, so that pressing the key again cycles through them.
struct MnemonicMatch
{
    int nIndex;    // the next matching item, -1 when none
    int nMatches;  // how many items match: one runs or opens it, several move the highlight
};
MnemonicMatch FindMnemonic(const std::vector<std::string>& texts, const std::vector<NavItem>& items,
                           BYTE chKey, int nCurrent);
}  // namespace ZAVPMenuNavigation
