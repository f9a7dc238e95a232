// The message loop, idle processing and pre-translation of a UI thread.
#include "framework/CWinThread.h"
#include "framework/AfxThreadState.h"
#include "framework/CFrameWnd.h"
#include "framework/CHandleMap.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread* AfxGetThread() { return AfxGetThreadState()->m_pCurrentWinThread; }

CWinThread::CWinThread()
{
    AfxGetThreadState()->m_pCurrentWinThread = this;
    m_nThreadID = ::GetCurrentThreadId();
}

CWinThread::~CWinThread()
{
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (ts->m_pCurrentWinThread == this) ts->m_pCurrentWinThread = nullptr;
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that do not move and the caret's blink timer do not restart idle processing.
    AFX_THREAD_STATE* ts = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (ts->m_ptLastMouse.x == pMsg->pt.x && ts->m_ptLastMouse.y == pMsg->pt.y &&
            pMsg->message == ts->m_nMsgLast)
            return FALSE;
        ts->m_ptLastMouse = pMsg->pt;
        ts->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT &&
           pMsg->message != 0x0118;  // 0x0118: the caret's system timer
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
            if (!OnIdle(lIdleCount++)) bIdle = FALSE;
        do {
            if (!PumpMessage()) return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void CWinThread::SendIdleUpdate(CWnd* pWnd)
{
    AfxCallWndProc(pWnd, pWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        // Command state is pulled into every visible frame of the thread: the main one and the
        // floating ones, which are popups and so not among the main window's descendants.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
            SendIdleUpdate(pMainWnd);
        std::vector<CFrameWnd*> frames = AfxGetThreadState()->m_frameList;
        for (CFrameWnd* pFrame : frames) {
            if (!CFrameWnd::IsLiveFrame(pFrame)) continue;  // destroyed by an earlier update
            if (pFrame == pMainWnd || pFrame->m_hWnd == nullptr || !pFrame->IsWindowVisible())
                continue;
            if (pMainWnd != nullptr && ::IsChild(pMainWnd->m_hWnd, pFrame->m_hWnd)) continue;
            SendIdleUpdate(pFrame);
        }
        return TRUE;
    }
    if (lCount == 1) AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr) {
        // A thread message: the thread's own map may take it.
        const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), pMsg->message, 0, 0);
        if (e != nullptr) {
            AfxMessage m = {pMsg->message, pMsg->wParam, pMsg->lParam, 0, 0, nullptr, 0};
            e->pfn(this, m);
            return TRUE;
        }
    }
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(AfxGetSafeHwnd(pMainWnd), pMsg)) return TRUE;
    // A modeless window outside the main window still gets the main window's accelerators.
    if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd) return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}
