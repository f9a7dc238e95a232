// The catalogue's settings in the registry section "Settings" of the application's key: the
// preferred CD-ROM drive and the scanner's folder depth limit.
#pragma once
#include <string>

class CWinApp;

class CatalogSettings
{
public:
    // The application's key under HKEY_CURRENT_USER; tests give a key of their own.
    static const char DefaultKeyPath[];  // "Software\rimsel\Lornival"
    static const char SectionName[];     // "Settings"
    // Through the running application's profile functions (section "Settings" under its registry
    // key); a program without an application, or one without a registry key, uses DefaultKeyPath.
    CatalogSettings();
    // Under a key of its own (HKEY_CURRENT_USER\<keyPath>\Settings).
    explicit CatalogSettings(const std::string& keyPath);

    // Reads the three values; missing values give the defaults (empty, off, 8). Only a stored
    // "RecursionLimitEnabled" of exactly 1 switches the limit on.
    void Load();
    // DefaultRoot := root (null gives empty), written at once.
    void SetDefaultRoot(const char* root);
    // Stores the limit and its switch (as 0 or 1).
    void SetRecursionLimit(int limit, bool enabled);

    std::string m_defaultRoot;  // "X:\" of the preferred CD-ROM drive, or empty
    int m_recursionLimit = 8;   // deepest folder level a scan descends into
    bool m_recursionLimitEnabled = false;

private:
    CWinApp* Application() const;    // the application whose profile keeps the values, or null
    std::string KeySection() const;  // the key used without such an application
    std::string m_section;           // keyPath + "\Settings"; empty: the application's profile
};
