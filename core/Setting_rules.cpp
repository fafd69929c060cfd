#include "Setting_rules.h"

#include "Settings.h"

namespace qm {

namespace {

SettingRule text(int n) {
    return {n, SettingKind::Text, 0, 0, 0};
}
SettingRule number(int n, std::int32_t min, std::int32_t max) {
    return {n, SettingKind::Number, min, max, 0};
}
SettingRule of(int n, SettingKind kind, int entries = 0) {
    return {n, kind, 0, 0, entries};
}

// The four boxes of a time window: from hour, minute, until hour, minute.
void timeWindow(std::vector<SettingRule>& table, int first) {
    for (int k = 0; k < 4; ++k)
        table.push_back(number(first + k, 0, k % 2 == 0 ? 23 : 59));
}

// In the order the command line lists them: the window's pages, page by
// page, then the settings without a control.
std::vector<SettingRule> makeRules() {
    std::vector<SettingRule> table = {
        text(1),
        text(2),
        text(3),
        text(4),
        number(32, 15, 65535),
        text(5),
        of(29, SettingKind::Currency, 4),
    };
    for (int row = 0; row < 10; ++row) {
        table.push_back(number(8 + 2 * row, 0, 5000));
        table.push_back(number(9 + 2 * row, 0, 99));
    }
    const std::vector<SettingRule> alerts = {
        of(28, SettingKind::FlagBits), number(30, 0, 65535),        of(45, SettingKind::Switch),
        of(6, SettingKind::Phone),     of(44, SettingKind::Switch), number(31, 0, 10000),
        of(47, SettingKind::Switch),   of(7, SettingKind::Phone),
    };
    table.insert(table.end(), alerts.begin(), alerts.end());
    table.push_back(number(33, 0, 600));
    timeWindow(table, 34);
    table.push_back(number(38, 0, 600));
    timeWindow(table, 39);
    const std::vector<SettingRule> rest = {
        of(48, SettingKind::Radio),   of(52, SettingKind::Radio),   of(50, SettingKind::List, 3),
        number(49, 0, 1000),          of(43, SettingKind::Carried), of(46, SettingKind::Carried),
        of(51, SettingKind::Carried),
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

const std::vector<SettingRule>& SettingRules() {
    static const std::vector<SettingRule> table = makeRules();
    return table;
}

const SettingRule* FindSettingRule(std::string_view key) {
    if (key.size() != 5)
        return nullptr;
    for (std::size_t i = 0; i < 3; ++i)
        if ((key[i] | 0x20) != "set"[i])
            return nullptr;
    if (key[3] < '0' || key[3] > '9' || key[4] < '0' || key[4] > '9')
        return nullptr;
    return SettingRuleOf((key[3] - '0') * 10 + (key[4] - '0'));
}

const SettingRule* SettingRuleOf(int n) {
    for (const SettingRule& rule : SettingRules())
        if (rule.setting == n)
            return &rule;
    return nullptr;
}

std::size_t TextRoom(const SettingRule& rule) {
    return TextCapacity(rule.setting) - 1;
}

} // namespace qm
