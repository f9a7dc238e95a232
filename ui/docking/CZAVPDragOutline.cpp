// The outline of a drag in standard dock mode (see CZAVPDragOutline.h).
#include "ui/docking/CZAVPDragOutline.h"

#include <algorithm>
#include <cstdlib>

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPGlobalDockingBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/layout/TabStripGeometry.h"
#include "ui/foundation/CZAVPGlobalData.h"

namespace
{
CZAVPBaseControlBar* BarOf(HWND hWnd)
{
    CWnd* pWnd = hWnd != nullptr && ::IsWindow(hWnd) ? CWnd::FromHandlePermanent(hWnd) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pWnd)
               : nullptr;
}

// The text of the temporary tab: the dragged window's, or the caption its mini frame shows.
CString DraggedText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    if (strText.IsEmpty() && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        strText = static_cast<CZAVPMiniFrameWnd*>(pWnd)->GetCaptionText();
    return strText;
}
}  // namespace

CZAVPDragOutline::CZAVPDragOutline()
    : m_hLastTarget(nullptr), m_bEndedOnTab(FALSE), m_bActive(FALSE), m_nTemporaryTab(-1),
      m_pDraggedWnd(nullptr), m_pDockManager(nullptr), m_hTabTarget(nullptr),
      m_bTabOutlineShown(FALSE), m_nTabOutlineHeight(0)
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

CZAVPDragOutline::TabOutline CZAVPDragOutline::TabOutlineParts(const RECT& rectBar, int nTabHeight,
                                                               int nWidth)
{
    TabOutline parts = {};
    const int nBandTop = rectBar.bottom - nTabHeight;
    if (nTabHeight <= 0 || nBandTop - rectBar.top < 2 * nWidth) {
        // No room for a band: the bar's rectangle alone.
        parts.rectBody = rectBar;
        return parts;
    }
    parts.rectBody = {rectBar.left, rectBar.top, rectBar.right, nBandTop};
    const int nTabLeft = rectBar.left + kTabOutlineLeft;
    const int nTabRight = std::min<int>(rectBar.left + kTabOutlineRight,
                                        rectBar.right - nWidth - kTabOutlineMargin);
    if (nTabRight - nTabLeft <= 2 * nWidth) return parts;
    parts.rectTab = {nTabLeft, nBandTop, nTabRight, rectBar.bottom};
    // The body's lower edge and the tab's upper edge meet over the tab: both go there.
    parts.rectOpening = {nTabLeft + nWidth, nBandTop - nWidth, nTabRight - nWidth,
                         nBandTop + nWidth};
    return parts;
}

CZAVPBaseControlBar* CZAVPDragOutline::GetLastTarget() const { return BarOf(m_hLastTarget); }

CZAVPBaseControlBar* CZAVPDragOutline::TabTarget() const { return BarOf(m_hTabTarget); }

CZAVPBaseTabWnd* CZAVPDragOutline::TemporaryTabWindow() const
{
    CZAVPBaseControlBar* pTarget = TabTarget();
    if (pTarget == nullptr || !pTarget->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return nullptr;
    CZAVPBaseTabWnd* pTabWnd = static_cast<CZAVPBaseTabbedBar*>(pTarget)->GetTabWnd();
    return pTabWnd != nullptr && pTabWnd->GetSafeHwnd() != nullptr ? pTabWnd : nullptr;
}

void CZAVPDragOutline::BeginDrag()
{
    ::GetCursorPos(&m_ptStart);
    m_bActive = FALSE;
    m_bEndedOnTab = FALSE;
    m_hLastTarget = nullptr;
    m_rectDrag.SetRectEmpty();
    m_rectShown.SetRectEmpty();
    m_rectLastDrag.SetRectEmpty();
    if (m_pDraggedWnd != nullptr && m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
        m_pDockManager = static_cast<CZAVPBaseControlBar*>(m_pDraggedWnd)->GetDockManager();
    else if (m_pDraggedWnd != nullptr && m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        m_pDockManager = static_cast<CZAVPMiniFrameWnd*>(m_pDraggedWnd)->GetOwnerDockManager();
}

void CZAVPDragOutline::Activate()
{
    if (m_pDockManager != nullptr) {
        // The window that holds temporary tabs exists before the frame's updates are locked.
        CWnd* pMainFrame = AfxGetMainWnd();
        if (pMainFrame == nullptr) pMainFrame = m_pDockManager->GetDockSiteFrameWnd();
        CZAVPGlobalDockingBar::EnsureWindow(pMainFrame);
        m_pDockManager->LockUpdate(TRUE);
    }
    m_rectShown.SetRectEmpty();
    m_bActive = TRUE;
}

void CZAVPDragOutline::ShowStep(const DockLayout::DragStep& step, CZAVPBaseControlBar* pTarget)
{
    if (m_pDraggedWnd == nullptr || m_pDraggedWnd->GetSafeHwnd() == nullptr) return;
    if (!m_bActive) {
        if (step.phase != DockLayout::DragPhase::Moving) return;
        Activate();
    }
    if (step.phase != DockLayout::DragPhase::Moving) return;
    m_rectDrag = step.rectLast;
    Show(pTarget, step.shown.kind == DockLayout::DropKind::AsTab);
}

void CZAVPDragOutline::Show(CZAVPBaseControlBar* pTarget, BOOL bDropAsTab)
{
    m_hLastTarget = pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr;
    if (bDropAsTab && pTarget != nullptr && pTarget != m_pDraggedWnd &&
        pTarget->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
    {
        if (TabTarget() != pTarget) {
            HideTabPreview();
            DrawDragRect(CRect(), m_rectShown, TRUE, kOutlineWidth, kOutlineWidth);
            m_rectShown.SetRectEmpty();
            ShowTabPreview(pTarget);
        }
        return;
    }
    HideTabPreview();
    DrawDragRect(m_rectDrag, m_rectShown, FALSE, kOutlineWidth, kOutlineWidth);
    m_rectShown = m_rectDrag;
}

void CZAVPDragOutline::ShowTabPreview(CZAVPBaseControlBar* pTarget)
{
    m_hTabTarget = pTarget->GetSafeHwnd();
    if (!pTarget->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
        // Another bar: the shape of a tab over its window.
        pTarget->GetWindowRect(m_rectTabOutline);
        m_nTabOutlineHeight = TabLayout::BaseTabsHeight(globalData.m_nTextHeightHorz, 0);
        DrawTabOutline(m_rectTabOutline, m_nTabOutlineHeight);
        m_bTabOutlineShown = TRUE;
        return;
    }
    CZAVPBaseTabWnd* pTabWnd = TemporaryTabWindow();
    CZAVPGlobalDockingBar& tabBar = CZAVPGlobalDockingBar::Instance();
    if (pTabWnd == nullptr || tabBar.GetSafeHwnd() == nullptr) return;
    // The tab is drawn with the frame's updates let go for a moment.
    if (m_pDockManager != nullptr) m_pDockManager->LockUpdate(FALSE);
    pTabWnd->AddTab(&tabBar, DraggedText(m_pDraggedWnd), (UINT)-1, FALSE);
    m_nTemporaryTab = pTabWnd->GetTabFromHwnd(tabBar.GetSafeHwnd());
    tabBar.ShowWindow(SW_HIDE);
    pTarget->RedrawWindow(nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (m_pDockManager != nullptr) m_pDockManager->LockUpdate(TRUE);
}

void CZAVPDragOutline::HideTabPreview()
{
    if (m_bTabOutlineShown) {
        DrawTabOutline(m_rectTabOutline, m_nTabOutlineHeight);
        m_bTabOutlineShown = FALSE;
    }
    if (m_nTemporaryTab >= 0) {
        CZAVPGlobalDockingBar& tabBar = CZAVPGlobalDockingBar::Instance();
        CZAVPBaseTabWnd* pTabWnd = TemporaryTabWindow();
        const int iTab = pTabWnd != nullptr && tabBar.GetSafeHwnd() != nullptr
                             ? pTabWnd->GetTabFromHwnd(tabBar.GetSafeHwnd())
                             : -1;
        if (iTab >= 0) {
            const BOOL bLocked = m_pDockManager != nullptr && m_pDockManager->m_bLockUpdate;
            if (bLocked) m_pDockManager->LockUpdate(FALSE);
            // The window is only lent to the tab: the tab window must not destroy it.
            const BOOL bAutoDestroy = pTabWnd->IsAutoDestroyWindow();
            pTabWnd->SetAutoDestroyWindow(FALSE);
            pTabWnd->RemoveTab(iTab, TRUE);
            pTabWnd->SetAutoDestroyWindow(bAutoDestroy);
            tabBar.ShowWindow(SW_HIDE);
            if (CZAVPBaseControlBar* pTarget = TabTarget())
                pTarget->RedrawWindow(nullptr, nullptr,
                                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                          RDW_UPDATENOW);
            if (bLocked) m_pDockManager->LockUpdate(TRUE);
        }
        m_nTemporaryTab = -1;
    }
    m_hTabTarget = nullptr;
}

void CZAVPDragOutline::EndDrag(BOOL)
{
    m_bEndedOnTab = FALSE;
    if (m_bActive) {
        // A tab preview promised a tab: the caller docks the window as one.
        m_bEndedOnTab = m_nTemporaryTab >= 0 || m_bTabOutlineShown;
        HideTabPreview();
        DrawDragRect(CRect(), m_rectShown, TRUE, kOutlineWidth, kOutlineWidth);
        if (m_pDockManager != nullptr) m_pDockManager->LockUpdate(FALSE);
    }
    m_rectLastDrag = m_bActive ? m_rectDrag : CRect();
    m_rectDrag.SetRectEmpty();
    m_rectShown.SetRectEmpty();
    m_bActive = FALSE;
}

void CZAVPDragOutline::DrawDragRect(const RECT& rectNew, const RECT& rectOld, BOOL bErase,
                                    int nWidth, int nOldWidth)
{
    if (::IsRectEmpty(&rectOld) && (bErase || ::IsRectEmpty(&rectNew))) return;
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

void CZAVPDragOutline::DrawTabOutline(const RECT& rectBar, int nTabHeight)
{
    const TabOutline parts = TabOutlineParts(rectBar, nTabHeight, kTabOutlineWidth);
    DrawDragRect(parts.rectBody, CRect(), FALSE, kTabOutlineWidth, kTabOutlineWidth);
    DrawDragRect(parts.rectTab, CRect(), FALSE, kTabOutlineWidth, kTabOutlineWidth);
    const RECT& r = parts.rectOpening;
    if (::IsRectEmpty(&r)) return;
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == nullptr) return;
    HBRUSH hBrush = ::CreateSolidBrush(RGB(128, 128, 128));
    HBRUSH hOld = (HBRUSH)::SelectObject(hdc, hBrush);
    ::PatBlt(hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBrush);
    ::ReleaseDC(nullptr, hdc);
}
