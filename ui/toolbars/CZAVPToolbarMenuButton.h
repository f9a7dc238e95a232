// A menu item that carries a sub-menu. Declared so far: the parent window the visual manager
// tests.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPToolbarMenuButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPToolbarMenuButton)
public:
    CZAVPToolbarMenuButton();

    CWnd* m_pWndParent;    // the bar that shows the button
};
