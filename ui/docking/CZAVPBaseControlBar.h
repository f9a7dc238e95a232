// Base window class of every bar of the library: docking panes, toolbars, the dock bars of the
// frame edges, the sliders and the auto-hide strips. It holds the two style words, the enabled
// sides, the links to the frame and to the dock bar and row that hold the bar, deferred
// positioning, per-bar visibility in the registry, and the operations that reach the dock
// manager of the frame that hosts the bar.
#pragma once

#include "framework/CControlBar.h"
#include "framework/CRect.h"
#include "framework/CWnd.h"

class CCreateContext;
class CDC;
class CFrameWnd;
class CZAVPDockBar;
class CZAVPDockBarRow;
class CZAVPDockManager;
class CZAVPMiniFrameWnd;
class CZAVPBaseTabWnd;

// The system's own control-bar capability bits (beside the platform's CBRS_* bar style).
enum ZAVPControlBarStyle : DWORD
{
    ZAVP_CBRS_FLOAT = 0x1,
    ZAVP_CBRS_AUTOHIDE = 0x2,
    ZAVP_CBRS_RESIZE = 0x4,
    ZAVP_CBRS_CLOSE = 0x8,
    ZAVP_CBRS_AUTO_ROLLUP = 0x10,
};

// Dock modes: the bar follows the mouse, or an outline does and the bar moves on release.
enum ZAVPDockMode
{
    ZAVP_DOCK_DEFAULT = 0,
    ZAVP_DOCK_IMMEDIATE = 1,
    ZAVP_DOCK_STANDARD = 2,
};

// How a bar comes to a dock bar.
enum ZAVPDockMethod
{
    ZAVP_DM_UNKNOWN = 0,
    ZAVP_DM_MOUSE = 1,
    ZAVP_DM_RECENT = 2,
    ZAVP_DM_RECT = 4,
    ZAVP_DM_DBL_CLICK = 5,
};

class CZAVPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CZAVPBaseControlBar)
public:
    CZAVPBaseControlBar();
    ~CZAVPBaseControlBar() override;

    // Length of a stretched bar's fixed layout along its orientation.
    static const int kStretchLength = 32767;
    // The dock mode of bars that leave it at 0.
    static int m_nDefaultDockMode;

    virtual BOOL IsHorizontal() const { return (GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0; }
    // TRUE unless a mini frame around the bar hosts the bar's window.
    virtual BOOL IsDocked() const;
    virtual BOOL IsTabbed() const;
    virtual BOOL IsFloating() const { return !IsDocked(); }
    virtual BOOL IsResizable() const { return TRUE; }
    virtual BOOL IsVisible() const;
    virtual BOOL CanBeDetached() const { return CanFloat(); }
    virtual BOOL CanAcceptBar(const CZAVPBaseControlBar*) const { return FALSE; }
    virtual BOOL CanBeDocked(CZAVPBaseControlBar*) const { return FALSE; }
    virtual BOOL CanBeAttached() const { return FALSE; }
    virtual DWORD GetCurrentAlignment() const { return m_dwStyle & CBRS_ALIGN_ANY; }
    virtual DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    virtual CFrameWnd* GetDockSiteFrame() const { return m_pDockSite; }
    virtual CZAVPDockBar* GetParentDockBar() const { return m_pParentDockBar; }
    virtual int GetCaptionHeight() const { return 0; }
    virtual BOOL IsInMultiMiniFrame() const { return FALSE; }
    virtual BOOL GetRecentVisibleState() const { return m_bRecentVisibleState; }
    virtual BOOL IsRestoredFromRegistry() const { return m_bIsRestoredFromRegistry; }
    virtual void SetRestoredFromRegistry(BOOL bState) { m_bIsRestoredFromRegistry = bState; }
    virtual int GetDockMode() const
    {
        return m_nDockMode != ZAVP_DOCK_DEFAULT ? m_nDockMode : m_nDefaultDockMode;
    }
    virtual HICON GetIcon(BOOL bBig);
    virtual DWORD GetBarStyle() const { return m_dwStyle; }
    virtual DWORD GetControlBarStyle() const { return m_dwControlBarStyle; }
    virtual BOOL CanBeClosed() const { return (m_dwControlBarStyle & ZAVP_CBRS_CLOSE) != 0; }
    virtual BOOL CanFloat() const;
    virtual BOOL CanBeResized() const { return (m_dwControlBarStyle & ZAVP_CBRS_RESIZE) != 0; }
    virtual BOOL CanAutoHide() const { return (m_dwControlBarStyle & ZAVP_CBRS_AUTOHIDE) != 0; }
    virtual void SetBarAlignment(DWORD dwAlignment);
    virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    virtual void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment; }
    virtual void EnableGripper(BOOL) {}
    virtual void ReservedBarHook1() {}
    virtual BOOL DockControlBar(CZAVPBaseControlBar* pDockBar, int nDockMethod, LPCRECT lpRect);
    virtual BOOL FloatControlBar(CRect rect, int nDockMethod, BOOL bShow);
    virtual BOOL DockToFrameEdge(DWORD dwAlignment, LPCRECT lpRect, int nDockMethod,
                                 CZAVPBaseControlBar* pTarget, int nPercent, BOOL bOuterEdge);
    virtual void ReservedBarHook2(void*) {}
    virtual CSize GetBaseSize(int, BOOL) { return CSize(0, 0); }
    virtual void RecalcContentLayout() {}
    virtual void RecalcLayout() {}
    virtual CZAVPMiniFrameWnd* CreateDefaultMiniFrame(CRect) { return nullptr; }
    virtual void OnRemoveFromMiniFrame(CZAVPMiniFrameWnd*) {}
    virtual void OnBeforeChangeParent(CWnd*, BOOL) {}
    virtual void OnAfterChangeParent(CWnd*) {}
    virtual BOOL ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate);
    // Nearest ancestor window that is a mini frame, or null.
    virtual CZAVPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const;
    // "IsVisible" under "%sZAVPBaseControlBar-%d" (index -1: the control id; uiID appended in hex).
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = (UINT)-1);
    // Moves the window at once, or through the deferred-positioning handle given.
    virtual HDWP MoveWindow(CRect& rect, BOOL bRepaint, HDWP hdwp);
    virtual HDWP SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                              UINT nFlags, HDWP hdwp);
    virtual void UndockControlBar(BOOL /*bDelay*/ = FALSE) {}
    virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          DWORD dwControlBarStyle = 0, CCreateContext* pContext = nullptr);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC);
    virtual void AdjustDockingLayout(HDWP hdwp = nullptr);
    // The docking layout of a frame, through the frame's own operation where it has one.
    static void AdjustFrameLayout(CWnd* pFrame, HDWP hdwp = nullptr);

    // The platform's forms stay reachable beside the bar's own.
    using CWnd::MoveWindow;
    using CWnd::SetWindowPos;
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr) override
    {
        return CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth,
                              nHeight, hWndParent, nIDorHMenu, lpParam);
    }

    void Serialize(CArchive& ar) override;
    // Item and command messages the bar does not handle itself go on to its owner (else its
    // parent): a bar's buttons and controls talk to the frame.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The owner and each frame above it see a bar's messages before the bar does.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The last step of the bar's pre-translation: input messages get dialog handling.
    BOOL PreTranslateInput(MSG* pMsg);

    // ---- forwarded to the dock manager of the frame that hosts the bar
    void AddControlBar(BOOL bTail = TRUE);
    void RemoveControlBarFromDockManager(BOOL bDestroy = TRUE, BOOL bAdjustLayout = TRUE,
                                         BOOL bAutoHide = FALSE);
    BOOL IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                             CRuntimeClass* pRTCBarType) const;
    BOOL InsertControlBar(CZAVPBaseControlBar* pTarget, BOOL bAfter = TRUE);
    BOOL DockToFrameWindow(BOOL bUseDockSite = TRUE);
    // The dock manager of the frame that hosts the bar; null for a bar outside library frames.
    CZAVPDockManager* GetDockManager() const;

    void SetDockSite(CFrameWnd* pFrame) { m_pDockSite = pFrame; }
    void SetParentDockBarLink(CZAVPDockBar* pDockBar) { m_pParentDockBar = pDockBar; }
    CZAVPDockBarRow* GetDockBarRow() const { return m_pDockBarRow; }
    void SetDockBarRow(CZAVPDockBarRow* pRow) { m_pDockBarRow = pRow; }
    void SetDockMode(int nDockMode) { m_nDockMode = nDockMode; }
    void SetControlBarStyle(DWORD dwStyle) { m_dwControlBarStyle = dwStyle; }

    // The bar was created with a dialog as its parent: it is drawn with the button colours and
    // its frame operations have nothing to reach.
    BOOL IsDialogControl() const { return m_bIsDlgControl; }
    // A bar built from a dialog template: the template's id and the window size it produced.
    UINT GetDlgTemplateId() const { return m_uiDlgTemplateId; }
    CSize GetTemplateSize() const { return CSize(m_nTemplateWidth, m_nTemplateHeight); }

protected:
    // The tab window that holds the bar as a tab, or null.
    CZAVPBaseTabWnd* ParentTabWnd() const;
    // The frame operations are skipped for a bar that lives in a dialog.
    BOOL LivesInDialog() const { return m_bIsDlgControl && GetDockManager() == nullptr; }
    // "<section path><name>-<index>", with uiID in hex appended unless it is -1.
    static CString StateKey(LPCSTR lpszSection, LPCSTR lpszKeyName, LPCSTR lpszProfileName,
                            int nIndex, UINT uiID);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The window as a modeless child dialog from the bar's dialog template.
    BOOL CreateFromTemplate(DWORD dwWindowStyle, CWnd* pParentWnd, UINT nID);

protected:
    DWORD m_dwBarFlags;              // transient flags; cleared at construction
    DWORD m_dwEnabledAlignment;      // CBRS_ALIGN_* sides on which the bar may dock
    DWORD m_dwStyle;                 // platform bar style: alignment 0xF000, borders 0x0F00, ...
    DWORD m_dwControlBarStyle;       // ZAVP_CBRS_* capability bits
    BOOL m_bRecentVisibleState;      // the visibility read from the registry or an archive
    BOOL m_bIsRestoredFromRegistry;  // LoadState found the bar's key
    CZAVPDockBar* m_pParentDockBar;  // the dock bar holding the docked bar, or null
    CZAVPDockBarRow* m_pDockBarRow;  // the row holding the docked bar, or null
    CFrameWnd* m_pDockSite;          // the frame that docks the bar (set at creation)
    int m_nDockMode;                 // ZAVPDockMode; 0 takes the library default
    BOOL m_bCheckIdOnCreate;
    CRect m_rectBar;         // kept for derived classes
    BOOL m_bIsDlgControl;    // the parent given at creation is a dialog
    UINT m_uiDlgTemplateId;  // non-zero for a bar built from a dialog template
    int m_nTemplateWidth;    // window size the dialog template produced
    int m_nTemplateHeight;
};
