// The draggable, dockable control bar (see CZAVPControlBar.h).
#include "ui/docking/CZAVPControlBar.h"

#include <cstring>
#include <limits>
#include <new>

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/ZAVPBarClass.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPSharedBarData.h"

IMPLEMENT_DYNAMIC(CZAVPControlBar, CZAVPBaseControlBar)

BEGIN_MESSAGE_MAP(CZAVPControlBar, CZAVPBaseControlBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_CHAR()
ON_WM_CONTEXTMENU()
ON_WM_NCDESTROY()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const char kSection[] = "ZAVControlBars";
const char kKeyName[] = "ZAVPControlBar";  // "%sZAVPControlBar-%d"
const int kDefaultMRUWidth = 32767;
const int kUndockSensitivity = 15;
// A floating bar's mini frame stays this far within the work area.
const int kFloatMargin = 16;
}  // namespace

CZAVPControlBar::CZAVPControlBar()
    : m_dwReserved(0), m_bFlag1(TRUE), m_bFlag2(TRUE), m_bFlagA(TRUE), m_nCount(0),
      m_pData(nullptr), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2),
      m_cyBottomBorder(2), m_cxDefaultGap(2), m_nMRUWidth(kDefaultMRUWidth), m_nSavedID(0),
      m_bReDocking(FALSE), m_bDragMode(FALSE), m_pMiniFrameRTC(RUNTIME_CLASS(CZAVPMiniFrameWnd)),
      m_hwndMiniFrameToBeClosed(nullptr), m_bFlagB(FALSE), m_bPinState(FALSE), m_sizeMin(1, 1),
      m_bRecentFloatingState(FALSE), m_bClickForwarded(FALSE)
{
}

CZAVPControlBar::~CZAVPControlBar()
{
    // Deleted with its window still there, the bar lets its window go while it still is a control
    // bar: its WM_DESTROY takes it out of its row and the dock manager's lists. Left to the base
    // destructor, the window would go without those handlers and the lists would keep a pointer
    // to freed memory.
    if (m_hWnd != nullptr) DestroyWindow();
    delete[] m_pData;
}

BOOL CZAVPControlBar::Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                             CWnd* pParentWnd, UINT nID, DWORD dwControlBarStyle)
{
    return CreateEx(0, nullptr, lpszWindowName, dwStyle, rect, pParentWnd, nID, dwControlBarStyle);
}

BOOL CZAVPControlBar::CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                               DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                               DWORD dwControlBarStyle, CCreateContext* pContext)
{
    const CString strClass = lpszClassName ? CString(lpszClassName)
                                           : ZAVPBarClass::TryRegister("ZAVControlBar");
    if (strClass.IsEmpty()) return FALSE;
    m_nSavedID = nID;
    if (!CZAVPBaseControlBar::CreateEx(dwStyleEx, strClass, lpszWindowName,
                                       dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect,
                                       pParentWnd, nID, dwControlBarStyle, pContext))
        return FALSE;
    CRect rectScreen(rect);
    if (pParentWnd != nullptr) pParentWnd->ClientToScreen(rectScreen);
    if (m_recentDockInfo.m_rectDockedRect.IsRectEmpty()) m_recentDockInfo.m_rectDockedRect = rect;
    // A bar made at a size floats first at that size, where the drag or the double click puts
    // it; one made without a size (a toolbar fits its frame to its buttons) keeps the small
    // placeholder.
    if (!rectScreen.IsRectEmpty()) m_recentDockInfo.m_rectRecentFloatingRect = rectScreen;
    UpdateFullRect();
    m_dragFrameImpl.Attach(this);
    return TRUE;
}

// ---- sizes

int CZAVPControlBar::GetAvailableExpandSize() const
{
    const DockAxis axis(IsHorizontal() != FALSE);
    const CRect rectWnd = WindowRectInParent();
    const int nExpand = axis.Length(m_rectVirtual) - axis.Length(rectWnd);
    return nExpand > 0 ? nExpand : 0;
}

int CZAVPControlBar::GetAvailableShrinkSize() const
{
    const DockAxis axis(IsHorizontal() != FALSE);
    const int nShrink = axis.Length(WindowRectInParent()) - axis.Along(GetMinSize());
    return nShrink > 0 ? nShrink : 0;
}

int CZAVPControlBar::StretchControlBar(int nLength, BOOL bHorz)
{
    if (nLength > 0)
        nLength = std::min(nLength, GetAvailableExpandSize());
    else if (nLength < 0)
        nLength = std::max(nLength, -GetAvailableShrinkSize());
    OnBeforeStretch(nLength);
    if (nLength == 0) return 0;
    const DockAxis axis(bHorz != FALSE);
    CRect rect = WindowRectInParent();
    axis.SetEnd(rect, axis.End(rect) + nLength);
    CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    // The full-size rectangle follows the bar's start and keeps its length.
    axis.OffsetAlong(m_rectVirtual, axis.Start(rect) - axis.Start(m_rectVirtual));
    OnAfterStretch(nLength);
    return nLength;
}

CWnd* CZAVPControlBar::MoveInRow(CRect rect, BOOL bRepaint, CRect& rectNew)
{
    rectNew = ToParent(rect);
    const DockAxis axis(IsHorizontal() != FALSE);
    if (axis.Length(rectNew) < axis.Along(GetMinSize()))
        axis.SetEnd(rectNew, axis.Start(rectNew) + axis.Along(GetMinSize()));
    CWnd::MoveWindow(rectNew, bRepaint);
    return this;
}

void CZAVPControlBar::CalcSizeDelta(CRect& rect, CSize& sizeDelta) const
{
    const CSize sizeMin = GetMinSize();
    if (rect.Width() < sizeMin.cx) rect.right = rect.left + sizeMin.cx;
    if (rect.Height() < sizeMin.cy) rect.bottom = rect.top + sizeMin.cy;
    CRect rectWnd;
    GetWindowRect(rectWnd);
    sizeDelta = CSize(rect.Width() - rectWnd.Width(), rect.Height() - rectWnd.Height());
}

void CZAVPControlBar::AdjustLayout()
{
    const CSize size = CalcFixedLayout(FALSE, IsHorizontal());
    CRect rect = WindowRectInParent();
    if (rect.Size() != size)
        CWnd::SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateFullRect();
    if (m_pDockBarRow != nullptr) m_pDockBarRow->ArrangeBars(this);
    AdjustDockingLayout();
}

void CZAVPControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CZAVPControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const DockLayout::BarBorders borders{m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder,
                                         m_cyBottomBorder};
    DockLayout::CalcInsideRect(rect, bHorz, m_dwStyle, IsFloating() || IsTabbed(), borders);
}

BOOL CZAVPControlBar::AllocateElements(int nCount, int nSize)
{
    if (nCount < 0 || nSize < 0) return FALSE;
    // The product must fit the allocator's size and an int count of bytes.
    if (nSize != 0 && (size_t)nCount > (size_t)std::numeric_limits<int>::max() / (size_t)nSize)
        return FALSE;
    const size_t nBytes = (size_t)nCount * (size_t)nSize;
    BYTE* pData = nullptr;
    if (nBytes != 0) {
        pData = new (std::nothrow) BYTE[nBytes];
        if (pData == nullptr) return FALSE;
        std::memset(pData, 0, nBytes);
    }
    delete[] m_pData;
    m_pData = pData;
    m_nCount = nCount;
    return TRUE;
}

void CZAVPControlBar::UpdateFullRect()
{
    if (m_hWnd == nullptr) return;
    m_rectVirtual = WindowRectInParent();
}

void CZAVPControlBar::MoveByAlignment(DWORD dwAlignment, int nOffset)
{
    CRect rect = WindowRectInParent();
    const bool bAlongX = (dwAlignment & CBRS_ORIENT_VERT) != 0;
    const int dx = bAlongX ? nOffset : 0;
    const int dy = bAlongX ? 0 : nOffset;
    rect.OffsetRect(dx, dy);
    m_rectVirtual.OffsetRect(dx, dy);
    CWnd::SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CZAVPControlBar::IsLeftOf(CRect rect) const
{
    const DockAxis axis(IsHorizontal() != FALSE);
    const CRect rectWnd = WindowRectInParent();
    return axis.Start(rect) + axis.Length(rect) / 2 <
           axis.Start(rectWnd) + axis.Length(rectWnd) / 2;
}

CRect CZAVPControlBar::ToParent(CRect rect) const
{
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(rect);
    return rect;
}

CRect CZAVPControlBar::WindowRectInParent() const
{
    CRect rect;
    if (m_hWnd == nullptr) return rect;
    GetWindowRect(rect);
    return ToParent(rect);
}

// ---- docking

BOOL CZAVPControlBar::CanBeDocked(CZAVPBaseControlBar* pDockBar) const
{
    return pDockBar != nullptr && (pDockBar->GetCurrentAlignment() & GetEnabledAlignment()) != 0;
}

void CZAVPControlBar::SetParentDockBar(CZAVPDockBar* pDockBar, int)
{
    m_pParentDockBar = pDockBar;
    m_dwStyle = (m_dwStyle & ~CBRS_FLOATING) | CBRS_BORDER_ANY;
    if (pDockBar != nullptr) SetBarAlignment(pDockBar->GetCurrentAlignment());
}

BOOL CZAVPControlBar::DockByMouse(CZAVPBaseControlBar* pDockBar)
{
    if (!OnBeforeDock(pDockBar, nullptr, ZAVP_DM_MOUSE)) return FALSE;
    if (!Dock(pDockBar, nullptr, ZAVP_DM_MOUSE)) return FALSE;
    OnAfterDock(pDockBar, nullptr, ZAVP_DM_MOUSE);
    return TRUE;
}

BOOL CZAVPControlBar::DockControlBar(CZAVPBaseControlBar* pDockBar, int nDockMethod, LPCRECT lpRect)
{
    if (!OnBeforeDock(pDockBar, lpRect, nDockMethod)) return FALSE;
    if (!Dock(pDockBar, lpRect, nDockMethod)) return FALSE;
    OnAfterDock(pDockBar, lpRect, nDockMethod);
    return TRUE;
}

BOOL CZAVPControlBar::OnBeforeDock(CZAVPBaseControlBar*&, LPCRECT, int)
{
    if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        m_bPinState = pMiniFrame->GetPinState();
    return TRUE;
}

BOOL CZAVPControlBar::Dock(CZAVPBaseControlBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (nDockMethod == ZAVP_DM_RECENT && pDockBar == nullptr) {
        // Back to the recent dock bar while the frame still has it; else anywhere it fits.
        CZAVPDockManager* pManager = GetDockManager();
        CZAVPDockBar* pRecent = m_recentDockInfo.m_pRecentDockBar;
        if (pRecent != nullptr && pManager != nullptr && pManager->IsDockBarListed(pRecent))
            pDockBar = pRecent;
        else {
            if (pManager != nullptr) pManager->DockControlBar(this, 0, nullptr);
            return TRUE;
        }
    }
    if (pDockBar == nullptr || !pDockBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) ||
        !CanBeDocked(pDockBar) || !pDockBar->CanAcceptBar(this))
        return FALSE;
    CZAVPDockBar* pTarget = static_cast<CZAVPDockBar*>(pDockBar);
    if (GetParent() != pTarget) ChangeParent(pTarget, nDockMethod);
    SetParentDockBar(pTarget, nDockMethod);
    return pTarget->DockControlBar(this, nDockMethod, lpRect);
}

void CZAVPControlBar::ChangeParent(CWnd* pNewParent, int nDockMethod)
{
    CWnd* pOldParent = GetParent();
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame == pNewParent) pMiniFrame = nullptr;
    // The mini frame lets the bar go here (see OnBeforeChangeParent).
    OnBeforeChangeParent(pNewParent, FALSE);
    if (pMiniFrame != nullptr) {
        // A bar docked by the mouse remembers its frame as the window to close when its drag
        // ends; the frame's own move, if any, ends now.
        if (nDockMethod == ZAVP_DM_MOUSE && m_hwndMiniFrameToBeClosed == nullptr)
            m_hwndMiniFrameToBeClosed = pMiniFrame->GetSafeHwnd();
        pMiniFrame->SendMessage(WM_LBUTTONUP);
    }
    SetParent(pNewParent);
    OnAfterChangeParent(pOldParent);
}

void CZAVPControlBar::OnBeforeChangeParent(CWnd* pWndNewParent, BOOL)
{
    if (m_pParentDockBar != nullptr) m_pParentDockBar->RemoveControlBar(this, FALSE);
    // Leaving a mini frame: the frame lets the bar go without destroying itself now.
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != nullptr && pMiniFrame != pWndNewParent)
        pMiniFrame->RemoveControlBar(this, FALSE, FALSE);
}

void CZAVPControlBar::OnAfterChangeParent(CWnd*)
{
    UpdateFullRect();
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CZAVPDockBar))) {
        m_pParentDockBar = nullptr;
        m_pDockBarRow = nullptr;
    }
}

void CZAVPControlBar::UndockControlBar(BOOL bDelay)
{
    if (m_pParentDockBar == nullptr) return;
    m_pParentDockBar->RemoveControlBar(this, FALSE);
    m_pParentDockBar = nullptr;
    if (!bDelay) AdjustDockingLayout();
}

CZAVPMiniFrameWnd* CZAVPControlBar::CreateDefaultMiniFrame(CRect rectInitial)
{
    CRuntimeClass* pClass = m_pMiniFrameRTC != nullptr ? m_pMiniFrameRTC
                                                       : RUNTIME_CLASS(CZAVPMiniFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr) return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(pObject);
    CString strText;
    GetWindowText(strText);
    CWnd* pOwner = m_pDockSite;
    if (pOwner == nullptr) pOwner = GetTopLevelFrame();
    if (!pMiniFrame->CreateEx(0, strText, WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rectInitial,
                              pOwner))
    {
        // A window that exists deletes its object itself when destroyed.
        if (pMiniFrame->GetSafeHwnd() != nullptr)
            pMiniFrame->DestroyWindow();
        else
            delete pMiniFrame;
        return nullptr;
    }
    return pMiniFrame;
}

BOOL CZAVPControlBar::FloatControlBar(CRect rect, int nDockMethod, BOOL bShow)
{
    if (!CanFloat() || IsFloating()) return FALSE;
    CRect rectMiniFrame;
    GetWindowRect(rectMiniFrame);
    const CRect margins(kFloatMargin, kFloatMargin, kFloatMargin, kFloatMargin);
    CZAVPDockingUtils::KeepRectOnScreen(rectMiniFrame, &margins);
    // Floating needs a mini frame of the bar's kind; without one the bar stays where it is.
    CZAVPMiniFrameWnd* pMiniFrame = CreateDefaultMiniFrame(rectMiniFrame);
    if (pMiniFrame == nullptr) return FALSE;
    // Docking back (a double click on the caption) returns the bar to where it was.
    if (m_pParentDockBar != nullptr) StoreRecentDockInfo();
    OnBeforeChangeParent(pMiniFrame, FALSE);
    const BOOL bByMouse = nDockMethod == ZAVP_DM_MOUSE;
    // A drag by the mouse ends here for the bar: the mini frame takes it over.
    if (bByMouse && m_drag.IsActive()) SendMessage(WM_LBUTTONUP);
    UndockControlBar(TRUE);
    ChangeParent(pMiniFrame, nDockMethod);
    pMiniFrame->AddControlBar(this);
    m_dwStyle |= CBRS_FLOATING;
    OnAfterFloat();
    // The frame takes the bar's floating size around it.
    pMiniFrame->OnBarRecalcLayout();
    // A toolbar's frame fits its layout; a pane's frame takes the floating rectangle's size.
    if (!rect.IsRectEmpty())
        pMiniFrame->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                 (IsResizable() ? 0 : SWP_NOSIZE) | SWP_NOZORDER | SWP_NOACTIVATE);
    if (bByMouse) {
        // The cursor stays over the caption (its middle when it would fall outside).
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        CRect rectWindow, rectCaption;
        pMiniFrame->GetWindowRect(rectWindow);
        pMiniFrame->GetCaptionRect(rectCaption);
        rectCaption.OffsetRect(rectWindow.TopLeft());
        if (!rectCaption.PtInRect(ptCursor))
            pMiniFrame->SetWindowPos(
                nullptr,
                ptCursor.x - rectCaption.Width() / 2 - (rectCaption.left - rectWindow.left),
                ptCursor.y - rectCaption.Height() / 2 - (rectCaption.top - rectWindow.top), 0, 0,
                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The frame goes on with the drag (an outline in standard mode).
        if (GetDockMode() == ZAVP_DOCK_IMMEDIATE) pMiniFrame->SkipNextMouseMove();
        pMiniFrame->EnterDragMode(nullptr);
    }
    if (bShow) {
        ShowWindow(SW_SHOWNOACTIVATE);
        pMiniFrame->ShowWindow(SW_SHOWNOACTIVATE);
        pMiniFrame->RedrawWindow(nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    AdjustDockingLayout();
    return TRUE;
}

void CZAVPControlBar::RecalcLayout()
{
    if (!IsFloating()) {
        UpdateFullRect();
        return;
    }
    if (IsTabbed()) return;
    if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE)) pMiniFrame->RecalcLayout();
}

void CZAVPControlBar::OnAfterFloat()
{
    SetBarAlignment(CBRS_ALIGN_TOP);
    if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
        pMiniFrame->SetPinState(m_bPinState);
}

CZAVPControlBar* CZAVPControlBar::DockByMouseMove(BOOL& bResult)
{
    bResult = FALSE;
    return this;
}

BOOL CZAVPControlBar::CheckUndock(int nSensitivity, CZAVPDockBar*& pDockBarOut)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CZAVPBaseControlBar* pFound = ControlBarFromPoint(ptCursor, nSensitivity, TRUE,
                                                      RUNTIME_CLASS(CZAVPDockBar));
    pDockBarOut = static_cast<CZAVPDockBar*>(pFound);
    if (IsFloating()) {
        // A floating bar docks when the cursor comes within the sensitivity of a dock bar that
        // takes it (an empty side's dock bar has no thickness of its own).
        pFound = ControlBarFromPoint(ptCursor, nSensitivity, FALSE, RUNTIME_CLASS(CZAVPDockBar));
        pDockBarOut = static_cast<CZAVPDockBar*>(pFound);
        return pDockBarOut != nullptr && CanBeDocked(pDockBarOut) &&
               pDockBarOut->CanAcceptBar(this);
    }
    if (IsDocked() && m_pParentDockBar != nullptr) {
        CRect rectBar, rectDockBar, rectCommon;
        GetWindowRect(rectBar);
        m_pParentDockBar->GetWindowRect(rectDockBar);
        if (!rectCommon.IntersectRect(rectBar, rectDockBar)) return TRUE;
        // Out across the dock bar's outer... or inner side by more than twice the sensitivity.
        const DockAxis axis(IsHorizontal() != FALSE);
        const LONG across = axis.Across(ptCursor);
        return across < axis.CrossStart(rectDockBar) - 2 * nSensitivity ||
               across > axis.CrossEnd(rectDockBar) + 2 * nSensitivity;
    }
    return pDockBarOut != nullptr && CanBeDocked(pDockBarOut);
}

BOOL CZAVPControlBar::DockToRecentPos()
{
    CZAVPDockBar* pDockBar = m_recentDockInfo.m_pRecentDockBar;
    CZAVPDockManager* pManager = GetDockManager();
    if (pDockBar == nullptr || pManager == nullptr || !pManager->IsDockBarListed(pDockBar))
        return DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr);
    return DockControlBar(pDockBar, ZAVP_DM_RECENT, nullptr);
}

void CZAVPControlBar::StoreRecentDockInfo()
{
    if (IsFloating()) {
        if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
            pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
        return;
    }
    if (m_pParentDockBar == nullptr) return;
    m_recentDockInfo.m_pRecentDockBar = m_pParentDockBar;
    m_recentDockInfo.m_pRecentDockBarRow = m_pDockBarRow;
    m_recentDockInfo.m_nRecentRowIndex = m_pDockBarRow
                                             ? m_pParentDockBar->GetRowIndex(m_pDockBarRow)
                                             : 0;
    m_recentDockInfo.m_dwRecentAlignmentToFrame = m_pParentDockBar->GetCurrentAlignment();
    CRect rect;
    GetWindowRect(rect);
    m_pParentDockBar->ScreenToClient(rect);
    m_recentDockInfo.m_rectDockedRect = rect;
}

void CZAVPControlBar::StoreRecentPosition()
{
    m_bReDocking = TRUE;
    StoreRecentDockInfo();
    if (m_drag.IsActive()) CancelDrag();
    m_bReDocking = FALSE;
}

// ---- dragging

void CZAVPControlBar::EnterDragMode(BOOL bChangeHotPoint)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    UpdateFullRect();
    if (bChangeHotPoint) {
        m_ptGrab = ptCursor;
        ScreenToClient(&m_ptGrab);
    }
    if (m_drag.IsActive()) return;
    if (IsDocked()) {
        m_ptLastMouse = ptCursor;
        m_ptDragStart = ptCursor;
        GetWindowRect(m_rectDrag);
        // The outline of standard mode shows once the cursor has moved the system's drag size,
        // at the bar's floating size; an immediate drag moves the bar from the first pixel.
        const BOOL bStandard = GetDockMode() == ZAVP_DOCK_STANDARD;
        DockLayout::DragSettings settings = {};
        settings.bImmediate = !bStandard;
        settings.bMayMove = TRUE;
        if (bStandard)
            settings.rectHold = DockLayout::DragHoldBox(
                ptCursor, CSize(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)));
        settings.rectFirst = CZAVPDragOutline::FirstOutlineRect(
            m_rectDrag, m_recentDockInfo.m_rectRecentFloatingRect.Size(), ptCursor);
        m_drag.Begin(this, this, nullptr, settings);
        SetDragMode(TRUE);
        if (bStandard) m_dragFrameImpl.BeginDrag();
    }
}

void CZAVPControlBar::CancelDrag()
{
    if (GetDockMode() == ZAVP_DOCK_STANDARD) m_dragFrameImpl.EndDrag(FALSE);
    m_drag.Stop();
    SetDragMode(FALSE);
    if (m_hwndMiniFrameToBeClosed != nullptr && ::IsWindow(m_hwndMiniFrameToBeClosed))
        ::DestroyWindow(m_hwndMiniFrameToBeClosed);
    m_hwndMiniFrameToBeClosed = nullptr;
}

void CZAVPControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_drag.IsActive() && CanFloat()) {
        const int nDockMode = GetDockMode();
        if (nDockMode == ZAVP_DOCK_IMMEDIATE || IsFloating()) StoreRecentDockInfo();
        if (!IsFloating()) {
            EnterDragMode(TRUE);
        } else if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE)) {
            // A bar alone in its mini frame is moved by the frame: the click goes there.
            CPoint ptFrame = point;
            ClientToScreen(&ptFrame);
            pMiniFrame->ScreenToClient(&ptFrame);
            m_bClickForwarded = TRUE;
            pMiniFrame->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(ptFrame.x, ptFrame.y));
            return;
        }
    }
    CZAVPBaseControlBar::OnLButtonDown(nFlags, point);
}

void CZAVPControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_drag.IsActive() || !m_bDragMode) {
        CZAVPBaseControlBar::OnMouseMove(nFlags, point);
        return;
    }
    const DockLayout::DragStep step = m_drag.Feed(DockLayout::DragEvent::Move);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (GetDockMode() == ZAVP_DOCK_IMMEDIATE) {
        const int dx = ptCursor.x - m_ptLastMouse.x;
        const int dy = ptCursor.y - m_ptLastMouse.y;
        m_rectDrag.OffsetRect(dx, dy);
        if (m_pParentDockBar != nullptr && (dx != 0 || dy != 0)) {
            // Along its row the bar follows each step. Across it, the bar stays in its row until
            // it changes rows, so the dock bar is told how far the drag has gone across since the
            // bar was last placed: small steps add up to a change of rows.
            const DockAxis axis(IsHorizontal() != FALSE);
            CRect rectWindow;
            GetWindowRect(rectWindow);
            const int nAcross = axis.CrossStart(m_rectDrag) - axis.CrossStart(rectWindow);
            m_pParentDockBar->MoveControlBar(this, 0, axis.horizontal ? dx : nAcross,
                                             axis.horizontal ? nAcross : dy);
        }
        m_ptLastMouse = ptCursor;
        return;
    }
    m_dragFrameImpl.ShowStep(step, nullptr);
}

void CZAVPControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_drag.IsActive()) {
        CZAVPBaseControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    const BOOL bStandard = GetDockMode() == ZAVP_DOCK_STANDARD;
    const BOOL bMoved = m_dragFrameImpl.IsActive();
    m_drag.Feed(DockLayout::DragEvent::Release);
    SetDragMode(FALSE);
    // The mini frame the bar was dragged out of goes with the drag.
    if (m_hwndMiniFrameToBeClosed != nullptr) {
        if (nFlags != 0xFFFF && ::IsWindow(m_hwndMiniFrameToBeClosed))
            ::DestroyWindow(m_hwndMiniFrameToBeClosed);
        m_hwndMiniFrameToBeClosed = nullptr;
    }
    if (!bStandard) {
        if (m_pDockBarRow != nullptr) m_pDockBarRow->ArrangeBars(this);
        return;
    }
    m_dragFrameImpl.EndDrag(TRUE);
    const CRect rectOutline = m_dragFrameImpl.GetDragRect();
    if (!bMoved) {
        if (m_pDockBarRow != nullptr) m_pDockBarRow->ArrangeBars(this);
        return;
    }
    StoreRecentDockInfo();
    // Released over a dock bar that takes the bar: it moves there as the outline did.
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CZAVPBaseControlBar* pUnder = ControlBarFromPoint(ptCursor, 0, TRUE,
                                                      RUNTIME_CLASS(CZAVPDockBar));
    // A side without bars has no thickness: released near its edge counts as over it.
    if (pUnder == nullptr)
        pUnder = ControlBarFromPoint(ptCursor, kUndockSensitivity, FALSE,
                                     RUNTIME_CLASS(CZAVPDockBar));
    if (pUnder == m_pParentDockBar && m_pParentDockBar != nullptr) {
        m_pParentDockBar->MoveControlBar(this, 0, ptCursor.x - m_ptDragStart.x,
                                         ptCursor.y - m_ptDragStart.y);
        return;
    }
    if (pUnder != nullptr && CanBeDocked(pUnder)) {
        UndockControlBar(TRUE);
        DockControlBar(pUnder, ZAVP_DM_MOUSE, nullptr);
        AdjustDockingLayout();
        return;
    }
    BOOL bDocked = FALSE;
    DockByMouseMove(bDocked);
    if (!bDocked && !rectOutline.IsRectEmpty())
        FloatControlBar(rectOutline, ZAVP_DM_DBL_CLICK, TRUE);
}

void CZAVPControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (CanFloat())
        FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, ZAVP_DM_DBL_CLICK, TRUE);
    CZAVPBaseControlBar::OnLButtonDblClk(nFlags, point);
}

void CZAVPControlBar::OnCancelMode()
{
    CZAVPBaseControlBar::OnCancelMode();
    if (m_drag.IsActive()) CancelDrag();
}

void CZAVPControlBar::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) OnCancelMode();
    CZAVPBaseControlBar::OnChar(nChar, nRepCnt, nFlags);
}

void CZAVPControlBar::OnContextMenu(CWnd*, CPoint point)
{
    if (ZAVPSharedBarData::g_bCustomizeMode) return;
    CWnd* pFrame = m_pDockSite;
    if (pFrame == nullptr) pFrame = AfxGetMainWnd();
    if (pFrame == nullptr) pFrame = GetTopLevelFrame();
    if (pFrame != nullptr)
        pFrame->SendMessage(WM_CONTEXTMENU, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
}

void CZAVPControlBar::OnNcDestroy()
{
    if (m_drag.IsActive()) CancelDrag();
    // The mini frame that hosts the bar lets it go; it decides later whether it goes too.
    if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
        pMiniFrame->RemoveControlBar(this, FALSE, FALSE);
    CZAVPBaseControlBar::OnNcDestroy();
}

// ---- state

BOOL CZAVPControlBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    if (IsFloating()) {
        if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
            pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
    } else if (m_pParentDockBar != nullptr) {
        StoreRecentDockInfo();
        m_rectSavedDockedRect = m_recentDockInfo.m_rectDockedRect;
    }
    const CString strKey = StateKey(kSection, kKeyName, lpszProfileName, nIndex, uiID);
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(strKey)) {
            reg.Write("ID", (int)m_nSavedID);
            reg.Write("RectRecentFloat", (const RECT&)m_recentDockInfo.m_rectRecentFloatingRect);
            reg.Write("RectRecentDocked", (const RECT&)m_rectSavedDockedRect);
            reg.Write("RecentFrameAlignment", (int)m_recentDockInfo.m_dwRecentAlignmentToFrame);
            reg.Write("RecentRowIndex", m_recentDockInfo.m_nRecentRowIndex);
            reg.Write("IsFloating", (int)IsFloating());
            reg.Write("MRUWidth", m_nMRUWidth);
            reg.Write("PinState", (int)m_bPinState);
        }
    }
    return CZAVPBaseControlBar::SaveState(lpszProfileName, nIndex, uiID);
}

BOOL CZAVPControlBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = StateKey(kSection, kKeyName, lpszProfileName, nIndex, uiID);
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.ReadKey(strKey)) return FALSE;
        int nValue = 0;
        if (reg.Read("ID", nValue)) m_nSavedID = (UINT)nValue;
        RECT rect;
        if (reg.Read("RectRecentFloat", rect)) m_recentDockInfo.m_rectRecentFloatingRect = rect;
        if (reg.Read("RectRecentDocked", rect)) {
            m_rectSavedDockedRect = rect;
            m_recentDockInfo.m_rectDockedRect = rect;
        }
        // Only a single side is taken; anything else keeps the current one.
        if (reg.Read("RecentFrameAlignment", nValue) &&
            DockLayout::AlignmentIsOneSide((DWORD)nValue))
            m_recentDockInfo.m_dwRecentAlignmentToFrame = (DWORD)nValue;
        if (reg.Read("RecentRowIndex", nValue) && nValue >= 0)
            m_recentDockInfo.m_nRecentRowIndex = nValue;
        if (reg.Read("IsFloating", nValue)) m_bRecentFloatingState = nValue != 0;
        if (reg.Read("MRUWidth", nValue)) m_nMRUWidth = nValue;
        if (reg.Read("PinState", nValue)) m_bPinState = nValue != 0;
    }
    return CZAVPBaseControlBar::LoadState(lpszProfileName, nIndex, uiID);
}
