// Raised when memory runs out. One preallocated instance is thrown, since allocating the exception
// itself could fail; its Delete does nothing.
#pragma once

#include "framework/CException.h"

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowMemoryException();
