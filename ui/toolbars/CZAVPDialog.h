// The library's dialog base: it closes its popup menus when the user clicks elsewhere and routes
// keys to the open one.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CDialog.h"
#include "ui/toolbars/CZAVPDlgImpl.h"

class CZAVPPopupMenu;

class CZAVPDialog : public CDialog
{
    DECLARE_DYNAMIC(CZAVPDialog)
public:
    CZAVPDialog() : m_Impl(*this) {}
    explicit CZAVPDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd), m_Impl(*this)
    {
    }

    // While set, keyboard messages of the dialog go to that popup.
    void SetActiveMenu(CZAVPPopupMenu* pMenu);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);

    CZAVPDlgImpl m_Impl;

    DECLARE_MESSAGE_MAP()
};
