// The floating mini frame (see CZAVPMiniFrameWnd.h).
#include "ui/docking/CZAVPMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CZAVPMiniFrameWnd, CWnd)

CZAVPMiniFrameWnd::CZAVPMiniFrameWnd()
    : m_bActive(FALSE), m_hEmbeddedBar(nullptr), m_nDockingTargetKind(0), m_hParentWnd(nullptr),
      m_bPinned(FALSE)
{
}
