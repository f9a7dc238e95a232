// The month caption of the calendar bar: the month's name centred in the header, always disabled.
#pragma once

#include "ui/toolbars/CZAVPToolbarButton.h"

class CZAVPCalendarBar;

class CCalendarMonthButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CCalendarMonthButton)
public:
    CCalendarMonthButton();

    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL GetCustomToolTipText(CString& strToolTip) override;

protected:
    CZAVPCalendarBar* m_pCalendar;  // null outside a calendar bar
};
