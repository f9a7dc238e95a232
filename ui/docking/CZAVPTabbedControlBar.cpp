// The library's tabbed pane (see CZAVPTabbedControlBar.h).
#include "ui/docking/CZAVPTabbedControlBar.h"

#include "framework/CArchive.h"
#include "ui/docking/CZAVPTabWnd.h"

// The stored layout names the class of a tabbed bar without an id, which is made again from it.
IMPLEMENT_SERIAL(CZAVPTabbedControlBar, CZAVPBaseTabbedBar, 1)

int CZAVPTabbedControlBar::m_nTabStyle = CZAVPTabWnd::STYLE_3D;

BEGIN_MESSAGE_MAP(CZAVPTabbedControlBar, CZAVPBaseTabbedBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

CZAVPTabbedControlBar::CZAVPTabbedControlBar(BOOL bAutoDestroy) : CZAVPBaseTabbedBar(bAutoDestroy)
{
}

CZAVPTabbedControlBar::~CZAVPTabbedControlBar() = default;

int CZAVPTabbedControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZAVPDockingControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    CZAVPTabWnd* pTabWnd = new CZAVPTabWnd;
    const CRect rect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    if (!pTabWnd->Create((CZAVPTabWnd::Style)m_nTabStyle, rect, this, kTabWndId,
                         CZAVPBaseTabWnd::LOCATION_BOTTOM, FALSE))
    {
        delete pTabWnd;
        return -1;
    }
    m_pTabWnd = pTabWnd;
    // The panes stay alive when their tab goes; the tabbed bar decides about its windows.
    m_pTabWnd->SetAutoDestroyWindow(FALSE);
    m_pTabWnd->SetHideSingleTab(TRUE);
    pTabWnd->AutoSizeWindow(TRUE);
    return 0;
}

void CZAVPTabbedControlBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    if (m_pTabWnd == nullptr || m_pTabWnd->GetSafeHwnd() == nullptr) return;
    CRect rect;
    m_pTabWnd->GetTabsRect(rect);
    m_pTabWnd->ClientToScreen(rect);
    if (IsTabLocationBottom())
        rectTabAreaBottom = rect;
    else
        rectTabAreaTop = rect;
}

BOOL CZAVPTabbedControlBar::IsTabLocationBottom() const
{
    return m_pTabWnd == nullptr || m_pTabWnd->GetLocation() == CZAVPBaseTabWnd::LOCATION_BOTTOM;
}

void CZAVPTabbedControlBar::OnPressCloseButton()
{
    if (m_pTabWnd == nullptr) return;
    if (m_pTabWnd->GetVisibleTabsNum() == 1) CZAVPDockingControlBar::OnPressCloseButton();
    const int iActive = m_pTabWnd->GetActiveTab();
    if (iActive >= 0) m_pTabWnd->ShowTab(iActive, FALSE);
}

BOOL CZAVPTabbedControlBar::FloatTab(CWnd* pBar, int nTabID, int nDockMethod, BOOL bHide)
{
    if (GetTabsNum() < 2) return FALSE;
    return CZAVPBaseTabbedBar::FloatTab(pBar, nTabID, nDockMethod, bHide);
}

BOOL CZAVPTabbedControlBar::ShowTab(CWnd* pBar, BOOL bShow)
{
    if (GetTabsNum() == 0) return FALSE;
    return CZAVPBaseTabbedBar::ShowTab(pBar, bShow);
}
