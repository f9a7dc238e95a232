// The outline of a drag in standard dock mode (see CZAVPDragOutline.h).
#include "ui/docking/CZAVPDragOutline.h"

#include <cstdlib>

#include "framework/CWnd.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"

CZAVPDragOutline::CZAVPDragOutline()
    : m_bActive(FALSE), m_pDraggedWnd(nullptr), m_pDockManager(nullptr)
{
}

CZAVPDragOutline::~CZAVPDragOutline() {}

void CZAVPDragOutline::Attach(CWnd* pDraggedWnd) { m_pDraggedWnd = pDraggedWnd; }

CRect CZAVPDragOutline::FirstOutlineRect(const CRect& rectBar, CSize sizeFloating, CPoint ptCursor)
{
    CRect rect(rectBar.TopLeft(), sizeFloating);
    if (!rect.PtInRect(ptCursor)) rect.OffsetRect(ptCursor.x - kCursorGap - rect.left, 0);
    return rect;
}

BOOL CZAVPDragOutline::PastThreshold(CPoint ptStart, CPoint ptCursor, CSize sizeThreshold)
{
    return std::abs(ptCursor.x - ptStart.x) >= sizeThreshold.cx ||
           std::abs(ptCursor.y - ptStart.y) >= sizeThreshold.cy;
}

void CZAVPDragOutline::BeginDrag()
{
    ::GetCursorPos(&m_ptStart);
    m_bActive = FALSE;
    m_rectDrag.SetRectEmpty();
    m_rectLastDrag.SetRectEmpty();
    if (m_pDraggedWnd != nullptr && m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
        m_pDockManager = static_cast<CZAVPBaseControlBar*>(m_pDraggedWnd)->GetDockManager();
    else if (m_pDraggedWnd != nullptr && m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        m_pDockManager = static_cast<CZAVPMiniFrameWnd*>(m_pDraggedWnd)->GetOwnerDockManager();
}

void CZAVPDragOutline::MoveDragFrame(BOOL bForce)
{
    if (m_pDraggedWnd == nullptr || m_pDraggedWnd->GetSafeHwnd() == nullptr) return;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    const CSize sizeThreshold(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    if (!m_bActive && !bForce && !PastThreshold(m_ptStart, ptCursor, sizeThreshold)) return;

    CRect rectOld = m_rectDrag;
    if (!m_bActive) {
        if (m_pDockManager != nullptr) m_pDockManager->LockUpdate(TRUE);
        CRect rectWnd;
        m_pDraggedWnd->GetWindowRect(rectWnd);
        m_rectDrag = rectWnd;
        if (m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) {
            CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(m_pDraggedWnd);
            if (!pBar->IsFloating())
                m_rectDrag = FirstOutlineRect(
                    rectWnd, pBar->GetRecentDockInfo().m_rectRecentFloatingRect.Size(), m_ptStart);
        }
        rectOld.SetRectEmpty();
        m_bActive = TRUE;
        m_ptLast = m_ptStart;
    }
    m_rectDrag.OffsetRect(ptCursor.x - m_ptLast.x, ptCursor.y - m_ptLast.y);
    m_ptLast = ptCursor;
    DrawDragRect(m_rectDrag, rectOld, FALSE, kOutlineWidth, kOutlineWidth);
}

void CZAVPDragOutline::EndDrag(BOOL)
{
    if (m_bActive) {
        DrawDragRect(CRect(), m_rectDrag, TRUE, kOutlineWidth, kOutlineWidth);
        if (m_pDockManager != nullptr) m_pDockManager->LockUpdate(FALSE);
    }
    m_rectLastDrag = m_bActive ? m_rectDrag : CRect();
    m_rectDrag.SetRectEmpty();
    m_bActive = FALSE;
}

void CZAVPDragOutline::DrawDragRect(const RECT& rectNew, const RECT& rectOld, BOOL bErase,
                                    int nWidth, int nOldWidth)
{
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == nullptr) return;
    // XOR twice erases: the old outline goes, then the new one is drawn.
    HBRUSH hBrush = ::CreateSolidBrush(RGB(128, 128, 128));
    HBRUSH hOld = (HBRUSH)::SelectObject(hdc, hBrush);
    auto frame = [hdc](const RECT& r, int w) {
        if (::IsRectEmpty(&r)) return;
        ::PatBlt(hdc, r.left, r.top, r.right - r.left, w, PATINVERT);
        ::PatBlt(hdc, r.left, r.bottom - w, r.right - r.left, w, PATINVERT);
        ::PatBlt(hdc, r.left, r.top + w, w, r.bottom - r.top - 2 * w, PATINVERT);
        ::PatBlt(hdc, r.right - w, r.top + w, w, r.bottom - r.top - 2 * w, PATINVERT);
    };
    frame(rectOld, nOldWidth);
    if (!bErase) frame(rectNew, nWidth);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBrush);
    ::ReleaseDC(nullptr, hdc);
}
