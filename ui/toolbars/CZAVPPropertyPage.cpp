// The library's property page base (see the header).
#include "ui/toolbars/CZAVPPropertyPage.h"

IMPLEMENT_DYNCREATE(CZAVPPropertyPage, CPropertyPage)

void CZAVPPropertyPage::SetActiveMenu(CZAVPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }

BOOL CZAVPPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return m_Impl.PreTranslateMessage(pMsg) || CPropertyPage::PreTranslateMessage(pMsg);
}
