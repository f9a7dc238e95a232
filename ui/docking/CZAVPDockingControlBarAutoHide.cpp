// Auto-hide mode of a docking pane: entering and leaving it, sliding out over the frame and
// back, and the check that slides the pane back once the mouse has left it.
#include "ui/docking/CZAVPDockingControlBar.h"

#include <algorithm>

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPAutoHideButton.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/layout/AutoHideMath.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{

// The slider's place beside a slid-out pane: on the pane's inner edge.
CRect SliderBeside(const CRect& rectPane, DWORD dwAlignment, int nWidth)
{
    switch (dwAlignment & CBRS_ALIGN_ANY) {
    case CBRS_ALIGN_LEFT:
        return CRect(rectPane.right, rectPane.top, rectPane.right + nWidth, rectPane.bottom);
    case CBRS_ALIGN_RIGHT:
        return CRect(rectPane.left - nWidth, rectPane.top, rectPane.left, rectPane.bottom);
    case CBRS_ALIGN_TOP:
        return CRect(rectPane.left, rectPane.bottom, rectPane.right, rectPane.bottom + nWidth);
    case CBRS_ALIGN_BOTTOM:
        return CRect(rectPane.left, rectPane.top - nWidth, rectPane.right, rectPane.top);
    default: return CRect();
    }
}
}  // namespace

CZAVPAutoHideToolBar* CZAVPDockingControlBar::SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
                                                              CZAVPAutoHideToolBar* pCurrBar,
                                                              BOOL bUseTimer)
{
    if (!bMode) {
        if (m_bAutoHideMode) UnSetAutoHideMode(nullptr);
        return nullptr;
    }
    if (m_bAutoHideMode) return m_pAutoHideBar;
    CZAVPDockManager* pManager = GetDockManager();
    CFrameWnd* pFrame = GetPaneFrame();
    dwAlignment &= CBRS_ALIGN_ANY;
    if (pManager == nullptr || pFrame == nullptr || !pManager->IsAutoHideAllowed(dwAlignment))
        return nullptr;

    m_rectRestored = RectInDockSite();
    StoreRecentDockInfo();
    UndockControlBar(TRUE);
    // A pane on a strip slides over its frame: it is the frame's child.
    if (GetParent() != pFrame) {
        CWnd* pOldParent = GetParent();
        OnBeforeChangeParent(pFrame, FALSE);
        SetParent(pFrame);
        OnAfterChangeParent(pOldParent);
    }
    m_bAutoHideMode = TRUE;
    CZAVPSlider* pSlider = CreateSlider(dwAlignment, pFrame, RUNTIME_CLASS(CZAVPSlider));
    if (pSlider == nullptr) {
        m_bAutoHideMode = FALSE;
        DockToFrameEdge(dwAlignment, m_rectRestored, ZAVP_DM_MOUSE, nullptr, -1, FALSE);
        return nullptr;
    }
    m_hDefaultSlider = pSlider->GetSafeHwnd();
    SetBarAlignment(dwAlignment);
    pSlider->AddControlBar(this);
    pManager->AddControlBar(pSlider, TRUE, TRUE);
    pManager->AddControlBar(this);
    CZAVPAutoHideToolBar* pStrip = pManager->AutoHideBar(this, dwAlignment, pCurrBar);
    if (pStrip == nullptr) {
        // No strip to hide on: the pane docks again where it was.
        m_bAutoHideMode = FALSE;
        m_hDefaultSlider = nullptr;
        pSlider->RemoveControlBar(this);
        DockToFrameEdge(dwAlignment, m_rectRestored, ZAVP_DM_MOUSE, nullptr, -1, FALSE);
        return nullptr;
    }
    CWnd::SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (bUseTimer) {
        // The pane stays out where it was until the mouse leaves it.
        const CRect rectShown = pManager->GetAutoHideShownRect(this);
        const CRect rectSlider = SliderBeside(rectShown, dwAlignment, pSlider->GetWidth());
        CWnd::SetWindowPos(&CWnd::wndTop, rectShown.left, rectShown.top, rectShown.Width(),
                           rectShown.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
        pSlider->CWnd::SetWindowPos(&CWnd::wndTop, rectSlider.left, rectSlider.top,
                                    rectSlider.Width(), rectSlider.Height(),
                                    SWP_NOACTIVATE | SWP_SHOWWINDOW);
        RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        m_nAutoHideConditionTimerID = SetTimer(kCheckAutoHideTimerId,
                                               (UINT)m_nCheckAutoHideInterval, nullptr);
    } else
        Slide(FALSE, FALSE);
    return pStrip;
}

void CZAVPDockingControlBar::UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup)
{
    if (!m_bAutoHideMode) return;
    m_bAutoHideMode = FALSE;
    KillSlideTimers();
    if (m_nAutoHideConditionTimerID != 0 && m_hWnd != nullptr)
        KillTimer(m_nAutoHideConditionTimerID);
    m_nAutoHideConditionTimerID = 0;
    CZAVPAutoHideToolBar* pStrip = m_pAutoHideBar;
    m_pAutoHideBar = nullptr;
    m_pAutoHideButton = nullptr;
    if (HasWindow(pStrip)) pStrip->RemoveAutoHideButton(this);
    // The auto-hide slider lets the pane go and, empty, destroys itself.
    CZAVPSlider* pSlider = GetDefaultSlider();
    m_hDefaultSlider = nullptr;
    if (pSlider != nullptr) pSlider->RemoveControlBar(this);
    const DWORD dwAlignment = GetCurrentAlignment();
    ShowWindow(SW_HIDE);
    CWnd::SetWindowPos(nullptr, m_rectRestored.left, m_rectRestored.top, m_rectRestored.Width(),
                       m_rectRestored.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (pFirstBarInGroup != nullptr && pFirstBarInGroup->GetDefaultSlider() != nullptr &&
        AttachToSlider(pFirstBarInGroup, ZAVP_DM_RECENT))
        return;
    if (!DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr))
        DockToFrameEdge(dwAlignment, m_rectRestored, ZAVP_DM_MOUSE, nullptr, -1, FALSE);
}

void CZAVPDockingControlBar::RepositionSlidOut()
{
    CZAVPDockManager* pManager = GetDockManager();
    if (!m_bAutoHideMode || m_bIsSliding || pManager == nullptr || m_hWnd == nullptr ||
        !IsWindowVisible())
        return;
    const CRect rectShown = pManager->GetAutoHideShownRect(this);
    CWnd::SetWindowPos(nullptr, rectShown.left, rectShown.top, rectShown.Width(),
                       rectShown.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (CZAVPSlider* pSlider = GetDefaultSlider()) {
        const CRect rect = SliderBeside(rectShown, GetCurrentAlignment(), pSlider->GetWidth());
        pSlider->CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CZAVPDockingControlBar::KillSlideTimers()
{
    if (m_nSlideTimer != 0 && m_hWnd != nullptr) KillTimer(m_nSlideTimer);
    m_nSlideTimer = 0;
    m_nSlideStep = 0;
    m_bIsSliding = FALSE;
    m_bIsHiding = FALSE;
}

BOOL CZAVPDockingControlBar::IsNotSlidingOut() const
{
    return !(m_nSlideTimer == kSlideInTimerId && m_bIsSliding && m_bIsHiding);
}

void CZAVPDockingControlBar::Slide(BOOL bShow, BOOL bAnimate)
{
    if (!m_bAutoHideMode) return;
    CZAVPDockManager* pManager = GetDockManager();
    CZAVPSlider* pSlider = GetDefaultSlider();
    if (pManager == nullptr) return;
    KillSlideTimers();
    if (m_nAutoHideConditionTimerID != 0) KillTimer(m_nAutoHideConditionTimerID);
    m_nAutoHideConditionTimerID = 0;

    const DWORD dwAlignment = GetCurrentAlignment();
    const CRect rectShown = pManager->GetAutoHideShownRect(this);
    const CRect rectHidden = DockLayout::SlideHiddenRect(rectShown, dwAlignment, m_nSlideMode);
    const BOOL bAnimated = bAnimate && !m_bDisableAnimation;
    m_nSlideDelta = (int)DockLayout::SlideStepSize(DockLayout::SlideLength(rectShown, dwAlignment),
                                                   bAnimated);
    if (bShow) {
        if (!IsWindowVisible()) {
            // Out from behind the strip: start where a hidden pane stands.
            CWnd::SetWindowPos(nullptr, rectHidden.left, rectHidden.top, rectHidden.Width(),
                               rectHidden.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        CWnd::SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        if (pSlider != nullptr)
            pSlider->CWnd::SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    m_rectRestored = m_nSlideMode == DockLayout::kSlideResize && !bShow ? RectInDockSite()
                                                                        : m_rectRestored;
    if (!bAnimated) {
        // Straight to the end, wherever the pane stood.
        m_nSlideDelta = (int)std::max(std::max(rectShown.Width(), rectShown.Height()),
                                      std::max(rectHidden.Width(), rectHidden.Height())) +
                        (int)DockLayout::SlideLength(rectShown, dwAlignment);
        CWnd::SetWindowPos(nullptr, (bShow ? rectShown : rectHidden).left,
                           (bShow ? rectShown : rectHidden).top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SlideStep(bShow);
        return;
    }
    m_bIsSliding = TRUE;
    m_bIsHiding = !bShow;
    m_nSlideTimer = SetTimer(bShow ? kSlideOutTimerId : kSlideInTimerId, (UINT)m_nSlideInterval,
                             nullptr);
}

BOOL CZAVPDockingControlBar::IsSlideComplete(BOOL bShow) const
{
    CZAVPDockManager* pManager = GetDockManager();
    if (pManager == nullptr) return TRUE;
    const CRect rectShown = pManager->GetAutoHideShownRect(
        const_cast<CZAVPDockingControlBar*>(this));
    const CRect rectEnd = bShow ? rectShown
                                : CRect(DockLayout::SlideHiddenRect(
                                      rectShown, GetCurrentAlignment(), m_nSlideMode));
    return DockLayout::IsSlideComplete(RectInDockSite(), rectEnd);
}

void CZAVPDockingControlBar::SlideStep(BOOL bShow)
{
    CZAVPDockManager* pManager = GetDockManager();
    if (pManager == nullptr) return;
    const DWORD dwAlignment = GetCurrentAlignment();
    const CRect rectShown = pManager->GetAutoHideShownRect(this);
    const CRect rectEnd = bShow ? rectShown
                                : CRect(DockLayout::SlideHiddenRect(rectShown, dwAlignment,
                                                                    m_nSlideMode));
    const CRect rectNext = DockLayout::SlideStepRect(RectInDockSite(), rectEnd, m_nSlideDelta);
    CWnd::SetWindowPos(nullptr, rectNext.left, rectNext.top, rectNext.Width(), rectNext.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    CZAVPSlider* pSlider = GetDefaultSlider();
    if (pSlider != nullptr) {
        const CRect rectSlider = SliderBeside(rectNext, dwAlignment, pSlider->GetWidth());
        pSlider->CWnd::SetWindowPos(nullptr, rectSlider.left, rectSlider.top, rectSlider.Width(),
                                    rectSlider.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ++m_nSlideStep;
    if (!IsSlideComplete(bShow)) return;
    KillSlideTimers();
    if (!bShow) {
        ShowWindow(SW_HIDE);
        if (pSlider != nullptr) pSlider->ShowWindow(SW_HIDE);
        return;
    }
    RedrawWindow(nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (pSlider != nullptr) pSlider->Invalidate();
    m_nAutoHideConditionTimerID = SetTimer(kCheckAutoHideTimerId, (UINT)m_nCheckAutoHideInterval,
                                           nullptr);
}

BOOL CZAVPDockingControlBar::CheckAutoHide()
{
    DockLayout::AutoHideCheck check = {};
    const HWND hFocus = ::GetFocus();
    check.bActive = m_bActive ||
                    (hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus)));
    check.bPinnedGuard = m_bPinnedGuard;
    check.bAutoHideMode = m_bAutoHideMode;
    check.bPopupVisible = FALSE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    check.ptCursor = ptCursor;
    CRect rectPane;
    GetWindowRect(rectPane);
    check.rectPane = rectPane;
    CZAVPSlider* pSlider = GetDefaultSlider();
    CRect rectSlider;
    if (pSlider != nullptr) pSlider->GetWindowRect(rectSlider);
    check.rectSlider = rectSlider;
    // The window under the cursor belongs to the pane when the pane is it or one of its
    // ancestors, up to the slider.
    for (HWND hWnd = ::WindowFromPoint(ptCursor); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (hWnd == m_hWnd || (pSlider != nullptr && hWnd == pSlider->GetSafeHwnd())) {
            check.bOverPaneWindows = TRUE;
            break;
        }
    }
    if (HasWindow(m_pAutoHideBar) && m_pAutoHideButton != nullptr) {
        CPoint pt = ptCursor;
        m_pAutoHideBar->ScreenToClient(&pt);
        CRect rectStrip;
        m_pAutoHideBar->GetClientRect(rectStrip);
        check.bOverButton = rectStrip.PtInRect(pt) &&
                            m_pAutoHideBar->ButtonFromPoint(pt) == m_pAutoHideButton;
    }
    if (!DockLayout::ShouldSlideIn(check)) return FALSE;
    Slide(FALSE, TRUE);
    return TRUE;
}

void CZAVPDockingControlBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case kSlideInTimerId:
    case kSlideOutTimerId: SlideStep(nIDEvent == kSlideOutTimerId); break;
    case kCheckAutoHideTimerId:
        if (CheckAutoHide()) {
            // Slide killed the check timer already when it started.
        }
        break;
    default: CZAVPControlBar::OnTimer(nIDEvent); break;
    }
}
