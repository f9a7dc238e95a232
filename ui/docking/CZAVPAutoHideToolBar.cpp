// The strip of one auto-hidden pane (see CZAVPAutoHideToolBar.h).
#include "ui/docking/CZAVPAutoHideToolBar.h"

#include "framework/CDC.h"
#include "ui/docking/CZAVPAutoHideButton.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/foundation/ZAVPListRange.h"

IMPLEMENT_DYNCREATE(CZAVPAutoHideToolBar, CZAVPControlBar)

BEGIN_MESSAGE_MAP(CZAVPAutoHideToolBar, CZAVPControlBar)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_NCDESTROY()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

int CZAVPAutoHideToolBar::m_nShowAHWndDelay = 400;

namespace
{
CZAVPAutoHideButton* AsButton(CObject* p) { return static_cast<CZAVPAutoHideButton*>(p); }
}  // namespace

CZAVPAutoHideToolBar::CZAVPAutoHideToolBar()
    : m_pLastActiveButton(nullptr), m_bReadyToDisplayAHWnd(FALSE), m_nDisplayAHWndTimerID(0)
{
    SetBorders(0, 0, 0, 0);
}

CZAVPAutoHideToolBar::~CZAVPAutoHideToolBar()
{
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;)
        delete AsButton(m_lstAutoHideButtons.GetNext(pos));
    m_lstAutoHideButtons.RemoveAll();
}

CZAVPAutoHideDockBar* CZAVPAutoHideToolBar::GetAutoHideDockBar() const
{
    return m_pParentDockBar != nullptr &&
                   m_pParentDockBar->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar))
               ? static_cast<CZAVPAutoHideDockBar*>(m_pParentDockBar)
               : nullptr;
}

CZAVPAutoHideButton* CZAVPAutoHideToolBar::AddAutoHideButton(CZAVPDockingControlBar* pWnd,
                                                             DWORD dwAlignment)
{
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) return nullptr;
    CZAVPAutoHideButton* pButton = static_cast<CZAVPAutoHideButton*>(
        RUNTIME_CLASS(CZAVPAutoHideButton)->CreateObject());
    if (pButton == nullptr) return nullptr;
    if (!pButton->Create(this, pWnd, dwAlignment)) {
        delete pButton;
        return nullptr;
    }
    // The first button sets the strip's size.
    if (m_lstAutoHideButtons.IsEmpty() && m_hWnd != nullptr) {
        const CSize size = pButton->GetSize();
        CWnd::SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_lstAutoHideButtons.AddTail(pButton);
    return pButton;
}

void CZAVPAutoHideToolBar::KillHoverTimer()
{
    if (m_nDisplayAHWndTimerID != 0 && m_hWnd != nullptr) KillTimer(m_nDisplayAHWndTimerID);
    m_nDisplayAHWndTimerID = 0;
    m_bReadyToDisplayAHWnd = FALSE;
}

CZAVPAutoHideButton* CZAVPAutoHideToolBar::FindButton(const CZAVPDockingControlBar* pWnd) const
{
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPAutoHideButton* pButton = AsButton(m_lstAutoHideButtons.GetNext(pos));
        if (pButton->GetAutoHideWindow() == pWnd) return pButton;
    }
    return nullptr;
}

BOOL CZAVPAutoHideToolBar::RemoveAutoHideButton(CZAVPDockingControlBar* pWnd)
{
    KillHoverTimer();
    CZAVPAutoHideButton* pButton = FindButton(pWnd);
    if (pButton == nullptr) return FALSE;
    if (m_pLastActiveButton == pButton) m_pLastActiveButton = nullptr;
    m_lstAutoHideButtons.RemoveAt(m_lstAutoHideButtons.Find(pButton));
    delete pButton;
    if (!m_lstAutoHideButtons.IsEmpty()) {
        // The strip keeps standing in its row while it still holds buttons.
        Invalidate();
        return TRUE;
    }
    // Out of the dock bar's books first, then the window goes (and the object with it).
    if (CZAVPAutoHideDockBar* pDockBar = GetAutoHideDockBar()) {
        pDockBar->RemoveControlBar(this, 0);
        pDockBar->RepositionStrips();
    }
    m_pParentDockBar = nullptr;
    if (m_hWnd != nullptr) DestroyWindow();
    return TRUE;
}

void CZAVPAutoHideToolBar::UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup)
{
    // Each button's pane leaves; the last one destroys this strip, so the panes are collected
    // before any of them leaves.
    std::vector<CZAVPDockingControlBar*> panes;
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;)
        panes.push_back(AsButton(m_lstAutoHideButtons.GetNext(pos))->GetAutoHideWindow());
    for (CZAVPDockingControlBar* pPane : panes)
        if (pPane != nullptr) pPane->UnSetAutoHideMode(pFirstBarInGroup);
}

int CZAVPAutoHideToolBar::GetVisibleCount() const
{
    int n = 0;
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;)
        if (AsButton(m_lstAutoHideButtons.GetNext(pos))->IsVisible()) ++n;
    return n;
}

CZAVPDockingControlBar* CZAVPAutoHideToolBar::GetFirstPane() const
{
    return m_lstAutoHideButtons.IsEmpty()
               ? nullptr
               : AsButton(m_lstAutoHideButtons.GetHead())->GetAutoHideWindow();
}

void CZAVPAutoHideToolBar::UpdateVisibility()
{
    CZAVPAutoHideDockBar* pDockBar = GetAutoHideDockBar();
    if (pDockBar == nullptr) return;
    if (GetVisibleCount() == 0)
        pDockBar->ShowControlBar(this, FALSE, FALSE);
    else if (!(GetStyle() & WS_VISIBLE))
        pDockBar->ShowControlBar(this, TRUE, FALSE);
}

void CZAVPAutoHideToolBar::ShowAutoHideWindow(CZAVPDockingControlBar* pWnd, BOOL bShow,
                                              BOOL bNoUpdate)
{
    if (CZAVPAutoHideButton* pButton = FindButton(pWnd)) pButton->ShowButton(bShow);
    if (!bNoUpdate) UpdateVisibility();
}

CZAVPAutoHideButton* CZAVPAutoHideToolBar::ButtonFromPoint(CPoint pt) const
{
    for (int nPass = 0; nPass < 2; ++nPass)
        for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;) {
            CZAVPAutoHideButton* pButton = AsButton(m_lstAutoHideButtons.GetNext(pos));
            if (nPass == 0 && !pButton->IsTop()) continue;
            if (pButton->IsVisible() && pButton->GetRect().PtInRect(pt)) return pButton;
        }
    return nullptr;
}

CSize CZAVPAutoHideToolBar::GetBaseSize(int, BOOL)
{
    // A strip holds one button: its size is the strip's.
    if (m_lstAutoHideButtons.IsEmpty()) return CSize(0, 0);
    const CSize size = AsButton(m_lstAutoHideButtons.GetHead())->GetSize();
    if (m_hWnd != nullptr)
        CWnd::SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

CSize CZAVPAutoHideToolBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    if (m_hWnd != nullptr) GetWindowRect(rect);
    return rect.Size();
}

BOOL CZAVPAutoHideToolBar::IsAnyStripOfRowActive() const
{
    if (m_bFlagA) return TRUE;
    CZAVPAutoHideDockBar* pDockBar = GetAutoHideDockBar();
    if (pDockBar == nullptr) return FALSE;
    const CObList& bars = pDockBar->GetControlBarList();
    for (CZAVPAutoHideToolBar* pStrip : OfKind<CZAVPAutoHideToolBar>(bars))
        if (pStrip->IsActiveStrip()) return TRUE;
    return FALSE;
}

void CZAVPAutoHideToolBar::SetFlagA(BOOL bFlag)
{
    CZAVPControlBar::SetFlagA(bFlag);
    CZAVPAutoHideDockBar* pDockBar = GetAutoHideDockBar();
    if (pDockBar == nullptr) return;
    // One active strip per row.
    const CObList& bars = pDockBar->GetControlBarList();
    if (bFlag)
        for (CZAVPAutoHideToolBar* pStrip : OfKind<CZAVPAutoHideToolBar>(bars))
            if (pStrip != this) pStrip->CZAVPControlBar::SetFlagA(FALSE);
    // Which buttons show their text changed with the active strip: every strip of the row takes
    // its button's size again, and the row is laid out anew.
    for (CZAVPAutoHideToolBar* pStrip : OfKind<CZAVPAutoHideToolBar>(bars)) {
        pStrip->GetBaseSize(0, FALSE);
        if (pStrip->GetSafeHwnd() != nullptr) pStrip->Invalidate();
    }
    pDockBar->RepositionStrips();
}

void CZAVPAutoHideToolBar::OnPaint()
{
    CPaintDC dc(this);
    CZAVPAutoHideButton* pTop = nullptr;
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPAutoHideButton* pButton = AsButton(m_lstAutoHideButtons.GetNext(pos));
        if (!pButton->IsVisible()) continue;
        if (pButton->IsTop())
            pTop = pButton;
        else
            pButton->OnDraw(&dc);
    }
    if (pTop != nullptr) pTop->OnDraw(&dc);
}

void CZAVPAutoHideToolBar::OnMouseMove(UINT, CPoint point)
{
    CZAVPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton == nullptr || m_bReadyToDisplayAHWnd) return;
    CZAVPDockingControlBar* pPane = pButton->GetAutoHideWindow();
    if (pPane == nullptr || pPane->IsWindowVisible()) return;
    m_bReadyToDisplayAHWnd = TRUE;
    m_nDisplayAHWndTimerID = SetTimer(kHoverTimerId, (UINT)m_nShowAHWndDelay, nullptr);
}

void CZAVPAutoHideToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHoverTimerId) {
        CZAVPControlBar::OnTimer(nIDEvent);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CZAVPAutoHideButton* pButton = ButtonFromPoint(pt);
    const BOOL bPending = m_bReadyToDisplayAHWnd;
    KillHoverTimer();
    if (pButton == nullptr || !bPending) return;
    CZAVPDockingControlBar* pPane = pButton->GetAutoHideWindow();
    if (pPane != nullptr && !pPane->IsWindowVisible()) {
        m_pLastActiveButton = pButton;
        pButton->ShowAttachedWindow(TRUE);
    }
}

void CZAVPAutoHideToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (CZAVPAutoHideButton* pButton = ButtonFromPoint(point))
        if (CZAVPDockingControlBar* pPane = pButton->GetAutoHideWindow()) {
            if (!pPane->IsWindowVisible()) pButton->ShowAttachedWindow(TRUE);
            pPane->SetFocus();
        }
    (void)nFlags;
}

void CZAVPAutoHideToolBar::OnNcDestroy()
{
    KillHoverTimer();
    // A strip destroyed with its frame (before its panes) is deleted now: its panes must not
    // reach for it or its buttons when their turn comes.
    for (POSITION pos = m_lstAutoHideButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pPane =
            AsButton(m_lstAutoHideButtons.GetNext(pos))->GetAutoHideWindow();
        if (pPane != nullptr && pPane->GetAutoHideToolBar() == this)
            pPane->SetAutoHideParents(nullptr, nullptr);
    }
    CZAVPControlBar::OnNcDestroy();
}

void CZAVPAutoHideToolBar::PostNcDestroy() { delete this; }
