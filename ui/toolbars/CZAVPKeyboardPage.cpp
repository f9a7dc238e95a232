// The keyboard page (see the header).
#include "ui/toolbars/CZAVPKeyboardPage.h"

#include "framework/CDataExchange.h"
#include "framework/CDocTemplate.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_DYNCREATE(CZAVPKeyboardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPKeyboardPage, CPropertyPage)
ON_CBN_SELCHANGE(IDC_ZAVP_CATEGORIES, &CZAVPKeyboardPage::OnSelchangeCategory)
ON_LBN_SELCHANGE(IDC_ZAVP_KEY_COMMANDS, &CZAVPKeyboardPage::OnSelchangeCommandsList)
ON_CBN_SELCHANGE(IDC_ZAVP_ACCEL_OWNER, &CZAVPKeyboardPage::OnSelchangeViewType)
ON_LBN_SELCHANGE(IDC_ZAVP_CURRENT_KEYS, &CZAVPKeyboardPage::OnSelchangeCurrentAccelList)
ON_EN_UPDATE(IDC_ZAVP_NEW_KEY, &CZAVPKeyboardPage::OnUpdateNewShortcutKey)
ON_BN_CLICKED(IDC_ZAVP_ASSIGN_KEY, &CZAVPKeyboardPage::OnAssign)
ON_BN_CLICKED(IDC_ZAVP_REMOVE_KEY, &CZAVPKeyboardPage::OnRemove)
ON_BN_CLICKED(IDC_ZAVP_RESET_KEYS, &CZAVPKeyboardPage::OnResetAll)
END_MESSAGE_MAP()

CZAVPKeyboardPage::CZAVPKeyboardPage(CFrameWnd* pParentFrame, BOOL bAutoSet)
    : CPropertyPage(IDD_ZAVP_CUSTOMIZE_KEYBOARD), m_pParentFrame(pParentFrame), m_bAutoSet(bAutoSet)
{
}

CZAVPKeyboardPage::~CZAVPKeyboardPage() = default;

void CZAVPKeyboardPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_ASSIGNED_LABEL, m_wndAssignedToTitle);
    DDX_Control(pDX, IDC_ZAVP_NEW_KEY, m_wndNewKey);
    DDX_Control(pDX, IDC_ZAVP_ACCEL_OWNER, m_wndViewTypeList);
    DDX_Control(pDX, IDC_ZAVP_ACCEL_ICON, m_wndViewIcon);
    DDX_Control(pDX, IDC_ZAVP_REMOVE_KEY, m_wndRemoveButton);
    DDX_Control(pDX, IDC_ZAVP_CURRENT_KEYS, m_wndCurrentKeysList);
    DDX_Control(pDX, IDC_ZAVP_KEY_COMMANDS, m_wndCommandsList);
    DDX_Control(pDX, IDC_ZAVP_CATEGORIES, m_wndCategoryList);
    DDX_Control(pDX, IDC_ZAVP_ASSIGN_KEY, m_wndAssignButton);
    DDX_Text(pDX, IDC_ZAVP_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_ZAVP_ASSIGNED_TO, m_strAssignedTo);
}

BOOL CZAVPKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
        pSheet->FillCategoriesComboBox(m_wndCategoryList, FALSE);
    m_wndCategoryList.SetCurSel(0);
    OnSelchangeCategory();
    // Multi-document templates would be listed here with their own tables; the framework of
    // this program has single-document templates only, whose table is the frame's.
    if (m_pParentFrame != nullptr && m_pParentFrame->m_hAccelTable != nullptr) {
        CString strDefault;
        strDefault.LoadString(IDS_ZAVP_DEFAULT_ACCEL_OWNER);
        const int iItem = m_wndViewTypeList.AddString(strDefault);
        m_wndViewTypeList.SetItemDataPtr(iItem, nullptr);
        m_wndViewTypeList.SetCurSel(iItem);
        OnSelchangeViewType();
    }
    if (m_wndViewTypeList.GetCurSel() < 0) {
        m_wndViewTypeList.SetCurSel(0);
        OnSelchangeViewType();
    }
    return TRUE;
}

void CZAVPKeyboardPage::OnSelchangeViewType()
{
    m_Accel.clear();
    m_hAccelTable = nullptr;
    const int iOwner = m_wndViewTypeList.GetCurSel();
    if (iOwner < 0) {
        m_wndViewIcon.SendMessage(STM_SETICON, 0);
        return;
    }
    m_pSelTemplate = static_cast<CDocTemplate*>(m_wndViewTypeList.GetItemDataPtr(iOwner));
    HICON hIcon = nullptr;
    if (m_pSelTemplate != nullptr) {
        hIcon = ::LoadIconA(AfxGetResourceHandle(),
                            MAKEINTRESOURCEA(m_pSelTemplate->m_nIDResource));
        m_hAccelTable = m_pSelTemplate->m_hAccelTable;
    } else if (m_pParentFrame != nullptr) {
        hIcon = (HICON)::GetClassLongPtrA(m_pParentFrame->GetSafeHwnd(), GCLP_HICON);
        m_hAccelTable = m_pParentFrame->m_hAccelTable;
    }
    if (hIcon == nullptr) hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    m_wndViewIcon.SendMessage(STM_SETICON, (WPARAM)hIcon);
    if (m_hAccelTable != nullptr) {
        const int nCount = ::CopyAcceleratorTableA(m_hAccelTable, nullptr, 0);
        m_Accel.resize(nCount > 0 ? (size_t)nCount : 0);
        if (nCount > 0) ::CopyAcceleratorTableA(m_hAccelTable, m_Accel.data(), nCount);
    }
    OnSelchangeCommandsList();
}

void CZAVPKeyboardPage::OnSelchangeCategory()
{
    UpdateData();
    m_wndCommandsList.ResetContent();
    const int iCategory = m_wndCategoryList.GetCurSel();
    CString strCategory;
    if (iCategory >= 0) m_wndCategoryList.GetLBText(iCategory, strCategory);
    const bool bAllCommands = strCategory == m_strAllCommands;
    const auto* pList = iCategory >= 0 ? static_cast<const CObList*>(
                                             m_wndCategoryList.GetItemDataPtr(iCategory))
                                       : nullptr;
    if (pList != nullptr) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* pButton = static_cast<CZAVPToolbarButton*>(pList->GetNext(pos));
            if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1) continue;
            CString strText = pButton->m_strText;
            const int nSame = CZAVPToolbarCustomize::GetCountInCategory(strText, *pList);
            if (ZAVPCustomizeRules::UseUserText(bAllCommands, nSame, pButton->m_strTextCustom))
                strText = pButton->m_strTextCustom;
            const int iItem = m_wndCommandsList.AddString(strText);
            m_wndCommandsList.SetItemDataPtr(iItem, pButton);
        }
    }
    if (m_wndCommandsList.GetCount() == 0) m_wndNewKey.EnableWindow(FALSE);
    m_wndCommandsList.SetCurSel(0);
    OnSelchangeCommandsList();
}

void CZAVPKeyboardPage::AddKeyEntry(int iAccel)
{
    CString strKey;
    CZAVPAccelText(&m_Accel[(size_t)iAccel]).Format(strKey);
    const int iItem = m_wndCurrentKeysList.AddString(strKey);
    m_wndCurrentKeysList.SetItemData(iItem, (DWORD_PTR)iAccel);
}

void CZAVPKeyboardPage::OnSelchangeCommandsList()
{
    m_strDescription.Empty();
    m_wndCurrentKeysList.ResetContent();
    m_wndRemoveButton.EnableWindow(FALSE);
    m_iSelAccel = -1;
    const int iSel = m_wndCommandsList.GetCurSel();
    if (iSel < 0) {
        m_pSelButton = nullptr;
        m_wndNewKey.EnableWindow(FALSE);
        UpdateData(FALSE);
        return;
    }
    m_pSelButton = static_cast<CZAVPToolbarButton*>(m_wndCommandsList.GetItemDataPtr(iSel));
    if (m_pParentFrame != nullptr)
        m_pParentFrame->GetMessageString(m_pSelButton->m_nID, m_strDescription);
    for (size_t i = 0; i < m_Accel.size(); ++i)
        if (m_Accel[i].cmd == (WORD)m_pSelButton->m_nID) AddKeyEntry((int)i);
    m_wndNewKey.EnableWindow(TRUE);
    UpdateData(FALSE);
}

void CZAVPKeyboardPage::OnSelchangeCurrentAccelList()
{
    const int iSel = m_wndCurrentKeysList.GetCurSel();
    m_iSelAccel = iSel < 0 ? -1 : (int)m_wndCurrentKeysList.GetItemData(iSel);
    m_wndRemoveButton.EnableWindow(m_iSelAccel >= 0);
}

void CZAVPKeyboardPage::OnUpdateNewShortcutKey()
{
    m_strAssignedTo.Empty();
    m_wndAssignedToTitle.ShowWindow(SW_HIDE);
    m_wndAssignButton.EnableWindow(FALSE);
    if (!m_wndNewKey.IsKeyDefined()) {
        UpdateData(FALSE);
        return;
    }
    const ACCEL* pAccel = m_wndNewKey.GetAccel();
    const int iFound = ZAVPCustomizeRules::FindAccel(m_Accel, pAccel->key, pAccel->fVirt);
    if (iFound >= 0) {
        LPCSTR lpszName = nullptr;
        if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
            lpszName = pSheet->GetCommandName(m_Accel[(size_t)iFound].cmd);
        m_strAssignedTo = lpszName != nullptr ? lpszName : "????";
    } else {
        m_strAssignedTo.LoadString(IDS_ZAVP_UNASSIGNED_KEY);
        m_wndAssignButton.EnableWindow(TRUE);
    }
    m_wndAssignedToTitle.ShowWindow(SW_SHOW);
    UpdateData(FALSE);
}

void CZAVPKeyboardPage::InstallCopy(const std::vector<ACCEL>& accel)
{
    m_Accel = accel;
    CZAVPKeyboardManager::UpdateAcceleratorTable(m_pSelTemplate, m_Accel.data(),
                                                 (int)m_Accel.size(), m_pParentFrame);
    m_hAccelTable = m_pSelTemplate != nullptr   ? m_pSelTemplate->m_hAccelTable
                    : m_pParentFrame != nullptr ? m_pParentFrame->m_hAccelTable
                                                : nullptr;
}

void CZAVPKeyboardPage::OnAssign()
{
    if (m_pSelButton == nullptr || !m_wndNewKey.IsKeyDefined()) {
        ::MessageBeep((UINT)-1);
        return;
    }
    m_wndNewKey.SetAccelCommand((WORD)m_pSelButton->m_nID);
    InstallCopy(ZAVPCustomizeRules::AddAccel(m_Accel, *m_wndNewKey.GetAccel()));
    AddKeyEntry((int)m_Accel.size() - 1);
    m_wndNewKey.ResetKey();
    OnUpdateNewShortcutKey();
    m_wndCommandsList.SetFocus();
}

void CZAVPKeyboardPage::OnRemove()
{
    if (m_iSelAccel < 0) {
        ::MessageBeep((UINT)-1);
        return;
    }
    InstallCopy(ZAVPCustomizeRules::RemoveAccel(m_Accel, m_iSelAccel));
    OnSelchangeCommandsList();
    m_wndCommandsList.SetFocus();
}

void CZAVPKeyboardPage::OnResetAll()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_ZAVP_RESET_KEYBOARD);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    CZAVPKeyboardManager::ResetAll();
    if (m_pParentFrame != nullptr)
        m_pParentFrame->SendMessage(ZAVPToolBarMessages::ResetKeyboard, 0, 0);
    OnSelchangeViewType();
    OnSelchangeCommandsList();
}
