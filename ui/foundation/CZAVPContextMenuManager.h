// The application's context menus by resource id and by name, shown as the library's own popup
// menus (or run modally, returning the chosen command), with the user's customisation of each
// menu kept in the UI state.
#pragma once

#include <windows.h>

#include "framework/CMap.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CStringList;
class CWnd;
class CZAVPPopupMenu;
class CZAVPPopupMenuBar;

class CZAVPContextMenuManager : public CObject
{
public:
    // Style and control id of the hidden bars that carry a menu's buttons while its state is
    // loaded or saved.
    static const DWORD kStateBarStyle = 0x50402808;
    static const UINT kStateBarId = 0xE800;

    CZAVPContextMenuManager();
    // Destroys every registered menu.
    ~CZAVPContextMenuManager() override;

    // The menu registered under the name (null when none), and its resource id (0 when none).
    HMENU GetMenuByName(LPCSTR lpszName, UINT* puiOrigResID = nullptr) const;
    void GetMenuNames(CStringList& listOfNames) const;

    // Shows the menu as a popup at the screen point; the popup, or null when it was refused or
    // could not be made.
    virtual CZAVPPopupMenu* ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                          BOOL bOwnMessage = FALSE, BOOL bAutoDestroy = TRUE,
                                          BOOL bRightAlign = FALSE);
    // Shows sub-menu 0 of a registered menu; (-1, -1) with an owner opens it 5 pixels inside the
    // owner's client area.
    virtual BOOL ShowPopupMenuById(UINT uiMenuResId, int x, int y, CWnd* pWndOwner,
                                   BOOL bOwnMessage = FALSE, BOOL bRightAlign = FALSE);
    // Runs the menu modally; the chosen command, 0 when the menu was dismissed.
    virtual UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                BOOL bRightAlign = FALSE);

    // The customised context menus under "ZAVContextMenuManager" (or the state path given).
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr);

    // Set by a tracked popup when a command is chosen.
    void SetLastCommandID(UINT uiCmd) { m_nLastCommandID = uiCmd; }
    BOOL IsTracking() const { return m_bTrackMode; }

protected:
    // Runs visit (resource id, sub-menu 0, a hidden state bar) for every registered menu; stops
    // with FALSE when a visit answers FALSE.
    template <class Visit>
    BOOL ForEachMenuBar(Visit visit);

    // Nothing in this program registers context menus, so both maps stay empty here.
    CMap<UINT, UINT, HMENU, HMENU> m_Menus;           // registered menus by resource id; owned
    CMap<CString, LPCSTR, HMENU, HMENU> m_MenuNames;  // the same menus by display name
    UINT m_nLastCommandID;                            // command chosen while tracking
    BOOL m_bTrackMode;  // TRUE only while TrackPopupMenu creates its popup
};

// The process's context-menu manager, or null until the workspace makes it.
// Set and read on the UI thread only (ZAVPUiThread.h).
extern CZAVPContextMenuManager* g_pContextMenuManager;
