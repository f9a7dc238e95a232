// A toolbar button that owns a sub-menu: every menu-bar entry and every popup-menu item is one.
// It keeps the sub-menu as an owned list of buttons, converts it to and from a menu handle, opens
// a popup menu beside or below itself, and draws itself as a drop-down button or a menu item.
#pragma once

#include <vector>

#include "framework/CObList.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/ZAVPMenuModel.h"

class CZAVPPopupMenu;

class CZAVPToolbarMenuButton : public CZAVPToolbarButton
{
    DECLARE_SERIAL(CZAVPToolbarMenuButton)
public:
    CZAVPToolbarMenuButton();
    // A button for the command whose sub-menu is filled from hMenu (may be null).
    CZAVPToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCSTR lpszText = nullptr,
                           BOOL bUserButton = FALSE);
    ~CZAVPToolbarMenuButton() override;

    // The button's archive, then the tear-off id, the palette fields (6.52 on) and the items.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CZAVPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // TRUE when the click opened or closed the menu (the bar then sends no command).
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnCancelMode() override;
    BOOL OnImmediateClick(CWnd* pWnd) override { return OnClick(pWnd, FALSE); }
    int OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    BOOL IsDroppedDown() const override { return m_pPopupMenu != nullptr; }
    BOOL OnDragStart() override;
    void CloseParentMenus() override;
    void ResetImageToDefault() override;
    BOOL CompareWith(const CZAVPToolbarButton& other) const override;
    BOOL DrawsHotBorder() const override { return FALSE; }
    void SetRadio() override;

    // Opens the sub-menu as a popup; pWnd defaults to the bar holding the button.
    virtual BOOL OpenPopupMenu(CWnd* pWnd = nullptr);
    // Replaces the items by those of the menu (sub-menus recursively).
    virtual void CreateFromMenu(HMENU hMenu);
    // A new menu handle built from the items; the caller owns it. Null when there is nothing to
    // show or an item cannot be appended.
    virtual HMENU CreateMenu() const;
    // A new, empty popup menu object; buttons with popups of their own override it.
    virtual CZAVPPopupMenu* CreatePopupMenu();
    virtual BOOL IsEmptyMenuAllowed() const { return FALSE; }
    virtual BOOL IsTearOffMenu() const { return m_uiTearOffBarID != 0; }
    virtual void SetTearOffId(UINT uiBarID);
    UINT GetTearOffId() const { return m_uiTearOffBarID; }

    // The item look inside a popup menu: image column, check mark, text and accelerator, arrow.
    void DrawMenuItem(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bCustomizeMode,
                      BOOL bHighlight, BOOL bGrayDisabledButtons);
    // The image column of the item in the bar's client coordinates.
    void GetImageColumnRect(CRect& rect) const;

    // Replaces the items by buttons for the menu's items (sub-menus recursively).
    void CreateFromItems(const std::vector<ZAVPMenuItem>& items);
    // The menu item a button stands for, with the items of its sub-menu.
    static ZAVPMenuItem ItemOf(const CZAVPToolbarButton& button);

    const CObList& GetCommands() const { return m_listCommands; }
    // Deletes every item.
    void RemoveAllSubItems();
    // Appends a copy of the button to the items.
    void AddSubItem(const CZAVPToolbarButton& button);
    // The popup holding the bar that holds this button, or null.
    CZAVPPopupMenu* GetParentPopup() const;

    CWnd* m_pWndParent;            // the bar that shows the button
    CZAVPPopupMenu* m_pPopupMenu;  // its open popup menu, null when closed
    int m_nDropDirection;          // where the popup opens: 1 below, 2 above, 3 right, 4 left
    BOOL m_bDrawDownArrow;         // the button opens a menu and shows an arrow for it
    BOOL m_bMenuMode;              // the button lives in a popup menu bar
    BOOL m_bDefault;               // the menu's default item (bold)
    BOOL m_bClickedOnMenu;         // the last click fell on the drop-down part
    BOOL m_bToBeClosed;            // a close is pending; cleared whenever the popup goes
    BOOL m_bMenuOnly;              // the whole button opens the menu despite its command
    BOOL m_bIsRadio;               // a checked item shows a bullet
    BOOL m_bOpenLeft;              // the popup is aligned on the button's right edge
    CWnd* m_pWndMessage;           // receives the popup's commands; null: the parent popup's
    BOOL m_bMenuPaletteMode;       // the sub-menu is a grid of image buttons
    int m_nPaletteRows;
    int m_iDownArrow;  // not 0: the arrow of the own drawing points down

protected:
    CObList m_listCommands;  // owned CZAVPToolbarButton items, in order
    UINT m_uiTearOffBarID;   // 0: the sub-menu cannot be torn off
};
