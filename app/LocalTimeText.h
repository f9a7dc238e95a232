// The "DD.MM.YYYY hh:mm" texts of the item list's times, as FormatStoredFileTime gives them, with
// the offset of local time taken once for a whole fill. The system applies the offset in force now
// to every time it converts (not the one of the time's own date), so one offset serves every row;
// asking the system row by row cost more than the rest of the row's texts together.
#pragma once
#include <windows.h>
#include <string>

class LocalTimeText
{
public:
    // The offset the system applies now.
    LocalTimeText();
    // A given offset: local time minus UTC, in 100 ns units.
    explicit LocalTimeText(LONGLONG offset) : m_offset(offset) {}

    LONGLONG Offset() const { return m_offset; }
    // The local time of a UTC time as "DD.MM.YYYY hh:mm"; empty when the local time has no
    // calendar date (before 1601 or past the last date a FILETIME holds).
    std::string Format(const FILETIME& utc) const;

private:
    LONGLONG m_offset;
};
