// The scoped hourglass.
#include "framework/CWaitCursor.h"
#include "framework/CWinApp.h"

CWaitCursor::CWaitCursor() { AfxDoWaitCursor(1); }
CWaitCursor::~CWaitCursor() { AfxDoWaitCursor(-1); }
void CWaitCursor::Restore() { AfxDoWaitCursor(0); }
