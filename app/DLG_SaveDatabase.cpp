// The save dialog: a progress row on one timer, the done flag polled on another.
#include "app/DLG_SaveDatabase.h"

#include "framework/CDataExchange.h"

#include "resources/AppResource.h"

IMPLEMENT_DYNCREATE(DLG_SaveDatabase, CDialog)

BEGIN_MESSAGE_MAP(DLG_SaveDatabase, CDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

DLG_SaveDatabase::DLG_SaveDatabase(CWnd* parent) : CDialog(IDD_SAVE_DATABASE, parent) {}

void DLG_SaveDatabase::SetDone() { m_done.Set(1); }

CString DLG_SaveDatabase::NextProgressText(const CString& text)
{
    CString next = text + ">";
    if (next.GetLength() > kMaxProgressLength) next.Empty();
    return next;
}

void DLG_SaveDatabase::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SAVE_PROGRESS, m_progressText);
}

BOOL DLG_SaveDatabase::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(kProgressTimer, kProgressPeriod);
    SetTimer(kDoneTimer, kDonePeriod);
    return TRUE;
}

void DLG_SaveDatabase::OnOK() {}

void DLG_SaveDatabase::OnCancel() {}

void DLG_SaveDatabase::OnTimer(UINT_PTR id)
{
    if (id == kProgressTimer) {
        m_progressText = NextProgressText(m_progressText);
        UpdateData(FALSE);
    } else if (id == kDoneTimer) {
        if (m_done.Get() != 0) {
            KillTimer(kDoneTimer);
            KillTimer(kProgressTimer);
            CDialog::OnOK();  // the base's: this class's own OnOK ignores Enter
        }
    } else {
        KillTimer(id);
    }
    CDialog::OnTimer(id);
}

void DLG_SaveDatabase::OnDestroy()
{
    CDialog::OnDestroy();
    KillTimer(kProgressTimer);
    KillTimer(kDoneTimer);
}
