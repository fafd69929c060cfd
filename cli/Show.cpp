#include "Show.h"

#include "Field_rules.h"
#include "Read_file.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Values.h"

namespace qm {

namespace {

// "SET08  Прайс деньги/время, деньги 1"; the key alone for a setting the
// window does not show.
std::string heading(const SettingRule& rule) {
    std::string text = SettingKey(rule.setting);
    if (!rule.caption.empty())
        text += "  " + rule.caption;
    return text;
}

std::string jsonHead(const SettingRule& rule) {
    return "{\"key\": \"" + SettingKey(rule.setting) +
           "\", \"caption\": " + JsonString(rule.caption);
}

// The serial label as a source holds it, and as the window shows it: the
// reader puts "QM . . . . ." into the record of a file without one.
std::string labelText(const Settings& record, LabelHeld held) {
    switch (held) {
    case LabelHeld::Label:
        return JsonString(LabelText(record));
    case LabelHeld::Blank:
        return "не задана";
    case LabelHeld::None:
        break;
    }
    return "нет в источнике (окно покажет " + JsonString(LabelText(record)) + ")";
}

const char* stateOf(LabelHeld held) {
    return held == LabelHeld::Label ? "label" : held == LabelHeld::Blank ? "blank" : "none";
}

std::string labelJson(const Settings& record, LabelHeld held) {
    return held == LabelHeld::Label ? JsonString(LabelText(record)) : std::string("null");
}

void showText(const Settings& record, LabelHeld held, bool checksumOk, std::ostream& out) {
    const Settings shown = AsShown(record);
    for (const SettingRule& rule : SettingRules()) {
        out << heading(rule) << ": " << ValueLiteral(rule, record);
        const std::string becomes = ValueLiteral(rule, shown);
        if (becomes != ValueLiteral(rule, record))
            out << ", окно сохранит " << becomes;
        out << '\n';
    }
    out << "Метка платы: " << labelText(record, held) << '\n';
    out << "Контрольная сумма: " << (checksumOk ? "сходится" : "не сходится") << '\n';
}

void showJson(const Settings& record, LabelHeld held, bool checksumOk, std::ostream& out) {
    const Settings shown = AsShown(record);
    out << "{\"serial\": " << labelJson(record, held) << ", \"serial_state\": \"" << stateOf(held)
        << '"';
    if (held == LabelHeld::None)
        out << ", \"serial_shown\": " << JsonString(LabelText(record));
    out << ", \"checksum_ok\": " << (checksumOk ? "true" : "false") << ", \"settings\": [\n";
    const auto& rules = SettingRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const std::string value = ValueLiteral(rules[i], record);
        const std::string becomes = ValueLiteral(rules[i], shown);
        out << "  " << jsonHead(rules[i]) << ", \"value\": " << value;
        if (becomes != value)
            out << ", \"normalized\": " << becomes;
        out << '}' << (i + 1 < rules.size() ? ",\n" : "\n");
    }
    out << "]}\n";
}

// Loads a source whole, for a comparison: anything short of a valid image
// cannot be compared.
bool loadWhole(const Place& source, Settings& record, LabelHeld& held, ErrorOutput& errors) {
    ResetSettings();
    const Loaded loaded = LoadSource(source, errors);
    if (loaded.state != Loaded::State::Loaded)
        return false;
    record = settings;
    held = loaded.label;
    return true;
}

// The labels as the sources hold them: two files without one are alike,
// whatever the reader puts into the record.
std::string heldLabel(const Settings& record, LabelHeld held) {
    return held == LabelHeld::Label   ? JsonString(LabelText(record))
           : held == LabelHeld::Blank ? std::string("не задана")
                                      : std::string("нет");
}

} // namespace

int ShowCommand(const Place& source, bool json, std::ostream& out, ErrorOutput& errors) {
    ResetSettings();
    const Loaded loaded = LoadSource(source, errors);
    bool checksumOk = true;
    LabelHeld held = loaded.label;
    switch (loaded.state) {
    case Loaded::State::Loaded:
        break;
    case Loaded::State::BadChecksum: {
        // What the image says, for a technician to judge; it is no valid image.
        const ImageProbe probe = ProbeImage(loaded.path);
        if (probe.state == ImageProbe::State::Unreadable)
            return kExitAccess;
        ResetSettings();
        ReadSettingsText(probe.bytes);
        held = LabelHeldIn(probe.bytes);
        checksumOk = probe.state == ImageProbe::State::Valid;
        break;
    }
    case Loaded::State::TooShort:
        return kExitFinding;
    case Loaded::State::CannotRead:
        return kExitAccess;
    }
    if (json)
        showJson(settings, held, checksumOk, out);
    else
        showText(settings, held, checksumOk, out);
    return checksumOk ? kExitOk : kExitFinding;
}

int DiffCommand(const Place& a, const Place& b, bool json, std::ostream& out, ErrorOutput& errors) {
    Settings first{}, second{};
    LabelHeld heldA = LabelHeld::None, heldB = LabelHeld::None;
    if (!loadWhole(a, first, heldA, errors) || !loadWhole(b, second, heldB, errors))
        return kExitAccess;
    bool differ = false;
    if (json)
        out << '[';
    for (const SettingRule& rule : SettingRules()) {
        const std::string va = ValueLiteral(rule, first), vb = ValueLiteral(rule, second);
        if (va == vb)
            continue;
        if (json)
            out << (differ ? ",\n " : "\n ") << jsonHead(rule) << ", \"a\": " << va
                << ", \"b\": " << vb << '}';
        else
            out << heading(rule) << "\n< " << va << "\n> " << vb << '\n';
        differ = true;
    }
    const std::string la = heldLabel(first, heldA), lb = heldLabel(second, heldB);
    if (la != lb) {
        if (json)
            out << (differ ? ",\n " : "\n ") << "{\"key\": \"ID\", \"caption\": \"Метка платы\", "
                << "\"a\": " << labelJson(first, heldA) << ", \"b\": " << labelJson(second, heldB)
                << ", \"a_state\": \"" << stateOf(heldA) << "\", \"b_state\": \"" << stateOf(heldB)
                << "\"}";
        else
            out << "ID  Метка платы\n< " << la << "\n> " << lb << '\n';
        differ = true;
    }
    if (json)
        out << (differ ? "\n]\n" : "]\n");
    return differ ? kExitFinding : kExitOk;
}

} // namespace qm
