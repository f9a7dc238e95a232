// The resizable pane with a caption: it docks on a frame side beside a slider that keeps the
// panes of that side in a container tree, splits with other panes, floats in a mini frame,
// groups with other panes as tabs and hides itself on an auto-hide strip at the frame edge,
// sliding out while the mouse is over its strip button.
#pragma once

#include <vector>

#include "framework/CRect.h"
#include "framework/CToolTipCtrl.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDragDriver.h"

class CDC;
class CZAVPAutoHideButton;
class CZAVPAutoHideToolBar;
class CZAVPBaseTabbedBar;
class CZAVPContainerLayout;
class CZAVPMultiMiniFrameWnd;
class CZAVPSlider;
class CZAVPTitleButton;
struct CRuntimeClass;

// Tab styles of the group made when another pane is dropped on a pane.
const DWORD ZAVP_CBRS_REGULAR_TABS = 32;
const DWORD ZAVP_CBRS_OUTLOOK_TABS = 64;
// Capabilities of an ordinary pane: float, auto-hide, resize, close.
const DWORD ZAVP_CBRS_DOCKING_DEFAULT = 0xF;

// What HitTestForDocking answers.
enum ZAVPDockHit
{
    ZAVP_DOCKHIT_NONE = 0,
    ZAVP_DOCKHIT_BESIDE = 2,
    ZAVP_DOCKHIT_TAB = 3,
};

class CZAVPDockingControlBar : public CZAVPControlBar
{
    DECLARE_DYNCREATE(CZAVPDockingControlBar)
public:
    CZAVPDockingControlBar();
    ~CZAVPDockingControlBar() override;

    // ---- library values
    static const int kCaptionButtonSpacing = 2;
    static const int kCaptionBorder = 2;
    static const UINT kCheckAutoHideTimerId = 3;
    static const UINT kSlideInTimerId = 1;   // sliding back into the strip
    static const UINT kSlideOutTimerId = 2;  // sliding out over the frame
    static int m_nCheckAutoHideInterval;     // 700 ms
    static int m_nSlideInterval;             // 1 ms
    static int m_nSlideSteps;                // 12
    static BOOL m_bDisableAnimation;         // off: panes slide step by step
    static BOOL m_bHideInAutoHideMode;       // the auto-hide visibility switch; never turned on
    static BOOL m_bHideDisabledButtons;      // caption buttons the pane may not use are hidden
    static int m_nSlideDefaultMode;          // 1 move the window, 2 grow and shrink it

    // ---- operations this class adds
    virtual BOOL Create(LPCSTR lpszCaption, CWnd* pParentWnd, const CSize& sizeDefault,
                        BOOL bHasGripper, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_FLOAT_MULTI,
                        DWORD dwTabbedStyle = ZAVP_CBRS_REGULAR_TABS,
                        DWORD dwControlBarStyle = ZAVP_CBRS_DOCKING_DEFAULT);
    virtual BOOL Create(LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper,
                        UINT nID, DWORD dwStyle, DWORD dwTabbedStyle = ZAVP_CBRS_REGULAR_TABS,
                        DWORD dwControlBarStyle = ZAVP_CBRS_DOCKING_DEFAULT,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                          BOOL bHasGripper, UINT nID, DWORD dwStyle,
                          DWORD dwTabbedStyle = ZAVP_CBRS_REGULAR_TABS,
                          DWORD dwControlBarStyle = ZAVP_CBRS_DOCKING_DEFAULT,
                          CCreateContext* pContext = nullptr);
    using CZAVPControlBar::Create;
    using CZAVPControlBar::CreateEx;
    // The tab strips of a tabbed pane (screen coordinates); both empty for a plain pane.
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    virtual BOOL IsTabLocationBottom() const { return TRUE; }
    // 0 outside, a caption button's id, HTCLIENT, HTCAPTION (detection asked for), else -2.
    virtual int HitTest(CPoint point, BOOL bDetectCaption = FALSE);
    virtual BOOL IsBarHorizontal(const CZAVPBaseControlBar* pBar) const
    {
        return pBar->IsHorizontal();
    }
    virtual BOOL IsAutoHideMode() const { return m_bAutoHideMode; }
    virtual BOOL ReservedPaneTest() const { return TRUE; }
    virtual BOOL GetRecentStateFlag() const { return m_bRecentStateFlag; }
    // ZAVP_DOCKHIT_TAB over the caption or a tab area, ZAVP_DOCKHIT_BESIDE near the edges,
    // ZAVP_DOCKHIT_NONE deep inside (screen point).
    virtual int HitTestForDocking(CPoint point, int nSensitivity);
    // Joins the target pane's tabbed group (made when the target has none); the group comes back
    // through pTabbedBar. Answers this pane when its tab was added, else the group.
    virtual CZAVPDockingControlBar* AttachToTabbedBar(CZAVPDockingControlBar* pTarget,
                                                      int nDockMethod, BOOL bShow,
                                                      CZAVPDockingControlBar*& pTabbedBar);
    virtual CZAVPBaseTabbedBar* CreateTabbedControlBar();
    // Joins the target pane's default slider container beside the target, on the side given
    // (0: down a left or right frame side, along a top or bottom one).
    virtual BOOL AttachToSlider(CZAVPDockingControlBar* pTarget, int nDockMethod,
                                DWORD dwAlignment = 0);
    // Docks another container's whole tree (a multi mini frame's) beside this pane.
    virtual BOOL ReconnectSliderPanes(CZAVPContainerLayout* pManager, DWORD dwAlignment,
                                      CZAVPDockingControlBar* pIgnored);
    // Switches auto-hide mode; answers the strip that holds the pane's button (on) or null.
    virtual CZAVPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
                                                  CZAVPAutoHideToolBar* pCurrAutoHideBar = nullptr,
                                                  BOOL bUseTimer = TRUE);
    virtual BOOL GetAutoHideVisibilitySwitch() const { return m_bHideInAutoHideMode; }
    virtual BOOL IsNotSlidingOut() const;
    virtual int GetSlideMode() const { return m_nSlideMode; }
    virtual void StoreRecentTabInfo();
    virtual void OnPressCloseButton();
    virtual void OnPressButtons(UINT /*nHit*/) {}
    virtual void DrawCaption(CDC* pDC, CRect rectCaption);
    virtual void OnTrackCaptionButtons(CPoint point);
    virtual void StopCaptionButtonsTracking();
    virtual void SetCaptionButtons();
    // Slides the pane back in when nothing holds it out; TRUE when it did.
    virtual BOOL CheckAutoHide();
    virtual BOOL IsSlideComplete(BOOL bShow) const;
    virtual void SlideStep(BOOL bShow);

    // ---- overrides
    void Serialize(CArchive& ar) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL IsResizable() const override { return TRUE; }
    BOOL IsVisible() const override;
    BOOL CanAcceptBar(const CZAVPBaseControlBar* pBar) const override;
    BOOL CanBeAttached() const override { return TRUE; }
    int GetCaptionHeight() const override;
    BOOL IsInMultiMiniFrame() const override;
    void EnableGripper(BOOL bEnable) override;
    BOOL DockToFrameEdge(DWORD dwAlignment, LPCRECT lpRect = nullptr,
                         int nDockMethod = ZAVP_DM_MOUSE, CZAVPBaseControlBar* pTarget = nullptr,
                         int nPercent = -1, BOOL bOuterEdge = FALSE) override;
    void RecalcLayout() override;
    void OnBeforeChangeParent(CWnd* pWndNewParent, BOOL bDelay) override;
    void OnAfterChangeParent(CWnd* pWndOldParent) override;
    BOOL ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate) override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    void UndockControlBar(BOOL bDelay = FALSE) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CZAVPControlBar* DockByMouseMove(BOOL& bResult) override;
    // Docks the pane at a dock site a drag found: beside the target (a frame side without one)
    // or as its tab. TRUE when it docked.
    BOOL DockAtSite(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget);
    BOOL CheckUndock(int nSensitivity, CZAVPDockBar*& pDockBarOut) override;
    BOOL OnBeforeFloat(CRect& rectFloat, int nDockMethod) override;
    void DrawDragOutline(CRect rectOld, CRect rectNew) override;
    void OnAfterDock(CZAVPBaseControlBar* pBar, LPCRECT lpRect, int nDockMethod) override;
    BOOL Dock(CZAVPBaseControlBar* pTarget, LPCRECT lpRect, int nDockMethod) override;
    void EnterDragMode(BOOL bChangeHotPoint) override;
    void StoreRecentDockInfo() override;
    BOOL FloatControlBar(CRect rect, int nDockMethod, BOOL bShow) override;
    BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwControlBarStyle = 0,
                  CCreateContext* pContext = nullptr) override;

    // ---- non-virtual
    // Slides the pane out over the frame (bShow) or back into its strip, animated or at once.
    void Slide(BOOL bShow, BOOL bAnimate = TRUE);
    // Leaves auto-hide mode and docks again: beside pFirstBarInGroup when given, else on the
    // side the pane was taken from.
    void UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup);
    // The slider beside which the pane is docked (null when none); setting another one lets the
    // previous slider remove the pane first.
    CZAVPSlider* GetDefaultSlider() const;
    HWND GetDefaultSliderWnd() const { return m_hDefaultSlider; }
    void SetDefaultSlider(HWND hSlider);
    // A new slider for a frame side, from pSliderClass (an auto-hide slider) or a plain one.
    CZAVPSlider* CreateSlider(DWORD dwAlignment, CWnd* pParentWnd,
                              CRuntimeClass* pSliderClass = nullptr);
    // Puts another pane in this pane's place and takes this one out of the dock manager.
    BOOL ReplaceControlBar(CZAVPDockingControlBar* pOther, BOOL bAddToDockManager);
    void SetPinnedGuard(BOOL bGuard) { m_bPinnedGuard = bGuard; }
    BOOL IsActive() const { return m_bActive; }
    BOOL HasCaption() const { return m_bHasCaption; }
    int GetPercent() const { return m_nPercent; }
    void SetPercent(int nPercent) { m_nPercent = nPercent; }
    CZAVPAutoHideButton* GetAutoHideButton() const { return m_pAutoHideButton; }
    CZAVPAutoHideToolBar* GetAutoHideToolBar() const { return m_pAutoHideBar; }
    void SetAutoHideParents(CZAVPAutoHideToolBar* pBar, CZAVPAutoHideButton* pButton)
    {
        m_pAutoHideBar = pBar;
        m_pAutoHideButton = pButton;
    }
    // The caption strip in window coordinates (empty without a caption).
    CRect GetCaptionRect() const;
    void EnableCaptionButton(UINT nHit, BOOL bEnable);
    CZAVPTitleButton* FindCaptionButton(UINT nHit) const;
    const std::vector<CZAVPTitleButton*>& GetCaptionButtons() const { return m_arrButtons; }
    UINT GetHighlightedButton() const { return m_nHighlightedButton; }
    UINT GetPressedButton() const { return m_nPressedButton; }
    // The class of the group made when another pane is dropped on this one.
    CRuntimeClass* GetTabbedControlBarClass() const { return m_pTabbedControlBarRTC; }
    void SetTabbedControlBarClass(CRuntimeClass* pClass) { m_pTabbedControlBarRTC = pClass; }
    // The rectangle the pane had when it entered auto-hide mode or started to slide (the dock
    // site's client coordinates).
    CRect GetAutoHideRect() const { return m_rectRestored; }
    void SetAutoHideRect(const CRect& rect) { m_rectRestored = rect; }
    // A slid-out pane follows its frame's layout: it and its slider take their places again.
    void RepositionSlidOut();
    BOOL IsSliding() const { return m_bIsSliding; }
    // Back to the rectangle the pane was docked at last (the dock site's client coordinates),
    // before a loaded tree lays it out.
    void MoveToRecentDockedRect();
    // The frame of several panes this pane floated in last, while it still exists.
    CZAVPMultiMiniFrameWnd* GetRecentMultiMiniFrame() const;
    // Tabbed groups: the docked place a group made over this pane takes over from it.
    void SetRecentDockedPlace(HWND hSlider, DWORD dwAlignment, const CRect& rectDocked,
                              int nPercent);
    // Lets go of the place in a side's tree kept since the pane floated from it, and of the
    // tabbed group it left.
    void ForgetDockedPlace();
    // The tabbed group the pane was taken out of last, while it exists, shows and takes it.
    CZAVPBaseTabbedBar* GetRecentTabbedBar() const;
    // The floating frame of the group the pane was taken out of last, while the group is there
    // to take it back (null otherwise).
    CZAVPMultiMiniFrameWnd* GetRecentGroupFrame() const;

protected:
    // Redraws one caption button alone (its rectangle is the only area painted).
    void RedrawButton(const CZAVPTitleButton* pButton);
    // Lays the caption buttons out for the current caption (window coordinates).
    void ArrangeCaptionButtons(const CRect& rectCaption);
    // The pin was released: auto-hide on or off, for the whole side with Ctrl.
    void OnPressPinButton();
    // Docks the pane beside the pane under the cursor or on the frame side near it.
    BOOL DockPaneByMouse(CZAVPDockingControlBar* pTarget);
    // The frame that docks the pane (its dock site, else the frame above it).
    CFrameWnd* GetPaneFrame() const;
    // The window rectangle in the dock site's client coordinates.
    CRect RectInDockSite() const;
    void UpdateTooltips();
    void KillSlideTimers();

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnClose();
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnCancelMode();
    void OnTimer(UINT_PTR nIDEvent);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

protected:
    CZAVPDragDriver m_floatDrag;  // a caption press that floats the pane once it is dragged
    int m_nCaptionHeight;         // 0 without a caption (GetCaptionHeight answers 0 while floating)
    BOOL m_bHasCaption;           // set at creation from WS_CAPTION bits or the gripper flag
    int m_nCaptionOffset;         // vertical adjustment of the caption buttons
    int m_nReserved1;
    BOOL m_bActive;  // the focus is in the pane: the caption is drawn active
    int m_nReserved2;
    CRect m_rectRedraw;       // window coordinates; the only area the next WM_NCPAINT redraws
    int m_nPercent;           // share of the pane's slider container
    BOOL m_bRecentStateFlag;  // Ctrl+pin may switch the whole side
    BOOL m_bAutoHideMode;
    UINT_PTR m_nAutoHideConditionTimerID;  // timer 3 while running
    UINT_PTR m_nSlideTimer;                // timer 1 or 2 while running
    int m_nSlideStep;                      // steps done
    int m_nSlideDelta;                     // pixels per step
    CRect m_rectRestored;  // the dock site's client coordinates, when the slide started
    BOOL m_bIsSliding;
    BOOL m_bPinnedGuard;  // CheckAutoHide does nothing while set
    BOOL m_bIsHiding;     // the running slide hides the pane (timer 1)
    int m_nSlideMode;
    CZAVPAutoHideButton* m_pAutoHideButton;
    CZAVPAutoHideToolBar* m_pAutoHideBar;
    std::vector<CZAVPTitleButton*> m_arrButtons;  // owned
    CRuntimeClass* m_pTabbedControlBarRTC;
    HWND m_hDefaultSlider;
    DWORD m_dwReserved3;
    UINT m_nHighlightedButton;  // hit-test id under the mouse, 0 for none
    UINT m_nPressedButton;      // hit-test id pressed, 0 for none
    BOOL m_bCaptionButtonsCaptured;
    CToolTipCtrl m_wndToolTip;  // tool 1 close, tool 2 pin

    // Where the pane was docked last (beside m_hRecentSlider) and floated last; kept here until
    // the control bar's recent records carry container positions.
    HWND m_hRecentSlider;
    DWORD m_dwRecentSliderAlignment;
    CRect m_rectRecentDocked;  // the dock site's client coordinates
    int m_nRecentPercent;
};
