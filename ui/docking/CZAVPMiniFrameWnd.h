// The small floating frame that carries a bar when it is not docked: its own caption, border and
// caption buttons in the non-client area, moving with its own mouse logic (so that the dock
// manager is asked at every step whether the bar should dock), resizing from its edges, rolling up
// to its caption while the cursor is away, and its record in the stored docking layout. It never
// destroys itself inside the call that emptied it: a posted check decides later.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CObList.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPDragDriver.h"
#include "ui/docking/CZAVPDragOutline.h"
#include "ui/docking/layout/CaptionMath.h"
#include "ui/foundation/ZAVPSharedBarData.h"

class CCreateContext;
class CDC;
class CFrameWnd;
class CZAVPBaseControlBar;
class CZAVPControlBar;
class CZAVPDockManager;
class CZAVPTitleButton;

class CZAVPMiniFrameWnd : public CWnd
{
    DECLARE_SERIAL(CZAVPMiniFrameWnd)
public:
    CZAVPMiniFrameWnd();
    ~CZAVPMiniFrameWnd() override;

    // ---- class-wide values
    static const UINT kDockTimerId = 4;
    static const UINT kRollUpTimerId = 5;
    static const UINT kRollUpInterval = 250;  // ms
    static const int kDefaultDockMode = 2;    // outline, for a frame without a bar
    // The window class gets CS_SAVEBITS.
    static BOOL m_bUseSaveBits;
    // The frame whose layout is being loaded: the parent of every mini frame read from it.
    static CFrameWnd* m_pParentFrameForLoad;

    // ---- virtual operations this class adds
    virtual BOOL CanBeDockedInto(CZAVPBaseControlBar* pTarget);
    virtual BOOL NeedsRollDown() const;
    virtual BOOL NeedsRollUp() const;
    virtual int GetCaptionHeight() const { return m_nCaptionHeight; }
    virtual BOOL CanBeAttached() const;
    virtual void AddControlBar(CZAVPBaseControlBar* pBar);
    virtual void RemoveControlBar(CZAVPBaseControlBar* pBar, BOOL bDestroyIfEmpty = FALSE,
                                  BOOL bHideIfEmpty = FALSE);
    virtual void ReplaceControlBar(CZAVPBaseControlBar* pBarOrg,
                                   CZAVPBaseControlBar* pBarReplaceWith);
    // Finishes a move by docking the hosted bar where the mouse was released; the bar that docked
    // or null.
    virtual CZAVPBaseControlBar* DockControlBarOnDrop(BOOL* pbTabbed);
    virtual void OnBarsChanged() {}
    virtual void SetCaptionButtons(DWORD dwButtons);
    // Docking onto a target while moving; TRUE when nothing was done.
    virtual BOOL DockAtTarget(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget);
    virtual void MoveFrameBy(int dx, int dy);
    virtual BOOL IsDockingPossible();
    virtual int HasControlBar() const;
    virtual int IsHostedBarVisible() const;
    // The hosted bar (the window object of the stored handle).
    virtual CWnd* GetControlBar() const { return CWnd::FromHandlePermanent(m_hEmbeddedBar); }
    virtual CWnd* GetFirstVisibleBar() const;
    virtual void AdjustLayout();
    virtual CString GetCaptionText() const;
    virtual void GetBorderSize(CRect& rect) const;
    virtual BOOL CalcExpectedDockedRect(CWnd* pWndToDock, CPoint ptMouse, CRect& rectResult,
                                        BOOL& bDrawTab, CZAVPBaseControlBar** ppTargetBar);
    virtual CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                     BOOL bCheckVisibility);
    // Window coordinates: inside the left, top and right borders, caption height tall.
    virtual void GetCaptionRect(CRect& rectCaption) const;
    virtual void RecalcLayout();
    virtual void OnBarRecalcLayout();
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
    // Re-attaches the stored bar after a layout was loaded.
    virtual void SetDockState(CZAVPDockManager* pDockManager);
    // A frame of several panes records in the pane's recent-position record where it stands.
    virtual void StoreRecentContainer(CZAVPBaseControlBar*) {}
    // A frame of one bar shows and hides with it (without activation).
    virtual void OnShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow);
    // Non-client hit test: 0 outside, HTCLIENT, HTCAPTION (asked for), a caption button's id,
    // the resize codes, or DockLayout::kHitDefault.
    virtual int HitTest(CPoint point, BOOL bDetectCaption);
    virtual void ValidateHostedBar();
    virtual BOOL Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, CCreateContext* pContext = nullptr);
    using CWnd::Create;
    using CWnd::CreateEx;
    virtual void SetDragMode(BOOL bOn);
    // Starts moving (captures the mouse).
    virtual void EnterDragMode(HWND hWndDrag = nullptr);
    virtual void DrawBorders(CDC* pDC, CRect rectWindow);
    virtual void DrawCaptionButtons(CDC* pDC);
    virtual void StoreRecentPosition();
    virtual BOOL CanClose() { return TRUE; }
    virtual void CloseMiniFrame();
    // The menu button (25) of a floating toolbar that can be customised opens the toolbar
    // options menu; other ids do nothing here.
    virtual void OnPressCaptionButton(UINT nHit);
    virtual int GetDockMode() const;
    // Outline mode: docks the hosted bar at the cursor; the bar that docked or null.
    virtual CZAVPBaseControlBar* DockBarAtCursor(BOOL* pbTabbed);
    virtual void AddCaptionButton(UINT nHit);
    virtual void OnTrackCaptionButtons(CPoint point);
    virtual void StopCaptionButtonsTracking();
    virtual void CalcMinSize(CSize sizeBarMin, MINMAXINFO* lpMMI);
    virtual void OnCheckRollState();
    virtual void SetRollUpTimer();
    virtual void KillRollUpTimer();
    virtual void RecalcCaptionHeight();

    // ---- overrides
    void Serialize(CArchive& ar) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- non-virtual
    CZAVPTitleButton* FindCaptionButton(UINT nHit) const;
    void RemoveCaptionButtons();
    void ArrangeCaptionButtons();
    void UpdateTooltips();
    void SetCaptionButtonsTooltips();
    void RedrawCaptionButton(CZAVPTitleButton* pButton);
    CZAVPTitleButton* CaptionButtonFromPoint(CPoint ptScreen) const;
    int CalcCaptionButtonsWidth() const;
    // Timer 4: the dock manager's move check runs on every tick.
    void SetDockTimer(UINT nInterval);
    void KillDockTimer();
    void StartRollUpTimer();
    void StopRollUpTimer();
    // The toolbar options menu closed: its caption button comes up again.
    void OnOptionsMenuClosed();
    // Drags a frame that a menu was just torn off into; TRUE when the user dropped it. A cancelled
    // drag deletes the new bar, unless the bar was the user's already (bNewBar FALSE): that one
    // stays where the tear-off put it.
    BOOL TearOffDrag(CWnd* pPopupMenu, BOOL bNewBar = TRUE);
    // The class-wide map from control id to the bar floating under it.
    static void AddRemoveBarToGlobalList(CZAVPBaseControlBar* pBar, BOOL bAdd);
    static CZAVPBaseControlBar* GetBarByID(UINT nID);
    // Redraws every mini-frame window of the process after a visual change.
    static void RedrawAll();
    // Asks the owner frame whether the frame may move on (it did not dock).
    BOOL NotifyFrameOfMove();
    // Forces the outline to follow the cursor.
    void MoveDragFrame();

    // ---- accessors
    HWND GetHostedBarWnd() const { return m_hEmbeddedBar; }
    // The frame window that the mini frame belongs to.
    HWND GetOwnerFrameWnd() const { return m_hParentWnd; }
    CZAVPDockManager* GetOwnerDockManager() const;
    BOOL IsActive() const { return m_bActive; }
    // What the frame is about to dock onto while dragged.
    DockLayout::DropKind GetDockingTargetKind() const { return m_dockingTargetKind; }
    // Pinned: a pinned frame does not roll up; the hosted bar keeps the state while docked.
    BOOL GetPinState() const { return m_bPinned; }
    void SetPinState(BOOL bPinned) { m_bPinned = bPinned; }
    BOOL IsRolledUp() const { return m_bRolledUp; }
    BOOL IsMoving() const { return m_drag.IsActive(); }
    // The drag that moves the frame: its phase, and the dock site it shows.
    const CZAVPDragDriver& GetDrag() const { return m_drag; }
    // The outline of an outline-mode move: what it shows, and where the last move ended.
    const CZAVPDragOutline& GetDragOutline() const { return m_dragFrameImpl; }
    DWORD GetCaptionButtonFlags() const { return m_dwCaptionButtons; }
    UINT GetStoredBarId() const { return m_nStoredBarId; }
    CRect GetRecentRect() const { return m_rectRecentFloatingRect; }
    const CObList& GetCaptionButtons() const { return m_lstCaptionButtons; }
    BOOL IsRollUpTimerRunning() const { return m_nRollTimerID != 0; }
    BOOL IsDockTimerRunning() const { return m_nDockTimerID != 0; }
    void SetHideWhenEmpty(BOOL bHide) { m_bHideWhenEmpty = bHide; }
    // The next mouse move only clears this (the bar was just floated under the cursor).
    void SkipNextMouseMove() { m_bBlockMove = TRUE; }

protected:
    // The buttons as the caption arithmetic sees them (window coordinates).
    std::vector<DockLayout::CaptionButton> ButtonLayout() const;
    DockLayout::MiniFrameHitQuery
    HitQuery(const std::vector<DockLayout::CaptionButton>& buttons) const;
    // The hosted bar as a control bar, or null.
    CZAVPControlBar* HostedControlBar() const;
    BOOL HostsToolBar() const;
    // Ends a move in progress and lets the capture go; what it showed stays readable.
    void ReleaseMove();
    // One event of the move: the outline or the frame follows, an immediate move may dock.
    void FollowDrag(DockLayout::DragEvent event);
    void PaintNonClient(CDC* pDC);
    // Hides the frame and drops a move in progress, as the check message and a close do.
    void HideAndCancel();
    // The window's style for a stored record: the mini-frame bits only.
    static DWORD MaskStoredStyle(DWORD dwStyle);

    int OnCreate(LPCREATESTRUCT lpcs);
    BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnCancelMode();
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMoving(UINT fwSide, LPRECT pRect);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnNcActivate(BOOL bActive);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnSetFocus(CWnd* pOldWnd);
    void OnExitSizeMove();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    LRESULT OnCheckEmptyState(WPARAM wParam, LPARAM lParam);
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bBlockMove;  // the next WM_MOUSEMOVE only clears it
    BOOL m_bActive;     // the caption is drawn active
    int m_nCaptionHeight;
    CObList m_lstCaptionButtons;               // CZAVPTitleButton objects, owned
    DWORD m_dwCaptionButtons;                  // the flags last given to SetCaptionButtons
    CToolTipCtrl m_ToolTip;                    // tool n (from 1) is the n-th caption button
    CZAVPBaseControlBar* m_pDockingTarget;     // what an immediate move docks onto
    HWND m_hEmbeddedBar;                       // window of the hosted bar, 0 when empty
    CZAVPDragDriver m_drag;                    // the move by its own mouse logic
    DockLayout::DropKind m_dockingTargetKind;  // an immediate move docking now
    int m_nMinWidth, m_nMinHeight;             // caption height + 15 each
    UINT m_nHit;                               // pressed caption button, 0 for none
    UINT m_nHot;                               // highlighted caption button, 0 for none
    CRect m_rectRedraw;                        // window coordinates: WM_NCPAINT repaints only this
    UINT_PTR m_nDockTimerID;
    UINT_PTR m_nRollTimerID;
    BOOL m_bRolledUp;
    int m_nHeightBeforeRollUp;  // window height before rolling up
    BOOL m_bPinned;
    CZAVPDragOutline m_dragFrameImpl;  // the outline of an outline-mode move
    BOOL m_bHideWhenEmpty;
    HWND m_hParentWnd;               // the owner frame
    HWND m_hWndToDestroyOnDrag;      // handed to EnterDragMode; destroyed when the drag ends
    HWND m_hLastFocusWnd;            // gets the focus back on WM_EXITSIZEMOVE
    UINT m_nStoredBarId;             // read by Serialize, used by SetDockState
    CRect m_rectRecentFloatingRect;  // screen: the window when a drag began
};
