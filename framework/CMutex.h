// A mutex, named or not; construction raises CResourceException when the system refuses one.
#pragma once

#include "framework/CSyncObject.h"

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCSTR lpszName = nullptr,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);

    BOOL Unlock() override;
};
