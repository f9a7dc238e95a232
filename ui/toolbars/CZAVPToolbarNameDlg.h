// The small dialog that asks for a toolbar's name; its OK button is enabled only while there is
// a name.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"

class CZAVPToolbarNameDlg : public CDialog
{
public:
    explicit CZAVPToolbarNameDlg(CWnd* pParent = nullptr);

    CString m_strToolbarName;  // in and out

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnUpdateName();

    CButton m_btnOk;

    DECLARE_MESSAGE_MAP()
};
