// The outline that follows the cursor while a bar or a mini frame is dragged in standard dock
// mode: an XOR rectangle on the desktop, shown once the cursor has moved past the drag threshold,
// with the frame's window updates locked meanwhile. Tab previews over tabbed bars come with the
// tabbed bars.
#pragma once

#include "framework/CRect.h"

class CWnd;
class CZAVPDockManager;

class CZAVPDragOutline
{
public:
    CZAVPDragOutline();
    virtual ~CZAVPDragOutline();

    // Called when the owning bar's or mini frame's window exists.
    void Attach(CWnd* pDraggedWnd);
    // Starts following the cursor from its current position.
    void BeginDrag();
    // Each mouse move of the drag; with bForce the outline shows even below the threshold.
    void MoveDragFrame(BOOL bForce = FALSE);
    // Erases the outline and unlocks window updates; the outline rectangle stays readable.
    void EndDrag(BOOL bFinal = TRUE);
    BOOL IsActive() const { return m_bActive; }
    CRect GetDragRect() const { return m_rectLastDrag; }
    CPoint GetStartPoint() const { return m_ptStart; }

    // XOR rectangle on the desktop DC: the old one erased, the new one drawn.
    static void DrawDragRect(const RECT& rectNew, const RECT& rectOld, BOOL bErase, int nWidth,
                             int nOldWidth);
    // The first outline of a docked bar: its recent floating size at its top-left corner, moved so
    // that its left edge lies kCursorGap left of the cursor when the cursor is outside it.
    static CRect FirstOutlineRect(const CRect& rectBar, CSize sizeFloating, CPoint ptCursor);
    // The cursor left the threshold box around the start point (SM_CXDRAG by SM_CYDRAG).
    static BOOL PastThreshold(CPoint ptStart, CPoint ptCursor, CSize sizeThreshold);

    static const int kCursorGap = 5;
    static const int kOutlineWidth = 4;

private:
    CPoint m_ptStart;      // screen: where the drag began
    CPoint m_ptLast;       // screen: the cursor at the last move
    CRect m_rectDrag;      // screen: the outline now
    CRect m_rectLastDrag;  // screen: the outline when the drag ended
    BOOL m_bActive;        // the threshold was passed; the outline is shown
    CWnd* m_pDraggedWnd;
    CZAVPDockManager* m_pDockManager;
};
