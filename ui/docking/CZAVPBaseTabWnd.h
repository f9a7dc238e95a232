// Base of the tab windows: an ordered set of tabs, each showing one child window. It keeps the
// tab records and their operations (insert, remove, move, show, rename, detach), chooses the
// active tab, tells its parent about changes, runs the mouse protocol shared by all tab windows
// (activate, drag along the row, drag out, double click) and stores the tabs in an archive. The
// geometry and drawing belong to CZAVPTabWnd.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <list>
#include <vector>

#include "framework/CGdiObject.h"
#include "framework/CImageList.h"
#include "framework/COleDropTarget.h"
#include "framework/CPtrArray.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPTabInfo.h"
#include "ui/docking/layout/TabWindowRecord.h"

class CArchive;
class CEdit;
class CZAVPBaseTabWnd;
class CZAVPBaseTabbedBar;

// The drop target of a tab window: toolbar buttons dragged over the tabs in customisation mode.
class CZAVPTabDropTarget : public COleDropTarget
{
public:
    CZAVPTabDropTarget() = default;
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                           CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                          CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                        DROPEFFECT dropList, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

    CZAVPBaseTabWnd* m_pOwner = nullptr;
};

class CZAVPBaseTabWnd : public CWnd
{
    DECLARE_DYNAMIC(CZAVPBaseTabWnd)
public:
    // Tab location codes.
    enum Location
    {
        LOCATION_BOTTOM = 0,
        LOCATION_TOP = 1,
    };
    // How a tab leaves the window.
    enum DetachMethod
    {
        DETACH_BY_MOUSE = 1,
        DETACH_BY_DBLCLICK = 2,
    };

    CZAVPBaseTabWnd();
    ~CZAVPBaseTabWnd() override;

    void Serialize(CArchive& ar) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- filled by the concrete tab window
    virtual BOOL IsPtInTabArea(CPoint) const { return FALSE; }
    virtual void InvalidateTabs() {}
    virtual void SetImageList(HIMAGELIST hImageList);
    virtual BOOL SetImageList(UINT uiID, int cx = 15, COLORREF clrTransp = RGB(255, 0, 255));
    virtual void SetTabsHeight();
    virtual int GetTabsHeight() const { return m_nTabsHeight; }
    virtual void GetTabsRect(CRect& rect) const { rect.SetRectEmpty(); }
    virtual void RecalcLayout() {}

    // ---- tabs
    virtual void AddTab(CWnd* pTabWnd, BOOL bDetachable = TRUE, UINT uiImageId = (UINT)-1);
    virtual void AddTab(CWnd* pTabWnd, LPCSTR lpszTabLabel, UINT uiImageId = (UINT)-1,
                        BOOL bDetachable = TRUE);
    virtual void InsertTab(CWnd* pNewWnd, int nInsertAt, BOOL bDetachable = TRUE,
                           UINT uiImageId = (UINT)-1);
    virtual void InsertTab(CWnd* pNewWnd, LPCSTR lpszTabLabel, int nInsertAt,
                           UINT uiImageId = (UINT)-1, BOOL bDetachable = TRUE);
    virtual BOOL RemoveTab(int iTab, BOOL bRecalcLayout = TRUE);
    virtual void RemoveAllTabs();
    virtual BOOL DetachTab(int nMethod, int nTabNum = -1, BOOL bHide = FALSE);
    virtual int GetVisibleTabsNum() const;
    virtual BOOL ShowTab(int iTab, BOOL bShow = TRUE, BOOL bRecalcLayout = TRUE,
                         BOOL bActivate = FALSE);
    virtual int GetTabsNum() const { return m_iTabsNum; }
    virtual CWnd* GetTabWnd(int iTab) const;
    virtual CWnd* GetTabWndNoWrapper(int iTab) const;
    virtual BOOL GetTabRect(int iTab, CRect& rect) const;
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const;
    virtual BOOL SetTabLabel(int iTab, const CString& strLabel);
    virtual UINT GetTabIcon(int iTab) const;
    virtual BOOL SetTabIcon(int iTab, UINT uiIcon);
    virtual BOOL IsTabLabelHidden(int iTab) const;
    virtual BOOL SetTabLabelHidden(int iTab, BOOL bHidden, int nValue = 0);
    virtual BOOL SetTabHicon(int iTab, HICON hIcon);
    virtual HICON GetTabHicon(int iTab) const;
    virtual COLORREF GetTabBkColor(int iTab) const;
    virtual BOOL SetTabBkColor(int iTab, COLORREF color = (COLORREF)-1);
    virtual COLORREF GetTabTextColor(int iTab) const;
    virtual BOOL SetTabTextColor(int iTab, COLORREF color = (COLORREF)-1);
    virtual BOOL IsTabDetachable(int iTab) const;
    virtual BOOL EnableTabDetach(int iTab, BOOL bEnable);
    virtual BOOL StartRenameTab(int iTab);
    virtual BOOL RenameTab();
    virtual BOOL OnRenameTab(int, CString&) { return TRUE; }
    virtual void EnableInPlaceEdit(BOOL) {}
    virtual void AdjustEditRect(CRect&) {}
    virtual int GetActiveTab() const { return m_iActiveTab; }
    virtual CWnd* GetActiveWnd() const;
    virtual BOOL SetActiveTab(int) { return FALSE; }
    virtual int GetTabFromPoint(CPoint& pt) const;
    virtual int GetTabFromHwnd(HWND hwnd) const;
    virtual BOOL EnsureVisible(int) { return FALSE; }
    virtual void SetActiveTabColor(COLORREF clr);
    virtual void SetActiveTabTextColor(COLORREF clr) { m_clrActiveTabFg = clr; }
    virtual COLORREF GetActiveTabColor() const;
    virtual COLORREF GetActiveTabTextColor() const;
    virtual CSize GetImageSize() const { return m_sizeImage; }
    virtual HIMAGELIST GetImageList() const;
    virtual void SetTabBorderSize(int nTabBorderSize, BOOL bRepaint = TRUE);
    virtual int GetTabBorderSize() const { return m_nTabsHeight < 1 ? 0 : m_nTabBorderSize; }
    virtual CWnd* FindTargetWnd(const CPoint&) { return nullptr; }
    virtual void ApplyRestoredTabInfo(BOOL bUseTabIndexes = FALSE);
    virtual CWnd* GetFirstVisibleTab(int& iTabNum);
    virtual CWnd* GetLastVisibleTab(int& iTabNum);
    virtual void SwapTabs(int nFisrtTabID, int nSecondTabID);
    virtual void MoveTab(int nSource, int nDest);
    virtual CSize GetMaxWindowSize() const;
    // A page's size: a control bar's horizontal fixed layout, another window's own size.
    static CSize GetPageSize(CWnd* pWnd);
    virtual void SetLocation(Location location);
    virtual BOOL IsTabVisible(int iTab) const;
    virtual BOOL IsFlatTab() const { return FALSE; }
    virtual BOOL IsOneTabScroll() const { return FALSE; }
    virtual BOOL IsDrawFrame() const { return FALSE; }
    virtual BOOL IsInPlaceEdit() const { return m_bIsInPlaceEdit; }
    virtual int GetFirstVisibleTabNum() const { return -1; }
    virtual BOOL IsHideSingleTab() const { return m_bHideSingleTab; }
    virtual void SetHideSingleTab(BOOL bHide = TRUE);
    virtual DROPEFFECT OnDragEnter(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
    virtual void OnDragLeave() {}
    virtual DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
    virtual BOOL OnDrop(COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
    virtual void ReleaseTabs();
    virtual int ResolveTabIndex(int iTab) const { return iTab == -1 ? m_iActiveTab : iTab; }
    virtual CWnd* CreateWrapper(CWnd* pWndToWrap, LPCSTR lpszTabLabel, BOOL bDetachable);
    virtual void InitAutoColors();
    virtual BOOL IsButtonLikeTabs() const { return m_bButtonLikeTabs || IsOneTabScroll(); }

    // Labels are drawn without '&' prefix processing.
    virtual BOOL IsDrawNoPrefix() const { return FALSE; }

    // ---- non-virtual
    Location GetLocation() const { return m_location; }
    BOOL IsAutoDestroyWindow() const { return m_bAutoDestroyWindow; }
    void SetAutoDestroyWindow(BOOL bAuto) { m_bAutoDestroyWindow = bAuto; }
    BOOL IsHideInactiveWindow() const { return m_bHideInactiveWnd; }
    void HideInactiveWindow(BOOL bHide) { m_bHideInactiveWnd = bHide; }
    void EnableAutoColor(BOOL bEnable = TRUE);
    BOOL IsAutoColor() const { return m_bIsAutoColor; }
    // Replaces the automatic colour table; an empty table leaves every tab its default colour.
    void SetAutoColors(const std::vector<COLORREF>& colors);
    // Document tabs: each tab names a window that lives elsewhere (a document frame in the MDI
    // client); it is neither wrapped, nor moved into this window, nor hidden, nor destroyed here.
    void SetDocumentTabs(BOOL bDocumentTabs);
    BOOL IsDocumentTabs() const { return m_bDocumentTabs; }
    void EnableTabSwap(BOOL bEnable) { m_bEnableTabSwap = bEnable; }
    BOOL IsTabSwapEnabled() const { return m_bEnableTabSwap; }
    void SetActivateLastVisibleTab(BOOL bLast) { m_bActivateLastVisibleTab = bLast; }
    void EnableActivatePrevTab(BOOL bEnable) { m_bActivateLastActiveTab = bEnable; }
    void SetButtonLikeTabs(BOOL bButtonLike) { m_bButtonLikeTabs = bButtonLike; }
    // The class of the pane that wraps a window which is no docking pane; null for the library's
    // plain wrapper. A class that is no wrapper is not taken.
    void SetDockingBarWrapperRTC(CRuntimeClass* pClass);
    CRuntimeClass* GetDockingBarWrapperRTC() const { return m_pDockingBarWrapperRTC; }
    BOOL IsDragging() const { return m_bReadyToDetach; }
    CEdit* GetInPlaceEdit() const { return m_pInPlaceEdit; }
    // The tab states read by Serialize and not yet applied.
    const TabLayout::TabWindowRecord& GetRestoredState() const { return m_restored; }
    int GetRestoredActiveTab() const { return m_restored.nActiveTab; }
    Location GetRestoredLocation() const { return (Location)m_restored.nLocation; }
    // The live tabs as the stored record would hold them.
    TabLayout::TabWindowRecord GetCurrentState() const;
    // Reads a stored tab window record of at most nBytesLeft bytes into the saved tab states;
    // CArchiveException when it is damaged (the saved states stay as they were).
    void LoadRestoredState(CArchive& ar, size_t nBytesLeft);
    // Takes a record read elsewhere as the saved tab states.
    void SetRestoredState(const TabLayout::TabWindowRecord& record) { m_restored = record; }

protected:
    const CZAVPTabInfo* TabAt(int iTab) const
    {
        return iTab >= 0 && iTab < m_iTabsNum ? static_cast<const CZAVPTabInfo*>(m_arTabs[iTab])
                                              : nullptr;
    }
    CZAVPTabInfo* TabAt(int iTab)
    {
        return iTab >= 0 && iTab < m_iTabsNum ? static_cast<CZAVPTabInfo*>(m_arTabs[iTab])
                                              : nullptr;
    }
    std::vector<bool> VisibleFlags() const;
    // Sends a registered message to the parent window; 0 without one.
    LRESULT NotifyParent(UINT message, WPARAM wParam, LPARAM lParam = 0) const;
    // The window a wrapper made by CreateWrapper holds, else the window itself.
    static CWnd* UnwrapWindow(CWnd* pWnd);
    // The parent when it is a tabbed bar, else null.
    CZAVPBaseTabbedBar* GetTabbedBarParent() const;
    void DeleteTool(const CZAVPTabInfo* pTab);
    // What happens to a removed tab's window: destroyed with auto-destroy (or when the tab window
    // itself goes); a wrapper this window made is deleted, its wrapped window kept unless
    // destroyed.
    void ReleaseTabWindow(CZAVPTabInfo* pTab, BOOL bDestroying);
    // Floats the bar of tab iTab through the tabbed bar that holds this window; FALSE without one.
    BOOL FloatTabThroughParent(CWnd* pBar, int iTab, int nMethod, BOOL bHide);
    // Brings here the bars that the saved tab states name and that sit elsewhere in the frame.
    void BringRestoredBarsHere();
    // Ends a tab drag (capture released).
    void StopDragging();
    // Destroys and deletes the in-place edit.
    void DestroyInPlaceEdit();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

protected:
    CWnd* m_pParentFrame;   // found at WM_CREATE
    BOOL m_bHighLightTabs;  // hover highlight: the tab under the mouse is tracked
    Location m_location;    // bottom at creation
    CPtrArray m_arTabs;     // CZAVPTabInfo records, in display order
    int m_iTabsNum;
    int m_iActiveTab;      // -1 when none
    int m_iTabBeforeDrag;  // the active tab when a tab drag began
    CImageList m_Images;
    HIMAGELIST m_hImageList;  // icons of the tabs, borrowed
    CSize m_sizeImage;        // size of one icon
    CToolTipCtrl m_ToolTip;
    int m_nTabsHeight;
    int m_nTabBorderSize;
    BOOL m_bAutoDestroyWindow;  // a removed tab's window is destroyed
    BOOL m_bHideInactiveWnd;    // only the active tab's window is shown
    BOOL m_bDocumentTabs;       // the tabs stand for windows kept elsewhere (SetDocumentTabs)
    int m_iHighlighted;         // the hot tab
    int m_iPressed;
    BOOL m_bButtonLikeTabs;
    BOOL m_bEnableTabSwap;
    BOOL m_bHideSingleTab;
    COLORREF m_clrActiveTabBk;  // -1: the library default
    COLORREF m_clrActiveTabFg;
    CBrush m_brActiveTab;
    CFont m_fntTabs;
    CFont m_fntTabsBold;
    CEdit* m_pInPlaceEdit;
    int m_iEditedTab;
    BOOL m_bIsInPlaceEdit;  // rename allowed
    BOOL m_bReadyToDetach;  // a tab drag is in progress
    CPoint m_ptHot;         // the cursor where the drag began (client)
    int m_nOffsetFromTabLeft;
    TabLayout::TabWindowRecord m_restored;  // read by Serialize, applied by the owner
    UINT m_nNextToolId;
    CZAVPTabDropTarget m_DropTarget;
    std::vector<COLORREF> m_arAutoColors;
    BOOL m_bIsAutoColor;
    BOOL m_bActivateLastActiveTab;  // removing a tab goes back to the previously active tab
    int m_iLastActiveTab;
    BOOL m_bIsDefaultAutoColor;  // InitAutoColors refills the table only while set
    BOOL m_bActivateLastVisibleTab;
    CRuntimeClass* m_pDockingBarWrapperRTC = nullptr;  // null: CZAVPDockingCBWrapper
};
