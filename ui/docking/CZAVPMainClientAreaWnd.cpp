// The library MDI frame's client area (see CZAVPMainClientAreaWnd.h).
#include "ui/docking/CZAVPMainClientAreaWnd.h"

#include <algorithm>

#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/toolbars/CZAVPMenuBar.h"

IMPLEMENT_DYNAMIC(CZAVPMainClientAreaWnd, CWnd)

namespace
{
const UINT kTabWindowId = 0xFFFF;  // -1 as a control id
const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;
const UINT kMoveOnlyFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE;
const UINT kClientRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
const UINT kRedrawFrameAndChildren = kClientRedraw | RDW_FRAME;

// An MDI document frame's small icon: its own, else its class's.
HICON SmallIconOf(HWND hwnd)
{
    HICON hIcon = (HICON)::SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == nullptr) hIcon = (HICON)::GetClassLongPtrA(hwnd, GCLP_HICONSM);
    return hIcon;
}

CString WindowTextOf(HWND hwnd)
{
    char szText[512] = {0};
    ::GetWindowTextA(hwnd, szText, sizeof szText);
    return szText;
}
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPMainClientAreaWnd, CWnd)
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_MDISETMENU, &CZAVPMainClientAreaWnd::OnSetMenu)
ON_MESSAGE(WM_MDIREFRESHMENU, &CZAVPMainClientAreaWnd::OnRefreshMenu)
ON_MESSAGE(WM_MDIDESTROY, &CZAVPMainClientAreaWnd::OnMDIDestroy)
ON_MESSAGE(CZAVPMainClientAreaWnd::kUpdateTabsMessage, &CZAVPMainClientAreaWnd::OnUpdateTabs)
END_MESSAGE_MAP()

CZAVPMainClientAreaWnd::CZAVPMainClientAreaWnd()
    : m_nTabLocation(0), m_bTabsShown(FALSE), m_bTabsEnabled(FALSE), m_bTabIcons(TRUE),
      m_bTabCloseButton(FALSE)
{
    m_mapIconIndex.InitHashTable(17);
}

CZAVPMainClientAreaWnd::~CZAVPMainClientAreaWnd() {}

CZAVPMDIFrameWnd* CZAVPMainClientAreaWnd::LibraryFrame() const
{
    if (m_hWnd == nullptr) return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return dynamic_cast<CZAVPMDIFrameWnd*>(pParent);
}

void CZAVPMainClientAreaWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CWnd* pFrame = CWnd::FromHandle(::GetParent(m_hWnd));
    if (!m_wndTab.Create(CZAVPTabWnd::STYLE_3D, CRect(0, 0, 0, 0), pFrame, kTabWindowId,
                         (CZAVPBaseTabWnd::Location)m_nTabLocation, m_bTabCloseButton))
    {
        ::OutputDebugStringA("Lornival: the MDI tabs could not be created\n");
        return;
    }
    // The tabs name the documents, which stay in the MDI client; the active one is bold. The
    // tab window lies under the client, which covers its page area.
    m_wndTab.SetDocumentTabs(TRUE);
    m_wndTab.SetActiveTabBoldFont(TRUE);
    m_wndTab.ModifyStyle(0, WS_CLIPSIBLINGS);
    m_wndTab.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!m_bTabsShown) m_wndTab.ShowWindow(SW_HIDE);
    m_TabIcons.Create(globalData.m_sizeSmallIcon_cx, globalData.m_sizeSmallIcon_cy,
                      ILC_COLOR | ILC_MASK, 0, 1);
}

void CZAVPMainClientAreaWnd::EnableMDITabs(BOOL bEnable)
{
    m_bTabsEnabled = bEnable;
    m_bTabsShown = bEnable;
    if (m_wndTab.GetSafeHwnd() == nullptr) return;
    if (!bEnable) m_wndTab.RemoveAllTabs();
    if (CZAVPMDIFrameWnd* pFrame = LibraryFrame()) pFrame->RecalcLayout();
    UpdateTabs(TRUE);
}

void CZAVPMainClientAreaWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    CWnd* pParent = GetParent();
    CRect rectOld;
    GetWindowRect(rectOld);
    if (pParent != nullptr) pParent->ScreenToClient(rectOld);

    BOOL bTabMoved = FALSE;
    if (m_wndTab.GetSafeHwnd() != nullptr) {
        if (m_bTabsShown) {
            CRect rectTabOld;
            m_wndTab.GetWindowRect(rectTabOld);
            if (pParent != nullptr) pParent->ScreenToClient(rectTabOld);
            const CRect rectTab(lpClientRect);
            m_wndTab.SetWindowPos(nullptr, rectTab.left, rectTab.top, rectTab.Width(),
                                  rectTab.Height(), kMoveFlags);
            // The documents take the tab window's page area.
            CRect rectClient;
            m_wndTab.GetClientRect(rectClient);
            const CRect rectArea = m_wndTab.GetWndArea();
            lpClientRect->left += rectArea.left - rectClient.left;
            lpClientRect->top += rectArea.top - rectClient.top;
            lpClientRect->right -= rectClient.right - rectArea.right;
            lpClientRect->bottom -= rectClient.bottom - rectArea.bottom;
            m_wndTab.ShowWindow(SW_SHOWNA);
            bTabMoved = rectTabOld != rectTab;
        } else {
            m_wndTab.ShowWindow(SW_HIDE);
        }
    }
    const CRect rectNew(lpClientRect);
    SetWindowPos(nullptr, rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(), kMoveFlags);

    if (!m_bTabsShown) {
        // Minimised documents keep their distance from the bottom edge, as far as the top allows.
        const int nDelta = rectNew.Height() - rectOld.Height();
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr && nDelta != 0;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            const DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hChild, GWL_STYLE);
            if (dwStyle & WS_MAXIMIZE) break;
            if (!(dwStyle & WS_MINIMIZE)) continue;
            CRect rectChild;
            ::GetWindowRect(hChild, rectChild);
            ScreenToClient(rectChild);
            const int y = std::max(0, (int)rectChild.top + nDelta);
            ::SetWindowPos(hChild, nullptr, rectChild.left, y, 0, 0, kMoveOnlyFlags);
        }
    }
    if (bTabMoved) RedrawWindow(nullptr, nullptr, kRedrawFrameAndChildren);
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

int CZAVPMainClientAreaWnd::ImageOfIcon(HICON hIcon)
{
    if (hIcon == nullptr || m_TabIcons.GetSafeHandle() == nullptr) return -1;
    int iImage = -1;
    if (m_mapIconIndex.Lookup(hIcon, iImage)) return iImage;
    iImage = ImageList_AddIcon(m_TabIcons.GetSafeHandle(), hIcon);
    if (iImage < 0) return -1;
    m_mapIconIndex.SetAt(hIcon, iImage);
    // The first icon hands the list to the tabs.
    if (m_TabIcons.GetImageCount() == 1) m_wndTab.SetImageList(m_TabIcons.GetSafeHandle());
    return iImage;
}

void CZAVPMainClientAreaWnd::UpdateTabs(BOOL bSetActiveTabVisible)
{
    if (m_wndTab.GetSafeHwnd() == nullptr || !m_bTabsShown) return;
    BOOL bChanged = FALSE;
    BOOL bAdded = FALSE;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        // Only document frames (the client may hold other windows, such as icon titles).
        if (!(::GetWindowLongPtrA(hChild, GWL_EXSTYLE) & WS_EX_MDICHILD)) continue;
        // A tab keeps its window's object: a window without one of its own gets no tab.
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild == nullptr) continue;
        CZAVPMDIChildWnd* pLibraryChild = dynamic_cast<CZAVPMDIChildWnd*>(
            CWnd::FromHandlePermanent(hChild));
        if (pLibraryChild != nullptr && !pLibraryChild->CanShowOnMDITabs()) continue;

        int iIcon = -1;
        if (m_bTabIcons)
            iIcon = ImageOfIcon(pLibraryChild != nullptr ? pLibraryChild->GetFrameIcon()
                                                         : SmallIconOf(hChild));
        const CString strText = pLibraryChild != nullptr ? pLibraryChild->GetFrameText()
                                                         : WindowTextOf(hChild);
        const BOOL bVisible = ::IsWindowVisible(hChild);
        const int iTab = m_wndTab.GetTabFromHwnd(hChild);
        if (iTab < 0) {
            // A hidden document gets its tab when it is shown again.
            if (!bVisible || (pLibraryChild != nullptr && pLibraryChild->m_bToBeDestroyed))
                continue;
            m_wndTab.AddTab(pChild, strText, (UINT)iIcon, TRUE);
            bChanged = bAdded = TRUE;
        } else if (!bVisible) {
            m_wndTab.RemoveTab(iTab);
            bChanged = TRUE;
        } else {
            CString strLabel;
            m_wndTab.GetTabLabel(iTab, strLabel);
            if (strLabel != strText) {
                m_wndTab.SetTabLabel(iTab, strText);
                bChanged = TRUE;
            }
            if (m_wndTab.GetTabIcon(iTab) != (UINT)iIcon) {
                m_wndTab.SetTabIcon(iTab, (UINT)iIcon);
                bChanged = TRUE;
            }
        }
    }
    // The newest tab is the active document's: the active tab follows the MDI client.
    if (bAdded) SetActiveTab((HWND)::SendMessageA(m_hWnd, WM_MDIGETACTIVE, 0, 0));
    if (bChanged) {
        if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(
                CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
            pFrame->RecalcLayout();
    }
    if (bSetActiveTabVisible && m_wndTab.GetActiveTab() >= 0)
        m_wndTab.EnsureVisible(m_wndTab.GetActiveTab());
}

void CZAVPMainClientAreaWnd::SetActiveTab(HWND hwnd)
{
    if (!m_bTabsShown || m_wndTab.GetSafeHwnd() == nullptr || hwnd == nullptr) return;
    const int iTab = m_wndTab.GetTabFromHwnd(hwnd);
    if (iTab >= 0) m_wndTab.SetActiveTab(iTab);
}

// ---- messages

BOOL CZAVPMainClientAreaWnd::OnEraseBkgnd(CDC* pDC)
{
    CZAVPMDIFrameWnd* pFrame = LibraryFrame();
    if (pFrame != nullptr && pFrame->OnEraseMDIClientBackground(pDC)) return TRUE;
    return (BOOL)Default();
}

LRESULT CZAVPMainClientAreaWnd::OnSetMenu(WPARAM wParam, LPARAM lParam)
{
    CZAVPMDIFrameWnd* pFrame = LibraryFrame();
    if (pFrame != nullptr && CFrameWnd::IsLiveFrame(pFrame) && pFrame->OnSetMenu((HMENU)wParam)) {
        // The menu bar shows the menu: the window itself gets none, the Window menu stays.
        return DefWindowProc(WM_MDISETMENU, 0, lParam);
    }
    return Default();
}

LRESULT CZAVPMainClientAreaWnd::OnRefreshMenu(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    CZAVPMDIFrameWnd* pFrame = LibraryFrame();
    if (pFrame != nullptr && pFrame->m_Impl.m_pMenuBar != nullptr)
        pFrame->m_hmenuWindow = pFrame->GetWindowMenuPopup(pFrame->m_Impl.m_pMenuBar->GetHMenu());
    return lResult;
}

LRESULT CZAVPMainClientAreaWnd::OnMDIDestroy(WPARAM wParam, LPARAM)
{
    CZAVPMDIFrameWnd* pFrame = LibraryFrame();
    const BOOL bClosing = pFrame != nullptr && pFrame->m_bClosing;
    const int nTabsBefore = m_wndTab.GetSafeHwnd() != nullptr ? m_wndTab.GetTabsNum() : 0;
    if (!bClosing) SetRedraw(FALSE);

    const HWND hChild = (HWND)wParam;
    if (CZAVPMDIChildWnd* pChild = dynamic_cast<CZAVPMDIChildWnd*>(
            CWnd::FromHandlePermanent(hChild)))
        pChild->m_bToBeDestroyed = TRUE;
    if (m_wndTab.GetSafeHwnd() != nullptr) {
        const int iTab = m_wndTab.GetTabFromHwnd(hChild);
        if (iTab >= 0) m_wndTab.RemoveTab(iTab);
    }
    const LRESULT lResult = Default();  // the system destroys the document frame

    const int nTabsAfter = m_wndTab.GetSafeHwnd() != nullptr ? m_wndTab.GetTabsNum() : 0;
    if (pFrame != nullptr && nTabsAfter != nTabsBefore) pFrame->RecalcLayout();
    if (!bClosing) {
        SetRedraw(TRUE);
        if (pFrame != nullptr) pFrame->RedrawWindow(nullptr, nullptr, kClientRedraw);
    }
    return lResult;
}

LRESULT CZAVPMainClientAreaWnd::OnUpdateTabs(WPARAM, LPARAM)
{
    UpdateTabs(FALSE);
    return 0;
}
