// A frame window: hosts the view and the bars, lays them out (RecalcLayout), routes commands to
// the active view, the document, itself and the application, pulls menu and bar state at idle,
// keeps the message line, and runs help mode and print-preview mode switching.
#pragma once

#include "framework/CWnd.h"

class CView;
class CDocument;
class CControlBar;
class CCreateContext;
class CDockState;

// Frame window styles (the platform's values, in the low word of the window style)
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// Child window ids of a frame
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PREVIEW_BAR 0xE802
#define AFX_IDW_RESIZE_BAR 0xE803
#define AFX_IDW_REBAR 0xE804
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_PANE_SAVE 0xEA21

#define ID_DEFAULT_HELP 0xE147
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HELP_ACTIVE 1  // m_bHelpMode: help mode is on (waiting for the click)
#define HELP_ENTERING 2

// Saved across print preview: what the frame hid and must restore (OnSetPreviewMode).
struct CPrintPreviewState
{
    UINT nIDMainPane = AFX_IDW_PANE_FIRST;
    HMENU hMenu = nullptr;
    DWORD dwStates =
        0;  // one bit per control bar id (from AFX_IDW_CONTROLBAR_FIRST) that was visible
    HWND hWndFocus = nullptr;
    HACCEL hAccelTable = nullptr;
    CView* pViewActiveOld = nullptr;
    BOOL (*lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;
    CFrameWnd();
    virtual ~CFrameWnd();

    // A frame of this thread that has not been destroyed (the idle update walks a copy of the list).
    static BOOL IsLiveFrame(CFrameWnd* pFrame);

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);
    // Creates the frame from the resource id: its title string, menu, icon and accelerators.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // ---- layout
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    enum BorderCmd
    {
        borderGet = 1,
        borderRequest = 2,
        borderSet = 3
    };
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    CRect m_rectBorder;              // space the bars leave around the view (client coordinates)
    BOOL m_bInRecalcLayout = FALSE;  // RecalcLayout is running: a nested call does nothing

    // ---- views and documents
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    BOOL IsFrameWnd() const override { return TRUE; }

    // ---- menus and title
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    HMENU m_hMenuDefault = nullptr;  // the frame's own menu (from LoadFrame)
    HACCEL m_hAccelTable = nullptr;
    BOOL m_bAutoMenuEnable = TRUE;  // menu items nobody handles are disabled
    CString m_strTitle;

    // ---- message line
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar();
    UINT m_nIDTracking = 0;     // message-line string id the menu selection asks for
    UINT m_nIDLastMessage = 0;  // message-line string id shown now

    // ---- help mode and preview
    virtual BOOL CanEnterHelpMode();
    virtual void ExitHelpMode();
    void OnContextHelp();
    BOOL m_bHelpMode = FALSE;  // HELP_ACTIVE while the help cursor waits for a click
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    // Sends WM_FLOATSTATUS (FS_*) to every floating window the top-level frame owns.
    void NotifyFloatingWindows(DWORD dwFlags);
    BOOL (*m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;  // set in print preview

    // ---- control bars (the library's bars are windows with ids in the control-bar range)
    CControlBar* GetControlBar(UINT nID);
    // The platform's own docking record: no bar is docked by the platform here (see CDockState).
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

    // ---- overrides
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };
    UINT m_nIdleFlags = 0;       // what the next idle update must redo
    HMENU m_hMenuAlt = nullptr;  // menu DelayUpdateFrameMenu asked for
    CView* m_pViewActive = nullptr;

    // ---- handlers
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    // CAP, NUM and SCRL: a pane is enabled (its text shown) while its key's lock is on.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
