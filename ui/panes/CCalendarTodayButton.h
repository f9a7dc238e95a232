// The today button at the calendar bar's top-left corner: image 4 of the bar's strip.
#pragma once

#include "ui/panes/CZAVPCalendarButton.h"

class CCalendarTodayButton : public CZAVPCalendarButton
{
    DECLARE_SERIAL(CCalendarTodayButton)
public:
    CCalendarTodayButton();
    BOOL IsDayCell() const override { return FALSE; }
    BOOL GetCustomToolTipText(CString& strToolTip) override;

protected:
    CString TextOf(const COleDateTime&) const override { return CString(); }
};
