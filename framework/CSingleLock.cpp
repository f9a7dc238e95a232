// CSingleLock: lock once, unlock once.
#include "framework/CSingleLock.h"

#include "framework/CInvalidArgException.h"

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock)
    : m_pObject(pObject), m_bAcquired(FALSE)
{
    if (pObject == nullptr) AfxThrowInvalidArgException();
    if (bInitialLock) Lock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_bAcquired) return TRUE;
    m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (!m_bAcquired) return TRUE;
    m_bAcquired = FALSE;
    return m_pObject->Unlock();
}
