// Changes to a container tree held as data, with the rule check after every change and the
// rectangles worked out by hand from the split and layout rules.
#include <gtest/gtest.h>

#include <string>

#include "ui/docking/layout/ContainerTree.h"
#include "ui/docking/layout/ContainerTreeEdit.h"

using namespace DockLayout;

namespace
{
std::string Errors(const ContainerSnapshot& t)
{
    std::string s;
    for (const std::string& e : CheckContainerTree(t)) s += e + "\n";
    return s;
}

#define EXPECT_SOUND(tree) EXPECT_EQ("", Errors(tree)) << DumpContainerTree(tree)

ContainerSnapshot Empty()
{
    ContainerSnapshot t;
    t.area = RECT{0, 0, 200, 300};
    t.root = -1;
    return t;
}

// "Files" with "Search" split off below it, and "Output" split off right of "Search".
ContainerSnapshot ThreePanes()
{
    ContainerSnapshot t = Empty();
    AddFirstPane(t, 101, "Files");
    InsertPane(t, 102, "Search", SIZE{100, 200}, SIZE{0, 0}, 101, 0x8000, 1);
    InsertPane(t, 103, "Output", SIZE{60, 10}, SIZE{80, 0}, 102, 0x4000, 2);
    return t;
}
}  // namespace

TEST(ContainerTreeEdit, SplitsGiveTheHandWorkedRectangles)
{
    ContainerSnapshot t = Empty();
    ASSERT_TRUE(AddFirstPane(t, 101, "Files"));
    EXPECT_SOUND(t);
    EXPECT_FALSE(AddFirstPane(t, 104, "Again"));

    // 300 tall, 200 asked below: 150 for "Search", the slider 4 above it, 146 left for "Files".
    ASSERT_TRUE(InsertPane(t, 102, "Search", SIZE{100, 200}, SIZE{0, 0}, 101, 0x8000, 1));
    EXPECT_SOUND(t);
    // "Output" asks 60 wide with a minimum of 80, right of the 200-wide "Search": 80 of it.
    ASSERT_TRUE(InsertPane(t, 103, "Output", SIZE{60, 10}, SIZE{80, 0}, 102, 0x4000, 2));
    EXPECT_SOUND(t);
    EXPECT_EQ("area (0,0)-(200,300)\n"
              "node vertical\n"
              "  first 100% (0,0)-(200,300)\n"
              "    node slider 1 horizontal (0,146)-(200,150) visible\n"
              "      first bar 101 \"Files\" (0,0)-(200,146) 50% visible\n"
              "      second 50% (0,150)-(200,300)\n"
              "        node slider 2 vertical (116,150)-(120,300) visible\n"
              "          first bar 102 \"Search\" (0,150)-(116,300) 50% visible\n"
              "          second bar 103 \"Output\" (120,150)-(200,300) 50% visible\n"
              "  second empty\n"
              "bars 101 102 103\n"
              "sliders 1 2\n",
              DumpContainerTree(t));

    // Left and top splits go before their target in the list.
    ContainerSnapshot u = Empty();
    AddFirstPane(u, 101, "Files");
    ASSERT_TRUE(InsertPane(u, 102, "Tools", SIZE{50, 10}, SIZE{0, 0}, 101, 0x1000, 1));
    ASSERT_TRUE(InsertPane(u, 103, "Tasks", SIZE{10, 30}, SIZE{0, 0}, 101, 0x2000, 2));
    EXPECT_SOUND(u);
    EXPECT_EQ((std::vector<UINT>{102, 103, 101}), u.bars);
}

TEST(ContainerTreeEdit, AFailedSplitChangesNothing)
{
    struct Case
    {
        const char* what;
        UINT id, target;
        DWORD align;
    } cases[] = {
        {"unknown target", 104, 999, 0x8000},
        {"no side", 104, 101, 0x0000},
        {"two sides", 104, 101, 0x3000},
        {"already placed", 103, 101, 0x8000},
        {"no id", 0, 101, 0x8000},
    };
    for (const Case& c : cases) {
        ContainerSnapshot t = ThreePanes();
        const std::string before = DumpContainerTree(t);
        EXPECT_FALSE(InsertPane(t, c.id, "New", SIZE{50, 50}, SIZE{0, 0}, c.target, c.align, 9))
            << c.what;
        EXPECT_EQ(before, DumpContainerTree(t)) << c.what;
        EXPECT_EQ(3u, t.nodes.size()) << c.what;
    }
}

TEST(ContainerTreeEdit, LayoutShowHideAndRemoval)
{
    ContainerSnapshot t = ThreePanes();

    // 300 x 400. Upper split: share 146 * 100 / 300 = 48.67; of +100 the first side takes
    // trunc(51.33) = 51, so 197, the slider, then 199. Lower split: share 116 * 100 / 200 = 58;
    // of +100 the first side takes 42, so 158, the slider, then 138.
    LayoutContainerTree(t, RECT{0, 0, 300, 400});
    EXPECT_SOUND(t);
    const ContainerNode& upper = t.nodes[1];
    const ContainerNode& lower = t.nodes[2];
    EXPECT_EQ(197, upper.first.rect.bottom);
    EXPECT_EQ(48, upper.first.percent);
    EXPECT_EQ(52, upper.second.percent);
    EXPECT_EQ(158, lower.first.rect.right);
    EXPECT_EQ(162, lower.second.rect.left);
    EXPECT_EQ(58, lower.first.percent);
    EXPECT_EQ(400, lower.second.rect.bottom);

    // "Search" hidden: "Output" takes the whole lower room and 100 %; "Search" keeps 58.
    ASSERT_TRUE(ShowPane(t, 102, false));
    EXPECT_SOUND(t);
    EXPECT_EQ(0, t.nodes[2].second.rect.left);
    EXPECT_EQ(100, t.nodes[2].second.percent);
    EXPECT_FALSE(t.nodes[2].sliderVisible);

    // Back again: "Output" fills the room, so "Search" gets 300 * 58 / 100 = 174.
    ASSERT_TRUE(ShowPane(t, 102, true));
    EXPECT_SOUND(t);
    EXPECT_EQ(174, t.nodes[2].first.rect.right);
    EXPECT_EQ(178, t.nodes[2].second.rect.left);
    EXPECT_EQ(58, t.nodes[2].first.percent);

    // "Files" out: its slider goes and the lower node takes the whole 300 x 400 at its split.
    ASSERT_TRUE(RemovePane(t, 101));
    EXPECT_SOUND(t);
    EXPECT_EQ((std::vector<UINT>{102, 103}), t.bars);
    EXPECT_EQ((std::vector<UINT>{2}), t.sliders);
    EXPECT_EQ(0, t.nodes[2].first.rect.top);
    EXPECT_EQ(174, t.nodes[2].first.rect.right);
    EXPECT_EQ(400, t.nodes[2].second.rect.bottom);
    EXPECT_FALSE(RemovePane(t, 101));

    // Then "Output": "Search" alone fills the area.
    ASSERT_TRUE(RemovePane(t, 103));
    EXPECT_SOUND(t);
    EXPECT_EQ(300, t.nodes[2].first.rect.right);
    EXPECT_TRUE(t.sliders.empty());
}
