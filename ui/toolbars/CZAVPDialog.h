// The library's dialog base: it closes its popup menus when the user clicks elsewhere and routes
// keys to the open one. Declared so far: the active-menu hook the context-menu manager calls.
// (Its base is the platform's dialog, a window.)
#pragma once

#include "framework/CWnd.h"

class CZAVPPopupMenu;

class CZAVPDialog : public CWnd
{
    DECLARE_DYNAMIC(CZAVPDialog)
public:
    // While set, keyboard messages of the dialog go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
};
