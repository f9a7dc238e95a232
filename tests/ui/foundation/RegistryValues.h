// Raw registry values of HKEY_CURRENT_USER for the foundation's tests: what a state routine
// wrote, and hand-made values for it to read.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

inline std::vector<BYTE> ReadValue(const std::string& key, const char* value)
{
    DWORD size = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    std::vector<BYTE> bytes(size);
    SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, bytes.data(), &size);
    return bytes;
}

inline void WriteValue(const std::string& key, const char* value, const std::vector<BYTE>& bytes)
{
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), value, REG_BINARY, bytes.data(),
                (DWORD)bytes.size());
}
