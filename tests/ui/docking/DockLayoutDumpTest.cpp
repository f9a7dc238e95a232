// The layout dump and the rule check over hand-made layouts.
#include <gtest/gtest.h>

#include "ui/docking/layout/DockLayoutDump.h"

using namespace DockLayout;

namespace
{
// A frame 640×480 with two rows on top (26 and 30 px) and one hidden row on the left.
LayoutSnapshot SoundLayout()
{
    LayoutSnapshot s{};
    s.client = RECT{0, 0, 640, 480};
    SnapshotDockBar top{0xE81B, 0x2000, RECT{0, 0, 640, 56}, {}};
    top.rows.push_back({0,
                        26,
                        true,
                        {{"Standard", 101, RECT{0, 0, 200, 26}, true},
                         {"Format", 102, RECT{200, 0, 330, 26}, true}}});
    top.rows.push_back({26, 30, true, {{"View", 103, RECT{10, 26, 90, 56}, true}}});
    SnapshotDockBar left{0xE81C, 0x1000, RECT{0, 56, 0, 480}, {}};
    left.rows.push_back({0, 40, false, {{"Tools", 104, RECT{0, 56, 40, 200}, false}}});
    s.dockBars = {top, left};
    s.clientArea = RECT{0, 56, 640, 480};
    return s;
}
}  // namespace

TEST(DockLayoutDump, ListsDockBarsRowsAndBars)
{
    EXPECT_EQ("client (0,0)-(640,480)\n"
              "dockbar E81B top (0,0)-(640,56)\n"
              "  row 0 +0 26 visible\n"
              "    bar \"Standard\" 101 (0,0)-(200,26)\n"
              "    bar \"Format\" 102 (200,0)-(330,26)\n"
              "  row 1 +26 30 visible\n"
              "    bar \"View\" 103 (10,26)-(90,56)\n"
              "dockbar E81C left (0,56)-(0,480)\n"
              "  row 0 +0 40 hidden\n"
              "    bar \"Tools\" 104 (0,56)-(40,200) hidden\n"
              "view (0,56)-(640,480)\n",
              DumpLayout(SoundLayout()));
}

TEST(DockLayoutCheck, SoundLayoutKeepsEveryRule)
{
    EXPECT_TRUE(CheckLayout(SoundLayout()).empty());
}

TEST(DockLayoutCheck, EachBrokenRuleIsNamed)
{
    struct Case
    {
        const char* what;
        void (*damage)(LayoutSnapshot&);
        std::vector<std::string> faults;
    } cases[] = {
        {"overlap",
         [](LayoutSnapshot& s) { s.dockBars[0].rows[0].bars[1].rect.left = 190; },
         {"dockbar top row 0 bar \"Format\": overlaps \"Standard\""}},
        // The row moved away from its bar too.
        {"gap between rows",
         [](LayoutSnapshot& s) { s.dockBars[0].rows[1].offset = 27; },
         {"dockbar top row 1: offset 27, expected 26",
          "dockbar top row 1 bar \"View\": outside the row"}},
        {"dock bar thickness",
         [](LayoutSnapshot& s) { s.dockBars[0].rect.bottom = 60; },
         {"dockbar top: thickness 60, rows 56"}},
        {"bar across two rows",
         [](LayoutSnapshot& s) { s.dockBars[0].rows[0].bars[0].rect.bottom = 30; },
         {"dockbar top row 0 bar \"Standard\": outside the row"}},
        {"bar past the end",
         [](LayoutSnapshot& s) { s.dockBars[0].rows[1].bars[0].rect.right = 650; },
         {"dockbar top row 1 bar \"View\": outside the dock bar"}},
    };
    for (const Case& c : cases) {
        LayoutSnapshot s = SoundLayout();
        c.damage(s);
        EXPECT_EQ(c.faults, CheckLayout(s)) << c.what;
    }
}
