// Docking utilities (see CZAVPDockingUtils.h).
#include "ui/docking/CZAVPDockingUtils.h"

#include "framework/CDialog.h"
#include "framework/CPropertySheet.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "ui/foundation/ZAVPClassTest.h"

BOOL CZAVPDockingUtils::m_bDialogHost = FALSE;

CZAVPDockManager* CZAVPDockingUtils::GetDockManager(CWnd* pWnd)
{
    if (pWnd == nullptr) return nullptr;
    // Tested by name: bars and drawing code that never meet a frame need not bring one in.
    if (ZAVPIsKindOf(pWnd, ZAVPClassNames::CZAVPFrameWnd))
        return &static_cast<CZAVPFrameWnd*>(pWnd)->m_dockManager;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CDialog)) || pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
        m_bDialogHost = TRUE;
    return nullptr;
}

void CZAVPDockingUtils::RotateSideValues(LONG values[4], int nAngle)
{
    DockLayout::RotateSideValues(values, nAngle);
}

BOOL CZAVPDockingUtils::CanWindowBeAttached(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)))
        return static_cast<CZAVPControlBar*>(pWnd)->CanBeAttached();
    return FALSE;
}

BOOL CZAVPDockingUtils::CanFloatMulti(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        pWnd = static_cast<CZAVPMiniFrameWnd*>(pWnd)->GetControlBar();
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) return FALSE;
    return (static_cast<CZAVPControlBar*>(pWnd)->GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
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
    // Docking panes widen their inner bands by the caption and the tab area (not yet built).
    dwAlignment = DockLayout::HitTestDockEdges(pt, rect, nSensitivity, bOuterEdges,
                                               dwEnabledAlignment);
    return dwAlignment != 0;
}
