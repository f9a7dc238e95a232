// The dock manager's floating bars: the move check that docks a dragged mini frame's bar, where a
// drop would dock, the floating bars found by id, and the mini frames' part of the stored layout
// (see CZAVPDockManager.h).
#include "ui/docking/CZAVPDockManager.h"

#include "framework/CControlBar.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/ZAVPMiniFrameLayoutParts.h"
#include "ui/docking/layout/DockAxis.h"

namespace
{
// While Ctrl holds docking off, the move check runs this often to notice its release.
const UINT kDockCheckInterval = 100;

BOOL CtrlHeld() { return ::GetKeyState(VK_CONTROL) < 0; }

CZAVPMiniFrameWnd* AsMiniFrame(CObject* p) { return static_cast<CZAVPMiniFrameWnd*>(p); }

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
    // Only the frame's own move docks; a move by the system goes on as it is.
    if (pBar == nullptr || !pMiniFrame->IsMoving()) {
        pMiniFrame->KillDockTimer();
        return TRUE;
    }
    if (CtrlHeld()) {
        // Held Ctrl never docks; the timer notices its release without a mouse move.
        if (!pMiniFrame->IsDockTimerRunning()) pMiniFrame->SetDockTimer(kDockCheckInterval);
        return TRUE;
    }
    pMiniFrame->KillDockTimer();
    // Docking panes take their targets from their panes and mini frames.
    if (pBar->IsResizable()) return TRUE;
    CZAVPBaseControlBar* pTarget = FindDockTargetForFloatingBar(pBar);
    if (pTarget == nullptr) return TRUE;
    return pMiniFrame->DockAtTarget(1, pTarget);
}

CZAVPBaseControlBar* CZAVPDockManager::FindDockTargetForFloatingBar(CZAVPBaseControlBar* pBar)
{
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) return nullptr;
    CZAVPDockBar* pDockBar = nullptr;
    if (!static_cast<CZAVPControlBar*>(pBar)->CheckUndock(m_nDockSensitivity, pDockBar))
        return nullptr;
    return pDockBar;
}

BOOL CZAVPDockManager::CalcExpectedDockedRect(CWnd* pWnd, CPoint, CRect& rectResult, BOOL& bDrawTab,
                                              CZAVPBaseControlBar** ppTargetBar)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != nullptr) *ppTargetBar = nullptr;
    CZAVPBaseControlBar* pBar = DraggedBar(pWnd);
    if (pBar == nullptr || pBar->IsResizable() || CtrlHeld()) return FALSE;
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

CZAVPBaseControlBar* CZAVPDockManager::FindFloatingBarByID(UINT uBarID) const
{
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = AsMiniFrame(m_lstMiniFrames.GetNext(pos));
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
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = AsMiniFrame(m_lstMiniFrames.GetNext(pos));
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
    for (POSITION pos = m_lstLoadedMiniFrames.GetHeadPosition(); pos != nullptr;)
        loaded.push_back(AsMiniFrame(m_lstLoadedMiniFrames.GetNext(pos)));
    m_lstLoadedMiniFrames.RemoveAll();
    std::vector<HWND> windows;
    for (CZAVPMiniFrameWnd* pMiniFrame : loaded) windows.push_back(pMiniFrame->GetSafeHwnd());
    for (size_t i = 0; i < loaded.size(); ++i)
        if (windows[i] != nullptr && ::IsWindow(windows[i])) loaded[i]->SetDockState(this);
}

void CZAVPDockManager::DiscardLoadedMiniFrames()
{
    std::vector<CZAVPMiniFrameWnd*> loaded;
    for (POSITION pos = m_lstLoadedMiniFrames.GetHeadPosition(); pos != nullptr;)
        loaded.push_back(AsMiniFrame(m_lstLoadedMiniFrames.GetNext(pos)));
    m_lstLoadedMiniFrames.RemoveAll();
    ZAVPMiniFrameLayoutParts parts(m_pParentWnd);
    for (CZAVPMiniFrameWnd* pMiniFrame : loaded) parts.Discard(pMiniFrame);
}
