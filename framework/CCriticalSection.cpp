// CCriticalSection over the system's critical section.
#include "framework/CCriticalSection.h"

IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

CCriticalSection::CCriticalSection() { InitializeCriticalSection(&m_sect); }

CCriticalSection::~CCriticalSection() { DeleteCriticalSection(&m_sect); }

BOOL CCriticalSection::Lock(DWORD)
{
    EnterCriticalSection(&m_sect);
    return TRUE;
}

BOOL CCriticalSection::Unlock()
{
    LeaveCriticalSection(&m_sect);
    return TRUE;
}
