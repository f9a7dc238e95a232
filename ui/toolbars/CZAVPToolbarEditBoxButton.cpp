// The edit box button: its archive, the edit window it keeps on its toolbar and the text it
// shares with the other buttons of its command.
#include "ui/toolbars/CZAVPToolbarEditBoxButton.h"

#include "ui/toolbars/ZAVPButtonRecordRules.h"

#include <algorithm>

#include "framework/AfxResourceHandle.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CObList.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarEditCtrl.h"

IMPLEMENT_SERIAL(CZAVPToolbarEditBoxButton, CZAVPToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const int kEditMenuIdFieldMajor = 6;  // the menu id is stored from 6.41 on
const int kEditMenuIdFieldMinor = 41;
const int kEditVertMargin = 1;
const int kEditListPictureMin = 8;

bool EditRecordHasMenuId()
{
    return ButtonRecordsFromVersion(kEditMenuIdFieldMajor, kEditMenuIdFieldMinor);
}

CString EditWindowText(HWND hwnd)
{
    CString str;
    const int nLength = ::GetWindowTextLengthA(hwnd);
    if (nLength > 0) {
        std::string buffer((size_t)nLength + 1, '\0');
        const int nRead = ::GetWindowTextA(hwnd, &buffer[0], nLength + 1);
        str = CString(buffer.data(), std::max(0, nRead));
    }
    return str;
}
}  // namespace

namespace ZAVPEditBoxGeometry
{
CRect EditRect(const CRect& rectButton, int nLabelHeight, int nEditHeight)
{
    const int nOffset = std::max(0, (rectButton.Height() - nLabelHeight - nEditHeight) / 2);
    const int nLeft = rectButton.left + kHorzMargin;
    const int nTop = rectButton.top + nOffset;
    return CRect(nLeft, nTop, nLeft + std::max(0, rectButton.Width() - 2 * kHorzMargin),
                 nTop + nEditHeight);
}

CRect ListPictureRect(const CRect& rectEntry, int nWidthLeft)
{
    CRect rect(rectEntry.right - std::max(kEditListPictureMin, nWidthLeft), rectEntry.top,
               rectEntry.right, rectEntry.bottom);
    rect.DeflateRect(2, 3);
    return rect;
}
}  // namespace ZAVPEditBoxGeometry

CZAVPToolbarEditBoxButton::CZAVPToolbarEditBoxButton()
    : m_uiMenuResID(0), m_dwStyle(kDefaultEditStyle), m_pWndEdit(nullptr), m_bChangingText(FALSE),
      m_iWidth(ZAVPEditBoxGeometry::kDefaultWidth), m_bHorzBar(TRUE), m_bHot(FALSE)
{
}

CZAVPToolbarEditBoxButton::CZAVPToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle,
                                                     int iWidth)
    : CZAVPToolbarButton(uiID, iImage), m_uiMenuResID(0), m_dwStyle(dwStyle | WS_CHILD),
      m_pWndEdit(nullptr), m_bChangingText(FALSE),
      m_iWidth(iWidth > 0 ? iWidth : ZAVPEditBoxGeometry::kDefaultWidth), m_bHorzBar(TRUE),
      m_bHot(FALSE)
{
}

CZAVPToolbarEditBoxButton::~CZAVPToolbarEditBoxButton() { DestroyEdit(); }

void CZAVPToolbarEditBoxButton::DestroyEdit()
{
    if (m_pWndEdit == nullptr) return;
    CZAVPToolbarEditCtrl* pEdit = m_pWndEdit;
    m_pWndEdit = nullptr;
    if (::IsWindow(pEdit->GetSafeHwnd())) pEdit->DestroyWindow();
    delete pEdit;
}

int CZAVPToolbarEditBoxButton::EditHeight() { return globalData.m_nTextHeightHorz + 2; }

int CZAVPToolbarEditBoxButton::LabelHeight() const
{
    return m_bTextBelow && m_bHorzBar ? m_sizeTextBelowCy : 0;
}

void CZAVPToolbarEditBoxButton::Serialize(CArchive& ar)
{
    CZAVPToolbarButton::Serialize(ar);
    if (ar.IsStoring()) {
        // The window holds what the user typed last; without a window the kept text is the
        // latest, and storing it keeps it (dropping it would lose the text of a hidden bar).
        if (m_pWndEdit != nullptr) m_strContents = EditWindowText(m_pWndEdit->GetSafeHwnd());
        ar << (DWORD)m_iWidth << m_dwStyle << m_strContents;
        if (EditRecordHasMenuId()) ar << (DWORD)m_uiMenuResID;
        return;
    }

    // Everything is read and checked before any of it is used.
    DWORD dwWidth = 0, dwStyle = 0, dwMenu = m_uiMenuResID;
    CString strContents;
    ar >> dwWidth >> dwStyle >> strContents;
    if (EditRecordHasMenuId()) ar >> dwMenu;
    if ((int)dwWidth < 0 || (int)dwWidth > kMaxWidth || !IsSaneHostedStyle(dwStyle) ||
        strContents.GetLength() > kMaxContents)
        AfxThrowArchiveException(CArchiveException::badIndex);

    m_iWidth = (int)dwWidth;
    m_rect.right = m_rect.left + m_iWidth;
    m_dwStyle = dwStyle;
    m_uiMenuResID = dwMenu;
    SetEditText(strContents);
}

void CZAVPToolbarEditBoxButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarButton::CopyFrom(s);
    const CZAVPToolbarEditBoxButton* pSrc = dynamic_cast<const CZAVPToolbarEditBoxButton*>(&s);
    if (pSrc == nullptr || pSrc == this) return;
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    // The source's window may hold text its field has not seen yet.
    CString strText = pSrc->m_strContents;
    if (pSrc->m_pWndEdit != nullptr) strText = EditWindowText(pSrc->m_pWndEdit->GetSafeHwnd());
    SetEditText(strText);
    m_uiMenuResID = pSrc->m_uiMenuResID;
}

CZAVPToolbarEditCtrl* CZAVPToolbarEditBoxButton::CreateEditWindow(CWnd* pWndParent,
                                                                  const CRect& rect)
{
    CZAVPToolbarEditCtrl* pEdit = new CZAVPToolbarEditCtrl(*this);
    if (!pEdit->Create(m_dwStyle, rect, pWndParent, m_nID)) {
        delete pEdit;
        return nullptr;
    }
    return pEdit;
}

void CZAVPToolbarEditBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndEdit != nullptr) {
        const HWND hwndParent = ::GetParent(m_pWndEdit->GetSafeHwnd());
        if (pWndParent != nullptr && hwndParent == pWndParent->GetSafeHwnd()) return;
        m_strContents = EditWindowText(m_pWndEdit->GetSafeHwnd());
        DestroyEdit();
    }
    if (pWndParent == nullptr || pWndParent->GetSafeHwnd() == nullptr) return;

    CRect rect = m_rect;
    rect.DeflateRect(ZAVPEditBoxGeometry::kHorzMargin, kEditVertMargin);
    rect.bottom = rect.top + EditHeight();
    m_pWndEdit = CreateEditWindow(pWndParent, rect);
    if (m_pWndEdit == nullptr) return;  // a plain button from now on

    OnMove();
    m_pWndEdit->SetFont(&globalData.fontRegular);
    if (m_pWndEdit->GetWindowTextLength() == 0) {
        m_bChangingText = TRUE;
        m_pWndEdit->SetWindowText(m_strContents);
        m_bChangingText = FALSE;
    } else
        m_strContents = EditWindowText(m_pWndEdit->GetSafeHwnd());
}

void CZAVPToolbarEditBoxButton::OnMove()
{
    if (m_pWndEdit == nullptr || !(m_pWndEdit->GetStyle() & WS_VISIBLE)) return;
    const CRect rect = ZAVPEditBoxGeometry::EditRect(m_rect, LabelHeight(), EditHeight());
    ::SetWindowPos(m_pWndEdit->GetSafeHwnd(), nullptr, rect.left, rect.top, rect.Width(),
                   rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndEdit->SendMessage(EM_SETSEL, (WPARAM)-1, 0);
    m_pWndEdit->SendMessage(EM_SCROLLCARET);
}

void CZAVPToolbarEditBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    OnMove();
}

HWND CZAVPToolbarEditBoxButton::GetHwnd()
{
    return m_pWndEdit != nullptr ? m_pWndEdit->GetSafeHwnd() : nullptr;
}

SIZE CZAVPToolbarEditBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    const HWND hwndEdit = GetHwnd();
    if (!IsVisible()) {
        if (hwndEdit != nullptr) ::ShowWindow(hwndEdit, SW_HIDE);
        return CSize(0, 0);
    }
    m_bHorzBar = bHorz;
    if (!bHorz) {
        if (hwndEdit != nullptr) ::ShowWindow(hwndEdit, SW_HIDE);
        return CZAVPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (hwndEdit != nullptr && !m_bControlHidden) ::ShowWindow(hwndEdit, SW_SHOWNOACTIVATE);

    m_sizeTextBelowCx = 0;
    m_sizeTextBelowCy = 0;
    if (m_bTextBelow && !m_strText.IsEmpty()) {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_sizeTextBelowCx = rectText.Width();
        m_sizeTextBelowCy = rectText.Height();
    }
    return CSize(m_iWidth, sizeDefault.cy + m_sizeTextBelowCy);
}

BOOL CZAVPToolbarEditBoxButton::OnClick(CWnd*, BOOL)
{
    return m_pWndEdit != nullptr && (m_pWndEdit->GetStyle() & WS_VISIBLE) != 0;
}

BOOL CZAVPToolbarEditBoxButton::NotifyCommand(int iNotifyCode)
{
    if (iNotifyCode != EN_CHANGE || m_pWndEdit == nullptr) return FALSE;
    m_strContents = EditWindowText(m_pWndEdit->GetSafeHwnd());

    CObList listButtons;
    if (CZAVPToolBar::GetCommandButtons(m_nID, listButtons) > 0) {
        for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
            CZAVPToolbarEditBoxButton* pOther = dynamic_cast<CZAVPToolbarEditBoxButton*>(
                listButtons.GetNext(pos));
            if (pOther != nullptr && pOther != this) pOther->SetEditText(m_strContents);
        }
    }
    return !m_bChangingText;
}

void CZAVPToolbarEditBoxButton::SetEditText(const CString& strText)
{
    if (strText == m_strContents) return;
    m_strContents = strText;
    if (m_pWndEdit == nullptr) return;
    m_bChangingText = TRUE;
    m_pWndEdit->SetWindowText(m_strContents);
    m_bChangingText = FALSE;
}

void CZAVPToolbarEditBoxButton::SyncFromToolbars()
{
    CObList listButtons;
    if (CZAVPToolBar::GetCommandButtons(m_nID, listButtons) == 0) return;
    for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarEditBoxButton* pOther = dynamic_cast<CZAVPToolbarEditBoxButton*>(
            listButtons.GetNext(pos));
        if (pOther != nullptr && pOther != this) {
            CopyFrom(*pOther);
            return;
        }
    }
}

HBRUSH CZAVPToolbarEditBoxButton::OnCtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(globalData.clrWindowText);
    pDC->SetBkColor(globalData.clrWindow);
    return globalData.hbrWindow;
}

BOOL CZAVPToolbarEditBoxButton::DrawsHotBorder() const
{
    return m_pWndEdit == nullptr || !(m_pWndEdit->GetStyle() & WS_VISIBLE);
}

void CZAVPToolbarEditBoxButton::GetEditFrameRect(CRect& rectFrame) const
{
    rectFrame.SetRectEmpty();
    if (m_pWndEdit == nullptr) return;
    RECT rc;
    ::GetWindowRect(m_pWndEdit->GetSafeHwnd(), &rc);
    ::MapWindowPoints(nullptr, ::GetParent(m_pWndEdit->GetSafeHwnd()), (POINT*)&rc, 2);
    rectFrame = rc;
    rectFrame.InflateRect(1, 1);
}

void CZAVPToolbarEditBoxButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                       BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                       BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (m_pWndEdit == nullptr || !(m_pWndEdit->GetStyle() & WS_VISIBLE)) {
        CZAVPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                   bDrawBorder, bGrayDisabledButtons);
        return;
    }
    FillInterior(pDC, rect, FALSE);
    CRect rectFrame;
    GetEditFrameRect(rectFrame);
    CZAVPVisualManager::GetInstance()->OnDrawEditBorder(
        pDC, rectFrame, (m_nStyle & TBBS_DISABLED) != 0, m_bHot || bCustomizeMode, this);

    if (m_bTextBelow && bHorz && !m_strText.IsEmpty()) {
        // The label sits centred under the edit, in the part the size calculation added.
        CRect rectText(rect.left, rect.bottom - m_sizeTextBelowCy, rect.right, rect.bottom);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor((m_nStyle & TBBS_DISABLED) ? globalData.clrGrayedText
                                                     : globalData.clrBtnText);
        pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
    }
}

int CZAVPToolbarEditBoxButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nWidth = CZAVPToolbarButton::OnDrawOnList(pDC, rect, bSelected);
    CRect rectPicture = ZAVPEditBoxGeometry::ListPictureRect(rect, rect.Width() - nWidth);
    ::FillRect(pDC->GetSafeHdc(), rectPicture, globalData.hbrWindow);
    pDC->DrawEdge(rectPicture, EDGE_SUNKEN, BF_RECT);
    return nWidth;
}

void CZAVPToolbarEditBoxButton::OnShow(BOOL bShow)
{
    if (m_pWndEdit == nullptr) return;
    if (bShow) {
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
        OnMove();
    } else
        m_pWndEdit->ShowWindow(SW_HIDE);
}

CRect CZAVPToolbarEditBoxButton::GetRect() const
{
    if (!(m_bTextBelow && m_bHorzBar && !m_strText.IsEmpty())) return m_rect;
    const int nCenter = m_rect.CenterPoint().x;
    const int nHalf = m_sizeTextBelowCx / 2;
    return CRect(nCenter - nHalf, m_rect.top, nCenter - nHalf + m_sizeTextBelowCx, m_rect.bottom);
}

void CZAVPToolbarEditBoxButton::SetStyle(UINT nStyle)
{
    CZAVPToolbarButton::SetStyle(nStyle);
    if (m_pWndEdit == nullptr) return;
    const BOOL bCustomize = ZAVPSharedBarData::g_bCustomizeMode;
    const BOOL bDisabled = bCustomize ? !IsEditable() : (nStyle & TBBS_DISABLED) != 0;
    ::EnableWindow(m_pWndEdit->GetSafeHwnd(), !bDisabled);
}

BOOL CZAVPToolbarEditBoxButton::OnUpdateToolTip(CWnd*, int, CToolTipCtrl& wndToolTip, CString& str)
{
    if (m_pWndEdit == nullptr) return FALSE;
    CString strTip;
    if (!GetCustomToolTipText(strTip)) strTip = str;
    wndToolTip.AddTool(m_pWndEdit, strTip);
    return TRUE;
}

void CZAVPToolbarEditBoxButton::SetHot(BOOL bHot)
{
    if (m_bHot == bHot) return;
    m_bHot = bHot;
    if (m_pWndEdit == nullptr) return;
    const HWND hwndBar = ::GetParent(m_pWndEdit->GetSafeHwnd());
    if (hwndBar != nullptr) {
        const RECT rc = m_rect;
        ::InvalidateRect(hwndBar, &rc, TRUE);
    }
}

void CZAVPToolbarEditBoxButton::ShowContextMenu(LPARAM lParamPoint)
{
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_uiMenuResID));
    if (hMenu == nullptr) return;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup != nullptr && m_pWndEdit != nullptr) {
        POINT pt = {(short)LOWORD(lParamPoint), (short)HIWORD(lParamPoint)};
        if (lParamPoint == (LPARAM)-1) {
            // From the keyboard: at the edit's corner.
            pt = {0, 0};
            ::ClientToScreen(m_pWndEdit->GetSafeHwnd(), &pt);
        }
        HWND hwndOwner = ::GetAncestor(m_pWndEdit->GetSafeHwnd(), GA_ROOT);
        if (g_pContextMenuManager != nullptr) {
            // The library's own menu, like every other menu of the program; the command goes
            // where the system's menu would post it.
            const UINT uiCmd = g_pContextMenuManager->TrackPopupMenu(hPopup, pt.x, pt.y,
                                                                     CWnd::FromHandle(hwndOwner));
            if (uiCmd != 0) ::PostMessageA(hwndOwner, WM_COMMAND, uiCmd, 0);
        } else {
            ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwndOwner,
                             nullptr);
        }
    }
    ::DestroyMenu(hMenu);
}
