// CNotSupportedException's record and its throw helper.
#include "framework/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
