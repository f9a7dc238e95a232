// The floating frame that holds several docking panes at once, split by sliders in a container
// tree of its own. Its caption shows the title of the one visible pane (whose own caption is then
// switched off), a double click on it sends every visible pane back where it was docked, and a
// whole frame docks on a frame side, beside a docked pane or into another such frame.
#pragma once

#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"

class CZAVPBaseTabbedBar;
class CZAVPDockingControlBar;
struct CZAVPRecentDockInfo;

class CZAVPMultiMiniFrameWnd : public CZAVPMiniFrameWnd
{
    DECLARE_SERIAL(CZAVPMultiMiniFrameWnd)
public:
    CZAVPMultiMiniFrameWnd();
    ~CZAVPMultiMiniFrameWnd() override;

    // Deferred positions reserved for one layout of the tree.
    static const int kLayoutBatch = 20;

    // ---- overrides
    void Serialize(CArchive& ar) override;
    BOOL CanBeDockedInto(CZAVPBaseControlBar* pTarget) override;
    BOOL CanBeAttached() const override;
    void AddControlBar(CZAVPBaseControlBar* pBar) override;
    void RemoveControlBar(CZAVPBaseControlBar* pBar, BOOL bDestroyIfEmpty = FALSE,
                          BOOL bHideIfEmpty = FALSE) override;
    void ReplaceControlBar(CZAVPBaseControlBar* pBarOrg,
                           CZAVPBaseControlBar* pBarReplaceWith) override;
    void OnBarsChanged() override;
    BOOL DockAtTarget(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget) override;
    int HasControlBar() const override;
    int IsHostedBarVisible() const override;
    CWnd* GetControlBar() const override;
    CWnd* GetFirstVisibleBar() const override;
    CString GetCaptionText() const override;
    BOOL CalcExpectedDockedRect(CWnd* pWndToDock, CPoint ptMouse, CRect& rectResult, BOOL& bDrawTab,
                                CZAVPBaseControlBar** ppTargetBar) override;
    CZAVPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                             BOOL bCheckVisibility) override;
    void AdjustLayout() override;
    void RecalcLayout() override;
    void OnBarRecalcLayout() override {}
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1) override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, UINT uiID = (UINT)-1) override;
    void SetDockState(CZAVPDockManager* pDockManager) override;
    void OnShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow) override;
    void ValidateHostedBar() override;
    void StoreRecentPosition() override;
    void CloseMiniFrame() override;
    CZAVPBaseControlBar* DockBarAtCursor(BOOL* pbTabbed) override;
    void SetRollUpTimer() override;
    void KillRollUpTimer() override;
    void StoreRecentContainer(CZAVPBaseControlBar* pBar) override;

    // ---- operations this class adds
    // Merges another such frame's tree beside the pane under the cursor; 0 on success, 1 when
    // nothing was done.
    virtual int DockFrame(CZAVPMultiMiniFrameWnd* pOther, int nMode);
    // Splits the pane under the cursor for another pane; 0 on success, 1 otherwise.
    virtual int AddControlBarAtCursor(CZAVPDockingControlBar* pBar);
    // Re-floats a pane into the place its recent record names in this frame's tree; FALSE (and
    // the pane untouched) when the place is not there to take.
    virtual BOOL DockRecentControlBarToMiniFrame(CZAVPDockingControlBar* pBar,
                                                 CZAVPRecentDockInfo& recentInfo);
    // Callbacks over the frame's panes: one leaves the id map and docks back where it was
    // docked last; one enters the id map (TRUE).
    virtual void DockBarBack(CZAVPDockingControlBar* pBar);
    virtual BOOL RegisterBar(CZAVPDockingControlBar* pBar);
    // The pane's recent record names this frame and a node of its tree whose side is free.
    BOOL CanDockRecentControlBar(const CZAVPDockingControlBar* pBar) const;
    // The tabbed group of this frame that the pane's record names, while it takes it back.
    CZAVPBaseTabbedBar* RecentGroupOf(const CZAVPDockingControlBar* pBar) const;

    CZAVPContainerLayout& GetContainerManager() { return m_barContainerManager; }

protected:
    // The frame's panes, in tree order.
    std::vector<CZAVPDockingControlBar*> Panes(BOOL bVisibleOnly) const;
    // The hosted handle follows the first pane left (or none).
    void UpdateHostedBar();
    // Sends every visible pane back where it was docked; the emptied frame goes afterwards.
    void DockVisibleBarsBack();
    // Docks the whole content on the frame side near the cursor.
    BOOL DockContentToFrameSide(DWORD dwAlignment);
    // Every pane joins pTarget (a pane of another frame or docked) as a tab; the emptied frame
    // goes once it has answered its check. TRUE when some pane joined.
    BOOL DockContentAsTabs(CZAVPDockingControlBar* pTarget);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT fwSide, LPRECT pRect);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnCheckEmptyMulti(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CZAVPContainerLayout m_barContainerManager;  // the panes of this frame
};
