// A docking pane holding other panes as tabs (see CZAVPBaseTabbedBar.h).
#include "ui/docking/CZAVPBaseTabbedBar.h"

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/docking/layout/TabWindowRecord.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_DYNCREATE(CZAVPBaseTabbedBar, CZAVPDockingControlBar)

BEGIN_MESSAGE_MAP(CZAVPBaseTabbedBar, CZAVPDockingControlBar)
ON_WM_SIZE()
ON_WM_NCDESTROY()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_REGISTERED_MESSAGE(ZAVPRegisteredMessages::OnChangeActiveTab,
                      &CZAVPBaseTabbedBar::OnChangeActiveTabMessage)
END_MESSAGE_MAP()

CZAVPBaseTabbedBar::CZAVPBaseTabbedBar(BOOL bAutoDestroy)
    : m_bAutoDestroy(bAutoDestroy), m_pTabWnd(nullptr), m_bSetCaptionTextToTabName(TRUE)
{
    m_dwEnabledAlignment = CBRS_ALIGN_ANY;
}

CZAVPBaseTabbedBar::~CZAVPBaseTabbedBar() { delete m_pTabWnd; }

// ---- counts and look-ups

int CZAVPBaseTabbedBar::GetTabsNum() const { return m_pTabWnd ? m_pTabWnd->GetTabsNum() : 0; }

int CZAVPBaseTabbedBar::GetVisibleTabsNum() const
{
    return m_pTabWnd ? m_pTabWnd->GetVisibleTabsNum() : 0;
}

BOOL CZAVPBaseTabbedBar::IsHideSingleTab() const
{
    return m_pTabWnd ? m_pTabWnd->IsHideSingleTab() : FALSE;
}

CWnd* CZAVPBaseTabbedBar::FindBarByID(UINT uBarID)
{
    for (int i = 0; i < GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
            (UINT)pWnd->GetDlgCtrlID() == uBarID)
            return pWnd;
    }
    return nullptr;
}

CWnd* CZAVPBaseTabbedBar::FindBarByTabNumber(int nTabNum, BOOL bGetWrappedBar)
{
    if (m_pTabWnd == nullptr || nTabNum < 0 || nTabNum >= GetTabsNum()) return nullptr;
    return bGetWrappedBar ? m_pTabWnd->GetTabWndNoWrapper(nTabNum) : m_pTabWnd->GetTabWnd(nTabNum);
}

CWnd* CZAVPBaseTabbedBar::GetFirstVisibleTab(int& iTabNum)
{
    iTabNum = -1;
    return m_pTabWnd ? m_pTabWnd->GetFirstVisibleTab(iTabNum) : nullptr;
}

HICON CZAVPBaseTabbedBar::GetIcon(BOOL bBig)
{
    HICON hIcon = CZAVPDockingControlBar::GetIcon(bBig);
    if (hIcon != nullptr || m_pTabWnd == nullptr) return hIcon;
    CWnd* pActive = m_pTabWnd->GetActiveWnd();
    return pActive != nullptr && pActive->GetSafeHwnd() != nullptr
               ? (HICON)pActive->SendMessage(WM_GETICON, bBig ? ICON_BIG : ICON_SMALL, 0)
               : nullptr;
}

BOOL CZAVPBaseTabbedBar::CanFloat() const { return CZAVPBaseControlBar::CanFloat(); }

// ---- adding and removing tabs

BOOL CZAVPBaseTabbedBar::AddTab(CWnd* pNewBar, BOOL bVisible, BOOL bSetActive, BOOL bDetachable)
{
    if (pNewBar == nullptr || m_pTabWnd == nullptr) return FALSE;
    if (pNewBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
        // Tabs dropped on tabs: every tab moves over, the emptied bar goes.
        CZAVPBaseTabbedBar* pSource = static_cast<CZAVPBaseTabbedBar*>(pNewBar);
        CZAVPBaseTabWnd* pSourceTabs = pSource->GetTabWnd();
        const BOOL bFloating = GetParentMiniFrame() != nullptr;
        const int nTabs = pSourceTabs ? pSourceTabs->GetTabsNum() : 0;
        std::vector<CWnd*> windows;
        std::vector<BOOL> visible, detachable;
        for (int i = 0; i < nTabs; ++i) {
            windows.push_back(pSourceTabs->GetTabWnd(i));
            visible.push_back(pSourceTabs->IsTabVisible(i));
            detachable.push_back(pSourceTabs->IsTabDetachable(i));
        }
        // The source's tab window lets its windows go without destroying any of them.
        if (pSourceTabs != nullptr) {
            pSourceTabs->SetAutoDestroyWindow(FALSE);
            pSourceTabs->RemoveAllTabs();
        }
        for (int i = 0; i < nTabs; ++i) {
            CWnd* pWnd = windows[i];
            if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) continue;
            if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
                static_cast<CZAVPDockingControlBar*>(pWnd)->EnableGripper(FALSE);
            AddTab(pWnd, visible[i], visible[i], detachable[i]);
            if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) {
                CZAVPRecentDockInfo& mine = static_cast<CZAVPControlBar*>(pWnd)->RecentDockInfo();
                const CZAVPRecentDockInfo& theirs = pSource->GetRecentDockInfo();
                if (bFloating) {
                    mine.m_rectDockedRect = theirs.m_rectDockedRect;
                    mine.m_dwRecentAlignmentToFrame = theirs.m_dwRecentAlignmentToFrame;
                    mine.m_nRecentRowIndex = theirs.m_nRecentRowIndex;
                } else {
                    mine.m_rectRecentFloatingRect = theirs.m_rectRecentFloatingRect;
                }
            }
        }
        pSource->DestroyWindow();
        return FALSE;
    }

    if (pNewBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) {
        CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pNewBar);
        CWnd* pOldParent = pBar->GetParent();
        pBar->OnBeforeChangeParent(m_pTabWnd, TRUE);
        pBar->SetParent(m_pTabWnd);
        pBar->OnAfterChangeParent(pOldParent);
        if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
            static_cast<CZAVPDockingControlBar*>(pBar)->EnableGripper(FALSE);
    } else if (pNewBar->GetSafeHwnd() != nullptr && pNewBar->GetParent() != m_pTabWnd) {
        // Any other window lives in the tab window too, or the tabs could not show it.
        pNewBar->SetParent(m_pTabWnd);
    }
    CString strLabel;
    pNewBar->GetWindowText(strLabel);
    m_pTabWnd->AddTab(pNewBar, strLabel, (UINT)-1, bDetachable);
    const int iTab = m_pTabWnd->GetTabsNum() - 1;
    m_pTabWnd->SetTabHicon(iTab, (HICON)pNewBar->SendMessage(WM_GETICON, ICON_SMALL, 0));
    if (!bVisible)
        m_pTabWnd->ShowTab(iTab, FALSE);
    else if (bSetActive)
        m_pTabWnd->SetActiveTab(iTab);
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::FloatTab(CWnd* pBar, int nTabID, int nDockMethod, BOOL bHide)
{
    if (pBar == nullptr || m_pTabWnd == nullptr) return FALSE;
    CString strText;
    pBar->GetWindowText(strText);
    if (strText.IsEmpty() && m_pTabWnd->GetTabLabel(nTabID, strText)) pBar->SetWindowText(strText);
    m_pTabWnd->RemoveTab(nTabID, TRUE);
    if (nDockMethod == ZAVP_DM_MOUSE) m_pTabWnd->SendMessage(WM_LBUTTONUP, 0, 0);
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
        static_cast<CZAVPDockingControlBar*>(pBar)->StoreRecentTabInfo();

    if (!pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))) return FALSE;
    CZAVPControlBar* pControlBar = static_cast<CZAVPControlBar*>(pBar);
    // The bar comes out as a window of the frame before it floats.
    CWnd* pFrame = GetDockSiteFrame();
    CWnd* pOldParent = pControlBar->GetParent();
    pControlBar->OnBeforeChangeParent(pFrame, TRUE);
    pControlBar->SetParent(pFrame);
    pControlBar->OnAfterChangeParent(pOldParent);
    const CRect rectFloating = pControlBar->GetRecentDockInfo().m_rectRecentFloatingRect;
    if (pControlBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) {
        CZAVPDockingControlBar* pPane = static_cast<CZAVPDockingControlBar*>(pControlBar);
        pPane->EnableGripper(TRUE);
        // A double click on a tab toggles the pane as a double click on its caption does: out of
        // a floating group it docks where it was docked last; out of a docked group it floats
        // back into the frame of several panes it came from, while that frame keeps its place.
        if (nDockMethod == CZAVPBaseTabWnd::DETACH_BY_DBLCLICK) {
            CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
            if (pMiniFrame != nullptr &&
                pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd))) {
                static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame)->DockBarBack(pPane);
                return TRUE;
            }
            CZAVPMultiMiniFrameWnd* pRecent = GetDefaultSlider() != nullptr
                                                  ? pPane->GetRecentMultiMiniFrame()
                                                  : nullptr;
            if (pRecent != nullptr && pRecent->CanDockRecentControlBar(pPane)) {
                pPane->FloatControlBar(rectFloating, ZAVP_DM_DBL_CLICK, !bHide);
                return TRUE;
            }
        }
    }
    pControlBar->FloatControlBar(rectFloating, nDockMethod, !bHide);
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::ShowTab(CWnd* pBar, BOOL bShow)
{
    if (m_pTabWnd == nullptr || pBar == nullptr) return FALSE;
    const int iTab = m_pTabWnd->GetTabFromHwnd(pBar->GetSafeHwnd());
    if (iTab < 0) return FALSE;
    return m_pTabWnd->ShowTab(iTab, bShow);
}

BOOL CZAVPBaseTabbedBar::ReleaseTabBar(CWnd* pBar)
{
    if (m_pTabWnd == nullptr || pBar == nullptr) return FALSE;
    const int iTab = m_pTabWnd->GetTabFromHwnd(pBar->GetSafeHwnd());
    if (iTab < 0) return FALSE;
    CWnd* pFrame = GetDockSiteFrame();
    pBar->ShowWindow(SW_HIDE);
    pBar->SetParent(pFrame);
    const BOOL bAutoDestroy = m_pTabWnd->IsAutoDestroyWindow();
    m_pTabWnd->SetAutoDestroyWindow(FALSE);
    m_pTabWnd->RemoveTab(iTab, TRUE);
    m_pTabWnd->SetAutoDestroyWindow(bAutoDestroy);
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
        static_cast<CZAVPDockingControlBar*>(pBar)->EnableGripper(TRUE);
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::ReleaseFromGroup(CWnd* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr) return FALSE;
    CWnd* pTabWnd = pBar->GetParent();
    if (pTabWnd == nullptr || !pTabWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))) return FALSE;
    CWnd* pParent = pTabWnd->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return FALSE;
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pParent);
    if (!pGroup->ReleaseTabBar(pBar)) return FALSE;
    if (pGroup->CanDestroyWhenEmpty()) pGroup->DestroyWhenEmpty();
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::RemoveTab(CWnd* pBar)
{
    if (m_pTabWnd == nullptr || pBar == nullptr) return FALSE;
    const int iTab = m_pTabWnd->GetTabFromHwnd(pBar->GetSafeHwnd());
    if (iTab < 0) return FALSE;
    m_pTabWnd->RemoveTab(iTab, TRUE);
    if (m_pTabWnd->GetTabsNum() > 0) return TRUE;
    if (!CanDestroyWhenEmpty()) return TRUE;
    // The last tab is gone: the bar leaves its mini frame or its dock side and is destroyed.
    LeaveAndDestroy();
    return FALSE;
}

BOOL CZAVPBaseTabbedBar::ShowControlBar(CWnd* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    if (m_pTabWnd == nullptr || pBar == nullptr) return FALSE;
    const int iTab = m_pTabWnd->GetTabFromHwnd(pBar->GetSafeHwnd());
    if (iTab < 0) return FALSE;
    m_pTabWnd->ShowTab(iTab, bShow, !bDelay, bActivate);
    const BOOL bAnyVisible = m_pTabWnd->GetVisibleTabsNum() > 0;
    CZAVPDockingControlBar::ShowControlBar(bAnyVisible, bDelay, bActivate);
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    return CZAVPDockingControlBar::ShowControlBar(bShow, bDelay, bActivate);
}

// ---- state

BOOL CZAVPBaseTabbedBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    CZAVPControlBar::LoadState(lpszProfileName, nIndex, uiID);
    for (int i = 0; i < GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
            static_cast<CZAVPBaseControlBar*>(pWnd)->LoadState(lpszProfileName, nIndex, uiID);
    }
    return TRUE;
}

BOOL CZAVPBaseTabbedBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    CZAVPControlBar::SaveState(lpszProfileName, nIndex, uiID);
    for (int i = 0; i < GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)) &&
            !static_cast<CZAVPBaseControlBar*>(pWnd)->SaveState(lpszProfileName, nIndex, uiID))
            return FALSE;
    }
    return TRUE;
}

void CZAVPBaseTabbedBar::Serialize(CArchive& ar)
{
    CZAVPDockingControlBar::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_bAutoDestroy;
    } else {
        DWORD dw = 0;
        ar >> dw;
        m_bAutoDestroy = dw != 0;
    }
}

void CZAVPBaseTabbedBar::SerializeTabWindow(CArchive& ar)
{
    if (m_pTabWnd != nullptr) m_pTabWnd->Serialize(ar);
}

void CZAVPBaseTabbedBar::ApplyRestoredTabInfo()
{
    if (m_pTabWnd != nullptr) m_pTabWnd->ApplyRestoredTabInfo(FALSE);
}

void CZAVPBaseTabbedBar::SaveSiblingBarIDs(CArchive& ar)
{
    if (!ar.IsStoring()) return;
    std::vector<int> ids;
    for (int i = 0; i < GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        ids.push_back(pWnd != nullptr && pWnd->GetSafeHwnd() ? pWnd->GetDlgCtrlID() : 0);
    }
    TabLayout::StoreSiblingBarIds(ar, ids);
}

void CZAVPBaseTabbedBar::LoadSiblingBarIDs(CArchive& ar, std::vector<int>& ids)
{
    const ULONGLONG nLength = ar.GetFile() != nullptr ? ar.GetFile()->GetLength() : 0;
    TabLayout::LoadSiblingBarIds(ar, (size_t)nLength, ids);
}

void CZAVPBaseTabbedBar::StoreRecentDockInfo()
{
    for (int i = 0; i < GetTabsNum(); ++i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
            static_cast<CZAVPDockingControlBar*>(pWnd)->StoreRecentTabInfo();
    }
    // The group's own place is a pane's: its slider and side while docked, its frame while
    // floating. Recorded as a plain control bar's, it would always go back to the side it was
    // made on.
    CZAVPDockingControlBar::StoreRecentDockInfo();
}

// ---- layout and floating

void CZAVPBaseTabbedBar::RecalcLayout()
{
    CZAVPDockingControlBar::RecalcLayout();
    if (m_pTabWnd != nullptr) m_pTabWnd->RecalcLayout();
}

BOOL CZAVPBaseTabbedBar::FloatControlBar(CRect rect, int nDockMethod, BOOL bShow)
{
    if (!CZAVPDockingControlBar::FloatControlBar(rect, nDockMethod, bShow)) return FALSE;
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != nullptr && m_pTabWnd != nullptr) {
        CWnd* pActive = m_pTabWnd->GetActiveWnd();
        HICON hIcon = pActive != nullptr && pActive->GetSafeHwnd()
                          ? (HICON)pActive->SendMessage(WM_GETICON, ICON_SMALL, 0)
                          : nullptr;
        pMiniFrame->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    }
    return TRUE;
}

// ---- messages

void CZAVPBaseTabbedBar::OnSize(UINT nType, int cx, int cy)
{
    CZAVPDockingControlBar::OnSize(nType, cx, cy);
    if (m_pTabWnd != nullptr && m_pTabWnd->GetSafeHwnd() != nullptr) {
        CRect rectClient;
        GetClientRect(rectClient);
        m_pTabWnd->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rectClient.Height(),
                                SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
}

void CZAVPBaseTabbedBar::OnNcDestroy()
{
    delete m_pTabWnd;
    m_pTabWnd = nullptr;
    const BOOL bAutoDestroy = m_bAutoDestroy;
    CZAVPDockingControlBar::OnNcDestroy();
    if (bAutoDestroy) delete this;
}

BOOL CZAVPBaseTabbedBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPBaseTabbedBar::OnSetFocus(CWnd* pOldWnd)
{
    CZAVPDockingControlBar::OnSetFocus(pOldWnd);
    if (m_pTabWnd != nullptr && m_pTabWnd->GetSafeHwnd() != nullptr) m_pTabWnd->SetFocus();
}

LRESULT CZAVPBaseTabbedBar::OnChangeActiveTabMessage(WPARAM wParam, LPARAM)
{
    const int iTab = (int)wParam;
    CString strLabel;
    if (m_pTabWnd != nullptr && m_pTabWnd->GetTabLabel(iTab, strLabel) &&
        m_bSetCaptionTextToTabName)
        SetWindowText(strLabel);
    OnChangeActiveTab(iTab);
    return 0;
}

// ---- docking back by double click

BOOL CZAVPBaseTabbedBar::HasRecentPlaceForState() const
{
    if (GetParentMiniFrame(TRUE) != nullptr)
        return (m_hRecentSlider != nullptr && ::IsWindow(m_hRecentSlider)) ||
               !m_rectRecentDocked.IsRectEmpty();
    return !m_recentDockInfo.m_rectRecentFloatingRect.IsRectEmpty();
}

BOOL CZAVPBaseTabbedBar::Dock(CZAVPBaseControlBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (nDockMethod != ZAVP_DM_RECENT || HasRecentPlaceForState() || m_pTabWnd == nullptr)
        return CZAVPDockingControlBar::Dock(pDockBar, lpRect, nDockMethod);

    // No place of its own to go back to: every pane that may leave goes back to its own.
    ShowControlBar(FALSE, TRUE, FALSE);
    int nRemaining = 0;
    for (int i = m_pTabWnd->GetTabsNum() - 1; i >= 0; --i) {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) ||
            !m_pTabWnd->IsTabVisible(i) || !m_pTabWnd->IsTabDetachable(i))
        {
            ++nRemaining;
            continue;
        }
        CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(pWnd);
        m_pTabWnd->RemoveTab(i, FALSE);
        pBar->EnableGripper(TRUE);
        pBar->StoreRecentTabInfo();
        pBar->DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr);
    }
    if (nRemaining == 0) {
        LeaveAndDestroy();
        return FALSE;
    }
    if (m_pTabWnd->GetVisibleTabsNum() == 0) return TRUE;
    ShowControlBar(TRUE, TRUE, FALSE);
    int iTab = m_pTabWnd->GetActiveTab();
    if (!m_pTabWnd->IsTabVisible(iTab)) GetFirstVisibleTab(iTab);
    m_pTabWnd->SetActiveTab(iTab);
    return CZAVPDockingControlBar::Dock(pDockBar, lpRect, nDockMethod);
}

void CZAVPBaseTabbedBar::LeaveAndDestroy()
{
    // A floating bar leaves its mini frame, which decides later whether it is empty.
    if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        pMiniFrame->RemoveControlBar(this);
    else
        UndockControlBar(TRUE);
    RemoveControlBarFromDockManager(FALSE, FALSE, FALSE);
    DestroyWindow();
}
