// The docking layout of one frame (see CZAVPDockManager.h).
#include "ui/docking/CZAVPDockManager.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "framework/CArchive.h"
#include "framework/CControlBar.h"
#include "framework/CException.h"
#include "framework/CFrameWnd.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/ZAVPLayoutWindowBudget.h"
#include "ui/docking/ZAVPMiniFrameLayoutParts.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPListRange.h"
#include "ui/foundation/ZAVPRegistryBytes.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

BOOL CZAVPDockManager::m_bRestoringDockState = FALSE;
BOOL CZAVPDockManager::m_bDisableRecalcLayout = FALSE;
int CZAVPDockManager::m_nDockSensitivity = 15;
int CZAVPDockManager::m_nMaxSharePercent = 0;

namespace
{
const char kDockManagersSection[] = "ZAVPDockManagers";
const char kValueName[] = "DockingCBAndSliders";
const UINT kMemFileGrow = 1024;
const int kDockArchiveBuffer = 4096;

// The sides in the order their dock bars are made, with the bar style of each edge (the
// alignment and the border on the inner side).
const DWORD kDockBarStyles[] = {0x2800, 0x8200, 0x1400, 0x4100};

CZAVPBaseControlBar* AsBar(CObject* p) { return static_cast<CZAVPBaseControlBar*>(p); }

// A bar the manager places against the frame's sides: its window is the frame's own child.
bool PlacedByFrame(CZAVPBaseControlBar* pBar, CFrameWnd* pFrame)
{
    if (pBar->GetSafeHwnd() == nullptr) return false;
    const HWND hParent = ::GetParent(pBar->GetSafeHwnd());
    if (hParent == pFrame->GetSafeHwnd()) return true;
    // A library bar on one of the platform's bars of the frame (the print preview's toolbar on
    // the preview's own bar) takes its share of the frame too.
    CWnd* pParent = CWnd::FromHandlePermanent(hParent);
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar)) &&
           !pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)) &&
           ::GetParent(hParent) == pFrame->GetSafeHwnd();
}
// A rectangle of the frame's client area in the coordinates of the bar's parent.
CRect InBarParent(CZAVPBaseControlBar* pBar, CFrameWnd* pFrame, CRect rect)
{
    const HWND hParent = ::GetParent(pBar->GetSafeHwnd());
    if (hParent != pFrame->GetSafeHwnd())
        ::MapWindowPoints(pFrame->GetSafeHwnd(), hParent, (LPPOINT)&rect, 2);
    return rect;
}
}  // namespace

CZAVPDockManager::CZAVPDockManager()
    : m_bEnableAdjustLayout(TRUE), m_bLockUpdate(FALSE), m_bSizeFrame(FALSE),
      m_bAdjustingBarLayout(FALSE), m_bRecalcLayout(FALSE),
      m_bHideDockingBarsInContainerMode(FALSE), m_pParentWnd(nullptr), m_dwEnabledDockBars(0),
      m_bIsPrintPreviewMode(FALSE), m_bHiddenForOLE(FALSE), m_bDisableSetDockState(FALSE)
{
}

CZAVPDockManager::~CZAVPDockManager() { DiscardLoadedLayout(); }

BOOL CZAVPDockManager::SetFrame(CFrameWnd* pFrame)
{
    m_pParentWnd = pFrame;
    return TRUE;
}

CZAVPDockBar* CZAVPDockManager::CreateSideDockBar(CRuntimeClass* pClass, DWORD dwStyle)
{
    CZAVPDockBar* pDockBar = static_cast<CZAVPDockBar*>(pClass->CreateObject());
    BOOL bCreated = FALSE;
    try {
        bCreated = pDockBar->Create(dwStyle | WS_CHILD | WS_VISIBLE, CRect(), m_pParentWnd, 0);
    } catch (CException* e) {
        e->Delete();
    }
    if (bCreated) return pDockBar;
    // A window that exists deletes its object itself when destroyed.
    if (pDockBar->GetSafeHwnd() != nullptr)
        pDockBar->DestroyWindow();
    else
        delete pDockBar;
    return nullptr;
}

BOOL CZAVPDockManager::EnableDocking(DWORD dwDockStyle)
{
    for (DWORD dwStyle : kDockBarStyles) {
        const DWORD dwSide = dwStyle & CBRS_ALIGN_ANY;
        if (!(dwDockStyle & dwSide) || (m_dwEnabledDockBars & dwSide)) continue;
        CZAVPDockBar* pDockBar = CreateSideDockBar(RUNTIME_CLASS(CZAVPDockBar), dwStyle);
        if (pDockBar == nullptr) return FALSE;
        m_lstControlBars.AddTail(pDockBar);
        m_dwEnabledDockBars |= dwSide;
    }
    AdjustDockingLayout();
    return TRUE;
}

BOOL CZAVPDockManager::AddControlBar(CZAVPBaseControlBar* pWnd, BOOL bTail, BOOL bAutoHide,
                                     BOOL bInsertForOuterEdge)
{
    CObList& list = bAutoHide ? m_lstAutoHideBars : m_lstControlBars;
    if (list.Find(pWnd) != nullptr) return FALSE;
    if (bInsertForOuterEdge) {
        POSITION posBefore = nullptr;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            POSITION posCur = pos;
            if (AsBar(list.GetNext(pos))->CanBeDetached()) {
                posBefore = posCur;
                break;
            }
        }
        if (posBefore != nullptr)
            list.InsertBefore(posBefore, pWnd);
        else
            list.AddTail(pWnd);
    } else if (bTail)
        list.AddTail(pWnd);
    else
        list.AddHead(pWnd);
    pWnd->SetDockSite(m_pParentWnd);
    return TRUE;
}

BOOL CZAVPDockManager::InsertControlBar(CZAVPBaseControlBar* pControlBar,
                                        CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    if (m_lstControlBars.Find(pControlBar) != nullptr) return FALSE;
    POSITION pos = m_lstControlBars.Find(pTarget);
    if (pos == nullptr) return FALSE;
    if (bAfter)
        m_lstControlBars.InsertAfter(pos, pControlBar);
    else
        m_lstControlBars.InsertBefore(pos, pControlBar);
    return TRUE;
}

void CZAVPDockManager::RemoveControlBarFromDockManager(CZAVPBaseControlBar* pWnd, BOOL bDestroy,
                                                       BOOL bAdjustLayout, BOOL bAutoHide)
{
    CObList& list = bAutoHide ? m_lstAutoHideBars : m_lstControlBars;
    if (POSITION pos = list.Find(pWnd)) list.RemoveAt(pos);
    if (POSITION pos = m_lstLastHiddenControlBars.Find(pWnd))
        m_lstLastHiddenControlBars.RemoveAt(pos);
    if (bDestroy && pWnd->GetSafeHwnd() != nullptr) pWnd->DestroyWindow();
    if (bAdjustLayout) AdjustDockSiteLayout();
}

void CZAVPDockManager::AdjustDockSiteLayout()
{
    CZAVPBaseControlBar::AdjustFrameLayout(m_pParentWnd, nullptr);
}

BOOL CZAVPDockManager::AddMiniFrame(CZAVPMiniFrameWnd* pWnd)
{
    if (m_lstMiniFrames.Find(pWnd) != nullptr) return FALSE;
    m_lstMiniFrames.AddTail(pWnd);
    return TRUE;
}

BOOL CZAVPDockManager::RemoveMiniFrame(CZAVPMiniFrameWnd* pWnd)
{
    // A staged frame that goes before it was applied leaves the staging list too.
    if (POSITION posLoaded = m_lstLoadedMiniFrames.Find(pWnd))
        m_lstLoadedMiniFrames.RemoveAt(posLoaded);
    POSITION pos = m_lstMiniFrames.Find(pWnd);
    if (pos == nullptr) return FALSE;
    m_lstMiniFrames.RemoveAt(pos);
    return TRUE;
}

// ---- look-ups

CZAVPBaseControlBar*
CZAVPDockManager::ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                      CRuntimeClass* pRTCBarType,
                                      const CZAVPBaseControlBar* pBarToIgnore) const
{
    auto matches = [&](CZAVPBaseControlBar* pBar, int nInflate) {
        if (pBar == pBarToIgnore || pBar->GetSafeHwnd() == nullptr ||
            !(pBar->GetStyle() & WS_VISIBLE))
            return false;
        if (pRTCBarType != nullptr && !pBar->IsKindOf(pRTCBarType)) return false;
        CRect rect;
        pBar->GetWindowRect(rect);
        rect.InflateRect(nInflate, nInflate);
        return rect.PtInRect(point) != FALSE;
    };
    const int nInflate = bExactBar ? 0 : nSensitivity;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar))) {
            const CObList& docked = static_cast<CZAVPDockBar*>(pBar)->GetControlBarList();
            for (POSITION posDocked = docked.GetHeadPosition(); posDocked != nullptr;) {
                CZAVPBaseControlBar* pDocked = AsBar(docked.GetNext(posDocked));
                if (matches(pDocked, 0)) return pDocked;
            }
        }
        if (matches(pBar, nInflate)) return pBar;
    }
    return nullptr;
}

CZAVPBaseControlBar*
CZAVPDockManager::ControlBarAtPointForDocking(CPoint point, int nSensitivity, DWORD& dwAlignment,
                                              CRuntimeClass* pRTCBarType,
                                              const CZAVPBaseControlBar* pBarToIgnore)
{
    CZAVPBaseControlBar* pBar = ControlBarFromPoint(point, nSensitivity, TRUE, pRTCBarType,
                                                    pBarToIgnore);
    if (pBar == nullptr) return nullptr;
    return CZAVPDockingUtils::HitTestDockEdges(point, pBar, nullptr, nSensitivity, FALSE,
                                               dwAlignment, CBRS_ALIGN_ANY)
               ? pBar
               : nullptr;
}

CZAVPMiniFrameWnd* CZAVPDockManager::MiniFrameFromPoint(CPoint point) const
{
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
            m_lstMiniFrames.GetNext(pos));
        CRect rect;
        if (pMiniFrame->GetSafeHwnd() == nullptr || !pMiniFrame->IsWindowVisible()) continue;
        pMiniFrame->GetWindowRect(rect);
        if (rect.PtInRect(point)) return pMiniFrame;
    }
    return nullptr;
}

int CZAVPDockManager::DetermineDockSite(CPoint point, int nSensitivity, DWORD dwEnabledAlignment,
                                        CZAVPBaseControlBar*& pBarOut,
                                        CZAVPBaseControlBar* pDragged)
{
    // The docking pane under the point decides first; the mini frames that carry panes come
    // with the mini frames; then the frame's edges.
    pBarOut = nullptr;
    DockLayout::DockSiteQuery query = {};
    CZAVPMiniFrameWnd* pOwnFrame = pDragged != nullptr ? pDragged->GetParentMiniFrame(TRUE)
                                                       : nullptr;
    CZAVPBaseControlBar* pFound = ControlBarFromPoint(
        point, nSensitivity, TRUE, RUNTIME_CLASS(CZAVPDockingControlBar), pDragged);
    if (pFound == nullptr) pFound = FloatingPaneFromPoint(point, nSensitivity, pOwnFrame, pDragged);
    // Over the caption of another frame that carries one bar, the dragged pane would join that
    // bar as a tab.
    CZAVPBaseControlBar* pCaptionBar = nullptr;
    if (pFound == nullptr) {
        pCaptionBar = SingleBarCaptionAt(point, pOwnFrame);
        query.bSingleBarMiniFrame = pCaptionBar != nullptr;
    }
    if (pFound != nullptr) {
        CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pFound);
        query.bBarFound = TRUE;
        query.bFoundFloats = pPane->IsFloating();
        query.bFoundFloatMulti = (pPane->GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
        query.bDraggedFloatMulti = pDragged != nullptr &&
                                   (pDragged->GetBarStyle() & CBRS_FLOAT_MULTI) != 0;
        query.dwFoundAlignment = pPane->GetCurrentAlignment();
        query.nFoundHitTest = pPane->HitTestForDocking(point, nSensitivity);
    }
    DWORD dwNear = 0;
    BOOL bOuterEdge = FALSE;
    if (IsPointNearDockBar(point, dwNear, bOuterEdge)) query.dwNearEdge = dwNear;
    query.dwEnabledAlignment = dwEnabledAlignment;
    BOOL bUseFoundBar = FALSE;
    const int nSite = DockLayout::DetermineDockSite(query, &bUseFoundBar);
    if (bUseFoundBar) pBarOut = pFound != nullptr ? pFound : pCaptionBar;
    return nSite;
}

CZAVPBaseControlBar* CZAVPDockManager::FindBarByID(UINT uBarID, BOOL bSearchMiniFrames)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (pBar->GetSafeHwnd() != nullptr && (UINT)pBar->GetDlgCtrlID() == uBarID) return pBar;
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)))
            if (CZAVPBaseControlBar* pDocked = static_cast<CZAVPDockBar*>(pBar)->FindBarByID(
                    uBarID))
                return pDocked;
        if (CZAVPBaseControlBar* pTab = FindTabBarByID(pBar, uBarID)) return pTab;
    }
    return bSearchMiniFrames ? FindFloatingBarByID(uBarID) : nullptr;
}

CZAVPDockBar* CZAVPDockManager::FindDockBar(DWORD dwAlignment, BOOL bFromHead)
{
    POSITION pos = bFromHead ? m_lstControlBars.GetHeadPosition()
                             : m_lstControlBars.GetTailPosition();
    while (pos != nullptr) {
        CZAVPBaseControlBar* pBar = AsBar(bFromHead ? m_lstControlBars.GetNext(pos)
                                                    : m_lstControlBars.GetPrev(pos));
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) &&
            pBar->GetCurrentAlignment() == dwAlignment)
            return static_cast<CZAVPDockBar*>(pBar);
    }
    return nullptr;
}

CZAVPDockBar* CZAVPDockManager::FindDockBarByControlBar(CZAVPBaseControlBar* pTargetBar)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)) && pTargetBar->GetSafeHwnd() != nullptr &&
            static_cast<CZAVPDockBar*>(pBar)->FindBarByID(pTargetBar->GetDlgCtrlID()) == pTargetBar)
            return static_cast<CZAVPDockBar*>(pBar);
    }
    return nullptr;
}

BOOL CZAVPDockManager::IsDockBarListed(const CZAVPDockBar* pDockBar) const
{
    return m_lstControlBars.Find(const_cast<CZAVPDockBar*>(pDockBar)) != nullptr;
}

BOOL CZAVPDockManager::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                          BOOL& bOuterEdge) const
{
    dwBarAlignment = 0;
    bOuterEdge = FALSE;
    if (m_pParentWnd == nullptr || m_pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    CRect rectOuter = m_rectOuterEdgeBounds;
    m_pParentWnd->ClientToScreen(rectOuter);
    if (CZAVPDockingUtils::HitTestDockEdges(point, nullptr, &rectOuter, m_nDockSensitivity, TRUE,
                                            dwBarAlignment, m_dwEnabledDockBars))
    {
        bOuterEdge = TRUE;
        return TRUE;
    }
    CRect rectClientArea = m_rectClientAreaBounds;
    m_pParentWnd->ClientToScreen(rectClientArea);
    return CZAVPDockingUtils::HitTestDockEdges(point, nullptr, &rectClientArea, m_nDockSensitivity,
                                               FALSE, dwBarAlignment, m_dwEnabledDockBars);
}

// ---- docking

void CZAVPDockManager::DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (m_lstControlBars.IsEmpty() || pBar == nullptr) return;
    pBar->UndockControlBar(TRUE);
    if (!pBar->CanBeResized() && !pBar->CanFloat()) {
        if (m_lstControlBars.Find(pBar) == nullptr) AddControlBar(pBar);
        return;
    }
    if (pBar->IsResizable()) {
        // Docking panes dock beside a slider of their own (they come with the panes).
        static const struct
        {
            UINT id;
            DWORD alignment;
        } kPairs[] = {{0xE81B, CBRS_ALIGN_TOP},
                      {0xE81E, CBRS_ALIGN_BOTTOM},
                      {0xE81C, CBRS_ALIGN_LEFT},
                      {0xE81D, CBRS_ALIGN_RIGHT}};
        for (const auto& pair : kPairs) {
            const DWORD dwAlignment = nDockBarID == 0 ? pBar->GetCurrentAlignment()
                                                      : pair.alignment;
            if ((nDockBarID == 0 || nDockBarID == pair.id) &&
                (pBar->GetEnabledAlignment() & dwAlignment)) {
                pBar->DockToFrameEdge(dwAlignment, lpRect, ZAVP_DM_MOUSE, nullptr, -1, FALSE);
                return;
            }
        }
        return;
    }
    for (CZAVPDockBar* pDockBar : OfKind<CZAVPDockBar>(m_lstControlBars)) {
        if ((nDockBarID == 0 || pDockBar->GetDockBarID() == nDockBarID) &&
            pBar->CanBeDocked(pDockBar) && pDockBar->CanAcceptBar(pBar))
        {
            pBar->DockControlBar(pDockBar, ZAVP_DM_RECT, lpRect);
            pBar->Invalidate();
            return;
        }
    }
}

// ---- layout

BOOL CZAVPDockManager::RecalcLayout(BOOL)
{
    if (m_bDisableRecalcLayout || m_bRecalcLayout || m_bSizeFrame) return TRUE;
    if (!m_bEnableAdjustLayout) return FALSE;
    m_bRecalcLayout = TRUE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (!m_bHiddenForOLE || pBar->IsVisible()) pBar->RecalcContentLayout();
    }
    // Floating bars lay out their content too: a toolbar or pane whose content changed refits
    // its mini frame. While the bars are hidden the mini frames wait for them to come back.
    if (!m_bHiddenForOLE)
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
            CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
                m_lstMiniFrames.GetNext(pos));
            if (pMiniFrame->GetSafeHwnd() != nullptr) pMiniFrame->OnBarRecalcLayout();
        }
    AdjustDockingLayout();
    m_bRecalcLayout = FALSE;
    return TRUE;
}

void CZAVPDockManager::AdjustDockingLayout(HDWP hdwp)
{
    if (m_bDisableRecalcLayout || m_bAdjustingBarLayout || m_pParentWnd == nullptr ||
        m_pParentWnd->GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    m_pParentWnd->GetClientRect(rectClient);
    m_rectClientAreaBounds = rectClient;
    if (!m_bEnableAdjustLayout || m_lstControlBars.IsEmpty()) return;
    m_bAdjustingBarLayout = TRUE;

    const BOOL bOwnBatch = hdwp == nullptr && !m_bIsPrintPreviewMode;
    if (bOwnBatch) hdwp = ::BeginDeferWindowPos((int)m_lstControlBars.GetCount());

    CZAVPBaseControlBar* pLastDockBar = nullptr;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar))) pLastDockBar = pBar;
    }

    // Dock bars whose length changes re-lay out their rows once the batch has moved them.
    std::vector<std::pair<CZAVPDockBar*, CRect>> resized;
    CRect rectRemaining = rectClient;
    m_rectOuterEdgeBounds.SetRectEmpty();
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        const BOOL bDockBar = pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar));
        const BOOL bTakesPart = bDockBar ? !m_bIsPrintPreviewMode && !m_bHiddenForOLE
                                         : pBar->IsVisible() ||
                                               (!pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) &&
                                                !pBar->IsKindOf(RUNTIME_CLASS(CZAVPSlider)));
        // A pane docked beside a slider is placed by the slider's container tree.
        const BOOL bInContainer = pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) &&
                                  static_cast<CZAVPDockingControlBar*>(pBar)->GetDefaultSlider() !=
                                      nullptr;
        if (bTakesPart && !bInContainer && PlacedByFrame(pBar, m_pParentWnd)) {
            const DWORD dwAlignment = pBar->GetCurrentAlignment();
            const BOOL bHorz = pBar->IsHorizontal();
            const CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
            const CRect rectBar(0, 0, size.cx, size.cy);
            CRect rect = DockLayout::AlignByRect(rectRemaining, rectBar, dwAlignment, bHorz, TRUE);
            CRect rectOld;
            pBar->GetWindowRect(rectOld);
            m_pParentWnd->ScreenToClient(rectOld);
            if (bDockBar && rect.Size() != rectOld.Size())
                resized.emplace_back(static_cast<CZAVPDockBar*>(pBar), rect);
            if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPSlider)))
                static_cast<CZAVPSlider*>(pBar)->RepositionBars(rect, hdwp);
            else {
                CRect rectMove = InBarParent(pBar, m_pParentWnd, rect);
                hdwp = pBar->MoveWindow(rectMove, TRUE, hdwp);
            }
            switch (dwAlignment & CBRS_ALIGN_ANY) {
            case CBRS_ALIGN_TOP: rectRemaining.top = rect.bottom; break;
            case CBRS_ALIGN_BOTTOM: rectRemaining.bottom = rect.top; break;
            case CBRS_ALIGN_LEFT: rectRemaining.left = rect.right; break;
            case CBRS_ALIGN_RIGHT: rectRemaining.right = rect.left; break;
            default: break;
            }
        }
        if (pBar == pLastDockBar) m_rectOuterEdgeBounds = rectRemaining;
    }
    m_rectClientAreaBounds = rectRemaining;
    if (m_rectOuterEdgeBounds.IsRectEmpty() || m_bHiddenForOLE) m_rectOuterEdgeBounds = rectClient;
    if (bOwnBatch && hdwp != nullptr) ::EndDeferWindowPos(hdwp);
    for (const auto& item : resized) item.first->OnSizeDockBar(item.second);
    RepositionAutoHidePanes();
    m_bAdjustingBarLayout = FALSE;
}

BOOL CZAVPDockManager::LimitToMaxShare(CRect& rect, DWORD dwAlignment)
{
    return DockLayout::LimitToMaxShare(rect, dwAlignment, m_rectClientAreaBounds,
                                       m_nMaxSharePercent);
}

void CZAVPDockManager::OnExitSizeMove()
{
    for (CZAVPDockBar* pDockBar : OfKind<CZAVPDockBar>(m_lstControlBars))
        pDockBar->UpdateVirtualRects();
    AdjustDockingLayout();
}

// ---- hiding and showing

BOOL CZAVPDockManager::ShowControlBars(BOOL bShow)
{
    if (!bShow) {
        if (m_bHiddenForOLE) return FALSE;
        m_lstLastHiddenControlBars.RemoveAll();
        m_bHiddenForOLE = TRUE;
        for (CObList* pList : {&m_lstAutoHideBars, &m_lstControlBars})
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                CZAVPBaseControlBar* pBar = AsBar(pList->GetNext(pos));
                if (!pBar->IsVisible() || ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPStatusBar)) ||
                    pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) ||
                    pBar->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar)) ||
                    pBar->IsKindOf(RUNTIME_CLASS(CZAVPSlider)) ||
                    pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)))
                    continue;
                pBar->ShowControlBar(FALSE, TRUE, FALSE);
                m_lstLastHiddenControlBars.AddTail(pBar);
            }
        // The bars docked in the dock bars are hidden with their rows.
        for (CZAVPDockBar* pDockBar : OfKind<CZAVPDockBar>(m_lstControlBars)) {
            const CObList& docked = pDockBar->GetControlBarList();
            for (POSITION posDocked = docked.GetHeadPosition(); posDocked != nullptr;) {
                CZAVPBaseControlBar* pDocked = AsBar(docked.GetNext(posDocked));
                if (pDocked->IsVisible() && !ZAVPIsKindOf(pDocked, RUNTIME_CLASS(CZAVPStatusBar))) {
                    pDocked->ShowControlBar(FALSE, TRUE, FALSE);
                    m_lstLastHiddenControlBars.AddTail(pDocked);
                }
            }
        }
    } else {
        if (!m_bHiddenForOLE) return FALSE;
        m_bHiddenForOLE = FALSE;
        for (POSITION pos = m_lstLastHiddenControlBars.GetHeadPosition(); pos != nullptr;) {
            CObject* p = m_lstLastHiddenControlBars.GetNext(pos);
            if (p->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
                AsBar(p)->ShowControlBar(TRUE, TRUE, FALSE);
            else
                static_cast<CWnd*>(p)->ShowWindow(SW_SHOW);
        }
        m_lstLastHiddenControlBars.RemoveAll();
    }
    AdjustDockingLayout();
    return TRUE;
}

void CZAVPDockManager::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState*)
{
    if (bPreview) {
        if (m_bIsPrintPreviewMode || m_bHiddenForOLE) return;
        m_lstLastHiddenControlBars.RemoveAll();
        for (CObList* pList : {&m_lstAutoHideBars, &m_lstControlBars})
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                CZAVPBaseControlBar* pBar = AsBar(pList->GetNext(pos));
                if (pBar->IsVisible() && !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPStatusBar)) &&
                    !pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)))
                {
                    pBar->ShowControlBar(FALSE, TRUE, FALSE);
                    m_lstLastHiddenControlBars.AddTail(pBar);
                }
            }
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
            CWnd* pMiniFrame = static_cast<CWnd*>(m_lstMiniFrames.GetNext(pos));
            if (pMiniFrame->IsWindowVisible()) {
                pMiniFrame->ShowWindow(SW_HIDE);
                m_lstLastHiddenControlBars.AddTail(pMiniFrame);
            }
        }
        m_bIsPrintPreviewMode = TRUE;
        return;
    }
    if (m_bIsPrintPreviewMode && !m_bHiddenForOLE) {
        for (POSITION pos = m_lstLastHiddenControlBars.GetHeadPosition(); pos != nullptr;) {
            CObject* p = m_lstLastHiddenControlBars.GetNext(pos);
            if (p->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
                AsBar(p)->ShowControlBar(TRUE, TRUE, FALSE);
            else
                static_cast<CWnd*>(p)->ShowWindow(SW_SHOWNOACTIVATE);
        }
        m_lstLastHiddenControlBars.RemoveAll();
    }
    m_bIsPrintPreviewMode = FALSE;
}

void CZAVPDockManager::OnActivateFrame(BOOL bActivate)
{
    if (!bActivate) {
        const BOOL bChildFrame = m_pParentWnd != nullptr &&
                                 ZAVPIsKindOf(m_pParentWnd, RUNTIME_CLASS(CZAVPMDIChildWnd));
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
            CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
                m_lstMiniFrames.GetNext(pos));
            if (pMiniFrame->GetSafeHwnd() == nullptr || !pMiniFrame->IsWindowVisible()) continue;
            // A single-document frame hides only its floating toolbars; floating panes stay.
            if (!bChildFrame &&
                !ZAVPIsKindOf(pMiniFrame->GetControlBar(), RUNTIME_CLASS(CZAVPBaseToolBar)))
                continue;
            pMiniFrame->ShowWindow(SW_HIDE);
            const HWND hWnd = pMiniFrame->GetSafeHwnd();
            if (std::find(m_lstMiniFramesToShow.begin(), m_lstMiniFramesToShow.end(), hWnd) ==
                m_lstMiniFramesToShow.end())
                m_lstMiniFramesToShow.push_back(hWnd);
        }
        return;
    }
    for (HWND hWnd : m_lstMiniFramesToShow) {
        if (!::IsWindow(hWnd)) continue;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)) &&
            static_cast<CZAVPMiniFrameWnd*>(pWnd)->GetHostedBarWnd() != nullptr)
            ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    }
    m_lstMiniFramesToShow.clear();
}

BOOL CZAVPDockManager::OnIdleUpdateCmdUI()
{
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CWnd* pMiniFrame = static_cast<CWnd*>(m_lstMiniFrames.GetNext(pos));
        if (pMiniFrame->GetSafeHwnd() != nullptr) pMiniFrame->SendMessage(WM_IDLEUPDATECMDUI, 0, 0);
    }
    return TRUE;
}

void CZAVPDockManager::LockUpdate(BOOL bLock)
{
    m_bLockUpdate = bLock;
    auto lock = [bLock](CWnd* pWnd) {
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return;
        pWnd->ValidateRect(nullptr);
        pWnd->UpdateWindow();
        ::LockWindowUpdate(bLock ? pWnd->GetSafeHwnd() : nullptr);
    };
    if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
        ::LockWindowUpdate(bLock ? m_pParentWnd->GetSafeHwnd() : nullptr);
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;)
        lock(static_cast<CWnd*>(m_lstMiniFrames.GetNext(pos)));
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        lock(AsBar(m_lstControlBars.GetNext(pos)));
    if (!bLock) ::LockWindowUpdate(nullptr);
}

// ---- persistence

namespace
{
CString DockManagerKey(LPCSTR lpszProfileName, UINT uiID)
{
    CString strKey;
    strKey.Format("%sZAVPDockManager-%d",
                  (LPCSTR)BuildRegistryPath(kDockManagersSection, lpszProfileName), (int)uiID);
    return strKey;
}

// Bars that keep their own state beside the layout: control bars that are not toolbars.
bool SavesOwnState(CZAVPBaseControlBar* pBar)
{
    return pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)) &&
           !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar));
}
}  // namespace

BOOL CZAVPDockManager::SaveState(LPCSTR lpszProfileName, UINT uiID)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (SavesOwnState(pBar)) pBar->SaveState(lpszProfileName, -1, (UINT)-1);
    }
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != nullptr;) {
        CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(
            m_lstMiniFrames.GetNext(pos));
        if (pMiniFrame->GetSafeHwnd() != nullptr) pMiniFrame->SaveState(lpszProfileName);
    }
    // The frame's panes, sliders, floating frames and auto-hide records; a frame with none of
    // them stores four empty sections.
    DockLayout::DockLayoutImage image;
    CollectPaneLayout(image);
    image.miniFrames = MiniFramesToSave();
    image.tabbedBars = TabbedBarsToSave();
    std::unique_ptr<DockLayout::DockLayoutNested> pParts = MakeTabbedLayoutParts(
        MakePaneLayoutParts(), 0);
    CMemFile file(kMemFileGrow);
    try {
        CArchive ar(&file, CArchive::store, kDockArchiveBuffer);
        DockLayout::StoreDockLayout(ar, image, *pParts);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    ZAVPRegistryBytes bytes;
    bytes.TakeFrom(file);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.CreateKey(DockManagerKey(lpszProfileName, uiID)) &&
           reg.WriteBinary(kValueName, bytes.Data(), bytes.Size());
}

BOOL CZAVPDockManager::LoadState(LPCSTR lpszProfileName, UINT uiID)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPBaseControlBar* pBar = AsBar(m_lstControlBars.GetNext(pos));
        if (SavesOwnState(pBar)) pBar->LoadState(lpszProfileName, -1, (UINT)-1);
    }
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.ReadKey(DockManagerKey(lpszProfileName, uiID)) ||
            !reg.ReadBinary(kValueName, pData, nBytes))
            return FALSE;
    }
    ZAVPRegistryBytes bytes;
    bytes.TakeRead(pData, nBytes);
    DiscardLoadedLayout();
    DockLayout::DockLayoutImage image;
    std::unique_ptr<DockLayout::DockLayoutNested> pParts = MakeTabbedLayoutParts(
        MakePaneLayoutParts(), nBytes);
    BOOL bResult = TRUE;
    try {
        ZAVPLayoutWindowBudget budget(ZAVPLayoutWindowBudget::kLayoutWindows);
        CMemFile file(bytes.Data(), bytes.Size());
        CArchive ar(&file, CArchive::load, kDockArchiveBuffer);
        DockLayout::LoadDockLayout(ar, nBytes, image, *pParts);
    } catch (CException* e) {
        e->Delete();
        m_bDisableSetDockState = TRUE;
        bResult = FALSE;
    } catch (const std::bad_alloc&) {
        // What the reading had made is gone with it; the layout stays as it is.
        m_bDisableSetDockState = TRUE;
        bResult = FALSE;
    }
    if (bResult) {
        m_bDisableSetDockState = FALSE;
        StagePaneLayout(image);
        StageLoadedMiniFrames(image.miniFrames);
        StageLoadedTabbedBars(image.tabbedBars);
    }
    return bResult;
}

void CZAVPDockManager::SetDockState()
{
    if (m_bDisableSetDockState) return;
    // The staged records name docking panes by id; they are applied to the panes found, and a
    // record whose pane this frame does not have is dropped.
    m_bRestoringDockState = TRUE;
    HideExistingMiniFrames();
    ApplyLoadedMiniFrames();
    // The rows first: the panes come back to places stored in the client area the rows leave.
    ApplyRestoredRows();
    ApplyPaneLayout();
    ApplyLoadedTabbedBars();
    m_lstLoadedAutoHideBarIDs.clear();
    RestoreUnclaimedMiniFrames();
    m_bRestoringDockState = FALSE;
    RecalcLayout();
}

void CZAVPDockManager::DiscardLoadedLayout()
{
    DiscardLoadedPanes();
    m_lstLoadedBars.RemoveAll();
    DiscardLoadedTabbedBars();
    DiscardLoadedMiniFrames();
    m_lstLoadedAutoHideBarIDs.clear();
}

// ---- dump

DockLayout::LayoutSnapshot CZAVPDockManager::Snapshot() const
{
    DockLayout::LayoutSnapshot snapshot{};
    if (m_pParentWnd == nullptr || m_pParentWnd->GetSafeHwnd() == nullptr) return snapshot;
    m_pParentWnd->GetClientRect(&snapshot.client);
    snapshot.clientArea = m_rectClientAreaBounds;
    auto inFrame = [this](CWnd* pWnd) {
        CRect rect;
        pWnd->GetWindowRect(rect);
        m_pParentWnd->ScreenToClient(rect);
        return (RECT)rect;
    };
    for (CZAVPDockBar* pDockBar : OfKind<CZAVPDockBar>(m_lstControlBars)) {
        if (pDockBar->GetSafeHwnd() == nullptr) continue;
        DockLayout::SnapshotDockBar dock{
            pDockBar->GetDockBarID(), pDockBar->GetCurrentAlignment(), inFrame(pDockBar), {}};
        const CObList& rows = pDockBar->GetRows();
        for (POSITION posRow = rows.GetHeadPosition(); posRow != nullptr;) {
            const CZAVPDockBarRow* pRow = static_cast<const CZAVPDockBarRow*>(rows.GetNext(posRow));
            DockLayout::SnapshotRow row{
                pRow->GetRowOffset(), pRow->GetRowHeight(), pRow->IsVisible() != FALSE, {}};
            const CObList& bars = pRow->GetControlBars();
            for (POSITION posBar = bars.GetHeadPosition(); posBar != nullptr;) {
                CZAVPBaseControlBar* pDocked = AsBar(bars.GetNext(posBar));
                CString strText;
                pDocked->GetWindowText(strText);
                row.bars.push_back({(LPCSTR)strText, (UINT)pDocked->GetDlgCtrlID(),
                                    inFrame(pDocked), (pDocked->GetStyle() & WS_VISIBLE) != 0});
            }
            dock.rows.push_back(row);
        }
        if (pDockBar->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar)))
            dock.rows = AutoHideRows(static_cast<CZAVPAutoHideDockBar*>(pDockBar), inFrame);
        snapshot.dockBars.push_back(dock);
    }
    return snapshot;
}
