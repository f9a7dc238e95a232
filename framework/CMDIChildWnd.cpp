// CMDIChildWnd: creation through the MDI client, the main frame's menu while the document frame is
// active, and the title with the document's name.
#include "framework/CMDIChildWnd.h"

#include "framework/CCreateContext.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIFrameWnd.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_MDIACTIVATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() {}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    // Inside the MDI client's own sunken edge the document frame needs none.
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style |= WS_CHILD;
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr) pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
        ::OutputDebugStringA("Lornival: a document frame needs an MDI frame\n");
        PostNcDestroy();
        return FALSE;
    }
    CREATESTRUCTA cs = {};
    cs.style = dwStyle & ~WS_MAXIMIZE;  // maximised below, once the window exists
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName;
    // The MDI client creates the window: the object is attached to it before its first message.
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = AfxGetInstanceHandle();
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate()) PostNcDestroy();  // the hook never saw a window
    if (hWnd == nullptr) return FALSE;
    if (dwStyle & WS_VISIBLE) {
        // A document made visible is the active one.
        ::ShowWindow(hWnd, (dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)hWnd, 0);
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    // The title is the first line of the resource string, when there is one.
    CString full;
    if (full.LoadString(nIDResource)) {
        int nl = full.Find('\n');
        m_strTitle = nl < 0 ? full : full.Left(nl);
    }
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), RT_GROUP_ICON);
    HICON hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    LPCSTR lpszClass = AfxRegisterWndClass(
        CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1),
        hIcon != nullptr ? hIcon : ::LoadIcon(nullptr, IDI_APPLICATION));
    // Shown by InitialUpdateFrame, not at creation.
    CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle & ~WS_VISIBLE, rectDefault,
                dynamic_cast<CMDIFrameWnd*>(pParentWnd), pContext))
        return FALSE;
    // The document's template lends its menu and accelerators.
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr) {
        m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;
        m_hAccelTable = nullptr;
    }
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    return hClient != nullptr
               ? dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandlePermanent(::GetParent(hClient)))
               : nullptr;
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // The MDI client passes the creation context inside its own creation record.
    CREATESTRUCTA cs = *lpcs;
    const MDICREATESTRUCTA* pmcs = (const MDICREATESTRUCTA*)lpcs->lpCreateParams;
    cs.lpCreateParams = pmcs != nullptr ? (LPVOID)pmcs->lParam : nullptr;
    return CFrameWnd::OnCreate(&cs);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr) return FALSE;
    // A document frame is destroyed by its MDI client, which updates the Window menu.
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}
void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Only the view's own translation here: the accelerators are the main frame's to apply, with
    // this frame's table while it is active.
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    HACCEL hAccel = m_hAccelTable;
    if (CDocument* pDoc = GetActiveDocument())
        if (HACCEL hDocAccel = pDoc->GetDefaultAccelerator()) hAccel = hDocAccel;
    return hAccel != nullptr && ::TranslateAcceleratorA(pFrame->m_hWnd, hAccel, pMsg);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    BOOL bVisibleThen = IsWindowVisible();
    CMDIFrameWnd* pFrame = GetMDIFrame();
    // A new document frame opens maximised when the active one is.
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = pFrame != nullptr ? pFrame->MDIGetActive(&bMaximized) : nullptr;
    if (nCmdShow == -1) {
        if (!bVisibleThen)
            nCmdShow = (pActive != nullptr && pActive != this && bMaximized) ? SW_SHOWMAXIMIZED
                                                                             : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) ShowWindow(nCmdShow);
    if (pFrame != nullptr) {
        MDIActivate();
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        if (!bVisibleThen) ::DrawMenuBar(pFrame->m_hWnd);
    }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CString title = m_strTitle;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && (GetStyle() & FWS_ADDTOTITLE) && pDocument != nullptr)
        title = pDocument->GetTitle();
    CString current;
    GetWindowText(current);
    if (current != title) SetWindowText(title);
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::OnUpdateFrameMenu(HMENU hMenuAlt) { OnUpdateFrameMenu(TRUE, this, hMenuAlt); }

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr || pFrame->m_hWndMDIClient == nullptr) return;
    HMENU hMenu = nullptr;
    if (bActivate)
        hMenu = hMenuAlt != nullptr        ? hMenuAlt
                : m_hMenuShared != nullptr ? m_hMenuShared
                                           : pFrame->m_hMenuDefault;
    else if (pActivateWnd == nullptr)
        hMenu = pFrame->m_hMenuDefault;  // the last document frame went: the frame's own menu
    // Otherwise the document frame taking over puts up its own menu.
    if (hMenu == nullptr) return;
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu,
                   (LPARAM)pFrame->GetWindowMenuPopup(hMenu));
    ::DrawMenuBar(pFrame->m_hWnd);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // The system keeps the Window menu and the maximised child's buttons: its handling first.
    Default();
    if (nType != SIZE_MINIMIZED) RecalcLayout();
    (void)cx;
    (void)cy;
}
