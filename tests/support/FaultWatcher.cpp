#include "FaultWatcher.h"

#include "framework/AfxCheck.h"
#include "framework/AfxHandlerReports.h"

#include <cstdio>

namespace
{

// The last unexpected faults, numbered by the unexpected count when each was seen.
const LONG kKeptRecords = 16;
FaultRecord g_records[kKeptRecords];
volatile LONG g_nUnexpected = 0;
volatile LONG g_nExpected = 0;
volatile LONG g_nExpectDepth = 0;
volatile LONG g_nReportsAtOuterScope = 0;
volatile LONG g_nExcusedReports = 0;
uintptr_t g_imageBase = 0;
uintptr_t g_imageEnd = 0;

LONG Read(volatile LONG* p) { return ::InterlockedCompareExchange(p, 0, 0); }

// Runs first for every exception of every thread, before any handler could swallow it. It may be
// on the last page of an overflowed stack: it only counts and notes.
LONG CALLBACK OnException(EXCEPTION_POINTERS* pInfo)
{
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    if (!FaultWatcher::IsHardwareFault(pRecord->ExceptionCode) ||
        !FaultWatcher::IsOurAddress(pRecord->ExceptionAddress))
        return EXCEPTION_CONTINUE_SEARCH;
    if (Read(&g_nExpectDepth) > 0) {
        ::InterlockedIncrement(&g_nExpected);
    } else {
        const LONG n = ::InterlockedIncrement(&g_nUnexpected);
        FaultRecord& r = g_records[(n - 1) % kKeptRecords];
        r.dwCode = pRecord->ExceptionCode;
        r.pAddress = pRecord->ExceptionAddress;
        r.dwThreadId = ::GetCurrentThreadId();
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// The image's extent from its own PE headers.
void FindImage()
{
    const BYTE* pBase = reinterpret_cast<const BYTE*>(::GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const IMAGE_NT_HEADERS* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    g_imageBase = reinterpret_cast<uintptr_t>(pBase);
    g_imageEnd = g_imageBase + pNt->OptionalHeader.SizeOfImage;
}

}  // namespace

void FaultWatcher::Install()
{
    static bool s_installed = false;
    if (s_installed) return;
    s_installed = true;
    FindImage();
    ::AddVectoredExceptionHandler(1, OnException);
    // Appended after gtest's printer; test-end events go to listeners last first, so a failure
    // added here is printed with its test.
    testing::UnitTest::GetInstance()->listeners().Append(new FaultWatcher);
}

bool FaultWatcher::IsOurAddress(const void* p)
{
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    return a >= g_imageBase && a < g_imageEnd;
}

bool FaultWatcher::IsHardwareFault(DWORD dwCode)
{
    switch (dwCode) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_STACK_OVERFLOW:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK: return true;
    default: return false;
    }
}

LONG FaultWatcher::UnexpectedHardwareFaults() { return Read(&g_nUnexpected); }
LONG FaultWatcher::ExpectedHardwareFaults() { return Read(&g_nExpected); }
// A failed precondition check counts as a report: it says that a message or a call went wrong
// although the program carried on.
LONG FaultWatcher::DispatcherReports()
{
    return AfxGetHandlerExceptionCount() + AfxGetCheckFailureCount();
}
LONG FaultWatcher::UnexpectedDispatcherReports()
{
    return DispatcherReports() - Read(&g_nExcusedReports);
}

void FaultWatcher::EnterExpected()
{
    if (::InterlockedIncrement(&g_nExpectDepth) == 1)
        ::InterlockedExchange(&g_nReportsAtOuterScope, DispatcherReports());
}

void FaultWatcher::LeaveExpected()
{
    if (::InterlockedDecrement(&g_nExpectDepth) == 0)
        ::InterlockedExchangeAdd(&g_nExcusedReports,
                                 DispatcherReports() - Read(&g_nReportsAtOuterScope));
}

std::string FaultWatcher::Describe(LONG nFirstFault, LONG nLastFault, LONG nReports)
{
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const char* pName = exe;
    for (const char* p = exe; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/') pName = p + 1;
    std::string text;
    char line[256];
    if (nLastFault > nFirstFault) {
        snprintf(line, sizeof(line), "%ld hardware fault(s) in %s that the program survived:\n",
                 nLastFault - nFirstFault, pName);
        text += line;
        LONG nFrom = nFirstFault;
        if (nLastFault - nFrom > kKeptRecords) nFrom = nLastFault - kKeptRecords;
        for (LONG i = nFrom; i < nLastFault; ++i) {
            const FaultRecord& r = g_records[i % kKeptRecords];
            snprintf(line, sizeof(line), "  code 0x%08lX at %p (image base + 0x%llX), thread %lu\n",
                     r.dwCode, r.pAddress,
                     static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(r.pAddress) -
                                                     g_imageBase),
                     r.dwThreadId);
            text += line;
        }
    }
    if (nReports > 0) {
        snprintf(line, sizeof(line),
                 "%ld report(s): a message ended by the window-procedure dispatcher (an exception "
                 "left a handler, or it never returned) or a failed precondition check (the "
                 "debugger output names them)\n",
                 nReports);
        text += line;
        if (AfxGetCheckFailureCount() > 0)
            text += std::string("the latest failed check: ") + AfxGetLastCheckFailure() + "\n";
    }
    return text;
}

void FaultWatcher::OnTestStart(const testing::TestInfo&) { NoteOutside(); }

void FaultWatcher::OnTestEnd(const testing::TestInfo&)
{
    const LONG nFaults = UnexpectedHardwareFaults();
    const LONG nReports = UnexpectedDispatcherReports();
    if (nFaults != m_nFaultsSeen || nReports != m_nReportsSeen)
        ADD_FAILURE() << "The test survived faults of our code:\n"
                      << Describe(m_nFaultsSeen, nFaults, nReports - m_nReportsSeen);
    m_nFaultsSeen = nFaults;
    m_nReportsSeen = nReports;
}

void FaultWatcher::OnTestSuiteEnd(const testing::TestSuite&)
{
    ReportOutside("outside its tests (set-up or tear-down of the suite)");
}

void FaultWatcher::OnEnvironmentsTearDownEnd(const testing::UnitTest&)
{
    ReportOutside("outside any test");
}

void FaultWatcher::NoteOutside()
{
    const LONG nFaults = UnexpectedHardwareFaults();
    const LONG nReports = UnexpectedDispatcherReports();
    if (nFaults == m_nFaultsSeen && nReports == m_nReportsSeen) return;
    if (m_nOutsideFrom < 0) m_nOutsideFrom = m_nFaultsSeen;
    m_nOutsideReports += nReports - m_nReportsSeen;
    m_nFaultsSeen = nFaults;
    m_nReportsSeen = nReports;
}

void FaultWatcher::ReportOutside(const char* where)
{
    NoteOutside();
    if (m_nOutsideFrom < 0) return;
    ADD_FAILURE() << "Faults of our code " << where << ":\n"
                  << Describe(m_nOutsideFrom, m_nFaultsSeen, m_nOutsideReports);
    m_nOutsideFrom = -1;
    m_nOutsideReports = 0;
}
