// One task of a tasks-pane group: a clickable text line with an icon, a plain label (command 0)
// or a child window placed in the group. The pane lays it out, hit-tests and draws it.
#pragma once

#include <windows.h>

#include "framework/CRect.h"
#include "framework/CString.h"

class CZAVPTasksGroup;

class CZAVPTask
{
public:
    CZAVPTask(CZAVPTasksGroup* pGroup, const CString& strName, int nIcon, UINT uiCommandID,
              DWORD dwUserData = 0, HWND hwndTask = nullptr, int nWindowHeight = 0)
        : m_pGroup(pGroup), m_strName(strName), m_nIcon(nIcon), m_uiCommandID(uiCommandID),
          m_dwUserData(dwUserData), m_hwndTask(hwndTask), m_nWindowHeight(nWindowHeight)
    {
    }
    virtual ~CZAVPTask() = default;

    CZAVPTasksGroup* m_pGroup;
    CString m_strName;
    int m_nIcon;                  // index in the pane's image list, -1 for none
    UINT m_uiCommandID;           // 0: a label, not a link
    DWORD m_dwUserData;           // handed to the click handler
    HWND m_hwndTask;              // a window task's child window (not owned); null for a text task
    BOOL m_bIsSeparator = FALSE;  // drawn as a line by the look; nothing in the pane sets it
    CRect m_rect;                 // client coordinates, as last laid out
    BOOL m_bVisible = TRUE;
    BOOL m_bEnabled = TRUE;
    int m_nWindowHeight;  // a window task's height
};
