// A day of the calendar bar. Declared so far: the two queries its text colour depends on.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPCalendarButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPCalendarButton)
public:
    CZAVPCalendarButton();

    // Its own text colour, -1 for none.
    virtual COLORREF GetTextColor() const;
    // Whether its day lies in the month shown.
    virtual BOOL IsInCurrentMonth() const;
};
