// Texts the views and the statistics dialog show: times, sizes and the statistics counters.
// Narrow texts in the ANSI code page.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

// A UTC time in local time as "DD.MM.YYYY hh:mm".
std::string FormatFileTime(const FILETIME& utc);
// The same for a time kept in a node or entry.
std::string FormatStoredFileTime(const FILETIME& utc);
// A size in whole kilobytes with blanks between digit groups: "0 KB", "<1 KB", "1 000 500 KB".
std::string FormatSizeKB(std::uint64_t bytes);
// The statistics text: discs, folders, files and the total size in gigabytes.
std::string FormatStatistics();
