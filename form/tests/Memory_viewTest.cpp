// What the window stores from a record once it has shown it: the form over a
// window without a screen, as the command line asks it.
#include "Memory_view.h"

#include "Set_def.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* name;
    int setting;
    std::string held;
    std::string stored;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

void put(qm::Settings& record, int setting, const std::string& value) {
    if (setting <= qm::kLastText)
        qm::CopyText(qm::TextField(record, setting), qm::TextCapacity(setting), value);
    else
        qm::SetNumberValue(record, setting, static_cast<std::uint32_t>(std::stoul(value)));
}

const Case kCases[] = {
    {"NumberAboveItsBound", 8, "6000", "5000"},     {"NumberBelowItsBound", 32, "5", "15"},
    {"SwitchOfAnyValueButZero", 45, "7", "1"},      {"SensorPairOfAnyValueButZero", 48, "5", "1"},
    {"ListPastItsEntries", 50, "9", "9"},           {"CurrencyPastItsEntries", 29, "8", "8"},
    {"BanknoteBitsNoBoxShows", 28, "255", "255"},   {"TextOnOneLine", 1, "x\x01y\tz", "xy z"},
    {"TextOfLineEndsOnly", 2, "\r\n", ""},          {"TelephoneErased", 6, "-123", ""},
    {"TelephoneWithLetters", 7, "8916abc", "8916"},
};

class AsShownCase : public ::testing::TestWithParam<Case> {};

TEST_P(AsShownCase, StoresWhatTheWindowWould) {
    const Case& c = GetParam();
    qm::Settings held = qm::Set_def();
    put(held, c.setting, c.held);
    qm::Settings expected = held;
    put(expected, c.setting, c.stored);
    EXPECT_EQ(qm::AsShown(held), expected);
}

INSTANTIATE_TEST_SUITE_P(Form, AsShownCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
