// The library's property page base, with the same popup-menu handling as its dialog base.
// Declared so far: the active-menu hook the context-menu manager calls.
// (Its base is the platform's property page, a window.)
#pragma once

#include "framework/CWnd.h"

class CZAVPPopupMenu;

class CZAVPPropertyPage : public CWnd
{
    DECLARE_DYNAMIC(CZAVPPropertyPage)
public:
    // While set, keyboard messages of the page go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
};
