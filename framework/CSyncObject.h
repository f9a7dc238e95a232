// Base of the synchronisation objects: a waitable kernel handle (or none, for a critical
// section) with Lock and Unlock.
#pragma once

#include "framework/CObject.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    ~CSyncObject() override;

    // TRUE when the object was acquired (signalled) within the time-out.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    // Events and critical sections have nothing to count; the count matters to nobody here.
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = nullptr);

    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject;  // null for a critical section

protected:
    CSyncObject() : m_hObject(nullptr) {}
    // Takes a newly created handle, or raises CResourceException when creation failed.
    void Adopt(HANDLE hObject);
};
