// CException's record and Delete.
#include "framework/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)

void CException::Delete()
{
    if (m_bAutoDelete) delete this;
}
