// Checks of the preconditions that a wrapper or a bar relies on (a window exists, an index is in
// range, a list holds what it claims, the caller is on the user-interface thread). They are live
// only in a program that turns them on: the test programs do before their first test, and the
// shipped program never does, so there ASSERT evaluates nothing. A failed check goes to the
// debugger output and is counted; the test programs fail the test that made it.
#pragma once

#include <windows.h>

extern volatile LONG g_afxChecksOn;

inline BOOL AfxChecksEnabled() { return g_afxChecksOn != 0; }
void AfxEnableChecks(BOOL bEnable);
void AfxCheckFailed(const char* lpszFile, int nLine, const char* lpszExpression);
// Failed checks so far, by every thread of the process, and the text of the latest one.
LONG AfxGetCheckFailureCount();
const char* AfxGetLastCheckFailure();

#define ASSERT(f) ((AfxChecksEnabled() && !(f)) ? AfxCheckFailed(__FILE__, __LINE__, #f) : (void)0)
