// CPtrList's run-time class record.
#include "framework/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
