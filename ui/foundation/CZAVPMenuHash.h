// The menu-bar store: while menus are customised or swapped, the buttons of a menu bar that
// belong to a menu handle are kept in a temporary file per HMENU, as an archive image. The files
// delete themselves when their handles close.
#pragma once

#include <windows.h>

#include "framework/CMap.h"

class CZAVPToolBar;

class CZAVPMenuHash
{
public:
    CZAVPMenuHash();
    // Empties the map without closing the handles: CleanUp closes them, and the system closes
    // (and so deletes) any left at process exit.
    virtual ~CZAVPMenuHash();

    // Stores the bar's buttons for the menu. The new file is written completely before it
    // replaces the one kept so far; FALSE (the earlier file still kept) when it cannot be.
    BOOL SaveMenuBar(HMENU hMenu, CZAVPToolBar* pBar);
    // Reads the buttons kept for the menu back into the bar; FALSE when none are kept or they
    // do not read back.
    BOOL LoadMenuBar(HMENU hMenu, CZAVPToolBar* pBar);
    // Drops (and deletes) the file kept for the menu; FALSE when there was none.
    BOOL RemoveMenu(HMENU hMenu);
    void CleanUp();

    // TRUE while LoadMenuBar reads a bar; the button archives consult it.
    BOOL IsLoading() const { return m_bIsLoading; }
    BOOL HasMenu(HMENU hMenu) const;

private:
    CMap<HMENU, HMENU, HANDLE, HANDLE> m_StoredMenues;  // open temporary file per menu
    BOOL m_bIsLoading;
};

// The process's menu-bar store. Used on the UI thread only (ZAVPUiThread.h); its constructor
// touches no system object, so it may run during static initialisation.
extern CZAVPMenuHash g_menuHash;
