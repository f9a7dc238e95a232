// The statistics box: shows a prepared text (the catalogue's counts) in a read-only edit.
#pragma once
#include "framework/CDialog.h"
#include "framework/CString.h"

class DLG_Statistics : public CDialog
{
    DECLARE_DYNAMIC(DLG_Statistics)
public:
    explicit DLG_Statistics(CWnd* parent = nullptr);

    CString m_text;  // set before DoModal; lines separated by "\r\n"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
