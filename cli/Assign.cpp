#include "Assign.h"

#include "Field_rules.h"
#include "Form.h"
#include "Held_notes.h"
#include "Memory_view.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Strict_values.h"
#include "Values.h"

#include <algorithm>
#include <optional>
#include <set>

namespace qm {

namespace {

std::string upperKey(std::string key) {
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

// What one assignment stores, or why it cannot be stored as given.
struct Outcome {
    std::optional<std::string> stored; // as a JSON literal; none when refused
    std::string refusal;
    std::string note; // how the stored value differs from the one given
};

Outcome refused(std::string why) {
    return {std::nullopt, std::move(why), {}};
}

Outcome storedValue(const SettingRule& rule, const Settings& record) {
    return {ValueLiteral(rule, record), {}, {}};
}

// A text or a telephone, checked as given.
Outcome assignChecked(Settings& record, const SettingRule& rule, const Checked& value) {
    if (!value.ok())
        return refused(value.refusal);
    CopyText(TextField(record, rule.setting), TextCapacity(rule.setting), value.bytes);
    return storedValue(rule, record);
}

// Out of its bounds, a number is brought into them as the window does.
Outcome assignNumber(Settings& record, const SettingRule& rule, const std::string& value) {
    const std::optional<std::int64_t> v = DecimalNumber(value);
    if (!v)
        return refused("ожидается целое число: десятичные цифры, перед ними может стоять «-»");
    const std::int64_t held =
        std::max<std::int64_t>(rule.min, std::min<std::int64_t>(rule.max, *v));
    SetNumberValue(record, rule.setting, static_cast<std::uint32_t>(held));
    Outcome outcome = storedValue(rule, record);
    if (held != *v)
        outcome.note = "вне пределов от " + std::to_string(rule.min) + " до " +
                       std::to_string(rule.max) + ", записано " + *outcome.stored;
    return outcome;
}

// A switch, a sensor pair, a list or the currency: one of its values exactly.
Outcome assignChoice(Settings& record, const SettingRule& rule, const std::string& value,
                     std::uint32_t count) {
    const std::optional<std::int64_t> v = DecimalNumber(value);
    if (!v || *v < 0 || *v >= count)
        return refused("ожидается число от 0 до " + std::to_string(count - 1));
    StoreEntry(record, rule.setting, static_cast<int>(*v));
    return storedValue(rule, record);
}

// Bits 6 and 7, which no box shows, stay as the source holds them.
Outcome assignBanknotes(Settings& record, const SettingRule& rule, const std::string& value) {
    const std::optional<std::int64_t> v = DecimalNumber(value);
    if (!v || *v < 0 || *v > kBanknoteBits)
        return refused("ожидается число от 0 до 63: сумма 1, 2, 4, 8, 16, 32 отмеченных купюр");
    for (int bit = 0; bit < 6; ++bit)
        StoreBanknote(record, bit, (*v >> bit) & 1);
    Outcome outcome = storedValue(rule, record);
    if (std::to_string(*v) != *outcome.stored)
        outcome.note = "записано " + *outcome.stored + ": биты 6 и 7 источника сохранены";
    return outcome;
}

Outcome assign(Settings& record, const SettingRule& rule, const std::string& value) {
    switch (rule.kind) {
    case SettingKind::Text:
        return assignChecked(record, rule, CheckText(value, TextRoom(rule)));
    case SettingKind::Number:
        return assignNumber(record, rule, value);
    case SettingKind::Phone:
        return assignChecked(record, rule, CheckPhone(value));
    case SettingKind::Switch:
    case SettingKind::Radio:
        return assignChoice(record, rule, value, 2);
    case SettingKind::List:
    case SettingKind::Currency:
        return assignChoice(record, rule, value, static_cast<std::uint32_t>(rule.entries));
    case SettingKind::FlagBits:
        return assignBanknotes(record, rule, value);
    case SettingKind::Carried:
        break;
    }
    return refused("эта настройка в окне не изменяется");
}

Outcome assignLabel(Settings& record, const std::string& value, bool entryOffered) {
    if (!entryOffered)
        return refused("метку можно задать только плате, у которой её ещё нет");
    const Checked label = CheckLabel(value);
    if (!label.ok())
        return refused(label.refusal);
    CopyText(record.serial, kSerialSize, label.bytes);
    return {JsonString(LabelText(record)), {}, {}};
}

// "SET08: в источнике 65636, записано 100; ...": a value stored otherwise
// than its source holds it (before, as read from it).
std::string storedNote(const SettingRule& rule, const std::optional<HeldNote>& note,
                       const std::string& before, const std::string& after) {
    return SettingKey(rule.setting) + ": " + (note ? note->source : "в источнике " + before) +
           ", записано " + after + (before != after ? ", как записало бы окно" : "") +
           (note && !note->why.empty() ? "; " + note->why : "");
}

} // namespace

bool ParseAssignment(const std::string& argument, Assignment& assignment) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos)
        return false;
    assignment.key = upperKey(argument.substr(0, equals));
    assignment.value = argument.substr(equals + 1);
    return assignment.key == "SET99" || FindSettingRule(assignment.key) != nullptr;
}

int SetCommand(const Place& source, const Place& destination,
               const std::vector<Assignment>& assignments, bool keepOld, std::ostream& out,
               ErrorOutput& errors) {
    std::set<std::string> keys;
    for (const Assignment& a : assignments)
        if (!keys.insert(a.key).second) {
            errors.stream() << "qmconf-cli: " << a.key << " задан дважды; ничего не записано\n";
            return kExitFinding;
        }
    const Loaded loaded = LoadSource(source, errors);
    if (loaded.state != Loaded::State::Loaded)
        return kExitAccess;
    // Every value as the window would store it once it has shown the source,
    // then the assignments.
    const Settings& held = loaded.record;
    Settings record = AsShown(held);
    const bool withSerial = OffersSerialEntry(record);
    std::vector<std::string> notes;
    for (const SettingRule& rule : SettingRules()) {
        if (keys.count(SettingKey(rule.setting)))
            continue;
        const std::string before = ValueLiteral(rule, held), after = ValueLiteral(rule, record);
        const std::optional<HeldNote> note = HeldNoteOf(rule, loaded);
        if (note || before != after)
            notes.push_back(storedNote(rule, note, before, after));
    }
    bool anyRefused = false;
    for (const Assignment& a : assignments) {
        const SettingRule* rule = FindSettingRule(a.key);
        const Outcome outcome =
            rule ? assign(record, *rule, a.value) : assignLabel(record, a.value, withSerial);
        const std::string given =
            a.key + '=' + WrittenLiteral(FindSettingRule(a.key), a.value) + ": ";
        if (!outcome.stored) {
            errors.stream() << "qmconf-cli: " << given << outcome.refusal << '\n';
            anyRefused = true;
        } else if (!outcome.note.empty()) {
            notes.push_back(given + outcome.note);
        }
    }
    if (anyRefused) {
        errors.stream() << "qmconf-cli: ничего не записано\n";
        return kExitFinding;
    }
    for (const std::string& note : notes)
        errors.stream() << "qmconf-cli: " << note << '\n';
    return StoreDestination(destination, record, withSerial, keepOld, out, errors);
}

int CopyCommand(const Place& source, const Place& destination, bool keepOld, std::ostream& out,
                ErrorOutput& errors) {
    const Loaded loaded = LoadSource(source, errors);
    if (loaded.state != Loaded::State::Loaded)
        return kExitAccess;
    // Every value as held, where the record can hold it.
    for (const SettingRule& rule : SettingRules())
        if (const std::optional<HeldNote> note = HeldNoteOf(rule, loaded)) {
            const std::string value = ValueLiteral(rule, loaded.record);
            errors.stream() << "qmconf-cli: " << storedNote(rule, note, value, value) << '\n';
        }
    return StoreDestination(destination, loaded.record, OffersSerialEntry(loaded.record), keepOld,
                            out, errors);
}

} // namespace qm
