// The user's time locale for date formatting (see ZAVPUserTimeLocale.h).
#include "ui/panes/ZAVPUserTimeLocale.h"

#include <clocale>

#include <windows.h>

ZAVPUserTimeLocale::ZAVPUserTimeLocale() : m_bSwitched(false)
{
    const char* lpszCurrent = std::setlocale(LC_TIME, nullptr);
    if (lpszCurrent == nullptr) return;
    m_strPrevious = lpszCurrent;
    const std::string strName = UserLocaleName();
    // setlocale answers null and changes nothing when it does not know the name.
    m_bSwitched = !strName.empty() && std::setlocale(LC_TIME, strName.c_str()) != nullptr;
}

ZAVPUserTimeLocale::~ZAVPUserTimeLocale()
{
    if (m_bSwitched) std::setlocale(LC_TIME, m_strPrevious.c_str());
}

std::string ZAVPUserTimeLocale::UserLocaleName()
{
    char szLanguage[128] = {}, szCountry[128] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, szLanguage, sizeof szLanguage) ==
            0 ||
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGCOUNTRY, szCountry, sizeof szCountry) == 0)
        return std::string();
    return std::string(szLanguage) + "_" + szCountry;
}
