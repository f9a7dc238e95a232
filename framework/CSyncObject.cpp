// CSyncObject: waiting on the handle and closing it.
#include "framework/CSyncObject.h"

#include "framework/CResourceException.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)

CSyncObject::~CSyncObject()
{
    if (m_hObject != nullptr) CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    const DWORD result = WaitForSingleObject(m_hObject, dwTimeout);
    // An abandoned mutex is owned all the same.
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

BOOL CSyncObject::Unlock(LONG, LPLONG) { return Unlock(); }

void CSyncObject::Adopt(HANDLE hObject)
{
    if (hObject == nullptr) AfxThrowResourceException();
    m_hObject = hObject;
}
