// The MDI client of the library's MDI frame, subclassed: it can show one tab per document frame
// (with the document's icon and title) in a tab window above the documents, keeps those tabs in
// step with the documents, and lets the frame's menu bar take the menus the client would set.
#pragma once

#include "framework/CImageList.h"
#include "framework/CMap.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPTabWnd.h"

class CZAVPMainClientAreaWnd : public CWnd
{
    DECLARE_DYNAMIC(CZAVPMainClientAreaWnd)
public:
    CZAVPMainClientAreaWnd();
    ~CZAVPMainClientAreaWnd() override;

    // With tabs shown: one tab per visible document frame, in z-order, with changed texts and
    // icons applied; the active tab scrolled into view when asked.
    void UpdateTabs(BOOL bSetActiveTabVisible = FALSE);
    // With tabs shown: the tab of that document frame becomes the active tab.
    void SetActiveTab(HWND hwnd);
    // Turns the tabs on or off (both the application's switch and their showing).
    void EnableMDITabs(BOOL bEnable = TRUE);
    BOOL AreMDITabs() const { return m_bTabsEnabled && m_bTabsShown; }
    CZAVPTabWnd& GetMDITabs() { return m_wndTab; }

    void PreSubclassWindow() override;
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;

    // Sent by document frames whose title or icon changed: the tabs follow.
    static const UINT kUpdateTabsMessage = 0x465;

    CZAVPTabWnd m_wndTab;                         // the document tabs
    int m_nTabLocation;                           // CZAVPBaseTabWnd::Location of the tab area
    BOOL m_bTabsShown;                            // the tabs are on now (off during print preview)
    BOOL m_bTabsEnabled;                          // the application turned the tabs on
    CImageList m_TabIcons;                        // the documents' small icons
    BOOL m_bTabIcons;                             // tabs show the documents' icons
    BOOL m_bTabCloseButton;                       // the tab window has a close button
    CMap<HICON, HICON, int, int> m_mapIconIndex;  // icon -> image in m_TabIcons

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnSetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnRefreshMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateTabs(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The image of the icon in m_TabIcons, added when new; -1 without an icon.
    int ImageOfIcon(HICON hIcon);
    // The frame, when it is a live library MDI frame.
    class CZAVPMDIFrameWnd* LibraryFrame() const;
};
