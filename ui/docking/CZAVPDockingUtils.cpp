// Docking utilities (see CZAVPDockingUtils.h).
#include "ui/docking/CZAVPDockingUtils.h"

#include <vector>

#include "framework/CDialog.h"
#include "framework/CObList.h"
#include "framework/CPropertySheet.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDragDriver.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/CZAVPOleDocIPFrameWnd.h"
#include "ui/docking/CZAVPOleIPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "ui/docking/layout/DockTargetRules.h"
#include "ui/foundation/ZAVPClassTest.h"

BOOL CZAVPDockingUtils::m_bDialogHost = FALSE;

CZAVPDockManager* CZAVPDockingUtils::GetDockManager(CWnd* pWnd)
{
    if (pWnd == nullptr) return nullptr;
    // Tested by name: bars and drawing code that never meet a frame need not bring one in.
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPFrameWnd)))
        return &static_cast<CZAVPFrameWnd*>(pWnd)->m_dockManager;
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPMDIFrameWnd)))
        return &static_cast<CZAVPMDIFrameWnd*>(pWnd)->m_dockManager;
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPOleIPFrameWnd)))
        return &static_cast<CZAVPOleIPFrameWnd*>(pWnd)->m_dockManager;
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPOleDocIPFrameWnd)))
        return &static_cast<CZAVPOleDocIPFrameWnd*>(pWnd)->m_dockManager;
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPMDIChildWnd)))
        return &static_cast<CZAVPMDIChildWnd*>(pWnd)->m_dockManager;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CDialog)) || pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet))) {
        m_bDialogHost = TRUE;
        return nullptr;
    }
    if (ZAVPIsKindOf(pWnd, RUNTIME_CLASS(CZAVPOleCntrFrameWnd)))
        return &static_cast<CZAVPOleCntrFrameWnd*>(pWnd)->m_dockManager;
    return nullptr;
}

void CZAVPDockingUtils::RotateSideValues(LONG values[4], int nAngle)
{
    DockLayout::RotateSideValues(values, nAngle);
}

BOOL CZAVPDockingUtils::CanWindowBeAttached(CWnd* pWnd)
{
    // A floating frame answers for what it holds (every pane of a frame of several).
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        return static_cast<CZAVPMiniFrameWnd*>(pWnd)->CanBeAttached();
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)))
        return static_cast<CZAVPControlBar*>(pWnd)->CanBeAttached();
    return FALSE;
}

BOOL CZAVPDockingUtils::CanFloatMulti(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        pWnd = static_cast<CZAVPMiniFrameWnd*>(pWnd)->GetControlBar();
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) return FALSE;
    CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pWnd);
    // A tabbed group already floating among other panes shares their frame, whatever its style.
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
        CZAVPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE);
        if (pMiniFrame != nullptr && pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
            return TRUE;
    }
    return (pBar->GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
}

RECT CZAVPDockingUtils::WorkAreaNear(POINT pt)
{
    RECT rectWork = {};
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;  // 40 bytes
    if (::GetMonitorInfoA(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi)) return mi.rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    return rectWork;
}

void CZAVPDockingUtils::KeepRectOnScreen(RECT& rect, const RECT* pMargins)
{
    const POINT topLeft = {rect.left, rect.top};
    DockLayout::KeepRectOnScreen(rect, WorkAreaNear(topLeft), pMargins);
}

BOOL CZAVPDockingUtils::HitTestDockEdges(POINT pt, CWnd* pWnd, const RECT* pRect, int nSensitivity,
                                         BOOL bOuterEdges, DWORD& dwAlignment,
                                         DWORD dwEnabledAlignment)
{
    RECT rect;
    if (pWnd != nullptr)
        pWnd->GetWindowRect(&rect);
    else if (pRect != nullptr)
        rect = *pRect;
    else
        return FALSE;
    // Docking panes widen their inner bands by the caption and the lower tab area.
    int nCaption = 0, nTabArea = 0;
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) {
        CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pWnd);
        nCaption = pPane->GetCaptionHeight();
        CRect rectTop, rectBottom;
        pPane->GetTabArea(rectTop, rectBottom);
        nTabArea = rectBottom.Height();
    }
    dwAlignment = DockLayout::HitTestDockEdges(pt, rect, nSensitivity, bOuterEdges,
                                               dwEnabledAlignment, nCaption, nTabArea);
    return dwAlignment != 0;
}

void CZAVPDockingUtils::ReparentBars(const CObList& lstBars, CWnd* pNewParent, BOOL bOnlyVisible)
{
    for (POSITION pos = lstBars.GetHeadPosition(); pos != nullptr;) {
        CWnd* pWnd = static_cast<CWnd*>(lstBars.GetNext(pos));
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) continue;
        if (bOnlyVisible && !(pWnd->GetStyle() & WS_VISIBLE)) continue;
        if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) {
            pWnd->SetParent(pNewParent);
            continue;
        }
        pWnd->ShowWindow(SW_HIDE);
        pWnd->SetParent(pNewParent);
        CRect rect;
        pWnd->GetWindowRect(rect);
        if (pNewParent != nullptr) pNewParent->ScreenToClient(rect);
        // Parked one size up and to the left; the container tree places it afterwards.
        const int x = rect.left - rect.right;
        const int y = rect.top - rect.bottom;
        const UINT nFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
        if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
            static_cast<CZAVPBaseControlBar*>(pWnd)->SetWindowPos(nullptr, x, y, 0, 0, nFlags,
                                                                  nullptr);
        else
            pWnd->SetWindowPos(nullptr, x, y, 0, 0, nFlags);
        pWnd->ShowWindow(SW_SHOW);
    }
}

namespace
{
// The panes of a tree as the target rules see them (screen coordinates).
std::vector<DockLayout::TargetPane> TargetPanes(CZAVPContainerLayout& manager,
                                                std::vector<CZAVPDockingControlBar*>& panes)
{
    std::vector<DockLayout::TargetPane> result;
    const CObList& bars = manager.GetControlBars();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(bars.GetNext(pos));
        if (pBar->GetSafeHwnd() == nullptr || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        DockLayout::TargetPane p = {};
        CRect rectWnd;
        pBar->GetWindowRect(rectWnd);
        p.rectWindow = rectWnd;
        CRect rectCaption = pBar->GetCaptionRect();
        if (!rectCaption.IsRectEmpty()) rectCaption.OffsetRect(rectWnd.TopLeft());
        p.rectCaption = rectCaption;
        CRect rectTop, rectBottom;
        pBar->GetTabArea(rectTop, rectBottom);
        p.rectTabArea1 = rectTop;
        p.rectTabArea2 = rectBottom;
        p.nCaptionHeight = pBar->GetCaptionHeight();
        p.nTabHeight = rectBottom.Height();
        result.push_back(p);
        panes.push_back(pBar);
    }
    return result;
}
}  // namespace

BOOL CZAVPDockingUtils::FindDockTarget(CZAVPContainerLayout& manager, CPoint pt,
                                       CZAVPDockingControlBar*& pTargetBar, DWORD& dwAlignment,
                                       BOOL& bTabArea, BOOL& bCaption)
{
    pTargetBar = nullptr;
    CZAVPDockingControlBar* pCaptionBar = nullptr;
    const BOOL bFrameCaption = manager.CanBeAttachedAsTab(pt, pCaptionBar);
    std::vector<CZAVPDockingControlBar*> panes;
    const std::vector<DockLayout::TargetPane> targets = TargetPanes(manager, panes);
    int nCaptionPane = -1;
    for (size_t i = 0; i < panes.size(); ++i)
        if (panes[i] == pCaptionBar) nCaptionPane = (int)i;
    const DockLayout::DockTarget t = DockLayout::FindDockTarget(
        targets, pt, CZAVPDockManager::m_nDockSensitivity, bFrameCaption, nCaptionPane);
    if (bFrameCaption) pTargetBar = pCaptionBar;
    if (t.nPane >= 0) pTargetBar = panes[(size_t)t.nPane];
    dwAlignment = t.dwAlignment;
    bTabArea = t.bTabArea;
    bCaption = t.bCaption;
    return TRUE;
}

void CZAVPDockingUtils::CalcExpectedDockRect(CZAVPContainerLayout& manager, CWnd* pWndToDock,
                                             CPoint pt, CRect& rectResult, BOOL& bDropAsTab,
                                             CZAVPDockingControlBar*& pTargetBar)
{
    bDropAsTab = FALSE;
    pTargetBar = nullptr;
    rectResult.SetRectEmpty();
    if (CZAVPDragDriver::IsCtrlDown()) return;
    DWORD dwAlignment = CBRS_ALIGN_LEFT;
    BOOL bTabArea = FALSE, bCaption = FALSE;
    CZAVPDockingControlBar* pTarget = nullptr;
    FindDockTarget(manager, pt, pTarget, dwAlignment, bTabArea, bCaption);
    if (pTarget == nullptr) return;

    // A mini frame stands for the bar it carries.
    CWnd* pDragged = pWndToDock;
    if (pDragged != nullptr && pDragged->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        pDragged = static_cast<CZAVPMiniFrameWnd*>(pDragged)->GetControlBar();

    DockLayout::ExpectedDockQuery q = {};
    q.bCtrlDown = FALSE;
    q.target.nPane = 0;
    q.target.dwAlignment = dwAlignment;
    q.target.bTabArea = bTabArea;
    q.target.bCaption = bCaption;
    CRect rectTarget;
    pTarget->GetWindowRect(rectTarget);
    q.rectTarget = rectTarget;
    q.dwTargetAlignment = pTarget->GetCurrentAlignment();
    CZAVPMiniFrameWnd* pTargetFrame = pTarget->GetParentMiniFrame(TRUE);
    q.bTargetFloats = pTargetFrame != nullptr;
    q.bTargetCanBeAttached = pTarget->CanBeAttached();
    q.bDraggedCanBeAttached = CanWindowBeAttached(pWndToDock);
    q.bDraggedCanFloatMulti = CanFloatMulti(pWndToDock);
    if (pDragged != nullptr && pDragged->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) {
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pDragged);
        q.bDraggedIsControlBar = TRUE;
        q.dwDraggedEnabled = pBar->GetEnabledAlignment();
        q.sizeDraggedMin = pBar->GetMinSize();
    }
    if (pDragged != nullptr && pDragged->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))) {
        q.bDraggedIsBaseBar = TRUE;
        q.bTargetAccepts = pTarget->CanAcceptBar(static_cast<CZAVPBaseControlBar*>(pDragged));
    }
    q.bTargetIsDragged = pTarget == pDragged ||
                         (pTargetFrame != nullptr && pTargetFrame == pWndToDock);
    if (pDragged != nullptr && pDragged->GetSafeHwnd() != nullptr) {
        CRect rectDragged;
        pDragged->GetWindowRect(rectDragged);
        q.sizeDragged = rectDragged.Size();
    }
    const DockLayout::ExpectedDock r = DockLayout::CalcExpectedDockRect(q);
    bDropAsTab = r.bDropAsTab;
    if (!r.bTarget && !r.bDropAsTab) return;
    pTargetBar = pTarget;
    rectResult = r.rect;
}
