// CMemoryException's record and its preallocated instance.
#include "framework/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

void AfxThrowMemoryException()
{
    static CMemoryException s_instance(FALSE);
    throw &s_instance;
}
