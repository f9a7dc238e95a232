// A mini frame's caption button that opens a popup menu (the toolbar options button): it keeps the
// menu's last result and shows the menu at its bottom-right corner.
#pragma once

#include "ui/docking/CZAVPTitleButton.h"

class CDC;
class CWnd;

class CZAVPTitleButtonEx : public CZAVPTitleButton
{
public:
    explicit CZAVPTitleButtonEx(UINT nHit) : CZAVPTitleButton(nHit, FALSE) {}

    // Nothing while hidden; else the visual manager draws it in the states given.
    void OnDraw(CDC* pDC, BOOL bActive, BOOL bHorz, BOOL bMaximized, BOOL bDisabled);
    // Shows the menu at the button's bottom-right corner (screen coordinates) for the owner whose
    // non-client area holds the button; answers the chosen command, 0 for none.
    UINT ShowMenu(HMENU hMenu, CWnd* pOwner);

    UINT m_nLastCommand = 0;  // the popup menu's last result
    BOOL m_bOSMenu = TRUE;    // plain tracking: the system's TrackPopupMenu shows the menu
    BOOL m_bMenuIsOpen = FALSE;
};
