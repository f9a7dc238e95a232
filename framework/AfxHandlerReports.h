// What the dispatcher says when it, not a handler, ends a message: an exception left the handler,
// or a dispatch never returned (the system swallowed a fault inside it and unwound past us). Each
// report goes to the debugger output and is counted, so that a caller (the test programs) can tell
// a message that failed from one that worked although the program carried on.
#pragma once

#include <windows.h>

void AfxReportHandlerException(UINT nMsg, const char* what);
// Reports made so far by every thread of the process.
LONG AfxGetHandlerExceptionCount();
