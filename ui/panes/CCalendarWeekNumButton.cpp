// A week number of the calendar bar (see CCalendarWeekNumButton.h).
#include "ui/panes/CCalendarWeekNumButton.h"

#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/ZAVPCalendarMath.h"

IMPLEMENT_SERIAL(CCalendarWeekNumButton, CZAVPCalendarButton, 1)

COLORREF CCalendarWeekNumButton::GetTextColor() const
{
    if (m_pCalendar == nullptr) return (COLORREF)-1;
    return m_pCalendar->GetWeekNumberColor(IsInCurrentMonth());
}

CString CCalendarWeekNumButton::TextOf(const COleDateTime& date) const
{
    CString str;
    str.Format("%02d",
               ZAVPCalendarMath::GetWeekOfYear(date, ZAVPCalendarMath::kFirstDayOfWeekSunday));
    return str;
}
