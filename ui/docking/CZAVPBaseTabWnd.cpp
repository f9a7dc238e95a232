// Base of the tab windows (see CZAVPBaseTabWnd.h).
#include "ui/docking/CZAVPBaseTabWnd.h"

IMPLEMENT_DYNAMIC(CZAVPBaseTabWnd, CWnd)

CZAVPBaseTabWnd::CZAVPBaseTabWnd()
    : m_location(LOCATION_BOTTOM), m_iTabsNum(0), m_iActiveTab(-1), m_hImageList(nullptr),
      m_sizeImage(0, 0)
{
}

CZAVPBaseTabWnd::~CZAVPBaseTabWnd()
{
    for (INT_PTR i = 0; i < m_arTabs.GetSize(); ++i) delete static_cast<CZAVPTabInfo*>(m_arTabs[i]);
}

BOOL CZAVPBaseTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    if (!pTab) return FALSE;
    strLabel = pTab->m_bIconOnly ? CString() : pTab->m_strText;
    return TRUE;
}

UINT CZAVPBaseTabWnd::GetTabIcon(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_uiIcon : (UINT)-1;
}

HICON CZAVPBaseTabWnd::GetTabHicon(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_hIcon : nullptr;
}

COLORREF CZAVPBaseTabWnd::GetTabBkColor(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_clrBack : (COLORREF)-1;
}

COLORREF CZAVPBaseTabWnd::GetTabTextColor(int iTab) const
{
    const CZAVPTabInfo* pTab = TabAt(iTab);
    return pTab ? pTab->m_clrText : (COLORREF)-1;
}
