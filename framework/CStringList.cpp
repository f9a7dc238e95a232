// CStringList's run-time class record.
#include "framework/CStringList.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)
