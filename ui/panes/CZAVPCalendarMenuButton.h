// A toolbar menu button holding a date that drops down a calendar (CCalendarPopup). A pick goes
// to the button, to every calendar button and standalone calendar bar with the same command, and
// to the process-wide command-to-date map; then the button's command runs.
#pragma once

#include "framework/COleDateTime.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPCalendarMenuButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CZAVPCalendarMenuButton)
public:
    CZAVPCalendarMenuButton();

    // The menu button's archive, then the four stored values. The date is not stored: a loaded
    // button takes the date of a button with its command already on a toolbar.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    // Every click drops the calendar down (or closes it); there is no separate arrow part.
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    CZAVPPopupMenu* CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    // Stores the date (and in the command-to-date map) and repaints; with bNotify the other
    // calendar buttons and the standalone calendar bars of the command follow.
    virtual void SetDate(const COleDateTime& date, BOOL bNotify = TRUE);
    const COleDateTime& GetDate() const { return m_date; }

    // Stored, loaded and copied with the button; nothing else reads them.
    DWORD m_dwStored[4];

protected:
    COleDateTime m_date;
};
