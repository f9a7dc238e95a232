// Whether a node dragged in the category tree may be dropped on another: only user folders and
// discs move, only into a collection or user folder, never into their own subtree, and never so
// that a node ends up deeper than a catalogue may hold.
#pragma once

class CatalogNode;

enum class DropDecision
{
    Nothing,  // no target, or the node itself: no change and no complaint
    Refuse,   // the drop is refused with a beep; nothing changes
    Move,     // the node moves under the target
};

DropDecision DecideTreeDrop(const CatalogNode* dragged, const CatalogNode* target);

// Levels of nodes below a node: 0 for a node without children.
int SubtreeHeight(const CatalogNode* node);

// Carries out a drop: when the check allows it the node leaves its old parent for the target and
// the collections of both are marked modified; otherwise nothing changes. Returns the check's
// decision, so the caller knows whether to beep or to move the tree's item.
DropDecision MoveDroppedNode(CatalogNode* dragged, CatalogNode* target);
