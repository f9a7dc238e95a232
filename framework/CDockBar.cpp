// The platform's dock bar class record.
#include "framework/CDockBar.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)
