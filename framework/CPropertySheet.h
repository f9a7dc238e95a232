// A property sheet: the tabbed dialog of the common controls with CPropertyPage pages. It can
// exist without a window (pages are only listed until DoModal or Create makes one), run modally
// in the framework's modal loop, or live modeless or as a child control.
#pragma once

#include <windows.h>
#include <prsht.h>
#include "framework/CPtrArray.h"
#include "framework/CWnd.h"

class CPropertyPage;

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADERA m_psh;
    CPtrArray m_pages;  // CPropertyPage*, not owned
    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModeless = FALSE;

    // Modeless (or, with WS_CHILD in dwStyle, a child control); dwStyle -1 is the usual popup.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    // Runs the sheet; IDOK or IDCANCEL (the button that ended it), -1 when it could not be made.
    virtual INT_PTR DoModal();

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    CWnd* GetTabControl() const
    {
        return CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    }
    BOOL PressButton(int nButton)
    {
        return (BOOL)::SendMessageA(m_hWnd, PSM_PRESSBUTTON, (WPARAM)nButton, 0);
    }
    void EndDialog(int nEndID);

    BOOL ContinueModal() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void BuildPropPageArray();
    HWND CreateSheetWindow(HWND hWndParent, BOOL bModeless);
    PROPSHEETPAGEA* m_pPageArray = nullptr;  // the pages as given to the control
};
