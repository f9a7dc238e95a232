// The today button of the calendar bar (see CCalendarTodayButton.h).
#include "ui/panes/CCalendarTodayButton.h"

#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CCalendarTodayButton, CZAVPCalendarButton, 1)

namespace
{
const int kTodayImage = 4;
}  // namespace

CCalendarTodayButton::CCalendarTodayButton()
{
    m_iImage = kTodayImage;
    m_bImage = TRUE;
}

BOOL CCalendarTodayButton::GetCustomToolTipText(CString& strToolTip)
{
    if ((m_nStyle & TBBS_DISABLED) || !CZAVPToolBar::m_bShowTooltips) return FALSE;
    strToolTip = "Today";
    return TRUE;
}
