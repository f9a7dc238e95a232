// The edit-list box (see the header).
#include "ui/toolbars/CZAVPEditListBase.h"

#include "framework/CDC.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPButton.h"

// ---- the in-place editor

BEGIN_MESSAGE_MAP(CZAVPEditListEdit, CEdit)
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCPAINT()
ON_WM_NCLBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
END_MESSAGE_MAP()

CRect CZAVPEditListEdit::BrowseRect() const
{
    CRect rect;
    GetWindowRect(rect);
    rect.left = rect.right - kBrowseWidth;
    return rect;
}

void CZAVPEditListEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    (void)bCalcValidRects;
    if (m_bBrowse) lpncsp->rgrc[0].right -= kBrowseWidth;
}

LRESULT CZAVPEditListEdit::OnNcHitTest(CPoint point)
{
    if (m_bBrowse && BrowseRect().PtInRect(point)) return HTCAPTION;
    return Default();
}

void CZAVPEditListEdit::DrawBrowseButton(CDC* pDC)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rect = BrowseRect();
    rect.OffsetRect(-rectWindow.left, -rectWindow.top);
    pDC->FillSolidRect(rect, globalData.clrBtnFace);
    pDC->DrawEdge(rect, m_bPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(globalData.clrBtnText);
    pDC->DrawText("...", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CZAVPEditListEdit::OnNcPaint()
{
    Default();
    if (!m_bBrowse) return;
    CWindowDC dc(this);
    DrawBrowseButton(&dc);
}

void CZAVPEditListEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_bBrowse || nHitTest != HTCAPTION || !BrowseRect().PtInRect(point)) {
        Default();
        return;
    }
    SetCapture();
    m_bCaptured = TRUE;
    m_bPressed = TRUE;
    SendMessage(WM_NCPAINT);
}

void CZAVPEditListEdit::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bCaptured) {
        Default();
        return;
    }
    ClientToScreen(&point);
    const BOOL bPressed = BrowseRect().PtInRect(point);
    if (bPressed != m_bPressed) {
        m_bPressed = bPressed;
        SendMessage(WM_NCPAINT);
    }
}

void CZAVPEditListEdit::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bCaptured) {
        Default();
        return;
    }
    ::ReleaseCapture();
    m_bCaptured = FALSE;
    m_bPressed = FALSE;
    SendMessage(WM_NCPAINT);
    ClientToScreen(&point);
    if (BrowseRect().PtInRect(point) && m_pList != nullptr) m_pList->OnBrowse();
}

void CZAVPEditListEdit::OnCancelMode()
{
    if (m_bCaptured) ::ReleaseCapture();
    m_bCaptured = m_bPressed = FALSE;
    Default();
}

// ---- the list

BEGIN_MESSAGE_MAP(CZAVPEditListBase, CStatic)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ENABLE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
const UINT kListId = 1;
const int kEditListButtonGap = 1;
}  // namespace

CZAVPEditListBase::CZAVPEditListBase() = default;

CZAVPEditListBase::~CZAVPEditListBase()
{
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != nullptr;)
        delete m_lstButtons.GetNext(pos);
}

void CZAVPEditListBase::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY | WS_CLIPCHILDREN);
    Init();
}

void CZAVPEditListBase::Init()
{
    if (m_bInitialized) return;
    m_bInitialized = TRUE;
    CRect rectEmpty(0, 0, 0, 0);
    m_wndList.CreateEx(WS_EX_CLIENTEDGE, "SysListView32", "",
                       WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                           LVS_EDITLABELS | LVS_NOCOLUMNHEADER,
                       rectEmpty, this, kListId);
    m_wndList.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    m_wndList.InsertColumn(0, "");
    if (CWnd* pParent = GetParent()) m_wndList.SetFont(pParent->GetFont());
    AdjustLayout();
}

BOOL CZAVPEditListBase::AddButton(UINT uiBmpResId, LPCSTR lpszTooltip, WORD wKey, BYTE fModifiers,
                                  UINT uiId)
{
    auto* pButton = new CZAVPButton;
    CRect rectEmpty(0, 0, m_sizeButton.cx, m_sizeButton.cy);
    if (!pButton->Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rectEmpty, this, uiId)) {
        delete pButton;
        return FALSE;
    }
    HBITMAP hbmp = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiBmpResId),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (hbmp != nullptr) pButton->SetImage(hbmp);
    CString strTooltip = lpszTooltip;
    if (wKey != 0) {
        const ACCEL accel = {(BYTE)(FVIRTKEY | fModifiers), wKey, 0};
        CString strKey;
        CZAVPAccelText(&accel).Format(strKey);
        strTooltip += " (" + strKey + ")";
    }
    pButton->SetTooltip(strTooltip);
    m_lstButtons.AddTail(pButton);
    m_lstKeyAccell.push_back(((DWORD)fModifiers << 16) | wKey);
    m_lstButtonIds.push_back(uiId);
    AdjustLayout();
    return TRUE;
}

BOOL CZAVPEditListBase::SetStandardButtons(UINT uiBtns)
{
    Init();
    struct Standard
    {
        UINT uiBit, uiBmp, uiTip;
        WORD wKey;
        BYTE fMods;
        UINT uiId;
    };
    static const Standard kStandard[] = {
        {kStdNew, IDB_ZAVP_EDIT_LIST_NEW, IDS_ZAVP_EDIT_LIST_NEW, VK_INSERT, 0, kNewButtonId},
        {kStdDelete, IDB_ZAVP_EDIT_LIST_DELETE, IDS_ZAVP_EDIT_LIST_DELETE, VK_DELETE, 0,
         kDeleteButtonId},
        {kStdUp, IDB_ZAVP_EDIT_LIST_UP, IDS_ZAVP_EDIT_LIST_UP, VK_UP, FALT, kUpButtonId},
        {kStdDown, IDB_ZAVP_EDIT_LIST_DOWN, IDS_ZAVP_EDIT_LIST_DOWN, VK_DOWN, FALT, kDownButtonId},
    };
    for (const Standard& std : kStandard) {
        if (!(uiBtns & std.uiBit)) continue;
        CString strTip;
        strTip.LoadString(std.uiTip);
        if (!AddButton(std.uiBmp, strTip, std.wKey, std.fMods, std.uiId)) return FALSE;
    }
    return TRUE;
}

CString CZAVPEditListBase::GetButtonTooltip(UINT uiId) const
{
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != nullptr;) {
        auto* pButton = static_cast<CZAVPButton*>(m_lstButtons.GetNext(pos));
        if ((UINT)pButton->GetDlgCtrlID() == uiId) return pButton->GetTooltip();
    }
    return CString();
}

void CZAVPEditListBase::AdjustLayout()
{
    if (m_hWnd == nullptr || m_wndList.GetSafeHwnd() == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    int nTextHeight = 13;
    {
        CClientDC dc(this);
        CWnd* pParent = GetParent();
        CFont* pOld = pParent != nullptr ? dc.SelectObject(pParent->GetFont()) : nullptr;
        TEXTMETRICA tm;
        dc.GetTextMetrics(&tm);
        nTextHeight = tm.tmHeight;
        if (pOld != nullptr) dc.SelectObject(pOld);
    }
    const int nCaptionHeight = std::max(m_nMinCaptionHeight, nTextHeight * 4 / 3);
    m_rectCaption = rectClient;
    m_rectCaption.bottom = m_rectCaption.top + nCaptionHeight;
    int x = rectClient.right - 1 - m_sizeButton.cx;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != nullptr;) {
        auto* pButton = static_cast<CZAVPButton*>(m_lstButtons.GetNext(pos));
        pButton->SetWindowPos(nullptr, x,
                              m_rectCaption.top + (nCaptionHeight - m_sizeButton.cy) / 2,
                              m_sizeButton.cx, m_sizeButton.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        x -= m_sizeButton.cx + kEditListButtonGap;
    }
    // The buttons were placed right to left in the order they were added: the first one ends
    // up rightmost, so place them again from the left in list order.
    x = rectClient.right - 1 -
        (int)m_lstButtons.GetCount() * (m_sizeButton.cx + kEditListButtonGap);
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != nullptr;) {
        auto* pButton = static_cast<CZAVPButton*>(m_lstButtons.GetNext(pos));
        pButton->SetWindowPos(nullptr, x,
                              m_rectCaption.top + (nCaptionHeight - m_sizeButton.cy) / 2,
                              m_sizeButton.cx, m_sizeButton.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        x += m_sizeButton.cx + kEditListButtonGap;
    }
    m_wndList.SetWindowPos(nullptr, rectClient.left, m_rectCaption.bottom, rectClient.Width(),
                           rectClient.Height() - nCaptionHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    const int nColumn = rectClient.Width() - 2 * ::GetSystemMetrics(SM_CXEDGE) -
                        ::GetSystemMetrics(SM_CXVSCROLL);
    m_wndList.SetColumnWidth(0, nColumn > 0 ? nColumn : 0);
}

void CZAVPEditListBase::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    AdjustLayout();
}

BOOL CZAVPEditListBase::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

void CZAVPEditListBase::OnEnable(BOOL /*bEnable*/)
{
    Default();
    Invalidate();
}

void CZAVPEditListBase::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(m_hWnd, &ps));
    CRect rect = m_rectCaption;
    pDC->FillSolidRect(rect, globalData.clrBtnFace);
    pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
    CString strText;
    GetWindowText(strText);
    CWnd* pParent = GetParent();
    CFont* pOld = pParent != nullptr ? pDC->SelectObject(pParent->GetFont()) : nullptr;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(IsWindowEnabled() ? globalData.clrBtnText : globalData.clrGrayedText);
    CRect rectText = rect;
    rectText.DeflateRect(4, 0);
    pDC->DrawText(strText, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (pOld != nullptr) pDC->SelectObject(pOld);
    ::EndPaint(m_hWnd, &ps);
}

int CZAVPEditListBase::AddItem(const CString& strText, DWORD_PTR dwData, int iIndex)
{
    const int iItem = m_wndList.InsertItem(iIndex < 0 ? m_wndList.GetItemCount() : iIndex, strText);
    if (iItem >= 0) m_wndList.SetItemData(iItem, dwData);
    return iItem;
}

int CZAVPEditListBase::GetCount() const { return m_wndList.GetItemCount(); }
DWORD_PTR CZAVPEditListBase::GetItemData(int iIndex) const { return m_wndList.GetItemData(iIndex); }
void CZAVPEditListBase::SetItemData(int iIndex, DWORD_PTR dwData)
{
    m_wndList.SetItemData(iIndex, dwData);
}
CString CZAVPEditListBase::GetItemText(int iIndex) const
{
    return m_wndList.GetItemText(iIndex, 0);
}
void CZAVPEditListBase::SetItemText(int iIndex, const CString& strText)
{
    m_wndList.SetItemText(iIndex, 0, strText);
}

int CZAVPEditListBase::GetSelItem() const
{
    return (int)m_wndList.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

BOOL CZAVPEditListBase::SelectItem(int iItem)
{
    if (iItem < 0 || iItem >= GetCount()) return FALSE;
    m_wndList.SetItemState(iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndList.SendMessage(LVM_ENSUREVISIBLE, (WPARAM)iItem, FALSE);
    return TRUE;
}

BOOL CZAVPEditListBase::RemoveItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount()) return FALSE;
    return m_wndList.DeleteItem(iIndex);
}

BOOL CZAVPEditListBase::EditItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount()) return FALSE;
    m_wndList.SetFocus();
    return m_wndList.SendMessage(LVM_EDITLABELA, (WPARAM)iIndex) != 0;
}

BOOL CZAVPEditListBase::MoveItem(int iItem, int nStep)
{
    const int iOther = iItem + nStep;
    if (iItem < 0 || iOther < 0 || iOther >= GetCount()) return FALSE;
    const CString strText = GetItemText(iItem);
    const DWORD_PTR dwData = GetItemData(iItem);
    m_wndList.DeleteItem(iItem);
    AddItem(strText, dwData, iOther);
    SelectItem(iOther);
    return TRUE;
}

void CZAVPEditListBase::OnClickButton(UINT uiId)
{
    const int iSel = GetSelItem();
    switch (uiId) {
    case kNewButtonId: {
        OnBeforeAddItem();
        const int iItem = AddItem("", 0);
        m_iPendingNewItem = iItem;
        SelectItem(iItem);
        EditItem(iItem);
        break;
    }
    case kDeleteButtonId:
        if (iSel >= 0 && OnBeforeRemoveItem(iSel)) {
            RemoveItem(iSel);
            SelectItem(std::min(iSel, GetCount() - 1));
            OnSelectionChanged();
        }
        break;
    case kUpButtonId:
        if (MoveItem(iSel, -1)) OnAfterMoveItemUp(iSel - 1);
        break;
    case kDownButtonId:
        if (MoveItem(iSel, +1)) OnAfterMoveItemDown(iSel + 1);
        break;
    default: break;
    }
}

void CZAVPEditListBase::OnEndEdit(int iItem, LPCSTR lpszText)
{
    const BOOL bNew = iItem == m_iPendingNewItem;
    m_iPendingNewItem = -1;
    if (m_wndEdit.GetSafeHwnd() != nullptr) m_wndEdit.UnsubclassWindow();
    CString strText = lpszText != nullptr ? lpszText : (bNew ? "" : (LPCSTR)GetItemText(iItem));
    if (bNew) {
        if (strText.IsEmpty()) {
            RemoveItem(iItem);
            return;
        }
        SetItemText(iItem, strText);
        CreateNewItem();
        return;
    }
    if (lpszText != nullptr && *lpszText != '\0') {
        SetItemText(iItem, strText);
        OnAfterRenameItem(iItem);
    }
}

void CZAVPEditListBase::OnKey(WORD wKey)
{
    DWORD dwMods = 0;
    if (::GetAsyncKeyState(VK_CONTROL) & 0x8000) dwMods |= FCONTROL;
    if (::GetAsyncKeyState(VK_MENU) & 0x8000) dwMods |= FALT;
    if (::GetAsyncKeyState(VK_SHIFT) & 0x8000) dwMods |= FSHIFT;
    const DWORD dwKey = (dwMods << 16) | wKey;
    for (size_t i = 0; i < m_lstKeyAccell.size(); ++i) {
        if (m_lstKeyAccell[i] == dwKey) {
            OnClickButton(m_lstButtonIds[i]);
            return;
        }
    }
    if ((wKey == VK_SPACE || wKey == VK_F2) && !(dwMods & FALT) && GetSelItem() >= 0)
        EditItem(GetSelItem());
}

BOOL CZAVPEditListBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        for (UINT uiId : m_lstButtonIds) {
            if ((WORD)uiId == LOWORD(wParam)) {
                OnClickButton(uiId);
                return TRUE;
            }
        }
    }
    return CStatic::OnCommand(wParam, lParam);
}

BOOL CZAVPEditListBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr->hwndFrom != m_wndList.GetSafeHwnd())
        return CStatic::OnNotify(wParam, lParam, pResult);
    switch (pHdr->code) {
    case LVN_KEYDOWN:
        OnKey(reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
        *pResult = 0;
        return TRUE;
    case NM_DBLCLK:
        if (GetSelItem() < 0) {
            for (UINT uiId : m_lstButtonIds)
                if (uiId == kNewButtonId) OnClickButton(kNewButtonId);
        } else {
            EditItem(GetSelItem());
        }
        *pResult = 0;
        return TRUE;
    case LVN_ITEMCHANGED:
        if (reinterpret_cast<const NMLISTVIEW*>(lParam)->uChanged & LVIF_STATE)
            OnSelectionChanged();
        *pResult = 0;
        return TRUE;
    case LVN_BEGINLABELEDITA: {
        HWND hwndEdit = (HWND)m_wndList.SendMessage(LVM_GETEDITCONTROL);
        if (hwndEdit != nullptr && m_wndEdit.GetSafeHwnd() == nullptr) {
            m_wndEdit.m_pList = this;
            m_wndEdit.SubclassWindow(hwndEdit);
        }
        *pResult = 0;
        return TRUE;
    }
    case LVN_ENDLABELEDITA: {
        const auto* pInfo = reinterpret_cast<const NMLVDISPINFOA*>(lParam);
        OnEndEdit(pInfo->item.iItem, pInfo->item.pszText);
        *pResult = 0;  // the text is set by OnEndEdit
        return TRUE;
    }
    default: return CStatic::OnNotify(wParam, lParam, pResult);
    }
}
