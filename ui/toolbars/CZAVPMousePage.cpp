// The mouse page (see the header).
#include "ui/toolbars/CZAVPMousePage.h"

#include "framework/CDataExchange.h"
#include "framework/CFrameWnd.h"
#include "framework/CStringList.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"

IMPLEMENT_DYNCREATE(CZAVPMousePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPMousePage, CPropertyPage)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_ZAVP_VIEWS, &CZAVPMousePage::OnItemChangedViews)
ON_BN_CLICKED(IDC_ZAVP_NO_DBLCLICK, &CZAVPMousePage::OnNoDblClick)
ON_BN_CLICKED(IDC_ZAVP_USE_DBLCLICK, &CZAVPMousePage::OnUseDblClick)
ON_LBN_SELCHANGE(IDC_ZAVP_DBLCLICK_COMMANDS, &CZAVPMousePage::OnSelchangeCommands)
END_MESSAGE_MAP()

CZAVPMousePage::CZAVPMousePage() : CPropertyPage(IDD_ZAVP_CUSTOMIZE_MOUSE) {}

CZAVPMousePage::~CZAVPMousePage()
{
    if (m_hViewsImages != nullptr) ::ImageList_Destroy(m_hViewsImages);
}

void CZAVPMousePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_VIEWS, m_wndListOfViews);
    DDX_Control(pDX, IDC_ZAVP_DBLCLICK_COMMANDS, m_wndListOfCommands);
    DDX_Control(pDX, IDC_ZAVP_DESCRIPTION, m_wndCommandDescription);
    DDX_Text(pDX, IDC_ZAVP_DESCRIPTION, m_strCommandDescription);
}

BOOL CZAVPMousePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
        pSheet->FillAllCommandsList(m_wndListOfCommands);
    if (g_pMouseManager == nullptr) return TRUE;

    CStringList listOfViewNames;
    g_pMouseManager->GetViewNames(listOfViewNames);
    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYSMICON);
    m_hViewsImages = ::ImageList_Create(cxIcon, cyIcon, ILC_COLOR8 | ILC_MASK, 0, 1);
    m_wndListOfViews.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)m_hViewsImages);
    m_wndListOfViews.InsertColumn(0, "");
    int nMaxWidth = 0;
    int iItem = 0;
    for (POSITION pos = listOfViewNames.GetHeadPosition(); pos != nullptr; ++iItem) {
        const CString strName = listOfViewNames.GetNext(pos);
        const int iViewId = g_pMouseManager->GetViewIdByName(strName);
        int iImage = -1;
        const UINT uiIconId = g_pMouseManager->GetViewIconId(iViewId);
        if (HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiIconId)))
            iImage = ::ImageList_ReplaceIcon(m_hViewsImages, -1, hIcon);
        const int iNew = m_wndListOfViews.InsertItem(iItem, strName, iImage);
        m_wndListOfViews.SetItemData(iNew, (DWORD_PTR)iViewId);
        const int nWidth = (int)m_wndListOfViews.SendMessage(LVM_GETSTRINGWIDTHA, 0,
                                                             (LPARAM)(LPCSTR)strName);
        if (nWidth > nMaxWidth) nMaxWidth = nWidth;
    }
    m_wndListOfViews.SetColumnWidth(0, nMaxWidth + cxIcon + 12);
    m_wndListOfViews.SendMessage(LVM_ENSUREVISIBLE, 0, FALSE);
    EnableCommands(FALSE);
    return TRUE;
}

CString CZAVPMousePage::DescriptionOf(UINT uiCmd) const
{
    CString str;
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
        if (CFrameWnd* pFrame = pSheet->GetParentFrame()) pFrame->GetMessageString(uiCmd, str);
    return str;
}

void CZAVPMousePage::EnableCommands(BOOL bEnable)
{
    m_wndListOfCommands.EnableWindow(bEnable);
    m_wndCommandDescription.EnableWindow(bEnable);
}

void CZAVPMousePage::OnItemChangedViews(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const auto* pNMListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (!(pNMListView->uChanged & LVIF_STATE) || g_pMouseManager == nullptr) return;
    const int iSel = (int)m_wndListOfViews.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (iSel < 0) {
        m_iCurrViewId = -1;
        return;
    }
    m_iCurrViewId = (int)m_wndListOfViews.GetItemData(iSel);
    const UINT uiCmd = g_pMouseManager->GetViewDblClickCommand(m_iCurrViewId);
    CheckDlgButton(IDC_ZAVP_USE_DBLCLICK, uiCmd != 0);
    CheckDlgButton(IDC_ZAVP_NO_DBLCLICK, uiCmd == 0);
    EnableCommands(uiCmd != 0);
    m_wndListOfCommands.SetCurSel(-1);
    m_strCommandDescription.Empty();
    if (uiCmd != 0) {
        m_strCommandDescription = DescriptionOf(uiCmd);
        for (int i = 0; i < m_wndListOfCommands.GetCount(); ++i) {
            if (m_wndListOfCommands.GetItemData(i) == uiCmd) {
                m_wndListOfCommands.SetCurSel(i);
                m_wndListOfCommands.SetTopIndex(i);
                break;
            }
        }
    }
    UpdateData(FALSE);
}

void CZAVPMousePage::OnNoDblClick()
{
    if (m_iCurrViewId >= 0 && g_pMouseManager != nullptr)
        g_pMouseManager->SetCommandForDblClick(m_iCurrViewId, 0);
    EnableCommands(FALSE);
    m_wndListOfCommands.SetCurSel(-1);
    m_strCommandDescription.Empty();
    UpdateData(FALSE);
}

void CZAVPMousePage::OnUseDblClick()
{
    EnableCommands(TRUE);
    if (m_iCurrViewId >= 0 && g_pMouseManager != nullptr)
        g_pMouseManager->SetCommandForDblClick(m_iCurrViewId, 0);
    else
        ::MessageBeep((UINT)-1);
}

void CZAVPMousePage::OnSelchangeCommands()
{
    const int iSel = m_wndListOfCommands.GetCurSel();
    if (m_iCurrViewId < 0 || iSel < 0 || g_pMouseManager == nullptr) {
        ::MessageBeep((UINT)-1);
        return;
    }
    const UINT uiCmd = (UINT)m_wndListOfCommands.GetItemData(iSel);
    m_strCommandDescription = DescriptionOf(uiCmd);
    g_pMouseManager->SetCommandForDblClick(m_iCurrViewId, uiCmd);
    UpdateData(FALSE);
}
