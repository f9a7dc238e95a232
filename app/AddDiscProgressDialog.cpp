// Add-disc progress dialog: counters fed by the scan thread's messages.
#include "app/AddDiscProgressDialog.h"

#include "framework/CDataExchange.h"

#include "resources/AppResource.h"

BEGIN_MESSAGE_MAP(AddDiscProgressDialog, CDialog)
ON_MESSAGE(WM_SCAN_FINISHED, &AddDiscProgressDialog::OnScanFinished)
ON_MESSAGE(WM_SCAN_PROGRESS, &AddDiscProgressDialog::OnScanProgress)
END_MESSAGE_MAP()

AddDiscProgressDialog::AddDiscProgressDialog(CWnd* parent)
    : CDialog(IDD_ADD_DISC_PROGRESS, parent), m_foldersAdded(0), m_filesAdded(0), m_finished(false)
{
}

void AddDiscProgressDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate) {
        m_foldersText.Format("%d", m_foldersAdded);
        m_filesText.Format("%d", m_filesAdded);
    }
    DDX_Control(pDX, IDC_ADD_DISC_RUNNING, m_runningText);
    DDX_Control(pDX, IDC_ADD_DISC_DONE, m_doneText);
    DDX_Control(pDX, IDOK, m_okButton);
    DDX_Text(pDX, IDC_FILES_ADDED, m_filesText);
    DDX_Text(pDX, IDC_FOLDERS_ADDED, m_foldersText);
}

void AddDiscProgressDialog::OnOK()
{
    if (m_finished) CDialog::OnOK();
}

void AddDiscProgressDialog::OnCancel()
{
    if (m_finished) CDialog::OnCancel();
}

LRESULT AddDiscProgressDialog::OnScanProgress(WPARAM wParam, LPARAM)
{
    if (wParam == kFolderAdded)
        ++m_foldersAdded;
    else if (wParam == kFileAdded)
        ++m_filesAdded;
    else
        return 0;
    UpdateData(FALSE);
    return 0;
}

LRESULT AddDiscProgressDialog::OnScanFinished(WPARAM, LPARAM)
{
    m_finished = true;
    m_runningText.ShowWindow(SW_HIDE);
    m_doneText.ShowWindow(SW_SHOW);
    m_okButton.ShowWindow(SW_SHOW);
    return 0;
}
