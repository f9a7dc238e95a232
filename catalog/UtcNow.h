// The current time as the catalogue stores it: a FILETIME in UTC.
#pragma once
#include <windows.h>

inline FILETIME UtcNow()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    FILETIME ft{0, 0};
    SystemTimeToFileTime(&now, &ft);
    return ft;
}
