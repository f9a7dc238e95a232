// CDWordArray's run-time class record.
#include "framework/CDWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
