// What the docking layer shares without knowing which frame class hosts a bar: the dock manager
// of a library frame, the docking bands of a window, keeping floating windows on screen, a
// turned four-side record. The arithmetic is in layout/DockSiteMath; this gathers the windows.
#pragma once

#include <windows.h>

#include "framework/CRect.h"

class CObList;
class CWnd;
class CZAVPContainerLayout;
class CZAVPDockingControlBar;
class CZAVPDockManager;

class CZAVPDockingUtils
{
public:
    virtual ~CZAVPDockingUtils() = default;

    // The dock manager of a library frame; null for any other window (a dialog or property
    // sheet also sets m_bDialogHost).
    static CZAVPDockManager* GetDockManager(CWnd* pWnd);
    static void RotateSideValues(LONG values[4], int nAngle);
    static BOOL CanWindowBeAttached(CWnd* pWnd);
    static BOOL CanFloatMulti(CWnd* pWnd);
    // Within reach on the work area of the monitor nearest the rectangle's top-left corner.
    static void KeepRectOnScreen(RECT& rect, const RECT* pMargins);
    // The work area of the monitor nearest the point (the primary one when that fails).
    static RECT WorkAreaNear(POINT pt);
    // The side of the window (or, without one, the rectangle) whose docking band holds the point.
    static BOOL HitTestDockEdges(POINT pt, CWnd* pWnd, const RECT* pRect, int nSensitivity,
                                 BOOL bOuterEdges, DWORD& dwAlignment, DWORD dwEnabledAlignment);

    // ---- panes sharing a container tree
    // Gives every window of the list (only the visible ones when asked) the new parent; bars
    // are parked one size above and left of their place until the tree lays them out.
    static void ReparentBars(const CObList& lstBars, CWnd* pNewParent, BOOL bOnlyVisible);
    // The pane of the tree under a screen point and the side of it the point is near (or its
    // caption or tab area). TRUE when a target or a caption was looked up.
    static BOOL FindDockTarget(CZAVPContainerLayout& manager, CPoint pt,
                               CZAVPDockingControlBar*& pTargetBar, DWORD& dwAlignment,
                               BOOL& bTabArea, BOOL& bCaption);
    // Where a dragged window would land beside (or as a tab of) a pane of the tree; nothing
    // while Ctrl is held.
    static void CalcExpectedDockRect(CZAVPContainerLayout& manager, CWnd* pWndToDock, CPoint pt,
                                     CRect& rectResult, BOOL& bDropAsTab,
                                     CZAVPDockingControlBar*& pTargetBar);

    static BOOL m_bDialogHost;  // a dialog or property sheet was asked about
};
