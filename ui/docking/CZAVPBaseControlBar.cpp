// Base window class of every bar (see CZAVPBaseControlBar.h).
#include "ui/docking/CZAVPBaseControlBar.h"

#include "ui/docking/CZAVPMiniFrameWnd.h"

IMPLEMENT_DYNAMIC(CZAVPBaseControlBar, CWnd)

CZAVPBaseControlBar::CZAVPBaseControlBar()
    : m_dwBarFlags(0), m_dwEnabledAlignment(0), m_dwStyle(0), m_dwControlBarStyle(0),
      m_bIsDlgControl(FALSE)
{
}

BOOL CZAVPBaseControlBar::IsDocked() const
{
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame == nullptr || pMiniFrame->GetHostedBarWnd() != m_hWnd;
}

CZAVPMiniFrameWnd* CZAVPBaseControlBar::GetParentMiniFrame(BOOL) const
{
    for (HWND hWnd = m_hWnd ? ::GetParent(m_hWnd) : nullptr; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
            return static_cast<CZAVPMiniFrameWnd*>(pWnd);
    }
    return nullptr;
}
