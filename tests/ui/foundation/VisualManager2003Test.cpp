// The gradient look: scheme detection from the visual style's names, the global bar colours it
// imposes and its derived colours as tables worked out by hand, and a few drawn elements.
#include <gtest/gtest.h>

#include <cwchar>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager2003.h"
#include "ui/foundation/ZAVP2003Colors.h"

namespace
{
COLORREF Grey(int v)
{
    return RGB(v, v, v);
}

class Look2003 : public CZAVPVisualManager2003
{
public:
    Look2003() : CZAVPVisualManager2003(TRUE, NoLibrary()) {}
    using CZAVPVisualManager2003::SchemeOf;
};

ZAVP2003Colors::Source GreySource(ZAVP2003Colors::Scheme scheme)
{
    ZAVP2003Colors::Source s = {};
    s.bitsPerPixel = 32;
    s.scheme = scheme;
    s.menuHilight = Grey(100);
    s.btnFace = s.barFace = Grey(192);
    s.light3d = Grey(223);
    s.window = Grey(255);
    s.barShadow = Grey(128);
    s.barLight = Grey(223);
    s.xpHighlight = RGB(177, 185, 210);
    s.xpHighlightDn = RGB(154, 161, 183);
    return s;
}
}  // namespace

TEST(Colors2003, SchemeFromTheStylesNames)
{
    const wchar_t* luna = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    EXPECT_EQ(ZAVP2003Colors::Metallic, Look2003::SchemeOf(luna, L"Metallic"));
    EXPECT_EQ(ZAVP2003Colors::Metallic, Look2003::SchemeOf(luna, L"METALLIC"));
    EXPECT_EQ(ZAVP2003Colors::Homestead, Look2003::SchemeOf(L"luna.MSSTYLES", L"HomeStead"));
    EXPECT_EQ(ZAVP2003Colors::Blue, Look2003::SchemeOf(luna, L"NormalColor"));
    EXPECT_EQ(ZAVP2003Colors::None, Look2003::SchemeOf(L"C:\\Themes\\Royale.msstyles", L"NormalColor"));
    EXPECT_EQ(ZAVP2003Colors::None, Look2003::SchemeOf(L"C:\\Themes\\Lunatic.msstyles", L"Metallic"));
}

TEST(Colors2003, WithoutTheStandardStyleEverythingComesFromTheBarFace)
{
    const ZAVP2003Colors c = ZAVP2003Colors::Derive(GreySource(ZAVP2003Colors::None));
    struct Row { const char* name; COLORREF actual, expected; } rows[] = {
        // Grey mixes keep the second colour's value; 0.93 of lightness 192/255 is 178.56.
        {"toolbar dark: mix with the face, lightness x 0.93", c.toolBarGradientDark, Grey(178)},
        {"toolbar light: mix with white", c.toolBarGradientLight, Grey(255)},
        {"bar dark: mix with 3D light, lightness x 0.99", c.barGradientDark, Grey(220)},
        {"bar light: the toolbar light", c.barGradientLight, Grey(255)},
        {"vertical dark: toolbar dark at 98 %", c.toolBarGradientVertDark, Grey(174)},
        {"bottom line: toolbar dark", c.toolBarBottomLine, Grey(178)},
        {"corner light: bar light", c.toolBarCornerLight, Grey(223)},
        {"customise dark: bar shadow", c.customizeButtonGradientDark, Grey(128)},
        {"customise light: bar shadow at 125 %", c.customizeButtonGradientLight, Grey(160)},
        {"hot light: the flat look's highlight", c.highlightGradientLight, RGB(177, 185, 210)},
        {"hot dark: the flat look's pressed fill", c.highlightGradientDark, RGB(154, 161, 183)},
        {"pressed light: highlight at 120 %", c.highlightDnGradientLight, RGB(212, 222, 252)},
        {"checked dark: pressed light at 120 %", c.highlightCheckedGradientDark, RGB(254, 255, 255)},
        {"gripper: bar shadow", c.toolBarGripper, Grey(128)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.expected, r.actual) << r.name;
    EXPECT_EQ((COLORREF)-1, c.highlightMenuItem);
    EXPECT_EQ(c.highlightGradientDark, c.highlightDnGradientDark);
    EXPECT_EQ(c.highlightGradientDark, c.highlightCheckedGradientLight);
}

TEST(Colors2003, GlobalBarColoursFollowTheScheme)
{
    const ZAVP2003Colors::BarColors system = {Grey(1), Grey(2), Grey(3), Grey(4), Grey(5)};
    // No standard style: the system colours as they are.
    const ZAVP2003Colors::BarColors plain =
        ZAVP2003Colors::GlobalBarColors(GreySource(ZAVP2003Colors::None), 0, 0, system);
    EXPECT_EQ(Grey(1), plain.face);
    EXPECT_EQ(Grey(5), plain.light);
    // Metallic: the face is the menu highlight mixed with the window (white here), the others
    // scaled from it: 70 %, 130 % (capped), 50 %, 110 % (capped).
    ZAVP2003Colors::Source metallic = GreySource(ZAVP2003Colors::Metallic);
    metallic.window = Grey(200);
    const ZAVP2003Colors::BarColors m = ZAVP2003Colors::GlobalBarColors(metallic, 0, 0, system);
    EXPECT_EQ(Grey(200), m.face);
    EXPECT_EQ(Grey(140), m.shadow);
    EXPECT_EQ(Grey(255), m.hilite);
    EXPECT_EQ(Grey(100), m.dkShadow);
    EXPECT_EQ(Grey(220), m.light);
    // At 8 bits per pixel even the standard style gives the system colours.
    metallic.bitsPerPixel = 8;
    EXPECT_EQ(Grey(1), ZAVP2003Colors::GlobalBarColors(metallic, 0, 0, system).face);
}

TEST(Colors2003, TheFirstDerivationStartsFromTheSchemesToolbarPair)
{
    // Blue scheme: the pair is the scheme's own, not two colours left unset.
    ZAVP2003Colors::Source s = GreySource(ZAVP2003Colors::Blue);
    s.window = Grey(200);
    COLORREF dark = 0, light = 0;
    ZAVP2003Colors::ToolBarPair(s, &dark, &light);
    // dark: menu highlight 100 mixed 2:1 with the face 192, value of the face, lightness x 0.93;
    // light: mixed 1:1 with the window 200, lightness x 1.03 (200/255 x 1.03 x 255 = 206).
    EXPECT_EQ(Grey(178), dark);
    EXPECT_EQ(Grey(206), light);
    const ZAVP2003Colors::BarColors bar = ZAVP2003Colors::GlobalBarColors(s, dark, light, {});
    // Face: the pair mixed 1:1 (value of the light end, 206) at 95 %.
    EXPECT_EQ(Grey(195), bar.face);
}

TEST(Look2003, BarsHaveNoBorderAndCaptionsTheBarText)
{
    Look2003 look;
    MemoryDC dc(20, 20);
    CRect rect(0, 0, 20, 20);
    look.OnDrawBarBorder(&dc.DC(), nullptr, rect);
    EXPECT_EQ(CRect(0, 0, 20, 20), rect);
    EXPECT_TRUE(dc.OutsideIs(CRect(), RGB(255, 255, 255)));
    EXPECT_EQ(globalData.clrBarText, look.OnFillBarCaption(&dc.DC(), nullptr, TRUE, CRect(0, 0, 20, 10), CRect()));
    EXPECT_TRUE(look.HighlightTabsOnHover());
    EXPECT_FALSE(look.IsOffsetPressedButton());
    EXPECT_EQ(1, look.GetCustomizeButtonMargin());
    EXPECT_EQ(3, look.m_nMenuShadowDepth);
    EXPECT_FALSE(look.IsStandardWinXPTheme());
    globalData.UpdateSysColors();
}

namespace
{
COLORREF WINAPI GreySysColor(HTHEME_ZAVP, int nIndex)
{
    switch (nIndex)
    {
    case COLOR_MENUHILIGHT: return Grey(100);
    case COLOR_WINDOW: return Grey(200);
    case COLOR_BTNFACE: return Grey(192);
    default: return Grey(150);
    }
}
HTHEME_ZAVP WINAPI OpenWindowAndButton(HWND, LPCWSTR name)
{
    return (wcscmp(name, L"WINDOW") == 0 || wcscmp(name, L"BUTTON") == 0) ? (HTHEME_ZAVP)1 : nullptr;
}
HRESULT WINAPI CloseAny(HTHEME_ZAVP)
{
    return S_OK;
}
HRESULT WINAPI DrawAny(HTHEME_ZAVP, HDC, int, int, const RECT*, const RECT*)
{
    return S_OK;
}
HRESULT WINAPI LunaMetallic(LPWSTR file, int, LPWSTR color, int, LPWSTR, int)
{
    wcscpy(file, L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles");
    wcscpy(color, L"mEtAlLiC");
    return S_OK;
}

// The gradient look over a stand-in theme library that reports the Luna style in Metallic.
class MetallicLook : public CZAVPVisualManager2003
{
public:
    MetallicLook() : CZAVPVisualManager2003(TRUE, NoLibrary())
    {
        m_pfnOpenThemeData = OpenWindowAndButton;
        m_pfnCloseThemeData = CloseAny;
        m_pfnDrawThemeBackground = DrawAny;
        m_pfnGetThemeSysColor = GreySysColor;
        m_pfnGetCurrentThemeName = LunaMetallic;
        OnUpdateSystemColors();
    }
    ~MetallicLook() override { CleanUp(); }
    COLORREF MenuBorder() const { return m_clrMenuBorder; }
};
}  // namespace

TEST(Look2003, TheMetallicSchemeOfTheStandardStyleSetsTheGlobalBarColours)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "the schemes apply above 8 bits per pixel";
    {
        MetallicLook look;
        EXPECT_TRUE(look.IsStandardWinXPTheme());
        // Face: menu highlight 100 mixed with the window 200 keeps the window's value, 200;
        // highlight and light at 130 % (capped) and 110 %.
        EXPECT_EQ(Grey(200), globalData.clrBarFace);
        EXPECT_EQ(Grey(255), globalData.clrBarHilite);
        EXPECT_EQ(Grey(220), globalData.clrBarLight);
        // The menu border is the base colour, the menu highlight.
        EXPECT_EQ(Grey(100), look.MenuBorder());
        EXPECT_NE((COLORREF)-1, look.GetColors2003().highlightMenuItem);
        // Metallic column: the bar gradient's dark end is the base at 120 %.
        EXPECT_EQ(Grey(120), look.GetColors2003().barGradientDark);
    }
    globalData.UpdateSysColors();
}
