// Formatting of times, sizes and statistics.
#include "catalog/CatalogFormat.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/TextConversion.h"
#include <cstdio>
#include <cwchar>

std::string FormatFileTime(const FILETIME& utc)
{
    FILETIME local;
    SYSTEMTIME st = {};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
        return std::string();
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%d %02d:%02d", st.wDay, st.wMonth, st.wYear,
                  st.wHour, st.wMinute);
    return text;
}

std::string FormatStoredFileTime(const FILETIME& utc) { return FormatFileTime(utc); }

std::string FormatSizeKB(std::uint64_t bytes)
{
    if (bytes == 0) return "0 KB";
    if (bytes < 1024) return "<1 KB";
    const std::string digits = std::to_string(bytes / 1024);
    // A blank before every group of three digits from the right, as long as digits remain
    // before it: a quotient of 1000 or more is split ("1 000 KB").
    std::string out;
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += ' ';
        out.append(digits, i, 3);
    }
    return out + " KB";
}

std::string FormatStatistics()
{
    // Bytes to gigabytes by 2^-30, the factor the statistics have always shown.
    const float toGigabytes = 9.313226e-10f;
    const double gb = (double)(std::int64_t)CatalogStatistics::TotalSize() * (double)toGigabytes;
    wchar_t text[512];
    std::swprintf(
        text, sizeof text / sizeof text[0],
        L"Дисков всего: %d\r\nПапок всего: %d\r\nФайлов всего: %d\r\nОбщий объём файлов: %.2f Gb",
        (int)CatalogStatistics::DiscCount(), (int)CatalogStatistics::FolderCount(),
        (int)CatalogStatistics::FileCount(), gb);
    return ToAnsiString(text);
}
