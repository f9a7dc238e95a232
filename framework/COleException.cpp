// COleException's record and its throw helper.
#include "framework/COleException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

void AfxThrowOleException(SCODE sc) { throw new COleException(sc); }
