// A compact picture of menu items for the menu tests: text=id, ">{...}" for a sub-menu's items,
// "-" a separator, flags d(isabled), c(hecked), *(default), | before an item that starts a new
// column.
#pragma once

#include <string>
#include <vector>

#include "ui/toolbars/ZAVPMenuModel.h"

inline std::string DescribeMenuItems(const std::vector<ZAVPMenuItem>& items)
{
    std::string s;
    for (const ZAVPMenuItem& item : items) {
        if (!s.empty()) s += ' ';
        if (item.IsSeparator()) {
            s += '-';
            continue;
        }
        if (item.bMenuBreak) s += '|';
        s += item.strText;
        if (item.bDisabled) s += ":d";
        if (item.bChecked) s += ":c";
        if (item.bDefault) s += ":*";
        s += item.IsSubMenu() ? ">{" + DescribeMenuItems(item.subItems) + "}"
                              : "=" + std::to_string(item.nID);
    }
    return s;
}
