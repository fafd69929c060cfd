#include "Show.h"

#include "Field_rules.h"
#include "Held_notes.h"
#include "Layout.h"
#include "Read_file.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Values.h"

#include <optional>

namespace qm {

namespace {

// "SET08  Прайс деньги/время, деньги 1"; the key alone for a setting the
// window does not show.
std::string heading(const SettingRule& rule) {
    std::string text = SettingKey(rule.setting);
    if (!SettingCaption(rule.setting).empty())
        text += "  " + SettingCaption(rule.setting);
    return text;
}

std::string jsonHead(const SettingRule& rule) {
    return "{\"key\": \"" + SettingKey(rule.setting) +
           "\", \"caption\": " + JsonString(SettingCaption(rule.setting));
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

// What the source holds otherwise than the record read from it; nothing for
// the defaults, which have no text.
std::optional<HeldNote> noteOf(const SettingRule& rule, const std::string& text,
                               const Settings& record) {
    return text.empty() ? std::nullopt : HeldNoteOf(rule, text, record);
}

std::string heldJson(const HeldNote& note) {
    std::string held = "[";
    for (std::size_t i = 0; i < note.held.size(); ++i)
        held += (i ? ", " : "") + JsonString(note.held[i]);
    return "{\"held\": " + held + "], \"note\": " + JsonString(NoteText(note)) + "}";
}

void showText(const Settings& record, LabelHeld held, bool checksumOk, const std::string& text,
              std::ostream& out) {
    const Settings shown = AsShown(record);
    for (const SettingRule& rule : SettingRules()) {
        out << heading(rule) << ": " << ValueLiteral(rule, record);
        if (const std::optional<HeldNote> note = noteOf(rule, text, record))
            out << " (" << NoteText(*note) << ')';
        const std::string becomes = ValueLiteral(rule, shown);
        if (becomes != ValueLiteral(rule, record))
            out << ", окно сохранит " << becomes;
        out << '\n';
    }
    out << "Метка платы: " << labelText(record, held) << '\n';
    out << "Контрольная сумма: " << (checksumOk ? "сходится" : "не сходится") << '\n';
}

void showJson(const Settings& record, LabelHeld held, bool checksumOk, const std::string& text,
              std::ostream& out) {
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
        if (const std::optional<HeldNote> note = noteOf(rules[i], text, record))
            out << ", \"source\": " << heldJson(*note);
        out << '}' << (i + 1 < rules.size() ? ",\n" : "\n");
    }
    out << "]}\n";
}

// A source loaded whole, for a comparison: anything short of a valid image
// cannot be compared.
struct Side {
    Settings record{};
    LabelHeld label = LabelHeld::None;
    std::string text; // the image read; empty for the defaults
};

bool loadWhole(const Place& source, Side& side, ErrorOutput& errors) {
    const Loaded loaded = LoadSource(source, errors);
    if (loaded.state != Loaded::State::Loaded)
        return false;
    side.record = loaded.record;
    side.label = loaded.label;
    side.text = loaded.image;
    return true;
}

// A side's value as text output shows it: with what its source holds
// otherwise, where it does.
std::string sideText(const SettingRule& rule, const Side& side,
                     const std::optional<HeldNote>& note) {
    return ValueLiteral(rule, side.record) + (note ? " (" + NoteText(*note) + ")" : "");
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
    const Loaded loaded = LoadSource(source, errors);
    Settings record = loaded.record;
    bool checksumOk = true;
    LabelHeld held = loaded.label;
    std::string text = loaded.image;
    switch (loaded.state) {
    case Loaded::State::Loaded:
        break;
    case Loaded::State::BadChecksum: {
        // What the image says, for a technician to judge; it is no valid image.
        const ImageProbe probe = ProbeImage(loaded.path);
        if (probe.state == ImageProbe::State::Unreadable)
            return kExitAccess;
        record = ReadSettingsText(probe.bytes);
        held = LabelHeldIn(probe.bytes);
        text = probe.bytes;
        checksumOk = probe.state == ImageProbe::State::Valid;
        break;
    }
    case Loaded::State::TooShort:
        return kExitFinding;
    case Loaded::State::CannotRead:
        return kExitAccess;
    }
    if (json)
        showJson(record, held, checksumOk, text, out);
    else
        showText(record, held, checksumOk, text, out);
    return checksumOk ? kExitOk : kExitFinding;
}

int DiffCommand(const Place& a, const Place& b, bool json, std::ostream& out, ErrorOutput& errors) {
    Side first, second;
    if (!loadWhole(a, first, errors) || !loadWhole(b, second, errors))
        return kExitAccess;
    bool differ = false;
    if (json)
        out << '[';
    for (const SettingRule& rule : SettingRules()) {
        const std::string va = ValueLiteral(rule, first.record),
                          vb = ValueLiteral(rule, second.record);
        const std::optional<HeldNote> na = noteOf(rule, first.text, first.record);
        const std::optional<HeldNote> nb = noteOf(rule, second.text, second.record);
        // Equal as read, but held otherwise by either source: the sources
        // differ where the window cannot show it.
        const bool heldAlike = (!na && !nb) || (na && nb && na->held == nb->held);
        if (va == vb && heldAlike)
            continue;
        if (json) {
            out << (differ ? ",\n " : "\n ") << jsonHead(rule) << ", \"a\": " << va
                << ", \"b\": " << vb;
            if (na)
                out << ", \"a_source\": " << heldJson(*na);
            if (nb)
                out << ", \"b_source\": " << heldJson(*nb);
            out << '}';
        } else {
            out << heading(rule) << "\n< " << sideText(rule, first, na) << "\n> "
                << sideText(rule, second, nb) << '\n';
        }
        differ = true;
    }
    const std::string la = heldLabel(first.record, first.label);
    const std::string lb = heldLabel(second.record, second.label);
    if (la != lb) {
        if (json)
            out << (differ ? ",\n " : "\n ") << "{\"key\": \"ID\", \"caption\": \"Метка платы\", "
                << "\"a\": " << labelJson(first.record, first.label)
                << ", \"b\": " << labelJson(second.record, second.label) << ", \"a_state\": \""
                << stateOf(first.label) << "\", \"b_state\": \"" << stateOf(second.label) << "\"}";
        else
            out << "ID  Метка платы\n< " << la << "\n> " << lb << '\n';
        differ = true;
    }
    if (json)
        out << (differ ? "\n]\n" : "]\n");
    return differ ? kExitFinding : kExitOk;
}

} // namespace qm
