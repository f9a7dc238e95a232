// The bar that can be dragged, docked on a dock bar of a frame edge and floated: toolbars, the
// status bar, the auto-hide strips and the docking panes derive from it. It adds borders, the
// rectangle the bar has at full length, the drag machinery in both dock modes, docking and
// floating, stretching along its row, and where it was last docked, kept in the registry.
#pragma once

#include "framework/CRect.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPDragDriver.h"
#include "ui/docking/CZAVPDragOutline.h"
#include "ui/docking/CZAVPRecentPosRecord.h"

class CZAVPDockBar;
class CZAVPDockBarRow;

// Where a bar was last docked and last floating.
struct CZAVPRecentDockInfo
{
    CRect m_rectRecentFloatingRect = CRect(10, 10, 110, 110);  // screen coordinates
    DWORD m_dwRecentAlignmentToFrame = CBRS_ALIGN_LEFT;
    int m_nRecentRowIndex = 0;
    CZAVPDockBar* m_pRecentDockBar = nullptr;
    CZAVPDockBarRow* m_pRecentDockBarRow = nullptr;
    CRect m_rectDockedRect;  // the dock bar's client coordinates
    // The multi mini frame the pane floated in last and its place in that frame's tree: floated
    // again, the pane goes back there while the frame and the place still exist.
    HWND m_hRecentMiniFrame = nullptr;
    CZAVPRecentPosRecord m_recentFloatingRecord;
    // The place in its side's tree a pane floated from: docked back, it goes there while its
    // slider and the place still exist. The record keeps the slider from going away meanwhile.
    CZAVPRecentPosRecord m_recentDockedRecord;
    // The tabbed group the pane was taken out of last: docked back, it is one of the group's
    // tabs again while the group exists and shows.
    HWND m_hRecentTabbedBar = nullptr;
    // The same for a group inside a floating frame: the docked pane floated again goes back
    // among the group's tabs in that frame. A pane that floats among other panes since has a
    // newer floating place, and this one is let go.
    HWND m_hRecentFloatingTabbedBar = nullptr;
};

class CZAVPControlBar : public CZAVPBaseControlBar
{
    DECLARE_DYNAMIC(CZAVPControlBar)
public:
    CZAVPControlBar();
    ~CZAVPControlBar() override;

    // ---- operations this class adds
    virtual BOOL IsDragMode() const { return m_bDragMode; }
    virtual CSize GetMinSize() const { return m_sizeMin; }
    virtual int GetDefaultStep() const { return 10; }
    virtual int GetPreferredRow() const { return -1; }
    virtual int GetAvailableExpandSize() const;
    virtual int GetAvailableShrinkSize() const;
    virtual BOOL IsFlagBClear() const { return !m_bFlagB; }
    virtual void SetFlagA(BOOL bFlag) { m_bFlagA = bFlag; }
    // The three flags as an auto-hide record of the stored layout keeps them for a strip.
    void GetStateFlags(DWORD flags[3]) const
    {
        flags[0] = (DWORD)m_bFlag1, flags[1] = (DWORD)m_bFlag2, flags[2] = (DWORD)m_bFlagA;
    }
    void SetStateFlags(const DWORD flags[3])
    {
        m_bFlag1 = flags[0] != 0, m_bFlag2 = flags[1] != 0;
        SetFlagA(flags[2] != 0);
    }
    virtual void SetFlagB(BOOL bFlag) { m_bFlagB = bFlag; }
    virtual BOOL GetFlagB() const { return m_bFlagB; }
    virtual void SetParentDockBar(CZAVPDockBar* pDockBar, int nDockMethod);
    virtual BOOL DockByMouse(CZAVPBaseControlBar* pDockBar);
    virtual CSize GetEmptySize(int) const { return CSize(0, 0); }
    // Moves the window to a screen rectangle, keeping the minimum length along the row.
    virtual CWnd* MoveInRow(CRect rect, BOOL bRepaint, CRect& rectNew);
    // Grows (positive) or shrinks along the row within the full and minimum lengths; answers
    // the amount applied.
    virtual int StretchControlBar(int nLength, BOOL bHorz);
    virtual CZAVPControlBar* DockByMouseMove(BOOL& bResult);
    virtual BOOL CheckUndock(int nSensitivity, CZAVPDockBar*& pDockBarOut);
    virtual BOOL DockToRecentPos();
    virtual void StoreRecentPosition();
    virtual BOOL OnBeforeFloat(CRect&, int) { return TRUE; }
    virtual void OnAfterFloat();
    virtual BOOL Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, DWORD dwControlBarStyle = 0);
    BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwControlBarStyle = 0,
                  CCreateContext* pContext = nullptr) override;
    using CZAVPBaseControlBar::CreateEx;
    virtual void CalcSizeDelta(CRect& rect, CSize& sizeDelta) const;
    virtual void AdjustLayout();
    virtual void ResumeDrag() { EnterDragMode(FALSE); }
    virtual void DrawDragOutline(CRect, CRect) {}
    virtual BOOL OnBeforeDock(CZAVPBaseControlBar*& pDockBar, LPCRECT lpRect, int nDockMethod);
    virtual void OnAfterDock(CZAVPBaseControlBar*, LPCRECT, int) {}
    virtual void OnBeforeStretch(int&) {}
    virtual void OnAfterStretch(int) {}
    virtual void ChangeParent(CWnd* pNewParent, int nDockMethod);
    virtual void SetDragMode(BOOL bDragMode) { m_bDragMode = bDragMode; }
    virtual BOOL Dock(CZAVPBaseControlBar* pDockBar, LPCRECT lpRect, int nDockMethod);
    virtual void EnterDragMode(BOOL bChangeHotPoint);
    virtual void StoreRecentDockInfo();

    // ---- overrides
    BOOL CanBeDocked(CZAVPBaseControlBar* pDockBar) const override;
    BOOL IsResizable() const override { return FALSE; }
    BOOL DockControlBar(CZAVPBaseControlBar* pDockBar, int nDockMethod, LPCRECT lpRect) override;
    BOOL FloatControlBar(CRect rect, int nDockMethod, BOOL bShow) override;
    // Docked: the full-size rectangle follows the window; floating: the mini frame re-lays out.
    void RecalcLayout() override;
    // A mini frame of the bar's mini-frame class over the rectangle, owned by the bar's frame.
    CZAVPMiniFrameWnd* CreateDefaultMiniFrame(CRect rectInitial) override;
    void OnBeforeChangeParent(CWnd* pWndNewParent, BOOL bDelay) override;
    void OnAfterChangeParent(CWnd* pWndOldParent) override;
    void UndockControlBar(BOOL bDelay = FALSE) override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;

    // ---- non-virtual
    void SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom);
    void SetBordersRect(LPCRECT lpRect)
    {
        SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    // The rectangle inside the borders and the gripper.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // A zero-filled buffer of nCount elements of nSize bytes; FALSE (old buffer kept) when the
    // size overflows or memory runs out.
    BOOL AllocateElements(int nCount, int nSize);
    // The full-size rectangle takes the window rectangle (the bar's own coordinates: its parent's).
    void UpdateFullRect();
    void SetFullRect(int cx, int cy)
    {
        m_rectVirtual.right = m_rectVirtual.left + cx;
        m_rectVirtual.bottom = m_rectVirtual.top + cy;
    }
    void SetFullRectTo(const CRect& rect) { m_rectVirtual = rect; }
    CRect GetFullRect() const { return m_rectVirtual; }
    void OffsetFullRect(int dx, int dy) { m_rectVirtual.OffsetRect(dx, dy); }
    // Moves the window across its row (and the full-size rectangle with it).
    void MoveByAlignment(DWORD dwAlignment, int nOffset);
    // The order of two bars along a row: TRUE when the rectangle (the parent's coordinates)
    // lies before this bar.
    BOOL IsLeftOf(CRect rect) const;
    int GetElementCount() const { return m_nCount; }
    const CZAVPRecentDockInfo& GetRecentDockInfo() const { return m_recentDockInfo; }
    CZAVPRecentDockInfo& RecentDockInfo() { return m_recentDockInfo; }
    // Whether the bar floated when its state was stored ("IsFloating").
    BOOL GetRecentFloatingState() const { return m_bRecentFloatingState; }
    CPoint GetGrabPoint() const { return m_ptGrab; }
    // The class of the mini frame the bar floats in.
    CRuntimeClass* GetMiniFrameRTC() const { return m_pMiniFrameRTC; }
    void SetMiniFrameRTC(CRuntimeClass* pClass) { m_pMiniFrameRTC = pClass; }
    BOOL IsCapturing() const { return m_drag.IsActive(); }
    // The parent's client coordinates of a screen rectangle.
    CRect ToParent(CRect rect) const;
    // The window rectangle in the parent's client coordinates.
    CRect WindowRectInParent() const;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnNcDestroy();
    // A bar in a tab window takes its tab away first (CZAVPControlBarTabs.cpp).
    void OnDestroy();
    // Ends a drag without docking: the outline goes, the capture is released.
    void CancelDrag();
    DECLARE_MESSAGE_MAP()

protected:
    DWORD m_dwReserved;
    BOOL m_bFlag1, m_bFlag2, m_bFlagA;  // the three flags; the third set by SetFlagA
    int m_nCount;                       // elements of m_pData
    BYTE* m_pData;                      // zero-filled element buffer owned by the bar
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;
    int m_nMRUWidth;         // most recently used length; "MRUWidth"
    CRect m_rectVirtual;     // the bar at full length, the parent's coordinates
    CRect m_rectDrag;        // moved with the mouse in immediate mode (screen)
    CZAVPDragDriver m_drag;  // a docked bar's drag: the capture, the threshold, the outline
    UINT m_nSavedID;         // "ID"
    CPoint m_ptGrab;         // where the mouse took hold, the bar's client coordinates
    BOOL m_bReDocking;
    BOOL m_bDragMode;
    CRuntimeClass* m_pMiniFrameRTC;    // the mini frame the bar floats in
    CZAVPDragOutline m_dragFrameImpl;  // the outline of standard dock mode
    HWND m_hwndMiniFrameToBeClosed;    // a mini frame left over from a drag
    BOOL m_bFlagB;
    BOOL m_bPinState;  // "PinState"
    CSize m_sizeMin;
    CZAVPRecentDockInfo m_recentDockInfo;
    CRect m_rectSavedDockedRect;  // "RectRecentDocked"
    BOOL m_bRecentFloatingState;  // "IsFloating"
    BOOL m_bClickForwarded;
    CPoint m_ptLastMouse;  // screen; the last position of an immediate drag
    CPoint m_ptDragStart;  // screen; where an outline drag started
    CRect m_rectSaved;     // written only by the row
    friend class CZAVPDockBarRow;
};
