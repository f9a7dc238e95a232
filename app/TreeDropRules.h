// Whether a node dragged in the category tree may be dropped on another: only user folders and
// discs move, only into a collection or user folder, never into their own subtree, and never so
// that a node ends up deeper than a catalogue may hold.
#pragma once

class CatalogNode;

enum class DropDecision {
    Nothing,  // no target, or the node itself: no change and no complaint
    Refuse,   // the drop is refused with a beep; nothing changes
    Move,     // the node moves under the target
};

DropDecision DecideTreeDrop(const CatalogNode* dragged, const CatalogNode* target);

// Levels of nodes below a node: 0 for a node without children.
int SubtreeHeight(const CatalogNode* node);
