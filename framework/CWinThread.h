// A thread that runs a message loop: the loop itself (Run, PumpMessage), idle processing that
// pulls command state into the visible frames and their bars, and pre-translation of messages.
// The application (CWinApp) is the main thread's CWinThread.
#pragma once

#include "framework/CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd = nullptr;  // the window whose destruction ends the loop
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur = {};  // the message the loop took last

    virtual BOOL InitInstance();
    virtual int ExitInstance();  // returns the exit code (WM_QUIT's wParam by default)
    virtual int Run();
    // lCount counts idle calls since the last message; TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

    // Sends WM_IDLEUPDATECMDUI to a frame and all its descendants that have objects.
    static void SendIdleUpdate(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()
};

CWinThread* AfxGetThread();
