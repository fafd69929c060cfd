// Code page 1251, the single-byte code of every text in the settings record
// and the settings files. The window works in Unicode (UTF-8 here).
#pragma once

#include <string>
#include <string_view>

namespace qm {

// The code page 1251 byte of a Unicode character. False for characters the
// code page cannot represent, and for U+0000, which would end a text field.
bool Cp1251Byte(char32_t c, unsigned char& byte);

// Converts UTF-8 to code page 1251. False, with out unchanged, when the text
// is malformed UTF-8 or holds a character without a code page 1251 byte:
// nothing is ever replaced by "?" on its way to the board.
bool Cp1251FromUtf8(std::string_view utf8, std::string& out);

// Converts code page 1251 to UTF-8; every byte has a character.
std::string Utf8FromCp1251(std::string_view cp1251);

} // namespace qm
