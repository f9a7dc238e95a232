// The user-defined external tools, each bound to one command id of a reserved range, and their
// storage as the value "Tools" of the UI state. Created only by applications that offer tools.
#pragma once

#include <windows.h>

#include "framework/CObList.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CZAVPUserTool;

class CZAVPUserToolsManager : public CObject
{
public:
    // pToolRTC: the class of new and stored tools (CZAVPUserTool or derived from it).
    CZAVPUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast,
                          CRuntimeClass* pToolRTC, UINT uArgMenuID = 0, UINT uInitDirMenuID = 0);
    ~CZAVPUserToolsManager() override;

    BOOL IsUserToolCmd(UINT uiCmdId) const
    {
        return uiCmdId >= m_uiCmdFirst && uiCmdId <= m_uiCmdLast;
    }
    // A new tool with the lowest free command id of the range, appended; null when none is free.
    CZAVPUserTool* CreateNewTool();
    // Deletes the tool and takes its buttons off every toolbar; FALSE when it is not listed.
    BOOL RemoveTool(CZAVPUserTool* pTool);
    // Swap with the previous / next tool; FALSE when absent or already first / last.
    BOOL MoveToolUp(CZAVPUserTool* pTool) { return MoveTool(pTool, TRUE); }
    BOOL MoveToolDown(CZAVPUserTool* pTool) { return MoveTool(pTool, FALSE); }
    CZAVPUserTool* FindTool(UINT uiCmdId) const;
    BOOL InvokeTool(UINT uiCmdId);

    // The stored list replaces the tools. A list that does not read back whole, names any class
    // but the tool class, refers back to a tool read before, holds more tools than the range has
    // ids or gives two tools one id leaves no tools.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr);
    BOOL SaveState(LPCSTR lpszProfileName = nullptr);

    const CObList& GetUserTools() const { return m_lstUserTools; }
    UINT GetToolsEntryCmd() const { return m_uiCmdToolsDummy; }
    UINT GetFirstToolCmd() const { return m_uiCmdFirst; }
    UINT GetLastToolCmd() const { return m_uiCmdLast; }
    int GetMaxTools() const
    {
        return m_uiCmdLast >= m_uiCmdFirst ? (int)(m_uiCmdLast - m_uiCmdFirst + 1) : 0;
    }

    void SetFilter(LPCSTR lpszFilter) { m_strFilter = lpszFilter; }
    LPCSTR GetFilter() const { return m_strFilter; }
    void SetDefExt(LPCSTR lpszDefExt) { m_strDefExt = lpszDefExt; }
    LPCSTR GetDefExt() const { return m_strDefExt; }
    UINT GetArgumentsMenuID() const { return m_uiArgumentsMenu; }
    UINT GetInitialDirMenuID() const { return m_uiInitialDirMenu; }

private:
    void DeleteAllTools();
    BOOL MoveTool(CZAVPUserTool* pTool, BOOL bUp);

    CObList m_lstUserTools;  // CZAVPUserTool objects in menu order; owned
    UINT m_uiCmdToolsDummy;  // menu command standing for the tool list
    UINT m_uiCmdFirst;       // reserved command range, inclusive
    UINT m_uiCmdLast;
    CRuntimeClass* m_pToolRTC;  // class of new tools
    CString m_strFilter;        // file-dialog filter of the tools page
    CString m_strDefExt;        // its default extension
    UINT m_uiArgumentsMenu;     // menu of argument macros, 0 = none
    UINT m_uiInitialDirMenu;    // menu of directory macros, 0 = none
};

// The process's user-tools manager, or null (this program makes none).
// Set and read on the UI thread only (ZAVPUiThread.h).
extern CZAVPUserToolsManager* g_pUserToolsManager;
