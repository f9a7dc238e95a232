// The modal "saving" dialog: it shows a growing row of '>' while the save thread works and ends
// itself once that thread has called SetDone. The user can neither confirm nor cancel it, so it
// always outlives the thread's last use of it.
#pragma once
#include "framework/CDialog.h"
#include "framework/CString.h"

#include "app/LockedFlag.h"
#include "catalog/CatalogShell.h"

class DLG_SaveDatabase : public CDialog, public SaveWaitDialog
{
    DECLARE_DYNCREATE(DLG_SaveDatabase)
public:
    explicit DLG_SaveDatabase(CWnd* parent = nullptr);

    INT_PTR DoModal() override { return CDialog::DoModal(); }
    // Called from the save thread when the file is written; safe from any thread.
    void SetDone() override;

    static const UINT_PTR kProgressTimer = 1;
    static const UINT kProgressPeriod = 200;  // ms
    static const UINT_PTR kDoneTimer = 2;
    static const UINT kDonePeriod = 50;  // ms
    static const int kMaxProgressLength = 27;

    // The progress text one tick later: a '>' more, or empty once it would pass the maximum.
    static CString NextProgressText(const CString& text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;      // Enter does nothing
    void OnCancel() override;  // nor do Esc and the close box
    void OnTimer(UINT_PTR id);
    void OnDestroy();

private:
    LockedFlag m_done;       // 1 once the save thread has finished
    CString m_progressText;  // what static 1051 shows

    DECLARE_MESSAGE_MAP()
};
