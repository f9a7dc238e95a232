// The base toolbar: a control bar that repaints itself whole when its width changes.
#include "ui/toolbars/CZAVPBaseToolBar.h"

IMPLEMENT_DYNCREATE(CZAVPBaseToolBar, CZAVPControlBar)

BEGIN_MESSAGE_MAP(CZAVPBaseToolBar, CZAVPControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

void CZAVPBaseToolBar::OnSize(UINT nType, int cx, int cy)
{
    const int cxBefore = m_rectBar.Width();
    CZAVPControlBar::OnSize(nType, cx, cy);
    if (cx != cxBefore) {
        m_rectBar.right = m_rectBar.left + cx;
        m_rectBar.bottom = m_rectBar.top + cy;
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
