// The test programs' entry: gtest and gmock as usual, with the fault watcher listening.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FaultWatcher.h"

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
    FaultWatcher::Install();
    return RUN_ALL_TESTS();
}
