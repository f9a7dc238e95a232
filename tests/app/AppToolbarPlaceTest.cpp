// The main frame's toolbars moved by their grippers with the mouse keep their places across a
// restart: the navigation bar beside the main one, on another side, or floating, comes back
// there, and the status bar stays where it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "AppTestSupport.h"
#include "app/CTarnimelFrame.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DockLayoutDump.h"

namespace
{

TestApp g_app("LornivalAppToolbarTests");

// Where the user takes hold of a docked horizontal toolbar: inside its gripper strip.
const int kGripperX = 4;

class AppToolbarPlace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool initialised = false;
        if (!initialised) {
            AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
            g_app.InitApplication();
            initialised = true;
        }
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
        m_folder = std::make_unique<ScratchFolder>();
        Start();
    }
    void TearDown() override
    {
        Close();
        m_folder.reset();
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
    }

    void Start()
    {
        ASSERT_TRUE(g_app.InitInstance());
        frame = g_app.GetMainFrame();
        ASSERT_NE(nullptr, frame);
        // Above other test programs' windows: the drag asks which bar is under the cursor.
        ::SetWindowPos(frame->GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpPending();
    }
    // The user closes the window: the frame saves the state of its bars on the way.
    void Close()
    {
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        if (frame && IsWindow(frame->GetSafeHwnd())) {
            frame->PostMessage(WM_CLOSE);
            g_app.Run();
        }
        frame = nullptr;
    }

    CZAVPToolBar& Nav() { return frame->NavigationToolBar(); }
    std::string Dump() { return DockLayout::DumpLayout(frame->m_dockManager.Snapshot()); }
    CRect InFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        frame->ScreenToClient(rect);
        return rect;
    }
    CPoint Gripper(CZAVPToolBar& bar)
    {
        const CRect rect = InFrame(&bar);
        return CPoint(rect.left + kGripperX, rect.CenterPoint().y);
    }
    // A press at one point of the frame's client area, ten moves and a release at another, each
    // message to the window holding the capture, else to the bar pressed on.
    void Drag(CWnd* pWnd, CPoint from, CPoint to)
    {
        auto mouse = [&](UINT message, CPoint ptFrame) {
            CPoint pt = ptFrame;
            frame->ClientToScreen(&pt);
            ::SetCursorPos(pt.x, pt.y);
            HWND hwnd = ::GetCapture() != nullptr ? ::GetCapture() : pWnd->GetSafeHwnd();
            ::ScreenToClient(hwnd, &pt);
            ::SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                           MAKELPARAM((short)pt.x, (short)pt.y));
        };
        mouse(WM_LBUTTONDOWN, from);
        for (int i = 1; i <= 10; ++i)
            mouse(WM_MOUSEMOVE,
                  CPoint(from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10));
        mouse(WM_LBUTTONUP, to);
        PumpPending();
    }

    // Where a bar is, as the user sees it: docked on a side in a row at a rectangle of the
    // frame, or floating in a frame at a rectangle of the screen.
    std::string Place(CZAVPControlBar& bar)
    {
        char text[160];
        if (bar.IsFloating()) {
            CZAVPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame(TRUE);
            CRect rect;
            if (pMiniFrame != nullptr) pMiniFrame->GetWindowRect(rect);
            sprintf_s(text, "floating %s (%ld,%ld)-(%ld,%ld)",
                      pMiniFrame != nullptr && pMiniFrame->IsWindowVisible() ? "shown" : "hidden",
                      rect.left, rect.top, rect.right, rect.bottom);
            return text;
        }
        CZAVPDockBar* pDockBar = bar.GetParentDockBar();
        const CRect rect = InFrame(&bar);
        sprintf_s(text, "docked %x row %d (%ld,%ld)-(%ld,%ld)",
                  pDockBar ? (unsigned)pDockBar->GetCurrentAlignment() : 0u,
                  pDockBar ? pDockBar->GetRowIndex(pDockBar->FindRowByBar(&bar)) : -1, rect.left,
                  rect.top, rect.right, rect.bottom);
        return text;
    }

    std::unique_ptr<ScratchFolder> m_folder;
    CTarnimelFrame* frame = nullptr;
};

}  // namespace

TEST_F(AppToolbarPlace, AToolbarMovedByItsGripperComesBackThereAfterARestart)
{
    // Where the navigation bar's gripper is released, in the frame's client area.
    enum Where
    {
        BesideTheMainBar,
        OnTheLeftSide,
        OverTheList
    };
    struct Case
    {
        const char* name;
        Where where;
    };
    const Case cases[] = {{"beside the main bar", BesideTheMainBar},
                          {"on the left side", OnTheLeftSide},
                          {"floating", OverTheList}};
    auto target = [this](Where where) {
        CRect client;
        frame->GetClientRect(client);
        switch (where) {
        case BesideTheMainBar: return CPoint(300, InFrame(&frame->MainToolBar()).CenterPoint().y);
        case OnTheLeftSide: return CPoint(3, client.CenterPoint().y);
        default: return client.CenterPoint();
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string start = Place(Nav());
        const std::string status = Place(frame->StatusBar());
        Drag(&Nav(), Gripper(Nav()), target(c.where));
        const std::string moved = Place(Nav());
        ASSERT_NE(start, moved) << "the drag did not move the bar\n" << Dump();

        Close();
        Start();
        ASSERT_NE(nullptr, frame);
        EXPECT_EQ(moved, Place(Nav())) << Dump();
        EXPECT_EQ(status, Place(frame->StatusBar())) << Dump();
        EXPECT_TRUE(Nav().IsWindowVisible());

        // The next case starts from the first start's layout again.
        Close();
        DeleteRegistryTree(HKEY_CURRENT_USER, g_app.RegistryRoot().c_str());
        Start();
        ASSERT_EQ(start, Place(Nav()));
    }
}
