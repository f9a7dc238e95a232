// A critical section: the cheapest lock between the threads of this process.
#pragma once

#include "framework/CSyncObject.h"

class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    ~CCriticalSection() override;

    // A critical section has no time-out: the call waits until it enters, whatever is given.
    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;

    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};
