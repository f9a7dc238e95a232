// Key decisions of the menu bar and popup menus (see the header).
#include "ui/toolbars/ZAVPMenuKeys.h"

namespace ZAVPMenuKeys
{
BarKey MenuBarKey(UINT nVirtKey, const std::vector<ZAVPMenuNavigation::NavItem>& items, int nHot,
                  BOOL bHotHasMenu)
{
    BarKey key = {BarNone, nHot};
    switch (nVirtKey)
    {
    case VK_RETURN:
        if (nHot >= 0)
            key.action = bHotHasMenu ? BarOpenMenu : BarRunCommand;
        break;
    case VK_ESCAPE:
        key.action = BarCancel;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        key.nHot = ZAVPMenuNavigation::NextItem(items, nHot, nVirtKey == VK_LEFT ? -1 : 1);
        key.action = key.nHot >= 0 ? BarMoveHot : BarNone;
        if (key.nHot < 0)
            key.nHot = nHot;
        break;
    case VK_DOWN:
        if (nHot >= 0 && bHotHasMenu)
            key.action = BarOpenMenu;
        break;
    default:
        key.action = BarMnemonic;
        break;
    }
    return key;
}

int FirstHotOnFocus(int nCount, BOOL bFirstIsSystemMenu)
{
    if (nCount <= 0)
        return -1;
    return bFirstIsSystemMenu && nCount > 1 ? 1 : 0;
}

PopupAction PopupKey(UINT nVirtKey, BOOL bCtrl, const PopupFacts& facts)
{
    switch (nVirtKey)
    {
    case VK_ESCAPE:
        return PopupClose;
    case VK_LEFT:
        // Only a menu dropped from the menu bar moves to the previous menu; a sub-menu goes back
        // to its parent popup.
        if (facts.bParentMenuBar)
            return PopupPrevMenu;
        return facts.bParentDroppedDown ? PopupCloseToParent : PopupNone;
    case VK_RIGHT:
        if (facts.bSubMenuHighlighted)
            return PopupOpenSubMenu;
        if (facts.bParentMenuBar)
            return PopupNextMenu;
        return facts.bParentPopup ? PopupPassToParent : PopupNone;
    case VK_DOWN:
        if (bCtrl && facts.bHidesRarelyUsed)
            return PopupShowAll;
        return facts.bCustomizeMode ? PopupNone : PopupToBar;
    case VK_UP:
    case VK_HOME:
    case VK_END:
    case VK_RETURN:
        return facts.bCustomizeMode ? PopupNone : PopupToBar;
    default:
        return PopupBarKey;
    }
}
}  // namespace ZAVPMenuKeys
