// The catalogue's settings in the registry section "Settings" of the application's key: the
// preferred CD-ROM drive and the scanner's folder depth limit.
#pragma once
#include <string>

class CatalogSettings
{
public:
    // The application's key under HKEY_CURRENT_USER; tests give a key of their own.
    static const char DefaultKeyPath[];  // "Software\rimsel\Lornival"
    explicit CatalogSettings(const std::string& keyPath = DefaultKeyPath);

    // Reads the three values; missing values give the defaults (empty, off, 8). Only a stored
    // "RecursionLimitEnabled" of exactly 1 switches the limit on.
    void Load();
    // DefaultRoot := root (null gives empty), written at once.
    void SetDefaultRoot(const char* root);
    // Stores the limit and its switch (as 0 or 1).
    void SetRecursionLimit(int limit, bool enabled);

    std::string m_defaultRoot;           // "X:\" of the preferred CD-ROM drive, or empty
    int m_recursionLimit = 8;            // deepest folder level a scan descends into
    bool m_recursionLimitEnabled = false;

private:
    std::string m_section;  // keyPath + "\Settings"
};
