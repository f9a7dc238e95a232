// Keyboard moves and mnemonics of menus, with code-page-1251 texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/toolbars/ZAVPMenuNavigation.h"

using namespace ZAVPMenuNavigation;

namespace
{
const NavItem kItem = {FALSE, FALSE, FALSE};
const NavItem kSeparator = {TRUE, FALSE, FALSE};
const NavItem kHidden = {FALSE, TRUE, FALSE};
const NavItem kWindowButton = {FALSE, FALSE, TRUE};
}  // namespace

TEST(MenuNavigation, MovesWrapAndSkip)
{
    // 0 item, 1 separator, 2 hidden, 3 item, 4 item, 5 window button
    const std::vector<NavItem> items = {kItem, kSeparator, kHidden, kItem, kItem, kWindowButton};
    struct Case
    {
        int current, step, next;
    };
    const Case cases[] = {
        {0, 1, 3},                // over the separator and the hidden item
        {3, 1, 4},   {4, 1, 0},   // wraps, the window button is never highlighted
        {0, -1, 4},               // wraps back over the window button
        {3, -1, 0},  {-1, 1, 0},  // nothing highlighted: forward starts at the first
        {-1, -1, 4},              // and back at the last
        {9, 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.next, NextItem(items, c.current, c.step)) << c.current << " " << c.step;

    EXPECT_EQ(0, FirstItem(items));
    EXPECT_EQ(4, LastItem(items));
    const std::vector<NavItem> nothing = {kSeparator, kHidden, kWindowButton};
    EXPECT_EQ(-1, NextItem(nothing, 0, 1));
    EXPECT_EQ(-1, FirstItem(std::vector<NavItem>()));
}

TEST(MenuNavigation, MnemonicsInCodePage1251)
{
    struct Case
    {
        const char* text;
        BYTE mnemonic;
    };
    const Case cases[] = {
        {"&\xD4\xE0\xE9\xEB", 0xD4},          // "&Файл"
        {"\xCF\xF0\xE0\xE2&\xEA\xE0", 0xCA},  // "Прав&ка": к is upper-cased to К
        {"&open", 'O'},
        {"a&&b&c", 'C'},  // "&&" is a literal ampersand
        {"a&&b", 0},
        {"end&", 0},
        {"none", 0},
        {"&\xB8", 0xA8},  // ё to Ё
    };
    for (const Case& c : cases) EXPECT_EQ(c.mnemonic, Mnemonic(c.text)) << c.text;

    EXPECT_EQ(0xC0, UpperCase1251(0xE0));  // а
    EXPECT_EQ(0xDF, UpperCase1251(0xFF));  // я
    EXPECT_EQ(0xB2, UpperCase1251(0xB3));  // і
    EXPECT_EQ('1', UpperCase1251('1'));
    EXPECT_EQ(0xC0, UpperCase1251(0xC0));
}

TEST(MenuNavigation, MnemonicMatchesCycle)
{
    const std::vector<std::string> texts = {"&Open", "&Options", "&Save",
                                            "",      "&Ouvrir",  "\xD4\xE0\xE9&\xEB"};
    const std::vector<NavItem> items = {kItem, kItem, kItem, kSeparator, kHidden, kItem};
    struct Case
    {
        BYTE key;
        int current, index, matches;
    };
    const Case cases[] = {
        {'o', -1, 0, 2},  // two matches, the hidden one does not count
        {'O', 0, 1, 2},   // pressed again: the next one
        {'o', 1, 0, 2},   // and round again
        {'s', 0, 2, 1},  {'x', 0, -1, 0}, {0xEB, -1, 5, 1},  // л, typed lower-case, matches Л
    };
    for (const Case& c : cases) {
        const MnemonicMatch m = FindMnemonic(texts, items, c.key, c.current);
        EXPECT_EQ(c.index, m.nIndex) << c.key << " from " << c.current;
        EXPECT_EQ(c.matches, m.nMatches) << c.key << " from " << c.current;
    }
}
