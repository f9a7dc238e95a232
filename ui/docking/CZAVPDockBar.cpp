// The dock bar of one frame edge (see CZAVPDockBar.h).
#include "ui/docking/CZAVPDockBar.h"

#include <cstdlib>

#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/ZAVPBarClass.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPSharedBarData.h"

IMPLEMENT_DYNCREATE(CZAVPDockBar, CZAVPBaseControlBar)

BEGIN_MESSAGE_MAP(CZAVPDockBar, CZAVPBaseControlBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_CONTEXTMENU()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const UINT kDockBarTop = 0xE81B;
const UINT kDockBarLeft = 0xE81C;
const UINT kDockBarRight = 0xE81D;
const UINT kDockBarBottom = 0xE81E;
const int kDockBarUndockSensitivity = 15;

CZAVPControlBar* AsControlBar(CObject* p) { return static_cast<CZAVPControlBar*>(p); }
}  // namespace

CZAVPDockBar::CZAVPDockBar() : m_lstControlBars(10), m_lstDockBarRows(10), m_nDockBarID(0) {}

CZAVPDockBar::~CZAVPDockBar()
{
    while (!m_lstDockBarRows.IsEmpty()) delete m_lstDockBarRows.RemoveHead();
}

CRect CZAVPDockBar::InitialRect(const CRect& rectClient, DWORD dwAlignment)
{
    CRect rect = rectClient;
    switch (dwAlignment & CBRS_ALIGN_ANY) {
    case CBRS_ALIGN_TOP: rect.bottom = rectClient.top; break;
    case CBRS_ALIGN_BOTTOM: rect.top = rectClient.bottom; break;
    case CBRS_ALIGN_LEFT: rect.right = 0; break;
    case CBRS_ALIGN_RIGHT: rect.left = rectClient.right; break;
    default: break;
    }
    return rect;
}

UINT CZAVPDockBar::DockBarIdFor(DWORD dwAlignment)
{
    switch (dwAlignment & CBRS_ALIGN_ANY) {
    case CBRS_ALIGN_TOP: return kDockBarTop;
    case CBRS_ALIGN_BOTTOM: return kDockBarBottom;
    case CBRS_ALIGN_LEFT: return kDockBarLeft;
    case CBRS_ALIGN_RIGHT: return kDockBarRight;
    default: return 0;
    }
}

BOOL CZAVPDockBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                          DWORD dwControlBarStyle)
{
    return CreateEx(0, nullptr, nullptr, dwStyle, rect, pParentWnd, 0, dwControlBarStyle);
}

BOOL CZAVPDockBar::CreateEx(DWORD, LPCSTR, LPCSTR, DWORD dwStyle, const RECT&, CWnd* pParentWnd,
                            UINT, DWORD dwControlBarStyle, CCreateContext*)
{
    EnableDocking(GetEnabledAlignment() | (dwStyle & CBRS_ALIGN_ANY));
    SetBarAlignment(dwStyle);
    m_dwStyle |= dwStyle & CBRS_ALL;
    const DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS |
                                WS_CLIPCHILDREN;
    const CString strClass = ZAVPBarClass::TryRegister("ZAVDockBar");
    if (strClass.IsEmpty()) return FALSE;
    CRect rectClient;
    if (pParentWnd != nullptr) pParentWnd->GetClientRect(rectClient);
    const CRect rect = InitialRect(rectClient, GetCurrentAlignment());
    m_nDockBarID = DockBarIdFor(GetCurrentAlignment());
    m_pDockSite = pParentWnd && pParentWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pParentWnd)
                                                         : nullptr;
    m_bIsDlgControl = pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CDialog));
    m_dwControlBarStyle = dwControlBarStyle;
    return CWnd::CreateEx(0, strClass, nullptr, dwWindowStyle, rect, pParentWnd, m_nDockBarID);
}

BOOL CZAVPDockBar::CanAcceptBar(const CZAVPBaseControlBar* pBar) const
{
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar));
}

void CZAVPDockBar::RecalcContentLayout()
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        AsControlBar(m_lstControlBars.GetNext(pos))->RecalcContentLayout();
}

BOOL CZAVPDockBar::IsDragMode() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (p->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) && AsControlBar(p)->IsDragMode())
            return TRUE;
    }
    return FALSE;
}

CSize CZAVPDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const DockAxis axis(IsHorizontal() != FALSE);
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos));
        if (!pRow->IsVisible() || pRow->IsEmpty()) continue;
        const int nNeeded = axis.Across(pRow->CalcFixedLayout(bStretch, bHorz));
        if (nNeeded != pRow->GetRowHeight() && nNeeded >= 1) ResizeRow(pRow, nNeeded, FALSE);
    }
    CRect rect;
    GetWindowRect(rect);
    return rect.Size();
}

void CZAVPDockBar::AdjustDockingLayout(HDWP)
{
    // The frame re-lays out only when it is not already doing so.
    AdjustFrameLayout(GetParent(), nullptr);
}

// ---- rows

CZAVPDockBarRow* CZAVPDockBar::CreateRow(POSITION, int nOffset, int nRowHeight)
{
    CZAVPDockBarRow* pRow = new CZAVPDockBarRow(this, nOffset, nRowHeight);
    if (!pRow->Create()) {
        delete pRow;
        return nullptr;
    }
    return pRow;
}

CZAVPDockBarRow* CZAVPDockBar::AddRow(POSITION posBefore, int nRowHeight)
{
    int nOffset = 0;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != posBefore && pos != nullptr;) {
        CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos));
        if (pRow->IsVisible()) nOffset += pRow->GetRowHeight();
    }
    ResizeDockBar(nRowHeight, TRUE);
    CZAVPDockBarRow* pRow = CreateRow(posBefore, nOffset, nRowHeight);
    if (pRow == nullptr) return nullptr;
    if (posBefore != nullptr) {
        POSITION posNew = m_lstDockBarRows.InsertBefore(posBefore, pRow);
        ShiftRowsAfter(posNew);
    } else {
        m_lstDockBarRows.AddTail(pRow);
    }
    return pRow;
}

void CZAVPDockBar::RemoveRow(CZAVPDockBarRow* pRow)
{
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == nullptr) return;
    if (pRow->IsVisible()) ResizeDockBar(-pRow->GetRowHeight(), TRUE);
    ShiftRowsBack(pos, FALSE);
    m_lstDockBarRows.RemoveAt(pos);
    delete pRow;
}

void CZAVPDockBar::ShiftRowsAfter(POSITION pos)
{
    CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetAt(pos));
    const int nDelta = pRow->GetRowHeight();
    m_lstDockBarRows.GetNext(pos);
    while (pos != nullptr)
        static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos))->Move(nDelta);
}

void CZAVPDockBar::ShiftRowsBack(POSITION pos, BOOL bForce)
{
    CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetAt(pos));
    if (!pRow->IsVisible() && !bForce) return;
    const int nDelta = -pRow->GetRowHeight();
    m_lstDockBarRows.GetNext(pos);
    while (pos != nullptr)
        static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos))->Move(nDelta);
}

int CZAVPDockBar::ResizeRowBy(CZAVPDockBarRow* pRow, int nDelta)
{
    const int nChange = pRow->Resize(nDelta);
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == nullptr) return nChange;
    m_lstDockBarRows.GetNext(pos);
    while (pos != nullptr)
        static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos))->Move(nChange);
    return nChange;
}

int CZAVPDockBar::ResizeRow(CZAVPDockBarRow* pRow, int nNewHeight, BOOL bAdjustLayout)
{
    const int nDelta = nNewHeight - pRow->GetRowHeight();
    if (nDelta == 0) return 0;
    if (nDelta < 0 && !pRow->IsEmpty()) {
        const DockAxis axis(IsHorizontal() != FALSE);
        const int nRequired = axis.Across(pRow->CalcFixedLayout(TRUE, IsHorizontal()));
        if (nNewHeight < nRequired) return 0;
    }
    const int nChange = ResizeRowBy(pRow, nDelta);
    if (pRow->IsVisible()) ResizeDockBar(nChange, bAdjustLayout);
    return nChange;
}

void CZAVPDockBar::ResizeDockBar(int nDelta, BOOL bAdjustLayout)
{
    CRect rect;
    GetWindowRect(rect);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(rect);
    switch (GetCurrentAlignment()) {
    case CBRS_ALIGN_TOP: rect.bottom += nDelta; break;
    case CBRS_ALIGN_BOTTOM: rect.top -= nDelta; break;
    case CBRS_ALIGN_LEFT: rect.right += nDelta; break;
    case CBRS_ALIGN_RIGHT: rect.left -= nDelta; break;
    default: break;
    }
    CZAVPBaseControlBar::MoveWindow(rect, TRUE, nullptr);
    if (bAdjustLayout) AdjustDockingLayout();
}

void CZAVPDockBar::OnShowRow(POSITION pos, BOOL bShow)
{
    if (bShow)
        ShiftRowsAfter(pos);
    else
        ShiftRowsBack(pos, TRUE);
}

void CZAVPDockBar::OnShowRowChanged(CZAVPDockBarRow* pRow, BOOL bShow, BOOL bAdjustLayout)
{
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == nullptr) return;
    OnShowRow(pos, bShow);
    ResizeDockBar(bShow ? pRow->GetRowHeight() : -pRow->GetRowHeight(), bAdjustLayout);
}

CZAVPDockBarRow* CZAVPDockBar::FindRowByBar(const CZAVPBaseControlBar* pBar) const
{
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos));
        if (pRow->GetControlBars().Find(const_cast<CZAVPBaseControlBar*>(pBar)) != nullptr)
            return pRow;
    }
    return nullptr;
}

int CZAVPDockBar::GetRowIndex(const CZAVPDockBarRow* pRow) const
{
    int nIndex = 0;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr; ++nIndex)
        if (m_lstDockBarRows.GetNext(pos) == pRow) return nIndex;
    return 0;
}

CZAVPBaseControlBar* CZAVPDockBar::FindBarByID(UINT nID) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = static_cast<CZAVPBaseControlBar*>(
            m_lstControlBars.GetNext(pos));
        if ((UINT)pBar->GetDlgCtrlID() == nID) return pBar;
    }
    return nullptr;
}

CZAVPDockBarRow* CZAVPDockBar::RowFromPoint(CPoint pt, BOOL& bBefore) const
{
    bBefore = FALSE;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos));
        if (!pRow->IsVisible()) continue;
        CRect rect;
        pRow->GetWindowRect(rect);
        if (rect.PtInRect(pt)) return pRow;
    }
    CRect rectWnd;
    GetWindowRect(rectWnd);
    const DockAxis axis(IsHorizontal() != FALSE);
    bBefore = axis.Across(pt) < axis.CrossStart(rectWnd);
    return nullptr;
}

CZAVPDockBarRow* CZAVPDockBar::RowFromRect(CRect rect) const
{
    CPoint pt = rect.TopLeft();
    ClientToScreen(&pt);
    BOOL bBefore = FALSE;
    return RowFromPoint(pt, bBefore);
}

// ---- docking

BOOL CZAVPDockBar::DockControlBar(CZAVPBaseControlBar* pBarToDock, int nDockMethod, LPCRECT lpRect)
{
    if (pBarToDock == nullptr || !pBarToDock->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)))
        return FALSE;
    CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pBarToDock);
    CRect rectDock;
    if (lpRect != nullptr) rectDock = *lpRect;
    const BOOL bHorz = IsHorizontal();
    const DockAxis axis(bHorz != FALSE);
    const CSize sizeBefore = pBar->CalcFixedLayout(FALSE, bHorz);
    const int nThickness = axis.Across(sizeBefore);
    if (m_lstControlBars.Find(pBar) != nullptr) return TRUE;

    CZAVPDockBarRow* pRow = nullptr;
    const CZAVPRecentDockInfo& recent = pBar->GetRecentDockInfo();
    if (nDockMethod == ZAVP_DM_MOUSE) {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        BOOL bBefore = FALSE;
        pRow = RowFromPoint(ptCursor, bBefore);
        if (pRow == nullptr)
            pRow = AddRow(bBefore ? m_lstDockBarRows.GetHeadPosition() : nullptr, nThickness);
    } else if (nDockMethod == ZAVP_DM_RECENT || nDockMethod == ZAVP_DM_RECT) {
        if (nDockMethod == ZAVP_DM_RECENT && recent.m_pRecentDockBarRow != nullptr &&
            m_lstDockBarRows.Find(recent.m_pRecentDockBarRow) != nullptr)
        {
            pRow = recent.m_pRecentDockBarRow;
            rectDock = recent.m_rectDockedRect;
            ClientToScreen(rectDock);
        } else {
            const int nIndex = recent.m_nRecentRowIndex;
            const int nRows = (int)m_lstDockBarRows.GetCount();
            if (CZAVPDockManager::m_bRestoringDockState && nIndex >= nRows) {
                // A stored index adds at most one row: one the bar can stand in, never a run
                // of empty rows up to a number read from the registry.
                pRow = AddRow(nullptr, nThickness);
            } else if (nIndex >= 0 && nIndex < nRows) {
                if (nDockMethod == ZAVP_DM_RECENT || CZAVPDockManager::m_bRestoringDockState)
                    pRow = static_cast<CZAVPDockBarRow*>(
                        m_lstDockBarRows.GetAt(m_lstDockBarRows.FindIndex(nIndex)));
                else if (lpRect != nullptr) {
                    BOOL bBefore = FALSE;  // the rectangle is on the screen
                    pRow = RowFromPoint(CPoint(lpRect->left, lpRect->top), bBefore);
                }
            } else if (nDockMethod == ZAVP_DM_RECENT && !recent.m_rectDockedRect.IsRectEmpty()) {
                pRow = RowFromRect(recent.m_rectDockedRect);
            }
            if (pRow == nullptr) pRow = AddRow(nullptr, nThickness);
            if (nDockMethod == ZAVP_DM_RECENT || lpRect == nullptr) {
                rectDock = recent.m_rectDockedRect;
                ClientToScreen(rectDock);
            }
        }
    } else {
        pRow = AddRow(nullptr, nThickness);
    }
    if (pRow == nullptr) return FALSE;

    pRow->AddControlBar(pBar, nDockMethod, rectDock.IsRectEmpty() ? nullptr : (LPCRECT)rectDock,
                        FALSE);
    // Placed in its row, the bar may lay itself out anew (a toolbar wraps to the row's length):
    // the row takes its new thickness, thinner as well as thicker; the row refuses to become
    // thinner than its other bars need.
    const CSize sizeAfter = pBar->CalcFixedLayout(FALSE, bHorz);
    if (sizeAfter != sizeBefore) ResizeRow(pRow, axis.Across(sizeAfter), TRUE);
    m_lstControlBars.AddTail(pBar);
    AdjustDockingLayout();
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CZAVPDockBar::DockControlBarLeftOf(CZAVPControlBar* pBar, CZAVPControlBar* pLeftOf)
{
    CZAVPDockBarRow* pRow = FindRowByBar(pLeftOf);
    if (pRow == nullptr) return FALSE;
    const DockAxis axis(IsHorizontal() != FALSE);
    const CRect rectExisting = pLeftOf->WindowRectInParent();
    const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    const int kGapBefore = 10;
    CRect rect(axis.Make(axis.Start(rectExisting) - axis.Along(size) - kGapBefore, axis.Along(size),
                         axis.CrossStart(rectExisting), axis.Thickness(rectExisting)));
    if (pBar->GetParent() != this) pBar->ChangeParent(this, ZAVP_DM_RECT);
    pBar->SetParentDockBar(this, ZAVP_DM_RECT);
    ClientToScreen(rect);
    pRow->m_bAllBarsCount = TRUE;
    pRow->AddControlBar(pBar, ZAVP_DM_RECT, rect, FALSE);
    pRow->m_bAllBarsCount = FALSE;
    POSITION pos = m_lstControlBars.Find(pLeftOf);
    m_lstControlBars.InsertBefore(pos, pBar);
    AdjustDockingLayout();
    UpdateVirtualRects();
    return TRUE;
}

BOOL CZAVPDockBar::RemoveControlBar(CZAVPBaseControlBar* pBar, DWORD)
{
    POSITION pos = m_lstControlBars.Find(pBar);
    if (pos == nullptr) return FALSE;
    m_lstControlBars.RemoveAt(pos);
    if (CZAVPDockBarRow* pRow = FindRowByBar(pBar))
        pRow->RemoveControlBar(static_cast<CZAVPControlBar*>(pBar));
    pBar->SetParentDockBarLink(nullptr);
    return TRUE;
}

BOOL CZAVPDockBar::MoveControlBar(CZAVPControlBar* pBar, UINT, int dx, int dy)
{
    CZAVPDockBarRow* pRowCurrent = FindRowByBar(pBar);
    if (pRowCurrent == nullptr) return FALSE;
    CZAVPDockBar* pDockBarUnder = nullptr;
    if (pBar->CheckUndock(kDockBarUndockSensitivity, pDockBarUnder)) {
        CRect rectFloat = pBar->GetFullRect();
        GetParent()->ClientToScreen(rectFloat);
        rectFloat.OffsetRect(dx, dy);
        if (pBar->FloatControlBar(rectFloat, ZAVP_DM_MOUSE, TRUE)) return TRUE;
    }
    const DockAxis axis(IsHorizontal() != FALSE);
    // R: the bar's full-size rectangle, on screen, moved by the mouse; W: its row.
    CRect R = pBar->GetFullRect();
    ClientToScreen(R);
    R.OffsetRect(dx, dy);
    CRect W;
    pRowCurrent->GetWindowRect(W);
    const int nDistance = std::min<int>(axis.CrossEnd(W) - axis.CrossEnd(R),
                                        axis.CrossStart(W) - axis.CrossStart(R));
    const int nThickness = axis.Thickness(R);
    if (std::abs(nDistance) > 2 * nThickness / 3) {
        BOOL bBefore = FALSE;
        CZAVPDockBarRow* pRowUnder = RowFromPoint(R.CenterPoint(), bBefore);
        if (pRowCurrent->GetControlBars().GetCount() > 1 && nDistance < pRowCurrent->GetRowHeight())
        {
            POSITION posCurrent = m_lstDockBarRows.Find(pRowCurrent);
            POSITION posBefore = posCurrent;
            if (nDistance < 0) {
                // Before the next visible row, or at the end.
                m_lstDockBarRows.GetNext(posBefore);
                while (
                    posBefore != nullptr &&
                    !static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetAt(posBefore))->IsVisible())
                    m_lstDockBarRows.GetNext(posBefore);
            }
            pRowCurrent->RemoveControlBar(pBar);
            CZAVPDockBarRow* pNewRow = AddRow(posBefore, nThickness);
            if (pNewRow != nullptr) pNewRow->AddControlBarFromPoint(pBar, ZAVP_DM_MOUSE);
            AdjustDockingLayout();
            return FALSE;
        }
        if (pRowUnder != nullptr && pRowUnder != pRowCurrent) {
            pRowCurrent->RemoveControlBar(pBar);
            pRowUnder->AddControlBarFromPoint(pBar, ZAVP_DM_MOUSE);
            AdjustDockingLayout();
            return FALSE;
        }
    }
    if (std::abs(nDistance) < axis.Thickness(W)) pRowCurrent->MoveControlBar(pBar, dx, dy, TRUE);
    return FALSE;
}

void CZAVPDockBar::OnSizeDockBar(CRect rectNew)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const int dx = rectNew.Width() - rectClient.Width();
    const int dy = rectNew.Height() - rectClient.Height();
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockBarRow* pRow = static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos));
        if (dx == 0 && dy == 0) pRow->RestoreLayout();
        if (dx != 0) pRow->OnResizeDockBar(rectNew, 2, dx > 0, std::abs(dx));
        if (dy != 0) pRow->OnResizeDockBar(rectNew, 6, dy > 0, std::abs(dy));
    }
}

void CZAVPDockBar::UpdateVirtualRects()
{
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != nullptr;)
        static_cast<CZAVPDockBarRow*>(m_lstDockBarRows.GetNext(pos))->RepositionBars(FALSE, nullptr);
}

BOOL CZAVPDockBar::ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    CZAVPDockBarRow* pRow = FindRowByBar(pBar);
    return pRow != nullptr &&
           pRow->ShowControlBar(static_cast<CZAVPControlBar*>(pBar), bShow, bDelay);
}

CZAVPBaseControlBar* CZAVPDockBar::ControlBarFromPoint(int x, int y) const
{
    const CPoint pt(x, y);
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = static_cast<CZAVPBaseControlBar*>(
            m_lstControlBars.GetNext(pos));
        CRect rect;
        pBar->GetWindowRect(rect);
        if (rect.PtInRect(pt)) return pBar;
    }
    return nullptr;
}

void CZAVPDockBar::SetWindowPosByRect(const CWnd* pWndInsertAfter, const CRect& rect, UINT nFlags)
{
    CZAVPBaseControlBar::SetWindowPos(pWndInsertAfter, rect.left, rect.top, rect.Width(),
                                      rect.Height(), nFlags | SWP_NOACTIVATE, nullptr);
}

// ---- messages

void CZAVPDockBar::OnPaint() { CPaintDC dc(this); }

BOOL CZAVPDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rect, rect, FALSE);
    return TRUE;
}

void CZAVPDockBar::OnSize(UINT, int, int) {}

void CZAVPDockBar::OnContextMenu(CWnd*, CPoint point)
{
    if (ZAVPSharedBarData::g_bCustomizeMode || IsDragMode()) return;
    static const UINT s_nPopupMenu = ZAVPRegisteredMessages::Register("ZAVTOOLBAR_POPUPMENU");
    CWnd* pFrame = AfxGetMainWnd();
    if (pFrame == nullptr) pFrame = GetTopLevelFrame();
    if (pFrame != nullptr) pFrame->SendMessage(s_nPopupMenu, 0, MAKELPARAM(point.x, point.y));
}

void CZAVPDockBar::OnDestroy()
{
    if (CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(GetParent()))
        pManager->RemoveControlBarFromDockManager(this, FALSE, FALSE, FALSE);
    CZAVPBaseControlBar::OnDestroy();
}

void CZAVPDockBar::PostNcDestroy()
{
    // A dock bar owns itself once its window exists.
    delete this;
}
