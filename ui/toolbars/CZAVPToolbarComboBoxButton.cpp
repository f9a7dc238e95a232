// The combo box button: its archive, the combo (and flat-mode edit) it keeps on its toolbar, and
// the items, selection and text it shares with the other buttons of its command.
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"

#include "ui/toolbars/ZAVPButtonRecordRules.h"

#include <algorithm>
#include <string>

#include "framework/AfxResourceHandle.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CComboBox.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarComboEdit.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

IMPLEMENT_SERIAL(CZAVPToolbarComboBoxButton, CZAVPToolbarButton, VERSIONABLE_SCHEMA | 1)

BOOL CZAVPToolbarComboBoxButton::m_bFlat = TRUE;

namespace
{
const int kMenuIdFieldMajor = 6;  // the menu id is stored from 6.41 on
const int kMenuIdFieldMinor = 41;
const int kComboInset = 2;  // the combo stands this far inside the button
const DWORD kFlatEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_WANTRETURN;
const int kEditInsetLeft = 4;
const int kEditInsetTop = 3;
const int kListPictureMin = 10;

bool HasMenuIdField() { return ButtonRecordsFromVersion(kMenuIdFieldMajor, kMenuIdFieldMinor); }

bool IsEditableStyle(DWORD dwStyle) { return (dwStyle & 3) == CBS_DROPDOWN; }

CString ComboWindowText(HWND hwnd)
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

// The menu text of a command: the part of its string after the first newline.
CString CommandMenuText(UINT uiCmd)
{
    CString str;
    if (!str.LoadString(uiCmd)) return str;
    const int iFirst = str.Find('\n');
    if (iFirst < 0) return str;
    str = str.Mid(iFirst + 1);
    const int iNext = str.Find('\n');
    return iNext >= 0 ? str.Left(iNext) : str;
}
}  // namespace

CZAVPToolbarComboBoxButton::CZAVPToolbarComboBoxButton()
    : m_uiMenuResID(0), m_dwStyle(kDefaultComboStyle), m_pWndCombo(nullptr), m_pWndEdit(nullptr),
      m_iWidth(kDefaultWidth), m_iSelIndex(-1), m_bHorzBar(TRUE),
      m_nDropDownHeight(kDefaultDropDownHeight), m_bHot(FALSE), m_bSyncing(FALSE)
{
}

CZAVPToolbarComboBoxButton::CZAVPToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle,
                                                       int iWidth)
    : CZAVPToolbarButton(uiID, iImage), m_uiMenuResID(0), m_dwStyle(dwStyle | WS_CHILD),
      m_pWndCombo(nullptr), m_pWndEdit(nullptr), m_iWidth(iWidth > 0 ? iWidth : kDefaultWidth),
      m_iSelIndex(-1), m_bHorzBar(TRUE), m_nDropDownHeight(kDefaultDropDownHeight), m_bHot(FALSE),
      m_bSyncing(FALSE)
{
}

CZAVPToolbarComboBoxButton::~CZAVPToolbarComboBoxButton() { DestroyWindows(); }

void CZAVPToolbarComboBoxButton::DestroyWindows()
{
    if (m_pWndEdit != nullptr) {
        CZAVPToolbarComboEdit* pEdit = m_pWndEdit;
        m_pWndEdit = nullptr;
        if (::IsWindow(pEdit->GetSafeHwnd())) pEdit->DestroyWindow();
        delete pEdit;
    }
    if (m_pWndCombo != nullptr) {
        CComboBox* pCombo = m_pWndCombo;
        m_pWndCombo = nullptr;
        if (::IsWindow(pCombo->GetSafeHwnd())) pCombo->DestroyWindow();
        delete pCombo;
    }
}

// ---- items

int CZAVPToolbarComboBoxButton::AddItem(const CString& strItem, DWORD dwData)
{
    m_lstItems.AddTail(strItem);
    m_lstItemData.AddTail(dwData);
    if (m_pWndCombo != nullptr) {
        const int iIndex = m_pWndCombo->AddString(strItem);
        if (iIndex >= 0) m_pWndCombo->SetItemData(iIndex, dwData);
    }
    return GetCount() - 1;
}

CString CZAVPToolbarComboBoxButton::GetItem(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstItems.FindIndex(iIndex) : nullptr;
    return pos != nullptr ? m_lstItems.GetAt(pos) : CString();
}

DWORD CZAVPToolbarComboBoxButton::GetItemData(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstItemData.FindIndex(iIndex) : nullptr;
    return pos != nullptr ? m_lstItemData.GetAt(pos) : 0;
}

void CZAVPToolbarComboBoxButton::RemoveAllItems()
{
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    m_iSelIndex = -1;
    m_strEdit.Empty();
    if (m_pWndCombo != nullptr) m_pWndCombo->ResetContent();
    SetEditText(m_strEdit);
}

int CZAVPToolbarComboBoxButton::CompareTexts(const CString& str1, const CString& str2) const
{
    return strcmp(str1, str2);
}

void CZAVPToolbarComboBoxButton::RebuildListsFromWindow()
{
    if (m_pWndCombo == nullptr) return;
    OnBeforeUpdateItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    const int nCount = m_pWndCombo->GetCount();
    for (int i = 0; i < nCount; ++i) {
        CString str;
        m_pWndCombo->GetLBText(i, str);
        m_lstItems.AddTail(str);
        m_lstItemData.AddTail((DWORD)m_pWndCombo->GetItemData(i));
    }
    OnAfterUpdateItems();
}

void CZAVPToolbarComboBoxButton::FillWindowFromLists()
{
    if (m_pWndCombo == nullptr) return;
    m_pWndCombo->ResetContent();
    POSITION posData = m_lstItemData.GetHeadPosition();
    for (POSITION pos = m_lstItems.GetHeadPosition(); pos != nullptr;) {
        const int iIndex = m_pWndCombo->AddString(m_lstItems.GetNext(pos));
        const DWORD dwData = posData != nullptr ? m_lstItemData.GetNext(posData) : 0;
        if (iIndex >= 0) m_pWndCombo->SetItemData(iIndex, dwData);
    }
    m_pWndCombo->SetCurSel(m_iSelIndex);
}

// ---- archive

void CZAVPToolbarComboBoxButton::Serialize(CArchive& ar)
{
    CZAVPToolbarButton::Serialize(ar);
    if (ar.IsStoring()) {
        // The window holds the latest items.
        if (m_pWndCombo != nullptr) RebuildListsFromWindow();
        ar << (DWORD)m_iWidth << m_dwStyle << (DWORD)m_iSelIndex << m_strEdit
           << (DWORD)m_nDropDownHeight;
        if (HasMenuIdField()) ar << (DWORD)m_uiMenuResID;
        ar.WriteCount((DWORD_PTR)m_lstItems.GetCount());
        for (POSITION pos = m_lstItems.GetHeadPosition(); pos != nullptr;)
            ar << m_lstItems.GetNext(pos);
        POSITION posData = m_lstItemData.GetHeadPosition();
        for (INT_PTR i = 0; i < m_lstItems.GetCount(); ++i)
            ar << (posData != nullptr ? m_lstItemData.GetNext(posData) : (DWORD)0);
        return;
    }

    // Everything is read and checked before any of it is used: a damaged record leaves the
    // button as it was.
    DWORD dwWidth = 0, dwStyle = 0, dwSel = 0, dwHeight = 0, dwMenu = m_uiMenuResID;
    CString strText;
    ar >> dwWidth >> dwStyle >> dwSel >> strText >> dwHeight;
    if (HasMenuIdField()) ar >> dwMenu;
    const DWORD_PTR nCount = ar.ReadCount();
    if ((int)dwWidth < 0 || (int)dwWidth > kMaxSize || !IsSaneHostedStyle(dwStyle) ||
        (int)dwHeight < 0 || (int)dwHeight > kMaxSize || strText.GetLength() > kMaxTextLength ||
        nCount > (DWORD_PTR)kMaxItems)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<CString> items;
    items.reserve((size_t)nCount);
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CString str;
        ar >> str;
        if (str.GetLength() > kMaxTextLength) AfxThrowArchiveException(CArchiveException::badIndex);
        items.push_back(str);
    }
    std::vector<DWORD> data((size_t)nCount, 0);
    for (DWORD_PTR i = 0; i < nCount; ++i) ar >> data[(size_t)i];
    const int iSel = (int)dwSel;
    if (iSel < -1 || iSel >= (int)nCount) AfxThrowArchiveException(CArchiveException::badIndex);

    m_iWidth = (int)dwWidth;
    m_rect.right = m_rect.left + m_iWidth;
    m_dwStyle = dwStyle;
    m_nDropDownHeight = (int)dwHeight;
    m_uiMenuResID = dwMenu;
    m_strEdit = strText;
    OnBeforeUpdateItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    for (size_t i = 0; i < items.size(); ++i) {
        m_lstItems.AddTail(items[i]);
        m_lstItemData.AddTail(data[i]);
    }
    OnAfterUpdateItems();
    m_iSelIndex = -1;
    if (m_pWndCombo != nullptr) FillWindowFromLists();
    if (iSel >= 0)
        SelectEntry(iSel, FALSE);
    else
        SetEditText(m_strEdit);
}

void CZAVPToolbarComboBoxButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarButton::CopyFrom(s);
    const CZAVPToolbarComboBoxButton* pSrc = dynamic_cast<const CZAVPToolbarComboBoxButton*>(&s);
    if (pSrc == nullptr || pSrc == this) return;
    OnBeforeUpdateItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    for (POSITION pos = pSrc->m_lstItems.GetHeadPosition(); pos != nullptr;)
        m_lstItems.AddTail(pSrc->m_lstItems.GetNext(pos));
    for (POSITION pos = pSrc->m_lstItemData.GetHeadPosition(); pos != nullptr;)
        m_lstItemData.AddTail(pSrc->m_lstItemData.GetNext(pos));
    OnAfterUpdateItems();
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    m_iSelIndex = pSrc->m_iSelIndex;
    m_nDropDownHeight = pSrc->m_nDropDownHeight;
    m_uiMenuResID = pSrc->m_uiMenuResID;
    if (m_pWndCombo != nullptr) FillWindowFromLists();
}

// ---- windows

CComboBox* CZAVPToolbarComboBoxButton::CreateComboWindow(CWnd* pWndParent, const CRect& rect)
{
    CComboBox* pCombo = new CComboBox;
    if (!pCombo->Create(m_dwStyle, rect, pWndParent, m_nID)) {
        delete pCombo;
        return nullptr;
    }
    return pCombo;
}

void CZAVPToolbarComboBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndCombo != nullptr) {
        const HWND hwndParent = ::GetParent(m_pWndCombo->GetSafeHwnd());
        if (pWndParent != nullptr && hwndParent == pWndParent->GetSafeHwnd()) return;
        RebuildListsFromWindow();
        DestroyWindows();
    }
    if (pWndParent == nullptr || pWndParent->GetSafeHwnd() == nullptr) return;

    CRect rect = m_rect;
    rect.DeflateRect(kComboInset, 0);
    rect.bottom = rect.top + m_nDropDownHeight;
    m_pWndCombo = CreateComboWindow(pWndParent, rect);
    if (m_pWndCombo == nullptr) return;  // a plain button from now on
    const BOOL bDisabled = ZAVPSharedBarData::g_bCustomizeMode || (m_nStyle & TBBS_DISABLED);
    m_pWndCombo->EnableWindow(!bDisabled);
    m_pWndCombo->RedrawWindow();

    if (m_bFlat && IsEditableStyle(m_dwStyle)) {
        const DWORD dwEditStyle = kFlatEditStyle | (m_dwStyle & WS_TABSTOP);
        CZAVPToolbarComboEdit* pEdit = new CZAVPToolbarComboEdit(*this);
        if (pEdit->Create(dwEditStyle, CRect(0, 0, 0, 0), pWndParent, m_nID)) {
            m_pWndEdit = pEdit;
            m_pWndEdit->SetFont(&globalData.fontRegular);
            m_pWndEdit->SetWindowText(m_strEdit);
        } else {
            delete pEdit;
        }
    }
    OnMove();
    m_pWndCombo->SetFont(&globalData.fontRegular);

    if (m_pWndCombo->GetCount() == 0)
        FillWindowFromLists();
    else {
        RebuildListsFromWindow();
        m_iSelIndex = m_pWndCombo->GetCurSel();
    }
    if (m_iSelIndex >= 0) {
        m_strEdit = GetItem(m_iSelIndex);
        m_pWndCombo->SetWindowText(m_strEdit);
        SetEditText(m_strEdit);
    }
}

void CZAVPToolbarComboBoxButton::OnMove()
{
    if (m_pWndCombo == nullptr || m_rect.IsRectEmpty()) return;
    ::SetWindowPos(m_pWndCombo->GetSafeHwnd(), nullptr, m_rect.left + 1, m_rect.top, m_iWidth - 2,
                   m_nDropDownHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc;
    ::GetWindowRect(m_pWndCombo->GetSafeHwnd(), &rc);
    ::MapWindowPoints(nullptr, ::GetParent(m_pWndCombo->GetSafeHwnd()), (POINT*)&rc, 2);
    m_rectCombo = rc;
    if (m_bFlat) {
        const int nGlyph = CZAVPMenuGlyphs::GetSize().cx;
        m_rectButton = m_rectCombo;
        m_rectButton.left = m_rectButton.right - 2 * nGlyph;
        m_rectButton.DeflateRect(2, 2);
    }
    const BOOL bLabel = m_bTextBelow && m_bHorzBar && !m_strText.IsEmpty();
    m_rect.left = m_rectCombo.left - 1;
    m_rect.right = m_rectCombo.right + 1;
    if (!bLabel) {
        m_rect.top = m_rectCombo.top - 1;
        m_rect.bottom = m_rectCombo.bottom + 1;
    }
    if (m_pWndEdit != nullptr) {
        const int nRight = m_bFlat ? m_rectButton.left : m_rectCombo.right;
        ::SetWindowPos(m_pWndEdit->GetSafeHwnd(), nullptr, m_rectCombo.left + kEditInsetLeft,
                       m_rectCombo.top + kEditInsetTop,
                       std::max(0, (int)(nRight - m_rectCombo.left - kEditInsetLeft)),
                       std::max(0, (int)(m_rectCombo.Height() - 2 * kEditInsetTop)),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CZAVPToolbarComboBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    OnMove();
}

HWND CZAVPToolbarComboBoxButton::GetHwnd()
{
    return m_pWndCombo != nullptr ? m_pWndCombo->GetSafeHwnd() : nullptr;
}

SIZE CZAVPToolbarComboBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_sizeTextBelowCx = m_sizeTextBelowCy = 0;
    m_bHorzBar = bHorz;
    const HWND hwndCombo = GetHwnd();
    const HWND hwndEdit = m_pWndEdit != nullptr ? m_pWndEdit->GetSafeHwnd() : nullptr;
    if (!IsVisible()) {
        if (hwndCombo != nullptr) ::ShowWindow(hwndCombo, SW_HIDE);
        if (m_bFlat && hwndEdit != nullptr) ::ShowWindow(hwndEdit, SW_HIDE);
        return CSize(0, 0);
    }
    if (m_bFlat && hwndCombo != nullptr) ::ShowWindow(hwndCombo, SW_HIDE);
    if (!bHorz) {
        if (!m_bFlat && hwndCombo != nullptr) ::ShowWindow(hwndCombo, SW_HIDE);
        if (hwndEdit != nullptr) ::ShowWindow(hwndEdit, SW_HIDE);
        return CZAVPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (!m_bFlat && hwndCombo != nullptr && !m_bControlHidden)
        ::ShowWindow(hwndCombo, SW_SHOWNOACTIVATE);
    if (hwndEdit != nullptr && !m_bControlHidden) ::ShowWindow(hwndEdit, SW_SHOWNOACTIVATE);
    if (m_bTextBelow && !m_strText.IsEmpty()) {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_sizeTextBelowCx = rectText.Width();
        m_sizeTextBelowCy = rectText.Height();
    }
    int nHeight = sizeDefault.cy;
    if (hwndCombo != nullptr) {
        RECT rc;
        ::GetWindowRect(hwndCombo, &rc);
        nHeight = rc.bottom - rc.top;
    }
    return CSize(m_iWidth, nHeight + m_sizeTextBelowCy);
}

BOOL CZAVPToolbarComboBoxButton::OnClick(CWnd*, BOOL)
{
    if (m_pWndCombo == nullptr || !m_bHorzBar) return FALSE;
    if (!m_bFlat) return TRUE;  // the visible combo takes the mouse itself
    if (m_pWndEdit != nullptr)
        m_pWndEdit->SetFocus();
    else
        m_pWndCombo->SetFocus();
    m_pWndCombo->ShowDropDown(TRUE);
    InvalidateComboRect();
    return TRUE;
}

void CZAVPToolbarComboBoxButton::InvalidateComboRect()
{
    if (m_pWndCombo == nullptr) return;
    const HWND hwndBar = ::GetParent(m_pWndCombo->GetSafeHwnd());
    if (hwndBar == nullptr) return;
    const RECT rc = m_rectCombo;
    ::InvalidateRect(hwndBar, &rc, TRUE);
    ::UpdateWindow(hwndBar);
}

template <typename Fn>
void CZAVPToolbarComboBoxButton::ForOtherButtons(Fn fn)
{
    CObList listButtons;
    if (CZAVPToolBar::GetCommandButtons(m_nID, listButtons) == 0) return;
    for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarComboBoxButton* pOther = dynamic_cast<CZAVPToolbarComboBoxButton*>(
            listButtons.GetNext(pos));
        if (pOther != nullptr && pOther != this) fn(*pOther);
    }
}

BOOL CZAVPToolbarComboBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_pWndCombo == nullptr) return FALSE;
    if (m_bFlat) {
        InvalidateComboRect();
        if (iNotifyCode == 0) return TRUE;
    }
    switch (iNotifyCode) {
    case CBN_SELCHANGE: {
        const int iSel = m_pWndCombo->GetCurSel();
        if (iSel >= 0) SetEditText(GetItem(iSel));
        return TRUE;
    }
    case CBN_SETFOCUS:
        if (m_pWndEdit != nullptr) m_pWndEdit->SetFocus();
        return TRUE;
    case CBN_KILLFOCUS:
    case CBN_EDITUPDATE: return TRUE;
    case CBN_EDITCHANGE: {
        m_strEdit = ComboWindowText(m_pWndCombo->GetSafeHwnd());
        const CString strText = m_strEdit;
        ForOtherButtons([&](CZAVPToolbarComboBoxButton& other) {
            other.m_strEdit = strText;
            if (other.m_pWndCombo != nullptr) other.m_pWndCombo->SetWindowText(strText);
            other.SetEditText(strText);
        });
        return TRUE;
    }
    case CBN_SELENDOK: {
        const int iSel = m_pWndCombo->GetCurSel();
        if (iSel < 0) return FALSE;
        m_iSelIndex = iSel;
        m_strEdit = GetItem(iSel);
        SetEditText(m_strEdit);
        ForOtherButtons([&](CZAVPToolbarComboBoxButton& other) { other.SelectEntry(iSel, FALSE); });
        if (m_pWndEdit != nullptr) m_pWndEdit->SetFocus();
        return TRUE;
    }
    default: return FALSE;
    }
}

BOOL CZAVPToolbarComboBoxButton::SelectEntry(int iIndex, BOOL bNotify)
{
    if (iIndex < 0 || iIndex >= GetCount()) return FALSE;
    m_iSelIndex = iIndex;
    m_strEdit = GetItem(iIndex);
    if (m_pWndCombo == nullptr) return TRUE;
    SetEditText(m_strEdit);
    if (m_pWndCombo->GetCurSel() == iIndex) return TRUE;
    if (m_pWndCombo->SetCurSel(iIndex) == CB_ERR) return FALSE;
    if (bNotify) NotifyCommand(CBN_SELENDOK);
    return TRUE;
}

void CZAVPToolbarComboBoxButton::SetEditText(const CString& strText)
{
    if (m_pWndEdit == nullptr) return;
    if (ComboWindowText(m_pWndEdit->GetSafeHwnd()) != strText) m_pWndEdit->SetWindowText(strText);
}

void CZAVPToolbarComboBoxButton::OnEditEnter()
{
    if (m_pWndEdit == nullptr || m_pWndCombo == nullptr) return;
    m_strEdit = ComboWindowText(m_pWndEdit->GetSafeHwnd());
    m_pWndCombo->SetWindowText(m_strEdit);
    const HWND hwndBar = ::GetParent(m_pWndCombo->GetSafeHwnd());
    HWND hwndOwner = hwndBar != nullptr ? ::GetWindow(hwndBar, GW_OWNER) : nullptr;
    if (hwndOwner == nullptr && hwndBar != nullptr) hwndOwner = ::GetParent(hwndBar);
    if (hwndOwner != nullptr)
        ::PostMessageA(hwndOwner, WM_COMMAND, m_nID, (LPARAM)m_pWndCombo->GetSafeHwnd());
}

void CZAVPToolbarComboBoxButton::SyncFromToolbars()
{
    CZAVPToolbarComboBoxButton* pFirst = nullptr;
    ForOtherButtons([&](CZAVPToolbarComboBoxButton& other) {
        if (pFirst == nullptr) pFirst = &other;
    });
    if (pFirst != nullptr) CopyFrom(*pFirst);
}

HBRUSH CZAVPToolbarComboBoxButton::OnCtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(globalData.clrWindowText);
    pDC->SetBkColor(globalData.clrWindow);
    return globalData.hbrWindow;
}

void CZAVPToolbarComboBoxButton::OnGlobalFontsChanged()
{
    if (m_pWndEdit != nullptr) m_pWndEdit->SetFont(&globalData.fontRegular);
    if (m_pWndCombo != nullptr) m_pWndCombo->SetFont(&globalData.fontRegular);
}

BOOL CZAVPToolbarComboBoxButton::ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const
{
    if (!CZAVPToolbarButton::ExportToMenuButton(menuButton)) return FALSE;
    menuButton.m_strText = CommandMenuText(m_nID);
    return TRUE;
}

// ---- drawing

void CZAVPToolbarComboBoxButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                        BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                        BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (!m_bFlat || m_pWndCombo == nullptr || !bHorz) {
        CZAVPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                   bDrawBorder, bGrayDisabledButtons);
        return;
    }
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bDropped = IsListDropped();
    const BOOL bHot = bHighlight || m_bHot;
    FillInterior(pDC, rect, FALSE);
    pDC->SetTextColor(bDisabled ? globalData.clrGrayedText : globalData.clrWindowText);
    pVM->OnDrawComboBorder(pDC, m_rectCombo, bDisabled, bDropped, bHot, this);
    CRect rectInside = m_rectCombo;
    rectInside.DeflateRect(2, 2);
    if (bDisabled) {
        pDC->FillRect(rectInside, &globalData.brBtnFace);
        pDC->Draw3dRect(rectInside, globalData.clrGrayedText, globalData.clrGrayedText);
    } else {
        ::FillRect(pDC->GetSafeHdc(), rectInside, globalData.hbrWindow);
    }
    pVM->OnDrawComboDropButton(pDC, m_rectButton, bDisabled, bDropped, bHot, this);
    if (m_pWndEdit == nullptr && m_iSelIndex >= 0) {
        CRect rectText = m_rectCombo;
        rectText.left += kEditInsetLeft;
        rectText.right = m_rectButton.left;
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(GetItem(m_iSelIndex), rectText,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (m_bTextBelow && !m_strText.IsEmpty()) {
        CRect rectText(rect.left, rect.bottom - m_sizeTextBelowCy, rect.right, rect.bottom);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(bDisabled ? globalData.clrGrayedText : globalData.clrBtnText);
        pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
    }
}

int CZAVPToolbarComboBoxButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nWidth = CZAVPToolbarButton::OnDrawOnList(pDC, rect, bSelected);
    const int nLeft = rect.left + nWidth + 5;
    if (rect.right - nLeft < kListPictureMin) return nWidth;
    CRect rectPicture(nLeft, rect.top, rect.right, rect.bottom);
    rectPicture.DeflateRect(2, 2);
    ::FillRect(pDC->GetSafeHdc(), rectPicture, globalData.hbrWindow);
    CZAVPVisualManager* pVM = CZAVPVisualManager::GetInstance();
    pVM->OnDrawComboBorder(pDC, rectPicture, FALSE, FALSE, TRUE, this);
    CRect rectDrop = rectPicture;
    rectDrop.left = rectDrop.right - 2 * CZAVPMenuGlyphs::GetSize().cx;
    rectDrop.DeflateRect(2, 2);
    pVM->OnDrawComboDropButton(pDC, rectDrop, FALSE, FALSE, FALSE, this);
    return nWidth;
}

// ---- state of the windows

void CZAVPToolbarComboBoxButton::OnShow(BOOL bShow)
{
    const int nShow = bShow && m_bHorzBar ? SW_SHOWNOACTIVATE : SW_HIDE;
    if (m_pWndEdit != nullptr) m_pWndEdit->ShowWindow(nShow);
    if (m_pWndCombo != nullptr) m_pWndCombo->ShowWindow(m_bFlat ? SW_HIDE : nShow);
    if (bShow) OnMove();
}

void CZAVPToolbarComboBoxButton::SetStyle(UINT nStyle)
{
    CZAVPToolbarButton::SetStyle(nStyle);
    const BOOL bCustomize = ZAVPSharedBarData::g_bCustomizeMode;
    const BOOL bEnable = !((bCustomize && !IsEditable()) ||
                           (!bCustomize && (nStyle & TBBS_DISABLED)));
    for (CWnd* pWnd : {(CWnd*)m_pWndCombo, (CWnd*)m_pWndEdit}) {
        if (pWnd == nullptr) continue;
        pWnd->EnableWindow(bEnable);
        pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CZAVPToolbarComboBoxButton::EnableWindow(BOOL bEnable)
{
    if (m_pWndCombo != nullptr) m_pWndCombo->EnableWindow(bEnable);
    if (m_pWndEdit != nullptr) m_pWndEdit->EnableWindow(bEnable);
}

BOOL CZAVPToolbarComboBoxButton::IsWindowVisible()
{
    return (m_pWndCombo != nullptr && (m_pWndCombo->GetStyle() & WS_VISIBLE)) ||
           (m_pWndEdit != nullptr && (m_pWndEdit->GetStyle() & WS_VISIBLE));
}

BOOL CZAVPToolbarComboBoxButton::IsOwnerOf(HWND hwnd)
{
    for (CWnd* pWnd : {(CWnd*)m_pWndCombo, (CWnd*)m_pWndEdit}) {
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || hwnd == nullptr) continue;
        if (hwnd == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hwnd)) return TRUE;
    }
    return FALSE;
}

BOOL CZAVPToolbarComboBoxButton::HasFocus() const
{
    if (m_pWndCombo == nullptr) return FALSE;
    if (IsListDropped()) return TRUE;
    const HWND hwndFocus = ::GetFocus();
    if (hwndFocus == nullptr) return FALSE;
    for (CWnd* pWnd : {(CWnd*)m_pWndCombo, (CWnd*)m_pWndEdit}) {
        if (pWnd == nullptr) continue;
        if (hwndFocus == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hwndFocus))
            return TRUE;
    }
    return FALSE;
}

BOOL CZAVPToolbarComboBoxButton::OnUpdateToolTip(CWnd* pWndParent, int iButtonIndex,
                                                 CToolTipCtrl& wndToolTip, CString& str)
{
    if (!m_bHorzBar) return FALSE;
    CString strTip;
    if (!GetCustomToolTipText(strTip)) strTip = str;
    if (m_bFlat) {
        if (m_pWndEdit != nullptr)
            wndToolTip.AddTool(m_pWndEdit, strTip);
        else if (pWndParent != nullptr)
            wndToolTip.AddTool(pWndParent, strTip, m_rect, iButtonIndex + 1);
    } else if (m_pWndCombo != nullptr) {
        wndToolTip.AddTool(m_pWndCombo, strTip);
    }
    return TRUE;
}

void CZAVPToolbarComboBoxButton::SetHot(BOOL bHot)
{
    if (m_bHot == bHot) return;
    m_bHot = bHot;
    InvalidateComboRect();
}

void CZAVPToolbarComboBoxButton::DropList(BOOL bShow)
{
    if (m_pWndCombo != nullptr) m_pWndCombo->ShowDropDown(bShow);
}

BOOL CZAVPToolbarComboBoxButton::IsListDropped() const
{
    return m_pWndCombo != nullptr && m_pWndCombo->GetSafeHwnd() != nullptr &&
           m_pWndCombo->GetDroppedState();
}

void CZAVPToolbarComboBoxButton::ShowContextMenu(LPARAM lParamPoint)
{
    if (m_pWndEdit == nullptr) return;
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_uiMenuResID));
    if (hMenu == nullptr) return;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup != nullptr) {
        POINT pt = {(short)LOWORD(lParamPoint), (short)HIWORD(lParamPoint)};
        if (lParamPoint == (LPARAM)-1) {
            pt = {0, 0};
            ::ClientToScreen(m_pWndEdit->GetSafeHwnd(), &pt);
        }
        HWND hwndOwner = ::GetAncestor(m_pWndEdit->GetSafeHwnd(), GA_ROOT);
        if (g_pContextMenuManager != nullptr) {
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
