// A toolbar that shows other toolbars as the pages of a tab window inside itself: each added bar
// is a tab labelled with its window text, and the bar is exactly as large as its tab window.
// Stored layouts recreate it by its run-time class.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CZAVPTabWnd;

class CZAVPTabbedToolbar : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPTabbedToolbar)
public:
    // The tab window's control id inside the bar.
    static const UINT kTabWndId = 101;

    CZAVPTabbedToolbar();
    ~CZAVPTabbedToolbar() override;

    void RecalcLayout() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) override;
    // Makes the toolbar a page of the tab window (active and shown) without its gripper; FALSE
    // while the bar has no tab window, and for itself, a bar holding it or a page it has. The
    // page stays the caller's object.
    virtual BOOL AddTab(CZAVPToolBar* pNewBar);
    virtual CZAVPTabWnd* GetTabWnd() const { return m_pTabWnd; }

    // The size the tab window needs for pages of the content size, its tab row and its border.
    static CSize TabWndSize(CSize sizeContent, int nTabsHeight, int nBorder);

protected:
    // The largest size among the pages' own layouts.
    CSize MeasurePages() const;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnNcDestroy();
    LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CZAVPTabWnd* m_pTabWnd;  // owned; null before creation and after a failed one
};
