// The splitter between docked panes (see CZAVPSlider.h).
#include "ui/docking/CZAVPSlider.h"

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/ZAVPBarClass.h"
#include "ui/docking/ZAVPLayoutWindowBudget.h"
#include "ui/docking/layout/ContainerMath.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_DYNCREATE(CZAVPSlider, CZAVPBaseControlBar)

BEGIN_MESSAGE_MAP(CZAVPSlider, CZAVPBaseControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_NCDESTROY()
ON_REGISTERED_MESSAGE(ZAVPRegisteredMessages::CheckEmptySlider, &CZAVPSlider::OnCheckEmpty)
END_MESSAGE_MAP()

HCURSOR CZAVPSlider::m_hcurVert = nullptr;
HCURSOR CZAVPSlider::m_hcurHorz = nullptr;

namespace
{
// One deferred-positioning batch for a slider move holds the panes of its tree.
const int kMoveBatch = 50;
// The bits of a stored style the window may carry: orientation, side and visibility.
const DWORD kStoredStyleMask = CZAVPSlider::SS_HORZ | CZAVPSlider::SS_VERT | CBRS_ALIGN_ANY |
                               WS_VISIBLE;
}  // namespace

CZAVPSlider::CZAVPSlider(BOOL bDefaultSlider, CWnd* pOwner)
    : m_nID(-1), m_dwSliderStyle(0), m_nWidth(0), m_bDragging(0), m_bDefaultSlider(bDefaultSlider),
      m_bAutoHideMode(FALSE), m_nMinOffset(0), m_nMaxOffset(0), m_nPreferredRow(-1),
      m_pContainerManager(nullptr), m_pOwner(pOwner)
{
}

CZAVPSlider::~CZAVPSlider()
{
    if (m_bDefaultSlider) {
        delete m_pContainerManager;
        m_pContainerManager = nullptr;
    }
}

BOOL CZAVPSlider::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                         CCreateContext* pContext)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CZAVPSlider::CreateEx(DWORD dwStyleEx, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID, CCreateContext* pContext)
{
    const CString strClass = ZAVPBarClass::Register("ZAVSlider");
    m_nID = (int)nID;
    m_dwSliderStyle = dwStyle & (SS_HORZ | SS_VERT);
    const CRect rectSlider(rect);
    m_nWidth = (m_dwSliderStyle & SS_VERT) ? rectSlider.Width() : rectSlider.Height();
    if (m_pOwner == nullptr) m_pOwner = pParentWnd;
    if (m_bDefaultSlider && m_pContainerManager == nullptr) {
        m_pContainerManager = new CZAVPContainerLayout;
        m_pContainerManager->Create(pParentWnd, this);
    }
    // The style's low bits are the slider's own; the window gets the window bits only.
    const DWORD dwWindowStyle = (dwStyle & 0xFFFF0000) | WS_CHILD | WS_CLIPSIBLINGS |
                                WS_CLIPCHILDREN;
    if (!CWnd::CreateEx(dwStyleEx, strClass, nullptr, dwWindowStyle, rect, pParentWnd, nID))
        return FALSE;
    SetBarAlignment(dwStyle & CBRS_ALIGN_ANY);
    if (pParentWnd != nullptr)
        SetDockSite(pParentWnd->IsFrameWnd()
                        ? static_cast<CFrameWnd*>(pParentWnd)
                        : static_cast<CFrameWnd*>(CZAVPGlobalData::GetParentFrameOf(pParentWnd)));
    (void)pContext;
    return TRUE;
}

int CZAVPSlider::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPBaseControlBar::OnCreate(lpcs) == -1) return -1;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_hcurVert == nullptr) m_hcurVert = ::LoadCursorA(hInst, MAKEINTRESOURCEA(kIdcVertical));
    if (m_hcurHorz == nullptr) m_hcurHorz = ::LoadCursorA(hInst, MAKEINTRESOURCEA(kIdcHorizontal));
    return 0;
}

CRect CZAVPSlider::RectInParent() const
{
    CRect rect;
    if (m_hWnd == nullptr) return rect;
    GetWindowRect(rect);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(rect);
    return rect;
}

// ---- what the container answers

BOOL CZAVPSlider::CanBeDetached() const
{
    return m_pContainerManager == nullptr || m_pContainerManager->CanBeDetached();
}

CSize CZAVPSlider::CalcFixedLayout(BOOL, BOOL)
{
    CRect rectWnd;
    if (m_hWnd != nullptr) GetWindowRect(rectWnd);
    CSize size = rectWnd.Size();
    if (m_pContainerManager != nullptr) {
        CRect rectContainer;
        m_pContainerManager->GetWindowRect(rectContainer);
        size += rectContainer.Size();
    }
    return size;
}

BOOL CZAVPSlider::CanFloatAny() const
{
    return m_pContainerManager != nullptr && m_pContainerManager->CanFloatAny();
}

CZAVPDockingControlBar* CZAVPSlider::GetFirstBar() const
{
    return m_pContainerManager ? m_pContainerManager->GetFirstBar() : nullptr;
}

CZAVPDockingControlBar* CZAVPSlider::FindBarByID(UINT nID) const
{
    return m_pContainerManager ? m_pContainerManager->FindBarByID(nID) : nullptr;
}

// ---- the tree

void CZAVPSlider::AddControlBar(CZAVPDockingControlBar* pBar)
{
    if (m_pContainerManager == nullptr) return;
    m_pContainerManager->AddFirstBar(pBar);
    ShowIfAnyBarVisible();
}

CZAVPDockingControlBar* CZAVPSlider::AddRecentControlBar(CZAVPDockingControlBar* pBar)
{
    if (m_pContainerManager == nullptr || pBar == nullptr) return nullptr;
    // Back into the place the pane left in this tree, while the place is still free.
    CZAVPRecentPosRecord& record = pBar->RecentDockInfo().m_recentDockedRecord;
    CZAVPBarContainer* pNode = record.GetContainer();
    if (pNode != nullptr && pNode->GetManager() == m_pContainerManager &&
        m_pContainerManager->AddControlBarToRecentContainer(pBar, pNode, record.IsFirst(),
                                                            record.GetPercent()))
    {
        // The node no longer keeps the side for it.
        record.Clear();
        ShowIfAnyBarVisible();
        return pBar;
    }
    // Otherwise beside the tree's first pane, or as the first one.
    CZAVPDockingControlBar* pFirst = m_pContainerManager->GetFirstBar();
    if (pFirst == nullptr)
        m_pContainerManager->AddFirstBar(pBar);
    else if (!m_pContainerManager->InsertControlBar(
                 pBar, pFirst, IsHorizontal() ? CBRS_ALIGN_RIGHT : CBRS_ALIGN_BOTTOM))
        return nullptr;
    ShowIfAnyBarVisible();
    return pBar;
}

BOOL CZAVPSlider::InsertControlBar(CZAVPDockingControlBar* pBarToInsert,
                                   CZAVPDockingControlBar* pTargetBar, DWORD dwAlignment,
                                   LPCRECT lpRect)
{
    if (m_pContainerManager == nullptr) return FALSE;
    const BOOL bResult = m_pContainerManager->InsertControlBar(pBarToInsert, pTargetBar,
                                                               dwAlignment, lpRect);
    ShowIfAnyBarVisible();
    return bResult;
}

BOOL CZAVPSlider::ReplaceControlBar(CZAVPDockingControlBar* pBarOld,
                                    CZAVPDockingControlBar* pBarNew)
{
    if (m_pContainerManager == nullptr || pBarNew == nullptr) return FALSE;
    pBarNew->SetDefaultSlider(m_hWnd);
    const BOOL bResult = m_pContainerManager->ReplaceControlBar(pBarOld, pBarNew);
    ShowIfAnyBarVisible();
    return bResult;
}

void CZAVPSlider::RemoveControlBar(CZAVPDockingControlBar* pBar)
{
    if (m_pContainerManager == nullptr) return;
    m_pContainerManager->RemoveControlBar(pBar);
    if (pBar != nullptr) pBar->RemoveControlBarFromDockManager(FALSE, FALSE, m_bAutoHideMode);
    // An emptied default slider destroys itself (and with it this object): nothing may touch
    // it afterwards, here or in the caller.
    if (m_bDefaultSlider && m_pContainerManager->IsEmpty() &&
        m_pContainerManager->GetTotalReferenceCount() == 0)
    {
        RemoveControlBarFromDockManager(TRUE, FALSE, m_bAutoHideMode);
        return;
    }
    if (!ShowIfAnyBarVisible() && !m_bAutoHideMode) ShowWindow(SW_HIDE);
}

BOOL CZAVPSlider::AddContainerManager(CZAVPContainerLayout& manager,
                                      CZAVPDockingControlBar* pTarget, DWORD dwAlignment)
{
    if (m_pContainerManager == nullptr) return FALSE;
    const BOOL bResult = m_pContainerManager->InsertContainerManager(&manager, pTarget,
                                                                     dwAlignment);
    ShowIfAnyBarVisible();
    return bResult;
}

BOOL CZAVPSlider::AddContainerManager(CZAVPContainerLayout& manager)
{
    if (m_pContainerManager == nullptr) return FALSE;
    const BOOL bResult = m_pContainerManager->AddContainerManager(manager);
    ShowIfAnyBarVisible();
    return bResult;
}

BOOL CZAVPSlider::ShowIfAnyBarVisible()
{
    if (!m_bDefaultSlider || m_bAutoHideMode || m_pContainerManager == nullptr) return FALSE;
    const BOOL bAny = m_pContainerManager->IsAnyBarVisible();
    if (m_hWnd != nullptr) ShowWindow(bAny ? SW_SHOW : SW_HIDE);
    return bAny;
}

void CZAVPSlider::OnShowControlBar(CZAVPDockingControlBar* pBar, BOOL bShow)
{
    if (m_bAutoHideMode || m_pContainerManager == nullptr) return;
    m_pContainerManager->OnShowControlBar(pBar, bShow);
    ShowIfAnyBarVisible();
}

void CZAVPSlider::OnShowBar(CZAVPDockingControlBar* pBar, BOOL bShow)
{
    if (m_pContainerManager != nullptr) m_pContainerManager->OnShowControlBar(pBar, bShow);
}

void CZAVPSlider::StoreRecentDockInfo(CZAVPDockingControlBar* pBar)
{
    // The node holding the pane and its side go into the pane's docked record; the node then
    // keeps that side (and this slider its tree) until the record lets go.
    if (pBar == nullptr || m_pContainerManager == nullptr || m_bAutoHideMode) return;
    BOOL bLeft = FALSE;
    CZAVPBarContainer* pNode = m_pContainerManager->FindContainer(pBar, bLeft);
    pBar->RecentDockInfo().m_recentDockedRecord.SetInfo(pNode, pBar);
}

void CZAVPSlider::CalcExpectedDockedRect(CWnd* pWndToDock, CPoint ptMouse, CRect& rectResult,
                                         BOOL& bDrawTab, CZAVPDockingControlBar** ppTargetBar)
{
    if (m_pContainerManager == nullptr) return;
    CZAVPDockingControlBar* pTarget = nullptr;
    CZAVPDockingUtils::CalcExpectedDockRect(*m_pContainerManager, pWndToDock, ptMouse, rectResult,
                                            bDrawTab, pTarget);
    if (ppTargetBar != nullptr) *ppTargetBar = pTarget;
}

BOOL CZAVPSlider::DestroyIfEmpty()
{
    if (m_pContainerManager == nullptr || !m_pContainerManager->IsEmpty() ||
        m_pContainerManager->GetTotalReferenceCount() != 0)
        return FALSE;
    RemoveControlBarFromDockManager(TRUE, FALSE, m_bAutoHideMode);
    return TRUE;
}

void CZAVPSlider::CheckEmptyLater()
{
    if (m_hWnd != nullptr) PostMessage(ZAVPRegisteredMessages::CheckEmptySlider);
}

LRESULT CZAVPSlider::OnCheckEmpty(WPARAM, LPARAM)
{
    // Only a side's slider goes by itself; a split's slider goes with its node.
    if (m_bDefaultSlider && !m_bAutoHideMode) DestroyIfEmpty();
    return 0;
}

// ---- layout

HDWP CZAVPSlider::RepositionBars(CRect& rectNew, HDWP& hdwp)
{
    CRect rectSlider, rectContainer;
    DockLayout::SplitSliderStrip(rectNew, GetCurrentAlignment(), m_nWidth, rectSlider,
                                 rectContainer);
    hdwp = MoveWindow(rectSlider, TRUE, hdwp);
    if (m_pContainerManager != nullptr) m_pContainerManager->ResizeContainers(rectContainer, hdwp);
    return hdwp;
}

void CZAVPSlider::Move(CPoint ptOffset, BOOL bAdjustLayout)
{
    const int nOffset = (int)DockLayout::SliderMoveOffset(m_dwSliderStyle, ptOffset);
    if (nOffset == 0 || !(m_dwSliderStyle & (SS_HORZ | SS_VERT))) return;
    CRect rect = RectInParent();
    if (m_dwSliderStyle & SS_VERT)
        rect.OffsetRect(nOffset, 0);
    else
        rect.OffsetRect(0, nOffset);
    // This window may be destroyed by what the tree does; work from the handle.
    const HWND hWnd = m_hWnd;
    HDWP hdwp = ::BeginDeferWindowPos(kMoveBatch);
    if (m_pContainerManager != nullptr) m_pContainerManager->OnSliderMoved(this, nOffset);
    if (hdwp != nullptr) ::EndDeferWindowPos(hdwp);
    if (!::IsWindow(hWnd)) return;
    if (bAdjustLayout) AdjustDockingLayout(nullptr);
    CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- dragging

void CZAVPSlider::DrawOutline(const CRect& rectNew, const CRect& rectOld)
{
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == nullptr) return;
    CDC dc;
    dc.Attach(hdc);
    const int nHalf = m_nWidth / 2;
    const CSize size(nHalf, nHalf);
    dc.DrawDragRect(rectNew, size, rectOld.IsRectEmpty() ? nullptr : (LPCRECT)rectOld, size);
    dc.Detach();
    ::ReleaseDC(nullptr, hdc);
}

void CZAVPSlider::OnLButtonDown(UINT, CPoint)
{
    if (m_bDragging) return;
    m_bDragging = 1;
    SetCapture();
    GetWindowRect(m_rectDragBounds);
    DrawOutline(m_rectDragBounds, CRect());
    m_rectOutlineDrawn = m_rectDragBounds;
    int nMin = 0, nMax = 0, nRow = -1;
    if (m_pContainerManager != nullptr)
        m_pContainerManager->GetSliderDragLimits(this, nMin, nMax, nRow);
    m_nMinOffset = nMin;
    m_nMaxOffset = nMax;
    m_nPreferredRow = nRow;
    m_rectLimits = DockLayout::SliderLimitsRect(m_rectDragBounds, m_dwSliderStyle, m_nMinOffset,
                                                m_nMaxOffset);
    Default();
}

void CZAVPSlider::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging) return;
    ClientToScreen(&point);
    CRect rectWnd;
    GetWindowRect(rectWnd);
    const CRect rectNew = DockLayout::SliderDragOutline(rectWnd, m_dwSliderStyle, m_nWidth, point,
                                                        m_rectLimits);
    if (rectNew == m_rectDragBounds) return;
    DrawOutline(rectNew, m_rectOutlineDrawn);
    m_rectOutlineDrawn = rectNew;
    m_rectDragBounds = rectNew;
}

void CZAVPSlider::OnLButtonUp(UINT, CPoint) { StopTracking(TRUE); }

void CZAVPSlider::OnCancelMode() { StopTracking(FALSE); }

void CZAVPSlider::StopTracking(BOOL bMoveSlider)
{
    if (!m_bDragging) return;
    CRect rectWnd;
    GetWindowRect(rectWnd);
    const CPoint ptOffset = m_rectDragBounds.TopLeft() - rectWnd.TopLeft();
    // Erase: the same outline XORed once more.
    if (!m_rectOutlineDrawn.IsRectEmpty()) {
        HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
        if (hdc != nullptr) {
            CDC dc;
            dc.Attach(hdc);
            const CSize size(m_nWidth / 2, m_nWidth / 2);
            dc.DrawDragRect(CRect(), CSize(0, 0), m_rectOutlineDrawn, size);
            dc.Detach();
            ::ReleaseDC(nullptr, hdc);
        }
    }
    m_rectOutlineDrawn.SetRectEmpty();
    m_rectDragBounds.SetRectEmpty();
    m_bDragging = 0;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (bMoveSlider) Move(ptOffset, TRUE);
}

// ---- messages

void CZAVPSlider::OnSize(UINT, int, int)
{
    // A slider has nothing inside to lay out.
}

BOOL CZAVPSlider::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT) return CWnd::OnSetCursor(pWnd, nHitTest, message);
    HCURSOR hCursor = IsHorizontal() ? m_hcurHorz : m_hcurVert;
    if (hCursor == nullptr)
        hCursor = ::LoadCursorA(nullptr, IsHorizontal() ? IDC_SIZENS : IDC_SIZEWE);
    ::SetCursor(hCursor);
    return TRUE;
}

void CZAVPSlider::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPVisualManager::GetInstance()->OnDrawSlider(&dc, this, rectClient, m_bAutoHideMode);
}

BOOL CZAVPSlider::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPSlider::OnNcDestroy()
{
    if (m_pContainerManager != nullptr) {
        if (m_bDefaultSlider) {
            delete m_pContainerManager;
        } else
            m_pContainerManager->RemoveSlider(this);
        m_pContainerManager = nullptr;
    }
    CZAVPBaseControlBar::OnNcDestroy();
}

void CZAVPSlider::PostNcDestroy() { delete this; }

// ---- the stored record

void CZAVPSlider::Serialize(CArchive& ar)
{
    CZAVPBaseControlBar::Serialize(ar);
    if (ar.IsStoring()) {
        const CRect rect = RectInParent();
        ar << (LONG)m_nID << (LONG)m_nPreferredRow;
        ar << (LONG)rect.left << (LONG)rect.top << (LONG)rect.right << (LONG)rect.bottom;
        // The side is the base part's; the style field is the slider's own style.
        ar << (DWORD)IsWindowVisible() << (DWORD)m_dwSliderStyle << (LONG)m_nWidth
           << (DWORD)m_bDefaultSlider << (LONG)m_nMinOffset << (LONG)m_nMaxOffset;
        if (m_bDefaultSlider && m_pContainerManager != nullptr) m_pContainerManager->Serialize(ar);
        return;
    }
    LONG nID = 0, nRow = 0, nWidth = 0, nMin = 0, nMax = 0;
    CRect rect;
    DWORD dwVisible = 0, dwStyle = 0, dwDefault = 0;
    ar >> nID >> nRow >> rect.left >> rect.top >> rect.right >> rect.bottom;
    ar >> dwVisible >> dwStyle >> nWidth >> dwDefault >> nMin >> nMax;
    if (dwDefault > 1 || !(dwStyle & (SS_HORZ | SS_VERT)))
        AfxThrowArchiveException(CArchiveException::genericException);
    m_nPreferredRow = (int)nRow;
    m_bDefaultSlider = dwDefault != 0;
    m_nMinOffset = (int)nMin;
    m_nMaxOffset = (int)nMax;
    dwStyle &= kStoredStyleMask;
    // The side comes with the base part; records written before the style field carried the
    // style alone have it in the style too (the same side).
    if ((dwStyle & CBRS_ALIGN_ANY) == 0) dwStyle |= GetCurrentAlignment();
    dwStyle = dwVisible ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
    // The stored rectangle gives the thickness; the stored width must agree with it.
    (void)nWidth;
    ZAVPLayoutWindowBudget::Take();
    if (!CreateEx(0, dwStyle, rect, m_pOwner, (UINT)nID, nullptr))
        AfxThrowArchiveException(CArchiveException::genericException);
    SetBarAlignment(dwStyle & CBRS_ALIGN_ANY);
    if (m_bDefaultSlider && m_pContainerManager != nullptr) m_pContainerManager->Serialize(ar);
}
