// One drag by the mouse without a window: event sequences against the phases, outlines, promised
// sites and drops worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/docking/RectText.h"
#include "ui/docking/layout/DragSession.h"

using namespace DockLayout;

namespace
{
// Two bars the sites name, compared by address only.
const int kFiles = 1, kOutput = 2;
const DockSiteAnswer kNone = {DropKind::None, nullptr, {0, 0, 0, 0}};
const DockSiteAnswer kBesideFiles = {DropKind::Beside, &kFiles, {0, 0, 200, 600}};
const DockSiteAnswer kTabOutput = {DropKind::AsTab, &kOutput, {0, 300, 200, 600}};
const DockSiteAnswer kLeftSide = {DropKind::Beside, nullptr, {0, 0, 30, 600}};

const char* KindText(DropKind kind)
{
    switch (kind) {
    case DropKind::None: return "none";
    case DropKind::Beside: return "beside";
    case DropKind::AsTab: return "tab";
    }
    return "?";
}

const char* PhaseText(DragPhase phase)
{
    switch (phase) {
    case DragPhase::Idle: return "idle";
    case DragPhase::Pressed: return "pressed";
    case DragPhase::Moving: return "moving";
    case DragPhase::Dropped: return "dropped";
    case DragPhase::Cancelled: return "cancelled";
    }
    return "?";
}

std::string TargetText(const void* p)
{
    return p == &kFiles ? "Files" : p == &kOutput ? "Output" : p == nullptr ? "side" : "?";
}

// "phase outline shows drop [started] [ended] [step dx,dy]"
std::string StepText(const DragStep& s)
{
    std::string text = PhaseText(s.phase);
    text += std::string(" outline ") + (::IsRectEmpty(&s.rectOutline) ? "-" : Text(s.rectOutline));
    text += std::string(" shows ") + KindText(s.shown.kind);
    if (s.shown.kind != DropKind::None) text += " " + TargetText(s.shown.pTarget);
    text += std::string(" drops ") + KindText(s.drop.kind);
    if (s.drop.kind != DropKind::None) text += " " + TargetText(s.drop.pTarget);
    if (s.bStarted) text += " started";
    if (s.bEnded) text += " ended";
    if (s.ptStep.x != 0 || s.ptStep.y != 0)
        text += " step " + std::to_string(s.ptStep.x) + "," + std::to_string(s.ptStep.y);
    return text;
}

struct Event
{
    DragEvent event;
    LONG x, y;
    BOOL bButton, bCtrl;
    DockSiteAnswer site;
    const char* expected;
};

struct Sequence
{
    const char* what;
    BOOL bImmediate;
    BOOL bMayMove;
    BOOL bWatchButton;
    std::vector<Event> events;
};

// Pressed at (100, 100) with a drag size of 4 by 4: the hold box is 97,97,104,104. The outline
// starts at 80,90,260,240 and moves with the cursor from the press.
DragSettings Settings(BOOL bImmediate, BOOL bMayMove, BOOL bWatchButton = FALSE)
{
    DragSettings settings = {};
    settings.bImmediate = bImmediate;
    settings.bMayMove = bMayMove;
    settings.bWatchButton = bWatchButton;
    settings.rectHold = DragHoldBox({100, 100}, {4, 4});
    settings.rectFirst = R(80, 90, 260, 240);
    return settings;
}

const DragEvent P = DragEvent::Press, M = DragEvent::Move, C = DragEvent::CtrlChange,
                U = DragEvent::Release, E = DragEvent::Escape, X = DragEvent::Cancel;
// Every sequence starts with the press at (100, 100).
const Event kPress = {P, 100, 100, TRUE, FALSE, kNone, "pressed outline - shows none drops none"};
}  // namespace

TEST(DragSession, TheHoldBoxIsTheSystemDragSizeAroundThePress)
{
    EXPECT_EQ("97,97,104,104", Text(DragHoldBox({100, 100}, {4, 4})));
    EXPECT_EQ("100,100,101,101", Text(DragHoldBox({100, 100}, {1, 1})));
}

TEST(DragSession, EventSequencesGiveThePhasesOutlinesAndDrops)
{
    // clang-format off
    const std::vector<Sequence> sequences = {
        {"a click drags nothing", FALSE, TRUE, FALSE, {
            kPress,
            {U, 100, 100, FALSE, FALSE, kNone, "idle outline - shows none drops none ended"},
            {M, 150, 100, FALSE, FALSE, kBesideFiles, "idle outline - shows none drops none"}}},
        {"the drag starts when the cursor leaves the hold box", FALSE, TRUE, FALSE, {
            kPress,
            {M, 103, 97, TRUE, FALSE, kBesideFiles, "pressed outline - shows none drops none"},
            {M, 104, 100, TRUE, FALSE, kNone,
             "moving outline 84,90,264,240 shows none drops none started step 4,0"}}},
        {"the drop is what the outline showed at the release point", FALSE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, FALSE, kBesideFiles,
             "moving outline 130,90,310,240 shows beside Files drops none started step 50,0"},
            {U, 150, 100, FALSE, FALSE, kBesideFiles,
             "dropped outline - shows beside Files drops beside Files ended"}}},
        {"a side of the frame has no target bar", FALSE, TRUE, FALSE, {
            kPress,
            {U, 10, 100, FALSE, FALSE, kLeftSide,
             "idle outline - shows none drops none ended"},
            kPress,
            {M, 10, 100, TRUE, FALSE, kLeftSide,
             "moving outline -10,90,170,240 shows beside side drops none started step -90,0"},
            {U, 10, 100, FALSE, FALSE, kLeftSide,
             "dropped outline - shows beside side drops beside side ended"}}},
        {"over a tab site the tab preview stands for the outline", FALSE, TRUE, FALSE, {
            kPress,
            {M, 150, 120, TRUE, FALSE, kTabOutput,
             "moving outline - shows tab Output drops none started step 50,20"},
            {M, 160, 120, TRUE, FALSE, kBesideFiles,
             "moving outline 140,110,320,260 shows beside Files drops none step 10,0"},
            {M, 150, 120, TRUE, FALSE, kTabOutput,
             "moving outline - shows tab Output drops none step -10,0"},
            {U, 150, 120, FALSE, FALSE, kTabOutput,
             "dropped outline - shows tab Output drops tab Output ended"}}},
        {"a site left before the release is not dropped on", FALSE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, FALSE, kTabOutput,
             "moving outline - shows tab Output drops none started step 50,0"},
            {U, 300, 300, FALSE, FALSE, kNone,
             "dropped outline - shows none drops none ended step 150,200"}}},
        {"Ctrl keeps every site off while it is held", FALSE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, TRUE, kTabOutput,
             "moving outline 130,90,310,240 shows none drops none started step 50,0"},
            {C, 150, 100, TRUE, FALSE, kTabOutput,
             "moving outline - shows tab Output drops none"},
            {C, 150, 100, TRUE, TRUE, kTabOutput,
             "moving outline 130,90,310,240 shows none drops none"},
            {U, 150, 100, FALSE, TRUE, kTabOutput,
             "dropped outline - shows none drops none ended"}}},
        {"Esc cancels and nothing drops afterwards", FALSE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, FALSE, kBesideFiles,
             "moving outline 130,90,310,240 shows beside Files drops none started step 50,0"},
            {E, 150, 100, TRUE, FALSE, kBesideFiles,
             "cancelled outline - shows beside Files drops none ended"},
            {U, 150, 100, FALSE, FALSE, kBesideFiles,
             "cancelled outline - shows beside Files drops none"}}},
        {"a lost capture cancels a press", FALSE, TRUE, FALSE, {
            kPress,
            {X, 100, 100, TRUE, FALSE, kNone, "cancelled outline - shows none drops none ended"}}},
        {"a press that may not move ends when it leaves the box", FALSE, FALSE, FALSE, {
            kPress,
            {M, 102, 102, TRUE, FALSE, kNone, "pressed outline - shows none drops none"},
            {M, 150, 100, TRUE, FALSE, kBesideFiles,
             "cancelled outline - shows none drops none ended"}}},
        {"immediate: the window follows and docks on the way", TRUE, TRUE, FALSE, {
            kPress,
            {M, 110, 100, TRUE, FALSE, kNone,
             "moving outline - shows none drops none started step 10,0"},
            {M, 115, 102, TRUE, FALSE, kBesideFiles,
             "dropped outline - shows beside Files drops beside Files ended step 5,2"},
            {U, 115, 102, FALSE, FALSE, kBesideFiles,
             "dropped outline - shows beside Files drops none"}}},
        {"immediate: Ctrl held docks nowhere, its release docks", TRUE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, TRUE, kTabOutput,
             "moving outline - shows none drops none started step 50,0"},
            {C, 150, 100, TRUE, FALSE, kTabOutput,
             "dropped outline - shows tab Output drops tab Output ended"}}},
        {"immediate: a release only ends the drag", TRUE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, TRUE, FALSE, kNone,
             "moving outline - shows none drops none started step 50,0"},
            {U, 160, 100, FALSE, FALSE, kBesideFiles,
             "dropped outline - shows beside Files drops none ended step 10,0"}}},
        {"a button seen up before the drag started ends the press", TRUE, TRUE, TRUE, {
            kPress,
            {M, 150, 100, FALSE, FALSE, kBesideFiles,
             "cancelled outline - shows none drops none ended"}}},
        {"an unwatched button does not end the press", TRUE, TRUE, FALSE, {
            kPress,
            {M, 150, 100, FALSE, FALSE, kNone,
             "moving outline - shows none drops none started step 50,0"}}},
    };
    // clang-format on
    for (const Sequence& seq : sequences) {
        SCOPED_TRACE(seq.what);
        DragSession session(Settings(seq.bImmediate, seq.bMayMove, seq.bWatchButton));
        int n = 0;
        for (const Event& e : seq.events) {
            const DragInput input = {e.event, {e.x, e.y}, e.bButton, e.bCtrl, e.site};
            EXPECT_EQ(e.expected, StepText(session.Feed(input))) << "event " << n;
            ++n;
        }
    }
}

TEST(DragSession, TheOutlineEndsWhereTheCursorLeftIt)
{
    // The drop with no site places the window where the outline stood at the release.
    DragSession session(Settings(FALSE, TRUE));
    session.Feed({P, {100, 100}, TRUE, FALSE, kNone});
    session.Feed({M, {150, 100}, TRUE, FALSE, kNone});
    const DragStep step = session.Feed({U, {170, 130}, FALSE, FALSE, kNone});
    EXPECT_EQ("150,120,330,270", Text(step.rectLast));
    EXPECT_EQ(DropKind::None, step.drop.kind);
    EXPECT_FALSE(session.IsActive());
}
