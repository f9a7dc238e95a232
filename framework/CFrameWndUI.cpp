// CFrameWnd's user-interface state: menus and title, the message line, the idle update, help
// mode, print-preview switching and the bar show/hide commands.
#include "framework/CFrameWnd.h"
#include "framework/CCmdUI.h"
#include "framework/CControlBar.h"
#include "framework/CDockState.h"
#include "framework/CDocument.h"
#include "framework/CMenu.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"

// ---- menus and title

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == nullptr) {
        if (CDocument* pDoc = GetActiveDocument()) hMenuAlt = pDoc->GetDefaultMenu();
        if (hMenuAlt == nullptr) hMenuAlt = m_hMenuDefault;
    }
    ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE)) return;
    CDocument* pDoc = GetActiveDocument();
    CString text;
    if (bAddToTitle && pDoc != nullptr) {
        // "document - application" or "application - document"
        if (GetStyle() & FWS_PREFIXTITLE)
            text = pDoc->GetTitle() + " - " + m_strTitle;
        else
            text = m_strTitle + " - " + pDoc->GetTitle();
    } else {
        text = m_strTitle;
    }
    CString current;
    GetWindowText(current);
    if (current != text) SetWindowText(text);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu) return;
    // Each item's state is pulled from the command targets; a popup item follows its first item.
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = (UINT)pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0) continue;  // separator
        if (state.m_nID == (UINT)-1) {
            state.m_pSubMenu = pMenu->GetSubMenu((int)state.m_nIndex);
            if (state.m_pSubMenu == nullptr) continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == (UINT)-1) continue;
            state.DoUpdate(this, FALSE);  // a popup is never disabled for want of a handler
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // A handler may have added or removed items: keep the index on the same item.
        UINT nCount = (UINT)pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount &&
                   pMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

// ---- message line

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    // The string of a command holds the prompt, a line break and the tooltip.
    rMessage.Empty();
    CString full;
    if (!full.LoadString(nID)) return;
    int nl = full.Find('\n');
    rMessage = nl < 0 ? full : full.Left(nl);
}

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nFlags &= ~WF_NOPOPMSG;
    if (CWnd* pMessageBar = GetMessageBar()) {
        CString text;
        if (lParam != 0)
            text = (LPCSTR)lParam;
        else if (wParam != 0)
            GetMessageString((UINT)wParam, text);
        pMessageBar->SetWindowText(text);
        if (CFrameWnd* pBarFrame = pMessageBar->GetParentFrame()) {
            pBarFrame->m_nIDLastMessage = (UINT)wParam;
            pBarFrame->m_nIDTracking = (UINT)wParam;
        }
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (m_nFlags & WF_NOPOPMSG) return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU)
{
    if (nFlags == 0xFFFF) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
        m_nIDTracking = 0;
    } else {
        m_nIDTracking = nItemID;
    }
    m_nFlags |= WF_NOPOPMSG;
    if (m_nIDTracking != m_nIDLastMessage && GetParent() != nullptr) PostMessage(WM_KICKIDLE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd*)
{
    // The menu loop is idle: the message line follows the selected item.
    Default();
    if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage) return;
    SetMessageText(m_nIDTracking);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu) {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

// ---- help mode

BOOL CFrameWnd::CanEnterHelpMode()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pszHelpFilePath != nullptr;
}

void CFrameWnd::ExitHelpMode()
{
    if (!m_bHelpMode) return;
    m_bHelpMode = FALSE;
    ::PostMessageA(m_hWnd, WM_KICKIDLE, 0, 0);
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_nIDTracking != 0 ? HID_BASE_COMMAND + m_nIDTracking : 0;
}

void CFrameWnd::OnContextHelp()
{
    if (m_bHelpMode || !CanEnterHelpMode()) return;
    // Help mode: the help cursor waits for a click; the window under it tells its help context
    // through WM_HELPHITTEST (itself or a parent). Escape, another button or losing the capture
    // leaves without help.
    m_bHelpMode = HELP_ACTIVE;
    SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_HELP));
    DWORD_PTR dwContext = 0;
    MSG msg;
    while (m_bHelpMode && ::GetCapture() == m_hWnd && ::GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN) {
            POINT pt = msg.pt;
            for (HWND hWnd = ::WindowFromPoint(pt); hWnd != nullptr && dwContext == 0;
                 hWnd = ::GetParent(hWnd)) {
                POINT ptClient = pt;
                ::ScreenToClient(hWnd, &ptClient);
                dwContext = (DWORD_PTR)::SendMessageA(hWnd, WM_HELPHITTEST, 0,
                                                      MAKELPARAM(ptClient.x, ptClient.y));
            }
            break;
        }
        if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) ||
            msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN)
            break;
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_SETCURSOR) {
            ::SetCursor(::LoadCursor(nullptr, IDC_HELP));
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    ExitHelpMode();
    if (dwContext != 0) WinHelp(dwContext, HELP_CONTEXT);
}

void CFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    ExitHelpMode();
    CWnd::WinHelp(dwData, nCmd);
}

// ---- print preview

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (bPreview) {
        // The menu, the bars and the view make way for the preview; what was shown is recorded.
        pState->hMenu = ::GetMenu(m_hWnd);
        ::SetMenu(m_hWnd, nullptr);
        pState->dwStates = 0;
        for (UINT nID = AFX_IDW_CONTROLBAR_FIRST; nID < AFX_IDW_CONTROLBAR_FIRST + 32; nID++) {
            HWND hBar = ::GetDlgItem(m_hWnd, nID);
            if (hBar != nullptr && (::GetWindowLongPtrA(hBar, GWL_STYLE) & WS_VISIBLE)) {
                pState->dwStates |= 1u << (nID - AFX_IDW_CONTROLBAR_FIRST);
                // The status bar stays: the preview tells the pages shown there.
                if (nID != AFX_IDW_STATUS_BAR) ::ShowWindow(hBar, SW_HIDE);
            }
        }
        if (HWND hPane = ::GetDlgItem(m_hWnd, pState->nIDMainPane)) {
            ::ShowWindow(hPane, SW_HIDE);
            ::SetWindowLongPtrA(hPane, GWLP_ID, AFX_IDW_PANE_SAVE);
        }
        pState->hAccelTable = m_hAccelTable;
        m_hAccelTable = nullptr;
        pState->pViewActiveOld = m_pViewActive;
        m_lpfnCloseProc = pState->lpfnCloseProc;
    } else {
        if (HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_SAVE)) {
            ::SetWindowLongPtrA(hPane, GWLP_ID, pState->nIDMainPane);
            ::ShowWindow(hPane, SW_SHOW);
        }
        for (UINT i = 0; i < 32; i++)
            if (pState->dwStates & (1u << i))
                if (HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_CONTROLBAR_FIRST + i))
                    ::ShowWindow(hBar, SW_SHOW);
        ::SetMenu(m_hWnd, pState->hMenu);
        if (m_hAccelTable == nullptr) m_hAccelTable = pState->hAccelTable;
        m_lpfnCloseProc = nullptr;
        if (pState->pViewActiveOld != nullptr) SetActiveView(pState->pViewActiveOld);
    }
    RecalcLayout();
}

// ---- bars

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    CWnd* pWnd = GetDescendantWindow((int)nID, TRUE);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar))
               ? static_cast<CControlBar*>(pWnd)
               : nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (bDelay) {
        pBar->DelayShow(bShow);
        DelayRecalcLayout();
    } else {
        pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
        RecalcLayout();
    }
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int key = 0;
    switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS: key = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: key = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: key = VK_SCROLL; break;
    default: pCmdUI->ContinueRouting(); return;
    }
    // The low bit of a key's state is its toggle: the lock, not whether the key is held down.
    pCmdUI->Enable((::GetKeyState(key) & 1) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    state.m_sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

void CFrameWnd::SetDockState(const CDockState&) {}  // no bar of the platform's to place
