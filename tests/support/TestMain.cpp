// The test programs' entry: gtest and gmock as usual, with the precondition checks on and the fault
// watcher listening (it fails a test whose checks failed).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FaultWatcher.h"
#include "framework/AfxCheck.h"

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
    AfxEnableChecks(TRUE);
    FaultWatcher::Install();
    return RUN_ALL_TESTS();
}
