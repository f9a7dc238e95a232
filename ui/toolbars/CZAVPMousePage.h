// The "Мышь" page of the customisation sheet: the command a double click runs in each view the
// mouse manager knows.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CListBox.h"
#include "framework/CListCtrl.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"

class CZAVPMousePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPMousePage)
public:
    CZAVPMousePage();
    ~CZAVPMousePage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnItemChangedViews(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNoDblClick();
    void OnUseDblClick();
    void OnSelchangeCommands();
    void EnableCommands(BOOL bEnable);
    // The frame's prompt for the command.
    CString DescriptionOf(UINT uiCmd) const;

    int m_iCurrViewId = -1;  // -1: no view selected
    HIMAGELIST m_hViewsImages = nullptr;
    CListCtrl m_wndListOfViews;
    CListBox m_wndListOfCommands;
    CStatic m_wndCommandDescription;
    CString m_strCommandDescription;

    DECLARE_MESSAGE_MAP()
};
