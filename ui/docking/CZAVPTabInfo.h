// One tab of a tab window: its label, icon, place, window, tooltip tool and colours.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"

class CWnd;

class CZAVPTabInfo
{
public:
    CZAVPTabInfo(const CString& strText, UINT uiIcon, CWnd* pWnd, UINT uiToolId = 0,
                 BOOL bDetachable = TRUE)
        : m_strText(strText), m_uiIcon(uiIcon), m_pWnd(pWnd), m_uiToolId(uiToolId),
          m_bIsDetachable(bDetachable)
    {
    }
    ~CZAVPTabInfo()
    {
        if (m_hIcon) ::DestroyIcon(m_hIcon);
    }
    CZAVPTabInfo(const CZAVPTabInfo&) = delete;
    CZAVPTabInfo& operator=(const CZAVPTabInfo&) = delete;

    CString m_strText;        // shown on the tab and as its tooltip
    UINT m_uiIcon;            // image-list index; -1 with an icon handle of its own
    HICON m_hIcon = nullptr;  // a copy of the tab's own icon
    CRect m_rect;             // tab rectangle, client coordinates; empty at creation
    BOOL m_bVisible = TRUE;
    CWnd* m_pWnd;                       // the window the tab shows
    BOOL m_bIsListView = FALSE;         // the window is a "SysListView32"
    int m_nReserved = 0;                // unused
    UINT m_uiToolId;                    // the tab's tool in the tab window's tooltip control
    COLORREF m_clrText = (COLORREF)-1;  // -1: default
    COLORREF m_clrBack = (COLORREF)-1;  // -1: default
    BOOL m_bIconOnly = FALSE;           // the label is hidden
    int m_nIconOnlyValue = 0;           // set together with the flag above
    BOOL m_bIsDetachable;
    BOOL m_bOwnWrapper = FALSE;  // m_pWnd is a wrapper pane the tab window made and deletes
};
