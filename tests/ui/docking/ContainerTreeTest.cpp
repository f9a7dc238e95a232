// The container tree's dump and rule check on a hand-made tree: a pane above two panes side by
// side, and the same tree broken one rule at a time.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/docking/layout/ContainerTree.h"
#include "tests/ui/docking/RectText.h"

using namespace DockLayout;

namespace
{
ContainerSide Bar(UINT id, const char* name, RECT rect)
{
    return ContainerSide{id, name, rect, true, 50, -1};
}

ContainerSide Sub(int node, RECT rect) { return ContainerSide{0, "", rect, false, 50, node}; }

// Area 200 x 600: "Files" over a 4-pixel slider at 296, below it "Search" and "Output" on either
// side of a slider at 98.
ContainerSnapshot Sample()
{
    ContainerSnapshot t;
    t.area = R(0, 0, 200, 600);
    t.root = 0;
    t.nodes.push_back(ContainerNode{Bar(101, "Files", R(0, 0, 200, 296)),
                                    Sub(1, R(0, 300, 200, 600)), 1, R(0, 296, 200, 300), true, true,
                                    -1});
    t.nodes.push_back(ContainerNode{Bar(102, "Search", R(0, 300, 98, 600)),
                                    Bar(103, "Output", R(102, 300, 200, 600)), 2,
                                    R(98, 300, 102, 600), true, false, 0});
    t.bars = {101, 102, 103};
    t.sliders = {1, 2};
    return t;
}

std::string Joined(const std::vector<std::string>& errors)
{
    std::string s;
    for (const std::string& e : errors) s += e + "\n";
    return s;
}
}  // namespace

TEST(ContainerTree, DumpShowsEveryNodeSideAndList)
{
    EXPECT_EQ("area (0,0)-(200,600)\n"
              "node slider 1 horizontal (0,296)-(200,300) visible\n"
              "  first bar 101 \"Files\" (0,0)-(200,296) 50% visible\n"
              "  second 50% (0,300)-(200,600)\n"
              "    node slider 2 vertical (98,300)-(102,600) visible\n"
              "      first bar 102 \"Search\" (0,300)-(98,600) 50% visible\n"
              "      second bar 103 \"Output\" (102,300)-(200,600) 50% visible\n"
              "bars 101 102 103\n"
              "sliders 1 2\n",
              DumpContainerTree(Sample()));
}

TEST(ContainerTree, SoundTreesPass)
{
    EXPECT_EQ("", Joined(CheckContainerTree(Sample())));

    // "Search" hidden: "Output" fills the lower node and its slider is hidden too.
    ContainerSnapshot t = Sample();
    t.nodes[1].first.visible = false;
    t.nodes[1].second.rect = R(0, 300, 200, 600);
    t.nodes[1].sliderVisible = false;
    EXPECT_EQ("", Joined(CheckContainerTree(t)));

    ContainerSnapshot empty;
    empty.area = R(0, 0, 10, 10);
    empty.root = -1;
    EXPECT_EQ("", Joined(CheckContainerTree(empty)));
}

TEST(ContainerTree, EachBrokenRuleIsReported)
{
    struct Case
    {
        const char* expected;  // part of the one error expected
        std::function<void(ContainerSnapshot&)> breakIt;
    } cases[] = {
        {"pane 103 is in the tree but not listed", [](ContainerSnapshot& t) { t.bars.pop_back(); }},
        {"pane 101 is listed 2 times", [](ContainerSnapshot& t) { t.bars.push_back(101); }},
        {"pane 104 is listed but not in the tree",
         [](ContainerSnapshot& t) { t.bars.push_back(104); }},
        {"pane 101 sits in 2 places",
         [](ContainerSnapshot& t) {
             t.nodes[1].second.barId = 101;
             t.bars.pop_back();
         }},
        {"node 1: two present sides without a visible slider",
         [](ContainerSnapshot& t) { t.nodes[1].sliderVisible = false; }},
        {"node 0: the sides and the slider do not tile (0,0)-(200,600)",
         [](ContainerSnapshot& t) { t.nodes[0].rectSlider = R(0, 295, 200, 299); }},
        {"node 1: the sides and the slider do not tile (0,300)-(200,600)",
         [](ContainerSnapshot& t) { t.nodes[1].second.rect = R(102, 300, 199, 600); }},
        {"slider 2 of the tree is not listed once",
         [](ContainerSnapshot& t) { t.sliders.pop_back(); }},
        {"slider 7 is listed but belongs to no one node",
         [](ContainerSnapshot& t) { t.sliders.push_back(7); }},
        {"node 1 does not name node 0 as its parent",
         [](ContainerSnapshot& t) { t.nodes[1].parent = 5; }},
        {"node 2 is not in the tree",
         [](ContainerSnapshot& t) {
             t.nodes.push_back(ContainerNode{Bar(0, "", R(0, 0, 0, 0)), Bar(0, "", R(0, 0, 0, 0)),
                                             0, R(0, 0, 0, 0), false, false, 0});
         }},
        {"node 1 is reached twice",
         [](ContainerSnapshot& t) {
             t.nodes[1].second = Sub(1, R(102, 300, 200, 600));
             t.bars.pop_back();
         }},
    };
    for (const Case& c : cases) {
        ContainerSnapshot t = Sample();
        c.breakIt(t);
        const std::string errors = Joined(CheckContainerTree(t));
        EXPECT_NE(std::string::npos, errors.find(c.expected)) << c.expected << "\ngot:\n" << errors;
    }

    // A hidden pane whose neighbour did not take its room, with the slider still showing.
    ContainerSnapshot t = Sample();
    t.nodes[1].first.visible = false;
    const std::string errors = Joined(CheckContainerTree(t));
    EXPECT_NE(std::string::npos, errors.find("node 1: the lone side (102,300)-(200,600) does not "
                                             "fill (0,300)-(200,600)"))
        << errors;
    EXPECT_NE(std::string::npos, errors.find("node 1: a visible slider beside a lone side"))
        << errors;

    // A side holding both a pane and a subtree.
    t = Sample();
    t.nodes[0].second.barId = 104;
    t.bars.push_back(104);
    EXPECT_NE(std::string::npos,
              Joined(CheckContainerTree(t)).find("node 0 holds a pane and a subtree on one side"));
}
