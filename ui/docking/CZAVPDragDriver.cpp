// The window side of a drag (see CZAVPDragDriver.h).
#include "ui/docking/CZAVPDragDriver.h"

#include "framework/CWnd.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPDockManager.h"

CZAVPDragDriver::CZAVPDragDriver()
    : m_hCapture(nullptr), m_hDragged(nullptr), m_pManager(nullptr), m_bCtrl(FALSE)
{
}

BOOL CZAVPDragDriver::IsCtrlDown() { return ::GetKeyState(VK_CONTROL) < 0; }

CZAVPBaseControlBar* CZAVPDragDriver::TargetOf(const DockLayout::DockSiteAnswer& site)
{
    const HWND hTarget = static_cast<HWND>(const_cast<void*>(site.pTarget));
    CWnd* pWnd = hTarget != nullptr && ::IsWindow(hTarget) ? CWnd::FromHandlePermanent(hTarget)
                                                           : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pWnd)
               : nullptr;
}

CZAVPBaseControlBar* CZAVPDragDriver::GetShownTarget() const { return TargetOf(m_session.Shown()); }

DockLayout::DockSiteAnswer CZAVPDragDriver::FindSite(CZAVPDockManager* pManager, CWnd* pDragged,
                                                     CPoint pt)
{
    DockLayout::DockSiteAnswer site = {DockLayout::DropKind::None, nullptr, {0, 0, 0, 0}};
    if (pManager == nullptr || pDragged == nullptr || pDragged->GetSafeHwnd() == nullptr)
        return site;
    CRect rectDock;
    BOOL bAsTab = FALSE;
    CZAVPBaseControlBar* pTarget = nullptr;
    pManager->CalcExpectedDockedRect(pDragged, pt, rectDock, bAsTab, &pTarget);
    if (rectDock.IsRectEmpty()) return site;
    site.kind = bAsTab && pTarget != nullptr ? DockLayout::DropKind::AsTab
                                             : DockLayout::DropKind::Beside;
    site.pTarget = pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr;
    site.rectDock = rectDock;
    return site;
}

void CZAVPDragDriver::Begin(CWnd* pCaptureWnd, CWnd* pDragged, CZAVPDockManager* pManager,
                            const DockLayout::DragSettings& settings)
{
    ASSERT(pDragged != nullptr && ::IsWindow(pDragged->GetSafeHwnd()));
    m_session.Reset(settings);
    m_hDragged = pDragged != nullptr ? pDragged->GetSafeHwnd() : nullptr;
    m_pManager = pManager;
    m_hCapture = pCaptureWnd != nullptr ? pCaptureWnd->GetSafeHwnd() : nullptr;
    if (m_hCapture != nullptr && ::GetCapture() != m_hCapture) ::SetCapture(m_hCapture);
    Feed(DockLayout::DragEvent::Press);
}

DockLayout::DragStep CZAVPDragDriver::Feed(DockLayout::DragEvent event)
{
    DockLayout::DragInput input = {};
    input.event = event;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    input.ptCursor = ptCursor;
    input.bButtonDown = (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    m_bCtrl = input.bCtrlDown = IsCtrlDown();
    // The site is asked only where it can count: a drag under way with Ctrl up.
    input.site = {DockLayout::DropKind::None, nullptr, {0, 0, 0, 0}};
    const BOOL bAsk = event != DockLayout::DragEvent::Press &&
                      event != DockLayout::DragEvent::Escape &&
                      event != DockLayout::DragEvent::Cancel && !input.bCtrlDown &&
                      m_session.IsActive() && m_pManager != nullptr;
    if (bAsk && m_hDragged != nullptr && ::IsWindow(m_hDragged))
        input.site = FindSite(m_pManager, CWnd::FromHandlePermanent(m_hDragged), ptCursor);
    const DockLayout::DragStep step = m_session.Feed(input);
    if (step.bEnded) ReleaseCapture();
    return step;
}

void CZAVPDragDriver::Stop()
{
    if (m_session.IsActive()) m_session.Reset(DockLayout::DragSettings());
    ReleaseCapture();
}

void CZAVPDragDriver::ReleaseCapture()
{
    const HWND hCapture = m_hCapture;
    m_hCapture = nullptr;
    if (hCapture != nullptr && ::GetCapture() == hCapture) ::ReleaseCapture();
}
