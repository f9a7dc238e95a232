// The docking layout of one frame: its bars (dock bars first), the floating mini frames and the
// windows it hid; it lays the bars out around the frame's client area in one deferred-positioning
// batch, answers look-ups by point and by id, hides and restores bars, and keeps the layout in
// the registry value "DockingCBAndSliders".
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/CObList.h"
#include "framework/CRect.h"
#include "ui/docking/layout/DockLayoutCodec.h"
#include "ui/docking/layout/DockLayoutDump.h"

class CArchive;
class CFrameWnd;
class CWnd;
class CZAVPAutoHideDockBar;
class CZAVPAutoHideToolBar;
class CZAVPBaseControlBar;
class CZAVPBaseTabbedBar;
class CZAVPDockingControlBar;
class CZAVPDockBar;
class CZAVPMiniFrameWnd;
struct CPrintPreviewState;
struct CRuntimeClass;

class CZAVPDockManager : public CObject
{
public:
    CZAVPDockManager();
    ~CZAVPDockManager() override;

    // ---- process-wide values
    static BOOL m_bRestoringDockState;   // a loaded layout is being applied
    static BOOL m_bDisableRecalcLayout;  // layout lock: nothing is laid out while set
    static int m_nDockSensitivity;       // pixels around a docking edge that count as near it
    static int m_nMaxSharePercent;       // a docked bar's largest share of the client area; 0: none

    // ---- virtual operations
    virtual CZAVPBaseControlBar*
    ControlBarAtPointForDocking(CPoint point, int nSensitivity, DWORD& dwAlignment,
                                CRuntimeClass* pRTCBarType,
                                const CZAVPBaseControlBar* pBarToIgnore);
    virtual CZAVPBaseControlBar*
    ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar, CRuntimeClass* pRTCBarType,
                        const CZAVPBaseControlBar* pBarToIgnore = nullptr) const;
    virtual CZAVPMiniFrameWnd* MiniFrameFromPoint(CPoint point) const;
    virtual int DetermineDockSite(CPoint point, int nSensitivity, DWORD dwEnabledAlignment,
                                  CZAVPBaseControlBar*& pBarOut, CZAVPBaseControlBar* pDragged);
    virtual BOOL AddMiniFrame(CZAVPMiniFrameWnd* pWnd);
    virtual BOOL RemoveMiniFrame(CZAVPMiniFrameWnd* pWnd);
    virtual CZAVPBaseControlBar* FindBarByID(UINT uBarID, BOOL bSearchMiniFrames = FALSE);
    virtual CZAVPDockBar* FindDockBar(DWORD dwAlignment, BOOL bFromHead);
    virtual CZAVPDockBar* FindDockBarByControlBar(CZAVPBaseControlBar* pBar);
    virtual void OnExitSizeMove();
    virtual BOOL RecalcLayout(BOOL bNotify = TRUE);
    virtual void AdjustDockingLayout(HDWP hdwp = nullptr);
    // After bars changed: the frame's own layout operation, which lays out the bars and then
    // places the view in what they leave.
    void AdjustDockSiteLayout();
    virtual BOOL OnMoveMiniFrame(CWnd* pFrame);
    // The docking layout under "%sZAVPDockManager-%d" of the state path and the frame's id.
    virtual BOOL SaveState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
    virtual BOOL LoadState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1);
    virtual void SetDockState();
    virtual BOOL ShowControlBars(BOOL bShow);
    virtual void OnActivateFrame(BOOL bActivate);
    // Cuts a docked rectangle to the maximum share; FALSE when nothing was cut.
    virtual BOOL LimitToMaxShare(CRect& rect, DWORD dwAlignment);

    // ---- operations
    BOOL SetFrame(CFrameWnd* pFrame);
    CFrameWnd* GetDockSiteFrameWnd() const { return m_pParentWnd; }
    // Creates the dock bars of the requested sides not yet enabled: top, bottom, left, right.
    BOOL EnableDocking(DWORD dwDockStyle);
    BOOL AddControlBar(CZAVPBaseControlBar* pWnd, BOOL bTail = TRUE, BOOL bAutoHide = FALSE,
                       BOOL bInsertForOuterEdge = FALSE);
    BOOL InsertControlBar(CZAVPBaseControlBar* pControlBar, CZAVPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE);
    void RemoveControlBarFromDockManager(CZAVPBaseControlBar* pWnd, BOOL bDestroy,
                                         BOOL bAdjustLayout, BOOL bAutoHide = FALSE);
    // Docks a bar on the dock bar with that id (any dock bar for 0).
    void DockControlBar(CZAVPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    BOOL IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    BOOL OnIdleUpdateCmdUI();
    void LockUpdate(BOOL bLock);
    void GetClientAreaBounds(CRect& rect) const { rect = m_rectClientAreaBounds; }
    CRect GetOuterEdgeBounds() const { return m_rectOuterEdgeBounds; }
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    BOOL IsDockBarListed(const CZAVPDockBar* pDockBar) const;
    BOOL IsLoadFailed() const { return m_bDisableSetDockState; }
    // Print preview, or the frame's ShowControlBars(FALSE), keeps the bars hidden.
    BOOL IsPrintPreviewMode() const { return m_bIsPrintPreviewMode; }
    BOOL IsHiddenBarsMode() const { return m_bHiddenForOLE; }
    const CObList& GetControlBars() const { return m_lstControlBars; }
    const CObList& GetMiniFrames() const { return m_lstMiniFrames; }
    // The layout as plain data (frame client coordinates), for dumps and checks.
    DockLayout::LayoutSnapshot Snapshot() const;

    // ---- floating bars (CZAVPDockManagerFloat.cpp)
    // Where a window dragged to the point would dock: a rectangle, empty when nowhere; the tab
    // flag and the bar it docks onto through the out arguments.
    BOOL CalcExpectedDockedRect(CWnd* pWnd, CPoint ptMouse, CRect& rectResult, BOOL& bDrawTab,
                                CZAVPBaseControlBar** ppTargetBar);
    // The same for a docking pane: another frame of panes, a docked pane's edge, a frame side.
    BOOL CalcExpectedPaneRect(CWnd* pWnd, CZAVPBaseControlBar* pBar, CPoint pt, CRect& rectResult,
                              BOOL& bDrawTab, CZAVPBaseControlBar** ppTargetBar);
    // Whether the dragged window (pBar, or the frame pWnd that carries it) may join pTarget as a
    // tab.
    BOOL CanJoinAsTab(CWnd* pWnd, CZAVPBaseControlBar* pBar, CZAVPBaseControlBar* pTarget) const;
    // The dock bar a floating bar docks on when dropped at the cursor, or null.
    CZAVPBaseControlBar* FindDockTargetForFloatingBar(CZAVPBaseControlBar* pBar);
    // A docking pane under a screen point in a visible mini frame other than pIgnoreFrame.
    CZAVPBaseControlBar* FloatingPaneFromPoint(CPoint point, int nSensitivity,
                                               CZAVPMiniFrameWnd* pIgnoreFrame,
                                               const CZAVPBaseControlBar* pIgnoreBar);
    // The bar of a visible one-bar mini frame (other than pIgnoreFrame) whose caption lies under
    // the screen point, or null.
    CZAVPBaseControlBar* SingleBarCaptionAt(CPoint point, CZAVPMiniFrameWnd* pIgnoreFrame);
    // The floating bar with that control id (its mini frame's), or null.
    CZAVPBaseControlBar* FindFloatingBarByID(UINT uBarID) const;
    // The mini frames that hold a bar, for the stored layout (invalid bars dropped first).
    std::vector<CObject*> MiniFramesToSave();
    // Takes the mini frames read from a stored layout; they wait for SetDockState.
    void StageLoadedMiniFrames(const std::vector<CObject*>& miniFrames);
    // The frames floating before a stored layout is applied give way to the stored ones: they
    // are hidden, and each loses the bars the layout places elsewhere.
    void HideExistingMiniFrames();
    // A frame that gave way still holding a bar the layout did not place shows again; the
    // others go once their check message finds them empty.
    void RestoreUnclaimedMiniFrames();
    BOOL IsGivingWay(const CZAVPMiniFrameWnd* pMiniFrame) const;
    // Gives each staged mini frame its bar back; frames whose bar is gone vanish afterwards.
    void ApplyLoadedMiniFrames();
    // Destroys the staged mini frames that were never applied.
    void DiscardLoadedMiniFrames();
    const CObList& GetLoadedMiniFrames() const { return m_lstLoadedMiniFrames; }

    // ---- captioned panes: auto-hide dock bars and strips (CZAVPDockManagerPanes.cpp)
    // Creates the auto-hide dock bars of the requested sides not yet enabled, just inside the
    // dock bars: top, bottom, left, right.
    BOOL EnableAutoHideBars(DWORD dwStyle);
    BOOL IsAutoHideAllowed(DWORD dwAlignment) const
    {
        return (m_dwEnabledAutoHideBars & dwAlignment & 0xF000) != 0;  // CBRS_ALIGN_ANY
    }
    CZAVPAutoHideDockBar* FindAutoHideDockBar(DWORD dwAlignment) const;
    // Puts a pane's button on a strip of its side's auto-hide dock bar (a new strip unless one
    // is given); null when the side has no auto-hide dock bar.
    CZAVPAutoHideToolBar* AutoHideBar(CZAVPDockingControlBar* pBar, DWORD dwAlignment,
                                      CZAVPAutoHideToolBar* pCurrAutoHideToolBar = nullptr);
    // Where an auto-hidden pane stands when slid out (frame client coordinates): against the
    // side inside the auto-hide strips, its own thickness wide, the remaining length long.
    CRect GetAutoHideShownRect(CZAVPDockingControlBar* pBar) const;
    // Every slid-out auto-hide pane except pExcept slides back into its strip.
    void HideAutoHideBars(CZAVPDockingControlBar* pExcept = nullptr, BOOL bImmediately = FALSE);
    const CObList& GetAutoHideSliders() const { return m_lstAutoHideBars; }
    // Slid-out auto-hide panes take their places in the new layout.
    void RepositionAutoHidePanes();
    // The panes' and sliders' part of the stored layout: the entries and auto-hide records to
    // write, the slider records, the staging of what was read and its application.
    void CollectPaneLayout(DockLayout::DockLayoutImage& image);
    std::unique_ptr<DockLayout::DockLayoutNested> MakePaneLayoutParts();
    void StagePaneLayout(DockLayout::DockLayoutImage& image);
    void ApplyPaneLayout();
    void DiscardLoadedPanes();
    // An auto-hide dock bar's strips as the one row the layout dump shows.
    static std::vector<DockLayout::SnapshotRow>
    AutoHideRows(CZAVPAutoHideDockBar* pDockBar, const std::function<RECT(CWnd*)>& inFrame);

    BOOL m_bEnableAdjustLayout;  // cleared by the frame's WM_DESTROY
    BOOL m_bLockUpdate;
    BOOL m_bSizeFrame;           // the frame is being resized: RecalcLayout waits
    BOOL m_bAdjustingBarLayout;  // in-layout guard
    BOOL m_bRecalcLayout;        // in-recalc guard
    BOOL m_bHideDockingBarsInContainerMode;

    // ---- bars in dock rows across a restart (CZAVPDockManagerRows.cpp)
    // The plain dock bar of a frame side (never an auto-hide one), or null.
    CZAVPDockBar* FindSideDockBar(DWORD dwAlignment) const;
    // Every bar of the rows whose own stored state was read back goes to its stored side, row
    // and place in the row, or floats at its stored place, and takes its stored visibility.
    void ApplyRestoredRows();

protected:
    // A dock bar of the given class on the frame side its style names; null when it cannot be
    // created (nothing is left behind then).
    CZAVPDockBar* CreateSideDockBar(CRuntimeClass* pClass, DWORD dwStyle);
    // ---- tabbed panes (CZAVPDockManagerTabs.cpp)
    // The bar with that id among the tabs of a tabbed pane, or null (also for any other bar).
    static CZAVPBaseControlBar* FindTabBarByID(CZAVPBaseControlBar* pBar, UINT uBarID);
    // The fixed tabbed panes (with a control id, unable to float) whose tab windows the stored
    // layout carries; tabless panes that may float are undocked first, as they are not stored.
    std::vector<DockLayout::TabbedEntry> TabbedBarsToSave();
    // Stages the loaded tab windows' records; applied by SetDockState, deleted otherwise.
    void StageLoadedTabbedBars(const std::vector<DockLayout::TabbedEntry>& entries);
    void ApplyLoadedTabbedBars();
    void DiscardLoadedTabbedBars();
    // The nested parts of the stored layout with the fixed tabbed panes' tab windows added to
    // those of the panes, sliders and mini frames (nImageBytes bounds the records read).
    std::unique_ptr<DockLayout::DockLayoutNested>
    MakeTabbedLayoutParts(std::unique_ptr<DockLayout::DockLayoutNested> pInner, size_t nImageBytes);

public:
    // The stored tab window of a fixed tabbed pane, and reading one back for the pane with that
    // id: only such a pane of this frame is accepted, and the record is read into a staged copy
    // (the pane's tabs are untouched until the layout is applied). CArchiveException otherwise.
    static void StoreTabbedBarContent(CArchive& ar, const DockLayout::TabbedEntry& entry);
    // The window with this control id that a stored tabbed bar would hold as a tab: a tab of a
    // tabbed bar (pHolder is that bar) or a docking pane of its own (pHolder null), docked,
    // floating or auto-hidden. Null when the frame has none.
    CWnd* FindTabWindow(UINT nID, CZAVPBaseTabbedBar*& pHolder) const;
    CObject* LoadTabbedBarContent(CArchive& ar, DWORD id, size_t nImageBytes);

protected:
    // The loaded layout's objects, applied by SetDockState and discarded otherwise.
    void DiscardLoadedLayout();

    CObList m_lstControlBars;  // layout order: dock bars first
    CObList m_lstAutoHideBars;
    CObList m_lstLoadedBars;
    CObList m_lstLoadedTabbedBars;
    CObList m_lstLoadedMiniFrames;
    std::vector<DockLayout::AutoHideRecord> m_lstLoadedAutoHideBarIDs;
    CObList m_lstMiniFrames;
    CFrameWnd* m_pParentWnd;
    CRect m_rectDockBarBounds;
    CRect m_rectClientAreaBounds;  // what the bars leave for the view, frame client coordinates
    CRect m_rectOuterEdgeBounds;   // inside the outer dock bars, frame client coordinates
    DWORD m_dwEnabledDockBars;     // sides whose dock bar exists
    BOOL m_bIsPrintPreviewMode;
    CObList m_lstLastHiddenControlBars;
    BOOL m_bHiddenForOLE;                     // ShowControlBars(FALSE) in force
    BOOL m_bDisableSetDockState;              // the stored layout failed to load
    std::vector<HWND> m_lstMiniFramesToShow;  // hidden on deactivation
    std::vector<HWND> m_lstGivingWay;         // floating before the stored layout was applied
    DWORD m_dwEnabledAutoHideBars = 0;        // sides whose auto-hide dock bar exists
};
