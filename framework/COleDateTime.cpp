// COleDateTime over the platform's variant-time conversions (see COleDateTime.h).
#include "framework/COleDateTime.h"

#include <cmath>
#include <ctime>
#include <oleauto.h>

COleDateTime::COleDateTime(const SYSTEMTIME& st) : m_dt(0.0), m_status(valid)
{
    if (!::SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&st), &m_dt)) m_status = invalid;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    st.wMilliseconds = 0;
    return COleDateTime(st);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    m_dt = 0.0;
    m_status = invalid;
    // SystemTimeToVariantTime carries an overlong day into the next month; a date that does not
    // exist must stay invalid instead, so the fields are checked against the value's own.
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 ||
        nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        return 1;
    SYSTEMTIME st = {};
    st.wYear = (WORD)nYear;
    st.wMonth = (WORD)nMonth;
    st.wDay = (WORD)nDay;
    st.wHour = (WORD)nHour;
    st.wMinute = (WORD)nMin;
    st.wSecond = (WORD)nSec;
    double dt = 0.0;
    if (!::SystemTimeToVariantTime(&st, &dt)) return 1;
    SYSTEMTIME back = {};
    if (!::VariantTimeToSystemTime(dt, &back) || back.wYear != st.wYear ||
        back.wMonth != st.wMonth || back.wDay != st.wDay)
        return 1;
    m_dt = dt;
    m_status = valid;
    return 0;
}

BOOL COleDateTime::Fields(SYSTEMTIME& st) const
{
    return m_status == valid && ::VariantTimeToSystemTime(m_dt, &st);
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const { return Fields(st); }

int COleDateTime::GetYear() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wYear : -1;
}

int COleDateTime::GetMonth() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wMonth : -1;
}

int COleDateTime::GetDay() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wDay : -1;
}

int COleDateTime::GetHour() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wHour : -1;
}

int COleDateTime::GetMinute() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wMinute : -1;
}

int COleDateTime::GetSecond() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wSecond : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    SYSTEMTIME st;
    return Fields(st) ? st.wDayOfWeek + 1 : -1;
}

int COleDateTime::GetDayOfYear() const
{
    SYSTEMTIME st;
    if (!Fields(st)) return -1;
    SYSTEMTIME first = {};
    first.wYear = st.wYear;
    first.wMonth = 1;
    first.wDay = 1;
    double dtFirst = 0.0;
    if (!::SystemTimeToVariantTime(&first, &dtFirst)) return -1;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    double dtDay = 0.0;
    if (!::SystemTimeToVariantTime(&st, &dtDay)) return -1;
    return (int)std::lround(LinearOf(dtDay) - LinearOf(dtFirst)) + 1;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    SYSTEMTIME st;
    if (lpszFormat == nullptr || !Fields(st)) return CString();
    std::tm tmValue = {};
    tmValue.tm_year = st.wYear - 1900;
    tmValue.tm_mon = st.wMonth - 1;
    tmValue.tm_mday = st.wDay;
    tmValue.tm_hour = st.wHour;
    tmValue.tm_min = st.wMinute;
    tmValue.tm_sec = st.wSecond;
    tmValue.tm_wday = st.wDayOfWeek;
    tmValue.tm_yday = GetDayOfYear() - 1;
    tmValue.tm_isdst = -1;
    char szBuffer[256] = {};
    if (std::strftime(szBuffer, sizeof szBuffer, lpszFormat, &tmValue) == 0) return CString();
    return CString(szBuffer);
}

// Variant time stores a day before 30 December 1899 as a negative day number with a positive
// time fraction (-1.25 is 29 December, 6:00); the linear value (-0.75) orders and adds correctly.
double COleDateTime::LinearOf(double dt)
{
    if (dt >= 0.0) return dt;
    const double dblDay = std::ceil(dt);
    return dblDay - (dt - dblDay);
}

double COleDateTime::FromLinear(double dblLinear)
{
    if (dblLinear >= 0.0) return dblLinear;
    const double dblDay = std::floor(dblLinear);
    const double dblFraction = dblLinear - dblDay;
    // A negative day number of 0 does not exist: the first day before the epoch is -1.
    return dblFraction == 0.0 ? dblDay : dblDay - dblFraction;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result;
    result.m_status = m_status;
    result.m_dt = m_status == valid ? FromLinear(Linear() + span.m_span) : m_dt;
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + COleDateTimeSpan(-span.m_span);
}
