// CWnd's life: handle maps, the creation hook, attaching and subclassing, the window procedure
// that dispatches and stops exceptions, and the self-deletion that waits for the outermost message.
#include "framework/CWnd.h"
#include "framework/AfxHandlerReports.h"
#include "framework/AfxThreadState.h"
#include "framework/CHandleMap.h"
#include "framework/CException.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"
#include "framework/CFrameWnd.h"
#include <cstdio>
#include <exception>
#include <memory>
#include <mutex>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

typedef CHandleMap<CWnd, HWND, &CWnd::m_hWnd> CWndMap;

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace
{
CWnd* NewTempWnd() { return new CWnd; }

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (code == HCBT_CREATEWND && ts->m_pWndInit != nullptr) {
        CWnd* pWndInit = ts->m_pWndInit;
        ts->m_pWndInit = nullptr;  // only the first window of this creation is ours
        HWND hWnd = (HWND)wParam;
        pWndInit->Attach(hWnd);
        pWndInit->PreSubclassWindow();
        // Classes registered with another procedure (DefWindowProc, system controls, dialogs)
        // are subclassed here, so the object sees even WM_NCCREATE.
        WNDPROC oldProc = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
        if (oldProc != AfxWndProc) {
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
            pWndInit->m_pfnSuper = oldProc;
        }
    }
    return ::CallNextHookEx(ts->m_hHookCbt, code, wParam, lParam);
}
}  // namespace

// ---- handle maps

CWnd* CWnd::FromHandle(HWND hWnd) { return CWndMap::FromHandle(hWnd, &NewTempWnd); }
CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return CWndMap::FromHandlePermanent(hWnd); }
void CWnd::DeleteTempMap() { CWndMap::DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) { return CWndMap::Attach(this, hWndNew); }
HWND CWnd::Detach() { return CWndMap::Detach(this); }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldProc != AfxWndProc) m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

// ---- construction and destruction

CWnd::CWnd() {}

CWnd::~CWnd()
{
    for (AfxDispatchFrame& f : AfxGetThreadState()->m_dispatch)
        if (f.pWnd == this) f.bDeleted = true;
    if (m_hWnd != nullptr && !CWndMap::IsTemporary(this) && this != &wndTop && this != &wndBottom &&
        this != &wndTopMost && this != &wndNoTopMost)
    {
        if (FromHandlePermanent(m_hWnd) == this)
            DestroyWindow();
        else
            Detach();
    }
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (ts->m_hHookCbt == nullptr)
        ts->m_hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr,
                                             ::GetCurrentThreadId());
    ts->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (ts->m_pWndInit != nullptr) {  // the hook never saw the window: creation failed early
        ts->m_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) {
        PostNcDestroy();  // no message ever reached the object: let it clean up as after a destroy
        return FALSE;
    }
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr) return FALSE;
    CWnd* pWnd = FromHandlePermanent(m_hWnd);
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object may be gone now (PostNcDestroy); only an unattached one is touched.
    if (pWnd == nullptr && m_hWnd == hWnd) Detach();
    return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr) {
        if (pThread->m_pMainWnd == this) {
            // The main window is gone: the application ends when its loop sees WM_QUIT.
            if (pThread == AfxGetApp()) ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this) pThread->m_pActiveWnd = nullptr;
    }
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (ts->m_pLastHit == this) {
        CancelToolTips(FALSE);
        ts->m_pLastHit = nullptr;
        ts->m_nLastHit = -1;
    }
    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc && m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    m_bPostNcDestroyDue =
        TRUE;  // AfxCallWndProc calls PostNcDestroy once the outermost message returns
}

// ---- the window procedure

const MSG* AfxGetCurrentMessage() { return &AfxGetThreadState()->m_lastSentMsg; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    MSG oldState = ts->m_lastSentMsg;
    ts->m_lastSentMsg.hwnd = hWnd;
    ts->m_lastSentMsg.message = nMsg;
    ts->m_lastSentMsg.wParam = wParam;
    ts->m_lastSentMsg.lParam = lParam;
    // A dispatch noted at this depth of the stack or deeper never returned: the system swallowed
    // a fault inside its window procedure and unwound past the dispatcher. It is over; said so.
    std::vector<AfxDispatchFrame>& frames = ts->m_dispatch;
    const void* pStack = &oldState;
    while (!frames.empty() &&
           reinterpret_cast<uintptr_t>(frames.back().pStack) <= reinterpret_cast<uintptr_t>(pStack))
    {
        AfxReportHandlerException(nMsg,
                                  "an earlier message never returned (a fault in its handler)");
        if (!frames.back().bDeleted) --frames.back().pWnd->m_nMsgDepth;
        frames.pop_back();
    }
    const size_t nFrame = frames.size();
    frames.push_back({pWnd, false, pStack});
    ++pWnd->m_nMsgDepth;

    LRESULT lResult = 0;
    // On 32-bit mingw an exception that leaves a window procedure ends the process, so none may.
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        AfxReportHandlerException(nMsg, e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
        lResult = (nMsg == WM_CREATE) ? -1 : 0;
    } catch (const std::exception& e) {
        AfxReportHandlerException(nMsg, e.what());
        lResult = (nMsg == WM_CREATE) ? -1 : 0;
    } catch (...) {
        AfxReportHandlerException(nMsg, "unknown exception");
        lResult = (nMsg == WM_CREATE) ? -1 : 0;
    }

    const bool bDeleted = frames.size() > nFrame && frames[nFrame].bDeleted;
    // Dispatches inside this one that are still noted never returned: they end with it.
    for (size_t i = nFrame + 1; i < frames.size(); ++i) {
        AfxReportHandlerException(nMsg,
                                  "a message inside it never returned (a fault in its handler)");
        if (!frames[i].bDeleted) --frames[i].pWnd->m_nMsgDepth;
    }
    if (frames.size() > nFrame) frames.resize(nFrame);
    ts->m_lastSentMsg = oldState;
    if (bDeleted) return lResult;
    // A handler of WM_NCDESTROY that did not call the base still leaves the window detached.
    if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        if (pWnd->m_pfnSuper != nullptr)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pWnd->m_pfnSuper);
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        pWnd->m_bPostNcDestroyDue = TRUE;
    }
    if (--pWnd->m_nMsgDepth == 0 && pWnd->m_bPostNcDestroyDue) {
        pWnd->m_bPostNcDestroyDue = FALSE;
        pWnd->PostNcDestroy();
    }
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One name per combination, as the platform's generated names are; kept for the program's life.
    static std::mutex s_lock;  // constant-initialised: usable from any static constructor
    static std::vector<std::unique_ptr<char[]>>* names = new std::vector<std::unique_ptr<char[]>>;
    HINSTANCE hInst = AfxGetInstanceHandle();
    char name[96];
    snprintf(name, sizeof(name), "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
             (void*)hbrBackground, (void*)hIcon);
    std::lock_guard<std::mutex> lock(s_lock);
    for (const auto& n : *names)
        if (lstrcmpA(n.get(), name) == 0) return n.get();
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        if (!::RegisterClassA(&wc)) AfxThrowResourceException();
    }
    names->emplace_back(new char[lstrlenA(name) + 1]);
    lstrcpyA(names->back().get(), name);
    return names->back().get();
}
