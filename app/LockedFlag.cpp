// LockedFlag: every access holds the mutex through a CSingleLock.
#include "app/LockedFlag.h"

#include "framework/CSingleLock.h"

LockedFlag::LockedFlag() : m_value(0), m_mutex(FALSE, nullptr) {}

void LockedFlag::Set(BYTE value)
{
    CSingleLock lock(&m_mutex, TRUE);
    m_value = value;
}

BYTE LockedFlag::Get() const
{
    CSingleLock lock(&m_mutex, TRUE);
    return m_value;
}
