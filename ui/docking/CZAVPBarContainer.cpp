// One node of a bar-container tree (see CZAVPBarContainer.h).
#include "ui/docking/CZAVPBarContainer.h"

#include <algorithm>
#include <unordered_map>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CControlBar.h"
#include "framework/CFile.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/ZAVPLayoutWindowBudget.h"
#include "ui/docking/layout/TabWindowRecord.h"
#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/ZAVPWindowChecks.h"

IMPLEMENT_DYNCREATE(CZAVPBarContainer, CObject)

namespace
{
// A stored tree deeper than this is refused: no side holds that many panes.
const int kMaxLoadDepth = 64;
int g_nLoadDepth = 0;

// Every node in existence with its serial number. A pane's recent-position record outlives the
// frame whose tree it points into; the record asks here before it touches the node again.
std::unordered_map<const CZAVPBarContainer*, unsigned long long>& LiveNodes()
{
    static std::unordered_map<const CZAVPBarContainer*, unsigned long long> nodes;
    return nodes;
}
unsigned long long g_nNextSerial = 1;
const DWORD kIdlessMarker = (DWORD)-1;
// What a stored tabbed bar's window style may bring back: clipping and the bar style bits (its
// side, borders, floating kind). It is never a floating bar's, and never shown before the
// layout is applied.
const DWORD kTabbedBarStyleMask = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (CBRS_ALL & ~CBRS_FLOATING);
const DWORD kTabbedBarWindowStyles = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}  // namespace

BOOL CZAVPBarContainer::IsLive(const CZAVPBarContainer* pContainer, unsigned long long nSerial)
{
    if (pContainer == nullptr) return FALSE;
    auto it = LiveNodes().find(pContainer);
    return it != LiveNodes().end() && it->second == nSerial;
}

CZAVPBarContainer::CZAVPBarContainer(CZAVPContainerLayout* pManager,
                                     CZAVPDockingControlBar* pLeftBar,
                                     CZAVPDockingControlBar* pRightBar, CZAVPSlider* pSlider)
    : m_pBarLeft(pLeftBar), m_pBarRight(pRightBar), m_pSlider(pSlider), m_pLeftContainer(nullptr),
      m_pRightContainer(nullptr), m_pParentContainer(nullptr), m_pContainerManager(pManager),
      m_nPercent(DockLayout::kHalfPercent), m_nOrientation(0), m_dwRefCount(0),
      m_dwSavedSliderStyle(0), m_nLeftBarID((UINT)-1), m_nRightBarID((UINT)-1), m_nSliderID(-1),
      m_hLeftStagedBar(nullptr), m_hRightStagedBar(nullptr), m_nReserved(0),
      m_nSerial(g_nNextSerial++)
{
    if (pSlider != nullptr) m_nOrientation = pSlider->IsHorizontal() ? 1 : 0;
    LiveNodes()[this] = m_nSerial;
}

CZAVPBarContainer::~CZAVPBarContainer()
{
    LiveNodes().erase(this);
    // A tabbed bar made from a record that was never applied goes with the record.
    DestroyStagedTabbedBar(TRUE);
    DestroyStagedTabbedBar(FALSE);
    for (CZAVPBarContainer** pp : {&m_pLeftContainer, &m_pRightContainer}) {
        CZAVPBarContainer* p = *pp;
        *pp = nullptr;
        delete p;
    }
    // A split's slider goes with its node; a default slider belongs to the frame side.
    if (m_pSlider != nullptr && !m_pSlider->IsDefault() && HasWindow(m_pSlider)) {
        CZAVPSlider* pSlider = m_pSlider;
        m_pSlider = nullptr;
        if (m_pContainerManager != nullptr) m_pContainerManager->RemoveSlider(pSlider);
        pSlider->SetContainerManager(nullptr);
        pSlider->DestroyWindow();
    }
}

void CZAVPBarContainer::Release()
{
    if (m_dwRefCount > 0) --m_dwRefCount;
    if (m_dwRefCount != 0 || m_pContainerManager == nullptr) return;
    CZAVPContainerLayout* pManager = m_pContainerManager;
    pManager->CollapseIfEmpty(this);  // may delete this node
    // A side's slider kept only for the place this reference held now holds nothing. It goes
    // once the caller has finished: callers may be walking the dock manager's lists.
    CZAVPSlider* pSlider = pManager->GetDefaultSlider();
    if (pSlider != nullptr && pManager->IsEmpty() && pManager->GetTotalReferenceCount() == 0)
        pSlider->CheckEmptyLater();
}

void CZAVPBarContainer::SetBar(CZAVPDockingControlBar* pBar, BOOL bLeft)
{
    (bLeft ? m_pBarLeft : m_pBarRight) = pBar;
}

void CZAVPBarContainer::SetContainer(CZAVPBarContainer* pContainer, BOOL bLeft)
{
    (bLeft ? m_pLeftContainer : m_pRightContainer) = pContainer;
    if (pContainer != nullptr) pContainer->m_pParentContainer = this;
}

void CZAVPBarContainer::AddSubContainer(CZAVPBarContainer* pContainer, BOOL bLeft)
{
    // The new node takes the side of the pane it was split from.
    SetBar(nullptr, bLeft);
    SetContainer(pContainer, bLeft);
}

BOOL CZAVPBarContainer::IsHorizontalSplit() const
{
    if (m_pSlider != nullptr) return m_pSlider->IsHorizontal();
    return m_nOrientation != 0;
}

BOOL CZAVPBarContainer::IsSidePresent(const CZAVPDockingControlBar* pBar,
                                      const CZAVPBarContainer* pContainer) const
{
    if (pBar != nullptr) return HasWindow(pBar) && (pBar->GetStyle() & WS_VISIBLE) != 0;
    return pContainer != nullptr && pContainer->HasVisibleBar();
}

BOOL CZAVPBarContainer::IsLeftPresent() const
{
    return IsSidePresent(m_pBarLeft, m_pLeftContainer);
}

BOOL CZAVPBarContainer::IsRightPresent() const
{
    return IsSidePresent(m_pBarRight, m_pRightContainer);
}

BOOL CZAVPBarContainer::HasVisibleBar() const { return IsLeftPresent() || IsRightPresent(); }

BOOL CZAVPBarContainer::IsEmpty() const
{
    return m_pBarLeft == nullptr && m_pBarRight == nullptr &&
           (m_pLeftContainer == nullptr || m_pLeftContainer->IsEmpty()) &&
           (m_pRightContainer == nullptr || m_pRightContainer->IsEmpty());
}

int CZAVPBarContainer::GetNodeCount() const
{
    int n = 1;
    if (m_pLeftContainer != nullptr) n += m_pLeftContainer->GetNodeCount();
    if (m_pRightContainer != nullptr) n += m_pRightContainer->GetNodeCount();
    return n;
}

int CZAVPBarContainer::GetTotalReferenceCount() const
{
    int n = m_dwRefCount;
    if (m_pLeftContainer != nullptr) n += m_pLeftContainer->GetTotalReferenceCount();
    if (m_pRightContainer != nullptr) n += m_pRightContainer->GetTotalReferenceCount();
    return n;
}

void CZAVPBarContainer::SetManager(CZAVPContainerLayout* pManager, BOOL bRecursive)
{
    m_pContainerManager = pManager;
    if (m_pSlider != nullptr && !m_pSlider->IsDefault()) m_pSlider->SetContainerManager(pManager);
    if (!bRecursive) return;
    if (m_pLeftContainer != nullptr) m_pLeftContainer->SetManager(pManager, TRUE);
    if (m_pRightContainer != nullptr) m_pRightContainer->SetManager(pManager, TRUE);
}

CZAVPBarContainer* CZAVPBarContainer::FindSubContainer(const CObject* pObject, Kind kind)
{
    switch (kind) {
    case kBarLeft:
        if (m_pBarLeft == pObject) return this;
        break;
    case kBarRight:
        if (m_pBarRight == pObject) return this;
        break;
    case kSlider:
        if (m_pSlider == pObject) return this;
        break;
    case kContainer:
        if (this == pObject) return this;
        break;
    }
    if (m_pLeftContainer != nullptr)
        if (CZAVPBarContainer* p = m_pLeftContainer->FindSubContainer(pObject, kind)) return p;
    if (m_pRightContainer != nullptr)
        if (CZAVPBarContainer* p = m_pRightContainer->FindSubContainer(pObject, kind)) return p;
    return nullptr;
}

CRect CZAVPBarContainer::SideRect(BOOL bLeft) const
{
    const CZAVPDockingControlBar* pBar = bLeft ? m_pBarLeft : m_pBarRight;
    const CZAVPBarContainer* pContainer = bLeft ? m_pLeftContainer : m_pRightContainer;
    if (pBar != nullptr) return HasWindow(pBar) ? pBar->WindowRectInParent() : CRect();
    if (pContainer != nullptr) return pContainer->m_rectRoom;
    return CRect();
}

void CZAVPBarContainer::GetWindowRect(CRect& rect, BOOL bIgnoreVisibility) const
{
    rect.SetRectEmpty();
    const BOOL present[2] = {bIgnoreVisibility || IsLeftPresent(),
                             bIgnoreVisibility || IsRightPresent()};
    for (int i = 0; i < 2; ++i) {
        if (!present[i]) continue;
        CRect rectSide = SideRect(i == 0);
        const CZAVPDockingControlBar* pBar = i == 0 ? m_pBarLeft : m_pBarRight;
        // A hidden pane counts with its minimum size at its corner.
        if (pBar != nullptr && !(pBar->GetStyle() & WS_VISIBLE)) {
            const CSize sizeMin = pBar->GetMinSize();
            rectSide = CRect(rectSide.TopLeft(), sizeMin);
        }
        if (rect.IsRectEmpty())
            rect = rectSide;
        else if (!rectSide.IsRectEmpty())
            rect.UnionRect(rect, rectSide);
    }
}

void CZAVPBarContainer::GetMinSizeLeft(CSize& size) const
{
    size = CSize(0, 0);
    if (m_pBarLeft != nullptr) size = m_pBarLeft->GetMinSize();
    if (m_pLeftContainer != nullptr) {
        CSize sizeSub;
        m_pLeftContainer->GetMinSize(sizeSub);
        size.cx = std::max(size.cx, sizeSub.cx);
        size.cy = std::max(size.cy, sizeSub.cy);
    }
}

void CZAVPBarContainer::GetMinSizeRight(CSize& size) const
{
    size = CSize(0, 0);
    if (m_pBarRight != nullptr) size = m_pBarRight->GetMinSize();
    if (m_pRightContainer != nullptr) {
        CSize sizeSub;
        m_pRightContainer->GetMinSize(sizeSub);
        size.cx = std::max(size.cx, sizeSub.cx);
        size.cy = std::max(size.cy, sizeSub.cy);
    }
}

void CZAVPBarContainer::GetMinSize(CSize& size) const
{
    CSize sizeLeft, sizeRight;
    GetMinSizeLeft(sizeLeft);
    GetMinSizeRight(sizeRight);
    const BOOL bLeft = IsLeftPresent();
    const BOOL bRight = IsRightPresent();
    size = DockLayout::CombineMinSizes(sizeLeft, bLeft, sizeRight, bRight, bLeft && bRight,
                                       IsHorizontalSplit());
}

int CZAVPBarContainer::GetPreferredRow() const
{
    int nRow = -1;
    for (const CZAVPDockingControlBar* pBar : {m_pBarLeft, m_pBarRight})
        if (pBar != nullptr) nRow = std::max(nRow, pBar->GetPreferredRow());
    for (const CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr) nRow = std::max(nRow, p->GetPreferredRow());
    return nRow;
}

void CZAVPBarContainer::ResizeContainer(const CRect& rect, HDWP& hdwp)
{
    const BOOL bHorzSplit = IsHorizontalSplit();
    const DockAxis axis(!bHorzSplit);
    DockLayout::SplitSide sides[2];
    for (int i = 0; i < 2; ++i) {
        const BOOL bLeft = i == 0;
        const CRect rectSide = SideRect(bLeft);
        const CZAVPDockingControlBar* pBar = bLeft ? m_pBarLeft : m_pBarRight;
        const CZAVPBarContainer* pSub = bLeft ? m_pLeftContainer : m_pRightContainer;
        sides[i].bPresent = bLeft ? IsLeftPresent() : IsRightPresent();
        sides[i].nLength = axis.Length(rectSide);
        sides[i].bEmpty = rectSide.IsRectEmpty();
        sides[i].nPercent = pBar != nullptr   ? pBar->GetPercent()
                            : pSub != nullptr ? pSub->m_nPercent
                                              : 0;
    }
    const DockLayout::SplitResult split = DockLayout::CalcSplitLayout(
        axis.Length(m_rectRoom), axis.Length(rect), sides[0], sides[1]);
    RECT placed[3];
    DockLayout::PlaceSplit(rect, bHorzSplit, split, placed[0], placed[1], placed[2]);
    m_rectRoom = rect;

    for (int i = 0; i < 2; ++i) {
        if (!sides[i].bPresent) continue;
        const BOOL bLeft = i == 0;
        CRect rectSide(i == 0 ? placed[0] : placed[2]);
        const int nPercent = i == 0 ? split.nFirstPercent : split.nSecondPercent;
        if (CZAVPDockingControlBar* pBar = bLeft ? m_pBarLeft : m_pBarRight) {
            pBar->SetPercent(nPercent);
            hdwp = pBar->MoveWindow(rectSide, TRUE, hdwp);
        } else if (CZAVPBarContainer* pSub = bLeft ? m_pLeftContainer : m_pRightContainer) {
            pSub->m_nPercent = nPercent;
            pSub->ResizeContainer(rectSide, hdwp);
        }
    }
    PlaceSlider(split.bSlider, placed[1], hdwp);
}

void CZAVPBarContainer::Reposition(BOOL bFlag)
{
    if (bFlag) return;
    HDWP hdwp = nullptr;
    const CRect rect = m_rectRoom;
    // Lay out from the remembered room as if it had been empty: the stored shares decide.
    ResizeContainer(rect, hdwp);
}

int CZAVPBarContainer::OnMoveSlider(int nDelta)
{
    const BOOL bHorzSplit = IsHorizontalSplit();
    const DockAxis axis(!bHorzSplit);
    CSize sizeLeftMin, sizeRightMin;
    GetMinSizeLeft(sizeLeftMin);
    GetMinSizeRight(sizeRightMin);
    LONG nFirst = axis.Length(SideRect(TRUE));
    LONG nSecond = axis.Length(SideRect(FALSE));
    const LONG nUsed = DockLayout::MoveSplit(nFirst, axis.Along(sizeLeftMin), nSecond,
                                             axis.Along(sizeRightMin), nDelta);
    if (nUsed == 0) return 0;
    // The sides take their new lengths; the shares follow from them.
    const LONG nTotal = nFirst + nSecond;
    const int nFirstPercent = nTotal > 0 ? (int)(nFirst * 100 / nTotal) : DockLayout::kHalfPercent;
    const RECT rectSides[2] = {axis.Make(axis.Start(m_rectRoom), nFirst,
                                         axis.CrossStart(m_rectRoom), axis.Thickness(m_rectRoom)),
                               axis.Make(axis.End(m_rectRoom) - nSecond, nSecond,
                                         axis.CrossStart(m_rectRoom), axis.Thickness(m_rectRoom))};
    HDWP hdwp = nullptr;
    for (int i = 0; i < 2; ++i) {
        const BOOL bLeft = i == 0;
        CRect rect(rectSides[i]);
        const int nPercent = bLeft ? nFirstPercent : 100 - nFirstPercent;
        if (CZAVPDockingControlBar* pBar = bLeft ? m_pBarLeft : m_pBarRight) {
            pBar->SetPercent(nPercent);
            pBar->MoveWindow(rect, TRUE, hdwp);
        } else if (CZAVPBarContainer* pSub = bLeft ? m_pLeftContainer : m_pRightContainer) {
            pSub->m_nPercent = nPercent;
            pSub->ResizeContainer(rect, hdwp);
        }
    }
    return (int)nUsed;
}

void CZAVPBarContainer::GetSliderLimits(int& nMinOffset, int& nMaxOffset) const
{
    const DockAxis axis(!IsHorizontalSplit());
    CSize sizeLeftMin, sizeRightMin;
    GetMinSizeLeft(sizeLeftMin);
    GetMinSizeRight(sizeRightMin);
    LONG nLow = 0, nHigh = 0;
    DockLayout::InnerSliderLimits(axis.Length(SideRect(TRUE)), axis.Along(sizeLeftMin),
                                  axis.Length(SideRect(FALSE)), axis.Along(sizeRightMin), nLow,
                                  nHigh);
    nMinOffset = (int)nLow;
    nMaxOffset = (int)nHigh;
}

BOOL CZAVPBarContainer::RemoveBarFromTree(CZAVPDockingControlBar* pBar)
{
    CZAVPBarContainer* pNode = FindSubContainer(pBar, kBarLeft);
    if (pNode == nullptr) pNode = FindSubContainer(pBar, kBarRight);
    return pNode != nullptr && pNode->RemoveControlBar(pBar);
}

BOOL CZAVPBarContainer::RemoveControlBar(CZAVPDockingControlBar* pBar)
{
    if (pBar == nullptr || (pBar != m_pBarLeft && pBar != m_pBarRight)) return FALSE;
    const BOOL bLeft = pBar == m_pBarLeft;
    SetBar(nullptr, bLeft);
    // The split is gone with one of its sides; its slider goes with it.
    if (m_pSlider != nullptr && !m_pSlider->IsDefault()) {
        m_nOrientation = m_pSlider->IsHorizontal() ? 1 : 0;
        m_dwSavedSliderStyle = m_pSlider->GetSliderStyle();
        m_rectSavedSliderRect = HasWindow(m_pSlider) ? m_pSlider->RectInParent() : CRect();
        CZAVPSlider* pSlider = m_pSlider;
        m_pSlider = nullptr;
        if (m_pContainerManager != nullptr) m_pContainerManager->RemoveSlider(pSlider);
        if (HasWindow(pSlider)) pSlider->DestroyWindow();
    }
    // The other side takes the node's whole room.
    HDWP hdwp = nullptr;
    const CRect rect = m_rectRoom;
    if (!rect.IsRectEmpty()) ResizeContainer(rect, hdwp);
    return TRUE;
}

void CZAVPBarContainer::OnShowBar(CZAVPDockingControlBar*, BOOL)
{
    // The manager lays the whole tree out again: a shown or hidden side changes its ancestors.
}

void CZAVPBarContainer::Move(int dx, int dy)
{
    for (CZAVPDockingControlBar* pBar : {m_pBarLeft, m_pBarRight})
        if (HasWindow(pBar)) {
            CRect rect = pBar->WindowRectInParent();
            rect.OffsetRect(dx, dy);
            pBar->MoveWindow(rect, TRUE, nullptr);
        }
    if (HasWindow(m_pSlider)) {
        CRect rect = m_pSlider->RectInParent();
        rect.OffsetRect(dx, dy);
        m_pSlider->MoveWindow(rect, TRUE, nullptr);
    }
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr) p->Move(dx, dy);
    m_rectRoom.OffsetRect(dx, dy);
}

BOOL CZAVPBarContainer::SetUpByID(UINT nID, CZAVPDockingControlBar* pBar)
{
    // An empty side has no id either: -1 names no side.
    if (nID == (UINT)-1) return FALSE;
    if (m_nLeftBarID == nID && m_pBarLeft == nullptr) {
        m_pBarLeft = pBar;
        return TRUE;
    }
    if (m_nRightBarID == nID && m_pBarRight == nullptr) {
        m_pBarRight = pBar;
        return TRUE;
    }
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr && p->SetUpByID(nID, pBar)) return TRUE;
    return FALSE;
}

int CZAVPBarContainer::RemoveNonValidBars()
{
    int n = 0;
    for (CZAVPDockingControlBar** pp : {&m_pBarLeft, &m_pBarRight})
        if (*pp != nullptr && !HasWindow(*pp)) {
            *pp = nullptr;
            ++n;
        }
    // A side whose id found no pane stays empty.
    if (m_pBarLeft == nullptr) m_nLeftBarID = (UINT)-1;
    if (m_pBarRight == nullptr) m_nRightBarID = (UINT)-1;
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr) n += p->RemoveNonValidBars();
    return n;
}

CRect CZAVPBarContainer::RestoreRoom()
{
    CRect rectSides[2];
    for (int i = 0; i < 2; ++i) {
        CZAVPBarContainer* pSub = i == 0 ? m_pLeftContainer : m_pRightContainer;
        if (pSub != nullptr)
            rectSides[i] = pSub->RestoreRoom();
        else
            rectSides[i] = SideRect(i == 0);
    }
    const DockAxis axis(!IsHorizontalSplit());
    const LONG nFirst = axis.Length(rectSides[0]), nSecond = axis.Length(rectSides[1]);
    if (nFirst > 0 && nSecond > 0) {
        // Shares as the layout stores them: the first side's, and the rest for the second.
        const int nFirstPercent = (int)(nFirst * 100 / (nFirst + nSecond));
        const int nPercents[2] = {nFirstPercent, 100 - nFirstPercent};
        for (int i = 0; i < 2; ++i) {
            if (CZAVPDockingControlBar* pBar = i == 0 ? m_pBarLeft : m_pBarRight)
                pBar->SetPercent(nPercents[i]);
            else if (CZAVPBarContainer* pSub = i == 0 ? m_pLeftContainer : m_pRightContainer)
                pSub->m_nPercent = nPercents[i];
        }
    }
    CRect rect;
    if (rectSides[0].IsRectEmpty())
        rect = rectSides[1];
    else if (rectSides[1].IsRectEmpty())
        rect = rectSides[0];
    else
        rect.UnionRect(rectSides[0], rectSides[1]);
    m_rectRoom = rect;
    return rect;
}

void CZAVPBarContainer::PlaceAtLoadedSliders(const CRect& rect, HDWP& hdwp)
{
    const BOOL bHorzSplit = IsHorizontalSplit();
    const CRect rectStored = m_rectLoadedSlider;
    m_rectLoadedSlider.SetRectEmpty();
    DockLayout::SplitResult split{};
    split.bFirstPresent = IsLeftPresent();
    split.bSecondPresent = IsRightPresent();
    if (split.bFirstPresent && split.bSecondPresent &&
        (rectStored.IsRectEmpty() ||
         !DockLayout::SplitAtSlider(rect, rectStored, bHorzSplit, split)))
    {
        ResizeContainer(rect, hdwp);
        return;
    }
    RECT placed[3];
    DockLayout::PlaceSplit(rect, bHorzSplit, split, placed[0], placed[1], placed[2]);
    m_rectRoom = rect;
    for (int i = 0; i < 2; ++i) {
        const BOOL bLeft = i == 0;
        if (!(bLeft ? split.bFirstPresent : split.bSecondPresent)) continue;
        CRect rectSide(bLeft ? placed[0] : placed[2]);
        if (CZAVPDockingControlBar* pBar = bLeft ? m_pBarLeft : m_pBarRight)
            hdwp = pBar->MoveWindow(rectSide, TRUE, hdwp);
        else if (CZAVPBarContainer* pSub = bLeft ? m_pLeftContainer : m_pRightContainer)
            pSub->PlaceAtLoadedSliders(rectSide, hdwp);
    }
    PlaceSlider(split.bSlider, placed[1], hdwp);
}

void CZAVPBarContainer::PlaceSlider(BOOL bShown, const CRect& rect, HDWP& hdwp)
{
    if (!HasWindow(m_pSlider)) return;
    if (bShown) {
        CRect rectSlider(rect);
        hdwp = m_pSlider->MoveWindow(rectSlider, TRUE, hdwp);
        if (!(m_pSlider->GetStyle() & WS_VISIBLE)) m_pSlider->ShowWindow(SW_SHOWNOACTIVATE);
    } else if (m_pSlider->GetStyle() & WS_VISIBLE)
        m_pSlider->ShowWindow(SW_HIDE);
}

BOOL CZAVPBarContainer::ReplaceBar(CZAVPDockingControlBar* pOld, CZAVPDockingControlBar* pNew)
{
    if (m_pBarLeft == pOld) {
        m_pBarLeft = pNew;
        return TRUE;
    }
    if (m_pBarRight == pOld) {
        m_pBarRight = pNew;
        return TRUE;
    }
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr && p->ReplaceBar(pOld, pNew)) return TRUE;
    return FALSE;
}

// ---- id-less tabbed bars

CRuntimeClass* CZAVPBarContainer::StoredTabbedBarClass(const CZAVPDockingControlBar* pBar)
{
    if (!HasWindow(pBar) || pBar->GetDlgCtrlID() != -1 ||
        !pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)) ||
        static_cast<const CZAVPBaseTabbedBar*>(pBar)->GetTabsNum() <= 0)
        return nullptr;
    // A class without a record of its own is stored as the nearest tabbed class that has one.
    for (CRuntimeClass* pClass = pBar->GetRuntimeClass(); pClass != nullptr;
         pClass = pClass->m_pBaseClass)
    {
        if (!pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPBaseTabbedBar))) break;
        if (pClass->IsSerializable()) return pClass;
    }
    return nullptr;
}

void CZAVPBarContainer::StoreSide(CArchive& ar, const CZAVPDockingControlBar* pBar) const
{
    if (!HasWindow(pBar)) {
        ar << (DWORD)0;
        return;
    }
    if (pBar->GetDlgCtrlID() != -1) {
        ar << (DWORD)pBar->GetDlgCtrlID();
        return;
    }
    // Without an id the bar is found again only through its record: a tabbed bar writes it; any
    // other bar cannot come back and leaves the side empty.
    CRuntimeClass* pClass = StoredTabbedBarClass(pBar);
    if (pClass == nullptr) {
        ar << (DWORD)0;
        return;
    }
    CZAVPBaseTabbedBar* pTabbed = static_cast<CZAVPBaseTabbedBar*>(
        const_cast<CZAVPDockingControlBar*>(pBar));
    ar << kIdlessMarker;
    pTabbed->SaveSiblingBarIDs(ar);
    ar.WriteClass(pClass);
    ar << (DWORD)((pTabbed->GetStyle() & kTabbedBarWindowStyles) |
                  (pTabbed->GetBarStyle() & CBRS_ALL));
    pTabbed->Serialize(ar);
    // Its tab window's record follows: labels, colours, the active tab and where the tabs stand.
    pTabbed->SerializeTabWindow(ar);
}

void CZAVPBarContainer::LoadTabbedBar(CArchive& ar, BOOL bLeft)
{
    std::vector<int> ids;
    const size_t nBytes = ar.GetFile() != nullptr ? (size_t)ar.GetFile()->GetLength() : 0;
    TabLayout::LoadSiblingBarIds(ar, nBytes, ids);
    // A record is written only for a bar with tabs.
    if (ids.empty()) AfxThrowArchiveException(CArchiveException::badIndex);
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CZAVPBaseTabbedBar));
    if (pClass == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
    DWORD dwStyle = 0;
    ar >> dwStyle;
    CWnd* pOwner = m_pContainerManager != nullptr ? m_pContainerManager->GetDockSite() : nullptr;
    if (pOwner == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
    ZAVPLayoutWindowBudget::Take();
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
        delete pObject;
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    CZAVPBaseTabbedBar* pBar = static_cast<CZAVPBaseTabbedBar*>(pObject);
    BOOL bCreated = FALSE;
    try {
        bCreated = pBar->Create("", pOwner, CRect(0, 0, 0, 0), TRUE, (UINT)-1,
                                WS_CHILD | (dwStyle & kTabbedBarStyleMask), ZAVP_CBRS_REGULAR_TABS,
                                ZAVP_CBRS_DOCKING_DEFAULT);
    } catch (CException* e) {
        e->Delete();
    }
    if (!bCreated) {
        if (HasWindow(pBar))
            pBar->DestroyWindow();
        else
            delete pBar;
        AfxThrowArchiveException(CArchiveException::genericException);
    }
    // Made here, the object goes with its window whatever its record says.
    pBar->SetAutoDestroy(TRUE);
    try {
        // A tabbed class that makes no tab window cannot hold the tabs.
        if (pBar->GetTabWnd() == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
        pBar->Serialize(ar);
        // Read into the tab window's restored state; applied once the tabs are gathered.
        pBar->SerializeTabWindow(ar);
    } catch (...) {
        pBar->DestroyWindow();
        throw;
    }
    pBar->SetAutoDestroy(TRUE);
    // The record carries its visibility: the layout shows or hides it as stored.
    pBar->SetRestoredFromRegistry(TRUE);
    SetBar(pBar, bLeft);
    std::vector<UINT>& tabs = bLeft ? m_lstLeftTabs : m_lstRightTabs;
    tabs.assign(ids.begin(), ids.end());
    (bLeft ? m_hLeftStagedBar : m_hRightStagedBar) = pBar->GetSafeHwnd();
}

void CZAVPBarContainer::ReleaseStagedTabbedBar(BOOL bLeft)
{
    (bLeft ? m_lstLeftTabs : m_lstRightTabs).clear();
    (bLeft ? m_hLeftStagedBar : m_hRightStagedBar) = nullptr;
}

void CZAVPBarContainer::DestroyStagedTabbedBar(BOOL bLeft)
{
    const HWND hBar = bLeft ? m_hLeftStagedBar : m_hRightStagedBar;
    CZAVPDockingControlBar*& pBar = bLeft ? m_pBarLeft : m_pBarRight;
    ReleaseStagedTabbedBar(bLeft);
    if (hBar == nullptr) return;
    // The window may have gone with its parent already, and the object with it.
    CWnd* pWnd = ::IsWindow(hBar) ? CWnd::FromHandlePermanent(hBar) : nullptr;
    if (pBar == pWnd) pBar = nullptr;
    if (pWnd != nullptr) pWnd->DestroyWindow();
}

CZAVPDockingControlBar* CZAVPBarContainer::FindStagedTabbedBar(UINT nFirstTabID)
{
    if (!m_lstLeftTabs.empty() && m_lstLeftTabs.front() == nFirstTabID) return m_pBarLeft;
    if (!m_lstRightTabs.empty() && m_lstRightTabs.front() == nFirstTabID) return m_pBarRight;
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr)
            if (CZAVPDockingControlBar* pBar = p->FindStagedTabbedBar(nFirstTabID)) return pBar;
    return nullptr;
}

void CZAVPBarContainer::GetNodes(std::vector<CZAVPBarContainer*>& nodes)
{
    nodes.push_back(this);
    for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer})
        if (p != nullptr) p->GetNodes(nodes);
}

// ---- the stored record

void CZAVPBarContainer::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreSide(ar, m_pBarLeft);
        StoreSide(ar, m_pBarRight);
        if (HasWindow(m_pSlider)) {
            ar << (DWORD)m_pSlider->GetDlgCtrlID();
            m_pSlider->Serialize(ar);
        } else
            ar << (DWORD)0;
        for (CZAVPBarContainer* p : {m_pLeftContainer, m_pRightContainer}) {
            ar << (DWORD)(p != nullptr ? 1 : 0);
            if (p != nullptr) p->Serialize(ar);
        }
        return;
    }
    if (g_nLoadDepth >= kMaxLoadDepth) AfxThrowArchiveException(CArchiveException::badIndex);
    struct DepthGuard
    {
        DepthGuard() { ++g_nLoadDepth; }
        ~DepthGuard() { --g_nLoadDepth; }
    } guard;
    DWORD dwSides[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        ar >> dwSides[i];
        // An id-less tabbed bar's record follows its marker; the bar is made from it.
        if (dwSides[i] == kIdlessMarker) LoadTabbedBar(ar, i == 0);
    }
    m_nLeftBarID = dwSides[0] == 0 ? (UINT)-1 : (UINT)dwSides[0];
    m_nRightBarID = dwSides[1] == 0 ? (UINT)-1 : (UINT)dwSides[1];
    DWORD dwSlider = 0;
    ar >> dwSlider;
    if (dwSlider != 0) {
        CWnd* pOwner = m_pContainerManager != nullptr ? m_pContainerManager->GetDockSite()
                                                      : nullptr;
        if (pOwner == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
        CZAVPSlider* pSlider = new CZAVPSlider(FALSE, pOwner);
        try {
            pSlider->Serialize(ar);
            // A split's slider is never a frame side's default slider with a tree of its own.
            if (pSlider->IsDefault()) AfxThrowArchiveException(CArchiveException::badClass);
        } catch (...) {
            if (HasWindow(pSlider))
                pSlider->DestroyWindow();
            else
                delete pSlider;
            throw;
        }
        m_pSlider = pSlider;
        m_rectLoadedSlider = pSlider->RectInParent();
        m_nSliderID = pSlider->GetSliderID();
        m_nOrientation = pSlider->IsHorizontal() ? 1 : 0;
        pSlider->SetContainerManager(m_pContainerManager);
        if (m_pContainerManager != nullptr) m_pContainerManager->m_lstSliders.AddTail(pSlider);
    }
    for (int i = 0; i < 2; ++i) {
        DWORD dwPresent = 0;
        ar >> dwPresent;
        // A side is a pane or a subtree, never both.
        if (dwPresent > 1 || (dwPresent == 1 && dwSides[i] != 0))
            AfxThrowArchiveException(CArchiveException::badIndex);
        if (dwPresent == 0) continue;
        CZAVPBarContainer* pSub = m_pContainerManager != nullptr
                                      ? m_pContainerManager->NewContainer()
                                      : new CZAVPBarContainer;
        SetContainer(pSub, i == 0);
        pSub->Serialize(ar);
    }
}
