// CMDIFrameWnd: the MDI client, the routing of commands and menus through the active document
// frame, and the Window menu's commands.
#include "framework/CMDIFrameWnd.h"

#include <vector>

#include "framework/CCmdUI.h"
#include "framework/CCreateContext.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() {}

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    // The MDI client draws the sunken edge around the documents, not the frame.
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
    // The frame's own menu goes through the MDI client, which keeps the Window menu's list.
    OnUpdateFrameMenu(nullptr);
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* pMenu = nullptr;
    if (HMENU hMenu = ::GetMenu(m_hWnd)) {
        if (HMENU hWindowMenu = GetWindowMenuPopup(hMenu)) pMenu = CMenu::FromHandle(hWindowMenu);
    }
    return CreateClient(lpcs, pMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->GetSafeHmenu() : nullptr;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                    MDIS_ALLCHILDSTYLES;
    // The frame's scroll bars belong to the client: the documents scroll inside it.
    if (lpCreateStruct != nullptr) dwStyle |= lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL);
    // The client edge stands in for the plain border.
    dwStyle &= ~WS_BORDER;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0,
                                        m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST,
                                        AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == nullptr) {
        ::OutputDebugStringA("Lornival: the MDI client window could not be created\n");
        return FALSE;
    }
    ::BringWindowToTop(m_hWndMDIClient);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr || !::IsMenu(hMenuBar)) return nullptr;
    // From the right: the Window menu is usually among the last popups.
    for (int iItem = ::GetMenuItemCount(hMenuBar) - 1; iItem >= 0; iItem--) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, iItem);
        if (hPopup == nullptr) continue;
        const int nCount = ::GetMenuItemCount(hPopup);
        for (int i = 0; i < nCount; i++) {
            const UINT nID = ::GetMenuItemID(hPopup, i);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST) return hPopup;
        }
    }
    return nullptr;
}

void CMDIFrameWnd::OnDestroy()
{
    // The documents go through the MDI client while it is whole: the system's client frees its
    // bookkeeping before its children would go with it.
    if (m_hWndMDIClient != nullptr) {
        std::vector<HWND> documents;
        for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            if (::GetWindowLongPtrA(hChild, GWL_EXSTYLE) & WS_EX_MDICHILD)
                documents.push_back(hChild);
        for (HWND hChild : documents)
            if (::IsWindow(hChild))
                ::SendMessageA(m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)hChild, 0);
    }
    CFrameWnd::OnDestroy();
}

// ---- the documents

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (m_hWndMDIClient == nullptr) {
        if (pbMaximized != nullptr) *pbMaximized = FALSE;
        return nullptr;
    }
    BOOL bMaximized = FALSE;
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    if (pbMaximized != nullptr) *pbMaximized = hWnd != nullptr && bMaximized;
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(hWnd));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)AfxGetSafeHwnd(pWndActivate), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)AfxGetSafeHwnd(pWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)AfxGetSafeHwnd(pWnd), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0); }
void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActive = MDIGetActive();
    return pActive != nullptr ? static_cast<CFrameWnd*>(pActive) : this;
}

// ---- dispatch

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system's frame procedure keeps the client sized and handles the Window menu's items.
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // Ctrl+F4, Ctrl+F6 and the document's system menu keys come first.
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active document frame (with its view and document) before the main frame.
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive != nullptr && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The Window menu's document items are the system's to handle.
    const UINT nID = LOWORD(wParam);
    if (lParam == 0 && nID >= AFX_IDM_FIRST_MDICHILD) {
        DefWindowProc(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

// ---- menus

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (CMDIChildWnd* pActive = MDIGetActive()) {
        pActive->OnUpdateFrameMenu(TRUE, pActive, hMenuAlt);
        return;
    }
    HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
    if (hMenu == nullptr || m_hWndMDIClient == nullptr) return;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu,
                   (LPARAM)GetWindowMenuPopup(hMenu));
}

void CMDIFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    OnUpdateFrameMenu(hMenuAlt);
    m_nIdleFlags |= idleMenu;
}

// ---- the Window menu's commands

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActive = MDIGetActive();
    CDocument* pDocument = pActive != nullptr ? pActive->GetActiveDocument() : nullptr;
    CDocTemplate* pTemplate = pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
    if (pTemplate == nullptr) {
        ::MessageBeep((UINT)-1);
        return;
    }
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActive);
    if (pFrame == nullptr) return;
    pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); break;
    case ID_WINDOW_CASCADE: MDICascade(); break;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); break;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); break;
    default: return FALSE;
    }
    return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}
