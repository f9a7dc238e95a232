// A date and time as the platform's variant time (days since 30 December 1899, the fraction the
// time of day) with a status. The fields are read and set through VariantTimeToSystemTime and
// SystemTimeToVariantTime, so the date range and the rounding are the platform's.
#pragma once

#include <windows.h>

#include "framework/COleDateTimeSpan.h"
#include "framework/CString.h"

class COleDateTime
{
public:
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    COleDateTime() : m_dt(0.0), m_status(valid) {}
    explicit COleDateTime(double dtSrc) : m_dt(dtSrc), m_status(valid) {}
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }
    explicit COleDateTime(const SYSTEMTIME& st);

    // The local time now.
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // 0 on success; an impossible date (31 April, month 13) leaves the value invalid and answers 1.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay)
    {
        return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
    }

    // The fields of a valid date; -1 for an invalid or null one.
    int GetYear() const;
    int GetMonth() const;  // 1..12
    int GetDay() const;    // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 Sunday .. 7 Saturday
    int GetDayOfYear() const;  // 1 for 1 January
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;

    // strftime of the fields in the C runtime's current LC_TIME locale; empty for an invalid date.
    CString Format(LPCSTR lpszFormat) const;

    bool operator==(const COleDateTime& other) const
    {
        return m_status == other.m_status && m_dt == other.m_dt;
    }
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const { return Linear() < other.Linear(); }
    bool operator>(const COleDateTime& other) const { return Linear() > other.Linear(); }
    bool operator<=(const COleDateTime& other) const { return Linear() <= other.Linear(); }
    bool operator>=(const COleDateTime& other) const { return Linear() >= other.Linear(); }

    // Adding days moves along the time line, also before 1900 where the stored value's fraction
    // counts forward from a negative day number.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& other) const
    {
        return COleDateTimeSpan(Linear() - other.Linear());
    }

    double m_dt;  // variant time
    DateTimeStatus m_status;

private:
    BOOL Fields(SYSTEMTIME& st) const;
    double Linear() const { return LinearOf(m_dt); }
    static double LinearOf(double dt);
    static double FromLinear(double dblLinear);
};
