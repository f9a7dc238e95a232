// The library's dialog base: it closes its popup menus when the user clicks elsewhere and routes
// keys to the open one. Declared so far: the active-menu hook the context-menu manager calls.
#pragma once

#include "framework/CDialog.h"

class CZAVPPopupMenu;

class CZAVPDialog : public CDialog
{
    DECLARE_DYNAMIC(CZAVPDialog)
public:
    // While set, keyboard messages of the dialog go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
};
