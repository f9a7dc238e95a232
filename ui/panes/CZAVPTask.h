// One task link of a tasks-pane group.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"

class CZAVPTasksGroup;

class CZAVPTask
{
public:
    CZAVPTask(CZAVPTasksGroup* pGroup, const CString& strName, int nIcon, UINT uiCommandID)
        : m_pGroup(pGroup), m_strName(strName), m_nIcon(nIcon), m_uiCommandID(uiCommandID)
    {
    }

    CZAVPTasksGroup* m_pGroup;
    CString m_strName;
    int m_nIcon;         // index in the pane's image list, -1 for none
    UINT m_uiCommandID;  // 0: a label, not a link
    CRect m_rect;
    BOOL m_bEnabled = TRUE;
    BOOL m_bIsSeparator = FALSE;
};
