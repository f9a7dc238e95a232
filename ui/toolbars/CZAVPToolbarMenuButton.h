// A menu item that carries a sub-menu. Declared so far: the parent window and the open popup
// that the visual managers read.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPPopupMenu;

class CZAVPToolbarMenuButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPToolbarMenuButton)
public:
    CZAVPToolbarMenuButton();

    CWnd* m_pWndParent;            // the bar that shows the button
    CZAVPPopupMenu* m_pPopupMenu;  // its open popup menu, null when closed
    int m_nDropDirection;          // where the popup opens: 1 below, 2 above, 3 right, 4 left
};
