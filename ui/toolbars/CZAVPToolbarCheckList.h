// The toolbars page's list: a check list whose disabled items (bars that may not be closed)
// refuse the user with a beep, and where a double click on an item tells the page as a check
// change does.
#pragma once

#include "framework/CCheckListBox.h"

class CZAVPToolbarCheckList : public CCheckListBox
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
