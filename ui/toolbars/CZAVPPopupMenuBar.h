// The toolbar inside every popup menu, holding the menu's items as buttons: it turns a menu
// handle into buttons and back, lays them out as a vertical menu, opens and closes sub-menus
// after the menu show delay, handles the keys of a menu and runs the chosen command.
#pragma once

#include <utility>
#include <vector>

#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPPopupMenuSize.h"
#include "ui/toolbars/ZAVPSubMenuTracker.h"

class CZAVPPopupMenu;
class CZAVPToolbarMenuButton;

class CZAVPPopupMenuBar : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPPopupMenuBar)
public:
    CZAVPPopupMenuBar();
    ~CZAVPPopupMenuBar() override;

    // Fills the bar with the items of the menu; FALSE for a null or invalid menu. Rarely used
    // commands are left out unless bShowAllCommands (or the menus show everything anyway).
    virtual BOOL ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands = FALSE);
    // A new menu built from the buttons, sub-menus included; the caller owns it.
    virtual HMENU ExportToMenu() const;

    // Schedules opening the button's sub-menu after the menu show delay times nDelayFactor.
    void StartPopupMenuTimer(CZAVPToolbarMenuButton* pButton, int nDelayFactor = 1);
    // Closes the sub-menu waiting to close now; or keeps it open (the pointer came back).
    void CloseDelayedSubMenu();
    void RestoreDelayedSubMenu();
    // Runs the chosen command (0: none) and closes the popup chain.
    virtual void InvokeMenuCommand(UINT uiCmdId, const CZAVPToolbarButton* pButton);
    // Marks this bar and the bars of all parent popups as running a command.
    void SetInCommand(BOOL bInCommand = TRUE);
    BOOL IsInCommand() const { return m_bInCommand; }
    // The first visible row of a scrolled menu.
    void SetOffset(int iOffset);
    int GetOffset() const { return m_iOffset; }
    // The highest first visible row the items allow for the visible height.
    int GetMaxOffset(int nVisibleHeight) const;
    // The height of all rows.
    int GetContentHeight() const;
    // The widest the bar may be, frame included (0: no limit). An item wider than that less the
    // frame is marked as not fitting and shows its label shortened.
    void SetMaxWidth(int nMaxWidth) { m_nMaxWidth = nMaxWidth > 0 ? nMaxWidth : 0; }
    int GetMaxWidth() const { return m_nMaxWidth; }
    // Where each column after the first starts (inside the frame), as the last size recorded.
    const std::vector<int>& GetColumnStarts() const { return m_size.columnStarts; }

    // A button the bar's owner shows for a while, e.g. where an item is about to go. It stays
    // only when the owner commits it; otherwise it leaves with the popup, before the popup hands
    // edited items back to its button. A second one replaces the first. FALSE when refused.
    BOOL SetTemporaryButton(const CZAVPToolbarButton& button, int iInsertAt = -1);
    void CommitTemporaryButton() { m_pTempButton = nullptr; }
    // Takes an uncommitted temporary button off the bar; the popup takes its new size unless
    // it is going anyway.
    void RemoveTemporaryButton(BOOL bRelayout = TRUE);
    CZAVPToolbarButton* GetTemporaryButton() const { return m_pTempButton; }
    BOOL RemoveButton(int iIndex) override;
    void RemoveAllButtons() override;

    CZAVPPopupMenu* GetPopupMenu() const;
    // A locked bar draws with its own images and sizes.
    void SetLockedLook(BOOL bLocked) { m_bLocked = bLocked; }
    UINT GetDefaultCommand() const { return m_uiDefaultMenuCmdId; }
    BOOL AreAllCommandsShown() const { return m_bAreAllCommandsShown; }
    // The item the pointer is over, -1 for none.
    int ItemUnderCursor();
    // The key handler of the menu; FALSE when the key is not the menu's.
    virtual BOOL OnKey(UINT nChar);
    // Moves the highlight to the item (-1: none) as a key does.
    void SelectItem(int iItem, BOOL bByKey = TRUE);

    // ---- toolbar slots
    int GetRowHeight() const override;
    BOOL AllowShowOnList() const override { return FALSE; }
    int GetColumnWidth() const override;
    CSize CalcSize(BOOL bVertDock) override;
    void AdjustLocations() override;
    int HitTest(CPoint point) override;
    BOOL OnSendCommand(const CZAVPToolbarButton* pButton) override;
    CWnd* GetCommandTarget() const override;
    void OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL /*bDisableIfNoHndler*/) override {}
    void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz) override;
    // Runs of rarely used items shown after all items were asked for get their own background.
    void OnFillBackground(CDC* pDC) override;
    BOOL CanHighlightDisabled() const override { return TRUE; }
    // The show-all item answers with its own text; palette items have no tooltips.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

    // The user's menu show delay, read once per process.
    static int GetMenuShowDelay();
    static int m_iLastCommandIndex;  // index of the last chosen item, -1 when none

    // What the looks read while they paint the bar's background.
    BOOL m_bNoImageColumn;  // the items are drawn without the shaded image column
    BOOL m_bSecondColumn;   // a sub-menu whose items run in a second column
    BOOL m_bTrackMode;      // the chosen command goes to the context-menu manager
    BOOL m_bPaletteMode;    // the items form a grid of image buttons
    int m_nPaletteColumns;
    int m_iSelected;  // the item to select when the menu opens, -1 none

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    // The hot item changed by the pointer or by a key.
    void OnChangeHot(int iHot, BOOL bByMouse);
    void ApplyTracker(const ZAVPSubMenuTracker::Actions& actions);
    // Brings the tracker in line with the sub-menu actually open.
    void SyncTracker();
    // After an item came or went: the timers forget their items and the popup is laid out.
    void OnItemsChanged(BOOL bRelayout);
    // Passes a mouse message outside the client area to the popup or bar under the point.
    BOOL PassMouseOutside(UINT message, UINT nFlags, CPoint point);
    void MeasureItems(std::vector<ZAVPPopupMenuSize::Item>& items);
    // Sizes the items into columns, records where the columns start and marks which items fit.
    void RecordSize(const std::vector<ZAVPPopupMenuSize::Item>& items);
    CZAVPToolbarMenuButton* MenuButton(int iIndex) const;
    static BOOL OpensSubMenu(const CZAVPToolbarButton* pButton);

    UINT m_uiDefaultMenuCmdId;  // drawn bold
    BOOL m_bFirstClick;         // no press yet: a release outside ends the opening click
    BOOL m_bFirstMove;          // the first move after opening is not hot-tracking
    BOOL m_bReleaseAllowed;     // a release runs an item
    int m_iOffset;              // first visible row
    BOOL m_bAreAllCommandsShown;
    std::vector<std::pair<BYTE, UINT>> m_HiddenMnemonics;  // left-out commands by mnemonic
    int m_nRowHeight;
    BOOL m_bInCommand;
    ZAVPSubMenuTracker m_tracker;
    ZAVPPopupMenuSize::Result m_size;   // of the last layout: the column starts and widths
    int m_nMaxWidth;                    // 0: none
    CZAVPToolbarButton* m_pTempButton;  // on the bar until committed or the popup goes

    DECLARE_MESSAGE_MAP()
};
