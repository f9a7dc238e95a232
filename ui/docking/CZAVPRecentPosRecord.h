// Where a pane stood in a container tree it has left: the node (held by a counted reference, so
// that the node keeps the pane's side empty for it instead of collapsing), the side, the pane's
// share of the node and its rectangle. The tree may go away before the record does (its frame
// destroyed); the record then finds the node gone and forgets it without touching it.
#pragma once

#include "framework/CRect.h"

class CZAVPBarContainer;
class CZAVPDockingControlBar;

class CZAVPRecentPosRecord
{
public:
    CZAVPRecentPosRecord();
    virtual ~CZAVPRecentPosRecord();
    CZAVPRecentPosRecord(const CZAVPRecentPosRecord&) = delete;
    CZAVPRecentPosRecord& operator=(const CZAVPRecentPosRecord&) = delete;

    // Takes a reference on the node that holds pBar (releasing the one held before) and records
    // pBar's side, share and rectangle (its parent's client coordinates).
    virtual void SetInfo(CZAVPBarContainer* pContainer, CZAVPDockingControlBar* pBar);
    // The same place as another record, with a reference of its own.
    virtual void CopyFrom(const CZAVPRecentPosRecord& other);
    // Lets go of the node; the rectangle and share stay.
    void Clear();

    // The node, or null when there is none or it no longer exists.
    CZAVPBarContainer* GetContainer() const;
    BOOL IsFirst() const { return m_bIsFirst; }
    int GetPercent() const { return m_nPercent; }
    CRect GetRect() const { return m_rect; }

private:
    void Hold(CZAVPBarContainer* pContainer);

    CZAVPBarContainer* m_pContainer;
    unsigned long long m_nSerial;  // the node's serial number when the reference was taken
    CRect m_rect;
    int m_nPercent;
    BOOL m_bIsFirst;  // the pane was the node's first (left or top) side
};
