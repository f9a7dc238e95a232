// Base of the tab windows (see CZAVPBaseTabWnd.h): the mouse protocol, renaming in place,
// detaching, the drop target and the stored tab states.
#include "ui/docking/CZAVPBaseTabWnd.h"

#include <algorithm>

#include "framework/CWinApp.h"
#include "framework/CArchive.h"
#include "framework/COleDataObject.h"
#include "framework/CEdit.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/layout/TabStripRules.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPSharedBarData.h"

namespace
{
const UINT kInPlaceEditId = 1;
}  // namespace

// ---- mouse protocol

void CZAVPBaseTabWnd::StopDragging()
{
    m_bReadyToDetach = FALSE;
    m_iTabBeforeDrag = -1;
    if (GetCapture() == this) ::ReleaseCapture();
}

void CZAVPBaseTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    int nHot = GetTabFromPoint(point);
    if (m_iPressed >= 0 && nHot != m_iPressed) nHot = -1;
    if (m_bHighLightTabs && nHot != m_iHighlighted) {
        CRect rectOld, rectNew;
        GetTabRect(m_iHighlighted, rectOld);
        GetTabRect(nHot, rectNew);
        if (nHot >= 0 && GetCapture() != this)
            SetCapture();
        else if (nHot < 0 && m_iPressed < 0 && !m_bReadyToDetach && GetCapture() == this)
            ::ReleaseCapture();
        InvalidateRect(rectOld);
        InvalidateRect(rectNew);
    }
    m_iHighlighted = nHot;

    if (m_bReadyToDetach) {
        if (IsPtInTabArea(point)) {
            const int nTarget = TabLayout::SwapTargetDuringDrag(
                GetTabFromPoint(point), m_iActiveTab, m_iTabsNum, m_bEnableTabSwap != 0);
            if (nTarget >= 0) {
                SwapTabs(m_iActiveTab, nTarget);
                m_iActiveTab = nTarget;
                RecalcLayout();
                // The dragged tab stays under the pointer at the place it was taken by.
                CRect rectTab;
                GetTabRect(nTarget, rectTab);
                if (!rectTab.PtInRect(point)) {
                    CPoint ptCursor(rectTab.left + m_nOffsetFromTabLeft, point.y);
                    ClientToScreen(&ptCursor);
                    ::SetCursorPos(ptCursor.x, ptCursor.y);
                }
                Invalidate();
            }
        } else {
            const int nTabsBefore = m_iTabsNum;
            HWND hWnd = GetSafeHwnd();
            const BOOL bDetached = DetachTab(DETACH_BY_MOUSE, -1, FALSE);
            // Detaching may have destroyed this window along with its tabbed bar.
            if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this) return;
            if (TabLayout::DragEndsAfterDetach(bDetached != FALSE, nTabsBefore)) StopDragging();
        }
    }
    (void)nFlags;
}

void CZAVPBaseTabWnd::OnLButtonDown(UINT, CPoint point)
{
    const int nHot = GetTabFromPoint(point);
    m_iHighlighted = nHot;
    if (nHot >= 0) {
        if (!IsButtonLikeTabs()) {
            if (nHot != m_iActiveTab && IsPtInTabArea(point)) {
                SetActiveTab(nHot);
                NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
            }
        } else {
            m_iPressed = nHot;
            CRect rect;
            GetTabRect(nHot, rect);
            InvalidateRect(rect);
        }
    }
    if (GetCapture() == this) ::ReleaseCapture();

    // A drag starts when the click left the pointer on the active tab (it was there already, or
    // the switch to it went through).
    if (m_iActiveTab >= 0 && GetTabFromPoint(point) == m_iActiveTab && !IsButtonLikeTabs()) {
        CRect rectTab;
        GetTabRect(m_iActiveTab, rectTab);
        SetCapture();
        m_bReadyToDetach = TRUE;
        m_ptHot = point;
        m_iTabBeforeDrag = m_iActiveTab;
        m_nOffsetFromTabLeft = point.x - rectTab.left;
    } else if (m_iPressed >= 0) {
        SetCapture();
    }
}

void CZAVPBaseTabWnd::OnLButtonUp(UINT, CPoint point)
{
    if (m_bReadyToDetach && m_iTabBeforeDrag >= 0 && m_iActiveTab != m_iTabBeforeDrag) {
        NotifyParent(ZAVPRegisteredMessages::OnMoveTab, (WPARAM)m_iTabBeforeDrag,
                     (LPARAM)m_iActiveTab);
        CZAVPBaseTabbedBar* pBar = GetTabbedBarParent();
        if (pBar != nullptr) {
            CWnd* pFrame = pBar->GetDockSiteFrame();
            if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
                pFrame->SendMessage(ZAVPRegisteredMessages::OnMoveTab, (WPARAM)m_iTabBeforeDrag,
                                    (LPARAM)m_iActiveTab);
        }
    }
    StopDragging();
    if (m_iPressed >= 0) {
        const int nPressed = m_iPressed;
        m_iPressed = -1;
        if (GetTabFromPoint(point) == nPressed && nPressed != m_iActiveTab) {
            SetActiveTab(nPressed);
            NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
        }
        InvalidateTabs();
        Invalidate();
    }
}

void CZAVPBaseTabWnd::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_bIsInPlaceEdit) {
        if (m_iActiveTab >= 0 && GetTabFromPoint(point) == m_iActiveTab)
            StartRenameTab(m_iActiveTab);
        return;
    }
    if (FindTargetWnd(point) == nullptr) DetachTab(DETACH_BY_DBLCLICK, -1, FALSE);
}

void CZAVPBaseTabWnd::OnCancelMode()
{
    Default();
    StopDragging();
    if (m_iHighlighted >= 0) {
        CRect rect;
        GetTabRect(m_iHighlighted, rect);
        InvalidateRect(rect);
    }
    m_iHighlighted = m_iPressed = -1;
    if (GetCapture() == this) ::ReleaseCapture();
    DestroyInPlaceEdit();
}

// ---- detaching

BOOL CZAVPBaseTabWnd::DetachTab(int nMethod, int nTabNum, BOOL bHide)
{
    const int iTab = TabLayout::ResolveTab(nTabNum, m_iActiveTab, m_iTabsNum);
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr || !pTab->m_bIsDetachable || pTab->m_pWnd == nullptr ||
        !pTab->m_pWnd->IsKindOf(RUNTIME_CLASS(CZAVPControlBar)))
        return FALSE;
    CZAVPControlBar* pBar = static_cast<CZAVPControlBar*>(pTab->m_pWnd);
    if (!pBar->CanFloat()) return FALSE;
    if (nMethod == DETACH_BY_MOUSE) {
        CPoint ptStart = m_ptHot, ptCursor;
        ClientToScreen(&ptStart);
        ::GetCursorPos(&ptCursor);
        if (!TabLayout::IsBeyondDragThreshold(ptStart, ptCursor, ::GetSystemMetrics(SM_CXDRAG),
                                              ::GetSystemMetrics(SM_CYDRAG)))
            return FALSE;
    }
    return FloatTabThroughParent(pBar, iTab, nMethod, bHide);
}

// ---- renaming in place

BOOL CZAVPBaseTabWnd::StartRenameTab(int iTab)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr || GetSafeHwnd() == nullptr) return FALSE;
    DestroyInPlaceEdit();
    CRect rectEdit = pTab->m_rect;
    AdjustEditRect(rectEdit);
    m_pInPlaceEdit = new CEdit;
    if (!m_pInPlaceEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rectEdit, this,
                                kInPlaceEditId)) {
        delete m_pInPlaceEdit;
        m_pInPlaceEdit = nullptr;
        return FALSE;
    }
    m_iEditedTab = iTab;
    m_pInPlaceEdit->SetWindowText(pTab->m_strText);
    CFont* pFont = m_fntTabs.GetSafeHandle() != nullptr ? &m_fntTabs : &globalData.fontRegular;
    m_pInPlaceEdit->SetFont(pFont);
    m_pInPlaceEdit->SetSel(0, -1);
    m_pInPlaceEdit->SetFocus();
    m_pInPlaceEdit->SetCapture();
    return TRUE;
}

BOOL CZAVPBaseTabWnd::RenameTab()
{
    if (m_pInPlaceEdit == nullptr) return FALSE;
    const int iTab = m_iEditedTab;
    CString strLabel;
    m_pInPlaceEdit->GetWindowText(strLabel);
    DestroyInPlaceEdit();
    if (TabAt(iTab) == nullptr) return FALSE;
    if (!OnRenameTab(iTab, strLabel)) return FALSE;
    NotifyParent(ZAVPRegisteredMessages::OnRenameTab, (WPARAM)iTab, (LPARAM)(LPCSTR)strLabel);
    SetTabLabel(iTab, strLabel);
    return TRUE;
}

void CZAVPBaseTabWnd::DestroyInPlaceEdit()
{
    if (m_pInPlaceEdit == nullptr) return;
    CEdit* pEdit = m_pInPlaceEdit;
    m_pInPlaceEdit = nullptr;
    m_iEditedTab = -1;
    if (GetCapture() == pEdit) ::ReleaseCapture();
    if (pEdit->GetSafeHwnd() != nullptr) pEdit->DestroyWindow();
    delete pEdit;
}

BOOL CZAVPBaseTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pInPlaceEdit != nullptr && m_pInPlaceEdit->GetSafeHwnd() != nullptr) {
        switch (pMsg->message) {
        case WM_KEYDOWN:
            if (pMsg->wParam == VK_RETURN) {
                RenameTab();
                return TRUE;
            }
            if (pMsg->wParam == VK_ESCAPE) {
                DestroyInPlaceEdit();
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN: {
            // A click anywhere but in the edit ends the rename with the text typed so far.
            CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
            ::ClientToScreen(pMsg->hwnd, &pt);
            CRect rectEdit;
            m_pInPlaceEdit->GetWindowRect(rectEdit);
            if (!rectEdit.PtInRect(pt)) {
                RenameTab();
                return TRUE;
            }
            break;
        }
        default: break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- stored tab states

TabLayout::TabWindowRecord CZAVPBaseTabWnd::GetCurrentState() const
{
    TabLayout::TabWindowRecord record;
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        TabLayout::TabWindowRecord::Tab tab;
        tab.label = pTab->m_strText;
        tab.bVisible = pTab->m_bVisible;
        tab.nControlId = pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd() != nullptr
                             ? pTab->m_pWnd->GetDlgCtrlID()
                             : 0;
        tab.bDetachable = pTab->m_bIsDetachable;
        tab.clrText = pTab->m_clrText;
        tab.clrFill = pTab->m_clrBack;
        record.tabs.push_back(tab);
    }
    record.nActiveTab = m_iActiveTab;
    record.nLocation = (int)m_location;
    return record;
}

void CZAVPBaseTabWnd::LoadRestoredState(CArchive& ar, size_t nBytesLeft)
{
    TabLayout::LoadTabWindowRecord(ar, nBytesLeft, m_restored);
}

void CZAVPBaseTabWnd::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        TabLayout::StoreTabWindowRecord(ar, GetCurrentState());
        return;
    }
    // The live tabs stay as they are: the owner applies the states read here.
    m_restored = TabLayout::TabWindowRecord();
    const ULONGLONG nLength = ar.GetFile() != nullptr ? ar.GetFile()->GetLength() : 0;
    LoadRestoredState(ar, (size_t)nLength);
}

void CZAVPBaseTabWnd::ApplyRestoredTabInfo(BOOL bUseTabIndexes)
{
    BringRestoredBarsHere();
    std::vector<int> tabIds;
    for (int i = 0; i < m_iTabsNum; ++i) {
        CWnd* pWnd = TabAt(i)->m_pWnd;
        tabIds.push_back(pWnd != nullptr && pWnd->GetSafeHwnd() ? pWnd->GetDlgCtrlID() : 0);
    }
    std::vector<int> savedIds;
    for (const TabLayout::TabWindowRecord::Tab& saved : m_restored.tabs) {
        savedIds.push_back(saved.nControlId);
        const int i = (int)(std::find(tabIds.begin(), tabIds.end(), saved.nControlId) -
                            tabIds.begin());
        CZAVPTabInfo* pTab = TabAt(i);
        if (pTab == nullptr) continue;
        pTab->m_strText = saved.label;
        pTab->m_bVisible = saved.bVisible;
        pTab->m_clrText = saved.clrText;
        pTab->m_clrBack = saved.clrFill;
        pTab->m_bIsDetachable = saved.bDetachable;
        if (!pTab->m_bVisible && pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd())
            pTab->m_pWnd->ShowWindow(SW_HIDE);
    }
    const TabLayout::RestorePlan plan = TabLayout::PlanRestoredOrder(tabIds, savedIds,
                                                                     m_restored.nActiveTab);
    int nActive = -1;
    if (bUseTabIndexes) {
        for (const auto& swap : plan.swaps) SwapTabs(swap.first, swap.second);
        nActive = plan.nActive;
    } else if (m_restored.nActiveTab >= 0 && m_restored.nActiveTab < (int)savedIds.size()) {
        for (int i = 0; i < m_iTabsNum; ++i)
            if (TabAt(i)->m_pWnd != nullptr && TabAt(i)->m_pWnd->GetSafeHwnd() &&
                TabAt(i)->m_pWnd->GetDlgCtrlID() == savedIds[m_restored.nActiveTab])
                nActive = i;
    }
    // The active tab is chosen afresh: the old index may name another window after the swaps.
    const int nOld = m_iActiveTab;
    m_iActiveTab = -1;
    for (int i = 0; i < m_iTabsNum; ++i)
        if (i != nActive && m_bHideInactiveWnd && TabAt(i)->m_pWnd != nullptr &&
            TabAt(i)->m_pWnd->GetSafeHwnd())
            TabAt(i)->m_pWnd->ShowWindow(SW_HIDE);
    if (!SetActiveTab(nActive) && !SetActiveTab(0)) m_iActiveTab = nOld < m_iTabsNum ? nOld : -1;
    RecalcLayout();
}

// ---- drop target

namespace
{
// The toolbar buttons' clipboard format, registered by the same name as the buttons register it
// (one name, one format), so the tabs need not bring the toolbar classes with them.
const char kToolbarButtonFormat[] = "ZAVToolbarButton%lx";

CLIPFORMAT ToolbarButtonFormat()
{
    CString strFormat;
    strFormat.Format(kToolbarButtonFormat, (long)(LONG_PTR)AfxGetInstanceHandle());
    return (CLIPFORMAT)::RegisterClipboardFormatA(strFormat);
}

BOOL AcceptsToolbarButtons(COleDataObject* pDataObject)
{
    return ZAVPSharedBarData::g_bCustomizeMode && pDataObject != nullptr &&
           pDataObject->IsDataAvailable(ToolbarButtonFormat());
}
}  // namespace

DROPEFFECT CZAVPTabDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                           CPoint point)
{
    if (m_pOwner == nullptr || !AcceptsToolbarButtons(pDataObject)) return DROPEFFECT_NONE;
    return m_pOwner->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPTabDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                          CPoint point)
{
    if (m_pOwner == nullptr || !AcceptsToolbarButtons(pDataObject)) return DROPEFFECT_NONE;
    return m_pOwner->OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPTabDropTarget::OnDropEx(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                                        DROPEFFECT, CPoint point)
{
    if (m_pOwner == nullptr || !AcceptsToolbarButtons(pDataObject)) return DROPEFFECT_NONE;
    return m_pOwner->OnDrop(pDataObject, dropEffect, point) > 0 ? dropEffect : DROPEFFECT_NONE;
}

void CZAVPTabDropTarget::OnDragLeave(CWnd*)
{
    if (m_pOwner != nullptr) m_pOwner->OnDragLeave();
}
