// CInvalidArgException's record and its throw helper.
#include "framework/CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

void AfxThrowInvalidArgException() { throw new CInvalidArgException; }
