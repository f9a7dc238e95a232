// The flat look: its colours derived from the system colours, worked out by hand, and a few of
// its elements drawn into memory DCs.
#include <gtest/gtest.h>

#include "MemoryDC.h"
#include "framework/CRect.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/foundation/ZAVPXPColors.h"

namespace
{
const COLORREF kWhiteXP = RGB(255, 255, 255);

ZAVPXPColors::Source TrueColour(COLORREF face, COLORREF hilite)
{
    ZAVPXPColors::Source s = {};
    s.bitsPerPixel = 32;
    s.barFace = face;
    s.window = RGB(255, 255, 255);
    s.barShadow = RGB(128, 128, 128);
    s.hilite = hilite;
    return s;
}
}  // namespace

TEST(XPColors, GreyFaceTable)
{
    // Face 192 grey: lightness 192/255, no saturation; highlight (10, 36, 106).
    const ZAVPXPColors c = ZAVPXPColors::Derive(TrueColour(RGB(192, 192, 192), RGB(10, 36, 106)));
    struct Row
    {
        const char* name;
        COLORREF actual, expected;
    } rows[] = {
        {"menu light: window x (0.976, 0.973, 0.969), rounded", c.menuLight, RGB(249, 248, 247)},
        {"tab back: lightness half-way to white, grey stays grey", c.tabBack, RGB(223, 223, 223)},
        {"bar background: lightness x 1.03", c.barBkgnd, RGB(197, 197, 197)},
        {"gripper: lightness x 0.4", c.gripper, RGB(76, 76, 76)},
        {"highlight: (HL + 2 menu light) / 3 at 105 %", c.highlight, RGB(177, 185, 210)},
        {"pressed: highlight x 0.87", c.highlightDn, RGB(154, 161, 183)},
        {"checked: (HL + 5 menu light) / 6", c.highlightChecked, RGB(209, 212, 223)},
        {"separator: face x 0.86", c.separator, RGB(165, 165, 165)},
        {"pane border: shadow", c.paneBorder, RGB(128, 128, 128)},
        {"menu border: face at 55 %", c.menuBorder, RGB(105, 105, 105)},
        {"floating border: shadow x 0.85", c.floatBorder, RGB(109, 109, 109)},
        {"tab-button frame: shadow at 110 %", c.barShadowLight, RGB(140, 140, 140)},
        {"highlight frame: the selection colour", c.frameHilite, RGB(10, 36, 106)},
    };
    for (const Row& r : rows) EXPECT_EQ(r.expected, r.actual) << r.name;
}

TEST(XPColors, LightFaceIsTheToolbarBackgroundAsItIs)
{
    const ZAVPXPColors c = ZAVPXPColors::Derive(TrueColour(RGB(240, 240, 240), RGB(10, 36, 106)));
    EXPECT_EQ(RGB(240, 240, 240), c.barBkgnd);  // lightness above 0.9
    EXPECT_EQ(RGB(247, 247, 247), c.tabBack);   // (240/255 + 1) / 2 x 255 = 247.5, truncated
}

TEST(XPColors, AtEightBitsEveryColourIsASystemColour)
{
    ZAVPXPColors::Source s = {};
    s.bitsPerPixel = 8;
    s.hilite = RGB(0, 0, 128);
    s.barWindow = RGB(255, 255, 255);
    s.btnFace = RGB(192, 192, 192);
    s.btnDkShadow = RGB(0, 0, 0);
    s.btnShadow = RGB(128, 128, 128);
    const ZAVPXPColors c = ZAVPXPColors::Derive(s);
    EXPECT_EQ(s.barWindow, c.menuLight);
    EXPECT_EQ(s.barWindow, c.highlightChecked);
    for (COLORREF face : {c.barBkgnd, c.highlight, c.highlightDn, c.tabBack})
        EXPECT_EQ(s.btnFace, face);
    EXPECT_EQ(s.btnDkShadow, c.gripper);
    EXPECT_EQ(s.btnDkShadow, c.menuBorder);
    for (COLORREF shadow : {c.separator, c.barShadowLight, c.paneBorder, c.floatBorder})
        EXPECT_EQ(s.btnShadow, shadow);
}

class VisualManagerXPTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        globalData.clrBarFace = RGB(192, 192, 192);
        globalData.clrWindow = RGB(255, 255, 255);
        globalData.clrBarShadow = RGB(128, 128, 128);
        globalData.clrHilite = RGB(10, 36, 106);
        globalData.m_nBitsPerPixel = 32;
        m_manager.OnUpdateSystemColors();
    }
    void TearDown() override { globalData.UpdateSysColors(); }

    CZAVPVisualManagerXP m_manager{TRUE};
};

TEST_F(VisualManagerXPTest, MenuBorderAndPaneBorderUseTheDerivedColours)
{
    MemoryDC dc(30, 30);
    m_manager.OnDrawMenuBorder(&dc.DC(), nullptr, CRect(0, 0, 30, 30));
    EXPECT_EQ(RGB(105, 105, 105), dc.Pixel(0, 10));  // menu border
    EXPECT_EQ(RGB(249, 248, 247), dc.Pixel(10, 1));  // menu light frame
    EXPECT_EQ(RGB(197, 197, 197), dc.Pixel(1, 10));  // the image column's colour at x 1
    dc.Fill(kWhiteXP);
    m_manager.OnDrawStatusBarPaneBorder(&dc.DC(), nullptr, CRect(0, 0, 30, 30), 0, 0);
    EXPECT_EQ(RGB(128, 128, 128), dc.Pixel(0, 10));
    EXPECT_EQ(RGB(128, 128, 128), dc.Pixel(29, 10));
}

TEST_F(VisualManagerXPTest, SelectedCommandTextContrastsWithTheHighlight)
{
    MemoryDC dc(40, 20);
    // Highlight (177, 185, 210) is light: black text.
    EXPECT_EQ(RGB(0, 0, 0),
              m_manager.OnFillCommandsListBackground(&dc.DC(), CRect(0, 0, 40, 20), TRUE));
    EXPECT_EQ(RGB(177, 185, 210), dc.Pixel(10, 10));
    EXPECT_EQ(RGB(10, 36, 106), dc.Pixel(0, 10));
    // A very dark selection colour makes a dark highlight: white text.
    globalData.clrHilite = RGB(0, 0, 0);
    globalData.clrWindow = RGB(0, 0, 0);
    m_manager.OnUpdateSystemColors();
    EXPECT_EQ(RGB(255, 255, 255),
              m_manager.OnFillCommandsListBackground(&dc.DC(), CRect(0, 0, 40, 20), TRUE));
}

TEST_F(VisualManagerXPTest, CaptionTextFollowsTheState)
{
    MemoryDC dc(40, 20);
    EXPECT_EQ(globalData.clrCaptionText,
              m_manager.OnFillBarCaption(&dc.DC(), nullptr, TRUE, CRect(0, 0, 40, 20), CRect()));
    EXPECT_EQ(globalData.clrBarText,
              m_manager.OnFillBarCaption(&dc.DC(), nullptr, FALSE, CRect(0, 0, 40, 20), CRect()));
}

TEST(VisualManagerXPLook, SettingsOfTheLook)
{
    CZAVPVisualManagerXP manager(TRUE);
    EXPECT_TRUE(manager.IsLook2000());
    EXPECT_EQ(4, manager.m_nMenuShadowDepth);
    EXPECT_TRUE(manager.m_bMenuFlatLook);
    EXPECT_FALSE(manager.m_bEmbossDisabledImage);
    EXPECT_TRUE(manager.IsMenuJoinedToParentButton());
    EXPECT_EQ(1, manager.GetPopupMenuBorderSize());
    EXPECT_EQ(3, manager.GetMenuImageMargin());
    EXPECT_FALSE(manager.IsLook2000Allowed());
    // It can be made by name, like every look.
    CObject* pObject = RUNTIME_CLASS(CZAVPVisualManagerXP)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CZAVPVisualManager)));
    delete pObject;
}

TEST(VisualManagerXPLook, BarsArePaintedByTheirOwnFacts)
{
    using XP = CZAVPVisualManagerXP;
    // Facts: dialog, menu bar, outlook pane, own background, colour bar, standalone, calendar,
    // popup menu bar, toolbar, auto-hide dock bar.
    struct Case
    {
        XP::BarFacts facts;
        XP::BarFill fill;
        const char* what;
    } cases[] = {
        {{}, XP::BarFillDefault, "a plain bar"},
        {{FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillDefault,
         "menu bar"},
        {{FALSE, FALSE, TRUE, TRUE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillDefault,
         "pane with its own background"},
        {{FALSE, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillToolbar,
         "pane without one: a toolbar"},
        {{TRUE, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillDefault,
         "pane in a dialog"},
        {{FALSE, FALSE, FALSE, FALSE, TRUE, TRUE, FALSE, TRUE, TRUE, FALSE},
         XP::BarFillToolbar,
         "colour bar of its own"},
        {{FALSE, FALSE, FALSE, FALSE, TRUE, FALSE, FALSE, TRUE, TRUE, FALSE},
         XP::BarFillMenu,
         "colour bar in a popup"},
        {{TRUE, FALSE, FALSE, FALSE, TRUE, TRUE, FALSE, TRUE, TRUE, FALSE},
         XP::BarFillDefault,
         "colour bar in a dialog"},
        {{FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, TRUE, TRUE, FALSE},
         XP::BarFillMenu,
         "calendar bar"},
        {{FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, TRUE, FALSE},
         XP::BarFillPopupMenu,
         "popup menu bar"},
        {{FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillToolbar,
         "toolbar"},
        {{TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},
         XP::BarFillDefault,
         "toolbar in a dialog"},
        {{FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE},
         XP::BarFillTabBack,
         "auto-hide dock bar"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fill, XP::ChooseBarFill(c.facts)) << c.what;
}

namespace
{
class ColumnLook : public CZAVPVisualManagerXP
{
public:
    ColumnLook() : CZAVPVisualManagerXP(TRUE) {}
    using CZAVPVisualManagerXP::PopupImageColumnWidth;
};
}  // namespace

TEST(VisualManagerXPLook, PopupImageColumnRespectsItsFlags)
{
    ColumnLook look;
    const SIZE saved = ZAVPSharedBarData::g_sizeMenuImage;
    ZAVPSharedBarData::g_sizeMenuImage = SIZE{16, 15};
    // Image width 16 + 2 x margin 3 + 2 = 24; twice that for a second column.
    // clang-format off
    struct Case
    {
        BOOL none, second;
        int width;
    } cases[] = {
        {FALSE, FALSE, 24},
        {FALSE, TRUE, 48},
        {TRUE, FALSE, 0},
        {TRUE, TRUE, 0},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(c.width, look.PopupImageColumnWidth(c.none, c.second)) << c.none << c.second;
    ZAVPSharedBarData::g_sizeMenuImage = saved;
}

TEST_F(VisualManagerXPTest, CaptionButtonGlyphIsWhiteOnAnActiveCaptionAlsoWhenHotOrPressed)
{
    // A close button at (0, 0): 9 + 2 x 2 = 13 pixels square, its glyph from (2, 2); pixel (1, 1)
    // of the close cross is drawn, so (3, 3) shows the glyph's colour.
    struct Case
    {
        BOOL active, focused, pushed;
        COLORREF glyph;
    } cases[] = {
        {TRUE, FALSE, FALSE, RGB(255, 255, 255)}, {TRUE, TRUE, FALSE, RGB(255, 255, 255)},
        {TRUE, TRUE, TRUE, RGB(255, 255, 255)},   {FALSE, FALSE, FALSE, RGB(0, 0, 0)},
        {FALSE, TRUE, FALSE, RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        CZAVPTitleButton button(HTCLOSE, FALSE);
        button.m_bFocused = c.focused;
        button.m_bPushed = c.pushed;
        MemoryDC dc(20, 20, RGB(128, 0, 128));
        m_manager.OnDrawCaptionButton(&dc.DC(), &button, c.active, TRUE, FALSE, FALSE);
        EXPECT_EQ(c.glyph, dc.Pixel(3, 3)) << c.active << c.focused << c.pushed;
    }
}
