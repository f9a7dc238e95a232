// The window of every drop-down menu, sub-menu and context menu: a pop-up frame hosting one popup
// menu bar. Declared so far: the creation options and operations the context-menu manager uses.
#pragma once

#include "framework/CMiniFrameWnd.h"

class CZAVPPopupMenuBar;
class CZAVPToolbarMenuButton;

class CZAVPPopupMenu : public CMiniFrameWnd
{
    DECLARE_SERIAL(CZAVPPopupMenu)
public:
    CZAVPPopupMenu();
    ~CZAVPPopupMenu() override;

    // Builds and shows the popup at the screen point for the menu.
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                        BOOL bOwnMessage = FALSE);
    virtual CZAVPPopupMenuBar* GetMenuBar();

    // Set before Create.
    BOOL m_bAutoDestroyParent;  // closing this popup closes its parent popup too
    BOOL m_bAutoDestroy;        // the menu handle is destroyed with the popup
    BOOL m_bTrackMode;          // the chosen command is stored in the context-menu manager
    BOOL m_bRightAlign;         // x is the right edge of the popup
    HMENU m_hMenu;              // the menu the items were built from
    CZAVPToolbarMenuButton* m_pParentBtn;  // the button that opened it, null for a context menu

    // The open popup menu of the process, or null.
    static CZAVPPopupMenu* m_pActivePopupMenu;
    static CZAVPPopupMenu* GetActiveMenu() { return m_pActivePopupMenu; }
};
