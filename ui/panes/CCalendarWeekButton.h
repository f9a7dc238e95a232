// A week-day header of the calendar bar: the abbreviated name of its column's day of the week.
#pragma once

#include "ui/panes/CZAVPCalendarButton.h"

class CCalendarWeekButton : public CZAVPCalendarButton
{
    DECLARE_SERIAL(CCalendarWeekButton)
public:
    CCalendarWeekButton() {}
    BOOL IsDayCell() const override { return FALSE; }

protected:
    CString TextOf(const COleDateTime& date) const override { return date.Format("%a"); }
};
