// One pane's button on an auto-hide strip: it knows its pane, its strip and its frame side, has
// its size from the pane's icon and text, and draws itself through the visual manager with the
// side facing the frame edge left open.
#pragma once

#include "framework/CObject.h"
#include "framework/CRect.h"

class CDC;
class CZAVPAutoHideToolBar;
class CZAVPDockingControlBar;

class CZAVPAutoHideButton : public CObject
{
    DECLARE_DYNCREATE(CZAVPAutoHideButton)
public:
    CZAVPAutoHideButton();
    ~CZAVPAutoHideButton() override;

    virtual BOOL Create(CZAVPAutoHideToolBar* pParentBar, CZAVPDockingControlBar* pAutoHideWnd,
                        DWORD dwAlignment);
    virtual void ShowButton(BOOL bShow) { m_bVisible = bShow; }
    virtual BOOL IsVisible() const { return m_bVisible; }
    virtual void OnDraw(CDC* pDC);
    virtual void OnFillBackground(CDC* pDC, CRect rect);
    virtual void OnDrawBorder(CDC* pDC, CRect rectBounds, CRect rectBorderSize);
    // The pane leaves auto-hide mode and docks beside pFirstBarInGroup, or normally.
    virtual void UnSetAutoHideMode(CZAVPDockingControlBar* pFirstBarInGroup);
    virtual CSize GetTextSize() const;

    // The size from the pane's icon and text (margin and borders without a pane).
    CSize GetSize() const;
    // The pane's text is drawn: always, unless the limit to the active strip is on, the pane
    // has an icon and another strip of the row is the active one.
    BOOL IsTextShown() const;
    // Only the buttons of the active strip of a row show their text (on by default).
    static BOOL m_bActiveStripTextOnly;
    BOOL IsHorizontal() const;
    // Slides the pane out (or back in) and makes the strip the active one of its row.
    void ShowAttachedWindow(BOOL bShow);

    CRect GetRect() const { return m_rect; }
    void SetTop(BOOL bTop) { m_bTop = bTop; }
    BOOL IsTop() const { return m_bTop; }
    DWORD GetAlignment() const { return m_dwAlignment; }
    CZAVPAutoHideToolBar* GetParentToolBar() const { return m_pParentBar; }
    CZAVPDockingControlBar* GetAutoHideWindow() const { return m_pAutoHideWindow; }

protected:
    CRect m_rect;  // (0, 0, width, height) in the strip's client coordinates
    BOOL m_bTop;   // drawn after the others
    DWORD m_dwAlignment;
    DWORD m_dwReserved;
    BOOL m_bVisible;
    CZAVPAutoHideToolBar* m_pParentBar;
    CZAVPDockingControlBar* m_pAutoHideWindow;
};
