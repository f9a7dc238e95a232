// The library's property page base, with the same popup-menu handling as its dialog base.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CPropertyPage.h"
#include "ui/toolbars/CZAVPDlgImpl.h"

class CZAVPPopupMenu;

class CZAVPPropertyPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPPropertyPage)
public:
    CZAVPPropertyPage() : m_Impl(*this) {}
    explicit CZAVPPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption), m_Impl(*this)
    {
    }

    // While set, keyboard messages of the page go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Tells the customisation sheet which page comes up before the page itself shows.
    BOOL OnSetActive() override;

protected:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);

    CZAVPDlgImpl m_Impl;

    DECLARE_MESSAGE_MAP()
};
