// What the docking layer shares without knowing which frame class hosts a bar: the dock manager
// of a library frame, the docking bands of a window, keeping floating windows on screen, a
// turned four-side record. The arithmetic is in layout/DockSiteMath; this gathers the windows.
#pragma once

#include <windows.h>

class CWnd;
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

    static BOOL m_bDialogHost;  // a dialog or property sheet was asked about
};
