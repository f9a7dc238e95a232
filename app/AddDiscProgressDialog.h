// The modal progress of adding a disc: the scan thread counts folders and files into it and
// reveals OK when it has finished. Until then nothing the user presses ends it.
#pragma once
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/CString.h"

#include "catalog/CatalogShell.h"

class AddDiscProgressDialog : public CDialog, public ScanProgressDialog
{
public:
    // Messages the scan thread posts or sends to the dialog.
    static const UINT WM_SCAN_FINISHED = WM_USER + 1;  // the disc is in (or the scan failed)
    static const UINT WM_SCAN_PROGRESS = WM_USER + 2;  // wParam: kFolderAdded or kFileAdded
    static const WPARAM kFolderAdded = 0;
    static const WPARAM kFileAdded = 1;

    explicit AddDiscProgressDialog(CWnd* parent = nullptr);

    INT_PTR DoModal() override { return CDialog::DoModal(); }
    HWND GetSafeHwnd() const override { return CDialog::GetSafeHwnd(); }

    int GetFoldersAdded() const { return m_foldersAdded; }
    int GetFilesAdded() const { return m_filesAdded; }
    bool IsFinished() const { return m_finished; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Enter, Esc and the close box end the dialog only once the scan has finished.
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnScanFinished(WPARAM wParam, LPARAM lParam);
    LRESULT OnScanProgress(WPARAM wParam, LPARAM lParam);

private:
    CStatic m_runningText;  // 1012 "Обрабатывается новый диск...", shown while scanning
    CStatic m_doneText;  // 1011 "Добавление завершено.", shown at the end
    CButton m_okButton;  // 1, shown at the end
    int m_foldersAdded;
    int m_filesAdded;
    CString m_filesText;    // what 1005 shows
    CString m_foldersText;  // what 1004 shows
    bool m_finished;        // WM_SCAN_FINISHED has arrived

    DECLARE_MESSAGE_MAP()
};
