// The user moves the navigation toolbar of the real Lornival.exe by its gripper with the mouse:
// along its row, up into the main toolbar's row, and out into a floating frame; after each exit
// and restart the bar is where the user left it. A run of its own: a fresh folder and registry
// key, no disc needed.
#include <windows.h>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include "RoadSession.h"
#include "ScreenShot.h"
#include "UserInput.h"

namespace
{

const UINT kExit = 57665;
const UINT kMainToolBarId = 0xE800;
const UINT kNavigationToolBarId = 0xE806;
// Where the user takes hold of a docked horizontal toolbar: inside its gripper strip, left of
// the buttons.
const int kGripperX = 4;
const int kAlongRow = 80;        // pixels the bar is pulled along its row
const int kBesideMainBar = 150;  // pixels between the main bar's end and the place it is pulled to

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

}  // namespace

class ToolbarRoad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s = new RoadSession;
        startError = s->StartInFreshFolder(L"road-toolbars");
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
        ASSERT_TRUE(s->Program().Running()) << "the program is no longer running";
        ASSERT_NE(nullptr, s->Program().WaitForMainWindow()) << "no main window";
        ASSERT_TRUE(s->Program().Idle());
    }

    static HWND Main() { return s->Main(); }
    // A toolbar of the program by its control id, docked in the main window or floating in a
    // frame of its own.
    static HWND Bar(UINT id)
    {
        for (HWND top : s->Program().TopLevelWindows())
            for (HWND child : s->Program().Descendants(top, nullptr))
                if ((UINT)GetDlgCtrlID(child) == id &&
                    ClassName(child).rfind(L"ZAVToolBar", 0) == 0)
                    return child;
        return nullptr;
    }
    static HWND Nav() { return Bar(kNavigationToolBarId); }
    // The window's rectangle in the main window's client coordinates.
    static RECT InMain(HWND hwnd)
    {
        RECT r = {};
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static POINT OnScreen(POINT pt)
    {
        ClientToScreen(Main(), &pt);
        return pt;
    }
    // The gripper of a docked horizontal bar on the screen.
    static POINT Gripper(HWND bar)
    {
        RECT r = {};
        GetWindowRect(bar, &r);
        return POINT{r.left + kGripperX, (r.top + r.bottom) / 2};
    }
    static bool Floating(HWND bar) { return bar != nullptr && GetAncestor(bar, GA_ROOT) != Main(); }
    static RECT FrameOf(HWND bar)
    {
        RECT r = {};
        GetWindowRect(GetAncestor(bar, GA_ROOT), &r);
        return r;
    }
    static bool WaitFor(const std::function<bool()>& condition)
    {
        return WaitUntil(condition, ProgramUnderTest::kLimitMs) && s->Program().Idle();
    }
    // "Выход", then the same program again; its main window and the bar are back.
    static void Restart()
    {
        ASSERT_TRUE(s->Program().PostCommand(kExit));
        ASSERT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs)) << "still running";
        std::string why;
        ASSERT_TRUE(s->StartProgram(&why)) << why;
        ASSERT_NE(nullptr, s->Program().WaitForMainWindow()) << "no main window after the restart";
        ASSERT_TRUE(WaitFor([] { return Nav() != nullptr && IsWindowVisible(Nav()); }))
            << "no navigation toolbar after the restart";
    }

    static RoadSession* s;
    static std::string startError;
    // Where the bar was left before the exit: in the main window's client area while docked,
    // its frame's rectangle on the screen while floating.
    static RECT placeAtExit;
};

RoadSession* ToolbarRoad::s = nullptr;
std::string ToolbarRoad::startError;
RECT ToolbarRoad::placeAtExit = {};

TEST_F(ToolbarRoad, T1_TheGripperMovesTheBarAlongItsRow)
{
    const HWND nav = Nav();
    ASSERT_NE(nullptr, nav);
    ASSERT_FALSE(Floating(nav));
    const RECT before = InMain(nav);
    const POINT from = Gripper(nav);
    ASSERT_TRUE(UserInput::Drag(Main(), from, POINT{from.x + kAlongRow, from.y}));
    RECT expected = before;
    OffsetRect(&expected, kAlongRow, 0);
    EXPECT_TRUE(WaitFor([&] {
        const RECT now = InMain(nav);
        return EqualRect(&now, &expected) != FALSE;
    })) << "expected "
        << Text(expected) << ", the bar is at " << Text(InMain(nav));
}

TEST_F(ToolbarRoad, T2_TheGripperMovesTheBarIntoTheMainBarsRow)
{
    const HWND nav = Nav();
    const HWND main = Bar(kMainToolBarId);
    ASSERT_NE(nullptr, nav);
    ASSERT_NE(nullptr, main);
    const RECT mainBar = InMain(main);
    const RECT before = InMain(nav);
    ASSERT_NE(mainBar.top, before.top) << "the bars start in rows of their own";
    // Taken by its gripper and put down beside the main bar: the point taken stays under the
    // cursor.
    const POINT to = OnScreen(
        POINT{mainBar.right + kBesideMainBar + kGripperX, (mainBar.top + mainBar.bottom) / 2});
    ASSERT_TRUE(UserInput::Drag(Main(), Gripper(nav), to));
    RECT expected = {mainBar.right + kBesideMainBar, mainBar.top,
                     mainBar.right + kBesideMainBar + before.right - before.left,
                     mainBar.top + before.bottom - before.top};
    EXPECT_TRUE(WaitFor([&] {
        const RECT now = InMain(nav);
        return EqualRect(&now, &expected) != FALSE;
    })) << "expected "
        << Text(expected) << ", the bar is at " << Text(InMain(nav));
    // The main bar stays where it was.
    const RECT mainNow = InMain(main);
    EXPECT_TRUE(EqualRect(&mainBar, &mainNow)) << Text(mainNow);
    placeAtExit = InMain(nav);
    ScreenShot::Save(Main(), L"toolbar-beside-main-bar");
}

TEST_F(ToolbarRoad, T3_ARestartKeepsTheBarInItsRow)
{
    Restart();
    const RECT now = InMain(Nav());
    EXPECT_FALSE(Floating(Nav()));
    EXPECT_TRUE(EqualRect(&placeAtExit, &now))
        << "at exit " << Text(placeAtExit) << ", now " << Text(now);
}

TEST_F(ToolbarRoad, T4_ReleasedOverTheListTheBarFloats)
{
    const HWND nav = Nav();
    ASSERT_NE(nullptr, nav);
    RECT client = {};
    GetClientRect(Main(), &client);
    ASSERT_TRUE(UserInput::Drag(Main(), Gripper(nav), OnScreen(Centre(client))));
    ASSERT_TRUE(WaitFor([&] { return Floating(Nav()); })) << "the bar did not float";
    const HWND frame = GetAncestor(Nav(), GA_ROOT);
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_TRUE(IsWindowVisible(Nav()));
    // The frame lies where the bar was released: the cursor's point is inside it.
    const RECT rect = FrameOf(Nav());
    const POINT released = OnScreen(Centre(client));
    EXPECT_TRUE(PtInRect(&rect, released)) << Text(rect);
    placeAtExit = rect;
    ScreenShot::Save(Main(), L"toolbar-floating");
}

TEST_F(ToolbarRoad, T5_ARestartBringsTheFloatingBarBackInItsPlace)
{
    Restart();
    ASSERT_TRUE(Floating(Nav())) << "the bar came back docked";
    const RECT now = FrameOf(Nav());
    EXPECT_TRUE(EqualRect(&placeAtExit, &now))
        << "at exit " << Text(placeAtExit) << ", now " << Text(now);
    EXPECT_TRUE(IsWindowVisible(GetAncestor(Nav(), GA_ROOT)));
    // Above the main window, where the user can reach it.
    for (HWND w = GetWindow(Main(), GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV))
        if (w == GetAncestor(Nav(), GA_ROOT)) return;
    ADD_FAILURE() << "the floating bar lies under the main window";
}

TEST_F(ToolbarRoad, T6_TheProgramEndsOnClose)
{
    ASSERT_TRUE(PostMessageW(Main(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs));
}
