// The concrete tab window: the tab area at the top or bottom of the client area with its scroll
// and close buttons, the tab windows in the rest, the tabs measured, placed and scrolled, one
// style sharing a horizontal scroll bar with the active window, everything drawn by the visual
// manager. The arithmetic is in layout/TabStripGeometry; this gathers metrics and applies it.
#pragma once

#include "framework/CScrollBar.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/TabScrollButton.h"

class CDC;

class CZAVPTabWnd : public CZAVPBaseTabWnd
{
    DECLARE_DYNCREATE(CZAVPTabWnd)
public:
    enum Style
    {
        STYLE_FLAT = 1,                     // flat tabs, "Arial" fonts, scroll buttons
        STYLE_FLAT_SHARED_HORZ_SCROLL = 2,  // as 1, sharing the row with a horizontal scroll bar
        STYLE_3D = 3,                       // 3D tabs with scroll buttons
        STYLE_3D_ONENOTE = 4,               // 3D tabs that scroll one tab at a time, hover
    };
    // The buttons of the row, in their order.
    enum Button
    {
        BUTTON_HOME,
        BUTTON_LEFT,
        BUTTON_RIGHT,
        BUTTON_END,
        BUTTON_CLOSE,
        BUTTON_COUNT
    };

    CZAVPTabWnd();
    ~CZAVPTabWnd() override;

    BOOL Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                Location location = LOCATION_BOTTOM, BOOL bCloseBtn = FALSE);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- filled here
    BOOL IsPtInTabArea(CPoint point) const override;
    void InvalidateTabs() override;
    void SetImageList(HIMAGELIST hImageList) override;
    BOOL SetImageList(UINT uiID, int cx = 15, COLORREF clrTransp = RGB(255, 0, 255)) override;
    void SetTabsHeight() override;
    int GetTabsHeight() const override;
    void GetTabsRect(CRect& rect) const override { rect = m_rectTabsArea; }
    void RecalcLayout() override;
    void EnableInPlaceEdit(BOOL bEnable) override;
    void AdjustEditRect(CRect& rectEdit) override;
    BOOL SetActiveTab(int iTab) override;
    int GetTabFromPoint(CPoint& pt) const override;
    BOOL EnsureVisible(int iTab) override;
    CWnd* FindTargetWnd(const CPoint& point) override;
    void SwapTabs(int nFirst, int nSecond) override;
    void MoveTab(int nSource, int nDest) override;
    BOOL IsFlatTab() const override { return m_bFlat; }
    BOOL IsOneTabScroll() const override { return m_bIsOneNoteStyle; }
    BOOL IsDrawFrame() const override { return m_bDrawFrame; }
    int GetFirstVisibleTabNum() const override { return m_nFirstVisibleTab; }
    void SetHideSingleTab(BOOL bHide = TRUE) override;
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

    // ---- added here
    virtual void AdjustTabs();
    virtual void UpdateScrollLimits();
    virtual void SetupScrollBar();
    virtual BOOL ReservedTabTest() { return TRUE; }
    virtual void Draw3DTab(CDC* pDC, int iTab, BOOL bIsActive);
    virtual void DrawFlatTab(CDC* pDC, int iTab, BOOL bIsActive);

    // ---- non-virtual
    void HideNoTabs(BOOL bHide = TRUE);
    void AutoSizeWindow(BOOL bAutoSize = TRUE) { m_bAutoSizeWindow = bAutoSize; }
    // A document tab's frame becomes the active document of its MDI client.
    static void ActivateDocument(CWnd* pWnd);
    void SetActiveTabBoldFont(BOOL bIsBold = TRUE);
    void SetDrawFrame(BOOL bDraw = TRUE) { m_bDrawFrame = bDraw; }
    int GetTabStyle() const { return m_nStyle; }
    int GetScrollOffset() const { return m_nTabsHorzOffset; }
    int GetLargestScrollOffset() const { return m_nTabsHorzOffsetMax; }
    int GetTotalTabsWidth() const { return m_nTabsTotalWidth; }
    CRect GetWndArea() const { return m_rectWndArea; }
    CZAVPButton* GetButton(Button button) { return &m_btn[button]; }
    CScrollBar& GetSharedScrollBar() { return m_wndScrollWnd; }

protected:
    // Ctrl+Page Down and Ctrl+Page Up switch tabs while Ctrl is held.
    virtual BOOL IsCtrlKeyDown() const { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

    // Left edges and right ends of the tabs measured from the first tab with no scrolling; -1
    // for hidden tabs.
    void TabExtents(std::vector<int>& starts, std::vector<int>& ends) const;
    void UpdateScrollButtonsState();
    void ApplyScroll(int nOffset, int nFirstVisible);
    BOOL IsTabAreaHidden() const;
    CRect SplitterRect() const;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnCancelMode();
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bFlat;
    BOOL m_bSharedScroll;
    BOOL m_bIsOneNoteStyle;
    BOOL m_bScroll;    // scroll buttons on
    BOOL m_bCloseBtn;  // the close button is shown
    int m_nStyle;
    int m_nScrollBarRight;  // the shared scroll bar's width from the tab area's right end
    CRect m_rectTabsArea;
    CRect m_rectWndArea;
    CScrollBar m_wndScrollWnd;
    TabScrollButton m_btn[BUTTON_COUNT];
    int m_nTabsHorzOffset;
    int m_nTabsHorzOffsetMax;
    int m_nTabsTotalWidth;
    int m_nFirstVisibleTab;
    BOOL m_bTrackSplitter;
    BOOL m_bHideNoTabs;
    BOOL m_bAutoSizeWindow;
    BOOL m_bIsActiveTabBold;
    BOOL m_bDrawFrame;
};
