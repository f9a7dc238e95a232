// The strip along one edge of a frame's client area that holds the docked bars of that edge in
// rows. Its thickness is always the sum of its visible rows; it grows and shrinks on its inner
// side only and then has the frame recompute the docking layout.
#pragma once

#include "framework/CObList.h"
#include "ui/docking/CZAVPBaseControlBar.h"

class CZAVPControlBar;
class CZAVPDockBarRow;

class CZAVPDockBar : public CZAVPBaseControlBar
{
    DECLARE_DYNCREATE(CZAVPDockBar)
public:
    CZAVPDockBar();
    ~CZAVPDockBar() override;

    // ---- overrides
    BOOL IsResizable() const override { return FALSE; }
    BOOL CanBeDetached() const override { return FALSE; }
    BOOL CanBeAttached() const override { return FALSE; }
    int GetCaptionHeight() const override { return 0; }
    BOOL IsInMultiMiniFrame() const override { return FALSE; }
    BOOL CanAcceptBar(const CZAVPBaseControlBar* pBar) const override;
    void RecalcContentLayout() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void AdjustDockingLayout(HDWP hdwp = nullptr) override;

    // ---- operations this class adds
    virtual BOOL IsDragMode() const;
    virtual CZAVPDockBarRow* CreateRow(POSITION pos, int nOffset, int nRowHeight);
    // Docks a bar: by mouse (the row under the cursor), to its recent row, or by rectangle.
    BOOL DockControlBar(CZAVPBaseControlBar* pBar, int nDockMethod, LPCRECT lpRect) override;
    virtual BOOL DockControlBarLeftOf(CZAVPControlBar* pBar, CZAVPControlBar* pLeftOf);
    virtual BOOL RemoveControlBar(CZAVPBaseControlBar* pBar, DWORD dwAlignment);
    // Follows a docked bar that the user drags by (dx, dy): along its row, into another row or a
    // new one. TRUE when the bar left the dock bar.
    virtual BOOL MoveControlBar(CZAVPControlBar* pBar, UINT nFlags, int dx, int dy);
    virtual void ShiftRowsAfter(POSITION pos);
    virtual void ShiftRowsBack(POSITION pos, BOOL bForce);
    virtual int ResizeRowBy(CZAVPDockBarRow* pRow, int nDelta);
    virtual void OnShowRow(POSITION pos, BOOL bShow);
    virtual void ReservedDockBarHook(void*, void*, void*, void*) {}
    virtual void OnSizeDockBar(CRect rectNew);
    virtual void UpdateVirtualRects();
    virtual BOOL ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay);
    using CZAVPBaseControlBar::ShowControlBar;
    virtual CZAVPBaseControlBar* ControlBarFromPoint(int x, int y) const;
    using CZAVPBaseControlBar::ControlBarFromPoint;
    virtual UINT GetDockBarID() const { return m_nDockBarID; }
    virtual void SetWindowPosByRect(const CWnd* pWndInsertAfter, const CRect& rect, UINT nFlags);
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        DWORD dwControlBarStyle = 0);
    BOOL CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwControlBarStyle = 0,
                  CCreateContext* pContext = nullptr) override;
    using CZAVPBaseControlBar::CreateEx;

    // ---- non-virtual
    CZAVPDockBarRow* FindRowByBar(const CZAVPBaseControlBar* pBar) const;
    int GetRowIndex(const CZAVPDockBarRow* pRow) const;
    CZAVPBaseControlBar* FindBarByID(UINT nID) const;
    // The visible row under a screen point; bBefore: above (left of) the dock bar when none.
    CZAVPDockBarRow* RowFromPoint(CPoint pt, BOOL& bBefore) const;
    CZAVPDockBarRow* RowFromRect(CRect rect) const;
    CZAVPDockBarRow* AddRow(POSITION posBefore, int nRowHeight);
    void RemoveRow(CZAVPDockBarRow* pRow);
    // Sets a row's thickness; refused (0) when its bars need more. Answers the change.
    int ResizeRow(CZAVPDockBarRow* pRow, int nNewHeight, BOOL bAdjustLayout = TRUE);
    void ResizeDockBar(int nDelta, BOOL bAdjustLayout);
    void OnShowRowChanged(CZAVPDockBarRow* pRow, BOOL bShow, BOOL bAdjustLayout);

    const CObList& GetControlBarList() const { return m_lstControlBars; }
    const CObList& GetRows() const { return m_lstDockBarRows; }
    // The rectangle the dock bar starts with: the parent's client rectangle at zero thickness
    // against the edge of the alignment, and the id of that edge.
    static CRect InitialRect(const CRect& rectClient, DWORD dwAlignment);
    static UINT DockBarIdFor(DWORD dwAlignment);

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

protected:
    CObList m_lstControlBars;  // docked bars, not owned
    CObList m_lstDockBarRows;  // rows in order of offset, owned
    UINT m_nDockBarID;         // 0xE81B top, 0xE81C left, 0xE81D right, 0xE81E bottom
};
