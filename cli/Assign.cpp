#include "Assign.h"

#include "Field_rules.h"
#include "Phone_rules.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Values.h"

#include <optional>

namespace qm {

namespace {

bool isLabelKey(const std::string& key) {
    return key.size() == 5 && (key[0] | 0x20) == 's' && (key[1] | 0x20) == 'e' &&
           (key[2] | 0x20) == 't' && key[3] == '9' && key[4] == '9';
}

// A plain unsigned decimal number of at most five digits.
std::optional<std::uint32_t> plainNumber(const std::string& text) {
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    std::uint32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return v;
}

// What one assignment stores, or why the window could not store it.
struct Outcome {
    std::optional<std::string> stored; // as a JSON literal; none when refused
    std::string refusal;
};

Outcome refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

Outcome storedValue(const SettingRule& rule) {
    return {ValueLiteral(rule, settings), {}};
}

Outcome assignText(const SettingRule& rule, const std::string& value) {
    const std::optional<std::string> entered = EnteredText(value, TextRoom(rule));
    if (!entered || !StoreText(settings, rule.setting, *entered))
        return refused("в тексте есть знак, которого нет в кодовой странице 1251");
    return storedValue(rule);
}

Outcome assignPhone(const SettingRule& rule, const std::string& value) {
    // As if pasted into the emptied box; an empty value empties it.
    const std::string typed = PhoneTyped(value, true);
    if (typed.empty() && !value.empty())
        return refused("в номере телефона нет ни одной цифры");
    StoreText(settings, rule.setting, PhoneShown(typed));
    return storedValue(rule);
}

// A switch, a sensor pair, a list or the currency: one of its values exactly.
Outcome assignChoice(const SettingRule& rule, const std::string& value, std::uint32_t count) {
    const std::optional<std::uint32_t> v = plainNumber(value);
    if (!v || *v >= count)
        return refused("ожидается число от 0 до " + std::to_string(count - 1));
    StoreEntry(settings, rule.setting, static_cast<int>(*v));
    return storedValue(rule);
}

Outcome assignBanknotes(const SettingRule& rule, const std::string& value) {
    const std::optional<std::uint32_t> v = plainNumber(value);
    if (!v || *v > 255)
        return refused("ожидается число от 0 до 63: сумма 1, 2, 4, 8, 16, 32 отмеченных купюр");
    for (int bit = 0; bit < 6; ++bit)
        StoreBanknote(settings, bit, (*v >> bit) & 1u);
    return storedValue(rule);
}

Outcome assign(const SettingRule& rule, const std::string& value) {
    switch (rule.kind) {
    case SettingKind::Text:
        return assignText(rule, value);
    case SettingKind::Number:
        StoreNumber(settings, rule, value);
        return storedValue(rule);
    case SettingKind::Phone:
        return assignPhone(rule, value);
    case SettingKind::Switch:
    case SettingKind::Radio:
        return assignChoice(rule, value, 2);
    case SettingKind::List:
    case SettingKind::Currency:
        return assignChoice(rule, value, static_cast<std::uint32_t>(rule.entries));
    case SettingKind::FlagBits:
        return assignBanknotes(rule, value);
    case SettingKind::Carried:
        break;
    }
    return refused("эта настройка в окне не изменяется");
}

Outcome assignLabel(const std::string& value, bool entryOffered) {
    if (!entryOffered)
        return refused("метку можно задать только плате, у которой её ещё нет");
    const std::optional<std::string> entered = EnteredText(value, kSerialSize - 1);
    if (!entered || !StoreLabel(settings, *entered))
        return refused("в тексте есть знак, которого нет в кодовой странице 1251");
    return {JsonString(LabelText(settings)), {}};
}

// The value as given, as the stored value would be written, to tell whether
// the rules changed it.
std::string givenLiteral(const Assignment& a) {
    const SettingRule* rule = FindSettingRule(a.key);
    if (!rule || IsTextSetting(*rule))
        return JsonString(a.value);
    return a.value;
}

} // namespace

bool ParseAssignment(const std::string& argument, Assignment& assignment) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos)
        return false;
    assignment.key = argument.substr(0, equals);
    assignment.value = argument.substr(equals + 1);
    return isLabelKey(assignment.key) || FindSettingRule(assignment.key) != nullptr;
}

int SetCommand(const Place& source, const Place& destination,
               const std::vector<Assignment>& assignments, std::ostream& out, ErrorOutput& errors) {
    ResetSettings();
    if (LoadSource(source, errors).state != Loaded::State::Loaded)
        return kExitAccess;
    // The window offers its serial entry for a blank label, and only then.
    LabelEntry entry(LabelIsBlank(settings));
    std::vector<std::string> notes;
    bool anyRefused = false;
    for (const Assignment& a : assignments) {
        const SettingRule* rule = FindSettingRule(a.key);
        const Outcome outcome =
            rule ? assign(*rule, a.value) : assignLabel(a.value, entry.isVisible());
        if (!outcome.stored) {
            errors.stream() << "qmconf-cli: " << a.key << '=' << givenLiteral(a) << ": "
                            << outcome.refusal << '\n';
            anyRefused = true;
        } else if (*outcome.stored != givenLiteral(a)) {
            notes.push_back(a.key + '=' + givenLiteral(a) + ": сохранено " + *outcome.stored);
        }
    }
    if (anyRefused) {
        errors.stream() << "qmconf-cli: ничего не записано\n";
        return kExitFinding;
    }
    for (const std::string& note : notes)
        out << note << '\n';
    return StoreDestination(destination, entry, out, errors);
}

int CopyCommand(const Place& source, const Place& destination, std::ostream& out,
                ErrorOutput& errors) {
    ResetSettings();
    if (LoadSource(source, errors).state != Loaded::State::Loaded)
        return kExitAccess;
    LabelEntry entry(LabelIsBlank(settings));
    return StoreDestination(destination, entry, out, errors);
}

} // namespace qm
