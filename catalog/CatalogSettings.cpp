// Registry storage of the catalogue settings.
#include "catalog/CatalogSettings.h"
#include <windows.h>

namespace {

const char DefaultRootValue[] = "DefaultRoot";
const char LimitEnabledValue[] = "RecursionLimitEnabled";
const char LimitValue[] = "RecursionLimit";
const int DefaultLimit = 8;

bool ReadInt(HKEY key, const char* name, int& out)
{
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, (LPBYTE)&value, &size) != ERROR_SUCCESS) return false;
    if (type != REG_DWORD || size != sizeof value) return false;
    out = (int)value;
    return true;
}

std::string ReadString(HKEY key, const char* name)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) return {};
    std::string s(size, '\0');
    if (size == 0 || RegQueryValueExA(key, name, nullptr, &type, (LPBYTE)&s[0], &size) != ERROR_SUCCESS) return {};
    s.resize(size);
    while (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

} // namespace

const char CatalogSettings::DefaultKeyPath[] = "Software\\rimsel\\Lornival";

CatalogSettings::CatalogSettings(const std::string& keyPath) : m_section(keyPath + "\\Settings") {}

void CatalogSettings::Load()
{
    m_defaultRoot.clear();
    m_recursionLimitEnabled = false;
    m_recursionLimit = DefaultLimit;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, m_section.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    m_defaultRoot = ReadString(key, DefaultRootValue);
    int enabled = 0;
    m_recursionLimitEnabled = ReadInt(key, LimitEnabledValue, enabled) && enabled == 1;
    ReadInt(key, LimitValue, m_recursionLimit);
    RegCloseKey(key);
}

void CatalogSettings::SetDefaultRoot(const char* root)
{
    m_defaultRoot = root ? root : "";
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_section.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, DefaultRootValue, 0, REG_SZ, (const BYTE*)m_defaultRoot.c_str(), (DWORD)m_defaultRoot.size() + 1);
    RegCloseKey(key);
}

void CatalogSettings::SetRecursionLimit(int limit, bool enabled)
{
    m_recursionLimit = limit;
    m_recursionLimitEnabled = enabled;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_section.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    DWORD v = (DWORD)limit, e = enabled ? 1 : 0;
    RegSetValueExA(key, LimitValue, 0, REG_DWORD, (const BYTE*)&v, sizeof v);
    RegSetValueExA(key, LimitEnabledValue, 0, REG_DWORD, (const BYTE*)&e, sizeof e);
    RegCloseKey(key);
}
