// The library's dialog base (see the header).
#include "ui/toolbars/CZAVPDialog.h"

IMPLEMENT_DYNAMIC(CZAVPDialog, CDialog)

void CZAVPDialog::SetActiveMenu(CZAVPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }

BOOL CZAVPDialog::PreTranslateMessage(MSG* pMsg)
{
    return m_Impl.PreTranslateMessage(pMsg) || CDialog::PreTranslateMessage(pMsg);
}
