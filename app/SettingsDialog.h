// The catalogue's settings: the default CD-ROM drive and the folder depth limit of the scanner.
// The caller fills the public fields, runs the dialog and reads them back unless it was cancelled.
#pragma once
#include "framework/CDialog.h"
#include "framework/CEdit.h"

#include "catalog/CdromComboBox.h"

class SettingsDialog : public CDialog
{
public:
    explicit SettingsDialog(CWnd* parent = nullptr);

    CEdit m_limitEdit;            // 1036: the limit; enabled only while the limit is on
    CdromComboBox m_cdromDrives;  // 1032: its selected root is the default drive
    BOOL m_limitEnabled;   // 1035 "Ограничение вложенности папок:"
    int m_recursionLimit;  // 1036 as a number

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnLimitClicked();

    DECLARE_MESSAGE_MAP()
};
