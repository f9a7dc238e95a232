// The dock bar of one side's auto-hide strips (see CZAVPAutoHideDockBar.h).
#include "ui/docking/CZAVPAutoHideDockBar.h"

#include <algorithm>
#include <vector>

#include "framework/CDC.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/CZAVPVisualManager.h"

IMPLEMENT_DYNCREATE(CZAVPAutoHideDockBar, CZAVPDockBar)

BEGIN_MESSAGE_MAP(CZAVPAutoHideDockBar, CZAVPDockBar)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
CZAVPAutoHideToolBar* AsStrip(CObject* p) { return static_cast<CZAVPAutoHideToolBar*>(p); }
}  // namespace

CZAVPAutoHideDockBar::CZAVPAutoHideDockBar() : m_nOffset(0), m_nReserved(0) {}

CZAVPAutoHideDockBar::~CZAVPAutoHideDockBar() {}

BOOL CZAVPAutoHideDockBar::CanAcceptBar(const CZAVPBaseControlBar* pBar) const
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideToolBar));
}

BOOL CZAVPAutoHideDockBar::DockControlBar(CZAVPBaseControlBar* pBar, int, LPCRECT)
{
    if (!CanAcceptBar(pBar)) return FALSE;
    if (m_lstControlBars.Find(pBar) != nullptr) return TRUE;
    CZAVPAutoHideToolBar* pStrip = AsStrip(pBar);
    if (pStrip->GetParent() != this) pStrip->SetParent(this);
    pStrip->SetParentDockBarLink(this);
    pStrip->SetBarAlignment(GetCurrentAlignment());
    m_lstControlBars.AddTail(pStrip);
    pStrip->ShowWindow(SW_SHOWNOACTIVATE);
    AdjustDockingLayout();
    RepositionStrips();
    return TRUE;
}

BOOL CZAVPAutoHideDockBar::RemoveControlBar(CZAVPBaseControlBar* pBar, DWORD)
{
    POSITION pos = m_lstControlBars.Find(pBar);
    if (pos == nullptr) return FALSE;
    m_lstControlBars.RemoveAt(pos);
    pBar->SetParentDockBarLink(nullptr);
    AdjustDockingLayout();
    return TRUE;
}

CSize CZAVPAutoHideDockBar::CalcFixedLayout(BOOL, BOOL)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    // As thick as the thickest visible strip and the gap to the frame edge, nothing when empty.
    LONG nThickness = 0;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPAutoHideToolBar* pStrip = AsStrip(m_lstControlBars.GetNext(pos));
        if (pStrip->GetSafeHwnd() == nullptr || !(pStrip->GetStyle() & WS_VISIBLE)) continue;
        CRect rect;
        pStrip->GetWindowRect(rect);
        nThickness = std::max<LONG>(nThickness, axis.Thickness(rect) + kRowOffset);
    }
    CRect rectWnd;
    GetWindowRect(rectWnd);
    return axis.MakeSize(axis.Length(rectWnd), nThickness);
}

void CZAVPAutoHideDockBar::OnSizeDockBar(CRect) { RepositionStrips(); }

void CZAVPAutoHideDockBar::RepositionStrips()
{
    if (m_hWnd == nullptr) return;
    const DWORD dwAlignment = GetCurrentAlignment();
    const DockAxis axis(IsHorizontal() != FALSE);
    CRect rectClient;
    GetClientRect(rectClient);
    LONG nAlong = m_nOffset + kRowOffset;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPAutoHideToolBar* pStrip = AsStrip(m_lstControlBars.GetNext(pos));
        if (pStrip->GetSafeHwnd() == nullptr || !(pStrip->GetStyle() & WS_VISIBLE)) continue;
        CRect rect;
        pStrip->GetWindowRect(rect);
        const LONG nLength = axis.Length(rect), nThickness = axis.Thickness(rect);
        // The row stands kRowOffset from the frame edge: the far side for bottom and right.
        const BOOL bFar = (dwAlignment & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
        const LONG nAcross = bFar ? axis.Thickness(rectClient) - kRowOffset - nThickness
                                  : kRowOffset;
        const RECT rectStrip = axis.Make(nAlong, nLength, std::max<LONG>(0, nAcross), nThickness);
        pStrip->CWnd::SetWindowPos(nullptr, rectStrip.left, rectStrip.top, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        nAlong += nLength + kStripGap;
    }
    Invalidate();
}

BOOL CZAVPAutoHideDockBar::ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || m_lstControlBars.Find(pBar) == nullptr) return FALSE;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (!bDelay) {
        AdjustDockingLayout();
        RepositionStrips();
    }
    return TRUE;
}

void CZAVPAutoHideDockBar::UnSetAutoHideMode(CZAVPAutoHideToolBar* pAutoHideToolbar)
{
    if (pAutoHideToolbar == nullptr) {
        // Every group of the side in turn; a strip handled with its group is not taken again.
        // The strips go away as their panes leave: they are collected first.
        std::vector<CZAVPAutoHideToolBar*> strips;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
            strips.push_back(AsStrip(m_lstControlBars.GetNext(pos)));
        for (CZAVPAutoHideToolBar* pStrip : strips)
            if (m_lstControlBars.Find(pStrip) != nullptr) UnSetAutoHideMode(pStrip);
        return;
    }
    // The strip leaves with the strips its row groups with it: the row's first strip docks its
    // pane as it was, the others dock beside that pane. The strips of a side stand in one row,
    // this dock bar's own list, unless a row of the dock bar holds them. A strip in no row
    // leaves on its own.
    std::vector<CZAVPAutoHideToolBar*> group;
    const CObList* pRowBars = nullptr;
    if (CZAVPDockBarRow* pRow = FindRowByBar(pAutoHideToolbar))
        pRowBars = &pRow->GetControlBars();
    else if (m_lstControlBars.Find(pAutoHideToolbar) != nullptr)
        pRowBars = &m_lstControlBars;
    if (pRowBars == nullptr) {
        pAutoHideToolbar->UnSetAutoHideMode(nullptr);
        return;
    }
    for (POSITION pos = pRowBars->GetHeadPosition(); pos != nullptr;) {
        CObject* pBar = pRowBars->GetNext(pos);
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideToolBar))) group.push_back(AsStrip(pBar));
    }
    CZAVPDockingControlBar* pFirst = nullptr;
    for (CZAVPAutoHideToolBar* pStrip : group) {
        if (m_lstControlBars.Find(pStrip) == nullptr) continue;
        CZAVPDockingControlBar* pPane = pStrip->GetFirstPane();
        pStrip->UnSetAutoHideMode(pFirst);
        if (pFirst == nullptr && pPane != nullptr && pPane->GetDefaultSlider() != nullptr)
            pFirst = pPane;
    }
}

void CZAVPAutoHideDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectClient, rectClient,
                                                           FALSE);
}
