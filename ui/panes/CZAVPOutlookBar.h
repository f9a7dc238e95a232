// The outlook bar: a tabbed docking bar whose tab window is an outlook window, a column of page
// buttons with the active page between them. Besides pages docked into it, it makes its own
// custom pages, outlook panes of large buttons, and keeps their list in the registry.
#pragma once

#include <vector>

#include "ui/docking/CZAVPBaseTabbedBar.h"

class CZAVPOutlookBarPane;
class CZAVPOutlookWnd;

class CZAVPOutlookBar : public CZAVPBaseTabbedBar
{
    DECLARE_SERIAL(CZAVPOutlookBar)
public:
    // The outlook window's control id inside the bar.
    static constexpr UINT kOutlookWndId = 101;

    CZAVPOutlookBar();
    ~CZAVPOutlookBar() override;

    virtual BOOL Create(LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, UINT nID,
                        DWORD dwStyle, DWORD dwControlBarStyle = ZAVP_CBRS_RESIZE,
                        CCreateContext* pContext = nullptr);
    using CZAVPBaseTabbedBar::Create;

    // ---- hooks the outlook window calls: nothing here, and every change may slide
    virtual void OnScroll(BOOL /*bDown*/) {}
    virtual BOOL OnBeforeAnimation(int /*nPage*/) { return TRUE; }
    virtual void OnAfterAnimation(int /*nPage*/) {}

    // ---- overrides
    void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override;
    BOOL CanAcceptBar(const CZAVPBaseControlBar* pBar) const override;
    int HitTestForDocking(CPoint point, int nSensitivity) override;
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, int nIndex = -1,
                   UINT uiID = (UINT)-1) override;
    BOOL ReservedPaneTest() const override { return FALSE; }

    // Adds a window as a page under the label and makes it the active page.
    BOOL AddPage(CWnd* pPage, LPCSTR lpszLabel);
    CZAVPOutlookWnd* GetOutlookWnd() const;
    const std::vector<CZAVPOutlookBarPane*>& GetCustomPages() const { return m_lstCustomPages; }

protected:
    // The label a custom page is stored under: its own text when it is a tab itself, else the
    // text of the window that wraps it.
    static CString PageName(CZAVPOutlookBarPane* pPage);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

    std::vector<CZAVPOutlookBarPane*> m_lstCustomPages;  // owned, in creation order
};
