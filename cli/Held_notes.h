// What a settings source holds that the record read from it cannot: a number
// its field cannot hold (65636 read as 100), a value that is no number, a key
// the source lacks (read as 0 or the factory text), a text cut at a zero byte
// or at the end of its field, a key given more than once (the first read).
// The window shows, and a store writes, what the record holds; the command
// line says where that is not what the source holds.
#pragma once

#include "Places.h"
#include "Setting_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace qm {

struct HeldNote {
    // What the source holds: "в источнике 65636", "нет в источнике",
    // "в источнике 2 раза: 100 и 200".
    std::string source;
    std::string why;               // why it is read otherwise; empty where source says it
    std::vector<std::string> held; // the value of each line of the key, UTF-8, as held
};

// The note on one setting of a loaded source; nothing where the record holds
// what the source does, and for the defaults, which have no text.
std::optional<HeldNote> HeldNoteOf(const SettingRule& rule, const Loaded& source);

// "в источнике 65636; в поле от 0 до 65535 это число не помещается".
std::string NoteText(const HeldNote& note);

} // namespace qm
