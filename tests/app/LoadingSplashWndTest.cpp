// The loading splash as a window: placed in the middle of the work area above everything,
// deaf to the keyboard and to close requests, its status line set from another thread, its
// strip moving on the timer, and its painting laid out as the picture, line, status and strip.
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <windows.h>

#include "DibCanvas.h"
#include "app/LoadingSplashWnd.h"
#include "app/JpegPicture.h"
#include "resources/AppResource.h"
#include "tests/support/MessagePump.h"

namespace
{

void PumpFor(DWORD milliseconds) { PumpMessagesFor(milliseconds); }

const DWORD kWhite = 0xFFFFFF;
const DWORD kBlack = 0x000000;

}  // namespace

TEST(LoadingSplashWnd, ShowsCentredTopmostPopup)
{
    LoadingSplashWnd splash;
    EXPECT_EQ(nullptr, splash.GetSafeHwnd());  // the constructor makes no window
    splash.Show();
    ASSERT_NE(nullptr, splash.GetSafeHwnd());

    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT r = {};
    GetWindowRect(splash.GetSafeHwnd(), &r);
    EXPECT_EQ(work.left + (work.right - work.left + 1) / 2 - 200, r.left);
    EXPECT_EQ(work.top + (work.bottom - work.top + 1) / 2 - 150, r.top);
    EXPECT_EQ(400, r.right - r.left);
    EXPECT_EQ(300, r.bottom - r.top);

    const LONG_PTR style = GetWindowLongPtrA(splash.GetSafeHwnd(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(splash.GetSafeHwnd(), GWL_EXSTYLE);
    EXPECT_EQ(WS_POPUP | WS_VISIBLE, style & (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_CHILD));
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(splash.GetSafeHwnd()));

    splash.Close();
    EXPECT_EQ(nullptr, splash.GetSafeHwnd());
}

TEST(LoadingSplashWnd, KeyboardAndCloseRequestsDoNotCloseIt)
{
    LoadingSplashWnd splash;
    splash.Show();
    const HWND hwnd = splash.GetSafeHwnd();
    ASSERT_NE(nullptr, hwnd);
    const LPARAM altDown = 1 << 29;
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    SendMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, altDown);  // Alt+F4
    SendMessageA(hwnd, WM_SYSCHAR, ' ', altDown);       // Alt+Space: the system menu
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    PumpFor(100);
    EXPECT_TRUE(IsWindow(hwnd));
    splash.Close();
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(LoadingSplashWnd, StripMovesOnTheTimer)
{
    LoadingSplashWnd splash;
    splash.Show();
    EXPECT_EQ(0.0f, splash.GetStripOffset());
    for (int i = 0; i < 200 && splash.GetStripOffset() == 0.0f; ++i) PumpFor(20);
    // Whole ticks only: each one moves the strip by 9.95 pixels.
    const float offset = splash.GetStripOffset();
    ASSERT_GT(offset, 0.0f);
    const float ticks = offset / 9.95f;
    EXPECT_NEAR(ticks, static_cast<float>(static_cast<int>(ticks + 0.5f)), 1e-3f);
    splash.Close();
}

TEST(LoadingSplashWnd, StatusTextFromAnotherThread)
{
    LoadingSplashWnd splash;
    splash.Show();
    LoadingSplashStatus* status = &splash;
    std::atomic<bool> done(false);
    // The loader thread writes while this thread paints and runs the timer.
    std::thread loader([&] {
        char text[32];
        for (int i = 0; i < 300; ++i) {
            wsprintfA(text, "step %d", i);
            status->SetStatusText(text);
        }
        status->SetStatusText("\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0");  // "Загрузка" in code page 1251
        done = true;
    });
    while (!done) {
        InvalidateRect(splash.GetSafeHwnd(), nullptr, FALSE);
        PumpFor(10);
    }
    loader.join();
    EXPECT_STREQ("\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0", splash.GetStatusText());
    splash.Close();
    // Without a window the text is still kept (the loader may outlive the splash window).
    splash.SetStatusText("after");
    EXPECT_STREQ("after", splash.GetStatusText());
}

TEST(LoadingSplashWnd, PaintsPictureRuleStatusLineAndStrip)
{
    LoadingSplashWnd splash;
    DibCanvas canvas(400, 300);
    CDC* dc = CDC::FromHandle(canvas.dc());
    const RECT all = {0, 0, 400, 300};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    splash.Draw(dc);

    // The picture at 1:1 above the status line.
    JpegPicture picture(IDR_SPLASH_PICTURE);
    ASSERT_FALSE(picture.IsEmpty());
    for (POINT p : {POINT{5, 5}, POINT{200, 100}, POINT{390, 260}}) {
        const BYTE* bgr = &picture.Pixels()[p.y * JpegPicture::RowBytes(400) + p.x * 3];
        EXPECT_EQ(DWORD(bgr[2] << 16 | bgr[1] << 8 | bgr[0]), canvas.At(p.x, p.y))
            << p.x << "," << p.y;
    }
    // The rule from x = 1 to the right edge; the white status band 1..398 x 278..289, empty text.
    EXPECT_EQ(kBlack, canvas.At(1, 291));
    EXPECT_EQ(kBlack, canvas.At(399, 291));
    for (int y = 278; y < 290; ++y)
        for (int x = 1; x < 399; ++x) ASSERT_EQ(kWhite, canvas.At(x, y)) << x << "," << y;

    // The strip at offset 0: the bitmap as it is, at (1, 292).
    HBITMAP strip = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH_STRIP));
    ASSERT_NE(nullptr, strip);
    HDC stripDC = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(stripDC, strip);
    for (int y = 0; y < 7; ++y)
        for (int x : {0, 5, 100, 397}) {
            EXPECT_EQ(DibCanvas::Rgb(GetPixel(stripDC, x, y)), canvas.At(1 + x, 292 + y))
                << x << "," << y;
        }
    SelectObject(stripDC, old);
    DeleteDC(stripDC);
    DeleteObject(strip);

    // A status text is written in black inside the band, from x = 10.
    splash.SetStatusText("\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0...");
    splash.Draw(dc);
    int dark = 0;
    for (int y = 278; y < 290; ++y)
        for (int x = 1; x < 399; ++x)
            if (canvas.At(x, y) != kWhite) {
                ++dark;
                EXPECT_GE(x, 10);
                EXPECT_LT(x, 120);
            }
    EXPECT_GT(dark, 20);
}
