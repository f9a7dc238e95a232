// The manager of a bar-container tree (see CZAVPContainerLayout.h).
#include "ui/docking/CZAVPContainerLayout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/ZAVPWindowChecks.h"

int CZAVPContainerLayout::m_nNextSliderID = 1;

namespace
{
// A stored tree lists at most this many panes: more cannot fit in any frame.
const DWORD kMaxStoredBars = 4096;
const DWORD kLayoutIdlessMarker = (DWORD)-1;

CZAVPDockingControlBar* AsPane(CObject* p) { return static_cast<CZAVPDockingControlBar*>(p); }
}  // namespace

CZAVPContainerLayout::CZAVPContainerLayout()
    : m_pRootContainer(nullptr), m_pContainerRTC(nullptr), m_pDefaultSlider(nullptr),
      m_bDestroyRoot(TRUE), m_pDockSite(nullptr)
{
}

CZAVPContainerLayout::~CZAVPContainerLayout()
{
    if (m_bDestroyRoot) {
        // The sliders outlive their tree only as windows; they must not reach back into it.
        for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != nullptr;)
            static_cast<CZAVPSlider*>(m_lstSliders.GetNext(pos))->SetContainerManager(nullptr);
        m_lstSliders.RemoveAll();
        CZAVPBarContainer* pRoot = m_pRootContainer;
        m_pRootContainer = nullptr;
        delete pRoot;
    }
    m_lstControlBars.RemoveAll();
    m_lstSliders.RemoveAll();
}

CZAVPBarContainer* CZAVPContainerLayout::NewContainer() const
{
    CZAVPBarContainer* pContainer = nullptr;
    if (m_pContainerRTC != nullptr) {
        CObject* pObject = m_pContainerRTC->CreateObject();
        if (pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CZAVPBarContainer)))
            pContainer = static_cast<CZAVPBarContainer*>(pObject);
        else
            delete pObject;
    }
    if (pContainer == nullptr) pContainer = new CZAVPBarContainer;
    pContainer->SetManager(const_cast<CZAVPContainerLayout*>(this), FALSE);
    return pContainer;
}

BOOL CZAVPContainerLayout::Create(CWnd* pParentWnd, CZAVPSlider* pDefaultSlider,
                                  CRuntimeClass* pContainerRTC)
{
    m_pDockSite = pParentWnd;
    m_pContainerRTC = pContainerRTC;
    m_pDefaultSlider = pDefaultSlider;
    delete m_pRootContainer;
    m_pRootContainer = NewContainer();
    return TRUE;
}

CZAVPDockManager* CZAVPContainerLayout::FindDockManager() const
{
    CWnd* pWnd = m_pDockSite;
    if (pWnd != nullptr && !pWnd->IsFrameWnd()) pWnd = pWnd->GetParentFrame();
    return CZAVPDockingUtils::GetDockManager(pWnd);
}

// ---- building the tree

void CZAVPContainerLayout::AddFirstBar(CZAVPDockingControlBar* pBar)
{
    if (pBar == nullptr || m_lstControlBars.Find(pBar) != nullptr) return;
    if (m_pRootContainer == nullptr) m_pRootContainer = NewContainer();
    if (m_pRootContainer->GetLeftBar() == nullptr &&
        m_pRootContainer->GetLeftContainer() == nullptr)
        m_pRootContainer->SetBar(pBar, TRUE);
    else if (m_pRootContainer->GetRightBar() == nullptr &&
             m_pRootContainer->GetRightContainer() == nullptr)
        m_pRootContainer->SetBar(pBar, FALSE);
    else
        return;
    m_lstControlBars.AddTail(pBar);
    pBar->SetPercent(DockLayout::kFullPercent);
}

CZAVPSlider* CZAVPContainerLayout::CreateSlider(CRect rectSlider, DWORD dwSliderStyle, int nID)
{
    if (m_pDockSite == nullptr) return nullptr;
    std::vector<int> used;
    for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != nullptr;)
        used.push_back(static_cast<CZAVPSlider*>(m_lstSliders.GetNext(pos))->GetSliderID());
    const int nChosen = DockLayout::ChooseSliderId(m_nNextSliderID, nID, used);
    CZAVPSlider* pSlider = new CZAVPSlider(FALSE, m_pDockSite);
    BOOL bCreated = FALSE;
    try {
        bCreated = pSlider->CreateEx(0, dwSliderStyle | WS_VISIBLE, rectSlider, m_pDockSite,
                                     (UINT)nChosen);
    } catch (CException* e) {
        e->Delete();
    }
    if (!bCreated) {
        if (HasWindow(pSlider))
            pSlider->DestroyWindow();
        else
            delete pSlider;
        return nullptr;
    }
    pSlider->SetContainerManager(this);
    m_lstSliders.AddTail(pSlider);
    return pSlider;
}

BOOL CZAVPContainerLayout::InsertControlBar(CZAVPDockingControlBar* pBarToInsert,
                                            CZAVPDockingControlBar* pTargetBar, DWORD dwAlignment,
                                            LPCRECT lpRect)
{
    if (pBarToInsert == nullptr || pTargetBar == nullptr || pBarToInsert == pTargetBar ||
        m_pRootContainer == nullptr)
        return FALSE;
    POSITION posTarget = m_lstControlBars.Find(pTargetBar);
    if (posTarget == nullptr || m_lstControlBars.Find(pBarToInsert) != nullptr) return FALSE;
    BOOL bLeft = FALSE;
    CZAVPBarContainer* pHolder = FindContainer(pTargetBar, bLeft);
    if (pHolder == nullptr) return FALSE;

    CRect rectTarget = pTargetBar->WindowRectInParent();
    CRect rectNewWnd = lpRect != nullptr ? CRect(*lpRect) : pBarToInsert->WindowRectInParent();
    DockLayout::SplitRects split;
    if (!DockLayout::CalcSplitRects(rectTarget, rectNewWnd.Size(), pBarToInsert->GetMinSize(),
                                    dwAlignment, split))
        return FALSE;
    const DWORD dwSliderStyle = split.bHorizontalSlider ? CZAVPSlider::SS_HORZ
                                                        : CZAVPSlider::SS_VERT;
    // The slider is the only step that can fail; nothing has changed before it.
    CZAVPSlider* pSlider = CreateSlider(CRect(split.rectSlider), dwSliderStyle);
    if (pSlider == nullptr) return FALSE;

    CRect rectNew(split.rectNew);
    pTargetBar->MoveWindow(rectTarget, TRUE, nullptr);
    pBarToInsert->MoveWindow(rectNew, TRUE, nullptr);

    CZAVPBarContainer* pNode = NewContainer();
    pNode->SetBar(split.bNewIsFirst ? pBarToInsert : pTargetBar, TRUE);
    pNode->SetBar(split.bNewIsFirst ? pTargetBar : pBarToInsert, FALSE);
    pNode->SetSlider(pSlider);
    pNode->SetOrientation(split.bHorizontalSlider);
    pNode->SetPercent(pHolder->GetPercent());
    CRect rectRoom;
    rectRoom.UnionRect(rectTarget, rectNew);
    pNode->SetRoom(rectRoom);
    pBarToInsert->SetPercent(DockLayout::kHalfPercent);
    pTargetBar->SetPercent(DockLayout::kHalfPercent);
    // The new node keeps the share its side had in the holder.
    pNode->SetPercent(pTargetBar->GetPercent() == 0 ? DockLayout::kHalfPercent
                                                    : pHolder->GetPercent());
    pHolder->AddSubContainer(pNode, bLeft);
    if (split.bNewIsFirst)
        m_lstControlBars.InsertBefore(posTarget, pBarToInsert);
    else
        m_lstControlBars.InsertAfter(posTarget, pBarToInsert);
    return TRUE;
}

BOOL CZAVPContainerLayout::InsertContainerManager(CZAVPContainerLayout* pOther,
                                                  CZAVPDockingControlBar* pTargetBar,
                                                  DWORD dwAlignment)
{
    if (pOther == nullptr || pOther->m_pRootContainer == nullptr || pOther->IsEmpty()) return FALSE;
    POSITION posTarget = m_lstControlBars.Find(pTargetBar);
    BOOL bLeft = FALSE;
    CZAVPBarContainer* pHolder = posTarget ? FindContainer(pTargetBar, bLeft) : nullptr;
    if (pHolder == nullptr) return FALSE;
    CRect rectOther;
    pOther->GetWindowRect(rectOther);
    CRect rectTarget = pTargetBar->WindowRectInParent();
    DockLayout::SplitRects split;
    if (!DockLayout::CalcSplitRects(rectTarget, rectOther.Size(), CSize(1, 1), dwAlignment, split))
        return FALSE;
    CZAVPSlider* pSlider = CreateSlider(CRect(split.rectSlider), split.bHorizontalSlider
                                                                     ? CZAVPSlider::SS_HORZ
                                                                     : CZAVPSlider::SS_VERT);
    if (pSlider == nullptr) return FALSE;

    // The other tree moves over whole: its root becomes the new side; its panes and sliders
    // become children of this owner.
    CZAVPBarContainer* pMoved = pOther->m_pRootContainer;
    pOther->m_pRootContainer = pOther->NewContainer();
    pMoved->SetManager(this, TRUE);
    std::vector<CZAVPDockingControlBar*> moved;
    for (POSITION pos = pOther->m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        moved.push_back(AsPane(pOther->m_lstControlBars.GetNext(pos)));
    std::vector<CZAVPSlider*> movedSliders;
    for (POSITION pos = pOther->m_lstSliders.GetHeadPosition(); pos != nullptr;)
        movedSliders.push_back(static_cast<CZAVPSlider*>(pOther->m_lstSliders.GetNext(pos)));
    CZAVPDockingUtils::ReparentBars(pOther->m_lstControlBars, m_pDockSite, FALSE);
    pOther->m_lstControlBars.RemoveAll();
    pOther->m_lstSliders.RemoveAll();
    for (CZAVPSlider* p : movedSliders) {
        p->SetParent(m_pDockSite);
        p->SetContainerManager(this);
        m_lstSliders.AddTail(p);
    }

    pTargetBar->MoveWindow(rectTarget, TRUE, nullptr);
    CZAVPBarContainer* pNode = NewContainer();
    pNode->SetSlider(pSlider);
    pNode->SetOrientation(split.bHorizontalSlider);
    pNode->SetBar(pTargetBar, !split.bNewIsFirst);
    pNode->SetContainer(pMoved, split.bNewIsFirst);
    pMoved->SetRoom(CRect(split.rectNew));
    CRect rectRoom;
    rectRoom.UnionRect(rectTarget, CRect(split.rectNew));
    pNode->SetRoom(rectRoom);
    pHolder->AddSubContainer(pNode, bLeft);
    HDWP hdwp = nullptr;
    pMoved->SetRoom(CRect());
    pMoved->ResizeContainer(CRect(split.rectNew), hdwp);
    for (CZAVPDockingControlBar* pBar : moved) {
        if (split.bNewIsFirst)
            m_lstControlBars.InsertBefore(posTarget, pBar);
        else
            posTarget = m_lstControlBars.InsertAfter(posTarget, pBar);
    }
    return TRUE;
}

BOOL CZAVPContainerLayout::AddContainerManager(CZAVPContainerLayout& other)
{
    if (!IsEmpty() || other.m_pRootContainer == nullptr) return FALSE;
    CRect rectOther;
    other.GetWindowRect(rectOther);
    delete m_pRootContainer;
    m_pRootContainer = other.m_pRootContainer;
    other.m_pRootContainer = other.NewContainer();
    m_pRootContainer->SetManager(this, TRUE);
    std::vector<CZAVPDockingControlBar*> moved;
    for (POSITION pos = other.m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        moved.push_back(AsPane(other.m_lstControlBars.GetNext(pos)));
    for (POSITION pos = other.m_lstSliders.GetHeadPosition(); pos != nullptr;) {
        CZAVPSlider* p = static_cast<CZAVPSlider*>(other.m_lstSliders.GetNext(pos));
        p->SetParent(m_pDockSite);
        p->SetContainerManager(this);
        m_lstSliders.AddTail(p);
    }
    CZAVPDockingUtils::ReparentBars(other.m_lstControlBars, m_pDockSite, FALSE);
    other.m_lstControlBars.RemoveAll();
    other.m_lstSliders.RemoveAll();
    const DWORD dwAlignment = m_pDefaultSlider != nullptr ? m_pDefaultSlider->GetCurrentAlignment()
                                                          : (DWORD)CBRS_ALIGN_LEFT;
    for (CZAVPDockingControlBar* pBar : moved) {
        m_lstControlBars.AddTail(pBar);
        pBar->SetBarAlignment(dwAlignment);
        if (m_pDefaultSlider != nullptr) {
            pBar->SetDefaultSlider(m_pDefaultSlider->GetSafeHwnd());
            if (CZAVPDockManager* pManager = FindDockManager()) pManager->AddControlBar(pBar);
        }
    }
    HDWP hdwp = nullptr;
    m_pRootContainer->SetRoom(CRect());
    ResizeContainers(rectOther, hdwp);
    return TRUE;
}

BOOL CZAVPContainerLayout::AttachContainerManagerAsTabs(CZAVPDockingControlBar* pTargetBar,
                                                        CZAVPContainerLayout& other)
{
    if (m_lstControlBars.Find(pTargetBar) == nullptr) return FALSE;
    std::vector<CZAVPDockingControlBar*> bars;
    for (POSITION pos = other.m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(other.m_lstControlBars.GetNext(pos));
        if (pBar->IsVisible()) bars.push_back(pBar);
    }
    BOOL bAttached = FALSE;
    for (CZAVPDockingControlBar* pBar : bars) {
        CZAVPDockingControlBar* pGroup = nullptr;
        other.RemoveControlBar(pBar);
        if (pBar->AttachToTabbedBar(pTargetBar, ZAVP_DM_RECT, TRUE, pGroup) != nullptr)
            bAttached = TRUE;
    }
    return bAttached;
}

BOOL CZAVPContainerLayout::AddControlBarToRecentContainer(CZAVPDockingControlBar* pBar,
                                                          CZAVPBarContainer* pRecentContainer,
                                                          BOOL bLeft, int nPercent)
{
    if (pBar == nullptr || pRecentContainer == nullptr || m_pRootContainer == nullptr ||
        m_pRootContainer->FindSubContainer(pRecentContainer, CZAVPBarContainer::kContainer) ==
            nullptr ||
        m_lstControlBars.Find(pBar) != nullptr)
        return FALSE;
    CZAVPDockingControlBar* pSideBar = bLeft ? pRecentContainer->GetLeftBar()
                                             : pRecentContainer->GetRightBar();
    CZAVPBarContainer* pSideSub = bLeft ? pRecentContainer->GetLeftContainer()
                                        : pRecentContainer->GetRightContainer();
    if (pSideBar != nullptr || pSideSub != nullptr) return FALSE;
    // The node's split comes back: its slider is made again from what it kept.
    const BOOL bOtherSide = bLeft ? (pRecentContainer->GetRightBar() != nullptr ||
                                     pRecentContainer->GetRightContainer() != nullptr)
                                  : (pRecentContainer->GetLeftBar() != nullptr ||
                                     pRecentContainer->GetLeftContainer() != nullptr);
    if (bOtherSide && pRecentContainer->GetSlider() == nullptr) {
        const DWORD dwStyle = pRecentContainer->IsHorizontalSplit() ? CZAVPSlider::SS_HORZ
                                                                    : CZAVPSlider::SS_VERT;
        CZAVPSlider* pSlider = CreateSlider(pRecentContainer->m_rectSavedSliderRect, dwStyle);
        if (pSlider == nullptr) return FALSE;
        pRecentContainer->SetSlider(pSlider);
    }
    pRecentContainer->SetBar(pBar, bLeft);
    pBar->SetPercent(nPercent <= 0 || nPercent >= 100 ? DockLayout::kHalfPercent : nPercent);
    m_lstControlBars.AddTail(pBar);
    HDWP hdwp = nullptr;
    // An empty room lets the stored shares decide the split.
    const CRect rect = m_rectArea;
    m_pRootContainer->SetRoom(CRect());
    ResizeContainers(rect, hdwp);
    return TRUE;
}

BOOL CZAVPContainerLayout::ReplaceControlBar(CZAVPDockingControlBar* pBarOld,
                                             CZAVPDockingControlBar* pBarNew)
{
    if (pBarNew == nullptr) return FALSE;
    POSITION pos = m_lstControlBars.Find(pBarOld);
    if (pos == nullptr || m_pRootContainer == nullptr) {
        m_lstControlBars.AddTail(pBarNew);
        return TRUE;
    }
    m_pRootContainer->ReplaceBar(pBarOld, pBarNew);
    m_lstControlBars.SetAt(pos, pBarNew);
    pBarNew->SetPercent(pBarOld->GetPercent());
    if (HasWindow(pBarOld)) {
        CRect rect = pBarOld->WindowRectInParent();
        pBarNew->MoveWindow(rect, TRUE, nullptr);
    }
    return TRUE;
}

// ---- taking panes out

BOOL CZAVPContainerLayout::RemoveControlBar(CZAVPDockingControlBar* pBar)
{
    if (m_pRootContainer == nullptr) return FALSE;
    BOOL bLeft = FALSE;
    CZAVPBarContainer* pHolder = FindContainer(pBar, bLeft);
    POSITION pos = m_lstControlBars.Find(pBar);
    if (pos != nullptr) m_lstControlBars.RemoveAt(pos);
    if (pHolder == nullptr) return FALSE;
    pHolder->RemoveControlBar(pBar);
    CollapseIfEmpty(pHolder);
    return TRUE;
}

BOOL CZAVPContainerLayout::CollapseIfEmpty(CZAVPBarContainer* pContainer)
{
    if (pContainer == nullptr || pContainer == m_pRootContainer || pContainer->GetRefCount() > 0)
        return FALSE;
    const int nSides = (pContainer->GetLeftBar() || pContainer->GetLeftContainer() ? 1 : 0) +
                       (pContainer->GetRightBar() || pContainer->GetRightContainer() ? 1 : 0);
    if (nSides >= 2) return FALSE;
    CZAVPBarContainer* pParent = pContainer->GetParentContainer();
    if (pParent == nullptr) return FALSE;
    const BOOL bLeftInParent = pParent->GetLeftContainer() == pContainer;
    // The remaining side takes the node's place in its parent.
    CZAVPDockingControlBar* pBar = pContainer->GetLeftBar() ? pContainer->GetLeftBar()
                                                            : pContainer->GetRightBar();
    CZAVPBarContainer* pSub = pContainer->GetLeftContainer() ? pContainer->GetLeftContainer()
                                                             : pContainer->GetRightContainer();
    const CRect rectRoom = pContainer->GetRoom();
    const int nPercent = pContainer->GetPercent();
    pContainer->SetBar(nullptr, TRUE);
    pContainer->SetBar(nullptr, FALSE);
    pContainer->m_pLeftContainer = nullptr;
    pContainer->m_pRightContainer = nullptr;
    pParent->SetContainer(nullptr, bLeftInParent);
    if (pBar != nullptr) {
        pParent->SetBar(pBar, bLeftInParent);
        pBar->SetPercent(nPercent);
    } else if (pSub != nullptr) {
        pParent->SetContainer(pSub, bLeftInParent);
        pSub->SetPercent(nPercent);
        pSub->SetRoom(rectRoom);
    }
    if (CZAVPSlider* pSlider = pContainer->GetSlider()) RemoveSlider(pSlider);
    delete pContainer;  // destroys its split's slider, if one was left
    // The parent may be left with a single side in turn.
    CollapseIfEmpty(pParent);
    return TRUE;
}

void CZAVPContainerLayout::ReleaseEmptyContainers()
{
    if (m_pRootContainer == nullptr) return;
    // Children first: collect the nodes depth-first, then try them from the deepest.
    std::vector<CZAVPBarContainer*> nodes;
    std::vector<CZAVPBarContainer*> stack{m_pRootContainer};
    while (!stack.empty()) {
        CZAVPBarContainer* p = stack.back();
        stack.pop_back();
        nodes.push_back(p);
        if (p->GetLeftContainer()) stack.push_back(p->GetLeftContainer());
        if (p->GetRightContainer()) stack.push_back(p->GetRightContainer());
    }
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        if (*it == m_pRootContainer) continue;
        // A collapse may delete other nodes of the list: test membership before each.
        if (m_pRootContainer->FindSubContainer(*it, CZAVPBarContainer::kContainer) != nullptr)
            CollapseIfEmpty(*it);
    }
}

void CZAVPContainerLayout::RemoveNonValidBars()
{
    if (m_pRootContainer != nullptr) m_pRootContainer->RemoveNonValidBars();
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        POSITION posCur = pos;
        if (!HasWindow(AsPane(m_lstControlBars.GetNext(pos)))) m_lstControlBars.RemoveAt(posCur);
    }
}

void CZAVPContainerLayout::RestoreRooms()
{
    if (m_pRootContainer == nullptr) return;
    m_rectArea = m_pRootContainer->RestoreRoom();
}

void CZAVPContainerLayout::PlaceAtLoadedSliders(const CRect& rect)
{
    if (m_pRootContainer == nullptr) return;
    m_rectArea = rect;
    HDWP hdwp = nullptr;
    m_pRootContainer->PlaceAtLoadedSliders(rect, hdwp);
    // Nodes laid out by their shares keep no stored split for a later layout.
    std::vector<CZAVPBarContainer*> nodes;
    m_pRootContainer->GetNodes(nodes);
    for (CZAVPBarContainer* pNode : nodes) pNode->ForgetLoadedSlider();
}

void CZAVPContainerLayout::RemoveSlider(CZAVPSlider* pSlider)
{
    POSITION pos = m_lstSliders.Find(pSlider);
    if (pos != nullptr) m_lstSliders.RemoveAt(pos);
    if (pSlider != nullptr && !pSlider->IsDefault()) pSlider->SetContainerManager(nullptr);
    if (m_pRootContainer != nullptr)
        if (CZAVPBarContainer* p = m_pRootContainer->FindSubContainer(pSlider,
                                                                      CZAVPBarContainer::kSlider))
            p->SetSlider(nullptr);
}

// ---- layout

void CZAVPContainerLayout::GetWindowRect(CRect& rect) const
{
    rect = m_pRootContainer != nullptr ? m_pRootContainer->GetRoom() : CRect();
}

void CZAVPContainerLayout::GetEmptyRect(CRect& rect) const
{
    rect = m_rectArea;
    // The room the panes and sliders leave: nothing when they fill the area.
    if (IsAnyBarVisible()) rect.SetRectEmpty();
}

void CZAVPContainerLayout::ResizeContainers(const CRect& rect, HDWP& hdwp)
{
    m_rectArea = rect;
    if (m_pRootContainer != nullptr) m_pRootContainer->ResizeContainer(rect, hdwp);
}

void CZAVPContainerLayout::StretchContainers(int nDelta, DWORD dwAlignment, HDWP& hdwp)
{
    CRect rect = m_rectArea;
    const DockAxis axis = DockAxis::ForAlignment(dwAlignment);
    // Positive deltas grow toward the right or bottom, negative toward the left or top.
    if (nDelta > 0)
        axis.SetCrossEnd(rect, axis.CrossEnd(rect) + nDelta);
    else
        axis.SetCrossStart(rect, axis.CrossStart(rect) + nDelta);
    ResizeContainers(rect, hdwp);
}

void CZAVPContainerLayout::OnSliderMoved(CZAVPSlider* pSlider, int nOffset)
{
    if (pSlider == nullptr || m_pRootContainer == nullptr) return;
    if (pSlider == m_pDefaultSlider) {
        // The default slider stands on the tree's inner edge: the tree grows or shrinks there.
        // An auto-hide slider's tree is its one slid-out pane, wherever that stands now.
        if (pSlider->IsAutoHideMode() && GetFirstBar() != nullptr)
            m_rectArea = GetFirstBar()->WindowRectInParent();
        CRect rect = m_rectArea;
        switch (pSlider->GetCurrentAlignment() & CBRS_ALIGN_ANY) {
        case CBRS_ALIGN_LEFT: rect.right += nOffset; break;
        case CBRS_ALIGN_RIGHT: rect.left += nOffset; break;
        case CBRS_ALIGN_TOP: rect.bottom += nOffset; break;
        case CBRS_ALIGN_BOTTOM: rect.top += nOffset; break;
        default: return;
        }
        HDWP hdwp = nullptr;
        ResizeContainers(rect, hdwp);
        // The pane slides out at its new thickness from now on.
        if (pSlider->IsAutoHideMode() && GetFirstBar() != nullptr)
            GetFirstBar()->SetAutoHideRect(rect);
        return;
    }
    if (CZAVPBarContainer* pNode = m_pRootContainer->FindSubContainer(pSlider,
                                                                      CZAVPBarContainer::kSlider))
        pNode->OnMoveSlider(nOffset);
}

void CZAVPContainerLayout::GetSliderDragLimits(CZAVPSlider* pSlider, int& nMinOffset,
                                               int& nMaxOffset, int& nPreferredRow)
{
    nMinOffset = nMaxOffset = 0;
    nPreferredRow = -1;
    if (pSlider == nullptr || m_pRootContainer == nullptr) return;
    if (pSlider != m_pDefaultSlider) {
        CZAVPBarContainer* pNode = m_pRootContainer->FindSubContainer(pSlider,
                                                                      CZAVPBarContainer::kSlider);
        if (pNode == nullptr) return;
        pNode->GetSliderLimits(nMinOffset, nMaxOffset);
        nPreferredRow = pNode->GetPreferredRow();
        return;
    }
    CZAVPDockManager* pManager = FindDockManager();
    CRect rectClient;
    if (pManager != nullptr)
        pManager->GetClientAreaBounds(rectClient);
    else if (m_pDockSite != nullptr)
        m_pDockSite->GetClientRect(rectClient);
    const DWORD dwAlignment = pSlider->GetCurrentAlignment();
    const DockAxis axis(!IsHorizontalAlignment(dwAlignment));
    if (pSlider->IsAutoHideMode() && GetFirstBar() != nullptr)
        m_rectArea = GetFirstBar()->WindowRectInParent();
    CSize sizeMin;
    GetMinSize(sizeMin);
    LONG nLow = 0, nHigh = 0;
    DockLayout::DefaultSliderLimits(dwAlignment, pSlider->RectInParent(), axis.Length(m_rectArea),
                                    axis.Along(sizeMin), rectClient, nLow, nHigh);
    nMinOffset = (int)nLow;
    nMaxOffset = (int)nHigh;
    nPreferredRow = m_pRootContainer->GetPreferredRow();
}

void CZAVPContainerLayout::GetMinSize(CSize& size) const
{
    size = CSize(0, 0);
    if (m_pRootContainer != nullptr) m_pRootContainer->GetMinSize(size);
}

// ---- showing and hiding

BOOL CZAVPContainerLayout::ShowBar(CZAVPDockingControlBar*, BOOL)
{
    HDWP hdwp = nullptr;
    const CRect rect = m_rectArea;
    if (m_pRootContainer != nullptr && !rect.IsRectEmpty()) ResizeContainers(rect, hdwp);
    return IsAnyBarVisible();
}

void CZAVPContainerLayout::OnShowControlBar(CZAVPDockingControlBar* pBar, BOOL bShow)
{
    ShowBar(pBar, bShow);
}

BOOL CZAVPContainerLayout::IsAnyBarVisible() const { return GetVisibleBarCount() > 0; }

int CZAVPContainerLayout::GetVisibleBarCount() const
{
    int n = 0;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        const CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (HasWindow(pBar) && (pBar->GetStyle() & WS_VISIBLE)) ++n;
    }
    return n;
}

void CZAVPContainerLayout::EnableGrippers(BOOL bEnable)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        AsPane(m_lstControlBars.GetNext(pos))->EnableGripper(bEnable);
}

void CZAVPContainerLayout::HideAll()
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (HasWindow(pBar)) pBar->ShowWindow(SW_HIDE);
    }
    for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != nullptr;) {
        CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(m_lstSliders.GetNext(pos));
        if (HasWindow(pSlider)) pSlider->ShowWindow(SW_HIDE);
    }
}

// ---- questions

BOOL CZAVPContainerLayout::CanFloatAny() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        if (AsPane(m_lstControlBars.GetNext(pos))->CanFloat()) return TRUE;
    return FALSE;
}

BOOL CZAVPContainerLayout::CanBeDetached() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        if (AsPane(m_lstControlBars.GetNext(pos))->CanBeDetached()) return TRUE;
    return FALSE;
}

BOOL CZAVPContainerLayout::CanBeAttached() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;)
        if (!AsPane(m_lstControlBars.GetNext(pos))->CanBeAttached()) return FALSE;
    return TRUE;
}

CZAVPDockingControlBar* CZAVPContainerLayout::GetFirstBar() const
{
    return m_lstControlBars.IsEmpty() ? nullptr : AsPane(m_lstControlBars.GetHead());
}

CZAVPDockingControlBar* CZAVPContainerLayout::GetFirstVisibleBar() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (HasWindow(pBar) && (pBar->GetStyle() & WS_VISIBLE)) return pBar;
    }
    return nullptr;
}

CZAVPDockingControlBar* CZAVPContainerLayout::FindBarByID(UINT nID) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (HasWindow(pBar) && (UINT)pBar->GetDlgCtrlID() == nID) return pBar;
    }
    return nullptr;
}

CZAVPBarContainer* CZAVPContainerLayout::FindContainer(CZAVPDockingControlBar* pBar,
                                                       BOOL& bLeft) const
{
    if (m_pRootContainer == nullptr || pBar == nullptr) return nullptr;
    if (CZAVPBarContainer* p = m_pRootContainer->FindSubContainer(pBar,
                                                                  CZAVPBarContainer::kBarLeft)) {
        bLeft = TRUE;
        return p;
    }
    if (CZAVPBarContainer* p = m_pRootContainer->FindSubContainer(pBar,
                                                                  CZAVPBarContainer::kBarRight)) {
        bLeft = FALSE;
        return p;
    }
    return nullptr;
}

int CZAVPContainerLayout::GetNodeCount() const
{
    return m_pRootContainer ? m_pRootContainer->GetNodeCount() : 0;
}

int CZAVPContainerLayout::GetTotalReferenceCount() const
{
    return m_pRootContainer ? m_pRootContainer->GetTotalReferenceCount() : 0;
}

CZAVPDockingControlBar* CZAVPContainerLayout::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                                  BOOL bExactBar, BOOL& bTabArea,
                                                                  BOOL& bCaption)
{
    bTabArea = bCaption = FALSE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (!HasWindow(pBar) || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        CRect rectWnd;
        pBar->CWnd::GetWindowRect(rectWnd);
        CRect rectTop, rectBottom;
        pBar->GetTabArea(rectTop, rectBottom);
        if (pBar->HitTest(point, TRUE) == HTCAPTION) {
            bCaption = TRUE;
            return pBar;
        }
        if (rectTop.PtInRect(point) || rectBottom.PtInRect(point)) {
            bTabArea = TRUE;
            return pBar;
        }
        if (!rectWnd.PtInRect(point)) continue;
        if (!bExactBar) return pBar;
        CRect rectInner = rectWnd;
        rectInner.DeflateRect(nSensitivity, nSensitivity);
        if (!rectInner.PtInRect(point)) return pBar;
    }
    if (bExactBar) return nullptr;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        if (!HasWindow(pBar) || !(pBar->GetStyle() & WS_VISIBLE)) continue;
        CRect rectWnd;
        pBar->CWnd::GetWindowRect(rectWnd);
        rectWnd.InflateRect(nSensitivity, nSensitivity);
        if (rectWnd.PtInRect(point)) return pBar;
    }
    return nullptr;
}

BOOL CZAVPContainerLayout::CanBeAttachedAsTab(CPoint point, CZAVPDockingControlBar*& pBar) const
{
    // Only a multi mini frame's tree has a caption of its own to drop on; while the frame holds
    // one bar its caption is that bar's, and a window dropped there joins the bar as a tab.
    pBar = nullptr;
    if (m_pDockSite == nullptr || m_pDockSite->GetSafeHwnd() == nullptr ||
        !m_pDockSite->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)) ||
        m_lstControlBars.GetCount() >= 2)
        return FALSE;
    CZAVPMiniFrameWnd* pMiniFrame = static_cast<CZAVPMiniFrameWnd*>(m_pDockSite);
    if (!pMiniFrame->IsWindowVisible() || pMiniFrame->HitTest(point, TRUE) != HTCAPTION)
        return FALSE;
    pBar = GetFirstBar();
    return HasWindow(pBar);
}

// ---- the dump

namespace
{
struct SnapshotBuilder
{
    DockLayout::ContainerSnapshot& t;

    static DockLayout::ContainerSide Side(const CZAVPDockingControlBar* pBar, int nSub,
                                          const CRect& rectSub, int nSubPercent)
    {
        DockLayout::ContainerSide s{0, "", {0, 0, 0, 0}, false, 0, nSub};
        if (pBar != nullptr && HasWindow(pBar)) {
            s.barId = (UINT)pBar->GetDlgCtrlID();
            CString strText;
            pBar->GetWindowText(strText);
            s.name = (LPCSTR)strText;
            s.rect = pBar->WindowRectInParent();
            s.visible = (pBar->GetStyle() & WS_VISIBLE) != 0;
            s.percent = pBar->GetPercent();
        } else if (nSub >= 0) {
            s.rect = rectSub;
            s.percent = nSubPercent;
        }
        return s;
    }

    int Add(const CZAVPBarContainer* p, int nParent)
    {
        const int index = (int)t.nodes.size();
        t.nodes.emplace_back();
        int subs[2] = {-1, -1};
        const CZAVPBarContainer* children[2] = {p->GetLeftContainer(), p->GetRightContainer()};
        for (int i = 0; i < 2; ++i)
            if (children[i] != nullptr) subs[i] = Add(children[i], index);
        DockLayout::ContainerNode& n = t.nodes[(size_t)index];
        n.first = Side(p->GetLeftBar(), subs[0], children[0] ? children[0]->GetRoom() : CRect(),
                       children[0] ? children[0]->GetPercent() : 0);
        n.second = Side(p->GetRightBar(), subs[1], children[1] ? children[1]->GetRoom() : CRect(),
                        children[1] ? children[1]->GetPercent() : 0);
        const CZAVPSlider* pSlider = p->GetSlider();
        n.sliderId = HasWindow(pSlider) ? (UINT)pSlider->GetDlgCtrlID() : 0;
        n.rectSlider = HasWindow(pSlider) ? pSlider->RectInParent() : CRect();
        n.sliderVisible = HasWindow(pSlider) && (pSlider->GetStyle() & WS_VISIBLE) != 0;
        n.horizontalSlider = p->IsHorizontalSplit() != FALSE;
        n.parent = nParent;
        return index;
    }
};
}  // namespace

DockLayout::ContainerSnapshot CZAVPContainerLayout::Snapshot() const
{
    DockLayout::ContainerSnapshot t;
    t.area = m_rectArea;
    t.root = -1;
    if (m_pRootContainer != nullptr) {
        SnapshotBuilder builder{t};
        t.root = builder.Add(m_pRootContainer, -1);
    }
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        const CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
        t.bars.push_back(HasWindow(pBar) ? (UINT)pBar->GetDlgCtrlID() : 0);
    }
    for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != nullptr;) {
        const CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(m_lstSliders.GetNext(pos));
        t.sliders.push_back(HasWindow(pSlider) ? (UINT)pSlider->GetDlgCtrlID() : 0);
    }
    return t;
}

// ---- the stored tree

void CZAVPContainerLayout::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ReleaseEmptyContainers();
        if (m_pRootContainer == nullptr) m_pRootContainer = NewContainer();
        m_pRootContainer->Serialize(ar);
        // A pane by its id; an id-less tabbed bar by -1 and its first tab's id, which finds it
        // among the tabbed bars its node record makes. Other id-less bars cannot come back.
        std::vector<std::pair<DWORD, DWORD>> entries;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
            const CZAVPDockingControlBar* pBar = AsPane(m_lstControlBars.GetNext(pos));
            if (!HasWindow(pBar)) continue;
            if (pBar->GetDlgCtrlID() != -1) {
                entries.emplace_back((DWORD)pBar->GetDlgCtrlID(), 0);
            } else if (CZAVPBarContainer::StoredTabbedBarClass(pBar) != nullptr) {
                CWnd* pFirst = static_cast<CZAVPBaseTabbedBar*>(
                                   const_cast<CZAVPDockingControlBar*>(pBar))
                                   ->FindBarByTabNumber(0);
                entries.emplace_back(kLayoutIdlessMarker,
                                     HasWindow(pFirst) ? (DWORD)pFirst->GetDlgCtrlID() : 0);
            }
        }
        ar << (DWORD)entries.size();
        for (const auto& e : entries) {
            ar << e.first;
            if (e.first == kLayoutIdlessMarker) ar << e.second;
        }
        return;
    }
    CZAVPDockManager* pManager = FindDockManager();
    if (pManager == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
    // The loaded tree is staged and only replaces the current one when all of it was read and
    // its bars were found; nothing after the swap can fail, so a failure never touches the tree
    // in use.
    CZAVPBarContainer* pRoot = NewContainer();
    CObList slidersBefore;
    slidersBefore.AddTail(&m_lstSliders);
    std::vector<CZAVPDockingControlBar*> bars;
    try {
        pRoot->Serialize(ar);
        DWORD dwCount = 0;
        ar >> dwCount;
        if (dwCount > kMaxStoredBars) AfxThrowArchiveException(CArchiveException::badIndex);
        std::vector<std::pair<DWORD, DWORD>> entries(dwCount);
        for (auto& e : entries) {
            ar >> e.first;
            if (e.first == kLayoutIdlessMarker) ar >> e.second;
        }
        bars.reserve(entries.size());
        auto listed = [&bars](CZAVPDockingControlBar* pBar) {
            return std::find(bars.begin(), bars.end(), pBar) != bars.end();
        };
        for (const auto& e : entries) {
            const DWORD id = e.first;
            if (id == kLayoutIdlessMarker) {
                // The tabbed bar its node made, known by the first of the tabs it will gather.
                CZAVPDockingControlBar* pTabbed = pRoot->FindStagedTabbedBar(e.second);
                if (pTabbed != nullptr && !listed(pTabbed)) bars.push_back(pTabbed);
                continue;
            }
            // Only panes are looked up: a slider may carry the same number as a pane.
            CZAVPDockingControlBar* pBar = nullptr;
            const CObList& managerBars = pManager->GetControlBars();
            for (POSITION posBar = managerBars.GetHeadPosition(); posBar != nullptr && !pBar;) {
                CObject* p = managerBars.GetNext(posBar);
                if (p->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) &&
                    HasWindow(static_cast<CWnd*>(p)) &&
                    (DWORD) static_cast<CWnd*>(p)->GetDlgCtrlID() == id)
                    pBar = static_cast<CZAVPDockingControlBar*>(p);
            }
            // A pane floating now still belongs where the stored tree puts it.
            if (pBar == nullptr)
                if (CZAVPBaseControlBar* pFloating = pManager->FindFloatingBarByID((UINT)id))
                    if (pFloating->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
                        pBar = static_cast<CZAVPDockingControlBar*>(pFloating);
            // A floating frame's pane that became a tab since: the frame takes it back out of
            // its group (CZAVPMultiMiniFrameWnd::SetDockState).
            if (pBar == nullptr && m_pDockSite != nullptr &&
                m_pDockSite->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)))
            {
                CZAVPBaseTabbedBar* pHolder = nullptr;
                CWnd* pTab = pManager->FindTabWindow((UINT)id, pHolder);
                if (pHolder != nullptr && HasWindow(pTab) &&
                    pTab->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
                    pBar = static_cast<CZAVPDockingControlBar*>(pTab);
            }
            if (pBar == nullptr || listed(pBar)) continue;
            if (pRoot->SetUpByID((UINT)id, pBar)) bars.push_back(pBar);
        }
        // The list is made while the tree in use still stands: only pointer moves follow.
        CObList loaded;
        for (CZAVPDockingControlBar* pBar : bars) loaded.AddTail(pBar);
        CZAVPBarContainer* pOld = m_pRootContainer;
        m_pRootContainer = pRoot;
        pRoot = nullptr;
        m_lstControlBars.RemoveAll();
        m_lstControlBars.AddTail(&loaded);
        delete pOld;
    } catch (...) {
        if (pRoot != nullptr) {
            // The sliders read for the staged tree go with it.
            for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != nullptr;) {
                POSITION posCur = pos;
                CObject* p = m_lstSliders.GetNext(pos);
                if (slidersBefore.Find(p) == nullptr) m_lstSliders.RemoveAt(posCur);
            }
            delete pRoot;
        }
        throw;
    }
    RemoveNonValidBars();
}
