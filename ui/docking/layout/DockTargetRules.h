// Docking onto panes that share a container: which pane (and which of its sides, its caption or
// its tab area) lies under the cursor, and the rectangle a dragged window would take there. The
// container and mini-frame windows describe their panes; the rules below decide.
#pragma once

#include <windows.h>

#include <vector>

namespace DockLayout
{
// A pane of a container as the lookups see it (screen coordinates).
struct TargetPane
{
    RECT rectWindow;
    RECT rectCaption;   // empty without a caption
    RECT rectTabArea1;  // the tab strips of a tabbed pane, else empty
    RECT rectTabArea2;
    int nCaptionHeight;  // widen the inner edge bands (see HitTestDockEdges)
    int nTabHeight;
};

// The bar-from-point lookup of a container: the index of the pane under the point, -1 when none.
// A caption or tab area hit sets the flags. With bExactBar a point well inside a pane (deeper
// than the sensitivity) does not count; without it a second pass takes the first pane whose
// rectangle, widened by the sensitivity, holds the point.
int PaneFromPoint(const std::vector<TargetPane>& panes, POINT pt, int nSensitivity, BOOL bExactBar,
                  BOOL& bTabArea, BOOL& bCaption);

struct DockTarget
{
    int nPane;          // -1 for none
    DWORD dwAlignment;  // the pane's side the point is near (CBRS_ALIGN_*)
    BOOL bTabArea;
    BOOL bCaption;
};

// Finds the target for a point. bFrameCaption is the container's own caption test (a multi mini
// frame with fewer than two panes, the point in its caption): it answers at once, with the pane
// that test found. A pane hit near its middle is no target; a caption or tab hit is one as it is.
DockTarget FindDockTarget(const std::vector<TargetPane>& panes, POINT pt, int nSensitivity,
                          BOOL bFrameCaption, int nFrameCaptionPane);

// What CalcExpectedDockRect knows of the dragged window and the target found.
struct ExpectedDockQuery
{
    BOOL bCtrlDown;  // docking is suppressed
    DockTarget target;
    RECT rectTarget;          // the target pane's window rectangle
    DWORD dwTargetAlignment;  // its current side
    BOOL bTargetFloats;       // it lives in a mini frame
    BOOL bTargetCanBeAttached;
    BOOL bTargetAccepts;        // its CanAcceptBar for the dragged bar
    BOOL bTargetIsDragged;      // the target is the dragged window or lives in its mini frame
    BOOL bDraggedIsControlBar;  // the dragged window (or the bar its mini frame hosts)
    DWORD dwDraggedEnabled;     // its enabled sides
    BOOL bDraggedIsBaseBar;
    BOOL bDraggedCanBeAttached;
    BOOL bDraggedCanFloatMulti;
    SIZE sizeDragged;
    SIZE sizeDraggedMin;
};

struct ExpectedDock
{
    BOOL bTarget;  // a target was found and not refused
    BOOL bDropAsTab;
    RECT rect;  // where the dragged window would go; empty when nothing
};

ExpectedDock CalcExpectedDockRect(const ExpectedDockQuery& query);
}  // namespace DockLayout
