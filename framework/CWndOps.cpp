// CWnd's wrappers that need more than one call: relatives and frames, styles, geometry, text,
// device contexts, menus, bar layout (RepositionBars), data exchange and dialog-control updates.
#include "framework/CWnd.h"
#include "framework/AfxThreadState.h"
#include "framework/CCmdUI.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CFrameWnd.h"
#include "framework/CGdiObject.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "framework/CException.h"

namespace
{
HWND ParentOrOwner(HWND hWnd)
{
    if (hWnd == nullptr) return nullptr;
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd)
                                                             : ::GetWindow(hWnd, GW_OWNER);
}
}  // namespace

// ---- relatives

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent())
        if (pParent->IsFrameWnd()) return static_cast<CFrameWnd*>(pParent);
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    CFrameWnd* pFrame = IsFrameWnd() ? (CFrameWnd*)this : GetParentFrame();
    if (pFrame != nullptr)
        while (CFrameWnd* pUp = pFrame->GetParentFrame()) pFrame = pUp;
    return pFrame;
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    HWND hWnd = m_hWnd;
    while (HWND hUp = ParentOrOwner(hWnd)) hWnd = hUp;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    HWND hWnd = m_hWnd;
    while (HWND hOwner = ::GetWindow(hWnd, GW_OWNER)) hWnd = hOwner;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == nullptr) return nullptr;
    HWND hWnd = m_hWnd;
    HWND hUp;
    while ((::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) &&
           (hUp = ::GetParent(hWnd)) != nullptr)
        hWnd = hUp;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) const
{
    return GetSafeOwner_(AfxGetSafeHwnd(pParent), pWndTop);
}

CWnd* CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == nullptr) hWnd = AfxGetSafeHwnd(AfxGetMainWnd());
    while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    while (HWND hUp = ParentOrOwner(hWndTop)) hWndTop = hUp;
    if (hParent == nullptr && hWnd != nullptr) hWnd = ::GetLastActivePopup(hWnd);
    if (pWndTop != nullptr) {
        // The caller shows something modal: the top-level window is disabled meanwhile.
        if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        } else {
            *pWndTop = nullptr;
        }
    }
    return FromHandle(hWnd);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

CWnd* CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hChild = ::GetDlgItem(hWnd, nID);
    if (hChild != nullptr && ::GetTopWindow(hChild) != nullptr) {
        // The direct child with that id has children of its own: they may hold a closer match.
        if (CWnd* p = GetDescendantWindow(hChild, nID, bOnlyPerm)) return p;
    }
    if (hChild != nullptr) {
        CWnd* p = bOnlyPerm ? FromHandlePermanent(hChild) : FromHandle(hChild);
        if (p != nullptr) return p;
    }
    for (hChild = ::GetTopWindow(hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (CWnd* p = GetDescendantWindow(hChild, nID, bOnlyPerm)) return p;
    return nullptr;
}

// ---- styles and geometry

namespace
{
// Changes the style word nIndex (GWL_STYLE or GWL_EXSTYLE); nFlags, when given, makes the window
// take the change (SetWindowPos with SWP_FRAMECHANGED and the like). FALSE when nothing changed.
BOOL ModifyStyleWord(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hWnd, nIndex);
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew) return FALSE;
    ::SetWindowLongPtrA(hWnd, nIndex, (LONG_PTR)dwNew);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleWord(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleWord(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hAfter = pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0) dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                      : (GetStyle() & WS_CHILD)  ? ::GetParent(m_hWnd)
                                                 : ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    CRect rcCenter = rcArea;
    if (GetStyle() & WS_CHILD) {
        ::GetClientRect(::GetParent(m_hWnd), &rcArea);
        rcCenter = rcArea;
        if (hWndCenter != nullptr && hWndCenter != ::GetParent(m_hWnd)) {
            ::GetClientRect(hWndCenter, &rcCenter);
            ::MapWindowPoints(hWndCenter, ::GetParent(m_hWnd), (LPPOINT)&rcCenter, 2);
        }
    } else if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)) {
        ::GetWindowRect(hWndCenter, &rcCenter);
    }
    int x = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (x + rcDlg.Width() > rcArea.right) x = rcArea.right - rcDlg.Width();
    if (x < rcArea.left) x = rcArea.left;
    if (y + rcDlg.Height() > rcArea.bottom) y = rcArea.bottom - rcDlg.Height();
    if (y < rcArea.top) y = rcArea.top;
    SetWindowPos(nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    HWND hParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hParent, (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect)) return;  // nothing moves: no repaint
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(
            lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
            lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    BOOL bQuery = (nFlags & ~reposNoPosLeftOver) == reposQuery;
    layout.hDWP = bQuery ? nullptr : ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)::GetDlgCtrlID(hChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hChild) != nullptr)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    if (bQuery) {
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else
            ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        return;
    }
    if ((nFlags & ~reposNoPosLeftOver) == reposExtra && lpRectParam != nullptr) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (nIDLeftOver != 0 && hWndLeftOver != nullptr && !(nFlags & reposNoPosLeftOver)) {
        FromHandle(hWndLeftOver)->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP != nullptr) ::EndDeferWindowPos(layout.hDWP);
}

// ---- painting and device contexts

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, (HRGN)AfxGetSafeHandle(pRgn), bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, (HRGN)AfxGetSafeHandle(prgnUpdate), flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, (HRGN)AfxGetSafeHandle(prgnClip), flags));
}
int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, AfxGetSafeHdc(pDC)); }

// ---- text, fonts, menus, scrolling

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem != nullptr) FromHandle(hItem)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)AfxGetSafeHandle(pFont), bRedraw);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle((HFONT)SendMessage(WM_GETFONT)); }

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr) lpszCaption = AfxGetAppName();
    return ::MessageBoxA(GetSafeHwnd(), lpszText, lpszCaption, nType);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(dwData, nCmd);
}

// ---- data exchange

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // Notifications that the exchange itself causes (EN_CHANGE from setting a text) are dropped.
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    HWND hWndOldLockout = ts->m_hLockoutNotifyWindow;
    ts->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CDataExchange::Failure&) {
        // The field was reported to the user and has the focus again.
    } catch (CException* e) {
        ::OutputDebugStringA("Lornival: data exchange failed\n");
        e->Delete();
    }
    ts->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr) return TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(240));  // RT_DLGINIT
    if (hRes == nullptr) return TRUE;  // a dialog without initial data
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    if (hData == nullptr) return FALSE;
    return CDataExchange::ApplyDlgInit(m_hWnd, (const BYTE*)::LockResource(hData),
                                       ::SizeofResource(hInst, hRes));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    return lpResource == nullptr ||
           CDataExchange::ApplyDlgInit(m_hWnd, (const BYTE*)lpResource, (DWORD)-1);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp;  // stands for controls that have no object of their own
    for (HWND hCtrl = ::GetTopWindow(m_hWnd); hCtrl != nullptr;
         hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT)) {
        wndTemp.m_hWnd = hCtrl;
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hCtrl);
        state.m_pOther = &wndTemp;
        // A command the control itself handles (it was reflected) is not asked of the target.
        if (CWnd* pCtrl = FromHandlePermanent(hCtrl))
            if (pCtrl->OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr)) continue;
        // Only push buttons update from commands; other controls keep their state.
        BOOL bDisable = bDisableIfNoHndler;
        if (bDisable) {
            UINT code = (UINT)::SendMessageA(hCtrl, WM_GETDLGCODE, 0, 0);
            if (!(code & DLGC_BUTTON)) {
                bDisable = FALSE;
            } else {
                UINT style = (UINT)::GetWindowLongPtrA(hCtrl, GWL_STYLE) & 0x0F;
                if (style != BS_PUSHBUTTON && style != BS_DEFPUSHBUTTON && style != BS_USERBUTTON &&
                    style != BS_OWNERDRAW)
                    bDisable = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisable);
    }
    wndTemp.m_hWnd = nullptr;
}
