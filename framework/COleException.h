// Raised when an OLE or COM call fails; carries the call's status code.
#pragma once

#include "framework/CException.h"

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}

    SCODE m_sc;
};

[[noreturn]] void AfxThrowOleException(SCODE sc);
