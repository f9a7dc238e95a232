// Small operations on any node that the document, the views and the scanner share.
#pragma once

class CatalogNode;
class CatalogShell;

// Marks the node's collection (the topmost node above it) as changed since the last save.
void MarkCollectionModified(CatalogNode* node);
// Sets the description of a collection, user folder or disc from a narrow (ANSI) text and marks
// the collection modified; a disc folder has none and is left alone.
void SetNodeDescription(CatalogNode* node, const char* text);
// Index into the document's 16x16 image list: folders and collections 1 closed / 2 open, discs 3.
int GetNodeImageIndex(const CatalogNode* node, bool open);
// True when a node may be hung under `target` without standing deeper than a catalogue may hold
// (CatalogNode::MaxDepth); otherwise the user is told so through the shell (when there is one).
bool HasRoomBelow(const CatalogNode* target, CatalogShell* shell);
