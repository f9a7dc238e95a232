// Raised when an operation is asked of an object that does not offer it.
#pragma once

#include "framework/CException.h"

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowNotSupportedException();
