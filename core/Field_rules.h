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

// The record as the window holds it once it has shown it, right after it
// started with every box empty and nothing checked: showing a value runs its
// box's change rule wherever the box changes. So texts become one line,
// numbers come into their bounds, telephones become what their boxes lay
// out, and switches and sensor pairs become 1 for any value but 0. Lists and
// the currency show their entry without a rule; they, the banknote bits, the
// settings without a control and the serial label stay as they were.
Settings AsShown(const Settings& record);

} // namespace qm
