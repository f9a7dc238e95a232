// Reading a menu handle into plain items and writing items back to a new menu (see the header).
#include "ui/toolbars/ZAVPMenuModel.h"

#include <stdio.h>

#include "ui/toolbars/ZAVPMenuNavigation.h"

namespace ZAVPMenuModel
{
namespace
{
BOOL ReadItems(HMENU hMenu, const ImportOptions& options, ImportResult& result)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    if (nCount < 0) return FALSE;

    const UINT nDefault = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    result.nDefaultCommand = nDefault == (UINT)-1 ? 0 : nDefault;

    BOOL bVisibleSinceSeparator = FALSE;
    for (int i = 0; i < nCount; ++i) {
        char szText[kMaxItemText + 1] = "";
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = szText;
        mii.cch = sizeof(szText) - 1;
        if (!::GetMenuItemInfoA(hMenu, (UINT)i, TRUE, &mii)) return FALSE;

        ZAVPMenuItem item;
        if (mii.fType & MFT_SEPARATOR) {
            if (!options.bFoldSeparators || (bVisibleSinceSeparator && i != nCount - 1))
                result.items.push_back(item);
            bVisibleSinceSeparator = FALSE;
            continue;
        }

        item.strText = szText;
        if (mii.hSubMenu != NULL) {
            item.nID = ZAVPMenuItem::kSubMenu;
            ImportResult sub;
            if (!ReadItems(mii.hSubMenu, ImportOptions(), sub)) return FALSE;
            item.subItems.swap(sub.items);
        } else {
            item.nID = mii.wID;
            if (options.isLeftOut && options.isLeftOut(mii.wID)) {
                result.bAllItemsShown = FALSE;
                const BYTE chMnemonic = ZAVPMenuNavigation::Mnemonic(item.strText);
                if (chMnemonic != 0)
                    result.hiddenMnemonics.push_back(std::make_pair(chMnemonic, mii.wID));
                continue;
            }
            item.bDefault = nDefault != (UINT)-1 && mii.wID == nDefault;
        }
        item.bDisabled = (mii.fState & (MFS_DISABLED | MFS_GRAYED)) != 0;
        item.bChecked = (mii.fState & MFS_CHECKED) != 0;
        item.bMenuBreak = (mii.fType & MFT_MENUBREAK) != 0;
        result.items.push_back(item);
        bVisibleSinceSeparator = TRUE;
    }

    // Left-out items at the end must not leave a separator hanging there either.
    if (options.bFoldSeparators) {
        while (!result.items.empty() && result.items.back().IsSeparator()) result.items.pop_back();
    }
    return TRUE;
}

UINT ItemFlags(const ZAVPMenuItem& item)
{
    UINT nFlags = MF_STRING;
    if (item.bMenuBreak) nFlags |= MF_MENUBREAK;
    if (item.bDisabled) nFlags |= MF_GRAYED;
    if (item.bChecked) nFlags |= MF_CHECKED;
    return nFlags;
}
}  // namespace

BOOL Import(HMENU hMenu, const ImportOptions& options, ImportResult& result)
{
    if (hMenu == NULL || !::IsMenu(hMenu)) return FALSE;
    ImportResult read;
    if (!ReadItems(hMenu, options, read)) return FALSE;
    result = read;
    return TRUE;
}

HMENU Export(const std::vector<ZAVPMenuItem>& items)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL) return NULL;

    UINT nDefault = 0;
    for (const ZAVPMenuItem& item : items) {
        BOOL bAppended = FALSE;
        if (item.IsSeparator()) {
            bAppended = ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        } else if (item.IsSubMenu()) {
            HMENU hSubMenu = Export(item.subItems);
            if (hSubMenu != NULL) {
                bAppended = ::AppendMenuA(hMenu, ItemFlags(item) | MF_POPUP, (UINT_PTR)hSubMenu,
                                          item.strText.c_str());
                if (!bAppended) ::DestroyMenu(hSubMenu);
            }
        } else {
            bAppended = ::AppendMenuA(hMenu, ItemFlags(item), item.nID, item.strText.c_str());
            if (item.bDefault) nDefault = item.nID;
        }
        if (!bAppended) {
            ::DestroyMenu(hMenu);  // takes the sub-menus appended so far with it
            return NULL;
        }
    }

    if (nDefault != 0) ::SetMenuDefaultItem(hMenu, nDefault, FALSE);
    return hMenu;
}
void CopyItemStates(HMENU hSource, HMENU hTarget)
{
    const int nCount = ::GetMenuItemCount(hSource);
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = ::GetMenuItemID(hSource, i);
        if (nID == 0 || nID == (UINT)-1)
            continue;  // separators and sub-menus have no state of their own here
        const UINT nState = ::GetMenuState(hSource, (UINT)i, MF_BYPOSITION);
        if (nState & MF_CHECKED) ::CheckMenuItem(hTarget, nID, MF_BYCOMMAND | MF_CHECKED);
        // Both bits at once: setting them one after the other would leave only the last.
        const UINT nDisabled = nState & (MF_DISABLED | MF_GRAYED);
        if (nDisabled != 0) ::EnableMenuItem(hTarget, nID, MF_BYCOMMAND | nDisabled);
    }
}

BOOL CanClose(HMENU hSystemMenu)
{
    const UINT nState = ::GetMenuState(hSystemMenu, SC_CLOSE, MF_BYCOMMAND);
    return nState != (UINT)-1 && (nState & (MF_DISABLED | MF_GRAYED)) == 0;
}

BOOL ExpandRecentFiles(std::vector<ZAVPMenuItem>& items,
                       const std::vector<std::string>& displayNames)
{
    for (size_t i = 0; i < items.size(); ++i) {
        const ZAVPMenuItem& placeholder = items[i];
        if (placeholder.nID != kRecentFileFirst || placeholder.strText != kRecentFilePlaceholder)
            continue;

        std::vector<ZAVPMenuItem> files;
        int nShown = 0;
        for (size_t nEntry = 0; nEntry < displayNames.size(); ++nEntry) {
            if (displayNames[nEntry].empty()) continue;
            char szNumber[16];
            snprintf(szNumber, sizeof(szNumber), "&%d ", ++nShown);
            ZAVPMenuItem file;
            file.nID = kRecentFileFirst + (UINT)nEntry;
            file.strText = szNumber + displayNames[nEntry];
            files.push_back(file);
        }
        items.erase(items.begin() + (std::ptrdiff_t)i);
        items.insert(items.begin() + (std::ptrdiff_t)i, files.begin(), files.end());
        return TRUE;
    }
    return FALSE;
}

std::string RecentFileDisplayName(const std::string& strPath, const std::string& strCurrentDir)
{
    std::string strDir = strCurrentDir;
    if (strDir.empty()) return strPath;
    if (strDir.back() != '\\') strDir += '\\';
    if (strPath.size() <= strDir.size() ||
        ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, strPath.c_str(), (int)strDir.size(),
                         strDir.c_str(), (int)strDir.size()) != CSTR_EQUAL)
        return strPath;
    return strPath.substr(strDir.size());
}

std::string TearOffBarName(const std::string& strMenuText)
{
    // The mnemonic markers go; a doubled "&&", the menu's way of showing one ampersand, stays
    // one ampersand in the name.
    std::string strName;
    for (size_t i = 0; i < strMenuText.size(); ++i) {
        if (strMenuText[i] != '&')
            strName += strMenuText[i];
        else if (i + 1 < strMenuText.size() && strMenuText[i + 1] == '&')
            strName += strMenuText[++i];
    }
    return strName;
}

std::vector<ZAVPMenuItem> TearOffItems(const std::vector<ZAVPMenuItem>& items)
{
    std::vector<ZAVPMenuItem> bar = items;
    if (!bar.empty() && bar.back().IsSeparator()) bar.pop_back();
    return bar;
}

std::vector<std::pair<int, int>> RarelyUsedRuns(const std::vector<ZAVPMenuItem>& items,
                                                const std::vector<BOOL>& rare)
{
    std::vector<std::pair<int, int>> runs;
    const int nCount = (int)(items.size() < rare.size() ? items.size() : rare.size());
    for (int i = 0; i < nCount; ++i) {
        if (items[i].IsSeparator() || !rare[i]) continue;
        int nLast = i;
        for (int k = i + 1; k < nCount; ++k) {
            if (items[k].IsSeparator()) continue;
            if (!rare[k]) break;
            nLast = k;
        }
        runs.push_back(std::make_pair(i, nLast));
        i = nLast;
    }
    return runs;
}
}  // namespace ZAVPMenuModel
