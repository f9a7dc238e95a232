// The toolbar inside every popup menu, holding the menu's items as buttons. Declared so far: what
// the context-menu manager and the menu-bar store use.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CZAVPPopupMenuBar : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPPopupMenuBar)
public:
    CZAVPPopupMenuBar();
    ~CZAVPPopupMenuBar() override;

    // Fills the bar with the items of the menu.
    virtual BOOL ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands = FALSE);
    // A new menu built from the buttons, sub-menus included; the caller owns it.
    virtual HMENU ExportToMenu() const;

    // What the looks read while they paint the bar's background.
    BOOL m_bNoImageColumn;  // the items are drawn without the shaded image column
    BOOL m_bSecondColumn;   // a sub-menu whose items run in a second column
};
