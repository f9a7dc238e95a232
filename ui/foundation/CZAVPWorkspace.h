// The root of everything the UI library keeps between runs: the registry section of all UI
// state, the input managers, loading and saving every manager, toolbar and docking layout in a
// fixed order, the main window's placement, and the version of the state last read. The
// application object derives from it, so there is one per process.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class CFrameWnd;
class CWnd;
class CZAVPFrameImpl;
class CZAVPFrameWnd;
class CZAVPMDIFrameWnd;

class CZAVPWorkspace
{
public:
    // The state format this program writes.
    static const int kVersionMajor = 6;
    static const int kVersionMinor = 70;
    static const int kNoVersion = -1;

    explicit CZAVPWorkspace(BOOL bResourceSmartUpdate = FALSE);
    // Deletes the managers this workspace made.
    virtual ~CZAVPWorkspace();

    // Loads everything in the fixed order; a section given becomes the section from now on.
    virtual BOOL LoadState(LPCSTR lpszSectionName = nullptr, CZAVPFrameImpl* pFrameImpl = nullptr);
    // Deletes the whole workspace key.
    virtual BOOL CleanState(LPCSTR lpszSectionName = nullptr);
    // Saves everything in the fixed order; FALSE, writing nothing, while saving is disabled.
    virtual BOOL SaveState(LPCSTR lpszSectionName = nullptr, CZAVPFrameImpl* pFrameImpl = nullptr);
    // Runs the command bound to a double click in the view; FALSE (with a beep) when none is.
    virtual BOOL OnViewDoubleClick(CWnd* pWnd, int iViewId);
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, const POINT& point, CWnd* pWnd);
    // Context help for a control: the table holds (control id, help id) pairs ending with 0, 0.
    virtual BOOL OnContextHelp(CWnd* pWnd, const DWORD dwHelpIDArray[]);
    virtual BOOL SaveState(CZAVPFrameImpl* pFrameImpl);
    virtual void OnBeforeLoadState() {}
    virtual void OnAfterLoadState() {}
    virtual void OnBeforeSaveState() {}
    virtual void OnAfterSaveState() {}
    // The main window's placement under "WindowPlacement"; TRUE only when all three values were
    // read (or written).
    virtual BOOL LoadWindowPlacement(RECT& rectNormalPosition, int& nFlags, int& nShowCmd);
    virtual BOOL StoreWindowPlacement(const RECT& rectNormalPosition, int nFlags, int nShowCmd);

    LPCSTR SetRegistrySection(LPCSTR lpszSectionName);
    LPCSTR GetRegistrySection() const { return m_strRegSection; }
    // The key path of a sub-section of the workspace (the workspace key itself for "").
    CString GetRegSectionPath(LPCSTR lpszSectionAdd = "") const;

    // Each makes its manager once; FALSE when the manager already exists.
    BOOL InitMouseManager();
    BOOL InitContextMenuManager();
    BOOL InitKeyboardManager();

    BOOL LoadState(CZAVPFrameWnd* pFrame, LPCSTR lpszSectionName = nullptr);
    BOOL LoadState(CZAVPMDIFrameWnd* pFrame, LPCSTR lpszSectionName = nullptr);

    // The version of the state: (-1, -1) until a load reads one, the stored one during a load,
    // the current one after it.
    int GetDataVersionMajor() const { return m_iSavedVersionMajor; }
    int GetDataVersionMinor() const { return m_iSavedVersionMinor; }
    // Whether records of the state being read hold the fields of a version; (-1, -1) reads as
    // current.
    BOOL IsStateVersionAtLeast(int nMajor, int nMinor) const;
    // Toolbars keep the resource layout they were saved with ("OriginalItems") to catch up with
    // a changed resource.
    BOOL IsResourceSmartUpdate() const { return m_bResourceSmartUpdate; }

    BOOL m_bForceDockStateLoad;     // load the docking layout without asking the frame
    BOOL m_bLoadSaveFrameBarsOnly;  // touch only the toolbars of the frame being loaded or saved
    BOOL m_bSaveState;              // SaveState writes only while this is set
    BOOL m_bForceImageReset;        // reset every toolbar's images after loading

protected:
    CString m_strRegSection;  // section of all UI state below the application's key
    BOOL m_bKeyboardManagerAutocreated;
    BOOL m_bContextMenuManagerAutocreated;
    BOOL m_bMouseManagerAutocreated;
    BOOL m_bUserToolsManagerAutoCreated;  // nothing in this program sets it
    BOOL m_bTearOffManagerAutoCreated;    // nor this
    int m_iSavedVersionMajor;
    int m_iSavedVersionMinor;
    BOOL m_bResourceSmartUpdate;  // toolbars keep their original items; images follow the resources
};

// The process's workspace, null before it is made and after it is gone.
CZAVPWorkspace* GetWorkspace();
// The frame the library treats as the top level of a window: the container frame while an OLE
// in-place frame is active, else the window's top-level frame.
CFrameWnd* GetTopLevelFrameOf(CWnd* pWnd);
// The container frame recorded while an OLE in-place frame is active, or null. UI thread only.
extern CFrameWnd* g_pTopLevelFrame;
// Frees the library's shared state at application exit.
void CleanUpUILibrary();
