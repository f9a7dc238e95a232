// The library's property page base (see the header).
#include "ui/toolbars/CZAVPPropertyPage.h"

#include "ui/toolbars/CZAVPToolbarCustomize.h"

IMPLEMENT_DYNCREATE(CZAVPPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPPropertyPage, CPropertyPage)
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

void CZAVPPropertyPage::SetActiveMenu(CZAVPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }

BOOL CZAVPPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return m_Impl.PreTranslateMessage(pMsg) || CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CZAVPPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return m_Impl.OnCommand(wParam, lParam) || CWnd::OnCommand(wParam, lParam);
}

BOOL CZAVPPropertyPage::OnSetActive()
{
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
        pSheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CZAVPPropertyPage::OnActivate(UINT nState, CWnd* pWndOther, BOOL /*bMinimized*/)
{
    m_Impl.OnActivate(nState, pWndOther);
    Default();
}

BOOL CZAVPPropertyPage::OnNcActivate(BOOL bActive)
{
    return (BOOL)DefWindowProc(WM_NCACTIVATE, m_Impl.OnNcActivate(bActive), 0);
}
