// One row of docked bars inside a dock bar: it keeps its bars in order along itself, places new
// ones, keeps them apart and inside the row (layout/DockRowLayout does the arithmetic), follows a
// dragged bar and tells its dock bar when its thickness or visibility changes.
#pragma once

#include "framework/CObList.h"
#include "framework/CRect.h"
#include "ui/docking/layout/DockRowLayout.h"

class CZAVPBaseControlBar;
class CZAVPControlBar;
class CZAVPDockBar;

class CZAVPDockBarRow : public CObject
{
    DECLARE_DYNAMIC(CZAVPDockBarRow)
public:
    CZAVPDockBarRow(CZAVPDockBar* pParentDockBar, int nOffset, int nHeight);
    ~CZAVPDockBarRow() override;

    virtual BOOL Create() { return TRUE; }
    // The row's screen rectangle, less every visible bar's length at both ends.
    virtual void GetGroupRect(CRect& rect);
    virtual int GetVisibleCount() const;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void AddControlBar(CZAVPControlBar* pBar, int nDockMethod, LPCRECT lpRect,
                               BOOL bAddLast);
    virtual void AddControlBarFromPoint(CZAVPControlBar* pBar, int nDockMethod);
    virtual void RemoveControlBar(CZAVPControlBar* pBar);
    virtual void ArrangeCompact(int nStart, int nSpacing);
    virtual BOOL ReservedRowTest(void*) { return FALSE; }
    virtual int Resize(int nOffset);
    virtual void Move(int nOffset);
    virtual void ArrangeBars(CZAVPControlBar* pBar);
    virtual void OnResizeDockBar(CRect rect, int nCode, BOOL bGrow, int nDelta);
    virtual BOOL IsEmpty() const { return m_lstControlBars.IsEmpty(); }
    virtual void UpdateVisibleState(BOOL bDelay);
    virtual void ShowDockBarRow(BOOL bShow, BOOL bDelay);
    virtual BOOL ReplaceControlBar(CZAVPControlBar* pBarOld, CZAVPControlBar* pBarNew);
    virtual BOOL ShowControlBar(CZAVPControlBar* pBar, BOOL bShow, BOOL bDelay);
    virtual void OnSizeBar(CZAVPBaseControlBar*) {}
    virtual BOOL IsVisible() const { return m_bVisible; }
    virtual int GetAvailableLength(BOOL bUseFullRects) const;
    virtual BOOL IsExclusiveRow() const;
    virtual void InsertControlBar(CZAVPControlBar* pBar);

    BOOL IsHorizontal() const;
    // The row in the dock bar's client coordinates, moved across to start at 0.
    void GetClientRect(CRect& rect) const;
    // The row in screen coordinates.
    void GetWindowRect(CRect& rect) const;
    // Follows a bar dragged along the row; FALSE when there was no room.
    BOOL MoveControlBar(CZAVPControlBar* pBar, int dx, int dy, BOOL bSwap);
    // Puts the bar at the distance from the row's start.
    void MoveControlBarTo(CZAVPControlBar* pBar, int nDistance);
    // Every bar (but the excluded one) back to its full-size (or current) rectangle.
    void RepositionBars(BOOL bUseFullRects, CZAVPControlBar* pExclude);
    void ExpandStretchedBars();
    void RestoreLayout();
    int GetMaxBarThickness(BOOL bVisibleOnly) const;
    int GetLastBarEnd() const;

    int GetRowOffset() const { return m_nRowOffset; }
    int GetRowHeight() const { return m_nRowHeight; }
    void SetExtra(int nExtraThickness, BOOL bExtraBefore);
    const CObList& GetControlBars() const { return m_lstControlBars; }
    CZAVPDockBar* GetDockBar() const { return m_pParentDockBar; }
    BOOL m_bAllBarsCount;  // every bar counts as visible while set

private:
    BOOL CountsAsVisible(CZAVPControlBar* pBar) const;
    int RowLength() const;
    // The bars as the layout arithmetic sees them, and back onto the windows in one batch.
    DockLayout::RowModel Model(BOOL bUseFullRects) const;
    void Apply(const DockLayout::RowModel& model, const std::vector<CZAVPControlBar*>& order);
    std::vector<CZAVPControlBar*> Bars() const;
    int IndexOf(CZAVPControlBar* pBar) const;
    // Where the bars start across the row, in the dock bar's client coordinates.
    int BarsCrossStart() const;

    BOOL m_bVisible;
    int m_nRowHeight;  // thickness, pixels across the row
    int m_nRowOffset;  // from the dock bar's top or left side
    CObList m_lstControlBars;
    DWORD m_dwRowAlignment;
    CZAVPDockBar* m_pParentDockBar;
    int m_nExtraSpace;      // added to the thickness when the row has bars
    int m_nExtraAlignment;  // 1: the extra space lies before the bars
};
