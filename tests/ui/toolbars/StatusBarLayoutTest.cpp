// The status bar's pane widths and places, by hand-calculated tables.
#include <gtest/gtest.h>

#include "ui/toolbars/ZAVPStatusBarLayout.h"

using ZAVPStatusBarLayout::Pane;

namespace
{
const UINT kStretchNoBorders = 0x08000000 | 0x00000100;
const int kGap = 2;

// The frame's four panes: the message pane (a quarter of a 1024-pixel screen) and three
// indicators 25, 30 and 33 pixels wide.
std::vector<Pane> FramePanes()
{
    std::vector<Pane> panes(4);
    panes[0].cxText = 256;
    panes[0].nStyle = kStretchNoBorders;
    panes[1].cxText = 25;
    panes[2].cxText = 30;
    panes[3].cxText = 33;
    return panes;
}
}  // namespace

TEST(StatusBarLayoutTest, TheMessagePaneTakesTheFreeSpaceAndTheGripEndsTheBar)
{
    // Inner rectangle of an 800 x 20 bar with borders left 4, top 2: (4, 2, 800, 20). The grip
    // is 17 wide, so panes end at 783. Free space = 779 + 2 - (262 + 31 + 36 + 39) = 413.
    const auto r = ZAVPStatusBarLayout::LayOut(FramePanes(), CRect(4, 2, 800, 20), 17, kGap, 0, 2);
    EXPECT_EQ(CRect(4, 2, 677, 20), r.rects[0]);    // 4 + 256 + 413 + 4
    EXPECT_EQ(CRect(679, 2, 708, 20), r.rects[1]);  // each indicator: its text + 4
    EXPECT_EQ(CRect(710, 2, 744, 20), r.rects[2]);
    EXPECT_EQ(CRect(746, 2, 783, 20), r.rects[3]);
    EXPECT_EQ(CRect(783, 2, 800, 20), r.rectSizeBox);
}

TEST(StatusBarLayoutTest, WithoutAGripTheLastPaneReachesTheEdge)
{
    // A maximised frame: no grip. Free space = 796 + 2 - 368 = 430.
    const auto r = ZAVPStatusBarLayout::LayOut(FramePanes(), CRect(4, 2, 800, 20), 0, kGap, 0, 2);
    EXPECT_EQ(CRect(4, 2, 694, 20), r.rects[0]);
    EXPECT_EQ(CRect(763, 2, 800, 20), r.rects[3]);
    EXPECT_TRUE(r.rectSizeBox.IsRectEmpty());
    EXPECT_EQ(0, r.cxSizeBox);
}

TEST(StatusBarLayoutTest, PanesThatDoNotFitStayEmpty)
{
    const auto r = ZAVPStatusBarLayout::LayOut(FramePanes(), CRect(4, 2, 60, 20), 17, kGap, 0, 2);
    EXPECT_EQ(CRect(4, 2, 43, 20), r.rects[0]);  // cut at the grip
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(r.rects[(size_t)i].IsRectEmpty()) << i;
    EXPECT_EQ(CRect(43, 2, 60, 20), r.rectSizeBox);
}

TEST(StatusBarLayoutTest, ContentWidthsAndTheGripHeightLimit)
{
    const struct
    {
        int text, icon, width;
    } cases[] = {{25, 0, 25}, {0, 16, 16}, {25, 16, 45}, {0, 0, 0}};
    for (const auto& c : cases) {
        Pane pane;
        pane.cxText = c.text;
        pane.cxIcon = c.icon;
        EXPECT_EQ(c.width, ZAVPStatusBarLayout::ContentWidth(pane)) << c.text << "," << c.icon;
    }
    // A grip is never wider than the inner height.
    const auto r = ZAVPStatusBarLayout::LayOut({}, CRect(0, 0, 200, 10), 17, kGap, 0, 2);
    EXPECT_EQ(10, r.cxSizeBox);
    EXPECT_EQ(CRect(190, 0, 200, 10), r.rectSizeBox);
}
