// What a double click in a registered view does: a command per view id, chosen on the customise
// dialog's mouse page and kept in the UI state as the value "Mouse".
#pragma once

#include <windows.h>

#include "framework/CMap.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CStringList;

class CZAVPMouseManager : public CObject
{
    DECLARE_SERIAL(CZAVPMouseManager)
public:
    CZAVPMouseManager();
    ~CZAVPMouseManager() override;

    // The bindings: a DWORD count, then a DWORD view id and a DWORD command each. A stored list
    // that does not read back whole leaves the bindings as they were.
    void Serialize(CArchive& ar) override;

    int GetViewIdByName(LPCSTR lpszName) const;
    UINT GetViewDblClickCommand(int iViewId) const;
    // Command 0 removes the binding.
    void SetCommandForDblClick(int iViewId, UINT uiCmd);
    UINT GetViewIconId(int iViewId) const;
    void GetViewNames(CStringList& listOfNames) const;

    BOOL LoadState(LPCSTR lpszProfileName = nullptr);
    BOOL SaveState(LPCSTR lpszProfileName = nullptr);

private:
    // Nothing in this program registers views, so the name and icon maps stay empty.
    CMap<CString, LPCSTR, int, int> m_ViewsNames;  // view id by display name
    CMap<int, int, UINT, UINT> m_ViewsToCommands;  // double-click command by view id
    CMap<int, int, UINT, UINT> m_ViewsToIcons;     // icon resource id by view id
};

// The process's mouse manager, or null until the workspace makes it.
// Set and read on the UI thread only (ZAVPUiThread.h).
extern CZAVPMouseManager* g_pMouseManager;
