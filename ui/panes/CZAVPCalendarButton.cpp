// A day cell of the calendar bar (see CZAVPCalendarButton.h).
#include "ui/panes/CZAVPCalendarButton.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/ZAVPCalendarMath.h"

IMPLEMENT_SERIAL(CZAVPCalendarButton, CZAVPToolbarButton, 1)

namespace
{
const UINT kCalendarPressedOrChecked = TBBS_PRESSED | TBBS_CHECKED;  // 0x30000
const UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
}  // namespace

CZAVPCalendarButton::CZAVPCalendarButton() : m_pCalendar(nullptr)
{
    m_date.SetStatus(COleDateTime::invalid);
    m_bText = FALSE;
    m_bImage = FALSE;
    m_bLocked = TRUE;
}

void CZAVPCalendarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pCalendar = dynamic_cast<CZAVPCalendarBar*>(pWndParent);
}

BOOL CZAVPCalendarButton::IsInCurrentMonth() const
{
    return m_pCalendar != nullptr && m_date.GetMonth() == m_pCalendar->GetDate().GetMonth();
}

void CZAVPCalendarButton::SetDate(const COleDateTime& date)
{
    if (date == m_date) return;
    m_date = date;
    m_strText = TextOf(date);
    InvalidateOnBar();
}

BOOL CZAVPCalendarButton::IsSelected() const
{
    return IsDayCell() && m_pCalendar != nullptr && m_pCalendar->IsDateSelected(m_date);
}

void CZAVPCalendarButton::InvalidateOnBar()
{
    if (m_pCalendar != nullptr && m_pCalendar->GetSafeHwnd() != nullptr && !m_rect.IsRectEmpty())
        m_pCalendar->InvalidateRect(m_rect);
}

void CZAVPCalendarButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz,
                                 BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                 BOOL bGrayDisabledButtons)
{
    if (IsSelected())
        m_nStyle |= TBBS_CHECKED;
    else
        m_nStyle &= ~TBBS_CHECKED;
    CZAVPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                               bGrayDisabledButtons);

    // Today gets a frame and a band along its top in the shadow colour.
    if (IsDayCell() && ZAVPCalendarMath::IsSameDay(m_date, COleDateTime::GetCurrentTime())) {
        const int nShrink = 2 * ::GetSystemMetrics(SM_CXBORDER) - 1;
        CRect rectFrame = rect;
        rectFrame.DeflateRect(nShrink, nShrink);
        pDC->Draw3dRect(rectFrame, globalData.clrBarShadow, globalData.clrBarShadow);
        pDC->FillSolidRect(
            CRect(rectFrame.left, rectFrame.top - 1, rectFrame.right, rectFrame.top + 2),
            globalData.clrBarShadow);
    }
    if (m_bImage) return;  // navigate and today buttons: the image is the drawing
    const BOOL bMarked = IsDayCell() && m_pCalendar != nullptr &&
                         m_pCalendar->IsDayMarked(m_date.GetDay());
    DrawText(pDC, rect, bHighlight, bMarked);
}

void CZAVPCalendarButton::DrawText(CDC* pDC, const CRect& rect, BOOL bHighlight, BOOL bBold)
{
    const int nState = bHighlight ? CZAVPVisualManager::ButtonsIsHighlighted
                       : (m_nStyle & kCalendarPressedOrChecked)
                           ? CZAVPVisualManager::ButtonsIsPressed
                           : CZAVPVisualManager::ButtonsIsRegular;
    const COLORREF clrText = CZAVPVisualManager::GetInstance()->GetToolbarButtonTextColor(this,
                                                                                          nState);
    CFont& font = bBold ? globalData.fontBold : globalData.fontRegular;
    const HGDIOBJ hOldFont = font.GetSafeHandle() != nullptr
                                 ? ::SelectObject(pDC->GetSafeHdc(), font.GetSafeHandle())
                                 : nullptr;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    pDC->DrawText(m_strText, rectText, kTextFormat);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    if (hOldFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}
