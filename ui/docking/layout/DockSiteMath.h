// The frame-level arithmetic of docking as plain functions: where a bar goes against a side of the
// frame, which edge a point is near, keeping floating windows on screen, a bar's inside rectangle,
// free user-toolbar ids. The window classes gather the inputs and apply the answers.
#pragma once

#include <windows.h>

#include <vector>

namespace DockLayout
{
// TRUE for exactly one CBRS_ALIGN_* side.
BOOL AlignmentIsOneSide(DWORD dwAlignment);

// Places a bar's rectangle against the side of the remaining rectangle named by the alignment,
// keeping the bar's thickness; with bClip a bar thicker than the remaining room is cut to it.
RECT AlignByRect(const RECT& rectRemaining, const RECT& rectBar, DWORD dwAlignment,
                 BOOL bHorizontal, BOOL bClip);

// Cuts a docked rectangle to nPercent of the client area's height (top, bottom) or width (left,
// right). 0 means no limit. TRUE when the rectangle was cut.
BOOL LimitToMaxShare(RECT& rect, DWORD dwAlignment, const RECT& rectClientArea, int nPercent);

// The docking bands of a rectangle: the side whose band holds the point and is enabled, tried
// top, left, bottom, right; 0 when none. nCaption and nTabArea widen the inner top and bottom
// bands of a docking pane.
DWORD HitTestDockEdges(POINT pt, const RECT& rect, int nSensitivity, BOOL bOuterEdges,
                       DWORD dwEnabledAlignment, int nCaption = 0, int nTabArea = 0);

// Turns a record of four side values (left, top, right, bottom) by 90, -90 or 180 degrees.
void RotateSideValues(LONG values[4], int nAngle);

// Shifts a rectangle (never resizes it) so that it stays within reach on the work area, with
// the margins (left, top, right, bottom) or none.
void KeepRectOnScreen(RECT& rect, const RECT& rectWorkArea, const RECT* pMargins);

// A window placement loaded from the registry, clipped to the work area: the position becomes the
// top-left corner of their intersection and the size stays. FALSE when they do not meet.
BOOL ClipPlacementToWorkArea(const RECT& rectLoaded, const RECT& rectWorkArea, RECT& rectResult);

// Border widths of a control bar, in pixels, for its horizontal orientation.
struct BarBorders
{
    int left, top, right, bottom;
};

// Width of the gripper taken from a docked bar's inside rectangle.
const int kGripperSize = 7;

// The rectangle inside a bar's borders and gripper. bFloatingOrTabbed ignores the CBRS_BORDER_*
// bits; a vertical bar turns its borders.
void CalcInsideRect(RECT& rect, BOOL bHorizontal, DWORD dwBarStyle, BOOL bFloatingOrTabbed,
                    const BarBorders& borders);

// The lowest id of [uiFirst, uiLast] that no bar uses; 0 when the range is unset (either end -1),
// inverted, full (nBars already fills it) or has no free id.
UINT GetFreeToolbarId(UINT uiFirst, UINT uiLast, const std::vector<UINT>& usedIds);

// Where a dragged docking pane would go, from what the windows found under the cursor.
enum DockSiteResult
{
    DOCK_SITE_NONE = 0,
    DOCK_SITE_EDGE = 2,  // near an enabled side of the frame, or beside the found bar
    DOCK_SITE_TAB = 3,   // attach as a tab
};

struct DockSiteQuery
{
    BOOL bBarFound;            // a docking pane lies under the point
    BOOL bFoundFloats;         // that pane floats in a mini frame
    BOOL bFoundFloatMulti;     // its bar style has CBRS_FLOAT_MULTI
    BOOL bDraggedFloatMulti;   // the dragged pane's bar style has CBRS_FLOAT_MULTI
    DWORD dwFoundAlignment;    // its current alignment
    int nFoundHitTest;         // its own docking hit test for the point
    BOOL bSingleBarMiniFrame;  // with no pane found: a lone-pane mini frame answers "caption"
    DWORD dwNearEdge;          // the side of the frame the point is near, 0 when none
    DWORD dwEnabledAlignment;
};

// The result, and whether the found pane is the target (FALSE when the edge test decided).
int DetermineDockSite(const DockSiteQuery& query, BOOL* pUseFoundBar = nullptr);
}  // namespace DockLayout
