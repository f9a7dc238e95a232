// The user-tools page (see the header).
#include "ui/toolbars/CZAVPUserToolsPage.h"

#include "framework/CDataExchange.h"
#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"

BEGIN_MESSAGE_MAP(CZAVPUserToolsPage, CPropertyPage)
ON_BN_CLICKED(IDC_ZAVP_TOOL_BROWSE, &CZAVPUserToolsPage::OnBrowseCommand)
ON_BN_CLICKED(IDC_ZAVP_TOOL_ARGUMENTS_MENU, &CZAVPUserToolsPage::OnArgumentsOptions)
ON_BN_CLICKED(IDC_ZAVP_TOOL_DIRECTORY_MENU, &CZAVPUserToolsPage::OnInitialDirectoryOptions)
ON_EN_UPDATE(IDC_ZAVP_TOOL_COMMAND, &CZAVPUserToolsPage::OnUpdateTool)
ON_EN_UPDATE(IDC_ZAVP_TOOL_ARGUMENTS, &CZAVPUserToolsPage::OnUpdateTool)
ON_EN_UPDATE(IDC_ZAVP_TOOL_DIRECTORY, &CZAVPUserToolsPage::OnUpdateTool)
END_MESSAGE_MAP()

// ---- the tools list

void CZAVPToolsList::OnSelectionChanged()
{
    const int iSel = GetSelItem();
    m_Page.OnSelectTool(iSel < 0 ? nullptr : reinterpret_cast<CZAVPUserTool*>(GetItemData(iSel)));
}

BOOL CZAVPToolsList::OnBeforeRemoveItem(int iItem)
{
    auto* pTool = reinterpret_cast<CZAVPUserTool*>(GetItemData(iItem));
    if (pTool == nullptr || g_pUserToolsManager == nullptr) return FALSE;
    g_pUserToolsManager->RemoveTool(pTool);
    m_Page.OnSelectTool(nullptr);
    return TRUE;
}

void CZAVPToolsList::OnAfterRenameItem(int iItem)
{
    if (auto* pTool = reinterpret_cast<CZAVPUserTool*>(GetItemData(iItem)))
        pTool->m_strLabel = GetItemText(iItem);
}

void CZAVPToolsList::OnAfterMoveItemUp(int iItem)
{
    if (g_pUserToolsManager != nullptr)
        g_pUserToolsManager->MoveToolUp(reinterpret_cast<CZAVPUserTool*>(GetItemData(iItem)));
}

void CZAVPToolsList::OnAfterMoveItemDown(int iItem)
{
    if (g_pUserToolsManager != nullptr)
        g_pUserToolsManager->MoveToolDown(reinterpret_cast<CZAVPUserTool*>(GetItemData(iItem)));
}

void CZAVPToolsList::CreateNewItem()
{
    const int iItem = GetCount() - 1;
    CZAVPUserTool* pTool = m_Page.CreateNewTool();
    if (pTool == nullptr) {
        RemoveItem(iItem);
        return;
    }
    pTool->m_strLabel = GetItemText(iItem);
    SetItemData(iItem, (DWORD_PTR)pTool);
    OnSelectionChanged();
}

// ---- the page

CZAVPUserToolsPage::CZAVPUserToolsPage()
    : CPropertyPage(IDD_ZAVP_CUSTOMIZE_TOOLS), m_wndToolsList(*this)
{
}

CZAVPUserToolsPage::~CZAVPUserToolsPage() = default;

void CZAVPUserToolsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_TOOL_DIRECTORY_MENU, m_wndInitialDirBtn);
    DDX_Control(pDX, IDC_ZAVP_TOOL_ARGUMENTS_MENU, m_wndArgsMenuBtn);
    DDX_Control(pDX, IDC_ZAVP_TOOL_ARGUMENTS, m_wndArgs);
    DDX_Control(pDX, IDC_ZAVP_TOOL_DIRECTORY, m_wndInitialDir);
    DDX_Control(pDX, IDC_ZAVP_TOOL_COMMAND, m_wndCommand);
    DDX_Control(pDX, IDC_ZAVP_TOOL_BROWSE, m_wndBrowseBtn);
    DDX_Control(pDX, IDC_ZAVP_TOOLS_LIST, m_wndToolsList);
    DDX_Text(pDX, IDC_ZAVP_TOOL_COMMAND, m_strCommand);
    DDX_Text(pDX, IDC_ZAVP_TOOL_ARGUMENTS, m_strArguments);
    DDX_Text(pDX, IDC_ZAVP_TOOL_DIRECTORY, m_strInitialDirectory);
}

BOOL CZAVPUserToolsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pParentSheet = CZAVPToolbarCustomize::FromPage(this);
    m_wndToolsList.SetStandardButtons();
    if (m_pParentSheet != nullptr) m_pParentSheet->OnInitToolsPage();
    if (g_pUserToolsManager != nullptr) {
        const CObList& tools = g_pUserToolsManager->GetUserTools();
        for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;) {
            auto* pTool = static_cast<CZAVPUserTool*>(tools.GetNext(pos));
            m_wndToolsList.AddItem(pTool->m_strLabel, (DWORD_PTR)pTool);
        }
        auto attachMenu = [](CMenu& menu, UINT uiResId, CZAVPMenuButton& button) {
            if (uiResId == 0 || !menu.LoadMenu(uiResId)) {
                button.ShowWindow(SW_HIDE);
                return;
            }
            button.m_hMenu = ::GetSubMenu(menu.GetSafeHmenu(), 0);
            button.m_bRightArrow = TRUE;
            button.ShowWindow(SW_SHOW);
        };
        attachMenu(m_menuInitialDir, g_pUserToolsManager->GetInitialDirMenuID(),
                   m_wndInitialDirBtn);
        attachMenu(m_menuArguments, g_pUserToolsManager->GetArgumentsMenuID(), m_wndArgsMenuBtn);
    }
    EnableControls();
    return TRUE;
}

void CZAVPUserToolsPage::EnableControls()
{
    const BOOL bEnable = m_pSelTool != nullptr;
    m_wndCommand.EnableWindow(bEnable);
    m_wndArgs.EnableWindow(bEnable);
    m_wndInitialDir.EnableWindow(bEnable);
    m_wndBrowseBtn.EnableWindow(bEnable);
    m_wndArgsMenuBtn.EnableWindow(bEnable);
    m_wndInitialDirBtn.EnableWindow(bEnable);
}

void CZAVPUserToolsPage::OnSelectTool(CZAVPUserTool* pSelTool)
{
    if (m_pParentSheet != nullptr) m_pParentSheet->OnBeforeChangeTool(m_pSelTool);
    if (pSelTool != nullptr) {
        m_strCommand = pSelTool->GetCommand();
        m_strArguments = pSelTool->m_strArguments;
        m_strInitialDirectory = pSelTool->m_strInitialDirectory;
    } else {
        m_strCommand.Empty();
        m_strArguments.Empty();
        m_strInitialDirectory.Empty();
    }
    // The fields are filled before the tool is selected, so their updates change nothing.
    m_pSelTool = nullptr;
    UpdateData(FALSE);
    m_pSelTool = pSelTool;
    EnableControls();
    if (m_pParentSheet != nullptr) m_pParentSheet->OnAfterChangeTool(m_pSelTool);
}

CZAVPUserTool* CZAVPUserToolsPage::CreateNewTool()
{
    if (g_pUserToolsManager == nullptr) return nullptr;
    const int nTools = (int)g_pUserToolsManager->GetUserTools().GetCount();
    if (!ZAVPCustomizeRules::CanAddTool(nTools, g_pUserToolsManager->GetFirstToolCmd(),
                                        g_pUserToolsManager->GetLastToolCmd()))
    {
        CString strFormat, strMessage;
        strFormat.LoadString(IDS_ZAVP_TOO_MANY_TOOLS);
        strMessage.Format(strFormat, g_pUserToolsManager->GetMaxTools());
        AfxMessageBox(strMessage);
        return nullptr;
    }
    return g_pUserToolsManager->CreateNewTool();
}

void CZAVPUserToolsPage::OnUpdateTool()
{
    if (m_pSelTool == nullptr) return;
    UpdateData();
    m_pSelTool->SetCommand(m_strCommand);
    m_pSelTool->m_strArguments = m_strArguments;
    m_pSelTool->m_strInitialDirectory = m_strInitialDirectory;
}

void CZAVPUserToolsPage::OnBrowseCommand()
{
    if (g_pUserToolsManager == nullptr) return;
    CFileDialog dlg(TRUE, g_pUserToolsManager->GetDefExt(), nullptr, 0,
                    g_pUserToolsManager->GetFilter(), this);
    if (dlg.DoModal() != IDOK) return;
    m_strCommand = dlg.GetPathName();
    UpdateData(FALSE);
    OnUpdateTool();
}

void CZAVPUserToolsPage::TypeInto(CEdit& edit, UINT uiStringId)
{
    CString str;
    if (!str.LoadString(uiStringId)) return;
    edit.SetFocus();
    for (int i = 0; i < str.GetLength(); ++i) edit.SendMessage(WM_CHAR, (BYTE)str[i]);
}

void CZAVPUserToolsPage::OnArgumentsOptions()
{
    if (m_wndArgsMenuBtn.m_nMenuResult != 0)
        TypeInto(m_wndArgs, (UINT)m_wndArgsMenuBtn.m_nMenuResult);
}

void CZAVPUserToolsPage::OnInitialDirectoryOptions()
{
    if (m_wndInitialDirBtn.m_nMenuResult != 0)
        TypeInto(m_wndInitialDir, (UINT)m_wndInitialDirBtn.m_nMenuResult);
}

BOOL CZAVPUserToolsPage::OnKillActive()
{
    if (m_pParentSheet != nullptr && g_pUserToolsManager != nullptr &&
        !m_pParentSheet->CheckToolsValidity(g_pUserToolsManager->GetUserTools()))
        return FALSE;
    return CPropertyPage::OnKillActive();
}

void CZAVPUserToolsPage::OnOK()
{
    OnUpdateTool();
    CPropertyPage::OnOK();
}
