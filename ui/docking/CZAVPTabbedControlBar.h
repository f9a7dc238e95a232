// The tabbed pane of the library: a tabbed bar that creates its tab window (tabs at the bottom,
// hidden while a single tab is left), refuses to float its only tab and hides the active tab when
// closed. The application's workspace bar is one.
#pragma once

#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPTabWnd.h"

class CZAVPTabbedControlBar : public CZAVPBaseTabbedBar
{
    DECLARE_SERIAL(CZAVPTabbedControlBar)
public:
    // The tab window's control id inside the bar.
    static const UINT kTabWndId = 101;
    // The tab style of every tabbed pane of the process.
    static int m_nTabStyle;

    explicit CZAVPTabbedControlBar(BOOL bAutoDestroy = FALSE);
    ~CZAVPTabbedControlBar() override;

    // The tab window this bar makes is always the library's concrete one.
    CZAVPTabWnd* GetTabWnd() const override { return static_cast<CZAVPTabWnd*>(m_pTabWnd); }
    void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override;
    BOOL IsTabLocationBottom() const override;
    BOOL ReservedPaneTest() const override { return TRUE; }
    void OnPressCloseButton() override;
    BOOL FloatTab(CWnd* pBar, int nTabID, int nDockMethod, BOOL bHide = FALSE) override;
    BOOL ShowTab(CWnd* pBar, BOOL bShow) override;
    virtual BOOL ReservedTabbedBarTest() { return TRUE; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
