// The visual-styles look through recording theme entry points: the themed branches draw the
// parts and states of the theme library, and with every theme closed each element is drawn as
// the flat look draws it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/foundation/CZAVPWinXPVisualManager.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace
{
struct ThemeDraw
{
    HTHEME_ZAVP hTheme;
    int nPart, nState;
};

std::vector<std::wstring> g_open;   // classes whose theme opens
std::vector<std::wstring> g_names;  // class of each handle handed out, by handle - 1
std::vector<ThemeDraw> g_themeDraws;

HTHEME_ZAVP WINAPI OpenIfListed(HWND, LPCWSTR name)
{
    for (const std::wstring& open : g_open)
        if (open == name) {
            g_names.push_back(name);
            return (HTHEME_ZAVP)(INT_PTR)g_names.size();
        }
    return nullptr;
}
HRESULT WINAPI CloseNothing(HTHEME_ZAVP) { return S_OK; }
HRESULT WINAPI RecordDraw(HTHEME_ZAVP h, HDC, int part, int state, const RECT*, const RECT*)
{
    g_themeDraws.push_back({h, part, state});
    return S_OK;
}

class RecordingWinXP : public CZAVPWinXPVisualManager
{
public:
    explicit RecordingWinXP(std::vector<std::wstring> open)
        : CZAVPWinXPVisualManager(TRUE, NoLibrary())
    {
        g_open = std::move(open);
        g_names.clear();
        g_themeDraws.clear();
        m_pfnOpenThemeData = OpenIfListed;
        m_pfnCloseThemeData = CloseNothing;
        m_pfnDrawThemeBackground = RecordDraw;
        OnUpdateSystemColors();
    }
    ~RecordingWinXP() override { CleanUp(); }

    // The class of the theme of a recorded drawing.
    static std::wstring ClassOf(const ThemeDraw& d)
    {
        return g_names.at((size_t)(INT_PTR)d.hTheme - 1);
    }
};

class Bar : public CZAVPBaseControlBar
{
public:
    BOOL IsDocked() const override { return TRUE; }
};
}  // namespace

TEST(WinXPLook, ExtraBordersOnlyWhileTheWindowThemeIsOpen)
{
    RecordingWinXP themed({L"WINDOW"});
    EXPECT_EQ(CSize(2, 2), themed.GetButtonExtraBorder());
    EXPECT_EQ(CSize(2, 2), themed.GetCaptionButtonExtraBorder());
    EXPECT_FALSE(themed.m_bShadowHighlightedImage);
    RecordingWinXP plain({});
    EXPECT_EQ(CSize(0, 0), plain.GetButtonExtraBorder());
    EXPECT_TRUE(plain.m_bShadowHighlightedImage);
}

TEST(WinXPLook, ToolbarButtonStates)
{
    struct Case
    {
        UINT style;
        int state, expected;
    } cases[] = {
        {0, CZAVPVisualManager::ButtonsIsRegular, 1},
        {0, CZAVPVisualManager::ButtonsIsHighlighted, 2},
        {0, CZAVPVisualManager::ButtonsIsPressed, 3},
        {TBBS_CHECKED, CZAVPVisualManager::ButtonsIsRegular, 5},
        {TBBS_CHECKED, CZAVPVisualManager::ButtonsIsHighlighted, 6},
        {TBBS_CHECKED | TBBS_DISABLED, CZAVPVisualManager::ButtonsIsRegular, 4},
        {TBBS_DISABLED, CZAVPVisualManager::ButtonsIsPressed, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CZAVPWinXPVisualManager::ToolbarButtonState(c.style, c.state))
            << c.style << " " << c.state;
}

TEST(WinXPLook, ThemedElementsDrawTheirParts)
{
    RecordingWinXP look({L"TOOLBAR", L"STATUS", L"WINDOW", L"BUTTON", L"TREEVIEW"});
    MemoryDC dc(40, 40);
    Bar bar;
    look.OnDrawSeparator(&dc.DC(), &bar, CRect(0, 0, 8, 20), TRUE);
    look.OnDrawSeparator(&dc.DC(), &bar, CRect(0, 0, 20, 8), FALSE);
    look.OnDrawStatusBarPaneBorder(&dc.DC(), nullptr, CRect(0, 0, 30, 10), 0, 0);
    look.OnDrawMenuSystemButton(&dc.DC(), CRect(0, 0, 16, 14), SC_CLOSE, TBBS_PRESSED, TRUE);
    look.OnDrawMenuSystemButton(&dc.DC(), CRect(0, 0, 16, 14), SC_MAXIMIZE, 0, FALSE);  // none
    look.OnDrawCheckBox(&dc.DC(), CRect(0, 0, 13, 13), TRUE, TRUE, TRUE);
    look.OnDrawFramedLines(&dc.DC(), CRect(0, 0, 9, 9), TRUE, 0);
    const std::vector<std::wstring> classes = {L"TOOLBAR", L"TOOLBAR", L"STATUS",
                                               L"WINDOW",  L"BUTTON",  L"TREEVIEW"};
    const int parts[] = {5, 6, 1, 20, 3, 2};
    const int states[] = {0, 0, 0, 3, 6, 2};
    ASSERT_EQ(classes.size(), g_themeDraws.size());
    for (size_t i = 0; i < classes.size(); ++i) {
        EXPECT_EQ(classes[i], RecordingWinXP::ClassOf(g_themeDraws[i])) << i;
        EXPECT_EQ(parts[i], g_themeDraws[i].nPart) << i;
        EXPECT_EQ(states[i], g_themeDraws[i].nState) << i;
    }
}

TEST(WinXPLook, SpecialGroupsGetTheirOwnInteriorPart)
{
    RecordingWinXP look({L"EXPLORERBAR"});
    MemoryDC dc(20, 20);
    struct Case
    {
        BOOL special;
        int part;
    } cases[] = {{TRUE, 9}, {FALSE, 5}};  // special, normal background
    for (const Case& c : cases) {
        g_themeDraws.clear();
        look.OnFillTasksGroupInterior(&dc.DC(), CRect(0, 0, 20, 20), c.special);
        ASSERT_EQ(1u, g_themeDraws.size());
        EXPECT_EQ(c.part, g_themeDraws[0].nPart) << c.special;
        EXPECT_EQ(0, g_themeDraws[0].nState);
    }
}

TEST(WinXPLook, WithEveryThemeClosedItDrawsAsTheFlatLook)
{
    RecordingWinXP look({});
    CZAVPVisualManagerXP flat(TRUE);
    MemoryDC a(60, 40), b(60, 40);
    Bar bar;
    look.OnDrawSeparator(&a.DC(), &bar, CRect(0, 0, 8, 20), TRUE);
    flat.OnDrawSeparator(&b.DC(), &bar, CRect(0, 0, 8, 20), TRUE);
    look.OnDrawStatusBarPaneBorder(&a.DC(), nullptr, CRect(10, 0, 40, 10), 0, 0);
    flat.OnDrawStatusBarPaneBorder(&b.DC(), nullptr, CRect(10, 0, 40, 10), 0, 0);
    look.OnDrawComboBorder(&a.DC(), CRect(0, 20, 30, 35), FALSE, TRUE, FALSE, nullptr);
    flat.OnDrawComboBorder(&b.DC(), CRect(0, 20, 30, 35), FALSE, TRUE, FALSE, nullptr);
    EXPECT_TRUE(g_themeDraws.empty());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(b.Pixel(x, y), a.Pixel(x, y)) << x << "," << y;
}
