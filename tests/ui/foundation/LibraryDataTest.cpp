// The library's static data: the commands customisation leaves alone, the shared lists and tables
// of the panes and the frame, the shared bar rules and the registered window messages.
#include <gtest/gtest.h>

#include <set>

#include "UpperLayerFakes.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/ZAVPBarRules.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace
{
// The window-list range is compared signed: -1 (a sub-menu entry) and the like are no reserved ids.
TEST(ReservedCommandsTest, PlatformRangesAndTheToolsPlaceholder)
{
    const struct
    {
        UINT id;
        BOOL reserved;
    } cases[] = {{57615, FALSE}, {57616, TRUE},      {57631, TRUE},       {57632, FALSE},
                 {61440, TRUE},  {61935, TRUE},      {61936, FALSE},      {57871, FALSE},
                 {57872, TRUE},  {57887, TRUE},      {57888, FALSE},      {65279, FALSE},
                 {65280, TRUE},  {0x7FFFFFFF, TRUE}, {0x80000000, FALSE}, {0xFFFFFFFF, FALSE},
                 {32771, FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.reserved, ZAVPBarRules::IsReservedCommandId(c.id)) << c.id;
    CZAVPUserToolsManager manager(32000, 32001, 32010, RUNTIME_CLASS(CZAVPUserTool));
    EXPECT_TRUE(ZAVPBarRules::IsReservedCommandId(32000));
    EXPECT_FALSE(ZAVPBarRules::IsReservedCommandId(32001));
}

TEST(SharedDataTest, StartsEmptyAndIsOneObjectForTheProcess)
{
    CString* names = ZAVPPaneSharedData::CalendarMonthNames();
    EXPECT_EQ(names, ZAVPPaneSharedData::CalendarMonthNames());
    for (int i = 0; i < ZAVPPaneSharedData::kMonthCount; ++i) EXPECT_TRUE(names[i].IsEmpty()) << i;
    EXPECT_EQ(0, ZAVPPaneSharedData::PaneImages().GetCount());

    auto& colors = ZAVPPaneSharedData::CommandColors();
    EXPECT_EQ(17u, colors.GetHashTableSize());
    colors[32800] = RGB(1, 2, 3);
    COLORREF clr = 0;
    EXPECT_TRUE(ZAVPPaneSharedData::CommandColors().Lookup(32800, clr));
    EXPECT_EQ(RGB(1, 2, 3), clr);
    colors.RemoveAll();

    EXPECT_TRUE(ZAVPSharedBarData::FrameCustomizeMenuItems().IsEmpty());
    EXPECT_EQ(&ZAVPSharedBarData::FrameCustomizeMenuItems(),
              &ZAVPSharedBarData::FrameCustomizeMenuItems());
}

TEST(BarRulesTest, FixedLayoutAndMinimumSizes)
{
    // clang-format off
    const struct
    {
        BOOL stretch, horz;
        LONG cx, cy;
    } cases[] = {
        {TRUE, TRUE, 32767, 0},
        {TRUE, FALSE, 0, 32767},
        {FALSE, TRUE, 0, 0},
        {FALSE, FALSE, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const SIZE size = ZAVPBarRules::CalcFixedLayout(c.stretch, c.horz);
        EXPECT_EQ(c.cx, size.cx);
        EXPECT_EQ(c.cy, size.cy);
    }
    EXPECT_EQ(16, ZAVPBarRules::GetMinSize(TRUE).cx);
    EXPECT_EQ(40, ZAVPBarRules::GetMinSize(TRUE).cy);
    EXPECT_EQ(40, ZAVPBarRules::GetMinSize(FALSE).cx);
    EXPECT_EQ(16, ZAVPBarRules::GetMinSize(FALSE).cy);
}

TEST(BarRulesTest, RowHeightAndColumnWidth)
{
    using Row = ZAVPBarRules::RowInputs;
    const DWORD top = 0x2000, left = 0x1000;  // CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT
    const struct
    {
        Row in;
        int expected;
    } cases[] = {
        {{30, FALSE, 0, 22, 25, top, 40, 50}, 30},  // a fixed row height wins
        {{0, TRUE, 19, 22, 25, top, 40, 50}, 19},   // menu bar: its menu-button height
        {{0, TRUE, -1, 22, 25, top, 40, 50}, 22},   // ... else the default button height
        {{0, FALSE, 0, 22, 25, top, 18, 50}, 25},   // the button is taller than the text
        {{0, FALSE, 0, 22, 25, top, 40, 50}, 40},   // docked top: the regular text height
        {{0, FALSE, 0, 22, 25, left, 40, 50}, 50},  // docked left: the vertical text height
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, ZAVPBarRules::GetRowHeight(c.in));
    EXPECT_EQ(31, ZAVPBarRules::GetColumnWidth(TRUE, 31, 23, 40));
    EXPECT_EQ(23, ZAVPBarRules::GetColumnWidth(TRUE, -1, 23, 40));
    EXPECT_EQ(40, ZAVPBarRules::GetColumnWidth(FALSE, 31, 23, 40));
}

TEST(RegisteredMessagesTest, EveryMessageHasItsOwnNonZeroIdSharedByTheProcess)
{
    using namespace ZAVPRegisteredMessages;
    const UINT ids[] = {CheckEmptyMiniFrame, OnRenameTab,     OnChangeActiveTab,    OnMoveTab,
                        OnChangingActiveTab, OnHScroll,       CalendarOnSelChanged, WindowHelp,
                        DateTimeHoldTimer,   PropertyChanged, GetDocumentColors};
    std::set<UINT> distinct;
    for (UINT id : ids) {
        EXPECT_GE(id, 0xC000u);  // the range of registered messages
        distinct.insert(id);
    }
    EXPECT_EQ(sizeof ids / sizeof ids[0], distinct.size());
    EXPECT_EQ(OnChangeActiveTab, RegisterWindowMessageA("ZAVM_ONCHANGE_ACTIVE_TAB"));
    EXPECT_EQ(CheckEmptyMiniFrame, RegisterWindowMessageA("ZAVPMSG_CHECKEMPTYMINIFRAME"));
}
}  // namespace
