// The settings dialog: drive list, limit check box and the limit's edit, enabled together.
#include "app/SettingsDialog.h"

#include "framework/CDataExchange.h"
#include "resources/AppResource.h"

BEGIN_MESSAGE_MAP(SettingsDialog, CDialog)
ON_BN_CLICKED(IDC_RECURSION_LIMIT_ON, &SettingsDialog::OnLimitClicked)
END_MESSAGE_MAP()

SettingsDialog::SettingsDialog(CWnd* parent)
    : CDialog(IDD_SETTINGS, parent), m_limitEnabled(FALSE), m_recursionLimit(0)
{
}

void SettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECURSION_LIMIT, m_limitEdit);
    DDX_Control(pDX, IDC_CDROM_DRIVES, m_cdromDrives);
    DDX_Check(pDX, IDC_RECURSION_LIMIT_ON, m_limitEnabled);
    DDX_Text(pDX, IDC_RECURSION_LIMIT, m_recursionLimit);
}

BOOL SettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_cdromDrives.Fill();
    m_limitEdit.EnableWindow(m_limitEnabled);
    return TRUE;
}

void SettingsDialog::OnLimitClicked()
{
    UpdateData(TRUE);
    m_limitEdit.EnableWindow(m_limitEnabled);
}
