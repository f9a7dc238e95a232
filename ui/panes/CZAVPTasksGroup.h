// A group of the tasks pane: a caption (none when the name is empty) and the tasks below it,
// on one page of the pane. The group owns its tasks.
#pragma once

#include <vector>

#include "framework/CObject.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CZAVPTask;
class CZAVPTasksPane;
class CZAVPTasksPanePage;

class CZAVPTasksGroup : public CObject
{
public:
    CZAVPTasksGroup(CZAVPTasksPane* pPane, const CString& strName,
                    CZAVPTasksPanePage* pPage = nullptr)
        : m_pPane(pPane), m_pPage(pPage), m_strName(strName)
    {
    }
    ~CZAVPTasksGroup() override;
    // Appends a task and answers it (the group owns it).
    CZAVPTask* AddTask(const CString& strName, int nIcon, UINT uiCommandID, DWORD dwUserData = 0);
    CZAVPTask* AddWindow(HWND hwnd, int nWindowHeight);
    BOOL CanCollapse() const { return !m_strName.IsEmpty(); }

    CZAVPTasksPane* m_pPane;
    CZAVPTasksPanePage* m_pPage;         // the page it shows on
    CString m_strName;                   // empty: a group without caption, never collapsed
    std::vector<CZAVPTask*> m_lstTasks;  // display order, owned
    BOOL m_bIsBottom = FALSE;   // as the page's last group: pushed to the bottom of the area
    BOOL m_bIsSpecial = FALSE;  // drawn in the look's special style
    CRect m_rect;               // caption rectangle, client coordinates
    CRect m_rectGroup;          // tasks rectangle, client coordinates
    BOOL m_bIsCollapsed = FALSE;
    HICON m_hIcon = nullptr;  // not owned
    CSize m_sizeIcon = CSize(0, 0);
};
