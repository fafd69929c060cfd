// The table of settings: for every setting its key, its kind and its bounds
// or capacity. The window's layout names the setting each control shows and
// joins this table by it; the command line reads it as it stands. So both
// apply one set of rules, written once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qm {

enum class SettingKind {
    Text,     // a text of code page 1251, one line, within the field's capacity
    Number,   // a number brought into [min, max] by ParseNumber
    Switch,   // 1 on, 0 off (a check box)
    FlagBits, // the banknote set SET28: bits 0..5, one check box each
    Phone,    // a telephone, as its box lays it out
    Radio,    // 1 or 0, the first or second button of a pair
    List,     // the position of an entry of a list of `entries`
    Currency, // the currency list: the position of one of its `entries`
    Carried,  // no control: carried from a load to the next store unchanged
};

struct SettingRule {
    int setting; // the SET number: the key is SettingKey(setting)
    SettingKind kind;
    std::int32_t min; // Number: bounds
    std::int32_t max;
    int entries; // List, Currency: the number of entries
};

// The bits of SET28 that the banknote boxes stand for; bits 6 and 7 are
// carried untouched.
constexpr unsigned kBanknoteBits = 0x3F;

// Every setting SET01..SET52, in the order the command line lists them: as
// the window's pages show them, then the three without a control.
const std::vector<SettingRule>& SettingRules();

// The rule of a key ("SET08", any letter case); null for any other text.
const SettingRule* FindSettingRule(std::string_view key);
// The rule of setting n; null for a number outside SET01..SET52.
const SettingRule* SettingRuleOf(int n);

// The field capacity of a Text or Phone setting less its terminating zero:
// the most characters it holds.
std::size_t TextRoom(const SettingRule& rule);

} // namespace qm
