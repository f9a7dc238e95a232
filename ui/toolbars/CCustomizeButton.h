// The toolbar's customise (chevron) button. Declared so far: what its drawing shows and the
// buttons the bar's layout hid in it.
#pragma once

#include "framework/CObList.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CCustomizeButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();

    BOOL m_bHasHiddenButtons;       // the toolbar is too short for some of its buttons
    BOOL m_bCanCustomize;           // the toolbar offers its customise menu
    CObList m_lstInvisibleButtons;  // the bar's buttons it had no room for, in order (not owned)
};
