// The window procedure and message maps: handler look-up through base maps, the creation hook
// on DefWindowProc classes, exceptions stopped at the dispatcher, self-deletion after the
// outermost message, reflection of a child's notifications, and the handle maps.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CFileException.h"
#include "framework/CGdiObject.h"
#include "framework/CHandleMap.h"
#include "framework/CImageList.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/windows/WindowTestSupport.h"
#include "support/ExpectedFaults.h"

using wintest::EventLog;
using wintest::PumpPending;

namespace
{

const UINT WM_TEST_A = WM_APP + 1;
const UINT WM_TEST_B = WM_APP + 2;
const UINT WM_TEST_THROW = WM_APP + 3;
const UINT WM_TEST_THROW_STD = WM_APP + 4;
const UINT WM_TEST_THROW_ANY = WM_APP + 5;
UINT g_registeredMessage = ::RegisterWindowMessageA("LornivalTest.Registered");

class BaseWnd : public CWnd
{
public:
    EventLog log;
    LRESULT OnA(WPARAM w, LPARAM)
    {
        log.Add("base-a" + std::to_string(w));
        return 10;
    }
    LRESULT OnB(WPARAM, LPARAM)
    {
        log.Add("base-b");
        return 20;
    }
    void OnSize(UINT, int cx, int cy)
    {
        log.Add("size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
ON_MESSAGE(WM_TEST_A, &BaseWnd::OnA)
ON_MESSAGE(WM_TEST_B, &BaseWnd::OnB)
ON_WM_SIZE()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd
{
public:
    LRESULT OnA2(WPARAM w, LPARAM)
    {
        log.Add("derived-a" + std::to_string(w));
        return 11;
    }
    LRESULT OnRegistered(WPARAM, LPARAM l)
    {
        log.Add("registered");
        return l * 2;
    }
    LRESULT OnThrow(WPARAM, LPARAM) { throw new CFileException(CFileException::fileNotFound); }
    LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("boom"); }
    LRESULT OnThrowAny(WPARAM, LPARAM) { throw 42; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
ON_MESSAGE(WM_TEST_A, &DerivedWnd::OnA2)
ON_REGISTERED_MESSAGE(g_registeredMessage, &DerivedWnd::OnRegistered)
ON_MESSAGE(WM_TEST_THROW, &DerivedWnd::OnThrow)
ON_MESSAGE(WM_TEST_THROW_STD, &DerivedWnd::OnThrowStd)
ON_MESSAGE(WM_TEST_THROW_ANY, &DerivedWnd::OnThrowAny)
END_MESSAGE_MAP()

TEST(Dispatch, DerivedMapWinsAndBaseMapsStillAnswer)
{
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "t", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    wnd.log.events.clear();                        // creation's own WM_SIZE
    EXPECT_EQ(11, wnd.SendMessage(WM_TEST_A, 7));  // the derived entry hides the base one
    EXPECT_EQ(20, wnd.SendMessage(WM_TEST_B));     // the base map answers what the derived lacks
    EXPECT_EQ(84, wnd.SendMessage(g_registeredMessage, 0, 42));
    wnd.MoveWindow(0, 0, 30, 20);
    EXPECT_EQ("derived-a7 base-b registered size 30x20", wnd.log.Joined());
    wnd.DestroyWindow();
}

TEST(Dispatch, ExceptionsStopAtTheWindowProcedure)
{
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "t", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    wnd.log.events.clear();
    ExpectedFaults faults;
    // A framework exception, a standard one and anything else: each gives 0 and the program goes on.
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW_STD));
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW_ANY));
    // Posted messages reach the handler through DispatchMessage: the same.
    wnd.PostMessage(WM_TEST_THROW);
    wnd.PostMessage(WM_TEST_A, 1);
    PumpPending();
    EXPECT_EQ("derived-a1", wnd.log.Joined());
    // Each was reported; none of them is a hardware fault.
    EXPECT_EQ(4, faults.DispatcherReports());
    EXPECT_EQ(0, faults.HardwareFaults());
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.DestroyWindow();
}

class ThrowOnCreate : public CWnd
{
public:
    int OnCreate(LPCREATESTRUCT) { throw std::runtime_error("no"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ThrowOnCreate, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Dispatch, ExceptionInCreateFailsTheCreation)
{
    ThrowOnCreate wnd;
    ExpectedFaults faults;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, faults.DispatcherReports());
}

// A class registered with DefWindowProc, as the library registers its bar classes.
class RecordingWnd : public CWnd
{
public:
    EventLog log;
    BOOL OnNcCreate(LPCREATESTRUCT cs)
    {
        log.Add("nccreate");
        return CWnd::OnNcCreate(cs);
    }
    int OnCreate(LPCREATESTRUCT cs)
    {
        log.Add("create");
        return CWnd::OnCreate(cs);
    }
    void OnPaint()
    {
        CPaintDC dc(this);
        log.Add("paint");
    }
    void OnDestroy()
    {
        log.Add("destroy");
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(Dispatch, DefWindowProcClassStillReachesItsObjectFromNcCreate)
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "LornivalTest:DefProcClass";
    ::RegisterClassA(&wc);

    RecordingWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "p", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, wc.lpszClassName, "w", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                             parent.m_hWnd, (HMENU)7));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.Invalidate();
    wnd.UpdateWindow();
    wnd.DestroyWindow();
    EXPECT_EQ("nccreate create paint destroy", wnd.log.Joined());
    // The window was handed back its own procedure and forgotten by the map.
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    parent.DestroyWindow();
}

// Deletes itself after its window goes, as bars and views do.
class SelfDeleting : public CWnd
{
public:
    static int s_alive;
    static EventLog* s_log;
    SelfDeleting() { ++s_alive; }
    ~SelfDeleting() override
    {
        --s_alive;
        s_log->Add("deleted");
    }
    void PostNcDestroy() override
    {
        s_log->Add("post-nc-destroy");
        delete this;
    }
    LRESULT OnCloseNow(WPARAM, LPARAM)
    {
        DestroyWindow();
        // Still alive inside the message that destroyed the window.
        s_log->Add("after-destroy alive=" + std::to_string(s_alive));
        m_nModalResult = 5;  // touching a member here must be safe
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};
int SelfDeleting::s_alive = 0;
EventLog* SelfDeleting::s_log = nullptr;
BEGIN_MESSAGE_MAP(SelfDeleting, CWnd)
ON_MESSAGE(WM_TEST_A, &SelfDeleting::OnCloseNow)
END_MESSAGE_MAP()

TEST(Dispatch, SelfDeletionWaitsForTheOutermostMessage)
{
    EventLog log;
    SelfDeleting::s_log = &log;
    auto* p = new SelfDeleting;
    ASSERT_TRUE(p->CreateEx(0, nullptr, "s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND h = p->m_hWnd;
    EXPECT_EQ(1, ::SendMessageA(h, WM_TEST_A, 0, 0));
    EXPECT_EQ("after-destroy alive=1 post-nc-destroy deleted", log.Joined());
    EXPECT_EQ(0, SelfDeleting::s_alive);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));

    // Destroyed from outside any of its messages: deleted as soon as WM_NCDESTROY returns.
    log.events.clear();
    p = new SelfDeleting;
    ASSERT_TRUE(p->CreateEx(0, nullptr, "s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    p->DestroyWindow();
    EXPECT_EQ("post-nc-destroy deleted", log.Joined());
    EXPECT_EQ(0, SelfDeleting::s_alive);
}

// A window whose WM_DESTROY handler faults. The system stops such a fault where it called the
// window procedure and goes on as if the message had returned, past the dispatcher's own
// bookkeeping.
class Faulting : public CWnd
{
public:
    void OnDestroy() { *static_cast<volatile int*>(s_pNowhere) = 1; }
    static void* s_pNowhere;
    DECLARE_MESSAGE_MAP()
};
void* Faulting::s_pNowhere = nullptr;
BEGIN_MESSAGE_MAP(Faulting, CWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void DestroyFaulting(CWnd& wnd) { wnd.DestroyWindow(); }

#ifdef _WIN64
// (A 32-bit program may end there instead.)
TEST(Dispatch, AMessageThatNeverReturnedLeavesTheDispatcherSound)
{
    Faulting first, second;
    ASSERT_TRUE(first.CreateEx(0, nullptr, "f", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(second.CreateEx(0, nullptr, "f", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    {
        ExpectedFaults faults;
        // The same call twice: the second dispatch stands where the first one was left.
        DestroyFaulting(first);
        DestroyFaulting(second);
        EXPECT_EQ(2, faults.HardwareFaults());
        EXPECT_LE(2, faults.DispatcherReports());  // each message that never returned was told
    }
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_EQ(nullptr, second.m_hWnd);
    DerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "t", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    EXPECT_EQ(20, wnd.SendMessage(WM_TEST_B));
    wnd.DestroyWindow();
    // Self-deleting windows still go once their last message returns.
    EventLog log;
    SelfDeleting::s_log = &log;
    auto* p = new SelfDeleting;
    ASSERT_TRUE(p->CreateEx(0, nullptr, "s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(1, ::SendMessageA(p->m_hWnd, WM_TEST_A, 0, 0));
    EXPECT_EQ("after-destroy alive=1 post-nc-destroy deleted", log.Joined());
}
#endif

// ---- reflection

const UINT IDC_REFLECTING = 101;
const UINT IDC_PLAIN = 102;

class ReflectingButton : public CButton
{
public:
    EventLog* log = nullptr;
    void OnClicked() { log->Add("child-clicked"); }
    HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        log->Add("child-ctlcolor" + std::to_string(nCtlColor));
        return (HBRUSH)::GetStockObject(BLACK_BRUSH);
    }
    void OnCustomDraw(NMHDR*, LRESULT* pResult)
    {
        log->Add("child-notify");
        *pResult = 77;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingButton::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &ReflectingButton::OnCustomDraw)
END_MESSAGE_MAP()

class ParentWnd : public CWnd
{
public:
    EventLog log;
    void OnReflectingClicked() { log.Add("parent-reflecting-clicked"); }
    void OnPlainClicked() { log.Add("parent-plain-clicked"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ParentWnd, CWnd)
ON_BN_CLICKED(IDC_REFLECTING, &ParentWnd::OnReflectingClicked)
ON_BN_CLICKED(IDC_PLAIN, &ParentWnd::OnPlainClicked)
END_MESSAGE_MAP()

TEST(Dispatch, ChildNotificationsAreReflectedBeforeTheParentSeesThem)
{
    ParentWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "p", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    ReflectingButton reflecting;
    reflecting.log = &parent.log;
    ASSERT_TRUE(reflecting.Create("r", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20),
                                  &parent, IDC_REFLECTING));
    CButton plain;
    ASSERT_TRUE(plain.Create("p", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(60, 0, 110, 20),
                             &parent, IDC_PLAIN));

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_REFLECTING, BN_CLICKED),
                       (LPARAM)reflecting.m_hWnd);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PLAIN, BN_CLICKED), (LPARAM)plain.m_hWnd);
    HDC hdc = ::GetDC(reflecting.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hdc, (LPARAM)reflecting.m_hWnd);
    ::ReleaseDC(reflecting.m_hWnd, hdc);
    NMHDR nm = {reflecting.m_hWnd, IDC_REFLECTING, (UINT)NM_CUSTOMDRAW};
    LRESULT notifyResult = parent.SendMessage(WM_NOTIFY, IDC_REFLECTING, (LPARAM)&nm);

    EXPECT_EQ("child-clicked parent-plain-clicked child-ctlcolor" + std::to_string(CTLCOLOR_BTN) +
                  " child-notify",
              parent.log.Joined());
    EXPECT_EQ((LRESULT)::GetStockObject(BLACK_BRUSH), brush);
    EXPECT_EQ(77, notifyResult);
    parent.DestroyWindow();
}

// ---- handle maps

TEST(HandleMaps, TemporaryWrappersLiveUntilTheThreadIsIdle)
{
    HWND h = ::CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    CWnd* temp = CWnd::FromHandle(h);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(h, temp->m_hWnd);
    EXPECT_EQ(temp, CWnd::FromHandle(h));  // one wrapper per handle
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(h));  // the handle is not the wrapper's to destroy

    CWnd attached;
    attached.Attach(h);
    EXPECT_EQ(&attached, CWnd::FromHandle(h));
    EXPECT_EQ(&attached, CWnd::FromHandlePermanent(h));
    EXPECT_EQ(h, attached.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    ::DestroyWindow(h);
}

// A missing parent, owner, DC, brush, image list or menu is passed on as a null handle; the free
// getters test the pointer before they touch the object.
TEST(HandleMaps, FreeGettersPassNullPointersOnAsNullHandles)
{
    EXPECT_EQ(nullptr, AfxGetSafeHwnd(static_cast<CWnd*>(nullptr)));
    EXPECT_EQ(nullptr, AfxGetSafeHdc(static_cast<CDC*>(nullptr)));
    EXPECT_EQ(nullptr, AfxGetSafeHandle(static_cast<CBrush*>(nullptr)));
    EXPECT_EQ(nullptr, AfxGetSafeHandle(static_cast<CImageList*>(nullptr)));
    EXPECT_EQ(nullptr, AfxGetSafeHmenu(static_cast<CMenu*>(nullptr)));

    CWnd window;
    HWND h = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
    ASSERT_NE(nullptr, h);
    window.Attach(h);
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(1, 2, 3)));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_EQ(h, AfxGetSafeHwnd(&window));
    EXPECT_EQ(brush.m_hObject, AfxGetSafeHandle(&brush));
    EXPECT_EQ(menu.m_hMenu, AfxGetSafeHmenu(&menu));
    // A parent given as a null pointer creates a top-level window, as a null HWND does.
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    EXPECT_EQ(nullptr, ::GetParent(child.m_hWnd));
    child.DestroyWindow();
    ::DestroyWindow(window.Detach());
}

// Threads asking at once for one combination all get one registered name; another combination
// gets another name.
TEST(WindowClasses, OneNamePerCombinationAcrossThreads)
{
    constexpr int kThreads = 4;
    const HBRUSH brush = (HBRUSH)(COLOR_INFOBK + 1);  // a combination no other test registers
    LPCSTR names[kThreads] = {};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back(
            [&names, brush, i] { names[i] = AfxRegisterWndClass(CS_HREDRAW, nullptr, brush); });
    for (auto& t : threads) t.join();
    for (int i = 1; i < kThreads; ++i) EXPECT_EQ(names[0], names[i]);
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), names[0], &wc));
    EXPECT_EQ(brush, wc.hbrBackground);
    EXPECT_EQ((UINT)CS_HREDRAW, wc.style);
    LPCSTR other = AfxRegisterWndClass(CS_VREDRAW, nullptr, brush);
    EXPECT_NE(names[0], other);
    EXPECT_STRNE(names[0], other);
}

// Threads that end with temporary wrappers in their maps: each had its own wrappers, they go with
// the thread, and this thread's wrapper of the same handle stays. (Kept in thread_local maps, the
// 32-bit build freed freed memory when such a thread ended.)
TEST(HandleMaps, ThreadsEndWithTheirOwnTemporaryWrappers)
{
    const HDC screen = ::GetDC(nullptr);
    ASSERT_NE(nullptr, screen);
    CDC* mine = CDC::FromHandle(screen);
    const int kThreads = 8;
    for (int i = 0; i < kThreads; ++i) {
        CDC* theirs = nullptr;
        HDC theirHandle = nullptr;
        std::thread worker([&] {
            theirs = CDC::FromHandle(screen);
            theirHandle = theirs->GetSafeHdc();
            CDC attached;  // an Attach and a Detach on the worker, as the splash does
            attached.Attach(::GetDC(nullptr));
            ::ReleaseDC(nullptr, attached.Detach());
            CWnd::FromHandle(::GetDesktopWindow());
        });
        worker.join();
        EXPECT_NE(mine, theirs) << i;
        EXPECT_EQ(screen, theirHandle) << i;
    }
    EXPECT_EQ(mine, CDC::FromHandle(screen));
    EXPECT_EQ(screen, mine->GetSafeHdc());
    AfxDeleteTempMaps();
    ::ReleaseDC(nullptr, screen);
}

}  // namespace
