// The bar along the bottom of the frame: a row of panes (the message pane and the indicators),
// each with its text, with a size grip at the right end. Every pane is drawn by the visual manager.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CCmdUI.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "ui/docking/CZAVPControlBar.h"

#ifndef SBPS_NOBORDERS
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000
#endif

// One pane, in the order of its fields.
struct CZAVPStatusBarPaneInfo
{
    RECT rect;         // client coordinates; empty when the pane did not fit
    UINT nID;          // indicator command; 0 a text pane
    UINT nStyle;       // SBPS_* flags
    int cxText;        // width of the text area
    COLORREF clrText;  // -1: the system button text
    int cxIcon;        // 0: no icon
    int cyIcon;
    LPSTR lpszText;     // owned copy, or null
    LPSTR lpszToolTip;  // owned copy, or null
    HIMAGELIST hImage;  // owned, or null
    int nFrameCount;    // > 0: animated by the timer with the pane's id
    int nCurrFrame;
    int nProgressCurr;
    int nProgressTotal;  // > 0: a progress bar instead of the text
    BOOL bProgressText;
    COLORREF clrProgressBar;  // -1: the system highlight colour
    COLORREF clrProgressBarDest;
    COLORREF clrProgressText;
};

class CZAVPStatusBar : public CZAVPControlBar
{
    DECLARE_DYNAMIC(CZAVPStatusBar)
public:
    CZAVPStatusBar();
    ~CZAVPStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = 0xE801);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID);
    // One pane per id: 0 the message pane (a quarter of the screen, stretching, no border),
    // others as wide as their string resource.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    CRect GetPaneRect(int nIndex) const;
    UINT GetPaneStyle(int nIndex) const;
    int GetCount() const { return GetElementCount(); }
    CZAVPStatusBarPaneInfo* GetPanePtr(int nIndex) const;
    CZAVPStatusBarPaneInfo* HitTest(CPoint pt) const;
    void InvalidatePaneContent(int nIndex);
    CRect GetSizeBoxRect() const { return m_rectSizeBox; }

    void RecalcLayout() override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    virtual void DrawPane(CDC* pDC, CZAVPStatusBarPaneInfo* pSBP);
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // ---- pane tooltips and double clicks
    // The pane's tooltip, kept as a private copy (null or "" removes it); FALSE for a bad index
    // or a failed copy.
    BOOL SetTipText(int nIndex, LPCSTR lpszTipText);
    CString GetTipText(int nIndex) const;
    // While enabled, a double click on a pane posts the pane's command to the owner.
    void EnablePaneDoubleClick(BOOL bEnable = TRUE) { m_bPaneDoubleClick = bEnable; }
    // A child window's tool first; else the pane under the point when it has a tooltip.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

protected:
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnNcHitTest(CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    void ReleasePanes();
    HFONT Font() const;

    HFONT m_hFont;     // null: the library's status bar font
    int m_cxSizeBox;   // 0: no grip
    BOOL m_bSizeGrip;  // SBARS_SIZEGRIP: its bit is also a bar-style bit, so kept here
    BOOL m_bPaneDoubleClick;
    CRect m_rectSizeBox;  // client coordinates; empty without a grip

    DECLARE_MESSAGE_MAP()
};
