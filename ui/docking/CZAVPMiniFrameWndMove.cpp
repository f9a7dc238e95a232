// The mini frame's own mouse logic: moving (the outline or the frame itself follows the cursor,
// the dock manager is asked whether the bar docks), caption-button clicks, the double-click and
// Esc that send the bar back, a torn-off menu's first drag, resizing with toolbar snapping, and
// the roll-up and dock timers (see CZAVPMiniFrameWnd.h).
#include "ui/docking/CZAVPMiniFrameWnd.h"

#include "framework/CFrameWnd.h"
#include "framework/CControlBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPTabbedToolbar.h"

namespace
{
// A torn-off menu's frame is held 5 pixels below the middle of its top edge.
const int kTearOffCursorDrop = 5;
}  // namespace

// ---- moving

void CZAVPMiniFrameWnd::EnterDragMode(HWND hWndDrag)
{
    if (m_drag.IsActive()) return;
    if (m_hWndToDestroyOnDrag == nullptr) m_hWndToDestroyOnDrag = hWndDrag;
    SetDragMode(TRUE);
    const BOOL bImmediate = GetDockMode() == ZAVP_DOCK_IMMEDIATE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    DockLayout::DragSettings settings = {};
    settings.bImmediate = bImmediate;
    settings.bMayMove = TRUE;
    // The frame itself follows from the first pixel; an outline waits for the system's drag size.
    if (!bImmediate)
        settings.rectHold = DockLayout::DragHoldBox(
            ptCursor, CSize(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)));
    settings.rectFirst = rectWindow;
    m_drag.Begin(this, this, GetOwnerDockManager(), settings);
    if (bImmediate)
        ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEALL));
    else
        m_dragFrameImpl.BeginDrag();
}

void CZAVPMiniFrameWnd::SetDragMode(BOOL bOn)
{
    if (CZAVPControlBar* pBar = HostedControlBar()) pBar->SetDragMode(bOn);
    if (bOn) return;
    const HWND hDrag = m_hWndToDestroyOnDrag;
    m_hWndToDestroyOnDrag = nullptr;
    if (hDrag != nullptr && hDrag != m_hWnd && ::IsWindow(hDrag)) ::DestroyWindow(hDrag);
}

void CZAVPMiniFrameWnd::ReleaseMove() { m_drag.Stop(); }

void CZAVPMiniFrameWnd::StoreRecentPosition()
{
    GetWindowRect(m_rectRecentFloatingRect);
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr) return;
    pBar->RecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
}

void CZAVPMiniFrameWnd::MoveFrameBy(int dx, int dy)
{
    CRect rect;
    GetWindowRect(rect);
    rect.OffsetRect(dx, dy);
    SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZAVPMiniFrameWnd::MoveDragFrame()
{
    if (m_drag.IsActive() && GetDockMode() != ZAVP_DOCK_IMMEDIATE)
        FollowDrag(DockLayout::DragEvent::Move);
}

BOOL CZAVPMiniFrameWnd::NotifyFrameOfMove()
{
    CZAVPDockManager* pManager = GetOwnerDockManager();
    return pManager == nullptr || pManager->OnMoveMiniFrame(this);
}

void CZAVPMiniFrameWnd::FollowDrag(DockLayout::DragEvent event)
{
    const DockLayout::DragStep step = m_drag.Feed(event);
    if (GetDockMode() != ZAVP_DOCK_IMMEDIATE) {
        m_dragFrameImpl.ShowStep(step, m_drag.GetShownTarget());
        return;
    }
    if (event == DockLayout::DragEvent::Move) ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEALL));
    // The dock manager docks the bar where the step drops it; the frame then no longer follows.
    const HWND hWnd = m_hWnd;
    m_dockingTargetKind = step.drop.kind;
    m_pDockingTarget = CZAVPDragDriver::TargetOf(step.drop);
    const BOOL bGoesOn = NotifyFrameOfMove();
    if (!::IsWindow(hWnd)) return;
    m_dockingTargetKind = DockLayout::DropKind::None;
    m_pDockingTarget = nullptr;
    if (!bGoesOn || step.drop.kind != DockLayout::DropKind::None || !m_drag.IsActive()) return;
    if (step.ptStep.x != 0 || step.ptStep.y != 0) MoveFrameBy(step.ptStep.x, step.ptStep.y);
}

void CZAVPMiniFrameWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CZAVPTitleButton* pButton = CaptionButtonFromPoint(ptScreen);
    if (pButton != nullptr && pButton->m_bEnabled) {
        m_nHit = m_nHot = pButton->GetHitTest();
        pButton->m_bPushed = pButton->m_bFocused = TRUE;
        if (::GetCapture() != m_hWnd) SetCapture();
        RedrawCaptionButton(pButton);
        return;
    }
    EnterDragMode(nullptr);
    StoreRecentPosition();
    if (!HostsToolBar()) SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    CWnd::OnLButtonDown(nFlags, point);
}

void CZAVPMiniFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bBlockMove) {
        m_bBlockMove = FALSE;
        return;
    }
    if (!m_drag.IsActive()) {
        // Buttons capture the mouse while they are hot; the caption counts as client area.
        CPoint ptScreen;
        ::GetCursorPos(&ptScreen);
        OnTrackCaptionButtons(ptScreen);
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    FollowDrag(DockLayout::DragEvent::Move);
}

void CZAVPMiniFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (!m_drag.IsActive() && !m_bBlockMove) OnTrackCaptionButtons(point);
    CWnd::OnNcMouseMove(nHitTest, point);
}

void CZAVPMiniFrameWnd::OnMoving(UINT fwSide, LPRECT pRect)
{
    CWnd::OnMoving(fwSide, pRect);
    NotifyFrameOfMove();
}

void CZAVPMiniFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_drag.IsActive()) {
        // The release ends the move; the drop is what the drag showed at the release point.
        m_drag.Feed(DockLayout::DragEvent::Release);
        KillDockTimer();
        SetDragMode(FALSE);
        BOOL bTabbed = FALSE;
        DockControlBarOnDrop(&bTabbed);
        return;
    }
    if (m_nHit != 0) {
        const UINT nPressed = m_nHit;
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        CZAVPTitleButton* pUnder = CaptionButtonFromPoint(ptScreen);
        StopCaptionButtonsTracking();
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        // A click counts only when released over the button it began on.
        if (pUnder == nullptr || pUnder->GetHitTest() != nPressed) return;
        if (nPressed == DockLayout::kHitPin) {
            m_bPinned = !m_bPinned;
            RedrawCaptionButton(pUnder);
        } else if (nPressed == DockLayout::kHitMiniFrameClose) {
            if (CanClose()) CloseMiniFrame();
        } else if (!ZAVPSharedBarData::g_bCustomizeMode) {
            OnPressCaptionButton(nPressed);
        }
        return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

CZAVPBaseControlBar* CZAVPMiniFrameWnd::DockControlBarOnDrop(BOOL* pbTabbed)
{
    BOOL bTabbed = FALSE;
    if (pbTabbed == nullptr) pbTabbed = &bTabbed;
    *pbTabbed = FALSE;
    CZAVPControlBar* pBar = HostedControlBar();
    if (GetDockMode() == ZAVP_DOCK_IMMEDIATE) {
        CZAVPBaseControlBar* pTarget = m_pDockingTarget;
        const DockLayout::DropKind kind = m_dockingTargetKind;
        m_dockingTargetKind = DockLayout::DropKind::None;
        m_pDockingTarget = nullptr;
        // Joining a tabbed bar is the docking panes' (AttachToTabbedBar); a plain bar docks by
        // the mouse on the target.
        if (kind == DockLayout::DropKind::Beside && pBar != nullptr && pTarget != nullptr &&
            pBar->DockByMouse(pTarget))
            return pBar;
        return nullptr;
    }

    m_dragFrameImpl.EndDrag(TRUE);
    const CRect rectOutline = m_dragFrameImpl.GetDragRect();
    const HWND hWnd = m_hWnd;
    CZAVPBaseControlBar* pDocked = rectOutline.IsRectEmpty() ? nullptr : DockBarAtCursor(pbTabbed);
    if (CZAVPDockManager* pManager = GetOwnerDockManager()) pManager->RecalcLayout();
    if (rectOutline.IsRectEmpty() || *pbTabbed || !::IsWindow(hWnd)) return pDocked;
    if (pDocked != nullptr && pDocked->GetParentMiniFrame(TRUE) != this) return pDocked;
    SetWindowPos(nullptr, rectOutline.left, rectOutline.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!IsWindowVisible() && HasControlBar()) ShowWindow(SW_SHOW);
    return pDocked;
}

BOOL CZAVPMiniFrameWnd::IsDockingPossible()
{
    // The drag found the site (Ctrl held shows none).
    return m_drag.GetShownKind() != DockLayout::DropKind::None;
}

CZAVPBaseControlBar* CZAVPMiniFrameWnd::DockBarAtCursor(BOOL* pbTabbed)
{
    if (pbTabbed != nullptr) *pbTabbed = FALSE;
    if (!IsDockingPossible()) return nullptr;
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr || GetOwnerDockManager() == nullptr) return nullptr;
    if (!pBar->IsWindowVisible() && pBar->GetDockMode() == ZAVP_DOCK_STANDARD)
        pBar->ShowWindow(SW_SHOWNOACTIVATE);
    const DockLayout::DropKind kind = m_drag.GetShownKind();
    CZAVPBaseControlBar* pTarget = m_drag.GetShownTarget();
    ReleaseMove();
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) {
        // A docking pane docks where the drag showed it would.
        CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pBar);
        if (!pPane->DockAtSite(kind, pTarget)) return nullptr;
        if (pbTabbed != nullptr) *pbTabbed = kind == DockLayout::DropKind::AsTab;
        return pPane;
    }
    return pTarget != nullptr && pBar->DockByMouse(pTarget) ? pBar : nullptr;
}

BOOL CZAVPMiniFrameWnd::DockAtTarget(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget)
{
    if (kind == DockLayout::DropKind::None || pTarget == nullptr) return TRUE;
    if (kind == DockLayout::DropKind::AsTab && !pTarget->CanBeAttached()) return TRUE;
    if (!pTarget->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) && pTarget->IsFloating()) return TRUE;
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr) return TRUE;
    // An immediate move that docks here hands the drag on to the docked bar.
    const BOOL bWasMoving = m_dockingTargetKind != DockLayout::DropKind::None;
    ReleaseMove();
    KillDockTimer();
    m_dockingTargetKind = kind;
    m_pDockingTarget = pTarget;
    BOOL bTabbed = FALSE;
    const int nMode = GetDockMode();
    CZAVPBaseControlBar* pDocked = nullptr;
    if (nMode == ZAVP_DOCK_IMMEDIATE) {
        pDocked = DockControlBarOnDrop(&bTabbed);
    } else {
        // An outline move docks the same way once the move check found the target.
        m_dockingTargetKind = DockLayout::DropKind::None;
        m_pDockingTarget = nullptr;
        pDocked = pBar->DockByMouse(pTarget) ? pBar : nullptr;
    }
    if (pDocked == nullptr) return TRUE;
    pDocked->AdjustDockingLayout();
    // The bar goes on following the mouse as a docked bar.
    if (bWasMoving && pDocked->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) && !pDocked->IsFloating())
        static_cast<CZAVPControlBar*>(pDocked)->EnterDragMode(FALSE);
    return FALSE;
}

void CZAVPMiniFrameWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_ESCAPE || !m_drag.IsActive()) {
        CWnd::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (GetDockMode() != ZAVP_DOCK_IMMEDIATE) {
        OnCancelMode();
        return;
    }
    // An immediate move that is cancelled puts the bar back where it was docked.
    m_drag.Feed(DockLayout::DragEvent::Escape);
    KillDockTimer();
    SetDragMode(FALSE);
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar != nullptr && (pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY)) {
        pBar->RecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
        pBar->DockToRecentPos();
    }
}

void CZAVPMiniFrameWnd::OnCancelMode()
{
    StopCaptionButtonsTracking();
    if (m_drag.IsActive() && GetDockMode() != ZAVP_DOCK_IMMEDIATE) {
        m_drag.Feed(DockLayout::DragEvent::Cancel);
        m_dragFrameImpl.EndDrag(FALSE);
        // A frame hidden while its bar is still its child sends the bar back.
        CZAVPControlBar* pBar = HostedControlBar();
        if (!IsWindowVisible() && pBar != nullptr && ::GetParent(pBar->GetSafeHwnd()) == m_hWnd &&
            !pBar->DockToRecentPos())
            pBar->ShowWindow(SW_SHOWNOACTIVATE);
    }
    ReleaseMove();
    KillDockTimer();
    if (m_hWnd != nullptr) SetDragMode(FALSE);
}

void CZAVPMiniFrameWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CZAVPControlBar* pBar = HostedControlBar();
    if (CaptionButtonFromPoint(ptScreen) == nullptr && pBar != nullptr &&
        (pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY))
    {
        StoreRecentPosition();
        pBar->DockToRecentPos();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CZAVPMiniFrameWnd::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    if (ZAVPSharedBarData::g_bCustomizeMode || m_drag.IsActive() || !rectCaption.PtInRect(point)) {
        CWnd::OnContextMenu(pWnd, point);
        return;
    }
    static const UINT s_nPopupMenu = ZAVPRegisteredMessages::Register("ZAVTOOLBAR_POPUPMENU");
    if (m_hParentWnd != nullptr && ::IsWindow(m_hParentWnd))
        ::SendMessageA(m_hParentWnd, s_nPopupMenu, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
}

int CZAVPMiniFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (HostsToolBar() && nHitTest != HTCLIENT) {
        // A floating toolbar comes to the top without taking the activation from the frame.
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return MA_NOACTIVATE;
    }
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// ---- a torn-off menu's first drag

BOOL CZAVPMiniFrameWnd::TearOffDrag(CWnd* pPopupMenu, BOOL bNewBar)
{
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr) return FALSE;
    if (pPopupMenu != nullptr && pPopupMenu->GetSafeHwnd() != nullptr) {
        pPopupMenu->ShowWindow(SW_HIDE);
        if (CWnd* pOwner = pPopupMenu->GetParent()) pOwner->UpdateWindow();
    }
    // Whatever the hidden popup uncovered is painted before the frame starts moving.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
    if (::GetCapture() != nullptr) return FALSE;

    pBar->SetCapture();
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ::SetCursorPos(rectWindow.left + rectWindow.Width() / 2, rectWindow.top + kTearOffCursorDrop);
    CPoint ptLast;
    ::GetCursorPos(&ptLast);
    BOOL bSuccess = FALSE;
    while (::GetCapture() == pBar->GetSafeHwnd()) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            bSuccess = TRUE;
            break;
        }
        if (msg.message == WM_KEYDOWN) {
            if (msg.wParam == VK_ESCAPE) break;
            continue;
        }
        if (msg.message == WM_RBUTTONDOWN) break;
        if (msg.message == WM_MOUSEMOVE) {
            CPoint pt;
            ::GetCursorPos(&pt);
            GetWindowRect(rectWindow);
            SetWindowPos(nullptr, rectWindow.left + pt.x - ptLast.x,
                         rectWindow.top + pt.y - ptLast.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ptLast = pt;
            continue;
        }
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == pBar->GetSafeHwnd()) ::ReleaseCapture();

    if (bSuccess) {
        if (pPopupMenu != nullptr && ::IsWindow(pPopupMenu->GetSafeHwnd()))
            pPopupMenu->SendMessage(WM_CLOSE);
        if (CWnd* pOwner = CWnd::FromHandlePermanent(m_hParentWnd))
            if (CFrameWnd* pTop = pOwner->GetTopLevelFrame()) pTop->SetActiveWindow();
        return TRUE;
    }
    if (pPopupMenu != nullptr && ::IsWindow(pPopupMenu->GetSafeHwnd()))
        pPopupMenu->SetWindowPos(nullptr, 0, 0, 0, 0,
                                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                     SWP_NOACTIVATE);
    if (!bNewBar) return FALSE;
    CWnd* pOwner = CWnd::FromHandlePermanent(m_hParentWnd);
    CZAVPFrameImpl* pImpl = nullptr;
    if (ZAVPIsKindOf(pOwner, RUNTIME_CLASS(CZAVPFrameWnd)))
        pImpl = &static_cast<CZAVPFrameWnd*>(pOwner)->m_Impl;
    else if (ZAVPIsKindOf(pOwner, RUNTIME_CLASS(CZAVPMDIFrameWnd)))
        pImpl = &static_cast<CZAVPMDIFrameWnd*>(pOwner)->m_Impl;
    if (pImpl != nullptr) {
        // The frame's list of torn-off bars directly: the frame's code stays out of programs
        // that only float bars.
        CObList& tornOff = pImpl->m_listTearOffToolbars;
        if (POSITION pos = tornOff.Find(pBar)) tornOff.RemoveAt(pos);
    }
    // The torn-off bar belongs to nobody else: its window and object go, and the emptied frame
    // with them once the check arrives.
    pBar->DestroyWindow();
    delete pBar;
    return FALSE;
}

// ---- resizing

void CZAVPMiniFrameWnd::CalcMinSize(CSize sizeBarMin, MINMAXINFO* lpMMI)
{
    CRect rectBorders;
    GetBorderSize(rectBorders);
    const SIZE size = DockLayout::MiniFrameMinTrackSize(sizeBarMin, CalcCaptionButtonsWidth(),
                                                        GetCaptionHeight(), rectBorders);
    lpMMI->ptMinTrackSize.x = std::max<LONG>(size.cx, m_nMinWidth);
    lpMMI->ptMinTrackSize.y = std::max<LONG>(size.cy, m_nMinHeight);
}

void CZAVPMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CWnd::OnGetMinMaxInfo(lpMMI);
    if (m_bRolledUp) return;
    CZAVPControlBar* pBar = HostedControlBar();
    CalcMinSize(pBar != nullptr ? pBar->GetMinSize() : CSize(0, 0), lpMMI);
}

void CZAVPMiniFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (m_bRolledUp) {
        *pRect = rectWindow;
        return;
    }
    CWnd* pWndBar = GetControlBar();
    if (ZAVPIsKindOf(pWndBar, RUNTIME_CLASS(CZAVPTabbedToolbar))) {
        *pRect = rectWindow;
        return;
    }
    CWnd::OnSizing(fwSide, pRect);
    if (!ZAVPIsKindOf(pWndBar, RUNTIME_CLASS(CZAVPToolBar))) return;
    CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(pWndBar);
    CRect rectBorders;
    GetBorderSize(rectBorders);
    const int cxFrame = rectBorders.left + rectBorders.right;
    const int cyFrame = rectBorders.top + rectBorders.bottom + GetCaptionHeight();
    CRect rect(pRect);
    const BOOL bAlongX = fwSide == WMSZ_LEFT || fwSide == WMSZ_RIGHT;
    if (bAlongX ? rect.Width() == rectWindow.Width() : rect.Height() == rectWindow.Height()) return;
    // The toolbar's layout for the new client length decides where the moving edge stops.
    const CSize sizeLayout = bAlongX
                                 ? pToolBar->CalcLayout(LM_HORZ | LM_COMMIT, rect.Width() - cxFrame)
                                 : pToolBar->CalcLayout(LM_HORZ | LM_LENGTHY | LM_COMMIT,
                                                        rect.Height() - cyFrame);
    const SIZE sizeFit = {sizeLayout.cx + cxFrame, sizeLayout.cy + cyFrame};
    if (!bAlongX && sizeFit.cx == rectWindow.Width()) {
        *pRect = rectWindow;
        return;
    }
    if (!DockLayout::SnapSizingRect(rect, fwSide, sizeFit)) return;
    *pRect = rect;
    BOOL bFullDrag = TRUE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
    if (!bFullDrag)
        SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZAVPMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bRolledUp) return;
    RecalcLayout();
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectKept = rectWindow;
    CZAVPDockingUtils::KeepRectOnScreen(rectKept, nullptr);
    if (rectKept.TopLeft() != rectWindow.TopLeft())
        SetWindowPos(nullptr, rectKept.left, rectKept.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CZAVPMiniFrameWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    lpwndpos->flags |= SWP_NOACTIVATE;
    if (!(lpwndpos->flags & SWP_NOMOVE)) {
        CRect rectWindow;
        GetWindowRect(rectWindow);
        CRect rect(CPoint(lpwndpos->x, lpwndpos->y), (lpwndpos->flags & SWP_NOSIZE)
                                                         ? rectWindow.Size()
                                                         : CSize(lpwndpos->cx, lpwndpos->cy));
        // At least a caption's height of the frame stays reachable on every side.
        const int nMargin = GetCaptionHeight();
        const CRect margins(nMargin, nMargin, nMargin, nMargin);
        CZAVPDockingUtils::KeepRectOnScreen(rect, &margins);
        lpwndpos->x = rect.left;
        lpwndpos->y = rect.top;
    }
    CWnd::OnWindowPosChanging(lpwndpos);
}

// ---- rolling up and the dock timer

BOOL CZAVPMiniFrameWnd::NeedsRollDown() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rect;
    GetWindowRect(rect);
    if (!rect.PtInRect(pt)) return FALSE;
    const HWND hUnder = ::WindowFromPoint(pt);
    return hUnder == m_hWnd || ::IsChild(m_hWnd, hUnder);
}

BOOL CZAVPMiniFrameWnd::NeedsRollUp() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rect;
    GetWindowRect(rect);
    return !rect.PtInRect(pt) && !m_bPinned;
}

void CZAVPMiniFrameWnd::OnCheckRollState()
{
    CZAVPDockManager* pManager = GetOwnerDockManager();
    if (pManager != nullptr && pManager->m_bLockUpdate) return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (m_bRolledUp) {
        if (!NeedsRollDown()) return;
        m_bRolledUp = FALSE;
        SetWindowPos(nullptr, 0, 0, rectWindow.Width(), m_nHeightBeforeRollUp,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!NeedsRollUp() || m_drag.IsActive()) return;
    CRect rectClient;
    GetClientRect(rectClient);
    m_nHeightBeforeRollUp = rectWindow.Height();
    m_bRolledUp = TRUE;
    SetWindowPos(nullptr, 0, 0, rectWindow.Width(),
                 DockLayout::RolledUpHeight(rectWindow.Height(), rectClient.Height()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZAVPMiniFrameWnd::SetRollUpTimer()
{
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr || !(pBar->GetControlBarStyle() & ZAVP_CBRS_AUTO_ROLLUP)) return;
    if (m_nRollTimerID == 0) StartRollUpTimer();
    if (!(m_dwCaptionButtons & DockLayout::kFramePin))
        SetCaptionButtons(m_dwCaptionButtons | DockLayout::kFramePin);
}

void CZAVPMiniFrameWnd::KillRollUpTimer()
{
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar != nullptr && (pBar->GetControlBarStyle() & ZAVP_CBRS_AUTO_ROLLUP)) return;
    StopRollUpTimer();
    if (m_dwCaptionButtons & DockLayout::kFramePin)
        SetCaptionButtons(m_dwCaptionButtons & ~DockLayout::kFramePin);
}

void CZAVPMiniFrameWnd::StartRollUpTimer()
{
    if (m_hWnd == nullptr) return;
    m_nRollTimerID = SetTimer(kRollUpTimerId, kRollUpInterval);
}

void CZAVPMiniFrameWnd::StopRollUpTimer()
{
    if (m_nRollTimerID != 0 && m_hWnd != nullptr) KillTimer(m_nRollTimerID);
    m_nRollTimerID = 0;
}

void CZAVPMiniFrameWnd::SetDockTimer(UINT nInterval)
{
    KillDockTimer();
    if (m_hWnd != nullptr) m_nDockTimerID = SetTimer(kDockTimerId, nInterval);
}

void CZAVPMiniFrameWnd::KillDockTimer()
{
    if (m_nDockTimerID != 0 && m_hWnd != nullptr) KillTimer(m_nDockTimerID);
    m_nDockTimerID = 0;
}

void CZAVPMiniFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kRollUpTimerId) {
        OnCheckRollState();
        return;
    }
    if (nIDEvent == kDockTimerId) {
        // The move runs again without a mouse move: Ctrl may have gone up or down.
        if (m_drag.IsActive())
            FollowDrag(DockLayout::DragEvent::CtrlChange);
        else
            KillDockTimer();
        return;
    }
    CWnd::OnTimer(nIDEvent);
}
