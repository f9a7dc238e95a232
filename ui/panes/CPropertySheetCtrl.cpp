// The child-control property sheet (see CPropertySheetCtrl.h).
#include "ui/panes/CPropertySheetCtrl.h"

#include <commctrl.h>

#include "framework/CPropertyPage.h"

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropertySheetCtrl, CPropertySheet)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const int kSheetButtons[] = {IDOK, IDCANCEL, 0x3021 /* apply */, IDHELP};
}  // namespace

CPropertySheetCtrl::CPropertySheetCtrl() : m_bAutoDelete(FALSE), m_hAccel(nullptr) {}

BOOL CPropertySheetCtrl::CreateCtrl(CWnd* pParentWnd, const CRect& rect)
{
    if (!Create(pParentWnd, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0)) return FALSE;
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    for (int nID : kSheetButtons)
        if (HWND hwnd = ::GetDlgItem(m_hWnd, nID)) ::ShowWindow(hwnd, SW_HIDE);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutPages();
    return TRUE;
}

void CPropertySheetCtrl::LayoutPages()
{
    if (m_hWnd == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    if (CWnd* pTab = GetTabControl())
        pTab->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rectClient.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* pPage = GetPage(i);
        if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr) continue;
        CRect rectPage;
        pPage->GetWindowRect(rectPage);
        ScreenToClient(&rectPage);
        pPage->SetWindowPos(nullptr, rectPage.left, rectPage.top, rectClient.Width() - 3 * cxEdge,
                            rectClient.Height() - rectPage.top - cyEdge,
                            SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CPropertySheetCtrl::OnSize(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    LayoutPages();
}

BOOL CPropertySheetCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const BOOL bResult = CPropertySheet::OnNotify(wParam, lParam, pResult);
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR != nullptr && pNMHDR->code == TCN_SELCHANGE) LayoutPages();
    return bResult;
}

BOOL CPropertySheetCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg)) return TRUE;
    return CPropertySheet::PreTranslateMessage(pMsg);
}

void CPropertySheetCtrl::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    if (m_bAutoDelete) delete this;
}
