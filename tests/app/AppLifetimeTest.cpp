// How the application starts and ends without its windows: the single-instance mutex, the local
// loop of an in-place edit and the quit thread that ends every local loop at shut-down.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <new>
#include <string>
#include <thread>

#include "app/InstanceMutex.h"
#include "app/ModalEditLoop.h"
#include "app/QuitNudger.h"

namespace
{

// A message-only window whose WM_APP handler counts and may end the edit loop.
struct LoopWindow
{
    static LoopWindow* current;
    ModalEditLoop loop;
    int handled = 0;
    int endAfter = -1;  // End the loop when this many WM_APP were handled
    HWND hwnd = nullptr;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP && current) {
            if (++current->handled == current->endAfter) current->loop.End();
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LoopWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LornivalEditLoopTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
        current = this;
    }
    ~LoopWindow()
    {
        current = nullptr;
        DestroyWindow(hwnd);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void Post(int count)
    {
        for (int i = 0; i < count; ++i) PostMessageA(hwnd, WM_APP, 0, 0);
    }
};
LoopWindow* LoopWindow::current = nullptr;

bool QuitWaiting(WPARAM* code = nullptr)
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    if (code) *code = msg.wParam;
    return true;
}

TEST(ModalEditLoop, EndingTheEditEndsTheLoopWithoutAQuit)
{
    LoopWindow w;
    ASSERT_NE(nullptr, w.hwnd);
    w.endAfter = 2;
    w.loop.Begin();
    w.Post(3);
    EXPECT_TRUE(w.loop.Run());
    EXPECT_EQ(2, w.handled);  // the loop stopped after the message that ended the edit
    EXPECT_FALSE(w.loop.Running());
    EXPECT_FALSE(QuitWaiting());  // the application's loop would go on

    // An edit that ends before its loop is entered (focus lost at once): the loop returns at
    // once, and nothing is left for the application's loop to quit on either.
    w.handled = 0;
    w.endAfter = -1;
    w.loop.Begin();
    w.loop.End();
    w.Post(1);
    EXPECT_TRUE(w.loop.Run());
    EXPECT_EQ(0, w.handled);
    EXPECT_FALSE(QuitWaiting());
}

TEST(ModalEditLoop, AQuitEndsTheLoopAndIsKeptForTheApplication)
{
    LoopWindow w;
    w.loop.Begin();
    w.Post(1);
    PostQuitMessage(7);
    EXPECT_FALSE(w.loop.Run());
    EXPECT_FALSE(w.loop.Running());
    WPARAM code = 0;
    EXPECT_TRUE(QuitWaiting(&code));
    EXPECT_EQ(7u, code);
}

// The loop's owner destroyed by a message the loop dispatches, as a view is when the main window
// closes during an edit. The loop lives in a buffer that its destruction fills with a pattern, so
// a loop that still reads or writes its object after the dispatch shows in the buffer.
struct DoomedLoopOwner
{
    static DoomedLoopOwner* current;
    alignas(ModalEditLoop) unsigned char storage[sizeof(ModalEditLoop)];
    ModalEditLoop* loop = new (storage) ModalEditLoop;
    HWND hwnd = nullptr;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP && current) {
            current->loop->End();  // the view's destruction ends the edit first
            current->loop->~ModalEditLoop();
            std::memset(current->storage, 0xAB, sizeof(current->storage));
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};
DoomedLoopOwner* DoomedLoopOwner::current = nullptr;

TEST(ModalEditLoop, ALoopWhoseOwnerIsDestroyedMeanwhileTouchesItNoMore)
{
    DoomedLoopOwner owner;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DoomedLoopOwner::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LornivalDoomedLoopTest";
    RegisterClassA(&wc);
    owner.hwnd = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
    ASSERT_NE(nullptr, owner.hwnd);
    DoomedLoopOwner::current = &owner;
    owner.loop->Begin();
    PostMessageA(owner.hwnd, WM_APP, 0, 0);
    EXPECT_TRUE(owner.loop->Run());
    DoomedLoopOwner::current = nullptr;
    DestroyWindow(owner.hwnd);
    for (unsigned char byte : owner.storage) EXPECT_EQ(0xAB, byte);
    EXPECT_FALSE(QuitWaiting());
}

TEST(InstanceMutex, ASecondCopyHoldsNothingAndLetsGo)
{
    const std::string name = "LornivalTest.Mutex." + std::to_string(GetCurrentProcessId());
    InstanceMutex first, second, third;
    ASSERT_TRUE(first.Acquire(name.c_str()));
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(second.Acquire(name.c_str()));
    EXPECT_FALSE(second.Held());
    // Once the first copy lets go, a new copy may start: the refused one kept no handle that
    // would keep the mutex alive.
    first.Close();
    EXPECT_FALSE(first.Held());
    EXPECT_TRUE(third.Acquire(name.c_str()));
    EXPECT_STREQ("rimsel.Lornival.Mutex", InstanceMutex::DefaultName);
}

// Waits for a WM_QUIT posted to this thread, giving up after a long while.
bool ReceiveQuit()
{
    const DWORD giveUpMs = 10000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < giveUpMs) {
        if (QuitWaiting()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_POSTMESSAGE);
    }
    return false;
}

TEST(QuitNudger, PostsQuitUntilTheApplicationHasEnded)
{
    HANDLE shutdown = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // this thread's queue exists
    std::thread nudger(QuitNudger::Run, GetCurrentThreadId(), shutdown);
    // One local loop after another is left, as long as the application has not ended.
    EXPECT_TRUE(ReceiveQuit());
    EXPECT_TRUE(ReceiveQuit());
    SetEvent(shutdown);
    nudger.join();  // returns only because the body ended on the event
    while (QuitWaiting()) {
    }

    ASSERT_TRUE(QuitNudger::Start(GetCurrentThreadId(), shutdown));
    EXPECT_TRUE(ReceiveQuit());
    SetEvent(shutdown);
    Sleep(3 * QuitNudger::IntervalMs);  // lets the thread see the event before the handle goes
    CloseHandle(shutdown);
    while (QuitWaiting()) {
    }
}

}  // namespace
