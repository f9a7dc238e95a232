// What every library frame holds by value: the menu bar, the user toolbars, the torn-off menu
// bars, keyboard and mouse pre-translation, and the saving of it all through the workspace.
// Declared so far: the fields and operations the workspace and the keyboard manager use.
#pragma once

#include <windows.h>

#include "framework/CObList.h"
#include "framework/CString.h"

class CDockState;
class CFrameWnd;
class CZAVPDockManager;
class CZAVPMenuBar;

class CZAVPFrameImpl
{
public:
    explicit CZAVPFrameImpl(CFrameWnd* pFrame);
    virtual ~CZAVPFrameImpl();

    // The user toolbars and the torn-off menu bars under the state path; saving may keep to
    // the bars of this frame.
    void LoadUserToolbars(LPCSTR lpszProfileName);
    void SaveUserToolbars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly = FALSE);
    void LoadTearOffBars(LPCSTR lpszProfileName);
    void SaveTearOffBars(LPCSTR lpszProfileName, BOOL bFrameBarsOnly = FALSE);
    // The dock manager's layout under the state path, indexed by the frame id.
    BOOL LoadDockState(LPCSTR lpszProfileName);
    BOOL SaveDockState(LPCSTR lpszProfileName);
    // The dock manager applies the platform's dock record.
    void SetDockState(const CDockState& state);

    UINT m_uiUserToolbarFirst;          // user-toolbar id range; -1 until set
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
};
