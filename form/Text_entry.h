// What a text box keeps of an edit: the rule of the edits whose text goes to
// the board as one line of code page 1251 (Edit7, Edit12, Edit10, Edit3,
// Edit5 and the serial entry Edit21), for any window's plain edit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The characters of a UTF-8 text, as a caret counts them.
std::size_t Characters(std::string_view text);

struct EditedText {
    std::string text;  // UTF-8
    std::size_t caret; // a byte offset into text
};

// The box showed `before` and the edit made it `after` with the caret at
// byte `caret` (past the end: not known). Only the part that came in is
// looked at: made one line (EnteredText) and cut to what still fits into
// room characters; the rest of the text stays as it was. Nothing when the
// part holds a character that code page 1251 lacks: the edit is refused.
std::optional<EditedText> KeepEntered(std::string_view before, std::string_view after,
                                      std::size_t caret, std::size_t room);

} // namespace qm
