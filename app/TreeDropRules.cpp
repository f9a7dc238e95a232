// The category tree's drop check.
#include "app/TreeDropRules.h"
#include <utility>
#include <vector>
#include "catalog/CatalogNode.h"
#include "catalog/NodeOperations.h"

int SubtreeHeight(const CatalogNode* node)
{
    if (!node) return 0;
    // An explicit stack: a disc holds many folders, and no recursion depth should depend on data.
    int height = 0;
    std::vector<std::pair<const CatalogNode*, int>> pending{{node, 0}};
    while (!pending.empty()) {
        const auto [current, level] = pending.back();
        pending.pop_back();
        if (level > height) height = level;
        for (const CatalogNode* child : current->m_children) pending.emplace_back(child, level + 1);
    }
    return height;
}

DropDecision DecideTreeDrop(const CatalogNode* dragged, const CatalogNode* target)
{
    if (!dragged || !target || dragged == target) return DropDecision::Nothing;
    if (dragged->m_type != NodeUserFolder && dragged->m_type != NodeDisc)
        return DropDecision::Refuse;
    if (target->m_type != NodeCollection && target->m_type != NodeUserFolder)
        return DropDecision::Refuse;
    if (dragged->Contains(target)) return DropDecision::Refuse;
    if (target->Depth() + 1 + SubtreeHeight(dragged) > CatalogNode::MaxDepth)
        return DropDecision::Refuse;
    return DropDecision::Move;
}

DropDecision MoveDroppedNode(CatalogNode* dragged, CatalogNode* target)
{
    const DropDecision decision = DecideTreeDrop(dragged, target);
    if (decision != DropDecision::Move) return decision;
    CatalogNode* oldParent = dragged->m_parent;
    if (oldParent) {
        oldParent->DetachChild(dragged);
        MarkCollectionModified(oldParent);
    }
    target->AddChild(dragged);
    MarkCollectionModified(target);
    return decision;
}
