// Stack holder of the short-lived registry object of one state routine: creates it once, with its
// root and mode, and deletes it (closing its key) when the routine ends.
#pragma once

#include <windows.h>

class CZAVPRegistry;
struct CRuntimeClass;

class CZAVPRegistryHolder
{
public:
    CZAVPRegistryHolder() = default;
    ~CZAVPRegistryHolder();
    CZAVPRegistryHolder(const CZAVPRegistryHolder&) = delete;
    CZAVPRegistryHolder& operator=(const CZAVPRegistryHolder&) = delete;

    // The registry object, made on the first call (admin: HKEY_LOCAL_MACHINE as root; read-only:
    // no writes, keys opened with read rights); later calls return the same object.
    CZAVPRegistry& Create(BOOL bAdmin, BOOL bReadOnly);

    // Replaceable class of the registry objects made by holders; null makes plain CZAVPRegistry
    // objects. Nothing in this program sets it.
    static CRuntimeClass* s_pRegistryClass;

private:
    CZAVPRegistry* m_pRegistry = nullptr;
    void* m_pReserved = nullptr;  // stays null
};
