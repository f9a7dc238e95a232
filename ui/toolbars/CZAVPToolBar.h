// The toolbar window of the library, with the data every toolbar of the process shares: sizes,
// image strips, command lists, usage statistics and the customisation switch.
#pragma once

#include <vector>

#include "framework/AfxOle.h"
#include "framework/CList.h"
#include "framework/CMap.h"
#include "ui/docking/CZAVPBarNcArea.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"
#include "ui/toolbars/CZAVPCommandUsageStats.h"
#include "ui/toolbars/CZAVPToolbarDropTarget.h"
#include "ui/toolbars/ZAVPToolBarLayout.h"

class CCustomizeButton;
class CMenu;
class COleDataObject;
class CZAVPRegistry;
class CToolTipCtrl;
class CZAVPToolbarButton;

// The eight bitmap resources a bar's images come from, 0 for none; the normal (hot) one is
// required. The order is the one the loading walks.
struct CZAVPToolBarImageIds
{
    UINT uiCold = 0;
    UINT uiHot = 0;  // the normal images
    UINT uiDisabled = 0;
    UINT uiLargeCold = 0;
    UINT uiLargeHot = 0;
    UINT uiLargeDisabled = 0;
    UINT uiMenu = 0;
    UINT uiMenuDisabled = 0;
};

class CZAVPToolBar : public CZAVPBaseToolBar
{
    DECLARE_SERIAL(CZAVPToolBar)
public:
    CZAVPToolBar();
    ~CZAVPToolBar() override;

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

    // ---- creation and buttons
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                          UINT nID);
    // Gives every button its default image again (unless the bar is locked) and relays out.
    virtual void ResetAllImages();
    // Loads the buttons of a toolbar resource and its image strip (shared unless bLocked).
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                             BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                             UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                            BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                            UINT uiMenuDisabledResID = 0);
    // Each named bitmap goes into its strip: the bar's own eight when bLocked, else the shared
    // ones. FALSE at the first that fails to load.
    virtual BOOL LoadBitmapEx(const CZAVPToolBarImageIds& ids, BOOL bLocked = FALSE);
    virtual BOOL LoadToolBarEx(UINT uiResID, const CZAVPToolBarImageIds& ids, BOOL bLocked = FALSE);
    // Builds the buttons from command ids (0: a separator).
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // The index of the inserted button, or -1 (a refused command, a bad index).
    virtual int InsertButton(CZAVPToolbarButton* pButton, int iInsertAt = -1);
    virtual int InsertButtonCopy(const CZAVPToolbarButton& button, int iInsertAt = -1);
    int InsertSeparator(int iInsertAt = -1);
    // Removes and deletes the button; the caller lays the bar out again.
    virtual BOOL RemoveButton(int iIndex);
    virtual void RemoveAllButtons();
    virtual void AdjustLayout() override;
    virtual void AdjustLocations();
    // The buttons of the bar's key "%sZAVToolBar-%d" (or "%sZAVToolBar-%d%x"); TRUE when a stored
    // state was read.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    // TRUE when the last LoadState added buttons the resource has and the stored state lacked.
    virtual BOOL HasAddedMissingButtons() const { return m_bResourceWasChanged; }
    virtual BOOL IsResourceChanged() const { return m_bResourceWasChanged; }
    virtual BOOL CanBeRestored() const { return m_uiOriginalResID != 0; }
    // The toolbar resource the bar was loaded from, 0 for none.
    UINT GetResourceID() const { return m_uiOriginalResID; }
    virtual BOOL RestoreOriginalState();
    // The question asked before RestoreOriginalState: the bar's name, "<Без имени>" for none.
    static CString FormatResetPrompt(LPCSTR lpszBarName);
    // "OriginalItems": the resource layout the bar had when its state was saved. Loading it
    // brings a customised bar up to date with a resource that changed since (AddMissingButtons).
    virtual BOOL SaveOriginalItems(CZAVPRegistry& reg) const;
    virtual BOOL LoadOriginalItems(CZAVPRegistry& reg);
    // Removes what the resource lost and inserts what it gained since the saved layout; TRUE
    // (kept for IsResourceChanged) when the two layouts differ at all.
    virtual BOOL AddMissingButtons(const CObList& lstSavedOriginal);
    virtual BOOL RemoveStateFromRegistry(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                                         UINT uiID = (UINT)-1);
    // Alignment and visibility, then (unlocked bars) the buttons, text labels, name, MRU width.
    void Serialize(CArchive& ar) override;

    int GetCount() const;
    CZAVPToolbarButton* GetButton(int iIndex) const;
    // First index at or after iIndexFirst whose command is nIDFind, -1 when none.
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;
    int ButtonToIndex(const CZAVPToolbarButton* pButton) const;
    void GetItemRect(int iIndex, LPRECT lpRect) const;
    // The rectangle repainted for the button: its own.
    virtual void GetInvalidateItemRect(int iIndex, LPRECT lpRect) const;
    // Repaints the button; the button, null for a bad index.
    CZAVPToolbarButton* InvalidateButton(int iIndex);
    virtual void SetButtonStyle(int iIndex, UINT nStyle);
    UINT GetButtonStyle(int iIndex) const;
    BOOL SetButtonText(int iIndex, LPCSTR lpszText);
    CString GetButtonText(int iIndex) const;
    // What the button shows: text, image, both; a non-null text replaces its own. The bar lays
    // out again. FALSE for a bad index.
    BOOL SetButtonTextMode(int iIndex, BOOL bText, BOOL bImage, LPCSTR lpszText = nullptr);
    // Gives the button the second '\n' field of its command's string (its tooltip) as text; FALSE
    // when the command has none.
    virtual BOOL SetDefaultButtonText(CZAVPToolbarButton* pButton);
    // Whether the bar's text-labels mode may change (toolbars: yes).
    virtual BOOL CanChangeTextLabels() const { return TRUE; }
    // Whether the customisation sheet lists the bar among the frame's toolbars.
    virtual BOOL AllowShowOnList() const { return TRUE; }
    // The bar is one of its frame's user toolbars (by its id).
    BOOL IsUserDefined() const;
    // The bar follows the shared large-icons setting (the default) or keeps its plain sizes.
    void EnableLargeIcons(BOOL bEnable) { m_bLargeIconsAreEnbaled = bEnable; }
    BOOL IsLargeIconsEnabled() const { return m_bLargeIconsAreEnbaled; }
    CCustomizeButton* GetCustomizeButton() const { return m_pCustomizeBtn; }
    // Gives the bar a customize button at its end (or takes it away). Its drop-down lists the
    // buttons that had no room and, with a command, ends with the customise entries: with
    // bQuickCustomize, a list of the row's toolbars whose buttons can be taken off and put back.
    void EnableCustomizeButton(BOOL bEnable, UINT uiCustomizeCmd, const CString& strCustomizeText,
                               BOOL bQuickCustomize = TRUE);
    BOOL IsAddRemoveQuickCustomize() const { return m_bQuickCustomize; }
    // The bar that may share this bar's row or take one of its own (the customise drop-down
    // offers the switch); null for none. Both bars name each other.
    void SetSiblingToolBar(CZAVPToolBar* pSibling);
    CZAVPToolBar* GetSiblingToolBar() const;
    // The buttons the toolbar was made with (its resource layout), separators included.
    const CObList& GetOriginalButtons() const { return m_OrigButtons; }
    // Every button with the command on every toolbar with a window; answers their count.
    static int GetCommandButtons(UINT uiCmd, CObList& listButtons);

    // ---- layout
    CSize GetButtonSize() const;
    CSize GetImageSize() const;
    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    // The bar adds the visual manager's extra border to its buttons.
    BOOL HasButtonExtraSize() const { return m_bHasButtonExtraSize; }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    virtual CSize CalcSize(BOOL bVertDock);
    // The customize button counts in the bar's size: a docked bar's, with hidden buttons or
    // extra items to offer.
    BOOL NeedsCustomizeButton() const;
    // The first visible button under the client point; -1 for none and for separators.
    virtual int HitTest(CPoint point);
    void EnableTextLabels(BOOL bEnable = TRUE);
    BOOL AreTextLabels() const { return m_bTextLabels; }
    // The longest row a bar stretched along its dock row may claim; 0: the docking maximum.
    void SetMaxStretchLength(int nLength) { m_nMaxStretchLength = nLength > 0 ? nLength : 0; }
    int GetMaxStretchLength() const { return m_nMaxStretchLength; }
    // A grid of this many buttons a row, whatever the length and whichever way the bar docks (a
    // palette torn off a menu); 0: the buttons wrap to the bar's length.
    void SetColumns(int nColumns) { m_nColumns = nColumns > 0 ? nColumns : 0; }
    int GetColumns() const { return m_nColumns; }
    // The buttons run in rows: a horizontal bar, or a palette grid however it is docked.
    BOOL LaysOutInRows() const
    {
        return ZAVPToolBarLayout::RunsInRows(IsHorizontal() != FALSE, m_nColumns);
    }
    BOOL IsMenuMode() const { return m_bMenuMode; }
    // The bar's tooltip control; it lives with the bar's window (null without one).
    CToolTipCtrl* GetToolTip() const { return m_pToolTip; }
    BOOL IsLocked() const { return m_bLocked; }

    // ---- painting, mouse and keyboard
    // The strips a paint pass draws from: a locked bar's own, else the shared ones; the large
    // pair while the bar shows large icons and the large strip has images, the menu pair in menu
    // mode when the menu strip has images. The disabled strip is null when it has none.
    struct PaintStrips
    {
        CZAVPImageStrip* pImages;
        CZAVPImageStrip* pDisabled;
    };
    PaintStrips GetPaintStrips() const;
    // A locked bar's own strip of the kind (the order of CZAVPToolBarImageIds).
    enum StripKind
    {
        kColdStrip,
        kImagesStrip,
        kDisabledStrip,
        kLargeColdStrip,
        kLargeImagesStrip,
        kLargeDisabledStrip,
        kMenuStrip,
        kMenuDisabledStrip,
        kStripKinds
    };
    const CZAVPImageStrip& GetOwnStrip(StripKind kind) const { return m_OwnStrips[kind]; }
    void DoPaint(CDC* pDC) override;
    virtual BOOL DrawButton(CDC* pDC, CZAVPToolbarButton* pButton, CZAVPImageStrip* pImages,
                            BOOL bHighlighted, BOOL bDrawDisabledImages);
    virtual void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz);
    // Where a separator is drawn: its rectangle; for one that ends a row of a horizontal bar, the
    // gap below the row across the whole client width.
    virtual void GetSeparatorRect(CZAVPToolbarButton* pButton, CRect& rect, BOOL bHorz) const;
    virtual void OnFillBackground(CDC* /*pDC*/) {}
    virtual void SetHot(int iHot);
    // The button whose mnemonic is the key's character acts: a menu button opens its menu with
    // the first item selected, any other sends its command. FALSE when no button takes the key.
    virtual BOOL TranslateChar(UINT nChar);
    // From the dropped-down menu to the previous or next enabled menu button, cyclically.
    virtual BOOL PrevMenu();
    virtual BOOL NextMenu();
    // The first menu button whose popup is open and its index; null and -1 when none is.
    CZAVPToolbarButton* GetDroppedDownButton(int* piIndex = nullptr) const;
    int GetHotButton() const { return m_iHighlighted; }
    // Makes the button of the bar the hot one (null: none); FALSE when it is not on the bar.
    BOOL SetHotButton(CZAVPToolbarButton* pButton);
    int GetPressedButton() const { return m_iButtonCapture; }
    virtual void ClearHighlight();
    virtual void RestoreFocus();
    virtual BOOL CanHighlightDisabled() const { return FALSE; }
    virtual BOOL OnSendCommand(const CZAVPToolbarButton* /*pButton*/) { return FALSE; }
    virtual void ShowCommandMessageString(UINT uiCmdId);
    // The window that receives the bar's commands (a frame while route-to-frame is set).
    virtual CWnd* GetCommandTarget() const;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    // The tooltip text the bar's frame gives for the button; FALSE when it gives none.
    virtual BOOL GetFrameToolTipText(CZAVPToolbarButton* pButton, CString& strText) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL CanBeClosed() const override { return TRUE; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Hands a notification of a button's hosted control to the button, then its command to the
    // owner (else the parent); FALSE when the button kept it.
    virtual BOOL NotifyControlCommand(CZAVPToolbarButton* pButton, BOOL bAccelerator,
                                      int nNotifyCode, WPARAM wParam, LPARAM lParam);

    // ---- customisation mode and moving buttons between bars
    // Every toolbar enters or leaves customisation mode together; FALSE when it already was in
    // that mode.
    static BOOL SetCustomizeMode(BOOL bSet = TRUE);
    // The bar's buttons are cancelled and their hosted controls disabled while customising.
    virtual void OnCustomizeMode(BOOL bSet);
    // Prepares the button context menu for the button; TRUE when it is to be shown.
    virtual BOOL EnableContextMenuItems(CZAVPToolbarButton* pButton, CMenu* pPopup);
    // A button dragged over the bar through OLE (its record in the data); forwarded to the
    // in-process operations below.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual CZAVPToolbarButton* CreateDroppedButton(COleDataObject* pDataObject);
    // The same for a button record dragged inside the process: the effect a drop at the client
    // point would have (a copy with Ctrl), and the drop itself (TRUE when done).
    virtual DROPEFFECT DragOverButton(const CZAVPToolbarButton& button, DWORD dwKeyState,
                                      CPoint point);
    virtual BOOL DropButton(const CZAVPToolbarButton& button, DROPEFFECT dropEffect, CPoint point);
    // Where a button dropped at the client point goes (-1: nowhere) and its insertion mark.
    virtual int FindDropIndex(CPoint point, CRect& rectMark);
    virtual void DrawDragMarker(CDC* pDC);
    // Whether the dragged button leaves this bar after a drag with the effect.
    virtual BOOL CanRemoveDraggedButton(CZAVPToolbarButton* /*pButton*/, DROPEFFECT /*effect*/)
    {
        return TRUE;
    }
    // Drags the button from the client point to the screen point as the mouse would, with Ctrl
    // held when bCopy, ending with a release (or Esc when bCancel); the effect.
    DROPEFFECT DragButtonTo(int iButton, CPoint ptStartClient, CPoint ptEndScreen,
                            BOOL bCopy = FALSE, BOOL bCancel = FALSE);
    // A command of the button context menu on the selected button; FALSE when none applies.
    BOOL OnButtonCommand(UINT uiCmd);
    // The button appearance dialog for pButton over this bar; IDOK when the user applied it.
    virtual INT_PTR RunAppearanceDialog(CZAVPToolbarButton* pButton);
    int GetSelectedIndex() const { return m_iSelected; }
    static CZAVPToolBar* GetSelectedToolBar() { return m_pSelToolbar; }
    int GetDropIndex() const { return m_iDragIndex; }
    const CRect& GetDropMark() const { return m_rectDrag; }

    // Context-help mode: while it is on, a thread mouse hook hot-tracks the toolbar under the
    // pointer and the bars show no idle prompts.
    static void SetHelpMode(BOOL bOn = TRUE);
    static BOOL IsHelpMode() { return m_hookMouseHelp != nullptr; }

    BOOL m_bRouteCommandsViaFrame;  // commands go to the nearest frame
    BOOL m_bDrawTextLabels;         // text under the images

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
    // The same for one locked bar: its own sizes and its own strips.
    void SetLockedSizes(SIZE sizeButton, SIZE sizeImage);
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

    static CString m_strSection;            // registry section of toolbar state
    static BOOL m_bShowTooltips;            // "Tooltips"
    static BOOL m_bShowShortcutKeys;        // "ShortcutKeys"
    static BOOL m_bLargeIcons;              // "LargeIcons"
    static int m_nMenuAnimation;            // "MenuAnimation": 0 none
    static BOOL m_bRecentlyUsedMenus;       // "RecentlyUsedMenus": personalised menus
    static BOOL m_bShowAllMenusAfterDelay;  // "ShowAllMenusAfterDelay"
    static SIZE m_sizeButton;               // shared button size
    static SIZE m_sizeImage;                // shared image size
    static SIZE m_sizeCurButton;            // the same, doubled while large icons are on
    static SIZE m_sizeCurImage;
    static SIZE m_sizeMenuImage;     // -1 x -1: the image size
    static SIZE m_sizeMenuButton;    // -1 x -1: the button size
    static int m_nMinRowHeightHorz;  // lower bounds of a row, kept by the menu bar
    static int m_nMinRowHeightVert;
    static CZAVPToolBar* m_pSelToolbar;  // the bar whose selected button is framed (customising)
    static HHOOK m_hookMouseHelp;        // set while context-help mode tracks the mouse
    static CZAVPToolBar* m_pLastHookedToolbar;  // the bar the help hook hot-tracked last
    static HCURSOR m_hcurHorzSplit;             // loaded by the first toolbar window
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
    static CMap<UINT, UINT, int, int> m_DefaultImages;  // command -> image of its resource
    static CMap<UINT, UINT, int, int> m_BitmapOffsets;  // bitmap resource -> first image
    static CList<UINT, UINT> m_lstUnpermittedCommands;  // refused by InsertButton
    static CList<UINT, UINT> m_lstBasicCommands;        // always shown in short menus
    static CZAVPCommandUsageStats m_UsageCount;         // "CommandsUsage"
    static CString m_strToolTipBuffer;                  // text handed out for TTN_NEEDTEXTA

protected:
    static int m_nMaxToolTipWidth;  // -1: not set

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnCancelMode();
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSysColorChange();
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSetFocus(CWnd* pOldWnd);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    // A bar inside a rebar tells its band the sizes it needs; FALSE when it is in none.
    BOOL UpdateRebarBand();
    BOOL IsInRebar() const;
    static LRESULT CALLBACK HelpMouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    // A floating bar's mini frame keeps only the moving and closing entries of its system menu.
    void TrimParentMiniFrameMenu();
    BOOL OnNeedText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButtonCount(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetPrompt(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    // Customisation mode's own mouse: selection, stretching a hosted control, dragging a button.
    void OnCustomizeLButtonDown(UINT nFlags, CPoint point);
    BOOL OnStretchMouseMove(CPoint point);
    BOOL OnStretchLButtonUp(CPoint point);
    // The drag of a button out of this bar: the capture loop inside the process (OLE is off);
    // the effect it ended with.
    DROPEFFECT RunButtonDrag(CPoint ptStartClient, BOOL bCopy);
    // The same drag through OLE drag and drop (the thread has OLE initialised).
    DROPEFFECT RunOleButtonDrag();
    // The common ending of a drag that started on this bar.
    void FinishButtonDrag(DROPEFFECT effect, BOOL bEscape, CPoint ptEndClient);
    void SelectButton(int iIndex);
    void InvalidateDropMark();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL IsButtonHighlighted(int iButton) const;
    // The button measurements the layout works on, with the bar's orientation font selected.
    void MeasureButtons(CDC* pDC, BOOL bHorz, std::vector<ZAVPToolBarLayout::Item>& items,
                        BOOL bWithCustomize) const;
    void ApplyWrap(const std::vector<ZAVPToolBarLayout::Item>& items);
    void SizeToolBar(int nLength, BOOL bVert);
    void UpdateMnemonics();
    void UpdateTooltips();
    int CalcMaxButtonHeight();
    // Takes the entry out of the list and deletes it; the indexes follow.
    void DeleteEntry(int iIndex);
    void SendCommandOf(CZAVPToolbarButton* pButton);
    // The second '\n' part of a command's prompt (the tooltip), empty when none.
    static CString CommandTooltip(UINT uiCmd);

    CObList m_Buttons;                  // owned CZAVPToolbarButton objects, in order
    CObList m_OrigButtons;              // the resource layout as loaded (owned copies)
    CObList m_OrigResetButtons;         // "OrigResetItems" (owned)
    CCustomizeButton* m_pCustomizeBtn;  // always the last button when present
    BOOL m_bLocked;                     // own images and sizes, buttons not stored
    BOOL m_bLargeIconsAreEnbaled;       // follows the shared large-icons setting
    BOOL m_bMenuMode;
    BOOL m_bTextLabels;
    BOOL m_bTextLabelsTaller;  // some label is taller than a button
    int m_nMaxBtnHeight;       // the tallest labelled button
    CSize m_sizeOwnButton;     // own sizes, used when locked
    CSize m_sizeOwnImage;
    int m_iButtonCapture;                // pressed: the button holding the capture, -1
    int m_iHighlighted;                  // hot, -1
    int m_iSelected;                     // selected in customisation, -1
    int m_iHot;                          // the hot candidate, -1
    int m_iImagesOffset;                 // this bar's first image in the shared strip, -1
    UINT m_uiOriginalResID;              // 0: not loaded from a toolbar resource
    BOOL m_bResourceWasChanged = FALSE;  // set by LoadState when it added missing buttons
    BOOL m_bButtonsLoaded = FALSE;       // the last LoadState read a whole "Buttons" image
    BOOL m_bHasButtonExtraSize = TRUE;   // buttons get the visual manager's extra border
    BOOL m_bDrawBorders;                 // hot and pressed borders drawn
    BOOL m_bGrayDisabledButtons;
    BOOL m_bTracked;         // mouse-leave tracking is on
    CPoint m_ptLastMouse;    // client; (-1, -1) when none
    HWND m_hwndLastCapture;  // held the capture before the bar took it
    HWND m_hwndLastFocus;    // to give the focus back to
    CToolTipCtrl* m_pToolTip;
    int m_nTooltipsCount;                      // tools the bar added (ids 1..count)
    CMap<UINT, UINT, int, int> m_AccelKeys;    // upper-case mnemonic -> button index
    CZAVPImageStrip m_OwnStrips[kStripKinds];  // a locked bar's own strips
    CZAVPBarNcArea m_Impl;                     // borders and gripper outside the client area
    BOOL m_bRememberFocus = TRUE;              // WM_SETFOCUS remembers the window to give it back
    CSize m_sizeLastWindow = CSize(0, 0);      // the size the last WM_WINDOWPOSCHANGED saw
    int m_nMaxStretchLength = 0;               // 0: none
    int m_nColumns = 0;                        // 0: wrap to the length
    // A bar that shows another bar's buttons (a drop-down) paints and measures them with that
    // bar's strips and sizes; null: its own.
    const CZAVPToolBar* m_pLookSource = nullptr;
    CZAVPToolbarDropTarget m_DropTarget;  // registered where OLE is initialised
    BOOL m_bQuickCustomize = FALSE;       // the customise drop-down lists the row's bars
    // Customisation mode.
    int m_iDragIndex = -1;                        // where a dragged button would go
    CRect m_rectDrag = CRect(0, 0, 0, 0);         // its insertion mark (client)
    CZAVPToolbarButton* m_pDragButton = nullptr;  // the button being dragged off this bar
    CPoint m_ptStartDrag = CPoint(-1, -1);        // where its drag started (client)
    BOOL m_bIsDragCopy = FALSE;                   // Ctrl: a copy
    BOOL m_bStretchButton = FALSE;                // a hosted control is being stretched
    CRect m_rectTrack = CRect(0, 0, 0, 0);        // the stretched button's outline (client)
    HWND m_hwndSibling = nullptr;                 // the partner bar (looked up, never dangling)

    DECLARE_MESSAGE_MAP()
};
