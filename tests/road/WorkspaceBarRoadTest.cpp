// The bar "Обзор" moved by the user with the real mouse in the real Lornival.exe, and the item
// list beside it: widened with its slider, dragged out to float, docked on the right, sent back
// by a double click on its floating caption, hidden, and left floating at exit. After each step
// the list covers exactly the client area the bars leave; the bar floats first at the size it
// was made with and comes back floating, on top of the main window, with its tree.
#include <windows.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>
#include "RoadSession.h"
#include "ScreenShot.h"
#include "UserInput.h"

namespace
{
const UINT kShowWorkspace = 32789;
const UINT kHideWorkspace = 32790;
const UINT kExit = 57665;
const int kWidening = 60;   // pixels the bar's slider is dragged to the right
const int kMadeSize = 200;  // the bar is made 200 x 200: its first floating frame's size
const int kNearSide = 6;    // how far from a side of the client area a drop docks there
const int kCaptionInset = 40;

std::string Text(const RECT& r)
{
    std::ostringstream out;
    out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    return out.str();
}

RECT ScreenRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientOnScreen(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// What the bars leave of the main window's client area, on the screen: every visible child of
// the frame (the list aside) that runs along the whole of a side of what is left takes its
// strip off that side, until no child does.
RECT AreaTheBarsLeave(HWND main, HWND list)
{
    RECT left = ClientOnScreen(main);
    for (bool changed = true; changed;) {
        changed = false;
        for (HWND w = GetWindow(main, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            if (w == list || !IsWindowVisible(w)) continue;
            const RECT r = ScreenRect(w);
            if (r.right <= r.left || r.bottom <= r.top) continue;
            const bool acrossWidth = r.left <= left.left && r.right >= left.right;
            const bool alongHeight = r.top <= left.top && r.bottom >= left.bottom;
            if (acrossWidth && r.top <= left.top && r.bottom > left.top) {
                left.top = r.bottom;
                changed = true;
            } else if (acrossWidth && r.bottom >= left.bottom && r.top < left.bottom) {
                left.bottom = r.top;
                changed = true;
            } else if (alongHeight && r.left <= left.left && r.right > left.left) {
                left.left = r.right;
                changed = true;
            } else if (alongHeight && r.right >= left.right && r.left < left.right) {
                left.right = r.left;
                changed = true;
            }
        }
    }
    return left;
}

}  // namespace

class WorkspaceRoad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s = new RoadSession;
        programEnded = false;
        startError = s->StartInFreshFolder(L"road-workspace");
    }
    static void TearDownTestSuite()
    {
        delete s;  // ends the program if it still runs
        s = nullptr;
        RoadSession::DeleteProgramKey();
    }
    void SetUp() override
    {
        ASSERT_TRUE(startError.empty()) << startError;
        if (programEnded) return;  // the restart starts it again
        ASSERT_TRUE(s->Program().Running()) << "the program is no longer running";
        ASSERT_NE(nullptr, s->Program().WaitForMainWindow()) << "no main window";
        ASSERT_TRUE(WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs))
            << "no tree \"По категориям\"";
    }

    static HWND Main() { return s->Main(); }
    static HWND Bar() { return s->WorkspaceBar(); }
    // The top-level window that carries the bar: the main window while docked, its floating
    // frame otherwise.
    static HWND BarFrame() { return Bar() != nullptr ? GetAncestor(Bar(), GA_ROOT) : nullptr; }
    static bool Floating() { return Bar() != nullptr && BarFrame() != Main(); }

    // Waits until the list stands exactly in what the bars leave; false, with both rectangles
    // said, when it does not.
    static ::testing::AssertionResult ListFillsTheLeftover()
    {
        const HWND list = s->ListWindow();
        if (list == nullptr) return ::testing::AssertionFailure() << "no list";
        RECT want = {}, got = {};
        const bool same = WaitUntil(
            [&] {
                want = AreaTheBarsLeave(Main(), list);
                got = ScreenRect(list);
                return EqualRect(&want, &got) != FALSE;
            },
            ProgramUnderTest::kLimitMs);
        if (same) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the list stands at " << Text(got) << ", the bars leave " << Text(want);
    }

    // A point on the docked bar's own caption strip, away from its buttons on the right.
    static POINT DockedCaptionPoint()
    {
        const RECT r = ScreenRect(Bar());
        return POINT{r.left + kCaptionInset, r.top + 7};
    }
    // A point on the floating frame's caption: between its top edge and its client area.
    static POINT FloatingCaptionPoint()
    {
        const RECT frame = ScreenRect(BarFrame());
        const RECT client = ClientOnScreen(BarFrame());
        return POINT{frame.left + kCaptionInset, (frame.top + client.top) / 2 + 1};
    }
    // The bar's caption pulled into the middle of the list: the bar floats there.
    static bool DragOut()
    {
        const POINT to = Centre(ScreenRect(s->ListWindow()));
        return UserInput::Drag(Main(), DockedCaptionPoint(), to) &&
               WaitUntil(Floating, ProgramUnderTest::kLimitMs) && s->Program().Idle();
    }

    static RoadSession* s;
    static std::string startError;
    static bool programEnded;
    static std::wstring outlineBeforeExit;
    static RECT floatingBeforeExit;
};

RoadSession* WorkspaceRoad::s = nullptr;
std::string WorkspaceRoad::startError;
bool WorkspaceRoad::programEnded = false;
std::wstring WorkspaceRoad::outlineBeforeExit;
RECT WorkspaceRoad::floatingBeforeExit = {};

TEST_F(WorkspaceRoad, W01_TheListStandsBesideTheDockedBar)
{
    ASSERT_NE(nullptr, Bar());
    EXPECT_FALSE(Floating());
    EXPECT_TRUE(ListFillsTheLeftover());
    EXPECT_EQ(ScreenRect(Bar()).right + 4, ScreenRect(s->ListWindow()).left)
        << "the list does not start at the bar's slider";
}

TEST_F(WorkspaceRoad, W02_TheSliderWidensTheBarAndTheListGivesWay)
{
    const RECT before = ScreenRect(Bar());
    const HWND list = s->ListWindow();
    // The slider stands between the bar and the list.
    const POINT from = {before.right + 2, (before.top + before.bottom) / 2};
    ASSERT_TRUE(UserInput::Drag(Main(), from, POINT{from.x + kWidening, from.y}));
    ASSERT_TRUE(WaitUntil(
        [&] {
            const RECT now = ScreenRect(Bar());
            return now.right - now.left == before.right - before.left + kWidening;
        },
        ProgramUnderTest::kLimitMs))
        << "the slider's drag did not widen the bar";
    EXPECT_TRUE(ListFillsTheLeftover());
    EXPECT_EQ(ScreenRect(Bar()).right + 4, ScreenRect(list).left);
}

TEST_F(WorkspaceRoad, W03_DraggedOutTheBarFloatsAtItsMadeSizeAndTheListTakesItsSide)
{
    ASSERT_TRUE(DragOut()) << "the bar did not float";
    const RECT frame = ScreenRect(BarFrame());
    EXPECT_EQ(kMadeSize, frame.right - frame.left);
    EXPECT_EQ(kMadeSize, frame.bottom - frame.top);
    EXPECT_TRUE(ListFillsTheLeftover());
    EXPECT_EQ(ClientOnScreen(Main()).left, ScreenRect(s->ListWindow()).left);
    ScreenShot::Save(Main(), L"workspace-floating");
}

TEST_F(WorkspaceRoad, W04_DroppedOnTheRightEdgeTheBarDocksThereAndTheListEndsBeforeIt)
{
    ASSERT_TRUE(Floating());
    const RECT client = ClientOnScreen(Main());
    const POINT to = {client.right - kNearSide, (client.top + client.bottom) / 2};
    ASSERT_TRUE(UserInput::Drag(Main(), FloatingCaptionPoint(), to));
    ASSERT_TRUE(WaitUntil([] { return !Floating(); }, ProgramUnderTest::kLimitMs))
        << "the bar did not dock";
    ASSERT_TRUE(s->Program().Idle());
    EXPECT_EQ(client.right, ScreenRect(Bar()).right) << "docked, but not on the right";
    EXPECT_TRUE(ListFillsTheLeftover());
    EXPECT_EQ(client.left, ScreenRect(s->ListWindow()).left);
    ScreenShot::Save(Main(), L"workspace-right");
}

TEST_F(WorkspaceRoad, W05_ADoubleClickOnTheFloatingCaptionDocksTheBarWhereItWasLast)
{
    ASSERT_TRUE(DragOut()) << "the bar did not float";
    EXPECT_TRUE(ListFillsTheLeftover());
    ASSERT_TRUE(UserInput::DoubleClick(Main(), FloatingCaptionPoint()));
    ASSERT_TRUE(WaitUntil([] { return !Floating(); }, ProgramUnderTest::kLimitMs))
        << "the double click did not dock the bar";
    ASSERT_TRUE(s->Program().Idle());
    EXPECT_EQ(ClientOnScreen(Main()).right, ScreenRect(Bar()).right)
        << "docked back, but not on the right where it was";
    EXPECT_TRUE(ListFillsTheLeftover());
}

TEST_F(WorkspaceRoad, W06_HiddenTheBarLeavesTheListTheWholeWidth)
{
    const HWND bar = Bar();
    ASSERT_TRUE(s->Program().PostCommand(kHideWorkspace));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, ProgramUnderTest::kLimitMs));
    EXPECT_TRUE(ListFillsTheLeftover());
    const RECT client = ClientOnScreen(Main());
    const RECT list = ScreenRect(s->ListWindow());
    EXPECT_EQ(client.left, list.left);
    EXPECT_EQ(client.right, list.right);
    ASSERT_TRUE(s->Program().PostCommand(kShowWorkspace));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(bar); }, ProgramUnderTest::kLimitMs));
    EXPECT_TRUE(ListFillsTheLeftover());
}

TEST_F(WorkspaceRoad, W07_TheBarLeftFloatingAtExit)
{
    ASSERT_TRUE(DragOut()) << "the bar did not float";
    outlineBeforeExit = s->Tree().Outline();
    ASSERT_FALSE(outlineBeforeExit.empty());
    floatingBeforeExit = ScreenRect(BarFrame());
    ASSERT_TRUE(s->Program().PostCommand(kExit));
    programEnded = true;
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs))
        << "still running after \"Выход\"";
}

TEST_F(WorkspaceRoad, W08_ComesBackFloatingOnTopOfTheMainWindowWithItsTree)
{
    ASSERT_TRUE(programEnded);
    std::string why;
    ASSERT_TRUE(s->StartProgram(&why)) << why;
    programEnded = false;
    ASSERT_NE(nullptr, s->Program().WaitForMainWindow());
    ASSERT_TRUE(WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs));
    ASSERT_TRUE(s->Program().Idle());

    ASSERT_TRUE(Floating()) << "the bar came back docked";
    const HWND frame = BarFrame();
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(Text(floatingBeforeExit), Text(ScreenRect(frame)));
    // Owned by the main window, it stays above it.
    EXPECT_EQ(Main(), GetWindow(frame, GW_OWNER));
    bool above = false;
    for (HWND w = GetWindow(frame, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
        if (w == Main()) above = true;
    EXPECT_TRUE(above) << "the floating bar lies under the main window";
    EXPECT_EQ(outlineBeforeExit, s->Tree().Outline());
    EXPECT_TRUE(ListFillsTheLeftover());
    ScreenShot::Save(Main(), L"workspace-restored");

    // "Скрыть Обзор" and "Показать Обзор" act on the bar the user sees, and its tree stays.
    const HWND bar = Bar();
    ASSERT_TRUE(s->Program().PostCommand(kHideWorkspace));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(frame); }, ProgramUnderTest::kLimitMs))
        << "\"Скрыть Обзор\" left the floating bar on the screen";
    ASSERT_TRUE(s->Program().PostCommand(kShowWorkspace));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(bar) && IsWindowVisible(frame); },
                          ProgramUnderTest::kLimitMs))
        << "\"Показать Обзор\" did not bring the floating bar back";
    EXPECT_EQ(outlineBeforeExit, s->Tree().Outline());
}

TEST_F(WorkspaceRoad, W09_TheRestartedProgramEndsOnClose)
{
    ASSERT_TRUE(PostMessageW(Main(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs));
    programEnded = true;
}
