// CMutex over CreateMutexA.
#include "framework/CMutex.h"

IMPLEMENT_DYNAMIC(CMutex, CSyncObject)

CMutex::CMutex(BOOL bInitiallyOwn, LPCSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
{
    Adopt(CreateMutexA(lpsaAttribute, bInitiallyOwn, lpszName));
}

BOOL CMutex::Unlock() { return ReleaseMutex(m_hObject); }
