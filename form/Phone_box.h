// The telephone boxes MaskEdit1 and MaskEdit3 as a plain edit can show them.
//
// The box shows its mask with the brackets and dashes and "_" in every
// unfilled position: "+7(916)___-__-__". Its value is the typed characters
// only (Phone_rules.h). What the keys do to the shown text is laid down here,
// so that any window's plain edit behaves as the masked box.
#pragma once

#include "Phone_rules.h"
#include "View.h"

#include <string>
#include <string_view>

namespace qm {

constexpr char kPhoneUnfilled = '_';

// The value laid out in the form: the mask with the value's characters in
// its positions, "_" where a position is unfilled or does not take the
// character; characters past the last position are dropped.
std::string PhoneLayOut(PhoneForm form, std::string_view value);

// The form a shown text is laid out in (by its length: the international
// mask has one position more).
PhoneForm PhoneFormOfShown(std::string_view shown);

// The value of a shown text: its positions, blanks for unfilled ones inside,
// those at the end dropped.
std::string PhoneValueOf(std::string_view shown);

// Where value slot k stands in the shown text of the form; the end of the
// mask for a slot past the last.
int PhonePositionOfSlot(PhoneForm form, int slot);

// What a box shows and where its caret stands.
struct PhoneBox {
    std::string text;
    int caret = 0;
};

// The value laid out anew in the form, the caret at the same slot.
PhoneBox PhoneReform(const PhoneBox& box, PhoneForm form);

// A click that leaves the caret past the typed characters puts it right
// after them, at the first free position; a click among them stays.
int PhoneClickedCaret(const PhoneBox& box);

// The keys of the box. A selection is emptied first (its positions become
// unfilled, the caret goes to its start).
enum class PhoneKey { Backspace, Delete };
// A typed character goes into the next position at or after the caret that
// takes it, skipping brackets and dashes; the caret then stands at the next
// position. A character no position takes changes nothing.
PhoneBox PhoneTypeChar(const PhoneBox& box, Selection selected, char32_t c);
// Backspace empties the position before the caret and moves there; Delete
// empties the position at or after it and stays.
PhoneBox PhonePressKey(const PhoneBox& box, Selection selected, PhoneKey key);
// A written telephone pasted at the caret, as typing it would (PhoneTyped);
// the form then follows its new first character, so that a whole
// international number pasted over a domestic one keeps every digit.
// Nothing changes for a text without a digit or sign.
PhoneBox PhonePaste(const PhoneBox& box, Selection selected, std::string_view written);

} // namespace qm
