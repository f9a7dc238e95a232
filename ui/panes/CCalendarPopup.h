// The popup of the calendar drop-down button: a popup menu window whose item bar is a calendar
// bar showing the button's date. Torn off, it becomes a standalone calendar bar.
#pragma once

#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

class CCalendarPopup : public CZAVPPopupMenu
{
    DECLARE_DYNAMIC(CCalendarPopup)
public:
    CCalendarPopup(const COleDateTime& date, UINT uiCommandID);

    CZAVPPopupMenuBar* GetMenuBar() override { return &m_wndCalendarBar; }
    CZAVPCalendarBar& GetCalendarBar() { return m_wndCalendarBar; }

protected:
    CZAVPToolBar* CreateTearOffBar(HMENU hMenu, UINT uiID, LPCSTR lpszName) override;
    int OnCreate(LPCREATESTRUCT lpcs);
    // Escape closes the calendar; every other key is the calendar's (the arrows move the day
    // rather than to the next menu of the bar the calendar dropped from).
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    CZAVPCalendarBar m_wndCalendarBar;
    BOOL m_bAllowInCustomizeMode;  // always FALSE

    DECLARE_MESSAGE_MAP()
};
