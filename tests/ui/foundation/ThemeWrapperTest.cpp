// Theme access: the classes opened and closed in their orders, the parts and rectangles drawn,
// and the fallbacks, through a wrapper over recording entry points; and the real library, whose
// operations must report FALSE whenever a theme is not open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPThemeWrapper.h"

namespace
{
struct DrawCall
{
    HTHEME_ZAVP hTheme;
    int nPart, nState;
    CRect rect;
};

std::vector<std::wstring> g_opened;
std::vector<HTHEME_ZAVP> g_closed;
std::vector<DrawCall> g_draws;
std::vector<std::wstring> g_available;  // classes whose theme opens

HTHEME_ZAVP WINAPI FakeOpen(HWND, LPCWSTR name)
{
    g_opened.push_back(name);
    for (size_t i = 0; i < g_available.size(); ++i)
        if (g_available[i] == name) return (HTHEME_ZAVP)(INT_PTR)(0x100 + g_opened.size());
    return nullptr;
}
HRESULT WINAPI FakeClose(HTHEME_ZAVP h)
{
    g_closed.push_back(h);
    return S_OK;
}
HRESULT WINAPI FakeDraw(HTHEME_ZAVP h, HDC, int part, int state, const RECT* rect, const RECT*)
{
    g_draws.push_back({h, part, state, CRect(*rect)});
    return S_OK;
}

// A wrapper over the recording entry points, with the given classes available.
class RecordingWrapper : public CZAVPThemeWrapper
{
public:
    explicit RecordingWrapper(std::vector<std::wstring> available) : CZAVPThemeWrapper(NoLibrary())
    {
        g_opened.clear();
        g_closed.clear();
        g_draws.clear();
        g_available = std::move(available);
        m_pfnOpenThemeData = FakeOpen;
        m_pfnCloseThemeData = FakeClose;
        m_pfnDrawThemeBackground = FakeDraw;
        UpdateSystemColors();
    }
    ~RecordingWrapper() override { CleanUp(); }
};
}  // namespace

TEST(ThemeWrapper, OpensTheFourteenClassesInOrderAndClosesThemInItsOwn)
{
    {
        RecordingWrapper wrapper({L"TOOLBAR", L"BUTTON", L"STATUS", L"REBAR", L"HEADER"});
        const std::vector<std::wstring> expected = {
            L"TOOLBAR",  L"REBAR",      L"BUTTON",   L"STATUS",    L"WINDOW",
            L"COMBOBOX", L"PROGRESS",   L"HEADER",   L"SCROLLBAR", L"EXPLORERBAR",
            L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR"};
        EXPECT_EQ(expected, g_opened);
        EXPECT_TRUE(wrapper.IsThemeOpen(CZAVPThemeWrapper::ThemeButton));
        EXPECT_FALSE(wrapper.IsThemeOpen(CZAVPThemeWrapper::ThemeProgress));
        g_closed.clear();
    }
    // Handles were numbered by opening order: toolbar 1, rebar 2, button 3, status 4, header 8.
    const std::vector<HTHEME_ZAVP> order = {(HTHEME_ZAVP)0x101, (HTHEME_ZAVP)0x102,
                                            (HTHEME_ZAVP)0x104, (HTHEME_ZAVP)0x103,
                                            (HTHEME_ZAVP)0x108};
    EXPECT_EQ(order, g_closed);
}

TEST(ThemeWrapper, ProgressDrawsTheBarThenTheChunkOnTheShrunkRectangle)
{
    RecordingWrapper wrapper({L"PROGRESS"});
    MemoryDC dc(120, 20);
    EXPECT_TRUE(wrapper.DrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 106, 20), 100, 50, 0,
                                              0, 0, FALSE));
    ASSERT_EQ(2u, g_draws.size());
    EXPECT_EQ(1, g_draws[0].nPart);
    EXPECT_EQ(CRect(0, 0, 106, 20), g_draws[0].rect);
    EXPECT_EQ(3, g_draws[1].nPart);
    EXPECT_EQ(CRect(3, 3, 53, 17), g_draws[1].rect);  // 100 wide after the inset, half of it filled

    g_draws.clear();
    EXPECT_TRUE(wrapper.DrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 106, 20), 0, 0, 0, 0,
                                              0, TRUE));
    EXPECT_EQ(1u, g_draws.size());  // a total of 0: only the empty bar
}

TEST(ThemeWrapper, ClosedThemesDrawNothingAndReportIt)
{
    RecordingWrapper wrapper({});
    MemoryDC dc(20, 20);
    EXPECT_FALSE(wrapper.DrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 20, 20), 10, 5, 0, 0,
                                               0, TRUE));
    EXPECT_FALSE(wrapper.DrawPushButton(&dc.DC(), CRect(0, 0, 20, 20), nullptr, 0));
    EXPECT_FALSE(
        wrapper.DrawThemePart(CZAVPThemeWrapper::ThemeToolbar, &dc.DC(), 1, 1, CRect(0, 0, 5, 5)));
    EXPECT_TRUE(g_draws.empty());
}

TEST(ThemeWrapper, PushButtonWithoutAWindowIsNormal)
{
    RecordingWrapper wrapper({L"BUTTON"});
    MemoryDC dc(20, 20);
    EXPECT_TRUE(wrapper.DrawPushButton(&dc.DC(), CRect(1, 2, 19, 18), nullptr, 0));
    ASSERT_EQ(1u, g_draws.size());
    EXPECT_EQ(1, g_draws[0].nPart);
    EXPECT_EQ(1, g_draws[0].nState);
    EXPECT_EQ(CRect(1, 2, 19, 18), g_draws[0].rect);
}

TEST(ThemeWrapper, TheRealLibraryFallsBackWheneverAThemeIsClosed)
{
    CZAVPThemeWrapper wrapper;
    MemoryDC dc(40, 20);
    if (!wrapper.IsThemeOpen(CZAVPThemeWrapper::ThemeProgress)) {
        EXPECT_FALSE(wrapper.DrawStatusBarProgress(&dc.DC(), nullptr, CRect(0, 0, 40, 20), 10, 5, 0,
                                                   0, 0, TRUE));
    }
    if (!wrapper.IsThemeOpen(CZAVPThemeWrapper::ThemeButton)) {
        EXPECT_FALSE(wrapper.DrawPushButton(&dc.DC(), CRect(0, 0, 40, 20), nullptr, 0));
    }
    wrapper.UpdateSystemColors();  // closing and reopening is harmless
}
