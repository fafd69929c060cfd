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

void showText(const Settings& record, bool checksumOk, std::ostream& out) {
    const Settings shown = AsShown(record);
    for (const SettingRule& rule : SettingRules()) {
        out << heading(rule) << ": " << ValueLiteral(rule, record);
        const std::string becomes = ValueLiteral(rule, shown);
        if (becomes != ValueLiteral(rule, record))
            out << ", окно сохранит " << becomes;
        out << '\n';
    }
    out << "Метка платы: "
        << (LabelIsBlank(record) ? std::string("не задана") : JsonString(LabelText(record)))
        << '\n';
    out << "Контрольная сумма: " << (checksumOk ? "сходится" : "не сходится") << '\n';
}

void showJson(const Settings& record, bool checksumOk, std::ostream& out) {
    const Settings shown = AsShown(record);
    out << "{\"serial\": "
        << (LabelIsBlank(record) ? std::string("null") : JsonString(LabelText(record)))
        << ", \"checksum_ok\": " << (checksumOk ? "true" : "false") << ", \"settings\": [\n";
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
bool loadWhole(const Place& source, Settings& record, ErrorOutput& errors) {
    ResetSettings();
    if (LoadSource(source, errors).state != Loaded::State::Loaded)
        return false;
    record = settings;
    return true;
}

} // namespace

int ShowCommand(const Place& source, bool json, std::ostream& out, ErrorOutput& errors) {
    ResetSettings();
    const Loaded loaded = LoadSource(source, errors);
    bool checksumOk = true;
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
        checksumOk = probe.state == ImageProbe::State::Valid;
        break;
    }
    case Loaded::State::TooShort:
        return kExitFinding;
    case Loaded::State::CannotRead:
        return kExitAccess;
    }
    if (json)
        showJson(settings, checksumOk, out);
    else
        showText(settings, checksumOk, out);
    return checksumOk ? kExitOk : kExitFinding;
}

int DiffCommand(const Place& a, const Place& b, bool json, std::ostream& out, ErrorOutput& errors) {
    Settings first{}, second{};
    if (!loadWhole(a, first, errors) || !loadWhole(b, second, errors))
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
    if (json)
        out << (differ ? "\n]\n" : "]\n");
    return differ ? kExitFinding : kExitOk;
}

} // namespace qm
