// The statistics box.
#include "app/DLG_Statistics.h"

#include "framework/CDataExchange.h"

#include "resources/AppResource.h"

IMPLEMENT_DYNAMIC(DLG_Statistics, CDialog)

BEGIN_MESSAGE_MAP(DLG_Statistics, CDialog)
END_MESSAGE_MAP()

DLG_Statistics::DLG_Statistics(CWnd* parent) : CDialog(IDD_STATISTICS, parent) {}

void DLG_Statistics::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATISTICS_TEXT, m_text);
}

BOOL DLG_Statistics::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}
