// Changes to a container tree held as data (ContainerTree.h): the first pane, a pane split off
// beside another, a pane taken out, and the layout of the whole tree in a new rectangle. They
// follow the same arithmetic as the container windows, so that tests can run the rule check
// after every change, and a change that cannot be made leaves the tree exactly as it was.
#pragma once

#include <windows.h>

#include <string>

#include "ui/docking/layout/ContainerTree.h"

namespace DockLayout
{
// The pane fills the area as the root's first side. FALSE when the tree has a root already.
BOOL AddFirstPane(ContainerSnapshot& tree, UINT barId, const std::string& name);

// Splits the target pane's room for a new pane on the alignment's side (see CalcSplitRects) with
// a new slider between them; the new pane goes into the list after the target (right, bottom)
// or before it (left, top). FALSE, with nothing changed, for an unknown target, a pane already
// in the tree, or an alignment that is not one side.
BOOL InsertPane(ContainerSnapshot& tree, UINT barId, const std::string& name, SIZE sizeNew,
                SIZE sizeMin, UINT targetId, DWORD dwAlignment, UINT sliderId);

// Takes a pane out: its node's slider goes, the other side takes the whole room of the node.
BOOL RemovePane(ContainerSnapshot& tree, UINT barId);

// Shows or hides a pane and lays the tree out again in its area.
BOOL ShowPane(ContainerSnapshot& tree, UINT barId, bool bShow);

// Lays the tree out in rect (which becomes its area): each node shares its new length between
// its sides (CalcSplitLayout), stores the shares and places its slider.
void LayoutContainerTree(ContainerSnapshot& tree, const RECT& rect);
}  // namespace DockLayout
