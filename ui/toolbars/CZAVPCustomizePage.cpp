// The commands page (see the header).
#include "ui/toolbars/CZAVPCustomizePage.h"

#include "framework/CDataExchange.h"
#include "framework/CFrameWnd.h"
#include "framework/CWaitCursor.h"
#include "resources/UiLibraryResource.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"

IMPLEMENT_DYNCREATE(CZAVPCustomizePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CZAVPCustomizePage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_ZAVP_CATEGORIES, &CZAVPCustomizePage::OnSelchangeCategory)
ON_LBN_SELCHANGE(IDC_ZAVP_COMMANDS, &CZAVPCustomizePage::OnSelchangeUserTools)
END_MESSAGE_MAP()

CZAVPCustomizePage::CZAVPCustomizePage() : CPropertyPage(IDD_ZAVP_CUSTOMIZE_COMMANDS) {}

void CZAVPCustomizePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_CATEGORIES, m_wndCategories);
    DDX_Control(pDX, IDC_ZAVP_COMMANDS, m_wndTools);
    DDX_Text(pDX, IDC_ZAVP_COMMAND_DESCRIPTION, m_strButtonDescription);
}

BOOL CZAVPCustomizePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::FromPage(this))
        pSheet->FillCategoriesListBox(m_wndCategories, TRUE);
    m_wndCategories.SetCurSel(0);
    OnSelchangeCategory();
    return TRUE;
}

void CZAVPCustomizePage::OnSelchangeCategory()
{
    UpdateData();
    const int iCategory = m_wndCategories.GetCurSel();
    if (iCategory < 0) return;
    CWaitCursor wait;
    m_wndTools.SetRedraw(FALSE);
    m_wndTools.ResetContent();

    CString strCategory;
    m_wndCategories.GetText(iCategory, strCategory);
    const bool bAllCommands = strCategory == m_strAllCommands;
    m_strButtonDescription.Empty();
    m_pSelButton = nullptr;
    UpdateData(FALSE);

    const auto* pList = static_cast<const CObList*>(m_wndCategories.GetItemDataPtr(iCategory));
    if (pList != nullptr) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            auto* pButton = static_cast<CZAVPToolbarButton*>(pList->GetNext(pos));
            if (pButton->m_nID != (UINT)-1)
                pButton->m_bUserButton = GetCommandManager()->GetCommandImage(pButton->m_nID) < 0;
            CString strText = pButton->m_strText;
            const int nSame = CZAVPToolbarCustomize::GetCountInCategory(strText, *pList);
            if (ZAVPCustomizeRules::UseUserText(bAllCommands, nSame, pButton->m_strTextCustom))
                strText = pButton->m_strTextCustom;
            int iItem;
            if (bAllCommands) {
                int iInsert = m_wndTools.GetCount();
                for (int i = 0; i < m_wndTools.GetCount(); ++i) {
                    CString strOther;
                    m_wndTools.GetText(i, strOther);
                    if (strOther.Compare(strText) > 0) {
                        iInsert = i;
                        break;
                    }
                }
                iItem = m_wndTools.InsertString(iInsert, strText);
            } else {
                iItem = m_wndTools.AddString(strText);
            }
            m_wndTools.SetItemDataPtr(iItem, pButton);
        }
    }
    m_wndTools.SetRedraw(TRUE);
    m_wndTools.Invalidate();
}

void CZAVPCustomizePage::OnSelchangeUserTools()
{
    const int iSel = m_wndTools.GetCurSel();
    if (iSel < 0) {
        m_strButtonDescription.Empty();
        m_pSelButton = nullptr;
    } else {
        m_pSelButton = static_cast<CZAVPToolbarButton*>(m_wndTools.GetItemDataPtr(iSel));
        m_strButtonDescription.Empty();
        if (m_pSelButton->m_nID == 0) {
            m_strButtonDescription = m_pSelButton->m_strText;
        } else if (CFrameWnd* pFrame = GetTopLevelFrame()) {
            pFrame->GetMessageString(m_pSelButton->m_nID, m_strButtonDescription);
        }
    }
    UpdateData(FALSE);
}
