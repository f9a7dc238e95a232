// Registry storage of the catalogue settings.
#include "catalog/CatalogSettings.h"
#include <windows.h>
#include "framework/CWinApp.h"

namespace
{

const char DefaultRootValue[] = "DefaultRoot";
const char LimitEnabledValue[] = "RecursionLimitEnabled";
const char LimitValue[] = "RecursionLimit";
const int DefaultLimit = 8;

bool ReadInt(HKEY key, const char* name, int& out)
{
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof value) return false;
    out = (int)value;
    return true;
}

std::string ReadString(HKEY key, const char* name)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::string s(size, '\0');
    if (size == 0 ||
        RegQueryValueExA(key, name, nullptr, &type, (LPBYTE)&s[0], &size) != ERROR_SUCCESS)
        return {};
    s.resize(size);
    while (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

// The running application, when its profile lives in the registry.
CWinApp* ProfileApplication()
{
    CWinApp* app = AfxGetApp();
    return app && app->m_pszRegistryKey ? app : nullptr;
}

}  // namespace

const char CatalogSettings::DefaultKeyPath[] = "Software\\rimsel\\Lornival";
const char CatalogSettings::SectionName[] = "Settings";

CatalogSettings::CatalogSettings() = default;

CatalogSettings::CatalogSettings(const std::string& keyPath)
    : m_section(keyPath + "\\" + SectionName)
{
}

CWinApp* CatalogSettings::Application() const
{
    return m_section.empty() ? ProfileApplication() : nullptr;
}

std::string CatalogSettings::KeySection() const
{
    return m_section.empty() ? std::string(DefaultKeyPath) + "\\" + SectionName : m_section;
}

void CatalogSettings::Load()
{
    m_defaultRoot.clear();
    m_recursionLimitEnabled = false;
    m_recursionLimit = DefaultLimit;
    if (CWinApp* app = Application()) {
        m_defaultRoot = (LPCSTR)app->GetProfileString(SectionName, DefaultRootValue, "");
        m_recursionLimitEnabled = app->GetProfileInt(SectionName, LimitEnabledValue, 0) == 1;
        m_recursionLimit = (int)app->GetProfileInt(SectionName, LimitValue, DefaultLimit);
        return;
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeySection().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    m_defaultRoot = ReadString(key, DefaultRootValue);
    int enabled = 0;
    m_recursionLimitEnabled = ReadInt(key, LimitEnabledValue, enabled) && enabled == 1;
    ReadInt(key, LimitValue, m_recursionLimit);
    RegCloseKey(key);
}

void CatalogSettings::SetDefaultRoot(const char* root)
{
    m_defaultRoot = root ? root : "";
    if (CWinApp* app = Application()) {
        app->WriteProfileString(SectionName, DefaultRootValue, m_defaultRoot.c_str());
        return;
    }
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeySection().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, DefaultRootValue, 0, REG_SZ, (const BYTE*)m_defaultRoot.c_str(),
                   (DWORD)m_defaultRoot.size() + 1);
    RegCloseKey(key);
}

void CatalogSettings::SetRecursionLimit(int limit, bool enabled)
{
    m_recursionLimit = limit;
    m_recursionLimitEnabled = enabled;
    if (CWinApp* app = Application()) {
        app->WriteProfileInt(SectionName, LimitValue, limit);
        app->WriteProfileInt(SectionName, LimitEnabledValue, enabled ? 1 : 0);
        return;
    }
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeySection().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    DWORD v = (DWORD)limit, e = enabled ? 1 : 0;
    RegSetValueExA(key, LimitValue, 0, REG_DWORD, (const BYTE*)&v, sizeof v);
    RegSetValueExA(key, LimitEnabledValue, 0, REG_DWORD, (const BYTE*)&e, sizeof e);
    RegCloseKey(key);
}
