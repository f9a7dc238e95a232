// The UI library's rule for registry key paths (see ZAVPRegistryPath.h).
#include "ui/foundation/ZAVPRegistryPath.h"

#include "framework/CWinApp.h"

namespace
{
bool IsEmpty(const char* s) { return s == nullptr || *s == '\0'; }
std::string Text(const char* s) { return s ? s : ""; }
}  // namespace

std::string ComposeRegistryPath(const char* postfix, const char* profile, const char* registryKey,
                                const char* profileName)
{
    if (!IsEmpty(profile)) return profile;
    // Without a registry key only the key and its separator drop out.
    std::string path = "SOFTWARE\\";
    if (!IsEmpty(registryKey)) path += Text(registryKey) + "\\";
    path += Text(profileName) + "\\" + Text(postfix) + "\\";
    return path;
}

CString BuildRegistryPath(const char* postfix, const char* profile)
{
    const CWinApp* pApp = AfxGetApp();
    return ComposeRegistryPath(postfix, profile, pApp ? pApp->m_pszRegistryKey : nullptr,
                               pApp ? pApp->m_pszProfileName : nullptr)
        .c_str();
}
