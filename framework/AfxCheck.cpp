// The precondition checks' switch and count (see AfxCheck.h).
#include "framework/AfxCheck.h"

#include <cstdio>

volatile LONG g_afxChecksOn = 0;

namespace
{
volatile LONG g_nFailures = 0;
char g_szLast[512] = "";
}  // namespace

void AfxEnableChecks(BOOL bEnable) { ::InterlockedExchange(&g_afxChecksOn, bEnable ? 1 : 0); }

void AfxCheckFailed(const char* lpszFile, int nLine, const char* lpszExpression)
{
    char buf[sizeof(g_szLast)];
    snprintf(buf, sizeof(buf), "Lornival: check failed at %s:%d: %s", lpszFile, nLine,
             lpszExpression);
    // The text goes first, the count after: a reader that sees the count sees this text or a
    // later one.
    lstrcpynA(g_szLast, buf, sizeof(g_szLast));
    ::InterlockedIncrement(&g_nFailures);
    ::OutputDebugStringA(buf);
    ::OutputDebugStringA("\n");
}

LONG AfxGetCheckFailureCount() { return ::InterlockedCompareExchange(&g_nFailures, 0, 0); }

const char* AfxGetLastCheckFailure() { return g_szLast; }
