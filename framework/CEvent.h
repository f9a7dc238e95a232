// An event, auto-reset unless bManualReset; construction raises CResourceException when the
// system refuses one.
#pragma once

#include "framework/CSyncObject.h"

class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)
public:
    // bInitiallyOwn: created signalled.
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE,
                    LPCSTR lpszName = nullptr, LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);

    BOOL SetEvent() { return ::SetEvent(m_hObject); }
    BOOL ResetEvent() { return ::ResetEvent(m_hObject); }
    BOOL PulseEvent() { return ::PulseEvent(m_hObject); }
    // An event is not owned: there is nothing to give back.
    BOOL Unlock() override { return TRUE; }
};
