#include "Setting_rules.h"

#include "Settings.h"

#include <string>
#include <utility>

namespace qm {

namespace {

SettingRule text(int n, std::string caption) {
    return {n, SettingKind::Text, std::move(caption), 0, 0, 0};
}
SettingRule number(int n, std::string caption, std::int32_t min, std::int32_t max) {
    return {n, SettingKind::Number, std::move(caption), min, max, 0};
}
SettingRule of(int n, SettingKind kind, std::string caption, int entries = 0) {
    return {n, kind, std::move(caption), 0, 0, entries};
}

// The four boxes of a time window: from hour, minute, until hour, minute.
void timeWindow(std::vector<SettingRule>& table, int first, const std::string& days) {
    const std::string heading = "Допустимое время для отправки СМС, " + days;
    const char* const parts[] = {", от (часы)", ", от (минуты)", ", до (часы)", ", до (минуты)"};
    for (int k = 0; k < 4; ++k)
        table.push_back(number(first + k, heading + parts[k], 0, k % 2 == 0 ? 23 : 59));
}

// The captions are those of the labels in the window. A box without a label
// of its own (the price table, the time windows, the alert switches, the
// sensor pairs) is named by the headings it stands under, joined by ", ";
// the price table's money heading changes with the currency, so its columns
// are named by the words of the table's own heading, "деньги" and "время".
std::vector<SettingRule> makeRules() {
    std::vector<SettingRule> table = {
        text(1, "APN"),
        text(2, "Логин"),
        text(3, "Пароль"),
        text(4, "Сервер"),
        number(32, "Периодичность связи", 15, 65535),
        text(5, "Код запроса баланса"),
        of(29, SettingKind::Currency, "Валюта", 4),
    };
    for (int row = 0; row < 10; ++row) {
        const std::string r = std::to_string(row + 1);
        table.push_back(number(8 + 2 * row, "Прайс деньги/время, деньги " + r, 0, 5000));
        table.push_back(number(9 + 2 * row, "Прайс деньги/время, время " + r, 0, 99));
    }
    const std::vector<SettingRule> alerts = {
        of(28, SettingKind::FlagBits, "Принимаемые купюры"),
        number(30, "Бонусы", 0, 65535),
        of(45, SettingKind::Switch, "Отказ купюроприёмника, Отсылать СМС"),
        of(6, SettingKind::Phone, "Телефон мастера"),
        of(44, SettingKind::Switch, "Баланс СИМ карты, Отсылать СМС"),
        number(31, "Если баланс менее", 0, 10000),
        of(47, SettingKind::Switch, "Задержка обслуживания, Отсылать СМС"),
        of(7, SettingKind::Phone, "Телефон Администратора"),
    };
    table.insert(table.end(), alerts.begin(), alerts.end());
    table.push_back(number(33, "Время простоя, В рабочие дни", 0, 600));
    timeWindow(table, 34, "В рабочие дни");
    table.push_back(number(38, "Время простоя, В выходные дни", 0, 600));
    timeWindow(table, 39, "В выходные дни");
    const std::vector<SettingRule> rest = {
        of(48, SettingKind::Radio, "Датчик инкассации"),
        of(52, SettingKind::Radio, "Датчик технического отсека"),
        of(50, SettingKind::List, "Тип кресла", 3),
        number(49, "Монетоприёмник", 0, 1000),
        of(43, SettingKind::Carried, ""),
        of(46, SettingKind::Carried, ""),
        of(51, SettingKind::Carried, ""),
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
    const int n = (key[3] - '0') * 10 + (key[4] - '0');
    for (const SettingRule& rule : SettingRules())
        if (rule.setting == n)
            return &rule;
    return nullptr;
}

std::size_t TextRoom(const SettingRule& rule) {
    return TextCapacity(rule.setting) - 1;
}

} // namespace qm
