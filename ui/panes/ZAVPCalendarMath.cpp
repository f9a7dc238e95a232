// Date arithmetic of the calendar bar (see ZAVPCalendarMath.h).
#include "ui/panes/ZAVPCalendarMath.h"

namespace ZAVPCalendarMath
{
namespace
{
const int kWeekDays = 7;
const int kMonthsInYear = 12;
const int kLongestMonth = 31;
}  // namespace

int DaysInMonth(int nYear, int nMonth)
{
    for (int nDay = kLongestMonth; nDay >= 1; --nDay) {
        COleDateTime probe;
        if (probe.SetDate(nYear, nMonth, nDay) == 0) return nDay;
    }
    return 0;
}

int GetDaysInMonth(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid) return 0;
    return DaysInMonth(date.GetYear(), date.GetMonth());
}

int GetWeekOfYear(const COleDateTime& date, int nFirstDayOfWeek)
{
    if (date.GetStatus() != COleDateTime::valid) return -1;
    const COleDateTime jan1(date.GetYear(), 1, 1, 0, 0, 0);
    const int w1 = (jan1.GetDayOfWeek() - nFirstDayOfWeek + kWeekDays) % kWeekDays;
    const int wd = (date.GetDayOfWeek() - nFirstDayOfWeek + kWeekDays) % kWeekDays;
    const int n = date.GetDayOfYear() - wd + w1;
    return n / kWeekDays + 1;
}

COleDateTime GridStart(const COleDateTime& date, int nFirstDayOfWeek)
{
    COleDateTime first = date - COleDateTimeSpan(date.GetDay() - 1, 0, 0, 0);
    first -= COleDateTimeSpan((first.GetDayOfWeek() - nFirstDayOfWeek + kWeekDays) % kWeekDays, 0,
                              0, 0);
    return first;
}

COleDateTime MakeDateClamped(int nYear, int nMonth, int nDay, const COleDateTime& timeOf)
{
    const int nLast = DaysInMonth(nYear, nMonth);
    COleDateTime result;
    if (nLast == 0) {
        result.SetStatus(COleDateTime::invalid);
        return result;
    }
    const BOOL bTime = timeOf.GetStatus() == COleDateTime::valid;
    result.SetDateTime(nYear, nMonth, nDay < nLast ? nDay : nLast, bTime ? timeOf.GetHour() : 0,
                       bTime ? timeOf.GetMinute() : 0, bTime ? timeOf.GetSecond() : 0);
    return result;
}

COleDateTime PageStep(const COleDateTime& date, BOOL bForward, BOOL bCtrl)
{
    if (date.GetStatus() != COleDateTime::valid) return date;
    const int nYear = date.GetYear(), nMonth = date.GetMonth();
    if (bCtrl) return MakeDateClamped(nYear + (bForward ? 1 : -1), nMonth, date.GetDay(), date);
    if (bForward) return date + COleDateTimeSpan(DaysInMonth(nYear, nMonth), 0, 0, 0);
    const int nPrevMonth = nMonth == 1 ? kMonthsInYear : nMonth - 1;
    const int nPrevYear = nMonth == 1 ? nYear - 1 : nYear;
    return date - COleDateTimeSpan(DaysInMonth(nPrevYear, nPrevMonth), 0, 0, 0);
}

COleDateTime NavigateTarget(const COleDateTime& date, int nIndex, BOOL bKeepDay)
{
    if (date.GetStatus() != COleDateTime::valid) return date;
    int nYear = date.GetYear(), nMonth = date.GetMonth();
    switch (nIndex) {
    case PrevYear: --nYear; break;
    case PrevMonth:
        if (--nMonth < 1) {
            nMonth = kMonthsInYear;
            --nYear;
        }
        break;
    case NextMonth:
        if (++nMonth > kMonthsInYear) {
            nMonth = 1;
            ++nYear;
        }
        break;
    default: ++nYear; break;
    }
    return MakeDateClamped(nYear, nMonth, bKeepDay ? date.GetDay() : 1, date);
}

int NextRepeatDelay(int nDelayMs)
{
    return nDelayMs > kRepeatMinDelayMs ? nDelayMs - kRepeatDelayStepMs : nDelayMs;
}

BOOL IsSameDay(const COleDateTime& a, const COleDateTime& b)
{
    return a.GetStatus() == COleDateTime::valid && b.GetStatus() == COleDateTime::valid &&
           a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

BOOL IsDaySelected(const CList<int, int>& days, int nDay) { return days.Find(nDay) != nullptr; }

BOOL AddSelectedDay(CList<int, int>& days, int nDay)
{
    for (POSITION pos = days.GetHeadPosition(); pos != nullptr;) {
        const POSITION posCurrent = pos;
        const int nAt = days.GetNext(pos);
        if (nAt == nDay) return FALSE;
        if (nAt > nDay) {
            days.InsertBefore(posCurrent, nDay);
            return TRUE;
        }
    }
    days.AddTail(nDay);
    return TRUE;
}

BOOL RemoveSelectedDay(CList<int, int>& days, int nDay)
{
    const POSITION pos = days.Find(nDay);
    if (pos == nullptr) return FALSE;
    days.RemoveAt(pos);
    return TRUE;
}

void RangeFor(const CList<int, int>& days, int nDay, int& nFirst, int& nLast)
{
    if (days.IsEmpty()) {
        nFirst = nLast = nDay;
        return;
    }
    const int nLow = days.GetHead(), nHigh = days.GetTail();
    if (nDay < nLow) {
        nFirst = nDay;
        nLast = nHigh;
    } else {
        nFirst = nLow;
        nLast = nDay;
    }
}
}  // namespace ZAVPCalendarMath
