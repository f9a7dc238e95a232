// CFrameWnd's life and structure: creation from a resource id, the view, layout of bars and
// view, activation, command routing and closing.
#include "framework/CFrameWnd.h"
#include "framework/AfxThreadState.h"
#include "framework/CControlBar.h"
#include "framework/CCreateContext.h"
#include "framework/CDocument.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, &CFrameWnd::OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
ON_MESSAGE(WM_HELPHITTEST, &CFrameWnd::OnHelpHitTest)
ON_COMMAND(ID_CONTEXT_HELP, &CFrameWnd::OnContextHelp)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() { AfxGetThreadState()->m_frameList.push_back(this); }

CFrameWnd::~CFrameWnd()
{
    auto& frames = AfxGetThreadState()->m_frameList;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
    if (m_hAccelTable != nullptr) ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::IsLiveFrame(CFrameWnd* pFrame)
{
    auto& frames = AfxGetThreadState()->m_frameList;
    return std::find(frames.begin(), frames.end(), pFrame) != frames.end();
}

void CFrameWnd::PostNcDestroy() { delete this; }  // frames are always heap objects

// ---- creation

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(
            CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
            (HBRUSH)(COLOR_WINDOW + 1), ::LoadIcon(nullptr, IDI_APPLICATION));
    if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == nullptr) {
            ::OutputDebugStringA("Lornival: the frame's menu resource is missing\n");
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd), hMenu,
                  (LPVOID)pContext))
    {
        // The object may be gone (PostNcDestroy); only the menu handle is ours to free.
        if (hMenu != nullptr) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
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
    LPCSTR lpszClass = nullptr;
    if (hIcon != nullptr)
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                        ::LoadCursor(nullptr, IDC_ARROW),
                                        (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCEA(nIDResource), 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr) return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR),
                                        lpszResourceName);
    return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (!OnCreateClient(lpcs, pContext)) {
        ::OutputDebugStringA("Lornival: the frame could not create its view\n");
        return -1;
    }
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr) {
        delete pObject;
        return nullptr;
    }
    // Views are created with a border, which they turn into the client edge.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;  // the view deleted itself (PostNcDestroy)
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

// ---- layout

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout) return;
    ScopedValue<BOOL> inLayout(m_bInRecalcLayout, TRUE);
    if (m_nIdleFlags & idleNotify) bNotify = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    (void)bNotify;
    if (GetStyle() & FWS_SNAPTOBARS) {
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                     SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    } else {
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    }
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd) {
    case borderGet: {
        CRect rect;
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect);
        ::CopyRect(lpRectBorder, &rect);
        return TRUE;
    }
    case borderRequest: return TRUE;
    case borderSet:
        if (lpRectBorder == nullptr) {
            if (m_rectBorder.IsRectNull()) return FALSE;
            m_rectBorder.SetRectEmpty();
            return TRUE;
        }
        if (::EqualRect(&m_rectBorder, lpRectBorder)) return FALSE;
        ::CopyRect(&m_rectBorder, lpRectBorder);
        return TRUE;
    default: return TRUE;
    }
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // A view covers the client area: erasing under it only flickers.
    if (m_pViewActive != nullptr) return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

// ---- views, documents, activation

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = nullptr;  // no view is active while they are told
    if (bNotify && pViewOld != nullptr) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        BringWindowToTop();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != nullptr) pView->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this) {
            nCmdShow = pApp->m_nCmdShow;  // WinMain's show command, the first time only
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr) pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr) pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // The top-level frame stays active-looking while the window taking activation is itself, or
    // a floating window of its own that synchronises with it.
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
    BOOL bStayActive = FALSE;
    if (pActive != nullptr && pTopLevel != nullptr)
        bStayActive = pTopLevel == pActive ||
                      (pActive->GetTopLevelOwner() == pTopLevel->GetTopLevelOwner() &&
                       pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0);
    if (pTopLevel != nullptr) {
        pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
        if (bStayActive) pTopLevel->m_nFlags |= WF_STAYACTIVE;
    }
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
    if (m_pViewActive != nullptr) {
        if (nState != WA_INACTIVE && !bMinimized)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
        m_pViewActive->OnActivateFrame(nState, this);
    }
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    CFrameWnd* pParent = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (pParent == nullptr) return;
    if (dwFlags & (FS_DEACTIVATE | FS_ACTIVATE)) {
        BOOL bActivate = !(dwFlags & FS_DEACTIVATE);
        pParent->SendMessage(WM_NCACTIVATE, bActivate && pParent->IsWindowEnabled());
    }
    // Every top-level window the frame owns hears the new state.
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        HWND hOwner = hWnd;
        while ((hOwner = ::GetWindow(hOwner, GW_OWNER)) != nullptr && hOwner != pParent->m_hWnd) {
        }
        if (hOwner == pParent->m_hWnd) ::SendMessageA(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    // A frame whose popup is active keeps its active caption.
    if (m_nFlags & WF_STAYACTIVE) bActive = TRUE;
    if (!IsWindowEnabled()) bActive = FALSE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

// ---- routing

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndCtrl = (HWND)lParam;
    UINT nID = LOWORD(wParam);
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != nullptr && pFrame->m_bHelpMode && hWndCtrl == nullptr && nID != ID_HELP &&
        nID != ID_DEFAULT_HELP && nID != ID_CONTEXT_HELP)
    {
        // In help mode a command asks for its help instead of running.
        if (!SendMessage(WM_COMMANDHELP, 0, HID_BASE_COMMAND + nID))
            SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        // The accelerators of the frame, else of its document.
        HACCEL hAccel = m_hAccelTable;
        if (CDocument* pDoc = GetActiveDocument())
            if (HACCEL hDocAccel = pDoc->GetDefaultAccelerator()) hAccel = hDocAccel;
        if (hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg)) return TRUE;
    }
    return FALSE;
}

// ---- closing

void CFrameWnd::OnClose()
{
    if (m_lpfnCloseProc != nullptr) {  // print preview ends instead
        m_lpfnCloseProc(this);
        return;
    }
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this)) return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        if (pDocument == nullptr && !pApp->SaveAllModified()) return;
        pApp->CloseAllDocuments(FALSE);
        // Closing the documents destroyed this frame: the loop ends on the posted WM_QUIT.
        if (pApp->m_pMainWnd == nullptr) return;
    }
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        // The last frame of a document closes the document instead.
        BOOL bOtherFrame = FALSE;
        for (POSITION pos = pDocument->GetFirstViewPosition(); pos != nullptr;) {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this) {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // The bars and view go with the frame; nothing may lay them out meanwhile.
    m_bInRecalcLayout = TRUE;
    if (m_pViewActive != nullptr) SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}
