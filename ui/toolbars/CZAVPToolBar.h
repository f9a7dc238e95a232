// The toolbar window of the library, with the data every toolbar of the process shares: sizes,
// image strips, command lists, usage statistics and the customisation switch.
#pragma once

#include "framework/CList.h"
#include "framework/CMap.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"
#include "ui/toolbars/CZAVPCommandUsageStats.h"

class CZAVPToolBar : public CZAVPBaseToolBar
{
    DECLARE_DYNAMIC(CZAVPToolBar)
public:
    // Every toolbar object whose window was created, in creation order.
    static CObList& GetAllToolbars() { return ZAVPSharedBarData::AllToolbars(); }
    // Text colour of highlighted buttons: the colour set for the library, else the button text.
    static COLORREF GetHotTextColor()
    {
        return ZAVPSharedBarData::g_clrHotText == (COLORREF)-1 ? globalData.clrBtnText
                                                               : ZAVPSharedBarData::g_clrHotText;
    }
    // The bar re-measures its buttons after the global fonts changed.
    virtual void OnGlobalFontsChanged();

    // ---- what the workspace, the menu-bar store and the input managers use
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Gives every button its default image again (unless the bar is locked) and relays out.
    virtual void ResetAllImages();
    // Removes and deletes the button; the caller lays the bar out again.
    virtual BOOL RemoveButton(int iIndex);
    virtual void AdjustLayout();
    // The buttons of the bar's key "%sZAVToolBar-%d" (or "%sZAVToolBar-%d%x"); TRUE when a stored
    // state was read.
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    // TRUE when the last LoadState added buttons the resource has and the stored state lacked.
    virtual BOOL HasAddedMissingButtons() const { return m_bResourceWasChanged; }

    int GetCount() const;
    // The bar adds the visual manager's extra border to its buttons.
    BOOL HasButtonExtraSize() const { return m_bHasButtonExtraSize; }
    // First index at or after iIndexFirst whose command is nIDFind, -1 when none.
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;

    // The toolbar options under "%sZAVToolbarParameters".
    static BOOL LoadParameters(LPCSTR lpszProfileName = nullptr);
    static BOOL SaveParameters(LPCSTR lpszProfileName = nullptr);
    // Reads only "LargeIcons" into the shared setting.
    static BOOL LoadLargeIconsState(LPCSTR lpszProfileName = nullptr);
    // FALSE for the commands that may not be placed on bars.
    static BOOL IsCommandPermitted(UINT uiCmd);
    // Clears the shared image strips, the command-to-image map and the usage statistics.
    static void CleanUpImages();

    // ---- shared data of all toolbars
    // Shared button and image sizes; the current sizes are doubled while large icons are on.
    static void SetSizes(SIZE sizeButton, SIZE sizeImage);
    static void SetLargeIcons(BOOL bLargeIcons = TRUE);
    static BOOL IsLargeIcons() { return m_bLargeIcons; }
    static SIZE GetMenuImageSize();
    static SIZE GetMenuButtonSize();
    static void SetMenuSizes(SIZE sizeButton, SIZE sizeImage);
    // TRUE for commands that short menus always show; they are never counted.
    static BOOL IsBasicCommand(UINT uiCmd);
    static void AddAlwaysVisibleCommand(UINT uiCmd);
    static void SetBasicCommands(const CList<UINT, UINT>& lstCommands);
    static void SetNonPermittedCommands(const CList<UINT, UINT>& lstCommands);
    static void AddCommandUsage(UINT uiCommand);
    static BOOL IsCommandRarelyUsed(UINT uiCmd);
    static BOOL IsCustomizeMode() { return ZAVPSharedBarData::g_bCustomizeMode; }
    // The default image of a command loaded from a toolbar resource, -1 when none.
    static int GetDefaultImage(UINT uiID);
    // The width sent to tooltip controls (TTM_SETMAXTIPWIDTH), or -1: leave the control's own.
    static void SetMaxToolTipWidth(int nWidth);
    static int GetMaxToolTipWidth() { return m_nMaxToolTipWidth; }
    // Sends the width to a tooltip control when one is set; a width of 0 or less is never sent.
    static void ApplyMaxToolTipWidth(HWND hwndToolTip);

    static CString m_strSection;           // registry section of toolbar state
    static BOOL m_bShowTooltips;           // "Tooltips"
    static BOOL m_bShowShortcutKeys;       // "ShortcutKeys"
    static BOOL m_bLargeIcons;             // "LargeIcons"
    static int m_nMenuAnimation;           // "MenuAnimation": 0 none
    static BOOL m_bRecentlyUsedMenus;      // "RecentlyUsedMenus": personalised menus
    static BOOL m_bShowAllMenusAfterDelay; // "ShowAllMenusAfterDelay"
    static SIZE m_sizeButton;              // shared button size
    static SIZE m_sizeImage;               // shared image size
    static SIZE m_sizeCurButton;           // the same, doubled while large icons are on
    static SIZE m_sizeCurImage;
    static SIZE m_sizeMenuImage;           // -1 x -1: the image size
    static SIZE m_sizeMenuButton;          // -1 x -1: the button size
    static int m_nMinRowHeightHorz;        // lower bounds of a row, kept by the menu bar
    static int m_nMinRowHeightVert;
    static CZAVPToolBar* m_pSelToolbar;    // the bar whose selected button is framed (customising)
    static HCURSOR m_hcurHorzSplit;        // loaded by the first toolbar window
    static HCURSOR m_hcurVertSplit;
    static HCURSOR m_hcurSizeAll;
    // The eight shared strips: images, cold, menu, disabled, disabled menu, large, large cold,
    // large disabled.
    static CZAVPImageStrip m_Images;
    static CZAVPImageStrip m_ColdImages;
    static CZAVPImageStrip m_MenuImages;
    static CZAVPImageStrip m_DisabledImages;
    static CZAVPImageStrip m_DisabledMenuImages;
    static CZAVPImageStrip m_LargeImages;
    static CZAVPImageStrip m_LargeColdImages;
    static CZAVPImageStrip m_LargeDisabledImages;
    static CMap<UINT, UINT, int, int> m_DefaultImages;    // command -> image of its resource
    static CMap<UINT, UINT, int, int> m_BitmapOffsets;    // bitmap resource -> first image
    static CList<UINT, UINT> m_lstUnpermittedCommands;    // refused by InsertButton
    static CList<UINT, UINT> m_lstBasicCommands;          // always shown in short menus
    static CZAVPCommandUsageStats m_UsageCount;           // "CommandsUsage"
    static CString m_strToolTipBuffer;                    // text handed out for TTN_NEEDTEXTA

protected:
    static int m_nMaxToolTipWidth;         // -1: not set
    BOOL m_bResourceWasChanged = FALSE;  // set by LoadState when it added missing buttons
    BOOL m_bHasButtonExtraSize = FALSE;  // buttons get the visual manager's extra border
};
