#pragma once
// The companion's system of fakes, shared by its tests, and what a command that ran to its end leaves.
#include <gtest/gtest.h>

#include "companion/Companion.h"
#include "tests/companion/SampleCodePages.h"
#include "tests/fakes/Fakes.h"

namespace zelta::companion {

struct CompanionHarness : ::testing::Test {
    fakes::FakeFileSystem files;
    fakes::FakeEnvironment environment;
    testing::SampleCodePages codePages;
    fakes::FakeCommandRunner runner;
    fakes::FakeRegistry registry;
    fakes::FakeClock clock;
    fakes::FakeLiveAdapters liveAdapters;
    CompanionSystem system{files, environment, codePages, runner, registry, clock, liveAdapters};
};

inline platform::CommandResult Ended(std::uint32_t code, const std::string& output) {
    platform::CommandResult result;
    result.exitCode = code;
    result.output = output;
    return result;
}

}  // namespace zelta::companion
