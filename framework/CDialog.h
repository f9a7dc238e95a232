// Dialogs from templates, modal (DoModal runs the framework's own modal loop, so that
// pre-translation, tooltips and the idle update keep working) and modeless. OnOK takes the
// controls' values with data exchange and keeps the dialog open when a field does not validate.
#pragma once

#include "framework/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless creation.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr,
                           void* lpDialogInit = nullptr);

    // Runs the dialog; returns what EndDialog was given (pointer-sized), or -1 when it could
    // not be created.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR nResult);

    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    virtual void OnOK();
    virtual void OnCancel();

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    LPCSTR m_lpszTemplateName = nullptr;  // resource name, or MAKEINTRESOURCE of the id
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    void* m_lpDialogInit = nullptr;  // initial control data given with an indirect template
    CWnd* m_pParentWnd = nullptr;
    HWND m_hWndTop = nullptr;  // top-level window disabled while the dialog is modal

    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

protected:
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    LPCDLGTEMPLATEA LoadTemplate(HINSTANCE& hInst) const;

    DECLARE_MESSAGE_MAP()
};
