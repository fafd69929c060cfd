// The table of window scenarios through the real Win32 window, driven by
// real messages through its own loop.
#include "Scenarios.h"
#include "Settings.h"
#include "Win_driver.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

class NativeScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(NativeScenario, Runs) {
    WinDriver driver;
    RunScenarioAgainstFake(driver, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Window, NativeScenario, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qmtest
