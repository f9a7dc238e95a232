// Date arithmetic of the calendar bar: month lengths, week numbers, the first day of the 6 x 7
// grid, the page and navigation steps, the auto-repeat delays and the sorted list of selected
// days. Plain functions over dates, so they are testable without a window.
#pragma once

#include "framework/CList.h"
#include "framework/COleDateTime.h"

namespace ZAVPCalendarMath
{
const int kFirstDayOfWeekSunday = 1;  // COleDateTime numbering: 1 Sunday .. 7 Saturday
const int kGridDays = 42;             // six weeks of seven days
const int kRepeatFirstDelayMs = 500;  // the first auto-repeat step of a held navigate button
const int kRepeatMinDelayMs = 100;
const int kRepeatDelayStepMs = 50;

// The last day of the date's month, found by trying day 31, 30, ... 1; 0 for an invalid date.
int GetDaysInMonth(const COleDateTime& date);
// The number of days of the month (1..12) of the year; 0 when there is no such month.
int DaysInMonth(int nYear, int nMonth);
// Week 1 is the week that holds 1 January, weeks starting on firstDayOfWeek (1 Sunday .. 7).
int GetWeekOfYear(const COleDateTime& date, int nFirstDayOfWeek);
// The first day of the grid showing the date's month: the first day of the week on or before
// the 1st, with the date's time of day.
COleDateTime GridStart(const COleDateTime& date, int nFirstDayOfWeek);
// The year, month and day (clamped to the month's length) with the time of day of timeOf.
COleDateTime MakeDateClamped(int nYear, int nMonth, int nDay, const COleDateTime& timeOf);

// Page Up / Page Down: with Ctrl the same day of the previous / next year (29 February becomes
// the 28th); otherwise back by the length of the previous month (December before January), or
// forward by the length of the date's own month.
COleDateTime PageStep(const COleDateTime& date, BOOL bForward, BOOL bCtrl);

enum NavigateIndex
{
    PrevYear = 0,
    PrevMonth = 1,
    NextMonth = 2,
    NextYear = 3
};
// Where a navigate button leads: the first of the target month, or (bKeepDay, a popup bar) the
// date's day clamped to the target month's length.
COleDateTime NavigateTarget(const COleDateTime& date, int nIndex, BOOL bKeepDay);

// The next delay of a held navigate button's timer: 500, 450, ... 100, then 100 for ever.
int NextRepeatDelay(int nDelayMs);

// The same calendar day (year, month and day), whatever the time of day.
BOOL IsSameDay(const COleDateTime& a, const COleDateTime& b);

// ---- the selected days of the shown month, kept ascending without duplicates
BOOL IsDaySelected(const CList<int, int>& days, int nDay);
// FALSE when the day was there already.
BOOL AddSelectedDay(CList<int, int>& days, int nDay);
// FALSE when the day was not there.
BOOL RemoveSelectedDay(CList<int, int>& days, int nDay);
// The days a Shift+click on nDay selects: from the lowest selected day to nDay, or from nDay to
// the highest when nDay lies before the lowest; just nDay when nothing is selected.
void RangeFor(const CList<int, int>& days, int nDay, int& nFirst, int& nLast);
}  // namespace ZAVPCalendarMath
