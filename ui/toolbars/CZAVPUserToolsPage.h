// The "Утилиты" page of the customisation sheet: the user tools of the user-tools manager, each
// with its menu label, command, arguments and initial directory.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CEdit.h"
#include "framework/CMenu.h"
#include "framework/CPropertyPage.h"
#include "ui/toolbars/CZAVPEditListBase.h"
#include "ui/toolbars/CZAVPMenuButton.h"

class CZAVPToolbarCustomize;
class CZAVPUserTool;
class CZAVPUserToolsPage;

// The tools list: its items are the manager's tools.
class CZAVPToolsList : public CZAVPEditListBox
{
public:
    explicit CZAVPToolsList(CZAVPUserToolsPage& page) : m_Page(page) {}

    void OnSelectionChanged() override;
    BOOL OnBeforeRemoveItem(int iItem) override;
    void OnAfterRenameItem(int iItem) override;
    void OnAfterMoveItemUp(int iItem) override;
    void OnAfterMoveItemDown(int iItem) override;
    void CreateNewItem() override;

private:
    CZAVPUserToolsPage& m_Page;
};

class CZAVPUserToolsPage : public CPropertyPage
{
public:
    CZAVPUserToolsPage();
    ~CZAVPUserToolsPage() override;

    // A new tool for the pending item of the list, or none (the user told) when the tools'
    // command range is full.
    CZAVPUserTool* CreateNewTool();
    void OnSelectTool(CZAVPUserTool* pSelTool);
    CZAVPToolsList& GetToolsList() { return m_wndToolsList; }
    CZAVPUserTool* GetSelectedTool() const { return m_pSelTool; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void OnOK() override;
    void OnBrowseCommand();
    void OnArgumentsOptions();
    void OnInitialDirectoryOptions();
    void OnUpdateTool();
    void EnableControls();
    // Types the string resource with the id into the edit, one character at a time.
    void TypeInto(CEdit& edit, UINT uiStringId);

    CZAVPMenuButton m_wndInitialDirBtn;
    CZAVPMenuButton m_wndArgsMenuBtn;
    CEdit m_wndArgs;
    CEdit m_wndInitialDir;
    CEdit m_wndCommand;
    CButton m_wndBrowseBtn;
    CZAVPToolsList m_wndToolsList;
    CString m_strCommand;
    CString m_strArguments;
    CString m_strInitialDirectory;
    CZAVPUserTool* m_pSelTool = nullptr;  // not owned
    CZAVPToolbarCustomize* m_pParentSheet = nullptr;
    CMenu m_menuArguments;
    CMenu m_menuInitialDir;

    DECLARE_MESSAGE_MAP()
};
