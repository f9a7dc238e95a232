// The check list box: per-item check state kept in step with the list's items, drawing,
// and toggling by mouse and keyboard.
#include "framework/CCheckListBox.h"
#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListBox::Create(dwStyle | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    m_states.clear();
}

void CCheckListBox::SyncCount()
{
    // Items added or removed behind our back (a template's initial strings) get default states.
    int n = GetCount();
    if (n >= 0 && (size_t)n != m_states.size()) m_states.resize((size_t)n);
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    SyncCount();
    if (nIndex < 0 || (size_t)nIndex >= m_states.size()) return;
    m_states[nIndex].nCheck = nCheck;
    RECT rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR) InvalidateRect(&rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    return nIndex >= 0 && (size_t)nIndex < m_states.size() ? m_states[nIndex].nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    SyncCount();
    if (nIndex < 0 || (size_t)nIndex >= m_states.size()) return;
    m_states[nIndex].bEnabled = bEnabled;
    RECT rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR) InvalidateRect(&rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    return nIndex >= 0 && (size_t)nIndex < m_states.size() ? m_states[nIndex].bEnabled : TRUE;
}

int CCheckListBox::CheckBoxWidth() const
{
    int cy = GetItemHeight(0);
    return cy > 13 ? cy : 13;
}

void CCheckListBox::Toggle(int nIndex)
{
    if (!IsEnabled(nIndex)) return;  // a disabled item keeps its state
    int nCheck = GetCheck(nIndex);
    if (m_nStyle == BS_AUTO3STATE || m_nStyle == BS_3STATE)
        nCheck = (nCheck + 1) % 3;
    else
        nCheck = nCheck ? 0 : 1;
    if (m_nStyle == BS_AUTOCHECKBOX || m_nStyle == BS_AUTO3STATE) SetCheck(nIndex, nCheck);
    if (HWND hParent = ::GetParent(m_hWnd))
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                       (LPARAM)m_hWnd);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        SyncCount();
        LRESULT nIndex = CListBox::WindowProc(message, wParam, lParam);
        if (nIndex >= 0 && (size_t)nIndex <= m_states.size())
            m_states.insert(m_states.begin() + nIndex, ItemState());
        return nIndex;
    }
    case LB_DELETESTRING: {
        SyncCount();
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (lResult != LB_ERR && wParam < m_states.size())
            m_states.erase(m_states.begin() + wParam);
        return lResult;
    }
    case LB_RESETCONTENT: m_states.clear(); return CListBox::WindowProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        BOOL bOutside;
        int nIndex = (int)ItemFromPoint(CPoint(pt.x, pt.y), bOutside);
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        RECT rect;
        if (!bOutside && GetItemRect(nIndex, &rect) != LB_ERR && pt.x < rect.left + CheckBoxWidth())
            Toggle(nIndex);
        return lResult;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            int nIndex = GetCaretIndex();
            if (nIndex != LB_ERR) Toggle(nIndex);
            return 0;
        }
        break;
    default: break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CClientDC dc(this);
    TEXTMETRICA tm;
    CFont* pOld = dc.SelectObject(GetFont());
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    lpMeasureItemStruct->itemHeight = tm.tmHeight > 13 ? (UINT)tm.tmHeight : 13;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    int nIndex = (int)lpDrawItemStruct->itemID;
    if (nIndex < 0) return;
    SyncCount();
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    CRect box(rect.left, rect.top, rect.left + CheckBoxWidth(), rect.bottom);
    box.DeflateRect(1, 1);
    UINT state = DFCS_BUTTONCHECK | (GetCheck(nIndex) ? DFCS_CHECKED : 0) |
                 (IsEnabled(nIndex) ? 0 : DFCS_INACTIVE);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
    pDC->DrawFrameControl(&box, DFC_BUTTON, state);
    CRect text(rect.left + CheckBoxWidth() + 2, rect.top, rect.right, rect.bottom);
    BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&text, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    COLORREF clrText = !IsEnabled(nIndex) ? ::GetSysColor(COLOR_GRAYTEXT)
                       : bSelected        ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                          : ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF oldText = pDC->SetTextColor(clrText);
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    CString s;
    GetText(nIndex, s);
    pDC->DrawText(s, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldText);
    if (lpDrawItemStruct->itemState & ODS_FOCUS) pDC->DrawFocusRect(&text);
}
