// The system's open and save file dialogs.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include "framework/CDialog.h"

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter pairs descriptions and patterns with '|' ("Programs (*.exe)|*.exe||").
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;  // IDOK or IDCANCEL

    OPENFILENAMEA m_ofn;
    CString GetPathName() const { return CString(m_szFileName); }
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

protected:
    BOOL m_bOpenFileDialog;
    char m_szFileName[MAX_PATH * 4] = "";
    char m_szFileTitle[MAX_PATH] = "";
    CString m_strFilter;  // the filter with its '|' turned into zeros
    CString m_strDefExt;
};
