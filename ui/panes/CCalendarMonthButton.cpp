// The month caption of the calendar bar (see CCalendarMonthButton.h).
#include "ui/panes/CCalendarMonthButton.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CCalendarMonthButton, CZAVPToolbarButton, 1)

CCalendarMonthButton::CCalendarMonthButton() : m_pCalendar(nullptr)
{
    m_nStyle |= TBBS_DISABLED;
    m_bText = FALSE;
    m_bImage = FALSE;
    m_bLocked = TRUE;
}

void CCalendarMonthButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pCalendar = dynamic_cast<CZAVPCalendarBar*>(pWndParent);
}

void CCalendarMonthButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL, BOOL, BOOL,
                                  BOOL, BOOL)
{
    m_nStyle |= TBBS_DISABLED;
    const COLORREF clrText = m_pCalendar != nullptr ? m_pCalendar->GetHeaderTextColor()
                                                    : globalData.clrBarText;
    const HGDIOBJ hOldFont = globalData.fontRegular.GetSafeHandle() != nullptr
                                 ? ::SelectObject(pDC->GetSafeHdc(),
                                                  globalData.fontRegular.GetSafeHandle())
                                 : nullptr;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    pDC->DrawText(m_strText, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    if (hOldFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

BOOL CCalendarMonthButton::GetCustomToolTipText(CString& strToolTip)
{
    // Never shown in practice: the caption is always disabled.
    if ((m_nStyle & TBBS_DISABLED) || !CZAVPToolBar::m_bShowTooltips) return FALSE;
    strToolTip = "Change month";
    return TRUE;
}
