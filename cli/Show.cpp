#include "Show.h"

#include "Held_notes.h"
#include "Layout.h"
#include "Memory_view.h"
#include "Setting_rules.h"
#include "Settings.h"
#include "Values.h"

#include <optional>

namespace qm {

namespace {

using Label = SerialLabel::Kind;

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

const char* stateOf(Label held) {
    return held == Label::Label ? "label" : held == Label::Blank ? "blank" : "none";
}

// The serial label as a source holds it: two files without one are alike,
// whatever the reader puts into the record.
std::string heldLabel(const Loaded& source) {
    return source.label == Label::Label   ? JsonString(LabelText(source.record))
           : source.label == Label::Blank ? std::string("не задана")
                                          : std::string("нет");
}

std::string labelJson(const Loaded& source) {
    return source.label == Label::Label ? heldLabel(source) : "null";
}

std::string heldJson(const HeldNote& note) {
    std::string held = "[";
    for (std::size_t i = 0; i < note.held.size(); ++i)
        held += (i ? ", " : "") + JsonString(note.held[i]);
    return "{\"held\": " + held + "], \"note\": " + JsonString(NoteText(note)) + "}";
}

// A side's value as text output shows it: with what its source holds
// otherwise, where it does.
std::string sideText(const SettingRule& rule, const Loaded& side,
                     const std::optional<HeldNote>& note) {
    return ValueLiteral(rule, side.record) + (note ? " (" + NoteText(*note) + ")" : "");
}

void show(const Loaded& source, bool json, std::ostream& out) {
    const Settings shown = AsShown(source.record);
    if (json) {
        out << "{\"serial\": " << labelJson(source) << ", \"serial_state\": \""
            << stateOf(source.label) << '"';
        if (source.label == Label::None)
            out << ", \"serial_shown\": " << JsonString(LabelText(source.record));
        out << ", \"checksum_ok\": " << (source.state == Loaded::State::Loaded ? "true" : "false")
            << ", \"settings\": [\n";
    }
    const auto& rules = SettingRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const std::string value = ValueLiteral(rules[i], source.record);
        const std::string becomes = ValueLiteral(rules[i], shown);
        const std::optional<HeldNote> note = HeldNoteOf(rules[i], source);
        if (json) {
            out << "  " << jsonHead(rules[i]) << ", \"value\": " << value;
            if (becomes != value)
                out << ", \"normalized\": " << becomes;
            if (note)
                out << ", \"source\": " << heldJson(*note);
            out << '}' << (i + 1 < rules.size() ? ",\n" : "\n");
        } else {
            out << heading(rules[i]) << ": " << sideText(rules[i], source, note);
            if (becomes != value)
                out << ", окно сохранит " << becomes;
            out << '\n';
        }
    }
    if (json) {
        out << "]}\n";
        return;
    }
    // The reader puts "QM . . . . ." into the record of a file without one,
    // and the window shows that.
    out << "Метка платы: "
        << (source.label == Label::None
                ? "нет в источнике (окно покажет " + JsonString(LabelText(source.record)) + ")"
                : heldLabel(source))
        << "\nКонтрольная сумма: "
        << (source.state == Loaded::State::Loaded ? "сходится" : "не сходится") << '\n';
}

} // namespace

int ShowCommand(const Place& source, bool json, std::ostream& out, ErrorOutput& errors) {
    const Loaded loaded = LoadSource(source, errors);
    if (loaded.state == Loaded::State::TooShort)
        return kExitFinding;
    if (loaded.state == Loaded::State::CannotRead)
        return kExitAccess;
    // An image whose checksum fails is shown, for a technician to judge.
    show(loaded, json, out);
    return loaded.state == Loaded::State::Loaded ? kExitOk : kExitFinding;
}

int DiffCommand(const Place& a, const Place& b, bool json, std::ostream& out, ErrorOutput& errors) {
    // Anything short of a valid image cannot be compared.
    const Loaded first = LoadSource(a, errors);
    if (first.state != Loaded::State::Loaded)
        return kExitAccess;
    const Loaded second = LoadSource(b, errors);
    if (second.state != Loaded::State::Loaded)
        return kExitAccess;
    bool differ = false;
    if (json)
        out << '[';
    for (const SettingRule& rule : SettingRules()) {
        const std::string va = ValueLiteral(rule, first.record),
                          vb = ValueLiteral(rule, second.record);
        const std::optional<HeldNote> na = HeldNoteOf(rule, first);
        const std::optional<HeldNote> nb = HeldNoteOf(rule, second);
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
    const std::string la = heldLabel(first), lb = heldLabel(second);
    if (la != lb) {
        if (json)
            out << (differ ? ",\n " : "\n ") << "{\"key\": \"ID\", \"caption\": \"Метка платы\", "
                << "\"a\": " << labelJson(first) << ", \"b\": " << labelJson(second)
                << ", \"a_state\": \"" << stateOf(first.label) << "\", \"b_state\": \""
                << stateOf(second.label) << "\"}";
        else
            out << "ID  Метка платы\n< " << la << "\n> " << lb << '\n';
        differ = true;
    }
    if (json)
        out << (differ ? "\n]\n" : "]\n");
    return differ ? kExitFinding : kExitOk;
}

} // namespace qm
