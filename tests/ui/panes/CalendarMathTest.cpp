// The calendar's date arithmetic: month lengths, week numbers, the grid's first day, the page
// and navigation steps, the auto-repeat delays and the sorted list of selected days.
#include <gtest/gtest.h>

#include <string>

#include "ui/panes/ZAVPCalendarMath.h"

using namespace ZAVPCalendarMath;

namespace
{
COleDateTime Day(int y, int m, int d, int h = 0) { return COleDateTime(y, m, d, h, 0, 0); }

std::string Text(const COleDateTime& date) { return (LPCSTR)date.Format("%Y-%m-%d %H"); }

std::string Days(const CList<int, int>& days)
{
    std::string text;
    for (POSITION pos = days.GetHeadPosition(); pos != nullptr;)
        text += std::to_string(days.GetNext(pos)) + " ";
    return text;
}
}  // namespace

TEST(CalendarMath, DaysInMonth)
{
    const struct
    {
        int y, m, days;
    } cases[] = {
        {2023, 1, 31}, {2023, 2, 28},  {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29},
        {2024, 4, 30}, {2024, 12, 31}, {2024, 13, 0}, {2024, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.days, DaysInMonth(c.y, c.m)) << c.y << "-" << c.m;
    EXPECT_EQ(29, GetDaysInMonth(Day(2024, 2, 10)));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(0, GetDaysInMonth(invalid));
}

TEST(CalendarMath, FirstOfJanuaryIsAlwaysInWeekOne)
{
    // Every weekday 1 January can fall on, across a leap cycle and more.
    for (int y = 2015; y <= 2026; ++y) {
        EXPECT_EQ(1, GetWeekOfYear(Day(y, 1, 1), kFirstDayOfWeekSunday)) << y;
        // The next Sunday starts week 2 (unless 1 January is itself a Sunday: then the 8th).
        const COleDateTime jan1 = Day(y, 1, 1);
        const int nNextSunday = 1 + (8 - jan1.GetDayOfWeek()) % 7;
        const int nWeek2Start = nNextSunday == 1 ? 8 : nNextSunday;
        EXPECT_EQ(1, GetWeekOfYear(Day(y, 1, nWeek2Start - 1), kFirstDayOfWeekSunday)) << y;
        EXPECT_EQ(2, GetWeekOfYear(Day(y, 1, nWeek2Start), kFirstDayOfWeekSunday)) << y;
    }
    // 2022 began on a Saturday: 31 December 2022 (a Saturday) closes week 53.
    EXPECT_EQ(53, GetWeekOfYear(Day(2022, 12, 31), kFirstDayOfWeekSunday));
}

TEST(CalendarMath, GridStartsOnTheSundayOnOrBeforeTheFirst)
{
    const struct
    {
        COleDateTime date;
        const char* start;
    } cases[] = {
        {Day(2023, 1, 15, 9), "2023-01-01 09"},  // January 2023 starts on a Sunday: column 0
        {Day(2024, 3, 31), "2024-02-25 00"},     // 1 March 2024 is a Friday
        {Day(2024, 9, 1), "2024-09-01 00"},      // a Sunday
        {Day(2024, 6, 30), "2024-05-26 00"},     // 1 June 2024 is a Saturday: 6 days back
    };
    for (const auto& c : cases) {
        const COleDateTime start = GridStart(c.date, kFirstDayOfWeekSunday);
        EXPECT_EQ(c.start, Text(start));
        EXPECT_EQ(1, start.GetDayOfWeek());
        // 42 days always cover the whole month.
        const COleDateTime last = start + COleDateTimeSpan(kGridDays - 1, 0, 0, 0);
        EXPECT_TRUE(last.GetMonth() != c.date.GetMonth() ||
                    last.GetDay() == GetDaysInMonth(c.date));
    }
}

TEST(CalendarMath, PageUpAndDown)
{
    const struct
    {
        COleDateTime date;
        BOOL bForward, bCtrl;
        const char* result;
    } cases[] = {
        {Day(2023, 3, 31), FALSE, FALSE, "2023-03-03 00"},  // back 28 days (February 2023)
        {Day(2024, 3, 31), FALSE, FALSE, "2024-03-02 00"},  // back 29 days (February 2024)
        {Day(2024, 1, 15), FALSE, FALSE, "2023-12-15 00"},  // before January: December's 31
        {Day(2024, 1, 31), TRUE, FALSE, "2024-03-02 00"},   // forward January's 31 days
        {Day(2024, 6, 10, 7), TRUE, TRUE, "2025-06-10 07"},
        {Day(2024, 6, 10), FALSE, TRUE, "2023-06-10 00"},
        // 29 February has no day in the year before or after: the month's last day.
        {Day(2024, 2, 29, 12), TRUE, TRUE, "2025-02-28 12"},
        {Day(2024, 2, 29), FALSE, TRUE, "2023-02-28 00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, Text(PageStep(c.date, c.bForward, c.bCtrl))) << Text(c.date);
}

TEST(CalendarMath, NavigateTargets)
{
    const COleDateTime jan31 = Day(2024, 1, 31, 8);
    const char* const standalone[] = {"2023-01-01 08", "2023-12-01 08", "2024-02-01 08",
                                      "2025-01-01 08"};
    const char* const popup[] = {"2023-01-31 08", "2023-12-31 08", "2024-02-29 08",
                                 "2025-01-31 08"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(standalone[i], Text(NavigateTarget(jan31, i, FALSE))) << i;
        EXPECT_EQ(popup[i], Text(NavigateTarget(jan31, i, TRUE))) << i;
    }
    EXPECT_EQ("2023-02-28 00", Text(NavigateTarget(Day(2023, 1, 31), NextMonth, TRUE)));
    EXPECT_EQ("2025-01-01 00", Text(NavigateTarget(Day(2024, 12, 5), NextMonth, FALSE)));
}

TEST(CalendarMath, RepeatDelaysFallBy50To100AndStay)
{
    std::string sequence;
    int nDelay = kRepeatFirstDelayMs;
    for (int i = 0; i < 11; ++i) {
        sequence += std::to_string(nDelay) + " ";
        nDelay = NextRepeatDelay(nDelay);
    }
    EXPECT_EQ("500 450 400 350 300 250 200 150 100 100 100 ", sequence);
}

TEST(CalendarMath, SelectedDaysStayAscendingWithoutDuplicates)
{
    CList<int, int> days;
    EXPECT_TRUE(AddSelectedDay(days, 12));
    EXPECT_TRUE(AddSelectedDay(days, 3));
    EXPECT_TRUE(AddSelectedDay(days, 30));
    EXPECT_TRUE(AddSelectedDay(days, 7));
    EXPECT_FALSE(AddSelectedDay(days, 12));
    EXPECT_EQ("3 7 12 30 ", Days(days));
    EXPECT_TRUE(RemoveSelectedDay(days, 7));
    EXPECT_FALSE(RemoveSelectedDay(days, 8));
    EXPECT_EQ("3 12 30 ", Days(days));

    const struct
    {
        int nDay, nFirst, nLast;
    } ranges[] = {{20, 3, 20}, {1, 1, 30}, {30, 3, 30}};
    for (const auto& r : ranges) {
        int nFirst = 0, nLast = 0;
        RangeFor(days, r.nDay, nFirst, nLast);
        EXPECT_EQ(r.nFirst, nFirst) << r.nDay;
        EXPECT_EQ(r.nLast, nLast) << r.nDay;
    }
    // Nothing selected: the range is the day alone.
    CList<int, int> none;
    int nFirst = 0, nLast = 0;
    RangeFor(none, 9, nFirst, nLast);
    EXPECT_EQ(9, nFirst);
    EXPECT_EQ(9, nLast);
}
