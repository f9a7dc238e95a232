// The popup of the colour drop-down button: a popup menu window whose item bar is a colour bar.
// Torn off, it becomes a standalone colour bar.
#pragma once

#include "ui/panes/CZAVPColorBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

class CColorPopup : public CZAVPPopupMenu
{
    DECLARE_DYNAMIC(CColorPopup)
public:
    CColorPopup(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCSTR lpszAutoText,
                LPCSTR lpszOtherText, LPCSTR lpszDocColorsText,
                const CList<COLORREF, COLORREF>& lstDocColors, int nColumns, int nRowsDockHorz,
                int nColDockVert, COLORREF colorAutomatic, UINT uiCommandID);

    CZAVPPopupMenuBar* GetMenuBar() override { return &m_wndColorBar; }
    CZAVPColorBar& GetColorBar() { return m_wndColorBar; }

protected:
    CZAVPToolBar* CreateTearOffBar(HMENU hMenu, UINT uiID, LPCSTR lpszName) override;
    int OnCreate(LPCREATESTRUCT lpcs);

    CZAVPColorBar m_wndColorBar;
    BOOL m_bAllowInCustomizeMode;  // always FALSE

    DECLARE_MESSAGE_MAP()
};
