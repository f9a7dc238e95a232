// The main frame of a multiple-document program: a frame whose view is the system's MDI client
// window, which holds the document frames (CMDIChildWnd). Commands go to the active document
// frame first; the Window menu's commands arrange the documents.
#pragma once

#include "framework/CFrameWnd.h"

class CMDIChildWnd;

// The Window menu's commands (the platform's values)
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_SPLIT 0xE135
// The range of Window-menu commands by which a popup is recognised as the Window menu.
#define AFX_IDM_WINDOW_FIRST 0xE130
#define AFX_IDM_WINDOW_LAST 0xE13F
// The MDI client numbers the document items it adds to the Window menu from here.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;  // the MDI client window (id AFX_IDW_PANE_FIRST)

    // Creates the MDI client with the Window popup of the frame's menu.
    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The popup of the menu bar that holds a Window-menu command; null when none does.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // ---- the documents
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();

    // ---- overrides
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    CFrameWnd* GetActiveFrame() override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void DelayUpdateFrameMenu(HMENU hMenuAlt) override;

    void OnDestroy();

protected:
    // ID_WINDOW_NEW: another frame on the active document.
    void OnWindowNew();
    // Cascade, tile and arrange.
    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
