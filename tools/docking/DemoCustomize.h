// The docking demo's customisable toolbar: the catalogue's main toolbar with a customize button,
// a combo box of drives and a drop-down toolbar of the navigation commands, F9 switching
// customisation mode on and off, and the two looks the screenshot script takes: customisation
// mode with a selected button, and the customize button's drop-down opened on a bar too short
// for its buttons.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/toolbars/CZAVPDropDownToolBar.h"

class CZAVPFrameWnd;
class CZAVPToolBar;

struct DemoCustomize
{
    std::unique_ptr<CZAVPDropDownToolBar> source;  // the hidden drop-down toolbar
};

// Adds the customize button, the combo box and the drop-down button to the toolbar; FALSE when
// the drop-down's source cannot be made.
bool AddCustomizeDemo(CZAVPFrameWnd* pFrame, CZAVPToolBar& toolBar, DemoCustomize& demo);
// "customize": customisation mode with the toolbar's first button selected; "chevron": the
// customize button's drop-down open. Anything else: nothing.
void ShowCustomizeLook(CZAVPToolBar& toolBar, const char* lpszMode);
// F9 toggles customisation mode; TRUE when the message was that key.
bool HandleCustomizeKey(const MSG& msg);
