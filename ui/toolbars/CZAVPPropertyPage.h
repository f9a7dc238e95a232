// The library's property page base, with the same popup-menu handling as its dialog base.
#pragma once

#include "framework/CPropertyPage.h"
#include "ui/toolbars/CZAVPDlgImpl.h"

class CZAVPPopupMenu;

class CZAVPPropertyPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPPropertyPage)
public:
    CZAVPPropertyPage() : m_Impl(*this) {}

    // While set, keyboard messages of the page go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CZAVPDlgImpl m_Impl;
};
