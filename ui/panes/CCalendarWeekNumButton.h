// A week number at the left of a calendar row, in the colours the look gave the week strip.
#pragma once

#include "ui/panes/CZAVPCalendarButton.h"

class CCalendarWeekNumButton : public CZAVPCalendarButton
{
    DECLARE_SERIAL(CCalendarWeekNumButton)
public:
    CCalendarWeekNumButton() {}
    BOOL IsDayCell() const override { return FALSE; }
    COLORREF GetTextColor() const override;

protected:
    CString TextOf(const COleDateTime& date) const override;
};
