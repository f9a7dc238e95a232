#include "ExpectedFaults.h"

#include "FaultWatcher.h"

ExpectedFaults::ExpectedFaults()
    : m_nFaultsAtStart(FaultWatcher::ExpectedHardwareFaults()),
      m_nReportsAtStart(FaultWatcher::DispatcherReports())
{
    FaultWatcher::EnterExpected();
}

ExpectedFaults::~ExpectedFaults() { FaultWatcher::LeaveExpected(); }

LONG ExpectedFaults::HardwareFaults() const
{
    return FaultWatcher::ExpectedHardwareFaults() - m_nFaultsAtStart;
}

LONG ExpectedFaults::DispatcherReports() const
{
    return FaultWatcher::DispatcherReports() - m_nReportsAtStart;
}
