// While it lives, the C runtime formats dates (LC_TIME: month and day names) in the user's
// locale, named "<language>_<country>" from the user's default locale; the locale in force
// before comes back when it goes. When the runtime refuses the name, the current locale stays.
#pragma once

#include <string>

class ZAVPUserTimeLocale
{
public:
    ZAVPUserTimeLocale();
    ~ZAVPUserTimeLocale();
    ZAVPUserTimeLocale(const ZAVPUserTimeLocale&) = delete;
    ZAVPUserTimeLocale& operator=(const ZAVPUserTimeLocale&) = delete;

    // "<English language name>_<English country name>" of the user's default locale, empty when
    // the system does not tell.
    static std::string UserLocaleName();
    // TRUE when the user's locale is in force (the runtime took the name).
    bool IsSwitched() const { return m_bSwitched; }

private:
    std::string m_strPrevious;  // the LC_TIME locale before
    bool m_bSwitched;
};
