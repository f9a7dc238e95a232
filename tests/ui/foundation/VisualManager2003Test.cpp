// The gradient look: scheme detection from the visual style's names, the global bar colours it
// imposes and its derived colours as tables worked out by hand, and a few drawn elements.
#include <gtest/gtest.h>

#include <cwchar>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager2003.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/foundation/ZAVP2003Colors.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"

namespace
{
COLORREF Grey2003(int v) { return RGB(v, v, v); }

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
    s.menuHilight = Grey2003(100);
    s.btnFace = s.barFace = Grey2003(192);
    s.light3d = Grey2003(223);
    s.window = Grey2003(255);
    s.barShadow = Grey2003(128);
    s.barLight = Grey2003(223);
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
    EXPECT_EQ(ZAVP2003Colors::None,
              Look2003::SchemeOf(L"C:\\Themes\\Royale.msstyles", L"NormalColor"));
    EXPECT_EQ(ZAVP2003Colors::None,
              Look2003::SchemeOf(L"C:\\Themes\\Lunatic.msstyles", L"Metallic"));
}

TEST(Colors2003, WithoutTheStandardStyleEverythingComesFromTheBarFace)
{
    const ZAVP2003Colors c = ZAVP2003Colors::Derive(GreySource(ZAVP2003Colors::None));
    struct Row
    {
        const char* name;
        COLORREF actual, expected;
    } rows[] = {
        // Grey2003 mixes keep the second colour's value; 0.93 of lightness 192/255 is 178.56.
        {"toolbar dark: mix with the face, lightness x 0.93", c.toolBarGradientDark, Grey2003(178)},
        {"toolbar light: mix with white", c.toolBarGradientLight, Grey2003(255)},
        {"bar dark: mix with 3D light, lightness x 0.99", c.barGradientDark, Grey2003(220)},
        {"bar light: the toolbar light", c.barGradientLight, Grey2003(255)},
        {"vertical dark: toolbar dark at 98 %", c.toolBarGradientVertDark, Grey2003(174)},
        {"bottom line: toolbar dark", c.toolBarBottomLine, Grey2003(178)},
        {"corner light: bar light", c.toolBarCornerLight, Grey2003(223)},
        {"customise dark: bar shadow", c.customizeButtonGradientDark, Grey2003(128)},
        {"customise light: bar shadow at 125 %", c.customizeButtonGradientLight, Grey2003(160)},
        {"hot light: the flat look's highlight", c.highlightGradientLight, RGB(177, 185, 210)},
        {"hot dark: the flat look's pressed fill", c.highlightGradientDark, RGB(154, 161, 183)},
        {"pressed light: highlight at 120 %", c.highlightDnGradientLight, RGB(212, 222, 252)},
        {"checked dark: pressed light at 120 %", c.highlightCheckedGradientDark,
         RGB(254, 255, 255)},
        {"gripper: bar shadow", c.toolBarGripper, Grey2003(128)},
    };
    for (const Row& r : rows) EXPECT_EQ(r.expected, r.actual) << r.name;
    EXPECT_EQ((COLORREF)-1, c.highlightMenuItem);
    EXPECT_EQ(c.highlightGradientDark, c.highlightDnGradientDark);
    EXPECT_EQ(c.highlightGradientDark, c.highlightCheckedGradientLight);
}

TEST(Colors2003, GlobalBarColoursFollowTheScheme)
{
    const ZAVP2003Colors::BarColors system = {Grey2003(1), Grey2003(2), Grey2003(3), Grey2003(4),
                                              Grey2003(5)};
    // No standard style: the system colours as they are.
    const ZAVP2003Colors::BarColors plain = ZAVP2003Colors::GlobalBarColors(
        GreySource(ZAVP2003Colors::None), 0, 0, system);
    EXPECT_EQ(Grey2003(1), plain.face);
    EXPECT_EQ(Grey2003(5), plain.light);
    // Metallic: the face is the menu highlight mixed with the window (white here), the others
    // scaled from it: 70 %, 130 % (capped), 50 %, 110 % (capped).
    ZAVP2003Colors::Source metallic = GreySource(ZAVP2003Colors::Metallic);
    metallic.window = Grey2003(200);
    const ZAVP2003Colors::BarColors m = ZAVP2003Colors::GlobalBarColors(metallic, 0, 0, system);
    EXPECT_EQ(Grey2003(200), m.face);
    EXPECT_EQ(Grey2003(140), m.shadow);
    EXPECT_EQ(Grey2003(255), m.hilite);
    EXPECT_EQ(Grey2003(100), m.dkShadow);
    EXPECT_EQ(Grey2003(220), m.light);
    // At 8 bits per pixel even the standard style gives the system colours.
    metallic.bitsPerPixel = 8;
    EXPECT_EQ(Grey2003(1), ZAVP2003Colors::GlobalBarColors(metallic, 0, 0, system).face);
}

TEST(Colors2003, TheFirstDerivationStartsFromTheSchemesToolbarPair)
{
    // Blue scheme: the pair is the scheme's own, not two colours left unset.
    ZAVP2003Colors::Source s = GreySource(ZAVP2003Colors::Blue);
    s.window = Grey2003(200);
    COLORREF dark = 0, light = 0;
    ZAVP2003Colors::ToolBarPair(s, &dark, &light);
    // dark: menu highlight 100 mixed 2:1 with the face 192, value of the face, lightness x 0.93;
    // light: mixed 1:1 with the window 200, lightness x 1.03 (200/255 x 1.03 x 255 = 206).
    EXPECT_EQ(Grey2003(178), dark);
    EXPECT_EQ(Grey2003(206), light);
    const ZAVP2003Colors::BarColors bar = ZAVP2003Colors::GlobalBarColors(s, dark, light, {});
    // Face: the pair mixed 1:1 (value of the light end, 206) at 95 %.
    EXPECT_EQ(Grey2003(195), bar.face);
}

TEST(Look2003, BarsHaveNoBorderAndCaptionsTheBarText)
{
    Look2003 look;
    MemoryDC dc(20, 20);
    CRect rect(0, 0, 20, 20);
    look.OnDrawBarBorder(&dc.DC(), nullptr, rect);
    EXPECT_EQ(CRect(0, 0, 20, 20), rect);
    EXPECT_TRUE(dc.OutsideIs(CRect(), RGB(255, 255, 255)));
    EXPECT_EQ(globalData.clrBarText,
              look.OnFillBarCaption(&dc.DC(), nullptr, TRUE, CRect(0, 0, 20, 10), CRect()));
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
    switch (nIndex) {
    case COLOR_MENUHILIGHT: return Grey2003(100);
    case COLOR_WINDOW: return Grey2003(200);
    case COLOR_BTNFACE: return Grey2003(192);
    default: return Grey2003(150);
    }
}
HTHEME_ZAVP WINAPI OpenWindowAndButton(HWND, LPCWSTR name)
{
    return (wcscmp(name, L"WINDOW") == 0 || wcscmp(name, L"BUTTON") == 0) ? (HTHEME_ZAVP)1
                                                                          : nullptr;
}
HRESULT WINAPI CloseAny(HTHEME_ZAVP) { return S_OK; }
HRESULT WINAPI DrawAny(HTHEME_ZAVP, HDC, int, int, const RECT*, const RECT*) { return S_OK; }
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
    if (globalData.m_nBitsPerPixel <= 8) GTEST_SKIP() << "the schemes apply above 8 bits per pixel";
    {
        MetallicLook look;
        EXPECT_TRUE(look.IsStandardWinXPTheme());
        // Face: menu highlight 100 mixed with the window 200 keeps the window's value, 200;
        // highlight and light at 130 % (capped) and 110 %.
        EXPECT_EQ(Grey2003(200), globalData.clrBarFace);
        EXPECT_EQ(Grey2003(255), globalData.clrBarHilite);
        EXPECT_EQ(Grey2003(220), globalData.clrBarLight);
        // The menu border is the base colour, the menu highlight.
        EXPECT_EQ(Grey2003(100), look.MenuBorder());
        EXPECT_NE((COLORREF)-1, look.GetColors2003().highlightMenuItem);
        // Metallic column: the bar gradient's dark end is the base at 120 %.
        EXPECT_EQ(Grey2003(120), look.GetColors2003().barGradientDark);
    }
    globalData.UpdateSysColors();
}

namespace
{
// Colours picked for the drawing tests; every expectation below is one of them or a gradient band
// worked out by hand. FillGradient paints 64 bands: across 64 pixels band i is pixel i from the
// start edge, and band i mixes (start x (64 - i) + finish x i) / 64 per channel.
const COLORREF kDark = RGB(0, 64, 128), kLight = RGB(64, 128, 192);
const COLORREF kLightEnd = RGB(63, 127, 191);  // band 63 of kDark -> kLight
const COLORREF kHotDark = RGB(200, 0, 0), kHotLight = RGB(255, 100, 100);
const COLORREF kDnDark = RGB(0, 200, 0), kDnLight = RGB(100, 255, 100);
const COLORREF kCheckDark = RGB(0, 0, 200), kCheckLight = RGB(100, 100, 255);
const COLORREF kMenuItem = RGB(250, 240, 10);
const COLORREF kBlack2003 = RGB(0, 0, 0), kWhitePixel = RGB(255, 255, 255);

// The gradient look with the standard style's gradients and known colours.
class PaintedLook : public CZAVPVisualManager2003
{
public:
    PaintedLook() : CZAVPVisualManager2003(TRUE, NoLibrary())
    {
        m_bIsStandardWinXPTheme = TRUE;
        ZAVP2003Colors& c = m_colors2003;
        c.customizeButtonGradientDark = kDark;
        c.customizeButtonGradientLight = kLight;
        c.toolBarGradientDark = kDark;
        c.toolBarGradientLight = kLight;
        c.highlightGradientDark = kHotDark;
        c.highlightGradientLight = kHotLight;
        c.highlightDnGradientDark = kDnDark;
        c.highlightDnGradientLight = kDnLight;
        c.highlightCheckedGradientDark = kCheckDark;
        c.highlightCheckedGradientLight = kCheckLight;
        c.highlightMenuItem = kMenuItem;
        c.barGradientDark = kDark;
        c.barGradientLight = kLight;
    }
    ~PaintedLook() override { CleanUp(); }
    using CZAVPVisualManager2003::FillHighlightedArea;
    using CZAVPVisualManager2003::PopupImageColumnWidth2003;
    void SetGroupColours(COLORREF specDark, COLORREF areaDark)
    {
        m_clrTasksGroupCaptionSpecDark = specDark;
        m_clrTasksGroupCaptionSpecLight = kLight;
        m_clrTasksGroupAreaDark = areaDark;
        m_clrTasksGroupAreaLight = kLight;
    }
    CBrush* Hot() { return &m_brHighlight; }
    CBrush* Pressed() { return &m_brHighlightDn; }
    CBrush* Checked() { return &m_brHighlightChecked; }
};

class ElementsOf2003 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (globalData.m_nBitsPerPixel <= 8)
            GTEST_SKIP() << "the gradients apply above 8 bits per pixel";
    }
    void TearDown() override { globalData.UpdateSysColors(); }
};
}  // namespace

TEST_F(ElementsOf2003, CustomizeButtonRunsWithItsBar)
{
    PaintedLook look;
    // A horizontal bar's button is 12 x 64: dark at the bottom, light at the top; a vertical bar's
    // is 64 x 12: light at the left, dark at the right, as the bars run. The state picks the pair.
    struct Case
    {
        BOOL horz;
        int state;
        COLORREF start;
    } cases[] = {
        {TRUE, CZAVPVisualManager::ButtonsIsRegular, kDark},
        {FALSE, CZAVPVisualManager::ButtonsIsRegular, kLight},
        {TRUE, CZAVPVisualManager::ButtonsIsHighlighted, kHotDark},
        {FALSE, CZAVPVisualManager::ButtonsIsPressed, kDnLight},
    };
    for (const Case& c : cases) {
        const CRect rect = c.horz ? CRect(0, 0, 12, 64) : CRect(0, 0, 64, 12);
        MemoryDC dc(64, 64);
        look.DrawCustomizeButtonFace(&dc.DC(), rect, c.horz, c.state, FALSE, FALSE);
        const CPoint start = c.horz ? CPoint(5, 63) : CPoint(0, 5);
        EXPECT_EQ(c.start, dc.Pixel(start.x, start.y)) << c.horz << " " << c.state;
    }
    MemoryDC horz(64, 64), vert(64, 64);
    look.DrawCustomizeButtonFace(&horz.DC(), CRect(0, 0, 12, 64), TRUE, 0, FALSE, FALSE);
    look.DrawCustomizeButtonFace(&vert.DC(), CRect(0, 0, 64, 12), FALSE, 0, FALSE, FALSE);
    EXPECT_EQ(kLightEnd, horz.Pixel(5, 0));
    EXPECT_EQ(RGB(1, 65, 129), vert.Pixel(63, 5));  // band 63 of kLight -> kDark
    // Rounded far corners: the right end of a horizontal button, the bottom of a vertical one.
    EXPECT_EQ(globalData.clrBarFace, horz.Pixel(11, 0));
    EXPECT_EQ(globalData.clrBarFace, horz.Pixel(11, 63));
    EXPECT_EQ(globalData.clrBarFace, vert.Pixel(0, 11));
    EXPECT_EQ(globalData.clrBarFace, vert.Pixel(63, 11));
}

TEST_F(ElementsOf2003, CustomizeButtonGlyphsOfEachOrientation)
{
    PaintedLook look;
    // Glyphs 9 x 9, two pixels from the ends, centred across: horizontal 12 x 64 puts them at
    // x = (12 - 9) / 2 = 1, "more" at y = 2 and the arrow at y = 64 - 2 - 9 - 1 = 52; vertical
    // 64 x 12 puts them at y = 1, the arrow at x = 2 and "more" at x = 64 - 2 - 9 - 1 = 52.
    // Each sample is a black pixel of the glyph's drawing, its white copy one pixel down-right.
    struct Case
    {
        BOOL horz;
        BOOL more, customise;
        CPoint black;
        const char* what;
    } cases[] = {
        {TRUE, TRUE, FALSE, CPoint(1 + 1, 2 + 2), "chevrons right, row 2 column 1"},
        {TRUE, FALSE, TRUE, CPoint(1 + 2, 52 + 2), "bar over the down arrow, row 2 column 2"},
        {FALSE, TRUE, FALSE, CPoint(52 + 2, 1 + 1), "chevrons down, row 1 column 2"},
        {FALSE, FALSE, TRUE, CPoint(2 + 2, 1 + 2), "bar beside the right arrow, row 2 column 2"},
    };
    for (const Case& c : cases) {
        const CRect rect = c.horz ? CRect(0, 0, 12, 64) : CRect(0, 0, 64, 12);
        MemoryDC dc(64, 64);
        look.DrawCustomizeButtonFace(&dc.DC(), rect, c.horz, 0, c.more, c.customise);
        EXPECT_EQ(kBlack2003, dc.Pixel(c.black.x, c.black.y)) << c.what;
        MemoryDC bare(64, 64);
        look.DrawCustomizeButtonFace(&bare.DC(), rect, c.horz, 0, FALSE, FALSE);
        EXPECT_NE(kBlack2003, bare.Pixel(c.black.x, c.black.y)) << c.what;
    }
}

TEST_F(ElementsOf2003, HighlightedAreasFollowTheButtonsOrientation)
{
    PaintedLook look;
    // 64 x 64: a horizontal button's gradient starts dark at the bottom row; a vertical button's
    // starts light at the left column and ends near dark at the right.
    struct Case
    {
        int brush;
        BOOL horz, menuItem, dropped;
        CPoint at;
        COLORREF expected;
    } cases[] = {
        {0, TRUE, FALSE, FALSE, CPoint(30, 63), kHotDark},
        {0, FALSE, FALSE, FALSE, CPoint(0, 30), kHotLight},
        {1, TRUE, FALSE, FALSE, CPoint(30, 63), kDnDark},
        {1, FALSE, FALSE, FALSE, CPoint(0, 30), kDnLight},
        {2, TRUE, FALSE, FALSE, CPoint(30, 63), kCheckDark},
        {2, FALSE, FALSE, FALSE, CPoint(0, 30), kCheckLight},
        // A button whose menu is open takes the toolbar pair, in its orientation.
        {0, TRUE, FALSE, TRUE, CPoint(30, 63), kDark},
        {0, FALSE, FALSE, TRUE, CPoint(0, 30), kLight},
        // Menu items are solid: the hot item in its own colour, pressed in the pressed light.
        {0, FALSE, TRUE, FALSE, CPoint(63, 0), kMenuItem},
        {1, TRUE, TRUE, FALSE, CPoint(0, 0), kDnLight},
    };
    CBrush* brushes[] = {look.Hot(), look.Pressed(), look.Checked()};
    for (const Case& c : cases) {
        MemoryDC dc(64, 64);
        ASSERT_TRUE(look.FillHighlightedArea(&dc.DC(), CRect(0, 0, 64, 64), brushes[c.brush],
                                             c.horz, c.menuItem, c.dropped));
        EXPECT_EQ(c.expected, dc.Pixel(c.at.x, c.at.y))
            << "brush " << c.brush << " horz " << c.horz << " menu " << c.menuItem << " dropped "
            << c.dropped;
    }
    // Any other brush is the flat look's plain fill.
    MemoryDC dc(8, 8);
    EXPECT_FALSE(look.FillHighlightedArea(&dc.DC(), CRect(0, 0, 8, 8), &globalData.brBarFace, TRUE,
                                          FALSE, FALSE));
}

TEST_F(ElementsOf2003, AutoHideButtonOfTheShownBarIsHot)
{
    PaintedLook look;
    // Vertical gradients over 64 rows from the light colour at the bottom.
    struct Case
    {
        BOOL shown;
        COLORREF bottom;
    } cases[] = {{FALSE, kLight}, {TRUE, kHotLight}};
    for (const Case& c : cases) {
        MemoryDC dc(8, 64);
        look.FillAutoHideButton(&dc.DC(), CRect(0, 0, 8, 64), c.shown);
        EXPECT_EQ(c.bottom, dc.Pixel(4, 63)) << c.shown;
    }
}

TEST_F(ElementsOf2003, SpecialGroupsHaveTheirOwnInterior)
{
    PaintedLook look;
    look.SetGroupColours(RGB(1, 2, 3), RGB(4, 5, 6));
    // Vertical gradients from the dark colour at the bottom row.
    struct Case
    {
        BOOL special;
        COLORREF bottom;
    } cases[] = {{TRUE, RGB(1, 2, 3)}, {FALSE, RGB(4, 5, 6)}};
    for (const Case& c : cases) {
        MemoryDC dc(8, 64);
        look.OnFillTasksGroupInterior(&dc.DC(), CRect(0, 0, 8, 64), c.special);
        EXPECT_EQ(c.bottom, dc.Pixel(4, 63)) << c.special;
    }
}

namespace
{
// How many pixels of the DC have the colour.
int CountOf(MemoryDC& dc, int cx, int cy, COLORREF color)
{
    int n = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) n += dc.Pixel(x, y) == color;
    return n;
}
}  // namespace

TEST_F(ElementsOf2003, HotTaskLinkIsDrawnInTheSelectionColour)
{
    PaintedLook look;
    CZAVPTasksGroup group(nullptr, "Group");
    CZAVPTask task(&group, "Add a disc", -1, 32771);
    task.m_rect = CRect(0, 0, 120, 20);
    const COLORREF hotLink = globalData.clrHotText;
    ASSERT_NE(hotLink, globalData.clrHilite);
    MemoryDC dc(120, 20);
    look.OnDrawTask(&dc.DC(), &task, nullptr, TRUE, FALSE);
    EXPECT_GT(CountOf(dc, 120, 20, globalData.clrHilite), 0);
    EXPECT_EQ(0, CountOf(dc, 120, 20, hotLink));
    EXPECT_EQ(hotLink, globalData.clrHotText);  // the swap is undone
}

namespace
{
class PlainTabs : public CZAVPBaseTabWnd
{};
}  // namespace

TEST_F(ElementsOf2003, TabAreaOfATabWindowInADialogIsTheFace)
{
    PaintedLook look;
    // One tab window placed in a dialog, one in a plain window; the other has the gradient.
    HWND hDialog = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    HWND hPlain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(hDialog && hPlain);
    struct Case
    {
        HWND parent;
        bool face;
    } cases[] = {{hDialog, true}, {hPlain, false}};
    for (const Case& c : cases) {
        HWND hTabs = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 20, c.parent, nullptr,
                                     nullptr, nullptr);
        PlainTabs tabs;
        tabs.Attach(hTabs);
        MemoryDC dc(50, 20);
        look.OnEraseTabsArea(&dc.DC(), CRect(0, 0, 50, 20), &tabs);
        EXPECT_EQ(c.face, dc.Pixel(25, 10) == globalData.clrBtnFace) << c.face;
        tabs.Detach();
        DestroyWindow(hTabs);
    }
    DestroyWindow(hPlain);
    DestroyWindow(hDialog);
}

TEST_F(ElementsOf2003, PopupImageColumnRespectsItsFlags)
{
    PaintedLook look;
    const SIZE saved = ZAVPSharedBarData::g_sizeMenuImage;
    ZAVPSharedBarData::g_sizeMenuImage = SIZE{16, 15};
    // Image width 16 + 2 x margin 3 + 1 = 23; a second column: 2 x (16 + 2 x 3 + 2) = 48.
    // clang-format off
    struct Case
    {
        BOOL none, second;
        int width;
    } cases[] = {
        {FALSE, FALSE, 23},
        {FALSE, TRUE, 48},
        {TRUE, FALSE, 0},
        {TRUE, TRUE, 0},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(c.width, look.PopupImageColumnWidth2003(c.none, c.second)) << c.none << c.second;
    ZAVPSharedBarData::g_sizeMenuImage = saved;
}
