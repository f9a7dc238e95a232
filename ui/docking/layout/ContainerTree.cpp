// Container tree dump and rule check (see ContainerTree.h).
#include "ui/docking/layout/ContainerTree.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
namespace
{
std::string RectText(const RECT& r)
{
    std::ostringstream s;
    s << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return s.str();
}

bool ValidIndex(const ContainerSnapshot& t, int i) { return i >= 0 && (size_t)i < t.nodes.size(); }

// A pane that shows, or a subtree holding one. Guards against cycles with the depth.
bool SidePresent(const ContainerSnapshot& t, const ContainerSide& side, size_t depth = 0)
{
    if (depth > t.nodes.size()) return false;
    if (side.barId != 0 && side.visible) return true;
    if (!ValidIndex(t, side.sub)) return false;
    const ContainerNode& n = t.nodes[(size_t)side.sub];
    return SidePresent(t, n.first, depth + 1) || SidePresent(t, n.second, depth + 1);
}

void DumpSide(const ContainerSnapshot& t, const char* which, const ContainerSide& side, int depth,
              std::ostringstream& out, std::vector<bool>& seen);

void DumpNode(const ContainerSnapshot& t, int index, int depth, std::ostringstream& out,
              std::vector<bool>& seen)
{
    const std::string indent((size_t)depth * 2, ' ');
    if (!ValidIndex(t, index) || seen[(size_t)index]) {
        out << indent << "node " << index << " (bad link)\n";
        return;
    }
    seen[(size_t)index] = true;
    const ContainerNode& n = t.nodes[(size_t)index];
    out << indent << "node";
    if (n.sliderId != 0)
        out << " slider " << n.sliderId << (n.horizontalSlider ? " horizontal " : " vertical ")
            << RectText(n.rectSlider) << (n.sliderVisible ? " visible" : " hidden");
    else
        out << (n.horizontalSlider ? " horizontal" : " vertical");
    out << "\n";
    DumpSide(t, "first", n.first, depth + 1, out, seen);
    DumpSide(t, "second", n.second, depth + 1, out, seen);
}

void DumpSide(const ContainerSnapshot& t, const char* which, const ContainerSide& side, int depth,
              std::ostringstream& out, std::vector<bool>& seen)
{
    const std::string indent((size_t)depth * 2, ' ');
    if (side.barId != 0)
        out << indent << which << " bar " << side.barId << " \"" << side.name << "\" "
            << RectText(side.rect) << " " << side.percent << "%"
            << (side.visible ? " visible" : " hidden") << "\n";
    if (side.sub >= 0) {
        out << indent << which << " " << side.percent << "% " << RectText(side.rect) << "\n";
        DumpNode(t, side.sub, depth + 1, out, seen);
    }
    if (side.barId == 0 && side.sub < 0) out << indent << which << " empty\n";
}

class Checker
{
public:
    explicit Checker(const ContainerSnapshot& t) : m_t(t), m_reached(t.nodes.size(), false) {}

    std::vector<std::string> Run()
    {
        if (m_t.root >= 0) {
            if (!ValidIndex(m_t, m_t.root))
                Fail("the root index is out of range");
            else {
                if (m_t.nodes[(size_t)m_t.root].parent != -1) Fail("the root has a parent");
                Node(m_t.root, m_t.area, true);
            }
        }
        for (size_t i = 0; i < m_t.nodes.size(); ++i)
            if (!m_reached[i]) Fail("node " + std::to_string(i) + " is not in the tree");
        Lists();
        return m_errors;
    }

private:
    void Fail(const std::string& text) { m_errors.push_back(text); }

    void Node(int index, const RECT& room, bool bCheckRoom)
    {
        if (m_reached[(size_t)index]) {
            Fail("node " + std::to_string(index) + " is reached twice");
            return;
        }
        m_reached[(size_t)index] = true;
        const ContainerNode& n = m_t.nodes[(size_t)index];
        const std::string name = "node " + std::to_string(index);
        if (n.sliderId != 0) ++m_treeSliders[n.sliderId];

        const ContainerSide* sides[2] = {&n.first, &n.second};
        bool present[2];
        for (int i = 0; i < 2; ++i) {
            const ContainerSide& s = *sides[i];
            present[i] = SidePresent(m_t, s);
            if (s.barId != 0) {
                ++m_treeBars[s.barId];
                if (s.sub >= 0) Fail(name + " holds a pane and a subtree on one side");
            }
            if (s.sub >= 0) {
                if (!ValidIndex(m_t, s.sub))
                    Fail(name + " links to a missing node");
                else if (m_t.nodes[(size_t)s.sub].parent != index)
                    Fail("node " + std::to_string(s.sub) + " does not name " + name +
                         " as its parent");
            }
        }

        if (bCheckRoom) Tiling(n, name, room, present);
        for (int i = 0; i < 2; ++i) {
            const ContainerSide& s = *sides[i];
            if (ValidIndex(m_t, s.sub)) Node(s.sub, s.rect, bCheckRoom && present[i]);
        }
    }

    void Tiling(const ContainerNode& n, const std::string& name, const RECT& room,
                const bool present[2])
    {
        if (present[0] && present[1]) {
            if (n.sliderId == 0 || !n.sliderVisible) {
                Fail(name + ": two present sides without a visible slider");
                return;
            }
            const DockAxis axis(!n.horizontalSlider);
            const RECT& a = n.first.rect;
            const RECT& s = n.rectSlider;
            const RECT& b = n.second.rect;
            const bool edges = axis.Start(a) == axis.Start(room) && axis.End(a) == axis.Start(s) &&
                               axis.End(s) == axis.Start(b) && axis.End(b) == axis.End(room);
            bool across = true;
            for (const RECT* r : {&a, &s, &b})
                across = across && axis.CrossStart(*r) == axis.CrossStart(room) &&
                         axis.CrossEnd(*r) == axis.CrossEnd(room);
            if (!edges || !across || axis.Length(a) < 0 || axis.Length(b) < 0)
                Fail(name + ": the sides and the slider do not tile " + RectText(room));
        } else if (present[0] || present[1]) {
            const ContainerSide& s = present[0] ? n.first : n.second;
            if (!::EqualRect(&s.rect, &room))
                Fail(name + ": the lone side " + RectText(s.rect) + " does not fill " +
                     RectText(room));
            if (n.sliderId != 0 && n.sliderVisible)
                Fail(name + ": a visible slider beside a lone side");
        }
    }

    void Lists()
    {
        std::map<UINT, int> listed;
        for (UINT id : m_t.bars) ++listed[id];
        for (const auto& [id, count] : listed) {
            if (count > 1)
                Fail("pane " + std::to_string(id) + " is listed " + std::to_string(count) +
                     " times");
            const auto it = m_treeBars.find(id);
            if (it == m_treeBars.end())
                Fail("pane " + std::to_string(id) + " is listed but not in the tree");
        }
        for (const auto& [id, count] : m_treeBars) {
            if (count > 1)
                Fail("pane " + std::to_string(id) + " sits in " + std::to_string(count) +
                     " places");
            if (listed.find(id) == listed.end())
                Fail("pane " + std::to_string(id) + " is in the tree but not listed");
        }
        std::map<UINT, int> sliders;
        for (UINT id : m_t.sliders) ++sliders[id];
        for (const auto& [id, count] : sliders)
            if (count > 1 || m_treeSliders.find(id) == m_treeSliders.end())
                Fail("slider " + std::to_string(id) + " is listed but belongs to no one node");
        for (const auto& [id, count] : m_treeSliders)
            if (count > 1 || sliders.find(id) == sliders.end())
                Fail("slider " + std::to_string(id) + " of the tree is not listed once");
    }

    const ContainerSnapshot& m_t;
    std::vector<bool> m_reached;
    std::map<UINT, int> m_treeBars;
    std::map<UINT, int> m_treeSliders;
    std::vector<std::string> m_errors;
};
}  // namespace

std::string DumpContainerTree(const ContainerSnapshot& tree)
{
    std::ostringstream out;
    out << "area " << RectText(tree.area) << "\n";
    std::vector<bool> seen(tree.nodes.size(), false);
    if (tree.root >= 0) DumpNode(tree, tree.root, 0, out, seen);
    out << "bars";
    for (UINT id : tree.bars) out << " " << id;
    out << "\nsliders";
    for (UINT id : tree.sliders) out << " " << id;
    out << "\n";
    return out.str();
}

std::vector<std::string> CheckContainerTree(const ContainerSnapshot& tree)
{
    return Checker(tree).Run();
}
}  // namespace DockLayout
