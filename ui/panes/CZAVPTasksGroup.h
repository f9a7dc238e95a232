// A group of the tasks pane: a caption and the tasks below it.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"

class CZAVPTasksPane;

class CZAVPTasksGroup
{
public:
    CZAVPTasksGroup(CZAVPTasksPane* pPane, const CString& strName)
        : m_pPane(pPane), m_strName(strName)
    {
    }

    CZAVPTasksPane* m_pPane;
    CString m_strName;
    HICON m_hIcon = nullptr;
    CSize m_sizeIcon = CSize(0, 0);
    CRect m_rect;  // caption rectangle, client coordinates
    BOOL m_bIsSpecial = FALSE;
    BOOL m_bIsCollapsed = FALSE;
    BOOL m_bCanCollapse = TRUE;
};
