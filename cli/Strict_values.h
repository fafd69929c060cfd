// What the command line takes as it is given. A script cannot see what the
// window's boxes do with a keystroke, so a value the board would not hold
// exactly as written is refused with its reason rather than reshaped: only a
// number outside its bounds is still brought into them, as the window does,
// and that is reported.
#pragma once

#include "Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// A number as a script writes it: an optional "-" and decimal digits, and
// nothing else (no "+", blanks, separators, exponent or hex). Its value,
// held at ±10^12 far outside every bound; nothing for any other text.
std::optional<std::int64_t> DecimalNumber(std::string_view text);

// The outcome of checking a value: its bytes as the field is to hold them
// (code page 1251), or why it cannot be stored as given.
struct Checked {
    std::string bytes;
    std::string refusal; // empty when the value can be stored
    bool ok() const { return refusal.empty(); }
};

// A text (UTF-8) for a field of room characters: code page 1251, one line
// without control bytes, within the field, and read by the board as written.
Checked CheckText(std::string_view utf8, std::size_t room);

// A serial label: what CheckText asks, and not empty, no blanks at its ends,
// not starting with the byte the board marks an unlabelled board with.
Checked CheckLabel(std::string_view utf8);

// A telephone as written ("+7 (916) 123-45-67", "89161234567"): "+" and 11
// digits, or 11 digits, the blanks, brackets and dashes between them
// skipped; empty, or "-" as the window's box takes it, erases the number.
Checked CheckPhone(std::string_view written);

// Why the record cannot become a settings image the board can check: its
// settings file too short for an image (its texts are too short), too long,
// or a text holding "CRC=", where the board's checksum scan would stop.
// Empty when it can.
std::string RecordRefusal(const Settings& record, bool withSerial);

} // namespace qm
