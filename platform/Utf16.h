// Texts between the program (UTF-8) and the wide Windows API (UTF-16), one
// code unit per wchar_t. Malformed input is never refused: each byte or
// sequence that is no character (a stray or missing continuation byte, an
// overlong form, a surrogate, a code point beyond U+10FFFF) and each lone
// surrogate becomes U+FFFD, as Windows' own conversion does. The same on
// every platform (Utf16.cpp).
#pragma once

#include <string>
#include <string_view>

namespace qm {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The length of the longest beginning of a UTF-8 text that ends with a whole
// character, so that a character split between two writes is held back, not
// written in halves. Malformed bytes count as whole (they become U+FFFD).
std::size_t WholeUtf8(std::string_view utf8);

} // namespace qm
