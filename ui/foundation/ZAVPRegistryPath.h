// How the UI library names its registry keys: "SOFTWARE\<key>\<profile>\<postfix>\", or the
// caller's own state path unchanged. The pure rule, with the application's names passed in.
#pragma once

#include <string>

#include "framework/CString.h"

// The key path of a state routine. A non-empty state path (profile) is used as it is; otherwise
// "SOFTWARE\" + registry key + "\" (both left out without a registry key) + profile name + "\" +
// postfix + "\". Every path built here ends with a backslash.
std::string ComposeRegistryPath(const char* postfix, const char* profile, const char* registryKey,
                                const char* profileName);

// The same with the application's registry key and profile name.
CString BuildRegistryPath(const char* postfix, const char* profile);
