// A navigate button of the calendar bar (see CCalendarNavigateButton.h).
#include "ui/panes/CCalendarNavigateButton.h"

#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CCalendarNavigateButton, CZAVPCalendarButton, 1)

namespace
{
const char* const kTips[] = {"Prev. year", "Prev. month", "Next month", "Next year"};
}  // namespace

CCalendarNavigateButton::CCalendarNavigateButton(int nIndex) : m_nIndex(nIndex)
{
    m_iImage = nIndex;
    m_bImage = TRUE;
}

BOOL CCalendarNavigateButton::GetCustomToolTipText(CString& strToolTip)
{
    if ((m_nStyle & TBBS_DISABLED) || !CZAVPToolBar::m_bShowTooltips || m_nIndex < 0 ||
        m_nIndex > 3)
        return FALSE;
    strToolTip = kTips[m_nIndex];
    return TRUE;
}
