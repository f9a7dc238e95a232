// What the window side of the framework keeps per thread: the message being dispatched, the
// window waiting for its creation hook, the tooltip relay, the frames that get the idle update.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <vector>

class CWnd;
class CWinThread;
class CFrameWnd;
class CToolTipCtrl;

// One dispatch of one message to one window object, so that an object deleted inside its own
// message is not touched again when the message returns. The thread keeps them outermost first;
// each notes where on the stack its call stands.
struct AfxDispatchFrame
{
    CWnd* pWnd;
    bool bDeleted;
    const void* pStack;
};

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE() = default;
    AFX_THREAD_STATE(const AFX_THREAD_STATE&) = delete;
    AFX_THREAD_STATE& operator=(const AFX_THREAD_STATE&) = delete;
    ~AFX_THREAD_STATE();  // deletes the thread's objects (AfxGetThreadObject), newest first

    MSG m_lastSentMsg = {};      // the message being dispatched (Default() passes it on)
    MSG m_msgCur = {};           // the message the loop took last
    CWnd* m_pWndInit = nullptr;  // object waiting for the next HCBT_CREATEWND
    HHOOK m_hHookCbt = nullptr;  // the creation hook, installed once per thread
    HWND m_hLockoutNotifyWindow =
        nullptr;  // notifications to this window are dropped (DDX in progress)
    std::vector<AfxDispatchFrame> m_dispatch;  // the dispatches under way, outermost first
    CWinThread* m_pCurrentWinThread = nullptr;
    std::vector<CFrameWnd*> m_frameList;  // every frame of the thread, for the idle update
    std::vector<void (*)()> m_tempMapCleanups;
    struct ThreadObject
    {
        const void* key;
        void* object;
        void (*destroy)(void*);
    };
    std::vector<ThreadObject> m_threadObjects;
    // Tooltip relay
    CToolTipCtrl* m_pToolTip = nullptr;  // the thread's tooltip control, made on first use
    CWnd* m_pLastHit = nullptr;          // window whose tool is current
    INT_PTR m_nLastHit = -1;             // its OnToolHitTest result
    TOOLINFOA m_lastInfo = {};           // the tool as the tooltip knows it
    POINT m_ptLastMouse = {-1, -1};      // last mouse position the idle test saw (screen)
    UINT m_nMsgLast = 0;
};

AFX_THREAD_STATE* AfxGetThreadState();
