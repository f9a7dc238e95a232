// The system's open and save file dialogs.
#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr) lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));
    if (lpszFilter != nullptr) {
        m_strFilter = lpszFilter;
        // The system wants zeros where the filter has bars, and two at the end.
        LPSTR p = m_strFilter.GetBuffer(m_strFilter.GetLength() + 2);
        int n = lstrlenA(p);
        p[n] = p[n + 1] = '\0';
        for (int i = 0; i < n; i++)
            if (p[i] == '|') p[i] = '\0';
        m_ofn.lpstrFilter = p;
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = AfxGetSafeHwnd(CWnd::GetSafeOwner_(AfxGetSafeHwnd(m_pParentWnd), nullptr));
    m_ofn.hInstance = AfxGetResourceHandle();
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const
{
    const char* slash = strrchr(m_szFileName, '\\');
    return CString(slash != nullptr ? slash + 1 : m_szFileName);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}
