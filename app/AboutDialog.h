// The About box: the product name in large type, the version, and where to find the makers.
#pragma once
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CStatic.h"
#include "framework/CString.h"

class AboutDialog : public CDialog
{
public:
    explicit AboutDialog(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CFont m_titleFont;   // Arial 24 pt bold: the product name
    CFont m_detailFont;  // Tahoma 9 pt bold: the addresses
    CStatic m_email;     // 1034
    CStatic m_product;   // 1025
    CStatic m_homePage;  // 1022
    CString m_version;   // 1050

    DECLARE_MESSAGE_MAP()
};
