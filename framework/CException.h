// Base of the framework's exceptions. They are thrown as pointers to heap objects and the handler
// that catches one calls Delete, which frees it unless it is a shared preallocated instance.
#pragma once

#include "framework/CObject.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();

    BOOL m_bAutoDelete;  // FALSE for preallocated instances that must never be freed
};
