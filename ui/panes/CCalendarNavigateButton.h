// One of the calendar bar's four navigate buttons (previous year, previous month, next month,
// next year), by index; its date is where it leads.
#pragma once

#include "ui/panes/CZAVPCalendarButton.h"

class CCalendarNavigateButton : public CZAVPCalendarButton
{
    DECLARE_SERIAL(CCalendarNavigateButton)
public:
    CCalendarNavigateButton() : CCalendarNavigateButton(0) {}
    explicit CCalendarNavigateButton(int nIndex);
    BOOL IsDayCell() const override { return FALSE; }
    BOOL GetCustomToolTipText(CString& strToolTip) override;
    int GetIndex() const { return m_nIndex; }

protected:
    CString TextOf(const COleDateTime&) const override { return CString(); }

    int m_nIndex;  // 0 previous year, 1 previous month, 2 next month, 3 next year
};
