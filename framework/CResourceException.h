// Raised when a system resource (a handle, a synchronisation object, a resource) cannot be had.
#pragma once

#include "framework/CException.h"

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowResourceException();
