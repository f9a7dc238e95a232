// The tasks pane: a docking pane showing, on one of several named pages, a column of groups of
// tasks, with a browser-like history of the pages (Back, Forward, Home, a menu of pages),
// collapsible groups, a scroll bar or two scroll buttons, and its metrics, page and names kept
// in the registry. Layout, scrolling and drawing are in CZAVPTasksPaneLayout.cpp over the
// arithmetic of ZAVPTasksLayout; the page history is ZAVPTasksPaneHistory; the navigation
// toolbar and the floating frame are CTasksPaneToolBar and CZAVPTaskPaneMiniFrameWnd.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/CCmdUI.h"
#include "framework/CGdiObject.h"
#include "framework/CMenu.h"
#include "framework/CScrollBar.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/panes/CTasksPaneToolBar.h"
#include "ui/panes/ZAVPTasksLayout.h"
#include "ui/panes/ZAVPTasksPaneHistory.h"
#include "ui/panes/ZAVPTasksPaneSettings.h"

class CZAVPTask;
class CZAVPTasksGroup;
class CZAVPTasksPanePage;
class CZAVPTitleButton;

// Lets command handlers enable and relabel the tasks of one group that carry a command.
class CTasksPaneCmdUI : public CCmdUI
{
public:
    explicit CTasksPaneCmdUI(CZAVPTasksGroup* pGroup) : m_pGroup(pGroup) {}
    void Enable(BOOL bOn = TRUE) override;
    void SetText(LPCSTR lpszText) override;
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}

private:
    CZAVPTasksGroup* m_pGroup;
};

class CZAVPTasksPane : public CZAVPDockingControlBar
{
    DECLARE_SERIAL(CZAVPTasksPane)
public:
    // Commands of the navigation (the library's string ids as well).
    static constexpr UINT kCmdBack = 17020;
    static constexpr UINT kCmdForward = 17021;
    static constexpr UINT kCmdHome = 17022;
    static constexpr UINT kCmdClose = 17023;
    static constexpr UINT kCmdOtherPane = 17024;
    static constexpr UINT kCaptionString = 17019;  // "Панель Задач", and the toolbar bitmap
    // Hit-test ids of the caption buttons: Back, Forward, the pages menu.
    static constexpr UINT kHitBack = 23;
    static constexpr UINT kHitForward = 24;
    static constexpr UINT kHitPages = 25;
    // Timers: the collapse animation and the scroll buttons' auto-repeat.
    static constexpr UINT_PTR kAnimationTimer = 4;
    static constexpr UINT_PTR kScrollTimer = 5;
    static constexpr UINT kAnimationMs = 30;
    static constexpr UINT kScrollRepeatMs = 80;

    CZAVPTasksPane();
    ~CZAVPTasksPane() override;

    // ---- slots this class adds
    virtual void OnPressBackButton();
    virtual void OnPressForwardButton();
    virtual void OnPressHomeButton();
    // Shows the page menu under the pages caption button of pWndOwner (the pane or its frame).
    virtual void OnPressOtherButton(CZAVPTitleButton* pButton, CWnd* pWndOwner);
    virtual void OnClickTask(int nGroupNumber, int nTaskNumber, UINT uiCommandID, DWORD dwUserData);
    virtual void ShowCommandMessageString(UINT uiCmdId);
    virtual void OnDrawTasks(CDC* pDC, CRect rectWorkArea);
    virtual void OnActivateTasksPanePage() {}

    // ---- overrides
    void Serialize(CArchive& ar) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CZAVPMiniFrameWnd* CreateDefaultMiniFrame(CRect rectInitial) override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnPressButtons(UINT nHit) override;
    void DrawCaption(CDC* pDC, CRect rectCaption) override;
    void OnTrackCaptionButtons(CPoint point) override;
    void StopCaptionButtonsTracking() override;
    void SetCaptionButtons() override;

    // ---- pages, groups and tasks
    int AddPage(const CString& strName);
    int GetPageCount() const { return (int)m_lstPages.size(); }
    CZAVPTasksPanePage* GetPage(int nPage) const;
    CString GetPageName(int nPage) const;
    void SetActivePage(int nPage);
    int GetActivePage() const { return m_history.GetActivePage(); }
    const ZAVPTasksPaneHistory& GetHistory() const { return m_history; }
    // A group on a page (the pane owns it); the operations the program itself never calls.
    CZAVPTasksGroup* AddGroup(int nPage, const CString& strName, BOOL bBottom = FALSE,
                              BOOL bSpecial = FALSE, HICON hIcon = nullptr);
    int GetGroupCount() const { return (int)m_lstTaskGroups.size(); }
    CZAVPTasksGroup* GetGroup(int nGroup) const { return m_lstTaskGroups[(size_t)nGroup]; }
    void RemoveAllGroups();
    // The task images (not owned): their size sets the row height.
    void SetImageList(HIMAGELIST hImages);

    CZAVPTask* HitTestTask(CPoint pt) const;
    CZAVPTasksGroup* HitTestTaskGroupCaption(CPoint pt) const;
    int ReposTasks(BOOL bCalcHeightOnly = FALSE);
    void AdjustScroll();
    HMENU CreateMenu() const;
    void RebuildMenu();
    void UpdateCaption();
    void CreateFonts();
    BOOL CreateNavigationToolbar();
    // The toolbar is needed where the pane cannot show its own caption buttons: in a tabbed
    // bar, or floating in a frame that is not the pane's own.
    BOOL IsToolBarNeeded() const;
    BOOL ShowsToolBar() const
    {
        return (m_bUseNavigationToolbar || IsToolBarNeeded()) && GetPageCount() > 1;
    }

    // ---- state a test or a look reads
    ZAVPTasksPaneSettings::Record GetSettings() const;
    ZAVPTasksLayout::Scroll GetScroll() const { return m_scroll; }
    CRect GetTaskArea() const { return m_rectTasks; }
    CRect GetScrollUpRect() const { return m_rectScrollUp; }
    CRect GetScrollDownRect() const { return m_rectScrollDn; }
    CRect GetToolbarRect() const { return m_rectToolbar; }
    int GetRowHeight() const { return m_nRowHeight; }
    CTasksPaneToolBar& GetNavigationToolbar() { return m_wndToolBar; }
    CZAVPTask* GetHotTask() const { return m_pHotTask; }
    CZAVPTasksGroup* GetHotGroup() const { return m_pHotGroupCaption; }
    CZAVPTasksGroup* GetAnimatedGroup() const { return m_pAnimatedGroup; }
    const CString& GetCaption() const { return m_strCaption; }
    HMENU GetPageMenu() const { return m_menuOther.GetSafeHmenu(); }
    int GetAnimationHeight() const { return m_nAnimGroupHeight; }
    // The layout's metrics: the pane's own, else the look's.
    ZAVPTasksLayout::Metrics GetMetrics() const;

    // Nine metrics; -1: the look's value (in this order in the saved state).
    int m_nVertMargin;
    int m_nHorzMargin;
    int m_nGroupVertOffset;         // space between groups
    int m_nGroupCaptionHeight;      // minimal caption height
    int m_nGroupCaptionHorzOffset;  // caption text
    int m_nGroupCaptionVertOffset;
    int m_nTasksHorzOffset;
    int m_nTasksIconHorzOffset;  // between a task's icon and its text
    int m_nTasksVertOffset;      // space between tasks
    HIMAGELIST m_hImages;        // task images, not owned
    BOOL m_bCanCollapse;
    BOOL m_bUseNavigationToolbar;
    BOOL m_bUseScrollButtons;
    BOOL m_bAnimationEnabled;
    UINT m_uiToolbarBmpRes;  // 0: the library's navigation images
    CSize m_sizeToolbarImage;
    CSize m_sizeToolbarButton;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    void OnBack() { OnPressBackButton(); }
    void OnForward() { OnPressForwardButton(); }
    void OnHome() { OnPressHomeButton(); }
    void OnClose() { OnPressCloseButton(); }
    void OnOtherPane();
    DECLARE_MESSAGE_MAP()

    // The page shown changes (the history has moved already).
    void ChangeActivePage(int nNewPage, int nOldPage);
    // The groups of the active page, in display order.
    std::vector<CZAVPTasksGroup*> ActiveGroups() const;
    HFONT PaneFont() const;
    // The row the content scrolls by: the taller of a task image and the bold font's text.
    void UpdateRowHeight();
    void RedrawTask(CZAVPTask* pTask);
    void RedrawGroupCaption(CZAVPTasksGroup* pGroup);
    // The scroll buttons' part of a mouse move: TRUE when it started the auto-repeat.
    BOOL TrackScrollButtons(CPoint point);
    void ScrollStep();
    void AnimationStep();
    CWnd* CommandTarget() const;

    std::vector<CZAVPTasksPanePage*> m_lstPages;  // owned; index = page number
    ZAVPTasksPaneHistory m_history;
    std::vector<CZAVPTasksGroup*> m_lstTaskGroups;  // all pages, display order; owned
    CZAVPTask* m_pHotTask;
    CZAVPTask* m_pClickedTask;
    CZAVPTasksGroup* m_pHotGroupCaption;
    CZAVPTasksGroup* m_pClickedGroupCaption;
    CString m_strCaption;
    HFONT m_hFont;               // WM_SETFONT; null: DEFAULT_GUI_FONT
    CScrollBar m_wndScrollVert;  // control id 1
    CFont m_fontBold;
    CFont m_fontBoldUnderline;
    CFont m_fontUnderline;
    CSize m_sizeIcon;   // task image size, 0 x 0 without images
    CRect m_rectTasks;  // the task area, client coordinates
    CTasksPaneToolBar m_wndToolBar;
    CRect m_rectToolbar;
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    int m_iScrollMode;  // -1 up, +1 down, 0 none
    int m_iScrollBtnHeight;
    ZAVPTasksLayout::Scroll m_scroll;  // rows
    int m_nRowHeight;
    CZAVPTasksGroup* m_pAnimatedGroup;
    int m_nAnimGroupWidth;
    int m_nAnimGroupHeight;  // the height still shown
    DWORD m_dwAnimationTick;
    CMenu m_menuOther;       // the page menu
    BOOL m_bMenuBtnPressed;  // the pages drop-down is open
    BOOL m_bFontsCreated;    // the navigation toolbar came up
};
