#include "Held_notes.h"

#include "Cp1251.h"
#include "Ini_lookup.h"
#include "Read_file.h"
#include "Values.h"

#include <cstring>

namespace qm {

namespace {

// "2 раза", "5 раз".
std::string times(std::size_t n) {
    const std::size_t tens = n % 100, ones = n % 10;
    const bool few = ones >= 2 && ones <= 4 && (tens < 12 || tens > 14);
    return std::to_string(n) + (few ? " раза" : " раз");
}

std::string numberWhy(const SettingRule& rule, const std::string& read) {
    if (!IniNumberHeld(read))
        return "это не число";
    const unsigned long top = SettingWidth(rule.setting) == 8 ? 255 : 65535;
    return "в поле от 0 до " + std::to_string(top) + " это число не помещается";
}

} // namespace

std::optional<HeldNote> HeldNoteOf(const SettingRule& rule, const Loaded& source) {
    if (source.image.empty())
        return std::nullopt;
    const Settings& record = source.record;
    const std::vector<IniKeyLine> lines =
        IniKeyLines(source.image, "SYSTEM", SettingKey(rule.setting));
    HeldNote note;
    for (const IniKeyLine& line : lines)
        note.held.push_back(Utf8FromCp1251(line.held));
    if (lines.empty() || !lines.front().hasValue) {
        note.source = "нет в источнике";
        return note;
    }
    const IniKeyLine& first = lines.front();
    std::size_t differing = 0;
    for (const IniKeyLine& line : lines)
        differing += line.hasValue && line.held != first.held ? 1 : 0;
    if (differing > 0) {
        note.source = "в источнике " + times(lines.size()) + ":";
        for (std::size_t i = 0; i < lines.size(); ++i)
            note.source += (i == 0                  ? " "
                            : i + 1 == lines.size() ? " и "
                                                    : ", ") +
                           WrittenLiteral(&rule, Utf8FromCp1251(lines[i].held));
        note.why = "прочитан первый";
        return note;
    }
    note.source = "в источнике " + WrittenLiteral(&rule, Utf8FromCp1251(first.held));
    if (IsTextSetting(rule)) {
        const char* field = TextField(record, rule.setting);
        if (first.held == std::string(field, ::strnlen(field, TextCapacity(rule.setting))))
            return std::nullopt;
        note.why = first.held.find('\0') != std::string::npos
                       ? "текст обрывается на нулевом байте"
                       : "не помещается в поле (наибольшая длина — " +
                             std::to_string(TextRoom(rule)) + ")";
        return note;
    }
    const std::optional<std::int64_t> number = IniNumberHeld(first.read);
    if (number && *number == static_cast<std::int64_t>(NumberValue(record, rule.setting)) &&
        first.read == first.held)
        return std::nullopt;
    note.why = first.held.find('\0') != std::string::npos ? "число обрывается на нулевом байте"
                                                          : numberWhy(rule, first.read);
    return note;
}

std::string NoteText(const HeldNote& note) {
    return note.why.empty() ? note.source : note.source + "; " + note.why;
}

} // namespace qm
