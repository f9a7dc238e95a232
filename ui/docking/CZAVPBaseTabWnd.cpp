// Base of the tab windows (see CZAVPBaseTabWnd.h): the tab records and their operations.
#include "ui/docking/CZAVPBaseTabWnd.h"

#include <algorithm>
#include <utility>

#include "framework/AfxOle.h"
#include "framework/AfxResourceHandle.h"
#include "framework/CArchive.h"
#include "framework/CEdit.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockingCBWrapper.h"
#include "ui/docking/layout/TabStripGeometry.h"
#include "ui/docking/layout/TabStripRules.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_DYNAMIC(CZAVPBaseTabWnd, CWnd)

namespace
{
const int kDefaultTabBorderSize = 2;
const char kListViewClass[] = "SysListView32";
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPBaseTabWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_CANCELMODE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CZAVPBaseTabWnd::CZAVPBaseTabWnd()
    : m_pParentFrame(nullptr), m_bHighLightTabs(FALSE), m_location(LOCATION_BOTTOM), m_iTabsNum(0),
      m_iActiveTab(-1), m_iTabBeforeDrag(-1), m_hImageList(nullptr), m_sizeImage(0, 0),
      m_nTabsHeight(0), m_nTabBorderSize(kDefaultTabBorderSize), m_bAutoDestroyWindow(FALSE),
      m_bHideInactiveWnd(TRUE), m_bDocumentTabs(FALSE), m_iHighlighted(-1), m_iPressed(-1),
      m_bButtonLikeTabs(FALSE), m_bEnableTabSwap(TRUE), m_bHideSingleTab(FALSE),
      m_clrActiveTabBk((COLORREF)-1), m_clrActiveTabFg((COLORREF)-1), m_pInPlaceEdit(nullptr),
      m_iEditedTab(-1), m_bIsInPlaceEdit(FALSE), m_bReadyToDetach(FALSE), m_ptHot(0, 0),
      m_nOffsetFromTabLeft(0), m_nNextToolId(1), m_bIsAutoColor(FALSE),
      m_bActivateLastActiveTab(FALSE), m_iLastActiveTab(-1), m_bIsDefaultAutoColor(TRUE),
      m_bActivateLastVisibleTab(FALSE)
{
    m_DropTarget.m_pOwner = this;
    InitAutoColors();
}

CZAVPBaseTabWnd::~CZAVPBaseTabWnd()
{
    // Records left by a window that was never created or never destroyed.
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) delete static_cast<CZAVPTabInfo*>(m_arTabs[i]);
    m_arTabs.RemoveAll();
    delete m_pInPlaceEdit;
}

// ---- helpers

std::vector<bool> CZAVPBaseTabWnd::VisibleFlags() const
{
    std::vector<bool> visible;
    for (int i = 0; i < m_iTabsNum; ++i) visible.push_back(TabAt(i)->m_bVisible != FALSE);
    return visible;
}

LRESULT CZAVPBaseTabWnd::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam) const
{
    HWND hParent = GetSafeHwnd() ? ::GetParent(GetSafeHwnd()) : nullptr;
    return hParent ? ::SendMessageA(hParent, message, wParam, lParam) : 0;
}

CZAVPBaseTabbedBar* CZAVPBaseTabWnd::GetTabbedBarParent() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    CWnd* pParent = GetParent();
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))
               ? static_cast<CZAVPBaseTabbedBar*>(pParent)
               : nullptr;
}

void CZAVPBaseTabWnd::DeleteTool(const CZAVPTabInfo* pTab)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr) m_ToolTip.DelTool(this, pTab->m_uiToolId);
}

// ---- creation and destruction

int CZAVPBaseTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_pParentFrame = GetParentFrame();
    // Toolbar buttons dropped on the tabs need OLE drag and drop; without it the tabs simply take
    // no drops.
    if (AfxOleGetInitialized()) m_DropTarget.Register(this);
    return 0;
}

void CZAVPBaseTabWnd::OnDestroy()
{
    DestroyInPlaceEdit();
    ReleaseTabs();
    CWnd::OnDestroy();
}

void CZAVPBaseTabWnd::ReleaseTabs()
{
    // The array is taken out first: a bar destroyed below removes its own tab from this window,
    // and must find nothing left to remove or delete.
    CPtrArray tabs;
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) tabs.Add(m_arTabs[i]);
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_iHighlighted = m_iPressed = -1;
    for (INT_PTR i = 0; i < tabs.GetSize(); ++i) {
        CZAVPTabInfo* pTab = static_cast<CZAVPTabInfo*>(tabs[i]);
        DeleteTool(pTab);
        ReleaseTabWindow(pTab, TRUE);
        delete pTab;
    }
    m_nNextToolId = 1;
}

void CZAVPBaseTabWnd::SetDocumentTabs(BOOL bDocumentTabs)
{
    m_bDocumentTabs = bDocumentTabs;
    if (!bDocumentTabs) return;
    // The windows stay where they are, all shown; the tab window never owns them.
    m_bHideInactiveWnd = FALSE;
    m_bAutoDestroyWindow = FALSE;
}

void CZAVPBaseTabWnd::ReleaseTabWindow(CZAVPTabInfo* pTab, BOOL bDestroying)
{
    CWnd* pWnd = pTab->m_pWnd;
    const BOOL bAlive = pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd());
    if (pTab->m_bOwnWrapper) {
        CWnd* pWrapped = UnwrapWindow(pWnd);
        if (bAlive && !m_bAutoDestroyWindow && !bDestroying && pWrapped != nullptr &&
            ::IsWindow(pWrapped->GetSafeHwnd()))
        {
            // The wrapped window stays, a hidden child of this window, for its owner to take.
            pWrapped->ShowWindow(SW_HIDE);
            pWrapped->SetParent(this);
        }
        if (bAlive) pWnd->DestroyWindow();
        delete pWnd;
        pTab->m_pWnd = nullptr;
        return;
    }
    if (bAlive && m_bAutoDestroyWindow) pWnd->DestroyWindow();
}

void CZAVPBaseTabWnd::OnSysColorChange()
{
    Default();
    InitAutoColors();
}

// ---- images and heights

void CZAVPBaseTabWnd::SetImageList(HIMAGELIST hImageList)
{
    m_hImageList = hImageList;
    int cx = 0, cy = 0;
    if (hImageList != nullptr && ImageList_GetImageCount(hImageList) > 0 &&
        ImageList_GetIconSize(hImageList, &cx, &cy))
        m_sizeImage = CSize(cx, cy);
    SetTabsHeight();
}

BOOL CZAVPBaseTabWnd::SetImageList(UINT uiID, int cx, COLORREF clrTransp)
{
    HBITMAP hBitmap = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiID));
    if (hBitmap == nullptr) return FALSE;
    BITMAP bmp{};
    ::GetObjectA(hBitmap, sizeof bmp, &bmp);
    m_Images.DeleteImageList();
    BOOL bResult = FALSE;
    HIMAGELIST hList = ImageList_Create(cx, bmp.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (hList != nullptr) {
        ImageList_AddMasked(hList, hBitmap, clrTransp);
        m_Images.Attach(hList);
        m_sizeImage = CSize(cx, bmp.bmHeight);
        bResult = TRUE;
    }
    ::DeleteObject(hBitmap);
    SetTabsHeight();
    return bResult;
}

void CZAVPBaseTabWnd::SetTabsHeight()
{
    m_nTabsHeight = TabLayout::BaseTabsHeight(globalData.m_nTextHeightHorz, m_sizeImage.cy);
}

HIMAGELIST CZAVPBaseTabWnd::GetImageList() const
{
    if (m_Images.GetSafeHandle() != nullptr) return m_Images.GetSafeHandle();
    return m_hImageList;
}

// ---- inserting and removing

void CZAVPBaseTabWnd::AddTab(CWnd* pTabWnd, BOOL bDetachable, UINT uiImageId)
{
    CString strLabel;
    if (pTabWnd != nullptr) strLabel.LoadString((UINT)pTabWnd->GetDlgCtrlID());
    AddTab(pTabWnd, strLabel, uiImageId, bDetachable);
}

void CZAVPBaseTabWnd::AddTab(CWnd* pTabWnd, LPCSTR lpszTabLabel, UINT uiImageId, BOOL bDetachable)
{
    InsertTab(pTabWnd, lpszTabLabel, -1, uiImageId, bDetachable);
}

void CZAVPBaseTabWnd::InsertTab(CWnd* pNewWnd, int nInsertAt, BOOL bDetachable, UINT uiImageId)
{
    CString strLabel;
    if (pNewWnd != nullptr) strLabel.LoadString((UINT)pNewWnd->GetDlgCtrlID());
    InsertTab(pNewWnd, strLabel, nInsertAt, uiImageId, bDetachable);
}

void CZAVPBaseTabWnd::InsertTab(CWnd* pNewWnd, LPCSTR lpszTabLabel, int nInsertAt, UINT uiImageId,
                                BOOL bDetachable)
{
    if (pNewWnd == nullptr || GetSafeHwnd() == nullptr) return;
    CWnd* pWnd = CreateWrapper(pNewWnd, lpszTabLabel, bDetachable);
    if (pWnd == nullptr) return;
    if (!IsWindowVisible()) ShowWindow(SW_SHOW);

    nInsertAt = TabLayout::InsertPosition(nInsertAt, m_iTabsNum);
    // A wrapped plain window never detaches.
    const BOOL bCanDetach = bDetachable && pNewWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar));

    CZAVPTabInfo* pTab = new CZAVPTabInfo(lpszTabLabel ? lpszTabLabel : "", uiImageId, pWnd,
                                          m_nNextToolId, bCanDetach);
    pTab->m_bOwnWrapper = pWnd != pNewWnd;
    char szClass[32] = {0};
    ::GetClassNameA(pNewWnd->GetSafeHwnd(), szClass, sizeof szClass);
    pTab->m_bIsListView = lstrcmpiA(szClass, kListViewClass) == 0;
    m_arTabs.InsertAt(nInsertAt, pTab);
    ++m_iTabsNum;
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.AddTool(this, pTab->m_strText, CRect(0, 0, 0, 0), pTab->m_uiToolId);
    ++m_nNextToolId;
    RecalcLayout();

    if (m_iTabsNum == 1) {
        SetActiveTab(0);
        return;
    }
    m_iLastActiveTab = m_iActiveTab;
    const int nActive = m_iActiveTab;
    if (nInsertAt != nActive) {
        if (!m_bDocumentTabs) pWnd->ShowWindow(SW_HIDE);
        // Inserted before the active tab: the same tab stays active at its new place.
        m_iActiveTab = TabLayout::ActiveAfterInsert(nActive, nInsertAt);
        CWnd* pActive = GetActiveWnd();
        if (!m_bHideInactiveWnd && !m_bDocumentTabs && pActive != nullptr)
            pActive->BringWindowToTop();
    } else {
        // Inserted at the active place: the new tab takes it, the old one moves to the next.
        CZAVPTabInfo* pOld = TabAt(nInsertAt + 1);
        if (m_bHideInactiveWnd) {
            if (pOld != nullptr && pOld->m_pWnd != nullptr) pOld->m_pWnd->ShowWindow(SW_HIDE);
            pWnd->ShowWindow(SW_SHOW);
        }
    }
}

BOOL CZAVPBaseTabWnd::RemoveTab(int iTab, BOOL bRecalcLayout)
{
    if (iTab < 0 || iTab >= m_iTabsNum) return FALSE;
    if (m_iTabsNum == 1) {
        RemoveAllTabs();
        return TRUE;
    }
    CZAVPTabInfo* pTab = TabAt(iTab);
    DeleteTool(pTab);
    m_arTabs.RemoveAt(iTab);
    --m_iTabsNum;
    if (m_iEditedTab == iTab) DestroyInPlaceEdit();
    ReleaseTabWindow(pTab, FALSE);
    delete pTab;

    const int nActive = m_iActiveTab;
    m_iHighlighted = m_iPressed = -1;
    if (iTab <= nActive) {
        TabLayout::RemoveRule rule{m_bActivateLastVisibleTab != FALSE,
                                   m_bActivateLastActiveTab != FALSE, m_iLastActiveTab};
        const int nNext = TabLayout::ActiveAfterRemove(VisibleFlags(), iTab, nActive, rule);
        // Without a recalculation nothing is active until the owner activates a tab.
        m_iActiveTab = -1;
        if (bRecalcLayout) {
            RecalcLayout();
            if (nNext >= 0) SetActiveTab(nNext);
        }
    } else if (bRecalcLayout) {
        RecalcLayout();
    }
    NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
    return TRUE;
}

void CZAVPBaseTabWnd::RemoveAllTabs()
{
    DestroyInPlaceEdit();
    CPtrArray tabs;
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) tabs.Add(m_arTabs[i]);
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_iLastActiveTab = -1;
    m_iHighlighted = m_iPressed = -1;
    for (INT_PTR i = 0; i < tabs.GetSize(); ++i) {
        CZAVPTabInfo* pTab = static_cast<CZAVPTabInfo*>(tabs[i]);
        DeleteTool(pTab);
        ReleaseTabWindow(pTab, FALSE);
        delete pTab;
    }
    m_nNextToolId = 1;
    RecalcLayout();
    NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)-1);
}

// ---- showing, moving and swapping

int CZAVPBaseTabWnd::GetVisibleTabsNum() const
{
    int n = 0;
    for (int i = 0; i < m_iTabsNum; ++i)
        if (TabAt(i)->m_bVisible) ++n;
    return n;
}

BOOL CZAVPBaseTabWnd::ShowTab(int iTab, BOOL bShow, BOOL bRecalcLayout, BOOL bActivate)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    if (!pTab->m_bVisible == !bShow) return TRUE;
    pTab->m_bVisible = bShow;
    const TabLayout::ShowTabPlan plan = TabLayout::PlanShowTab(VisibleFlags(), iTab, bShow != FALSE,
                                                               m_iActiveTab, bActivate != FALSE);
    if (!bShow && m_bHideInactiveWnd && pTab->m_pWnd != nullptr) pTab->m_pWnd->ShowWindow(SW_HIDE);
    if (plan.bResetActive) m_iActiveTab = -1;
    if (bRecalcLayout) RecalcLayout();
    if (plan.bActivate) {
        SetActiveTab(plan.nCandidate);
        NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
    }
    return TRUE;
}

void CZAVPBaseTabWnd::SwapTabs(int nFirst, int nSecond)
{
    if (nFirst == nSecond || TabAt(nFirst) == nullptr || TabAt(nSecond) == nullptr) return;
    void* p = m_arTabs[nFirst];
    m_arTabs[nFirst] = m_arTabs[nSecond];
    m_arTabs[nSecond] = p;
}

void CZAVPBaseTabWnd::MoveTab(int nSource, int nDest)
{
    if (nSource < 0 || nSource >= m_iTabsNum) return;
    if (nDest < 0 || nDest >= m_iTabsNum) nDest = m_iTabsNum - 1;
    if (nSource != nDest) {
        void* p = m_arTabs[nSource];
        m_arTabs.RemoveAt(nSource);
        m_arTabs.InsertAt(nDest, p);
        const int nActive = TabLayout::IndexAfterMove(m_iActiveTab, nSource, nDest, m_iTabsNum);
        if (m_iActiveTab >= 0 && nActive != m_iActiveTab) {
            // The same window stays active under its new index.
            m_iActiveTab = nActive;
            NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
        }
    }
    RecalcLayout();
}

// ---- look-ups

CWnd* CZAVPBaseTabWnd::GetTabWnd(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_pWnd : nullptr;
}

CWnd* CZAVPBaseTabWnd::GetTabWndNoWrapper(int iTab) const { return UnwrapWindow(GetTabWnd(iTab)); }

CWnd* CZAVPBaseTabWnd::GetActiveWnd() const { return GetTabWnd(m_iActiveTab); }

BOOL CZAVPBaseTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    if (pTab->m_bVisible)
        rect = pTab->m_rect;
    else
        rect.SetRectEmpty();
    return TRUE;
}

int CZAVPBaseTabWnd::GetTabFromPoint(CPoint& pt) const
{
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        if (pTab->m_bVisible && pTab->m_rect.PtInRect(pt)) return i;
    }
    return -1;
}

int CZAVPBaseTabWnd::GetTabFromHwnd(HWND hwnd) const
{
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        if (pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd() == hwnd) return i;
    }
    return -1;
}

CWnd* CZAVPBaseTabWnd::GetFirstVisibleTab(int& iTabNum)
{
    for (int i = 0; i < m_iTabsNum; ++i)
        if (TabAt(i)->m_bVisible) {
            iTabNum = i;
            return TabAt(i)->m_pWnd;
        }
    iTabNum = -1;
    return nullptr;
}

CWnd* CZAVPBaseTabWnd::GetLastVisibleTab(int& iTabNum)
{
    for (int i = m_iTabsNum - 1; i >= 0; --i)
        if (TabAt(i)->m_bVisible) {
            iTabNum = i;
            return TabAt(i)->m_pWnd;
        }
    iTabNum = -1;
    return nullptr;
}

BOOL CZAVPBaseTabWnd::IsTabVisible(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab != nullptr && pTab->m_bVisible;
}

CSize CZAVPBaseTabWnd::GetPageSize(CWnd* pWnd)
{
    if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)))
        return static_cast<CZAVPBaseControlBar*>(pWnd)->CalcFixedLayout(FALSE, TRUE);
    CRect rect;
    pWnd->GetWindowRect(rect);
    return rect.Size();
}

CSize CZAVPBaseTabWnd::GetMaxWindowSize() const
{
    CSize sizeMax(0, 0);
    for (int i = 0; i < m_iTabsNum; ++i) {
        CWnd* pWnd = TabAt(i)->m_pWnd;
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) continue;
        const CSize size = CZAVPBaseTabWnd::GetPageSize(pWnd);
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    return sizeMax;
}

// ---- labels, icons and colours

BOOL CZAVPBaseTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    if (!pTab) return FALSE;
    strLabel = pTab->m_bIconOnly ? CString() : pTab->m_strText;
    return TRUE;
}

BOOL CZAVPBaseTabWnd::SetTabLabel(int iTab, const CString& strLabel)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    pTab->m_strText = strLabel;
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.UpdateTipText(strLabel, this, pTab->m_uiToolId);
    if (pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd() != nullptr)
        pTab->m_pWnd->SetWindowText(strLabel);
    RecalcLayout();
    // A tabbed bar's caption is its active tab's label.
    CZAVPBaseTabbedBar* pBar = GetTabbedBarParent();
    if (pBar != nullptr && iTab == m_iActiveTab && pBar->IsCaptionFollowsTab()) {
        pBar->SetWindowText(strLabel);
        pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    return TRUE;
}

UINT CZAVPBaseTabWnd::GetTabIcon(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_uiIcon : (UINT)-1;
}

BOOL CZAVPBaseTabWnd::SetTabIcon(int iTab, UINT uiIcon)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    if (pTab->m_hIcon != nullptr) ::DestroyIcon(pTab->m_hIcon);
    pTab->m_hIcon = nullptr;
    pTab->m_uiIcon = uiIcon;
    return TRUE;
}

BOOL CZAVPBaseTabWnd::IsTabLabelHidden(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab != nullptr && pTab->m_bIconOnly;
}

BOOL CZAVPBaseTabWnd::SetTabLabelHidden(int iTab, BOOL bHidden, int nValue)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    pTab->m_bIconOnly = bHidden;
    pTab->m_nIconOnlyValue = nValue;
    RecalcLayout();
    return TRUE;
}

BOOL CZAVPBaseTabWnd::SetTabHicon(int iTab, HICON hIcon)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    if (pTab->m_hIcon != nullptr) ::DestroyIcon(pTab->m_hIcon);
    pTab->m_hIcon = hIcon != nullptr ? ::CopyIcon(hIcon) : nullptr;
    pTab->m_uiIcon = (UINT)-1;
    m_sizeImage.cx = std::max((int)m_sizeImage.cx, globalData.m_sizeSmallIcon_cx);
    m_sizeImage.cy = std::max((int)m_sizeImage.cy, globalData.m_sizeSmallIcon_cy);
    return TRUE;
}

HICON CZAVPBaseTabWnd::GetTabHicon(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_hIcon : nullptr;
}

COLORREF CZAVPBaseTabWnd::GetTabBkColor(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    if (!pTab) return (COLORREF)-1;
    if (pTab->m_clrBack == (COLORREF)-1 && m_bIsAutoColor) {
        // The automatic colour is taken once and kept by the tab.
        const COLORREF clr = TabLayout::AutoColorFor(m_arAutoColors, iTab);
        const_cast<CZAVPTabInfo*>(pTab)->m_clrBack = clr;
    }
    return pTab->m_clrBack;
}

BOOL CZAVPBaseTabWnd::SetTabBkColor(int iTab, COLORREF color)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    pTab->m_clrBack = color;
    return TRUE;
}

COLORREF CZAVPBaseTabWnd::GetTabTextColor(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_clrText : (COLORREF)-1;
}

BOOL CZAVPBaseTabWnd::SetTabTextColor(int iTab, COLORREF color)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    pTab->m_clrText = color;
    return TRUE;
}

BOOL CZAVPBaseTabWnd::IsTabDetachable(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab != nullptr && pTab->m_bIsDetachable;
}

BOOL CZAVPBaseTabWnd::EnableTabDetach(int iTab, BOOL bEnable)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    pTab->m_bIsDetachable = bEnable;
    return TRUE;
}

void CZAVPBaseTabWnd::SetActiveTabColor(COLORREF clr)
{
    m_clrActiveTabBk = clr;
    m_brActiveTab.DeleteObject();
    m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
}

COLORREF CZAVPBaseTabWnd::GetActiveTabColor() const
{
    return m_clrActiveTabBk == (COLORREF)-1 ? globalData.clrWindow : m_clrActiveTabBk;
}

COLORREF CZAVPBaseTabWnd::GetActiveTabTextColor() const
{
    return m_clrActiveTabFg == (COLORREF)-1 ? globalData.clrWindowText : m_clrActiveTabFg;
}

void CZAVPBaseTabWnd::SetTabBorderSize(int nTabBorderSize, BOOL bRepaint)
{
    if (nTabBorderSize == m_nTabBorderSize) return;
    m_nTabBorderSize = nTabBorderSize;
    if (bRepaint && GetSafeHwnd() != nullptr) {
        InvalidateRect(nullptr);
        UpdateWindow();
    }
}

void CZAVPBaseTabWnd::SetLocation(Location location)
{
    m_location = location;
    RecalcLayout();
    if (GetSafeHwnd() != nullptr && GetParent() != nullptr)
        GetParent()->RedrawWindow(nullptr, nullptr,
                                  RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CZAVPBaseTabWnd::SetHideSingleTab(BOOL bHide)
{
    if (!m_bHideSingleTab == !bHide) return;
    m_bHideSingleTab = bHide;
    RecalcLayout();
}

void CZAVPBaseTabWnd::EnableAutoColor(BOOL bEnable)
{
    m_bIsAutoColor = bEnable;
    InitAutoColors();
}

void CZAVPBaseTabWnd::SetAutoColors(const std::vector<COLORREF>& colors)
{
    m_bIsDefaultAutoColor = FALSE;
    m_arAutoColors = colors;
}

void CZAVPBaseTabWnd::InitAutoColors()
{
    if (!m_bIsDefaultAutoColor) return;
    m_arAutoColors = TabLayout::AutoColorTable(globalData.m_nBitsPerPixel);
}

// ---- wrapping plain windows

void CZAVPBaseTabWnd::SetDockingBarWrapperRTC(CRuntimeClass* pClass)
{
    if (pClass == nullptr || pClass->IsDerivedFrom(RUNTIME_CLASS(CZAVPDockingCBWrapper)))
        m_pDockingBarWrapperRTC = pClass;
}

CWnd* CZAVPBaseTabWnd::CreateWrapper(CWnd* pWndToWrap, LPCSTR lpszTabLabel, BOOL)
{
    if (pWndToWrap == nullptr || m_bDocumentTabs ||
        pWndToWrap->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
        return pWndToWrap;
    // Any other window goes into a wrapper pane with the same control id, so that every tab
    // holds a pane; such a tab never detaches.
    CRuntimeClass* pClass = m_pDockingBarWrapperRTC != nullptr
                                ? m_pDockingBarWrapperRTC
                                : RUNTIME_CLASS(CZAVPDockingCBWrapper);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr) return nullptr;
    CZAVPDockingCBWrapper* pWrapper = static_cast<CZAVPDockingCBWrapper*>(pObject);
    CRect rect;
    pWndToWrap->GetWindowRect(rect);
    if (rect.IsRectEmpty()) rect = pWrapper->m_rectDefault;
    rect.OffsetRect(-rect.left, -rect.top);
    if (!pWrapper->Create(lpszTabLabel ? lpszTabLabel : "", this, rect, FALSE,
                          (UINT)pWndToWrap->GetDlgCtrlID(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                          ZAVP_CBRS_REGULAR_TABS, 0))
    {
        delete pWrapper;
        return nullptr;
    }
    pWrapper->SetWrappedWnd(pWndToWrap);
    return pWrapper;
}

CWnd* CZAVPBaseTabWnd::UnwrapWindow(CWnd* pWnd)
{
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingCBWrapper)))
        return static_cast<CZAVPDockingCBWrapper*>(pWnd)->GetWrappedWnd();
    return pWnd;
}
