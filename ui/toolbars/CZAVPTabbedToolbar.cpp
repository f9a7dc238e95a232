// The tabbed toolbar: its tab window, the pages added to it and the size it takes from them.
#include "ui/toolbars/CZAVPTabbedToolbar.h"

#include <algorithm>

#include "framework/CFrameWnd.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_SERIAL(CZAVPTabbedToolbar, CZAVPToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPTabbedToolbar, CZAVPToolBar)
ON_WM_CREATE()
ON_WM_NCDESTROY()
ON_REGISTERED_MESSAGE(ZAVPRegisteredMessages::OnChangeActiveTab,
                      &CZAVPTabbedToolbar::OnChangeActiveTab)
END_MESSAGE_MAP()

namespace
{
// The tab window's style and tab row: plain tabs along the top (codes of the tab window).
const int kTabStyleCode = 0;
// SetWindowPos without z-order change or activation.
const UINT kTabWndPosFlags = SWP_NOZORDER | SWP_NOACTIVATE;
// The gap the tab row keeps from the pages below it.
const int kTabRowGap = 2;

// The window class of the bar, registered once per class style, cursor, brush and icon.
CString RegisterTabbedToolbarClass()
{
    const HINSTANCE hInst = AfxGetInstanceHandle();
    const UINT uiStyle = CS_DBLCLKS;
    HCURSOR hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    HBRUSH hBrush = (HBRUSH)(COLOR_BTNFACE + 1);
    HICON hIcon = nullptr;
    CString strClass;
    strClass.Format("ZAVToolBar:%x:%x:%x:%x", uiStyle, (UINT)(UINT_PTR)hCursor,
                    (UINT)(UINT_PTR)hBrush, (UINT)(UINT_PTR)hIcon);
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, strClass, &wc)) {
        wc.style = uiStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hBrush;
        wc.hIcon = hIcon;
        wc.lpszClassName = strClass;
        if (!::RegisterClassA(&wc)) AfxThrowResourceException();
    }
    return strClass;
}
}  // namespace

CZAVPTabbedToolbar::CZAVPTabbedToolbar() : m_pTabWnd(nullptr)
{
    // The bar shows no buttons of its own: its size comes from the pages.
    m_sizeOwnButton = CSize(0, 0);
    m_sizeOwnImage = CSize(0, 0);
}

CZAVPTabbedToolbar::~CZAVPTabbedToolbar()
{
    // Normally gone with the window; a bar whose window never existed may still hold one.
    delete m_pTabWnd;
}

BOOL CZAVPTabbedToolbar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    const CString strClass = RegisterTabbedToolbarClass();
    SetBarStyle(dwStyle & CBRS_ALL);
    return CZAVPControlBar::CreateEx(0, strClass, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd,
                                     nID);
}

int CZAVPTabbedToolbar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPToolBar::OnCreate(lpcs) == -1) return -1;
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPTabWnd* pTabWnd = new CZAVPTabWnd;
    if (!pTabWnd->Create((CZAVPTabWnd::Style)kTabStyleCode, rectClient, this, kTabWndId,
                         CZAVPBaseTabWnd::LOCATION_TOP, FALSE))
    {
        delete pTabWnd;
        return -1;
    }
    m_pTabWnd = pTabWnd;
    // The pages are toolbars their owners keep: removing a tab or closing the bar must not
    // destroy them, and a single page still shows its tab.
    m_pTabWnd->SetAutoDestroyWindow(FALSE);
    m_pTabWnd->SetHideSingleTab(FALSE);
    m_pTabWnd->AutoSizeWindow(FALSE);
    return 0;
}

void CZAVPTabbedToolbar::OnNcDestroy()
{
    delete m_pTabWnd;
    m_pTabWnd = nullptr;
    CZAVPToolBar::OnNcDestroy();
}

LRESULT CZAVPTabbedToolbar::OnChangeActiveTab(WPARAM, LPARAM) { return 0; }

BOOL CZAVPTabbedToolbar::AddTab(CZAVPToolBar* pNewBar)
{
    if (m_pTabWnd == nullptr || pNewBar == nullptr || pNewBar->GetSafeHwnd() == nullptr)
        return FALSE;
    // The bar itself or a window holding it would become its own descendant, and a page added
    // twice would have two tabs over one window.
    if (pNewBar == this || ::IsChild(pNewBar->GetSafeHwnd(), GetSafeHwnd())) return FALSE;
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); ++i) {
        if (m_pTabWnd->GetTabWndNoWrapper(i) == pNewBar) return FALSE;
    }
    pNewBar->SetParent(m_pTabWnd);
    pNewBar->SetOwner(GetParentFrame());
    pNewBar->SetBarStyle(pNewBar->GetBarStyle() & ~CBRS_GRIPPER);
    CString strLabel;
    pNewBar->GetWindowText(strLabel);
    m_pTabWnd->AddTab(pNewBar, strLabel, (UINT)-1, FALSE);
    const int iTab = m_pTabWnd->GetTabsNum() - 1;
    if (iTab < 0 || m_pTabWnd->GetTabWndNoWrapper(iTab) != pNewBar) return FALSE;
    if (m_pTabWnd->GetSafeHwnd() != nullptr) {
        m_pTabWnd->SetActiveTab(iTab);
        pNewBar->ShowWindow(SW_SHOWNOACTIVATE);
    }
    RecalcLayout();
    return TRUE;
}

CSize CZAVPTabbedToolbar::TabWndSize(CSize sizeContent, int nTabsHeight, int nBorder)
{
    const int cxContent = std::max<int>(sizeContent.cx, 0);
    const int cyContent = std::max<int>(sizeContent.cy, 0);
    nTabsHeight = std::max(nTabsHeight, 0);
    nBorder = std::max(nBorder, 0);
    return CSize(cxContent + 2 * nBorder, cyContent + nTabsHeight + kTabRowGap + 2 * nBorder);
}

CSize CZAVPTabbedToolbar::MeasurePages() const
{
    // Each page at its own horizontal layout: the tab window's own measure would ask a page's
    // wrapper, which only reports the size it was last given.
    CSize sizeMax(0, 0);
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWndNoWrapper(i);
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) continue;
        const CSize size = CZAVPBaseTabWnd::GetPageSize(pWnd);
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    return sizeMax;
}

void CZAVPTabbedToolbar::RecalcLayout()
{
    if (m_pTabWnd != nullptr && m_pTabWnd->GetSafeHwnd() != nullptr) {
        const CSize size = TabWndSize(MeasurePages(), m_pTabWnd->GetTabsHeight(),
                                      m_pTabWnd->GetTabBorderSize());
        m_pTabWnd->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, kTabWndPosFlags);
        m_pTabWnd->RecalcLayout();

        const CSize sizeBar = CalcFixedLayout(FALSE, TRUE);
        SetWindowPos(nullptr, 0, 0, sizeBar.cx, sizeBar.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (IsFloating()) {
            if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
                pMiniFrame->RecalcLayout();
        } else if (CFrameWnd* pFrame = GetParentFrame()) {
            pFrame->RecalcLayout();
        }
    }
    CZAVPToolBar::RecalcLayout();
}

CSize CZAVPTabbedToolbar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_pTabWnd == nullptr || m_pTabWnd->GetSafeHwnd() == nullptr)
        return CZAVPToolBar::CalcFixedLayout(bStretch, bHorz);
    CRect rectTabWnd;
    m_pTabWnd->GetWindowRect(rectTabWnd);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, TRUE);  // the insets come out negative
    return CSize(rectTabWnd.Width() - rectInside.Width(),
                 rectTabWnd.Height() - rectInside.Height());
}
