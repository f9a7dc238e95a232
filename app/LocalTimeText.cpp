// Local-time texts with the offset taken once.
#include "app/LocalTimeText.h"
#include <cstdint>

namespace
{

std::uint64_t Ticks(const FILETIME& time)
{
    return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(std::uint64_t ticks)
{
    FILETIME time;
    time.dwLowDateTime = DWORD(ticks);
    time.dwHighDateTime = DWORD(ticks >> 32);
    return time;
}

// Writes `value` with at least `digits` digits (leading zeros) and answers the end.
char* PutNumber(char* at, unsigned value, int digits)
{
    char reversed[10];
    int n = 0;
    do {
        reversed[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n < digits) reversed[n++] = '0';
    while (n > 0) *at++ = reversed[--n];
    return at;
}

}  // namespace

LocalTimeText::LocalTimeText() : m_offset(0)
{
    FILETIME now, local;
    GetSystemTimeAsFileTime(&now);
    if (FileTimeToLocalFileTime(&now, &local)) m_offset = LONGLONG(Ticks(local) - Ticks(now));
}

std::string LocalTimeText::Format(const FILETIME& utc) const
{
    // The same arithmetic as the system's conversion: a sum that leaves the range of a FILETIME
    // wraps and is then refused below, as FileTimeToLocalFileTime's result would be.
    const FILETIME local = FromTicks(Ticks(utc) + std::uint64_t(m_offset));
    SYSTEMTIME st = {};
    if (!FileTimeToSystemTime(&local, &st)) return std::string();
    char text[24];
    char* at = PutNumber(text, st.wDay, 2);
    *at++ = '.';
    at = PutNumber(at, st.wMonth, 2);
    *at++ = '.';
    at = PutNumber(at, st.wYear, 1);
    *at++ = ' ';
    at = PutNumber(at, st.wHour, 2);
    *at++ = ':';
    at = PutNumber(at, st.wMinute, 2);
    return std::string(text, at);
}
