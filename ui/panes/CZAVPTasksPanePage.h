// A named page of the tasks pane; its groups name it.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

class CZAVPTasksPane;

class CZAVPTasksPanePage : public CObject
{
public:
    CZAVPTasksPanePage(const CString& strName, CZAVPTasksPane* pPane)
        : m_strName(strName), m_pOwner(pPane)
    {
    }
    CString m_strName;
    CZAVPTasksPane* m_pOwner;
};
