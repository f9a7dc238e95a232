// The library's dialog base (see the header).
#include "ui/toolbars/CZAVPDialog.h"

IMPLEMENT_DYNAMIC(CZAVPDialog, CDialog)

BEGIN_MESSAGE_MAP(CZAVPDialog, CDialog)
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

void CZAVPDialog::SetActiveMenu(CZAVPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }

BOOL CZAVPDialog::PreTranslateMessage(MSG* pMsg)
{
    return m_Impl.PreTranslateMessage(pMsg) || CDialog::PreTranslateMessage(pMsg);
}

BOOL CZAVPDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return m_Impl.OnCommand(wParam, lParam) || CDialog::OnCommand(wParam, lParam);
}

void CZAVPDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL /*bMinimized*/)
{
    m_Impl.OnActivate(nState, pWndOther);
    Default();
}

BOOL CZAVPDialog::OnNcActivate(BOOL bActive)
{
    return (BOOL)DefWindowProc(WM_NCACTIVATE, m_Impl.OnNcActivate(bActive), 0);
}
