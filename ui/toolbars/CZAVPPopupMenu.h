// The window of every drop-down menu, sub-menu and context menu: a borderless pop-up frame that
// hosts one popup menu bar and adds placement, animation, shadow, scrolling, the tear-off strip,
// the keys between sibling menus and the rules by which a chain of menus closes.
#pragma once

#include "framework/CGdiObject.h"
#include "framework/CMiniFrameWnd.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"

class CToolTipCtrl;
class CZAVPToolBar;
class CZAVPToolbarMenuButton;

class CZAVPPopupMenu : public CMiniFrameWnd
{
    DECLARE_SERIAL(CZAVPPopupMenu)
public:
    CZAVPPopupMenu();
    ~CZAVPPopupMenu() override;

    virtual CZAVPPopupMenuBar* GetMenuBar() { return &m_wndMenuBar; }
    virtual BOOL IsInCommand() { return m_wndMenuBar.IsInCommand(); }
    // Builds and shows the popup at the screen point for the menu. x = y = -1 opens it 5 pixels
    // into the parent's client area. On FALSE the object has deleted itself.
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                        BOOL bOwnMessage = FALSE);

    CZAVPPopupMenu* GetParentPopupMenu() const;
    // The parent button's bar when it is a toolbar, else null.
    CZAVPToolBar* GetParentToolBar() const;
    BOOL HasParentButton() const { return m_pParentBtn != nullptr; }
    CZAVPToolbarMenuButton* GetSelItem();
    int GetMenuItemCount() const;
    CZAVPToolbarButton* GetMenuItem(int iIndex) const;
    BOOL InsertItem(const CZAVPToolbarButton& button, int iInsertAt = -1);
    BOOL InsertSeparator(int iInsertAt = -1);
    void RemoveAllItems();
    // Closes this popup; a sub-menu closes alone and its parent becomes the active popup.
    void CloseMenu(BOOL bSetFocusToBar = FALSE);
    // Shows the rarely used items too.
    void ShowAllCommands();
    // Turns personalised menus off while this popup is open.
    void ForceShowAllItems();
    // The popup opens at once, whatever the animation setting (before Create).
    void DisableAnimation();
    // Which part of the window a screen point is on (ZAVPPopupPlacement::HitArea).
    int HitTest(CPoint ptScreen) const;
    int GetDropDirection() const { return m_nDropDirection; }
    BOOL IsScrollable() const { return m_bScrollable; }
    int GetShadowDepth() const { return m_iShadowSize; }

    // Registers the popup that opens or becomes active again (null: none is active) with the
    // library frame above it, whose ShowPopupMenu records it and lets the bar it drops from take
    // the focus; FALSE when the frame refuses it, and the popup then closes.
    static BOOL ActivatePopupMenu(CWnd* pTopFrame, CZAVPPopupMenu* pPopupMenu);
    // Re-captures the shadows of the active popup and its parents.
    static void UpdateAllShadows();

    // The open popup menu of the process (the innermost of a chain), or null.
    static CZAVPPopupMenu* m_pActivePopupMenu;
    static CZAVPPopupMenu* GetActiveMenu() { return m_pActivePopupMenu; }
    // The menu bar's switch that makes every popup show its rarely used items.
    static BOOL m_bForceShowAllCommands;

    // Set before Create.
    BOOL m_bAutoDestroyParent;  // closing this popup closes its parent popup too
    BOOL m_bAutoDestroy;        // the menu handle is destroyed with the popup
    BOOL m_bTrackMode;          // the chosen command is stored in the context-menu manager
    BOOL m_bRightAlign;         // x is the right edge of the popup
    HMENU m_hMenu;              // the menu the items were built from
    CZAVPToolbarMenuButton* m_pParentBtn;  // the button that opened it, null for a context menu
    CWnd* m_pMessageWnd;                   // receives the commands and WM_INITMENUPOPUP
    int m_nDropDirection;                  // 0 down, 2 above its button, 4 left of its parent
    int m_iLogoWidth;                      // 0: no logo strip
    int m_nLogoLocation;                   // ZAVPPopupFrame::LogoLocation
    // The frame lets the popup open without asking its own OnShowPopupMenu.
    BOOL m_bPassThrough;
    // 1: the popup lists what a toolbar's customise button or options menu offers; the frame
    // fills the per-button list of its grandchild popup as it opens.
    int m_iCustomizeMark;

protected:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    virtual BOOL InitMenuBar();
    // In customisation mode: the bar's items become the items of the button that opened the
    // popup, and so on up the chain.
    void WriteBackEdits();
    virtual BOOL TearOff(CPoint point);
    virtual CZAVPToolBar* CreateTearOffBar(HMENU hMenu, UINT uiID, LPCSTR lpszName);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);

    // ---- effects (CZAVPPopupMenuEffects.cpp)
    // Drops the shadow when the menu and its shadow do not lie inside the top-level window.
    void CheckShadow();
    void DrawFrame(CDC* pDC);
    void DrawAnimation(CDC* pDC);
    void OnAnimationTick();
    void OnScrollTick();
    void StartScrolling(int nDirection);
    // Keeps the highlighted item of a scrolled menu in view.
    void ScrollToHighlighted();
    void InvalidateParentButtonUnderShadow();
    // The items' area: the client area less the border, logo, tear-off strip and scroll buttons.
    CRect GetBarRect() const;
    void LayOutBar();

    CZAVPPopupMenuBar m_wndMenuBar;
    int m_xPos, m_yPos;                 // top-left in screen coordinates
    int m_xInitial, m_yInitial;         // as asked at creation
    int m_nFinalWidth, m_nFinalHeight;  // the menu without its shadow
    BOOL m_bShown;
    BOOL m_bTobeDestroyed;
    BOOL m_bRestoreRecentMenus;
    BOOL m_bSavedRecentMenus;

    // animation
    int m_nAnimationType;  // fixed at Create
    CSize m_AnimSize;
    BOOL m_bAnimationIsDone;
    BOOL m_bAnimateRight, m_bAnimateDown;
    int m_iFadePercent;
    DWORD m_dwLastTick;
    CBitmap m_bmpScreen;  // the screen under the menu (fade)
    CBitmap m_bmpMenu;    // the finished menu

    // shadow
    int m_iShadowSize;
    CBitmap m_bmpShadowRight;
    CBitmap m_bmpShadowBottom;

    // scrolling
    BOOL m_bScrollable;
    CRect m_rectScrollUp, m_rectScrollDn;
    int m_iScrollMode;  // -1 up, 1 down, 0 none
    int m_iScrollBtnHeight;

    // tear-off strip
    CRect m_rectTearOff;
    BOOL m_bTearOffTracking;
    BOOL m_bIsTearOffCaptionActive;
    CToolTipCtrl* m_pTearOffTip;

    DECLARE_MESSAGE_MAP()
};
