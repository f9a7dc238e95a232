// The dispatcher's reports, kept apart from CWnd so that a program may read the count without
// pulling in the window side.
#include "framework/AfxHandlerReports.h"

namespace
{
volatile LONG g_nReports = 0;
}  // namespace

void AfxReportHandlerException(UINT nMsg, const char* what)
{
    ::InterlockedIncrement(&g_nReports);
    char buf[256];
    wsprintfA(buf, "Lornival: exception left the handler of message 0x%04X: %s\n", nMsg, what);
    ::OutputDebugStringA(buf);
}

LONG AfxGetHandlerExceptionCount() { return ::InterlockedCompareExchange(&g_nReports, 0, 0); }
