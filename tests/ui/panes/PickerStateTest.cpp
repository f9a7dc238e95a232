// The pickers without windows: the calendar's selection rules, the archives of the picker bars
// and drop-down buttons (byte for byte, and damaged), the colour cells' tooltips and the colour
// strip of the drop-down button.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "ui/toolbars/ToolbarTestSupport.h"
#include "framework/CArchive.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/panes/CColorButton.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/panes/ZAVPUserTimeLocale.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
std::string Days(const CZAVPCalendarBar& bar)
{
    std::string text;
    const CList<int, int>& days = bar.GetSelectedDays();
    for (POSITION pos = days.GetHeadPosition(); pos != nullptr;)
        text += std::to_string(days.GetNext(pos)) + " ";
    return text;
}

COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

// A standalone calendar with multiple selection showing May 2024 (1 May is a Wednesday).
struct MultiCalendar
{
    MultiCalendar() : source(), bar(source, 0, TRUE) { bar.SetDate(Day(2024, 5, 15)); }
    CZAVPCalendarBar source;
    CZAVPCalendarBar bar;
};

// The bytes a plain menu button writes, for the part the picker buttons inherit.
Bytes MenuButtonPart(const CZAVPToolbarMenuButton& button)
{
    return StoreBytes(
        [&](CArchive& ar) { const_cast<CZAVPToolbarMenuButton&>(button).Serialize(ar); });
}

bool EndsWith(const Bytes& bytes, const Bytes& tail)
{
    return bytes.size() >= tail.size() &&
           std::equal(tail.begin(), tail.end(), bytes.end() - tail.size());
}
}  // namespace

// ---- calendar selection

TEST(CalendarSelection, ClicksTogglesAndRanges)
{
    MultiCalendar c;
    CZAVPCalendarBar& bar = c.bar;
    bar.SelectDate(Day(2024, 5, 12));
    EXPECT_EQ("12 ", Days(bar));
    bar.SelectDate(Day(2024, 5, 20), TRUE, FALSE);  // Ctrl adds
    bar.SelectDate(Day(2024, 5, 3), TRUE, FALSE);
    EXPECT_EQ("3 12 20 ", Days(bar));
    bar.SelectDate(Day(2024, 5, 12), TRUE, FALSE);  // Ctrl on a selected day removes it
    EXPECT_EQ("3 20 ", Days(bar));
    // Shift before the lowest day: from it to the highest.
    bar.SelectDate(Day(2024, 5, 1), FALSE, TRUE);
    EXPECT_EQ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 ", Days(bar));
    // Shift after it: from the lowest to the day.
    bar.SelectDate(Day(2024, 5, 4), FALSE, TRUE);
    EXPECT_EQ("1 2 3 4 ", Days(bar));
    EXPECT_EQ(4, bar.GetAnchorDate().GetDay());
    // A plain click starts again; a day of another month selects nothing shown.
    bar.SelectDate(Day(2024, 5, 9));
    EXPECT_EQ("9 ", Days(bar));
    EXPECT_TRUE(bar.IsDateSelected(Day(2024, 5, 9)));
    EXPECT_FALSE(bar.IsDateSelected(Day(2024, 6, 9)));
    EXPECT_FALSE(bar.IsDateSelected(Day(2023, 5, 9)));
}

TEST(CalendarSelection, RangeWithNothingSelectedSelectsJustTheDay)
{
    MultiCalendar c;
    c.bar.SelectRange(Day(2024, 5, 17));
    EXPECT_EQ("17 ", Days(c.bar));
    EXPECT_EQ(17, c.bar.GetAnchorDate().GetDay());
}

TEST(CalendarSelection, WeekDaysAndWeeks)
{
    MultiCalendar c;
    CZAVPCalendarBar& bar = c.bar;
    // Every Monday of May 2024.
    bar.SelectWeekDays(Day(2024, 5, 6), FALSE, FALSE);
    EXPECT_EQ("6 13 20 27 ", Days(bar));
    // With Ctrl the same column goes again, another one comes.
    bar.SelectWeekDays(Day(2024, 5, 6), TRUE, FALSE);
    EXPECT_EQ("", Days(bar));
    bar.SelectWeekDays(Day(2024, 5, 1), TRUE, FALSE);
    EXPECT_EQ("1 8 15 22 29 ", Days(bar));
    // The week of 15 May (Sunday 12 to Saturday 18), then with Shift the first week added.
    bar.SelectWeek(Day(2024, 5, 15), FALSE, FALSE);
    EXPECT_EQ("12 13 14 15 16 17 18 ", Days(bar));
    bar.SelectWeek(Day(2024, 5, 2), FALSE, TRUE);
    EXPECT_EQ("1 2 3 4 12 13 14 15 16 17 18 ", Days(bar));
}

TEST(CalendarSelection, SingleSelectionIgnoresCtrlAndShiftAndAPopupFollowsThePick)
{
    // The bar of a popup: single selection, the shown date is the selection.
    CZAVPCalendarBar popup(Day(2024, 5, 15), 40001);
    EXPECT_FALSE(popup.IsStandalone());
    popup.SelectDate(Day(2024, 5, 3), TRUE, TRUE);
    EXPECT_EQ(3, popup.GetDate().GetDay());
    EXPECT_TRUE(popup.IsDateSelected(Day(2024, 5, 3)));
    EXPECT_FALSE(popup.IsDateSelected(Day(2024, 5, 15)));
    // Week selections need multiple selection.
    popup.SelectWeekDays(Day(2024, 5, 6), FALSE, FALSE);
    EXPECT_EQ("3 ", Days(popup));
}

// ---- archives

TEST(PickerArchive, CalendarBarStoresItsFlagAndCommandAfterTheToolbar)
{
    CZAVPCalendarBar source;
    CZAVPCalendarBar bar(source, 0x9C41, FALSE);
    const Bytes image = StoreBytes([&](CArchive& ar) { bar.Serialize(ar); });
    // A calendar keeps none of its buttons: the control-bar words, then its own two.
    ASSERT_EQ(16u, image.size());
    EXPECT_TRUE(EndsWith(image, Hex("01 00 00 00 41 9C 00 00")));

    CZAVPCalendarBar loaded(Day(2024, 1, 1), 0);
    ASSERT_TRUE(LoadBytes(image, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_TRUE(loaded.IsStandalone());
    EXPECT_EQ(0x9C41u, loaded.GetCommandID());
    // Cut short: refused.
    const Bytes cut(image.begin(), image.end() - 2);
    CZAVPCalendarBar other;
    EXPECT_FALSE(LoadBytes(cut, [&](CArchive& ar) { other.Serialize(ar); }));
}

TEST(PickerArchive, CalendarButtonAddsItsFourValuesButNotTheDate)
{
    CZAVPCalendarMenuButton button;
    button.m_nID = 40010;
    button.m_strText = "Date";
    CZAVPToolbarMenuButton plain;
    plain.CZAVPToolbarMenuButton::CopyFrom(button);
    const Bytes image = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    EXPECT_EQ(MenuButtonPart(plain) + Hex("FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00"),
              image);

    CZAVPCalendarMenuButton loaded;
    loaded.m_dwStored[3] = 7;
    ASSERT_TRUE(LoadBytes(image, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(40010u, loaded.m_nID);
    EXPECT_EQ(0u, loaded.m_dwStored[3]);
    EXPECT_FALSE(LoadBytes(Bytes(image.begin(), image.end() - 1),
                           [&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(PickerArchive, ColorBarTail)
{
    CArray<COLORREF, COLORREF> colors;
    colors.Add(RGB(255, 0, 0));
    colors.Add(RGB(0, 0, 255));
    CList<COLORREF, COLORREF> none;
    CZAVPColorBar popup(colors, RGB(255, 0, 0), "Auto", "More", "", none, 3, 2, 1, RGB(1, 2, 3),
                        40020);
    CZAVPColorBar bar(popup, 40020);
    const Bytes image = StoreBytes([&](CArchive& ar) { bar.Serialize(ar); });
    const Bytes tail = Hex("03 00 00 00 02 00 00 00 01 00 00 00 01 02 03 00") +
                       Hex("04 'Auto' 04 'More' 00") + Hex("01 00 00 00 54 9C 00 00 00 00 00 00") +
                       Hex("02 00 00 00 FF 00 00 00 00 00 FF 00");
    EXPECT_TRUE(EndsWith(image, tail));

    CZAVPColorBar loaded;
    ASSERT_TRUE(LoadBytes(image, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(2, loaded.GetPaletteColors().GetSize());
    EXPECT_EQ(RGB(0, 0, 255), loaded.GetPaletteColors()[1]);
    EXPECT_EQ(40020u, loaded.GetCommandID());
    EXPECT_EQ(image, StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(PickerArchive, ColorBarRefusesAnOverlongOrShortPaletteAndKeepsItsOwn)
{
    CArray<COLORREF, COLORREF> colors;
    colors.Add(RGB(1, 1, 1));
    CList<COLORREF, COLORREF> none;
    CZAVPColorBar popup(colors, (COLORREF)-1, "", "", "", none, 0, 0, 0, 0, 7);
    CZAVPColorBar bar(popup, 7);
    const Bytes good = StoreBytes([&](CArchive& ar) { bar.Serialize(ar); });
    const size_t nCountAt = good.size() - 8;  // the count, then one colour

    Bytes overlong = good;
    overlong[nCountAt] = 0x01;
    overlong[nCountAt + 1] = 0x01;  // 257 colours
    Bytes short_ = good;
    short_[nCountAt] = 0x02;  // two announced, one there
    for (const Bytes& damaged : {overlong, short_}) {
        CZAVPColorBar target(popup, 99);
        EXPECT_FALSE(LoadBytes(damaged, [&](CArchive& ar) { target.Serialize(ar); }));
        ASSERT_EQ(1, target.GetPaletteColors().GetSize());
        EXPECT_EQ(RGB(1, 1, 1), target.GetPaletteColors()[0]);
        EXPECT_EQ(99u, target.GetCommandID());
    }
}

TEST(PickerArchive, ColorButtonTailAndDamage)
{
    CZAVPColorMenuButton button(40030, "Colour");
    button.m_Colors.RemoveAll();
    button.m_Colors.Add(RGB(0x10, 0x20, 0x30));
    button.EnableAutomaticButton("Auto", RGB(9, 9, 9));
    button.EnableOtherButton("More");
    button.m_nColumns = 4;
    button.m_Color = RGB(5, 5, 5);  // not stored
    CZAVPToolbarMenuButton plain;
    plain.CZAVPToolbarMenuButton::CopyFrom(button);
    const Bytes image = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    const Bytes tail = Hex("01 00 00 00 10 20 30 00") + Hex("04 00 00 00 FF FF FF FF FF FF FF FF") +
                       Hex("01 00 00 00 01 00 00 00 00 00 00 00") + Hex("04 'Auto' 04 'More' 00") +
                       Hex("09 09 09 00 00 00 00 00");
    EXPECT_EQ(MenuButtonPart(plain) + tail, image);

    CZAVPColorMenuButton loaded;
    ASSERT_TRUE(LoadBytes(image, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ((COLORREF)-1, loaded.m_Color);
    EXPECT_EQ(RGB(9, 9, 9), loaded.m_colorAutomatic);
    EXPECT_EQ("More", std::string(loaded.m_strOtherButtonLabel));

    Bytes overlong = image;
    const size_t nCountAt = MenuButtonPart(plain).size();
    overlong[nCountAt + 2] = 0x10;  // 0x100001 colours
    CZAVPColorMenuButton target(40031, "Kept");
    EXPECT_FALSE(LoadBytes(overlong, [&](CArchive& ar) { target.Serialize(ar); }));
    EXPECT_EQ(20, target.m_Colors.GetSize());
    EXPECT_FALSE(LoadBytes(Bytes(image.begin(), image.end() - 3),
                           [&](CArchive& ar) { target.Serialize(ar); }));
    EXPECT_EQ(20, target.m_Colors.GetSize());
}

// ---- colour cells and the drop-down's strip

TEST(ColorPickers, CellTooltipsAndTheStripColour)
{
    CColorButton cell(RGB(255, 128, 0), FALSE, FALSE, nullptr, FALSE, FALSE, FALSE);
    CString strTip;
    ASSERT_TRUE(cell.GetCustomToolTipText(strTip));
    EXPECT_EQ("Hex={FF,80,00}", std::string(strTip));
    CColorButton row((COLORREF)-1, TRUE, FALSE, "&Auto", FALSE, FALSE, FALSE);
    ASSERT_TRUE(row.GetCustomToolTipText(strTip));
    EXPECT_EQ("Auto", std::string(strTip));
    cell.m_nStyle |= TBBS_DISABLED;
    EXPECT_FALSE(cell.GetCustomToolTipText(strTip));

    CZAVPColorMenuButton button(40040, "Colour");
    button.m_colorAutomatic = RGB(7, 8, 9);
    EXPECT_EQ(RGB(7, 8, 9), button.StripColor());  // -1: the automatic colour
    button.m_Color = RGB(200, 0, 0);
    EXPECT_EQ(RGB(200, 0, 0), button.StripColor());
    button.m_nStyle |= TBBS_DISABLED;
    EXPECT_EQ(globalData.clrBarShadow, button.StripColor());

    // Under a 16 x 15 image at (10, 5): from y 19, 5 high (10 large), 4 in from the sides.
    const CRect rectImage(10, 5, 26, 20), rectSides(4, 2, 32, 24);
    EXPECT_EQ(CRect(8, 19, 28, 24),
              CZAVPColorMenuButton::StripRect(rectImage, rectSides, FALSE, TRUE, FALSE));
    EXPECT_EQ(CRect(8, 19, 28, 29),
              CZAVPColorMenuButton::StripRect(rectImage, rectSides, TRUE, TRUE, FALSE));
    EXPECT_EQ(CRect(7, 22, 27, 27),
              CZAVPColorMenuButton::StripRect(rectImage, rectSides, FALSE, FALSE, FALSE));
    EXPECT_EQ(CRect(9, 20, 29, 25),
              CZAVPColorMenuButton::StripRect(rectImage, rectSides, FALSE, TRUE, TRUE));
}

TEST(ColorPickers, PicksAndCopiesReachTheProcessWideMaps)
{
    CZAVPColorMenuButton button(40050, "Colour");
    button.SetColor(RGB(1, 2, 3), TRUE);
    COLORREF clr = 0;
    ASSERT_TRUE(ZAVPPaneSharedData::CommandColors().Lookup(40050, clr));
    EXPECT_EQ(RGB(1, 2, 3), clr);
    button.SetColor((COLORREF)-1, TRUE);  // the automatic row
    ASSERT_TRUE(ZAVPPaneSharedData::CommandColors().Lookup(40050, clr));
    EXPECT_EQ((COLORREF)-1, clr);

    CZAVPCalendarMenuButton day;
    day.m_nID = 40051;
    day.SetDate(Day(2024, 2, 29), TRUE);
    CZAVPCalendarMenuButton copy;
    copy.CopyFrom(day);
    EXPECT_EQ(Day(2024, 2, 29), copy.GetDate());
    COleDateTime date;
    ASSERT_TRUE(ZAVPPaneSharedData::CommandDates().Lookup(40051, date));
    EXPECT_EQ(Day(2024, 2, 29), date);
}

// ---- the user's time locale for month and day names

TEST(CalendarNames, TheUserLocaleNamesMonthsAndTheRuntimeLocaleComesBack)
{
    const std::string strBefore = std::setlocale(LC_TIME, nullptr);
    {
        ZAVPUserTimeLocale locale;
        // The test prefix runs in Russian.
        EXPECT_EQ("Russian_Russia", ZAVPUserTimeLocale::UserLocaleName());
        EXPECT_TRUE(locale.IsSwitched());
    }
    EXPECT_EQ(strBefore, std::setlocale(LC_TIME, nullptr));
    // January in code page 1251 starts with the Cyrillic capital or small "ya".
    const LPCSTR lpszJanuary = CZAVPCalendarBar::GetMonthName(1);
    ASSERT_NE(nullptr, lpszJanuary);
    EXPECT_TRUE((BYTE)lpszJanuary[0] == 0xDF || (BYTE)lpszJanuary[0] == 0xFF) << lpszJanuary;
    EXPECT_EQ(nullptr, CZAVPCalendarBar::GetMonthName(0));
    EXPECT_EQ(nullptr, CZAVPCalendarBar::GetMonthName(13));
}
