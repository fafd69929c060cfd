// The value rules of the two telephone boxes, MaskEdit1 (SET06) and
// MaskEdit3 (SET07), apart from the box itself.
//
// A box lays its value out in one of two forms:
//   international  #9(999)999-99-99   up to 12 value characters
//   domestic       #(999)999-99-99    up to 11 value characters
// "#" takes a digit, "+" or "-"; "9" takes a digit. The value is the typed
// characters only: unfilled positions between typed ones read as blanks,
// unfilled ones at the end are dropped.
#pragma once

#include <string>
#include <string_view>

namespace qm {

enum class PhoneForm { International, Domestic };

// The form's pattern, "#9(999)999-99-99" or "#(999)999-99-99".
const char* PhonePattern(PhoneForm form);

// Whether a character of the pattern is a position ("#" or "9"), not one of
// the brackets and dashes.
bool PhoneIsSlot(char patternChar);

// Whether a position of the pattern ("#" or "9") takes the character.
bool PhoneSlotTakes(char patternChar, char32_t c);

// The form a value is laid out in: international for an empty value or one
// that begins with "+", domestic otherwise.
PhoneForm PhoneFormFor(std::string_view value);

// Whether a value erases the telephone: a "-" typed as its first character
// empties it.
bool PhoneErases(std::string_view value);

// The characters a written telephone puts into the box, as typing it would:
// its digits, and a leading "+" or "-" when it goes to the first position;
// the brackets, dashes and blanks of a written number are skipped.
std::string PhoneTyped(std::string_view written, bool atFirstPosition);

} // namespace qm
