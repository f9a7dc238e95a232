// The frame's menu as a dockable toolbar: one menu button per top-level item of the frame's menu,
// popup menus for them, the keyboard of a menu bar, the window buttons of a maximised MDI child,
// and one customised copy of the bar per menu handle, kept in the menu store and the registry.
#pragma once

#include <vector>

#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPMenuNavigation.h"

class CZAVPToolbarMenuButton;

class CZAVPMenuBar : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPMenuBar)
public:
    // The control id frames give their menu bar (AFX_IDW_MENUBAR).
    static const UINT kMenuBarId = 0xE81A;
    // Style of a menu bar docked at the top of its frame.
    static const DWORD kDefaultStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC;

    CZAVPMenuBar();
    ~CZAVPMenuBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = kDefaultStyle, UINT nID = kMenuBarId) override;
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                  UINT nID) override;

    // Shows the menu: the copy kept for it in the menu store, else buttons built from its items
    // (always rebuilt with bForceUpdate). The same menu again only refreshes the window buttons.
    virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);
    HMENU GetHMenu() const { return m_hMenu; }
    // A maximised MDI document's window buttons go on the bar, or come off it; the frame then
    // lays its bars out again when asked.
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd = nullptr, BOOL bRecalcLayout = TRUE);
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    // The menu shown while no document is open; the bar does not switch to it.
    void SetDefaultMenu(HMENU hMenu) { m_hDefaultMenu = hMenu; }
    // The resource the default menu comes from: it is rebuilt from there on a reset.
    void SetDefaultMenuResId(UINT uiResId) { m_uiDefMenuResId = uiResId; }
    UINT GetDefaultMenuResId() const { return m_uiDefMenuResId; }

    // While set, every popup shows all its items (a double click sets it; Escape clears it).
    static void SetForceShowAllMenus(BOOL bForce);
    static BOOL IsForceShowAllMenus();
    // "RecentlyUsedMenus": menus show the recently used commands first.
    static void SetRecentlyUsedMenus(BOOL bOn = TRUE) { m_bRecentlyUsedMenus = bOn; }
    static BOOL IsRecentlyUsedMenus() { return m_bRecentlyUsedMenus; }
    // The font that sizes and draws the items: the library's menu font for either orientation.
    static CFont& GetMenuFont(BOOL bHorz = TRUE);

    // ---- toolbar behaviour the menu bar changes
    // One registry key per menu (the default menu as id 0, each document template's menu by its
    // resource id) under "ZAVMenuBar"; a menu whose state does not load is rebuilt from its
    // resource and announced to the frame with "ZAVTOOLBAR_RESETMENU".
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    // Every menu rebuilt from its resource.
    BOOL RestoreOriginalState() override;
    BOOL CanBeRestored() const override { return TRUE; }
    CSize CalcLayout(DWORD dwMode, int nLength = -1) override;
    int GetRowHeight() const override;
    int GetColumnWidth() const override;
    void AdjustLocations() override;
    int GetAvailableExpandSize() const override;
    void SetHot(int iHot) override;
    BOOL OnSendCommand(const CZAVPToolbarButton* pButton) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL CanBeClosed() const override { return FALSE; }
    BOOL CanChangeTextLabels() const override { return FALSE; }

    // The keyboard moves over the bar's items (window buttons excluded).
    std::vector<ZAVPMenuNavigation::NavItem> NavItems() const;
    // TRUE when the button stands for a window button or the system menu of an MDI child.
    static BOOL IsWindowButton(const CZAVPToolbarButton* pButton);
    static BOOL IsSystemMenuButton(const CZAVPToolbarButton* pButton);
    // The first button whose popup is open, and its index (-1 when none).
    CZAVPToolbarMenuButton* GetDroppedDownMenu(int* piIndex = nullptr) const;

    static const UINT kShowAllTimer = 1;
    static const UINT kShowAllDelay = 5000;  // ms a pointer rests on a dropped-down item

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSetFocus(CWnd* pOldWnd);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);

    // Buttons for the menu's items: separators, menu buttons for sub-menus, commands.
    void BuildFromMenu(HMENU hMenu);
    static void AppendItemsOf(HMENU hMenu, CObList& list);
    // The window buttons of a maximised MDI child: added, or counted again and repainted.
    void UpdateMDIChildrenButtons(BOOL bForce);
    void RemoveMDIChildrenButtons();
    // The MDI client of the frame and its maximised active child, when there is one.
    HWND GetMaximizedMDIChild() const;
    // The original items of a menu for a later reset (only when the workspace keeps them).
    void SetOriginalItemsFrom(UINT uiResId);
    // One menu's state in the registry; TRUE when its buttons were read.
    BOOL LoadMenuState(LPCSTR lpszPath, HMENU hMenu, UINT uiResId);
    // The menu of the resource, or null; the caller destroys it.
    static HMENU LoadMenuResource(UINT uiResId);
    // The frame re-lays its bars out after the bar changed size.
    void RecalcFrameLayout();
    // Runs the key on the bar while it is active and no menu is dropped; TRUE when used.
    BOOL OnMenuBarKey(UINT nVirtKey);
    // Opens the hot item's menu with its first item selected; TRUE when it opened.
    BOOL DropDownHotMenu();
    // The templates' menus to keep: (resource id, menu) of every multi-document template.
    std::vector<std::pair<UINT, HMENU>> TemplateMenus() const;

    CWnd* m_pParentWnd;       // the frame that owns the menu
    BOOL m_bMaximizeMode;     // the window buttons of a maximised MDI child are on the bar
    HMENU m_hMenu;            // the menu shown
    HMENU m_hDefaultMenu;     // the frame's own menu
    HMENU m_hSysMenu;         // the system menu of the maximised MDI child
    BOOL m_bMDIApp;           // the frame has an MDI client
    int m_nSystemButtonsNum;  // window buttons at the end of the bar
    int m_nSystemButtonsNumSaved;
    BOOL m_bHaveImages;     // some menu item shows an image: toolbar sizes apply
    UINT m_uiDefMenuResId;  // the resource of the default menu
    BOOL m_bStretched;      // docked, the bar takes its whole row

    DECLARE_MESSAGE_MAP()
};
