// The global data block: stored colours against the system's, the light brush at both colour
// depths, the fonts it builds, the parent-background fallback and a clean-up that may run twice.
#include <gtest/gtest.h>

#include <thread>

#include "MemoryDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "framework/CFrameWnd.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPUiThread.h"

TEST(GlobalData, GetColorAnswersStoredColoursAndAsksTheSystemForOthers)
{
    const COLORREF saved = globalData.clrBtnFace;
    globalData.clrBtnFace = RGB(1, 2, 3);  // as if the system colour changed after the last update
    EXPECT_EQ(RGB(1, 2, 3), globalData.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSysColor(COLOR_MENU), globalData.GetColor(COLOR_MENU));
    EXPECT_EQ(globalData.clrBarWindow, globalData.GetColor(COLOR_WINDOW));
    globalData.clrBtnFace = saved;
    globalData.UpdateSysColors();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), globalData.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(RGB(0, 0, 255), globalData.clrHotText);
    // The bar set starts as the button set.
    EXPECT_EQ(globalData.clrBtnFace, globalData.clrBarFace);
    EXPECT_EQ(globalData.clrBtnDkShadow, globalData.clrBarDkShadow);
}

TEST(GlobalData, LightBrushIsTheMidColourOrACheckerboard)
{
    const COLORREF face = RGB(200, 100, 50), hilite = RGB(255, 255, 255);
    CBrush solid, pattern;
    CZAVPGlobalData::CreateLightBrush(solid, 32, face, hilite);
    CZAVPGlobalData::CreateLightBrush(pattern, 8, face, hilite);
    MemoryDC dc(8, 8);
    dc->FillRect(CRect(0, 0, 8, 8), &solid);
    // face + (highlight - face) / 2, truncated, per channel.
    EXPECT_EQ(RGB(227, 177, 152), dc.Pixel(3, 3));
    dc->FillRect(CRect(0, 0, 8, 8), &pattern);
    const COLORREF a = dc.Pixel(0, 0), b = dc.Pixel(1, 0);
    EXPECT_NE(a, b);
    EXPECT_TRUE((a == face && b == hilite) || (a == hilite && b == face));
    EXPECT_EQ(a, dc.Pixel(1, 1));  // the next row is shifted by one
    EXPECT_EQ(b, dc.Pixel(0, 1));
}

TEST(GlobalData, FontsAndTextHeights)
{
    ASSERT_NE(nullptr, globalData.fontRegular.GetSafeHandle());
    ASSERT_NE(nullptr, globalData.fontBold.GetSafeHandle());
    LOGFONTA regular = {}, bold = {}, underline = {}, marlett = {};
    globalData.fontRegular.GetLogFont(&regular);
    globalData.fontBold.GetLogFont(&bold);
    globalData.fontUnderline.GetLogFont(&underline);
    globalData.fontMarlett.GetLogFont(&marlett);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_TRUE(underline.lfUnderline);
    EXPECT_EQ(SYMBOL_CHARSET, marlett.lfCharSet);
    EXPECT_STREQ("Marlett", marlett.lfFaceName);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENUCHECK) - 1, marlett.lfHeight);
    EXPECT_EQ(regular.lfHeight, bold.lfHeight);
    if (globalData.fontVert.GetSafeHandle()) {
        LOGFONTA vert = {}, reverse = {};
        globalData.fontVert.GetLogFont(&vert);
        globalData.fontVertCaption.GetLogFont(&reverse);
        EXPECT_EQ(2700, vert.lfEscapement);
        EXPECT_EQ(900, reverse.lfEscapement);
        EXPECT_STREQ("Arial", vert.lfFaceName);
    }
    EXPECT_GT(globalData.m_nTextHeightHorz, 2);
    EXPECT_EQ(-1, globalData.m_nMaxToolTipWidth);
    EXPECT_EQ(4, globalData.m_nDragFrameThicknessFloat);
    EXPECT_EQ(50, globalData.m_nCoveredMainWndClientAreaPercent);
}

namespace
{
// A parent whose background is red left of x = 15 and blue from there on.
LRESULT CALLBACK SplitParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND || msg == WM_PRINTCLIENT) {
        HDC hdc = (HDC)wParam;
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
        const RECT left = {0, 0, 15, 100}, right = {15, 0, 100, 100};
        FillRect(hdc, &left, red);
        FillRect(hdc, &right, blue);
        DeleteObject(red);
        DeleteObject(blue);
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

TEST(GlobalData, ParentBackgroundIsPaintedAtTheChildsPlace)
{
    HWND parent = CreateWindowA(TestWindowClass("LornivalSplitParent", SplitParentProc), "",
                                WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                nullptr);
    HWND child = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, parent, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(nullptr, child);
    MemoryDC dc(10, 10, RGB(0, 255, 0));
    globalData.DrawParentBackground(CWnd::FromHandle(child), &dc.DC());
    // The child's x 0..4 lies left of the parent's x 15, its x 5..9 right of it.
    EXPECT_EQ(RGB(255, 0, 0), dc.Pixel(2, 5));
    EXPECT_EQ(RGB(0, 0, 255), dc.Pixel(7, 5));
    DestroyWindow(parent);
}

TEST(GlobalData, CleanUpMayRunTwice)
{
    CZAVPGlobalData data;
    data.m_hinstUXThemeDLL = LoadLibraryA("UxTheme.dll");
    data.CleanUp();
    data.CleanUp();
    EXPECT_EQ(nullptr, data.m_hinstUXThemeDLL);
    EXPECT_EQ(nullptr, data.fontRegular.GetSafeHandle());
    EXPECT_EQ(nullptr, data.brLight.GetSafeHandle());
}

namespace
{
// A mini frame of the test that belongs to a frame window it is not a child of.
class OwnedMiniFrame : public CZAVPMiniFrameWnd
{
public:
    void BelongTo(HWND hFrame) { m_hParentWnd = hFrame; }
};
}  // namespace

TEST(GlobalData, ParentFrameOfAChildAndOfABarInAFloatingMiniFrame)
{
    EXPECT_EQ(nullptr, CZAVPGlobalData::GetParentFrameOf(nullptr));
    CWnd unmade;
    EXPECT_EQ(nullptr, CZAVPGlobalData::GetParentFrameOf(&unmade));

    CFrameWnd* pFrame = new CFrameWnd;  // a frame deletes itself when its window goes
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame"));
    CWnd child, grandchild;
    ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD, CRect(0, 0, 50, 50), pFrame, 1));
    ASSERT_TRUE(grandchild.Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &child, 2));
    EXPECT_EQ(pFrame, CZAVPGlobalData::GetParentFrameOf(&grandchild));

    // A floating mini frame is a top-level window: the search goes on with the frame it belongs to.
    OwnedMiniFrame& mini = *new OwnedMiniFrame;  // deletes itself with its window
    ASSERT_TRUE(
        mini.CreateEx(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, CRect(0, 0, 60, 60), nullptr, 0));
    mini.BelongTo(pFrame->GetSafeHwnd());
    CWnd bar;
    ASSERT_TRUE(bar.Create("STATIC", "", WS_CHILD, CRect(0, 0, 20, 20), &mini, 3));
    EXPECT_EQ(pFrame, CZAVPGlobalData::GetParentFrameOf(&bar));
    mini.BelongTo(nullptr);
    EXPECT_EQ(nullptr, CZAVPGlobalData::GetParentFrameOf(&bar));

    bar.DestroyWindow();
    mini.DestroyWindow();
    grandchild.DestroyWindow();
    child.DestroyWindow();
    pFrame->DestroyWindow();
}

// The library's unlocked globals belong to the thread that first asked; a worker is never it.
TEST(UiThread, TheFirstThreadToAskIsTheUiThreadAndNoOtherIs)
{
    EXPECT_TRUE(ZAVPUiThread::IsCurrent());
    BOOL workerIsUiThread = TRUE;
    std::thread worker([&workerIsUiThread] { workerIsUiThread = ZAVPUiThread::IsCurrent(); });
    worker.join();
    EXPECT_FALSE(workerIsUiThread);
    EXPECT_TRUE(ZAVPUiThread::IsCurrent());
}
