// One row of docked bars (see CZAVPDockBarRow.h).
#include "ui/docking/CZAVPDockBarRow.h"

#include <algorithm>

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/layout/DockAxis.h"
#include "framework/CControlBar.h"

IMPLEMENT_DYNAMIC(CZAVPDockBarRow, CObject)

namespace
{
const UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
const int kGrowAll = 65535;
}  // namespace

CZAVPDockBarRow::CZAVPDockBarRow(CZAVPDockBar* pParentDockBar, int nOffset, int nHeight)
    : m_bAllBarsCount(FALSE), m_bVisible(TRUE), m_nRowHeight(nHeight), m_nRowOffset(nOffset),
      m_dwRowAlignment(pParentDockBar ? pParentDockBar->GetCurrentAlignment() : 0),
      m_pParentDockBar(pParentDockBar), m_nExtraSpace(0), m_nExtraAlignment(0)
{
}

CZAVPDockBarRow::~CZAVPDockBarRow() {}

BOOL CZAVPDockBarRow::IsHorizontal() const { return IsHorizontalAlignment(m_dwRowAlignment); }

void CZAVPDockBarRow::SetExtra(int nExtraThickness, BOOL bExtraBefore)
{
    m_nExtraSpace = nExtraThickness;
    m_nExtraAlignment = bExtraBefore ? 1 : 0;
}

BOOL CZAVPDockBarRow::CountsAsVisible(CZAVPControlBar* pBar) const
{
    return m_bAllBarsCount || pBar->IsVisible();
}

std::vector<CZAVPControlBar*> CZAVPDockBarRow::Bars() const
{
    std::vector<CZAVPControlBar*> bars;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        bars.push_back(static_cast<CZAVPControlBar*>(m_lstControlBars.GetNext(pos)));
    return bars;
}

int CZAVPDockBarRow::IndexOf(CZAVPControlBar* pBar) const
{
    const std::vector<CZAVPControlBar*> bars = Bars();
    const auto it = std::find(bars.begin(), bars.end(), pBar);
    return it == bars.end() ? -1 : (int)(it - bars.begin());
}

int CZAVPDockBarRow::RowLength() const
{
    CRect rect;
    m_pParentDockBar->CWnd::GetClientRect(rect);
    return DockAxis(IsHorizontal() != FALSE).Length(rect);
}

int CZAVPDockBarRow::BarsCrossStart() const
{
    return m_nRowOffset + (m_nExtraAlignment == 1 ? m_nExtraSpace : 0);
}

void CZAVPDockBarRow::GetWindowRect(CRect& rect) const
{
    m_pParentDockBar->CWnd::GetWindowRect(rect);
    const DockAxis axis(IsHorizontal() != FALSE);
    axis.SetCrossStart(rect, axis.CrossStart(rect) + m_nRowOffset);
    axis.SetCrossEnd(rect, axis.CrossStart(rect) + m_nRowHeight);
}

void CZAVPDockBarRow::GetClientRect(CRect& rect) const
{
    GetWindowRect(rect);
    m_pParentDockBar->ScreenToClient(rect);
    DockAxis(IsHorizontal() != FALSE).OffsetAcross(rect, -m_nRowOffset);
}

void CZAVPDockBarRow::GetGroupRect(CRect& rect)
{
    GetWindowRect(rect);
    const DockAxis axis(IsHorizontal() != FALSE);
    for (CZAVPControlBar* pBar : Bars())
        if (CountsAsVisible(pBar)) {
            const int nLength = axis.Length(pBar->WindowRectInParent());
            rect.InflateRect(axis.horizontal ? -nLength : 0, axis.horizontal ? 0 : -nLength);
        }
}

int CZAVPDockBarRow::GetVisibleCount() const
{
    int n = 0;
    for (CZAVPControlBar* pBar : Bars())
        if (CountsAsVisible(pBar)) ++n;
    return n;
}

CSize CZAVPDockBarRow::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const DockAxis axis(bHorz != FALSE);
    if (!m_bVisible) return axis.MakeSize(CZAVPBaseControlBar::kStretchLength, 0);
    int nLength = 0, nThickness = 0;
    for (CZAVPControlBar* pBar : Bars())
        if (CountsAsVisible(pBar)) {
            const CSize size = pBar->CalcFixedLayout(bStretch, bHorz);
            nLength += axis.Along(size);
            nThickness = std::max<int>(nThickness, axis.Across(size));
        }
    if (m_nExtraSpace > 0) nThickness += m_nExtraSpace;
    return axis.MakeSize(nLength, nThickness);
}

int CZAVPDockBarRow::GetLastBarEnd() const
{
    const std::vector<CZAVPControlBar*> bars = Bars();
    if (bars.empty()) return 0;
    return DockAxis(IsHorizontal() != FALSE).End(bars.back()->WindowRectInParent());
}

int CZAVPDockBarRow::GetMaxBarThickness(BOOL bVisibleOnly) const
{
    const DockAxis axis(IsHorizontal() != FALSE);
    int nMax = 0;
    for (CZAVPControlBar* pBar : Bars())
        if (!bVisibleOnly || CountsAsVisible(pBar))
            nMax = std::max<int>(nMax, axis.Thickness(pBar->WindowRectInParent()));
    return nMax;
}

int CZAVPDockBarRow::GetAvailableLength(BOOL bUseFullRects) const
{
    return Model(bUseFullRects).AvailableLength();
}

BOOL CZAVPDockBarRow::IsExclusiveRow() const
{
    for (CZAVPControlBar* pBar : Bars())
        if (!pBar->IsFlagBClear()) return TRUE;
    return FALSE;
}

DockLayout::RowModel CZAVPDockBarRow::Model(BOOL bUseFullRects) const
{
    const DockAxis axis(IsHorizontal() != FALSE);
    DockLayout::RowModel model{RowLength(), {}};
    for (CZAVPControlBar* pBar : Bars()) {
        const CRect rectWnd = pBar->WindowRectInParent();
        const CRect rectFull = pBar->GetFullRect();
        DockLayout::RowBar bar;
        bar.start = axis.Start(rectWnd);
        bar.length = axis.Length(bUseFullRects ? rectFull : rectWnd);
        bar.minLength = std::min<int>(axis.Along(pBar->GetMinSize()), bar.length);
        bar.fullLength = std::max<int>(axis.Length(rectFull), bar.minLength);
        bar.visible = CountsAsVisible(pBar) != FALSE;
        model.bars.push_back(bar);
    }
    return model;
}

void CZAVPDockBarRow::Apply(const DockLayout::RowModel& model,
                            const std::vector<CZAVPControlBar*>& order)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    // The list follows the model's order (a dragged bar may have passed its neighbour).
    m_lstControlBars.RemoveAll();
    for (CZAVPControlBar* pBar : order) m_lstControlBars.AddTail(pBar);

    HDWP hdwp = ::BeginDeferWindowPos((int)order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        CZAVPControlBar* pBar = order[i];
        const DockLayout::RowBar& bar = model.bars[i];
        const CRect rectOld = pBar->WindowRectInParent();
        const CRect rectNew(
            axis.Make(bar.start, bar.length, axis.CrossStart(rectOld), axis.Thickness(rectOld)));
        if (rectNew == rectOld) continue;
        // The full-size rectangle follows the bar along the row and keeps its length.
        CRect rectFull = pBar->GetFullRect();
        axis.OffsetAlong(rectFull, bar.start - axis.Start(rectFull));
        axis.SetCrossStart(rectFull, axis.CrossStart(rectNew));
        axis.SetCrossEnd(rectFull, axis.CrossEnd(rectNew));
        pBar->SetFullRectTo(rectFull);
        hdwp = pBar->SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(),
                                  rectNew.Height(), SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    }
    if (hdwp != nullptr) ::EndDeferWindowPos(hdwp);
}

void CZAVPDockBarRow::ArrangeBars(CZAVPControlBar* pBar)
{
    if (IsEmpty() || RowLength() <= 0) return;
    DockLayout::RowModel model = Model(FALSE);
    model.ArrangeBars(pBar ? IndexOf(pBar) : -1);
    Apply(model, Bars());
}

void CZAVPDockBarRow::ExpandStretchedBars()
{
    if (IsEmpty()) return;
    DockLayout::RowModel model = Model(FALSE);
    model.ExpandStretchedBars();
    Apply(model, Bars());
}

void CZAVPDockBarRow::RestoreLayout() { ExpandStretchedBars(); }

void CZAVPDockBarRow::RepositionBars(BOOL bUseFullRects, CZAVPControlBar* pExclude)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    for (CZAVPControlBar* pBar : Bars()) {
        if (pBar == pExclude || !CountsAsVisible(pBar)) continue;
        if (!bUseFullRects) {
            pBar->UpdateFullRect();
            continue;
        }
        const CRect rectWnd = pBar->WindowRectInParent();
        const CRect rectFull = pBar->GetFullRect();
        const CRect rectNew(axis.Make(axis.Start(rectWnd), axis.Length(rectFull),
                                      axis.CrossStart(rectWnd), axis.Thickness(rectWnd)));
        if (rectNew != rectWnd)
            pBar->CWnd::SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(),
                                     rectNew.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CZAVPDockBarRow::MoveControlBar(CZAVPControlBar* pBar, int dx, int dy, BOOL bSwap)
{
    int nIndex = IndexOf(pBar);
    if (nIndex < 0) return FALSE;
    DockLayout::RowModel model = Model(FALSE);
    std::vector<CZAVPControlBar*> order = Bars();
    const int nBefore = nIndex;
    if (!model.MoveBar(nIndex, IsHorizontal() ? dx : dy, bSwap != FALSE)) return FALSE;
    if (nIndex != nBefore) std::swap(order[(size_t)nIndex], order[(size_t)nBefore]);
    Apply(model, order);
    return TRUE;
}

void CZAVPDockBarRow::MoveControlBarTo(CZAVPControlBar* pBar, int nDistance)
{
    const int nIndex = IndexOf(pBar);
    if (nIndex < 0) return;
    DockLayout::RowModel model = Model(FALSE);
    model.bars[(size_t)nIndex].start = nDistance;
    model.ArrangeBars(nIndex);
    Apply(model, Bars());
}

void CZAVPDockBarRow::AddControlBar(CZAVPControlBar* pBar, int, LPCRECT lpRect, BOOL bAddLast)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    int nAlong = 0;
    if (lpRect != nullptr && !::IsRectEmpty(lpRect)) {
        CRect rectRow;
        GetWindowRect(rectRow);
        nAlong = axis.Start(*lpRect) - axis.Start(rectRow);
    } else if (bAddLast) {
        nAlong = GetLastBarEnd();
    }
    const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    const CRect rect(axis.Make(nAlong, axis.Along(size), BarsCrossStart(), axis.Across(size)));
    pBar->CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                             kPlaceFlags);
    // A new bar wants its fixed-layout length.
    pBar->SetFullRectTo(rect);
    InsertControlBar(pBar);
    pBar->UpdateFullRect();
}

void CZAVPDockBarRow::AddControlBarFromPoint(CZAVPControlBar* pBar, int nDockMethod)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    CRect rect = pBar->WindowRectInParent();
    int nAlong = axis.Start(rect);
    if (nDockMethod == ZAVP_DM_MOUSE) {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        m_pParentDockBar->ScreenToClient(&ptCursor);
        // The grab point lies in the bar's client area; its window begins earlier by its
        // borders and gripper.
        CRect rectWindow;
        pBar->GetWindowRect(rectWindow);
        CPoint ptClientOrigin(0, 0);
        pBar->ClientToScreen(&ptClientOrigin);
        nAlong = axis.Along(ptCursor) - axis.Along(pBar->GetGrabPoint()) -
                 axis.Along(ptClientOrigin - rectWindow.TopLeft());
    }
    const CRect rectNew(
        axis.Make(nAlong, axis.Length(rect), BarsCrossStart(), axis.Thickness(rect)));
    pBar->CWnd::SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    InsertControlBar(pBar);
    pBar->UpdateFullRect();
}

void CZAVPDockBarRow::InsertControlBar(CZAVPControlBar* pBar)
{
    const CRect rectNew = pBar->WindowRectInParent();
    POSITION posInsert = nullptr;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        POSITION posCur = pos;
        CZAVPControlBar* pOther = static_cast<CZAVPControlBar*>(m_lstControlBars.GetNext(pos));
        if (pOther->IsLeftOf(rectNew)) {
            posInsert = posCur;
            break;
        }
    }
    if (posInsert != nullptr)
        m_lstControlBars.InsertBefore(posInsert, pBar);
    else
        m_lstControlBars.AddTail(pBar);

    UpdateVisibleState(TRUE);
    const int nThickness = DockAxis(IsHorizontal() != FALSE).Thickness(rectNew);
    if (nThickness > m_nRowHeight)
        m_pParentDockBar->ResizeRow(this, m_nExtraSpace + nThickness, TRUE);
    pBar->SetDockBarRow(this);
    ArrangeBars(pBar);
}

void CZAVPDockBarRow::RemoveControlBar(CZAVPControlBar* pBar)
{
    POSITION pos = m_lstControlBars.Find(pBar);
    if (pos == nullptr) return;
    pBar->StretchControlBar(kGrowAll, IsHorizontal());
    m_lstControlBars.RemoveAt(pos);
    pBar->SetDockBarRow(nullptr);

    if (IsEmpty()) {
        // The dock bar deletes the row: nothing may touch it afterwards.
        m_pParentDockBar->RemoveRow(this);
        return;
    }
    RepositionBars(TRUE, pBar);
    ExpandStretchedBars();
    UpdateVisibleState(FALSE);
    int nThickest = GetMaxBarThickness(FALSE);
    if (m_nExtraSpace > 0) nThickest += m_nExtraSpace;
    if (nThickest < m_nRowHeight) m_pParentDockBar->ResizeRow(this, nThickest, TRUE);
}

void CZAVPDockBarRow::ArrangeCompact(int nStart, int nSpacing)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    int nPos = nStart;
    for (CZAVPControlBar* pBar : Bars()) {
        if (!CountsAsVisible(pBar)) continue;
        const CRect rect = pBar->WindowRectInParent();
        const CSize sizeBase = pBar->GetBaseSize(axis.Length(rect), !IsHorizontal());
        const int nThickness = axis.Across(sizeBase) ? axis.Across(sizeBase) : axis.Thickness(rect);
        const CRect rectNew(axis.Make(nPos, axis.Length(rect), BarsCrossStart(), nThickness));
        pBar->CWnd::SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(),
                                 rectNew.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        nPos = axis.End(rectNew) + nSpacing;
    }
}

int CZAVPDockBarRow::Resize(int nOffset)
{
    m_nRowHeight += nOffset;
    for (CZAVPControlBar* pBar : Bars()) pBar->RecalcLayout();
    return nOffset;
}

void CZAVPDockBarRow::Move(int nOffset)
{
    for (CZAVPControlBar* pBar : Bars())
        pBar->MoveByAlignment(
            m_dwRowAlignment & CBRS_ORIENT_HORZ ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT, nOffset);
    m_nRowOffset += nOffset;
}

void CZAVPDockBarRow::OnResizeDockBar(CRect, int, BOOL bGrow, int)
{
    if (IsEmpty() || GetVisibleCount() == 0) return;
    CRect rect;
    GetWindowRect(rect);
    if (rect.IsRectEmpty()) return;
    // Growing gives stretched bars their length back; shrinking shifts, then shrinks from the end.
    if (bGrow)
        ExpandStretchedBars();
    else
        ArrangeBars(nullptr);
}

void CZAVPDockBarRow::UpdateVisibleState(BOOL bDelay)
{
    CWnd* pFrame = m_pParentDockBar->GetParent();
    const BOOL bFrameVisible = pFrame == nullptr || pFrame->IsWindowVisible();
    BOOL bVisible = FALSE;
    for (CZAVPControlBar* pBar : Bars()) {
        BOOL bBarVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (!bFrameVisible && pBar->IsRestoredFromRegistry())
            bBarVisible = pBar->GetRecentVisibleState();
        if (bBarVisible || m_bAllBarsCount) {
            bVisible = TRUE;
            break;
        }
    }
    if (bVisible != m_bVisible) ShowDockBarRow(bVisible, bDelay);
}

void CZAVPDockBarRow::ShowDockBarRow(BOOL bShow, BOOL bDelay)
{
    m_bVisible = bShow;
    m_pParentDockBar->OnShowRowChanged(this, bShow, !bDelay);
}

BOOL CZAVPDockBarRow::ReplaceControlBar(CZAVPControlBar* pBarOld, CZAVPControlBar* pBarNew)
{
    POSITION pos = m_lstControlBars.Find(pBarOld);
    if (pos == nullptr) return FALSE;
    m_lstControlBars.SetAt(pos, pBarNew);
    return TRUE;
}

BOOL CZAVPDockBarRow::ShowControlBar(CZAVPControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (m_lstControlBars.Find(pBar) == nullptr) return FALSE;
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    UpdateVisibleState(bDelay);
    if (bShow) {
        pBar->RecalcContentLayout();
        ArrangeBars(pBar);
    } else {
        ExpandStretchedBars();
    }
    if (!bDelay) m_pParentDockBar->AdjustDockingLayout();
    return TRUE;
}
