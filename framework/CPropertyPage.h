// A page of a property sheet: a dialog from a template, created by the sheet control when first
// shown. Leaving the page validates it with data exchange; the sheet's OK applies every page.
#pragma once

#include <windows.h>
#include <prsht.h>
#include "framework/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    PROPSHEETPAGEA m_psp;  // what the sheet control is given for this page
    CString m_strCaption;

    CPropertySheet* GetParentSheet() const;
    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    virtual BOOL OnSetActive();   // FALSE keeps the sheet from showing the page
    virtual BOOL OnKillActive();  // FALSE keeps the page (data exchange failed)
    virtual BOOL OnApply();       // the sheet's OK or Apply
    virtual void OnReset();       // the sheet's Cancel
    virtual BOOL OnQueryCancel();
    void OnOK() override;  // a page never ends the sheet by itself
    void OnCancel() override;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Fills m_psp for the sheet control (template, dialog procedure, creation callback, caption).
    void PreparePage();

protected:
    BOOL m_bFirstSetActive = TRUE;  // OnInitDialog already exchanged the data once
};
