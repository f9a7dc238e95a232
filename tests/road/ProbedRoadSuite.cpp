#include "ProbedRoadSuite.h"

#include "ProgramUnderTest.h"

RoadSession* ProbedRoadSuite::s = nullptr;
ScreenProbe* ProbedRoadSuite::probe = nullptr;
std::string ProbedRoadSuite::startError;

void ProbedRoadSuite::StartCopy(const wchar_t* folder)
{
    s = new RoadSession;
    startError = s->StartInFreshFolder(folder);
    if (!startError.empty()) return;
    if (s->Program().WaitForMainWindow() == nullptr)
        startError = "no main window";
    else
        probe = new ScreenProbe(s->Program().MainThreadId());
}

void ProbedRoadSuite::TearDownTestSuite()
{
    delete probe;
    probe = nullptr;
    delete s;  // ends the program if it still runs
    s = nullptr;
    RoadSession::DeleteProgramKey();
}

void ProbedRoadSuite::SetUp()
{
    ASSERT_TRUE(startError.empty()) << startError;
    ASSERT_TRUE(s->Program().Running()) << "the program is no longer running";
    ASSERT_TRUE(probe->Hooked()) << "the probe could not be hooked into the program";
    ASSERT_TRUE(WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs))
        << "no tree \"По категориям\"";
    ASSERT_TRUE(s->Program().Idle());
}
