// COleDateTime over the platform's variant time: fields, impossible dates, day arithmetic across
// the 1899 epoch, and formatting.
#include <gtest/gtest.h>

#include "framework/COleDateTime.h"

TEST(OleDateTime, FieldsOfKnownVariantTimes)
{
    // Day 0 is 30 December 1899 (a Saturday); 2.75 is 1 January 1900, 18:00.
    const struct
    {
        double dt;
        int y, m, d, h, dow, doy;
    } cases[] = {
        {0.0, 1899, 12, 30, 0, 7, 364},   {2.75, 1900, 1, 1, 18, 2, 1},
        {36526.0, 2000, 1, 1, 0, 7, 1},   {36585.0, 2000, 2, 29, 0, 3, 60},
        {-1.25, 1899, 12, 29, 6, 6, 363},
    };
    for (const auto& c : cases) {
        const COleDateTime date(c.dt);
        EXPECT_EQ(c.y, date.GetYear()) << c.dt;
        EXPECT_EQ(c.m, date.GetMonth()) << c.dt;
        EXPECT_EQ(c.d, date.GetDay()) << c.dt;
        EXPECT_EQ(c.h, date.GetHour()) << c.dt;
        EXPECT_EQ(c.dow, date.GetDayOfWeek()) << c.dt;
        EXPECT_EQ(c.doy, date.GetDayOfYear()) << c.dt;
    }
}

TEST(OleDateTime, ImpossibleDatesAreInvalidAndAnswerMinusOne)
{
    const int bad[][3] = {{2023, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 10}, {2024, 1, 0}};
    for (const auto& b : bad) {
        COleDateTime date;
        EXPECT_EQ(1, date.SetDate(b[0], b[1], b[2]));
        EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
        EXPECT_EQ(-1, date.GetYear());
        EXPECT_EQ(-1, date.GetDayOfWeek());
        EXPECT_EQ("", std::string(date.Format("%d")));
    }
    COleDateTime leap;
    EXPECT_EQ(0, leap.SetDate(2024, 2, 29));
    EXPECT_EQ(COleDateTime::valid, leap.GetStatus());
}

TEST(OleDateTime, AddingDaysCrossesTheEpochAndKeepsTheTimeOfDay)
{
    COleDateTime date(1900, 1, 1, 6, 0, 0);
    date -= COleDateTimeSpan(3, 0, 0, 0);
    EXPECT_EQ(1899, date.GetYear());
    EXPECT_EQ(29, date.GetDay());
    EXPECT_EQ(6, date.GetHour());
    date += COleDateTimeSpan(3, 0, 0, 0);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 6, 0, 0), date);
    EXPECT_DOUBLE_EQ(
        -3.0,
        (COleDateTime(1899, 12, 29, 6, 0, 0) - COleDateTime(1900, 1, 1, 6, 0, 0)).GetTotalDays());
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 6, 0, 0) < COleDateTime(1899, 12, 29, 7, 0, 0));
}

TEST(OleDateTime, FormatUsesTheFields)
{
    const COleDateTime date(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ("05.03.2024 14:07:09", std::string(date.Format("%d.%m.%Y %H:%M:%S")));
    EXPECT_EQ("065", std::string(date.Format("%j")));
}
