// The toolbar-name dialog (see the header).
#include "ui/toolbars/CZAVPToolbarNameDlg.h"

#include "framework/CDataExchange.h"
#include "resources/UiLibraryResource.h"

BEGIN_MESSAGE_MAP(CZAVPToolbarNameDlg, CDialog)
ON_EN_UPDATE(IDC_ZAVP_COLOR_AREA, &CZAVPToolbarNameDlg::OnUpdateName)
END_MESSAGE_MAP()

CZAVPToolbarNameDlg::CZAVPToolbarNameDlg(CWnd* pParent) : CDialog(IDD_ZAVP_TOOLBAR_NAME, pParent) {}

void CZAVPToolbarNameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOk);
    DDX_Text(pDX, IDC_ZAVP_COLOR_AREA, m_strToolbarName);
}

BOOL CZAVPToolbarNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnOk.EnableWindow(!m_strToolbarName.IsEmpty());
    return TRUE;
}

void CZAVPToolbarNameDlg::OnUpdateName()
{
    UpdateData();
    m_btnOk.EnableWindow(!m_strToolbarName.IsEmpty());
}
