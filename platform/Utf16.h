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

} // namespace qm
