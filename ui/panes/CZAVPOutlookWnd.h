// The tab window of the outlook bar: instead of tabs, a stack of full-width page buttons, those
// up to the active page at the top, those after it at the bottom, the active page's window in
// between. A click on a page button can slide the buttons to their new places. Two arrow
// buttons beside the active page let the bar scroll its page.
#pragma once

#include <vector>

#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/panes/CZAVPOutlookArrowButton.h"

class CDC;
class CZAVPOutlookBar;
class CZAVPToolbarButton;

class CZAVPOutlookWnd : public CZAVPBaseTabWnd
{
    DECLARE_DYNCREATE(CZAVPOutlookWnd)
public:
    // Ids and glyphs of the arrow buttons, and their auto-repeat period.
    static constexpr UINT kUpId = 1;
    static constexpr UINT kDownId = 2;
    static constexpr int kUpGlyph = 24;
    static constexpr int kDownGlyph = 13;
    static constexpr int kArrowRepeatMs = 100;
    // The page icon stands this far from the left; the label starts this much after it.
    static constexpr int kIconOffset = 4;
    static constexpr int kLabelOffset = 8;
    static constexpr int kExtraFlagSpace = 11;
    // The slide of page buttons: a pause between steps.
    static constexpr int kSlideSleepMs = 10;
    // Label alignments.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignRight = 2;

    // Page changes made by a click slide the page buttons (process-wide).
    static BOOL m_bEnableAnimation;

    CZAVPOutlookWnd();
    ~CZAVPOutlookWnd() override;

    BOOL Create(const CRect& rect, CWnd* pParentWnd, UINT nID);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL IsPtInTabArea(CPoint point) const override;
    void RecalcLayout() override;
    void SetTabsHeight() override;
    BOOL SetActiveTab(int iTab) override;
    CWnd* FindTargetWnd(const CPoint& point) override;
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    // What a dropped toolbar button does on a page button: only an outlook button goes (copied
    // with Ctrl, else moved), and the page under it becomes active.
    DROPEFFECT DropEffectFor(const CZAVPToolbarButton* pButton, DWORD dwKeyState, CPoint point);

    // The page-button areas joined at the top and the ones at the bottom, screen coordinates.
    void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    void ShowScrollButtons(BOOL bShow, BOOL bEnableUp, BOOL bEnableDown);
    BOOL AreScrollButtonsShown() const { return m_bScrollButtons; }
    const CRect& GetPageArea() const { return m_rectWndArea; }
    void SetBorderSize(int nBorderSize);
    int GetBorderSize() const { return m_nBorderSize; }
    void SetPageButtonTextAlign(int nAlign);
    CZAVPOutlookArrowButton& GetUpButton() { return m_btnUp; }
    CZAVPOutlookArrowButton& GetDownButton() { return m_btnDown; }
    // The outlook bar the window belongs to, or null.
    CZAVPOutlookBar* GetOutlookBar() const;

protected:
    void DrawPageButton(CDC* pDC, int iTab, BOOL bDrawPressed);
    // Sets the active page without sliding: the old window hidden, the new one shown on top and
    // sized so that it lays itself out.
    void SwitchPage(int iOld, int iNew);
    void SlidePages(int iOld, int iNew);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

protected:
    CRect m_rectWndArea;  // the active page's window, client coordinates
    int m_nBorderSize;
    BOOL m_bScrollButtons;
    CZAVPOutlookArrowButton m_btnUp;
    CZAVPOutlookArrowButton m_btnDown;
    int m_nPageButtonTextAlign;  // kAlignLeft, kAlignRight, else centred
    BOOL m_bClickChange;         // the page change under way comes from a page-button click
};
