// Key decisions of the menu bar and popup menus (see the header).
#include "ui/toolbars/ZAVPMenuKeys.h"

namespace ZAVPMenuKeys
{
BarKey MenuBarKey(UINT nVirtKey, const std::vector<ZAVPMenuNavigation::NavItem>& items, int nHot,
                  BOOL bHotHasMenu)
{
    BarKey key = {BarNone, nHot};
    switch (nVirtKey) {
    case VK_RETURN:
        if (nHot >= 0) key.action = bHotHasMenu ? BarOpenMenu : BarRunCommand;
        break;
    case VK_ESCAPE: key.action = BarCancel; break;
    case VK_LEFT:
    case VK_RIGHT:
        key.nHot = ZAVPMenuNavigation::NextItem(items, nHot, nVirtKey == VK_LEFT ? -1 : 1);
        key.action = key.nHot >= 0 ? BarMoveHot : BarNone;
        if (key.nHot < 0) key.nHot = nHot;
        break;
    case VK_DOWN:
        if (nHot >= 0 && bHotHasMenu) key.action = BarOpenMenu;
        break;
    default: key.action = BarMnemonic; break;
    }
    return key;
}

int FirstHotOnFocus(int nCount, BOOL bFirstIsSystemMenu)
{
    if (nCount <= 0) return -1;
    return bFirstIsSystemMenu && nCount > 1 ? 1 : 0;
}

PopupAction PopupKey(UINT nVirtKey, BOOL bCtrl, const PopupFacts& facts)
{
    switch (nVirtKey) {
    case VK_ESCAPE: return PopupClose;
    case VK_LEFT:
        // Only a menu dropped from the menu bar moves to the previous menu; a sub-menu goes back
        // to its parent popup.
        if (facts.bParentMenuBar) return PopupPrevMenu;
        return facts.bParentDroppedDown ? PopupCloseToParent : PopupNone;
    case VK_RIGHT:
        if (facts.bSubMenuHighlighted) return PopupOpenSubMenu;
        if (facts.bParentMenuBar) return PopupNextMenu;
        return facts.bParentPopup ? PopupPassToParent : PopupNone;
    case VK_DOWN:
        if (bCtrl && facts.bHidesRarelyUsed) return PopupShowAll;
        return facts.bCustomizeMode ? PopupNone : PopupToBar;
    case VK_UP:
    case VK_HOME:
    case VK_END:
    case VK_RETURN: return facts.bCustomizeMode ? PopupNone : PopupToBar;
    default: return PopupBarKey;
    }
}
ItemBarKey ItemBarKeyDown(UINT nVirtKey, BYTE chTyped, const ItemBarFacts& facts)
{
    using namespace ZAVPMenuNavigation;
    ItemBarKey key = {ItemBarNone, -1, 0};
    const std::vector<NavItem>& items = *facts.items;
    const int nCurrent = facts.nHighlighted;
    auto opensSubMenu = [&facts](int nItem) {
        return nItem >= 0 && nItem < (int)facts.subMenus->size() && (*facts.subMenus)[nItem];
    };

    switch (nVirtKey) {
    case VK_ESCAPE: key.action = ItemBarClose; return key;
    case VK_RETURN:
        if (nCurrent >= 0 && nCurrent < (int)items.size()) {
            key.action = opensSubMenu(nCurrent) ? ItemBarOpenSubMenu : ItemBarInvoke;
            key.nItem = nCurrent;
        }
        return key;
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
        if (nVirtKey == VK_HOME)
            key.nItem = FirstItem(items);
        else if (nVirtKey == VK_END)
            key.nItem = LastItem(items);
        else
            key.nItem = NextItem(items, nCurrent, nVirtKey == VK_UP ? -1 : 1);
        key.action = key.nItem >= 0 ? ItemBarMoveHighlight : ItemBarNone;
        return key;
    default: break;
    }

    if (chTyped == 0) return key;
    const MnemonicMatch match = FindMnemonic(*facts.texts, items, chTyped, nCurrent);
    if (match.nMatches == 1) {
        key.action = opensSubMenu(match.nIndex) ? ItemBarOpenSubMenu : ItemBarInvoke;
        key.nItem = match.nIndex;
    } else if (match.nMatches > 1) {
        key.action = ItemBarMoveHighlight;
        key.nItem = match.nIndex;
    } else if (facts.hiddenMnemonics != nullptr) {
        const BYTE chUpper = UpperCase1251(chTyped);
        for (const auto& hidden : *facts.hiddenMnemonics) {
            if (hidden.first == chUpper) {
                key.action = ItemBarInvokeHidden;
                key.nCommand = hidden.second;
                break;
            }
        }
    }
    return key;
}
}  // namespace ZAVPMenuKeys
