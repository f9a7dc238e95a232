// A suite of road steps with a copy of the program of its own (fresh folder, fresh registry key)
// and the screen probe hooked into the program's UI thread. A suite derives from it and starts
// its copy in its SetUpTestSuite with StartCopy(folder name).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "RoadSession.h"
#include "ScreenProbe.h"

class ProbedRoadSuite : public ::testing::Test
{
protected:
    static void StartCopy(const wchar_t* folder);
    static void TearDownTestSuite();
    // Every step: the copy runs, the probe is in, the tree is there and the program is idle.
    void SetUp() override;

    static RoadSession* s;
    static ScreenProbe* probe;
    static std::string startError;
};
