// A test that makes a handler throw or fault on purpose opens one of these around it: the faults
// and dispatcher reports inside it do not fail the test, and the scope tells how many there were
// so the test can check its fault really happened.
#pragma once

#include <windows.h>

class ExpectedFaults
{
public:
    ExpectedFaults();
    ~ExpectedFaults();
    ExpectedFaults(const ExpectedFaults&) = delete;
    ExpectedFaults& operator=(const ExpectedFaults&) = delete;

    // Hardware faults in this program's image since the scope opened.
    LONG HardwareFaults() const;
    // The dispatcher's reports (exceptions stopped, messages that never returned) since then.
    LONG DispatcherReports() const;

private:
    LONG m_nFaultsAtStart;
    LONG m_nReportsAtStart;
};
