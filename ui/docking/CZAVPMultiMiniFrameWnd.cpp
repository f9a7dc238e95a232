// The floating frame of several docking panes (see CZAVPMultiMiniFrameWnd.h).
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_SERIAL(CZAVPMultiMiniFrameWnd, CZAVPMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPMultiMiniFrameWnd, CZAVPMiniFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SIZING()
ON_WM_GETMINMAXINFO()
ON_WM_LBUTTONDBLCLK()
ON_REGISTERED_MESSAGE(ZAVPRegisteredMessages::CheckEmptyMiniFrame,
                      &CZAVPMultiMiniFrameWnd::OnCheckEmptyMulti)
END_MESSAGE_MAP()

namespace
{
CZAVPDockingControlBar* AsDockingPane(CObject* p)
{
    return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))
               ? static_cast<CZAVPDockingControlBar*>(p)
               : nullptr;
}

}  // namespace

CZAVPMultiMiniFrameWnd::CZAVPMultiMiniFrameWnd() {}

CZAVPMultiMiniFrameWnd::~CZAVPMultiMiniFrameWnd() {}

int CZAVPMultiMiniFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPMiniFrameWnd::OnCreate(lpcs) == -1) return -1;
    m_barContainerManager.Create(this, nullptr, nullptr);
    return 0;
}

std::vector<CZAVPDockingControlBar*> CZAVPMultiMiniFrameWnd::Panes(BOOL bVisibleOnly) const
{
    std::vector<CZAVPDockingControlBar*> panes;
    const CObList& bars = m_barContainerManager.GetControlBars();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pPane = AsDockingPane(bars.GetNext(pos));
        if (pPane == nullptr || pPane->GetSafeHwnd() == nullptr) continue;
        if (bVisibleOnly && !(pPane->GetStyle() & WS_VISIBLE)) continue;
        panes.push_back(pPane);
    }
    return panes;
}

// ---- the panes

int CZAVPMultiMiniFrameWnd::HasControlBar() const
{
    return (int)m_barContainerManager.GetControlBars().GetCount();
}

int CZAVPMultiMiniFrameWnd::IsHostedBarVisible() const
{
    return m_barContainerManager.GetVisibleBarCount();
}

CWnd* CZAVPMultiMiniFrameWnd::GetControlBar() const
{
    if (CWnd* pBar = CZAVPMiniFrameWnd::GetControlBar()) return pBar;
    return GetFirstVisibleBar();
}

CWnd* CZAVPMultiMiniFrameWnd::GetFirstVisibleBar() const
{
    return m_barContainerManager.GetFirstVisibleBar();
}

BOOL CZAVPMultiMiniFrameWnd::CanBeDockedInto(CZAVPBaseControlBar* pTarget)
{
    if (pTarget == nullptr) return FALSE;
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        if (pTarget->CanAcceptBar(pPane) && pPane->CanAcceptBar(pTarget)) return TRUE;
    return FALSE;
}

BOOL CZAVPMultiMiniFrameWnd::CanBeAttached() const { return m_barContainerManager.CanBeAttached(); }

void CZAVPMultiMiniFrameWnd::UpdateHostedBar()
{
    if (m_hEmbeddedBar != nullptr && ::IsWindow(m_hEmbeddedBar) &&
        m_barContainerManager.GetControlBars().Find(CWnd::FromHandlePermanent(m_hEmbeddedBar)))
        return;
    CZAVPDockingControlBar* pFirst = m_barContainerManager.GetFirstBar();
    m_hEmbeddedBar = pFirst != nullptr ? pFirst->GetSafeHwnd() : nullptr;
}

void CZAVPMultiMiniFrameWnd::AddControlBar(CZAVPBaseControlBar* pBar)
{
    CZAVPDockingControlBar* pPane = AsDockingPane(pBar);
    if (pPane != nullptr && m_barContainerManager.IsEmpty()) {
        m_barContainerManager.AddFirstBar(pPane);
        // The first pane keeps its size: the frame grows around it.
        CRect rectBar, rectBorders;
        pPane->GetWindowRect(rectBar);
        GetBorderSize(rectBorders);
        SetWindowPos(nullptr, 0, 0, rectBar.Width() + rectBorders.left + rectBorders.right,
                     rectBar.Height() + rectBorders.top + rectBorders.bottom + GetCaptionHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CZAVPMiniFrameWnd::AddControlBar(pBar);
    }
    OnBarsChanged();
    RecalcLayout();
    SetRollUpTimer();
}

void CZAVPMultiMiniFrameWnd::RemoveControlBar(CZAVPBaseControlBar* pBar, BOOL bDestroyIfEmpty,
                                              BOOL bHideIfEmpty)
{
    if (CZAVPDockingControlBar* pPane = AsDockingPane(pBar))
        m_barContainerManager.RemoveControlBar(pPane);
    if (m_barContainerManager.IsEmpty()) {
        CZAVPMiniFrameWnd::RemoveControlBar(pBar, bDestroyIfEmpty, bHideIfEmpty);
        return;
    }
    m_bHideWhenEmpty = bHideIfEmpty;
    AddRemoveBarToGlobalList(pBar, FALSE);
    if (pBar != nullptr) pBar->OnRemoveFromMiniFrame(this);
    if (pBar != nullptr && pBar->GetSafeHwnd() == m_hEmbeddedBar) m_hEmbeddedBar = nullptr;
    UpdateHostedBar();
    OnBarsChanged();
    RecalcLayout();
    SendMessage(WM_NCPAINT);
    KillRollUpTimer();
}

void CZAVPMultiMiniFrameWnd::ReplaceControlBar(CZAVPBaseControlBar* pBarOrg,
                                               CZAVPBaseControlBar* pBarReplaceWith)
{
    CZAVPDockingControlBar* pOld = AsDockingPane(pBarOrg);
    CZAVPDockingControlBar* pNew = AsDockingPane(pBarReplaceWith);
    if (pOld == nullptr || pNew == nullptr) return;
    m_barContainerManager.ReplaceControlBar(pOld, pNew);
    CZAVPMiniFrameWnd::ReplaceControlBar(pBarOrg, pBarReplaceWith);
    UpdateHostedBar();
}

void CZAVPMultiMiniFrameWnd::ValidateHostedBar()
{
    m_barContainerManager.RemoveNonValidBars();
    CZAVPMiniFrameWnd::ValidateHostedBar();
    UpdateHostedBar();
}

void CZAVPMultiMiniFrameWnd::OnBarsChanged()
{
    // One visible pane: the frame's caption is its caption. Several: each pane shows its own.
    const std::vector<CZAVPDockingControlBar*> visible = Panes(TRUE);
    if (visible.size() == 1)
        visible.front()->EnableGripper(FALSE);
    else
        m_barContainerManager.EnableGrippers(TRUE);
    if (m_hWnd != nullptr) SendMessage(WM_NCPAINT);
}

CString CZAVPMultiMiniFrameWnd::GetCaptionText() const
{
    CString strText;
    const std::vector<CZAVPDockingControlBar*> visible = Panes(TRUE);
    if (visible.size() == 1) visible.front()->GetWindowText(strText);
    return strText;
}

void CZAVPMultiMiniFrameWnd::OnShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow)
{
    if (CZAVPDockingControlBar* pPane = AsDockingPane(pBar))
        m_barContainerManager.ShowBar(pPane, bShow);
    // The last pane hidden hides the frame; one shown brings it back without activating it.
    if (m_barContainerManager.GetVisibleBarCount() == 0)
        ShowWindow(SW_HIDE);
    else if (!IsWindowVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
    OnBarsChanged();
    RecalcLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CZAVPMultiMiniFrameWnd::CloseMiniFrame()
{
    if (!CanClose()) return;
    ShowWindow(SW_HIDE);
    m_barContainerManager.HideAll();
}

void CZAVPMultiMiniFrameWnd::StoreRecentPosition()
{
    GetWindowRect(m_rectRecentFloatingRect);
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        pPane->RecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
}

void CZAVPMultiMiniFrameWnd::SetRollUpTimer()
{
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        if (pPane->GetControlBarStyle() & ZAVP_CBRS_AUTO_ROLLUP) {
            if (!IsRollUpTimerRunning()) StartRollUpTimer();
            if (!(m_dwCaptionButtons & DockLayout::kFramePin))
                SetCaptionButtons(m_dwCaptionButtons | DockLayout::kFramePin);
            return;
        }
}

void CZAVPMultiMiniFrameWnd::KillRollUpTimer()
{
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        if (pPane->GetControlBarStyle() & ZAVP_CBRS_AUTO_ROLLUP) return;
    StopRollUpTimer();
    if (m_dwCaptionButtons & DockLayout::kFramePin)
        SetCaptionButtons(m_dwCaptionButtons & ~DockLayout::kFramePin);
}

// ---- layout

void CZAVPMultiMiniFrameWnd::AdjustLayout() { RecalcLayout(); }

void CZAVPMultiMiniFrameWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_bRolledUp || m_barContainerManager.IsEmpty()) return;
    CRect rectClient;
    GetClientRect(rectClient);
    HDWP hdwp = ::BeginDeferWindowPos(kLayoutBatch);
    m_barContainerManager.ResizeContainers(rectClient, hdwp);
    if (hdwp != nullptr) ::EndDeferWindowPos(hdwp);
}

void CZAVPMultiMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bRolledUp) return;
    RecalcLayout();
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CZAVPMultiMiniFrameWnd::OnSizing(UINT fwSide, LPRECT pRect)
{
    // Panes follow any size: no toolbar snapping here.
    CWnd::OnSizing(fwSide, pRect);
}

void CZAVPMultiMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CWnd::OnGetMinMaxInfo(lpMMI);
    if (m_bRolledUp) return;
    CSize sizeMin(0, 0);
    m_barContainerManager.GetMinSize(sizeMin);
    CalcMinSize(sizeMin, lpMMI);
}

BOOL CZAVPMultiMiniFrameWnd::CalcExpectedDockedRect(CWnd* pWndToDock, CPoint ptMouse,
                                                    CRect& rectResult, BOOL& bDrawTab,
                                                    CZAVPBaseControlBar** ppTargetBar)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != nullptr) *ppTargetBar = nullptr;
    if (m_bRolledUp) return FALSE;
    CZAVPDockingControlBar* pTarget = nullptr;
    CZAVPDockingUtils::CalcExpectedDockRect(m_barContainerManager, pWndToDock, ptMouse, rectResult,
                                            bDrawTab, pTarget);
    if (ppTargetBar != nullptr) *ppTargetBar = pTarget;
    return !rectResult.IsRectEmpty();
}

CZAVPBaseControlBar* CZAVPMultiMiniFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                                 BOOL bCheckVisibility)
{
    if (bCheckVisibility && !IsWindowVisible()) return nullptr;
    BOOL bTabArea = FALSE, bCaption = FALSE;
    return m_barContainerManager.ControlBarFromPoint(point, nSensitivity, TRUE, bTabArea, bCaption);
}

// ---- docking the content

void CZAVPMultiMiniFrameWnd::DockVisibleBarsBack()
{
    const std::vector<CZAVPDockingControlBar*> visible = Panes(TRUE);
    for (CZAVPDockingControlBar* pPane : visible) pPane->StoreRecentDockInfo();
    for (CZAVPDockingControlBar* pPane : visible) DockBarBack(pPane);
    SendMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
}

void CZAVPMultiMiniFrameWnd::DockBarBack(CZAVPDockingControlBar* pBar)
{
    if (pBar == nullptr) return;
    AddRemoveBarToGlobalList(pBar, FALSE);
    pBar->DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr);
}

BOOL CZAVPMultiMiniFrameWnd::RegisterBar(CZAVPDockingControlBar* pBar)
{
    AddRemoveBarToGlobalList(pBar, TRUE);
    return TRUE;
}

void CZAVPMultiMiniFrameWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (CaptionButtonFromPoint(ptScreen) != nullptr) {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    DockVisibleBarsBack();
}

LRESULT CZAVPMultiMiniFrameWnd::OnCheckEmptyMulti(WPARAM, LPARAM)
{
    m_barContainerManager.ReleaseEmptyContainers();
    if (m_barContainerManager.IsEmpty()) {
        OnCancelMode();
        m_hEmbeddedBar = nullptr;
        DestroyWindow();
        return 0;
    }
    if (m_barContainerManager.GetVisibleBarCount() == 0) {
        ShowWindow(SW_HIDE);
        OnCancelMode();
    }
    return 0;
}

BOOL CZAVPMultiMiniFrameWnd::DockContentToFrameSide(DWORD dwAlignment)
{
    // The whole tree goes over as it is: a new default slider for the side takes it with its
    // splits, sliders and shares, so the panes keep their arrangement.
    CZAVPDockManager* pManager = GetOwnerDockManager();
    CWnd* pFrame = CWnd::FromHandlePermanent(m_hParentWnd);
    CZAVPDockingControlBar* pFirst = m_barContainerManager.GetFirstBar();
    dwAlignment &= CBRS_ALIGN_ANY;
    if (pManager == nullptr || pFrame == nullptr || pFirst == nullptr || dwAlignment == 0)
        return FALSE;
    CZAVPSlider* pSlider = pFirst->CreateSlider(dwAlignment, pFrame);
    if (pSlider == nullptr) return FALSE;
    const std::vector<CZAVPDockingControlBar*> panes = Panes(FALSE);
    for (CZAVPDockingControlBar* pPane : panes) AddRemoveBarToGlobalList(pPane, FALSE);
    if (!pSlider->AddContainerManager(m_barContainerManager)) {
        for (CZAVPDockingControlBar* pPane : panes) AddRemoveBarToGlobalList(pPane, TRUE);
        pSlider->DestroyWindow();
        return FALSE;
    }
    m_hEmbeddedBar = nullptr;
    pManager->AddControlBar(pSlider, TRUE, FALSE, FALSE);
    for (CZAVPDockingControlBar* pPane : panes) {
        pPane->OnAfterChangeParent(this);
        pPane->EnableGripper(TRUE);
    }
    pSlider->ShowIfAnyBarVisible();
    pManager->AdjustDockSiteLayout();
    return TRUE;
}

BOOL CZAVPMultiMiniFrameWnd::DockContentAsTabs(CZAVPDockingControlBar* pTarget)
{
    if (pTarget == nullptr || !pTarget->CanBeAttached() ||
        pTarget->GetParentMiniFrame(TRUE) == this)
        return FALSE;
    const std::vector<CZAVPDockingControlBar*> panes = Panes(FALSE);
    CZAVPDockingControlBar* pFirst = panes.empty() ? nullptr : panes.front();
    if (pFirst == nullptr || !pTarget->CanAcceptBar(pFirst)) return FALSE;
    const HWND hWnd = m_hWnd;
    ReleaseMove();
    // The first pane may turn the target into a group; the others join that group.
    CZAVPDockingControlBar* pJoin = pTarget;
    BOOL bAttached = FALSE;
    for (CZAVPDockingControlBar* pPane : panes) {
        AddRemoveBarToGlobalList(pPane, FALSE);
        CZAVPDockingControlBar* pGroup = nullptr;
        if (pPane->AttachToTabbedBar(pJoin, ZAVP_DM_DBL_CLICK, TRUE, pGroup) != nullptr)
            bAttached = TRUE;
        if (pGroup != nullptr) pJoin = pGroup;
    }
    if (!::IsWindow(hWnd)) return bAttached;
    ShowWindow(SW_HIDE);
    if (!m_rectRecentFloatingRect.IsRectEmpty())
        SetWindowPos(nullptr, m_rectRecentFloatingRect.left, m_rectRecentFloatingRect.top,
                     m_rectRecentFloatingRect.Width(), m_rectRecentFloatingRect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    OnCancelMode();
    UpdateHostedBar();
    PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
    return bAttached;
}

BOOL CZAVPMultiMiniFrameWnd::DockAtTarget(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget)
{
    if (kind == DockLayout::DropKind::AsTab)
        return DockContentAsTabs(AsDockingPane(pTarget)) ? FALSE : TRUE;
    if (kind != DockLayout::DropKind::Beside) return TRUE;
    CZAVPDockManager* pManager = GetOwnerDockManager();
    if (pManager == nullptr || m_barContainerManager.IsEmpty()) return TRUE;
    const HWND hWnd = m_hWnd;
    // An immediate move that docks here hands the drag on to the first pane.
    const BOOL bWasMoving = m_dockingTargetKind != DockLayout::DropKind::None;
    CZAVPDockingControlBar* pLead = m_barContainerManager.GetFirstBar();
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    BOOL bDocked = FALSE;
    CZAVPDockingControlBar* pTargetPane = AsDockingPane(pTarget);
    if (pTarget == nullptr) {
        DWORD dwAlignment = 0;
        BOOL bOuterEdge = FALSE;
        if (!pManager->IsPointNearDockBar(ptCursor, dwAlignment, bOuterEdge)) return TRUE;
        ReleaseMove();
        bDocked = DockContentToFrameSide(dwAlignment);
    } else if (pTargetPane != nullptr && pTargetPane->GetParentMiniFrame(TRUE) == nullptr) {
        CZAVPDockingControlBar* pFirst = m_barContainerManager.GetFirstBar();
        if (pFirst == nullptr || !pTargetPane->CanAcceptBar(pFirst) ||
            !pFirst->CanAcceptBar(pTargetPane))
            return TRUE;
        DWORD dwAlignment = 0;
        if (!CZAVPDockingUtils::HitTestDockEdges(ptCursor, pTargetPane, nullptr,
                                                 CZAVPDockManager::m_nDockSensitivity, FALSE,
                                                 dwAlignment, CBRS_ALIGN_ANY))
            return TRUE;
        ReleaseMove();
        for (CZAVPDockingControlBar* pPane : Panes(FALSE)) AddRemoveBarToGlobalList(pPane, FALSE);
        bDocked = pTargetPane->ReconnectSliderPanes(&m_barContainerManager, dwAlignment, nullptr);
        if (bDocked) pManager->RecalcLayout();
    }
    if (!bDocked) return TRUE;
    // The emptied frame goes once it has answered its check; until then it stands where the
    // drag began.
    if (::IsWindow(hWnd)) {
        m_hEmbeddedBar = nullptr;
        if (!m_rectRecentFloatingRect.IsRectEmpty())
            SetWindowPos(nullptr, m_rectRecentFloatingRect.left, m_rectRecentFloatingRect.top,
                         m_rectRecentFloatingRect.Width(), m_rectRecentFloatingRect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
    }
    // A drag of the frame goes on as a drag of its first pane, now docked.
    if (bWasMoving && pLead != nullptr && pLead->GetSafeHwnd() != nullptr &&
        pLead->GetParentMiniFrame(TRUE) == nullptr)
        pLead->EnterDragMode(FALSE);
    return FALSE;
}

int CZAVPMultiMiniFrameWnd::DockFrame(CZAVPMultiMiniFrameWnd* pOther, int)
{
    if (pOther == nullptr || pOther == this || pOther->m_barContainerManager.IsEmpty()) return 1;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CZAVPDockingControlBar* pTarget = nullptr;
    DWORD dwAlignment = CBRS_ALIGN_LEFT;
    BOOL bTabArea = FALSE, bCaption = FALSE;
    CZAVPDockingUtils::FindDockTarget(m_barContainerManager, ptCursor, pTarget, dwAlignment,
                                      bTabArea, bCaption);
    if (pTarget == nullptr) return 1;
    const std::vector<CZAVPDockingControlBar*> moved = pOther->Panes(FALSE);
    if (bTabArea || bCaption) {
        // On a caption or a tab strip the other frame's panes join the target as tabs.
        for (CZAVPDockingControlBar* pPane : moved) AddRemoveBarToGlobalList(pPane, FALSE);
        if (!m_barContainerManager.AttachContainerManagerAsTabs(pTarget,
                                                                pOther->m_barContainerManager)) {
            for (CZAVPDockingControlBar* pPane : moved)
                if (pPane->GetParentMiniFrame(TRUE) == pOther)
                    AddRemoveBarToGlobalList(pPane, TRUE);
            return 1;
        }
        for (CZAVPDockingControlBar* pPane : moved)
            if (pPane->GetParentMiniFrame(TRUE) == this) AddRemoveBarToGlobalList(pPane, TRUE);
        pOther->ReleaseMove();
        pOther->UpdateHostedBar();
        pOther->PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
        OnBarsChanged();
        RecalcLayout();
        SendMessage(WM_NCPAINT);
        SetRollUpTimer();
        return 0;
    }
    if (dwAlignment == 0) dwAlignment = CBRS_ALIGN_LEFT;
    for (CZAVPDockingControlBar* pPane : moved) AddRemoveBarToGlobalList(pPane, FALSE);
    if (!m_barContainerManager.InsertContainerManager(&pOther->m_barContainerManager, pTarget,
                                                      dwAlignment))
    {
        for (CZAVPDockingControlBar* pPane : moved) AddRemoveBarToGlobalList(pPane, TRUE);
        return 1;
    }
    for (CZAVPDockingControlBar* pPane : moved) AddRemoveBarToGlobalList(pPane, TRUE);
    pOther->ReleaseMove();
    pOther->m_hEmbeddedBar = nullptr;
    pOther->PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
    OnBarsChanged();
    RecalcLayout();
    SendMessage(WM_NCPAINT);
    SetRollUpTimer();
    return 0;
}

int CZAVPMultiMiniFrameWnd::AddControlBarAtCursor(CZAVPDockingControlBar* pBar)
{
    if (pBar == nullptr) return 1;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CZAVPDockingControlBar* pTarget = nullptr;
    DWORD dwAlignment = CBRS_ALIGN_LEFT;
    BOOL bTabArea = FALSE, bCaption = FALSE;
    CZAVPDockingUtils::FindDockTarget(m_barContainerManager, ptCursor, pTarget, dwAlignment,
                                      bTabArea, bCaption);
    if (pTarget == nullptr || pTarget == pBar) return 1;
    if (dwAlignment == 0) dwAlignment = CBRS_ALIGN_LEFT;
    CWnd* pOldParent = pBar->GetParent();
    pBar->OnBeforeChangeParent(this, FALSE);
    pBar->SetParent(this);
    pBar->OnAfterChangeParent(pOldParent);
    pBar->ShowWindow(SW_SHOW);
    if (!m_barContainerManager.InsertControlBar(pBar, pTarget, dwAlignment)) return 1;
    AddRemoveBarToGlobalList(pBar, TRUE);
    OnBarsChanged();
    RecalcLayout();
    SendMessage(WM_NCPAINT);
    SetRollUpTimer();
    return 0;
}

CZAVPBaseControlBar* CZAVPMultiMiniFrameWnd::DockBarAtCursor(BOOL* pbTabbed)
{
    if (pbTabbed != nullptr) *pbTabbed = FALSE;
    if (!IsDockingPossible()) return nullptr;
    CZAVPDockManager* pManager = GetOwnerDockManager();
    if (pManager == nullptr) return nullptr;
    // The drag found the target and whether it showed a tab there.
    const BOOL bDrawTab = m_drag.GetShownKind() == DockLayout::DropKind::AsTab;
    CZAVPBaseControlBar* pTarget = m_drag.GetShownTarget();
    // Over another such frame the two trees merge there.
    CZAVPMiniFrameWnd* pTargetFrame = pTarget != nullptr ? pTarget->GetParentMiniFrame(TRUE)
                                                         : nullptr;
    CZAVPDockingControlBar* pFirst = m_barContainerManager.GetFirstBar();
    if (pTargetFrame != nullptr && pTargetFrame != this &&
        pTargetFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
    {
        const int nResult = static_cast<CZAVPMultiMiniFrameWnd*>(pTargetFrame)->DockFrame(this, 5);
        return nResult == 0 ? pFirst : nullptr;
    }
    // Where the drop shows a tab the panes join the target as tabs.
    const BOOL bDocked = !DockAtTarget(
        bDrawTab && pTarget != nullptr ? DockLayout::DropKind::AsTab : DockLayout::DropKind::Beside,
        pTarget);
    if (pbTabbed != nullptr) *pbTabbed = bDocked && bDrawTab;
    return bDocked ? pFirst : nullptr;
}

// ---- a pane's recent place

void CZAVPMultiMiniFrameWnd::StoreRecentContainer(CZAVPBaseControlBar* pBar)
{
    CZAVPDockingControlBar* pPane = AsDockingPane(pBar);
    if (pPane == nullptr) return;
    BOOL bLeft = FALSE;
    CZAVPBarContainer* pNode = m_barContainerManager.FindContainer(pPane, bLeft);
    pPane->RecentDockInfo().m_recentFloatingRecord.SetInfo(pNode, pPane);
}

CZAVPBaseTabbedBar* CZAVPMultiMiniFrameWnd::RecentGroupOf(const CZAVPDockingControlBar* pBar) const
{
    if (pBar == nullptr || m_hWnd == nullptr || pBar->GetRecentGroupFrame() != this) return nullptr;
    CWnd* pGroup = CWnd::FromHandlePermanent(pBar->GetRecentDockInfo().m_hRecentFloatingTabbedBar);
    return static_cast<CZAVPBaseTabbedBar*>(pGroup);
}

BOOL CZAVPMultiMiniFrameWnd::CanDockRecentControlBar(const CZAVPDockingControlBar* pBar) const
{
    if (pBar == nullptr || m_hWnd == nullptr) return FALSE;
    const CZAVPRecentDockInfo& info = pBar->GetRecentDockInfo();
    if (RecentGroupOf(pBar) != nullptr) return TRUE;
    CZAVPBarContainer* pNode = info.m_recentFloatingRecord.GetContainer();
    CZAVPBarContainer* pRoot = m_barContainerManager.GetRootContainer();
    if (info.m_hRecentMiniFrame != m_hWnd || pNode == nullptr || pRoot == nullptr ||
        pRoot->FindSubContainer(pNode, CZAVPBarContainer::kContainer) == nullptr ||
        m_barContainerManager.GetControlBars().Find(const_cast<CZAVPDockingControlBar*>(pBar)))
        return FALSE;
    const BOOL bFirst = info.m_recentFloatingRecord.IsFirst();
    return (bFirst ? pNode->GetLeftBar() : pNode->GetRightBar()) == nullptr &&
           (bFirst ? pNode->GetLeftContainer() : pNode->GetRightContainer()) == nullptr;
}

BOOL CZAVPMultiMiniFrameWnd::DockRecentControlBarToMiniFrame(CZAVPDockingControlBar* pBar,
                                                             CZAVPRecentDockInfo& recentInfo)
{
    if (!CanDockRecentControlBar(pBar)) return FALSE;
    // The record names a tabbed group of this frame: the pane is one of its tabs again.
    if (CZAVPBaseTabbedBar* pGroup = RecentGroupOf(pBar)) {
        CZAVPDockingControlBar* pTabbed = nullptr;
        if (pBar->AttachToTabbedBar(pGroup, ZAVP_DM_RECENT, TRUE, pTabbed) != pBar) return FALSE;
        recentInfo.m_hRecentFloatingTabbedBar = nullptr;
        recentInfo.m_hRecentTabbedBar = nullptr;
        pBar->ShowWindow(SW_SHOWNOACTIVATE);
        RecalcLayout();
        SetRollUpTimer();
        return TRUE;
    }
    CZAVPRecentPosRecord& record = recentInfo.m_recentFloatingRecord;
    CWnd* pOldParent = pBar->GetParent();
    pBar->OnBeforeChangeParent(this, FALSE);
    pBar->SetParent(this);
    pBar->OnAfterChangeParent(pOldParent);
    // Only a shown pane takes part in the node's split.
    pBar->ShowWindow(SW_SHOWNOACTIVATE);
    if (!m_barContainerManager.AddControlBarToRecentContainer(
            pBar, record.GetContainer(), record.IsFirst(), record.GetPercent()))
    {
        pBar->ShowWindow(SW_HIDE);
        pBar->OnBeforeChangeParent(pOldParent, FALSE);
        pBar->SetParent(pOldParent);
        pBar->OnAfterChangeParent(this);
        return FALSE;
    }
    // Back in its place: the node no longer needs to keep the side for it.
    record.Clear();
    RegisterBar(pBar);
    UpdateHostedBar();
    // Alone among visible panes, the pane brings the frame back where it floated last.
    if (m_barContainerManager.GetVisibleBarCount() == 1) {
        const CRect& rect = recentInfo.m_rectRecentFloatingRect;
        if (!rect.IsRectEmpty())
            SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    }
    OnShowControlBar(pBar, TRUE);
    SetRollUpTimer();
    return TRUE;
}

// ---- state

BOOL CZAVPMultiMiniFrameWnd::SaveState(LPCSTR lpszProfileName, UINT)
{
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        pPane->SaveState(lpszProfileName, -1, (UINT)-1);
    return TRUE;
}

BOOL CZAVPMultiMiniFrameWnd::LoadState(LPCSTR lpszProfileName, UINT)
{
    for (CZAVPDockingControlBar* pPane : Panes(FALSE))
        pPane->LoadState(lpszProfileName, -1, (UINT)-1);
    return TRUE;
}

void CZAVPMultiMiniFrameWnd::Serialize(CArchive& ar)
{
    CZAVPMiniFrameWnd::Serialize(ar);
    m_barContainerManager.Serialize(ar);
}

void CZAVPMultiMiniFrameWnd::SetDockState(CZAVPDockManager* pDockManager)
{
    if (m_barContainerManager.IsEmpty() || pDockManager == nullptr) {
        // The dock manager is walking its lists: the empty frame goes once it has finished.
        m_hEmbeddedBar = nullptr;
        PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
        return;
    }
    // Tabbed bars made from their records take their tabs first; then each pane of the tree
    // leaves where it is and comes here.
    m_barContainerManager.GatherStagedTabs(pDockManager);
    if (m_barContainerManager.IsEmpty()) {
        m_hEmbeddedBar = nullptr;
        PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
        return;
    }
    for (CZAVPDockingControlBar* pPane : Panes(FALSE)) {
        // A pane that became a tab since the layout was stored leaves its group first: no tab
        // may keep a window that floats here.
        CZAVPBaseTabbedBar::ReleaseFromGroup(pPane);
        if (pPane->IsAutoHideMode()) pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, nullptr, FALSE);
        CZAVPMiniFrameWnd* pOther = pPane->GetParentMiniFrame(TRUE);
        if (pOther != nullptr && pOther != this) pOther->RemoveControlBar(pPane);
        pPane->UndockControlBar(TRUE);
        pPane->RemoveControlBarFromDockManager(FALSE, FALSE);
        if (pPane->GetParent() != this) {
            CWnd* pOldParent = pPane->GetParent();
            pPane->SetParent(this);
            pPane->OnAfterChangeParent(pOldParent);
        }
        AddRemoveBarToGlobalList(pPane, TRUE);
        pPane->ShowWindow(SW_SHOW);
    }
    UpdateHostedBar();
    pDockManager->AdjustDockSiteLayout();
    OnBarsChanged();
    // The splits stand where they were stored, to the pixel; the layout then keeps them.
    CRect rectClient;
    GetClientRect(rectClient);
    m_barContainerManager.PlaceAtLoadedSliders(rectClient);
    RecalcLayout();
    ShowWindow(SW_SHOWNOACTIVATE);
}
