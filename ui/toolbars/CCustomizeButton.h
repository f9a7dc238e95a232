// The toolbar's customise (chevron) button. Declared so far: the two facts its drawing shows.
#pragma once

#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CCustomizeButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();

    BOOL m_bHasHiddenButtons;  // the toolbar is too short for some of its buttons
    BOOL m_bCanCustomize;      // the toolbar offers its customise menu
};
