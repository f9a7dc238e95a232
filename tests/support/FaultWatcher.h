// Fails the running test when our code faulted inside it although the program carried on.
//
// A fault (access violation and kin) inside a window procedure does not end a 64-bit program: the
// system stops it where it called the procedure and the caller goes on. The framework's dispatcher
// then notes a message that never returned, or stops an exception, and only says so on the
// debugger output. The watcher counts both: hardware faults whose address lies in this program's
// own image (first chance, so swallowed ones count too; faults inside the system's DLLs during
// their own probing are not ours), and the dispatcher's reports, with the failed precondition
// checks among them. A test that raises them on purpose says so with an ExpectedFaults scope.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

// One hardware fault the watcher saw.
struct FaultRecord
{
    DWORD dwCode;
    const void* pAddress;
    DWORD dwThreadId;
};

class FaultWatcher : public testing::EmptyTestEventListener
{
public:
    // Installs the exception handler and the gtest listener (once).
    static void Install();

    // Counts since the program started, expected ones apart.
    static LONG UnexpectedHardwareFaults();
    static LONG ExpectedHardwareFaults();
    static LONG UnexpectedDispatcherReports();
    static LONG DispatcherReports();

    // The scopes' part (ExpectedFaults): while one is open faults are expected.
    static void EnterExpected();
    static void LeaveExpected();

    // The text of a failure: faults numbered [nFirst, nLast) and the reports in between.
    static std::string Describe(LONG nFirstFault, LONG nLastFault, LONG nReports);
    // Whether an address lies inside this program's image.
    static bool IsOurAddress(const void* p);
    // Whether an exception code is a hardware fault (not a C++ throw nor a debugger notice).
    static bool IsHardwareFault(DWORD dwCode);

    void OnTestStart(const testing::TestInfo& info) override;
    void OnTestEnd(const testing::TestInfo& info) override;
    void OnTestSuiteEnd(const testing::TestSuite& suite) override;
    void OnEnvironmentsTearDownEnd(const testing::UnitTest& unit) override;

private:
    // Faults and reports since the last look that no test owns (suite set-up, tear-down) wait
    // here until the suite or the program ends.
    void NoteOutside();
    void ReportOutside(const char* where);
    LONG m_nFaultsSeen = 0;   // unexpected faults already put to a test or kept below
    LONG m_nReportsSeen = 0;  // the same for the dispatcher's reports
    LONG m_nOutsideFrom = -1;
    LONG m_nOutsideReports = 0;
};
