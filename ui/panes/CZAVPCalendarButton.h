// A day cell of the calendar bar, and the base of the bar's other date buttons (week-day headers,
// week numbers, today and the four navigate buttons): a toolbar button that carries a date.
#pragma once

#include "framework/COleDateTime.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPCalendarBar;

class CZAVPCalendarButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPCalendarButton)
public:
    CZAVPCalendarButton();

    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;

    // Whether the button's month is the bar's month (the year is not compared; an invalid date
    // counts as month -1).
    virtual BOOL IsInCurrentMonth() const;
    // A flag no operation sets: always FALSE.
    virtual BOOL IsMarkedFlag() const { return FALSE; }
    // Its own text colour, -1 to let the visual manager choose.
    virtual COLORREF GetTextColor() const { return (COLORREF)-1; }
    // Stores the date (nothing when unchanged), refreshes the text and invalidates the button.
    virtual void SetDate(const COleDateTime& date);
    // Day cells: the bar's IsDateSelected of the date; FALSE for the other buttons.
    virtual BOOL IsSelected() const;
    // TRUE only for a day cell (this class itself).
    virtual BOOL IsDayCell() const { return TRUE; }

    const COleDateTime& GetDate() const { return m_date; }
    CZAVPCalendarBar* GetCalendar() const { return m_pCalendar; }

protected:
    // The date as the button's text ("%d" for a day cell).
    virtual CString TextOf(const COleDateTime& date) const { return date.Format("%d"); }
    // Day number or name in the middle of the cell, in the look's text colour.
    void DrawText(CDC* pDC, const CRect& rect, BOOL bHighlight, BOOL bBold);
    void InvalidateOnBar();

    COleDateTime m_date;
    CZAVPCalendarBar* m_pCalendar;  // the bar holding the button, null outside a calendar bar
};
