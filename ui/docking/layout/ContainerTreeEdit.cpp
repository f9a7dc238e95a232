// Container tree changes (see ContainerTreeEdit.h).
#include "ui/docking/layout/ContainerTreeEdit.h"

#include <algorithm>

#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
namespace
{
const RECT kNoRect = {0, 0, 0, 0};

struct SideRef
{
    int node;
    bool first;
};

ContainerSide& SideOf(ContainerSnapshot& t, SideRef ref)
{
    ContainerNode& n = t.nodes[(size_t)ref.node];
    return ref.first ? n.first : n.second;
}

// Depth-first from the root: this node's sides, then the first subtree, then the second.
bool FindPane(const ContainerSnapshot& t, int index, UINT barId, SideRef& found, size_t depth = 0)
{
    if (index < 0 || (size_t)index >= t.nodes.size() || depth > t.nodes.size()) return false;
    const ContainerNode& n = t.nodes[(size_t)index];
    if (n.first.barId == barId) {
        found = {index, true};
        return true;
    }
    if (n.second.barId == barId) {
        found = {index, false};
        return true;
    }
    return FindPane(t, n.first.sub, barId, found, depth + 1) ||
           FindPane(t, n.second.sub, barId, found, depth + 1);
}

bool Present(const ContainerSnapshot& t, const ContainerSide& side, size_t depth = 0)
{
    if (depth > t.nodes.size()) return false;
    if (side.barId != 0 && side.visible) return true;
    if (side.sub < 0 || (size_t)side.sub >= t.nodes.size()) return false;
    const ContainerNode& n = t.nodes[(size_t)side.sub];
    return Present(t, n.first, depth + 1) || Present(t, n.second, depth + 1);
}

RECT UnionOf(const RECT& a, const RECT& b)
{
    RECT r;
    ::UnionRect(&r, &a, &b);
    return r;
}

void LayoutNode(ContainerSnapshot& t, int index, const RECT& oldRoom, const RECT& newRoom,
                size_t depth = 0)
{
    if (index < 0 || (size_t)index >= t.nodes.size() || depth > t.nodes.size()) return;
    ContainerNode& n = t.nodes[(size_t)index];
    const DockAxis axis(!n.horizontalSlider);
    SplitSide sides[2];
    ContainerSide* refs[2] = {&n.first, &n.second};
    for (int i = 0; i < 2; ++i) {
        const ContainerSide& s = *refs[i];
        sides[i].bPresent = Present(t, s);
        sides[i].nLength = axis.Length(s.rect);
        sides[i].bEmpty = ::IsRectEmpty(&s.rect);
        sides[i].nPercent = s.percent;
    }
    const SplitResult r = CalcSplitLayout(axis.Length(oldRoom), axis.Length(newRoom), sides[0],
                                          sides[1]);
    RECT placed[3];
    PlaceSplit(newRoom, n.horizontalSlider, r, placed[0], placed[1], placed[2]);
    n.first.percent = r.nFirstPercent;
    n.second.percent = r.nSecondPercent;
    n.sliderVisible = r.bSlider && n.sliderId != 0;
    if (r.bSlider) n.rectSlider = placed[1];

    // The node may move in the vector while subtrees are laid out: work from indexes.
    const int subs[2] = {n.first.sub, n.second.sub};
    RECT oldRects[2] = {n.first.rect, n.second.rect};
    const RECT newRects[2] = {placed[0], placed[2]};
    for (int i = 0; i < 2; ++i) {
        if (!sides[i].bPresent) continue;
        ContainerNode& node = t.nodes[(size_t)index];
        (i == 0 ? node.first : node.second).rect = newRects[i];
        LayoutNode(t, subs[i], oldRects[i], newRects[i], depth + 1);
    }
}
}  // namespace

BOOL AddFirstPane(ContainerSnapshot& tree, UINT barId, const std::string& name)
{
    if (tree.root >= 0 || barId == 0) return FALSE;
    ContainerNode n;
    n.first = ContainerSide{barId, name, tree.area, true, kFullPercent, -1};
    n.second = ContainerSide{0, "", kNoRect, false, kHalfPercent, -1};
    n.sliderId = 0;
    n.rectSlider = kNoRect;
    n.sliderVisible = false;
    n.horizontalSlider = false;
    n.parent = -1;
    tree.nodes.push_back(n);
    tree.root = (int)tree.nodes.size() - 1;
    tree.bars.push_back(barId);
    return TRUE;
}

BOOL InsertPane(ContainerSnapshot& tree, UINT barId, const std::string& name, SIZE sizeNew,
                SIZE sizeMin, UINT targetId, DWORD dwAlignment, UINT sliderId)
{
    SideRef target;
    SideRef already;
    if (barId == 0 || targetId == 0 || !FindPane(tree, tree.root, targetId, target) ||
        FindPane(tree, tree.root, barId, already))
        return FALSE;
    const auto listed = std::find(tree.bars.begin(), tree.bars.end(), targetId);
    if (listed == tree.bars.end()) return FALSE;

    const ContainerSide targetSide = SideOf(tree, target);
    RECT rectTarget = targetSide.rect;
    SplitRects split;
    if (!CalcSplitRects(rectTarget, sizeNew, sizeMin, dwAlignment, split)) return FALSE;

    // Everything is known: from here on the change cannot fail.
    ContainerSide moved = targetSide;
    moved.rect = rectTarget;
    moved.percent = kHalfPercent;
    const ContainerSide added{barId, name, split.rectNew, true, kHalfPercent, -1};
    ContainerNode n;
    n.first = split.bNewIsFirst ? added : moved;
    n.second = split.bNewIsFirst ? moved : added;
    n.sliderId = sliderId;
    n.rectSlider = split.rectSlider;
    n.sliderVisible = true;
    n.horizontalSlider = split.bHorizontalSlider != FALSE;
    n.parent = target.node;
    tree.nodes.push_back(n);
    const int index = (int)tree.nodes.size() - 1;

    ContainerSide& side = SideOf(tree, target);
    side = ContainerSide{0, "", targetSide.rect, false, targetSide.percent, index};
    tree.bars.insert(split.bNewIsFirst ? listed : listed + 1, barId);
    tree.sliders.push_back(sliderId);
    return TRUE;
}

BOOL RemovePane(ContainerSnapshot& tree, UINT barId)
{
    SideRef where;
    if (barId == 0 || !FindPane(tree, tree.root, barId, where)) return FALSE;
    ContainerNode& n = tree.nodes[(size_t)where.node];
    ContainerSide& gone = where.first ? n.first : n.second;
    ContainerSide& other = where.first ? n.second : n.first;
    RECT room = gone.rect;
    if (n.sliderVisible) room = UnionOf(room, n.rectSlider);
    if (Present(tree, other)) room = UnionOf(room, other.rect);

    gone = ContainerSide{0, "", kNoRect, false, gone.percent, -1};
    if (n.sliderId != 0) {
        tree.sliders.erase(std::remove(tree.sliders.begin(), tree.sliders.end(), n.sliderId),
                           tree.sliders.end());
        n.sliderId = 0;
        n.rectSlider = kNoRect;
        n.sliderVisible = false;
    }
    tree.bars.erase(std::remove(tree.bars.begin(), tree.bars.end(), barId), tree.bars.end());

    if (Present(tree, other)) {
        const RECT oldRect = other.rect;
        const int sub = other.sub;
        other.rect = room;
        other.percent = kFullPercent;
        LayoutNode(tree, sub, oldRect, room);
    }
    return TRUE;
}

BOOL ShowPane(ContainerSnapshot& tree, UINT barId, bool bShow)
{
    SideRef where;
    if (barId == 0 || !FindPane(tree, tree.root, barId, where)) return FALSE;
    SideOf(tree, where).visible = bShow;
    LayoutContainerTree(tree, tree.area);
    return TRUE;
}

void LayoutContainerTree(ContainerSnapshot& tree, const RECT& rect)
{
    const RECT oldArea = tree.area;
    tree.area = rect;
    LayoutNode(tree, tree.root, oldArea, rect);
}
}  // namespace DockLayout
