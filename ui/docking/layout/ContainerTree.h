// The tree of a bar container as plain data (two-way splits, each side a pane or a subtree, a
// slider between), its text dump for tests and people to compare, and a check of the rules every
// tree keeps after a change.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace DockLayout
{
struct ContainerSide
{
    UINT barId;        // 0 when the side holds no pane
    std::string name;  // the pane's window text
    RECT rect;         // the pane's rectangle, or the room of the subtree
    bool visible;      // the pane's window is visible
    int percent;       // the share stored in the pane or subtree
    int sub;           // index of the subtree's node, -1 for none
};

struct ContainerNode
{
    ContainerSide first;   // left or top
    ContainerSide second;  // right or bottom
    UINT sliderId;         // 0 without a slider
    RECT rectSlider;
    bool sliderVisible;
    bool horizontalSlider;  // the sides are stacked
    int parent;             // -1 for the root
};

struct ContainerSnapshot
{
    RECT area;  // where the tree is laid out
    int root;   // index of the root node, -1 for none
    std::vector<ContainerNode> nodes;
    std::vector<UINT> bars;     // the manager's bar list
    std::vector<UINT> sliders;  // the manager's slider list
};

// Depth-first, one line per node and side, for example
//   area (0,0)-(200,600)
//   node slider 1 horizontal (0,146)-(200,150) visible
//     first bar 101 "Files" (0,0)-(200,146) 50% visible
//     second bar 102 "Search" (0,150)-(200,300) 50% visible
//   bars 101 102
//   sliders 1
std::string DumpContainerTree(const ContainerSnapshot& tree);

// The broken rules, one text each (empty when the tree is sound): every listed pane sits in
// exactly one side and every pane of the tree is listed; a side holds a pane or a subtree, not
// both; each node is reached once and knows its parent; every listed slider belongs to one node
// and every node's slider is listed; two present sides have a visible slider between them, edge
// to edge; a lone present side has no visible slider; the present sides and the slider tile
// their node's room exactly, the root's room being the area.
std::vector<std::string> CheckContainerTree(const ContainerSnapshot& tree);
}  // namespace DockLayout
