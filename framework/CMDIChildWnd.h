// A document frame inside an MDI frame: a child of the MDI client with its own view, menu and
// title. The MDI client creates and destroys it (WM_MDICREATE, WM_MDIDESTROY); activation puts
// its menu on the main frame.
#pragma once

#include "framework/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // Created by the MDI client of pParentWnd (or of the application's main frame).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                CCreateContext* pContext = nullptr);
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                          FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CMDIFrameWnd* GetMDIFrame() const;

    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    HMENU m_hMenuShared = nullptr;  // the menu the main frame shows while this frame is active

    // ---- overrides
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The main frame's menu for this frame's (de)activation.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnSize(UINT nType, int cx, int cy);

protected:
    DECLARE_MESSAGE_MAP()
};
