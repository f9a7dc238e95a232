// CResourceException's record and its throw helper.
#include "framework/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

void AfxThrowResourceException() { throw new CResourceException; }
