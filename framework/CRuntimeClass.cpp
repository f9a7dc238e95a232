// The class registry (a list threaded through the records themselves) and the class part of an
// archive's records.
#include "framework/CRuntimeClass.h"

#include <cstring>
#include <mutex>

#include "framework/CArchive.h"
#include "framework/CException.h"

namespace
{

// The head is constant-initialised and the lock is made on first use, so registration works from
// any static constructor, whichever file's runs first.
CRuntimeClass* g_firstClass = nullptr;

std::mutex& RegistryLock()
{
    static std::mutex s_lock;
    return s_lock;
}

// No class of this program has a longer name; a longer one in an archive is not ours.
const UINT kMaxClassNameLength = 64;

}  // namespace

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr) return nullptr;
    try {
        return m_pfnCreateObject();
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass) return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr) return nullptr;
    std::lock_guard<std::mutex> lock(RegistryLock());
    for (CRuntimeClass* p = g_firstClass; p != nullptr; p = p->m_pNextClass) {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
    }
    return nullptr;
}

void CRuntimeClass::Register(CRuntimeClass* pClass)
{
    std::lock_guard<std::mutex> lock(RegistryLock());
    for (CRuntimeClass* p = g_firstClass; p != nullptr; p = p->m_pNextClass) {
        if (p == pClass) return;
    }
    pClass->m_pNextClass = g_firstClass;
    g_firstClass = pClass;
}

void AfxClassInit(CRuntimeClass* pNewClass) { CRuntimeClass::Register(pNewClass); }

void CRuntimeClass::Store(CArchive& ar) const
{
    const WORD nLen = (WORD)std::strlen(m_lpszClassName);
    ar << (WORD)(m_wSchema & ~VERSIONABLE_SCHEMA) << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema = 0;
    WORD nLen = 0;
    ar >> wSchema >> nLen;
    *pwSchemaNum = wSchema;
    if (nLen > kMaxClassNameLength) return nullptr;
    char szClassName[kMaxClassNameLength + 1];
    ar.EnsureRead(szClassName, nLen);
    szClassName[nLen] = '\0';
    return FromName(szClassName);
}
