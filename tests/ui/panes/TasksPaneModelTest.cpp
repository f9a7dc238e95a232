// The tasks pane without windows: the page history, the "Settings" part with its refusals, the
// command filter of the idle update, and the layout, scroll and animation arithmetic, each
// against hand-worked values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "ui/panes/ZAVPTasksLayout.h"
#include "ui/panes/ZAVPTasksPaneHistory.h"
#include "ui/panes/ZAVPTasksPaneSettings.h"

namespace
{
std::string TasksText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}
}  // namespace

// ---- history

TEST(TasksPaneHistory, EleventhActivationDropsTheOldestEntry)
{
    ZAVPTasksPaneHistory history;
    for (int page = 1; page <= 9; ++page) ASSERT_TRUE(history.Visit(page));
    EXPECT_EQ(10, history.GetCount());
    ASSERT_TRUE(history.Visit(10));  // the eleventh page shown
    EXPECT_EQ(10, history.GetCount());
    EXPECT_EQ(9, history.GetPosition());
    EXPECT_EQ(1, history.GetEntries().front());
    EXPECT_EQ(10, history.GetActivePage());
    int nBacks = 0;
    while (history.Back()) ++nBacks;
    EXPECT_EQ(9, nBacks);
    EXPECT_EQ(1, history.GetActivePage());  // Back stops at the new first entry
    EXPECT_FALSE(history.CanGoBack());
}

TEST(TasksPaneHistory, ActivatingFromTheMiddleDropsTheForwardEntries)
{
    ZAVPTasksPaneHistory history;
    history.Visit(1);
    history.Visit(2);
    history.Visit(3);
    ASSERT_TRUE(history.Back());
    ASSERT_TRUE(history.Back());
    EXPECT_EQ(1, history.GetActivePage());
    EXPECT_TRUE(history.CanGoForward());
    ASSERT_TRUE(history.Visit(5));
    EXPECT_EQ((std::vector<int>{0, 1, 5}), history.GetEntries());
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_FALSE(history.Forward());
}

TEST(TasksPaneHistory, VisitingTheActivePageChangesNothing)
{
    ZAVPTasksPaneHistory history;
    EXPECT_FALSE(history.Visit(0));
    history.Visit(2);
    EXPECT_FALSE(history.Visit(2));
    EXPECT_EQ((std::vector<int>{0, 2}), history.GetEntries());
    // At the limit with the position in the middle, the forward entries go first, so nothing
    // older is lost.
    ZAVPTasksPaneHistory full;
    for (int page = 1; page <= 9; ++page) full.Visit(page);
    full.Back();
    full.Back();
    full.Visit(42);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 42}), full.GetEntries());
}

// ---- "Settings"

namespace
{
ZAVPTasksPaneSettings::Record Sample()
{
    ZAVPTasksPaneSettings::Record r;
    for (int i = 0; i < ZAVPTasksPaneSettings::kMetricCount; ++i)
        r.metrics[i] = i == 3 ? -1 : 10 + i;
    r.nActivePage = 1;
    r.pageNames = {"Tasks Pane", "Second"};
    r.strCaption = "Tasks";
    return r;
}

std::vector<BYTE> Bytes(const ZAVPTasksPaneSettings::Record& r, BOOL bCaption)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ZAVPTasksPaneSettings::Write(ar, r, bCaption);
        ar.Flush();
    }
    const UINT n = (UINT)file.GetLength();
    BYTE* p = file.Detach();
    std::vector<BYTE> bytes(p, p + n);
    free(p);
    return bytes;
}

// Reads the bytes; FALSE when the read threw an archive exception.
BOOL ReadBytes(std::vector<BYTE> bytes, ZAVPTasksPaneSettings::Record& r, BOOL bCaption)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    try {
        ZAVPTasksPaneSettings::Read(ar, r, bCaption);
        return TRUE;
    } catch (CArchiveException* e) {
        e->Delete();
        return FALSE;
    }
}
}  // namespace

TEST(TasksPaneSettings, LayoutOfTheValueAndRoundTrip)
{
    const std::vector<BYTE> bytes = Bytes(Sample(), TRUE);
    // Nine metrics and the page, 4 bytes each; the 16-bit count, each name with its length byte;
    // the caption.
    const size_t nNames = (1 + 10) + (1 + 6);
    ASSERT_EQ(10 * 4 + 2 + nNames + 1 + 5, bytes.size());
    EXPECT_EQ(10, bytes[0]);
    EXPECT_EQ(0xFF, bytes[12]);  // the fourth metric, -1
    EXPECT_EQ(1, bytes[36]);     // the page
    EXPECT_EQ(2, bytes[40]);     // two names

    ZAVPTasksPaneSettings::Record r;
    ASSERT_TRUE(ReadBytes(bytes, r, TRUE));
    EXPECT_EQ(-1, r.metrics[3]);
    EXPECT_EQ(18, r.metrics[8]);
    EXPECT_EQ(1, r.nActivePage);
    ASSERT_EQ(2u, r.pageNames.size());
    EXPECT_STREQ("Second", r.pageNames[1]);
    EXPECT_STREQ("Tasks", r.strCaption);

    // Before 6.50 there is no caption.
    EXPECT_EQ(bytes.size() - 6, Bytes(Sample(), FALSE).size());
}

TEST(TasksPaneSettings, DamagedValuesAreRefusedAndChangeNothing)
{
    const std::vector<BYTE> good = Bytes(Sample(), TRUE);
    ZAVPTasksPaneSettings::Record before;
    before.nActivePage = 7;
    struct Case
    {
        const char* name;
        std::vector<BYTE> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"cut in the metrics", std::vector<BYTE>(good.begin(), good.begin() + 20)});
    cases.push_back({"cut in a name", std::vector<BYTE>(good.begin(), good.begin() + 50)});
    cases.push_back({"no caption", std::vector<BYTE>(good.begin(), good.end() - 6)});
    std::vector<BYTE> many(good.begin(), good.begin() + 40);
    many.push_back(0x01);
    many.push_back(0x04);  // 1025 names
    cases.push_back({"too many pages", many});
    for (const Case& c : cases) {
        ZAVPTasksPaneSettings::Record r = before;
        EXPECT_FALSE(ReadBytes(c.bytes, r, TRUE)) << c.name;
        EXPECT_EQ(7, r.nActivePage) << c.name;
        EXPECT_TRUE(r.pageNames.empty()) << c.name;
    }
}

TEST(TasksPaneSettings, PageClampNamesAndCommandFilter)
{
    EXPECT_EQ(2, ZAVPTasksPaneSettings::ClampPage(2, 3));
    EXPECT_EQ(0, ZAVPTasksPaneSettings::ClampPage(3, 3));
    EXPECT_EQ(0, ZAVPTasksPaneSettings::ClampPage(-1, 3));
    ZAVPTasksPaneSettings::Record r = Sample();
    EXPECT_TRUE(ZAVPTasksPaneSettings::NamesFit(r, 2));
    EXPECT_FALSE(ZAVPTasksPaneSettings::NamesFit(r, 1));

    struct Case
    {
        UINT id;
        BOOL expected;
    } cases[] = {{0, FALSE},      {1, TRUE},       {0xEFFF, TRUE}, {0xF000, FALSE},
                 {0xF1EF, FALSE}, {0xF1F0, TRUE},  {0xFEFF, TRUE}, {0xFF00, FALSE},
                 {0xFFFF, FALSE}, {0x10000, FALSE}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ZAVPTasksPaneSettings::IsUpdatedCommand(c.id)) << std::hex << c.id;
}

// ---- layout

namespace
{
using namespace ZAVPTasksLayout;

const CRect kArea(0, 0, 200, 300);  // work area: 12,12,188,288

TaskIn TextTask(int cy = 13, BOOL bVisible = TRUE)
{
    TaskIn t;
    t.cyText = cy;
    t.bVisible = bVisible;
    return t;
}

// "Files" (caption, three tasks, the second hidden) and a caption-less bottom group.
std::vector<GroupIn> TwoGroups()
{
    GroupIn a;
    a.bHasName = TRUE;
    a.cyName = 13;
    a.tasks = {TextTask(), TextTask(13, FALSE), TextTask()};
    GroupIn b;
    b.bBottom = TRUE;
    b.tasks = {TextTask()};
    return {a, b};
}
}  // namespace

TEST(TasksLayout, GroupsCaptionsAndTasksFromTheTop)
{
    std::vector<GroupOut> out;
    const int nHeight = Layout(kArea, Metrics(), 0, 16, 16, 1, TwoGroups(), out, FALSE);
    // Caption: max(13 + 7, 25) = 25; tasks start 4 below it, 16 high (the image), 4 apart.
    EXPECT_EQ("12,12,188,37", TasksText(out[0].rectCaption));
    EXPECT_EQ("24,41,176,57", TasksText(out[0].taskRects[0]));
    EXPECT_TRUE(out[0].taskRects[1].IsRectNull());
    EXPECT_EQ("24,61,176,77", TasksText(out[0].taskRects[2]));
    EXPECT_EQ("12,37,188,81", TasksText(out[0].rectTasks));
    // 15 below: a group without caption.
    EXPECT_EQ("12,96,188,96", TasksText(out[1].rectCaption));
    EXPECT_EQ("24,100,176,116", TasksText(out[1].taskRects[0]));
    // y after the last group 135, less the two spacings, plus the margin.
    EXPECT_EQ(128, nHeight);
}

TEST(TasksLayout, BottomGroupSitsAtTheBottomOnlyWhileNothingScrolls)
{
    std::vector<GroupOut> out;
    Layout(kArea, Metrics(), 0, 16, 16, 0, TwoGroups(), out, FALSE);
    EXPECT_EQ("12,264,188,288", TasksText(out[1].rectTasks));
    EXPECT_EQ("24,268,176,284", TasksText(out[1].taskRects[0]));
    EXPECT_EQ("12,12,188,37", TasksText(out[0].rectCaption));  // the others stay

    Layout(kArea, Metrics(), 0, 16, 16, 0, TwoGroups(), out, TRUE);  // measuring only
    EXPECT_EQ("12,96,188,120", TasksText(out[1].rectTasks));

    std::vector<GroupIn> hidden = TwoGroups();
    hidden[1].tasks[0].bVisible = FALSE;  // nothing of it shows
    Layout(kArea, Metrics(), 0, 16, 16, 0, hidden, out, FALSE);
    EXPECT_EQ(96, out[1].rectTasks.top);
}

TEST(TasksLayout, ScrollPositionMovesEverythingUpByRows)
{
    std::vector<GroupOut> out;
    const int nHeight = Layout(kArea, Metrics(), 2, 16, 16, 5, TwoGroups(), out, FALSE);
    EXPECT_EQ("12,-20,188,5", TasksText(out[0].rectCaption));
    EXPECT_EQ(128, nHeight);  // the content height does not depend on the position
}

TEST(TasksLayout, CollapsedAndAnimatedGroups)
{
    std::vector<GroupIn> groups = TwoGroups();
    groups[0].bCollapsed = TRUE;
    std::vector<GroupOut> out;
    Layout(kArea, Metrics(), 0, 16, 16, 1, groups, out, FALSE);
    EXPECT_EQ("12,36,188,36", TasksText(out[0].rectTasks));  // the line under the caption
    EXPECT_TRUE(out[0].taskRects[0].IsRectNull());
    EXPECT_EQ(52, out[1].rectCaption.top);  // 37 + 15

    // Collapsing with 10 pixels still shown: the tasks are cut there.
    groups[0].bAnimated = TRUE;
    groups[0].nAnimHeight = 10;
    Layout(kArea, Metrics(), 0, 16, 16, 1, groups, out, FALSE);
    EXPECT_EQ("24,41,176,46", TasksText(out[0].taskRects[0]));
    EXPECT_EQ("24,47,176,47", TasksText(out[0].taskRects[2]));
    EXPECT_EQ("12,37,188,47", TasksText(out[0].rectTasks));
    EXPECT_EQ(62, out[1].rectCaption.top);

    // The animation reached 0: laid out as collapsed.
    groups[0].nAnimHeight = 0;
    Layout(kArea, Metrics(), 0, 16, 16, 1, groups, out, FALSE);
    EXPECT_EQ("12,36,188,36", TasksText(out[0].rectTasks));
}

TEST(TasksLayout, IconsAndWindowTasks)
{
    GroupIn icon;
    icon.bHasName = TRUE;
    icon.cyName = 13;
    icon.bHasIcon = TRUE;
    icon.sizeIcon = CSize(32, 32);
    TaskIn window;
    window.bWindow = TRUE;
    window.cyWindow = 50;
    icon.tasks = {window};
    std::vector<GroupOut> out;
    Layout(kArea, Metrics(), 0, 16, 16, 1, {icon}, out, FALSE);
    EXPECT_EQ("12,19,188,44", TasksText(out[0].rectCaption));  // down by 32 - 25
    EXPECT_EQ("24,48,176,98", TasksText(out[0].taskRects[0]));

    // A window beyond the area is cut to it, and one hidden keeps no height on screen.
    icon.bHasIcon = FALSE;
    icon.tasks[0].cyWindow = 400;
    Layout(kArea, Metrics(), 0, 16, 16, 1, {icon}, out, FALSE);
    EXPECT_EQ(299, out[0].taskRects[0].bottom);
    icon.tasks[0].bVisible = FALSE;
    Layout(kArea, Metrics(), 0, 16, 16, 1, {icon}, out, FALSE);
    EXPECT_EQ(41, out[0].taskRects[0].Height() + out[0].taskRects[0].top);
}

TEST(TasksLayout, NothingWithoutGroupsOrArea)
{
    std::vector<GroupOut> out;
    EXPECT_EQ(0, Layout(kArea, Metrics(), 0, 16, 16, 0, {}, out, FALSE));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(0, Layout(CRect(0, 0, 0, 0), Metrics(), 0, 16, 16, 0, TwoGroups(), out, FALSE));
}

TEST(TasksLayout, ScrollRangeCodesAndButtons)
{
    Scroll s = CalcScroll(100, 16, 300, 50);
    EXPECT_EQ(17, s.nTotal);  // 300 / 16 - 1
    EXPECT_EQ(5, s.nPage);    // 100 / 16 - 1
    EXPECT_EQ(13, s.nPos);    // clamped to 17 - 5 + 1
    const Scroll fits = CalcScroll(100, 16, 90, 4);
    EXPECT_EQ(0, fits.nTotal + fits.nPage + fits.nPos);
    const Scroll noRows = CalcScroll(100, 0, 300, 4);
    EXPECT_EQ(0, noRows.nTotal + noRows.nPage + noRows.nPos);

    s.nPos = 3;
    struct Case
    {
        int code, thumb, expected;
    } cases[] = {{SB_LINEUP, 0, 2},   {SB_LINEDOWN, 0, 4},     {SB_PAGEUP, 0, 0},
                 {SB_PAGEDOWN, 0, 8}, {SB_THUMBTRACK, 20, 13}, {SB_THUMBPOSITION, 6, 6},
                 {SB_TOP, 0, 0},      {SB_BOTTOM, 0, 13},      {SB_ENDSCROLL, 0, 3}};
    for (const Case& c : cases) EXPECT_EQ(c.expected, ScrollPosFor(c.code, c.thumb, s)) << c.code;

    s.nPos = 0;
    EXPECT_FALSE(ShowUpButton(s));
    EXPECT_TRUE(ShowDownButton(s));
    s.nPos = 13;
    EXPECT_TRUE(ShowUpButton(s));
    EXPECT_FALSE(ShowDownButton(s));
    EXPECT_FALSE(ShowDownButton(fits));
}

TEST(TasksLayout, AnimationStepsAreWholeRowsOfThirtyMilliseconds)
{
    const struct
    {
        DWORD ms;
        int steps;
    } cases[] = {{0, 0}, {14, 0}, {15, 1}, {30, 1}, {45, 2}, {100, 3}};
    for (const auto& c : cases) EXPECT_EQ(c.steps, AnimationSteps(c.ms)) << c.ms;
}
