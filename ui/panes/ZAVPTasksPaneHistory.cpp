// The tasks pane's page history (see the header).
#include <windows.h>

#include "ui/panes/ZAVPTasksPaneHistory.h"

BOOL ZAVPTasksPaneHistory::Visit(int nPage)
{
    if (nPage == GetActivePage()) return FALSE;
    m_entries.resize((size_t)m_nPos + 1);
    if (GetCount() >= m_nLimit) {
        m_entries.erase(m_entries.begin());
        if (m_nPos > 0) --m_nPos;
    }
    m_entries.push_back(nPage);
    m_nPos = GetCount() - 1;
    return TRUE;
}

BOOL ZAVPTasksPaneHistory::Back()
{
    if (!CanGoBack()) return FALSE;
    --m_nPos;
    return TRUE;
}

BOOL ZAVPTasksPaneHistory::Forward()
{
    if (!CanGoForward()) return FALSE;
    ++m_nPos;
    return TRUE;
}

void ZAVPTasksPaneHistory::Reset()
{
    m_entries.assign(1, 0);
    m_nPos = 0;
}
