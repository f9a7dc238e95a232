// A byte that one thread sets and another reads, each access under the flag's own mutex.
#pragma once
#include <windows.h>
#include "framework/CMutex.h"

class LockedFlag
{
public:
    LockedFlag();

    void Set(BYTE value);
    BYTE Get() const;

private:
    BYTE m_value;
    mutable CMutex m_mutex;  // unnamed, not owned at first
};
