// The rules by which what a technician enters becomes a setting, apart from
// the window's controls: the window's change rules store through them, and
// the command line applies them to the values it is given.
#pragma once

#include "Setting_rules.h"
#include "Settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace qm {

// What a text box keeps of a text (UTF-8) that enters it, typed, pasted or
// shown: one line (SingleLine), then no more than room characters. Nothing
// when what is kept holds a character that code page 1251 lacks: the box
// refuses such a text whole, so nothing reaches the board replaced.
std::optional<std::string> EnteredText(std::string_view utf8, std::size_t room);

// Stores a text (UTF-8) into text setting n, cut to the field's capacity;
// false, with the field as it was, for a text code page 1251 cannot hold.
bool StoreText(Settings& record, int n, std::string_view utf8);

// Stores a text (UTF-8) as the serial label, cut to its field; false, with
// the label as it was, for a text code page 1251 cannot hold.
bool StoreLabel(Settings& record, std::string_view utf8);

// Stores the number a number box's text reads as: ParseNumber within the
// rule's bounds.
void StoreNumber(Settings& record, const SettingRule& rule, std::string_view text);

// A switch, or the button of a sensor pair that stands for `on`: 1 or 0.
void StoreSwitch(Settings& record, int n, bool on);

// One banknote box: sets or clears bit (0..5) of SET28, the others kept.
void StoreBanknote(Settings& record, int bit, bool accepted);

// The position of the entry picked in a list.
void StoreEntry(Settings& record, int n, int position);

} // namespace qm
