// The dock bar along one frame side that holds the auto-hide strips of that side in a single
// row, two pixels from the frame edge; it is as thick as its strips plus that gap, and nothing
// while it holds none.
#pragma once

#include "ui/docking/CZAVPDockBar.h"

class CZAVPAutoHideToolBar;

class CZAVPAutoHideDockBar : public CZAVPDockBar
{
    DECLARE_DYNCREATE(CZAVPAutoHideDockBar)
public:
    // Distance of the row from the frame edge, and between strips along it.
    static const int kRowOffset = 2;
    static const int kStripGap = 2;

    CZAVPAutoHideDockBar();
    ~CZAVPAutoHideDockBar() override;

    BOOL CanAcceptBar(const CZAVPBaseControlBar* pBar) const override;
    // Takes a strip into the row; a strip already held changes nothing.
    BOOL DockControlBar(CZAVPBaseControlBar* pBar, int nDockMethod, LPCRECT lpRect) override;
    BOOL RemoveControlBar(CZAVPBaseControlBar* pBar, DWORD dwAlignment) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnSizeDockBar(CRect rectNew) override;
    BOOL ShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow, BOOL bDelay) override;
    using CZAVPDockBar::ShowControlBar;
    // Every strip's panes (or one strip's) leave auto-hide mode; the first pane of the row
    // docks normally and the others beside it.
    virtual void UnSetAutoHideMode(CZAVPAutoHideToolBar* pAutoHideToolbar);

    // Places the strips one after another along the row.
    void RepositionStrips();
    void SetOffset(int nOffset) { m_nOffset = nOffset; }
    int GetOffset() const { return m_nOffset; }

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

    int m_nOffset;  // kept free at the row's start for the neighbouring side's strip
    int m_nReserved;
};
