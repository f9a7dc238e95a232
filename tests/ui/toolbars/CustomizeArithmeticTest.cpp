// Customisation arithmetic without windows: the customise drop-down's items, glyph cells, entry
// sizes, shortened labels and the entries that follow a button put back; where a dragged button
// goes and its mark, in-place drops, stretching and the button context menu's states; where a
// drop-down toolbar's frame opens.
#include <gtest/gtest.h>

#include <vector>

#include "ui/toolbars/ZAVPCustomizeDrag.h"
#include "ui/toolbars/ZAVPCustomizeMenu.h"
#include "ui/toolbars/ZAVPDropDownPlacement.h"

namespace
{
using namespace ZAVPCustomizeMenu;

std::vector<ZAVPCustomizeMenu::ItemKind> Kinds(const std::vector<ZAVPCustomizeMenu::Item>& items)
{
    std::vector<ZAVPCustomizeMenu::ItemKind> kinds;
    for (const ZAVPCustomizeMenu::Item& item : items) kinds.push_back(item.kind);
    return kinds;
}

const Hidden kSep = {true, false, 0};
const Hidden kCmd1 = {false, false, 101};
const Hidden kCmd2 = {false, false, 102};
const Hidden kMenu = {false, true, 103};
const Hidden kZero = {false, false, 0};
}  // namespace

TEST(CustomizeMenuItems, SeparatorsNeitherLeadNorEndTheHiddenList)
{
    const struct
    {
        const char* what;
        std::vector<Hidden> hidden;
        std::vector<ZAVPCustomizeMenu::ItemKind> expected;
    } cases[] = {
        {"nothing hidden", {}, {}},
        {"leading separator", {kSep, kCmd1, kCmd2}, {kItemCommand, kItemCommand}},
        {"trailing separator", {kCmd1, kSep}, {kItemCommand}},
        {"both", {kSep, kCmd1, kSep, kCmd2, kSep}, {kItemCommand, kItemSeparator, kItemCommand}},
        {"only separators", {kSep, kSep}, {}},
        {"menu button copied", {kMenu, kCmd1}, {kItemMenuCopy, kItemCommand}},
        {"command 0 is a separator",
         {kCmd1, kZero, kCmd2},
         {kItemCommand, kItemSeparator, kItemCommand}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Kinds(HiddenItems(c.hidden))) << c.what;
    // Items remember which hidden button they stand for.
    const std::vector<ZAVPCustomizeMenu::Item> items = HiddenItems({kSep, kCmd1, kSep, kCmd2});
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(1, items[0].iHidden);
    EXPECT_EQ(2, items[1].iHidden);
    EXPECT_EQ(3, items[2].iHidden);
}

TEST(CustomizeMenuItems, CustomizeButtonGlyphCellsAndSize)
{
    const CSize glyph(9, 9);
    // Margin 2: a cell is 13 pixels long. Horizontal bar: arrow cell at the bottom, chevrons at
    // the top; vertical: arrow at the left, chevrons at the right.
    const CRect horz(100, 0, 113, 26);
    EXPECT_EQ(CRect(100, 13, 113, 26), CustomizeCell(horz, TRUE, 2, glyph));
    EXPECT_EQ(CRect(100, 0, 113, 13), HiddenButtonsCell(horz, TRUE, 2, glyph));
    const CRect vert(0, 200, 26, 213);
    EXPECT_EQ(CRect(0, 200, 13, 213), CustomizeCell(vert, FALSE, 2, glyph));
    EXPECT_EQ(CRect(13, 200, 26, 213), HiddenButtonsCell(vert, FALSE, 2, glyph));
    // Centred, (1, 1) further when pressed.
    EXPECT_EQ(CPoint(102, 15), GlyphOrigin(CRect(100, 13, 113, 26), glyph, FALSE));
    EXPECT_EQ(CPoint(103, 16), GlyphOrigin(CRect(100, 13, 113, 26), glyph, TRUE));
    EXPECT_EQ(CSize(13, 22), CustomizeButtonSize(TRUE, 2, glyph, CSize(23, 22)));
    EXPECT_EQ(CSize(23, 11), CustomizeButtonSize(FALSE, 1, glyph, CSize(23, 22)));
    EXPECT_EQ(0, CustomizeGlyph(TRUE));
    EXPECT_EQ(9, CustomizeGlyph(FALSE));
    EXPECT_EQ(11, HiddenButtonsGlyph(TRUE));
    EXPECT_EQ(8, HiddenButtonsGlyph(FALSE));
}

TEST(CustomizeMenuEntries, SizeFormulaAndText)
{
    // 3 x 2 + 6 x 10 + 2 x 23 + 50
    EXPECT_EQ(162, EntryWidth(2, 6, 10, 23));
    EXPECT_EQ(56, EntryWidth(0, 7, 0, 3));
    EXPECT_EQ(22, EntryHeight(22, 2, TRUE));
    EXPECT_EQ(24, EntryHeight(22, 2, FALSE));
    EXPECT_EQ(CString("Own"), EntryText("Own", "Prompt\nTip"));
    EXPECT_EQ(CString("Tip"), EntryText("", "Prompt\nTip"));
    EXPECT_EQ(CString("Tip"), EntryText("", "Prompt\nTip\nMore"));
    EXPECT_EQ(CString(""), EntryText("", "No newline"));
    EXPECT_EQ(CString("Open"), EntryText("Open\tCtrl+O", ""));
}

TEST(CustomizeMenuEntries, LabelGetsAnEllipsisOnlyWhenItWasCut)
{
    // Every character 5 pixels wide, "..." too.
    auto measure = [](const CString& s) { return 5 * s.GetLength(); };
    EXPECT_EQ(CString("Delete"), FitLabel("Delete", 30, measure));   // fits exactly
    EXPECT_EQ(CString("Delete"), FitLabel("Delete", 100, measure));  // room to spare
    EXPECT_EQ(CString("De..."), FitLabel("Delete", 29, measure));    // one short
    EXPECT_EQ(CString("D..."), FitLabel("Delete", 20, measure));
    EXPECT_EQ(CString("..."), FitLabel("Delete", 4, measure));  // nothing left
    EXPECT_EQ(CString(""), FitLabel("", 0, measure));
}

TEST(CustomizeMenuEntries, EntriesAfterAReaddedButtonShiftByOne)
{
    const int kReset = 17016;
    // Button put back at index 2: existing entries at 2 and after follow their buttons.
    const struct
    {
        int iIndex;
        BOOL bExisting;
        int expected;
    } cases[] = {
        {0, TRUE, 0},          {1, TRUE, 1},  {2, TRUE, 3},
        {5, TRUE, 6},          {4, FALSE, 4},  // an entry for a button not on the bar keeps its index
        {kReset, TRUE, kReset}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ShiftedEntryIndex(c.iIndex, c.bExisting, 2, kReset)) << c.iIndex;
}

namespace
{
using namespace ZAVPCustomizeDrag;
const CRect kClient(0, 0, 200, 54);
// One row of 23 x 22 buttons from x = 0 with a 8-pixel separator after the second, and a
// customize button at the end: a second row of two buttons at y = 27 (22 + the 5-pixel gap).
std::vector<CRect> TwoRows()
{
    return {CRect(0, 0, 23, 22),   CRect(23, 0, 46, 22), CRect(46, 0, 54, 22),
            CRect(54, 0, 77, 22),  CRect(0, 27, 23, 49), CRect(23, 27, 46, 49),
            CRect(187, 0, 200, 22)};
}
}  // namespace

TEST(CustomizeDropIndex, HorizontalRowsTable)
{
    const struct
    {
        const char* what;
        CPoint pt;
        int iIndex;
        CRect mark;
    } cases[] = {
        {"left half of the first: the mark stays inside", CPoint(5, 10), 0, CRect(0, 0, 6, 22)},
        {"right half of the first", CPoint(20, 10), 1, CRect(20, 0, 26, 22)},
        {"past the row's end", CPoint(150, 10), 4, CRect(74, 0, 80, 22)},
        {"second row, left", CPoint(2, 30), 4, CRect(0, 27, 6, 49)},
        {"second row, right", CPoint(44, 30), 6, CRect(43, 27, 49, 49)},
        {"in the gap row 1 / row 2 counts for row 1", CPoint(30, 24), 1, CRect(20, 0, 26, 22)},
        {"past the second row: before the customize button", CPoint(180, 40), 6,
         CRect(43, 27, 49, 49)},
    };
    for (const auto& c : cases) {
        const DropPlace place = FindDropIndex(TwoRows(), true, true, c.pt, 22, kClient);
        EXPECT_EQ(c.iIndex, place.iIndex) << c.what;
        EXPECT_EQ(c.mark, place.rectMark) << c.what;
        EXPECT_EQ(2 * kMarkHalfWidth, place.rectMark.Width()) << c.what;
    }
}

TEST(CustomizeDropIndex, VerticalAndEmptyBars)
{
    const std::vector<CRect> vert = {CRect(0, 0, 23, 22), CRect(0, 22, 23, 44),
                                     CRect(0, 44, 23, 52), CRect(0, 52, 23, 74)};
    const CRect client(0, 0, 23, 120);
    EXPECT_EQ(0, FindDropIndex(vert, false, false, CPoint(10, 5), 22, client).iIndex);
    EXPECT_EQ(1, FindDropIndex(vert, false, false, CPoint(10, 18), 22, client).iIndex);
    const DropPlace below = FindDropIndex(vert, false, false, CPoint(10, 100), 22, client);
    EXPECT_EQ(4, below.iIndex);
    EXPECT_EQ(CRect(0, 71, 23, 77), below.rectMark);
    // The mark stays inside the client area.
    EXPECT_EQ(CRect(0, 0, 23, 6),
              FindDropIndex(vert, false, false, CPoint(10, 1), 22, client).rectMark);

    EXPECT_EQ(-1, FindDropIndex({}, false, true, CPoint(5, 5), 22, kClient).iIndex);
    EXPECT_EQ(-1,
              FindDropIndex({CRect(0, 0, 13, 22)}, true, true, CPoint(5, 5), 22, kClient).iIndex);
    // Hidden buttons (empty rectangles) are skipped.
    const std::vector<CRect> withHidden = {CRect(0, 0, 23, 22), CRect(), CRect(23, 0, 46, 22)};
    EXPECT_EQ(2, FindDropIndex(withHidden, false, true, CPoint(25, 5), 22, kClient).iIndex);
    EXPECT_EQ(3, FindDropIndex(withHidden, false, true, CPoint(90, 5), 22, kClient).iIndex);
}

TEST(CustomizeDropIndex, InPlaceDropsStartAndEndGroups)
{
    const struct
    {
        int iOld, iDrop, nDistance;
        bool bSepBefore;
        InPlaceAction expected;
    } cases[] = {
        {2, 2, 6, false, kAddSeparator},    {2, 3, 6, false, kAddSeparator},
        {2, 2, 5, false, kNothing},         {2, 2, 6, true, kNothing},  // already a group
        {2, 2, -6, true, kRemoveSeparator}, {2, 3, -5, true, kNothing},
        {2, 2, -6, false, kNothing},        {0, 0, 20, false, kNothing},  // no group at the start
        {2, 4, 30, false, kMove},           {2, 1, -30, true, kMove},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, InPlaceDrop(c.iOld, c.iDrop, c.nDistance, c.bSepBefore))
            << c.iOld << " " << c.iDrop << " " << c.nDistance;
}

TEST(CustomizeDropIndex, StretchLimits)
{
    const CRect button(100, 0, 250, 22);
    EXPECT_TRUE(InStretchZone(button, CPoint(243, 5)));
    EXPECT_TRUE(InStretchZone(button, CPoint(249, 5)));
    EXPECT_FALSE(InStretchZone(button, CPoint(242, 5)));
    EXPECT_FALSE(InStretchZone(button, CPoint(250, 5)));  // outside the button
    EXPECT_TRUE(AcceptsStretch(button, 105));             // 5 right of the left edge
    EXPECT_FALSE(AcceptsStretch(button, 104));
    EXPECT_FALSE(AcceptsStretch(button, 256));  // 6 away from the old edge
    EXPECT_TRUE(AcceptsStretch(button, 257));
    EXPECT_TRUE(AcceptsStretch(button, 243));
    EXPECT_FALSE(AcceptsStretch(button, 244));
}

TEST(CustomizeContextMenu, StatesFollowTheButton)
{
    const UINT kImage = 16914, kText = 16915, kBoth = 16916;
    ButtonFacts plain = {};
    plain.bHasCommand = plain.bShowsImage = plain.bHasImage = true;
    MenuStates s = ContextMenuStates(plain, kImage, kText, kBoth);
    EXPECT_TRUE(s.bResetEnabled);
    EXPECT_TRUE(s.bCopyImageEnabled);
    EXPECT_EQ(kImage, s.uiChecked);
    EXPECT_TRUE(s.bImageEnabled && s.bTextEnabled && s.bImageAndTextEnabled);
    EXPECT_TRUE(s.bBeginGroupEnabled);
    EXPECT_FALSE(s.bBeginGroupChecked);

    ButtonFacts f = plain;
    f.bShowsText = true;
    EXPECT_EQ(kBoth, ContextMenuStates(f, kImage, kText, kBoth).uiChecked);
    f.bShowsImage = false;
    s = ContextMenuStates(f, kImage, kText, kBoth);
    EXPECT_EQ(kText, s.uiChecked);
    EXPECT_FALSE(s.bCopyImageEnabled);  // shows no image

    f = plain;
    f.bHasImage = false;
    EXPECT_FALSE(ContextMenuStates(f, kImage, kText, kBoth).bCopyImageEnabled);
    f = plain;
    f.bHasCommand = false;
    EXPECT_FALSE(ContextMenuStates(f, kImage, kText, kBoth).bResetEnabled);
    f = plain;
    f.bLocked = true;
    EXPECT_FALSE(ContextMenuStates(f, kImage, kText, kBoth).bResetEnabled);
    f = plain;
    f.bTextBelowHorz = f.bShowsText = true;
    s = ContextMenuStates(f, kImage, kText, kBoth);
    EXPECT_FALSE(s.bImageEnabled);
    EXPECT_EQ(kBoth, s.uiChecked);
    f = plain;
    f.bMenuMode = true;
    s = ContextMenuStates(f, kImage, kText, kBoth);
    EXPECT_FALSE(s.bImageEnabled || s.bTextEnabled || s.bImageAndTextEnabled);
    f = plain;
    f.bFirst = true;
    EXPECT_FALSE(ContextMenuStates(f, kImage, kText, kBoth).bBeginGroupEnabled);
    f = plain;
    f.bSeparatorBefore = true;
    EXPECT_TRUE(ContextMenuStates(f, kImage, kText, kBoth).bBeginGroupChecked);
}

TEST(DropDownPlacement, BelowTheButtonOrPulledBackInside)
{
    using namespace ZAVPDropDownPlacement;
    const CRect work(0, 0, 800, 600);
    const struct
    {
        const char* what;
        Input in;
        CPoint expected;
    } cases[] = {
        {"fits", {CPoint(100, 122), CSize(80, 30), work, false, 0, true, 22}, CPoint(100, 122)},
        {"past the right edge",
         {CPoint(750, 122), CSize(80, 30), work, false, 0, true, 22},
         CPoint(800 - 80 - 3, 122)},
        {"past the right edge beside a vertical bar",
         {CPoint(790, 100), CSize(80, 30), work, true, 767, true, 22},
         CPoint(767 - 80, 100)},
        {"past the bottom: above the button",
         {CPoint(100, 590), CSize(80, 30), work, false, 0, true, 22},
         CPoint(100, 590 - 30 - 22 - 4)},
        {"past the bottom without a button",
         {CPoint(100, 590), CSize(80, 30), work, false, 0, false, 22},
         CPoint(100, 560)},
        {"never above the top",
         {CPoint(100, 30), CSize(80, 700), work, false, 0, true, 22},
         CPoint(100, 0)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Place(c.in)) << c.what;
    EXPECT_EQ(CPoint(10, 42), Origin(CRect(10, 20, 33, 42), false));
    EXPECT_EQ(CPoint(33, 20), Origin(CRect(10, 20, 33, 42), true));
}
