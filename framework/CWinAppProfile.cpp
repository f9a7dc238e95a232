// The profile functions: settings under HKCU\Software\<registry key>\<application>\<section>, or,
// when no registry key was set, in the application's .INI file.
#include "framework/CWinApp.h"
#include <vector>

namespace
{
// Reads stay read-only: asking for a setting never creates keys.
HKEY OpenSectionForRead(const CWinApp* app, LPCSTR lpszSection)
{
    CString path = CString("Software\\") + app->m_pszRegistryKey + "\\" + app->m_pszProfileName +
                   "\\" + lpszSection;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

// Binary values in an .INI file: one letter 'A'..'P' per half byte, low half first.
CString EncodeIniBinary(const BYTE* pData, UINT nBytes)
{
    CString s;
    for (UINT i = 0; i < nBytes; i++) {
        s += (char)('A' + (pData[i] & 0x0F));
        s += (char)('A' + ((pData[i] >> 4) & 0x0F));
    }
    return s;
}

bool DecodeIniBinary(const CString& s, std::vector<BYTE>& out)
{
    if (s.GetLength() % 2 != 0) return false;
    for (int i = 0; i < s.GetLength(); i += 2) {
        int lo = s[i] - 'A', hi = s[i + 1] - 'A';
        if (lo < 0 || lo > 15 || hi < 0 || hi > 15) return false;
        out.push_back((BYTE)(lo | (hi << 4)));
    }
    return true;
}
}  // namespace

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
    HKEY hSoftKey = nullptr, hCompanyKey = nullptr, hAppKey = nullptr;
    DWORD dw;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS)
    {
        if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &hAppKey, &dw);
        }
    }
    if (hSoftKey != nullptr) ::RegCloseKey(hSoftKey);
    if (hCompanyKey != nullptr) ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr) return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE | KEY_READ, nullptr, &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hKey = OpenSectionForRead(this, lpszSection);
    if (hKey == nullptr) return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue,
                                      &dwCount);
    ::RegCloseKey(hKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (lpszDefault == nullptr) lpszDefault = "";
    if (m_pszRegistryKey == nullptr) {
        std::vector<char> buf(4096);
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buf.data(),
                                   (DWORD)buf.size(), m_pszProfileName);
        return CString(buf.data());
    }
    HKEY hKey = OpenSectionForRead(this, lpszSection);
    if (hKey == nullptr) return CString(lpszDefault);
    CString value(lpszDefault);
    DWORD dwType = 0, dwCount = 0;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS &&
        dwType == REG_SZ)
    {
        // The stored size may or may not count a terminating zero: read into one byte more.
        std::vector<char> buf(dwCount + 1, '\0');
        DWORD dwRead = dwCount;
        if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, (LPBYTE)buf.data(), &dwRead) ==
            ERROR_SUCCESS)
            value = buf.data();
    }
    ::RegCloseKey(hKey);
    return value;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr) {
        CString s = GetProfileString(lpszSection, lpszEntry, "");
        std::vector<BYTE> bytes;
        if (s.IsEmpty() || !DecodeIniBinary(s, bytes)) return FALSE;
        *ppData = new BYTE[bytes.size()];
        memcpy(*ppData, bytes.data(), bytes.size());
        *pBytes = (UINT)bytes.size();
        return TRUE;
    }
    HKEY hKey = OpenSectionForRead(this, lpszSection);
    if (hKey == nullptr) return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
        *ppData = new BYTE[dwCount ? dwCount : 1];
        lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, *ppData, &dwCount);
    } else {
        lResult = ERROR_INVALID_DATA;
    }
    ::RegCloseKey(hKey);
    if (lResult == ERROR_SUCCESS) {
        *pBytes = dwCount;
        return TRUE;
    }
    delete[] * ppData;
    *ppData = nullptr;
    return FALSE;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        char text[16];
        wsprintfA(text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr) return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue,
                                    sizeof(dwValue));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    LONG lResult;
    if (lpszEntry == nullptr) {
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == nullptr) return FALSE;
        lResult = ::RegDeleteKeyA(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS;
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr) return FALSE;
    if (lpszValue == nullptr)
        lResult = ::RegDeleteValueA(hKey, lpszEntry);
    else
        lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   lstrlenA(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeIniBinary(pData, nBytes));
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr) return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}
