// The "Команды" page of the customisation sheet: the categories and, for the chosen one, its
// commands, from which the user drags buttons onto toolbars and menus.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CPropertyPage.h"
#include "ui/toolbars/CZAVPCommandDragList.h"

class CZAVPToolbarButton;

class CZAVPCustomizePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CZAVPCustomizePage)
public:
    CZAVPCustomizePage();

    void SetAllCommandsName(LPCSTR lpszName) { m_strAllCommands = lpszName; }
    CListBox& GetCategories() { return m_wndCategories; }
    CZAVPCommandDragList& GetCommands() { return m_wndTools; }
    CZAVPToolbarButton* GetSelectedButton() const { return m_pSelButton; }
    const CString& GetDescription() const { return m_strButtonDescription; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelchangeCategory();
    void OnSelchangeUserTools();

    CListBox m_wndCategories;
    CZAVPCommandDragList m_wndTools;
    CString m_strButtonDescription;
    CZAVPToolbarButton* m_pSelButton = nullptr;  // not owned
    CString m_strAllCommands;

    DECLARE_MESSAGE_MAP()
};
