// Property sheets: pages listed without a window, the window made by the common controls
// (attached through the creation hook), the modal loop and the page bookkeeping.
#include "framework/CPropertySheet.h"
#include "framework/CPropertyPage.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace
{
// The style Create asked for, applied to the sheet's template before the control creates it.
thread_local DWORD t_dwStyle = 0;
thread_local DWORD t_dwExStyle = 0;

int CALLBACK PropSheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message == PSCB_PRECREATE && t_dwStyle != 0) {
        auto* pTemplate = (DLGTEMPLATE*)lParam;
        if (((WORD*)lParam)[1] == 0xFFFF)
        {  // the extended template: style after helpID and exStyle
            DWORD* p = (DWORD*)((BYTE*)lParam + 4);
            p[1] |= t_dwExStyle;
            p[2] = t_dwStyle;
        } else {
            pTemplate->style = t_dwStyle;
            pTemplate->dwExtendedStyle |= t_dwExStyle;
        }
    }
    return 0;
}
}  // namespace

CPropertySheet::CPropertySheet()
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet()
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet()
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr) DestroyWindow();
    delete[] m_pPageArray;
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CString caption;
    caption.LoadString(nIDCaption);
    Construct((LPCSTR)caption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption = pszCaption;
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
    if (m_hWnd == nullptr) return;
    pPage->PreparePage();
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
    if (hPage == nullptr || !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage)) {
        if (hPage != nullptr) ::DestroyPropertySheetPage(hPage);
        m_pages.RemoveAt(m_pages.GetSize() - 1);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0) RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount()) return;
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const { return (int)m_pages.GetSize(); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? (CPropertyPage*)m_pages.GetAt(nPage) : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i) == pPage) return i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr) return (int)m_psh.nStartPage;
    HWND hPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i)->m_hWnd == hPage && hPage != nullptr) return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = nPage;  // taken when the window is made
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, (WPARAM)nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)lpszText);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nEndID);
    else if (m_bModeless)
        DestroyWindow();
}

void CPropertySheet::BuildPropPageArray()
{
    delete[] m_pPageArray;
    m_pPageArray = new PROPSHEETPAGEA[GetPageCount() > 0 ? GetPageCount() : 1];
    for (int i = 0; i < GetPageCount(); i++) {
        GetPage(i)->PreparePage();
        m_pPageArray[i] = GetPage(i)->m_psp;
    }
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pfnCallback = PropSheetCallback;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = (UINT)GetPageCount();
    m_psh.ppsp = m_pPageArray;
    if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
}

HWND CPropertySheet::CreateSheetWindow(HWND hWndParent, BOOL bModeless)
{
    BuildPropPageArray();
    m_psh.hwndParent = hWndParent;
    m_psh.dwFlags |= PSH_MODELESS;  // modal sheets too: the framework runs their loop
    m_bModeless = bModeless;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    m_psh.dwFlags &= ~PSH_MODELESS;
    t_dwStyle = t_dwExStyle = 0;
    return hWnd == (HWND)-1 ? nullptr : hWnd;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    AfxInitCommonControls();
    if (pParentWnd == nullptr)
        pParentWnd = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    t_dwStyle = dwStyle == (DWORD)-1 ? (DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT |
                                        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU)
                                     : dwStyle;
    if (t_dwStyle & WS_CHILD) t_dwStyle |= DS_CONTROL | DS_SETFONT;
    t_dwExStyle = dwExStyle;
    return CreateSheetWindow(AfxGetSafeHwnd(pParentWnd), TRUE) != nullptr;
}

INT_PTR CPropertySheet::DoModal()
{
    AfxInitCommonControls();
    HWND hWndTop = nullptr;
    HWND hWndParent = AfxGetSafeHwnd(CWnd::GetSafeOwner_(AfxGetSafeHwnd(m_pParentWnd), &hWndTop));
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_nModalResult = IDCANCEL;
    m_nFlags |= WF_CONTINUEMODAL;
    INT_PTR nResult;
    if (CreateSheetWindow(hWndParent, FALSE) == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        nResult = -1;
    } else {
        nResult = ContinueModal() ? RunModalLoop(MLF_SHOWONIDLE) : m_nModalResult;
    }
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr) DestroyWindow();
    if (hWndTop != nullptr) ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

BOOL CPropertySheet::ContinueModal()
{
    // The control ends a sheet by dropping its current page (OK or Cancel pressed).
    if (!CWnd::ContinueModal()) return FALSE;
    if (::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) return TRUE;
    // The control's result is positive when the pages were applied (OK); a button clicked
    // with the mouse was recorded by OnCommand.
    const UINT kGetResult = WM_USER + 135;  // PSM_GETRESULT
    if (::SendMessageA(m_hWnd, kGetResult, 0, 0) > 0) m_nModalResult = IDOK;
    return FALSE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    // The push button that ends the sheet is its result; the control still handles the click.
    HWND hWndCtrl = (HWND)lParam;
    UINT nID = LOWORD(wParam);
    if (hWndCtrl == nullptr && (nID == IDOK || nID == IDCANCEL)) {
        m_nModalResult = nID;  // pressed by the keyboard or by PSM_PRESSBUTTON
        return FALSE;
    }
    if (hWndCtrl != nullptr && HIWORD(wParam) == BN_CLICKED &&
        (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON)))
    {
        LONG_PTR style = ::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & 0x0F;
        if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON || style == BS_USERBUTTON ||
            style == BS_OWNERDRAW)
            m_nModalResult = LOWORD(wParam);
    }
    return FALSE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
