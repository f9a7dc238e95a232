// Raised for an argument outside what an operation accepts, such as an index past the end.
#pragma once

#include "framework/CException.h"

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowInvalidArgException();
