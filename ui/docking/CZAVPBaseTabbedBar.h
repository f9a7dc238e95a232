// A docking pane whose client area is a tab window, each tab holding another docking pane: the
// mechanics of adding, showing, removing and floating tabs, their state and the stored records.
// CZAVPTabbedControlBar creates the tab window and adds a few rules.
#pragma once

#include <vector>

#include "ui/docking/CZAVPDockingControlBar.h"

class CArchive;
class CZAVPBaseTabWnd;

class CZAVPBaseTabbedBar : public CZAVPDockingControlBar
{
    DECLARE_DYNCREATE(CZAVPBaseTabbedBar)
public:
    explicit CZAVPBaseTabbedBar(BOOL bAutoDestroy = FALSE);
    ~CZAVPBaseTabbedBar() override;

    // ---- overrides of the docking pane
    void Serialize(CArchive& ar) override;
    HICON GetIcon(BOOL bBig) override;
    BOOL CanFloat() const override;
    BOOL FloatControlBar(CRect rect, int nDockMethod = ZAVP_DM_UNKNOWN, BOOL bShow = TRUE) override;
    void RecalcLayout() override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL Dock(CZAVPBaseControlBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    void StoreRecentDockInfo() override;
    BOOL ReservedPaneTest() const override { return FALSE; }
    BOOL ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate) override;

    // ---- operations this class adds
    virtual CZAVPBaseTabWnd* GetTabWnd() const { return m_pTabWnd; }
    virtual int GetTabsNum() const;
    virtual int GetVisibleTabsNum() const;
    virtual BOOL IsHideSingleTab() const;
    virtual BOOL CanDestroyWhenEmpty() const { return TRUE; }
    // Adds a bar as a new tab; a tabbed bar brings all its tabs over and is destroyed (FALSE).
    virtual BOOL AddTab(CWnd* pNewBar, BOOL bVisible = TRUE, BOOL bSetActive = TRUE,
                        BOOL bDetachable = TRUE);
    virtual BOOL FloatTab(CWnd* pBar, int nTabID, int nDockMethod, BOOL bHide = FALSE);
    virtual BOOL ShowTab(CWnd* pBar, BOOL bShow);
    // Removes a bar's tab; the last one destroys this bar (FALSE then).
    virtual BOOL RemoveTab(CWnd* pBar);
    // Shows or hides a bar's tab; this bar is shown exactly while a tab is visible.
    virtual BOOL ShowControlBar(CWnd* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual CWnd* FindBarByID(UINT uBarID);
    virtual CWnd* FindBarByTabNumber(int nTabNum, BOOL bGetWrappedBar = FALSE);
    virtual CWnd* GetFirstVisibleTab(int& iTabNum);
    virtual void ApplyRestoredTabInfo();
    virtual void SerializeTabWindow(CArchive& ar);
    virtual void SaveSiblingBarIDs(CArchive& ar);
    virtual void SetCaptionFollowsTab(BOOL bFollows) { m_bSetCaptionTextToTabName = bFollows; }
    virtual BOOL IsCaptionFollowsTab() const { return m_bSetCaptionTextToTabName; }
    virtual void OnChangeActiveTab(int) {}

    // ---- non-virtual
    // Reads a list written by SaveSiblingBarIDs and appends its ids; the count is bounded by the
    // bytes left in the archive's file.
    void LoadSiblingBarIDs(CArchive& ar, std::vector<int>& ids);
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }
    // A group made on the fly owns itself: the object goes with its window.
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }
    // Takes a bar out of its tab without destroying anything: the bar changes parent to the
    // frame, gets its caption back and is shown. FALSE when it is no tab of this bar.
    BOOL ReleaseTabBar(CWnd* pBar);
    // Takes a bar out of the group it is a tab of, as ReleaseTabBar does; a group left without
    // tabs goes as its last removed tab would take it. FALSE when the bar is no tab of a group.
    static BOOL ReleaseFromGroup(CWnd* pBar);
    // A bar left without tabs leaves its mini frame or its frame side and is destroyed, as the
    // removal of its last tab would do.
    void DestroyWhenEmpty()
    {
        if (GetTabsNum() == 0) LeaveAndDestroy();
    }

protected:
    // Whether the recent records hold a place to go to from where the bar is now: a docked place
    // while it floats, a floating one while it is docked.
    BOOL HasRecentPlaceForState() const;
    // Out of the mini frame or off the frame side, then the window goes.
    void LeaveAndDestroy();

    void OnSize(UINT nType, int cx, int cy);
    void OnNcDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    LRESULT OnChangeActiveTabMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bAutoDestroy;  // the object deletes itself after its window is gone; serialised
    CZAVPBaseTabWnd* m_pTabWnd;
    BOOL m_bSetCaptionTextToTabName;
};
