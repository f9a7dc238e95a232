// A frame's docking layout as plain data (dock bars, their rows, the bars in the rows, with
// rectangles in the frame's client coordinates), its text dump for tests and people to compare,
// and a check of the rules every layout keeps.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace DockLayout
{
struct SnapshotBar
{
    std::string name;  // the bar's window text
    UINT id;
    RECT rect;  // window rectangle, frame client coordinates
    bool visible;
};

struct SnapshotRow
{
    int offset;  // across the dock bar, from its top or left side
    int thickness;
    bool visible;
    std::vector<SnapshotBar> bars;
};

struct SnapshotDockBar
{
    UINT id;
    DWORD alignment;
    RECT rect;  // frame client coordinates
    std::vector<SnapshotRow> rows;
};

struct LayoutSnapshot
{
    RECT client;  // the frame's client rectangle
    std::vector<SnapshotDockBar> dockBars;
    RECT clientArea;  // what the bars leave for the view
};

// One line per dock bar, row and bar, for example
//   dockbar E81B top (0,0)-(640,26)
//     row 0 +0 26 visible
//       bar "Standard" 101 (0,0)-(200,26)
std::string DumpLayout(const LayoutSnapshot& snapshot);

// The broken rules, one text each (empty when the layout is sound): the dock bar is as thick as
// its visible rows, visible rows are contiguous, every visible bar lies inside its row and inside
// the dock bar, and no two visible bars of a row overlap.
std::vector<std::string> CheckLayout(const LayoutSnapshot& snapshot);

const char* AlignmentName(DWORD dwAlignment);
}  // namespace DockLayout
