// One pane's button on an auto-hide strip (see CZAVPAutoHideButton.h).
#include "ui/docking/CZAVPAutoHideButton.h"

#include "framework/CDC.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/layout/AutoHideMath.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "framework/CControlBar.h"

IMPLEMENT_DYNCREATE(CZAVPAutoHideButton, CObject)

CZAVPAutoHideButton::CZAVPAutoHideButton()
    : m_bTop(FALSE), m_dwAlignment(0), m_dwReserved(0), m_bVisible(FALSE), m_pParentBar(nullptr),
      m_pAutoHideWindow(nullptr)
{
}

CZAVPAutoHideButton::~CZAVPAutoHideButton() {}

BOOL CZAVPAutoHideButton::Create(CZAVPAutoHideToolBar* pParentBar,
                                 CZAVPDockingControlBar* pAutoHideWnd, DWORD dwAlignment)
{
    if (pParentBar == nullptr || pAutoHideWnd == nullptr) return FALSE;
    m_pParentBar = pParentBar;
    m_pAutoHideWindow = pAutoHideWnd;
    m_dwAlignment = dwAlignment & CBRS_ALIGN_ANY;
    m_bVisible = TRUE;
    const CSize size = GetSize();
    m_rect = CRect(0, 0, size.cx, size.cy);
    return TRUE;
}

BOOL CZAVPAutoHideButton::IsHorizontal() const { return (m_dwAlignment & CBRS_ORIENT_HORZ) != 0; }

CSize CZAVPAutoHideButton::GetTextSize() const
{
    CSize size(0, 0);
    if (m_pAutoHideWindow == nullptr || m_pAutoHideWindow->GetSafeHwnd() == nullptr) return size;
    CString strText;
    m_pAutoHideWindow->GetWindowText(strText);
    if (strText.IsEmpty()) {
        // An empty label still takes the font's height across the strip.
        size.cy = globalData.m_nTextHeightHorz - 2;
        if (!IsHorizontal()) size = CSize(size.cy, 0);
        return size;
    }
    HDC hdc = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(hdc);
    CFont* pOld = dc.SelectObject(IsHorizontal() ? &globalData.fontRegular : &globalData.fontVert);
    const CSize sizeText = dc.GetTextExtent(strText);
    dc.SelectObject(pOld);
    dc.Detach();
    ::ReleaseDC(nullptr, hdc);
    // A vertical label runs down the strip.
    return IsHorizontal() ? sizeText : CSize(sizeText.cy, sizeText.cx);
}

BOOL CZAVPAutoHideButton::m_bActiveStripTextOnly = TRUE;

BOOL CZAVPAutoHideButton::IsTextShown() const
{
    const BOOL bHasIcon = m_pAutoHideWindow != nullptr &&
                          m_pAutoHideWindow->GetSafeHwnd() != nullptr &&
                          m_pAutoHideWindow->GetIcon(FALSE) != nullptr;
    const BOOL bActive = m_pParentBar != nullptr && m_pParentBar->IsActiveStrip();
    const BOOL bAnyActive = m_pParentBar != nullptr && m_pParentBar->IsAnyStripOfRowActive();
    return DockLayout::AutoHideButtonShowsText(m_bActiveStripTextOnly, bHasIcon, bActive,
                                               bAnyActive);
}

CSize CZAVPAutoHideButton::GetSize() const
{
    const BOOL bHasPane = m_pAutoHideWindow != nullptr;
    HICON hIcon = bHasPane && m_pAutoHideWindow->GetSafeHwnd() ? m_pAutoHideWindow->GetIcon(FALSE)
                                                               : nullptr;
    const CSize sizeIcon(globalData.m_sizeSmallIcon_cx, globalData.m_sizeSmallIcon_cy);
    const CSize sizeText = bHasPane ? CSize(DockLayout::AutoHideButtonTextExtent(
                                          m_dwAlignment, GetTextSize(), IsTextShown()))
                                    : CSize(0, 0);
    return DockLayout::AutoHideButtonSize(bHasPane, m_dwAlignment, hIcon != nullptr, sizeIcon,
                                          sizeText);
}

void CZAVPAutoHideButton::OnFillBackground(CDC* pDC, CRect rect)
{
    CZAVPVisualManager::GetInstance()->OnFillAutoHideButtonBackground(pDC, rect, this);
}

void CZAVPAutoHideButton::OnDrawBorder(CDC* pDC, CRect rectBounds, CRect rectBorderSize)
{
    CZAVPVisualManager::GetInstance()->OnDrawAutoHideButtonBorder(pDC, rectBounds, rectBorderSize,
                                                                  this);
}

void CZAVPAutoHideButton::OnDraw(CDC* pDC)
{
    const CSize size = GetSize();
    m_rect = CRect(0, 0, size.cx, size.cy);
    OnFillBackground(pDC, m_rect);
    LONG borders[4];
    DockLayout::AutoHideButtonBorders(m_dwAlignment, borders);
    OnDrawBorder(pDC, m_rect, CRect(borders[0], borders[1], borders[2], borders[3]));
    if (m_pAutoHideWindow == nullptr || m_pAutoHideWindow->GetSafeHwnd() == nullptr) return;

    CRect rectContent = m_rect;
    rectContent.DeflateRect(borders[0], borders[1], borders[2], borders[3]);
    rectContent.DeflateRect(DockLayout::kAutoHideButtonMargin, DockLayout::kAutoHideButtonMargin);
    const BOOL bHorz = IsHorizontal();
    if (HICON hIcon = m_pAutoHideWindow->GetIcon(FALSE)) {
        const int cx = globalData.m_sizeSmallIcon_cx, cy = globalData.m_sizeSmallIcon_cy;
        const int x = bHorz ? rectContent.left : rectContent.left + (rectContent.Width() - cx) / 2;
        const int y = bHorz ? rectContent.top + (rectContent.Height() - cy) / 2 : rectContent.top;
        ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
        if (bHorz)
            rectContent.left += cx + DockLayout::kAutoHideIconGap;
        else
            rectContent.top += cy + DockLayout::kAutoHideIconGap;
    } else if (bHorz)
        rectContent.left += DockLayout::kAutoHideButtonMargin;

    CString strText;
    if (IsTextShown()) m_pAutoHideWindow->GetWindowText(strText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(globalData.clrBarText);
    if (bHorz) {
        CFont* pOld = pDC->SelectObject(&globalData.fontRegular);
        pDC->DrawText(strText, rectContent, DT_SINGLELINE | DT_VCENTER);
        pDC->SelectObject(pOld);
    } else {
        // The vertical font writes top to bottom: its cell's top edge lies on the right.
        CFont* pOld = pDC->SelectObject(&globalData.fontVert);
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(pDC->GetSafeHdc(), &tm);
        const int x = rectContent.left + (rectContent.Width() + tm.tmHeight) / 2;
        ::ExtTextOutA(pDC->GetSafeHdc(), x, rectContent.top, 0, nullptr, strText,
                      strText.GetLength(), nullptr);
        pDC->SelectObject(pOld);
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CZAVPAutoHideButton::UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup)
{
    if (m_pAutoHideWindow != nullptr) m_pAutoHideWindow->UnSetAutoHideMode(pFirstBarInGroup);
}

void CZAVPAutoHideButton::ShowAttachedWindow(BOOL bShow)
{
    if (m_pAutoHideWindow == nullptr || m_pAutoHideWindow->GetSafeHwnd() == nullptr) return;
    if ((m_pAutoHideWindow->IsWindowVisible() != FALSE) != (bShow != FALSE))
        m_pAutoHideWindow->Slide(bShow, TRUE);
    if (m_pParentBar != nullptr) m_pParentBar->SetFlagA(bShow);
}
