// The docking layout of one frame: every docked and floating bar and the layout computation.
// Declared so far: what the frame and the workspace's state routines use.
#pragma once

#include <windows.h>

class CFrameWnd;

class CZAVPDockManager
{
public:
    CZAVPDockManager();
    virtual ~CZAVPDockManager();

    // The docking layout under "%sZAVPDockManager-%d" of the state path and the frame's id.
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
};
