// The library's property page base, with the same popup-menu handling as its dialog base.
// Declared so far: the active-menu hook the context-menu manager calls.
#pragma once

#include "framework/CPropertyPage.h"

class CZAVPPopupMenu;

class CZAVPPropertyPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CZAVPPropertyPage)
public:
    // While set, keyboard messages of the page go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
};
