// Property pages: construction, attaching to the page window the control creates, and the
// sheet's notifications (PSN_*) turned into virtual calls.
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

namespace
{
// The control creates a page's window itself; the next window created is the page's.
UINT CALLBACK PropPageCallback(HWND, UINT message, LPPROPSHEETPAGEA pPropPage)
{
    if (message == PSPCB_CREATE) AfxHookWindowCreate((CPropertyPage*)pPropPage->lParam);
    return TRUE;
}

// The page procedure: the page object normally took the window over already (the hook above);
// when the control did not call back, the object attaches itself at WM_INITDIALOG.
INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG || CWnd::FromHandlePermanent(hWnd) != nullptr) return FALSE;
    AfxUnhookWindowCreate();
    auto* pPage = (CPropertyPage*)((LPPROPSHEETPAGEA)lParam)->lParam;
    pPage->SubclassWindow(hWnd);
    return (INT_PTR)pPage->SendMessage(WM_INITDIALOG, wParam, lParam);
}
}  // namespace

CPropertyPage::CPropertyPage() { memset(&m_psp, 0, sizeof(m_psp)); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage()
{
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CPropertyPage()
{
    Construct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    if (nIDCaption != 0) m_strCaption.LoadString(nIDCaption);
}

void CPropertyPage::PreparePage()
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    m_psp.pszTemplate = m_lpszTemplateName;
    m_psp.pfnDlgProc = PropPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = PropPageCallback;
    if (!m_strCaption.IsEmpty()) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    m_bFirstSetActive = TRUE;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CPropertySheet))
               ? static_cast<CPropertySheet*>(pParent)
               : nullptr;
}

void CPropertyPage::CancelToClose()
{
    ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult)) return TRUE;
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd)) return FALSE;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE: *pResult = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: *pResult = !OnKillActive(); break;
    case PSN_APPLY: *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; break;
    case PSN_RESET: OnReset(); break;
    case PSN_QUERYCANCEL: *pResult = !OnQueryCancel(); break;
    default: return FALSE;
    }
    // A dialog answers notifications through its message result as well.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // The sheet runs the dialog keys for all its pages.
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    return FALSE;
}
