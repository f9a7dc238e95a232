// The outline that follows the cursor while a bar or a mini frame is dragged in standard dock
// mode, drawn as the drag session steps it: an XOR rectangle on the desktop, shown once the drag
// has started, with the frame's window updates locked meanwhile. Where the drag promises a tab,
// over the caption or the tabs of a tabbed bar the dragged window shows as a temporary tab of that
// bar instead (held by the global docking bar), and over the caption of another bar a tab-shaped
// outline. It finds no targets of its own.
#pragma once

#include <windows.h>

#include "framework/CRect.h"
#include "ui/docking/layout/DragSession.h"

class CWnd;
class CZAVPBaseControlBar;
class CZAVPDockManager;

class CZAVPDragOutline
{
public:
    CZAVPDragOutline();
    virtual ~CZAVPDragOutline();

    // Called when the owning bar's or mini frame's window exists.
    void Attach(CWnd* pDraggedWnd);
    // A drag begins at the cursor's current position; nothing shows yet.
    void BeginDrag();
    // Shows one step of a drag session: the outline where it stands, or the tab preview for the
    // target it promises to join as a tab (pTarget: that bar, null for none or a frame side).
    void ShowStep(const DockLayout::DragStep& step, CZAVPBaseControlBar* pTarget);
    // Erases the outline or takes the temporary tab away and unlocks window updates; the outline
    // rectangle, the last target and whether the drag ended on a tab stay readable.
    void EndDrag(BOOL bFinal = TRUE);
    BOOL IsActive() const { return m_bActive; }
    CRect GetDragRect() const { return m_rectLastDrag; }
    CPoint GetStartPoint() const { return m_ptStart; }
    // The bar that was the docking target under the cursor when the drag ended (null for none).
    CZAVPBaseControlBar* GetLastTarget() const;
    // The drag ended while a temporary tab or a tab-shaped outline was shown: the caller docks
    // the dragged window as a tab of the last target.
    BOOL IsEndedOnTab() const { return m_bEndedOnTab; }
    // The temporary tab's index in the target's tab window, -1 while none is shown.
    int GetTemporaryTab() const { return m_nTemporaryTab; }
    BOOL IsTabOutlineShown() const { return m_bTabOutlineShown; }

    // XOR rectangle on the desktop DC: the old one erased, the new one drawn.
    static void DrawDragRect(const RECT& rectNew, const RECT& rectOld, BOOL bErase, int nWidth,
                             int nOldWidth);
    // The tab-shaped outline over a bar's window rectangle (XOR, drawing it again erases it).
    static void DrawTabOutline(const RECT& rectBar, int nTabHeight);
    // The first outline of a docked bar: its recent floating size at its top-left corner, moved so
    // that its left edge lies kCursorGap left of the cursor when the cursor is outside it.
    static CRect FirstOutlineRect(const CRect& rectBar, CSize sizeFloating, CPoint ptCursor);

    // The three XOR parts of a tab-shaped outline: the bar above a band one tab height tall, the
    // tab in that band (from left + 10 to left + 50, at most right - width - 4) and the opening
    // between them. Parts that do not fit are empty.
    struct TabOutline
    {
        RECT rectBody;     // drawn as a frame of the given width
        RECT rectTab;      // drawn as a frame of the given width
        RECT rectOpening;  // filled: takes away the edges between the body and the tab
    };
    static TabOutline TabOutlineParts(const RECT& rectBar, int nTabHeight, int nWidth);

    static const int kCursorGap = 5;
    static const int kOutlineWidth = 4;
    static const int kTabOutlineWidth = 3;
    static const int kTabOutlineLeft = 10;
    static const int kTabOutlineRight = 50;
    static const int kTabOutlineMargin = 4;

private:
    // The outline is shown from here on: the frame's updates are locked meanwhile.
    void Activate();
    // Draws the outline at m_rectDrag, or the tab preview for a target that takes it as a tab.
    void Show(CZAVPBaseControlBar* pTarget, BOOL bDropAsTab);
    // The preview for the target under the cursor: a temporary tab or a tab-shaped outline.
    void ShowTabPreview(CZAVPBaseControlBar* pTarget);
    // Takes a shown temporary tab or tab-shaped outline away.
    void HideTabPreview();
    // The tab window that holds the temporary tab, or null when the target has gone.
    class CZAVPBaseTabWnd* TemporaryTabWindow() const;
    CZAVPBaseControlBar* TabTarget() const;

    CPoint m_ptStart;      // screen: where the drag began
    CRect m_rectDrag;      // screen: the outline now
    CRect m_rectShown;     // screen: the outline on the screen (empty while a tab preview shows)
    CRect m_rectLastDrag;  // screen: the outline when the drag ended
    HWND m_hLastTarget;    // the docking target at the last move
    BOOL m_bEndedOnTab;    // the drag ended on a tab preview
    BOOL m_bActive;        // the threshold was passed; the outline is shown
    int m_nTemporaryTab;   // index of the temporary tab in the tab target's tab window, or -1
    CWnd* m_pDraggedWnd;
    CZAVPDockManager* m_pDockManager;
    HWND m_hTabTarget;        // the bar that shows the tab preview
    BOOL m_bTabOutlineShown;  // the tab-shaped outline is on the screen
    CRect m_rectTabOutline;   // screen: the bar the tab-shaped outline was drawn over
    int m_nTabOutlineHeight;
};
