// A tasks-pane group and its tasks.
#include "ui/panes/CZAVPTasksGroup.h"

#include "ui/panes/CZAVPTask.h"

CZAVPTasksGroup::~CZAVPTasksGroup()
{
    for (CZAVPTask* pTask : m_lstTasks) delete pTask;
}

CZAVPTask* CZAVPTasksGroup::AddTask(const CString& strName, int nIcon, UINT uiCommandID,
                                    DWORD dwUserData)
{
    m_lstTasks.push_back(new CZAVPTask(this, strName, nIcon, uiCommandID, dwUserData));
    return m_lstTasks.back();
}

CZAVPTask* CZAVPTasksGroup::AddWindow(HWND hwnd, int nWindowHeight)
{
    m_lstTasks.push_back(new CZAVPTask(this, "", -1, 0, 0, hwnd, nWindowHeight));
    return m_lstTasks.back();
}
