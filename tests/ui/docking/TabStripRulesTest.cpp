// Tab order and activation rules and the automatic colours, as tables worked out by hand.
#include <gtest/gtest.h>

#include <vector>

#include "ui/docking/layout/TabStripRules.h"

using namespace TabLayout;

namespace
{
const bool T = true;
const bool F = false;
}  // namespace

TEST(TabStripRules, InsertingAppendsOutOfRangeAndKeepsTheActiveTab)
{
    struct Position
    {
        int index, count, at;
    };
    // clang-format off
    const Position positions[] = {
        {-1, 3, 3},
        {4, 3, 3},
        {0, 3, 0},
        {3, 3, 3},
        {-1, 0, 0},
    };
    // clang-format on
    for (const Position& p : positions)
        EXPECT_EQ(p.at, InsertPosition(p.index, p.count)) << p.index << " of " << p.count;

    struct Active
    {
        int active, inserted, after;
    };
    const Active actives[] = {
        {-1, 0, 0},  // the first tab becomes active
        {2, 0, 3},   // inserted before: the same tab stays active, one further on
        {2, 2, 2},   // inserted at the active index: the new tab takes over
        {2, 3, 2},
    };
    for (const Active& a : actives)
        EXPECT_EQ(a.after, ActiveAfterInsert(a.active, a.inserted))
            << a.active << " " << a.inserted;
}

TEST(TabStripRules, MovingARecordShiftsTheOnesBetween)
{
    struct Case
    {
        int from, to;
        std::vector<int> newIndexOf;  // per old index, among 5 records
    };
    const Case cases[] = {
        {1, 3, {0, 3, 1, 2, 4}},
        {3, 0, {1, 2, 3, 0, 4}},
        {1, -1, {0, 4, 1, 2, 3}},  // -1 appends
        {2, 2, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases)
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c.newIndexOf[i], IndexAfterMove(i, c.from, c.to, 5))
                << c.from << "->" << c.to << " record " << i;
}

TEST(TabStripRules, ActiveTabAfterARemoval)
{
    const RemoveRule plain = {false, false, -1};
    struct Case
    {
        const char* name;
        std::vector<bool> remaining;  // visible flags of the tabs left
        int removed, active;
        RemoveRule rule;
        int after;
    };
    const Case cases[] = {
        {"removed after the active", {T, T, T}, 3, 1, plain, 1},
        {"active removed: the next takes over", {T, T, T}, 1, 1, plain, 1},
        {"hidden next is skipped", {T, F, T}, 1, 1, plain, 2},
        {"last removed: the one before", {T, T}, 2, 2, plain, 1},
        {"nothing visible after: the nearest before", {T, F, F}, 1, 1, plain, 0},
        // A removal before the active tab chooses again from the removed position.
        {"removed before the active", {T, T, T}, 0, 3, plain, 0},
        {"no visible tab left", {F, F}, 0, 0, plain, -1},
        {"last visible option", {T, T, F}, 0, 0, {true, false, -1}, 1},
        // The previously active tab comes back, one lower when it lay after the removed one.
        {"previous after the removed", {T, T, T}, 1, 1, {false, true, 3}, 2},
        {"previous before the removed", {T, T, T}, 2, 2, {false, true, 0}, 0},
        {"previous hidden: the plain rule", {T, T, F}, 1, 1, {false, true, 3}, 1},
        {"no active tab", {T, T}, 0, -1, plain, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.after, ActiveAfterRemove(c.remaining, c.removed, c.active, c.rule)) << c.name;
}

TEST(TabStripRules, CandidateAfterHidingATab)
{
    struct Case
    {
        std::vector<bool> visible;
        int hidden, candidate;
    };
    const Case cases[] = {
        {{T, F, T}, 1, 2},  {{T, T, F}, 2, 1}, {{T, F, F, T}, 1, 3},
        {{F, F, T}, 2, -1},  // hypothetical: the flag says visible, so nothing else is
        {{F}, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.candidate, CandidateAfterHide(c.visible, c.hidden)) << c.hidden;
}

TEST(TabStripRules, CtrlPageKeysWrapAndDoNothingWithoutAnotherVisibleTab)
{
    struct Case
    {
        std::vector<bool> visible;
        int active;
        bool forward;
        int next;
    };
    const Case cases[] = {
        {{T, T, T}, 2, true, 0},  // wraps at the count
        {{T, T, T}, 0, false, 2},
        {{T, F, T}, 0, true, 2},  // hidden tabs are skipped
        {{T, F, T}, 2, true, 0},
        {{T, F, F}, 0, true, -1},  // no other visible tab: nothing happens
        {{F, T}, 1, false, -1},
        {{T, T}, -1, true, -1},  // no active tab
        {{}, 0, true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.next, NextVisibleTab(c.visible, c.active, c.forward))
            << c.active << (c.forward ? " forward" : " back");
}

TEST(TabStripRules, ResolvingATabForCloseAndDetach)
{
    struct Case
    {
        int index, active, count, tab;
    };
    const Case cases[] = {
        {-1, 2, 3, 2},    // -1: the active tab
        {-1, -1, 3, -1},  // no active tab: closing does nothing
        {1, -1, 3, 1},   {5, 0, 3, -1}, {-1, 0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.tab, ResolveTab(c.index, c.active, c.count)) << c.index << " " << c.active;
}

TEST(TabStripRules, AutomaticColours)
{
    const std::vector<COLORREF> soft = {0xE6AF94, 0x75DBFF, 0x9FCDBD, 0x9F9EF0,
                                        0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xBBA4D5};
    const std::vector<COLORREF> palette = {0x00FF00, 0xFFFF00, 0xFF00FF, 0xC0C0C0, 0x00FFFF};
    EXPECT_EQ(soft, AutoColorTable(32));
    EXPECT_EQ(soft, AutoColorTable(16));
    EXPECT_EQ(palette, AutoColorTable(8));
    EXPECT_EQ(palette, AutoColorTable(4));

    const std::vector<COLORREF> four = {0x10, 0x20, 0x30, 0x40};
    struct Case
    {
        const std::vector<COLORREF>* table;
        int tab;
        COLORREF colour;
    };
    const std::vector<COLORREF> empty;
    const Case cases[] = {
        {&four, 5, 0x20},  // 5 mod 4 = 1
        {&four, 3, 0x40},
        {&soft, 8, 0xE6AF94},
        {&empty, 0, kDefaultTabColor},  // an empty table: the default colour, no division
        {&empty, 7, kDefaultTabColor},
        {&four, -1, kDefaultTabColor},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.colour, AutoColorFor(*c.table, c.tab)) << c.table->size() << " " << c.tab;
}

TEST(TabStripRules, DraggingTabsAlongAndOutOfTheRow)
{
    struct Swap
    {
        int hot, active, tabs;
        bool allowed;
        int target;
    };
    const Swap swaps[] = {
        {2, 0, 3, true, 2},   {0, 0, 3, true, -1},   // the active tab itself
        {-1, 0, 3, true, -1},                        // no tab under the pointer
        {1, 0, 1, true, -1},  {1, 0, 2, false, -1},  // swapping not allowed
        {3, 0, 3, true, -1},
    };
    for (const Swap& s : swaps)
        EXPECT_EQ(s.target, SwapTargetDuringDrag(s.hot, s.active, s.tabs, s.allowed))
            << s.hot << " " << s.active << " " << s.tabs << " " << s.allowed;

    // A drag rectangle of 4 by 4 around (100, 50).
    struct Threshold
    {
        POINT pt;
        bool beyond;
    };
    const Threshold thresholds[] = {
        {{103, 53}, false}, {{97, 47}, false}, {{104, 50}, true},
        {{100, 46}, true},  {{96, 50}, true},
    };
    for (const Threshold& t : thresholds)
        EXPECT_EQ(t.beyond, IsBeyondDragThreshold(POINT{100, 50}, t.pt, 4, 4))
            << t.pt.x << "," << t.pt.y;

    EXPECT_TRUE(DragEndsAfterDetach(true, 3));
    EXPECT_FALSE(DragEndsAfterDetach(true, 2));  // two tabs: the drag goes on
    EXPECT_FALSE(DragEndsAfterDetach(false, 5));
}

TEST(TabStripRules, RestoredOrderNeverNamesAPlaceBeyondTheTabs)
{
    using Swaps = std::vector<std::pair<int, int>>;
    struct Case
    {
        const char* name;
        std::vector<int> saved;
        int savedActive;
        Swaps swaps;
        int active;
    };
    // The tabs hold windows 10, 20, 30 in this order.
    const Case cases[] = {
        // 30 to place 0 (10 goes to 2), then 10 from 2 to place 1.
        {"reversed rotation", {30, 10, 20}, 0, {{0, 2}, {1, 2}}, 0},
        // 99 names no tab and takes no place: 10 lands on place 1, where 20's swap left it.
        {"missing id", {20, 99, 10}, 2, {{0, 1}}, 1},
        {"repeated id", {10, 10, 30}, 1, {{1, 2}}, -1},
        {"more saved than tabs", {40, 50, 60, 10, 20, 30, 70}, 6, {}, -1},
        {"nothing saved", {}, 0, {}, -1},
        {"no active tab", {20, 10, 30}, -1, {{0, 1}}, -1},
    };
    for (const Case& c : cases) {
        const RestorePlan plan = PlanRestoredOrder({10, 20, 30}, c.saved, c.savedActive);
        EXPECT_EQ(c.swaps, plan.swaps) << c.name;
        EXPECT_EQ(c.active, plan.nActive) << c.name;
    }
}

TEST(TabStripRules, ShowingAndHidingTabsChoosesWhatToActivate)
{
    struct Case
    {
        const char* name;
        std::vector<bool> visible;  // with the tab's new flag
        int index;
        bool show;
        int active;
        bool activate;
        ShowTabPlan plan;
    };
    const Case cases[] = {
        {"show beside the active", {T, T, T}, 2, true, 0, false, {0, false, false}},
        {"show and activate", {T, T, T}, 2, true, 0, true, {0, false, true}},
        // No tab was visible: the shown tab becomes active even unasked.
        {"show the first visible", {F, T, F}, 1, true, -1, false, {1, false, true}},
        {"hide another tab", {T, F, T}, 1, false, 0, false, {0, false, false}},
        // The active tab hidden: the next visible one after it, else before it, takes over.
        {"hide the active", {T, F, T}, 1, false, 1, false, {2, true, true}},
        {"hide the active last", {T, T, F}, 2, false, 2, false, {1, true, true}},
        {"hide the only visible", {F, F}, 0, false, 0, true, {-1, true, false}},
    };
    for (const Case& c : cases) {
        const ShowTabPlan plan = PlanShowTab(c.visible, c.index, c.show, c.active, c.activate);
        EXPECT_EQ(c.plan.nCandidate, plan.nCandidate) << c.name;
        EXPECT_EQ(c.plan.bResetActive, plan.bResetActive) << c.name;
        EXPECT_EQ(c.plan.bActivate, plan.bActivate) << c.name;
    }
}
