// What every library frame holds by value: the user toolbars, the torn-off menu bars, the
// window placement and the saving of it all through the workspace; the dock manager does the
// docking. The menu bar and the keyboard and mouse pre-translation over it come with the menu bar.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CControlBar.h"
#include "framework/CObList.h"
#include "framework/CString.h"

class CDockState;
class CFrameWnd;
class CZAVPDockManager;
class CZAVPMenuBar;
class CZAVPPopupMenu;
class CZAVPToolBar;

class CZAVPFrameImpl
{
public:
    explicit CZAVPFrameImpl(CFrameWnd* pFrame);
    virtual ~CZAVPFrameImpl();

    // ---- user toolbars
    // The ids [uiFirst, uiLast] belong to toolbars the user makes.
    void InitUserToobars(LPCSTR lpszRegEntry, UINT uiUserToolbarFirst, UINT uiUserToolbarLast);
    BOOL IsUserToolbarId(UINT uiID) const;
    // The lowest id of the range no user toolbar has; 0 when the range is unset or full.
    UINT GetFreeCtrlBarID(UINT uiFirstID, UINT uiLastID, const CObList& lstCtrlBars) const;
    // The size of the range, 0 when it is unset.
    UINT GetUserToolbarRangeSize() const;

    // The user toolbars and the torn-off menu bars under the state path; saving may keep to
    // the bars of this frame.
    void LoadUserToolbars(LPCSTR lpszProfileName);
    void SaveUserToolbars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly = FALSE);
    void LoadTearOffBars(LPCSTR lpszProfileName);
    void SaveTearOffBars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly = FALSE);
    void AddTearOffToolbar(CObject* pBar);
    void RemoveTearOffToolbar(CObject* pBar);
    // A new, floating user toolbar with the name and the lowest free id of the range; null (the
    // user told) when the range is full or unset, null when the window cannot be made.
    CZAVPToolBar* CreateNewToolbar(LPCSTR lpszName);
    // Takes a user toolbar away with its saved state; FALSE for a bar that is no user toolbar.
    BOOL DeleteToolbar(CZAVPToolBar* pBar);
    // The shared large-icons setting from the workspace's section; FALSE without a workspace.
    BOOL LoadLargeIconsState();

    // ---- docking layout and placement
    // The dock manager's layout under the state path, indexed by the frame id.
    BOOL LoadDockState(LPCSTR lpszProfileName);
    BOOL SaveDockState(LPCSTR lpszProfileName);
    // The dock manager applies the loaded layout (the platform's record docks nothing here).
    void SetDockState(const CDockState& state);
    // The stored placement, clipped to the work area, goes into the creation structure.
    void OnPreCreateWindow(CREATESTRUCTA& cs);
    // Saves all state and the placement through the workspace.
    void OnCloseFrame();

    // ---- menus: the menu bar, keys and clicks before the frame sees them, the active popup
    // The menu bar takes over the frame's menu (which the window gives up).
    void SetMenuBar(CZAVPMenuBar* pMenuBar);
    // A key offered to the open popup menu, then to the menu bar and toolbars as a mnemonic
    // with Alt; TRUE when used. *pbProcessAccel is FALSE while a control on a toolbar has the
    // focus (its accelerators wait).
    BOOL ProcessKeyboard(int nKey, BOOL* pbProcessAccel = nullptr);
    // A click (screen point) that closes the open popup menu when it falls outside it; TRUE when
    // the click is used up.
    BOOL ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd);
    // The menu bar, then every other visible toolbar of the frame, may take the key.
    BOOL OnMenuChar(UINT nChar);
    // The popup becomes the active one; the bar it drops from takes the focus; the list of a
    // toolbar's buttons under a toolbar options menu is filled. Always TRUE.
    BOOL OnShowPopupMenu(CZAVPPopupMenu* pMenuPopup);
    // Fills the popup with one check entry per button of the toolbar its menu chain was opened
    // for, what the frame adds, and the entry that resets the toolbar.
    void BuildToolbarButtonsMenu(CZAVPPopupMenu* pMenuPopup);
    // Adds the toolbar's default buttons that it no longer has, unchecked, at their places.
    void BuildCustomizeMenu(CZAVPPopupMenu* pMenuPopup);
    // The frame's customise-menu hook (library frames only); 0 for any other frame.
    BOOL ShowCustomizeMenuOfFrame(CZAVPPopupMenu* pMenuPopup, UINT uiToolbarID);
    // The frame went inactive: an open menu of the menu bar loses its highlight.
    void OnDeactivate();
    // A message before the frame's own pre-translation: used here, passed on without the
    // accelerators (a control on a toolbar has the focus), or passed on.
    enum PreTranslateResult
    {
        kMessageUsed,
        kNoAccelerators,
        kPassOn
    };
    PreTranslateResult PreTranslateFrameMessage(MSG* pMsg);
    // A command from an accelerator is counted; TRUE when it only closed a popup or ran a user
    // tool.
    BOOL OnAcceleratorCommand(WPARAM wParam);
    // WM_MENUCHAR's character: the key that makes it is offered to the bars (OnMenuChar).
    BOOL OnMenuCharacter(UINT nChar);
    static BOOL IsPlainF1(const MSG* pMsg);
    // Whether a bar whose menu opens takes the focus; on unless an application turns it off.
    static BOOL m_bMenuTakesFocus;

    UINT m_uiUserToolbarFirst;  // user-toolbar id range; -1 until set
    UINT m_uiUserToolbarLast;
    CObList m_listUserDefinedToolbars;  // CZAVPToolBar objects the user made
    CObList m_listTearOffToolbars;      // torn-off menu bars
    CString m_strControlBarRegEntry;    // profile passed to every state routine
    CZAVPMenuBar* m_pMenuBar;           // null until SetMenuBar
    HMENU m_hDefaultMenu;               // the frame's menu taken over by the menu bar
    CFrameWnd* m_pFrame;                // the owner
    CZAVPDockManager* m_pDockManager;   // set by the frame's PreCreateWindow
    UINT m_nIDDefaultResource;          // the frame's resource id; index of its registry state
    BOOL m_bLoadDockState;              // LoadDockState does nothing while FALSE

    // Style of user and torn-off toolbars: WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER |
    // CBRS_HIDE_INPLACE.
    static const DWORD kUserToolbarStyle = 0x50402808;
    // Added to their bar style: CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC.
    static const DWORD kUserToolbarBarStyle = 0x34;
    // A torn-off docking pane starts at the left, this large; another torn-off bar lies along
    // the top.
    static const DWORD kTearOffPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS |
                                           WS_CLIPCHILDREN | CBRS_LEFT;
    static const int kTearOffPaneSize = 200;
    static const DWORD kTearOffBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP;
    // A user toolbar stretched along its dock row may be as long as any row can be.
    static const int kUserToolbarMaxStretch = 32767;

private:
    // The menus in which the list of a toolbar's buttons looks for command names.
    std::vector<HMENU> CommandMenus() const;
    // The toolbar classes a stored "State" may name: toolbar kinds only.
    static BOOL IsToolbarClass(const CRuntimeClass* pClass);
    // A torn-off bar may be a toolbar, a docking pane or another library bar.
    static BOOL IsTearOffBarClass(const CRuntimeClass* pClass);
    // Makes the window of a torn-off bar read from its stored state, by its kind.
    BOOL CreateTearOffBar(class CZAVPControlBar* pBar, UINT nID, const CString& strName);
    CString TearOffSection() const;
};
