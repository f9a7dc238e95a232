// A pane's place in a container tree it has left (see CZAVPRecentPosRecord.h).
#include "ui/docking/CZAVPRecentPosRecord.h"

#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/layout/ContainerMath.h"

CZAVPRecentPosRecord::CZAVPRecentPosRecord()
    : m_pContainer(nullptr), m_nSerial(0), m_rect(0, 0, 30, 30),
      m_nPercent(DockLayout::kHalfPercent), m_bIsFirst(TRUE)
{
}

CZAVPRecentPosRecord::~CZAVPRecentPosRecord() { Clear(); }

CZAVPBarContainer* CZAVPRecentPosRecord::GetContainer() const
{
    return CZAVPBarContainer::IsLive(m_pContainer, m_nSerial) ? m_pContainer : nullptr;
}

void CZAVPRecentPosRecord::Hold(CZAVPBarContainer* pContainer)
{
    // The new reference first: releasing the old one may collapse a node, never the new one.
    CZAVPBarContainer* pOld = GetContainer();
    if (pContainer != nullptr) pContainer->AddRef();
    m_pContainer = pContainer;
    m_nSerial = pContainer != nullptr ? pContainer->GetSerial() : 0;
    if (pOld != nullptr) pOld->Release();
}

void CZAVPRecentPosRecord::Clear() { Hold(nullptr); }

void CZAVPRecentPosRecord::SetInfo(CZAVPBarContainer* pContainer, CZAVPDockingControlBar* pBar)
{
    if (pContainer == nullptr || pBar == nullptr) {
        Clear();
        return;
    }
    m_bIsFirst = pContainer->GetLeftBar() == pBar;
    m_nPercent = pBar->GetPercent();
    if (pBar->GetSafeHwnd() != nullptr) m_rect = pBar->WindowRectInParent();
    Hold(pContainer);
}

void CZAVPRecentPosRecord::CopyFrom(const CZAVPRecentPosRecord& other)
{
    if (&other == this) return;
    m_rect = other.m_rect;
    m_nPercent = other.m_nPercent;
    m_bIsFirst = other.m_bIsFirst;
    Hold(other.GetContainer());
}
