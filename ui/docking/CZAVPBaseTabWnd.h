// Base of the tab windows: an ordered set of tabs, each showing one child window. Declared so far:
// the tab records and the queries the visual manager reads while it draws tabs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CPtrArray.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPTabInfo.h"

class CZAVPBaseTabWnd : public CWnd
{
    DECLARE_DYNAMIC(CZAVPBaseTabWnd)
public:
    // Tab location codes.
    enum Location
    {
        LOCATION_BOTTOM = 0,
        LOCATION_TOP = 1,
    };

    CZAVPBaseTabWnd();
    ~CZAVPBaseTabWnd() override;

    virtual void GetTabsRect(CRect& rect) const { rect.SetRectEmpty(); }
    virtual int GetTabsNum() const { return m_iTabsNum; }
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const;
    virtual UINT GetTabIcon(int iTab) const;
    virtual HICON GetTabHicon(int iTab) const;
    virtual COLORREF GetTabBkColor(int iTab) const;
    virtual COLORREF GetTabTextColor(int iTab) const;
    virtual int GetActiveTab() const { return m_iActiveTab; }
    virtual CSize GetImageSize() const { return m_sizeImage; }
    virtual HIMAGELIST GetImageList() const { return m_hImageList; }

    // Tab styles and scroll position the looks choose their shapes by.
    virtual BOOL IsFlatTab() const { return FALSE; }
    virtual BOOL IsOneTabScroll() const { return FALSE; }
    virtual int GetFirstVisibleTabNum() const { return 0; }
    // Labels are drawn without '&' prefix processing.
    virtual BOOL IsDrawNoPrefix() const { return FALSE; }

    Location GetLocation() const { return m_location; }

protected:
    const CZAVPTabInfo* TabAt(int iTab) const
    {
        return iTab >= 0 && iTab < m_iTabsNum ? static_cast<const CZAVPTabInfo*>(m_arTabs[iTab])
                                              : nullptr;
    }

    Location m_location;  // bottom at creation
    CPtrArray m_arTabs;   // CZAVPTabInfo records, in display order
    int m_iTabsNum;
    int m_iActiveTab;         // -1 when none
    HIMAGELIST m_hImageList;  // icons of the tabs, borrowed
    CSize m_sizeImage;        // size of one icon
};
