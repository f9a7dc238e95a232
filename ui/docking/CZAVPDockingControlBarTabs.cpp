// Tabbed groups of docking panes: a pane dropped on another joins the tabbed bar that holds it,
// or one made over the target in its place (see CZAVPDockingControlBar.h).
#include "ui/docking/CZAVPDockingControlBar.h"

#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/CZAVPTabbedControlBar.h"

namespace
{
// The tabbed bar a pane stands in as a tab, or null.
CZAVPBaseTabbedBar* GroupHolding(CZAVPDockingControlBar* pPane)
{
    if (pPane->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
        return static_cast<CZAVPBaseTabbedBar*>(pPane);
    if (!pPane->IsTabbed()) return nullptr;
    CWnd* pTabWnd = pPane->GetParent();
    CWnd* pBar = pTabWnd != nullptr ? pTabWnd->GetParent() : nullptr;
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))
               ? static_cast<CZAVPBaseTabbedBar*>(pBar)
               : nullptr;
}
}  // namespace

CZAVPDockingControlBar* CZAVPDockingControlBar::AttachToTabbedBar(CZAVPDockingControlBar* pTarget,
                                                                  int nDockMethod, BOOL bShow,
                                                                  CZAVPDockingControlBar*& pGroup)
{
    pGroup = nullptr;
    if (pTarget == nullptr || pTarget == this || !pTarget->CanBeAttached() || !CanBeAttached())
        return nullptr;
    CZAVPBaseTabbedBar* pTabbed = GroupHolding(pTarget);
    if (pTabbed == this) return nullptr;
    if (pTabbed == nullptr) {
        // A group is made over the target and takes its place beside the slider.
        pTarget->StoreRecentDockInfo();
        pTabbed = pTarget->CreateTabbedControlBar();
        if (pTabbed == nullptr) return nullptr;
        CZAVPDockManager* pManager = pTarget->GetDockManager();
        const BOOL bFloating = pTarget->IsFloating();
        if (pManager != nullptr && !bFloating) pManager->InsertControlBar(pTabbed, pTarget, TRUE);
        if (!pTarget->ReplaceControlBar(pTabbed, FALSE)) {
            if (pManager != nullptr && !bFloating)
                pManager->RemoveControlBarFromDockManager(pTabbed, FALSE, FALSE);
            pTabbed->DestroyWindow();  // made to own itself: the object goes with the window
            return nullptr;
        }
        pTabbed->EnableDocking(pTarget->GetEnabledAlignment());
        pTabbed->SetBarAlignment(pTarget->GetCurrentAlignment());
        pTabbed->AddTab(pTarget, TRUE, TRUE, TRUE);
        pTarget->EnableGripper(FALSE);
    }
    pGroup = pTabbed;

    // This pane leaves its place and joins as a tab.
    EnableGripper(FALSE);
    CZAVPBaseControlBar* pDockTarget = pTabbed;
    OnBeforeDock(pDockTarget, nullptr, nDockMethod);
    if (!IsTabbed()) UndockControlBar(TRUE);
    RemoveControlBarFromDockManager(FALSE, FALSE, FALSE);
    const BOOL bAdded = pTabbed->AddTab(this, TRUE, bShow, TRUE);
    if (bAdded) OnAfterDock(pTabbed, nullptr, nDockMethod);

    CRect rect;
    pTabbed->GetWindowRect(rect);
    if (!rect.IsRectEmpty() && bAdded) pTabbed->AdjustDockingLayout();
    pTabbed->RecalcLayout();
    return bAdded ? this : pTabbed;
}

CZAVPBaseTabbedBar* CZAVPDockingControlBar::CreateTabbedControlBar()
{
    CRuntimeClass* pClass = m_pTabbedControlBarRTC != nullptr
                                ? m_pTabbedControlBarRTC
                                : RUNTIME_CLASS(CZAVPTabbedControlBar);
    if (!pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return nullptr;
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr) return nullptr;
    CZAVPBaseTabbedBar* pTabbed = static_cast<CZAVPBaseTabbedBar*>(pObject);
    const CRect rect = WindowRectInParent();
    const DWORD dwStyle = (GetStyle() &
                           (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) |
                          (m_dwStyle & ~WS_CAPTION) | CBRS_FLOAT_MULTI;
    if (!pTabbed->Create("", GetParent(), rect, TRUE, (UINT)-1, dwStyle, ZAVP_CBRS_REGULAR_TABS,
                         ZAVP_CBRS_DOCKING_DEFAULT))
    {
        delete pTabbed;
        return nullptr;
    }
    pTabbed->SetAutoDestroy(TRUE);
    pTabbed->RecentDockInfo().m_rectRecentFloatingRect = m_recentDockInfo.m_rectRecentFloatingRect;
    pTabbed->RecentDockInfo().m_rectDockedRect = m_recentDockInfo.m_rectDockedRect;
    pTabbed->SetRecentDockedPlace(m_hRecentSlider, m_dwRecentSliderAlignment, m_rectRecentDocked,
                                  m_nRecentPercent);
    return pTabbed;
}

void CZAVPDockingControlBar::SetRecentDockedPlace(HWND hSlider, DWORD dwAlignment,
                                                  const CRect& rectDocked, int nPercent)
{
    m_hRecentSlider = hSlider;
    m_dwRecentSliderAlignment = dwAlignment;
    m_rectRecentDocked = rectDocked;
    m_nRecentPercent = nPercent;
}
