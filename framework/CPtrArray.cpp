// CPtrArray's run-time class record.
#include "framework/CPtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
