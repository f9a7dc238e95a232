// The chain of nodes from a node's collection down to the node, which the category tree follows
// from its root items to find the item that shows a node.
#pragma once
#include <vector>

class CatalogNode;

// [collection, ..., node]; empty for no node.
std::vector<CatalogNode*> NodePathFromRoot(CatalogNode* node);
