// The non-client companion of toolbars (see CZAVPBarNcArea.h).
#include "ui/docking/CZAVPBarNcArea.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "framework/CControlBar.h"

void CZAVPBarNcArea::CalcSize(CRect& rect) const
{
    m_pBar->CalcInsideRect(rect, m_pBar->IsHorizontal());
}

CRect CZAVPBarNcArea::GripperStrip(const CRect& rectWindow, const CRect& rectClient, BOOL bHorz)
{
    CRect rect = rectWindow;
    if (bHorz)
        rect.right = std::min<LONG>(rect.right, rectClient.left - 1);
    else
        rect.bottom = std::min<LONG>(rect.bottom, rectClient.top - 1);
    return rect;
}

void CZAVPBarNcArea::CalcGripperRect(CRect& rect, BOOL bClientCoords) const
{
    CRect rectWindow, rectClient;
    m_pBar->GetWindowRect(rectWindow);
    m_pBar->GetClientRect(rectClient);
    m_pBar->ClientToScreen(rectClient);
    rect = GripperStrip(rectWindow, rectClient, m_pBar->IsHorizontal());
    if (bClientCoords)
        m_pBar->ScreenToClient(rect);
    else
        rect.OffsetRect(-rectWindow.left, -rectWindow.top);
}

void CZAVPBarNcArea::Paint()
{
    HDC hdc = ::GetWindowDC(m_pBar->GetSafeHwnd());
    if (hdc == nullptr) return;
    CDC* pDC = CDC::FromHandle(hdc);
    CRect rectWindow, rectClient;
    m_pBar->GetWindowRect(rectWindow);
    m_pBar->GetClientRect(rectClient);
    m_pBar->ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    ::ExcludeClipRect(hdc, rectClient.left, rectClient.top, rectClient.right, rectClient.bottom);
    CRect rect(0, 0, rectWindow.Width(), rectWindow.Height());
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    pManager->OnDrawBarBorder(pDC, m_pBar, rect);
    pManager->OnFillBarBackground(pDC, m_pBar, rect, rect, TRUE);
    const DWORD dwStyle = m_pBar->GetBarStyle();
    if ((dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER) {
        CRect rectGripper;
        CalcGripperRect(rectGripper, FALSE);
        pManager->OnDrawBarGripper(pDC, rectGripper, (dwStyle & CBRS_ORIENT_HORZ) != 0, m_pBar);
    }
    ::ReleaseDC(m_pBar->GetSafeHwnd(), hdc);
}

void CZAVPBarNcArea::DrawParentBackground(CDC* pDC)
{
    globalData.DrawParentBackground(m_pBar, pDC);
}
