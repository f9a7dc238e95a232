// The dock manager's floating bars: the move check that docks a dragged mini frame's bar, where a
// drop would dock, the floating bars found by id, and the mini frames' part of the stored layout
// (see CZAVPDockManager.h).
#include "ui/docking/CZAVPDockManager.h"

#include <algorithm>

#include "framework/CControlBar.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPDragDriver.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/ZAVPMiniFrameLayoutParts.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/ZAVPListRange.h"

namespace
{
// While Ctrl holds docking off, the move check runs this often to notice its release.
const UINT kDockCheckInterval = 100;

// The bar that a mini frame or bar window stands for.
CZAVPBaseControlBar* DraggedBar(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        pWnd = static_cast<CZAVPMiniFrameWnd*>(pWnd)->GetControlBar();
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pWnd)
               : nullptr;
}
}  // namespace

BOOL CZAVPDockManager::OnMoveMiniFrame(CWnd* pFrame)
{
    if (pFrame == nullptr || !pFrame->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd))) return TRUE;
    CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(pFrame);
    CZAVPBaseControlBar* pBar = DraggedBar(pMiniFrame);
    // Only the frame's own move docks, where its drag drops the bar; a move by the system goes
    // on as it is.
    const DockLayout::DropKind kind = pMiniFrame->GetDockingTargetKind();
    const BOOL bOwnMove = pMiniFrame->IsMoving() || kind != DockLayout::DropKind::None;
    if (pBar == nullptr || !bOwnMove) {
        pMiniFrame->KillDockTimer();
        return TRUE;
    }
    if (pMiniFrame->GetDrag().IsCtrlHeld()) {
        // Held Ctrl never docks; the timer notices its release without a mouse move.
        if (!pMiniFrame->IsDockTimerRunning()) pMiniFrame->SetDockTimer(kDockCheckInterval);
        return TRUE;
    }
    pMiniFrame->KillDockTimer();
    if (kind == DockLayout::DropKind::None) return TRUE;
    // A frame of panes (or of one pane) docks its content where the drag found the site.
    BOOL bTabbed = FALSE;
    if (pBar->IsResizable()) return pMiniFrame->DockBarAtCursor(&bTabbed) == nullptr;
    CZAVPBaseControlBar* pTarget = pMiniFrame->GetDrag().GetShownTarget();
    if (pTarget == nullptr) return TRUE;
    return pMiniFrame->DockAtTarget(kind, pTarget);
}

CZAVPBaseControlBar* CZAVPDockManager::FindDockTargetForFloatingBar(CZAVPBaseControlBar* pBar)
{
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) return nullptr;
    CZAVPDockBar* pDockBar = nullptr;
    if (!static_cast<CZAVPControlBar*>(pBar)->CheckUndock(m_nDockSensitivity, pDockBar))
        return nullptr;
    return pDockBar;
}

BOOL CZAVPDockManager::CanJoinAsTab(CWnd* pWnd, CZAVPBaseControlBar* pBar,
                                    CZAVPBaseControlBar* pTarget) const
{
    if (pTarget == nullptr || pTarget == pBar || !pTarget->CanBeAttached() ||
        !CZAVPDockingUtils::CanWindowBeAttached(pWnd) || !pTarget->CanAcceptBar(pBar) ||
        !(pTarget->GetCurrentAlignment() & pBar->GetEnabledAlignment()))
        return FALSE;
    // Never the group the dragged pane is a tab of.
    for (CWnd* pParent = pBar->GetParent(); pParent != nullptr; pParent = pParent->GetParent())
        if (pParent == pTarget) return FALSE;
    return TRUE;
}

BOOL CZAVPDockManager::CalcExpectedPaneRect(CWnd* pWnd, CZAVPBaseControlBar* pBar, CPoint pt,
                                            CRect& rectResult, BOOL& bDrawTab,
                                            CZAVPBaseControlBar** ppTargetBar)
{
    CZAVPMiniFrameWnd* pOwnFrame = pBar->GetParentMiniFrame(TRUE);
    // Another frame of panes under the cursor answers for its own panes.
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame == pWnd || pMiniFrame == pOwnFrame || pMiniFrame->GetSafeHwnd() == nullptr ||
            !pMiniFrame->IsWindowVisible())
            continue;
        CRect rectFrame;
        pMiniFrame->GetWindowRect(rectFrame);
        if (!rectFrame.PtInRect(pt)) continue;
        if (pMiniFrame->CalcExpectedDockedRect(pWnd, pt, rectResult, bDrawTab, ppTargetBar))
            return TRUE;
        // On the caption of a frame of one bar: the dragged window joins that bar as a tab.
        CZAVPBaseControlBar* pCaptionBar = SingleBarCaptionAt(pt, pOwnFrame);
        if (pCaptionBar == nullptr || pCaptionBar->GetParentMiniFrame(TRUE) != pMiniFrame ||
            !pCaptionBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) ||
            !CanJoinAsTab(pWnd, pBar, pCaptionBar))
            return FALSE;
        pCaptionBar->GetWindowRect(rectResult);
        bDrawTab = TRUE;
        if (ppTargetBar != nullptr) *ppTargetBar = pCaptionBar;
        return TRUE;
    }
    CZAVPBaseControlBar* pUnder = ControlBarFromPoint(pt, m_nDockSensitivity, TRUE,
                                                      RUNTIME_CLASS(CZAVPDockingControlBar), pBar);
    if (pUnder != nullptr && pUnder->GetParentMiniFrame(TRUE) != nullptr) pUnder = nullptr;
    const int nHit = pUnder != nullptr
                         ? static_cast<CZAVPDockingControlBar*>(pUnder)->HitTestForDocking(
                               pt, m_nDockSensitivity)
                         : ZAVP_DOCKHIT_NONE;
    // On a docked pane's caption or tabs: the dragged window joins it as a tab.
    if (nHit == ZAVP_DOCKHIT_TAB && CanJoinAsTab(pWnd, pBar, pUnder)) {
        pUnder->GetWindowRect(rectResult);
        bDrawTab = TRUE;
        if (ppTargetBar != nullptr) *ppTargetBar = pUnder;
        return TRUE;
    }
    // Beside a docked pane near one of its edges.
    if (nHit == ZAVP_DOCKHIT_BESIDE) {
        pUnder->GetWindowRect(rectResult);
        if (ppTargetBar != nullptr) *ppTargetBar = pUnder;
        return TRUE;
    }
    // On a frame side the pane may take: a band of its own thickness inside the client area.
    DWORD dwAlignment = 0;
    BOOL bOuterEdge = FALSE;
    if (!IsPointNearDockBar(pt, dwAlignment, bOuterEdge) ||
        !(dwAlignment & pBar->GetEnabledAlignment()))
        return FALSE;
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    rectResult = bOuterEdge ? m_rectOuterEdgeBounds : m_rectClientAreaBounds;
    if (m_pParentWnd != nullptr) m_pParentWnd->ClientToScreen(rectResult);
    const BOOL bHorz = (dwAlignment & CBRS_ORIENT_HORZ) != 0;
    const DockAxis axis(bHorz != FALSE);
    const int nThickness = axis.Thickness(rectBar);
    if (dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT))
        axis.SetCrossEnd(rectResult, axis.CrossStart(rectResult) + nThickness);
    else
        axis.SetCrossStart(rectResult, axis.CrossEnd(rectResult) - nThickness);
    return !rectResult.IsRectEmpty();
}

BOOL CZAVPDockManager::CalcExpectedDockedRect(CWnd* pWnd, CPoint ptMouse, CRect& rectResult,
                                              BOOL& bDrawTab, CZAVPBaseControlBar** ppTargetBar)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != nullptr) *ppTargetBar = nullptr;
    CZAVPBaseControlBar* pBar = DraggedBar(pWnd);
    // Held Ctrl: no dock site anywhere.
    if (pBar == nullptr || CZAVPDragDriver::IsCtrlDown()) return FALSE;
    if (pBar->IsResizable())
        return CalcExpectedPaneRect(pWnd, pBar, ptMouse, rectResult, bDrawTab, ppTargetBar);
    CZAVPBaseControlBar* pTarget = FindDockTargetForFloatingBar(pBar);
    if (pTarget == nullptr) return FALSE;
    // The dock bar's band, at least as thick as the bar would be in it (an empty side has none).
    const BOOL bHorz = (pTarget->GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0;
    const DockAxis axis(bHorz != FALSE);
    const int nThickness = axis.Across(pBar->CalcFixedLayout(FALSE, bHorz));
    pTarget->GetWindowRect(rectResult);
    if (axis.Thickness(rectResult) < nThickness) {
        if (pTarget->GetCurrentAlignment() & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT))
            axis.SetCrossEnd(rectResult, axis.CrossStart(rectResult) + nThickness);
        else
            axis.SetCrossStart(rectResult, axis.CrossEnd(rectResult) - nThickness);
    }
    if (ppTargetBar != nullptr) *ppTargetBar = pTarget;
    return TRUE;
}

CZAVPBaseControlBar* CZAVPDockManager::FloatingPaneFromPoint(CPoint point, int nSensitivity,
                                                             CZAVPMiniFrameWnd* pIgnoreFrame,
                                                             const CZAVPBaseControlBar* pIgnoreBar)
{
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame == pIgnoreFrame || pMiniFrame->GetSafeHwnd() == nullptr ||
            !pMiniFrame->IsWindowVisible())
            continue;
        CZAVPBaseControlBar* pBar = pMiniFrame->ControlBarFromPoint(point, nSensitivity, TRUE);
        if (pBar != nullptr && pBar != pIgnoreBar &&
            pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
            return pBar;
    }
    return nullptr;
}

CZAVPBaseControlBar* CZAVPDockManager::SingleBarCaptionAt(CPoint point,
                                                          CZAVPMiniFrameWnd* pIgnoreFrame)
{
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame == pIgnoreFrame || pMiniFrame->GetSafeHwnd() == nullptr ||
            !pMiniFrame->IsWindowVisible() || pMiniFrame->HasControlBar() != 1 ||
            pMiniFrame->HitTest(point, TRUE) != HTCAPTION)
            continue;
        CWnd* pBar = pMiniFrame->GetControlBar();
        if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
            return static_cast<CZAVPBaseControlBar*>(pBar);
    }
    return nullptr;
}

CZAVPBaseControlBar* CZAVPDockManager::FindFloatingBarByID(UINT uBarID) const
{
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame->GetSafeHwnd() == nullptr) continue;
        // A frame of several panes knows every pane of its tree, not only the one it hosts.
        if (pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
            if (CZAVPDockingControlBar* pPane = static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame)
                                                    ->GetContainerManager()
                                                    .FindBarByID(uBarID))
                if (pPane->GetSafeHwnd() != nullptr) return pPane;
        CZAVPBaseControlBar* pBar = DraggedBar(pMiniFrame);
        if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr &&
            (UINT)pBar->GetDlgCtrlID() == uBarID)
            return pBar;
    }
    return nullptr;
}

// ---- the stored layout

std::vector<CObject*> CZAVPDockManager::MiniFramesToSave()
{
    std::vector<CObject*> frames;
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame->GetSafeHwnd() == nullptr) continue;
        pMiniFrame->ValidateHostedBar();
        if (pMiniFrame->HasControlBar()) frames.push_back(pMiniFrame);
    }
    return frames;
}

void CZAVPDockManager::StageLoadedMiniFrames(const std::vector<CObject*>& miniFrames)
{
    DiscardLoadedMiniFrames();
    for (CObject* p : miniFrames) m_lstLoadedMiniFrames.AddTail(p);
}

void CZAVPDockManager::ApplyLoadedMiniFrames()
{
    // The list is taken over first: a frame that gives up leaves it (and the frame list) while
    // this walks a copy, and never destroys itself before the walk is over.
    std::vector<CZAVPMiniFrameWnd*> loaded;
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstLoadedMiniFrames))
        loaded.push_back(pMiniFrame);
    m_lstLoadedMiniFrames.RemoveAll();
    std::vector<HWND> windows;
    for (CZAVPMiniFrameWnd* pMiniFrame : loaded) windows.push_back(pMiniFrame->GetSafeHwnd());
    for (size_t i = 0; i < loaded.size(); ++i)
        if (windows[i] != nullptr && ::IsWindow(windows[i])) loaded[i]->SetDockState(this);
}

void CZAVPDockManager::HideExistingMiniFrames()
{
    m_lstGivingWay.clear();
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstMiniFrames)) {
        if (pMiniFrame->GetSafeHwnd() == nullptr || m_lstLoadedMiniFrames.Find(pMiniFrame))
            continue;
        m_lstGivingWay.push_back(pMiniFrame->GetSafeHwnd());
        pMiniFrame->ShowWindow(SW_HIDE);
    }
}

BOOL CZAVPDockManager::IsGivingWay(const CZAVPMiniFrameWnd* pMiniFrame) const
{
    return pMiniFrame != nullptr && std::find(m_lstGivingWay.begin(), m_lstGivingWay.end(),
                                              pMiniFrame->GetSafeHwnd()) != m_lstGivingWay.end();
}

void CZAVPDockManager::RestoreUnclaimedMiniFrames()
{
    // A bar the stored layout does not know (made after it was saved) stays where the user put
    // it rather than vanish with a hidden frame.
    for (HWND hWnd : m_lstGivingWay) {
        CWnd* pWnd = ::IsWindow(hWnd) ? CWnd::FromHandlePermanent(hWnd) : nullptr;
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd))) continue;
        CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(pWnd);
        pMiniFrame->ValidateHostedBar();
        if (pMiniFrame->IsHostedBarVisible()) pMiniFrame->ShowWindow(SW_SHOWNOACTIVATE);
    }
    m_lstGivingWay.clear();
}

void CZAVPDockManager::DiscardLoadedMiniFrames()
{
    std::vector<CZAVPMiniFrameWnd*> loaded;
    for (CZAVPMiniFrameWnd* pMiniFrame : ListOf<CZAVPMiniFrameWnd>(m_lstLoadedMiniFrames))
        loaded.push_back(pMiniFrame);
    m_lstLoadedMiniFrames.RemoveAll();
    ZAVPMiniFrameLayoutParts parts(m_pParentWnd);
    for (CZAVPMiniFrameWnd* pMiniFrame : loaded) parts.Discard(pMiniFrame);
}
